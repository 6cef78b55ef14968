// Response of the standard spelling dialog: the time from a press of its
// Ignore button to the next misspelled word shown in it, over a rich edit of
// 5,000 lines with a misspelling every third line (median, 95th percentile).
#include <windows.h>

#include <richedit.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "vl3Application_win.h"
#include "vl3Platform.h"
#include "vl3RichEditBox_win.h"
#include "vl3Spell.h"
#include "vl3SpellDialog.h"
#include "vl3StringList.h"

namespace {

constexpr int kLines = 5000;
constexpr int kMisspellingEvery = 3;

const char* const kWords[] = {
    "the",   "quick",  "brown",   "fox",    "jumps",  "over",    "lazy",    "dog",     "while",
    "every", "garden", "morning", "letter", "should", "arrive", "before",  "evening", "because",
    "our",   "small",  "village", "keeps",  "its",    "river",  "bright",  "under",   "cloudy",
    "sky",   "people", "often",   "write",  "about",  "simple", "things",  "they",    "notice"};
constexpr int kWordCount = sizeof kWords / sizeof kWords[0];

// Ten words a line; every third line carries one word with two letters
// swapped, in a different place each time.
std::string Document() {
  std::string text;
  int next = 0;
  for (int line = 0; line < kLines; ++line) {
    for (int i = 0; i < 10; ++i) {
      std::string word = kWords[next++ % kWordCount];
      if (line % kMisspellingEvery == 0 && i == line % 10 && word.size() >= 4) std::swap(word[1], word[2]);
      text += (i ? " " : "") + word;
    }
    text += ".\r\n";
  }
  return text;
}

double Percentile(std::vector<double> v, double p) {
  std::sort(v.begin(), v.end());
  return v[static_cast<size_t>(p * (v.size() - 1))];
}

}  // namespace

int main() {
  const std::string american = std::string(VX_DATA_DIR) + "\\American.vlm";
  if (!Platform::FileExists(american)) {
    std::fprintf(stderr, "spell_dialog_win_bench: %s is missing (build the vx_data target)\n", american.c_str());
    return 1;
  }
  Application().Initialize();
  TForm host;
  host.SetBounds(0, 0, 700, 400);
  auto* rich = new TRichEdit(&host);
  rich->SetBounds(0, 0, host.ClientWidth(), host.ClientHeight());
  ::SendMessageA(rich->Handle(), EM_EXLIMITTEXT, 0, 0x7FFFFFFF);
  rich->SetText(Document());
  host.Show();

  auto* engine = new TVexlorSpell3(&host);
  engine->SetConfigStorage(csNone);
  TStringList mains;
  mains.Add(american);
  engine->SetConfigDefaultMain(mains);
  engine->SetConfigDefaultActiveCustom("");
  engine->SetSuggestionsLearning(false);
  engine->SetSynchronousCheck(false);
  engine->SetEndMessage(emNever);
  engine->CheckWinControl(rich->Handle(), ctAll);

  // Each press returns once the component has moved on and the dialog shows
  // the next word; painting it is part of showing it.
  std::vector<double> milliseconds;
  while (engine->Checking()) {
    auto* dialog = dynamic_cast<TSpellDialog*>(engine->SpellDialog());
    if (dialog == nullptr) break;
    const auto start = std::chrono::steady_clock::now();
    ::SendMessageA(dialog->IgnoreButton->Handle(), BM_CLICK, 0, 0);
    if (engine->Checking()) ::UpdateWindow(dialog->Handle());
    milliseconds.push_back(
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    Application().ProcessMessages();
  }
  if (milliseconds.empty()) {
    std::fprintf(stderr, "spell_dialog_win_bench: the check showed no word\n");
    return 1;
  }
  std::printf("rich edit of %d lines, a misspelling every %d lines: %zu presses of Ignore\n", kLines,
              kMisspellingEvery, milliseconds.size());
  std::printf("press to next word shown: median %.2f ms, 95th percentile %.2f ms, slowest %.2f ms\n",
              Percentile(milliseconds, 0.5), Percentile(milliseconds, 0.95), Percentile(milliseconds, 1.0));
  return 0;
}
