// Control parser over a string variable of the caller: checks and edits the
// caller's string in place. X is a 1-based byte index, Y is always 0.
#pragma once

#include <cstdint>
#include <limits>
#include <string>

#include "vl3ParserBase.h"

class TStringParser : public TControlParser {
 public:
  TStringParser() = default;
  // The parser refers to the string; it must not outlive it.
  explicit TStringParser(std::string& text) { Initialize(text); }

  // `source` points to a std::string owned by the caller.
  void Initialize(void* source) override;
  void Initialize(std::string& text) { Initialize(static_cast<void*>(&text)); }

  // The character access is inline so that the parsing engine can call it
  // without virtual dispatch when it knows it holds a string parser.
  char GetChar() override {
    if (!text_ || x_ < 1 || static_cast<size_t>(x_) > text_->size()) return '\0';
    return (*text_)[static_cast<size_t>(x_) - 1];
  }
  void GetLine(std::string& line) override;
  bool MoveNext() override {
    bool ok = static_cast<int64_t>(text_ ? text_->size() : 0) >= x_;
    if (x_ < std::numeric_limits<int32_t>::max()) ++x_;
    if (ok && endSet_ && x_ > endX_) ok = false;
    return ok;
  }
  bool MovePrevious() override {
    if (x_ <= 1) return false;
    --x_;
    return true;
  }
  void SetPosition(int32_t x, int32_t y, TParserPositionKind kind) override;
  void GetPosition(int32_t& x, int32_t& y) override {
    x = x_;
    y = 0;
  }
  void SelectWord(int32_t length) override;
  void ReplaceWord(const std::string& replacement, int32_t state) override;
  void IgnoreWord(int32_t state) override;
  void CenterSelection() override;
  void GetCursorPosition(int32_t& x, int32_t& y) override;
  void GetSelection(int32_t& startX, int32_t& startY, int32_t& endX, int32_t& endY) override;
  void GetControlRect(TRect& r) override;
  void GetSelectionRect(TRect& r) override;
  void UndoLast(int32_t undoState, TSpellAction undoAction, int32_t& undoData) override;

  // Direct access for callers that know they hold a string parser.
  int32_t X() const { return x_; }
  bool HasEndBound() const { return endSet_; }
  int32_t EndX() const { return endX_; }
  std::string* Text() const { return text_; }

 private:
  std::string* text_ = nullptr;  // the caller's string, not owned
  int32_t endX_ = 0;
  bool endSet_ = false;
  int32_t x_ = 1;
  int32_t selectedLength_ = 0;
};
