// Without a window system there are no window controls to check.
#include "vl3SpellBase.h"

TControlParser* TVexlorSpell3Base::NewWindowParser(void*) { return nullptr; }
