// The sample's main form driven as a user drives it: buttons pressed, pages
// switched, the spelling and thesaurus dialogs and message boxes answered on
// screen, over the shipped dictionary and thesaurus.
#include <windows.h>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Main.h"
#include "SpellForm.h"
#include "../platform/vl3TestFolder.h"
#include "../win32/vl3DesktopLock_win.h"
#include "../win32/vl3UserInput_win.h"
#include "vl3Application_win.h"
#include "vl3ConfigurationDialog.h"
#include "vl3PageControl_win.h"
#include "vl3RichEdit.h"
#include "vl3RichEditBox_win.h"
#include "vl3Spell.h"
#include "vl3SpellDialog.h"
#include "vl3StringGrid_win.h"
#include "vl3StringList.h"
#include "vl3Thesaurus.h"
#include "vl3ThesaurusDialog.h"
#include "vl3Util.h"

#undef MessageBox

namespace {

[[maybe_unused]] TDesktopLock& desktop = HoldDesktop();

[[maybe_unused]] const bool kWindowsUnmanaged = MakeWindowsUnmanaged();

// ---- The user: steps run from a timer inside whatever loop is waiting ---------

// Each step returns false while what it waits for has not appeared yet; a
// step that waits too long fails the test and the check is cancelled, so a
// test never hangs.
class TUser {
 public:
  using TStep = std::function<bool()>;
  explicit TUser(TVexlorSpell3* Spell) : spell_(Spell) {
    instance_ = this;
    timer_ = ::SetTimer(nullptr, 0, 40, &Tick);
  }
  ~TUser() {
    ::KillTimer(nullptr, timer_);
    instance_ = nullptr;
  }
  void Then(const std::string& What, TStep Step) { steps_.push_back({What, std::move(Step)}); }
  bool Done() const { return steps_.empty(); }
  std::vector<std::string> failures;

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    TUser* user = instance_;
    if (!user || user->busy_ || user->steps_.empty()) return;
    user->busy_ = true;
    const DWORD now = ::GetTickCount();
    if (user->since_ == 0) user->since_ = now;
    if (user->steps_.front().second()) {
      user->steps_.pop_front();
      user->since_ = 0;
    } else if (now - user->since_ > 15000) {
      user->failures.push_back("waited in vain: " + user->steps_.front().first);
      user->steps_.clear();
      if (user->spell_->Checking()) user->spell_->Cancel();
    }
    user->busy_ = false;
  }
  static TUser* instance_;
  TVexlorSpell3* spell_;
  std::deque<std::pair<std::string, TStep>> steps_;
  UINT_PTR timer_ = 0;
  DWORD since_ = 0;
  bool busy_ = false;
};
TUser* TUser::instance_ = nullptr;

void Click(TButton* Button) { ::PostMessageA(Button->Handle(), BM_CLICK, 0, 0); }

// A visible message box of this thread: the system dialog class.
HWND FindMessageBox() {
  HWND found = nullptr;
  ::EnumThreadWindows(
      ::GetCurrentThreadId(),
      [](HWND wnd, LPARAM param) -> BOOL {
        char cls[16] = {};
        ::GetClassNameA(wnd, cls, sizeof cls);
        if (std::string(cls) != "#32770" || !::IsWindowVisible(wnd)) return TRUE;
        *reinterpret_cast<HWND*>(param) = wnd;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

struct TMessageBoxSeen {
  std::string caption, text;
  bool icon = false;
};

// Reads the box's caption and text, whether it shows an icon, and presses OK.
bool AnswerMessageBox(TMessageBoxSeen& Seen) {
  HWND box = FindMessageBox();
  if (!box) return false;
  Seen.caption = VxWin::WindowText(box);
  Seen.text = VxWin::WindowText(::GetDlgItem(box, 0xFFFF));
  for (HWND child = ::GetWindow(box, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
    if ((::GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
        ::SendMessageA(child, STM_GETICON, 0, 0) != 0)
      Seen.icon = true;
  ::PostMessageA(box, WM_COMMAND, IDOK, 0);
  return true;
}

// The visible top-level form of that class, if one is up.
template <class T>
T* FindForm() {
  T* found = nullptr;
  ::EnumThreadWindows(
      ::GetCurrentThreadId(),
      [](HWND wnd, LPARAM param) -> BOOL {
        auto* form = dynamic_cast<T*>(TForm::FromHandle(wnd));
        if (!form || !::IsWindowVisible(wnd)) return TRUE;
        *reinterpret_cast<T**>(param) = form;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

int VisibleOptions(const TForm& Form) {
  int shown = 0;
  for (int i = 1; i <= TSpellCheckConfigDialog::kOptionRows; ++i)
    if (Form.Find<TCheckBox>("Option" + std::to_string(i))->Visible()) ++shown;
  return shown;
}

bool ButtonShown(const TForm& Form, const char* Name) { return Form.Find<TButton>(Name)->Visible(); }

// ---- The form under test ---------------------------------------------------------

class DemoFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // The sample stores its settings under the program's name; each test
    // starts from the designed defaults.
    ::RegDeleteTreeA(HKEY_CURRENT_USER, RegistryKey().c_str());
    form = std::make_unique<TDemoForm>();
    // The rich-text files and dictionaries are not beside a test program:
    // its own folder first (new custom dictionaries go there), then the
    // compiled data.
    TStringList folders;
    folders.Add(folder.Path());
    folders.Add(VX_DATA_DIR);
    form->VexlorSpell->SetConfigDictionaryDir(folders);
    form->VexlorSpell->SetSuggestionsLearningDict(folder.File("learning.vll"));
    form->Thesaurus->SetFilename(std::string(VX_DATA_DIR) + "\\Brevant.vlt");
    form->Show();
    Pump();
  }
  void TearDown() override {
    form.reset();
    Pump();
  }

  static std::string RegistryKey() { return ExpandMacros("Software\\Torvane Software\\%AppName%"); }

  void ShowInner(TTabSheet* Page) {
    form->PageControl->SetActivePage(form->OtherFeaturesSheet);
    form->PageControl1->SetActivePage(Page);
    Pump();
  }

  TSpellDialog* StandardDialog() const {
    auto* dialog = dynamic_cast<TSpellDialog*>(form->VexlorSpell->SpellDialog());
    return dialog && dialog->Visible() ? dialog : nullptr;
  }

  // Runs a button whose handler waits for the user, the user's steps
  // answering; fails the test for each step waited for in vain.
  void PressAndAnswer(TButton* Button, TUser& User) {
    ::SendMessageA(Button->Handle(), BM_CLICK, 0, 0);
    for (int i = 0; i < 100 && !User.Done(); ++i) {
      Pump();
      ::Sleep(20);
    }
    EXPECT_TRUE(User.Done());
    for (const std::string& failure : User.failures) ADD_FAILURE() << failure;
  }

  TTestFolder folder;
  std::unique_ptr<TDemoForm> form;
};

TEST_F(DemoFormTest, FirstPageIsCheckedWithTheStandardDialogAndEndsWithTheMessage) {
  // Without the rich-text files beside the program the editors stay empty.
  EXPECT_EQ(form->RichEdit1->Text(), "");
  EXPECT_EQ(form->Caption(), "Vexlor 3.0 Sample Application");
  EXPECT_EQ(form->Label4->Caption(), "Additional Features of the Vexlor suite");

  form->RichEdit1->SetText("Teh quick brown fox jumpd over the lazy dog.");
  TUser user(form->VexlorSpell);
  std::vector<std::string> prompted;
  TMessageBoxSeen end;
  user.Then("the first word", [&] {
    TSpellDialog* d = StandardDialog();
    if (!d || d->NotFoundEdit->Text() != "Teh") return false;
    prompted.push_back(d->NotFoundEdit->Text());
    EXPECT_TRUE(d->HelpButton->Visible());
    EXPECT_GE(d->SuggestionsListbox->IndexOf("The"), 0);
    d->ReplaceWithEdit->SetText("The");
    Click(d->ChangeButton);
    return true;
  });
  user.Then("the second word", [&] {
    TSpellDialog* d = StandardDialog();
    if (!d || d->NotFoundEdit->Text() != "jumpd") return false;
    prompted.push_back(d->NotFoundEdit->Text());
    Click(d->IgnoreButton);
    return true;
  });
  user.Then("the end message", [&] { return AnswerMessageBox(end); });
  PressAndAnswer(form->SpellCheckButton, user);

  EXPECT_EQ(prompted, (std::vector<std::string>{"Teh", "jumpd"}));
  EXPECT_EQ(form->RichEdit1->Text(), "The quick brown fox jumpd over the lazy dog.");
  EXPECT_FALSE(end.text.empty());
  EXPECT_FALSE(form->VexlorSpell->Checking());
}

TEST_F(DemoFormTest, WordCountIsReportedInAMessageBoxWithoutIcon) {
  form->RichEdit1->SetText("The quick brown fox jumps over the lazy dog.\r\nTwo more.");
  TUser user(form->VexlorSpell);
  TMessageBoxSeen box;
  user.Then("the word count", [&] { return AnswerMessageBox(box); });
  PressAndAnswer(form->WordCountButton, user);
  EXPECT_EQ(box.caption, "Word Count");
  EXPECT_EQ(box.text,
            "VexlorSpell is also capable of easily reporting the\r\ncurrent word count to your "
            "users.\r\n\r\nCurrent Word Count: 11");
  EXPECT_FALSE(box.icon);
}

TEST_F(DemoFormTest, ThesaurusOnTheSecondPageReplacesTheWordAtTheCaret) {
  form->PageControl->SetActivePage(form->ThesaurusSheet);
  form->RichEdit2->SetText("A big house on the hill.");
  form->RichEdit2->SetSel(3, 0);
  TUser user(form->VexlorSpell);
  std::string lookedUp;
  int32_t meanings = 0;
  user.Then("the thesaurus dialog", [&] {
    auto* d = dynamic_cast<TThesDialog*>(form->Thesaurus->DialogForm());
    if (!d || !d->Visible()) return false;
    lookedUp = d->LookupCombo->Text();
    meanings = d->ContextLV->Count();
    d->ReplaceEdit->SetText("large");
    Click(d->ReplaceButton);
    return true;
  });
  PressAndAnswer(form->ThesaurusButton, user);
  EXPECT_EQ(lookedUp, "big");
  EXPECT_GT(meanings, 0);
  EXPECT_EQ(form->RichEdit2->Text(), "A large house on the hill.");
}

TEST_F(DemoFormTest, CustomCheckUsesTheSamplesOwnFormAndTheNextDefaultCheckTheStandardOne) {
  ShowInner(form->CustomDialogsSheet);
  form->Memo2->SetText("Teh cat sat.");
  std::string customWord;
  {
    TUser user(form->VexlorSpell);
    user.Then("the sample's own dialog", [&] {
      auto* d = dynamic_cast<TSpellingForm*>(form->VexlorSpell->SpellDialog());
      if (!d || !d->Visible()) return false;
      customWord = d->Find<TEdit>("NotFoundEdit")->Text();
      EXPECT_EQ(d->Find<TControl>("HelpButton"), nullptr);
      Click(d->Find<TButton>("CancelButton"));
      return true;
    });
    PressAndAnswer(form->CustomDialogSpellCheckButton, user);
  }
  EXPECT_EQ(customWord, "Teh");
  EXPECT_FALSE(form->VexlorSpell->OnCreateSpellDialog);

  std::string standardWord;
  bool helpShown = false;
  {
    TUser user(form->VexlorSpell);
    user.Then("the standard dialog", [&] {
      TSpellDialog* d = StandardDialog();
      if (!d) return false;
      standardWord = d->NotFoundEdit->Text();
      helpShown = d->HelpButton->Visible();
      Click(d->CancelButton);
      return true;
    });
    PressAndAnswer(form->CustomDialogNormalSpellCheckButton, user);
  }
  EXPECT_EQ(standardWord, "Teh");
  EXPECT_TRUE(helpShown);
  EXPECT_EQ(form->Memo2->Text(), "Teh cat sat.");
}

TEST_F(DemoFormTest, SequenceCheckKeepsOneDialogOverTheFourControlsInTheirOrder) {
  ShowInner(form->SequenceCheckSheet);
  form->Edit1->SetText("one zzqa");
  form->Memo1->SetText("three zzqc");
  form->Edit2->SetText("two zzqb");
  form->RichEdit3->SetText("four zzqd");
  TUser user(form->VexlorSpell);
  std::vector<std::string> prompted;
  std::vector<TSpellDialog*> dialogs;
  for (const char* word : {"zzqa", "zzqb", "zzqc", "zzqd"}) {
    user.Then(word, [&, word] {
      TSpellDialog* d = StandardDialog();
      if (!d || d->NotFoundEdit->Text() != word) return false;
      prompted.push_back(word);
      dialogs.push_back(d);
      Click(d->IgnoreButton);
      return true;
    });
  }
  TMessageBoxSeen end;
  user.Then("the end of the sequence", [&] {
    return AnswerMessageBox(end) || !form->VexlorSpell->SequenceActive();
  });
  PressAndAnswer(form->SequenceCheckButton, user);
  EXPECT_EQ(prompted, (std::vector<std::string>{"zzqa", "zzqb", "zzqc", "zzqd"}));
  ASSERT_EQ(dialogs.size(), 4u);
  for (TSpellDialog* d : dialogs) EXPECT_EQ(d, dialogs.front());
  EXPECT_FALSE(form->VexlorSpell->SequenceActive());
  EXPECT_FALSE(form->VexlorSpell->Checking());
}

TEST_F(DemoFormTest, GridPageFillsOnlyAnEmptyFirstCell) {
  ShowInner(form->StringGridSheet);
  TStringGrid* grid = form->StringGrid;
  EXPECT_EQ(grid->ColCount(), 2);
  EXPECT_EQ(grid->RowCount(), 10);
  EXPECT_EQ(grid->Cells(0, 0), "VexlorSpell is also fully capable of");
  EXPECT_EQ(grid->Cells(0, 4), "check on the first column of this grid.");
  EXPECT_EQ(grid->Cells(1, 4), "and then follos up by checking the");
  EXPECT_EQ(grid->Cells(1, 7), "any order you like.");
  EXPECT_EQ(grid->Cells(1, 0), "");

  // The user types over the first cell in its editor.
  grid->SetFocus();
  grid->FocusCell(0, 0);
  grid->ShowEditor();
  Pump();
  HWND editor = grid->InplaceEditor();
  ASSERT_NE(editor, nullptr);
  ::SendMessageA(editor, EM_SETSEL, 0, -1);
  for (char c : std::string("My own line")) ::SendMessageA(editor, WM_CHAR, static_cast<WPARAM>(c), 1);
  grid->HideEditor();
  Pump();
  ASSERT_EQ(grid->Cells(0, 0), "My own line");
  grid->SetCells(0, 1, "");

  ShowInner(form->SequenceCheckSheet);
  ShowInner(form->StringGridSheet);
  EXPECT_EQ(grid->Cells(0, 0), "My own line");
  EXPECT_EQ(grid->Cells(0, 1), "");

  grid->SetCells(0, 0, "");
  ShowInner(form->SequenceCheckSheet);
  ShowInner(form->StringGridSheet);
  EXPECT_EQ(grid->Cells(0, 0), "VexlorSpell is also fully capable of");
  EXPECT_EQ(grid->Cells(0, 1), "checking many griid controls.  For the");

  // A check of the grid that the user cancels at the first word leaves the
  // cells as they were, the editor closed and the sequence ended.
  TUser user(form->VexlorSpell);
  std::string firstWord;
  user.Then("the first word of the grid", [&] {
    TSpellDialog* d = StandardDialog();
    if (!d) return false;
    firstWord = d->NotFoundEdit->Text();
    Click(d->CancelButton);
    return true;
  });
  PressAndAnswer(form->CheckGridButton, user);
  EXPECT_FALSE(firstWord.empty());
  EXPECT_FALSE(form->VexlorSpell->SequenceActive());
  EXPECT_FALSE(grid->EditorMode());
  EXPECT_EQ(grid->Cells(0, 1), "checking many griid controls.  For the");
  EXPECT_EQ(grid->Cells(1, 7), "any order you like.");
}

TEST_F(DemoFormTest, EmbeddedConfigurationIsFreshOnEachVisitAndLeavesTheOtherDialogsWhole) {
  // The designed options and those the live-spelling editors add.
  const TSpellOptions available = form->VexlorSpell->ConfigAvailableOptions();
  int availableCount = 0;
  for (int o = soLiveSpelling; o <= soUser4; ++o)
    if (available.Contains(static_cast<TSpellOption>(o))) ++availableCount;
  EXPECT_GE(availableCount, 7);
  ShowInner(form->EmbeddedConfigSheet);
  TSpellCheckConfigDialog* first = form->EmbeddedConfigForm();
  ASSERT_NE(first, nullptr);
  EXPECT_TRUE(first->Visible());
  EXPECT_EQ(first->ParentWindow(), form->EmbeddedConfigSheet);
  EXPECT_EQ(VisibleOptions(*first), 4);
  EXPECT_FALSE(ButtonShown(*first, "HelpButton"));
  EXPECT_FALSE(ButtonShown(*first, "OK"));
  EXPECT_EQ(first->ClientHeight(), form->EmbeddedConfigSheet->TParentWindow::ClientRect().Height());
  // The designed values are back for every other dialog.
  EXPECT_TRUE(form->VexlorSpell->CommandsVisible().Contains(sdcHelp));
  EXPECT_TRUE(form->VexlorSpell->CommandsVisible().Contains(sdcConfigOK));
  EXPECT_EQ(form->VexlorSpell->ConfigAvailableOptions(), available);
  // A change in the embedded dialog reaches the configuration at once.
  TCheckBox* numbers = nullptr;
  for (int i = 1; i <= 4; ++i) {
    auto* box = first->Find<TCheckBox>("Option" + std::to_string(i));
    if (box->Tag == soNumbers) numbers = box;
  }
  ASSERT_NE(numbers, nullptr);
  const bool wasChecked = numbers->Checked();
  ::SendMessageA(numbers->Handle(), BM_CLICK, 0, 0);
  Pump();
  EXPECT_EQ(form->VexlorSpell->Configuration()->GetSpellOptions().Contains(soNumbers), !wasChecked);
  first->SetCaption("the first visit");

  ShowInner(form->SequenceCheckSheet);
  EXPECT_EQ(form->EmbeddedConfigForm(), nullptr);
  ShowInner(form->EmbeddedConfigSheet);
  TSpellCheckConfigDialog* second = form->EmbeddedConfigForm();
  ASSERT_NE(second, nullptr);
  EXPECT_NE(second->Caption(), "the first visit");
  EXPECT_EQ(VisibleOptions(*second), 4);
  EXPECT_FALSE(ButtonShown(*second, "HelpButton"));
  EXPECT_FALSE(ButtonShown(*second, "OK"));

  // The standard configuration dialog from the first page: every option,
  // Help and OK.
  form->PageControl->SetActivePage(form->SpellingCheckSheet);
  Pump();
  EXPECT_EQ(form->EmbeddedConfigForm(), second);  // the inner page is still the shown one
  int options = 0;
  bool help = false, ok = false;
  {
    TUser user(form->VexlorSpell);
    user.Then("the configuration dialog", [&] {
      auto* d = FindForm<TSpellCheckConfigDialog>();
      if (!d || d == second) return false;
      options = VisibleOptions(*d);
      help = ButtonShown(*d, "HelpButton");
      ok = ButtonShown(*d, "OK");
      Click(d->Find<TButton>("OK"));
      return true;
    });
    PressAndAnswer(form->ConfigureButton, user);
  }
  EXPECT_EQ(options, availableCount);
  EXPECT_TRUE(help);
  EXPECT_TRUE(ok);

  // The spelling dialog still has its Help button.
  form->RichEdit1->SetText("Teh end.");
  bool spellHelp = false;
  {
    TUser user(form->VexlorSpell);
    user.Then("the spelling dialog", [&] {
      TSpellDialog* d = StandardDialog();
      if (!d) return false;
      spellHelp = d->HelpButton->Visible();
      Click(d->CancelButton);
      return true;
    });
    PressAndAnswer(form->SpellCheckButton, user);
  }
  EXPECT_TRUE(spellHelp);

  // The settings are kept under the current user's key of the program.
  form.reset();
  Pump();
  HKEY key = nullptr;
  EXPECT_EQ(::RegOpenKeyExA(HKEY_CURRENT_USER, RegistryKey().c_str(), 0, KEY_READ, &key), ERROR_SUCCESS);
  if (key) ::RegCloseKey(key);
}

TEST_F(DemoFormTest, ParseButtonListsWordsMisspellingsAndSuggestionsWithoutADialog) {
  ShowInner(form->SilentCheckSheet);
  form->ParsedWordsLB->Add("left over");
  form->MisspelledLB->Add("left over");
  form->SuggestionsLB->Add("left over");
  ::SendMessageA(form->ParseButton->Handle(), BM_CLICK, 0, 0);
  Pump();
  EXPECT_EQ(form->ParsedWordsLB->Count(), 0);
  EXPECT_EQ(form->MisspelledLB->Count(), 0);
  EXPECT_EQ(form->SuggestionsLB->Count(), 0);

  form->TextToParse->SetText("Teh cat sat\r\non zqxjvw mat");
  ::SendMessageA(form->ParseButton->Handle(), BM_CLICK, 0, 0);
  Pump();
  std::vector<std::string> parsed, misspelt;
  for (int32_t i = 0; i < form->ParsedWordsLB->Count(); ++i) parsed.push_back(form->ParsedWordsLB->Items(i));
  for (int32_t i = 0; i < form->MisspelledLB->Count(); ++i) misspelt.push_back(form->MisspelledLB->Items(i));
  EXPECT_EQ(parsed, (std::vector<std::string>{"Teh", "cat", "sat", "on", "zqxjvw", "mat"}));
  EXPECT_EQ(misspelt, (std::vector<std::string>{"Teh", "zqxjvw"}));
  EXPECT_EQ(form->MisspelledLB->ItemIndex(), 0);
  EXPECT_GE(form->SuggestionsLB->IndexOf("The"), 0);
  EXPECT_EQ(form->VexlorSpell->SpellDialog(), nullptr);

  // While a check waits in its modeless dialog, ">>" leaves the engine and
  // the lists to it.
  form->PageControl->SetActivePage(form->SpellingCheckSheet);
  form->RichEdit1->SetText("Teh end.");
  std::string stillPrompted;
  {
    TUser user(form->VexlorSpell);
    user.Then("the spelling dialog", [&] {
      TSpellDialog* d = StandardDialog();
      if (!d) return false;
      form->TextToParse->SetText("other words");
      form->ParseButtonClick();
      stillPrompted = d->NotFoundEdit->Text();
      Click(d->CancelButton);
      return true;
    });
    PressAndAnswer(form->SpellCheckButton, user);
  }
  EXPECT_EQ(stillPrompted, "Teh");
  EXPECT_EQ(form->ParsedWordsLB->Count(), 6);
  EXPECT_EQ(form->RichEdit1->Text(), "Teh end.");

  form->MisspelledLB->SetItemIndex(1);
  form->MisspelledLBClick();
  ASSERT_EQ(form->SuggestionsLB->Count(), 1);
  EXPECT_EQ(form->SuggestionsLB->Items(0), "(no suggestions)");
}

}  // namespace
