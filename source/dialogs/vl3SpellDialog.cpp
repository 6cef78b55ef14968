// The standard spelling dialog: its layout, its set-up from the linked
// component, the prompt with the repeated-word mode and every command.
#include "vl3SpellDialog.h"

#include "vl3ConfigurationDialogCtrl.h"
#include "vl3Layout_win.h"
#include "vl3StringList.h"

namespace {

// Captions beginning with "xx" are placeholders: the set-up replaces every
// visible text from the component's localised strings.
const TFormLayout kLayout = {"xxSpelling", 432, 165, TFormBorderStyle::bsDialog, TPosition::poDesigned};

}  // namespace

TSpellDialog::TSpellDialog(TComponent* owner) : TForm(owner) {
  using F = TSpellDialog;
  // clang-format off
  const TLayoutItem controls[] = {
    // member                         Left Top  W    H   Caption            Tab parent   flags                      focus / handler
    {VL_CONTROL(NotFoundText),        8,   8,   90,  13, "xxNot Found:",    -1, nullptr, lfNone,                    &NotFoundEdit},
    {VL_CONTROL(NotFoundEdit),        104, 8,   140, 21, "",                0,  nullptr, lfReadOnly | lfNoTabStop},
    {VL_CONTROL(ReplaceWithText),     8,   36,  90,  13, "xxReplace With:", -1, nullptr, lfNone,                    &ReplaceWithEdit},
    {VL_CONTROL(ReplaceWithEdit),     104, 35,  140, 21, "",                1,  nullptr, lfNone,                    &F::ReplaceWithEditChange},
    {VL_CONTROL(SuggestionsText),     8,   64,  90,  13, "xxSuggestions:",  -1, nullptr, lfNone,                    &SuggestionsListbox},
    {VL_CONTROL(SuggestionsListbox),  104, 62,  140, 99, nullptr,           2,  nullptr, lfNone,                    &F::SuggestionsListboxClick},
    {VL_CONTROL(IgnoreButton),        252, 8,   85,  23, "xxIgnore",        3,  nullptr, lfNone,                    &F::IgnoreButtonClick},
    {VL_CONTROL(IgnoreAllButton),     340, 8,   85,  23, "xxIgnore All",    4,  nullptr, lfNone,                    &F::IgnoreAllButtonClick},
    {VL_CONTROL(ChangeButton),        252, 35,  85,  23, "xxChange",        5,  nullptr, lfNone,                    &F::ChangeButtonClick},
    {VL_CONTROL(ChangeAllButton),     340, 35,  85,  23, "xxChange All",    6,  nullptr, lfNone,                    &F::ChangeAllButtonClick},
    {VL_CONTROL(AddButton),           252, 62,  85,  23, "xxAdd",           7,  nullptr, lfNone,                    &F::AddButtonClick},
    {VL_CONTROL(AutoCorrectButton),   340, 62,  85,  23, "xxAuto-Correct",  8,  nullptr, lfNone,                    &F::AutoCorrectButtonClick},
    {VL_CONTROL(HelpButton),          252, 138, 85,  23, "xxHelp",          9,  nullptr, lfNone,                    &F::HelpButtonClick},
    {VL_CONTROL(UndoButton),          8,   111, 85,  23, "xxUndo",          10, nullptr, lfNone,                    &F::UndoButtonClick},
    {VL_CONTROL(CancelButton),        340, 138, 85,  23, "xxCancel",        11, nullptr, lfCancel,                  &F::CancelButtonClick},
    {VL_CONTROL(OptionsButton),       8,   138, 85,  23, "xxOptions",       12, nullptr, lfNone,                    &F::OptionsButtonClick},
  };
  // clang-format on
  ApplyLayout(*this, kLayout, controls);
  DialogControl = new TConfigurationDialogCtrl(this);

  DialogControl->OnConfigurationAvailable = [this](TConfigurationDialogCtrl*) {
    DialogControlConfigurationAvailable();
  };
  DialogControl->OnPromptWord = [this](TVexlorSpell3Base*, const std::string& word, bool repeated) {
    DialogControlPromptWord(word, repeated);
  };
  SuggestionsListbox->OnDblClick = [this](TComponent*) { SuggestionsListboxDblClick(); };
  OnActivate = [this](TCustomForm*) { FormActivate(); };
  OnDeactivate = [this](TCustomForm*) { FormDeactivate(); };
  OnCloseQuery = [this](TForm*, bool& canClose) { FormCloseQuery(canClose); };
  AfterConstruction();
}

bool TSpellDialog::CommandEnabled(TSpellDialogCommand command) {
  return DialogControl->GetCommandsEnabled().Contains(command);
}

bool TSpellDialog::HasActiveCustomDictionary() { return DialogControl->GetActiveCustomDictionary() != nullptr; }

void TSpellDialog::DialogControlConfigurationAvailable() {
  repeated_ = false;
  deactivated_ = false;
  TConfigurationDialogCtrl& c = *DialogControl;
  SetCaption(c.GetString(lsSpellDialogCaption));
  NotFoundText->SetCaption(c.GetString(lsNotFound));
  ReplaceWithText->SetCaption(c.GetString(lsReplaceWith));
  SuggestionsText->SetCaption(c.GetString(lsSuggestions));
  UndoButton->SetCaption(c.GetString(lsUndo));
  OptionsButton->SetCaption(c.GetString(lsOptions));
  IgnoreAllButton->SetCaption(c.GetString(lsIgnoreAll));
  IgnoreButton->SetCaption(c.GetString(lsIgnore));
  ChangeAllButton->SetCaption(c.GetString(lsChangeAll));
  ChangeButton->SetCaption(c.GetString(lsChange));
  AddButton->SetCaption(c.GetString(lsAdd));
  AutoCorrectButton->SetCaption(c.GetString(lsAutoCorrect));
  HelpButton->SetCaption(c.GetString(lsHelp));
  CancelButton->SetCaption(c.GetString(lsCancel));

  const TSpellDialogCommands visible = c.GetCommandsVisible();
  UndoButton->SetVisible(visible.Contains(sdcUndo));
  OptionsButton->SetVisible(visible.Contains(sdcOptions));
  IgnoreAllButton->SetVisible(visible.Contains(sdcIgnoreAll));
  IgnoreButton->SetVisible(visible.Contains(sdcIgnore));
  ChangeButton->SetVisible(visible.Contains(sdcChange));
  ChangeAllButton->SetVisible(visible.Contains(sdcChangeAll));
  AddButton->SetVisible(visible.Contains(sdcAdd));
  AutoCorrectButton->SetVisible(visible.Contains(sdcAutoCorrect));
  HelpButton->SetVisible(visible.Contains(sdcHelp));
  CancelButton->SetVisible(visible.Contains(sdcCancel));

  HelpButton->SetEnabled(CommandEnabled(sdcHelp));
  CancelButton->SetEnabled(CommandEnabled(sdcCancel));
  // Commands the host disabled are grey from the start, not only after the
  // first change of activation.
  EnableControls(true);

  if (!OptionsButton->Visible()) UndoButton->SetTop(OptionsButton->Top());
}

void TSpellDialog::EnableControls(bool enable) {
  const bool dictionary = enable && HasActiveCustomDictionary();
  UndoButton->SetEnabled(enable && DialogControl->CanUndo() && CommandEnabled(sdcUndo));
  OptionsButton->SetEnabled(enable && CommandEnabled(sdcOptions));
  ReplaceWithEdit->SetEnabled(enable);
  SuggestionsListbox->SetEnabled(enable);
  IgnoreAllButton->SetEnabled(enable && CommandEnabled(sdcIgnoreAll));
  IgnoreButton->SetEnabled(enable && CommandEnabled(sdcIgnore));
  ChangeAllButton->SetEnabled(enable && CommandEnabled(sdcChangeAll));
  ChangeButton->SetEnabled(enable && CommandEnabled(sdcChange));
  AddButton->SetEnabled(dictionary && CommandEnabled(sdcAdd));
  AutoCorrectButton->SetEnabled(dictionary && CommandEnabled(sdcAutoCorrect));
}

void TSpellDialog::EnableForMode() {
  EnableControls(!repeated_);
  if (!repeated_) return;
  OptionsButton->SetEnabled(CommandEnabled(sdcOptions));
  IgnoreButton->SetEnabled(true);
  ChangeButton->SetEnabled(true);
  UndoButton->SetEnabled(DialogControl->CanUndo() && CommandEnabled(sdcUndo));
}

void TSpellDialog::DialogControlPromptWord(const std::string& word, bool repeated) {
  NotFoundEdit->SetText(word);
  SuggestionsListbox->Clear();
  if (repeated != repeated_) {
    repeated_ = repeated;
    EnableForMode();
    NotFoundText->SetCaption(DialogControl->GetString(repeated ? lsRepeatedWord : lsNotFound));
  }
  UndoButton->SetEnabled(DialogControl->CanUndo() && CommandEnabled(sdcUndo));

  if (repeated) {
    // The component passes both copies with one blank between them.
    ReplaceWithEdit->SetText(word.substr(0, word.size() / 2));
    return;
  }
  const bool dictionary = HasActiveCustomDictionary();
  AddButton->SetEnabled(dictionary && CommandEnabled(sdcAdd));
  AutoCorrectButton->SetEnabled(dictionary && CommandEnabled(sdcAutoCorrect));
  TStringList suggestions;
  DialogControl->GetSuggestions(word, suggestions);
  SuggestionsListbox->SetItems(suggestions.ToVector());
  SuggestionsListbox->SetEnabled(SuggestionsListbox->Count() > 0);
  if (SuggestionsListbox->Enabled()) {
    ReplaceWithEdit->SetText(SuggestionsListbox->Items(0));
    SuggestionsListbox->SetItemIndex(0);
  } else {
    ReplaceWithEdit->SetText("");
    // Setting an empty edit to empty raises no change event.
    ReplaceWithEditChange();
    SuggestionsListbox->Add(DialogControl->GetString(lsNoSuggestions));
  }
}

void TSpellDialog::ReplaceWithEditChange() {
  if (repeated_) return;
  const bool text = !ReplaceWithEdit->Text().empty();
  ChangeAllButton->SetEnabled(text && CommandEnabled(sdcChangeAll));
  ChangeButton->SetEnabled(text && CommandEnabled(sdcChange));
  AutoCorrectButton->SetEnabled(text && HasActiveCustomDictionary() && CommandEnabled(sdcAutoCorrect));
}

void TSpellDialog::IgnoreButtonClick() {
  if (repeated_)
    DialogControl->IgnoreRepeated();
  else
    DialogControl->Ignore();
}

void TSpellDialog::IgnoreAllButtonClick() { DialogControl->IgnoreAll(); }

void TSpellDialog::ChangeButtonClick() {
  if (repeated_)
    DialogControl->DeleteRepeated();
  else
    DialogControl->Change(ReplaceWithEdit->Text());
}

void TSpellDialog::ChangeAllButtonClick() { DialogControl->ChangeAll(ReplaceWithEdit->Text()); }

void TSpellDialog::AddButtonClick() { DialogControl->Add(); }

void TSpellDialog::AutoCorrectButtonClick() { DialogControl->AutoCorrect(ReplaceWithEdit->Text()); }

void TSpellDialog::UndoButtonClick() { DialogControl->Undo(); }

void TSpellDialog::CancelButtonClick() { DialogControl->Cancel(); }

void TSpellDialog::HelpButtonClick() { DialogControl->ShowSpellDialogHelp(); }

void TSpellDialog::OptionsButtonClick() {
  DialogControl->ShowConfigDialog();
  // The settings may have changed the suggestions and the custom dictionary.
  DialogControlPromptWord(NotFoundEdit->Text(), repeated_);
}

void TSpellDialog::SuggestionsListboxClick() {
  const int32_t index = SuggestionsListbox->ItemIndex();
  if (index >= 0) ReplaceWithEdit->SetText(SuggestionsListbox->Items(index));
}

void TSpellDialog::SuggestionsListboxDblClick() {
  const int32_t index = SuggestionsListbox->ItemIndex();
  if (index >= 0) DialogControl->Change(SuggestionsListbox->Items(index));
}

void TSpellDialog::FormActivate() {
  if (!deactivated_) return;
  deactivated_ = false;
  // Back from the document: the controls of the mode shown, not all of them.
  EnableForMode();
}

void TSpellDialog::FormDeactivate() {
  deactivated_ = true;
  EnableControls(false);
}

void TSpellDialog::FormCloseQuery(bool& canClose) {
  DialogControl->Cancel();
  canClose = true;
}
