// The spell-checker component's side of the spelling dialog (showing, placing,
// hiding the form and chaining its events) and of the live-spelling popup menu.
#include <memory>

#include "vl3Configuration.h"
#include "vl3CustomDictionary.h"
#include "vl3ParserBase.h"
#include "vl3SpellBase.h"
#include "vl3Util.h"

TSpellDialogBridge* TVexlorSpell3Base::AttachDialogControl(TComponent* form, TCustomDictionary* dictionary) {
  TSpellDialogBridge* bridge = TSpellDialogHosting::FindBridge(form);
  if (bridge == nullptr) return nullptr;
  bridge->Attach(this);
  bridge->SetCustomDictionary(dictionary);
  return bridge;
}

TCustomForm* TVexlorSpell3Base::CreateSpellDialog() { return nullptr; }

void TVexlorSpell3Base::ShowSpellDialog() {
  if (uiType_ != suiDialog) return;
  if (dialog_.Bridge() == nullptr) {
    dialog_.SetDeactivated(false);
    if (dialog_.Form() == nullptr) {
      if (OnCreateSpellDialog) {
        TCustomForm* form = nullptr;
        OnCreateSpellDialog(this, form, true);
        dialog_.SetForm(form);
      } else if (TCustomForm* form = CreateSpellDialog()) {
        dialog_.SetForm(form);
        form->SetHelpFile(helpFile_);
        form->SetHelpContext(HelpCtxSpellDialog());
      }
    }
    if (dialog_.Form() != nullptr) dialog_.SetBridge(AttachDialogControl(dialog_.Form(), nullptr));
  }
  bool showModal = false;
  if (!dialog_.Shown()) {
    dialog_.SetShown(true);
    if (OnSpellDialogShow) OnSpellDialogShow(this);
    PositionDialog();
    if (TCustomForm* form = dialog_.Form()) {
      if (dialogShowModal_)
        showModal = true;
      else
        form->Show();
      dialog_.TakeOverFormEvents(
          form, [this] { DialogShowHook(); }, [this] { DialogDeactivateHook(); }, [this] { DialogActivateHook(); });
    }
  }
  AvoidSelection();
  // A modal dialog made ready when the check starts waits for the first
  // word that needs the user: a check that ends before then (a text with no
  // mistakes) never shows it.
  if (showModal && dialog_.OpeningAtStart()) {
    dialog_.SetModalShowDeferred(true);
    return;
  }
  if (dialog_.ModalShowDeferred() && !dialog_.OpeningAtStart()) {
    dialog_.SetModalShowDeferred(false);
    showModal = true;
  }
  // The whole check runs inside this call: it returns when HideSpellDialog
  // ends the modal loop.
  if (showModal && dialog_.Form() != nullptr) dialog_.Form()->ShowModal();
}

void TVexlorSpell3Base::HideSpellDialog() {
  dialog_.SetModalShowDeferred(false);
  TCustomForm* form = dialog_.Form();
  if (form == nullptr) {
    // No form to hide, but the showing still ends, so that the next check
    // announces its dialog again.
    if (dialog_.Shown() && hideDialogAtEnd_) {
      dialog_.SetShown(false);
      if (OnSpellDialogHide) OnSpellDialogHide(this);
    }
    return;
  }
  if (dialogInitialPos_ == ipLastUserPos) {
    const TRect bounds = form->BoundsRect();
    configuration_->SetDialogX(bounds.Left);
    configuration_->SetDialogY(bounds.Top);
  }
  if (!hideDialogAtEnd_ && !dialogShowModal_) return;
  if (dialog_.Shown()) dialog_.GiveBackFormEvents(form);
  dialog_.SetShown(false);
  if (dialogShowModal_)
    form->SetModalResult(mrOk);
  else
    form->Hide();
  if (OnSpellDialogHide) OnSpellDialogHide(this);
  dialog_.SetBridge(nullptr);
  form = dialog_.Form();
  dialog_.SetForm(nullptr);
  if (OnCreateSpellDialog)
    OnCreateSpellDialog(this, form, false);
  else
    form->Release();
}

void TVexlorSpell3Base::CloseDialog() { HideSpellDialog(); }

// ---- Placement --------------------------------------------------------------------

void TVexlorSpell3Base::MoveDialogOnScreen(int32_t left, int32_t top) {
  TCustomForm* form = dialog_.Form();
  const TRect bounds = form->BoundsRect();
  const TFormPosition p = FitFormOnMonitor(form->MonitorRect(), bounds.Width(), bounds.Height(), left, top);
  form->MoveTo(p.Left, p.Top);
}

void TVexlorSpell3Base::PositionDialog() {
  TCustomForm* form = dialog_.Form();
  switch (dialogInitialPos_) {
    case ipScreenCenter:
      if (form != nullptr) form->CenterOnScreen();
      break;
    case ipUnderSelection:
      if (!dialogShowImmediate_) PlaceDialogNearSelection(true, true);
      break;
    case ipAvoidControl:
      PlaceDialogNearControl();
      break;
    case ipUserDefined:
      if (OnPositionDialog) OnPositionDialog(this);
      break;
    case ipLastUserPos:
      if (form == nullptr) break;
      if (configuration_->GetDialogX() == -1)
        PlaceDialogNearControl();
      else
        MoveDialogOnScreen(configuration_->GetDialogX(), configuration_->GetDialogY());
      break;
    case ipIgnore:
      break;
  }
}

void TVexlorSpell3Base::PlaceDialogNearControl() {
  TCustomForm* form = dialog_.Form();
  if (form == nullptr || parser_ == nullptr) return;
  const TRect monitor = form->MonitorRect();
  TRect control = monitor;
  parser_->GetControlRect(control);
  int32_t left = 0, top = 0;
  if (!TSpellDialogHosting::PlaceBesideControl(form->BoundsRect(), monitor, control, dialogShowImmediate_, left,
                                               top)) {
    PlaceDialogNearSelection(true, true);
    const TRect placed = form->BoundsRect();
    left = placed.Left, top = placed.Top;
  }
  MoveDialogOnScreen(left, top);
}

void TVexlorSpell3Base::PlaceDialogNearSelection(bool horizontal, bool vertical) {
  TCustomForm* form = dialog_.Form();
  if (form == nullptr || parser_ == nullptr) return;
  TRect s;
  parser_->GetSelectionRect(s);
  const TFormPosition p = FormPositionNearRect(form->MonitorRect(), form->BoundsRect(), s, horizontal, vertical);
  form->MoveTo(p.Left, p.Top);
}

void TVexlorSpell3Base::AvoidSelection() {
  TCustomForm* form = dialog_.Form();
  if (form == nullptr) return;
  TRect s;
  if (parser_ != nullptr) parser_->GetSelectionRect(s);
  bool horizontal = true;
  if (TSpellDialogHosting::MovesOffSelection(dialogSelectionAvoid_, s.Intersects(form->BoundsRect()), horizontal))
    PlaceDialogNearSelection(horizontal, true);
}

// ---- The form's events -------------------------------------------------------------

void TVexlorSpell3Base::DialogShowHook() {
  // A modal dialog, also one opened at the start of a check, appears only
  // once a word needs the user: it presents that word.
  if (dialogShowModal_) PromptWord();
}

void TVexlorSpell3Base::DialogDeactivateHook() {
  if (dialog_.Deactivated()) return;
  dialog_.SetDeactivated(true);
  if (OnDialogDeactivate) OnDialogDeactivate(this);
}

void TVexlorSpell3Base::DialogActivateHook() {
  if (!dialog_.Deactivated()) return;
  dialog_.SetDeactivated(false);
  if (OnDialogActivate) OnDialogActivate(this);
  Resynchronize();
}

// ---- Live-spelling popup menu ----------------------------------------------------

TPopupMenu* TVexlorSpell3Base::CreatePopupMenu(TComponent* owner) {
  TPopupMenu* menu = nullptr;
  if (OnPopupCreateMenu) OnPopupCreateMenu(this, owner, menu);
  // Owned by nobody: ShowPopupMenu frees the menu itself.
  return menu != nullptr ? menu : new TPopupMenu(nullptr);
}

TMenuItem* TVexlorSpell3Base::AddPopupMenuItem(TPopupMenu* menu, TMenuItem* subMenu, const std::string& caption,
                                               bool enable, bool hasChildren, int32_t tag) {
  TMenuItem* supplied = nullptr;
  if (OnPopupAddMenuItem) OnPopupAddMenuItem(this, menu, subMenu, caption, enable, hasChildren, tag, supplied);
  if (supplied != nullptr) return supplied;
  auto* item = new TMenuItem(subMenu != nullptr ? static_cast<TComponent*>(subMenu) : menu);
  item->Caption = caption;
  item->Enabled = enable;
  item->Tag = tag;
  if (tag > 0) item->OnClick = [this](TMenuItem* clicked) { PopupItemClick(clicked->Tag, clicked->Caption); };
  return item;
}

void TVexlorSpell3Base::DoPopupMenu(TPopupMenu* menu, int32_t x, int32_t y) {
  dialog_.PopupAction() = 0;
  dialog_.PopupWord().clear();
  if (OnPopupDoMenu) {
    OnPopupDoMenu(this, menu, x, y, dialog_.PopupAction(), dialog_.PopupWord());
  } else {
    menu->Popup(x, y);
    Platform::ProcessMessages();
  }
}

void TVexlorSpell3Base::PopupItemClick(int32_t tag, const std::string& caption) {
  dialog_.PopupAction() = tag;
  dialog_.PopupWord() = caption;
}

TSpellPopupOption TVexlorSpell3Base::ShowPopupMenu(TComponent* owner, TSpellPopupOptions options, int32_t x,
                                                   int32_t y, std::string& word) {
  if (word.empty() || !dialog_.BeginPopup()) return spCancel;
  struct TPopupGuard {
    TSpellDialogHosting& dialog;
    ~TPopupGuard() { dialog.EndPopup(); }
  } guard{dialog_};
  EnsureConfigLoaded();

  std::unique_ptr<TPopupMenu> menu(CreatePopupMenu(owner));
  TStringList list;
  std::string text;
  const bool hasActive = dictionaries_.ActiveCustom() != nullptr;

  if (options.Contains(spReplace)) {
    BuildSuggestions(word, 5, list);
    for (int i = 0; i < list.Count(); ++i) AddPopupMenuItem(menu.get(), nullptr, list[i], true, false, 7);
    if (list.Empty()) {
      GetString(lsNoSuggestions, text);
      AddPopupMenuItem(menu.get(), nullptr, text, false, false, 0);
    }
    AddPopupMenuItem(menu.get(), nullptr, "-", true, false, 0);
  }
  if (options.Contains(spIgnore)) {
    GetString(lsMenuIgnore, text);
    AddPopupMenuItem(menu.get(), nullptr, text, true, false, 6);
  }
  if (options.Contains(spIgnoreAll)) {
    GetString(lsMenuIgnoreAll, text);
    AddPopupMenuItem(menu.get(), nullptr, text, true, false, 5);
  }
  if (options.Contains(spAdd)) {
    GetString(lsMenuAdd, text);
    AddPopupMenuItem(menu.get(), nullptr, text, hasActive, false, 4);
  }
  AddPopupMenuItem(menu.get(), nullptr, "-", true, false, 0);
  if (options.Contains(spChangeAll) && !list.Empty()) {
    GetString(lsMenuChangeAll, text);
    TMenuItem* parent = AddPopupMenuItem(menu.get(), nullptr, text, true, true, 0);
    for (int i = 0; i < list.Count(); ++i) AddPopupMenuItem(menu.get(), parent, list[i], true, false, 3);
  }
  if (options.Contains(spAutoCorrect) && !list.Empty() && hasActive) {
    GetString(lsMenuAutoCorrect, text);
    TMenuItem* parent = AddPopupMenuItem(menu.get(), nullptr, text, true, true, 0);
    for (int i = 0; i < list.Count(); ++i) AddPopupMenuItem(menu.get(), parent, list[i], true, false, 2);
  }
  if (options.Contains(spDialog)) {
    GetString(lsMenuSpelling, text);
    AddPopupMenuItem(menu.get(), nullptr, text, true, false, 1);
  }

  DoPopupMenu(menu.get(), x, y);

  const std::string& chosen = dialog_.PopupWord();
  TCustomDictionary* active = dictionaries_.ActiveCustom();
  switch (dialog_.PopupAction()) {
    case 1:
      return spDialog;
    case 2:
      if (!active) return spCancel;
      active->AddAutoCorrect(word, chosen);
      LearnReplacement(word, chosen);
      word = chosen;
      return spAutoCorrect;
    case 3:
      dictionaries_.Internal()->AddAutoCorrect(word, chosen);
      LearnReplacement(word, chosen);
      word = chosen;
      return spChangeAll;
    case 4:
      if (!active) return spCancel;
      active->AddIgnore(word);
      return spAdd;
    case 5:
      dictionaries_.Internal()->AddIgnore(word);
      return spIgnoreAll;
    case 6:
      return spIgnore;
    case 7:
      LearnReplacement(word, chosen);
      word = chosen;
      return spReplace;
    default:
      return spCancel;
  }
}
