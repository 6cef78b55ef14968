// The string-grid helper: each cell is opened in the grid's in-place editor
// and checked there, so corrections land in the cell.
#include "vl3Grid.h"

#include <windows.h>

#include "vl3Application_win.h"
#include "vl3SpellBase.h"
#include "vl3StringGrid_win.h"

void TVexlorStringGridHelper::BeginCheck(TStringGrid* grid) {
  editorPrepared_ = false;
  grid_ = grid;
  if (!grid_) return;
  TGridOptions options = grid_->Options();
  editorAlwaysShownBefore_ = options.Contains(TGridOption::goAlwaysShowEditor);
  grid_->SetOptions(options.Include(TGridOption::goAlwaysShowEditor));
  row_ = grid_->Row();
  col_ = grid_->Col();
}

bool TVexlorStringGridHelper::ShowCell(int32_t col, int32_t row) {
  if (!grid_) return false;
  // Fixed cells are headings: they have no editor to check through.
  if (col < grid_->FixedCols() || row < grid_->FixedRows() || col >= grid_->ColCount() ||
      row >= grid_->RowCount())
    return false;
  grid_->FocusCell(col, row);
  grid_->ShowEditor();
  if (!grid_->InplaceEditor()) return false;
  if (!editorPrepared_) {
    editorPrepared_ = true;
    // The word under check stays selected while the spelling dialog has
    // the focus (this makes the editor anew).
    grid_->SetEditorHideSelection(false);
    ::SetFocus(grid_->InplaceEditor());
    ::BringWindowToTop(grid_->InplaceEditor());
    Application().ProcessMessages();
    grid_->ShowEditor();
  }
  HWND editor = grid_->InplaceEditor();
  if (!editor) return false;
  ::BringWindowToTop(editor);
  Application().ProcessMessages();
  return true;
}

void TVexlorStringGridHelper::CheckCell(TVexlorSpell3Base* spell, int32_t col, int32_t row) {
  if (!ShowCell(col, row) || !spell) return;
  spell->CheckWinControl(grid_->InplaceEditor(), ctAll);
}

void TVexlorStringGridHelper::CheckColumn(TVexlorSpell3Base* spell, int32_t col) {
  if (!grid_ || !spell) return;
  // Fixed rows hold headings, not text to check; the cancelled state is
  // looked at only after a check of this run.
  for (int32_t row = grid_->FixedRows(); row < grid_->RowCount(); ++row) {
    CheckCell(spell, col, row);
    if (spell->Cancelled()) break;
  }
}

void TVexlorStringGridHelper::EndCheck() {
  if (!grid_) return;
  grid_->SetEditorHideSelection(true);
  if (!editorAlwaysShownBefore_) {
    TGridOptions options = grid_->Options();
    grid_->SetOptions(options.Exclude(TGridOption::goAlwaysShowEditor));
    grid_->HideEditor();
  }
  grid_->FocusCell(col_, row_);
  grid_ = nullptr;
}
