// The sample's own spelling dialog: its layout, the prompt with the
// repeated-word mode, the enabling rules and the commands sent to the bridge.
#include "SpellForm.h"

#include "vl3ConfigurationDialogCtrl.h"
#include "vl3Layout_win.h"
#include "vl3StringList.h"

namespace {

// The texts are the sample's own, in English; nothing is localised.
const TFormLayout kLayout = {"Spelling", 281, 293, TFormBorderStyle::bsSizeable, TPosition::poDesigned};

// When the user makes the window larger, the word and the suggestions get
// the room, and the buttons keep to the right and bottom edges.
const uint32_t kWiden = lfAnchorRight;
const uint32_t kFill = lfAnchorRight | lfAnchorBottom;
const uint32_t kRight = lfAnchorRightOnly;
const uint32_t kBottomLeft = lfAnchorBottomOnly;
const uint32_t kBottomRight = lfAnchorRightOnly | lfAnchorBottomOnly;

}  // namespace

TSpellingForm::TSpellingForm(TComponent* owner) : TForm(owner) {
  using F = TSpellingForm;
  // clang-format off
  const TLayoutItem controls[] = {
    // member                         Left Top  W    H    Caption          Tab parent   flags                      focus / handler
    {VL_CONTROL(NotFoundText),        8,   8,   173, 13,  "Not Found:",    -1, nullptr, kWiden,                    &NotFoundEdit},
    {VL_CONTROL(NotFoundEdit),        8,   24,  173, 21,  "",              0,  nullptr, kWiden | lfReadOnly | lfNoTabStop},
    {VL_CONTROL(ReplaceWithText),     8,   52,  173, 13,  "Replace With:", -1, nullptr, kWiden,                    &ReplaceWithEdit},
    {VL_CONTROL(ReplaceWithEdit),     8,   67,  173, 21,  "",              1,  nullptr, kWiden,                    &F::ReplaceWithEditChange},
    {VL_CONTROL(SuggestionsText),     8,   96,  173, 13,  "Suggestions:",  -1, nullptr, kWiden,                    &SuggestionsListbox},
    {VL_CONTROL(SuggestionsListbox),  8,   110, 173, 147, nullptr,         2,  nullptr, kFill,                     &F::SuggestionsListboxClick},
    {VL_CONTROL(IgnoreButton),        192, 24,  81,  23,  "Ignore",        3,  nullptr, kRight,                    &F::IgnoreButtonClick},
    {VL_CONTROL(IgnoreAllButton),     192, 56,  81,  23,  "Ignore All",    4,  nullptr, kRight,                    &F::IgnoreAllButtonClick},
    {VL_CONTROL(ChangeButton),        192, 88,  81,  23,  "Change",        5,  nullptr, kRight,                    &F::ChangeButtonClick},
    {VL_CONTROL(ChangeAllButton),     192, 120, 81,  23,  "Change All",    6,  nullptr, kRight,                    &F::ChangeAllButtonClick},
    {VL_CONTROL(AddButton),           192, 152, 81,  23,  "Add",           7,  nullptr, kRight,                    &F::AddButtonClick},
    {VL_CONTROL(AutoCorrectButton),   192, 184, 81,  23,  "Auto-Correct",  8,  nullptr, kRight,                    &F::AutoCorrectButtonClick},
    {VL_CONTROL(UndoButton),          8,   264, 81,  23,  "Undo",          9,  nullptr, kBottomLeft,               &F::UndoButtonClick},
    {VL_CONTROL(OptionsButton),       100, 264, 81,  23,  "Options",       10, nullptr, kBottomLeft,               &F::OptionsButtonClick},
    {VL_CONTROL(CancelButton),        192, 264, 81,  23,  "Cancel",        11, nullptr, kBottomRight | lfCancel,   &F::CancelButtonClick},
  };
  // clang-format on
  ApplyLayout(*this, kLayout, controls);
  DialogControl = new TConfigurationDialogCtrl(this);
  // Smaller than designed, the list and the buttons would overlap.
  SetMinSize(Width(), Height());

  // The bridge only relays the prompts: the texts are fixed, so there is
  // nothing to set up when the spell checker links it.
  DialogControl->OnPromptWord = [this](TVexlorSpell3Base*, const std::string& word, bool repeated) {
    DialogControlPromptWord(word, repeated);
  };
  SuggestionsListbox->OnDblClick = [this](TComponent*) { SuggestionsListboxDblClick(); };
  OnActivate = [this](TCustomForm*) { FormActivate(); };
  OnDeactivate = [this](TCustomForm*) { FormDeactivate(); };
  OnCloseQuery = [this](TForm*, bool& canClose) { FormCloseQuery(canClose); };
  AfterConstruction();
}

bool TSpellingForm::HasActiveCustomDictionary() { return DialogControl->GetActiveCustomDictionary() != nullptr; }

void TSpellingForm::EnableControls(bool enable) {
  const bool dictionary = enable && HasActiveCustomDictionary();
  UndoButton->SetEnabled(enable && DialogControl->CanUndo());
  OptionsButton->SetEnabled(enable);
  ReplaceWithEdit->SetEnabled(enable);
  SuggestionsListbox->SetEnabled(enable);
  IgnoreAllButton->SetEnabled(enable);
  IgnoreButton->SetEnabled(enable);
  ChangeAllButton->SetEnabled(enable);
  ChangeButton->SetEnabled(enable);
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

void TSpellingForm::DialogControlPromptWord(const std::string& word, bool repeated) {
  NotFoundEdit->SetText(word);
  SuggestionsListbox->Clear();
  if (repeated != repeated_) {
    repeated_ = repeated;
    EnableForMode();
    NotFoundText->SetCaption(repeated ? "Repeated Word" : "Not Found");
  }
  UndoButton->SetEnabled(DialogControl->CanUndo());

  if (repeated) {
    // The spell checker passes both copies with one blank between them.
    ReplaceWithEdit->SetText(word.substr(0, word.size() / 2));
    return;
  }
  const bool dictionary = HasActiveCustomDictionary();
  AddButton->SetEnabled(dictionary);
  AutoCorrectButton->SetEnabled(dictionary);
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

void TSpellingForm::FormCloseQuery(bool& canClose) {
  DialogControl->Cancel();
  canClose = true;
}
