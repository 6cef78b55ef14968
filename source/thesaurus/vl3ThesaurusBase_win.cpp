// The thesaurus component's look-up on a window: the word at the caret of an
// edit-style control, read and replaced through the window parser.
#include "vl3ThesaurusBase.h"
#include "vl3WinAPIParser.h"

bool TThesaurus3Base::LookupWinControl(HWND__* Control) {
  if (Control == nullptr) return false;
  TWinAPIControlParser parser(Control);
  return LookupParser(&parser);
}
