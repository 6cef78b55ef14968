// Control parser over an edit-style window (edit, memo, rich edit or any
// control answering the edit messages): reads one line at a time, edits by selection.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "vl3ParserBase.h"

struct HWND__;

// How the control answers EM_POSFROMCHAR: the 1.0 rich edit fills a point,
// the others pack the coordinates into the result.
enum TEditControlKind : uint8_t { ekEdit, ekRichEdit, ekRichEdit2 };

// Positions are (column, line), both 0-based. Every line, the last one too,
// reads as its text followed by CR LF.
class TWinAPIControlParser : public TControlParser {
 public:
  // The buffer holds the line, CR, LF and a terminating 0.
  static constexpr int32_t kLineBufferSize = 16384;
  // Longer lines are read truncated to this many characters.
  static constexpr int32_t kLineCapacity = 16374;

  TWinAPIControlParser() = default;
  // The window is not owned; it must outlive the parser's use.
  explicit TWinAPIControlParser(HWND__* control) { Initialize(control); }

  // `source` is the control's window handle.
  void Initialize(void* source) override;
  void Initialize(HWND__* control) { Initialize(static_cast<void*>(control)); }

  char GetChar() override {
    if (!FetchLine() || x_ < 0 || x_ > lineLength_) return '\0';
    return line_[x_];
  }
  void GetLine(std::string& line) override;
  bool MoveNext() override {
    ++x_;
    return FetchLine();
  }
  bool MovePrevious() override {
    --x_;
    return FetchLine();
  }
  void SetPosition(int32_t x, int32_t y, TParserPositionKind kind) override;
  void GetPosition(int32_t& x, int32_t& y) override {
    x = x_;
    y = y_;
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

  // Normalises the position across line ends and makes sure the buffer holds
  // its line; false when the position lies outside the text or the end bound.
  virtual bool FetchLine();
  // Client coordinates of the character at a whole-text index.
  virtual void GetCharPos(int32_t charIndex, TPoint& p);

  HWND__* Control() const { return control_; }
  TEditControlKind ControlKind() const { return controlKind_; }

 private:
  void ReadLine();
  // Lines after the one just read, taken from one read of a text range
  // (see the .cpp); the cache is dropped whenever the text may have changed.
  void CacheLinesAfter();
  bool TakeCachedLine();
  void DropCache();
  bool ReadRange(int32_t start, int32_t end, std::string& text) const;
  intptr_t Send(unsigned message, uintptr_t w, intptr_t l) const;
  void ReadSelection(int32_t& start, int32_t& end) const;
  int32_t LineIndex(int32_t line) const;
  int32_t LineHeight() const;
  bool PastEndBound() const;

  HWND__* control_ = nullptr;  // not owned
  TEditControlKind controlKind_ = ekEdit;
  int32_t endX_ = 0;
  int32_t endY_ = 0;
  bool endSet_ = false;
  int32_t x_ = 0;
  int32_t y_ = 0;
  char line_[kLineBufferSize] = {};
  int32_t lineIndex_ = -1;
  int32_t lineLength_ = 0;  // including the appended CR LF
  int32_t lineCount_ = 0;
  bool stale_ = true;
  int32_t selectedStart_ = 0;
  int32_t selectedLength_ = 0;
  // Lines read ahead: cacheFirst_ is the line of cachedLines_[0]; each entry
  // is where the line lies in cacheText_ and its length as EM_GETLINE copies it.
  struct TCachedLine {
    int32_t offset;
    int32_t length;
  };
  std::string cacheText_;
  std::vector<TCachedLine> cachedLines_;
  int32_t cacheFirst_ = 0;
  int32_t rangeSize_ = 0;     // characters to read next time; grows while reading on
  bool rangeReading_ = true;  // false once the control's lines did not match its text
  int32_t singleLines_ = 0;   // lines still to read one at a time after a pause
};
