// The shared utilities on Windows: forms placed on a real monitor, and path
// macros checked against what the system itself reports for this program.
#include <windows.h>

#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>

#include "vl3Platform.h"
#include "vl3Util.h"

namespace {

// A real top-level window of 300 x 200 pixels for one test.
class TTestForm {
 public:
  TTestForm() {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "VxUtilTestForm";
    ::RegisterClassA(&wc);  // a second registration fails harmlessly
    hwnd_ = ::CreateWindowExA(WS_EX_TOOLWINDOW, "VxUtilTestForm", "Form", WS_POPUP | WS_BORDER, 40, 50,
                              300, 200, nullptr, nullptr, wc.hInstance, nullptr);
    if (hwnd_) ::ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
  }
  ~TTestForm() {
    if (hwnd_) ::DestroyWindow(hwnd_);
  }
  HWND Handle() const { return hwnd_; }
  RECT Rect() const {
    RECT r = {};
    ::GetWindowRect(hwnd_, &r);
    return r;
  }

 private:
  HWND hwnd_ = nullptr;
};

RECT MonitorOf(HWND hwnd) {
  MONITORINFO info = {};
  info.cbSize = sizeof info;
  ::GetMonitorInfoA(::MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST), &info);
  return info.rcMonitor;
}

}  // namespace

TEST(WinFormPlacement, MoveFormOnScreenKeepsARealWindowOnItsMonitor) {
  TTestForm form;
  ASSERT_NE(form.Handle(), nullptr);
  RECT m = MonitorOf(form.Handle());
  ASSERT_GT(m.right - m.left, 300);

  MoveFormOnScreen(form.Handle(), m.left - 50, m.top + 5000);
  RECT r = form.Rect();
  EXPECT_EQ(r.left, m.left);
  EXPECT_EQ(r.top, m.bottom - 200);
  EXPECT_EQ(r.right - r.left, 300) << "size unchanged";
  EXPECT_EQ(r.bottom - r.top, 200);

  MoveFormOnScreen(form.Handle(), m.right + 10, m.top - 10);
  r = form.Rect();
  EXPECT_EQ(r.left, m.right - 300);
  EXPECT_EQ(r.top, m.top);

  MoveFormOnScreen(form.Handle(), m.left + 100, m.top + 120);
  r = form.Rect();
  EXPECT_EQ(r.left, m.left + 100);
  EXPECT_EQ(r.top, m.top + 120);

  MoveFormOnScreen(nullptr, 0, 0);  // nothing happens
}

TEST(WinFormPlacement, MoveFormNearRectGoesAboveAWordAtTheBottomEdge) {
  TTestForm form;
  ASSERT_NE(form.Handle(), nullptr);
  RECT m = MonitorOf(form.Handle());

  TRect word{m.left + 200, m.top + 100, m.left + 260, m.top + 118};
  MoveFormNearRect(form.Handle(), word, true, true);
  RECT r = form.Rect();
  EXPECT_EQ(r.left, word.Left);
  EXPECT_EQ(r.top, word.Bottom) << "just below the word";

  TRect low{m.left + 200, m.bottom - 30, m.left + 260, m.bottom - 12};
  MoveFormNearRect(form.Handle(), low, true, true);
  r = form.Rect();
  EXPECT_EQ(r.top, low.Top - 200) << "just above the word";

  TRect right{m.right - 40, m.top + 300, m.right - 5, m.top + 318};
  MoveFormNearRect(form.Handle(), right, true, false);
  r = form.Rect();
  EXPECT_EQ(r.left, m.right - 300);
  EXPECT_EQ(r.top, low.Top - 200) << "vertical position kept";

  MoveFormNearRect(nullptr, word, true, true);
}

TEST(WinMacros, AppDirAndAppNameNameThisProgram) {
  char module[MAX_PATH];
  ASSERT_GT(::GetModuleFileNameA(nullptr, module, MAX_PATH), 0u);
  std::string exe = module;
  std::string appDir = ExpandMacros("%AppDir%");
  EXPECT_EQ(appDir + "\\" + ExpandMacros("%AppName%") + ".exe", exe);
  EXPECT_NE(appDir.back(), '\\');
  EXPECT_EQ(ExpandMacros("%AppName%"), "vl3Util_win_test");
  EXPECT_TRUE(Platform::FileExists(ExpandMacros("%AppDir%\\%AppName%.exe")));
  EXPECT_EQ(ExpandMacros("%AppDir%\\Spell.cfg"), appDir + "\\Spell.cfg");
}

TEST(WinMacros, UserNameFoldersAndEnvironmentComeFromTheSystem) {
  char user[256];
  DWORD size = sizeof user;
  ASSERT_TRUE(::GetUserNameA(user, &size));
  EXPECT_EQ(ExpandMacros("%UserName%_sp.vll"), std::string(user) + "_sp.vll");
  // Only the first is the macro; a second one is left to the environment,
  // which on Windows usually knows USERNAME too.
  char saved[256] = {};
  bool hadVariable = ::GetEnvironmentVariableA("USERNAME", saved, sizeof saved) > 0;
  ::SetEnvironmentVariableA("USERNAME", nullptr);
  EXPECT_EQ(ExpandMacros("%UserName%%UserName%"), std::string(user) + "%UserName%");
  ::SetEnvironmentVariableA("USERNAME", "EnvUser");
  EXPECT_EQ(ExpandMacros("%UserName%%UserName%"), std::string(user) + "EnvUser");
  ::SetEnvironmentVariableA("USERNAME", hadVariable ? saved : nullptr);

  char appData[MAX_PATH] = {};
  ASSERT_TRUE(::SHGetSpecialFolderPathA(nullptr, appData, CSIDL_APPDATA, FALSE));
  EXPECT_EQ(ExpandMacros("%AppData%\\Vexlor"), std::string(appData) + "\\Vexlor");
  EXPECT_EQ(GetSpecialFolder(26), appData);
  EXPECT_TRUE(Platform::DirectoryExists(GetSpecialFolder(26)));

  char docs[MAX_PATH] = {};
  ASSERT_TRUE(::SHGetSpecialFolderPathA(nullptr, docs, CSIDL_PERSONAL, FALSE));
  EXPECT_EQ(ExpandMacros("%MyDocuments%"), docs);

  char temp[MAX_PATH] = {};
  ASSERT_GT(::GetEnvironmentVariableA("TEMP", temp, MAX_PATH), 0u);
  std::string expanded = ExpandMacros("%TEMP%\\vx.tmp");
  EXPECT_EQ(expanded, std::string(temp) + "\\vx.tmp");
  EXPECT_TRUE(Platform::DirectoryExists(ExpandMacros("%TEMP%")));
  EXPECT_EQ(ExpandMacros("%VX_SURELY_UNDEFINED%\\x"), "%VX_SURELY_UNDEFINED%\\x");
}

TEST(WinFiles, ForceDirectoriesAndCanCreateFileOnARealDrive) {
  std::string base = Platform::TempDirectory() + "\\vxutil-" + std::to_string(::GetCurrentProcessId());
  std::string deep = base + "\\a\\b\\c";
  EXPECT_TRUE(ForceDirectories(deep));
  EXPECT_TRUE(Platform::DirectoryExists(deep));
  std::string probe = deep + "\\probe.vlu";
  EXPECT_TRUE(CanCreateFile(probe, true));
  EXPECT_FALSE(Platform::FileExists(probe));
  EXPECT_TRUE(CanCreateFile(probe, false));
  EXPECT_TRUE(Platform::FileExists(probe));
  EXPECT_TRUE(Platform::DeleteFile(probe));
  for (const std::string& d : {deep, base + "\\a\\b", base + "\\a", base}) EXPECT_TRUE(Platform::RemoveDirectory(d));
}

TEST(WinFiles, FileVersionOfASystemLibraryAndNoneForThisProgram) {
  char system[MAX_PATH];
  ASSERT_GT(::GetSystemDirectoryA(system, MAX_PATH), 0u);
  uint32_t ms = 0, ls = 0;
  ASSERT_TRUE(GetFileVersion(std::string(system) + "\\kernel32.dll", ms, ls));
  EXPECT_GT(ms, 0u);

  char module[MAX_PATH];
  ::GetModuleFileNameA(nullptr, module, MAX_PATH);
  EXPECT_FALSE(GetFileVersion(module, ms, ls));
  EXPECT_FALSE(GetFileVersion(std::string(system) + "\\no-such-file.dll", ms, ls));
}
