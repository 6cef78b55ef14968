// The simple controls of the form layer. Each wraps a real system control;
// nothing here draws a control itself.
#include <windows.h>

#include <algorithm>

#include "vl3Form_win.h"
#include "vl3SimpleControls_win.h"

// ---- TLabel --------------------------------------------------------------------

TLabel::TLabel(TComponent* owner, TParentWindow* parent) : TControl(owner, parent) {
  CreateHandle("STATIC", SS_LEFTNOWORDWRAP | SS_NOTIFY);
}

void TLabel::SetText(const std::string& value) {
  TControl::SetText(value);
  AdjustSize();
}

void TLabel::SetAutoSize(bool value) {
  autoSize_ = value;
  AdjustSize();
}

void TLabel::SetWordWrap(bool value) {
  wordWrap_ = value;
  if (!handle_) return;
  LONG_PTR style = ::GetWindowLongPtrA(handle_, GWL_STYLE) & ~static_cast<LONG_PTR>(SS_TYPEMASK);
  ::SetWindowLongPtrA(handle_, GWL_STYLE, style | (value ? SS_LEFT : SS_LEFTNOWORDWRAP));
  ::InvalidateRect(handle_, nullptr, TRUE);
  AdjustSize();
}

void TLabel::AdjustSize() {
  if (!autoSize_ || !handle_) return;
  const std::string text = Text();
  if (text.empty()) return;
  HDC dc = ::GetDC(handle_);
  HGDIOBJ old = ::SelectObject(dc, Font().Handle());
  RECT r = {0, 0, wordWrap_ ? Width() : 0, 0};
  ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r,
              DT_CALCRECT | (wordWrap_ ? DT_WORDBREAK : DT_SINGLELINE));
  ::SelectObject(dc, old);
  ::ReleaseDC(handle_, dc);
  // A word-wrapped label keeps its width and grows downwards.
  SetBounds(Left(), Top(), wordWrap_ ? Width() : r.right, r.bottom);
}

bool TLabel::DialogChar(char ch) {
  if (!IsAccel(ch, Text())) return false;
  Accelerate();
  return true;
}

void TLabel::Accelerate() {
  if (focusControl_ && focusControl_->CanFocus()) focusControl_->SetFocus();
}

// ---- TButton -------------------------------------------------------------------

TButton::TButton(TComponent* owner, TParentWindow* parent) : TControl(owner, parent) {
  CreateHandle("BUTTON", BS_PUSHBUTTON | WS_TABSTOP);
}

void TButton::SetDefault(bool value) {
  default_ = value;
  if (handle_) ::SendMessageA(handle_, BM_SETSTYLE, value ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void TButton::Click() {
  if (modalResult_ != mrNone)
    if (TForm* form = ParentForm()) form->SetModalResult(modalResult_);
  TControl::Click();
}

void TButton::Command(uint16_t code) {
  if (code == BN_CLICKED) Click();
}

bool TButton::DialogChar(char ch) {
  if (!IsAccel(ch, Text())) return false;
  Accelerate();
  return true;
}

void TButton::Accelerate() {
  if (CanFocus()) Click();
}

// ---- TCheckBox -----------------------------------------------------------------

TCheckBox::TCheckBox(TComponent* owner, TParentWindow* parent) : TControl(owner, parent) {
  CreateHandle("BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP);
}

bool TCheckBox::Checked() const {
  return handle_ && ::SendMessageA(handle_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TCheckBox::SetChecked(bool value) {
  if (!handle_ || Checked() == value) return;
  ::SendMessageA(handle_, BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
  Click();
}

void TCheckBox::Command(uint16_t code) {
  if (code == BN_CLICKED) Click();
}

bool TCheckBox::DialogChar(char ch) {
  if (!IsAccel(ch, Text())) return false;
  Accelerate();
  return true;
}

void TCheckBox::Accelerate() {
  if (!CanFocus()) return;
  SetFocus();
  SetChecked(!Checked());
}

// ---- TEdit and TMemo -----------------------------------------------------------

TEdit::TEdit(TComponent* owner, TParentWindow* parent) : TEdit(owner, parent, ES_AUTOHSCROLL) {}

TEdit::TEdit(TComponent* owner, TParentWindow* parent, uint32_t style)
    : TControl(owner, parent) {
  CreateHandle("EDIT", style | WS_TABSTOP, WS_EX_CLIENTEDGE);
}

void TEdit::SetReadOnly(bool value) {
  readOnly_ = value;
  if (handle_) ::SendMessageA(handle_, EM_SETREADONLY, value, 0);
}

void TEdit::SelectAll() {
  if (handle_) ::SendMessageA(handle_, EM_SETSEL, 0, -1);
}

int32_t TEdit::SelStart() const {
  DWORD start = 0, end = 0;
  if (handle_)
    ::SendMessageA(handle_, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                   reinterpret_cast<LPARAM>(&end));
  return static_cast<int32_t>(start);
}

int32_t TEdit::SelLength() const {
  DWORD start = 0, end = 0;
  if (handle_)
    ::SendMessageA(handle_, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                   reinterpret_cast<LPARAM>(&end));
  return static_cast<int32_t>(end - start);
}

void TEdit::SetSel(int32_t start, int32_t length) {
  if (handle_) ::SendMessageA(handle_, EM_SETSEL, start, start + length);
}

void TEdit::Command(uint16_t code) {
  if (code == EN_CHANGE && OnChange) OnChange(this);
}

TMemo::TMemo(TComponent* owner, TParentWindow* parent)
    : TEdit(owner, parent, ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL) {}

int32_t TMemo::LineCount() const {
  return handle_ ? static_cast<int32_t>(::SendMessageA(handle_, EM_GETLINECOUNT, 0, 0)) : 0;
}

std::string TMemo::Line(int32_t index) const {
  if (!handle_ || index < 0 || index >= LineCount()) return std::string();
  const LRESULT start = ::SendMessageA(handle_, EM_LINEINDEX, index, 0);
  const LRESULT length = ::SendMessageA(handle_, EM_LINELENGTH, start, 0);
  // EM_GETLINE reads the buffer size from the buffer's first word.
  std::string line(static_cast<size_t>(std::max<LRESULT>(length, 1)) + 2, '\0');
  *reinterpret_cast<WORD*>(&line[0]) = static_cast<WORD>(line.size());
  const LRESULT got =
      ::SendMessageA(handle_, EM_GETLINE, index, reinterpret_cast<LPARAM>(&line[0]));
  line.resize(static_cast<size_t>(std::max<LRESULT>(0, std::min<LRESULT>(got, length))));
  return line;
}

void TMemo::AddLine(const std::string& value) {
  if (!handle_) return;
  const int length = ::GetWindowTextLengthA(handle_);
  const std::string text = (length > 0 ? "\r\n" : "") + value;
  ::SendMessageA(handle_, EM_SETSEL, length, length);
  ::SendMessageA(handle_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
}

// ---- TGroupBox and TPanel ------------------------------------------------------

TGroupBox::TGroupBox(TComponent* owner, TParentWindow* parent) : TControl(owner, parent) {
  // Without WS_CLIPCHILDREN: the system frame paints no background of its
  // own, so the panel's background must show through it.
  CreateHandle(VxWin::kPanelClass, 0, WS_EX_CONTROLPARENT);
  if (!handle_) return;
  frame_ = ::CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, 0, 0, Width(),
                             Height(), handle_, nullptr, ::GetModuleHandleA(nullptr), nullptr);
  ::SendMessageA(frame_, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), FALSE);
  AttachContainer(handle_);
}

TGroupBox::~TGroupBox() { DestroyControls(); }

std::string TGroupBox::Text() const { return VxWin::WindowText(frame_); }

void TGroupBox::SetText(const std::string& value) {
  if (frame_) ::SetWindowTextA(frame_, value.c_str());
}

void TGroupBox::Resized() {
  if (frame_) ::SetWindowPos(frame_, HWND_BOTTOM, 0, 0, Width(), Height(), SWP_NOACTIVATE);
}

void TGroupBox::FontChanged() {
  if (frame_) ::SendMessageA(frame_, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), TRUE);
  for (TControl* c : Controls()) c->ApplyParentFont(Font());
}

TPanel::TPanel(TComponent* owner, TParentWindow* parent) : TControl(owner, parent) {
  CreateHandle(VxWin::kPanelClass, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT);
  if (handle_) AttachContainer(handle_);
}

TPanel::~TPanel() { DestroyControls(); }

void TPanel::Resized() {}

// ---- TImage and TBevel ---------------------------------------------------------

TImage::TImage(TComponent* owner, TParentWindow* parent) : TControl(owner, parent) {
  CreateHandle("STATIC", SS_ICON | SS_REALSIZEIMAGE);
}

void TImage::SetIcon(HICON__* icon) {
  if (handle_) ::SendMessageA(handle_, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
}

void TImage::LoadSystemIcon(int32_t id) { SetIcon(::LoadIconA(nullptr, MAKEINTRESOURCEA(id))); }

TBevel::TBevel(TComponent* owner, TParentWindow* parent) : TControl(owner, parent) {
  CreateHandle("STATIC", SS_ETCHEDFRAME);
}

void TBevel::SetShape(TBevelShape value) {
  shape_ = value;
  if (!handle_) return;
  const bool line = value == TBevelShape::bsTopLine || value == TBevelShape::bsBottomLine;
  LONG_PTR style = ::GetWindowLongPtrA(handle_, GWL_STYLE) & ~static_cast<LONG_PTR>(SS_TYPEMASK);
  ::SetWindowLongPtrA(handle_, GWL_STYLE, style | (line ? SS_ETCHEDHORZ : SS_ETCHEDFRAME));
  SetBounds(Left(), Top(), Width(), Height());
}

void TBevel::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) {
  TControl::SetBounds(left, top, width, height);
  if (!handle_) return;
  // A line is a two-pixel etched strip at the top or bottom of the bounds.
  if (shape_ == TBevelShape::bsTopLine) ::MoveWindow(handle_, left, top, width, 2, TRUE);
  if (shape_ == TBevelShape::bsBottomLine)
    ::MoveWindow(handle_, left, top + height - 2, width, 2, TRUE);
}
