// A grid of text cells as a window of our own: fixed rows and columns, a
// current cell, keyboard and mouse navigation and a real edit as editor.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "vl3Controls_win.h"

enum class TGridOption : unsigned char {
  goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goEditing, goTabs, goAlwaysShowEditor
};
using TGridOptions = TSet<TGridOption, uint16_t>;

class TStringGrid : public TControl {
 public:
  explicit TStringGrid(TComponent* owner, TParentWindow* parent = nullptr);
  ~TStringGrid() override;

  static const char* const kClassName;

  int32_t ColCount() const { return colCount_; }
  int32_t RowCount() const { return rowCount_; }
  void SetColCount(int32_t value);
  void SetRowCount(int32_t value);
  int32_t FixedCols() const { return fixedCols_; }
  int32_t FixedRows() const { return fixedRows_; }
  void SetFixedCols(int32_t value);
  void SetFixedRows(int32_t value);
  int32_t ColWidths(int32_t col) const;
  void SetColWidths(int32_t col, int32_t width);
  int32_t RowHeights(int32_t row) const;
  void SetRowHeights(int32_t row, int32_t height);
  int32_t DefaultColWidth() const { return defaultColWidth_; }
  void SetDefaultColWidth(int32_t value);
  int32_t DefaultRowHeight() const { return defaultRowHeight_; }
  void SetDefaultRowHeight(int32_t value);

  // Cells outside the grid read as empty and ignore writes.
  std::string Cells(int32_t col, int32_t row) const;
  void SetCells(int32_t col, int32_t row, const std::string& value);

  // The current cell; 0-based numbers that count the fixed cells too.
  int32_t Col() const { return col_; }
  int32_t Row() const { return row_; }
  void SetCol(int32_t value) { FocusCell(value, row_); }
  void SetRow(int32_t value) { FocusCell(col_, value); }
  // Makes (Col, Row) current (within the non-fixed cells) and scrolls it into view.
  void FocusCell(int32_t col, int32_t row);
  int32_t TopRow() const { return topRow_; }
  void SetTopRow(int32_t value);
  int32_t VisibleRowCount() const;

  TGridOptions Options() const { return options_; }
  void SetOptions(TGridOptions value);

  // The in-place editor: a real edit window over the current cell, created
  // the first time it is shown (null before).
  HWND__* InplaceEditor() const { return editor_; }
  bool EditorMode() const { return editing_; }
  void SetEditorMode(bool value) { value ? ShowEditor() : HideEditor(); }
  void ShowEditor();
  void HideEditor();
  // Whether the editor hides its selection while another window has the
  // focus (the edit's default). An edit takes this only when it is created,
  // so changing it makes the editor anew, with its text, selection, place
  // and focus: InplaceEditor() is then another window.
  bool EditorHideSelection() const { return editorHideSelection_; }
  void SetEditorHideSelection(bool value);

  TRect CellRect(int32_t col, int32_t row) const;
  // False when the point lies on no cell.
  bool MouseToCell(int32_t x, int32_t y, int32_t& col, int32_t& row) const;

  // The current cell changed.
  TNotifyEvent OnSelectCell;

  bool WndProc(uint32_t msg, uintptr_t wParam, intptr_t lParam, intptr_t& result) override;

 protected:
  void Resized() override;

 private:
  void Paint();
  void UpdateScrollBar();
  void ScrollInView();
  void PlaceEditor();
  HWND__* CreateEditor();
  void KeyNavigate(uint16_t key, bool shift);
  void EditorKey(uint16_t key, bool& handled);
  void ClampCurrent();
  bool EditorMessage(HWND__* wnd, uint32_t msg, uintptr_t wParam, intptr_t& result);

  // Sees the in-place editor's messages first (the editor is subclassed).
  class TEditorHook : public VxWin::TSubclassHandler {
   public:
    explicit TEditorHook(TStringGrid& grid) : grid_(grid) {}
    bool SubclassMessage(HWND__* wnd, uint32_t msg, uintptr_t wParam, intptr_t lParam,
                         intptr_t& result) override;
    void SubclassDestroyed(HWND__* wnd) override;

   private:
    TStringGrid& grid_;
  };

  int32_t colCount_ = 5, rowCount_ = 5, fixedCols_ = 1, fixedRows_ = 1;
  int32_t defaultColWidth_ = 64, defaultRowHeight_ = 24;
  std::vector<int32_t> colWidths_, rowHeights_;
  std::vector<std::vector<std::string>> cells_;  // [row][col]
  int32_t col_ = 1, row_ = 1, topRow_ = 1;
  TGridOptions options_{TGridOption::goFixedVertLine, TGridOption::goFixedHorzLine, TGridOption::goVertLine,
                        TGridOption::goHorzLine};
  HWND__* editor_ = nullptr;  // child window, destroyed with the grid
  TEditorHook editorHook_{*this};
  bool editing_ = false;
  bool editorHideSelection_ = true;
  std::string editStart_;  // the cell's text when editing began (Escape restores it)
  bool filling_ = false;   // the editor is being filled by the grid, not typed into
};
