// Synchronous checks of real windows: the keys a user types into the
// modeless spelling dialog while the check waits, and grid cells whose
// corrections make a repeated word.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "vl3Application_win.h"
#include "vl3DesktopLock_win.h"
#include "vl3DictionaryCompiler.h"
#include "vl3Form_win.h"
#include "vl3Grid.h"
#include "vl3Platform.h"
#include "vl3Spell.h"
#include "vl3SpellDialog.h"
#include "vl3StringGrid_win.h"
#include "vl3StringList.h"

namespace {

[[maybe_unused]] TDesktopLock& desktop = HoldDesktop();

void Pump() {
  for (int i = 0; i < 3; ++i) Application().ProcessMessages();
}

// A key as the keyboard queues it for the focused window: key down, then
// key up (the character follows from the key down's translation).
void PostKey(UINT vk) {
  HWND focus = ::GetFocus();
  const LPARAM scan = static_cast<LPARAM>(::MapVirtualKeyA(vk, 0)) << 16;
  ::PostMessageA(focus, WM_KEYDOWN, vk, scan | 1);
  ::PostMessageA(focus, WM_KEYUP, vk, scan | 1 | 0xC0000000);
}

// Runs one step of a scripted user each time the synchronous check's wait
// has nothing else to do: a timer message comes only when the queue is
// empty, so the keys of one step are handled before the next step runs.
class TIdleScript {
 public:
  explicit TIdleScript(std::function<bool(int step)> step) : step_(std::move(step)) {
    instance_ = this;
    timer_ = ::SetTimer(nullptr, 0, 30, &Tick);
  }
  ~TIdleScript() {
    ::KillTimer(nullptr, timer_);
    instance_ = nullptr;
  }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (instance_ == nullptr || instance_->done_) return;
    instance_->done_ = !instance_->step_(instance_->steps_++);
  }
  static TIdleScript* instance_;
  std::function<bool(int)> step_;  // false once the script is over
  int steps_ = 0;
  bool done_ = false;
  UINT_PTR timer_;
};
TIdleScript* TIdleScript::instance_ = nullptr;

class SynchronousCheckWin : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = Platform::TempDirectory() + "\\vxsync_" + std::to_string(::GetCurrentProcessId());
    Platform::CreateDirectory(folder);
    TDictionaryCompiler compiler;
    for (const char* w : {"the", "cat", "act", "a", "dog", "sat", "mat", "Name"}) compiler.AddWord(w);
    std::string error;
    ASSERT_TRUE(compiler.CompileToFile(TDictionaryCompileOptions(), folder + "\\Test.vlm", error)) << error;
    Platform::SetMessageBoxHook([](const std::string&, const std::string&, uint32_t) { return Platform::kIdOk; });
  }
  void TearDown() override {
    Platform::SetMessageBoxHook(nullptr);
    for (const char* f : {"Test.vlm", "User.vlu"}) Platform::DeleteFile(folder + "\\" + f);
    Platform::RemoveDirectory(folder);
  }

  void SetUpSpell(TVexlorSpell3Base& spell) {
    spell.SetConfigStorage(csNone);
    spell.SetSuggestionsLearning(false);
    TStringList folders, mains;
    folders.Add(folder);
    mains.Add("Test.vlm");
    spell.SetConfigDictionaryDir(folders);
    spell.SetConfigDefaultMain(mains);
    spell.SetConfigDefaultActiveCustom("User.vlu");
    spell.SetEndMessage(emNever);
  }

  // A shown form with a memo to check.
  static TMemo* ShowHost(TForm& host) {
    host.SetCaption("Host");
    host.SetBounds(40, 40, 420, 200);
    auto* memo = new TMemo(&host);
    memo->SetBounds(8, 8, 380, 120);
    host.Show();
    Pump();
    return memo;
  }

  std::string folder;
};

}  // namespace

// While a synchronous check waits in its own message pumping, the modeless
// spelling dialog answers Tab, Enter and Escape as any dialog does.
TEST_F(SynchronousCheckWin, ModelessDialogTakesDialogKeysWhileTheCheckWaits) {
  TForm host;
  TMemo* memo = ShowHost(host);
  TVexlorSpell3 spell(&host);
  SetUpSpell(spell);
  spell.SetUIType(suiDialog);
  ASSERT_TRUE(spell.SynchronousCheck());
  ASSERT_FALSE(spell.DialogShowModal());
  std::vector<std::string> prompts;
  spell.OnPromptWord = [&](TVexlorSpell3Base*, const std::string& word, bool) { prompts.push_back(word); };

  HWND start = nullptr, afterTab = nullptr, expectedAfterTab = nullptr;
  bool reachedIgnore = false, stillWaiting = false;
  int tabs = 0;
  TIdleScript user([&](int step) -> bool {
    auto* dialog = dynamic_cast<TSpellDialog*>(spell.SpellDialog());
    if (step > 40 || !spell.Checking() || dialog == nullptr) {
      // The keys did not end the check: end it, so the test does not wait.
      stillWaiting = spell.Checking();
      if (stillWaiting) spell.Cancel();
      return false;
    }
    if (step == 0) {
      // The user clicks into the replacement edit and presses Tab.
      ::SetForegroundWindow(dialog->Handle());
      ::SetFocus(dialog->ReplaceWithEdit->Handle());
      start = ::GetFocus();
      expectedAfterTab = ::GetNextDlgTabItem(dialog->Handle(), start, FALSE);
      PostKey(VK_TAB);
      ++tabs;
      return true;
    }
    if (afterTab == nullptr) afterTab = ::GetFocus();
    if (prompts.size() == 1) {
      // Tab on to the Ignore button and press it with Enter.
      if (::GetFocus() == dialog->IgnoreButton->Handle()) {
        reachedIgnore = true;
        PostKey(VK_RETURN);
      } else if (tabs < 8) {
        PostKey(VK_TAB);
        ++tabs;
      }
      return true;
    }
    // The next word is up: Escape cancels the check.
    PostKey(VK_ESCAPE);
    return true;
  });
  memo->SetText("the cta zzq sat");
  spell.CheckWinControl(memo->Handle(), ctAll);

  EXPECT_NE(start, nullptr);
  EXPECT_NE(afterTab, start) << "Tab moved the focus";
  EXPECT_EQ(afterTab, expectedAfterTab);
  EXPECT_TRUE(reachedIgnore) << "Tab reached the Ignore button";
  EXPECT_EQ(prompts, (std::vector<std::string>{"cta", "zzq"})) << "Enter pressed Ignore";
  EXPECT_FALSE(stillWaiting) << "Escape cancelled the check";
  EXPECT_FALSE(spell.Checking());
  EXPECT_TRUE(spell.Cancelled());
  EXPECT_EQ(memo->Text(), "the cta zzq sat");
  Pump();
}

// The program is closed while a synchronous check waits for the user: the
// check is cancelled and returns, and the quit stays queued for the
// program's own loop (it used to be re-queued for ever, and the program never
// ended).
TEST_F(SynchronousCheckWin, QuittingTheProgramEndsAWaitingCheck) {
  TForm host;
  TMemo* memo = ShowHost(host);
  TVexlorSpell3 spell(&host);
  SetUpSpell(spell);
  spell.SetUIType(suiDialog);
  int steps = 0;
  TIdleScript user([&](int step) -> bool {
    steps = step + 1;
    if (step == 0 && spell.Checking()) {
      ::PostQuitMessage(7);
      return true;
    }
    if (spell.Checking()) spell.Cancel();  // the quit did not end it
    return false;
  });
  memo->SetText("the cta zzq sat");
  spell.CheckWinControl(memo->Handle(), ctAll);

  EXPECT_EQ(steps, 1) << "the check ended with the quit, not by the script's Cancel";
  EXPECT_FALSE(spell.Checking());
  EXPECT_TRUE(spell.Cancelled());
  MSG quit;
  ASSERT_TRUE(::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the quit is kept";
  EXPECT_EQ(quit.wParam, 7u);
}

// A correction in a cell that makes a repeated word ("zorb sat" becomes
// "sat sat") is prompted once as a repetition; a host that answers every
// word it does not know with Ignore All moves the check on. The prompts are
// counted so that a check that keeps coming back fails instead of waiting.
TEST_F(SynchronousCheckWin, GridCorrectionThatMakesARepetitionIsPromptedOnce) {
  TForm form;
  form.SetBounds(60, 60, 420, 260);
  auto grid = std::make_unique<TStringGrid>(&form, &form);
  grid->SetBounds(8, 8, 380, 200);
  grid->SetColCount(2);
  grid->SetRowCount(4);
  grid->SetOptions(grid->Options().Include(TGridOption::goEditing));
  form.Show();
  Pump();
  const char* column[] = {"Name", "zorb sat", "a dog", "mat mat"};
  for (int32_t r = 0; r < 4; ++r) grid->SetCells(1, r, column[r]);

  TVexlorSpell3Base spell;
  SetUpSpell(spell);
  std::vector<std::string> prompts;
  const std::map<std::string, std::string> changes = {{"zorb", "sat"}};
  spell.OnPromptWord = [&](TVexlorSpell3Base* sender, const std::string& word, bool repeated) {
    prompts.push_back(repeated ? "[" + word + "]" : word);
    if (prompts.size() > 6) {
      ADD_FAILURE() << "the check keeps coming back";
      sender->Cancel();
    } else if (changes.count(word)) {
      sender->Change(changes.at(word));
    } else {
      sender->IgnoreAll();
    }
  };

  // An answer that leaves the check waiting lets the wait run idle: then
  // the test ends the check itself instead of waiting with it.
  bool leftWaiting = false;
  size_t promptsAtLastTick = 0;
  int idleTicks = 0;
  TIdleScript watchdog([&](int) -> bool {
    if (!spell.Checking() || prompts.size() != promptsAtLastTick) {
      promptsAtLastTick = prompts.size();
      idleTicks = 0;
    } else if (++idleTicks > 10) {
      leftWaiting = true;
      spell.Cancel();
    }
    return true;
  });

  TVexlorStringGridHelper helper;
  helper.BeginCheck(grid.get());
  spell.StartSequenceCheck();
  helper.CheckColumn(&spell, 1);
  spell.StopSequenceCheck();
  helper.EndCheck();
  EXPECT_FALSE(leftWaiting) << "an answer left the check waiting";
  EXPECT_FALSE(spell.Checking());
  EXPECT_FALSE(spell.Cancelled());
  EXPECT_EQ(prompts, (std::vector<std::string>{"zorb", "[sat sat]", "[mat mat]"}));
  EXPECT_EQ(grid->Cells(1, 1), "sat sat");
  EXPECT_EQ(grid->Cells(1, 3), "mat mat");
  grid.reset();
}
