// The Windows form: window styles per border style, placement, modal loop,
// deferred release and the dialog keys users expect.
#include <windows.h>

#include <algorithm>

#include "vl3Application_win.h"
#include "vl3Form_win.h"

namespace {

// Links a form to its window (null: unlinks it).
void LinkForm(HWND wnd, TForm* form) {
  VxWin::TWindowLink link = VxWin::FindLink(wnd);
  link.form = form;
  VxWin::SetLink(wnd, link);
}

// Posted by Release; the form deletes itself when it arrives.
const UINT kReleaseMessage = WM_APP + 0x2F0;

HWND RootOf(HWND wnd) { return wnd ? ::GetAncestor(wnd, GA_ROOT) : nullptr; }

TRect ToRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

struct TChildSearch {
  std::function<bool(TControl*)> match;
  TControl* found = nullptr;
};

BOOL CALLBACK SearchChild(HWND wnd, LPARAM data) {
  auto* search = reinterpret_cast<TChildSearch*>(data);
  TControl* c = TControl::FromHandle(wnd);
  if (c && search->match(c)) {
    search->found = c;
    return FALSE;
  }
  return TRUE;
}

// The first control inside wnd (at any depth, in window order) that matches.
TControl* FindChild(HWND wnd, std::function<bool(TControl*)> match) {
  TChildSearch search{std::move(match), nullptr};
  if (wnd) ::EnumChildWindows(wnd, SearchChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace

TForm::TForm(TComponent* owner) : TCustomForm(owner) {
  Application().Initialize();
  static const bool registered = [] {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = reinterpret_cast<WNDPROC>(&TForm::FormProc);
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    // No class icon: a dialog-style caption then shows none, as users know it.
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = VxWin::kFormClass;
    return ::RegisterClassA(&wc) != 0;
  }();
  (void)registered;
  for (TComponent* c = owner; c && !ownerForm_; c = c->Owner())
    ownerForm_ = dynamic_cast<TForm*>(c);
  const HWND ownerWindow = ownerForm_ ? RootOf(ownerForm_->Handle()) : nullptr;
  ::CreateWindowExA(ExStyle(), VxWin::kFormClass, "", Style(), CW_USEDEFAULT, CW_USEDEFAULT, 400,
                    300, ownerWindow, nullptr, ::GetModuleHandleA(nullptr), this);
  if (handle_) AttachContainer(handle_);
}

TForm::~TForm() {
  lifeSign_->Alive = false;
  lifeSign_->LastResult = modalResult_;
  if (Application().MainForm() == this) Application().SetMainForm(nullptr);
  DestroyControls();
  if (handle_) {
    HWND h = handle_;
    LinkForm(h, nullptr);
    handle_ = nullptr;
    ::DestroyWindow(h);
  }
}

TForm* TForm::FromHandle(HWND__* wnd) { return VxWin::FindLink(wnd).form; }

uint32_t TForm::Style() const {
  if (parentWindow_) return WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  switch (borderStyle_) {
    case TFormBorderStyle::bsNone:
      return WS_POPUP | WS_CLIPCHILDREN;
    case TFormBorderStyle::bsDialog:
      return WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    case TFormBorderStyle::bsSingle:
      return WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_CLIPCHILDREN;
    case TFormBorderStyle::bsSizeable:
    default:
      return WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
  }
}

uint32_t TForm::ExStyle() const {
  uint32_t ex = WS_EX_CONTROLPARENT;
  if (!parentWindow_ && borderStyle_ == TFormBorderStyle::bsDialog)
    ex |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
  return ex;
}

intptr_t __stdcall TForm::FormProc(HWND__* wnd, uint32_t msg, uintptr_t wParam, intptr_t lParam) {
  TForm* self = nullptr;
  if (msg == WM_NCCREATE) {
    self = static_cast<TForm*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    self->handle_ = wnd;
    LinkForm(wnd, self);
  } else {
    self = FromHandle(wnd);
  }
  if (msg == WM_NCDESTROY) ForgetContainer(wnd);
  if (self) {
    try {
      bool handled = false;
      const intptr_t result = self->Message(msg, wParam, lParam, handled);
      // The form may be gone now (Release): only the result is used.
      if (handled) return result;
    } catch (...) {
      // Nothing may leave a window procedure: the application records it.
      Application().ExceptionCaught("form", msg);
    }
    if (msg == WM_NCDESTROY) {
      LinkForm(wnd, nullptr);
      self->handle_ = nullptr;
    }
  }
  return ::DefWindowProcA(wnd, msg, wParam, lParam);
}

intptr_t TForm::Message(uint32_t msg, uintptr_t wParam, intptr_t lParam, bool& handled) {
  intptr_t result = 0;
  handled = true;
  switch (msg) {
    case kReleaseMessage:
      if (modalLevel_ > 0) {
        releasing_ = true;  // deleted once its modal loop has returned
        return 0;
      }
      delete this;
      return 0;
    case WM_ACTIVATE:
      result = ::DefWindowProcA(handle_, msg, wParam, lParam);
      Activated(LOWORD(wParam) != WA_INACTIVE);
      return result;
    case WM_CLOSE:
      Close();
      return 0;
    case WM_GETMINMAXINFO: {
      auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
      if (minWidth_ > 0) info->ptMinTrackSize.x = minWidth_;
      if (minHeight_ > 0) info->ptMinTrackSize.y = minHeight_;
      return 0;
    }
    case WM_COMMAND:
      if (lParam == 0) {
        // Sent by the system's dialog handling without a window: the ids of
        // the OK and Cancel commands, or of a control deeper in the form.
        TControl* target = nullptr;
        const int id = LOWORD(wParam);
        if (id == IDOK)
          target = DefaultButton();
        else if (id == IDCANCEL)
          target = CancelButton();
        else
          target =
              FindChild(handle_, [id](TControl* c) { return ::GetDlgCtrlID(c->Handle()) == id; });
        if (target && target->CanFocus()) target->Command(BN_CLICKED);
        return 0;
      }
      break;
    case WM_SIZE:
      if (TParentWindow::ContainerMessage(handle_, msg, wParam, lParam, result)) return result;
      if (OnResize && wParam != SIZE_MINIMIZED) OnResize(this);
      handled = false;
      return 0;
    default:
      break;
  }
  if (TParentWindow::ContainerMessage(handle_, msg, wParam, lParam, result)) return result;
  handled = false;
  return 0;
}

void TForm::Activated(bool active) {
  if (!active) {
    HWND focus = ::GetFocus();
    if (focus && ::IsChild(handle_, focus)) focus_ = focus;
    if (OnDeactivate) OnDeactivate(this);
    return;
  }
  // Give the focus back to the control that had it, else to the active
  // control, else to the first control in tab order.
  HWND target = nullptr;
  for (HWND candidate : {static_cast<HWND>(focus_), static_cast<HWND>(activeControl_)}) {
    if (candidate && ::IsWindow(candidate) && ::IsChild(handle_, candidate) &&
        ::IsWindowVisible(candidate) && ::IsWindowEnabled(candidate)) {
      target = candidate;
      break;
    }
  }
  if (!target) target = ::GetNextDlgTabItem(handle_, nullptr, FALSE);
  if (target) ::SetFocus(target);
  if (OnActivate) OnActivate(this);
}

bool TForm::DialogMessage(void* message) {
  auto* msg = static_cast<MSG*>(message);
  if (!handle_ || !msg) return false;
  HWND focus = ::GetFocus();
  if (focus && !::IsChild(handle_, focus)) focus = nullptr;
  const LRESULT code =
      focus ? ::SendMessageA(focus, WM_GETDLGCODE, msg->wParam, reinterpret_cast<LPARAM>(msg)) : 0;

  if (msg->message == WM_KEYDOWN) {
    if (TControl* c = TControl::FromHandle(focus)) {
      const std::shared_ptr<TLifeSign> life = lifeSign_;
      if (!c->KeyDown(static_cast<uint16_t>(msg->wParam))) return true;
      if (!life->Alive) return true;  // the handler deleted the form
    }
    const bool wantsKey = (code & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) != 0;
    if ((msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE) && !wantsKey) {
      // Enter presses the focused button, else the default one; Escape the
      // cancel button. Disabled or hidden buttons are not pressed.
      TControl* target = nullptr;
      if (msg->wParam == VK_RETURN) {
        target = dynamic_cast<TButton*>(TControl::FromHandle(focus));
        if (!target) target = DefaultButton();
      } else {
        target = CancelButton();
      }
      if (target && target->CanFocus()) target->Click();
      return true;
    }
  }
  if (msg->message == WM_SYSCHAR || (msg->message == WM_CHAR && !(code & DLGC_WANTCHARS))) {
    if (Mnemonic(static_cast<char>(msg->wParam))) return true;
  }
  return ::IsDialogMessageA(handle_, msg) != FALSE;
}

bool TForm::Mnemonic(char ch) {
  TControl* hit = FindChild(handle_, [ch](TControl* c) {
    return c->Showing() && ::IsWindowEnabled(c->Handle()) && c->DialogChar(ch);
  });
  return hit != nullptr;
}

void TForm::Show() {
  if (!handle_) return;
  if (positionPending_) {
    positionPending_ = false;
    ApplyPosition();
  }
  if (Visible()) {
    if (!parentWindow_) ::SetWindowPos(handle_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    return;
  }
  if (OnShow) {
    const std::shared_ptr<TLifeSign> life = lifeSign_;
    OnShow(this);
    if (!life->Alive) return;
  }
  if (!handle_) return;
  ::ShowWindow(handle_, parentWindow_ ? SW_SHOWNA : SW_SHOW);
  if (!parentWindow_) {
    ::SetForegroundWindow(handle_);
    // Activated in this thread now, not when the display's focus event comes.
    ::SetActiveWindow(handle_);
  }
}

TModalResult TForm::ShowModal() {
  if (!handle_ || parentWindow_) return mrCancel;
  modalResult_ = mrNone;
  const HWND previous = ::GetActiveWindow();
  // The owner form's window (else the window active before) is disabled while
  // the loop runs, so that the user answers this form first.
  HWND disable = ownerForm_ ? RootOf(ownerForm_->Handle()) : previous;
  if (disable == handle_ || (disable && !::IsWindowEnabled(disable))) disable = nullptr;
  if (disable) ::EnableWindow(disable, FALSE);
  // Every handler of the form runs from Show or a dispatched message and may
  // delete it: after each, the form is looked at only while it lives.
  const std::shared_ptr<TLifeSign> life = lifeSign_;
  ++modalLevel_;
  Show();
  while (life->Alive && modalResult_ == mrNone) {
    if (!handle_) {
      modalResult_ = mrCancel;
      break;
    }
    MSG msg;
    const BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0 || got == -1) {
      // The application is quitting: leave the quit for the outer loop.
      ::PostQuitMessage(got == 0 ? static_cast<int>(msg.wParam) : 0);
      modalResult_ = mrCancel;
      break;
    }
    Application().DispatchMsg(&msg);
  }
  if (!life->Alive) {
    // Deleted by a handler: its window is gone, only the owner is left to
    // give back. The result is the one set before, else Cancel.
    if (disable) ::EnableWindow(disable, TRUE);
    if (previous && ::IsWindow(previous)) ::SetActiveWindow(previous);
    return life->LastResult != mrNone ? life->LastResult : mrCancel;
  }
  --modalLevel_;
  const TModalResult result = modalResult_;
  // Re-enabled before hiding, so that activation goes back to the owner.
  if (disable) ::EnableWindow(disable, TRUE);
  Hide();
  if (previous && previous != handle_ && ::IsWindow(previous)) ::SetActiveWindow(previous);
  if (releasing_ && handle_) ::PostMessageA(handle_, kReleaseMessage, 0, 0);
  return result;
}

void TForm::Hide() {
  if (!handle_ || !Visible()) return;
  ::ShowWindow(handle_, SW_HIDE);
  if (OnHide) OnHide(this);
}

void TForm::Release() {
  if (handle_)
    ::PostMessageA(handle_, kReleaseMessage, 0, 0);
  else
    delete this;
}

bool TForm::Visible() const {
  return handle_ && (::GetWindowLongPtrA(handle_, GWL_STYLE) & WS_VISIBLE) != 0;
}

void TForm::SetModalResult(TModalResult value) {
  modalResult_ = value;
  // Wakes the modal loop when nothing else is queued.
  if (value != mrNone && modalLevel_ > 0 && handle_) ::PostMessageA(handle_, WM_NULL, 0, 0);
}

void TForm::Close() {
  bool canClose = true;
  if (OnCloseQuery) {
    const std::shared_ptr<TLifeSign> life = lifeSign_;
    OnCloseQuery(this, canClose);
    if (!life->Alive) return;
  }
  if (!canClose) return;
  if (modalLevel_ > 0) {
    if (modalResult_ == mrNone) SetModalResult(mrCancel);
  } else if (Application().MainForm() == this) {
    Application().Terminate();
  } else {
    Hide();
  }
}

TRect TForm::BoundsRect() const {
  RECT r = {};
  if (handle_) ::GetWindowRect(handle_, &r);
  return ToRect(r);
}

TRect TForm::BoundsInParent() const {
  RECT r = {};
  if (!handle_) return ToRect(r);
  ::GetWindowRect(handle_, &r);
  if (HWND parent = ::GetParent(handle_); parent && parentWindow_)
    ::MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
  return ToRect(r);
}

void TForm::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) {
  if (handle_)
    ::SetWindowPos(handle_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm::MoveTo(int32_t left, int32_t top) {
  if (!handle_) return;
  POINT p = {left, top};
  if (parentWindow_) ::ScreenToClient(::GetParent(handle_), &p);
  ::SetWindowPos(handle_, nullptr, p.x, p.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

TRect TForm::MonitorRect() const {
  MONITORINFO info = {};
  info.cbSize = sizeof info;
  ::GetMonitorInfoA(::MonitorFromWindow(handle_, MONITOR_DEFAULTTONEAREST), &info);
  return ToRect(info.rcMonitor);
}

void TForm::CenterOnScreen() {
  const TRect m = MonitorRect(), b = BoundsRect();
  MoveTo(m.Left + (m.Width() - b.Width()) / 2, m.Top + (m.Height() - b.Height()) / 2);
}

void TForm::ApplyPosition() {
  if (parentWindow_) return;
  if (position_ == TPosition::poScreenCenter ||
      (position_ == TPosition::poOwnerFormCenter && !ownerForm_)) {
    CenterOnScreen();
  } else if (position_ == TPosition::poOwnerFormCenter) {
    const TRect o = ownerForm_->BoundsRect(), b = BoundsRect(), m = MonitorRect();
    int32_t left = o.Left + (o.Width() - b.Width()) / 2;
    int32_t top = o.Top + (o.Height() - b.Height()) / 2;
    // Kept on the monitor, so that a small owner near an edge does not push
    // the dialog off the screen.
    left = std::max(m.Left, std::min(left, m.Right - b.Width()));
    top = std::max(m.Top, std::min(top, m.Bottom - b.Height()));
    MoveTo(left, top);
  }
}

void TForm::SetPosition(TPosition value) {
  position_ = value;
  positionPending_ = true;
}

void TForm::SetClientSize(int32_t width, int32_t height) {
  if (!handle_) return;
  RECT r = {0, 0, width, height};
  ::AdjustWindowRectEx(&r, Style(), FALSE, ExStyle());
  ::SetWindowPos(handle_, nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

std::string TForm::Caption() const { return VxWin::WindowText(handle_); }

void TForm::SetCaption(const std::string& value) {
  if (handle_) ::SetWindowTextA(handle_, value.c_str());
}

void TForm::SetBorderStyle(TFormBorderStyle value) {
  if (!handle_) {
    borderStyle_ = value;
    return;
  }
  const TRect client = ClientRect();
  borderStyle_ = value;
  const LONG_PTR visible = ::GetWindowLongPtrA(handle_, GWL_STYLE) & WS_VISIBLE;
  ::SetWindowLongPtrA(handle_, GWL_STYLE, Style() | visible);
  ::SetWindowLongPtrA(handle_, GWL_EXSTYLE, ExStyle());
  ::SetWindowPos(handle_, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  SetClientSize(client.Width(), client.Height());
}

void TForm::SetParentWindow(TParentWindow* value) {
  if (!handle_ || value == parentWindow_) return;
  const TRect client = ClientRect();
  const LONG_PTR visible = ::GetWindowLongPtrA(handle_, GWL_STYLE) & WS_VISIBLE;
  parentWindow_ = value;
  // The style changes before the parent, so the window is never a child
  // without WS_CHILD or the other way round for long.
  ::SetWindowLongPtrA(handle_, GWL_STYLE, Style() | visible);
  ::SetWindowLongPtrA(handle_, GWL_EXSTYLE, ExStyle());
  ::SetParent(handle_, value ? value->ClientHandle() : nullptr);
  if (!value && ownerForm_)
    ::SetWindowLongPtrA(handle_, GWLP_HWNDPARENT,
                        reinterpret_cast<LONG_PTR>(RootOf(ownerForm_->Handle())));
  ::SetWindowPos(handle_, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  SetClientSize(client.Width(), client.Height());
}

void TForm::SetFont(const TFont& value) {
  font_ = value;
  for (int i = 0; i < ComponentCount(); ++i)
    if (auto* c = dynamic_cast<TControl*>(Components(i))) c->ApplyParentFont(value);
}

TControl* TForm::ActiveControl() const {
  HWND focus = ::GetFocus();
  if (focus && handle_ && ::IsChild(handle_, focus) && TControl::FromHandle(focus))
    return TControl::FromHandle(focus);
  return TControl::FromHandle(activeControl_);
}

void TForm::SetActiveControl(TControl* value) {
  activeControl_ = value ? value->Handle() : nullptr;
  focus_ = nullptr;
  if (value && handle_ && ::GetActiveWindow() == RootOf(handle_) && value->CanFocus())
    value->SetFocus();
}

TButton* TForm::DefaultButton() const {
  return static_cast<TButton*>(FindChild(handle_, [](TControl* c) {
    auto* b = dynamic_cast<TButton*>(c);
    return b && b->Default();
  }));
}

TButton* TForm::CancelButton() const {
  return static_cast<TButton*>(FindChild(handle_, [](TControl* c) {
    auto* b = dynamic_cast<TButton*>(c);
    return b && b->Cancel();
  }));
}

TControl* TForm::FindControl(const std::string& name) const {
  for (int i = 0; i < ComponentCount(); ++i)
    if (auto* c = dynamic_cast<TControl*>(Components(i)))
      if (c->Name() == name) return c;
  return nullptr;
}

void TForm::AfterConstruction() {
  if (created_) return;
  created_ = true;
  if (OnCreate) OnCreate(this);
}
