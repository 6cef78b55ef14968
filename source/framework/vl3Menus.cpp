// Item lists of popup menus; showing them is platform work (vl3Menus_win).
#include "vl3Menus.h"

namespace {

int CountItems(const TComponent& owner) {
  int n = 0;
  for (int i = 0; i < owner.ComponentCount(); ++i)
    if (dynamic_cast<TMenuItem*>(owner.Components(i)) != nullptr) ++n;
  return n;
}

TMenuItem* ItemAt(const TComponent& owner, int index) {
  for (int i = 0; i < owner.ComponentCount(); ++i) {
    auto* item = dynamic_cast<TMenuItem*>(owner.Components(i));
    if (item != nullptr && index-- == 0) return item;
  }
  return nullptr;
}

}  // namespace

int TMenuItem::Count() const { return CountItems(*this); }
TMenuItem* TMenuItem::Items(int index) const { return ItemAt(*this, index); }
int TPopupMenu::Count() const { return CountItems(*this); }
TMenuItem* TPopupMenu::Items(int index) const { return ItemAt(*this, index); }
