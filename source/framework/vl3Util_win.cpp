// Placing real windows on their monitor: the Windows side of the form
// helpers in vl3Util.
#include <windows.h>

#include "vl3Util.h"

namespace {

// The whole rectangle of the window's monitor (the nearest one when it is
// off screen), not the work area: that is what the dialogs are kept inside.
TRect MonitorRect(HWND form) {
  TRect r;
  HMONITOR monitor = ::MonitorFromWindow(form, MONITOR_DEFAULTTONEAREST);
  MONITORINFO info;
  info.cbSize = sizeof info;
  if (monitor && ::GetMonitorInfoA(monitor, &info)) {
    r = TRect{info.rcMonitor.left, info.rcMonitor.top, info.rcMonitor.right, info.rcMonitor.bottom};
  } else {
    r = TRect{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
  }
  return r;
}

bool WindowRect(HWND form, TRect& r) {
  RECT w;
  if (!::GetWindowRect(form, &w)) return false;
  r = TRect{w.left, w.top, w.right, w.bottom};
  return true;
}

// Moves to a screen position; a child window is positioned in its parent's
// client coordinates.
void MoveTo(HWND form, TFormPosition p) {
  POINT pt{p.Left, p.Top};
  HWND parent = ::GetParent(form);
  if (parent && (::GetWindowLongPtrA(form, GWL_STYLE) & WS_CHILD)) ::ScreenToClient(parent, &pt);
  ::SetWindowPos(form, nullptr, pt.x, pt.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void MoveFormOnScreen(HWND__* form, int32_t left, int32_t top) {
  if (!form || !::IsWindow(form)) return;
  TRect w;
  if (!WindowRect(form, w)) return;
  MoveTo(form, FitFormOnMonitor(MonitorRect(form), w.Width(), w.Height(), left, top));
}

void MoveFormNearRect(HWND__* form, const TRect& r, bool horizontal, bool vertical) {
  if (!form || !::IsWindow(form)) return;
  TRect w;
  if (!WindowRect(form, w)) return;
  MoveTo(form, FormPositionNearRect(MonitorRect(form), w, r, horizontal, vertical));
}
