// The string grid: painting, scrolling, navigation and the in-place edit,
// whose every change is written to its cell at once.
#include "vl3StringGrid_win.h"

#include <windows.h>

#include <commctrl.h>

#include <algorithm>

const char* const TStringGrid::kClassName = "TStringGrid";

namespace {

const char* GridClass() {
  static const bool registered = [] {
    WNDCLASSA wc = {};
    wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = TStringGrid::kClassName;
    return ::RegisterClassA(&wc) != 0;
  }();
  (void)registered;
  return TStringGrid::kClassName;
}

bool ShiftDown() { return (::GetKeyState(VK_SHIFT) & 0x8000) != 0; }

}  // namespace

TStringGrid::TStringGrid(TComponent* owner, TParentWindow* parent) : TControl(owner, parent) {
  colWidths_.assign(static_cast<size_t>(colCount_), defaultColWidth_);
  rowHeights_.assign(static_cast<size_t>(rowCount_), defaultRowHeight_);
  cells_.assign(static_cast<size_t>(rowCount_), std::vector<std::string>(static_cast<size_t>(colCount_)));
  CreateHandle(GridClass(), WS_TABSTOP | WS_VSCROLL, WS_EX_CLIENTEDGE);
  UpdateScrollBar();
}

TStringGrid::~TStringGrid() {
  // The editor goes while the grid that handles its messages is whole.
  if (editor_) ::DestroyWindow(editor_);
}

// ---- Dimensions ----------------------------------------------------------------

void TStringGrid::SetColCount(int32_t value) {
  colCount_ = std::max(1, value);
  colWidths_.resize(static_cast<size_t>(colCount_), defaultColWidth_);
  for (auto& row : cells_) row.resize(static_cast<size_t>(colCount_));
  fixedCols_ = std::min(fixedCols_, colCount_ - 1);
  ClampCurrent();
}

void TStringGrid::SetRowCount(int32_t value) {
  rowCount_ = std::max(1, value);
  rowHeights_.resize(static_cast<size_t>(rowCount_), defaultRowHeight_);
  cells_.resize(static_cast<size_t>(rowCount_), std::vector<std::string>(static_cast<size_t>(colCount_)));
  fixedRows_ = std::min(fixedRows_, rowCount_ - 1);
  ClampCurrent();
}

void TStringGrid::SetFixedCols(int32_t value) {
  fixedCols_ = std::clamp(value, 0, colCount_ - 1);
  ClampCurrent();
}

void TStringGrid::SetFixedRows(int32_t value) {
  fixedRows_ = std::clamp(value, 0, rowCount_ - 1);
  ClampCurrent();
}

void TStringGrid::ClampCurrent() {
  col_ = std::clamp(col_, fixedCols_, colCount_ - 1);
  row_ = std::clamp(row_, fixedRows_, rowCount_ - 1);
  topRow_ = std::clamp(topRow_, fixedRows_, rowCount_ - 1);
  UpdateScrollBar();
  PlaceEditor();
  if (handle_) ::InvalidateRect(handle_, nullptr, FALSE);
}

int32_t TStringGrid::ColWidths(int32_t col) const {
  return col >= 0 && col < colCount_ ? colWidths_[static_cast<size_t>(col)] : 0;
}

void TStringGrid::SetColWidths(int32_t col, int32_t width) {
  if (col < 0 || col >= colCount_) return;
  colWidths_[static_cast<size_t>(col)] = std::max(0, width);
  ClampCurrent();
}

int32_t TStringGrid::RowHeights(int32_t row) const {
  return row >= 0 && row < rowCount_ ? rowHeights_[static_cast<size_t>(row)] : 0;
}

void TStringGrid::SetRowHeights(int32_t row, int32_t height) {
  if (row < 0 || row >= rowCount_) return;
  rowHeights_[static_cast<size_t>(row)] = std::max(0, height);
  ClampCurrent();
}

void TStringGrid::SetDefaultColWidth(int32_t value) {
  defaultColWidth_ = value;
  colWidths_.assign(static_cast<size_t>(colCount_), value);
  ClampCurrent();
}

void TStringGrid::SetDefaultRowHeight(int32_t value) {
  defaultRowHeight_ = value;
  rowHeights_.assign(static_cast<size_t>(rowCount_), value);
  ClampCurrent();
}

std::string TStringGrid::Cells(int32_t col, int32_t row) const {
  if (col < 0 || col >= colCount_ || row < 0 || row >= rowCount_) return std::string();
  return cells_[static_cast<size_t>(row)][static_cast<size_t>(col)];
}

void TStringGrid::SetCells(int32_t col, int32_t row, const std::string& value) {
  if (col < 0 || col >= colCount_ || row < 0 || row >= rowCount_) return;
  cells_[static_cast<size_t>(row)][static_cast<size_t>(col)] = value;
  if (editing_ && col == col_ && row == row_ && editor_ && VxWin::WindowText(editor_) != value) {
    filling_ = true;
    ::SetWindowTextA(editor_, value.c_str());
    filling_ = false;
  }
  if (handle_) {
    const TRect r = CellRect(col, row);
    RECT rc = {r.Left, r.Top, r.Right, r.Bottom};
    ::InvalidateRect(handle_, &rc, FALSE);
  }
}

// ---- Geometry ----------------------------------------------------------------------

TRect TStringGrid::CellRect(int32_t col, int32_t row) const {
  if (col < 0 || col >= colCount_ || row < 0 || row >= rowCount_) return TRect{};
  if (row >= fixedRows_ && row < topRow_) return TRect{};
  int32_t x = 0;
  for (int32_t c = 0; c < col; ++c) x += colWidths_[static_cast<size_t>(c)];
  int32_t y = 0;
  for (int32_t r = 0; r < fixedRows_ && r < row; ++r) y += rowHeights_[static_cast<size_t>(r)];
  for (int32_t r = std::max(topRow_, fixedRows_); r < row; ++r) y += rowHeights_[static_cast<size_t>(r)];
  return TRect{x, y, x + colWidths_[static_cast<size_t>(col)], y + rowHeights_[static_cast<size_t>(row)]};
}

bool TStringGrid::MouseToCell(int32_t x, int32_t y, int32_t& col, int32_t& row) const {
  col = row = -1;
  int32_t right = 0;
  for (int32_t c = 0; c < colCount_; ++c) {
    right += colWidths_[static_cast<size_t>(c)];
    if (x < right) {
      col = c;
      break;
    }
  }
  int32_t bottom = 0;
  for (int32_t r = 0; r < rowCount_; ++r) {
    if (r >= fixedRows_ && r < topRow_) continue;
    bottom += rowHeights_[static_cast<size_t>(r)];
    if (y < bottom) {
      row = r;
      break;
    }
  }
  return x >= 0 && y >= 0 && col >= 0 && row >= 0;
}

int32_t TStringGrid::VisibleRowCount() const {
  const int32_t height = ClientRect().Height();
  int32_t y = 0;
  for (int32_t r = 0; r < fixedRows_; ++r) y += rowHeights_[static_cast<size_t>(r)];
  int32_t count = 0;
  for (int32_t r = topRow_; r < rowCount_; ++r) {
    y += rowHeights_[static_cast<size_t>(r)];
    if (y > height) break;
    ++count;
  }
  return std::max(1, count);
}

void TStringGrid::SetTopRow(int32_t value) {
  const int32_t last = std::max(fixedRows_, rowCount_ - VisibleRowCount());
  const int32_t top = std::clamp(value, fixedRows_, std::max(fixedRows_, last));
  if (top == topRow_) return;
  topRow_ = top;
  UpdateScrollBar();
  PlaceEditor();
  if (handle_) ::InvalidateRect(handle_, nullptr, FALSE);
}

void TStringGrid::UpdateScrollBar() {
  if (!handle_) return;
  SCROLLINFO si = {};
  si.cbSize = sizeof si;
  si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  si.nMin = 0;
  si.nMax = std::max(0, rowCount_ - fixedRows_ - 1);
  si.nPage = static_cast<UINT>(VisibleRowCount());
  si.nPos = topRow_ - fixedRows_;
  ::SetScrollInfo(handle_, SB_VERT, &si, TRUE);
}

void TStringGrid::ScrollInView() {
  if (row_ < topRow_) {
    SetTopRow(row_);
  } else {
    while (row_ >= topRow_ + VisibleRowCount() && topRow_ < row_) {
      const int32_t before = topRow_;
      SetTopRow(topRow_ + 1);
      if (topRow_ == before) break;
    }
  }
}

void TStringGrid::Resized() {
  UpdateScrollBar();
  PlaceEditor();
}

// ---- Current cell and options ---------------------------------------------------------

void TStringGrid::FocusCell(int32_t col, int32_t row) {
  const int32_t c = std::clamp(col, fixedCols_, colCount_ - 1);
  const int32_t r = std::clamp(row, fixedRows_, rowCount_ - 1);
  if (c == col_ && r == row_) return;
  const bool keepEditor = options_.Contains(TGridOption::goAlwaysShowEditor);
  if (editing_ && !keepEditor) HideEditor();
  col_ = c;
  row_ = r;
  ScrollInView();
  if (editing_) {
    filling_ = true;
    const std::string text = Cells(col_, row_);
    ::SetWindowTextA(editor_, text.c_str());
    filling_ = false;
    editStart_ = text;
    ::SendMessageA(editor_, EM_SETSEL, 0, -1);
    PlaceEditor();
  } else if (keepEditor && options_.Contains(TGridOption::goEditing)) {
    ShowEditor();
  }
  if (handle_) ::InvalidateRect(handle_, nullptr, FALSE);
  if (OnSelectCell) OnSelectCell(this);
}

void TStringGrid::SetOptions(TGridOptions value) {
  options_ = value;
  if (!options_.Contains(TGridOption::goEditing) && editing_) HideEditor();
  if (handle_) ::InvalidateRect(handle_, nullptr, FALSE);
}

// ---- The in-place editor ------------------------------------------------------------------

void TStringGrid::ShowEditor() {
  if (!handle_) return;
  if (!editor_) {
    editor_ = CreateEditor();
    if (!editor_) return;
  }
  if (!editing_) {
    editing_ = true;
    editStart_ = Cells(col_, row_);
    filling_ = true;
    ::SetWindowTextA(editor_, editStart_.c_str());
    filling_ = false;
    ::SendMessageA(editor_, EM_SETSEL, 0, -1);
  }
  PlaceEditor();
  ::ShowWindow(editor_, SW_SHOW);
  if (::GetFocus() == handle_) ::SetFocus(editor_);
}

HWND__* TStringGrid::CreateEditor() {
  const DWORD style = WS_CHILD | ES_AUTOHSCROLL | (editorHideSelection_ ? 0 : ES_NOHIDESEL);
  HWND editor = ::CreateWindowExA(0, "EDIT", "", style, 0, 0, 10, 10, handle_, nullptr,
                                  ::GetModuleHandleA(nullptr), nullptr);
  if (!editor) return nullptr;
  ::SendMessageA(editor, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), FALSE);
  VxWin::Subclass(editor, &editorHook_);
  return editor;
}

void TStringGrid::SetEditorHideSelection(bool value) {
  if (editorHideSelection_ == value) return;
  editorHideSelection_ = value;
  if (!editor_) return;
  // The edit keeps ES_NOHIDESEL as it was created with: only a new window
  // takes the new setting.
  HWND old = editor_;
  HWND editor = CreateEditor();
  if (!editor) {
    editorHideSelection_ = !value;
    return;
  }
  DWORD start = 0, end = 0;
  ::SendMessageA(old, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  RECT bounds = {};
  ::GetWindowRect(old, &bounds);
  ::MapWindowPoints(nullptr, handle_, reinterpret_cast<POINT*>(&bounds), 2);
  const bool visible = (::GetWindowLongA(old, GWL_STYLE) & WS_VISIBLE) != 0;
  const bool focused = ::GetFocus() == old;
  filling_ = true;
  ::SetWindowTextA(editor, VxWin::WindowText(old).c_str());
  filling_ = false;
  ::SendMessageA(editor, EM_SETSEL, start, end);
  ::SendMessageA(editor, EM_SCROLLCARET, 0, 0);
  ::MoveWindow(editor, bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, FALSE);
  editor_ = editor;
  if (visible) ::ShowWindow(editor, SW_SHOW);
  if (focused) ::SetFocus(editor);
  ::DestroyWindow(old);
}

void TStringGrid::HideEditor() {
  if (!editing_) return;
  editing_ = false;
  const bool hadFocus = ::GetFocus() == editor_;
  ::ShowWindow(editor_, SW_HIDE);
  if (hadFocus) ::SetFocus(handle_);
  ::InvalidateRect(handle_, nullptr, FALSE);
}

void TStringGrid::PlaceEditor() {
  if (!editor_ || !editing_) return;
  const TRect r = CellRect(col_, row_);
  if (r.Width() <= 0 || r.Height() <= 0) {
    ::MoveWindow(editor_, -100, -100, 10, 10, FALSE);
    return;
  }
  ::MoveWindow(editor_, r.Left + 2, r.Top + 3, std::max(1, r.Width() - 4), std::max(1, r.Height() - 5), TRUE);
}

bool TStringGrid::TEditorHook::SubclassMessage(HWND__* wnd, uint32_t msg, uintptr_t wParam,
                                               intptr_t lParam, intptr_t& result) {
  (void)lParam;
  return grid_.EditorMessage(wnd, msg, wParam, result);
}

void TStringGrid::TEditorHook::SubclassDestroyed(HWND__* wnd) {
  if (grid_.editor_ == wnd) grid_.editor_ = nullptr;
}

bool TStringGrid::EditorMessage(HWND__* wnd, uint32_t msg, uintptr_t wParam, intptr_t& result) {
  (void)wnd;
  result = 0;
  switch (msg) {
    case WM_GETDLGCODE:
      result = DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTTAB | DLGC_WANTALLKEYS;
      return true;
    case WM_KEYDOWN: {
      bool handled = false;
      EditorKey(static_cast<uint16_t>(wParam), handled);
      return handled;
    }
    case WM_CHAR:
      // Enter, Tab and Escape act as keys; the edit would only beep.
      return wParam == '\r' || wParam == '\t' || wParam == 27;
    default:
      return false;
  }
}

void TStringGrid::EditorKey(uint16_t key, bool& handled) {
  handled = true;
  switch (key) {
    case VK_ESCAPE:
      SetCells(col_, row_, editStart_);
      if (!options_.Contains(TGridOption::goAlwaysShowEditor)) HideEditor();
      return;
    case VK_RETURN:
      if (!options_.Contains(TGridOption::goAlwaysShowEditor)) HideEditor();
      else ::SendMessageA(editor_, EM_SETSEL, 0, -1);
      return;
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
      KeyNavigate(key, false);
      return;
    case VK_TAB:
      if (options_.Contains(TGridOption::goTabs)) {
        KeyNavigate(key, ShiftDown());
        return;
      }
      break;
    default:
      break;
  }
  handled = false;
}

// ---- Keyboard and mouse --------------------------------------------------------------------

void TStringGrid::KeyNavigate(uint16_t key, bool shift) {
  int32_t c = col_, r = row_;
  switch (key) {
    case VK_LEFT: --c; break;
    case VK_RIGHT: ++c; break;
    case VK_UP: --r; break;
    case VK_DOWN: ++r; break;
    case VK_PRIOR: r -= VisibleRowCount(); break;
    case VK_NEXT: r += VisibleRowCount(); break;
    case VK_HOME: c = fixedCols_; break;
    case VK_END: c = colCount_ - 1; break;
    case VK_TAB:
      if (shift) {
        if (--c < fixedCols_) {
          c = colCount_ - 1;
          --r;
        }
      } else if (++c >= colCount_) {
        c = fixedCols_;
        ++r;
      }
      if (r < fixedRows_ || r >= rowCount_) return;
      break;
    default:
      return;
  }
  FocusCell(c, r);
}

bool TStringGrid::WndProc(uint32_t msg, uintptr_t wParam, intptr_t lParam, intptr_t& result) {
  switch (msg) {
    case WM_PAINT:
      Paint();
      result = 0;
      return true;
    case WM_ERASEBKGND:
      result = 1;
      return true;
    case WM_GETDLGCODE:
      result = DLGC_WANTARROWS | DLGC_WANTCHARS | (options_.Contains(TGridOption::goTabs) ? DLGC_WANTTAB : 0);
      return true;
    case WM_SETFOCUS:
      if (editing_ && editor_) ::SetFocus(editor_);
      else if (options_.Contains(TGridOption::goAlwaysShowEditor) && options_.Contains(TGridOption::goEditing))
        ShowEditor();
      ::InvalidateRect(handle_, nullptr, FALSE);
      return false;
    case WM_KILLFOCUS:
      ::InvalidateRect(handle_, nullptr, FALSE);
      return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      int32_t c = 0, r = 0;
      if (MouseToCell(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)), c, r) &&
          c >= fixedCols_ && r >= fixedRows_) {
        const bool same = c == col_ && r == row_;
        ::SetFocus(handle_);
        FocusCell(c, r);
        if ((same || msg == WM_LBUTTONDBLCLK) && options_.Contains(TGridOption::goEditing)) ShowEditor();
      } else {
        ::SetFocus(handle_);
      }
      result = 0;
      return true;
    }
    case WM_MOUSEWHEEL:
      SetTopRow(topRow_ - static_cast<short>(HIWORD(wParam)) / WHEEL_DELTA * 3);
      result = 0;
      return true;
    case WM_KEYDOWN:
      if (!KeyDown(static_cast<uint16_t>(wParam))) return true;
      if ((wParam == VK_F2 || wParam == VK_RETURN) && options_.Contains(TGridOption::goEditing)) {
        ShowEditor();
      } else {
        KeyNavigate(static_cast<uint16_t>(wParam), ShiftDown());
      }
      result = 0;
      return true;
    case WM_CHAR:
      // Typing into a cell starts editing it with that character.
      if (options_.Contains(TGridOption::goEditing) && wParam >= 32) {
        ShowEditor();
        if (editor_) {
          ::SendMessageA(editor_, EM_SETSEL, 0, -1);
          ::SendMessageA(editor_, WM_CHAR, wParam, lParam);
        }
      }
      result = 0;
      return true;
    case WM_VSCROLL: {
      int32_t top = topRow_;
      switch (LOWORD(wParam)) {
        case SB_LINEUP: --top; break;
        case SB_LINEDOWN: ++top; break;
        case SB_PAGEUP: top -= VisibleRowCount(); break;
        case SB_PAGEDOWN: top += VisibleRowCount(); break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: top = fixedRows_ + static_cast<short>(HIWORD(wParam)); break;
        case SB_TOP: top = fixedRows_; break;
        case SB_BOTTOM: top = rowCount_; break;
        default: break;
      }
      SetTopRow(top);
      result = 0;
      return true;
    }
    case WM_COMMAND:
      if (reinterpret_cast<HWND>(lParam) == editor_ && editor_ && HIWORD(wParam) == EN_CHANGE && !filling_) {
        // The cell follows its editor at once, so that whoever edits the
        // editor (the user or a spelling check) edits the cell.
        cells_[static_cast<size_t>(row_)][static_cast<size_t>(col_)] = VxWin::WindowText(editor_);
        result = 0;
        return true;
      }
      return false;
    default:
      return false;
  }
}

void TStringGrid::Paint() {
  PAINTSTRUCT ps = {};
  HDC dc = ::BeginPaint(handle_, &ps);
  RECT client = {};
  ::GetClientRect(handle_, &client);
  HGDIOBJ oldFont = ::SelectObject(dc, Font().Handle());
  ::SetBkMode(dc, TRANSPARENT);
  HPEN linePen = ::CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW));
  HGDIOBJ oldPen = ::SelectObject(dc, linePen);
  const bool focused = ::GetFocus() == handle_;
  int32_t bottom = 0, right = 0;
  for (int32_t r = 0; r < rowCount_; ++r) {
    if (r >= fixedRows_ && r < topRow_) continue;
    for (int32_t c = 0; c < colCount_; ++c) {
      const TRect cell = CellRect(c, r);
      if (cell.Top > client.bottom) break;
      RECT rc = {cell.Left, cell.Top, cell.Right, cell.Bottom};
      const bool fixed = c < fixedCols_ || r < fixedRows_;
      const bool current = c == col_ && r == row_ && !editing_;
      int background = fixed ? COLOR_BTNFACE : COLOR_WINDOW;
      if (current && focused) background = COLOR_HIGHLIGHT;
      ::FillRect(dc, &rc, ::GetSysColorBrush(background));
      ::SetTextColor(dc, ::GetSysColor(current && focused ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
      const std::string& text = cells_[static_cast<size_t>(r)][static_cast<size_t>(c)];
      RECT textRect = {rc.left + 2, rc.top + 2, rc.right - 2, rc.bottom - 1};
      ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &textRect,
                  DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
      const bool vertLine = options_.Contains(fixed ? TGridOption::goFixedVertLine : TGridOption::goVertLine);
      const bool horzLine = options_.Contains(fixed ? TGridOption::goFixedHorzLine : TGridOption::goHorzLine);
      if (vertLine) {
        ::MoveToEx(dc, rc.right - 1, rc.top, nullptr);
        ::LineTo(dc, rc.right - 1, rc.bottom);
      }
      if (horzLine) {
        ::MoveToEx(dc, rc.left, rc.bottom - 1, nullptr);
        ::LineTo(dc, rc.right, rc.bottom - 1);
      }
      if (current && !focused) ::DrawFocusRect(dc, &rc);
      right = std::max<int32_t>(right, rc.right);
      bottom = std::max<int32_t>(bottom, rc.bottom);
    }
    if (bottom > client.bottom) break;
  }
  // The area beyond the last row and column.
  RECT below = {0, bottom, client.right, client.bottom};
  ::FillRect(dc, &below, ::GetSysColorBrush(COLOR_WINDOW));
  RECT beside = {right, 0, client.right, bottom};
  ::FillRect(dc, &beside, ::GetSysColorBrush(COLOR_WINDOW));
  ::SelectObject(dc, oldPen);
  ::DeleteObject(linePen);
  ::SelectObject(dc, oldFont);
  ::EndPaint(handle_, &ps);
}
