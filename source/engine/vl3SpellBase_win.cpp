// Window controls are read and edited through the window-control parser.
#include "vl3SpellBase.h"

TControlParser* TVexlorSpell3Base::NewWindowParser(void*) { return nullptr; }
