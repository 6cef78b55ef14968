// Live spelling in a real rich edit under the system: a full repaint with
// cold caches, one with warm caches, and one typed character from key press
// to finished repaint, in documents of 1,000, 10,000 (and with --large
// 100,000) lines.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "vl3Application_win.h"
#include "vl3Form_win.h"
#include "vl3RichEdit.h"
#include "vl3SpellBase.h"

namespace {

const char* const kProse[] = {
    "The garden was quiet in the early morning, and the roses were still wet.",
    "She walked along the path to the old wall where the ivy grew thick.",
    "A small bird sang from the top of the apple tree near the gate.",
    "Nobody had opened the greenhouse since the storm at the end of summer.",
    "He remembered the afternoon they planted the first row of beans tehre.",
    "The letters from the village arrived every Tuesday with the baker.",
    "In the evening the light turned golden over the fields and the river.",
    "They talked about the harvest, the weather and the price of seed."};

double Ms(std::chrono::steady_clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

void Repaint(HWND wnd) { ::RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW); }

}  // namespace

int main(int argc, char** argv) {
  // The 100,000-line document takes the rich edit itself minutes to load
  // under Wine; it is measured only when asked for.
  const bool large = argc > 1 && std::string(argv[1]) == "--large";
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

  TForm form;
  form.SetBounds(0, 0, 640, 620);
  auto* edit = new TVexlorRichEdit(&form, &form);
  edit->SetBounds(4, 4, 620, 40 * 13 + 8);
  edit->SetVexlorSpell(&speller);
  form.Show();
  Application().ProcessMessages();
  HWND wnd = edit->Handle();

  std::printf("%-8s %10s %10s %12s %8s\n", "lines", "cold ms", "warm ms", "typed ms", "visible");
  std::vector<int> sizes = {1000, 10000};
  if (large) sizes.push_back(100000);
  for (int lines : sizes) {
    std::string text;
    text.reserve(static_cast<size_t>(lines) * 76);
    for (int i = 0; i < lines; ++i) {
      text += kProse[i % 8];
      text += "\r\n";
    }
    ::SendMessageA(wnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    ::SendMessageA(wnd, EM_SETSEL, 0, 0);
    Repaint(wnd);
    Application().ProcessMessages();
    std::vector<double> cold, warm, typed;
    for (int round = 0; round < 7; ++round) {
      edit->Live()->InvalidateCaches();
      auto t0 = std::chrono::steady_clock::now();
      Repaint(wnd);
      cold.push_back(Ms(std::chrono::steady_clock::now() - t0));
      t0 = std::chrono::steady_clock::now();
      Repaint(wnd);
      warm.push_back(Ms(std::chrono::steady_clock::now() - t0));
      // A letter typed at the end of the fifth line, then taken back.
      const LRESULT at = ::SendMessageA(wnd, EM_LINEINDEX, 5, 0) + 20;
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
    const LRESULT first = ::SendMessageA(wnd, EM_GETFIRSTVISIBLELINE, 0, 0);
    POINTL bottom = {0, 0};
    int visible = 0;
    for (LRESULT l = first;; ++l) {
      const LRESULT idx = ::SendMessageA(wnd, EM_LINEINDEX, l, 0);
      if (idx < 0) break;
      ::SendMessageA(wnd, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&bottom), idx);
      if (bottom.y > edit->ClientRect().Height()) break;
      ++visible;
    }
    std::printf("%-8d %10.2f %10.2f %12.2f %8d\n", lines, Median(cold), Median(warm), Median(typed), visible);
    std::fflush(stdout);
  }
  return 0;
}
