// The spell-checker component's side of the spelling dialog and of the
// live-spelling popup menu; the forms and menus themselves are installed hooks.
#include <memory>

#include "vl3Configuration.h"
#include "vl3CustomDictionary.h"
#include "vl3SpellBase.h"
#include "vl3Util.h"

TSpellDialogHooks& TVexlorSpell3Base::DialogHooks() {
  static TSpellDialogHooks hooks;
  return hooks;
}

TConfigurationDialogCtrl* TVexlorSpell3Base::AttachDialogControl(TComponent* Form, TCustomDictionary* Dictionary) {
  if (Form == nullptr || !DialogHooks().FindDialogControl) return nullptr;
  TConfigurationDialogCtrl* control = DialogHooks().FindDialogControl(Form);
  if (control != nullptr && DialogHooks().AttachDialogControl)
    DialogHooks().AttachDialogControl(control, this, Dictionary);
  return control;
}

TComponent* TVexlorSpell3Base::CreateSpellDialog() { return nullptr; }

void TVexlorSpell3Base::ShowSpellDialog() {
  if (uiType_ != suiDialog) return;
  if (dialogControl_ == nullptr) {
    dialogDeactivated_ = false;
    if (spellDialog_ == nullptr) {
      if (OnCreateSpellDialog) {
        TComponent* form = nullptr;
        OnCreateSpellDialog(this, form, true);
        spellDialog_ = form;
      } else {
        spellDialog_ = CreateSpellDialog();
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
      else if (DialogHooks().ShowForm)
        DialogHooks().ShowForm(spellDialog_, false);
    }
  }
  AvoidSelection();
  if (showModal && DialogHooks().ShowForm) DialogHooks().ShowForm(spellDialog_, true);
}

void TVexlorSpell3Base::HideSpellDialog() {
  if (spellDialog_ == nullptr) {
    // No form to hide, but the showing still ends, so that the next check
    // announces its dialog again.
    if (dialogShown_ && hideDialogAtEnd_) {
      dialogShown_ = false;
      if (OnSpellDialogHide) OnSpellDialogHide(this);
    }
    return;
  }
  if (!hideDialogAtEnd_ && !dialogShowModal_) return;
  dialogShown_ = false;
  if (DialogHooks().HideForm) DialogHooks().HideForm(spellDialog_, dialogShowModal_);
  if (OnSpellDialogHide) OnSpellDialogHide(this);
  dialogControl_ = nullptr;
  TComponent* form = spellDialog_;
  if (OnCreateSpellDialog) {
    OnCreateSpellDialog(this, form, false);
  } else if (DialogHooks().ReleaseForm) {
    DialogHooks().ReleaseForm(form);
  }
  spellDialog_ = nullptr;
}

void TVexlorSpell3Base::CloseDialog() { HideSpellDialog(); }

void TVexlorSpell3Base::PositionDialog() {
  if (dialogInitialPos_ == ipUserDefined && OnPositionDialog) OnPositionDialog(this);
}

// Placement needs the form's geometry, which only the Windows dialogs know;
// they override these.
void TVexlorSpell3Base::PlaceDialogNearControl() {}
void TVexlorSpell3Base::PlaceDialogNearSelection(bool, bool) {}
void TVexlorSpell3Base::AvoidSelection() {}

void TVexlorSpell3Base::DialogShowHook() {
  if (!dialogShowModal_) return;
  if (dialogShowImmediate_)
    ResumeCheck();
  else
    PromptWord();
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

TComponent* TVexlorSpell3Base::CreatePopupMenu(TComponent* Owner) {
  TComponent* menu = nullptr;
  if (OnPopupCreateMenu) OnPopupCreateMenu(this, Owner, menu);
  // Not owned by Owner: ShowPopupMenu frees the menu itself.
  return menu != nullptr ? menu : new TComponent(nullptr);
}

TComponent* TVexlorSpell3Base::AddPopupMenuItem(TComponent* Menu, TComponent* SubMenu, const std::string& Caption,
                                                bool Enable, bool HasChildren, int32_t Tag) {
  TComponent* supplied = nullptr;
  if (OnPopupAddMenuItem) OnPopupAddMenuItem(this, Menu, SubMenu, Caption, Enable, HasChildren, Tag, supplied);
  if (supplied != nullptr) return supplied;
  auto* item = new TSpellPopupMenuItem(SubMenu != nullptr ? SubMenu : Menu);
  item->Caption = Caption;
  item->Enabled = Enable;
  item->Tag = Tag;
  if (Tag > 0) item->OnClick = [this](TSpellPopupMenuItem* clicked) { PopupItemClick(clicked->Tag, clicked->Caption); };
  return item;
}

void TVexlorSpell3Base::DoPopupMenu(TComponent* Menu, int32_t X, int32_t Y) {
  popupAction_ = 0;
  popupWord_.clear();
  if (OnPopupDoMenu) {
    OnPopupDoMenu(this, Menu, X, Y, popupAction_, popupWord_);
  } else if (DialogHooks().PopupMenu) {
    DialogHooks().PopupMenu(Menu, X, Y);
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

  std::unique_ptr<TComponent> menu(CreatePopupMenu(Owner));
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
    TComponent* parent = AddPopupMenuItem(menu.get(), nullptr, text, true, true, 0);
    for (int i = 0; i < list.Count(); ++i) AddPopupMenuItem(menu.get(), parent, list[i], true, false, 3);
  }
  if (Options.Contains(spAutoCorrect) && !list.Empty() && hasActive) {
    GetString(lsMenuAutoCorrect, text);
    TComponent* parent = AddPopupMenuItem(menu.get(), nullptr, text, true, true, 0);
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
