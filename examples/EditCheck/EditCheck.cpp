// EditCheck: a plain Win32 window with an edit control and a button that
// checks it with the standard spelling dialog.
#include <windows.h>

#include <string>

// [guide:first-include]
#include "vl3Spell.h"
// [/guide:first-include]

namespace {

const int kCheckButton = 100;
HWND edit = nullptr;
TVexlorSpell3* spell = nullptr;

LRESULT CALLBACK MainWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CREATE:
      edit = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "",
                             WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL, 10,
                             10, 360, 120, window, nullptr, nullptr, nullptr);
      CreateWindowA("BUTTON", "Check spelling", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 140, 130,
                    28, window, reinterpret_cast<HMENU>(kCheckButton), nullptr, nullptr);
      return 0;
    case WM_COMMAND:
      if (LOWORD(wParam) == kCheckButton) {
        // [guide:first-check]
        spell->CheckWinControl(edit, ctAll);  // returns when the user is done
        // [/guide:first-check]
      }
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcA(window, msg, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  // [guide:first-setup]
  TVexlorSpell3 checker;             // the standard spelling dialog
  checker.SetEndMessage(emNever);    // no message box to close at the end
  checker.SetConfigStorage(csFile);  // settings and word lists in %AppData%
  CreateDirectoryA(ExpandMacros("%AppData%\\EditCheck").c_str(), nullptr);
  checker.SetConfigFilename("%AppData%\\EditCheck\\Spell.cfg");
  checker.SetConfigDefaultActiveCustom("%AppData%\\EditCheck\\%ConfigID%.vlu");
  checker.SetSuggestionsLearningDict("%AppData%\\EditCheck\\%ConfigID%.vll");
  spell = &checker;  // for the window procedure
  // [/guide:first-setup]

  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = MainWindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = "EditCheckWindow";
  RegisterClassA(&windowClass);
  HWND window = CreateWindowA("EditCheckWindow", "EditCheck", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                              CW_USEDEFAULT, 400, 220, nullptr, nullptr, instance, nullptr);
  ShowWindow(window, show);

  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}
