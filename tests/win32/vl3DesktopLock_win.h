// Test programs that activate windows and type keys hold the desktop for
// their whole run: CTest runs programs side by side on one display, and a
// window shown by one would take the keyboard focus from the other.
#pragma once

#include <windows.h>

class TDesktopLock {
 public:
  TDesktopLock() : mutex_(::CreateMutexA(nullptr, FALSE, "VxTestDesktopFocus")) {
    // Abandoned by a program that ended early counts as acquired.
    if (mutex_) ::WaitForSingleObject(mutex_, 10 * 60 * 1000);
  }
  ~TDesktopLock() {
    if (!mutex_) return;
    ::ReleaseMutex(mutex_);
    ::CloseHandle(mutex_);
  }
  TDesktopLock(const TDesktopLock&) = delete;
  TDesktopLock& operator=(const TDesktopLock&) = delete;

 private:
  HANDLE mutex_;
};

// One per program: held from start-up to exit.
inline TDesktopLock& HoldDesktop() {
  static TDesktopLock lock;
  return lock;
}
