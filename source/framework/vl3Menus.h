// Popup menus as the portable components build them: a tree of items with
// caption, enabled state, tag and click handler, shown at a screen point.
// The Windows side shows it as a real menu; elsewhere Popup shows nothing.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "vl3Component.h"

class TMenuItem;
using TMenuItemClickEvent = std::function<void(TMenuItem* sender)>;

// A menu entry; its sub-items are the TMenuItems it owns, in the order they
// were created. The caption "-" makes a separator.
class TMenuItem : public TComponent {
 public:
  explicit TMenuItem(TComponent* owner) : TComponent(owner) {}

  std::string Caption;  // shown exactly: no accelerators are added
  bool Enabled = true;
  int32_t Tag = 0;
  TMenuItemClickEvent OnClick;

  int Count() const;
  TMenuItem* Items(int index) const;  // the index-th owned item
  bool IsSeparator() const { return Caption == "-"; }
  void Click() {
    if (OnClick) OnClick(this);
  }
};

// The top-level items are the TMenuItems the menu owns.
class TPopupMenu : public TComponent {
 public:
  explicit TPopupMenu(TComponent* owner = nullptr) : TComponent(owner) {}

  int Count() const;
  TMenuItem* Items(int index) const;
  // Shows the menu at screen (X, Y) and waits until it closes; the chosen
  // item's Click has run when it returns.
  virtual void Popup(int32_t x, int32_t y);
};
