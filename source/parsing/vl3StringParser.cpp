// Control parser over a string variable of the caller. Positions that lie
// outside the string are not errors: they read as byte 0 and edit at the ends.
#include "vl3StringParser.h"

#include <algorithm>
#include <limits>

namespace {

// Position arithmetic saturates instead of overflowing on extreme positions.
int32_t AddClamped(int32_t a, int64_t b) {
  int64_t r = static_cast<int64_t>(a) + b;
  r = std::min<int64_t>(r, std::numeric_limits<int32_t>::max());
  r = std::max<int64_t>(r, std::numeric_limits<int32_t>::min());
  return static_cast<int32_t>(r);
}

int32_t LengthOf(const std::string* s) {
  if (!s) return 0;
  return static_cast<int32_t>(std::min<size_t>(s->size(), std::numeric_limits<int32_t>::max() - 1));
}

}  // namespace

void TStringParser::Initialize(void* source) {
  text_ = static_cast<std::string*>(source);
  x_ = 1;
  endSet_ = false;
  endX_ = 0;
  selectedLength_ = 0;
}

void TStringParser::GetLine(std::string& line) {
  if (text_)
    line = *text_;
  else
    line.clear();
}

void TStringParser::SetPosition(int32_t x, int32_t, TParserPositionKind kind) {
  if (kind == ppCurrent) {
    x_ = std::max<int32_t>(1, x);
  } else if (kind == ppEnd) {
    endSet_ = true;
    endX_ = x;
  }
}

void TStringParser::SelectWord(int32_t length) {
  selectedLength_ = length;
  x_ = AddClamped(x_, -static_cast<int64_t>(length));
}

void TStringParser::ReplaceWord(const std::string& replacement, int32_t) {
  if (!text_) return;
  // Positions before or after the string edit at its ends, and only bytes
  // that exist are removed.
  int32_t len = LengthOf(text_);
  int32_t at = std::clamp<int32_t>(x_, 1, len + 1);
  int32_t removed = std::clamp<int32_t>(selectedLength_, 0, len + 1 - at);
  int32_t inserted = static_cast<int32_t>(
      std::min<size_t>(replacement.size(), std::numeric_limits<int32_t>::max()));
  if (endSet_) endX_ = AddClamped(endX_, static_cast<int64_t>(inserted) - removed);
  text_->replace(static_cast<size_t>(at) - 1, static_cast<size_t>(removed), replacement);
  x_ = AddClamped(at, inserted);
}

void TStringParser::IgnoreWord(int32_t) { x_ = AddClamped(x_, selectedLength_); }

void TStringParser::CenterSelection() {}

void TStringParser::GetCursorPosition(int32_t& x, int32_t& y) {
  x = x_;
  y = 0;
}

void TStringParser::GetSelection(int32_t& startX, int32_t& startY, int32_t& endX, int32_t& endY) {
  startX = endX = x_;
  startY = endY = 0;
}

void TStringParser::GetControlRect(TRect& r) { r = TRect{-1, -1, -1, -1}; }

void TStringParser::GetSelectionRect(TRect& r) { r = TRect{-1, -1, -1, -1}; }

void TStringParser::UndoLast(int32_t, TSpellAction, int32_t&) {}
