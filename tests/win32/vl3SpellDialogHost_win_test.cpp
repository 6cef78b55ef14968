// Interactive checks of real edit, memo and rich-edit windows with a small
// spelling form: the form appears, is placed by each rule, the buttons the
// user presses correct the text, the end message is answered on screen; and
// the live-spelling menu as a real popup menu.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "vl3Application_win.h"
#include "vl3ConfigurationDialogCtrl.h"
#include "vl3CustomDictionary.h"
#include "vl3DictionaryCompiler.h"
#include "vl3Layout_win.h"
#include "vl3Platform.h"
#include "vl3RichEditBox_win.h"
#include "vl3SpellBase.h"
#include "vl3WinAPIParser.h"
#include "vl3DesktopLock_win.h"

namespace {

[[maybe_unused]] TDesktopLock& desktop = HoldDesktop();

// ---- A spelling form as small as a user needs --------------------------------

const TFormLayout kTestSpellLayout = {"Spelling", 260, 70, TFormBorderStyle::bsDialog, TPosition::poDesigned};
const TLayoutItem kTestSpellControls[] = {
    {"WordEdit", ckEdit, 8, 8, 150, 21, "", -1, nullptr, lfReadOnly | lfNoTabStop},
    {"ChangeButton", ckButton, 170, 8, 80, 23, "&Change", 0, nullptr, lfDefault},
    {"IgnoreButton", ckButton, 170, 38, 80, 23, "&Ignore", 1},
};

// What the form saw at one prompt.
struct TPromptSeen {
  std::string word;
  TRect bounds;
  bool visible;
};

// Shows the word; the test's "user" presses a button for each prompt by
// posting a click, as the mouse would.
class TTestSpellForm : public TForm {
 public:
  explicit TTestSpellForm(TComponent* AOwner) : TForm(AOwner) {
    ApplyLayout(*this, kTestSpellLayout, kTestSpellControls);
    auto* control = new TConfigurationDialogCtrl(this);
    control->OnPromptWord = [this](TVexlorSpell3Base*, const std::string& word, bool) {
      Find<TEdit>("WordEdit")->SetText(word);
      seen.push_back({word, BoundsRect(), Visible()});
      if (answers.empty()) return;
      const std::string button = answers.front();
      answers.pop_front();
      ::PostMessageA(Find<TButton>(button)->Handle(), BM_CLICK, 0, 0);
    };
    Find<TButton>("ChangeButton")->OnClick = [this, control](TComponent*) {
      control->SpellChecker()->Change(replacement);
    };
    Find<TButton>("IgnoreButton")->OnClick = [control](TComponent*) { control->SpellChecker()->Ignore(); };
    AfterConstruction();
  }

  std::deque<std::string> answers;  // button names, one per prompt
  std::string replacement = "the";
  std::vector<TPromptSeen> seen;
};

// ---- Message boxes answered by a "user" ---------------------------------------

// While a message box is up, reads its text and presses OK.
class TMessageBoxAnswerer {
 public:
  TMessageBoxAnswerer() {
    instance_ = this;
    timer_ = ::SetTimer(nullptr, 0, 50, &Tick);
  }
  ~TMessageBoxAnswerer() {
    ::KillTimer(nullptr, timer_);
    instance_ = nullptr;
  }
  std::vector<std::string> texts;

 private:
  static BOOL CALLBACK FindBox(HWND wnd, LPARAM) {
    char cls[32] = {};
    ::GetClassNameA(wnd, cls, sizeof cls);
    if (std::string(cls) != "#32770" || !::IsWindowVisible(wnd)) return TRUE;
    char text[512] = {};
    ::GetDlgItemTextA(wnd, 0xFFFF, text, sizeof text);  // the message's static text
    instance_->texts.push_back(text);
    ::PostMessageA(wnd, WM_COMMAND, IDOK, 0);
    return FALSE;
  }
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (instance_ != nullptr) ::EnumThreadWindows(::GetCurrentThreadId(), &FindBox, 0);
  }
  static TMessageBoxAnswerer* instance_;
  UINT_PTR timer_;
};
TMessageBoxAnswerer* TMessageBoxAnswerer::instance_ = nullptr;

// ---- The host application ------------------------------------------------------

// A host form with an edit, a memo and a rich edit, and an engine over a
// small dictionary that opens TTestSpellForm as its dialog.
class SpellDialogHostWin : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = Platform::TempDirectory() + "\\vxhost_" + std::to_string(::GetCurrentProcessId());
    Platform::CreateDirectory(folder);
    TDictionaryCompiler compiler;
    for (const char* w : {"the", "cat", "sat", "on", "mat", "a", "dog", "ran", "far"}) compiler.AddWord(w);
    std::string error;
    ASSERT_TRUE(compiler.CompileToFile(TDictionaryCompileOptions(), folder + "\\Test.vlm", error)) << error;

    host = std::make_unique<TForm>();
    host->SetCaption("Host");
    host->SetBounds(40, 40, 520, 400);
    edit = new TEdit(host.get());
    edit->SetBounds(10, 10, 300, 21);
    memo = new TMemo(host.get());
    memo->SetBounds(10, 40, 300, 80);
    rich = new TRichEdit(host.get());
    rich->SetBounds(10, 130, 480, 120);
    host->Show();

    engine = std::make_unique<TVexlorSpell3Base>(host.get());
    engine->SetUIType(suiDialog);
    engine->SetConfigStorage(csNone);
    engine->SetSuggestionsLearning(false);
    TStringList folders, mains;
    folders.Add(folder);
    mains.Add("Test.vlm");
    engine->SetConfigDictionaryDir(folders);
    engine->SetConfigDefaultMain(mains);
    engine->SetConfigDefaultActiveCustom("User.vlu");
    engine->OnCreateSpellDialog = [this](TVexlorSpell3Base*, TCustomForm*& form, bool create) {
      if (create) {
        dialog = new TTestSpellForm(host.get());
        dialog->answers = answers;
        form = dialog;
        ++dialogsMade;
      } else {
        // Kept until the test has read it; the host frees its forms itself.
        shownDialogs.emplace_back(static_cast<TTestSpellForm*>(form));
        form = nullptr;
      }
    };
  }
  void TearDown() override {
    engine.reset();
    shownDialogs.clear();
    host.reset();
    for (const char* f : {"Test.vlm", "User.vlu"}) Platform::DeleteFile(folder + "\\" + f);
    Platform::RemoveDirectory(folder);
  }

  const std::vector<TPromptSeen>& Seen() const { return shownDialogs.back()->seen; }
  TRect MonitorOf(HWND wnd) const {
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    ::GetMonitorInfoA(::MonitorFromWindow(wnd, MONITOR_DEFAULTTONEAREST), &info);
    return TRect{info.rcMonitor.left, info.rcMonitor.top, info.rcMonitor.right, info.rcMonitor.bottom};
  }

  std::string folder;
  std::unique_ptr<TForm> host;
  TEdit* edit = nullptr;
  TMemo* memo = nullptr;
  TRichEdit* rich = nullptr;
  std::unique_ptr<TVexlorSpell3Base> engine;
  TTestSpellForm* dialog = nullptr;
  std::deque<std::string> answers;
  std::vector<std::unique_ptr<TTestSpellForm>> shownDialogs;
  int dialogsMade = 0;
};

TEST_F(SpellDialogHostWin, ChecksCorrectEditMemoAndRichEditThroughThePressedButtons) {
  edit->SetText("teh cat sat");
  memo->SetText("a dog\r\nran teh far");
  rich->SetText("teh mat\r\nzzq on the mat");
  engine->SetEndMessage(emAlways);
  struct Case {
    TControl* control;
    std::deque<std::string> answers;
    std::string corrected;
    std::vector<std::string> words;
  };
  const std::vector<Case> cases = {
      {edit, {"ChangeButton"}, "the cat sat", {"teh"}},
      {memo, {"ChangeButton"}, "a dog\r\nran the far", {"teh"}},
      {rich, {"ChangeButton", "IgnoreButton"}, "the mat\r\nzzq on the mat", {"teh", "zzq"}},
  };
  for (const Case& c : cases) {
    answers = c.answers;
    TMessageBoxAnswerer user;
    engine->CheckWinControl(c.control->Handle(), ctAll);
    EXPECT_FALSE(engine->Checking());
    EXPECT_EQ(c.control->Text(), c.corrected);
    std::vector<std::string> words;
    for (const TPromptSeen& s : Seen()) {
      words.push_back(s.word);
      EXPECT_TRUE(s.visible) << "the form is up when the word is shown";
    }
    EXPECT_EQ(words, c.words);
    EXPECT_FALSE(shownDialogs.back()->Visible());
    ASSERT_EQ(user.texts.size(), 1u);
    EXPECT_EQ(user.texts[0], "The spelling check is complete.");
  }
  EXPECT_EQ(dialogsMade, 3);
  EXPECT_EQ(engine->WordCountWinControl(memo->Handle(), ctAll), 5);
}

TEST_F(SpellDialogHostWin, DialogIsPlacedByEachRuleOnTheRealMonitor) {
  engine->SetEndMessage(emNever);
  const TRect monitor = MonitorOf(host->Handle());

  // Never stored: beside the control. At the bottom of the screen there is
  // no room below, so the dialog goes to its right.
  host->SetBounds(10, monitor.Bottom - 120, 420, 110);
  edit->SetBounds(10, 10, 300, 21);
  edit->SetText("zzq cat");
  answers = {"IgnoreButton"};
  engine->CheckWinControl(edit->Handle(), ctAll);
  TRect control;
  TWinAPIControlParser(edit->Handle()).GetControlRect(control);
  ASSERT_EQ(Seen().size(), 1u);
  EXPECT_EQ(Seen()[0].bounds.Left, control.Right);
  EXPECT_EQ(Seen()[0].bounds.Top, std::min(control.Top, monitor.Bottom - Seen()[0].bounds.Height()));

  // The user moved the dialog: the next check opens it where it was left.
  const TRect stored = shownDialogs.back()->BoundsRect();
  EXPECT_EQ(engine->Configuration()->GetDialogX(), stored.Left);
  engine->Configuration()->SetDialogX(monitor.Left + 5);
  engine->Configuration()->SetDialogY(monitor.Top + 5);
  host->SetBounds(300, 300, 420, 200);
  engine->SetDialogSelectionAvoid(saNone);
  answers = {"IgnoreButton"};
  engine->CheckWinControl(edit->Handle(), ctAll);
  EXPECT_EQ(Seen()[0].bounds.Left, monitor.Left + 5);
  EXPECT_EQ(Seen()[0].bounds.Top, monitor.Top + 5);

  // saAvoid moves a dialog that covers the word off it; saMove follows every
  // word.
  engine->SetDialogInitialPos(ipIgnore);
  engine->SetDialogSelectionAvoid(saAvoid);
  engine->OnCreateSpellDialog = [this, prev = engine->OnCreateSpellDialog](TVexlorSpell3Base* s, TCustomForm*& f,
                                                                          bool create) {
    prev(s, f, create);
    if (create) f->MoveTo(edit->ScreenRect().Left, edit->ScreenRect().Top);  // right over the text
  };
  answers = {"IgnoreButton"};
  engine->CheckWinControl(edit->Handle(), ctAll);
  EXPECT_GE(Seen()[0].bounds.Top, edit->ScreenRect().Top + 10) << "moved under the word";

  engine->SetDialogSelectionAvoid(saMove);
  edit->SetText("zzq qqz");
  answers = {"IgnoreButton", "IgnoreButton"};
  engine->CheckWinControl(edit->Handle(), ctAll);
  ASSERT_EQ(Seen().size(), 2u);
  EXPECT_LT(Seen()[0].bounds.Left, Seen()[1].bounds.Left) << "aligned with each word";
}

TEST_F(SpellDialogHostWin, SequenceKeepsOneModelessDialogAndModalImmediateStartsFromItsShowEvent) {
  engine->SetEndMessage(emAlways);
  TRichEdit* second = new TRichEdit(host.get());
  second->SetBounds(10, 260, 480, 60);
  edit->SetText("zza");
  memo->SetText("zzb");
  rich->SetText("zzc");
  second->SetText("zzd");
  answers = {"IgnoreButton", "IgnoreButton", "IgnoreButton", "IgnoreButton"};
  {
    TMessageBoxAnswerer user;
    engine->StartSequenceCheck();
    // One dialog for the whole sequence: the first one's answers serve all.
    for (TControl* c : std::vector<TControl*>{edit, memo, rich, second}) engine->CheckWinControl(c->Handle(), ctAll);
    EXPECT_TRUE(user.texts.empty());
    engine->StopSequenceCheck();
    EXPECT_EQ(user.texts.size(), 1u) << "one end message for the sequence";
  }
  EXPECT_EQ(dialogsMade, 1);
  std::vector<std::string> words;
  for (const TPromptSeen& s : Seen()) words.push_back(s.word);
  EXPECT_EQ(words, (std::vector<std::string>{"zza", "zzb", "zzc", "zzd"}));

  // Modal and immediate: the dialog is up before any word is read.
  engine->SetDialogShowModal(true);
  engine->SetDialogShowImmediate(true);
  bool upBeforeTheFirstWord = false;
  engine->OnSpellDialogShow = [&](TVexlorSpell3Base*) { upBeforeTheFirstWord = dialog->seen.empty(); };
  memo->SetText("teh dog");
  answers = {"ChangeButton"};
  TMessageBoxAnswerer user;
  engine->CheckWinControl(memo->Handle(), ctAll);
  EXPECT_TRUE(upBeforeTheFirstWord);
  EXPECT_EQ(memo->Text(), "the dog");
  EXPECT_FALSE(engine->Checking());
  EXPECT_EQ(user.texts.size(), 1u);

  // A text with no mistakes: the check ends before the dialog would appear,
  // so it never does; the end message is all the user sees.
  bool dialogAppeared = false;
  engine->OnCreateSpellDialog = [&dialogAppeared, prev = engine->OnCreateSpellDialog](
                                    TVexlorSpell3Base* s, TCustomForm*& f, bool create) {
    prev(s, f, create);
    if (create) f->OnShow = [&dialogAppeared](TCustomForm*) { dialogAppeared = true; };
  };
  const size_t messagesBefore = user.texts.size();
  engine->CheckWinControl(memo->Handle(), ctAll);
  EXPECT_FALSE(engine->Checking());
  EXPECT_FALSE(dialogAppeared) << "the dialog flashed up";
  EXPECT_FALSE(shownDialogs.back()->Visible());
  EXPECT_TRUE(shownDialogs.back()->seen.empty());
  EXPECT_EQ(user.texts.size(), messagesBefore + 1);
}

// ---- The live-spelling popup menu ----------------------------------------------

// Reads the open popup menu's entries ("text", "text (off)", "-",
// "text >" for a sub-menu), then chooses the entry with the given text.
class TMenuUser {
 public:
  explicit TMenuUser(std::string choice) : choice_(std::move(choice)) {
    instance_ = this;
    timer_ = ::SetTimer(nullptr, 0, 50, &Tick);
  }
  ~TMenuUser() {
    ::KillTimer(nullptr, timer_);
    instance_ = nullptr;
  }
  std::vector<std::string> entries;
  std::vector<std::string> subEntries;

 private:
  static std::vector<std::string> Read(HMENU menu, int& chosenIndex, const std::string& choice,
                                       HMENU& sub) {
    std::vector<std::string> out;
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
      char text[256] = {};
      MENUITEMINFOA info = {};
      info.cbSize = sizeof info;
      info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_SUBMENU | MIIM_STRING;
      info.dwTypeData = text;
      info.cch = sizeof text;
      ::GetMenuItemInfoA(menu, i, TRUE, &info);
      std::string entry = (info.fType & MFT_SEPARATOR) ? "-" : text;
      if ((info.fState & MFS_DISABLED) && entry != "-") entry += " (off)";
      if (info.hSubMenu) {
        entry += " >";
        sub = info.hSubMenu;
      }
      if (text == choice) chosenIndex = i;
      out.push_back(entry);
    }
    return out;
  }
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    TMenuUser* self = instance_;
    if (self == nullptr || !self->entries.empty()) return;
    HWND popup = ::FindWindowA("#32768", nullptr);
    if (popup == nullptr) return;
    HMENU menu = reinterpret_cast<HMENU>(::SendMessageA(popup, MN_GETHMENU, 0, 0));
    if (menu == nullptr) return;
    int chosen = -1;
    HMENU sub = nullptr;
    self->entries = Read(menu, chosen, self->choice_, sub);
    int ignored = -1;
    HMENU none = nullptr;
    if (sub != nullptr) self->subEntries = Read(sub, ignored, std::string(), none);
    // The keyboard picks the entry: Down moves to each entry in turn,
    // disabled ones included, and skips separators.
    if (chosen < 0) {
      ::PostMessageA(popup, WM_KEYDOWN, VK_ESCAPE, 0);
      return;
    }
    for (int i = 0; i <= chosen; ++i) {
      if (!(::GetMenuState(menu, i, MF_BYPOSITION) & MF_SEPARATOR)) ::PostMessageA(popup, WM_KEYDOWN, VK_DOWN, 0);
    }
    ::PostMessageA(popup, WM_KEYDOWN, VK_RETURN, 0);
  }
  static TMenuUser* instance_;
  std::string choice_;
  UINT_PTR timer_;
};
TMenuUser* TMenuUser::instance_ = nullptr;

TEST_F(SpellDialogHostWin, PopupMenuShowsRealEntriesAndReportsTheChoice) {
  const TSpellPopupOptions all{spReplace, spIgnore, spIgnoreAll, spAdd, spChangeAll, spAutoCorrect, spDialog};
  const TRect r = host->BoundsRect();
  {
    // Suggestions and an active custom dictionary: every entry, sub-menus.
    TMenuUser user("cat");
    std::string word = "cta";
    EXPECT_EQ(engine->ShowPopupMenu(host.get(), all, r.Left + 20, r.Top + 40, word), spReplace);
    EXPECT_EQ(word, "cat");
    ASSERT_GE(user.entries.size(), 8u);
    EXPECT_EQ(user.entries[0], "cat");
    EXPECT_EQ(user.entries.back(), "&Spelling ...");
    EXPECT_NE(std::find(user.entries.begin(), user.entries.end(), "A&uto Correct >"), user.entries.end());
    EXPECT_FALSE(engine->PopupActive());
  }
  {
    // No suggestions, no active custom dictionary: a disabled entry, Add
    // disabled, no sub-menus; choosing Ignore leaves the word.
    engine->SetConfigDefaultActiveCustom("");
    engine->Configuration()->SetActiveCustom("");
    std::string ignoreText;
    engine->GetString(lsMenuIgnore, ignoreText);
    TMenuUser user(ignoreText);
    std::string word = "qqqqxz";
    EXPECT_EQ(engine->ShowPopupMenu(host.get(), all, r.Left + 20, r.Top + 40, word), spIgnore);
    EXPECT_EQ(word, "qqqqxz");
    ASSERT_GE(user.entries.size(), 4u);
    EXPECT_EQ(user.entries[0], "(no suggestions) (off)");
    EXPECT_EQ(user.entries[1], "-");
    for (const std::string& e : user.entries) EXPECT_EQ(e.find('>'), std::string::npos) << e;
  }
}

}  // namespace
