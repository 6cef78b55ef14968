// The installer against a prepared machine: fake IDE registry keys, an
// installer folder and IDE help files; Install is pressed on the real form.
#include <gtest/gtest.h>
#include <windows.h>
// After <windows.h>, which they need.
#include <commctrl.h>
#include <sddl.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "Main.h"

namespace {

const char kBorland[] = "Software\\Borland";
const char kHelpKey[] = "Software\\Microsoft\\Windows\\Help";
const char* const kHelpValues[] = {"VexlorV3.hlp", "VexlorV3.cnt", "VexlorV3.toc"};

// Under an X server without a window manager, Wine waits two seconds for
// the manager each time a managed window hides. The windows of this test and
// of the program it starts are made unmanaged before the first one opens.
bool MakeWindowsUnmanaged() {
  for (const char* program : {"vxinst_test.exe", "vxinst.exe"}) {
    const std::string key = std::string("Software\\Wine\\AppDefaults\\") + program + "\\X11 Driver";
    HKEY handle = nullptr;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                          &handle, nullptr) == ERROR_SUCCESS) {
      ::RegSetValueExA(handle, "Managed", 0, REG_SZ, reinterpret_cast<const BYTE*>("N"), 2);
      ::RegCloseKey(handle);
    }
  }
  return true;
}
const bool kWindowsUnmanaged = MakeWindowsUnmanaged();

// ---- Registry and files as the test sees them ---------------------------------

void WriteValue(HKEY root, const std::string& key, const std::string& name, const std::string& data,
                DWORD type = REG_SZ) {
  HKEY handle = nullptr;
  ASSERT_EQ(
      ::RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &handle, nullptr),
      ERROR_SUCCESS);
  ::RegSetValueExA(handle, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.c_str()),
                   static_cast<DWORD>(data.size() + 1));
  ::RegCloseKey(handle);
}

void CreateKey(HKEY root, const std::string& key) {
  HKEY handle = nullptr;
  ASSERT_EQ(
      ::RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &handle, nullptr),
      ERROR_SUCCESS);
  ::RegCloseKey(handle);
}

bool KeyExists(HKEY root, const std::string& key) {
  HKEY handle = nullptr;
  if (::RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) return false;
  ::RegCloseKey(handle);
  return true;
}

// The stored text, unexpanded; REG_EXPAND_SZ data is marked with its type.
std::string ReadValue(HKEY root, const std::string& key, const std::string& name) {
  char buffer[2048] = {};
  DWORD size = sizeof(buffer);
  DWORD type = 0;
  if (::RegGetValueA(root, key.c_str(), name.c_str(),
                     RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND, &type, buffer,
                     &size) != ERROR_SUCCESS) {
    return "<absent>";
  }
  return type == REG_EXPAND_SZ ? "(expand) " + std::string(buffer) : std::string(buffer);
}

// A key whose values this user may read but not change, as keys of another
// user or of the machine are for users without full rights; and back.
void SetKeyReadOnly(HKEY root, const std::string& key, bool readOnly) {
  HKEY handle = nullptr;
  ASSERT_EQ(::RegOpenKeyExA(root, key.c_str(), 0, WRITE_DAC, &handle), ERROR_SUCCESS);
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  // Everyone: read, or all; the owner may always change the list itself.
  ASSERT_TRUE(::ConvertStringSecurityDescriptorToSecurityDescriptorA(
      readOnly ? "D:(A;;KRWD;;;WD)" : "D:(A;;KA;;;WD)", SDDL_REVISION_1, &descriptor, nullptr));
  EXPECT_EQ(::RegSetKeySecurity(handle, DACL_SECURITY_INFORMATION, descriptor), ERROR_SUCCESS);
  ::LocalFree(descriptor);
  ::RegCloseKey(handle);
}

// name=data, sorted by name.
std::set<std::string> ReadValues(HKEY root, const std::string& key) {
  std::set<std::string> values;
  HKEY handle = nullptr;
  if (::RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) return values;
  for (DWORD index = 0;; ++index) {
    char name[1024];
    BYTE data[1024];
    DWORD nameLength = sizeof(name);
    DWORD dataLength = sizeof(data);
    if (::RegEnumValueA(handle, index, name, &nameLength, nullptr, nullptr, data, &dataLength) !=
        ERROR_SUCCESS) {
      break;
    }
    values.insert(std::string(name) + "=" + reinterpret_cast<const char*>(data));
  }
  ::RegCloseKey(handle);
  return values;
}

// A log or file split at its line ends.
std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  for (size_t start = 0; start < text.size();) {
    size_t end = text.find("\r\n", start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

void WriteFile(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return "<absent>";
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

bool Exists(const std::string& path) {
  return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The names of the files in a folder, sorted.
std::vector<std::string> FilesIn(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE search = ::FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
  } while (::FindNextFileA(search, &found));
  ::FindClose(search);
  std::sort(names.begin(), names.end());
  return names;
}

void MakeFolder(const std::string& path) { ::CreateDirectoryA(path.c_str(), nullptr); }

void RemoveTree(const std::string& path) {
  if (!Exists(path)) return;
  const std::string from = path + '\0' + '\0';
  SHFILEOPSTRUCTA op = {};
  op.wFunc = FO_DELETE;
  op.pFrom = from.c_str();
  op.fFlags = FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
  ::SHFileOperationA(&op);
}

// Last-write time; set to an old one so that a rewrite is always seen.
uint64_t Stamp(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data = {};
  if (!::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return 0;
  return (uint64_t(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime;
}

void MakeOld(const std::string& path) {
  SYSTEMTIME old = {2001, 3, 0, 14, 12, 0, 0, 0};
  FILETIME stamp;
  ::SystemTimeToFileTime(&old, &stamp);
  HANDLE file = ::CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
  ::SetFileTime(file, nullptr, nullptr, &stamp);
  ::CloseHandle(file);
}

// ---- The form as a user sees it ---------------------------------------------------

struct TFound {
  const char* ClassName;
  const char* Text;  // nullptr: any
  HWND Window;
};

BOOL CALLBACK MatchChild(HWND window, LPARAM param) {
  auto* wanted = reinterpret_cast<TFound*>(param);
  char className[64] = {};
  char text[256] = {};
  ::GetClassNameA(window, className, sizeof(className));
  ::GetWindowTextA(window, text, sizeof(text));
  if (lstrcmpiA(className, wanted->ClassName) == 0 &&
      (!wanted->Text || std::string(text) == wanted->Text)) {
    wanted->Window = window;
    return FALSE;
  }
  return TRUE;
}

HWND FindChild(HWND parent, const char* className, const char* text = nullptr) {
  TFound wanted = {className, text, nullptr};
  ::EnumChildWindows(parent, MatchChild, reinterpret_cast<LPARAM>(&wanted));
  return wanted.Window;
}

// The installer's window of one process, or of this one.
struct TProcessWindow {
  DWORD ProcessId;
  HWND Window;
};

BOOL CALLBACK MatchForm(HWND window, LPARAM param) {
  auto* wanted = reinterpret_cast<TProcessWindow*>(param);
  DWORD process = 0;
  ::GetWindowThreadProcessId(window, &process);
  char text[64] = {};
  ::GetWindowTextA(window, text, sizeof(text));
  if (process == wanted->ProcessId && std::string(text) == "Vexlor 3 Install" &&
      ::IsWindowVisible(window)) {
    wanted->Window = window;
    return FALSE;
  }
  return TRUE;
}

HWND FindForm(DWORD processId) {
  TProcessWindow wanted = {processId, nullptr};
  ::EnumWindows(MatchForm, reinterpret_cast<LPARAM>(&wanted));
  return wanted.Window;
}

// The form's controls, found by what the user reads on them.
struct TFormView {
  HWND Form = nullptr;
  HWND Tabs = nullptr;
  HWND List = nullptr;
  HWND Help = nullptr;
  HWND Install = nullptr;
  HWND Status = nullptr;
  HWND FinishedPage = nullptr;
  HWND FinishedMemo = nullptr;

  explicit TFormView(HWND form) : Form(form) {
    Tabs = FindChild(form, WC_TABCONTROLA);
    List = FindChild(form, WC_LISTVIEWA);
    Help = FindChild(form, "Button", "Install Help into IDE");
    Install = FindChild(form, "Button", "Install >>");
    Status = FindChild(FindChild(form, "TTabSheet", "Install"), "Edit");
    FinishedPage = FindChild(form, "TTabSheet", "Finished");
    FinishedMemo = FindChild(FinishedPage, "Edit");
  }
  bool Complete() const {
    return ::IsWindowVisible(FinishedPage) && ::IsWindowEnabled(Install) &&
           TabCtrl_GetItemCount(Tabs) == 3 && TabCtrl_GetCurSel(Tabs) == 2;
  }
  static std::string Text(HWND window) {
    std::string text(::GetWindowTextLengthA(window) + 1, '\0');
    text.resize(::GetWindowTextA(window, &text[0], static_cast<int>(text.size())));
    return text;
  }
  std::string Log() const { return Text(Status); }
  // The heading and the text of the last page.
  std::string Outcome() const {
    for (HWND child = ::GetWindow(FinishedPage, GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
      char className[64] = {};
      ::GetClassNameA(child, className, sizeof(className));
      if (lstrcmpiA(className, "Static") == 0 && !Text(child).empty()) {
        return Text(child) + "\n" + Text(FinishedMemo);
      }
    }
    return "<no heading>\n" + Text(FinishedMemo);
  }
  // Rows of the IDE list in order, "*" before a ticked one.
  std::vector<std::string> Rows() const {
    std::vector<std::string> rows;
    for (int row = 0; row < ListView_GetItemCount(List); ++row) {
      char text[64] = {};
      ListView_GetItemText(List, row, 0, text, sizeof(text));
      rows.push_back((ListView_GetCheckState(List, row) ? "*" : "") + std::string(text));
    }
    return rows;
  }
  void ClickTab(int tab) const {
    RECT area;
    TabCtrl_GetItemRect(Tabs, tab, &area);
    const LPARAM at = MAKELPARAM((area.left + area.right) / 2, (area.top + area.bottom) / 2);
    ::SendMessageA(Tabs, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageA(Tabs, WM_LBUTTONUP, 0, at);
  }
};

void PumpMessages() {
  MSG message;
  while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&message);
    ::DispatchMessageA(&message);
  }
}

// The form as it is on the screen, frame included, as a 24-bit BMP file.
bool SaveWindowPicture(HWND window, const std::string& path) {
  ::RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  PumpMessages();
  ::GdiFlush();
  ::Sleep(300);  // the X server shows what was drawn
  RECT area;
  ::GetWindowRect(window, &area);
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  HDC screen = ::GetDC(nullptr);
  HDC memory = ::CreateCompatibleDC(screen);
  HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = ::SelectObject(memory, bitmap);
  ::BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
  ::SelectObject(memory, old);
  BITMAPINFOHEADER info = {};
  info.biSize = sizeof(info);
  info.biWidth = width;
  info.biHeight = -height;  // top row first
  info.biPlanes = 1;
  info.biBitCount = 24;
  const int stride = (width * 3 + 3) & ~3;
  std::string pixels(static_cast<size_t>(stride) * height, '\0');
  ::GetDIBits(memory, bitmap, 0, height, &pixels[0], reinterpret_cast<BITMAPINFO*>(&info),
              DIB_RGB_COLORS);
  ::DeleteObject(bitmap);
  ::DeleteDC(memory);
  ::ReleaseDC(nullptr, screen);
  BITMAPFILEHEADER header = {};
  header.bfType = 0x4D42;
  header.bfOffBits = sizeof(header) + sizeof(info);
  header.bfSize = header.bfOffBits + static_cast<DWORD>(pixels.size());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(&header), sizeof(header));
  out.write(reinterpret_cast<const char*>(&info), sizeof(info));
  out << pixels;
  return static_cast<bool>(out);
}

// ---- The prepared machine -----------------------------------------------------------

struct TIde {
  const char* Key;  // below Software\Borland
  const char* Suffix;
  const char* HelpBase;
};
const TIde kDelphi4 = {"Delphi\\4.0", "d4", "delphi4"};
const TIde kDelphi5 = {"Delphi\\5.0", "d5", "delphi5"};
const TIde kDelphi6 = {"Delphi\\6.0", "d6", "delphi6"};
const TIde kBuilder4 = {"C++Builder\\4.0", "cb4", "bcb4"};
const TIde kBuilder5 = {"C++Builder\\5.0", "cb5", "bcb5"};

class InstallerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, temp);
    root_ = std::string(temp) + "vxinst_test" + std::to_string(::GetCurrentProcessId());
    CleanMachine();
    MakeFolder(root_);
    installer_ = root_ + "\\Vexlor Setup";
    MakeFolder(installer_);
    for (const char* folder : {"\\Source", "\\BPL", "\\Help"}) MakeFolder(installer_ + folder);
    WriteFile(installer_ + "\\Source\\vl3Spell.pas", "unit vl3Spell;");
    WriteFile(installer_ + "\\Source\\vl3Spell.dfm", "object SpellDialog");
    for (const char* file : {"VexlorV3.hlp", "VexlorV3.cnt", "VexlorV3.toc", "VexlorV3.gid"}) {
      WriteFile(installer_ + "\\Help\\" + file, file);
    }
    CreateKey(HKEY_LOCAL_MACHINE, kHelpKey);
  }

  void TearDown() override {
    form_.reset();
    CleanMachine();
  }

  void CleanMachine() {
    for (const std::string& key : readOnlyKeys_) {
      if (KeyExists(HKEY_CURRENT_USER, key)) SetKeyReadOnly(HKEY_CURRENT_USER, key, false);
    }
    ::RegDeleteTreeA(HKEY_LOCAL_MACHINE, kBorland);
    ::RegDeleteTreeA(HKEY_CURRENT_USER, kBorland);
    HKEY help = nullptr;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kHelpKey, 0, KEY_WRITE, &help) == ERROR_SUCCESS) {
      for (const char* value : kHelpValues) ::RegDeleteValueA(help, value);
      ::RegCloseKey(help);
    }
    RemoveTree(root_);
  }

  std::string MachineKey(const TIde& ide) const { return std::string(kBorland) + "\\" + ide.Key; }
  std::string UserKey(const TIde& ide, const char* sub) const {
    return MachineKey(ide) + "\\" + sub;
  }
  std::string IdeRoot(const TIde& ide) const { return root_ + "\\" + ide.Suffix + " IDE"; }
  std::string Target(const TIde& ide) const { return installer_ + "\\Source\\" + ide.Suffix; }
  std::string HelpFile(const TIde& ide, const char* extension) const {
    return IdeRoot(ide) + "\\Help\\" + ide.HelpBase + extension;
  }

  // The IDE as its setup leaves it: machine keys and the help folder.
  void InstallIde(const TIde& ide, const char* version) {
    WriteValue(HKEY_LOCAL_MACHINE, MachineKey(ide), "Version", version);
    WriteValue(HKEY_LOCAL_MACHINE, MachineKey(ide), "RootDir", IdeRoot(ide) + "\\");
    MakeFolder(IdeRoot(ide));
    MakeFolder(IdeRoot(ide) + "\\Help");
    for (const char* extension : {".cnt", ".ohc", ".ohi", ".ohl", ".gid"}) {
      WriteFile(HelpFile(ide, extension), std::string(":Base ") + ide.HelpBase + ".hlp\r\n");
    }
  }

  // The per-user keys the IDE writes on its first start.
  void StartIde(const TIde& ide, const std::string& searchPath) {
    WriteValue(HKEY_CURRENT_USER, UserKey(ide, "Known Packages"), "C:\\IDE\\Bin\\dclstd.bpl",
               "Standard Components");
    WriteValue(HKEY_CURRENT_USER, UserKey(ide, "Disabled Packages"), "C:\\IDE\\Bin\\dclado.bpl",
               "ADO Components");
    WriteValue(HKEY_CURRENT_USER, UserKey(ide, "Library"), "Search Path", searchPath);
    WriteValue(HKEY_CURRENT_USER, UserKey(ide, "Library"), "Browsing Path",
               "$(DELPHI)\\Source\\Vcl");
  }

  void ShipPackages(const TIde& ide) {
    for (const char* name : {"vexlor3_", "vexlor3db_"}) {
      for (const char* extension : {".bpl", ".dcp"}) {
        WriteFile(installer_ + "\\BPL\\" + name + ide.Suffix + extension, name);
      }
    }
  }

  TFormView OpenForm() {
    form_ = std::make_unique<TInstallForm>(installer_);
    form_->Show();
    PumpMessages();
    HWND window = FindForm(::GetCurrentProcessId());
    EXPECT_NE(window, nullptr);
    return TFormView(window);
  }

  // A click on the button: the whole install runs before it returns.
  void PressInstall(const TFormView& view) {
    ::SendMessageA(view.Install, BM_CLICK, 0, 0);
    PumpMessages();
    EXPECT_TRUE(view.Complete());
  }

  std::string root_;
  std::string installer_;
  std::unique_ptr<TInstallForm> form_;
  std::vector<std::string> readOnlyKeys_;  // per-user keys made read-only, made writable again
};

// ---- Scenarios ------------------------------------------------------------------------

TEST_F(InstallerTest, NoSupportedIdeGivesAnEmptyListAndStillCompletes) {
  ShipPackages(kDelphi4);       // packages, but no Delphi 4.0 on the machine
  InstallIde(kDelphi6, "PRO");  // Delphi 6.0, but no packages for it
  TFormView view = OpenForm();
  EXPECT_EQ(TabCtrl_GetItemCount(view.Tabs), 1);
  EXPECT_TRUE(view.Rows().empty());

  PressInstall(view);
  EXPECT_EQ(view.Log(), "");
  EXPECT_FALSE(Exists(installer_ + "\\Source\\d4"));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kBorland));
  // The Windows help registry still names the suite's help.
  for (const char* value : kHelpValues) {
    EXPECT_EQ(ReadValue(HKEY_LOCAL_MACHINE, kHelpKey, value), installer_ + "\\Help");
  }
  EXPECT_FALSE(Exists(installer_ + "\\Help\\VexlorV3.gid"));
  EXPECT_TRUE(Exists(installer_ + "\\Help\\VexlorV3.hlp"));
}

TEST_F(InstallerTest, InstallsFilesPackagesPathsAndHelpForEachTickedIde) {
  InstallIde(kDelphi4, "STD");
  InstallIde(kDelphi5, "STD");
  InstallIde(kBuilder5, "ENT");
  ShipPackages(kDelphi4);
  ShipPackages(kDelphi5);
  ShipPackages(kBuilder5);
  StartIde(kDelphi4, "C:\\One;;C:\\Old Vexlor3\\Lib;C:\\Two");
  StartIde(kDelphi5, "$(DELPHI)\\Lib");
  // Earlier registrations of the packages, from other folders, in any case.
  WriteValue(HKEY_CURRENT_USER, UserKey(kDelphi4, "Known Packages"), "C:\\Old\\VEXLOR3_D4.BPL",
             "Vexlor 3.1 Package");
  WriteValue(HKEY_CURRENT_USER, UserKey(kDelphi4, "Disabled Packages"), "C:\\Old\\vexlor3db_d4.bpl",
             "Vexlor 3.1 Package (DB Aware)");
  // What the target folder held before, and the per-IDE variants of sources.
  MakeFolder(Target(kDelphi4));
  WriteFile(Target(kDelphi4) + "\\stale.dcu", "old");
  MakeFolder(Target(kDelphi4) + "inst");
  WriteFile(Target(kDelphi4) + "inst\\vl3Compat.inc", "{$DEFINE D4}");
  // Help: an older suite line to replace, one contents file missing.
  WriteFile(HelpFile(kDelphi4, ".cnt"),
            ":Base delphi4.hlp\r\n:Include VexlorV2.cnt\r\n"
            ":Include VexlorV3.cnt\r\n:Index Old=VexlorV3.hlp\r\n");
  ::DeleteFileA(HelpFile(kDelphi5, ".ohl").c_str());

  TFormView view = OpenForm();
  EXPECT_EQ(view.Rows(),
            (std::vector<std::string>{"*Delphi 4.0", "*Delphi 5.0", "*C++Builder 5.0"}));
  // The user unticks C++Builder 5.0: its row, then the space bar.
  ListView_SetItemState(view.List, 2, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
  ::SendMessageA(view.List, WM_KEYDOWN, VK_SPACE, 0);
  ::SendMessageA(view.List, WM_KEYUP, VK_SPACE, 0);
  EXPECT_EQ(view.Rows()[2], "C++Builder 5.0");
  PressInstall(view);

  EXPECT_EQ(view.Log(),
            "Performing Installation for: Delphi 4.0\r\n"
            "    Deleting Old Files\r\n"
            "    Copying Files\r\n"
            "    Installing Packages Into IDE\r\n"
            "    Installing Help Into IDE\r\n"
            "Performing Installation for: Delphi 5.0\r\n"
            "    Deleting Old Files\r\n"
            "    Copying Files\r\n"
            "    Installing Packages Into IDE\r\n"
            "    Installing Help Into IDE\r\n"
            "** File Not Found: " +
                HelpFile(kDelphi5, ".ohl") + "\r\n");

  // Files: old ones gone, variants, sources and this IDE's packages only.
  const std::string d4 = Target(kDelphi4);
  EXPECT_FALSE(Exists(d4 + "\\stale.dcu"));
  for (const char* file : {"vl3Compat.inc", "vl3Spell.pas", "vl3Spell.dfm", "vexlor3_d4.bpl",
                           "vexlor3_d4.dcp", "vexlor3db_d4.bpl", "vexlor3db_d4.dcp"}) {
    EXPECT_TRUE(Exists(d4 + "\\" + file)) << file;
  }
  EXPECT_FALSE(Exists(d4 + "\\vexlor3_d5.bpl"));
  EXPECT_FALSE(Exists(d4 + "\\d4"));
  EXPECT_FALSE(Exists(installer_ + "\\Source\\cb5"));

  // Delphi 4.0 gets the data-aware package even as "STD"; Delphi 5.0 does not.
  const std::string d5 = Target(kDelphi5);
  EXPECT_EQ(ReadValues(HKEY_CURRENT_USER, UserKey(kDelphi4, "Known Packages")),
            (std::set<std::string>{"C:\\IDE\\Bin\\dclstd.bpl=Standard Components",
                                   d4 + "\\vexlor3_d4.bpl=Vexlor 3.2 Package",
                                   d4 + "\\vexlor3db_d4.bpl=Vexlor 3.2 Package (DB Aware)"}));
  EXPECT_EQ(ReadValues(HKEY_CURRENT_USER, UserKey(kDelphi4, "Disabled Packages")),
            (std::set<std::string>{"C:\\IDE\\Bin\\dclado.bpl=ADO Components"}));
  EXPECT_EQ(ReadValues(HKEY_CURRENT_USER, UserKey(kDelphi5, "Known Packages")),
            (std::set<std::string>{"C:\\IDE\\Bin\\dclstd.bpl=Standard Components",
                                   d5 + "\\vexlor3_d5.bpl=Vexlor 3.2 Package"}));
  EXPECT_TRUE(Exists(d5 + "\\vexlor3db_d5.bpl"));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, MachineKey(kBuilder5)));

  // Library paths: plain folders kept in order, the old suite folder gone.
  EXPECT_EQ(ReadValue(HKEY_CURRENT_USER, UserKey(kDelphi4, "Library"), "Search Path"),
            "C:\\One;C:\\Two;" + d4);
  EXPECT_EQ(ReadValue(HKEY_CURRENT_USER, UserKey(kDelphi4, "Library"), "Browsing Path"),
            "$(DELPHI)\\Source\\Vcl;" + d4);
  EXPECT_EQ(ReadValue(HKEY_CURRENT_USER, UserKey(kDelphi5, "Library"), "Search Path"),
            "$(DELPHI)\\Lib;" + d5);

  // Help: contents and index files of each IDE, the Windows help registry.
  EXPECT_EQ(ReadFile(HelpFile(kDelphi4, ".cnt")),
            ":Base delphi4.hlp\r\n:Include VexlorV2.cnt\r\n:Include VexlorV3.cnt\r\n"
            ":Index Vexlor=VexlorV3.hlp\r\n");
  EXPECT_EQ(ReadFile(HelpFile(kDelphi4, ".ohc")), ":Base delphi4.hlp\r\n:INCLUDE VexlorV3.toc\r\n");
  EXPECT_EQ(
      ReadFile(HelpFile(kDelphi4, ".ohi")),
      ":Base delphi4.hlp\r\n:Index Vexlor Spelling Check and Thesaurus Suite =VexlorV3.hlp\r\n");
  EXPECT_EQ(ReadFile(HelpFile(kDelphi4, ".ohl")), ":Base delphi4.hlp\r\n:LINK VexlorV3.hlp\r\n");
  EXPECT_EQ(ReadFile(HelpFile(kDelphi5, ".cnt")), ":Base delphi5.hlp\r\n");
  EXPECT_EQ(ReadFile(HelpFile(kDelphi5, ".ohc")), ":Base delphi5.hlp\r\n:INCLUDE VexlorV3.toc\r\n");
  EXPECT_FALSE(Exists(HelpFile(kDelphi4, ".gid")));
  EXPECT_FALSE(Exists(HelpFile(kDelphi5, ".gid")));
  EXPECT_TRUE(Exists(HelpFile(kBuilder5, ".gid")));
  EXPECT_EQ(ReadFile(HelpFile(kBuilder5, ".ohc")), ":Base bcb5.hlp\r\n");
  for (const char* value : kHelpValues) {
    EXPECT_EQ(ReadValue(HKEY_LOCAL_MACHINE, kHelpKey, value), installer_ + "\\Help");
  }
  EXPECT_FALSE(Exists(installer_ + "\\Help\\VexlorV3.gid"));
}

TEST_F(InstallerTest, InstallingTwiceLeavesOneRegistrationAndUntouchedHelpFiles) {
  InstallIde(kDelphi6, "PRO");
  ShipPackages(kDelphi6);
  const std::string d6 = Target(kDelphi6);
  // An install from another folder, and the help of an earlier install.
  StartIde(kDelphi6, "C:\\Lib;C:\\Elsewhere\\Vexlor\\Source\\d6;" + d6 + "\\");
  WriteValue(HKEY_CURRENT_USER, UserKey(kDelphi6, "Known Packages"),
             "C:\\Elsewhere\\Vexlor\\Source\\d6\\vexlor3_d6.bpl", "Vexlor 3.2 Package");
  WriteFile(HelpFile(kDelphi6, ".ohl"), ":Base delphi6.hlp\r\n:link vexlorv3.hlp\r\n");
  MakeOld(HelpFile(kDelphi6, ".ohl"));
  const uint64_t untouched = Stamp(HelpFile(kDelphi6, ".ohl"));

  TFormView view = OpenForm();
  PressInstall(view);
  const std::set<std::string> known = {"C:\\IDE\\Bin\\dclstd.bpl=Standard Components",
                                       d6 + "\\vexlor3_d6.bpl=Vexlor 3.2 Package",
                                       d6 + "\\vexlor3db_d6.bpl=Vexlor 3.2 Package (DB Aware)"};
  EXPECT_EQ(ReadValues(HKEY_CURRENT_USER, UserKey(kDelphi6, "Known Packages")), known);
  EXPECT_EQ(ReadValue(HKEY_CURRENT_USER, UserKey(kDelphi6, "Library"), "Search Path"),
            "C:\\Lib;" + d6);
  EXPECT_EQ(Stamp(HelpFile(kDelphi6, ".ohl")), untouched);

  // Back to the first page and Install again: nothing more is added, and
  // the contents files that now hold their lines are left alone.
  std::vector<uint64_t> stamps;
  for (const char* extension : {".cnt", ".ohc", ".ohi", ".ohl"}) {
    MakeOld(HelpFile(kDelphi6, extension));
    stamps.push_back(Stamp(HelpFile(kDelphi6, extension)));
  }
  view.ClickTab(0);
  EXPECT_TRUE(::IsWindowVisible(view.Install));
  PressInstall(view);
  EXPECT_EQ(ReadValues(HKEY_CURRENT_USER, UserKey(kDelphi6, "Known Packages")), known);
  EXPECT_EQ(ReadValue(HKEY_CURRENT_USER, UserKey(kDelphi6, "Library"), "Search Path"),
            "C:\\Lib;" + d6);
  EXPECT_EQ(ReadValue(HKEY_CURRENT_USER, UserKey(kDelphi6, "Library"), "Browsing Path"),
            "$(DELPHI)\\Source\\Vcl;" + d6);
  size_t at = 0;
  for (const char* extension : {".cnt", ".ohc", ".ohi", ".ohl"}) {
    EXPECT_EQ(Stamp(HelpFile(kDelphi6, extension)), stamps[at++]) << extension;
  }
  EXPECT_EQ(view.Log().find("**"), std::string::npos) << view.Log();
}

TEST_F(InstallerTest, UntickingTheHelpBoxSkipsEveryHelpStep) {
  InstallIde(kDelphi4, "PRO");
  ShipPackages(kDelphi4);
  StartIde(kDelphi4, "C:\\Lib");
  TFormView view = OpenForm();
  ::SendMessageA(view.Help, BM_CLICK, 0, 0);
  EXPECT_EQ(::SendMessageA(view.Help, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  PressInstall(view);

  EXPECT_EQ(view.Log().find("Help"), std::string::npos) << view.Log();
  EXPECT_NE(view.Log().find("    Installing Packages Into IDE"), std::string::npos);
  for (const char* extension : {".cnt", ".ohc", ".ohi", ".ohl", ".gid"}) {
    EXPECT_EQ(ReadFile(HelpFile(kDelphi4, extension)), ":Base delphi4.hlp\r\n") << extension;
  }
  for (const char* value : kHelpValues) {
    EXPECT_EQ(ReadValue(HKEY_LOCAL_MACHINE, kHelpKey, value), "<absent>");
  }
  EXPECT_TRUE(Exists(installer_ + "\\Help\\VexlorV3.gid"));
  EXPECT_EQ(ReadValue(HKEY_CURRENT_USER, UserKey(kDelphi4, "Library"), "Search Path"),
            "C:\\Lib;" + Target(kDelphi4));
}

TEST_F(InstallerTest, FailuresSkipOnlyWhatTheyConcern) {
  // Delphi 4.0: its target folder cannot be made (a file has its name).
  InstallIde(kDelphi4, "PRO");
  ShipPackages(kDelphi4);
  StartIde(kDelphi4, "C:\\Lib");
  WriteFile(Target(kDelphi4), "not a folder");
  // Delphi 5.0: never started by this user, so no per-user keys.
  InstallIde(kDelphi5, "PRO");
  ShipPackages(kDelphi5);
  // C++Builder 5.0: started, but with an empty library path; no help files.
  InstallIde(kBuilder5, "PRO");
  ShipPackages(kBuilder5);
  StartIde(kBuilder5, "");
  RemoveTree(IdeRoot(kBuilder5) + "\\Help");
  // No Windows help key on this machine.
  ::RegDeleteKeyA(HKEY_LOCAL_MACHINE, kHelpKey);

  TFormView view = OpenForm();
  PressInstall(view);
  const std::string log = view.Log();
  EXPECT_NE(log.find("Performing Installation for: Delphi 4.0\r\n** Unable to create: " +
                     Target(kDelphi4) + "\r\nPerforming Installation for: Delphi 5.0\r\n"),
            std::string::npos)
      << log;
  EXPECT_EQ(ReadFile(Target(kDelphi4)), "not a folder");
  EXPECT_EQ(ReadValue(HKEY_CURRENT_USER, UserKey(kDelphi4, "Library"), "Search Path"), "C:\\Lib");
  EXPECT_EQ(ReadFile(HelpFile(kDelphi4, ".ohc")), ":Base delphi4.hlp\r\n");

  EXPECT_TRUE(Exists(Target(kDelphi5) + "\\vexlor3_d5.bpl"));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, MachineKey(kDelphi5)));
  EXPECT_EQ(ReadFile(HelpFile(kDelphi5, ".ohc")), ":Base delphi5.hlp\r\n:INCLUDE VexlorV3.toc\r\n");

  EXPECT_EQ(ReadValue(HKEY_CURRENT_USER, UserKey(kBuilder5, "Library"), "Search Path"), "");
  EXPECT_EQ(ReadValues(HKEY_CURRENT_USER, UserKey(kBuilder5, "Known Packages")).size(), 3u);
  for (const char* extension : {".ohc", ".ohi", ".ohl"}) {
    EXPECT_NE(log.find("** File Not Found: " + HelpFile(kBuilder5, extension) + "\r\n"),
              std::string::npos)
        << extension;
  }
  EXPECT_EQ(log.find(HelpFile(kBuilder5, ".cnt")), std::string::npos);
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kHelpKey));
}

// Every step that fails is named in the log, takes nothing after it on
// trust, and the last page says that the installation failed; once the user
// has put things right, Install again ends as a plain success.
TEST_F(InstallerTest, FailedStepsAreLoggedAndTheLastPageSaysTheInstallationFailed) {
  // Delphi 4.0: one of its package files is held open by another program.
  InstallIde(kDelphi4, "PRO");
  ShipPackages(kDelphi4);
  StartIde(kDelphi4, "C:\\Lib");
  HANDLE held = ::CreateFileA((installer_ + "\\BPL\\vexlor3_d4.dcp").c_str(), GENERIC_READ, 0,
                              nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  // Delphi 5.0: its folder and paths are kept as expandable strings, and
  // this user may not change its package list.
  InstallIde(kDelphi5, "PRO");
  ::SetEnvironmentVariableA("VXINST_TEST_IDES", root_.c_str());
  WriteValue(HKEY_LOCAL_MACHINE, MachineKey(kDelphi5), "RootDir", "%VXINST_TEST_IDES%\\d5 IDE\\",
             REG_EXPAND_SZ);
  ShipPackages(kDelphi5);
  StartIde(kDelphi5, "");
  for (const char* path : {"Search Path", "Browsing Path"}) {
    WriteValue(HKEY_CURRENT_USER, UserKey(kDelphi5, "Library"), path, "%DELPHI5%\\Lib",
               REG_EXPAND_SZ);
  }
  readOnlyKeys_.push_back(UserKey(kDelphi5, "Known Packages"));
  SetKeyReadOnly(HKEY_CURRENT_USER, UserKey(kDelphi5, "Known Packages"), true);
  // Delphi 6.0 without a root folder value, C++Builder 4.0 removed but for
  // its keys: neither is offered. C++Builder 5.0 goes while the form is open.
  for (const TIde* ide : {&kDelphi6, &kBuilder4, &kBuilder5}) {
    InstallIde(*ide, "PRO");
    ShipPackages(*ide);
    StartIde(*ide, "C:\\Lib");
  }
  WriteValue(HKEY_LOCAL_MACHINE, MachineKey(kDelphi6), "RootDir", "");
  RemoveTree(IdeRoot(kBuilder4));

  TFormView view = OpenForm();
  EXPECT_EQ(view.Rows(),
            (std::vector<std::string>{"*Delphi 4.0", "*Delphi 5.0", "*C++Builder 5.0"}));
  RemoveTree(IdeRoot(kBuilder5));
  PressInstall(view);

  const std::string d4 = Target(kDelphi4);
  const std::string d5 = Target(kDelphi5);
  const std::string known5 =
      "HKEY_CURRENT_USER\\" + UserKey(kDelphi5, "Known Packages") + ", value \"";
  EXPECT_EQ(Lines(view.Log()),
            (std::vector<std::string>{
                "Performing Installation for: Delphi 4.0",
                "    Deleting Old Files",
                "    Copying Files",
                "** Unable to copy: " + installer_ + "\\BPL\\vexlor3_d4.* to " + d4,
                "Performing Installation for: Delphi 5.0",
                "    Deleting Old Files",
                "    Copying Files",
                "    Installing Packages Into IDE",
                "** Unable to write: " + known5 + d5 + "\\vexlor3_d5.bpl\"",
                "** Unable to write: " + known5 + d5 + "\\vexlor3db_d5.bpl\"",
                "    Installing Help Into IDE",
                "Performing Installation for: C++Builder 5.0",
                "** IDE folder not found: " + IdeRoot(kBuilder5),
            }));
  EXPECT_EQ(view.Outcome().rfind(
                "Installation Failed\nSome steps failed; the lines marked ** on the Install", 0),
            0u)
      << view.Outcome();
  // A failed copy leaves the IDE as it was.
  EXPECT_EQ(ReadValues(HKEY_CURRENT_USER, UserKey(kDelphi4, "Known Packages")),
            (std::set<std::string>{"C:\\IDE\\Bin\\dclstd.bpl=Standard Components"}));
  EXPECT_EQ(ReadValue(HKEY_CURRENT_USER, UserKey(kDelphi4, "Library"), "Search Path"), "C:\\Lib");
  EXPECT_EQ(ReadFile(HelpFile(kDelphi4, ".ohc")), ":Base delphi4.hlp\r\n");
  // The other steps of Delphi 5.0 went on; its paths stay expandable.
  EXPECT_EQ(ReadValue(HKEY_CURRENT_USER, UserKey(kDelphi5, "Library"), "Search Path"),
            "(expand) %DELPHI5%\\Lib;" + d5);
  EXPECT_EQ(ReadValue(HKEY_CURRENT_USER, UserKey(kDelphi5, "Library"), "Browsing Path"),
            "(expand) %DELPHI5%\\Lib;" + d5);
  EXPECT_EQ(ReadFile(HelpFile(kDelphi5, ".ohc")), ":Base delphi5.hlp\r\n:INCLUDE VexlorV3.toc\r\n");
  EXPECT_FALSE(Exists(installer_ + "\\Source\\cb5"));
  EXPECT_EQ(ReadValues(HKEY_CURRENT_USER, UserKey(kBuilder5, "Known Packages")).size(), 1u);

  // The user closes the other program, gets the rights and reinstalls C++Builder 5.0.
  ::CloseHandle(held);
  SetKeyReadOnly(HKEY_CURRENT_USER, UserKey(kDelphi5, "Known Packages"), false);
  InstallIde(kBuilder5, "PRO");
  view.ClickTab(0);
  PressInstall(view);
  EXPECT_EQ(view.Log().find("**"), std::string::npos) << view.Log();
  EXPECT_EQ(view.Outcome(),
            "Installation Complete !!\n"
            "Vexlor should now be installed into your development environment.\r\n"
            "\r\n"
            "Thank you for choosing Vexlor. If you have any questions, please contact us at "
            "support@vexlor.example.\r\n"
            "\r\n"
            "Thanks again!");
  EXPECT_EQ(ReadValues(HKEY_CURRENT_USER, UserKey(kDelphi4, "Known Packages")).size(), 3u);
  EXPECT_EQ(ReadValues(HKEY_CURRENT_USER, UserKey(kDelphi5, "Known Packages")).size(), 3u);
  EXPECT_EQ(ReadValue(HKEY_CURRENT_USER, UserKey(kBuilder5, "Library"), "Search Path"),
            "C:\\Lib;" + Target(kBuilder5));
}

// A contents file that cannot be replaced keeps its old text, whole; nothing
// is left beside it, the log names it and the installation ends as failed.
// Put right, Install again writes what was missing.
TEST_F(InstallerTest, ContentsFilesThatCannotBeReplacedStayAsTheyWere) {
  for (const TIde* ide : {&kDelphi5, &kBuilder5}) {
    InstallIde(*ide, "PRO");
    ShipPackages(*ide);
    StartIde(*ide, "C:\\Lib");
  }
  const std::string old5 = ":Base delphi5.hlp\r\n";
  // Delphi 5.0: one contents file is read-only, another is held open by the
  // IDE (others may read it, not delete or replace it), and an earlier
  // installer stopped mid-write left its temporary file, read-only.
  const std::string readOnly = HelpFile(kDelphi5, ".ohi");
  ::SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY);
  HANDLE held = ::CreateFileA(HelpFile(kDelphi5, ".ohc").c_str(), GENERIC_READ, FILE_SHARE_READ,
                              nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  const std::string stale = HelpFile(kDelphi5, ".ohl") + ".new";
  WriteFile(stale, "half");
  ::SetFileAttributesA(stale.c_str(), FILE_ATTRIBUTE_READONLY);
  const std::vector<std::string> before = FilesIn(IdeRoot(kDelphi5) + "\\Help");

  TFormView view = OpenForm();
  // C++Builder 5.0: its help folder vanishes after the scan.
  RemoveTree(IdeRoot(kBuilder5) + "\\Help");
  PressInstall(view);
  const std::string log = view.Log();
  for (const std::string& line :
       {"** Unable to write: " + readOnly, "** Unable to write: " + HelpFile(kDelphi5, ".ohc"),
        "** File Not Found: " + HelpFile(kBuilder5, ".ohc"),
        "** File Not Found: " + HelpFile(kBuilder5, ".ohl")}) {
    EXPECT_NE(log.find(line + "\r\n"), std::string::npos) << line << "\n" << log;
  }
  EXPECT_EQ(log.find("** Unable to write: " + HelpFile(kDelphi5, ".ohl")), std::string::npos) << log;
  EXPECT_EQ(view.Outcome().rfind("Installation Failed\n", 0), 0u) << view.Outcome();
  EXPECT_EQ(ReadFile(readOnly), old5);
  EXPECT_EQ(ReadFile(HelpFile(kDelphi5, ".ohc")), old5);
  EXPECT_EQ(ReadFile(HelpFile(kDelphi5, ".ohl")), old5 + ":LINK VexlorV3.hlp\r\n");
  // The same files as before (the help index is rebuilt), no temporary one.
  std::vector<std::string> expected = before;
  expected.erase(std::find(expected.begin(), expected.end(), "delphi5.gid"));
  EXPECT_EQ(FilesIn(IdeRoot(kDelphi5) + "\\Help"), expected);
  EXPECT_FALSE(Exists(IdeRoot(kBuilder5) + "\\Help"));

  ::CloseHandle(held);
  ::SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_NORMAL);
  MakeFolder(IdeRoot(kBuilder5) + "\\Help");
  for (const char* extension : {".ohc", ".ohi", ".ohl"}) WriteFile(HelpFile(kBuilder5, extension), "");
  view.ClickTab(0);
  PressInstall(view);
  EXPECT_EQ(view.Log().find("**"), std::string::npos) << view.Log();
  EXPECT_EQ(view.Outcome().rfind("Installation Complete !!\n", 0), 0u) << view.Outcome();
  EXPECT_EQ(ReadFile(readOnly),
            old5 + ":Index Vexlor Spelling Check and Thesaurus Suite =VexlorV3.hlp\r\n");
  EXPECT_EQ(ReadFile(HelpFile(kDelphi5, ".ohc")), old5 + ":INCLUDE VexlorV3.toc\r\n");
  EXPECT_EQ(ReadFile(HelpFile(kBuilder5, ".ohl")), ":LINK VexlorV3.hlp\r\n");
  ::SetFileAttributesA(stale.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(InstallerPathList, KeepsOtherFoldersAndEndsWithTheNewOneOnce) {
  const std::string folder = "C:\\Setup\\Source\\d4";
  const struct {
    const char* Before;
    std::string After;
  } cases[] = {
      {"", ""},
      {";;", folder},
      {"C:\\One;;C:\\Old\\Vexlor3\\Lib;C:\\Two", "C:\\One;C:\\Two;" + folder},
      {"c:\\setup\\SOURCE\\D4;C:\\A", "C:\\A;" + folder},
      {"C:\\Other\\Source\\d4;C:\\Vexlor\\Source\\d4", "C:\\Other\\Source\\d4;" + folder},
      {"C:\\x\\vexlor3;C:\\y\\VEXLOR3;C:\\z\\vexlor\\Source\\d4",
       "C:\\y\\VEXLOR3;C:\\z\\vexlor\\Source\\d4;" + folder},
  };
  for (const auto& test : cases) {
    EXPECT_EQ(UpdatePathList(test.Before, folder, "\\Source\\d4"), test.After) << test.Before;
  }
}

// The program itself, started from the installer folder it works on.
TEST_F(InstallerTest, TheProgramInstallsFromItsOwnFolder) {
  char self[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string program = self;
  program = program.substr(0, program.find_last_of('\\')) + "\\vxinst.exe";
  ASSERT_TRUE(::CopyFileA(program.c_str(), (installer_ + "\\vxinst.exe").c_str(), FALSE));
  InstallIde(kDelphi5, "PRO");
  ShipPackages(kDelphi5);
  StartIde(kDelphi5, "C:\\Lib");

  STARTUPINFOA startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process = {};
  std::string command = "\"" + installer_ + "\\vxinst.exe\"";
  ASSERT_TRUE(::CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr,
                               root_.c_str(), &startup, &process));
  HWND form = nullptr;
  for (int wait = 0; wait < 600 && !form; ++wait) {
    ::Sleep(50);
    form = FindForm(process.dwProcessId);
  }
  ASSERT_NE(form, nullptr);
  TFormView view(form);
  ::PostMessageA(view.Install, BM_CLICK, 0, 0);
  for (int wait = 0; wait < 1200 && !view.Complete(); ++wait) ::Sleep(50);
  EXPECT_TRUE(view.Complete());
  EXPECT_EQ(ReadValue(HKEY_CURRENT_USER, UserKey(kDelphi5, "Library"), "Search Path"),
            "C:\\Lib;" + Target(kDelphi5));
  EXPECT_EQ(ReadValue(HKEY_CURRENT_USER, UserKey(kDelphi5, "Known Packages"),
                      Target(kDelphi5) + "\\vexlor3_d5.bpl"),
            "Vexlor 3.2 Package");

  // Close ends the program.
  ::PostMessageA(FindChild(form, "Button", "Close"), BM_CLICK, 0, 0);
  EXPECT_EQ(::WaitForSingleObject(process.hProcess, 30000), WAIT_OBJECT_0);
  DWORD exitCode = 1;
  ::GetExitCodeProcess(process.hProcess, &exitCode);
  EXPECT_EQ(exitCode, 0u);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
}

// Not a check: pictures of the three pages for installer/screenshots.sh,
// which runs it into the folder named by VXINST_SCREENSHOTS.
TEST_F(InstallerTest, DISABLED_Screenshots) {
  const char* folder = std::getenv("VXINST_SCREENSHOTS");
  ASSERT_NE(folder, nullptr);
  InstallIde(kDelphi5, "PRO");
  InstallIde(kBuilder5, "PRO");
  ShipPackages(kDelphi5);
  ShipPackages(kBuilder5);
  StartIde(kDelphi5, "$(DELPHI)\\Lib");
  StartIde(kBuilder5, "$(BCB)\\Lib");
  TFormView view = OpenForm();
  ListView_SetItemState(view.List, 0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  const std::string base = std::string(folder) + "\\TInstallForm-";
  EXPECT_TRUE(SaveWindowPicture(view.Form, base + "intro.bmp"));
  PressInstall(view);
  EXPECT_TRUE(SaveWindowPicture(view.Form, base + "finished.bmp"));
  view.ClickTab(1);
  EXPECT_TRUE(SaveWindowPicture(view.Form, base + "install.bmp"));

  // Again, with a package file held open and one IDE's packages not writable.
  HANDLE held = ::CreateFileA((installer_ + "\\BPL\\vexlor3_d5.dcp").c_str(), GENERIC_READ, 0,
                              nullptr, OPEN_EXISTING, 0, nullptr);
  readOnlyKeys_.push_back(UserKey(kBuilder5, "Known Packages"));
  SetKeyReadOnly(HKEY_CURRENT_USER, UserKey(kBuilder5, "Known Packages"), true);
  view.ClickTab(0);
  PressInstall(view);
  EXPECT_TRUE(SaveWindowPicture(view.Form, base + "failed.bmp"));
  view.ClickTab(1);
  EXPECT_TRUE(SaveWindowPicture(view.Form, base + "install-failed.bmp"));
  ::CloseHandle(held);
}

}  // namespace
