// The sample's own spelling dialog: its layout, the prompt with the
// repeated-word mode, the enabling rules and the commands sent to the bridge.
#include "SpellForm.h"

#include "vl3ConfigurationDialogCtrl.h"
#include "vl3Layout_win.h"
#include "vl3StringList.h"

namespace {

// The texts are the sample's own, in English; nothing is localised.
const TFormLayout kLayout = {"Spelling", 281, 293, TFormBorderStyle::bsSizeable, TPosition::poDesigned};

const TLayoutItem kControls[] = {
    // Name                Kind        Left Top  W    H    Caption          Tab
    {"NotFoundText",       ckLabel,    8,   8,   173, 13,  "Not Found:",    -1, nullptr, lfNone, "NotFoundEdit"},
    {"NotFoundEdit",       ckEdit,     8,   24,  173, 21,  "",              0,  nullptr, lfReadOnly | lfNoTabStop},
    {"ReplaceWithText",    ckLabel,    8,   52,  173, 13,  "Replace With:", -1, nullptr, lfNone, "ReplaceWithEdit"},
    {"ReplaceWithEdit",    ckEdit,     8,   67,  173, 21,  "",              1},
    {"SuggestionsText",    ckLabel,    8,   96,  173, 13,  "Suggestions:",  -1, nullptr, lfNone, "SuggestionsListbox"},
    {"SuggestionsListbox", ckListBox,  8,   110, 173, 147, nullptr,         2},
    {"IgnoreButton",       ckButton,   192, 24,  81,  23,  "Ignore",        3},
    {"IgnoreAllButton",    ckButton,   192, 56,  81,  23,  "Ignore All",    4},
    {"ChangeButton",       ckButton,   192, 88,  81,  23,  "Change",        5},
    {"ChangeAllButton",    ckButton,   192, 120, 81,  23,  "Change All",    6},
    {"AddButton",          ckButton,   192, 152, 81,  23,  "Add",           7},
    {"AutoCorrectButton",  ckButton,   192, 184, 81,  23,  "Auto-Correct",  8},
    {"UndoButton",         ckButton,   8,   264, 81,  23,  "Undo",          9},
    {"OptionsButton",      ckButton,   100, 264, 81,  23,  "Options",       10},
    {"CancelButton",       ckButton,   192, 264, 81,  23,  "Cancel",        11, nullptr, lfCancel},
};

}  // namespace

TSpellingForm::TSpellingForm(TComponent* AOwner) : TForm(AOwner) {
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
  UndoButton = Find<TButton>("UndoButton");
  OptionsButton = Find<TButton>("OptionsButton");
  CancelButton = Find<TButton>("CancelButton");
  DialogControl = new TConfigurationDialogCtrl(this);

  // When the user makes the window larger, the word and the suggestions get
  // the room, and the buttons keep to the right and bottom edges.
  using A = TAnchorKind;
  for (TControl* c : {static_cast<TControl*>(NotFoundText), static_cast<TControl*>(NotFoundEdit),
                      static_cast<TControl*>(ReplaceWithText), static_cast<TControl*>(ReplaceWithEdit),
                      static_cast<TControl*>(SuggestionsText)})
    c->SetAnchors({A::akLeft, A::akTop, A::akRight});
  SuggestionsListbox->SetAnchors({A::akLeft, A::akTop, A::akRight, A::akBottom});
  for (TButton* b : {IgnoreButton, IgnoreAllButton, ChangeButton, ChangeAllButton, AddButton, AutoCorrectButton})
    b->SetAnchors({A::akRight, A::akTop});
  UndoButton->SetAnchors({A::akLeft, A::akBottom});
  OptionsButton->SetAnchors({A::akLeft, A::akBottom});
  CancelButton->SetAnchors({A::akRight, A::akBottom});
  // Smaller than designed, the list and the buttons would overlap.
  SetMinSize(Width(), Height());

  // The bridge only relays the prompts: the texts are fixed, so there is
  // nothing to set up when the spell checker links it.
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
  CancelButton->OnClick = [this](TComponent*) { CancelButtonClick(); };
  SuggestionsListbox->OnClick = [this](TComponent*) { SuggestionsListboxClick(); };
  SuggestionsListbox->OnDblClick = [this](TComponent*) { SuggestionsListboxDblClick(); };
  ReplaceWithEdit->OnChange = [this](TComponent*) { ReplaceWithEditChange(); };
  OnActivate = [this](TCustomForm*) { FormActivate(); };
  OnDeactivate = [this](TCustomForm*) { FormDeactivate(); };
  OnCloseQuery = [this](TForm*, bool& CanClose) { FormCloseQuery(CanClose); };
  AfterConstruction();
}

bool TSpellingForm::HasActiveCustomDictionary() { return DialogControl->GetActiveCustomDictionary() != nullptr; }

void TSpellingForm::EnableControls(bool Enable) {
  const bool dictionary = Enable && HasActiveCustomDictionary();
  UndoButton->SetEnabled(Enable && DialogControl->CanUndo());
  OptionsButton->SetEnabled(Enable);
  ReplaceWithEdit->SetEnabled(Enable);
  SuggestionsListbox->SetEnabled(Enable);
  IgnoreAllButton->SetEnabled(Enable);
  IgnoreButton->SetEnabled(Enable);
  ChangeAllButton->SetEnabled(Enable);
  ChangeButton->SetEnabled(Enable);
  AddButton->SetEnabled(dictionary);
  AutoCorrectButton->SetEnabled(dictionary);
}

void TSpellingForm::EnableForMode() {
  EnableControls(!repeated_);
  if (!repeated_) return;
  OptionsButton->SetEnabled(true);
  IgnoreButton->SetEnabled(true);
  ChangeButton->SetEnabled(true);
  UndoButton->SetEnabled(DialogControl->CanUndo());
}

void TSpellingForm::DialogControlPromptWord(const std::string& Word, bool Repeated) {
  NotFoundEdit->SetText(Word);
  SuggestionsListbox->Clear();
  if (Repeated != repeated_) {
    repeated_ = Repeated;
    EnableForMode();
    NotFoundText->SetCaption(Repeated ? "Repeated Word" : "Not Found");
  }
  UndoButton->SetEnabled(DialogControl->CanUndo());

  if (Repeated) {
    // The spell checker passes both copies with one blank between them.
    ReplaceWithEdit->SetText(Word.substr(0, Word.size() / 2));
    return;
  }
  const bool dictionary = HasActiveCustomDictionary();
  AddButton->SetEnabled(dictionary);
  AutoCorrectButton->SetEnabled(dictionary);
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
    SuggestionsListbox->Add("(no suggestions)");
  }
}

void TSpellingForm::ReplaceWithEditChange() {
  if (repeated_) return;
  const bool text = !ReplaceWithEdit->Text().empty();
  ChangeAllButton->SetEnabled(text);
  ChangeButton->SetEnabled(text);
  AutoCorrectButton->SetEnabled(text && HasActiveCustomDictionary());
}

void TSpellingForm::IgnoreButtonClick() {
  if (repeated_)
    DialogControl->IgnoreRepeated();
  else
    DialogControl->Ignore();
}

void TSpellingForm::IgnoreAllButtonClick() { DialogControl->IgnoreAll(); }

void TSpellingForm::ChangeButtonClick() {
  if (repeated_)
    DialogControl->DeleteRepeated();
  else
    DialogControl->Change(ReplaceWithEdit->Text());
}

void TSpellingForm::ChangeAllButtonClick() { DialogControl->ChangeAll(ReplaceWithEdit->Text()); }

void TSpellingForm::AddButtonClick() { DialogControl->Add(); }

void TSpellingForm::AutoCorrectButtonClick() { DialogControl->AutoCorrect(ReplaceWithEdit->Text()); }

void TSpellingForm::UndoButtonClick() { DialogControl->Undo(); }

void TSpellingForm::OptionsButtonClick() { DialogControl->ShowConfigDialog(); }

void TSpellingForm::CancelButtonClick() { DialogControl->Cancel(); }

void TSpellingForm::SuggestionsListboxClick() {
  const int32_t index = SuggestionsListbox->ItemIndex();
  if (index >= 0) ReplaceWithEdit->SetText(SuggestionsListbox->Items(index));
}

void TSpellingForm::SuggestionsListboxDblClick() {
  const int32_t index = SuggestionsListbox->ItemIndex();
  if (index >= 0) DialogControl->Change(SuggestionsListbox->Items(index));
}

// Unlike the standard dialog, every activation restores the enabling and
// every deactivation disables: the form keeps no record of having been left.
// Restored is the enabling of the mode shown, not every control.
void TSpellingForm::FormActivate() { EnableForMode(); }

void TSpellingForm::FormDeactivate() { EnableControls(false); }

void TSpellingForm::FormCloseQuery(bool& CanClose) {
  DialogControl->Cancel();
  CanClose = true;
}
