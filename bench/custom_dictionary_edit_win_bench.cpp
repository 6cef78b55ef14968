// Speed of the custom dictionary edit dialog on a large dictionary: opening
// it and filling each page, and one keystroke in each word box.
#include <windows.h>

#include <psapi.h>

#include <chrono>
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

// Average ms per character typed at the end of the box.
double Keystrokes(TEdit* edit, const std::string& start) {
  edit->SetText(start);
  const auto t = Clock::now();
  for (int i = 0; i < kKeystrokes; ++i) {
    const LRESULT length = ::SendMessageA(edit->Handle(), WM_GETTEXTLENGTH, 0, 0);
    ::SendMessageA(edit->Handle(), EM_SETSEL, length, length);
    ::SendMessageA(edit->Handle(), WM_CHAR, i % 2 ? VK_BACK : 'q', 0);
  }
  return MsSince(t) / kKeystrokes;
}

// Average ms per letter typed into a list for its type-ahead, each letter
// after a pause so that it starts a new search.
double TypeAhead(TControl* list) {
  const char letters[] = "wmqzaew";
  const auto t = Clock::now();
  for (int i = 0; i < kKeystrokes; ++i) {
    ::SendMessageA(list->Handle(), WM_CHAR, letters[i % 7], 0);
  }
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

  // The same dialog over an empty dictionary: what the form itself costs.
  {
    std::unique_ptr<TCustomDictionary> empty = engine.OpenCustomDictionary("Empty.vlu");
    t = Clock::now();
    auto form = std::make_unique<TCustomDictionaryEditDialog>(nullptr);
    engine.AttachDialogControl(form.get(), empty.get());
    const double made = MsSince(t);
    t = Clock::now();
    form->Show();
    const double shown = MsSince(t);
    t = Clock::now();
    form->Find<TPageControl>("PageControl")->SetActivePageIndex(1);
    std::printf(
        "empty dictionary, for scale:  making the form %.1f ms, showing it %.1f ms,"
        " the auto-correct page %.1f ms\n",
        made, shown, MsSince(t));
  }

  const double before = WorkingSetMb();
  t = Clock::now();
  auto form = std::make_unique<TCustomDictionaryEditDialog>(nullptr);
  engine.AttachDialogControl(form.get(), dictionary.get());
  const double made = MsSince(t);
  const auto shown = Clock::now();
  form->Show();  // fills the added words page
  std::printf(
      "open and fill the added words page:  %7.1f ms (%d items; making the form %.1f ms,"
      " showing and filling %.1f ms)\n",
      MsSince(t), form->Added.List->Count(), made, MsSince(shown));

  auto* pages = form->Find<TPageControl>("PageControl");
  t = Clock::now();
  pages->SetActivePageIndex(1);
  std::printf("fill the auto-correct page:          %7.1f ms (%d rows)\n", MsSince(t),
              form->Find<TListView>("AutoCorrectList")->Count());
  dictionary->AddExclude("excludedword");
  t = Clock::now();
  pages->SetActivePageIndex(2);
  std::printf("fill the excluded words page:        %7.1f ms (%d items)\n", MsSince(t),
              form->Excluded.List->Count());
  std::printf("working set of the open dialog:      %7.1f MB (before it: %.1f MB)\n",
              WorkingSetMb(), before);

  // What the control's messages cost on this machine, for scale.
  t = Clock::now();
  for (int i = 0; i < kIgnored; ++i) ::SendMessageA(form->Added.List->Handle(), LB_GETCOUNT, 0, 0);
  std::printf("%d bare list box messages:        %7.1f ms\n", kIgnored, MsSince(t));

  pages->SetActivePageIndex(0);
  std::printf("keystroke, added words box:          %7.3f ms (word absent)\n",
              Keystrokes(form->Added.Edit, "zzz"));
  std::printf("keystroke, added words box:          %7.3f ms (found and selected)\n",
              Keystrokes(form->Added.Edit, Word(kIgnored / 2, "w")));
  std::printf("letter typed in the added words list: %6.3f ms (type-ahead)\n",
              TypeAhead(form->Added.List));
  pages->SetActivePageIndex(1);
  std::printf("keystroke, auto-correct Replace box: %7.3f ms (found and selected)\n",
              Keystrokes(form->Find<TEdit>("ReplaceEdit"), Word(kPairs / 2, "p")));
  form->Find<TEdit>("ReplaceEdit")->SetText(Word(kPairs / 3, "p"));
  std::printf("keystroke, auto-correct With box:    %7.3f ms (pair rewritten)\n",
              Keystrokes(form->Find<TEdit>("WithEdit"), Word(kPairs / 3, "r")));
  std::printf("letter typed in the auto-correct list: %5.3f ms (type-ahead)\n",
              TypeAhead(form->Find<TListView>("AutoCorrectList")));
  form.reset();
  dictionary->ClearAll();
  dictionary.reset();
  for (const std::string& f : Platform::FindFiles(folder + "\\*"))
    Platform::DeleteFile(folder + "\\" + f);
  Platform::RemoveDirectory(folder);
  return 0;
}
