// The spell-checker component's side of the spelling dialog (showing, placing,
// hiding the form and chaining its events) and of the live-spelling popup menu.
#include <memory>

#include "vl3ConfigurationDialogCtrl.h"
#include "vl3Configuration.h"
#include "vl3CustomDictionary.h"
#include "vl3ParserBase.h"
#include "vl3SpellBase.h"
#include "vl3Util.h"

TConfigurationDialogCtrl* TVexlorSpell3Base::AttachDialogControl(TComponent* Form, TCustomDictionary* Dictionary) {
  if (Form == nullptr) return nullptr;
  for (int i = 0; i < Form->ComponentCount(); ++i) {
    auto* control = dynamic_cast<TConfigurationDialogCtrl*>(Form->Components(i));
    if (control == nullptr) continue;
    control->Attach(this);
    control->SetCustomDictionary(Dictionary);
    return control;
  }
  return nullptr;
}

TCustomForm* TVexlorSpell3Base::CreateSpellDialog() { return nullptr; }

void TVexlorSpell3Base::ShowSpellDialog() {
  if (uiType_ != suiDialog) return;
  if (dialogControl_ == nullptr) {
    dialogDeactivated_ = false;
    if (spellDialog_ == nullptr) {
      if (OnCreateSpellDialog) {
        TCustomForm* form = nullptr;
        OnCreateSpellDialog(this, form, true);
        spellDialog_ = form;
      } else {
        spellDialog_ = CreateSpellDialog();
        if (spellDialog_ != nullptr) {
          spellDialog_->SetHelpFile(helpFile_);
          spellDialog_->SetHelpContext(HelpCtxSpellDialog());
        }
      }
    }
    if (spellDialog_ != nullptr) dialogControl_ = AttachDialogControl(spellDialog_, nullptr);
  }
  bool showModal = false;
  if (!dialogShown_) {
    dialogShown_ = true;
    if (OnSpellDialogShow) OnSpellDialogShow(this);
    PositionDialog();
    if (spellDialog_ != nullptr) {
      if (dialogShowModal_)
        showModal = true;
      else
        spellDialog_->Show();
      TakeOverFormEvents(spellDialog_);
    }
  }
  AvoidSelection();
  // A modal dialog made ready when the check starts waits for the first
  // word that needs the user: a check that ends before then (a text with no
  // mistakes) never shows it.
  if (showModal && openingAtStart_) {
    modalShowDeferred_ = true;
    return;
  }
  if (modalShowDeferred_ && !openingAtStart_) {
    modalShowDeferred_ = false;
    showModal = true;
  }
  // The whole check runs inside this call: it returns when HideSpellDialog
  // ends the modal loop.
  if (showModal && spellDialog_ != nullptr) spellDialog_->ShowModal();
}

void TVexlorSpell3Base::TakeOverFormEvents(TCustomForm* form) {
  savedFormShow_ = form->OnShow;
  savedFormActivate_ = form->OnActivate;
  savedFormDeactivate_ = form->OnDeactivate;
  // A hook may end the check and hand the events back while it runs, so
  // each takes its copy of the form's own handler first.
  form->OnShow = [this](TCustomForm* sender) {
    TFormNotifyEvent own = savedFormShow_;
    DialogShowHook();
    if (own) own(sender);
  };
  form->OnDeactivate = [this](TCustomForm* sender) {
    TFormNotifyEvent own = savedFormDeactivate_;
    DialogDeactivateHook();
    if (own) own(sender);
  };
  form->OnActivate = [this](TCustomForm* sender) {
    TFormNotifyEvent own = savedFormActivate_;
    if (own) own(sender);
    DialogActivateHook();
  };
}

void TVexlorSpell3Base::GiveBackFormEvents(TCustomForm* form) {
  form->OnShow = std::move(savedFormShow_);
  form->OnActivate = std::move(savedFormActivate_);
  form->OnDeactivate = std::move(savedFormDeactivate_);
  savedFormShow_ = nullptr;
  savedFormActivate_ = nullptr;
  savedFormDeactivate_ = nullptr;
}

void TVexlorSpell3Base::HideSpellDialog() {
  modalShowDeferred_ = false;
  if (spellDialog_ == nullptr) {
    // No form to hide, but the showing still ends, so that the next check
    // announces its dialog again.
    if (dialogShown_ && hideDialogAtEnd_) {
      dialogShown_ = false;
      if (OnSpellDialogHide) OnSpellDialogHide(this);
    }
    return;
  }
  if (dialogInitialPos_ == ipLastUserPos) {
    const TRect bounds = spellDialog_->BoundsRect();
    configuration_->SetDialogX(bounds.Left);
    configuration_->SetDialogY(bounds.Top);
  }
  if (!hideDialogAtEnd_ && !dialogShowModal_) return;
  if (dialogShown_) GiveBackFormEvents(spellDialog_);
  dialogShown_ = false;
  if (dialogShowModal_)
    spellDialog_->SetModalResult(mrOk);
  else
    spellDialog_->Hide();
  if (OnSpellDialogHide) OnSpellDialogHide(this);
  dialogControl_ = nullptr;
  TCustomForm* form = spellDialog_;
  spellDialog_ = nullptr;
  if (OnCreateSpellDialog)
    OnCreateSpellDialog(this, form, false);
  else
    form->Release();
}

void TVexlorSpell3Base::CloseDialog() { HideSpellDialog(); }

// ---- Placement --------------------------------------------------------------------

void TVexlorSpell3Base::MoveDialogOnScreen(int32_t left, int32_t top) {
  const TRect bounds = spellDialog_->BoundsRect();
  const TFormPosition p =
      FitFormOnMonitor(spellDialog_->MonitorRect(), bounds.Width(), bounds.Height(), left, top);
  spellDialog_->MoveTo(p.Left, p.Top);
}

void TVexlorSpell3Base::PositionDialog() {
  switch (dialogInitialPos_) {
    case ipScreenCenter:
      if (spellDialog_ != nullptr) spellDialog_->CenterOnScreen();
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
      if (spellDialog_ == nullptr) break;
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
  if (spellDialog_ == nullptr || parser_ == nullptr) return;
  const TRect form = spellDialog_->BoundsRect();
  const int32_t w = form.Width(), h = form.Height();
  const TRect m = spellDialog_->MonitorRect();
  TRect r = m;
  parser_->GetControlRect(r);
  int32_t left, top;
  if (r.Bottom + h <= m.Bottom) {
    left = r.Left, top = r.Bottom;
  } else if (r.Right + w <= m.Right) {
    left = r.Right, top = r.Top;
  } else if (r.Top - h >= m.Top) {
    left = r.Left, top = r.Top - h;
  } else if (r.Left - w >= m.Left) {
    left = r.Left - w, top = r.Top;
  } else if (dialogShowImmediate_) {
    left = r.Left + (r.Right - r.Left) / 2 - w / 2;
    top = r.Top + (r.Bottom - r.Top) / 2 - h / 2;
  } else {
    PlaceDialogNearSelection(true, true);
    const TRect placed = spellDialog_->BoundsRect();
    left = placed.Left, top = placed.Top;
  }
  MoveDialogOnScreen(left, top);
}

void TVexlorSpell3Base::PlaceDialogNearSelection(bool Horizontal, bool Vertical) {
  if (spellDialog_ == nullptr || parser_ == nullptr) return;
  TRect s;
  parser_->GetSelectionRect(s);
  const TFormPosition p =
      FormPositionNearRect(spellDialog_->MonitorRect(), spellDialog_->BoundsRect(), s, Horizontal, Vertical);
  spellDialog_->MoveTo(p.Left, p.Top);
}

void TVexlorSpell3Base::AvoidSelection() {
  if (spellDialog_ == nullptr) return;
  TRect s;
  if (parser_ != nullptr) parser_->GetSelectionRect(s);
  const bool overlap = s.Intersects(spellDialog_->BoundsRect());
  switch (dialogSelectionAvoid_) {
    case saNone:
      break;
    case saAvoid:
      if (overlap) PlaceDialogNearSelection(true, true);
      break;
    case saAvoidUpDown:
      if (overlap) PlaceDialogNearSelection(false, true);
      break;
    case saMove:
      PlaceDialogNearSelection(true, true);
      break;
    case saMoveUpDown:
      PlaceDialogNearSelection(false, true);
      break;
  }
}

// ---- The form's events -------------------------------------------------------------

void TVexlorSpell3Base::DialogShowHook() {
  // A modal dialog, also one opened at the start of a check, appears only
  // once a word needs the user: it presents that word.
  if (dialogShowModal_) PromptWord();
}

void TVexlorSpell3Base::DialogDeactivateHook() {
  if (dialogDeactivated_) return;
  dialogDeactivated_ = true;
  if (OnDialogDeactivate) OnDialogDeactivate(this);
}

void TVexlorSpell3Base::DialogActivateHook() {
  if (!dialogDeactivated_) return;
  dialogDeactivated_ = false;
  if (OnDialogActivate) OnDialogActivate(this);
  Resynchronize();
}

// ---- Live-spelling popup menu ----------------------------------------------------

TPopupMenu* TVexlorSpell3Base::CreatePopupMenu(TComponent* Owner) {
  TPopupMenu* menu = nullptr;
  if (OnPopupCreateMenu) OnPopupCreateMenu(this, Owner, menu);
  // Owned by nobody: ShowPopupMenu frees the menu itself.
  return menu != nullptr ? menu : new TPopupMenu(nullptr);
}

TMenuItem* TVexlorSpell3Base::AddPopupMenuItem(TPopupMenu* Menu, TMenuItem* SubMenu, const std::string& Caption,
                                               bool Enable, bool HasChildren, int32_t Tag) {
  TMenuItem* supplied = nullptr;
  if (OnPopupAddMenuItem) OnPopupAddMenuItem(this, Menu, SubMenu, Caption, Enable, HasChildren, Tag, supplied);
  if (supplied != nullptr) return supplied;
  auto* item = new TMenuItem(SubMenu != nullptr ? static_cast<TComponent*>(SubMenu) : Menu);
  item->Caption = Caption;
  item->Enabled = Enable;
  item->Tag = Tag;
  if (Tag > 0) item->OnClick = [this](TMenuItem* clicked) { PopupItemClick(clicked->Tag, clicked->Caption); };
  return item;
}

void TVexlorSpell3Base::DoPopupMenu(TPopupMenu* Menu, int32_t X, int32_t Y) {
  popupAction_ = 0;
  popupWord_.clear();
  if (OnPopupDoMenu) {
    OnPopupDoMenu(this, Menu, X, Y, popupAction_, popupWord_);
  } else {
    Menu->Popup(X, Y);
    Platform::ProcessMessages();
  }
}

void TVexlorSpell3Base::PopupItemClick(int32_t Tag, const std::string& Caption) {
  popupAction_ = Tag;
  popupWord_ = Caption;
}

TSpellPopupOption TVexlorSpell3Base::ShowPopupMenu(TComponent* Owner, TSpellPopupOptions Options, int32_t X,
                                                   int32_t Y, std::string& Word) {
  if (Word.empty() || popupActive_) return spCancel;
  popupActive_ = true;
  struct TPopupGuard {
    bool& active;
    ~TPopupGuard() { active = false; }
  } guard{popupActive_};
  EnsureConfigLoaded();

  std::unique_ptr<TPopupMenu> menu(CreatePopupMenu(Owner));
  TStringList list;
  std::string text;
  const bool hasActive = activeCustomDictionary_ != nullptr;

  if (Options.Contains(spReplace)) {
    BuildSuggestions(Word, 5, list);
    for (int i = 0; i < list.Count(); ++i) AddPopupMenuItem(menu.get(), nullptr, list[i], true, false, 7);
    if (list.Empty()) {
      GetString(lsNoSuggestions, text);
      AddPopupMenuItem(menu.get(), nullptr, text, false, false, 0);
    }
    AddPopupMenuItem(menu.get(), nullptr, "-", true, false, 0);
  }
  if (Options.Contains(spIgnore)) {
    GetString(lsMenuIgnore, text);
    AddPopupMenuItem(menu.get(), nullptr, text, true, false, 6);
  }
  if (Options.Contains(spIgnoreAll)) {
    GetString(lsMenuIgnoreAll, text);
    AddPopupMenuItem(menu.get(), nullptr, text, true, false, 5);
  }
  if (Options.Contains(spAdd)) {
    GetString(lsMenuAdd, text);
    AddPopupMenuItem(menu.get(), nullptr, text, hasActive, false, 4);
  }
  AddPopupMenuItem(menu.get(), nullptr, "-", true, false, 0);
  if (Options.Contains(spChangeAll) && !list.Empty()) {
    GetString(lsMenuChangeAll, text);
    TMenuItem* parent = AddPopupMenuItem(menu.get(), nullptr, text, true, true, 0);
    for (int i = 0; i < list.Count(); ++i) AddPopupMenuItem(menu.get(), parent, list[i], true, false, 3);
  }
  if (Options.Contains(spAutoCorrect) && !list.Empty() && hasActive) {
    GetString(lsMenuAutoCorrect, text);
    TMenuItem* parent = AddPopupMenuItem(menu.get(), nullptr, text, true, true, 0);
    for (int i = 0; i < list.Count(); ++i) AddPopupMenuItem(menu.get(), parent, list[i], true, false, 2);
  }
  if (Options.Contains(spDialog)) {
    GetString(lsMenuSpelling, text);
    AddPopupMenuItem(menu.get(), nullptr, text, true, false, 1);
  }

  DoPopupMenu(menu.get(), X, Y);

  switch (popupAction_) {
    case 1:
      return spDialog;
    case 2:
      if (!activeCustomDictionary_) return spCancel;
      activeCustomDictionary_->AddAutoCorrect(Word, popupWord_);
      LearnReplacement(Word, popupWord_);
      Word = popupWord_;
      return spAutoCorrect;
    case 3:
      internalDictionary_->AddAutoCorrect(Word, popupWord_);
      LearnReplacement(Word, popupWord_);
      Word = popupWord_;
      return spChangeAll;
    case 4:
      if (!activeCustomDictionary_) return spCancel;
      activeCustomDictionary_->AddIgnore(Word);
      return spAdd;
    case 5:
      internalDictionary_->AddIgnore(Word);
      return spIgnoreAll;
    case 6:
      return spIgnore;
    case 7:
      LearnReplacement(Word, popupWord_);
      Word = popupWord_;
      return spReplace;
    default:
      return spCancel;
  }
}
