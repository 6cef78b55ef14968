// The string-grid helper: each cell is opened in the grid's in-place editor
// and checked there, so corrections land in the cell.
#include "vl3Grid.h"

#include <windows.h>

#include "vl3Application_win.h"
#include "vl3SpellBase.h"
#include "vl3StringGrid_win.h"

void TVexlorStringGridHelper::BeginCheck(TStringGrid* Grid) {
  editorPrepared_ = false;
  grid_ = Grid;
  if (!grid_) return;
  TGridOptions options = grid_->Options();
  editorAlwaysShownBefore_ = options.Contains(TGridOption::goAlwaysShowEditor);
  grid_->SetOptions(options.Include(TGridOption::goAlwaysShowEditor));
  row_ = grid_->Row();
  col_ = grid_->Col();
}

bool TVexlorStringGridHelper::ShowCell(int32_t Col, int32_t Row) {
  if (!grid_) return false;
  // Fixed cells are headings: they have no editor to check through.
  if (Col < grid_->FixedCols() || Row < grid_->FixedRows() || Col >= grid_->ColCount() ||
      Row >= grid_->RowCount())
    return false;
  grid_->FocusCell(Col, Row);
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

void TVexlorStringGridHelper::CheckCell(TVexlorSpell3Base* Spell, int32_t Col, int32_t Row) {
  if (!ShowCell(Col, Row) || !Spell) return;
  Spell->CheckWinControl(grid_->InplaceEditor(), ctAll);
}

void TVexlorStringGridHelper::CheckColumn(TVexlorSpell3Base* Spell, int32_t Col) {
  if (!grid_ || !Spell) return;
  // Fixed rows hold headings, not text to check; the cancelled state is
  // looked at only after a check of this run.
  for (int32_t row = grid_->FixedRows(); row < grid_->RowCount(); ++row) {
    CheckCell(Spell, Col, row);
    if (Spell->Cancelled()) break;
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
