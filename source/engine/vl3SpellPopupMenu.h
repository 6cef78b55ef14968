// The live-spelling popup menu of a spell-checker component: building it
// from the suggestions, showing it and acting on the item chosen.
#pragma once

#include <cstdint>
#include <string>

#include "vl3SpellTypes.h"

class TComponent;
class TMenuItem;
class TPopupMenu;
class TVexlorSpell3Base;

// Menu items and the showing go through the component's virtual and event
// companions, so a descendant or host can supply its own.
class TSpellPopupMenu {
 public:
  explicit TSpellPopupMenu(TVexlorSpell3Base& spell) : spell_(spell) {}
  TSpellPopupMenu(const TSpellPopupMenu&) = delete;
  TSpellPopupMenu& operator=(const TSpellPopupMenu&) = delete;

  TPopupMenu* CreatePopupMenu(TComponent* owner);
  TMenuItem* AddPopupMenuItem(TPopupMenu* menu, TMenuItem* subMenu, const std::string& caption,
                              bool enable, bool hasChildren, int32_t tag);
  void DoPopupMenu(TPopupMenu* menu, int32_t x, int32_t y);
  void PopupItemClick(int32_t tag, const std::string& caption);
  TSpellPopupOption ShowPopupMenu(TComponent* owner, TSpellPopupOptions options, int32_t x,
                                  int32_t y, std::string& word);

 private:
  TVexlorSpell3Base& spell_;
};
