// Speed of the custom dictionary edit dialog on a large dictionary: opening
// it and filling each page, and one keystroke in each word box.
#include <windows.h>

#include <psapi.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

#include "vl3Application_win.h"
#include "vl3ConfigurationDialogCtrl.h"
#include "vl3CustomDictionary.h"
#include "vl3CustomDictionaryEditDialog.h"
#include "vl3ListView_win.h"
#include "vl3PageControl_win.h"
#include "vl3Platform.h"
#include "vl3SpellBase.h"

namespace {

constexpr int kIgnored = 50000;
constexpr int kPairs = 10000;
constexpr int kKeystrokes = 200;

using Clock = std::chrono::steady_clock;
double MsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Distinct made-up words in no particular order.
std::string Word(int n, const char* prefix) {
  std::string w = prefix;
  unsigned v = static_cast<unsigned>(n) * 2654435761u;
  for (int i = 0; i < 6; ++i, v /= 26) w += static_cast<char>('a' + v % 26);
  return w + std::to_string(n);
}

// Messages sent to this thread's windows (all the controls' work goes
// through them) and the thread's own processor time: on a loaded machine
// these say more than the clock.
int sentMessages = 0;
double lastMessages = 0;  // per key, of the last keys typed
LRESULT CALLBACK CountSent(int code, WPARAM wp, LPARAM lp) {
  if (code == HC_ACTION) ++sentMessages;
  return ::CallNextHookEx(nullptr, code, wp, lp);
}

double CpuMs() {
  FILETIME created, ended, kernel, user;
  if (!::GetThreadTimes(::GetCurrentThread(), &created, &ended, &kernel, &user)) return 0;
  auto ms = [](const FILETIME& f) {
    return ((static_cast<uint64_t>(f.dwHighDateTime) << 32) | f.dwLowDateTime) / 1e4;
  };
  return ms(kernel) + ms(user);
}

// One measured step: wall time, processor time and messages.
class TPhase {
 public:
  TPhase() : start_(Clock::now()), cpu_(CpuMs()), messages_(sentMessages) {}
  void Print(const char* what, const std::string& note) const {
    std::printf("%-38s %8.1f ms, %7.1f ms processor, %6d messages (%s)\n", what, MsSince(start_),
                CpuMs() - cpu_, sentMessages - messages_, note.c_str());
  }

 private:
  Clock::time_point start_;
  double cpu_;
  int messages_;
};

// Average ms per character typed at the end of the box.
double Keystrokes(TEdit* edit, const std::string& start) {
  edit->SetText(start);
  const int messages = sentMessages;
  const auto t = Clock::now();
  for (int i = 0; i < kKeystrokes; ++i) {
    const LRESULT length = ::SendMessageA(edit->Handle(), WM_GETTEXTLENGTH, 0, 0);
    ::SendMessageA(edit->Handle(), EM_SETSEL, length, length);
    ::SendMessageA(edit->Handle(), WM_CHAR, i % 2 ? VK_BACK : 'q', 0);
  }
  lastMessages = static_cast<double>(sentMessages - messages) / kKeystrokes;
  return MsSince(t) / kKeystrokes;
}

// Prints the time and messages of one key, from the last keys typed.
void PerKey(const char* what, double ms) {
  std::printf("%-58s %7.3f ms, %5.1f messages\n", what, ms, lastMessages);
}

// Average ms per letter typed into a list for its type-ahead, each letter
// after a pause so that it starts a new search.
double TypeAhead(TControl* list) {
  const char letters[] = "wmqzaew";
  const int messages = sentMessages;
  const auto t = Clock::now();
  for (int i = 0; i < kKeystrokes; ++i) {
    ::SendMessageA(list->Handle(), WM_CHAR, letters[i % 7], 0);
  }
  lastMessages = static_cast<double>(sentMessages - messages) / kKeystrokes;
  return MsSince(t) / kKeystrokes;
}

double WorkingSetMb() {
  PROCESS_MEMORY_COUNTERS counters = {};
  counters.cb = sizeof counters;
  if (!::K32GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof counters)) return 0;
  return counters.WorkingSetSize / (1024.0 * 1024.0);
}

}  // namespace

int main() {
  Application().Initialize();
  const std::string folder =
      Platform::TempDirectory() + "\\vxeditbench_" + std::to_string(::GetCurrentProcessId());
  Platform::CreateDirectory(folder);
  TVexlorSpell3Base engine(nullptr);
  engine.SetConfigStorage(csNone);
  TStringList folders;
  folders.Add(folder);
  engine.SetConfigDictionaryDir(folders);

  std::unique_ptr<TCustomDictionary> dictionary = engine.OpenCustomDictionary("Large.vlu");
  if (!dictionary) return 1;
  auto t = Clock::now();
  for (int i = 0; i < kIgnored; ++i) dictionary->AddIgnore(Word(i, "w"));
  for (int i = 0; i < kPairs; ++i) dictionary->AddAutoCorrect(Word(i, "p"), Word(i, "r"));
  std::printf("dictionary of %d ignore entries and %d pairs built in %.0f ms\n",
              dictionary->CountIgnored(), dictionary->CountAutoCorrect(), MsSince(t));

  t = Clock::now();
  size_t bytes = 0;
  for (int i = 0; i < kIgnored; ++i) bytes += dictionary->IgnoreWordAt(i).size();
  for (int i = 0; i < kPairs; ++i) {
    std::string word, replacement;
    dictionary->AutoCorrectAt(i, word, replacement);
    bytes += word.size();
  }
  std::printf("reading every entry by index:        %7.1f ms (%zu bytes)\n", MsSince(t), bytes);

  HHOOK hook = ::SetWindowsHookExA(WH_CALLWNDPROC, &CountSent, nullptr, ::GetCurrentThreadId());

  // The same dialog over an empty dictionary: what the form itself costs.
  {
    std::unique_ptr<TCustomDictionary> empty = engine.OpenCustomDictionary("Empty.vlu");
    TPhase phase;
    auto form = std::make_unique<TCustomDictionaryEditDialog>(nullptr);
    engine.AttachDialogControl(form.get(), empty.get());
    phase.Print("empty dictionary: make the form", "for scale");
    TPhase shown;
    form->Show();
    shown.Print("empty dictionary: show it", "for scale");
    TPhase page;
    form->Find<TPageControl>("PageControl")->SetActivePageIndex(1);
    page.Print("empty dictionary: auto-correct page", "for scale");
  }

  const double before = WorkingSetMb();
  TPhase made;
  auto form = std::make_unique<TCustomDictionaryEditDialog>(nullptr);
  engine.AttachDialogControl(form.get(), dictionary.get());
  made.Print("make the form", "");
  TPhase shown;
  form->Show();  // fills the added words page
  shown.Print("show it, filling the added words page",
              std::to_string(form->Added.List->Count()) + " items");

  auto* pages = form->Find<TPageControl>("PageControl");
  TPhase autoCorrect;
  pages->SetActivePageIndex(1);
  autoCorrect.Print("fill the auto-correct page",
                    std::to_string(form->Find<TListView>("AutoCorrectList")->Count()) + " rows");
  dictionary->AddExclude("excludedword");
  TPhase excluded;
  pages->SetActivePageIndex(2);
  excluded.Print("fill the excluded words page",
                 std::to_string(form->Excluded.List->Count()) + " items");
  std::printf("working set of the open dialog:      %7.1f MB (before it: %.1f MB)\n",
              WorkingSetMb(), before);

  // What the control's messages cost on this machine, for scale.
  constexpr int kBare = 5000;
  t = Clock::now();
  for (int i = 0; i < kBare; ++i) ::SendMessageA(form->Added.List->Handle(), LB_GETCOUNT, 0, 0);
  std::printf("one bare list box message:           %7.3f ms\n", MsSince(t) / kBare);

  pages->SetActivePageIndex(0);
  PerKey("keystroke, added words box (word absent)", Keystrokes(form->Added.Edit, "zzz"));
  PerKey("keystroke, added words box (found and selected)",
         Keystrokes(form->Added.Edit, Word(kIgnored / 2, "w")));
  PerKey("letter typed in the added words list (type-ahead)", TypeAhead(form->Added.List));
  pages->SetActivePageIndex(1);
  PerKey("keystroke, auto-correct Replace box (found and selected)",
         Keystrokes(form->Find<TEdit>("ReplaceEdit"), Word(kPairs / 2, "p")));
  form->Find<TEdit>("ReplaceEdit")->SetText(Word(kPairs / 3, "p"));
  PerKey("keystroke, auto-correct With box (pair rewritten)",
         Keystrokes(form->Find<TEdit>("WithEdit"), Word(kPairs / 3, "r")));
  PerKey("letter typed in the auto-correct list (type-ahead)",
         TypeAhead(form->Find<TListView>("AutoCorrectList")));
  ::UnhookWindowsHookEx(hook);
  form.reset();
  dictionary->ClearAll();
  dictionary.reset();
  for (const std::string& f : Platform::FindFiles(folder + "\\*"))
    Platform::DeleteFile(folder + "\\" + f);
  Platform::RemoveDirectory(folder);
  return 0;
}
