// The form layer's timer: the timer's id is the object, and a tick that
// arrives after its timer died finds nothing.
#include <windows.h>

#include <algorithm>
#include <vector>

#include "vl3Application_win.h"
#include "vl3Timer_win.h"

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
  (void)time;
  try {
    auto* self = reinterpret_cast<TTimer*>(id);
    const auto& live = LiveTimers();
    if (std::find(live.begin(), live.end(), self) == live.end()) return;
    if (self->enabled_ && self->OnTimer) self->OnTimer(self);
  } catch (...) {
    // Nothing may leave a callback of the message loop.
    Application().ExceptionCaught("timer", msg);
  }
}
