// The spelling dialog a spell-checker component hosts: the form and its
// bridge, the form events it stands in for, its placement and the popup state.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "vl3DialogBridge.h"
#include "vl3Forms.h"
#include "vl3SpellTypes.h"

class TSpellDialogHosting {
 public:
  // ---- The form and its bridge ----------------------------------------------------
  TCustomForm* Form() const { return form_; }
  // Not owned: the form is released, or disposed of by the host, when hidden.
  void SetForm(TCustomForm* form) { form_ = form; }
  TSpellDialogBridge* Bridge() const { return bridge_; }
  void SetBridge(TSpellDialogBridge* bridge) { bridge_ = bridge; }
  // The first component owned by form that is a bridge, or null.
  static TSpellDialogBridge* FindBridge(TComponent* form);

  bool Shown() const { return shown_; }
  void SetShown(bool value) { shown_ = value; }
  // The user went to another window; reset when the form is made.
  bool Deactivated() const { return deactivated_; }
  void SetDeactivated(bool value) { deactivated_ = value; }
  // A modal dialog made ready at the start of a check waits for the first
  // word that needs the user: a check that ends before never shows it.
  bool OpeningAtStart() const { return openingAtStart_; }
  void SetOpeningAtStart(bool value) { openingAtStart_ = value; }
  bool ModalShowDeferred() const { return modalShowDeferred_; }
  void SetModalShowDeferred(bool value) { modalShowDeferred_ = value; }

  // The form's own show, activate and deactivate handlers are kept while the
  // given hooks stand in for them; each hook chains the form's own handler
  // (after it for show and deactivate, before it for activate).
  void TakeOverFormEvents(TCustomForm* form, std::function<void()> showHook,
                          std::function<void()> deactivateHook, std::function<void()> activateHook);
  void GiveBackFormEvents(TCustomForm* form);

  // ---- Placement ------------------------------------------------------------------------
  // Beside the control: under, right, over or left of it, the first side
  // where the whole form fits on the monitor; centred on the control when
  // none does and centreWhenNoRoom. False when no place was found.
  static bool PlaceBesideControl(const TRect& form, const TRect& monitor, const TRect& control,
                                 bool centreWhenNoRoom, int32_t& left, int32_t& top);
  // Whether the form moves off the selection, and along which axes.
  static bool MovesOffSelection(TSpellDialogAvoidPos avoid, bool overlaps, bool& horizontal);

  // ---- Popup menu state -------------------------------------------------------------------
  bool PopupActive() const { return popupActive_; }
  // False when a popup menu is already up; otherwise it is up until EndPopup.
  bool BeginPopup();
  void EndPopup() { popupActive_ = false; }
  // The item the user chose: its tag (0 for none) and caption; a host's
  // own menu handler writes them in place.
  int32_t& PopupAction() { return popupAction_; }
  std::string& PopupWord() { return popupWord_; }

 private:
  TCustomForm* form_ = nullptr;
  TSpellDialogBridge* bridge_ = nullptr;
  bool shown_ = false;
  bool deactivated_ = false;
  bool openingAtStart_ = false;
  bool modalShowDeferred_ = false;
  TFormNotifyEvent savedShow_;
  TFormNotifyEvent savedActivate_;
  TFormNotifyEvent savedDeactivate_;
  bool popupActive_ = false;
  int32_t popupAction_ = 0;
  std::string popupWord_;
};
