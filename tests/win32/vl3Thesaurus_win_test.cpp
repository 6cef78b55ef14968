// The thesaurus component and its standard dialog on real windows: a rich
// edit on a form, the dialog driven with keys, clicks and button presses.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "../platform/vl3TestFolder.h"
#include "../thesaurus/vl3ThesaurusTestContent.h"
#include "vl3Application_win.h"
#include "vl3DesktopLock_win.h"
#include "vl3Form_win.h"
#include "vl3RichEditBox_win.h"
#include "vl3Thesaurus.h"
#include "vl3ThesaurusCompiler.h"
#include "vl3ThesaurusDialog.h"

namespace {

[[maybe_unused]] TDesktopLock& desktop = HoldDesktop();

using Words = std::vector<std::string>;

// ---- A small thesaurus ---------------------------------------------------------

// "big" has a meaning per list choice and a capitalised headword; "long"
// has a list long enough to scroll, with "long" far down.
std::string SmallThesaurus() {
  TThesaurusContent c;
  c.Name = "Test Words";
  c.CategoryNames = {"noun", "verb", "adjective", "adverb", "other"};
  c.Meanings.push_back(Meaning("big", 2, {{{}, {"large", "huge", "great", "big"}, {}, {"small"}}}));
  c.Meanings.push_back(Meaning("bulky", 3, {{{"big", "bulky"}, {}, {"massive", "heavy"}, {}}}));
  c.Meanings.push_back(Meaning("Large", 2, {{{}, {"big", "Large", "vast"}, {}, {}}}));
  c.Meanings.push_back(Meaning("large", 2, {{{}, {"big", "large", "wide"}, {}, {}}}));
  std::vector<std::string> many;
  for (int i = 0; i < 40; ++i) many.push_back(i == 30 ? "long" : "word" + std::to_string(i));
  c.Meanings.push_back(Meaning("long", 2, {{{}, many, {}, {}}}));
  c.Headwords.push_back({"big", {0 * 5 + 2, 1 * 5 + 3, 2 * 5 + 2}});
  c.Headwords.push_back({"large", {3 * 5 + 2}});
  c.Headwords.push_back({"long", {4 * 5 + 2}});
  c.Headwords.push_back({"lonely", {}});
  std::string bytes, error;
  EXPECT_TRUE(WriteThesaurus(c, bytes, nullptr, &error)) << error;
  return bytes;
}

// ---- Driving windows -------------------------------------------------------------

void Pump() { Application().ProcessMessages(); }

// A key as the system queues it for the focused window.
void PressKey(WPARAM key) {
  HWND focus = ::GetFocus();
  ::PostMessageA(focus, WM_KEYDOWN, key, 1);
  ::PostMessageA(focus, WM_KEYUP, key, 1 | (3u << 30));
  Pump();
}

void Press(TButton* button) {
  ::SendMessageA(button->Handle(), BM_CLICK, 0, 0);
  Pump();
}

// Focuses the list and moves its selection to row Index with the keyboard.
void SelectRow(TListView* list, int32_t index) {
  list->SetFocus();
  Pump();
  PressKey(VK_HOME);
  for (int32_t i = 0; i < index; ++i) PressKey(VK_DOWN);
}

void DoubleClickRow(TListView* list, int32_t index) {
  const TRect r = list->ItemRect(index, true);
  const LPARAM at = MAKELPARAM(r.Left + 4, (r.Top + r.Bottom) / 2);
  ::SendMessageA(list->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
  ::SendMessageA(list->Handle(), WM_LBUTTONUP, 0, at);
  Pump();
}

Words Rows(const TListView* list) {
  Words rows;
  for (int32_t i = 0; i < list->Count(); ++i) rows.push_back(list->ItemCaption(i));
  return rows;
}

Words History(const TComboBox* combo) {
  Words items;
  for (int32_t i = 0; i < combo->Count(); ++i) items.push_back(combo->Items(i));
  return items;
}

// What the user does once the modal dialog is up: run from a timer inside
// the dialog's message loop.
std::function<void()> gUserSteps;
void CALLBACK RunUserSteps(HWND, UINT, UINT_PTR id, DWORD) {
  ::KillTimer(nullptr, id);
  auto steps = std::move(gUserSteps);
  gUserSteps = nullptr;
  if (steps) steps();
}
void WhenDialogIsUp(std::function<void()> steps) {
  gUserSteps = std::move(steps);
  ::SetTimer(nullptr, 0, 30, RunUserSteps);
}

// ---- The host form ---------------------------------------------------------------

class ThesaurusDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    path_ = folder_.File("small.vlt");
    ASSERT_TRUE(Platform::WriteWholeFile(path_, SmallThesaurus()));
    host_ = std::make_unique<TForm>();
    host_->SetCaption("Host");
    host_->SetBounds(40, 40, 560, 380);
    edit_ = new TRichEdit(host_.get());
    edit_->SetBounds(10, 10, 500, 120);
    edit_->SetHideSelection(false);
    thesaurus_ = new TThesaurus3(host_.get());
    thesaurus_->SetFilename(path_);
    host_->Show();
    Pump();
  }
  void TearDown() override {
    gUserSteps = nullptr;
    host_.reset();
    Pump();
  }

  // Puts Text into the rich edit, the caret at Caret, and looks up the word
  // there while Steps act on the dialog.
  bool LookUp(const std::string& text, int32_t caret, std::function<void()> steps) {
    edit_->SetText(text);
    edit_->SetSel(caret, 0);
    WhenDialogIsUp(std::move(steps));
    return thesaurus_->LookupWinControl(edit_->Handle());
  }

  TThesDialog* Dialog() const { return dynamic_cast<TThesDialog*>(thesaurus_->DialogForm()); }

  TTestFolder folder_;
  std::string path_;
  std::unique_ptr<TForm> host_;
  TRichEdit* edit_ = nullptr;         // owned by the host form
  TThesaurus3* thesaurus_ = nullptr;  // owned by the host form
};

// ---- Looking up and replacing -----------------------------------------------------

TEST_F(ThesaurusDialogTest, WordUnderTheCaretIsLookedUpSelectedAndReplaced) {
  int beforeChange = 0;
  thesaurus_->OnBeforeChange = [&](TThesaurus3Base*) { ++beforeChange; };
  TRect wordOnScreen{}, dialogBounds{};
  const bool found = LookUp("A big house", 3, [&] {
    TThesDialog* d = Dialog();
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(d->Visible());
    EXPECT_EQ(Platform::GetCursor(), Platform::TCursor::Default);
    // The word is selected in the rich edit while the dialog shows it.
    EXPECT_EQ(edit_->SelStart(), 2);
    EXPECT_EQ(edit_->SelLength(), 3);
    wordOnScreen = thesaurus_->DialogPosition();
    dialogBounds = d->BoundsRect();
    EXPECT_EQ(d->Caption(), "Thesaurus: Test Words");
    EXPECT_EQ(d->LookedUpLabel->Caption(), "Looked &Up:");
    EXPECT_EQ(d->CloseButton->Caption(), "&Close");
    EXPECT_EQ(d->ClientWidth(), 361);
    EXPECT_EQ(d->ClientHeight(), 211);
    EXPECT_EQ(History(d->LookupCombo), Words{"big"});
    EXPECT_EQ(Rows(d->ContextLV), (Words{"big", "bulky", "Large"}));
    EXPECT_EQ(d->ContextLV->SubItem(1, 1), "adverb");
    EXPECT_EQ(d->ContextLV->ItemIndex(), 0);
    EXPECT_EQ(Rows(d->WordList), (Words{"large", "huge", "great", "big"}));
    // The looked-up word is chosen in the list, so there is no replacement yet.
    EXPECT_EQ(d->WordList->ItemIndex(), 3);
    EXPECT_EQ(d->ReplaceEdit->Text(), "");
    EXPECT_FALSE(d->ReplaceButton->Enabled());
    EXPECT_FALSE(d->LookupButton->Enabled());
    EXPECT_FALSE(d->PreviousButton->Enabled());

    SelectRow(d->WordList, 1);
    EXPECT_EQ(d->ReplaceEdit->Text(), "huge");
    EXPECT_TRUE(d->ReplaceButton->Enabled());
    EXPECT_TRUE(d->LookupButton->Enabled());
    // The looked-up word itself, in any case, is no replacement.
    SelectRow(d->WordList, 3);
    EXPECT_EQ(d->ReplaceEdit->Text(), "");
    EXPECT_FALSE(d->ReplaceButton->Enabled());
    SelectRow(d->WordList, 1);
    Press(d->ReplaceButton);
  });
  EXPECT_TRUE(found);
  EXPECT_EQ(edit_->Text(), "A huge house");
  EXPECT_EQ(beforeChange, 1);
  EXPECT_EQ(thesaurus_->DialogForm(), nullptr);
  EXPECT_FALSE(thesaurus_->ThesaurusFile()->Loaded());
  // The dialog stood just below the word, aligned with its left edge.
  EXPECT_GT(wordOnScreen.Bottom, wordOnScreen.Top);
  EXPECT_EQ(dialogBounds.Left, wordOnScreen.Left);
  EXPECT_EQ(dialogBounds.Top, wordOnScreen.Bottom);
}

TEST_F(ThesaurusDialogTest, EscapeAndTheCloseButtonReplaceNothing) {
  EXPECT_TRUE(LookUp("big", 0, [&] { PressKey(VK_ESCAPE); }));
  EXPECT_EQ(edit_->Text(), "big");
  EXPECT_TRUE(LookUp("big", 0, [&] {
    SelectRow(Dialog()->WordList, 0);
    Press(Dialog()->CloseButton);
  }));
  EXPECT_EQ(edit_->Text(), "big");
  // The system menu's Close asks the form, which closes through the controller.
  EXPECT_TRUE(LookUp("big", 0, [&] { ::SendMessageA(Dialog()->Handle(), WM_CLOSE, 0, 0); }));
  EXPECT_EQ(edit_->Text(), "big");
}

TEST_F(ThesaurusDialogTest, AWordWithoutMeaningsShowsTheNotFoundRow) {
  for (const char* text : {"lonely", "unknown"}) {
    EXPECT_TRUE(LookUp(text, 1, [&] {
      TThesDialog* d = Dialog();
      EXPECT_EQ(Rows(d->ContextLV), Words{"(not found)"});
      EXPECT_FALSE(d->ContextLV->Enabled());
      EXPECT_EQ(d->WordList->Count(), 0);
      EXPECT_EQ(History(d->LookupCombo), Words{text});
      Press(d->CloseButton);
    }));
    EXPECT_EQ(edit_->Text(), text);
  }
}

TEST_F(ThesaurusDialogTest, AMissingFileShowsNothingAndReplacesNothing) {
  TThesaurus3 missing(host_.get());
  missing.SetFilename(folder_.File("missing.vlt"));
  bool prompted = false;
  missing.OnPromptLookup = [&](TComponent*, const std::string&, const TThesaurusEntryList&) {
    prompted = true;
  };
  edit_->SetText("big");
  edit_->SetSel(1, 0);
  EXPECT_TRUE(missing.LookupWinControl(edit_->Handle()));  // a word was at the caret
  EXPECT_FALSE(prompted);
  EXPECT_EQ(edit_->Text(), "big");
  EXPECT_EQ(Platform::GetCursor(), Platform::TCursor::Default);
}

// ---- Double clicks, history and meanings ---------------------------------------------

TEST_F(ThesaurusDialogTest, DoubleClickLooksUpOrReplacesPerTheAction) {
  EXPECT_TRUE(LookUp("big", 0, [&] {
    TThesDialog* d = Dialog();
    SelectRow(d->WordList, 0);  // "large"
    DoubleClickRow(d->WordList, 0);
    EXPECT_EQ(History(d->LookupCombo), (Words{"large", "big"}));
    EXPECT_EQ(Rows(d->ContextLV), Words{"large"});
    EXPECT_TRUE(d->Visible());
    Press(d->CloseButton);
  }));
  EXPECT_EQ(edit_->Text(), "big");

  thesaurus_->SetDoubleClickAction(dcaReplace);
  EXPECT_TRUE(LookUp("big", 0, [&] {
    TThesDialog* d = Dialog();
    SelectRow(d->WordList, 1);  // "huge"
    DoubleClickRow(d->WordList, 1);
  }));
  EXPECT_EQ(edit_->Text(), "huge");
}

TEST_F(ThesaurusDialogTest, PreviousLooksTheEarlierWordUpAgain) {
  EXPECT_TRUE(LookUp("big", 0, [&] {
    TThesDialog* d = Dialog();
    SelectRow(d->WordList, 0);  // "large"
    Press(d->LookupButton);
    EXPECT_EQ(History(d->LookupCombo), (Words{"large", "big"}));
    EXPECT_EQ(d->LookupCombo->Text(), "large");
    EXPECT_TRUE(d->PreviousButton->Enabled());
    Press(d->PreviousButton);
    EXPECT_EQ(History(d->LookupCombo), Words{"big"});
    EXPECT_EQ(Rows(d->ContextLV), (Words{"big", "bulky", "Large"}));
    EXPECT_FALSE(d->PreviousButton->Enabled());
    // A history entry picked in the combo box is looked up as well.
    SelectRow(d->WordList, 0);
    Press(d->LookupButton);
    d->LookupCombo->SetFocus();
    Pump();
    PressKey(VK_DOWN);  // the older entry, "big"
    EXPECT_EQ(History(d->LookupCombo), (Words{"big", "large"}));
    Press(d->CloseButton);
  }));
}

TEST_F(ThesaurusDialogTest, ChosenMeaningShowsItsCategorysList) {
  EXPECT_TRUE(LookUp("big", 0, [&] {
    TThesDialog* d = Dialog();
    SelectRow(d->ContextLV, 1);  // "bulky", category 3
    EXPECT_EQ(Rows(d->WordList), (Words{"massive", "heavy"}));
    EXPECT_EQ(d->ReplaceEdit->Text(), "");
    SelectRow(d->ContextLV, 2);  // "Large", category 2
    EXPECT_EQ(Rows(d->WordList), (Words{"big", "Large", "vast"}));
    EXPECT_EQ(d->WordList->ItemIndex(), 0);
    Press(d->CloseButton);
  }));
}

TEST_F(ThesaurusDialogTest, SortedListsOrderMeaningsOrdinally) {
  thesaurus_->SetSortedLists(true);
  EXPECT_TRUE(LookUp("big", 0, [&] {
    TThesDialog* d = Dialog();
    EXPECT_EQ(Rows(d->ContextLV), (Words{"Large", "big", "bulky"}));
    EXPECT_EQ(Rows(d->WordList), (Words{"big", "Large", "vast"}));
    SelectRow(d->ContextLV, 1);
    EXPECT_EQ(Rows(d->WordList), (Words{"big", "great", "huge", "large"}));
    Press(d->CloseButton);
  }));
}

TEST_F(ThesaurusDialogTest, TheChosenWordIsScrolledToTheMiddle) {
  EXPECT_TRUE(LookUp("long", 0, [&] {
    TThesDialog* d = Dialog();
    EXPECT_EQ(d->WordList->ItemFocused(), 30);
    // The timer has had its 10 ms: the row stands in the middle of the list.
    for (int i = 0; i < 20 && d->Timer->Enabled(); ++i) {
      ::Sleep(15);
      Pump();
    }
    EXPECT_FALSE(d->Timer->Enabled());
    const TRect row = d->WordList->ItemRect(30, false);
    const int32_t middle = d->WordList->ClientRect().Height() / 2;
    EXPECT_LE(std::abs(row.Top - middle), row.Height()) << row.Top << " vs " << middle;
    Press(d->CloseButton);
  }));
}

// ---- Commands, languages and the host's own handling ----------------------------------

TEST_F(ThesaurusDialogTest, HiddenHistoryGivesItsPlaceToTheMeanings) {
  thesaurus_->SetCommandsVisible(TThesaurusDialogCommands{tdcLookup, tdcReplace, tdcClose});
  thesaurus_->SetCommandsEnabled(TThesaurusDialogCommands{tdcLookedUp, tdcReplace, tdcClose});
  EXPECT_TRUE(LookUp("big", 0, [&] {
    TThesDialog* d = Dialog();
    EXPECT_FALSE(d->LookedUpLabel->Showing());
    EXPECT_FALSE(d->LookupCombo->Showing());
    EXPECT_FALSE(d->PreviousButton->Showing());
    EXPECT_TRUE(d->LookupButton->Showing());
    EXPECT_EQ(d->ContextsLabel->Top(), 8);
    EXPECT_EQ(d->ContextLV->Top(), 24);
    EXPECT_EQ(d->ContextLV->Height(), 105 + 48);
    // Lookup is shown but not enabled.
    SelectRow(d->WordList, 0);
    EXPECT_FALSE(d->LookupButton->Enabled());
    EXPECT_TRUE(d->ReplaceButton->Enabled());
    Press(d->CloseButton);
  }));
}

TEST_F(ThesaurusDialogTest, CzechTextsCarryTheThesaurusName) {
  thesaurus_->SetUILanguage(TThesaurusLanguageType::ltCzech);
  EXPECT_TRUE(LookUp("unknown", 0, [&] {
    TThesDialog* d = Dialog();
    EXPECT_EQ(d->Caption(), "Thesaurus: Test Words");
    EXPECT_EQ(d->CloseButton->Caption(), "Z&av\xF8\xEDt");
    EXPECT_EQ(Rows(d->ContextLV), Words{"(nenalezeno)"});
    Press(d->CloseButton);
  }));
}

TEST_F(ThesaurusDialogTest, WithoutAFormTheResultsReachOnlyOnPromptLookup) {
  int creates = 0, disposes = 0;
  thesaurus_->OnCreateThesaurusDialog = [&](TThesaurus3Base*, TCustomForm*&, bool create) {
    ++(create ? creates : disposes);
  };
  Words headwords;
  thesaurus_->OnPromptLookup = [&](TComponent*, const std::string& word,
                                   const TThesaurusEntryList& list) {
    EXPECT_EQ(word, "big");
    for (const auto& e : list) headwords.push_back(e->Headword);
    EXPECT_EQ(thesaurus_->DialogForm(), nullptr);
    thesaurus_->RequestReplace("great");
  };
  edit_->SetText("a big one");
  edit_->SetSel(3, 0);
  EXPECT_TRUE(thesaurus_->LookupWinControl(edit_->Handle()));
  EXPECT_EQ(headwords, (Words{"big", "bulky", "Large"}));
  EXPECT_EQ(edit_->Text(), "a great one");
  EXPECT_EQ(creates, 1);
  EXPECT_EQ(disposes, 1);
  EXPECT_FALSE(thesaurus_->LookupWinControl(nullptr));
}

}  // namespace
