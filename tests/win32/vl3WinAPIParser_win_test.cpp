// The window-control parser on real edit, memo and rich-edit controls: line
// reading, bounds, edits, geometry, and silent checks that correct real text.
#include <gtest/gtest.h>
#include <richedit.h>
#include <windows.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "vl3DictionaryCompiler.h"
#include "vl3Platform.h"
#include "vl3SpellBase.h"
#include "vl3StringList.h"
#include "vl3WinAPIParser.h"

namespace {

constexpr DWORD kMemoStyle =
    WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL;
constexpr DWORD kLineStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL;

// A visible top-level window holding the controls of one test.
class THostForm {
 public:
  THostForm() {
    ::LoadLibraryA("riched32.dll");  // "RICHEDIT"
    ::LoadLibraryA("riched20.dll");  // "RichEdit20A"
    WNDCLASSA wc = {};
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "VxParserTestForm";
    ::RegisterClassA(&wc);  // a second registration fails harmlessly
    // Shown without activation: nothing waits for the focus to arrive.
    form_ = ::CreateWindowExA(WS_EX_TOOLWINDOW, wc.lpszClassName, "Parser", WS_POPUP, 20, 30, 700,
                              500, nullptr, nullptr, wc.hInstance, nullptr);
    ::ShowWindow(form_, SW_SHOWNOACTIVATE);
  }
  ~THostForm() { ::DestroyWindow(form_); }

  HWND Add(const char* className, DWORD style, const std::string& text, int height = 120) {
    HWND control = ::CreateWindowExA(0, className, "", style, 10, 10 + top_, 400, height, form_,
                                     nullptr, ::GetModuleHandleA(nullptr), nullptr);
    top_ += height + 5;
    ::SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    return control;
  }

 private:
  HWND form_ = nullptr;
  int top_ = 0;
};

// The control's lines as it reports them, without their line ends, joined
// by '|': the same for every kind of control.
std::string LinesOf(HWND control) {
  std::string lines;
  const LRESULT count = ::SendMessageA(control, EM_GETLINECOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    char line[1024] = {};
    *reinterpret_cast<WORD*>(line) = sizeof line - 1;
    const LRESULT n = ::SendMessageA(control, EM_GETLINE, i, reinterpret_cast<LPARAM>(line));
    std::string text(line, static_cast<size_t>(n));
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n')) text.pop_back();
    lines += (i ? "|" : "") + text;
  }
  return lines;
}

// Records the edit messages (EM_GETSEL to EM_GETIMESTATUS) that reach a
// control, through a subclass of its window procedure.
class TMessageLog {
 public:
  struct TSent {
    UINT message;
    WPARAM w;
    LPARAM l;
  };
  explicit TMessageLog(HWND control) : control_(control) {
    ::SetPropA(control, "VxMessageLog", this);
    previous_ = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc)));
  }
  ~TMessageLog() {
    ::SetWindowLongPtrA(control_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
    ::RemovePropA(control_, "VxMessageLog");
  }
  int Count(UINT message) const {
    int n = 0;
    for (const TSent& s : sent)
      if (s.message == message) ++n;
    return n;
  }
  std::vector<TSent> sent;

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
    auto* log = static_cast<TMessageLog*>(::GetPropA(hwnd, "VxMessageLog"));
    if (message >= EM_GETSEL && message <= EM_GETIMESTATUS) log->sent.push_back({message, w, l});
    return ::CallWindowProcA(log->previous_, hwnd, message, w, l);
  }
  HWND control_;
  WNDPROC previous_ = nullptr;
};

// The bytes of the rest of the text from the parser's position, until
// MoveNext fails (at most `limit`).
std::string ReadOn(TWinAPIControlParser& parser, size_t limit = 200) {
  std::string read;
  do read += parser.GetChar();
  while (read.size() < limit && parser.MoveNext());
  return read;
}

// Rich edits copy their paragraph mark with each line; the parser appends
// CR LF after whatever the control copied.
struct TControlCase {
  const char* className;
  DWORD style;
  std::string copiedLineEnd;
};
const TControlCase kMultiLineControls[] = {
    {"EDIT", kMemoStyle, ""}, {"RICHEDIT", kMemoStyle, "\r\n"}, {"RichEdit20A", kMemoStyle, "\r"}};

}  // namespace

TEST(WinAPIControlParser, ReadsEveryLineWithCrLfAndMovesBackAcrossLineEnds) {
  THostForm host;
  for (const TControlCase& c : kMultiLineControls) {
    SCOPED_TRACE(c.className);
    HWND memo = host.Add(c.className, c.style, "ab\r\ncd");
    TMessageLog log(memo);
    TWinAPIControlParser parser(memo);

    const std::string lineEnd = c.copiedLineEnd + "\r\n";
    std::string line;
    parser.GetLine(line);
    EXPECT_EQ(line, "ab" + lineEnd);
    // One read of the line and of the line count serve every byte of it.
    EXPECT_EQ(ReadOn(parser), "ab" + lineEnd + "cd" + lineEnd);
    EXPECT_EQ(log.Count(EM_GETLINE), 2);
    EXPECT_EQ(log.Count(EM_GETLINECOUNT), 3);  // Initialize, then once per line

    parser.SetPosition(0, 1, ppCurrent);
    EXPECT_EQ(parser.GetChar(), 'c');
    EXPECT_TRUE(parser.MovePrevious());
    int32_t x = 0, y = 0;
    parser.GetPosition(x, y);
    EXPECT_EQ(y, 0);
    EXPECT_EQ(x, static_cast<int32_t>(line.size()) - 1) << "the LF appended to line 0";
    EXPECT_EQ(parser.GetChar(), '\n');

    parser.SetPosition(0, 0, ppCurrent);
    EXPECT_FALSE(parser.MovePrevious());
    parser.GetPosition(x, y);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
  }

  HWND edit = host.Add("EDIT", kLineStyle, "ab", 24);
  TWinAPIControlParser parser(edit);
  EXPECT_EQ(ReadOn(parser), std::string("ab\r\n")) << "the line count of a single-line edit is 1";
  EXPECT_EQ(parser.GetChar(), '\0');
}

TEST(WinAPIControlParser, EndBoundStopsAtItsColumnAndFollowsReplacementsOnItsLine) {
  THostForm host;
  for (const TControlCase& c : kMultiLineControls) {
    SCOPED_TRACE(c.className);
    HWND memo = host.Add(c.className, c.style, "one\r\ntwo teh\r\nzap teh cat\r\nfour");
    TWinAPIControlParser parser(memo);
    // A selection check whose end lies at the end of line 1.
    parser.SetPosition(7, 1, ppEnd);
    parser.SetPosition(0, 1, ppCurrent);
    EXPECT_EQ(ReadOn(parser), "two teh\r");

    // Replacing "teh" keeps the bound on the text: same length, then longer.
    parser.SetPosition(7, 1, ppCurrent);
    parser.SelectWord(3);
    parser.ReplaceWord("the", 0);
    EXPECT_EQ(ReadOn(parser), "\r") << "the end column is still 7";
    parser.SetPosition(7, 1, ppCurrent);
    parser.SelectWord(3);
    parser.ReplaceWord("tech", 0);
    EXPECT_EQ(ReadOn(parser), "\r") << "the bound moved one column right";

    // A much longer replacement: reading goes on with the rest of its line.
    TWinAPIControlParser rest(memo);
    rest.SetPosition(7, 2, ppCurrent);
    EXPECT_EQ(rest.GetChar(), ' ');
    rest.SelectWord(3);
    rest.ReplaceWord("thereabouts", 0);
    const std::string lineEnd = c.copiedLineEnd + "\r\n";
    EXPECT_EQ(ReadOn(rest, 4 + lineEnd.size() + 2), " cat" + lineEnd + "fo");
    EXPECT_EQ(LinesOf(memo), "one|two tech|zap thereabouts cat|four");
  }
}

TEST(WinAPIControlParser, ClassNamesDecideTheControlKind) {
  for (const char* name : {"TRichEdit", "TMemo"}) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = name;
    ::RegisterClassA(&wc);
  }
  THostForm host;
  const std::map<std::string, TEditControlKind> kinds = {{"RichEdit20A", ekRichEdit2},
                                                         {"RICHEDIT", ekRichEdit},
                                                         {"TRichEdit", ekRichEdit},
                                                         {"TMemo", ekEdit},
                                                         {"EDIT", ekEdit}};
  for (const auto& [name, kind] : kinds) {
    HWND control = host.Add(name.c_str(), WS_CHILD | WS_VISIBLE, "");
    ASSERT_NE(control, nullptr) << name;
    EXPECT_EQ(TWinAPIControlParser(control).ControlKind(), kind) << name;
  }
}

TEST(WinAPIControlParser, PositionsComeInTheFormEachControlKindUnderstands) {
  THostForm host;
  for (const TControlCase& c : kMultiLineControls) {
    SCOPED_TRACE(c.className);
    HWND memo = host.Add(c.className, c.style, "alpha beta\r\ngamma");
    TWinAPIControlParser parser(memo);
    TMessageLog log(memo);
    TPoint first, second;
    parser.GetCharPos(6, first);
    const int32_t next = static_cast<int32_t>(::SendMessageA(memo, EM_LINEINDEX, 1, 0));
    parser.GetCharPos(next, second);
    EXPECT_GT(first.X, second.X) << "\"beta\" lies right of the start of line 1";
    EXPECT_GT(second.Y, first.Y) << "line 1 lies below line 0";

    ASSERT_EQ(log.Count(EM_POSFROMCHAR), 2);
    auto sent = *std::find_if(log.sent.begin(), log.sent.end(), [](const TMessageLog::TSent& m) {
      return m.message == EM_POSFROMCHAR;
    });
    if (parser.ControlKind() == ekRichEdit) {
      EXPECT_EQ(sent.l, 6) << "the character index goes in L";
      EXPECT_NE(sent.w, 0u) << "W is the address of the point";
    } else {
      EXPECT_EQ(sent.w, 6u);
      EXPECT_EQ(sent.l, 0);
    }
  }
}

TEST(WinAPIControlParser, SelectionRectOfAWordInALargeFontRichEdit) {
  THostForm host;
  HWND rich = host.Add("RichEdit20A", kMemoStyle, "Large words here\r\nsecond line", 220);
  CHARFORMATA format = {};
  format.cbSize = sizeof format;
  format.dwMask = CFM_SIZE;
  format.yHeight = 40 * 20;  // 40 points, in twips
  ::SendMessageA(rich, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));

  TWinAPIControlParser parser(rich);
  parser.SetPosition(11, 0, ppCurrent);
  parser.SelectWord(5);  // "words"
  DWORD s = 0, e = 0;
  ::SendMessageA(rich, EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
  EXPECT_EQ(s, 6u);
  EXPECT_EQ(e, 11u);

  auto screenPos = [&](DWORD index) {
    const DWORD packed = static_cast<DWORD>(::SendMessageA(rich, EM_POSFROMCHAR, index, 0));
    POINT p = {LOWORD(packed), HIWORD(packed)};
    ::ClientToScreen(rich, &p);
    return p;
  };
  TRect r;
  parser.GetSelectionRect(r);
  // The large font wraps the first line; the next line is whatever follows.
  const LRESULT next = ::SendMessageA(rich, EM_LINEINDEX, 1, 0);
  const POINT start = screenPos(6), end = screenPos(11),
              below = screenPos(static_cast<DWORD>(next));
  EXPECT_EQ(r.Left, start.x);
  EXPECT_EQ(r.Top, start.y);
  EXPECT_EQ(r.Right, end.x);
  EXPECT_EQ(r.Bottom, below.y) << "down to the top of the next line";
  EXPECT_GT(r.Height(), 40) << "taller than a line of the window's own font";
  EXPECT_GT(r.Width(), 50);

  TRect control;
  parser.GetControlRect(control);
  RECT window;
  ::GetWindowRect(rich, &window);
  POINT origin = {0, 0};
  ::ClientToScreen(rich, &origin);
  EXPECT_EQ(control, (TRect{origin.x, origin.y, origin.x + window.right - window.left,
                            origin.y + window.bottom - window.top}));
  EXPECT_TRUE(control.Intersects(r));
}

TEST(WinAPIControlParser, CenterSelectionBringsTheWordsLineToTheMiddle) {
  THostForm host;
  std::string text;
  for (int i = 0; i < 100; ++i) text += "line " + std::to_string(i) + "\r\n";
  HWND memo = host.Add("EDIT", kMemoStyle, text, 160);
  TWinAPIControlParser parser(memo);
  parser.SetPosition(7, 60, ppCurrent);
  parser.SelectWord(2);  // "60"
  parser.CenterSelection();
  const LRESULT first = ::SendMessageA(memo, EM_GETFIRSTVISIBLELINE, 0, 0);
  EXPECT_GT(first, 45);
  EXPECT_LT(first, 60);
  DWORD s = 0, e = 0;
  ::SendMessageA(memo, EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
  EXPECT_EQ(e - s, 2u) << "the selection is restored";
  int32_t sx, sy, ex, ey;
  parser.GetSelection(sx, sy, ex, ey);
  EXPECT_EQ(sx, 5);
  EXPECT_EQ(sy, 60);
  EXPECT_EQ(ex, 7);
  EXPECT_EQ(ey, 60);
  parser.GetCursorPosition(sx, sy);
  EXPECT_EQ(sx, 5);
  EXPECT_EQ(sy, 60);
}

// ---- Checks through the engine ------------------------------------------------

namespace {

// A silent engine over a small dictionary in a private folder; prompts are
// answered from a table of changes, every other word with Ignore All.
class TSilentChecker {
 public:
  TSilentChecker() {
    folder_ = Platform::TempDirectory() + "\\vxparser_" + std::to_string(::GetCurrentProcessId());
    Platform::CreateDirectory(folder_);
    TDictionaryCompiler compiler;
    for (const char* w : {"the", "cat", "sat", "on", "mat", "fox", "a", "dog", "ran"})
      compiler.AddWord(w);
    std::string error;
    EXPECT_TRUE(compiler.CompileToFile(TDictionaryCompileOptions(), folder_ + "\\Test.vlm", error))
        << error;

    engine.SetConfigStorage(csNone);
    engine.SetSuggestionsLearning(false);
    TStringList folders, mains;
    folders.Add(folder_);
    mains.Add("Test.vlm");
    engine.SetConfigDictionaryDir(folders);
    engine.SetConfigDefaultMain(mains);
    engine.SetConfigDefaultActiveCustom("");
    engine.OnPromptWord = [this](TVexlorSpell3Base* sender, const std::string& word, bool) {
      prompts.push_back(word);
      if (changes.count(word))
        sender->Change(changes[word]);
      else if (changesAll.count(word))
        sender->ChangeAll(changesAll[word]);  // not read again
      else
        sender->IgnoreAll();
    };
  }
  ~TSilentChecker() {
    Platform::DeleteFile(folder_ + "\\Test.vlm");
    Platform::RemoveDirectory(folder_);
  }

  TVexlorSpell3Base engine;
  std::map<std::string, std::string> changes = {{"teh", "the"}};
  std::map<std::string, std::string> changesAll = {{"wrng", "wrongheadedly"}};
  std::vector<std::string> prompts;

 private:
  std::string folder_;
};

}  // namespace

TEST(WinAPIControlParser, SilentChecksCorrectRealControlsThroughWindowMessages) {
  THostForm host;
  struct TCheckCase {
    const char* className;
    DWORD style;
    const char* text;
    const char* corrected;
    std::vector<std::string> prompts;
    int32_t checked;  // words replaced with Change are read again
    int32_t counted;
  };
  // "wrng" is replaced by a word longer than its whole line.
  const std::vector<std::string> memoPrompts = {"teh", "zorb", "wrng", "qwv"};
  const char* memoText = "teh cat zorb\r\nwrng qwv\r\nzorb ran";
  const char* memoCorrected = "the cat zorb|wrongheadedly qwv|zorb ran";
  const TCheckCase cases[] = {
      {"EDIT",
       kLineStyle,
       "teh cat sat on teh mat",
       "the cat sat on the mat",
       {"teh", "teh"},
       8,
       6},
      {"EDIT", kMemoStyle, memoText, memoCorrected, memoPrompts, 8, 7},
      {"RICHEDIT", kMemoStyle, memoText, memoCorrected, memoPrompts, 8, 7},
      {"RichEdit20A", kMemoStyle, memoText, memoCorrected, memoPrompts, 8, 7},
  };
  for (const TCheckCase& c : cases) {
    SCOPED_TRACE(c.className);
    TSilentChecker checker;
    HWND control = host.Add(c.className, c.style, c.text, 80);
    checker.engine.CheckParser(new TWinAPIControlParser(control), ctAll);
    EXPECT_FALSE(checker.engine.Checking());
    EXPECT_EQ(LinesOf(control), c.corrected);
    EXPECT_EQ(checker.prompts, c.prompts);
    EXPECT_EQ(checker.engine.WordsChecked(), c.checked);
    DWORD s = 1, e = 1;
    ::SendMessageA(control, EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
    EXPECT_EQ(s, 0u) << "the caret goes home at the end";
    EXPECT_EQ(e, 0u);
    EXPECT_EQ(checker.engine.WordCountParser(new TWinAPIControlParser(control), ctAll), c.counted);
  }
}

TEST(WinAPIControlParser, ASelectionCheckReadsOnlyTheSelectedWords) {
  THostForm host;
  TSilentChecker checker;
  HWND memo = host.Add("RichEdit20A", kMemoStyle, "qa teh\r\nqb teh qc\r\nteh qd");
  // From inside "qb" to the end of line 1; the word under the start counts whole.
  const LRESULT line1 = ::SendMessageA(memo, EM_LINEINDEX, 1, 0);
  ::SendMessageA(memo, EM_SETSEL, line1 + 1, line1 + 9);
  checker.engine.CheckParser(new TWinAPIControlParser(memo), ctSelected);
  EXPECT_EQ(checker.prompts, (std::vector<std::string>{"qb", "teh", "qc"}));
  EXPECT_EQ(LinesOf(memo), "qa teh|qb the qc|teh qd");
  EXPECT_EQ(checker.engine.WordCountParser(new TWinAPIControlParser(memo), ctFromCursor), 0);
}

namespace {

// Every line as the control copies it, each followed by CR LF: what the
// parser must read, however it reads the control.
std::string CopiedLines(HWND control) {
  std::string all;
  const LRESULT count = ::SendMessageA(control, EM_GETLINECOUNT, 0, 0);
  std::vector<char> line(20000);
  for (LRESULT i = 0; i < count; ++i) {
    *reinterpret_cast<WORD*>(line.data()) = static_cast<WORD>(line.size() - 1);
    const LRESULT n = ::SendMessageA(control, EM_GETLINE, i, reinterpret_cast<LPARAM>(line.data()));
    all.append(line.data(), static_cast<size_t>(std::max<LRESULT>(n, 0)));
    all += "\r\n";
  }
  return all;
}

// Lines of varied lengths, empty ones among them, some longer than a 400
// pixel wide control.
std::string ManyLines(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) {
    if (i % 7 == 3) {
      text += "\r\n";
      continue;
    }
    text += "line " + std::to_string(i) + std::string(static_cast<size_t>(i % 5), ' ') + "word";
    for (int w = 0; w < i % 23; ++w) text += " more";
    text += "\r\n";
  }
  return text + "the end";
}

}  // namespace

TEST(WinAPIControlParser, ReadsLongTextsInRangesWithTheSameBytesAsLineByLine) {
  THostForm host;
  struct TReadCase {
    const char* className;
    DWORD style;
    bool inRanges;  // wrapped lines are read one at a time
  };
  const TReadCase cases[] = {{"EDIT", kMemoStyle | ES_AUTOHSCROLL | WS_HSCROLL, true},
                             {"RICHEDIT", kMemoStyle | ES_AUTOHSCROLL | WS_HSCROLL, true},
                             {"RichEdit20A", kMemoStyle | ES_AUTOHSCROLL | WS_HSCROLL, true},
                             {"EDIT", kMemoStyle, false}};
  const std::string text = ManyLines(400);
  for (const TReadCase& c : cases) {
    SCOPED_TRACE(c.className + std::string(c.inRanges ? "" : " wrapping"));
    HWND memo = host.Add(c.className, c.style, "", 60);
    ::SendMessageA(memo, EM_SETLIMITTEXT, 0x7FFFFFFE, 0);
    ::SendMessageA(memo, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    const int lines = static_cast<int>(::SendMessageA(memo, EM_GETLINECOUNT, 0, 0));
    const std::string expected = CopiedLines(memo);
    ASSERT_GE(lines, 400);

    TMessageLog log(memo);
    TWinAPIControlParser parser(memo);
    EXPECT_EQ(ReadOn(parser, expected.size() + 10), expected);
    if (c.inRanges)
      EXPECT_LT(log.Count(EM_GETLINE), 20) << "of " << lines << " lines";
    else
      EXPECT_GT(lines, 400) << "the long lines wrap";

    // Backwards over a line end from a position set anew.
    std::vector<char> copied(20000);
    *reinterpret_cast<WORD*>(copied.data()) = static_cast<WORD>(copied.size() - 1);
    const LRESULT n = ::SendMessageA(memo, EM_GETLINE, 200, reinterpret_cast<LPARAM>(copied.data()));
    const std::string line200 = std::string(copied.data(), static_cast<size_t>(n)) + "\r\n";
    parser.SetPosition(0, 200, ppCurrent);
    EXPECT_EQ(parser.GetChar(), line200[0]);
    ASSERT_TRUE(parser.MovePrevious());
    EXPECT_EQ(parser.GetChar(), '\n');
    ASSERT_TRUE(parser.MoveNext());
    std::string line;
    parser.GetLine(line);
    EXPECT_EQ(line, line200);
  }
}

TEST(WinAPIControlParser, TextChangedWhileTheCheckStopsIsReadAsItThenIs) {
  THostForm host;
  for (const TControlCase& c : kMultiLineControls) {
    SCOPED_TRACE(c.className);
    HWND memo = host.Add(c.className, c.style | ES_AUTOHSCROLL | WS_HSCROLL, ManyLines(300), 60);
    TWinAPIControlParser parser(memo);
    // The parser has read ahead past line 100 and stops at a word of line 2.
    parser.SetPosition(0, 100, ppCurrent);
    EXPECT_EQ(parser.GetChar(), 'l');
    parser.SetPosition(4, 2, ppCurrent);
    EXPECT_EQ(parser.GetChar(), ' ');
    parser.SelectWord(4);

    // Meanwhile the user retypes the first word of line 100 (same length)
    // and joins lines 150 and 151.
    const LRESULT line100 = ::SendMessageA(memo, EM_LINEINDEX, 100, 0);
    ::SendMessageA(memo, EM_SETSEL, line100, line100 + 4);
    ::SendMessageA(memo, EM_REPLACESEL, 0, reinterpret_cast<LPARAM>("LINE"));
    const LRESULT line151 = ::SendMessageA(memo, EM_LINEINDEX, 151, 0);
    const LRESULT breakLength = std::string(c.className) == "RichEdit20A" ? 1 : 2;
    ::SendMessageA(memo, EM_SETSEL, line151 - breakLength, line151);
    ::SendMessageA(memo, EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(" "));
    const LRESULT line2 = ::SendMessageA(memo, EM_LINEINDEX, 2, 0);
    ::SendMessageA(memo, EM_SETSEL, line2, line2 + 4);

    // The check goes on over the word: the rest reads as the control now holds it.
    parser.IgnoreWord(10);
    const std::string expected = CopiedLines(memo);
    const size_t from = expected.find("line 2");
    ASSERT_NE(from, std::string::npos);
    EXPECT_EQ(ReadOn(parser, expected.size()), expected.substr(from + 4));
    EXPECT_NE(expected.find("LINE 100"), std::string::npos);
  }
}
