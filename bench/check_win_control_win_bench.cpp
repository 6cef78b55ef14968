// Speed of a silent check of a real rich edit and of a plain edit through the
// window-control parser, beside CheckString over the same text, and the
// messages and characters the reading costs.
#include <richedit.h>
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "vl3Codepage.h"
#include "vl3ParseEngine.h"
#include "vl3Platform.h"
#include "vl3SpellBase.h"
#include "vl3StringList.h"
#include "vl3WinAPIParser.h"

namespace {

constexpr size_t kDefaultLines = 5000;
constexpr int kRuns = 3;

// The first `wanted` lines of prose of the fortunes package (files in name
// order), in the Western code page, joined with CR LF.
std::string FortuneProse(const std::string& folder, size_t wanted) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE search = ::FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return "";
  do {
    const std::string name = found.cFileName;
    const bool folderEntry = found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
    const auto endsWith = [&](const char* tail) {
      const std::string t = tail;
      return name.size() >= t.size() && name.compare(name.size() - t.size(), t.size(), t) == 0;
    };
    if (!folderEntry && !endsWith(".dat") && !endsWith(".u8") && !endsWith("art"))
      names.push_back(name);
  } while (::FindNextFileA(search, &found));
  ::FindClose(search);
  std::sort(names.begin(), names.end());

  std::string text;
  size_t lines = 0;
  for (const std::string& name : names) {
    std::string raw, ansi;
    if (!Platform::ReadWholeFile(folder + "\\" + name, raw)) continue;
    Codepage::FromUtf8(raw, 1252, ansi);
    size_t at = 0;
    while (at < ansi.size() && lines < wanted) {
      size_t end = ansi.find('\n', at);
      if (end == std::string::npos) end = ansi.size();
      std::string line = ansi.substr(at, end - at);
      at = end + 1;
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (line.empty() || line == "%") continue;
      text += line + "\r\n";
      ++lines;
    }
    if (lines == wanted) break;
  }
  return text;
}

// Wall-clock seconds of one call.
double Seconds(const std::function<void()>& check) {
  const auto start = std::chrono::steady_clock::now();
  check();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The messages that reached the control: all of them, and each edit message
// by its number with the time the control took to answer it.
struct TMessageCounts {
  size_t all = 0;
  std::map<UINT, size_t> edit;
  std::map<UINT, double> editSeconds;
  size_t charsAsked = 0;  // by the messages that copy text
};

// Counts through a subclass of the control's window procedure while it lives.
class TMessageCounter {
 public:
  TMessageCounter(HWND control, TMessageCounts& counts) : control_(control), counts_(counts) {
    ::SetPropA(control, "VxMessageCounter", this);
    previous_ = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc)));
  }
  ~TMessageCounter() {
    ::SetWindowLongPtrA(control_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
    ::RemovePropA(control_, "VxMessageCounter");
  }

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
    auto* counter = static_cast<TMessageCounter*>(::GetPropA(hwnd, "VxMessageCounter"));
    TMessageCounts& counts = counter->counts_;
    ++counts.all;
    const bool reading =
        message == WM_GETTEXT || message == WM_GETTEXTLENGTH || message == EM_GETTEXTRANGE;
    if (!reading && (message < EM_GETSEL || message > EM_GETIMESTATUS))
      return ::CallWindowProcA(counter->previous_, hwnd, message, w, l);
    ++counts.edit[message];
    if (message == EM_GETTEXTRANGE) {
      const auto* range = reinterpret_cast<const TEXTRANGEA*>(l);
      counts.charsAsked += static_cast<size_t>(range->chrg.cpMax - range->chrg.cpMin);
    } else if (message == WM_GETTEXT) {
      counts.charsAsked += static_cast<size_t>(w);
    }
    LRESULT result = 0;
    counts.editSeconds[message] +=
        Seconds([&] { result = ::CallWindowProcA(counter->previous_, hwnd, message, w, l); });
    return result;
  }
  HWND control_;
  TMessageCounts& counts_;
  WNDPROC previous_ = nullptr;
};

// A silent engine with the American dictionary and no custom dictionary,
// answering every prompt with Ignore All; its configuration is loaded
// before it is timed.
std::unique_ptr<TVexlorSpell3Base> MakeEngine(const std::string& american, size_t& prompts) {
  auto engine = std::make_unique<TVexlorSpell3Base>();
  engine->SetConfigStorage(csNone);
  engine->SetSuggestionsLearning(false);
  engine->SetConfigDefaultActiveCustom("");
  TStringList mains;
  mains.Add(american);
  engine->SetConfigDefaultMain(mains);
  engine->SetKeepDictionariesActive(true);
  engine->OnPromptWord = [&prompts](TVexlorSpell3Base* sender, const std::string&, bool repeated) {
    ++prompts;
    // Ignore All does not apply to a repeated word.
    if (repeated)
      sender->IgnoreRepeated();
    else
      sender->IgnoreAll();
  };
  std::string warmUp = "warm";
  engine->CheckString(warmUp);
  prompts = 0;
  return engine;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

const char* EditMessageName(UINT message) {
  switch (message) {
    case EM_GETSEL:
      return "EM_GETSEL";
    case EM_SETSEL:
      return "EM_SETSEL";
    case EM_SCROLLCARET:
      return "EM_SCROLLCARET";
    case EM_LINESCROLL:
      return "EM_LINESCROLL";
    case EM_GETLINECOUNT:
      return "EM_GETLINECOUNT";
    case EM_LINEINDEX:
      return "EM_LINEINDEX";
    case EM_LINEFROMCHAR:
      return "EM_LINEFROMCHAR";
    case EM_REPLACESEL:
      return "EM_REPLACESEL";
    case EM_GETLINE:
      return "EM_GETLINE";
    case EM_GETFIRSTVISIBLELINE:
      return "EM_GETFIRSTVISIBLELINE";
    case EM_POSFROMCHAR:
      return "EM_POSFROMCHAR";
    case EM_GETTEXTRANGE:
      return "EM_GETTEXTRANGE";
    case WM_GETTEXT:
      return "WM_GETTEXT";
    case WM_GETTEXTLENGTH:
      return "WM_GETTEXTLENGTH";
    default:
      return "other";
  }
}

}  // namespace

// The optional argument is the number of lines.
int main(int argc, char** argv) {
  const size_t wanted = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : kDefaultLines;
  const std::string american = std::string(VX_DATA_DIR) + "\\American.vlm";
  if (!Platform::FileExists(american)) {
    std::fprintf(stderr, "check_win_control_win_bench: %s is missing (build the vx_data target)\n",
                 american.c_str());
    return 1;
  }
  const std::string text = FortuneProse("Z:\\usr\\share\\games\\fortunes", wanted);
  if (text.empty()) {
    std::fprintf(stderr, "check_win_control_win_bench: no fortunes text (./vx setup)\n");
    return 1;
  }

  ::LoadLibraryA("riched20.dll");
  HWND form = ::CreateWindowExA(0, "STATIC", "Bench", WS_POPUP | WS_VISIBLE, 0, 0, 640, 480,
                                nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
  std::printf("text: the first %zu lines of the fortunes prose, %zu bytes\n", wanted, text.size());
  // The same text in a rich edit and in a plain multi-line edit, neither
  // wrapping its lines.
  for (const char* className : {"RichEdit20A", "EDIT"}) {
    const bool richEdit = std::string(className) != "EDIT";
    HWND control =
        ::CreateWindowExA(0, className, "",
                          WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE |
                              ES_AUTOVSCROLL | ES_AUTOHSCROLL,
                          0, 0, 640, 480, form, nullptr, ::GetModuleHandleA(nullptr), nullptr);
    if (richEdit) {
      ::SendMessageA(control, EM_EXLIMITTEXT, 0, 0x7FFFFFFF);
      ::SendMessageA(control, EM_SETTARGETDEVICE, 0, 1);  // one line per paragraph: no wrapping
    } else {
      ::SendMessageA(control, EM_SETLIMITTEXT, 0x7FFFFFFE, 0);
    }
    ::SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    const LRESULT lines = ::SendMessageA(control, EM_GETLINECOUNT, 0, 0);

    std::vector<double> controlRates, readingRates, stringRates;
    size_t controlPrompts = 0, stringPrompts = 0, repeatPrompts = 0;
    int32_t words = 0;
    TMessageCounts counts, readCounts;  // of the last run's two checks
    for (int run = 0; run < kRuns; ++run) {
      // Fresh engines, so that every run answers the same prompts.
      auto engine = MakeEngine(american, controlPrompts);
      counts = TMessageCounts();
      double seconds = 0;
      {
        TMessageCounter counter(control, counts);
        seconds = Seconds([&] { engine->CheckParser(new TWinAPIControlParser(control), ctAll); });
      }
      words = engine->WordsChecked();
      controlRates.push_back(words / seconds);
      // Again with the same engine: the words answered before now pass, so
      // this is the cost of reading the control alone.
      const size_t answered = controlPrompts;
      readCounts = TMessageCounts();
      double readSeconds = 0;
      {
        TMessageCounter counter(control, readCounts);
        readSeconds =
            Seconds([&] { engine->CheckParser(new TWinAPIControlParser(control), ctAll); });
      }
      readingRates.push_back(engine->WordsChecked() / readSeconds);
      repeatPrompts = controlPrompts - answered;
      controlPrompts = answered;

      auto stringEngine = MakeEngine(american, stringPrompts);
      std::string copy = text;
      const double stringSeconds = Seconds([&] { stringEngine->CheckString(copy); });
      stringRates.push_back(stringEngine->WordsChecked() / stringSeconds);
    }

    std::printf("\n%s: %d lines, %d words, %zu prompts (answered with Ignore All)\n", className,
                static_cast<int>(lines), words, controlPrompts);
    std::printf("CheckParser over the control: median %.0f words/s (wall clock, %d runs)\n",
                Median(controlRates), kRuns);
    std::printf("the same check again, answered words now pass: median %.0f words/s (%zu prompts)\n",
                Median(readingRates), repeatPrompts);
    std::printf("CheckString over the same text:        median %.0f words/s (%zu prompts)\n",
                Median(stringRates), stringPrompts);
    // A text without mistakes: an engine that does not look for repeated
    // words learns the text's unknown words from the string first, so that
    // neither check below stops anywhere.
    size_t cleanPrompts = 0;
    auto clean = MakeEngine(american, cleanPrompts);
    clean->Configuration()->SetSpellOptions(
        clean->Configuration()->GetSpellOptions().Exclude(soRepeated));
    std::string learn = text;
    clean->CheckString(learn);
    cleanPrompts = 0;
    std::vector<double> cleanControl, cleanString;
    for (int run = 0; run < kRuns; ++run) {
      cleanControl.push_back(Seconds([&] {
        clean->CheckParser(new TWinAPIControlParser(control), ctAll);
      }));
      cleanControl.back() = clean->WordsChecked() / cleanControl.back();
      std::string copy = text;
      cleanString.push_back(Seconds([&] { clean->CheckString(copy); }));
      cleanString.back() = clean->WordsChecked() / cleanString.back();
    }
    std::printf("without mistakes (%zu prompts): control %.0f words/s, string %.0f words/s, "
                "control against string %.2f\n",
                cleanPrompts, Median(cleanControl), Median(cleanString),
                Median(cleanControl) / Median(cleanString));

    // The words alone, through a parsing engine without filters.
    int32_t parsed = 0;
    const double parseSeconds = Seconds([&] {
      TWinAPIControlParser parser(control);
      TMainParsingEngine engine;
      engine.Initialize(&parser, ctAll);
      std::string word;
      for (engine.GetNextWord(word); !word.empty(); engine.GetNextWord(word)) ++parsed;
    });
    std::printf("the words of the control through a parsing engine alone: %.0f words/s\n",
                parsed / parseSeconds);
    std::printf("reading the control against the string: %.2f\n",
                Median(readingRates) / Median(stringRates));
    for (const TMessageCounts* c : {&counts, &readCounts}) {
      size_t editMessages = 0;
      for (const auto& [message, count] : c->edit) editMessages += count;
      std::printf("%s: %.2f edit messages per line, %.2f messages of any kind, %.2f characters "
                  "asked for per character of text\n",
                  c == &counts ? "first check" : "check again", double(editMessages) / lines,
                  double(c->all) / lines, double(c->charsAsked) / text.size());
      for (const auto& [message, count] : c->edit)
        std::printf("  %-22s %8zu  (%.2f per line, %.1f us each)\n", EditMessageName(message),
                    count, double(count) / lines, 1e6 * c->editSeconds.at(message) / count);
    }
    ::DestroyWindow(control);
  }
  ::DestroyWindow(form);
  return 0;
}
