// The thesaurus component's look-up on a window: the word at the caret of an
// edit-style control, read and replaced through the window parser.
#include "vl3ThesaurusBase.h"
#include "vl3WinAPIParser.h"

bool TThesaurus3Base::LookupWinControl(HWND__* control) {
  if (control == nullptr) return false;
  TWinAPIControlParser parser(control);
  return LookupParser(&parser);
}
