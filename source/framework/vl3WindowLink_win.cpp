// The window table and the one subclass procedure of the form layer; what a
// handler throws is recorded in the application object and goes no further.
#include <windows.h>

#include <unordered_map>

#include "vl3Application_win.h"
#include "vl3WindowLink_win.h"

namespace VxWin {

namespace {

// Never destroyed: windows may still go while static objects are torn down.
std::unordered_map<HWND, TWindowLink>& Links() {
  static auto* links = new std::unordered_map<HWND, TWindowLink>;
  return *links;
}

LRESULT CALLBACK SubclassProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  const TWindowLink link = FindLink(wnd);
  const auto previous = reinterpret_cast<WNDPROC>(link.previous);
  // Without a link the chain below is unknown; only the default is left.
  if (!previous) return ::DefWindowProcA(wnd, msg, wParam, lParam);
  if (msg == WM_NCDESTROY) {
    // The window may go before its object (its parent window was destroyed).
    SetLink(wnd, TWindowLink());
    if (::GetWindowLongPtrA(wnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&SubclassProc))
      ::SetWindowLongPtrA(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    try {
      if (link.handler) link.handler->SubclassDestroyed(wnd);
    } catch (...) {
      Application().ExceptionCaught("subclassed window", msg);
    }
    return ::CallWindowProcA(previous, wnd, msg, wParam, lParam);
  }
  try {
    intptr_t result = 0;
    if (link.handler && link.handler->SubclassMessage(wnd, msg, wParam, lParam, result))
      return result;
  } catch (...) {
    Application().ExceptionCaught("subclassed window", msg);
  }
  return ::CallWindowProcA(previous, wnd, msg, wParam, lParam);
}

}  // namespace

TWindowLink FindLink(HWND__* wnd) {
  if (!wnd) return TWindowLink();
  const auto& links = Links();
  const auto it = links.find(wnd);
  return it == links.end() ? TWindowLink() : it->second;
}

void SetLink(HWND__* wnd, const TWindowLink& link) {
  if (!wnd) return;
  if (link.Empty())
    Links().erase(wnd);
  else
    Links()[wnd] = link;
}

bool Subclass(HWND__* wnd, TSubclassHandler* handler, TControl* control) {
  if (!wnd || !handler) return false;
  TWindowLink link = FindLink(wnd);
  if (link.previous) return false;  // ours already
  // The link is complete before our procedure can see a message.
  link.previous = reinterpret_cast<void*>(::GetWindowLongPtrA(wnd, GWLP_WNDPROC));
  link.handler = handler;
  link.control = control;
  SetLink(wnd, link);
  ::SetWindowLongPtrA(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SubclassProc));
  return true;
}

void Unsubclass(HWND__* wnd, TSubclassHandler* handler) {
  TWindowLink link = FindLink(wnd);
  if (!link.previous || link.handler != handler) return;
  link.handler = nullptr;
  link.control = nullptr;
  if (::GetWindowLongPtrA(wnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&SubclassProc)) {
    ::SetWindowLongPtrA(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(link.previous));
    link.previous = nullptr;
  }
  SetLink(wnd, link);
}

intptr_t CallPrevious(HWND__* wnd, uint32_t msg, uintptr_t wParam, intptr_t lParam) {
  const auto previous = reinterpret_cast<WNDPROC>(FindLink(wnd).previous);
  if (!previous) return ::DefWindowProcA(wnd, msg, wParam, lParam);
  return ::CallWindowProcA(previous, wnd, msg, wParam, lParam);
}

}  // namespace VxWin
