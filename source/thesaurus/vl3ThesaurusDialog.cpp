// The standard thesaurus dialog: its layout table and its handlers, which
// talk to the thesaurus component only through the dialog controller.
#include "vl3ThesaurusDialog.h"

#include <windows.h>

#include "vl3Ansi.h"
#include "vl3Layout_win.h"

namespace {

// Designer captions start with "xx"; activation replaces every one.
const TFormLayout kLayout = {"xxThesaurus", 361, 211, TFormBorderStyle::bsDialog,
                             TPosition::poDesigned};

}  // namespace

TThesDialog::TThesDialog(TComponent* owner) : TForm(owner) {
  using F = TThesDialog;
  // clang-format off
  const TLayoutItem controls[] = {
    // member                      left top width height caption            tab parent   flags                                                        focus / handler
    {VL_CONTROL(LookedUpLabel),       8,   8,  66,  13, "xxLooked Up:",     -1, nullptr, lfNone,                                                      &LookupCombo},
    {VL_CONTROL(LookupCombo),         8,  24, 161,  21, nullptr,             0, nullptr, lfNone,                                                      &F::LookupComboChange},
    {VL_CONTROL(ContextsLabel),       8,  56,  54,  13, "xxContexts:",      -1, nullptr, lfNone,                                                      &ContextLV},
    {VL_CONTROL(ContextLV),           8,  72, 161, 105, nullptr,             1, nullptr, lfRowSelect | lfNoHeader | lfShowSelection | lfAnchorBottom},
    {VL_CONTROL(ReplaceWithLabel),  184,   8,  78,  13, "xxReplace With:",  -1, nullptr, lfNone,                                                      &ReplaceEdit},
    {VL_CONTROL(ReplaceEdit),       184,  24, 169,  21, "",                  2, nullptr, lfNone,                                                      &F::ReplaceEditChange},
    {VL_CONTROL(WordList),          192,  48, 162, 129, nullptr,             3, nullptr, lfRowSelect | lfNoHeader | lfShowSelection | lfAnchorBottom},
    {VL_CONTROL(PreviousButton),      8, 184,  75,  23, "xxPrevious",        4, nullptr, lfDisabled,                                                  &F::PreviousButtonClick},
    {VL_CONTROL(LookupButton),       94, 184,  75,  23, "xxLookup",          7, nullptr, lfDisabled,                                                  &F::LookupButtonClick},
    {VL_CONTROL(ReplaceButton),     192, 184,  75,  23, "xxReplace",         5, nullptr, lfDisabled,                                                  &F::ReplaceButtonClick},
    {VL_CONTROL(CloseButton),       278, 184,  75,  23, "xxClose",           6, nullptr, lfCancel,                                                    &F::CloseButtonClick},
  };
  // clang-format on
  ApplyLayout(*this, kLayout, controls);
  ContextLV->AddColumn("", 100);
  ContextLV->AddColumn("", 50);
  WordList->AddColumn("", 100);

  DialogControl = new TThesaurusDialogCtrl(this);
  DialogControl->SetName("DialogControl");
  Timer = new TTimer(this);
  Timer->SetName("Timer");
  Timer->SetEnabled(false);
  Timer->SetInterval(10);

  DialogControl->OnActivate = [this](TThesaurusDialogCtrl* s) { DialogControlActivate(s); };
  DialogControl->OnPromptLookup = [this](TComponent* s, const std::string& w,
                                         const TThesaurusEntryList& l) {
    DialogControlPromptLookup(s, w, l);
  };
  DialogControl->OnPromptContext = [this](TComponent* s, const TStringList& w) {
    DialogControlPromptContext(s, w);
  };
  ContextLV->OnSelectItem = [this](TComponent* s, int32_t i, bool on) {
    ContextLVChange(s, i, on);
  };
  WordList->OnSelectItem = [this](TComponent* s, int32_t i, bool on) { WordListChange(s, i, on); };
  WordList->OnDblClick = [this](TComponent* s) { WordListDblClick(s); };
  OnCloseQuery = [this](TForm* s, bool& canClose) { FormCloseQuery(s, canClose); };
  Timer->OnTimer = [this](TComponent* s) { TimerTimer(s); };

  SetActiveControl(WordList);
  AfterConstruction();
}

std::string TThesDialog::Text(TThesaurusLanguageString id) {
  std::string text;
  DialogControl->GetString(id, text);
  return text;
}

bool TThesDialog::CommandEnabled(TThesaurusDialogCommand command) const {
  return DialogControl->CommandsEnabled().Contains(command);
}

int32_t TThesDialog::RemainingWidth(const TListView& list, int32_t otherColumns) {
  return list.Width() - ::GetSystemMetrics(SM_CXVSCROLL) - otherColumns - 4;
}

void TThesDialog::DialogControlActivate(TThesaurusDialogCtrl*) {
  SetCaption(Text(tlsCaption));
  LookedUpLabel->SetCaption(Text(tlsLookedUp));
  ContextsLabel->SetCaption(Text(tlsContexts));
  ReplaceWithLabel->SetCaption(Text(tlsReplaceWith));
  PreviousButton->SetCaption(Text(tlsPrevious));
  LookupButton->SetCaption(Text(tlsLookup));
  ReplaceButton->SetCaption(Text(tlsReplace));
  CloseButton->SetCaption(Text(tlsClose));

  CloseButton->SetEnabled(CommandEnabled(tdcClose));
  LookedUpLabel->SetEnabled(CommandEnabled(tdcLookedUp));
  LookupCombo->SetEnabled(CommandEnabled(tdcLookedUp));

  const TThesaurusDialogCommands visible = DialogControl->CommandsVisible();
  if (!visible.Contains(tdcLookedUp)) {
    // The meanings take the place and the height of the history.
    LookedUpLabel->SetVisible(false);
    LookupCombo->SetVisible(false);
    const int32_t rise = ContextsLabel->Top() - LookedUpLabel->Top();
    ContextsLabel->SetTop(ContextsLabel->Top() - rise);
    ContextLV->SetBounds(ContextLV->Left(), ContextLV->Top() - rise, ContextLV->Width(),
                         ContextLV->Height() + rise);
  }
  PreviousButton->SetVisible(visible.Contains(tdcPrevious));
  LookupButton->SetVisible(visible.Contains(tdcLookup));
  ReplaceButton->SetVisible(visible.Contains(tdcReplace));
  CloseButton->SetVisible(visible.Contains(tdcClose));
}

void TThesDialog::DialogControlPromptLookup(TComponent*, const std::string& word,
                                            const TThesaurusEntryList& contextList) {
  const int32_t known = LookupCombo->IndexOf(word);
  if (known >= 0) LookupCombo->Delete(known);
  if (!word.empty()) {
    LookupCombo->Insert(0, word);
    LookupCombo->SetItemIndex(0);
  } else {
    LookupCombo->SetItemIndex(-1);
  }

  ContextLV->BeginUpdate();
  ContextLV->Clear();
  for (const auto& entry : contextList) {
    const int32_t row = ContextLV->AddItem(entry->Headword);
    ContextLV->SetSubItem(row, 1, entry->CategoryName);
  }
  ContextLV->SetColumnWidth(1, TListView::kAutoSize);
  ContextLV->SetColumnWidth(0, RemainingWidth(*ContextLV, ContextLV->ColumnWidth(1)));
  ContextLV->EndUpdate();

  const bool found = ContextLV->Count() > 0;
  ContextLV->SetEnabled(found);
  if (found) {
    ContextLV->SetItemIndex(0);  // shows the first meaning's words
  } else {
    ContextLV->AddItem(Text(tlsNotFound));
    WordList->Clear();
  }
  PreviousButton->SetEnabled(LookupCombo->Count() >= 2 && CommandEnabled(tdcPrevious));
}

void TThesDialog::DialogControlPromptContext(TComponent*, const TStringList& words) {
  WordList->BeginUpdate();
  WordList->Clear();
  for (int i = 0; i < words.Count(); ++i) WordList->AddItem(words[i]);
  WordList->SetColumnWidth(0, RemainingWidth(*WordList, 0));
  WordList->EndUpdate();

  const int32_t looked = LookupCombo->Count() > 0 ? words.IndexOf(LookupCombo->Items(0)) : -1;
  if (looked >= 0) {
    WordList->SetItemIndex(looked);
    WordList->SetItemFocused(looked);
    WordList->MakeVisible(looked);
    ReplaceEdit->SetText("");
    // The list settles its scrolling after this; the timer centres the row.
    Timer->SetEnabled(true);
  }
  LookupButton->SetEnabled(false);
  ReplaceButton->SetEnabled(false);
}

void TThesDialog::ContextLVChange(TComponent*, int32_t index, bool selected) {
  if (selected && index >= 0) DialogControl->SelectContext(index);
}

void TThesDialog::WordListChange(TComponent*, int32_t index, bool selected) {
  if (!selected || index < 0) return;
  const std::string caption = WordList->ItemCaption(index);
  ReplaceEdit->SetText(Ansi::SameText(caption, LookupCombo->Text()) ? std::string() : caption);
}

void TThesDialog::WordListDblClick(TComponent*) {
  const int32_t focused = WordList->ItemFocused();
  if (focused >= 0) DialogControl->DoubleClick(WordList->ItemCaption(focused));
}

void TThesDialog::ReplaceEditChange(TComponent*) {
  const bool hasText = !ReplaceEdit->Text().empty();
  LookupButton->SetEnabled(hasText && CommandEnabled(tdcLookup));
  ReplaceButton->SetEnabled(hasText && CommandEnabled(tdcReplace));
}

void TThesDialog::LookupButtonClick(TComponent*) { DialogControl->Lookup(ReplaceEdit->Text()); }

void TThesDialog::LookupComboChange(TComponent*) {
  const int32_t index = LookupCombo->ItemIndex();
  if (index >= 0) DialogControl->Lookup(LookupCombo->Items(index));
}

void TThesDialog::PreviousButtonClick(TComponent*) {
  if (LookupCombo->Count() <= 1) return;
  LookupCombo->Delete(0);
  DialogControl->Lookup(LookupCombo->Items(0));
}

void TThesDialog::ReplaceButtonClick(TComponent*) { DialogControl->Replace(ReplaceEdit->Text()); }

void TThesDialog::CloseButtonClick(TComponent*) { DialogControl->Close(); }

void TThesDialog::FormCloseQuery(TForm*, bool& canClose) {
  DialogControl->Close();
  canClose = true;
}

void TThesDialog::TimerTimer(TComponent*) {
  Timer->SetEnabled(false);
  const int32_t focused = WordList->ItemFocused();
  if (focused < 0) return;
  const int32_t top = WordList->ItemRect(focused, false).Top;
  WordList->Scroll(0, top - WordList->ClientRect().Height() / 2);
}
