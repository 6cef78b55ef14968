// Reading the live-spelling rich edit's lines and positions: Wine's rich
// edit walks its paragraphs for each position question, so few are asked.
#include "vl3LiveControl.h"

#include <windows.h>

#include <richedit.h>

#include <algorithm>
#include <cctype>

namespace {

constexpr int32_t kLineBuffer = 4096;  // a line is never checked further
constexpr int32_t kMaxSelectedWord = 4000;

void TrimLineBreaks(std::string& text) {
  while (!text.empty() && (text.back() == '\r' || text.back() == '\n')) text.pop_back();
}

}  // namespace

std::string TLiveControl::ClassNameLower() const {
  char name[256] = {};
  ::GetClassNameA(handle_, name, sizeof name);
  std::string result(name);
  for (char& c : result) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return result;
}

bool TLiveControl::ReadOnly() const {
  return handle_ && (::GetWindowLongA(handle_, GWL_STYLE) & ES_READONLY) != 0;
}

bool TLiveControl::MultiLine() const {
  return handle_ && (::GetWindowLongA(handle_, GWL_STYLE) & ES_MULTILINE) != 0;
}

intptr_t TLiveControl::Query(uint32_t msg, uintptr_t wParam, intptr_t lParam) const {
  return handle_ ? ::SendMessageA(handle_, msg, wParam, lParam) : 0;
}

// EM_GETLINE is avoided: Wine's rich edit walks the whole document for it.
std::string TLiveControl::LineText(int32_t line) const {
  std::vector<TVisibleLine> lines;
  ReadLines(line, line, lines);
  return lines.empty() ? std::string() : lines.front().Text;
}

void TLiveControl::ReadLines(int32_t from, int32_t to, std::vector<TVisibleLine>& lines) const {
  lines.clear();
  if (!handle_ || from < 0 || to < from) return;
  const int32_t first = LineIndex(from);
  if (first < 0) return;
  int32_t end = LineIndex(to + 1);
  const bool atEnd = end < 0;
  if (atEnd) end = static_cast<int32_t>(Query(WM_GETTEXTLENGTH, 0, 0));
  if (end < first) end = first;
  const int32_t count = to - from + 1;
  if (end - first > count * (kLineBuffer + 2)) {
    // Very long lines: each is read only as far as a line is ever checked.
    for (int32_t line = from; line <= to; ++line) {
      const int32_t start = line == from ? first : LineIndex(line);
      if (start < 0) break;
      int32_t next = line == to && !atEnd ? end : LineIndex(line + 1);
      if (next < 0) next = static_cast<int32_t>(Query(WM_GETTEXTLENGTH, 0, 0));
      const int32_t stop = std::clamp(next, start, start + kLineBuffer);
      std::string lineText(static_cast<size_t>(stop - start) + 1, '\0');
      TEXTRANGEA part = {{start, stop}, &lineText[0]};
      const intptr_t got = Query(EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&part));
      lineText.resize(static_cast<size_t>(std::clamp<intptr_t>(got, 0, stop - start)));
      TrimLineBreaks(lineText);
      lines.push_back({line, start, std::move(lineText)});
    }
    return;
  }
  std::string text(static_cast<size_t>(end - first) + 1, '\0');
  TEXTRANGEA range = {{first, end}, &text[0]};
  const intptr_t n = Query(EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range));
  text.resize(static_cast<size_t>(std::clamp<intptr_t>(n, 0, end - first)));
  // Paragraph breaks split the range; when each paragraph is one display
  // line (no wrapping in the range) the lines are known without asking.
  std::vector<int32_t> breaks;  // offset of each line's start
  breaks.push_back(0);
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    if ((text[i] == '\r' || text[i] == '\n') && (i + 1 < text.size() || atEnd))
      breaks.push_back(static_cast<int32_t>(i + 1));
  }
  if (static_cast<int32_t>(breaks.size()) != count) {
    breaks.clear();
    for (int32_t line = from; line <= to; ++line) {
      const int32_t start = line == from ? first : LineIndex(line);
      if (start < 0) break;
      breaks.push_back(start - first);
    }
  }
  for (size_t i = 0; i < breaks.size(); ++i) {
    const size_t a = std::min(static_cast<size_t>(breaks[i]), text.size());
    const size_t b = i + 1 < breaks.size()
                         ? std::min(static_cast<size_t>(breaks[i + 1]), text.size())
                         : text.size();
    std::string lineText = text.substr(a, b > a ? b - a : 0);
    if (lineText.size() > static_cast<size_t>(kLineBuffer)) lineText.resize(kLineBuffer);
    TrimLineBreaks(lineText);
    lines.push_back(
        {from + static_cast<int32_t>(i), first + static_cast<int32_t>(a), std::move(lineText)});
  }
}

int32_t TLiveControl::LineAt(int32_t x, int32_t y) const {
  POINTL at = {x, y};
  const intptr_t ch = Query(EM_CHARFROMPOS, 0, reinterpret_cast<LPARAM>(&at));
  return static_cast<int32_t>(Query(EM_EXLINEFROMCHAR, 0, ch));
}

int32_t TLiveControl::LineIndex(int32_t line) const {
  return static_cast<int32_t>(Query(EM_LINEINDEX, static_cast<WPARAM>(line), 0));
}

void TLiveControl::CharPos(int32_t index, int32_t& x, int32_t& y) const {
  POINTL pt = {0, 0};
  Query(EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&pt), index);
  x = pt.x;
  y = pt.y;
}

int32_t TLiveControl::SelectionStart() const {
  DWORD start = 0;
  Query(EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
  return static_cast<int32_t>(start);
}

bool TLiveControl::SelectedText(std::string& text) const {
  text.clear();
  CHARRANGE range = {};
  Query(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
  const int32_t length = range.cpMax - range.cpMin;
  if (length <= 0 || length >= kMaxSelectedWord) return false;
  text.assign(static_cast<size_t>(length) + 1, '\0');
  const intptr_t n = Query(EM_GETSELTEXT, 0, reinterpret_cast<LPARAM>(&text[0]));
  text.resize(static_cast<size_t>(std::clamp<intptr_t>(n, 0, length)));
  return true;
}

void TLiveControl::Repaint() const {
  if (handle_) ::InvalidateRect(handle_, nullptr, TRUE);
}

void TLiveControl::RepaintNow() const {
  if (handle_)
    ::RedrawWindow(handle_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void TLiveControl::NotifyTextChanged() const {
  HWND parent = handle_ ? ::GetParent(handle_) : nullptr;
  if (parent)
    ::SendMessageA(parent, WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(handle_), EN_CHANGE),
                   reinterpret_cast<LPARAM>(handle_));
}
