// The three replaceable abstractions of text parsing: the control parser (a
// cursor over a text source), the ignore filter and the parsing engine.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "vl3SpellTypes.h"

// What SetPosition sets. Other values make SetPosition do nothing.
enum TParserPositionKind : uint8_t { ppCurrent, ppEnd };

// A cursor over one text source that hands out one byte at a time and edits
// the source word by word. Positions are (X, Y): a 1-based byte index with
// Y = 0 for strings, (column, line) 0-based for windows.
class TControlParser {
 public:
  virtual ~TControlParser();

  // Attaches to the source (its type is the implementation's) and resets:
  // position at the start, no end bound.
  virtual void Initialize(void* source) = 0;
  // The byte at the current position; 0 outside the text.
  virtual char GetChar() = 0;
  // The line holding the current position (a string parser: the whole text).
  virtual void GetLine(std::string& line) = 0;
  // False when the text or the end bound is exhausted.
  virtual bool MoveNext() = 0;
  // False at the very start; the position then stays at the start.
  virtual bool MovePrevious() = 0;
  virtual void SetPosition(int32_t x, int32_t y, TParserPositionKind kind) = 0;
  virtual void GetPosition(int32_t& x, int32_t& y) = 0;
  // Selects the word of `length` bytes that ends at the current position and
  // moves the position to its start. 0 places the caret.
  virtual void SelectWord(int32_t length) = 0;
  // Replaces the selected word; the position ends just after the replacement.
  virtual void ReplaceWord(const std::string& replacement, int32_t state) = 0;
  // Steps over the selected word, leaving it unchanged.
  virtual void IgnoreWord(int32_t state) = 0;
  virtual void CenterSelection() = 0;
  virtual void GetCursorPosition(int32_t& x, int32_t& y) = 0;
  // Equal start and end mean nothing is selected.
  virtual void GetSelection(int32_t& startX, int32_t& startY, int32_t& endX, int32_t& endY) = 0;
  // Screen rectangles; (-1, -1, -1, -1) when the source is not on screen.
  virtual void GetControlRect(TRect& r) = 0;
  virtual void GetSelectionRect(TRect& r) = 0;
  // Told when the engine undoes an action.
  virtual void UndoLast(int32_t undoState, TSpellAction undoAction, int32_t& undoData) = 0;
};

// A filter that keeps text which is not prose away from the dictionaries.
class TParserIgnore {
 public:
  virtual ~TParserIgnore();

  // True puts the filter in the owner's scan list (SkipAtChar, SkipAfterWord).
  virtual bool UsesScanHooks() = 0;
  // True puts the filter in the owner's line list (IgnoreLine).
  virtual bool UsesLineCheck() = 0;
  // Called while looking for a word start; true when the filter has moved
  // the parser past text to skip.
  virtual bool SkipAtChar(char ch, TControlParser* parser) = 0;
  // Called with the parser just after a found word; true drops the word (the
  // filter may have moved the parser further).
  virtual bool SkipAfterWord(const std::string& word, TControlParser* parser) = 0;
  // True accepts the word without a dictionary look-up. `parser` may be null.
  virtual bool IgnoreWordCheck(const std::string& word, TControlParser* parser) = 0;
  virtual bool IgnoreLine(const std::string& line) = 0;
};

// Turns the bytes of a control parser into words.
class TParsingEngine {
 public:
  // Setting `skip` tells the engine the hook has consumed text itself.
  using TScanCharEvent = std::function<void(char ch, TControlParser* parser, bool& skip)>;
  using TScanWordEvent =
      std::function<void(const std::string& word, TControlParser* parser, bool& skip)>;

  virtual ~TParsingEngine();

  // Attaches `parser` (not owned) and positions it for `mode`.
  virtual void Initialize(TControlParser* parser, TCheckType mode) = 0;
  // Positions the parser so that the next word is the one containing (x, y).
  virtual void MoveTo(int32_t x, int32_t y) = 0;
  // The next word, or empty when the text is exhausted. The parser is left on
  // the byte just after the word.
  virtual void GetNextWord(std::string& word) = 0;

  // Both may stay unassigned.
  TScanCharEvent OnScanChar;
  TScanWordEvent OnScanWord;
};
