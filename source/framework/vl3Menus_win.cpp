// Shows a TPopupMenu as a real Windows popup menu (TrackPopupMenu) and runs
// the chosen item's click.
#include <windows.h>

#include <vector>

#include "vl3Menus.h"

namespace {

// Command ids are 1-based indices into `items`.
void AppendItems(HMENU menu, const TComponent& owner, std::vector<TMenuItem*>& items) {
  for (int i = 0; i < owner.ComponentCount(); ++i) {
    auto* item = dynamic_cast<TMenuItem*>(owner.Components(i));
    if (item == nullptr) continue;
    if (item->IsSeparator()) {
      ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    const UINT state = item->Enabled ? MF_ENABLED : MF_GRAYED;
    if (item->Count() > 0) {
      HMENU sub = ::CreatePopupMenu();
      AppendItems(sub, *item, items);
      ::AppendMenuA(menu, MF_POPUP | MF_STRING | state, reinterpret_cast<UINT_PTR>(sub), item->Caption.c_str());
    } else {
      items.push_back(item);
      ::AppendMenuA(menu, MF_STRING | state, items.size(), item->Caption.c_str());
    }
  }
}

// TrackPopupMenu needs a window of this thread to own the menu; the active
// one when there is one, otherwise a hidden message-only window.
HWND MenuOwnerWindow(bool& made) {
  made = false;
  HWND owner = ::GetActiveWindow();
  if (owner != nullptr) return owner;
  made = true;
  return ::CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, ::GetModuleHandleA(nullptr), nullptr);
}

}  // namespace

void TPopupMenu::Popup(int32_t x, int32_t y) {
  std::vector<TMenuItem*> items;
  HMENU menu = ::CreatePopupMenu();
  if (menu == nullptr) return;
  AppendItems(menu, *this, items);
  bool made = false;
  HWND owner = MenuOwnerWindow(made);
  // The owner must be in the foreground, or the menu does not close when the
  // user clicks elsewhere.
  if (!made) ::SetForegroundWindow(owner);
  const UINT chosen = static_cast<UINT>(::TrackPopupMenu(
      menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY, x, y, 0, owner, nullptr));
  ::DestroyMenu(menu);  // also destroys the sub-menus
  if (made) ::DestroyWindow(owner);
  if (chosen >= 1 && chosen <= items.size()) items[chosen - 1]->Click();
}
