// The thesaurus component's look-up on a window, where there are no windows:
// nothing is found.
#include "vl3ThesaurusBase.h"

bool TThesaurus3Base::LookupWinControl(HWND__*) { return false; }
