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

const TLayoutItem kControls[] = {
    // Name                Kind        Left Top  W    H   Caption            Tab
    {"NotFoundText",       ckLabel,    8,   8,   90,  13, "xxNot Found:",    -1, nullptr, lfNone, "NotFoundEdit"},
    {"NotFoundEdit",       ckEdit,     104, 8,   140, 21, "",                0,  nullptr, lfReadOnly | lfNoTabStop},
    {"ReplaceWithText",    ckLabel,    8,   36,  90,  13, "xxReplace With:", -1, nullptr, lfNone, "ReplaceWithEdit"},
    {"ReplaceWithEdit",    ckEdit,     104, 35,  140, 21, "",                1},
    {"SuggestionsText",    ckLabel,    8,   64,  90,  13, "xxSuggestions:",  -1, nullptr, lfNone, "SuggestionsListbox"},
    {"SuggestionsListbox", ckListBox,  104, 62,  140, 99, nullptr,           2},
    {"IgnoreButton",       ckButton,   252, 8,   85,  23, "xxIgnore",        3},
    {"IgnoreAllButton",    ckButton,   340, 8,   85,  23, "xxIgnore All",    4},
    {"ChangeButton",       ckButton,   252, 35,  85,  23, "xxChange",        5},
    {"ChangeAllButton",    ckButton,   340, 35,  85,  23, "xxChange All",    6},
    {"AddButton",          ckButton,   252, 62,  85,  23, "xxAdd",           7},
    {"AutoCorrectButton",  ckButton,   340, 62,  85,  23, "xxAuto-Correct",  8},
    {"HelpButton",         ckButton,   252, 138, 85,  23, "xxHelp",          9},
    {"UndoButton",         ckButton,   8,   111, 85,  23, "xxUndo",          10},
    {"CancelButton",       ckButton,   340, 138, 85,  23, "xxCancel",        11, nullptr, lfCancel},
    {"OptionsButton",      ckButton,   8,   138, 85,  23, "xxOptions",       12},
};

}  // namespace

TSpellDialog::TSpellDialog(TComponent* AOwner) : TForm(AOwner) {
  ApplyLayout(*this, kLayout, kControls);
  NotFoundText = Find<TLabel>("NotFoundText");
  NotFoundEdit = Find<TEdit>("NotFoundEdit");
  ReplaceWithText = Find<TLabel>("ReplaceWithText");
  ReplaceWithEdit = Find<TEdit>("ReplaceWithEdit");
  SuggestionsText = Find<TLabel>("SuggestionsText");
  SuggestionsListbox = Find<TListBox>("SuggestionsListbox");
  IgnoreButton = Find<TButton>("IgnoreButton");
  IgnoreAllButton = Find<TButton>("IgnoreAllButton");
  ChangeButton = Find<TButton>("ChangeButton");
  ChangeAllButton = Find<TButton>("ChangeAllButton");
  AddButton = Find<TButton>("AddButton");
  AutoCorrectButton = Find<TButton>("AutoCorrectButton");
  HelpButton = Find<TButton>("HelpButton");
  UndoButton = Find<TButton>("UndoButton");
  CancelButton = Find<TButton>("CancelButton");
  OptionsButton = Find<TButton>("OptionsButton");
  DialogControl = new TConfigurationDialogCtrl(this);

  DialogControl->OnConfigurationAvailable = [this](TConfigurationDialogCtrl*) {
    DialogControlConfigurationAvailable();
  };
  DialogControl->OnPromptWord = [this](TVexlorSpell3Base*, const std::string& Word, bool Repeated) {
    DialogControlPromptWord(Word, Repeated);
  };
  IgnoreButton->OnClick = [this](TComponent*) { IgnoreButtonClick(); };
  IgnoreAllButton->OnClick = [this](TComponent*) { IgnoreAllButtonClick(); };
  ChangeButton->OnClick = [this](TComponent*) { ChangeButtonClick(); };
  ChangeAllButton->OnClick = [this](TComponent*) { ChangeAllButtonClick(); };
  AddButton->OnClick = [this](TComponent*) { AddButtonClick(); };
  AutoCorrectButton->OnClick = [this](TComponent*) { AutoCorrectButtonClick(); };
  UndoButton->OnClick = [this](TComponent*) { UndoButtonClick(); };
  OptionsButton->OnClick = [this](TComponent*) { OptionsButtonClick(); };
  HelpButton->OnClick = [this](TComponent*) { HelpButtonClick(); };
  CancelButton->OnClick = [this](TComponent*) { CancelButtonClick(); };
  SuggestionsListbox->OnClick = [this](TComponent*) { SuggestionsListboxClick(); };
  SuggestionsListbox->OnDblClick = [this](TComponent*) { SuggestionsListboxDblClick(); };
  ReplaceWithEdit->OnChange = [this](TComponent*) { ReplaceWithEditChange(); };
  OnActivate = [this](TCustomForm*) { FormActivate(); };
  OnDeactivate = [this](TCustomForm*) { FormDeactivate(); };
  OnCloseQuery = [this](TForm*, bool& CanClose) { FormCloseQuery(CanClose); };
  AfterConstruction();
}

bool TSpellDialog::CommandEnabled(TSpellDialogCommand Command) {
  return DialogControl->GetCommandsEnabled().Contains(Command);
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

void TSpellDialog::EnableControls(bool Enable) {
  const bool dictionary = Enable && HasActiveCustomDictionary();
  UndoButton->SetEnabled(Enable && DialogControl->CanUndo() && CommandEnabled(sdcUndo));
  OptionsButton->SetEnabled(Enable && CommandEnabled(sdcOptions));
  ReplaceWithEdit->SetEnabled(Enable);
  SuggestionsListbox->SetEnabled(Enable);
  IgnoreAllButton->SetEnabled(Enable && CommandEnabled(sdcIgnoreAll));
  IgnoreButton->SetEnabled(Enable && CommandEnabled(sdcIgnore));
  ChangeAllButton->SetEnabled(Enable && CommandEnabled(sdcChangeAll));
  ChangeButton->SetEnabled(Enable && CommandEnabled(sdcChange));
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

void TSpellDialog::DialogControlPromptWord(const std::string& Word, bool Repeated) {
  NotFoundEdit->SetText(Word);
  SuggestionsListbox->Clear();
  if (Repeated != repeated_) {
    repeated_ = Repeated;
    EnableForMode();
    NotFoundText->SetCaption(DialogControl->GetString(Repeated ? lsRepeatedWord : lsNotFound));
  }
  UndoButton->SetEnabled(DialogControl->CanUndo() && CommandEnabled(sdcUndo));

  if (Repeated) {
    // The component passes both copies with one blank between them.
    ReplaceWithEdit->SetText(Word.substr(0, Word.size() / 2));
    return;
  }
  const bool dictionary = HasActiveCustomDictionary();
  AddButton->SetEnabled(dictionary && CommandEnabled(sdcAdd));
  AutoCorrectButton->SetEnabled(dictionary && CommandEnabled(sdcAutoCorrect));
  TStringList suggestions;
  DialogControl->GetSuggestions(Word, suggestions);
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

void TSpellDialog::FormCloseQuery(bool& CanClose) {
  DialogControl->Cancel();
  CanClose = true;
}
