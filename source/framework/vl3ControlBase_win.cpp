// The control base and the containers of the form layer: fonts, tab order,
// anchors, relaying children's messages and the subclass of every control.
#include <windows.h>

#include <algorithm>
#include <utility>

#include "vl3Application_win.h"
#include "vl3ControlBase_win.h"
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

// Control ids stay clear of IDOK and IDCANCEL, which the dialog keys send.
int NextControlId() {
  static int next = 1000;
  if (++next > 0x7FFF) next = 1001;
  return next;
}

HWND ToHwnd(HWND__* h) { return reinterpret_cast<HWND>(h); }

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
  if (!containerHandle_) return;
  VxWin::TWindowLink link = VxWin::FindLink(containerHandle_);
  if (link.container != this) return;
  link.container = nullptr;
  VxWin::SetLink(containerHandle_, link);
}

TParentWindow* TParentWindow::ContainerOf(HWND__* wnd) { return VxWin::FindLink(wnd).container; }

void TParentWindow::ForgetContainer(HWND__* wnd) {
  VxWin::TWindowLink link = VxWin::FindLink(wnd);
  if (!link.container) return;
  link.container = nullptr;
  VxWin::SetLink(wnd, link);
}

void TParentWindow::AttachContainer(HWND__* wnd) {
  if (!wnd) return;
  containerHandle_ = wnd;
  VxWin::TWindowLink link = VxWin::FindLink(wnd);
  link.container = this;
  VxWin::SetLink(wnd, link);
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
    Application().ExceptionCaught("panel", msg);
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
    VxWin::Unsubclass(h, this);
    ::DestroyWindow(h);
  }
}

TControl* TControl::FromHandle(HWND__* wnd) { return VxWin::FindLink(wnd).control; }

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
  VxWin::Subclass(handle_, this, this);
  ::SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Handle()), FALSE);
  parent_->InsertControl(this);
  parent_->ArrangeTabOrder();
}

bool TControl::SubclassMessage(HWND__* wnd, uint32_t msg, uintptr_t wParam, intptr_t lParam,
                               intptr_t& result) {
  (void)wnd;
  return WndProc(msg, wParam, lParam, result);
}

void TControl::SubclassDestroyed(HWND__* wnd) {
  if (handle_ == wnd) handle_ = nullptr;
}

intptr_t TControl::DefWndProc(uint32_t msg, uintptr_t wParam, intptr_t lParam) {
  return handle_ ? VxWin::CallPrevious(handle_, msg, wParam, lParam) : 0;
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
