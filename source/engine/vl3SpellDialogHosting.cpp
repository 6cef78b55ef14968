// The spelling dialog a spell-checker component hosts: finding the bridge,
// standing in for the form's events, placing it and the popup menu's state.
#include "vl3SpellDialogHosting.h"

#include <utility>

TSpellDialogBridge* TSpellDialogHosting::FindBridge(TComponent* form) {
  if (form == nullptr) return nullptr;
  for (int i = 0; i < form->ComponentCount(); ++i)
    if (auto* bridge = dynamic_cast<TSpellDialogBridge*>(form->Components(i))) return bridge;
  return nullptr;
}

void TSpellDialogHosting::TakeOverFormEvents(TCustomForm* form, std::function<void()> showHook,
                                             std::function<void()> deactivateHook,
                                             std::function<void()> activateHook) {
  savedShow_ = form->OnShow;
  savedActivate_ = form->OnActivate;
  savedDeactivate_ = form->OnDeactivate;
  // A hook may end the check and hand the events back while it runs, so
  // each takes its copy of the form's own handler first.
  form->OnShow = [this, hook = std::move(showHook)](TCustomForm* sender) {
    TFormNotifyEvent own = savedShow_;
    hook();
    if (own) own(sender);
  };
  form->OnDeactivate = [this, hook = std::move(deactivateHook)](TCustomForm* sender) {
    TFormNotifyEvent own = savedDeactivate_;
    hook();
    if (own) own(sender);
  };
  form->OnActivate = [this, hook = std::move(activateHook)](TCustomForm* sender) {
    TFormNotifyEvent own = savedActivate_;
    if (own) own(sender);
    hook();
  };
}

void TSpellDialogHosting::GiveBackFormEvents(TCustomForm* form) {
  form->OnShow = std::move(savedShow_);
  form->OnActivate = std::move(savedActivate_);
  form->OnDeactivate = std::move(savedDeactivate_);
  savedShow_ = nullptr;
  savedActivate_ = nullptr;
  savedDeactivate_ = nullptr;
}

bool TSpellDialogHosting::PlaceBesideControl(const TRect& form, const TRect& monitor,
                                             const TRect& control, bool centreWhenNoRoom,
                                             int32_t& left, int32_t& top) {
  const int32_t w = form.Width(), h = form.Height();
  const TRect& m = monitor;
  const TRect& r = control;
  if (r.Bottom + h <= m.Bottom) {
    left = r.Left, top = r.Bottom;
  } else if (r.Right + w <= m.Right) {
    left = r.Right, top = r.Top;
  } else if (r.Top - h >= m.Top) {
    left = r.Left, top = r.Top - h;
  } else if (r.Left - w >= m.Left) {
    left = r.Left - w, top = r.Top;
  } else if (centreWhenNoRoom) {
    left = r.Left + (r.Right - r.Left) / 2 - w / 2;
    top = r.Top + (r.Bottom - r.Top) / 2 - h / 2;
  } else {
    return false;
  }
  return true;
}

bool TSpellDialogHosting::MovesOffSelection(TSpellDialogAvoidPos avoid, bool overlaps,
                                            bool& horizontal) {
  horizontal = avoid == saAvoid || avoid == saMove;
  switch (avoid) {
    case saNone:
      return false;
    case saAvoid:
    case saAvoidUpDown:
      return overlaps;
    case saMove:
    case saMoveUpDown:
      return true;
  }
  return false;
}

bool TSpellDialogHosting::BeginPopup() {
  if (popupActive_) return false;
  popupActive_ = true;
  return true;
}
