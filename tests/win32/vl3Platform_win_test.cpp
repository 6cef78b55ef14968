// The Windows side of the platform seam checked against the raw Win32 calls:
// the real registry, real profile files, and the message pump.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "vl3Platform.h"

namespace {

std::string UniqueName(const char* stem) {
  return std::string(stem) + std::to_string(::GetCurrentProcessId()) + "_" + std::to_string(::GetTickCount());
}

}  // namespace

TEST(WinRegistry, ValuesRoundTripThroughTheRealCurrentUserHive) {
  const auto hkcu = Platform::TRegistryRoot::CurrentUser;
  std::string key = "Software\\Vexlor\\Tests\\" + UniqueName("reg");
  ASSERT_TRUE(Platform::RegWriteString(hkcu, key, "_Main", "American.vlm"));

  // What we wrote is a plain REG_SZ that other programs read.
  char buffer[64] = {};
  DWORD size = sizeof buffer, type = 0;
  ASSERT_EQ(::RegGetValueA(HKEY_CURRENT_USER, key.c_str(), "_Main", RRF_RT_ANY, &type, buffer, &size),
            ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_STREQ(buffer, "American.vlm");

  // What others write, also unexpanded and long, reads back.
  HKEY raw = nullptr;
  ASSERT_EQ(::RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_SET_VALUE, &raw), ERROR_SUCCESS);
  const char expand[] = "%AppDir%\\x";
  ::RegSetValueExA(raw, "Expand", 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>(expand), sizeof expand);
  std::string big(3000, 'b');
  ::RegSetValueExA(raw, "Big", 0, REG_SZ, reinterpret_cast<const BYTE*>(big.c_str()),
                   static_cast<DWORD>(big.size() + 1));
  DWORD number = 5;
  ::RegSetValueExA(raw, "Number", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
  ::RegCloseKey(raw);

  std::string value;
  ASSERT_TRUE(Platform::RegReadString(hkcu, key, "expand", value));
  EXPECT_EQ(value, "%AppDir%\\x");
  ASSERT_TRUE(Platform::RegReadString(hkcu, key, "Big", value));
  EXPECT_EQ(value, big);
  EXPECT_FALSE(Platform::RegReadString(hkcu, key, "Number", value)) << "not a string";

  std::vector<std::string> names;
  ASSERT_TRUE(Platform::RegValueNames(hkcu, key, names));
  EXPECT_EQ(names.size(), 4u);

  EXPECT_TRUE(Platform::RegDeleteKey(hkcu, key));
  EXPECT_FALSE(Platform::RegKeyExists(hkcu, key));
}

TEST(WinIni, ProfileFilesAreSharedWithTheSystemFunctions) {
  std::string dir = Platform::TempDirectory();
  std::string file = dir + "\\" + UniqueName("vx") + ".cfg";
  ASSERT_TRUE(Platform::IniWriteString(file, "Default", "_Main", "American.vlm"));
  char buffer[64] = {};
  ::GetPrivateProfileStringA("default", "_MAIN", "", buffer, sizeof buffer, file.c_str());
  EXPECT_STREQ(buffer, "American.vlm");

  ::WritePrivateProfileStringA("Default", "Quoted", "  \"  padded  \"  ", file.c_str());
  EXPECT_EQ(Platform::IniReadString(file, "Default", "Quoted", ""), "  padded  ");
  EXPECT_EQ(Platform::IniReadString(file, "Default", "Missing", "d  "), "d");

  std::string big(5000, 'v');
  ASSERT_TRUE(Platform::IniWriteString(file, "Default", "Big", big));
  EXPECT_EQ(Platform::IniReadString(file, "Default", "Big", ""), big);
  EXPECT_TRUE(Platform::DeleteFile(file));
}

TEST(WinIni, RelativeFileNamesMeanTheCurrentFolderNotTheWindowsFolder) {
  char old[MAX_PATH];
  ::GetCurrentDirectoryA(MAX_PATH, old);
  std::string dir = Platform::TempDirectory();
  ASSERT_TRUE(::SetCurrentDirectoryA(dir.c_str()));
  std::string name = UniqueName("rel") + ".ini";
  EXPECT_TRUE(Platform::IniWriteString(name, "S", "k", "v"));
  EXPECT_TRUE(Platform::FileExists(dir + "\\" + name));
  EXPECT_EQ(Platform::IniReadString(name, "S", "k", ""), "v");
  Platform::DeleteFile(dir + "\\" + name);
  ::SetCurrentDirectoryA(old);
}

TEST(WinMessages, ProcessMessagesDispatchesAndLeavesQuitForTheApplication) {
  static int received = 0;
  WNDCLASSA wc = {};
  wc.lpfnWndProc = [](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
    if (m == WM_APP + 1) ++received;
    return ::DefWindowProcA(h, m, w, l);
  };
  wc.hInstance = ::GetModuleHandleA(nullptr);
  wc.lpszClassName = "VxPumpTest";
  ::RegisterClassA(&wc);
  HWND hwnd = ::CreateWindowExA(0, "VxPumpTest", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                wc.hInstance, nullptr);
  ASSERT_NE(hwnd, nullptr);
  ::PostMessageA(hwnd, WM_APP + 1, 0, 0);
  ::PostMessageA(hwnd, WM_APP + 1, 0, 0);
  Platform::ProcessMessages();
  EXPECT_EQ(received, 2);

  ::PostQuitMessage(3);
  Platform::ProcessMessages();
  MSG msg;
  ASSERT_TRUE(::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
  EXPECT_EQ(msg.wParam, 3u);
  ::DestroyWindow(hwnd);
}

TEST(WinMessages, HourglassCursorIsTheSystemWaitCursor) {
  Platform::SetCursor(Platform::TCursor::Hourglass);
  EXPECT_EQ(::GetCursor(), ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32514)));
  Platform::SetCursor(Platform::TCursor::Default);
  EXPECT_EQ(Platform::GetCursor(), Platform::TCursor::Default);
}
