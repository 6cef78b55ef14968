// The control base, containers and the simple controls of the form layer.
// Each wraps a real system control; nothing here draws a control itself.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <mutex>
#include <unordered_map>
#include <utility>

#include "vl3Application_win.h"
#include "vl3Controls_win.h"
#include "vl3Form_win.h"

namespace VxWin {
const char* const kFormClass = "VxForm";
const char* const kPanelClass = "VxPanel";

std::string WindowText(HWND wnd) {
  if (!wnd) return std::string();
  const int length = ::GetWindowTextLengthA(wnd);
  if (length <= 0) return std::string();
  std::string text(static_cast<size_t>(length) + 1, '\0');
  const int got = ::GetWindowTextA(wnd, &text[0], length + 1);
  text.resize(static_cast<size_t>(std::max(got, 0)));
  return text;
}
}  // namespace VxWin

namespace {

// What this layer knows about a window: its control wrapper, its container
// and the procedure our subclass replaced. Window properties would serve,
// but under Wine each look-up is a round trip to the server, paid on every
// message. Windows run on their own thread; FromHandle may be asked from any.
struct TWindowLink {
  TControl* control = nullptr;
  TParentWindow* container = nullptr;
  WNDPROC previous = nullptr;
  bool Empty() const { return !control && !container && !previous; }
};

// Never destroyed: windows may still go while static objects are torn down.
std::mutex& LinksLock() {
  static auto* lock = new std::mutex;
  return *lock;
}

std::unordered_map<HWND, TWindowLink>& Links() {
  static auto* links = new std::unordered_map<HWND, TWindowLink>;
  return *links;
}

TWindowLink FindLink(HWND wnd) {
  std::lock_guard<std::mutex> guard(LinksLock());
  const auto it = Links().find(wnd);
  return it == Links().end() ? TWindowLink() : it->second;
}

// Changes the link of Wnd under the lock and drops it once nothing is left.
template <typename F>
void EditLink(HWND wnd, F change) {
  std::lock_guard<std::mutex> guard(LinksLock());
  TWindowLink& link = Links()[wnd];
  change(link);
  if (link.Empty()) Links().erase(wnd);
}

// Control ids stay clear of IDOK and IDCANCEL, which the dialog keys send.
int NextControlId() {
  static int next = 1000;
  if (++next > 0x7FFF) next = 1001;
  return next;
}

HWND ToHwnd(HWND__* h) { return reinterpret_cast<HWND>(h); }

// Case-insensitive order as the system's sorted lists use it.
int CompareText(const std::string& a, const std::string& b) {
  return ::lstrcmpiA(a.c_str(), b.c_str());
}

// The locale's upper case of one ANSI character.
char UpperChar(char c) {
  char buffer[2] = {c, 0};
  ::CharUpperBuffA(buffer, 1);
  return buffer[0];
}

}  // namespace

// ---- Fonts -------------------------------------------------------------------

HFONT__* TFont::Handle() const {
  // A handful of fonts serve the whole program, so they are made once.
  static std::vector<std::pair<TFont, HFONT>> cache;
  for (const auto& entry : cache)
    if (entry.first == *this) return entry.second;
  HFONT font = ::CreateFontA(
      Height, 0, 0, 0, Style.Contains(TFontStyle::fsBold) ? FW_BOLD : FW_NORMAL,
      Style.Contains(TFontStyle::fsItalic), Style.Contains(TFontStyle::fsUnderline),
      Style.Contains(TFontStyle::fsStrikeOut), Charset, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
      DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, Name.c_str());
  if (!font) font = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
  cache.emplace_back(*this, font);
  return font;
}

// ---- Containers --------------------------------------------------------------

TParentWindow::~TParentWindow() {
  // Normally the window's WM_NCDESTROY unlinked it already.
  if (containerHandle_)
    EditLink(containerHandle_, [this](TWindowLink& link) {
      if (link.container == this) link.container = nullptr;
    });
}

TParentWindow* TParentWindow::ContainerOf(HWND__* wnd) {
  return wnd ? FindLink(wnd).container : nullptr;
}

void TParentWindow::ForgetContainer(HWND__* wnd) {
  if (wnd) EditLink(wnd, [](TWindowLink& link) { link.container = nullptr; });
}

void TParentWindow::AttachContainer(HWND__* wnd) {
  if (!wnd) return;
  containerHandle_ = wnd;
  EditLink(wnd, [this](TWindowLink& link) { link.container = this; });
  RECT r = {};
  ::GetClientRect(wnd, &r);
  lastWidth_ = r.right;
  lastHeight_ = r.bottom;
}

TRect TParentWindow::ClientRect() const {
  RECT r = {};
  if (ClientHandle()) ::GetClientRect(ToHwnd(ClientHandle()), &r);
  return {r.left, r.top, r.right, r.bottom};
}

void TParentWindow::InsertControl(TControl* control) { controls_.push_back(control); }

void TParentWindow::RemoveControl(TControl* control) {
  controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
}

void TParentWindow::DestroyControls() {
  while (!controls_.empty()) delete controls_.back();  // removes itself
}

void TParentWindow::ArrangeTabOrder() {
  std::vector<TControl*> order = controls_;
  std::stable_sort(order.begin(), order.end(),
                   [](TControl* a, TControl* b) { return a->TabOrder() < b->TabOrder(); });
  HWND after = HWND_TOP;
  for (TControl* c : order) {
    if (!c->Handle()) continue;
    ::SetWindowPos(c->Handle(), after, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    after = c->Handle();
  }
}

void TParentWindow::ApplyAnchors(int32_t newWidth, int32_t newHeight) {
  const int32_t dx = newWidth - lastWidth_, dy = newHeight - lastHeight_;
  const bool known = lastWidth_ >= 0;
  lastWidth_ = newWidth;
  lastHeight_ = newHeight;
  if (!known || (dx == 0 && dy == 0)) return;
  for (TControl* c : std::vector<TControl*>(controls_)) {
    const TAnchors a = c->Anchors();
    int32_t l = c->Left(), t = c->Top(), w = c->Width(), h = c->Height();
    if (a.Contains(TAnchorKind::akRight)) {
      if (a.Contains(TAnchorKind::akLeft))
        w += dx;
      else
        l += dx;
    }
    if (a.Contains(TAnchorKind::akBottom)) {
      if (a.Contains(TAnchorKind::akTop))
        h += dy;
      else
        t += dy;
    }
    if (l != c->Left() || t != c->Top() || w != c->Width() || h != c->Height())
      c->SetBounds(l, t, std::max(w, 0), std::max(h, 0));
  }
}

bool TParentWindow::ContainerMessage(HWND__* wnd, uint32_t msg, uintptr_t wParam, intptr_t lParam,
                                     intptr_t& result) {
  switch (msg) {
    case WM_COMMAND:
      if (lParam != 0) {
        if (TControl* c = TControl::FromHandle(reinterpret_cast<HWND>(lParam))) {
          c->Command(HIWORD(wParam));
          result = 0;
          return true;
        }
      }
      return false;
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      if (!header) return false;
      if (TControl* c = TControl::FromHandle(header->hwndFrom)) return c->Notify(header, result);
      return false;
    }
    case WM_DRAWITEM: {
      auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
      if (!item || item->CtlType == ODT_MENU) return false;
      TControl* c = TControl::FromHandle(item->hwndItem);
      if (!c || !c->DrawItem(item)) return false;
      result = TRUE;
      return true;
    }
    case WM_SIZE:
      if (wParam != SIZE_MINIMIZED)
        if (TParentWindow* p = ContainerOf(wnd)) p->ApplyAnchors(LOWORD(lParam), HIWORD(lParam));
      return false;
    case WM_SETCURSOR:
      if (Application().Cursor() == TAppCursor::crHourGlass) {
        ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
        result = TRUE;
        return true;
      }
      return false;
    default:
      return false;
  }
}

namespace {
LRESULT CALLBACK PanelProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  try {
    intptr_t result = 0;
    if (TParentWindow::ContainerMessage(wnd, msg, wp, lp, result)) return result;
    if (msg == WM_NCDESTROY) TParentWindow::ForgetContainer(wnd);
  } catch (...) {
    // Nothing may leave a window procedure.
  }
  return ::DefWindowProcA(wnd, msg, wp, lp);
}

void RegisterPanelClass() {
  WNDCLASSA wc = {};
  wc.lpfnWndProc = PanelProc;
  wc.hInstance = ::GetModuleHandleA(nullptr);
  wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = VxWin::kPanelClass;
  ::RegisterClassA(&wc);
}
}  // namespace

// ---- TControl ----------------------------------------------------------------

TControl::TControl(TComponent* owner, TParentWindow* parent) : TComponent(owner) {
  Application().Initialize();
  static const bool registered = (RegisterPanelClass(), true);
  (void)registered;
  parent_ = parent;
  for (TComponent* c = owner; !parent_ && c; c = c->Owner())
    parent_ = dynamic_cast<TParentWindow*>(c);
  if (parent_) {
    if (TForm* form = parent_->ParentForm()) font_ = form->Font();
    tabOrder_ = static_cast<int32_t>(parent_->Controls().size());
  }
}

TControl::~TControl() {
  // A container's children are gone already: its own destructor deleted them.
  if (parent_) parent_->RemoveControl(this);
  if (handle_) {
    HWND h = handle_;
    handle_ = nullptr;
    // Our procedure stays in the chain when another subclass sits above it;
    // it then only passes messages on until WM_NCDESTROY drops the link.
    const auto ours = reinterpret_cast<LONG_PTR>(&TControl::ControlProc);
    const bool onTop = ::GetWindowLongPtrA(h, GWLP_WNDPROC) == ours;
    if (onTop) ::SetWindowLongPtrA(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previousProc_));
    EditLink(h, [this, onTop](TWindowLink& link) {
      if (link.control == this) link.control = nullptr;
      if (onTop) link.previous = nullptr;
    });
    ::DestroyWindow(h);
  }
}

TControl* TControl::FromHandle(HWND__* wnd) {
  return wnd ? FindLink(wnd).control : nullptr;
}

void TControl::CreateHandle(const char* className, uint32_t style, uint32_t exStyle,
                            int32_t extraHeight) {
  if (!parent_ || !parent_->ClientHandle()) return;
  extraHeight_ = extraHeight;
  tabStop_ = (style & WS_TABSTOP) != 0;
  const DWORD windowStyle = style | WS_CHILD | WS_CLIPSIBLINGS | (visible_ ? WS_VISIBLE : 0);
  handle_ = ::CreateWindowExA(exStyle, className, "", windowStyle, left_, top_, width_,
                              height_ + extraHeight_, parent_->ClientHandle(),
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(NextControlId())),
                              ::GetModuleHandleA(nullptr), nullptr);
  if (!handle_) return;
  // The link is complete before our procedure can see a message.
  const auto previous = reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(handle_, GWLP_WNDPROC));
  previousProc_ = reinterpret_cast<void*>(previous);
  EditLink(handle_, [this, previous](TWindowLink& link) {
    link.control = this;
    link.previous = previous;
  });
  ::SetWindowLongPtrA(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TControl::ControlProc));
  ::SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Handle()), FALSE);
  parent_->InsertControl(this);
  parent_->ArrangeTabOrder();
}

intptr_t __stdcall TControl::ControlProc(HWND__* wnd, uint32_t msg, uintptr_t wParam,
                                         intptr_t lParam) {
  const TWindowLink link = FindLink(wnd);
  // Without a link the chain below is unknown; only the default is left.
  if (!link.previous) return ::DefWindowProcA(wnd, msg, wParam, lParam);
  TControl* self = link.control;
  try {
    if (msg == WM_NCDESTROY) {
      // The window may go before its wrapper (its parent window was destroyed).
      EditLink(wnd, [](TWindowLink& gone) { gone = TWindowLink(); });
      if (::GetWindowLongPtrA(wnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&ControlProc))
        ::SetWindowLongPtrA(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(link.previous));
      if (self && self->handle_ == wnd) self->handle_ = nullptr;
      return ::CallWindowProcA(link.previous, wnd, msg, wParam, lParam);
    }
    intptr_t result = 0;
    if (self && self->WndProc(msg, wParam, lParam, result)) return result;
  } catch (...) {
    // Nothing may leave a window procedure.
  }
  return ::CallWindowProcA(link.previous, wnd, msg, wParam, lParam);
}

intptr_t TControl::DefWndProc(uint32_t msg, uintptr_t wParam, intptr_t lParam) {
  if (!handle_) return 0;
  if (!previousProc_) return ::DefWindowProcA(handle_, msg, wParam, lParam);
  return ::CallWindowProcA(reinterpret_cast<WNDPROC>(previousProc_), handle_, msg, wParam, lParam);
}

bool TControl::WndProc(uint32_t msg, uintptr_t wParam, intptr_t lParam, intptr_t& result) {
  (void)msg;
  (void)wParam;
  (void)lParam;
  (void)result;
  return false;
}

void TControl::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) {
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  if (handle_) ::MoveWindow(handle_, left_, top_, width_, height_ + extraHeight_, TRUE);
  Resized();
}

TRect TControl::ClientRect() const {
  RECT r = {};
  if (handle_) ::GetClientRect(handle_, &r);
  return {r.left, r.top, r.right, r.bottom};
}

TRect TControl::ScreenRect() const {
  RECT r = {};
  if (handle_) ::GetWindowRect(handle_, &r);
  return {r.left, r.top, r.right, r.bottom};
}

void TControl::SetVisible(bool value) {
  visible_ = value;
  if (handle_) ::ShowWindow(handle_, value ? SW_SHOWNA : SW_HIDE);
}

bool TControl::Showing() const { return handle_ && ::IsWindowVisible(handle_); }

void TControl::SetEnabled(bool value) {
  enabled_ = value;
  if (handle_) ::EnableWindow(handle_, value);
}

std::string TControl::Text() const { return VxWin::WindowText(handle_); }

void TControl::SetText(const std::string& value) {
  // Like a user's edit, a change raises the control's change event; setting
  // the same text again raises nothing.
  if (handle_ && Text() != value) ::SetWindowTextA(handle_, value.c_str());
}

void TControl::SetTabOrder(int32_t value) {
  tabOrder_ = value;
  if (parent_) parent_->ArrangeTabOrder();
}

void TControl::SetTabStop(bool value) {
  tabStop_ = value;
  if (!handle_) return;
  LONG_PTR style = ::GetWindowLongPtrA(handle_, GWL_STYLE);
  style = value ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP));
  ::SetWindowLongPtrA(handle_, GWL_STYLE, style);
}

void TControl::SetFont(const TFont& value) {
  parentFont_ = false;
  font_ = value;
  if (handle_) ::SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Handle()), TRUE);
  FontChanged();
}

void TControl::ApplyParentFont(const TFont& value) {
  if (!parentFont_) return;
  font_ = value;
  if (handle_) ::SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Handle()), TRUE);
  FontChanged();
}

void TControl::SetFocus() {
  if (handle_) ::SetFocus(handle_);
}

bool TControl::Focused() const { return handle_ && ::GetFocus() == handle_; }

bool TControl::CanFocus() const {
  return handle_ && ::IsWindowVisible(handle_) && ::IsWindowEnabled(handle_);
}

void TControl::Accelerate() {
  if (CanFocus()) SetFocus();
}

bool TControl::DialogChar(char ch) {
  (void)ch;
  return false;
}

bool TControl::IsAccel(char ch, const std::string& caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] == '&') {
      ++i;  // "&&" is a plain ampersand
      continue;
    }
    return UpperChar(caption[i + 1]) == UpperChar(ch);
  }
  return false;
}

bool TControl::KeyDown(uint16_t key) {
  if (!OnKeyDown) return true;
  OnKeyDown(this, key);
  return key != 0;
}

void TControl::Click() {
  if (OnClick) OnClick(this);
}

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

// ---- List boxes and drop-down lists ---------------------------------------------

int32_t VxWin::SortedPosition(int32_t count, const std::function<std::string(int32_t)>& itemAt,
                              const std::string& value) {
  int32_t lo = 0, hi = count;
  while (lo < hi) {
    const int32_t mid = (lo + hi) / 2;
    if (CompareText(itemAt(mid), value) <= 0)
      lo = mid + 1;
    else
      hi = mid;
  }
  return lo;
}

TCustomListControl::TCustomListControl(TComponent* owner, TParentWindow* parent,
                                       const TMessages& messages)
    : TControl(owner, parent), messages_(messages) {}

int32_t TCustomListControl::Count() const {
  return handle_ ? static_cast<int32_t>(::SendMessageA(handle_, messages_.Count, 0, 0)) : 0;
}

std::string TCustomListControl::Items(int32_t index) const {
  if (!handle_ || index < 0) return std::string();
  // No count check for owner data: a message per item read; the owner
  // knows its items.
  if (ownerData_) return OwnerItem(index);
  const LRESULT length = ::SendMessageA(handle_, messages_.TextLength, index, 0);
  if (length <= 0) return std::string();  // also LB_ERR and CB_ERR
  std::string text(static_cast<size_t>(length) + 1, '\0');
  const LRESULT got =
      ::SendMessageA(handle_, messages_.Text, index, reinterpret_cast<LPARAM>(&text[0]));
  text.resize(static_cast<size_t>(std::max<LRESULT>(0, std::min(got, length))));
  return text;
}

int32_t TCustomListControl::Add(const std::string& value) {
  if (!handle_) return -1;
  const int32_t at = sorted_ && !ownerData_
                         ? VxWin::SortedPosition(
                               Count(), [this](int32_t i) { return Items(i); }, value)
                         : Count();
  return static_cast<int32_t>(
      ::SendMessageA(handle_, messages_.Insert, at, reinterpret_cast<LPARAM>(value.c_str())));
}

void TCustomListControl::Insert(int32_t index, const std::string& value) {
  if (sorted_ && !ownerData_) {
    Add(value);
    return;
  }
  if (handle_)
    ::SendMessageA(handle_, messages_.Insert, index, reinterpret_cast<LPARAM>(value.c_str()));
}

void TCustomListControl::Delete(int32_t index) {
  if (handle_) ::SendMessageA(handle_, messages_.Delete, index, 0);
}

void TCustomListControl::Clear() {
  if (handle_) ::SendMessageA(handle_, messages_.Reset, 0, 0);
}

void TCustomListControl::SetItems(const std::vector<std::string>& values) {
  if (!handle_) return;
  ::SendMessageA(handle_, WM_SETREDRAW, FALSE, 0);
  Clear();
  std::vector<std::string> items = values;
  if (sorted_)
    std::stable_sort(items.begin(), items.end(), [](const std::string& a, const std::string& b) {
      return CompareText(a, b) < 0;
    });
  for (const std::string& s : items)
    ::SendMessageA(handle_, messages_.Insert, Count(), reinterpret_cast<LPARAM>(s.c_str()));
  ::SendMessageA(handle_, WM_SETREDRAW, TRUE, 0);
  ::InvalidateRect(handle_, nullptr, TRUE);
}

int32_t TCustomListControl::IndexOf(const std::string& value) const {
  for (int32_t i = 0; i < Count(); ++i)
    if (CompareText(Items(i), value) == 0) return i;
  return -1;
}

int32_t TCustomListControl::ItemIndex() const {
  if (!handle_) return -1;
  const LRESULT i = ::SendMessageA(handle_, messages_.GetSelection, 0, 0);
  return i < 0 ? -1 : static_cast<int32_t>(i);
}

void TCustomListControl::SetItemIndex(int32_t value) {
  if (handle_) ::SendMessageA(handle_, messages_.SetSelection, value, 0);
}

namespace {
const TCustomListControl::TMessages kListBoxMessages = {
    LB_GETCOUNT,     LB_GETTEXTLEN,   LB_GETTEXT,   LB_INSERTSTRING,
    LB_DELETESTRING, LB_RESETCONTENT, LB_GETCURSEL, LB_SETCURSEL};
const TCustomListControl::TMessages kComboBoxMessages = {
    CB_GETCOUNT,     CB_GETLBTEXTLEN, CB_GETLBTEXT, CB_INSERTSTRING,
    CB_DELETESTRING, CB_RESETCONTENT, CB_GETCURSEL, CB_SETCURSEL};
}  // namespace

TListBox::TListBox(TComponent* owner, TParentWindow* parent, TListBoxStyle style)
    : TCustomListControl(owner, parent, kListBoxMessages), style_(style) {
  ownerData_ = style == TListBoxStyle::lbVirtual;
  // A list without data must draw its own items, at a fixed height.
  const DWORD ownerData = ownerData_ ? LBS_NODATA | LBS_OWNERDRAWFIXED : 0;
  CreateHandle("LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP | ownerData,
               WS_EX_CLIENTEDGE);
  FitItemHeight();
}

void TListBox::SetSorted(bool value) {
  if (value == sorted_) return;
  sorted_ = value;
  if (!sorted_ || ownerData_) return;
  std::vector<std::string> items;
  for (int32_t i = 0; i < Count(); ++i) items.push_back(Items(i));
  SetItems(items);
}

void TListBox::SetCount(int32_t value) {
  if (handle_ && ownerData_) ::SendMessageA(handle_, LB_SETCOUNT, std::max(0, value), 0);
}

std::string TListBox::OwnerItem(int32_t index) const {
  std::string text;
  if (OnData) OnData(const_cast<TListBox*>(this), index, text);
  return text;
}

void TListBox::Command(uint16_t code) {
  if (code == LBN_SELCHANGE) Click();
  if (code == LBN_DBLCLK && OnDblClick) OnDblClick(this);
}

bool TListBox::WndProc(uint32_t msg, uintptr_t wParam, intptr_t lParam, intptr_t& result) {
  // The control cannot search texts it does not hold: typing finds the item
  // here, and the selection moves as the user's own choice.
  if (msg != WM_CHAR || !ownerData_ || wParam < 32 || wParam > 255)
    return TCustomListControl::WndProc(msg, wParam, lParam, result);
  const int32_t caret = static_cast<int32_t>(::SendMessageA(handle_, LB_GETCARETINDEX, 0, 0));
  const int32_t current = ItemIndex() >= 0 ? ItemIndex() : (caret >= Count() ? -1 : caret);
  const int32_t found = typeAhead_.KeyTyped(
      static_cast<char>(wParam), ::GetTickCount(), current, Count(),
      [this](int32_t i) { return OwnerItem(i); }, sorted_);
  if (found >= 0 && found != ItemIndex()) {
    SetItemIndex(found);
    Command(LBN_SELCHANGE);
  }
  result = 0;
  return true;
}

bool TListBox::DrawItem(tagDRAWITEMSTRUCT* item) {
  if (!ownerData_ || item->CtlType != ODT_LISTBOX) return false;
  HDC dc = item->hDC;
  const RECT& r = item->rcItem;
  const bool focusOnly = item->itemAction == ODA_FOCUS;
  if (!focusOnly && item->itemID != static_cast<UINT>(-1)) {
    const bool selected = (item->itemState & ODS_SELECTED) != 0;
    ::FillRect(dc, &r, ::GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    const std::string text = OwnerItem(static_cast<int32_t>(item->itemID));
    HGDIOBJ oldFont = ::SelectObject(dc, Font().Handle());
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, ::GetSysColor(!Enabled() ? COLOR_GRAYTEXT
                                     : selected ? COLOR_HIGHLIGHTTEXT
                                                : COLOR_WINDOWTEXT));
    RECT textRect = r;
    textRect.left += 2;  // where the system's own list box puts its text
    ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &textRect,
                DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    ::SelectObject(dc, oldFont);
  }
  // The focus frame is drawn by inversion: on a focus change it toggles.
  if ((item->itemState & ODS_FOCUS) || focusOnly)
    if (!(item->itemState & ODS_NOFOCUSRECT)) ::DrawFocusRect(dc, &r);
  return true;
}

void TListBox::FontChanged() { FitItemHeight(); }

void TListBox::FitItemHeight() {
  // An owner-drawn list keeps the height it was made with; give it the
  // height of a line of its font, as a list of strings has.
  if (!handle_ || !ownerData_) return;
  HDC dc = ::GetDC(handle_);
  HGDIOBJ oldFont = ::SelectObject(dc, Font().Handle());
  TEXTMETRICA metrics = {};
  ::GetTextMetricsA(dc, &metrics);
  ::SelectObject(dc, oldFont);
  ::ReleaseDC(handle_, dc);
  if (metrics.tmHeight > 0) ::SendMessageA(handle_, LB_SETITEMHEIGHT, 0, metrics.tmHeight);
}

TComboBox::TComboBox(TComponent* owner, TParentWindow* parent)
    : TCustomListControl(owner, parent, kComboBoxMessages) {
  // The window's height includes the dropped-down list.
  CreateHandle("COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0, 160);
}

std::string TComboBox::Text() const {
  const int32_t i = ItemIndex();
  return i < 0 ? std::string() : Items(i);
}

void TComboBox::Command(uint16_t code) {
  if (code == CBN_SELCHANGE && OnChange) OnChange(this);
}

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

// ---- TTimer ----------------------------------------------------------------------

namespace {
// Timers alive now: a WM_TIMER already queued may arrive after its timer died.
std::vector<TTimer*>& LiveTimers() {
  static std::vector<TTimer*> timers;
  return timers;
}
}  // namespace

TTimer::TTimer(TComponent* owner) : TComponent(owner) {
  LiveTimers().push_back(this);
  Update();
}

TTimer::~TTimer() {
  enabled_ = false;
  Update();
  auto& live = LiveTimers();
  live.erase(std::remove(live.begin(), live.end(), this), live.end());
}

void TTimer::SetInterval(uint32_t value) {
  interval_ = value;
  Update();
}

void TTimer::SetEnabled(bool value) {
  enabled_ = value;
  Update();
}

void TTimer::Update() {
  HWND owner = Application().Handle();
  if (id_) ::KillTimer(owner, id_);
  id_ = 0;
  if (!enabled_ || interval_ == 0) return;
  // The timer's id is the object itself, so the callback finds it directly.
  id_ = ::SetTimer(owner, reinterpret_cast<UINT_PTR>(this), interval_,
                   reinterpret_cast<TIMERPROC>(&TTimer::TimerProc));
}

void __stdcall TTimer::TimerProc(HWND__* wnd, uint32_t msg, uintptr_t id, unsigned long time) {
  (void)wnd;
  (void)msg;
  (void)time;
  try {
    auto* self = reinterpret_cast<TTimer*>(id);
    const auto& live = LiveTimers();
    if (std::find(live.begin(), live.end(), self) == live.end()) return;
    if (self->enabled_ && self->OnTimer) self->OnTimer(self);
  } catch (...) {
    // Nothing may leave a callback of the message loop.
  }
}
