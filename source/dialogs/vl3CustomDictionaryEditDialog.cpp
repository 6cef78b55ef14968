// The "Custom Dictionary" dialog: three pages filled on first display, word
// boxes that consult the dictionary's hash look-ups on every keystroke.
#include "vl3CustomDictionaryEditDialog.h"

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "vl3Ansi.h"
#include "vl3Application_win.h"
#include "vl3ConfigurationDialogCtrl.h"
#include "vl3CustomDictionary.h"
#include "vl3Layout_win.h"
#include "vl3ListView_win.h"
#include "vl3PageControl_win.h"
#include "vl3Util.h"

namespace {

const TFormLayout kEditForm = {"xxCustom Dictionary", 313, 333, TFormBorderStyle::bsDialog,
                               TPosition::poOwnerFormCenter};

const uint32_t kSettleInterval = 5;  // ms for a list selection to settle

// What one entry of a custom dictionary holds: its word and replacement
// together.
const size_t kEntryRoom = VluFormat::kMaxEntryText;

// Limits what the user can type or paste into a box. The system treats 0 as
// "no limit", so a full box keeps a room of 1.
void LimitBox(TEdit* box, size_t room) {
  ::SendMessageA(box->Handle(), EM_SETLIMITTEXT, std::max<size_t>(room, 1), 0);
}

// Whether a pair fits in one entry.
bool PairFits(const std::string& word, const std::string& replacement) {
  return word.size() + replacement.size() <= kEntryRoom;
}

// The lists' order: case-insensitive, the exact letters breaking ties.
bool ListOrder(const std::string& a, const std::string& b) {
  const int order = Ansi::CompareText(a, b);
  return order != 0 ? order < 0 : a < b;
}

// The index of Text in Items (kept in ListOrder, Text(item) the word of an
// item), found by halving; -1 when absent. An entry of the same letters in
// the same case wins over one differing only in case.
template <class T, class TextOf>
int32_t FindInSorted(const std::vector<T>& items, const std::string& text, TextOf textOfItem) {
  auto it =
      std::lower_bound(items.begin(), items.end(), text, [&](const T& item, const std::string& t) {
        return Ansi::CompareText(textOfItem(item), t) < 0;
      });
  int32_t found = -1;
  for (; it != items.end() && Ansi::SameText(textOfItem(*it), text); ++it) {
    const int32_t i = static_cast<int32_t>(it - items.begin());
    if (textOfItem(*it) == text) return i;
    if (found < 0) found = i;
  }
  return found;
}

// Where Text goes in Items to keep them in ListOrder.
template <class T, class TextOf>
int32_t SortedPlace(const std::vector<T>& items, const std::string& text, TextOf textOfItem) {
  auto it = std::lower_bound(
      items.begin(), items.end(), text,
      [&](const T& item, const std::string& t) { return ListOrder(textOfItem(item), t); });
  return static_cast<int32_t>(it - items.begin());
}

// The word of a row: a word list's item, or a pair's word.
struct TWordOf {
  const std::string& operator()(const std::string& word) const { return word; }
  const std::string& operator()(const std::pair<std::string, std::string>& pair) const {
    return pair.first;
  }
};

// Shows the hourglass for its lifetime and puts the cursor back after.
class THourGlass {
 public:
  THourGlass() : previous_(Application().Cursor()) {
    Application().SetCursor(TAppCursor::crHourGlass);
  }
  ~THourGlass() { Application().SetCursor(previous_); }

 private:
  TAppCursor previous_;
};

}  // namespace

TCustomDictionaryEditDialog::TCustomDictionaryEditDialog(TComponent* owner) : TForm(owner) {
  using F = TCustomDictionaryEditDialog;
  // The word pages' controls go in their pages' records; the records' look-ups are filled below.
  // clang-format off
  const TLayoutItem controls[] = {
    // member                                                 left top width height caption                   tab parent                  flags       focus / handler
    {VL_CONTROL(PageControl),                                    8,   8, 297, 287, nullptr,                     0},
    {Added.Sheet, "AddedWordsSheet",                             0,   0,   0,   0, "xxAdd&ed Words",          -1, &PageControl},
    {VL_CONTROL(AutoCorrectWordsSheet),                          0,   0,   0,   0, "xxA&uto-Correct Pairs",   -1, &PageControl},
    {Excluded.Sheet, "ExcludedWordsSheet",                       0,   0,   0,   0, "xx&Excluded Words",       -1, &PageControl},

    {VL_CONTROL(AddedWordsExplain),                              8,   8, 273,  40, "xxAddedWordsExplain",     -1, &Added.Sheet,           lfWordWrap},
    {VL_CONTROL(IgnoreEditLabel),                                8,  52, 204,  13, "xx&Ignore this word:",    -1, &Added.Sheet,           lfNone, &Added.Edit},
    {Added.Edit, "IgnoreEdit",                                   8,  68, 204,  21, "",                         0, &Added.Sheet},
    {Added.List, "IgnoreList",                                   8,  94, 204, 160, nullptr,                    1, &Added.Sheet,           lfSorted | lfVirtual},
    {Added.AddButton, "AddIgnoreButton",                       220,  67,  61,  23, "xx&Add",                  -1, &Added.Sheet,           lfDisabled},
    {Added.DeleteButton, "DeleteIgnoreButton",                 220,  96,  61,  23, "xx&Delete",               -1, &Added.Sheet,           lfDisabled},

    {VL_CONTROL(AutoCorrectWordsExplain),                        8,   8, 273,  40, "xxAutoCorrectExplain",    -1, &AutoCorrectWordsSheet, lfWordWrap},
    {VL_CONTROL(ReplaceEditLabel),                               8,  52,  81,  13, "xx&Replace:",             -1, &AutoCorrectWordsSheet, lfNone, &ReplaceEdit},
    {VL_CONTROL(WithEditLabel),                                 93,  52, 121,  13, "xx&With:",                -1, &AutoCorrectWordsSheet, lfNone, &WithEdit},
    {VL_CONTROL(ReplaceEdit),                                    8,  68,  81,  21, "",                         0, &AutoCorrectWordsSheet, lfNone,     &F::ReplaceEditChange},
    {VL_CONTROL(WithEdit),                                      93,  68, 121,  21, "",                         1, &AutoCorrectWordsSheet, lfNone,     &F::WithEditChange},
    {VL_CONTROL(AutoCorrectList),                                8,  94, 206, 160, nullptr,                    2, &AutoCorrectWordsSheet, lfNoHeader | lfRowSelect | lfReadOnly | lfSorted | lfShowSelection | lfVirtual},
    {VL_CONTROL(AddAutoCorrectButton),                         220,  67,  61,  23, "xx&Add",                  -1, &AutoCorrectWordsSheet, lfDisabled, &F::AddAutoCorrectClick},
    {VL_CONTROL(DeleteAutoCorrectButton),                      220,  96,  61,  23, "xx&Delete",               -1, &AutoCorrectWordsSheet, lfDisabled, &F::DeleteAutoCorrectClick},

    {VL_CONTROL(ExcludeWordsExplanation),                        8,   8, 273,  40, "xxExcludedWordsExplain",  -1, &Excluded.Sheet,        lfWordWrap},
    {VL_CONTROL(ExcludeEditLabel),                               8,  52, 204,  13, "xxE&xclude this word:",   -1, &Excluded.Sheet,        lfNone, &Excluded.Edit},
    {Excluded.Edit, "ExcludeEdit",                               8,  68, 204,  21, "",                         0, &Excluded.Sheet},
    {Excluded.List, "ExcludeList",                               8,  94, 204, 160, nullptr,                    1, &Excluded.Sheet,        lfSorted | lfVirtual},
    {Excluded.AddButton, "AddExcludeButton",                   220,  67,  61,  23, "xx&Add",                  -1, &Excluded.Sheet,        lfDisabled},
    {Excluded.DeleteButton, "DeleteExcludeButton",             220,  96,  61,  23, "xx&Delete",               -1, &Excluded.Sheet,        lfDisabled},

    {VL_CONTROL(HelpButton),                                   149, 303,  75,  23, "xxHelp",                   1, nullptr,                lfNone,     &F::HelpButtonClick},
    {VL_CONTROL(OK),                                           230, 303,  75,  23, "xx&OK",                    2, nullptr,                lfModalOk},
  };
  // clang-format on
  ApplyLayout(*this, kEditForm, controls);
  PageControl->SetActivePageIndex(0);

  Added.Has = &TCustomDictionary::HasIgnore;
  Added.HasOther = &TCustomDictionary::HasExclude;
  Added.AddWord = &TCustomDictionary::AddIgnore;
  Added.RemoveWord = &TCustomDictionary::RemoveIgnore;
  Added.Count = &TCustomDictionary::CountIgnored;
  Added.WordAt = &TCustomDictionary::IgnoreWordAt;
  Excluded.Has = &TCustomDictionary::HasExclude;
  Excluded.HasOther = &TCustomDictionary::HasIgnore;
  Excluded.AddWord = &TCustomDictionary::AddExclude;
  Excluded.RemoveWord = &TCustomDictionary::RemoveExclude;
  Excluded.Count = &TCustomDictionary::CountExcluded;
  Excluded.WordAt = &TCustomDictionary::ExcludeWordAt;
  for (TWordPage* page : {&Added, &Excluded}) {
    page->Edit->OnChange = [this, page](TComponent*) { WordEditChange(*page); };
    LimitBox(page->Edit, kEntryRoom);
    // Enter in a box adds the word when it can be added and does nothing
    // else: it never reaches the dialog's buttons.
    page->Edit->OnKeyDown = [page](TComponent*, uint16_t& key) {
      if (key != VK_RETURN) return;
      key = 0;
      if (page->AddButton->Enabled()) page->AddButton->Click();
    };
    page->List->OnData = [page](TComponent*, int32_t index, std::string& data) {
      if (index >= 0 && index < static_cast<int32_t>(page->Words.size())) data = page->Words[index];
    };
    page->List->OnClick = [this, page](TComponent*) { WordListClick(*page); };
    page->AddButton->OnClick = [this, page](TComponent*) { AddWordClick(*page); };
    page->DeleteButton->OnClick = [this, page](TComponent*) { DeleteWordClick(*page); };
  }
  for (TTabSheet* sheet : {Added.Sheet, AutoCorrectWordsSheet, Excluded.Sheet})
    sheet->OnShow = [this, sheet](TComponent*) { PageShow(sheet); };

  AutoCorrectList->AddColumn("", 80);
  AutoCorrectList->AddColumn("", 100);
  AutoCorrectList->OnData = [this](TComponent*, int32_t index, int32_t column, std::string& text) {
    if (index < 0 || index >= static_cast<int32_t>(Pairs.size())) return;
    if (column == 0) text = Pairs[index].first;
    if (column == 1) text = Pairs[index].second;
  };
  ReplaceEdit->OnKeyDown = [this](TComponent*, uint16_t& key) {
    if (key != VK_RETURN) return;
    key = 0;
    if (!ReplaceEdit->Text().empty()) WithEdit->SetFocus();
  };
  WithEdit->OnKeyDown = [this](TComponent*, uint16_t& key) {
    if (key != VK_RETURN) return;
    key = 0;
    if (AddAutoCorrectButton->Enabled()) AddAutoCorrectButton->Click();
  };
  FitPairBoxes();
  AutoCorrectList->OnSelectItem = [this](TComponent*, int32_t index, bool selected) {
    AutoCorrectListSelectItem(index, selected);
  };
  OnShow = [this](TCustomForm*) { FormShow(); };

  Timer = new TTimer(this);
  Timer->SetEnabled(false);
  Timer->SetInterval(kSettleInterval);
  Timer->OnTimer = [this](TComponent*) { TimerTick(); };

  DialogControl_ = new TConfigurationDialogCtrl(this);
  DialogControl_->SetName("DialogControl");
  DialogControl_->OnConfigurationAvailable = [this](TConfigurationDialogCtrl*) {
    ConfigurationAvailable();
  };
  DialogControl_->OnCustomDictionaryAvailable = [this](TConfigurationDialogCtrl*) {
    CustomDictionaryAvailable();
  };
  AfterConstruction();
}

TCustomDictionary* TCustomDictionaryEditDialog::Dictionary() const {
  return DialogControl_->CustomDictionary();
}

void TCustomDictionaryEditDialog::ConfigurationAvailable() {
  TConfigurationDialogCtrl& bridge = *DialogControl_;
  Added.Sheet->SetText(bridge.GetString(lsAddedWordsSheet));
  AutoCorrectWordsSheet->SetText(bridge.GetString(lsAutoCorrectSheet));
  Excluded.Sheet->SetText(bridge.GetString(lsExcludedWordsSheet));
  const std::pair<TControl*, TSpellLanguageString> texts[] = {
      {AddedWordsExplain, lsAddedWordsExplain},
      {AutoCorrectWordsExplain, lsAutoCorrectExplain},
      {ExcludeWordsExplanation, lsExcludedWordsExplain},
      {IgnoreEditLabel, lsIgnoreThisWord},
      {ReplaceEditLabel, lsReplace},
      {WithEditLabel, lsWith},
      {ExcludeEditLabel, lsExcludeThisWord},
      {Added.AddButton, lsAdd},
      {AddAutoCorrectButton, lsAdd},
      {Excluded.AddButton, lsAdd},
      {Added.DeleteButton, lsDelete},
      {DeleteAutoCorrectButton, lsDelete},
      {Excluded.DeleteButton, lsDelete},
      {HelpButton, lsHelp},
      {OK, lsOK},
  };
  for (const auto& text : texts) text.first->SetText(bridge.GetString(text.second));
}

void TCustomDictionaryEditDialog::CustomDictionaryAvailable() {
  TConfigurationDialogCtrl& bridge = *DialogControl_;
  TCustomDictionary* dictionary = Dictionary();
  const bool internal = dictionary != nullptr && dictionary == bridge.GetInternalDictionary();
  const TSpellDialogCommands visible = bridge.GetCommandsVisible();
  Added.Sheet->SetTabVisible(visible.Contains(sdcAddedEdit));
  AutoCorrectWordsSheet->SetTabVisible(visible.Contains(sdcAutoCorrectEdit));
  Excluded.Sheet->SetTabVisible(bridge.GetUseExcludeWords() && !internal &&
                                visible.Contains(sdcExcludedEdit));
  if (internal) {
    // The internal dictionary keeps Ignore All words as ignore entries and
    // Change All pairs as auto-correct entries.
    SetCaption(bridge.GetString(lsInternalDictionaryTitle));
    Added.Sheet->SetText(bridge.GetString(lsIgnoreAll));
    AutoCorrectWordsSheet->SetText(bridge.GetString(lsChangeAll));
  } else if (dictionary != nullptr) {
    SetCaption(ExtractFileName(dictionary->DictionaryPath()));
  }
  HelpButton->SetVisible(visible.Contains(sdcHelp));
  HelpButton->SetEnabled(bridge.GetCommandsEnabled().Contains(sdcHelp));
}

void TCustomDictionaryEditDialog::FormShow() { PageShow(PageControl->ActivePage()); }

void TCustomDictionaryEditDialog::PageShow(TTabSheet* sheet) {
  if (sheet == Added.Sheet && Dictionary() == nullptr) {
    SetModalResult(mrCancel);
    return;
  }
  if (Dictionary() == nullptr) return;
  if (sheet == Added.Sheet) FillWordPage(Added);
  if (sheet == Excluded.Sheet) FillWordPage(Excluded);
  if (sheet == AutoCorrectWordsSheet) FillAutoCorrect();
}

// ---- Added and excluded words ---------------------------------------------------

// The lists hold only their number of rows: the words live in the page's
// sorted array, so that a page fills at once however many words there are.
void TCustomDictionaryEditDialog::FillWordPage(TWordPage& page) {
  if (!page.Words.empty()) return;
  page.AddButton->SetEnabled(false);
  page.DeleteButton->SetEnabled(false);
  THourGlass hourGlass;
  TCustomDictionary& dictionary = *Dictionary();
  const int count = (dictionary.*page.Count)();
  page.Words.reserve(count > 0 ? count : 0);
  for (int i = 0; i < count; ++i) page.Words.push_back((dictionary.*page.WordAt)(i));
  std::sort(page.Words.begin(), page.Words.end(), ListOrder);
  page.List->SetCount(static_cast<int32_t>(page.Words.size()));
}

void TCustomDictionaryEditDialog::WordEditChange(TWordPage& page) {
  TCustomDictionary* dictionary = Dictionary();
  if (dictionary == nullptr) return;
  const std::string text = page.Edit->Text();
  // Hash look-ups decide; the list is only searched by halving for the row.
  if ((dictionary->*page.Has)(text)) {
    page.AddButton->SetEnabled(false);
    const int32_t row = FindInSorted(page.Words, text, TWordOf());
    page.List->SetItemIndex(row);
    page.DeleteButton->SetEnabled(row >= 0);
    return;
  }
  page.List->SetItemIndex(-1);
  page.DeleteButton->SetEnabled(false);
  std::string replacement;
  page.AddButton->SetEnabled(!text.empty() && text.size() <= kEntryRoom &&
                             !dictionary->LookupAutoCorrect(text, replacement) &&
                             !(dictionary->*page.HasOther)(text));
}

void TCustomDictionaryEditDialog::WordListClick(TWordPage& page) {
  const int32_t index = page.List->ItemIndex();
  if (index >= 0 && index < static_cast<int32_t>(page.Words.size()))
    page.Edit->SetText(page.Words[index]);
  else
    WordEditChange(page);
}

void TCustomDictionaryEditDialog::AddWordClick(TWordPage& page) {
  TCustomDictionary* dictionary = Dictionary();
  const std::string text = page.Edit->Text();
  if (dictionary == nullptr || !(dictionary->*page.AddWord)(text)) return;
  const int32_t at = SortedPlace(page.Words, text, TWordOf());
  page.Words.insert(page.Words.begin() + at, text);
  page.List->Insert(at, text);
  WordEditChange(page);
}

void TCustomDictionaryEditDialog::DeleteWordClick(TWordPage& page) {
  TCustomDictionary* dictionary = Dictionary();
  const int32_t index = page.List->ItemIndex();
  if (dictionary == nullptr || index < 0 || index >= static_cast<int32_t>(page.Words.size()) ||
      !(dictionary->*page.RemoveWord)(page.Edit->Text()))
    return;
  page.Words.erase(page.Words.begin() + index);
  page.List->Delete(index);
  const int32_t count = page.List->Count();
  if (count == 0) {
    // Nothing left to show: the box empties with the list.
    page.Edit->SetText("");
    WordEditChange(page);
    return;
  }
  page.List->SetItemIndex(index < count ? index : count - 1);
  WordListClick(page);
}

// ---- Auto-correct pairs ---------------------------------------------------------

// As for the word lists, the list view holds only the number of rows and
// reads the pairs from the sorted array as it draws them.
void TCustomDictionaryEditDialog::FillAutoCorrect() {
  if (!Pairs.empty()) return;
  AddAutoCorrectButton->SetEnabled(false);
  DeleteAutoCorrectButton->SetEnabled(false);
  THourGlass hourGlass;
  TCustomDictionary& dictionary = *Dictionary();
  const int count = dictionary.CountAutoCorrect();
  Pairs.reserve(count > 0 ? count : 0);
  for (int i = 0; i < count; ++i) {
    std::string word, replacement;
    if (dictionary.AutoCorrectAt(i, word, replacement)) Pairs.emplace_back(word, replacement);
  }
  std::sort(Pairs.begin(), Pairs.end(),
            [](const auto& a, const auto& b) { return ListOrder(a.first, b.first); });
  AutoCorrectList->SetItemCount(static_cast<int32_t>(Pairs.size()));
  AutoCorrectList->SetColumnWidth(0, WithEdit->Left() - ReplaceEdit->Left());
  FitWithColumn();
}

void TCustomDictionaryEditDialog::FitWithColumn() {
  const int32_t width = AutoCorrectList->ClientRect().Width() - AutoCorrectList->ColumnWidth(0);
  if (width > 0) AutoCorrectList->SetColumnWidth(1, width);
}

void TCustomDictionaryEditDialog::FocusPair(int32_t index) {
  AutoCorrectList->SetItemFocused(index);
  AutoCorrectList->SetItemIndex(index);
  if (index >= 0) AutoCorrectList->MakeVisible(index);
}

// Each pair box takes only what the other leaves of an entry, so that what
// the user types or pastes always fits.
void TCustomDictionaryEditDialog::FitPairBoxes() {
  const size_t word = ReplaceEdit->Text().size(), with = WithEdit->Text().size();
  LimitBox(ReplaceEdit, with < kEntryRoom ? kEntryRoom - with : 0);
  LimitBox(WithEdit, word < kEntryRoom ? kEntryRoom - word : 0);
}

void TCustomDictionaryEditDialog::ReplaceEditChange() {
  FitPairBoxes();
  TCustomDictionary* dictionary = Dictionary();
  if (dictionary == nullptr) return;
  const std::string word = ReplaceEdit->Text();
  std::string replacement;
  if (dictionary->LookupAutoCorrect(word, replacement)) {
    AddAutoCorrectButton->SetEnabled(false);
    const int32_t row = FindInSorted(Pairs, word, TWordOf());
    if (row >= 0) FocusPair(row);
    DeleteAutoCorrectButton->SetEnabled(AutoCorrectList->ItemFocused() >= 0);
    return;
  }
  FocusPair(-1);
  DeleteAutoCorrectButton->SetEnabled(false);
  const std::string with = WithEdit->Text();
  AddAutoCorrectButton->SetEnabled(!word.empty() && !dictionary->HasIgnore(word) &&
                                   !dictionary->HasExclude(word) && !with.empty() &&
                                   PairFits(word, with));
}

void TCustomDictionaryEditDialog::WithEditChange() {
  FitPairBoxes();
  const int32_t row = AutoCorrectList->ItemFocused();
  TCustomDictionary* dictionary = Dictionary();
  if (row < 0 || row >= static_cast<int32_t>(Pairs.size()) || dictionary == nullptr) {
    ReplaceEditChange();
    return;
  }
  const std::string word = ReplaceEdit->Text();
  const std::string with = WithEdit->Text();
  std::string replacement;
  // An empty replacement is not stored: the pair would delete the word
  // wherever it is corrected.
  if (with.empty() || !dictionary->LookupAutoCorrect(word, replacement) || replacement == with)
    return;
  // The pair is rewritten only when the new one is known to fit; a text put
  // in the box some other way than typing is refused, and the box shows the
  // stored replacement again.
  if (!PairFits(word, with)) {
    WithEdit->SetText(replacement);
    return;
  }
  if (!dictionary->RemoveAutoCorrect(word)) return;
  if (!dictionary->AddAutoCorrect(word, with)) {
    dictionary->AddAutoCorrect(word, replacement);
    WithEdit->SetText(replacement);
    return;
  }
  Pairs[row].second = with;
  AutoCorrectList->SetSubItem(row, 1, with);
}

void TCustomDictionaryEditDialog::AutoCorrectListSelectItem(int32_t index, bool selected) {
  if (selected) {
    if (index < 0) return;
    ReplaceEdit->SetText(AutoCorrectList->ItemCaption(index));
    WithEdit->SetText(AutoCorrectList->SubItem(index, 1));
  } else if (index < 0 || index == AutoCorrectList->ItemFocused()) {
    // index -1: every row lost its selection, the focused one with them.
    Timer->SetEnabled(true);
  }
}

void TCustomDictionaryEditDialog::TimerTick() {
  Timer->SetEnabled(false);
  ReplaceEditChange();
}

void TCustomDictionaryEditDialog::AddAutoCorrectClick() {
  TCustomDictionary* dictionary = Dictionary();
  const std::string word = ReplaceEdit->Text(), with = WithEdit->Text();
  if (dictionary == nullptr || !dictionary->AddAutoCorrect(word, with)) return;
  // Rows keep their states by index when the count changes: none may be
  // selected while the rows after the new one move down.
  FocusPair(-1);
  const int32_t row = SortedPlace(Pairs, word, TWordOf());
  Pairs.insert(Pairs.begin() + row, {word, with});
  AutoCorrectList->SetItemCount(static_cast<int32_t>(Pairs.size()));
  FocusPair(row);
  ReplaceEditChange();
  FitWithColumn();
}

void TCustomDictionaryEditDialog::DeleteAutoCorrectClick() {
  TCustomDictionary* dictionary = Dictionary();
  const int32_t row = AutoCorrectList->ItemFocused();
  if (dictionary == nullptr || row < 0 || row >= static_cast<int32_t>(Pairs.size()) ||
      !dictionary->RemoveAutoCorrect(ReplaceEdit->Text()))
    return;
  FocusPair(-1);
  Pairs.erase(Pairs.begin() + row);
  AutoCorrectList->SetItemCount(static_cast<int32_t>(Pairs.size()));
  const int32_t count = static_cast<int32_t>(Pairs.size());
  if (count > 0) FocusPair(row < count ? row : count - 1);
  FitWithColumn();
}

void TCustomDictionaryEditDialog::HelpButtonClick() {
  DialogControl_->ShowDictionaryEditDialogHelp();
}
