// The one way from a window to this layer's objects: a table kept by handle
// for the windows we create and the windows we subclass.
#pragma once

#include <cstdint>

struct HWND__;
class TControl;
class TForm;
class TParentWindow;

namespace VxWin {

// Something of ours that sees a subclassed window's messages before the
// window's own procedure does.
class TSubclassHandler {
 public:
  // True when the message was handled; result then goes back to the sender.
  virtual bool SubclassMessage(HWND__* wnd, uint32_t msg, uintptr_t wParam, intptr_t lParam,
                               intptr_t& result) = 0;
  // WM_NCDESTROY: the window is going and its link is gone already.
  virtual void SubclassDestroyed(HWND__* wnd) = 0;

 protected:
  ~TSubclassHandler() = default;
};

// What this layer knows about one window.
struct TWindowLink {
  TForm* form = nullptr;
  TControl* control = nullptr;
  TParentWindow* container = nullptr;
  TSubclassHandler* handler = nullptr;
  void* previous = nullptr;  // the procedure our subclass replaced
  bool Empty() const { return !form && !control && !container && !handler && !previous; }
};

// The link of a window (empty when we know nothing of it). The table lives
// in the process and has no lock: windows are made and driven on the one
// user-interface thread. A window property would serve too, but under Wine
// each look-up is a round trip to the server, paid on every message.
TWindowLink FindLink(HWND__* wnd);
// Replaces the link; an empty one is dropped. Links go at WM_NCDESTROY at
// the latest, since a handle may be reused once its window is gone.
void SetLink(HWND__* wnd, const TWindowLink& link);

// Puts our procedure on top of the window's, so that handler sees each of
// its messages first; control is what TControl::FromHandle gives for it.
bool Subclass(HWND__* wnd, TSubclassHandler* handler, TControl* control = nullptr);
// The handler no longer sees the window's messages. Our procedure leaves
// the chain when it is still on top; otherwise it only passes messages on
// until the window goes.
void Unsubclass(HWND__* wnd, TSubclassHandler* handler);
// The procedure our subclass replaced, given a message.
intptr_t CallPrevious(HWND__* wnd, uint32_t msg, uintptr_t wParam, intptr_t lParam);

}  // namespace VxWin
