// The form layer's timer: a system timer of the application window whose
// event runs from the message loop.
#pragma once

#include <cstdint>

#include "vl3ControlBase_win.h"

// A message timer; OnTimer runs from the message loop every Interval ms
// while Enabled.
class TTimer : public TComponent {
 public:
  explicit TTimer(TComponent* owner = nullptr);
  ~TTimer() override;
  uint32_t Interval() const { return interval_; }
  void SetInterval(uint32_t value);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);
  TNotifyEvent OnTimer;

 private:
  void Update();
  static void __stdcall TimerProc(HWND__* wnd, uint32_t msg, uintptr_t id, unsigned long time);
  uint32_t interval_ = 1000;
  bool enabled_ = true;
  uintptr_t id_ = 0;
};
