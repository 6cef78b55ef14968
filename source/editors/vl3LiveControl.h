// The live-spelling object's hold on its rich edit: lines, positions and the
// selection read through edit and rich-edit messages, and its repaints.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct HWND__;

// One display line with its first character, as read from the control.
struct TVisibleLine {
  int32_t Line;
  int32_t Start;
  std::string Text;
};

class TLiveControl {
 public:
  HWND__* Handle() const { return handle_; }
  void SetHandle(HWND__* handle) { handle_ = handle; }

  // The window class's name in lower case.
  std::string ClassNameLower() const;
  bool ReadOnly() const;
  bool MultiLine() const;

  // A message that changes nothing in the control; 0 without a control.
  intptr_t Query(uint32_t msg, uintptr_t wParam, intptr_t lParam) const;
  std::string LineText(int32_t line) const;
  // The lines from .. to (display lines) with their first characters, read
  // with one text-range request where the lines allow it.
  void ReadLines(int32_t from, int32_t to, std::vector<TVisibleLine>& lines) const;
  // The display line under the client point (clamped to the text).
  int32_t LineAt(int32_t x, int32_t y) const;
  int32_t LineIndex(int32_t line) const;
  void CharPos(int32_t index, int32_t& x, int32_t& y) const;
  // The first character of the selection (the caret when nothing is selected).
  int32_t SelectionStart() const;
  // False when nothing, or more than a word could be, is selected.
  bool SelectedText(std::string& text) const;

  void Repaint() const;
  void RepaintNow() const;
  // Tells the parent the text changed, as the control does after typing.
  void NotifyTextChanged() const;

 private:
  HWND__* handle_ = nullptr;  // not owned
};
