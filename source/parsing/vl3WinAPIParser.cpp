// Control parser over an edit-style window. It talks to the control only
// through the standard edit messages, so foreign controls work as well.
#include "vl3WinAPIParser.h"

#include <richedit.h>
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <limits>

#include "vl3Ansi.h"

namespace {

// Column arithmetic saturates: callers may set bounds at the integer limit.
int32_t Saturated(int64_t v) {
  return static_cast<int32_t>(std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

// The 1.0 rich edit and host controls built on it fill a point for
// EM_POSFROMCHAR; the 2.0 class (whose name also holds "richedit") packs it.
TEditControlKind KindOfClass(HWND control) {
  char name[1025] = {};
  const int n = ::GetClassNameA(control, name, 1024);
  std::string lower(name, static_cast<size_t>(std::clamp(n, 0, 1024)));
  for (char& c : lower) c = Ansi::ToLower(c);
  if (lower.find("richedit2") != std::string::npos) return ekRichEdit2;
  for (const char* kind : {"richedit", "syntaxmemo", "lmdmemo"})
    if (lower.find(kind) != std::string::npos) return ekRichEdit;
  return ekEdit;
}

// Lines are read ahead in ranges of text: the first range after a pause is
// small, and each further one four times the size, up to the largest.
constexpr int32_t kFirstRange = 16384;
constexpr int32_t kLargestRange = 1 << 20;
// After a pause the next lines are read one at a time: where the check stops
// every few lines, reading ranges would cost more than it saves.
constexpr int32_t kSingleLinesAfterPause = 8;

}  // namespace

intptr_t TWinAPIControlParser::Send(unsigned message, uintptr_t w, intptr_t l) const {
  if (!control_) return 0;
  return static_cast<intptr_t>(
      ::SendMessageA(control_, message, static_cast<WPARAM>(w), static_cast<LPARAM>(l)));
}

void TWinAPIControlParser::Initialize(void* source) {
  control_ = static_cast<HWND>(source);
  endSet_ = false;
  endX_ = 0;
  endY_ = 0;
  x_ = 0;
  y_ = 0;
  stale_ = true;
  lineLength_ = 0;
  lineIndex_ = -1;
  line_[0] = '\0';
  lineCount_ = static_cast<int32_t>(Send(EM_GETLINECOUNT, 0, 0));
  selectedStart_ = 0;
  selectedLength_ = 0;
  controlKind_ = control_ ? KindOfClass(control_) : ekEdit;
  DropCache();
  rangeSize_ = kFirstRange;
  rangeReading_ = true;
  singleLines_ = 0;
}

// ---- Reading ---------------------------------------------------------------------

void TWinAPIControlParser::ReadLine() {
  stale_ = false;
  if (TakeCachedLine()) return;
  // EM_GETLINE takes the capacity in the buffer's first word and does not
  // terminate what it copies.
  const uint16_t capacity = kLineCapacity;
  std::memcpy(line_, &capacity, sizeof capacity);
  const intptr_t copied =
      Send(EM_GETLINE, static_cast<uintptr_t>(y_), reinterpret_cast<intptr_t>(line_));
  const int32_t n = static_cast<int32_t>(std::clamp<intptr_t>(copied, 0, kLineCapacity));
  line_[n] = '\r';
  line_[n + 1] = '\n';
  line_[n + 2] = '\0';
  lineLength_ = n + 2;
  lineIndex_ = y_;
  // Replacements may have changed the number of lines.
  lineCount_ = static_cast<int32_t>(Send(EM_GETLINECOUNT, 0, 0));
  CacheLinesAfter();
}

// ---- Reading ahead ----------------------------------------------------------------
//
// One EM_GETLINE per line makes the control find the line from its start
// each time, so a long text costs time in the square of its length. After
// the control has copied a line, the text from that line on is read in one
// range and split into lines, as long as the control's lines are its
// paragraphs. What the control copied for the line tells how it copies a
// line: with its line end (rich edits: CR, or CR LF for the 1.0 class) or
// without it (edits, whose lines end in CR LF). A wrapped line, or any line
// end the split did not see, would shift the lines after it, so the last
// line cached must start where the control says; if not, the parser goes
// back to reading one line at a time. The last line of the text is always
// read alone. The cache is dropped whenever the text may have changed: at
// every word the check stops at (the user may edit the text while the word
// is shown), at replacements and when the parser is initialised again.

void TWinAPIControlParser::DropCache() {
  cacheText_.clear();
  cachedLines_.clear();
  cacheFirst_ = 0;
}

bool TWinAPIControlParser::TakeCachedLine() {
  const int64_t i = static_cast<int64_t>(y_) - cacheFirst_;
  if (i < 0 || i >= static_cast<int64_t>(cachedLines_.size())) return false;
  const TCachedLine& cached = cachedLines_[static_cast<size_t>(i)];
  const int32_t n = std::min(cached.length, kLineCapacity);
  std::memcpy(line_, cacheText_.data() + cached.offset, static_cast<size_t>(n));
  line_[n] = '\r';
  line_[n + 1] = '\n';
  line_[n + 2] = '\0';
  lineLength_ = n + 2;
  lineIndex_ = y_;
  return true;
}

bool TWinAPIControlParser::ReadRange(int32_t start, int32_t end, std::string& text) const {
  text.clear();
  if (start < 0 || end <= start) return false;
  if (controlKind_ == ekEdit) {
    // Edits (and controls of unknown classes) only hand out their text from
    // its start.
    const int64_t length = Send(WM_GETTEXTLENGTH, 0, 0);
    const int64_t wanted = std::min<int64_t>(end, length);
    if (wanted <= start) return false;
    std::string all(static_cast<size_t>(wanted) + 1, '\0');
    const int64_t copied = std::clamp<int64_t>(
        Send(WM_GETTEXT, static_cast<uintptr_t>(wanted) + 1, reinterpret_cast<intptr_t>(&all[0])),
        0, wanted);
    if (copied <= start) return false;
    text.assign(all, static_cast<size_t>(start), static_cast<size_t>(copied - start));
    return true;
  }
  std::string buffer(static_cast<size_t>(end - start) + 1, '\0');
  TEXTRANGEA range = {};
  range.chrg.cpMin = start;
  range.chrg.cpMax = end;
  range.lpstrText = &buffer[0];
  const int64_t copied = std::clamp<int64_t>(
      Send(EM_GETTEXTRANGE, 0, reinterpret_cast<intptr_t>(&range)), 0, end - start);
  if (copied <= 0) return false;
  text.assign(buffer, 0, static_cast<size_t>(copied));
  return true;
}

void TWinAPIControlParser::CacheLinesAfter() {
  DropCache();
  if (!rangeReading_ || !control_ || y_ < 0 || y_ + 2 >= lineCount_) return;
  if (singleLines_ > 0) {
    --singleLines_;
    return;
  }
  const int32_t copied = lineLength_ - 2;
  if (copied >= kLineCapacity) return;  // truncated: nothing to compare with
  const int32_t start = LineIndex(y_);
  const int32_t next = LineIndex(y_ + 1);
  std::string text;
  const int64_t end = std::min<int64_t>(static_cast<int64_t>(next) + rangeSize_,
                                        std::numeric_limits<int32_t>::max());
  if (start < 0 || next <= start || !ReadRange(start, static_cast<int32_t>(end), text) ||
      text.size() < static_cast<size_t>(next - start)) {
    rangeReading_ = false;
    return;
  }
  rangeSize_ = std::min(rangeSize_ * 4, kLargestRange);

  const size_t span = static_cast<size_t>(next - start);
  const size_t have = static_cast<size_t>(copied);
  bool endCopied = false;
  std::string lineEnd;
  if (have == span && std::memcmp(line_, text.data(), span) == 0) {
    endCopied = true;
    size_t content = span;
    while (content > 0 && (text[content - 1] == '\r' || text[content - 1] == '\n')) --content;
    lineEnd = text.substr(content, span - content);
  } else if (have < span && std::memcmp(line_, text.data(), have) == 0) {
    lineEnd = text.substr(have, span - have);
  }
  if (lineEnd.empty() || lineEnd.find_first_not_of("\r\n") != std::string::npos) {
    rangeReading_ = false;
    return;
  }

  cacheText_ = std::move(text);
  cacheFirst_ = y_;
  cachedLines_.push_back(TCachedLine{0, copied});
  size_t at = span;
  for (int32_t line = y_ + 1; line + 1 < lineCount_; ++line) {
    const size_t found = cacheText_.find(lineEnd, at);
    if (found == std::string::npos) break;
    const size_t length = found - at + (endCopied ? lineEnd.size() : 0);
    cachedLines_.push_back(TCachedLine{static_cast<int32_t>(at), static_cast<int32_t>(length)});
    at = found + lineEnd.size();
  }
  const int32_t last = cacheFirst_ + static_cast<int32_t>(cachedLines_.size()) - 1;
  if (last > y_ && LineIndex(last) != start + cachedLines_.back().offset) {
    DropCache();
    rangeReading_ = false;
  }
}

bool TWinAPIControlParser::PastEndBound() const {
  // Compared as text order, so that a position on a later line is past the
  // bound whatever its column.
  return endSet_ && (y_ > endY_ || (y_ == endY_ && x_ > endX_));
}

bool TWinAPIControlParser::FetchLine() {
  // After a replacement the buffered line is out of date: its old length
  // must not decide whether the position has left the line.
  if (stale_ && y_ == lineIndex_ && y_ >= 0 && y_ < lineCount_) ReadLine();
  if (y_ == lineIndex_) {
    if (x_ >= lineLength_) {
      ++y_;
      x_ = 0;
    } else if (x_ < 0) {
      if (y_ <= 0) {
        x_ = 0;
        return false;
      }
      --y_;
      x_ = -1;  // the last character of that line, known once it is read
    }
  }
  bool result = true;
  if (y_ != lineIndex_ || stale_) {
    result = y_ >= 0 && y_ < lineCount_;
    if (result) ReadLine();
  }
  if (x_ == -1) x_ = lineLength_ - 1;
  if (PastEndBound()) result = false;
  return result;
}

void TWinAPIControlParser::GetLine(std::string& line) {
  if (FetchLine())
    line.assign(line_);
  else
    line.clear();
}

void TWinAPIControlParser::SetPosition(int32_t x, int32_t y, TParserPositionKind kind) {
  if (kind == ppCurrent) {
    // The line is read again on the next access (from the lines read ahead:
    // moving does not change the text).
    stale_ = true;
    x_ = x;
    y_ = y;
  } else if (kind == ppEnd) {
    endSet_ = true;
    endX_ = x;
    endY_ = y;
  }
}

// ---- Editing ----------------------------------------------------------------------

int32_t TWinAPIControlParser::LineIndex(int32_t line) const {
  return static_cast<int32_t>(Send(EM_LINEINDEX, static_cast<uintptr_t>(line), 0));
}

void TWinAPIControlParser::ReadSelection(int32_t& start, int32_t& end) const {
  DWORD s = 0, e = 0;
  Send(EM_GETSEL, reinterpret_cast<uintptr_t>(&s), reinterpret_cast<intptr_t>(&e));
  start = static_cast<int32_t>(s);
  end = static_cast<int32_t>(e);
}

void TWinAPIControlParser::SelectWord(int32_t length) {
  x_ = Saturated(static_cast<int64_t>(x_) - length);
  const int32_t start = Saturated(static_cast<int64_t>(LineIndex(y_)) + x_);
  selectedStart_ = start;
  selectedLength_ = length;
  // The check stops here; whatever the user does meanwhile, reading goes on
  // from the control's text as it then is.
  stale_ = true;
  DropCache();
  rangeSize_ = kFirstRange;
  singleLines_ = kSingleLinesAfterPause;
  Send(EM_SETSEL, static_cast<uintptr_t>(start), Saturated(static_cast<int64_t>(start) + length));
}

void TWinAPIControlParser::ReplaceWord(const std::string& replacement, int32_t) {
  // Selected again: the user may have moved the selection meanwhile.
  Send(EM_SETSEL, static_cast<uintptr_t>(selectedStart_),
       Saturated(static_cast<int64_t>(selectedStart_) + selectedLength_));
  const int64_t inserted = static_cast<int64_t>(replacement.size());
  if (endSet_ && y_ == endY_) {
    // The end of the checked range keeps its place in the text.
    int32_t s = 0, e = 0;
    ReadSelection(s, e);
    endX_ = Saturated(static_cast<int64_t>(endX_) + inserted - (e - s));
  }
  Send(EM_REPLACESEL, 0, reinterpret_cast<intptr_t>(replacement.c_str()));
  x_ = Saturated(static_cast<int64_t>(x_) + inserted);
  stale_ = true;
  DropCache();
}

void TWinAPIControlParser::IgnoreWord(int32_t) {
  // Past the word as the control sees it selected.
  int32_t s = 0, e = 0;
  ReadSelection(s, e);
  x_ = Saturated(static_cast<int64_t>(x_) + e - s);
}

void TWinAPIControlParser::UndoLast(int32_t, TSpellAction, int32_t&) {}

// ---- Positions and screen geometry ---------------------------------------------

void TWinAPIControlParser::GetCursorPosition(int32_t& x, int32_t& y) {
  int32_t s = 0, e = 0;
  ReadSelection(s, e);
  y = static_cast<int32_t>(Send(EM_LINEFROMCHAR, static_cast<uintptr_t>(s), 0));
  x = s - LineIndex(y);
}

void TWinAPIControlParser::GetSelection(int32_t& startX, int32_t& startY, int32_t& endX,
                                        int32_t& endY) {
  int32_t s = 0, e = 0;
  ReadSelection(s, e);
  startY = static_cast<int32_t>(Send(EM_LINEFROMCHAR, static_cast<uintptr_t>(s), 0));
  startX = s - LineIndex(startY);
  endY = static_cast<int32_t>(Send(EM_LINEFROMCHAR, static_cast<uintptr_t>(e), 0));
  endX = e - LineIndex(endY);
}

void TWinAPIControlParser::GetCharPos(int32_t charIndex, TPoint& p) {
  p = TPoint{};
  if (controlKind_ == ekRichEdit) {
    POINTL pt = {0, 0};
    Send(EM_POSFROMCHAR, reinterpret_cast<uintptr_t>(&pt), charIndex);
    p = TPoint{pt.x, pt.y};
  } else {
    const DWORD packed =
        static_cast<DWORD>(Send(EM_POSFROMCHAR, static_cast<uintptr_t>(charIndex), 0));
    p = TPoint{LOWORD(packed), HIWORD(packed)};
  }
}

int32_t TWinAPIControlParser::LineHeight() const {
  // The metrics of the window's own device context, as the control itself
  // does not report a line height.
  HDC dc = ::GetDC(control_);
  if (!dc) return 0;
  TEXTMETRICA metrics = {};
  const bool ok = ::GetTextMetricsA(dc, &metrics);
  ::ReleaseDC(control_, dc);
  return ok ? metrics.tmHeight + metrics.tmExternalLeading : 0;
}

void TWinAPIControlParser::GetControlRect(TRect& r) {
  RECT w;
  POINT origin = {0, 0};
  if (!control_ || !::GetWindowRect(control_, &w) || !::ClientToScreen(control_, &origin)) {
    r = TRect{-1, -1, -1, -1};
    return;
  }
  r = TRect{origin.x, origin.y, origin.x + (w.right - w.left), origin.y + (w.bottom - w.top)};
}

void TWinAPIControlParser::GetSelectionRect(TRect& r) {
  if (!control_ || !::IsWindow(control_)) {
    r = TRect{-1, -1, -1, -1};
    return;
  }
  int32_t s = 0, e = 0;
  ReadSelection(s, e);
  TPoint start, end;
  GetCharPos(s, start);
  GetCharPos(e, end);
  POINT topLeft = {start.X, start.Y};
  POINT bottomRight = {end.X, start.Y};
  ::ClientToScreen(control_, &topLeft);
  ::ClientToScreen(control_, &bottomRight);
  r = TRect{topLeft.x, topLeft.y, bottomRight.x, topLeft.y + LineHeight()};

  // Tall lines (large rich-edit fonts): reach down to the next line's top.
  const int32_t next = LineIndex(Saturated(static_cast<int64_t>(y_) + 1));
  if (next == -1) return;
  TPoint below;
  GetCharPos(next, below);
  POINT p = {below.X, below.Y};
  ::ClientToScreen(control_, &p);
  if (p.y > r.Bottom) r.Bottom = p.y;
}

void TWinAPIControlParser::CenterSelection() {
  // Bring the current line to the middle of the visible lines.
  const int32_t height = std::max<int32_t>(LineHeight(), 1);
  const int32_t first = static_cast<int32_t>(Send(EM_GETFIRSTVISIBLELINE, 0, 0));
  RECT client = {};
  if (control_) ::GetClientRect(control_, &client);
  const int32_t visible = (client.bottom - client.top) / height;
  Send(EM_LINESCROLL, 0, Saturated(static_cast<int64_t>(y_) - first - visible / 2));

  // Scroll both ends of the word into view, then restore the selection.
  int32_t s = 0, e = 0;
  ReadSelection(s, e);
  Send(EM_SETSEL, static_cast<uintptr_t>(s), s);
  Send(EM_SCROLLCARET, 0, 0);
  Send(EM_SETSEL, static_cast<uintptr_t>(e), e);
  Send(EM_SCROLLCARET, 0, 0);
  Send(EM_SETSEL, static_cast<uintptr_t>(s), e);
}
