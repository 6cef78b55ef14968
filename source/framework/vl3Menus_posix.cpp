// Without a window system there is nothing to show: the menu closes at once
// with no item chosen.
#include "vl3Menus.h"

void TPopupMenu::Popup(int32_t, int32_t) {}
