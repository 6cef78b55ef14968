// The spell-checker component's side of the spelling dialog: making, showing,
// placing and hiding the form, and chaining its events.
#include "vl3SpellDialogDisplay.h"

#include "vl3Configuration.h"
#include "vl3ParserBase.h"
#include "vl3SpellBase.h"
#include "vl3Util.h"

TSpellDialogBridge* TSpellDialogDisplay::AttachDialogControl(TComponent* form,
                                                             TCustomDictionary* dictionary) {
  TSpellDialogBridge* bridge = TSpellDialogHosting::FindBridge(form);
  if (bridge == nullptr) return nullptr;
  bridge->Attach(&spell_);
  bridge->SetCustomDictionary(dictionary);
  return bridge;
}

void TSpellDialogDisplay::ShowSpellDialog() {
  TVexlorSpell3Base& spell = spell_;
  TSpellDialogHosting& dialog = spell.dialog_;
  if (spell.uiType_ != suiDialog) return;
  if (dialog.Bridge() == nullptr) {
    dialog.SetDeactivated(false);
    if (dialog.Form() == nullptr) {
      if (spell.OnCreateSpellDialog) {
        TCustomForm* form = nullptr;
        spell.OnCreateSpellDialog(&spell, form, true);
        dialog.SetForm(form);
      } else if (TCustomForm* form = spell.CreateSpellDialog()) {
        dialog.SetForm(form);
        form->SetHelpFile(spell.helpFile_);
        form->SetHelpContext(spell.HelpCtxSpellDialog());
      }
    }
    if (dialog.Form() != nullptr)
      dialog.SetBridge(spell.AttachDialogControl(dialog.Form(), nullptr));
  }
  bool showModal = false;
  if (!dialog.Shown()) {
    dialog.SetShown(true);
    if (spell.OnSpellDialogShow) spell.OnSpellDialogShow(&spell);
    spell.PositionDialog();
    if (TCustomForm* form = dialog.Form()) {
      if (spell.dialogShowModal_)
        showModal = true;
      else
        form->Show();
      dialog.TakeOverFormEvents(
          form, [&spell] { spell.DialogShowHook(); }, [&spell] { spell.DialogDeactivateHook(); },
          [&spell] { spell.DialogActivateHook(); });
    }
  }
  spell.AvoidSelection();
  // A modal dialog made ready when the check starts waits for the first
  // word that needs the user: a check that ends before then (a text with no
  // mistakes) never shows it.
  if (showModal && dialog.OpeningAtStart()) {
    dialog.SetModalShowDeferred(true);
    return;
  }
  if (dialog.ModalShowDeferred() && !dialog.OpeningAtStart()) {
    dialog.SetModalShowDeferred(false);
    showModal = true;
  }
  // The whole check runs inside this call: it returns when HideSpellDialog
  // ends the modal loop.
  if (showModal && dialog.Form() != nullptr) dialog.Form()->ShowModal();
}

void TSpellDialogDisplay::HideSpellDialog() {
  TVexlorSpell3Base& spell = spell_;
  TSpellDialogHosting& dialog = spell.dialog_;
  dialog.SetModalShowDeferred(false);
  TCustomForm* form = dialog.Form();
  if (form == nullptr) {
    // No form to hide, but the showing still ends, so that the next check
    // announces its dialog again.
    if (dialog.Shown() && spell.hideDialogAtEnd_) {
      dialog.SetShown(false);
      if (spell.OnSpellDialogHide) spell.OnSpellDialogHide(&spell);
    }
    return;
  }
  if (spell.dialogInitialPos_ == ipLastUserPos) {
    const TRect bounds = form->BoundsRect();
    spell.configuration_->SetDialogX(bounds.Left);
    spell.configuration_->SetDialogY(bounds.Top);
  }
  if (!spell.hideDialogAtEnd_ && !spell.dialogShowModal_) return;
  if (dialog.Shown()) dialog.GiveBackFormEvents(form);
  dialog.SetShown(false);
  if (spell.dialogShowModal_)
    form->SetModalResult(mrOk);
  else
    form->Hide();
  if (spell.OnSpellDialogHide) spell.OnSpellDialogHide(&spell);
  dialog.SetBridge(nullptr);
  form = dialog.Form();
  dialog.SetForm(nullptr);
  if (spell.OnCreateSpellDialog)
    spell.OnCreateSpellDialog(&spell, form, false);
  else
    form->Release();
}

// ---- Placement --------------------------------------------------------------------

void TSpellDialogDisplay::MoveDialogOnScreen(int32_t left, int32_t top) {
  TCustomForm* form = spell_.dialog_.Form();
  const TRect bounds = form->BoundsRect();
  const TFormPosition p =
      FitFormOnMonitor(form->MonitorRect(), bounds.Width(), bounds.Height(), left, top);
  form->MoveTo(p.Left, p.Top);
}

void TSpellDialogDisplay::PositionDialog() {
  TVexlorSpell3Base& spell = spell_;
  TCustomForm* form = spell.dialog_.Form();
  switch (spell.dialogInitialPos_) {
    case ipScreenCenter:
      if (form != nullptr) form->CenterOnScreen();
      break;
    case ipUnderSelection:
      if (!spell.dialogShowImmediate_) spell.PlaceDialogNearSelection(true, true);
      break;
    case ipAvoidControl:
      spell.PlaceDialogNearControl();
      break;
    case ipUserDefined:
      if (spell.OnPositionDialog) spell.OnPositionDialog(&spell);
      break;
    case ipLastUserPos:
      if (form == nullptr) break;
      if (spell.configuration_->GetDialogX() == -1)
        spell.PlaceDialogNearControl();
      else
        MoveDialogOnScreen(spell.configuration_->GetDialogX(), spell.configuration_->GetDialogY());
      break;
    case ipIgnore:
      break;
  }
}

void TSpellDialogDisplay::PlaceDialogNearControl() {
  TVexlorSpell3Base& spell = spell_;
  TCustomForm* form = spell.dialog_.Form();
  if (form == nullptr || spell.parser_ == nullptr) return;
  const TRect monitor = form->MonitorRect();
  TRect control = monitor;
  spell.parser_->GetControlRect(control);
  int32_t left = 0, top = 0;
  if (!TSpellDialogHosting::PlaceBesideControl(form->BoundsRect(), monitor, control,
                                               spell.dialogShowImmediate_, left, top)) {
    spell.PlaceDialogNearSelection(true, true);
    const TRect placed = form->BoundsRect();
    left = placed.Left, top = placed.Top;
  }
  MoveDialogOnScreen(left, top);
}

void TSpellDialogDisplay::PlaceDialogNearSelection(bool horizontal, bool vertical) {
  TCustomForm* form = spell_.dialog_.Form();
  if (form == nullptr || spell_.parser_ == nullptr) return;
  TRect s;
  spell_.parser_->GetSelectionRect(s);
  const TFormPosition p =
      FormPositionNearRect(form->MonitorRect(), form->BoundsRect(), s, horizontal, vertical);
  form->MoveTo(p.Left, p.Top);
}

void TSpellDialogDisplay::AvoidSelection() {
  TCustomForm* form = spell_.dialog_.Form();
  if (form == nullptr) return;
  TRect s;
  if (spell_.parser_ != nullptr) spell_.parser_->GetSelectionRect(s);
  bool horizontal = true;
  if (TSpellDialogHosting::MovesOffSelection(spell_.dialogSelectionAvoid_,
                                             s.Intersects(form->BoundsRect()), horizontal))
    spell_.PlaceDialogNearSelection(horizontal, true);
}

// ---- The form's events -------------------------------------------------------------

void TSpellDialogDisplay::DialogShowHook() {
  // A modal dialog, also one opened at the start of a check, appears only
  // once a word needs the user: it presents that word.
  if (spell_.dialogShowModal_) spell_.PromptWord();
}

void TSpellDialogDisplay::DialogDeactivateHook() {
  if (spell_.dialog_.Deactivated()) return;
  spell_.dialog_.SetDeactivated(true);
  if (spell_.OnDialogDeactivate) spell_.OnDialogDeactivate(&spell_);
}

void TSpellDialogDisplay::DialogActivateHook() {
  if (!spell_.dialog_.Deactivated()) return;
  spell_.dialog_.SetDeactivated(false);
  if (spell_.OnDialogActivate) spell_.OnDialogActivate(&spell_);
  spell_.Resynchronize();
}
