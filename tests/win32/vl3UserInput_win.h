// What the Windows tests do in place of a user: handle pending messages,
// press buttons, send keys and type text the way they arrive from the system.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "vl3Application_win.h"
#include "vl3Controls_win.h"


inline void Pump() { Application().ProcessMessages(); }

inline std::string TextOf(HWND wnd) {
  char buffer[1024] = {};
  ::GetWindowTextA(wnd, buffer, sizeof buffer);
  return buffer;
}

// What a user sees of a control: shown and usable.
inline bool Usable(TControl* c) { return ::IsWindowVisible(c->Handle()) && ::IsWindowEnabled(c->Handle()); }

// A press of a button the way the user's click arrives; a hidden or grey
// button cannot be pressed.
inline void Press(TButton* button) {
  ASSERT_TRUE(Usable(button)) << button->Name();
  ::SendMessageA(button->Handle(), BM_CLICK, 0, 0);
  Pump();
}

// A key as the system queues it for the focused window.
inline void PressKey(WPARAM key) {
  HWND focus = ::GetFocus();
  ::PostMessageA(focus, WM_KEYDOWN, key, 1);
  ::PostMessageA(focus, WM_KEYUP, key, 1 | (3u << 30));
  Pump();
}

inline void TypeInto(TControl* edit, const std::string& text) {
  for (char ch : text) ::SendMessageA(edit->Handle(), WM_CHAR, static_cast<unsigned char>(ch), 1);
  Pump();
}

// Under an X server without a window manager, Wine waits two seconds for the
// manager each time a managed window hides; a test program calls this before
// its first window opens to have its windows unmanaged.
inline bool MakeWindowsUnmanaged() {
  char path[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, path, sizeof path);
  std::string program = path;
  program = program.substr(program.find_last_of("\\/") + 1);
  const std::string key = "Software\\Wine\\AppDefaults\\" + program + "\\X11 Driver";
  HKEY handle = nullptr;
  if (::RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &handle,
                        nullptr) != ERROR_SUCCESS)
    return false;
  ::RegSetValueExA(handle, "Managed", 0, REG_SZ, reinterpret_cast<const BYTE*>("N"), 2);
  ::RegCloseKey(handle);
  return true;
}

