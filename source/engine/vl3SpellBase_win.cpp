// Window controls are read and edited through the window-control parser.
#include "vl3SpellBase.h"
#include "vl3WinAPIParser.h"

TControlParser* TVexlorSpell3Base::NewWindowParser(void* control) {
  return new TWinAPIControlParser(static_cast<HWND__*>(control));
}
