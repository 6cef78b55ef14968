// Drives an example program from outside, as a user would: types into its
// editor, presses its button, finds the dialog that opens and closes it.
// Usage: vxexample_driver editcheck|liveedit PROGRAM.exe; exit status 0
// when every step saw what a user would see.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "../../tests/win32/vl3DesktopLock_win.h"

namespace {

// Types into the examples' windows: one program on the display at a time.
[[maybe_unused]] TDesktopLock& desktop = HoldDesktop();

DWORD programId = 0;

std::string ClassOf(HWND wnd) {
  char name[128] = {};
  ::GetClassNameA(wnd, name, sizeof name);
  return name;
}

// WM_GETTEXT itself: GetWindowText does not ask another process's controls.
std::string TextOf(HWND wnd) {
  char text[2048] = {};
  DWORD_PTR ignored = 0;
  ::SendMessageTimeoutA(wnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                        SMTO_ABORTIFHUNG, 2000, &ignored);
  return text;
}

std::string WithoutAmpersands(std::string text) {
  std::string plain;
  for (char c : text)
    if (c != '&') plain += c;
  return plain;
}

// Polls until found returns a window or the time is up.
HWND WaitFor(const std::function<HWND()>& found, int milliseconds = 20000) {
  for (int waited = 0; waited < milliseconds; waited += 50) {
    if (HWND wnd = found()) return wnd;
    ::Sleep(50);
  }
  return nullptr;
}

std::vector<HWND> TopWindows() {
  std::vector<HWND> windows;
  ::EnumWindows(
      [](HWND wnd, LPARAM list) -> BOOL {
        DWORD id = 0;
        ::GetWindowThreadProcessId(wnd, &id);
        if (id == programId && ::IsWindowVisible(wnd))
          reinterpret_cast<std::vector<HWND>*>(list)->push_back(wnd);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&windows));
  return windows;
}

std::vector<HWND> Children(HWND parent) {
  std::vector<HWND> children;
  ::EnumChildWindows(
      parent,
      [](HWND wnd, LPARAM list) -> BOOL {
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(wnd);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&children));
  return children;
}

HWND ChildOfClass(HWND parent, const std::string& className) {
  for (HWND wnd : Children(parent))
    if (_stricmp(ClassOf(wnd).c_str(), className.c_str()) == 0) return wnd;
  return nullptr;
}

HWND ButtonCaptioned(HWND parent, const std::string& caption) {
  for (HWND wnd : Children(parent))
    if (_stricmp(ClassOf(wnd).c_str(), "Button") == 0 && WithoutAmpersands(TextOf(wnd)) == caption)
      return wnd;
  return nullptr;
}

// A top-level window of the program other than its main window.
HWND DialogBesides(HWND main) {
  for (HWND wnd : TopWindows())
    if (wnd != main && ::GetWindow(wnd, GW_OWNER) != nullptr) return wnd;
  for (HWND wnd : TopWindows())
    if (wnd != main) return wnd;
  return nullptr;
}

// Characters as the keyboard's translation delivers them to the focused
// control, each followed by its key's release (live spelling looks at both).
// No key-down: the program's own TranslateMessage would add a second character.
void Type(HWND wnd, const std::string& text) {
  for (char c : text) {
    const UINT vk = ::VkKeyScanA(c) & 0xFF;
    ::PostMessageA(wnd, WM_CHAR, static_cast<unsigned char>(c), 1);
    ::PostMessageA(wnd, WM_KEYUP, vk, 1 | (3u << 30));
  }
}

// Waits for the program to handle what was posted to its window.
void Settle(HWND wnd) {
  DWORD_PTR ignored = 0;
  ::SendMessageTimeoutA(wnd, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
  ::Sleep(300);
}

bool Fail(const char* what) {
  std::fprintf(stderr, "FAILED: %s\n", what);
  return false;
}

HWND MainWindow(const char* caption) {
  return WaitFor([caption]() -> HWND {
    for (HWND wnd : TopWindows())
      if (TextOf(wnd) == caption) return wnd;
    return nullptr;
  });
}

std::string DescribeDialog(HWND dialog) {
  std::string texts = "[" + TextOf(dialog) + "]";
  for (HWND wnd : Children(dialog)) texts += " " + ClassOf(wnd) + ":\"" + TextOf(wnd) + "\"";
  return texts;
}

bool DialogHolds(HWND dialog, const std::string& word) {
  for (HWND wnd : Children(dialog))
    if (TextOf(wnd).find(word) != std::string::npos) return true;
  return false;
}

// The plain Win32 window: a misspelt word, the button, the spelling dialog
// with the word; Change puts the first suggestion into the edit control.
bool EditCheck() {
  HWND main = MainWindow("EditCheck");
  if (!main) return Fail("the main window did not open");
  HWND edit = ChildOfClass(main, "Edit");
  HWND button = ButtonCaptioned(main, "Check spelling");
  if (!edit || !button) return Fail("no edit control or button");
  Type(edit, "A speling mistake.");
  Settle(edit);
  if (TextOf(edit) != "A speling mistake.") return Fail("the edit control did not take the keys");
  ::PostMessageA(button, BM_CLICK, 0, 0);
  HWND dialog = WaitFor([main] { return DialogBesides(main); });
  if (!dialog) return Fail("no spelling dialog opened");
  Settle(dialog);
  std::printf("spelling dialog: %s\n", DescribeDialog(dialog).c_str());
  if (TextOf(dialog).empty()) return Fail("the dialog has no caption");
  if (!DialogHolds(dialog, "speling")) return Fail("the dialog does not show the word");
  HWND change = ButtonCaptioned(dialog, "Change");
  if (!change) return Fail("the dialog has no Change button");
  ::PostMessageA(change, BM_CLICK, 0, 0);
  if (!WaitFor([dialog]() -> HWND { return ::IsWindowVisible(dialog) ? nullptr : dialog; }))
    return Fail("the dialog stayed open after the last word");
  Settle(main);
  const std::string corrected = TextOf(edit);
  std::printf("edit control: \"%s\"\n", corrected.c_str());
  if (corrected.find("speling") != std::string::npos) return Fail("the word was not changed");
  return true;
}

// Pure red pixels in the window: the live speller's underlines. One copy of
// the screen under the window (another process's window DC reads nothing
// under Wine; GetPixel would go to the display for each pixel).
int RedPixels(HWND wnd) {
  RECT client = {};
  ::GetClientRect(wnd, &client);
  const int width = client.right, height = client.bottom;
  if (width <= 0 || height <= 0) return 0;
  POINT origin = {0, 0};
  ::ClientToScreen(wnd, &origin);
  HDC dc = ::GetDC(nullptr);
  HDC memory = ::CreateCompatibleDC(dc);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = ::CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  int red = 0;
  if (bitmap != nullptr) {
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, width, height, dc, origin.x, origin.y, SRCCOPY);
    ::GdiFlush();
    const auto* pixels = static_cast<const uint32_t*>(bits);
    for (int i = 0; i < width * height; ++i)
      if ((pixels[i] & 0xFFFFFF) == 0xFF0000) ++red;  // BGRA: red in the third byte
    ::SelectObject(memory, old);
    ::DeleteObject(bitmap);
  }
  ::DeleteDC(memory);
  ::ReleaseDC(nullptr, dc);
  return red;
}

// The live-spelling rich edit underlines a misspelt word as it is typed; the
// thesaurus button opens the thesaurus on the word at the caret.
bool LiveEdit() {
  HWND main = MainWindow("LiveEdit");
  if (!main) return Fail("the main window did not open");
  HWND editor = ChildOfClass(main, "TVexlorRichEdit");
  HWND button = ButtonCaptioned(main, "Thesaurus...");
  if (!editor || !button) return Fail("no live-spelling editor or thesaurus button");
  if (RedPixels(editor) != 0) return Fail("underlines before any text");
  Type(editor, "A speling mistake makes me happy ");
  Settle(editor);
  int red = 0;
  WaitFor(
      [&]() -> HWND {
        ::RedrawWindow(editor, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        Settle(editor);
        red = RedPixels(editor);
        return red > 0 ? editor : nullptr;
      },
      10000);
  std::printf("underlined pixels: %d\n", red);
  if (red == 0) return Fail("the misspelt word is not underlined");

  const std::string text = TextOf(editor);
  const size_t at = text.find("happy");
  if (at == std::string::npos) return Fail("the editor did not take the keys");
  ::SendMessageA(editor, EM_SETSEL, at + 1, at + 1);
  ::PostMessageA(button, BM_CLICK, 0, 0);
  HWND dialog = WaitFor([main] { return DialogBesides(main); });
  if (!dialog) return Fail("no thesaurus dialog opened");
  Settle(dialog);
  std::printf("thesaurus dialog: %s\n", DescribeDialog(dialog).c_str());
  if (!DialogHolds(dialog, "happy")) return Fail("the thesaurus does not show the word");
  ::PostMessageA(dialog, WM_CLOSE, 0, 0);
  if (!WaitFor([dialog]() -> HWND { return ::IsWindowVisible(dialog) ? nullptr : dialog; }))
    return Fail("the thesaurus dialog did not close");
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: vxexample_driver editcheck|liveedit PROGRAM.exe\n");
    return 2;
  }
  const std::string scenario = argv[1];
  std::string commandLine = std::string("\"") + argv[2] + "\"";
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!::CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
    std::fprintf(stderr, "cannot start %s\n", argv[2]);
    return 1;
  }
  programId = process.dwProcessId;
  bool passed = scenario == "editcheck" ? EditCheck() : scenario == "liveedit" ? LiveEdit() : false;

  // The user closes the program; it must end by itself, with status 0.
  for (HWND wnd : TopWindows()) ::PostMessageA(wnd, WM_CLOSE, 0, 0);
  DWORD status = 1;
  if (::WaitForSingleObject(process.hProcess, 15000) != WAIT_OBJECT_0) {
    passed = Fail("the program did not end when closed");
    ::TerminateProcess(process.hProcess, 1);
  } else {
    ::GetExitCodeProcess(process.hProcess, &status);
    std::printf("exit status: %lu\n", status);
    if (status != 0) passed = Fail("the program ended with an error");
  }
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  std::printf("%s: %s\n", scenario.c_str(), passed ? "passed" : "FAILED");
  return passed ? 0 : 1;
}
