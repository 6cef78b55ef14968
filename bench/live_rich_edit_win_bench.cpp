// Live spelling in a real rich edit under the system: a full repaint with
// cold caches, one with warm caches, and one typed character from key press
// to finished repaint, in documents of 1,000, 10,000 and 100,000 lines, next
// to the same figures for a plain rich edit (the floor live spelling adds to).
#include <windows.h>

#include <richedit.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "vl3Application_win.h"
#include "vl3Form_win.h"
#include "vl3RichEdit.h"
#include "vl3SpellBase.h"

namespace {

// Two misspellings in every eight lines.
const char* const kProse[] = {
    "The garden was quiet in the early morning, and the roses were still wet.",
    "She walked along the path to the old wall where the ivy grew thick.",
    "A small bird sang from the top of the apple tree near the gate.",
    "Nobody had opened the greenhouse since the storm at the end of summer.",
    "He remembered the afternoon they planted the first row of beans tehre.",
    "The leters from the village arrived every Tuesday with the baker.",
    "In the evening the light turned golden over the fields and the river.",
    "They talked about the harvest, the weather and the price of seed."};

constexpr int kRounds = 9;

double Ms(std::chrono::steady_clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

void Repaint(HWND wnd) { ::RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW); }

struct TFigures {
  double Cold = 0, Warm = 0, Typed = 0, MarksCold = 0, MarksWarm = 0;
};

// Scrolls so that Line is the first visible line and puts the caret in the
// fifth line below it.
int32_t ShowFrom(HWND wnd, int32_t line) {
  ::SendMessageA(wnd, EM_SETSEL, 0, 0);
  ::SendMessageA(wnd, EM_SCROLLCARET, 0, 0);
  ::SendMessageA(wnd, EM_LINESCROLL, 0, line);
  const LRESULT at = ::SendMessageA(wnd, EM_LINEINDEX, line + 5, 0) + 20;
  ::SendMessageA(wnd, EM_SETSEL, at, at);
  Repaint(wnd);
  Application().ProcessMessages();
  return static_cast<int32_t>(at);
}

TFigures Measure(HWND wnd, TVexlorRichEdit* live, int32_t firstLine) {
  TFigures f;
  std::vector<double> cold, warm, typed, marksCold, marksWarm;
  const int32_t at = ShowFrom(wnd, firstLine);
  for (int round = 0; round < kRounds; ++round) {
    if (live) live->Live()->InvalidateCaches();
    auto t0 = std::chrono::steady_clock::now();
    Repaint(wnd);
    cold.push_back(Ms(std::chrono::steady_clock::now() - t0));
    t0 = std::chrono::steady_clock::now();
    Repaint(wnd);
    warm.push_back(Ms(std::chrono::steady_clock::now() - t0));
    if (live) {
      // Our part alone: checking and drawing the marks without the
      // control's own paint.
      live->Live()->InvalidateCaches();
      t0 = std::chrono::steady_clock::now();
      live->Live()->DrawMarksOnWindow();
      marksCold.push_back(Ms(std::chrono::steady_clock::now() - t0));
      t0 = std::chrono::steady_clock::now();
      live->Live()->DrawMarksOnWindow();
      marksWarm.push_back(Ms(std::chrono::steady_clock::now() - t0));
      Repaint(wnd);
    }
    // A letter typed in the fifth visible line, then taken back.
    ::SendMessageA(wnd, EM_SETSEL, at, at);
    Application().ProcessMessages();
    t0 = std::chrono::steady_clock::now();
    ::SendMessageA(wnd, WM_KEYDOWN, 'X', 1);
    ::SendMessageA(wnd, WM_CHAR, 'x', 1);
    ::SendMessageA(wnd, WM_KEYUP, 'X', 1 | (3u << 30));
    Application().ProcessMessages();
    ::UpdateWindow(wnd);
    typed.push_back(Ms(std::chrono::steady_clock::now() - t0));
    ::SendMessageA(wnd, EM_SETSEL, at, at + 1);
    ::SendMessageA(wnd, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(""));
    Application().ProcessMessages();
  }
  f.Cold = Median(cold);
  f.Warm = Median(warm);
  f.Typed = Median(typed);
  if (live) {
    f.MarksCold = Median(marksCold);
    f.MarksWarm = Median(marksWarm);
  }
  return f;
}

double Load(TRichEdit* edit, const std::string& text) {
  const auto t0 = std::chrono::steady_clock::now();
  edit->LoadFromText(text);
  return Ms(std::chrono::steady_clock::now() - t0) / 1000.0;
}

}  // namespace

int main(int argc, char** argv) {
  // --quick leaves out the 100,000-line document (Wine's rich edit takes
  // some ten seconds to load it into each window).
  const bool quick = argc > 1 && std::string(argv[1]) == "--quick";
  TVexlorSpell3Base speller;
  speller.SetConfigStorage(csNone);
  speller.SetSuggestionsLearning(false);
  TStringList folders, mains;
  folders.Add(VX_DATA_DIR);
  mains.Add("American.vlm");
  speller.SetConfigDictionaryDir(folders);
  speller.SetConfigDefaultMain(mains);
  speller.SetConfigDefaultActiveCustom("");
  speller.IsWordCorrect("the");

  std::printf("All times in ms (medians of %d rounds); load in s. 'plain' is the system's rich edit alone,\n"
              "'live' the live-spelling one, 'marks' our checking and drawing alone. 'top': the document's\n"
              "start in view, 'middle': its middle line at the top of the window.\n\n",
              kRounds);
  std::printf("%-7s %-6s | %7s %7s %7s | %7s %7s %7s | %7s %7s | %s\n", "lines", "view", "plain", "plain", "plain",
              "live", "live", "live", "marks", "marks", "load s");
  std::printf("%-7s %-6s | %7s %7s %7s | %7s %7s %7s | %7s %7s | %s\n", "", "", "cold", "warm", "typed", "cold",
              "warm", "typed", "cold", "warm", "plain/live");
  std::vector<int> sizes = {1000, 10000};
  if (!quick) sizes.push_back(100000);
  for (int lines : sizes) {
    std::string text;
    text.reserve(static_cast<size_t>(lines) * 76);
    for (int i = 0; i < lines; ++i) {
      text += kProse[i % 8];
      text += "\r\n";
    }
    // Side by side, so that neither covers the other: a plain rich edit and
    // the live-spelling one, of the same size. Fresh windows for each
    // document: Wine's rich edit takes minutes to replace a long text that
    // was scrolled to its middle, but seconds to fill an empty window.
    TForm plainForm, liveForm;
    plainForm.SetBounds(0, 0, 640, 620);
    liveForm.SetBounds(640, 0, 640, 620);
    auto* plain = new TRichEdit(&plainForm, &plainForm);
    auto* edit = new TVexlorRichEdit(&liveForm, &liveForm);
    plain->SetBounds(4, 4, 620, 40 * 13 + 8);
    edit->SetBounds(4, 4, 620, 40 * 13 + 8);
    edit->SetVexlorSpell(&speller);
    plainForm.Show();
    liveForm.Show();
    Application().ProcessMessages();
    HWND plainWnd = plain->Handle(), liveWnd = edit->Handle();
    const double loadPlain = Load(plain, text);
    const double loadLive = Load(edit, text);
    for (int32_t first : {0, lines / 2}) {
      const TFigures p = Measure(plainWnd, nullptr, first);
      const TFigures l = Measure(liveWnd, edit, first);
      std::printf("%-7d %-6s | %7.2f %7.2f %7.2f | %7.2f %7.2f %7.2f | %7.2f %7.2f | %.1f/%.1f\n", lines,
                  first == 0 ? "top" : "middle", p.Cold, p.Warm, p.Typed, l.Cold, l.Warm, l.Typed, l.MarksCold,
                  l.MarksWarm, loadPlain, loadLive);
      std::fflush(stdout);
    }
  }
  return 0;
}
