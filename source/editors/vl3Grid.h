// Lets the spell-check component check the cells of a string grid one at a
// time through the grid's in-place editor, an ordinary edit window.
#pragma once

#include <cstdint>

class TStringGrid;
class TVexlorSpell3Base;

/// Checks the cells of a string grid one at a time through the grid's in-place editor.
class TVexlorStringGridHelper {
 public:
  /// Starts checking the grid's cells.
  void BeginCheck(TStringGrid* grid);
  // Makes (col, row) current and shows the editor on it; false (nothing
  // done) for a fixed cell, and outside BeginCheck .. EndCheck, which is a
  // programming error.
  /// Makes a cell current and shows the editor on it; false for a fixed cell.
  bool ShowCell(int32_t col, int32_t row);
  /// Checks one cell with the component.
  void CheckCell(TVexlorSpell3Base* spell, int32_t col, int32_t row);
  // Every row of the column in turn; stops after a cell whose check the user cancelled.
  /// Checks every row of a column in turn.
  void CheckColumn(TVexlorSpell3Base* spell, int32_t col);
  /// Ends checking the grid's cells and restores the editor.
  void EndCheck();

  /// The grid being checked (not owned).
  TStringGrid* Grid() const { return grid_; }

 private:
  bool editorPrepared_ = false;
  bool editorAlwaysShownBefore_ = false;
  TStringGrid* grid_ = nullptr;  // not owned
  int32_t row_ = 0;
  int32_t col_ = 0;
};
