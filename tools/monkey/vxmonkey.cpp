// vxmonkey: a seeded random user for the sample program. It lays vxdemo out
// in a throw-away folder under a name of its own (so its settings go to a
// registry key nobody else uses), starts it and clicks, types, opens context
// menus, answers dialogs and closes forms at random until the time is up.
// It stays inside its folder: no Help, no Browse, and every folder picker is
// cancelled.
// It fails on a crash, a window that stops answering, an exception a window
// procedure caught, or a word added through the spelling dialog's Add that
// the custom dictionary does not hold at the end.
//
//   vxmonkey [--seed N] [--seconds S] [--demo PATH\vxdemo.exe] [--keep] [--verbose]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <fstream>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "vl3CustomDictionary.h"

namespace {

const DWORD kHangMs = 5000;
const size_t kActionsKept = 20;

// ---- Files and folders ------------------------------------------------------

std::string FolderOf(const std::string& path) {
  const size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
  const size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::vector<std::string> FilesIn(const std::string& folder, const char* pattern) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA data;
  HANDLE find = ::FindFirstFileA((folder + "\\" + pattern).c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(data.cFileName);
  } while (::FindNextFileA(find, &data));
  ::FindClose(find);
  return names;
}

bool CopyFolderFiles(const std::string& from, const std::string& to) {
  ::CreateDirectoryA(to.c_str(), nullptr);
  for (const std::string& name : FilesIn(from, "*"))
    if (!::CopyFileA((from + "\\" + name).c_str(), (to + "\\" + name).c_str(), FALSE)) return false;
  return true;
}

void RemoveTree(const std::string& folder) {
  WIN32_FIND_DATAA data;
  HANDLE find = ::FindFirstFileA((folder + "\\*").c_str(), &data);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = data.cFileName;
      if (name == "." || name == "..") continue;
      const std::string path = folder + "\\" + name;
      if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(path);
      } else {
        ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        ::DeleteFileA(path.c_str());
      }
    } while (::FindNextFileA(find, &data));
    ::FindClose(find);
  }
  ::RemoveDirectoryA(folder.c_str());
}

void FindCustomDictionaries(const std::string& folder, std::vector<std::string>& found) {
  for (const std::string& name : FilesIn(folder, "*.vlu")) found.push_back(folder + "\\" + name);
  WIN32_FIND_DATAA data;
  HANDLE find = ::FindFirstFileA((folder + "\\*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    const std::string name = data.cFileName;
    if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && name != "." && name != "..")
      FindCustomDictionaries(folder + "\\" + name, found);
  } while (::FindNextFileA(find, &data));
  ::FindClose(find);
}

// ---- Windows of the program -------------------------------------------------

std::string ClassOf(HWND wnd) {
  char name[128] = {};
  ::GetClassNameA(wnd, name, sizeof name);
  return name;
}

// The caption as a user reads it: without the mnemonic ampersands.
std::string TextOf(HWND wnd) {
  char text[512] = {};
  DWORD_PTR result = 0;
  if (!::SendMessageTimeoutA(wnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                             SMTO_ABORTIFHUNG, kHangMs, &result))
    return std::string();
  std::string plain;
  for (const char* p = text; *p; ++p)
    if (*p != '&') plain += *p;
  return plain;
}

bool IsClass(HWND wnd, const char* name) { return _stricmp(ClassOf(wnd).c_str(), name) == 0; }

struct TTopWindows {
  DWORD pid;
  std::vector<HWND> windows;  // visible, topmost first
};

std::vector<HWND> VisibleTopWindows(DWORD pid) {
  TTopWindows list{pid, {}};
  ::EnumWindows(
      [](HWND wnd, LPARAM param) -> BOOL {
        auto* l = reinterpret_cast<TTopWindows*>(param);
        DWORD owner = 0;
        ::GetWindowThreadProcessId(wnd, &owner);
        if (owner == l->pid && ::IsWindowVisible(wnd)) l->windows.push_back(wnd);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&list));
  return list.windows;
}

std::vector<HWND> UsableChildren(HWND parent) {
  std::vector<HWND> children;
  ::EnumChildWindows(
      parent,
      [](HWND wnd, LPARAM param) -> BOOL {
        if (::IsWindowVisible(wnd) && ::IsWindowEnabled(wnd))
          reinterpret_cast<std::vector<HWND>*>(param)->push_back(wnd);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&children));
  return children;
}

// ---- The monkey -------------------------------------------------------------

const char* const kWords[] = {
    "the",     "quick",     "brown",    "fox",      "jumps",     "over",     "lazy",   "dog",
    "spelling", "dictionary", "thesaurus", "window", "document", "paragraph", "because", "receive",
    "separate", "necessary", "language", "computer", "keyboard", "sentence", "question", "answer",
    "beautiful", "friend",   "library",  "monkey",   "banana",    "yellow",   "garden", "morning"};

class TMonkey {
 public:
  TMonkey(uint32_t seed, int seconds) : seed_(seed), seconds_(seconds), random_(seed) {}

  int Run(const std::string& demo, bool keep);

 private:
  bool LayOut(const std::string& demo);
  bool Start();
  bool Check();  // false after a failure was reported
  void Act();
  void ActOnMain(HWND main);
  void ActOnDialog(HWND dialog);
  void ActOnMenu();
  void ClickControl(HWND top, bool mainWindow);
  void Click(HWND control);
  void PressKey(WORD key);
  void TypeWord();
  void RightClickLiveEdit(HWND main);
  void NoteButton(HWND top, HWND button);
  bool SpellingDialog(HWND top, std::string* notFound = nullptr);
  bool CloseDemo();
  bool CheckAddedWords();
  void CleanUp(bool keepFolder);
  int Fail(const std::string& why);

  void Log(const std::string& action) {
    if (verbose_) std::printf("  %s\n", action.c_str());
    actions_.push_back(action);
    if (actions_.size() > kActionsKept) actions_.pop_front();
  }
  int Random(int below) { return static_cast<int>(random_() % static_cast<uint32_t>(below)); }
  HWND FocusOfProgram() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!::GetGUIThreadInfo(thread_, &info)) return nullptr;
    return info.hwndFocus;
  }

  uint32_t seed_;
  int seconds_;
  std::mt19937 random_;
  std::deque<std::string> actions_;
  std::string work_, exe_, appName_, caughtLog_;
  PROCESS_INFORMATION process_{};
  DWORD thread_ = 0;
  HWND main_ = nullptr;
  long long actionCount_ = 0;
  // Words the spelling dialog's Add was pressed for; undone ones leave.
  std::multiset<std::string> added_;
  // What the open spelling dialog did, for its Undo: the word for an Add,
  // an empty string for anything else.
  std::vector<std::string> dialogSteps_;
  bool failed_ = false;

 public:
  bool verbose_ = false;
};

int TMonkey::Fail(const std::string& why) {
  failed_ = true;
  std::printf("vxmonkey: FAILED with seed %u: %s\n", seed_, why.c_str());
  std::printf("vxmonkey: the last %u actions:\n", static_cast<unsigned>(actions_.size()));
  for (const std::string& a : actions_) std::printf("  %s\n", a.c_str());
  std::fflush(stdout);
  return 1;
}

bool TMonkey::LayOut(const std::string& demo) {
  char temp[MAX_PATH] = {};
  ::GetTempPathA(sizeof temp, temp);
  std::string base = temp;
  if (!base.empty() && (base.back() == '\\' || base.back() == '/')) base.pop_back();
  work_ = base + "\\vxmonkey-" + std::to_string(::GetCurrentProcessId());
  RemoveTree(work_);
  ::CreateDirectoryA(work_.c_str(), nullptr);
  ::CreateDirectoryA((work_ + "\\Samples").c_str(), nullptr);
  const std::string from = FolderOf(demo);
  const std::string to = work_ + "\\Samples\\vxdemo";
  if (!CopyFolderFiles(from, to)) return false;
  if (!CopyFolderFiles(from + "\\..\\..\\Dictionaries", work_ + "\\Dictionaries")) return false;
  // A name of its own: the program keeps its settings under its name.
  appName_ = "vxdemo-monkey-" + std::to_string(::GetCurrentProcessId());
  exe_ = to + "\\" + appName_ + ".exe";
  ::DeleteFileA((to + "\\" + NameOf(demo)).c_str());
  if (!::CopyFileA(demo.c_str(), exe_.c_str(), FALSE)) return false;
  caughtLog_ = work_ + "\\caught.log";
  // Under an X server without a window manager Wine waits for the manager
  // each time a managed window hides; the demo's windows need none.
  HKEY key = nullptr;
  const std::string wine = "Software\\Wine\\AppDefaults\\" + appName_ + ".exe\\X11 Driver";
  if (::RegCreateKeyExA(HKEY_CURRENT_USER, wine.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                        nullptr) == ERROR_SUCCESS) {
    ::RegSetValueExA(key, "Managed", 0, REG_SZ, reinterpret_cast<const BYTE*>("N"), 2);
    ::RegCloseKey(key);
  }
  return true;
}

bool TMonkey::Start() {
  ::SetEnvironmentVariableA("VXDEMO_CAUGHT_LOG", caughtLog_.c_str());
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  std::string command = "\"" + exe_ + "\"";
  if (!::CreateProcessA(exe_.c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr,
                        FolderOf(exe_).c_str(), &startup, &process_))
    return false;
  thread_ = process_.dwThreadId;
  ::WaitForInputIdle(process_.hProcess, 20000);
  for (int i = 0; i < 200 && !main_; ++i) {
    for (HWND wnd : VisibleTopWindows(process_.dwProcessId))
      if (::GetWindowThreadProcessId(wnd, nullptr) == thread_ && !IsClass(wnd, "#32768")) main_ = wnd;
    if (!main_) ::Sleep(100);
  }
  return main_ != nullptr;
}

bool TMonkey::Check() {
  DWORD code = 0;
  if (::WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0) {
    ::GetExitCodeProcess(process_.hProcess, &code);
    char text[64];
    std::snprintf(text, sizeof text, "vxdemo ended by itself (exit code 0x%08lX)", code);
    Fail(text);
    return false;
  }
  for (HWND wnd : VisibleTopWindows(process_.dwProcessId)) {
    DWORD_PTR result = 0;
    if (!::SendMessageTimeoutA(wnd, WM_NULL, 0, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK, kHangMs, &result)) {
      if (!::IsWindow(wnd)) continue;
      Fail("the window \"" + TextOf(wnd) + "\" (" + ClassOf(wnd) + ") did not answer in 5 s");
      return false;
    }
  }
  std::ifstream log(caughtLog_);
  std::string line;
  if (std::getline(log, line)) {
    Fail("a window procedure caught an exception: " + line);
    return false;
  }
  return true;
}

void TMonkey::Click(HWND control) {
  RECT r{};
  ::GetClientRect(control, &r);
  int x = (r.right - r.left) / 2, y = (r.bottom - r.top) / 2;
  const std::string cls = ClassOf(control);
  if (_stricmp(cls.c_str(), "SysTabControl32") == 0) {
    // The tab strip along the top.
    x = 4 + Random(std::max(1, std::min<int>(r.right - 8, 420)));
    y = 4 + Random(14);
  } else if (_stricmp(cls.c_str(), "Button") != 0 && r.right > 4 && r.bottom > 4) {
    x = 2 + Random(r.right - 4);
    y = 2 + Random(r.bottom - 4);
  }
  const LPARAM at = MAKELPARAM(x, y);
  ::PostMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, at);
  ::PostMessageA(control, WM_LBUTTONUP, 0, at);
  Log("click " + cls + " \"" + TextOf(control) + "\" at " + std::to_string(x) + "," + std::to_string(y));
}

// The spelling dialog: a read-only box with the word not found beside an
// Add button. Its Undo takes back the step before.
bool TMonkey::SpellingDialog(HWND top, std::string* notFound) {
  for (HWND child : UsableChildren(top))
    if (IsClass(child, "Edit") && (::GetWindowLongA(child, GWL_STYLE) & ES_READONLY)) {
      if (notFound) *notFound = TextOf(child);
      return true;
    }
  return false;
}

void TMonkey::NoteButton(HWND top, HWND button) {
  const std::string caption = TextOf(button);
  std::string notFound;
  if (!SpellingDialog(top, &notFound)) return;
  static const char* const steps[] = {"Ignore", "Ignore All", "Change", "Change All", "Auto-Correct"};
  if (caption == "Add") {
    if (notFound.empty()) return;
    added_.insert(notFound);
    dialogSteps_.push_back(notFound);
    Log("  (adds \"" + notFound + "\")");
  } else if (caption == "Undo") {
    if (dialogSteps_.empty()) return;
    const std::string word = dialogSteps_.back();
    dialogSteps_.pop_back();
    if (!word.empty()) {
      auto it = added_.find(word);
      if (it != added_.end()) added_.erase(it);
      Log("  (takes back \"" + word + "\")");
    }
  } else {
    for (const char* s : steps)
      if (caption == s) dialogSteps_.push_back(std::string());
  }
}

void TMonkey::ClickControl(HWND top, bool mainWindow) {
  std::vector<HWND> candidates;
  for (HWND child : UsableChildren(top)) {
    const std::string caption = TextOf(child);
    // Not for a random user: help opens another program, browsing wanders
    // the user's disk, and removing words makes the final check meaningless.
    if (IsClass(child, "Button")) {
      if (caption.find("Help") != std::string::npos || caption.find("Browse") != std::string::npos ||
          caption.find("Delete") != std::string::npos || caption.find("Remove") != std::string::npos ||
          caption.find("Clear") != std::string::npos || caption.find("...") != std::string::npos)
        continue;
    }
    if (IsClass(child, "Static")) continue;
    candidates.push_back(child);
  }
  if (candidates.empty()) return;
  HWND target = candidates[Random(static_cast<int>(candidates.size()))];
  // The main window's page tabs are what a user clicks most.
  if (mainWindow && Random(4) == 0)
    for (HWND c : candidates)
      if (IsClass(c, "SysTabControl32")) {
        target = c;
        if (Random(2)) break;
      }
  if (IsClass(target, "Button")) NoteButton(top, target);
  Click(target);
}

void TMonkey::PressKey(WORD key) {
  HWND focus = FocusOfProgram();
  if (!focus) return;
  // A key that presses a button of the spelling dialog is one of its steps
  // too; Enter elsewhere would press its default button unnoticed.
  if (key == VK_RETURN || key == VK_SPACE) {
    HWND top = ::GetAncestor(focus, GA_ROOT);
    if (IsClass(focus, "Button")) NoteButton(top, focus);
    else if (key == VK_RETURN && top != main_ && SpellingDialog(top)) key = VK_TAB;
  }
  const UINT scan = ::MapVirtualKeyA(key, 0);
  ::PostMessageA(focus, WM_KEYDOWN, key, 1 | (scan << 16));
  ::PostMessageA(focus, WM_KEYUP, key, 1 | (scan << 16) | (3u << 30));
  char name[64] = {};
  ::GetKeyNameTextA(static_cast<LONG>(scan << 16), name, sizeof name);
  Log("key " + std::string(name[0] ? name : "?") + " to " + ClassOf(focus));
}

void TMonkey::TypeWord() {
  HWND focus = FocusOfProgram();
  if (!focus) return;
  const std::string cls = ClassOf(focus);
  // Letters reach only boxes that take text: elsewhere they are mnemonics.
  if (_stricmp(cls.c_str(), "Edit") != 0 && _stricmp(cls.c_str(), "RichEdit20A") != 0 &&
      _stricmp(cls.c_str(), "TVexlorRichEdit") != 0 && _stricmp(cls.c_str(), "ComboBox") != 0)
    return;
  std::string word = kWords[Random(static_cast<int>(sizeof kWords / sizeof kWords[0]))];
  if (Random(3) == 0 && word.size() > 2) {  // misspelt
    const size_t at = 1 + Random(static_cast<int>(word.size()) - 1);
    switch (Random(3)) {
      case 0: word.erase(at, 1); break;
      case 1: word.insert(at, 1, static_cast<char>('a' + Random(26))); break;
      default: std::swap(word[at - 1], word[at]); break;
    }
  }
  if (Random(5) == 0) word[0] = static_cast<char>(word[0] - 'a' + 'A');
  word += ' ';
  for (char ch : word) ::PostMessageA(focus, WM_CHAR, static_cast<unsigned char>(ch), 1);
  Log("type \"" + word + "\" into " + cls);
}

void TMonkey::RightClickLiveEdit(HWND main) {
  std::vector<HWND> edits;
  for (HWND child : UsableChildren(main))
    if (IsClass(child, "TVexlorRichEdit")) edits.push_back(child);
  if (edits.empty()) {
    ClickControl(main, true);
    return;
  }
  HWND edit = edits[Random(static_cast<int>(edits.size()))];
  RECT r{};
  ::GetClientRect(edit, &r);
  if (r.right < 8 || r.bottom < 8) return;
  // The text starts at the top left: most right-clicks there land on a word.
  const int x = 2 + Random(std::min<int>(r.right - 4, 300));
  const int y = 2 + Random(std::min<int>(r.bottom - 4, 80));
  const LPARAM at = MAKELPARAM(x, y);
  ::PostMessageA(edit, WM_RBUTTONDOWN, MK_RBUTTON, at);
  ::PostMessageA(edit, WM_RBUTTONUP, 0, at);
  Log("right-click TVexlorRichEdit at " + std::to_string(x) + "," + std::to_string(y));
}

void TMonkey::ActOnMenu() {
  // The menu's own loop reads the keys queued for its thread.
  HWND to = main_;
  if (Random(6) == 0) {
    ::PostMessageA(to, WM_KEYDOWN, VK_ESCAPE, 1);
    Log("menu: Escape");
    return;
  }
  const int downs = 1 + Random(6);
  for (int i = 0; i < downs; ++i) ::PostMessageA(to, WM_KEYDOWN, VK_DOWN, 1);
  ::PostMessageA(to, WM_KEYDOWN, VK_RETURN, 1);
  Log("menu: Down x" + std::to_string(downs) + ", Enter");
}

void TMonkey::ActOnMain(HWND main) {
  static const WORD keys[] = {VK_TAB, VK_RETURN, VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_HOME, VK_END,
                              VK_SPACE, VK_BACK, VK_DELETE, VK_ESCAPE};
  const int roll = Random(100);
  if (roll < 40) ClickControl(main, true);
  else if (roll < 55) PressKey(keys[Random(sizeof keys / sizeof keys[0])]);
  else if (roll < 72) TypeWord();
  else RightClickLiveEdit(main);
}

void TMonkey::ActOnDialog(HWND dialog) {
  static const WORD keys[] = {VK_TAB, VK_RETURN, VK_ESCAPE, VK_UP, VK_DOWN, VK_LEFT, VK_RIGHT, VK_SPACE};
  const int roll = Random(100);
  if (roll < 60) {
    ClickControl(dialog, false);
  } else if (roll < 75) {
    PressKey(keys[Random(sizeof keys / sizeof keys[0])]);
  } else if (roll < 90) {
    TypeWord();
  } else {
    ::PostMessageA(dialog, WM_CLOSE, 0, 0);
    Log("close \"" + TextOf(dialog) + "\"");
  }
}

void TMonkey::Act() {
  const std::vector<HWND> windows = VisibleTopWindows(process_.dwProcessId);
  for (HWND wnd : windows)
    if (IsClass(wnd, "#32768")) {
      ActOnMenu();
      return;
    }
  // The topmost usable window: a modal dialog disables those beneath it.
  HWND target = nullptr;
  for (HWND wnd : windows)
    if (::IsWindowEnabled(wnd) && !IsClass(wnd, "tooltips_class32")) {
      target = wnd;
      break;
    }
  if (!target) return;
  // A spelling dialog that went away has nothing left to undo.
  bool spellingOpen = false;
  for (HWND wnd : windows) spellingOpen = spellingOpen || SpellingDialog(wnd);
  if (!spellingOpen) dialogSteps_.clear();
  // A folder picker (the main dictionaries' locate row opens one) would add
  // a folder of the user's disk to the dictionary folders; a custom
  // dictionary found there could become the active one, and the words added
  // later would go to a file outside the throw-away folder. It is cancelled.
  for (HWND child : UsableChildren(target))
    if (IsClass(child, "SysTreeView32")) {
      ::PostMessageA(target, WM_CLOSE, 0, 0);
      Log("cancel the folder picker \"" + TextOf(target) + "\"");
      return;
    }
  if (IsClass(target, "ComboLBox")) {
    // An open drop-down list: pick an item or let it close.
    if (Random(4) == 0) PressKey(VK_ESCAPE);
    else Click(target);
    return;
  }
  if (target == main_) ActOnMain(target);
  else ActOnDialog(target);
}

bool TMonkey::CloseDemo() {
  const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  // Again every second: a close that arrives while a check starts is not
  // the last a user would try.
  auto nextClose = std::chrono::steady_clock::now();
  while (std::chrono::steady_clock::now() < until) {
    if (::WaitForSingleObject(process_.hProcess, 200) == WAIT_OBJECT_0) return true;
    const std::vector<HWND> windows = VisibleTopWindows(process_.dwProcessId);
    bool others = false;
    for (HWND wnd : windows) {
      if (wnd == main_) continue;
      others = true;
      if (IsClass(wnd, "#32768")) ::PostMessageA(main_, WM_KEYDOWN, VK_ESCAPE, 1);
      else if (::IsWindowEnabled(wnd)) ::PostMessageA(wnd, WM_CLOSE, 0, 0);
    }
    if (!others && std::chrono::steady_clock::now() >= nextClose) {
      ::PostMessageA(main_, WM_CLOSE, 0, 0);
      Log("close the main window");
      nextClose = std::chrono::steady_clock::now() + std::chrono::seconds(1);
    }
  }
  return false;
}

bool TMonkey::CheckAddedWords() {
  std::vector<std::string> files;
  FindCustomDictionaries(work_, files);
  if (added_.empty()) {
    std::printf("vxmonkey: no word was added through Add\n");
    return true;
  }
  std::vector<std::unique_ptr<TCustomDictionary>> dictionaries;
  for (const std::string& file : files) {
    auto d = std::make_unique<TCustomDictionary>();
    d->SetFilename(file);
    d->SetActive(true);
    dictionaries.push_back(std::move(d));
  }
  std::vector<std::string> missing;
  for (const std::string& word : std::set<std::string>(added_.begin(), added_.end())) {
    bool found = false;
    for (auto& d : dictionaries) found = found || d->HasIgnore(word);
    if (!found) missing.push_back(word);
  }
  for (auto& d : dictionaries) d->SetPendingChanges(false);
  std::printf("vxmonkey: %u word(s) added through Add, %u custom dictionar%s\n",
              static_cast<unsigned>(std::set<std::string>(added_.begin(), added_.end()).size()),
              static_cast<unsigned>(files.size()), files.size() == 1 ? "y" : "ies");
  if (missing.empty()) return true;
  std::string list;
  for (const std::string& w : missing) list += (list.empty() ? "" : ", ") + w;
  Fail("the custom dictionary lacks words added through Add: " + list);
  return false;
}

void TMonkey::CleanUp(bool keepFolder) {
  if (process_.hProcess) {
    if (::WaitForSingleObject(process_.hProcess, 0) != WAIT_OBJECT_0) {
      ::TerminateProcess(process_.hProcess, 99);
      ::WaitForSingleObject(process_.hProcess, 5000);
    }
    ::CloseHandle(process_.hProcess);
    ::CloseHandle(process_.hThread);
    process_ = PROCESS_INFORMATION{};
  }
  if (!appName_.empty()) {
    ::RegDeleteTreeA(HKEY_CURRENT_USER, ("Software\\Torvane Software\\" + appName_).c_str());
    ::RegDeleteTreeA(HKEY_CURRENT_USER, ("Software\\Wine\\AppDefaults\\" + appName_ + ".exe").c_str());
  }
  if (keepFolder) std::printf("vxmonkey: its folder is kept: %s\n", work_.c_str());
  else if (!work_.empty()) RemoveTree(work_);
}

int TMonkey::Run(const std::string& demo, bool keep) {
  std::printf("vxmonkey: seed %u, %d s\n", seed_, seconds_);
  std::fflush(stdout);
  if (!LayOut(demo)) {
    std::printf("vxmonkey: cannot lay out %s in %s\n", demo.c_str(), work_.c_str());
    CleanUp(false);
    return 2;
  }
  if (!Start()) {
    Fail("vxdemo did not start or show its window");
    CleanUp(true);
    return 1;
  }
  const auto start = std::chrono::steady_clock::now();
  const auto until = start + std::chrono::seconds(seconds_);
  while (std::chrono::steady_clock::now() < until) {
    if (!Check()) break;
    Act();
    ++actionCount_;
    ::Sleep(20 + Random(40));
  }
  const double elapsed =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (!failed_ && Check()) {
    DWORD code = 0;
    if (!CloseDemo())
      Fail(std::string("vxdemo did not end within 30 s of being closed (its main window is ") +
           (::IsWindowVisible(main_) ? "shown" : "hidden") + ", " +
           (::IsWindowEnabled(main_) ? "enabled" : "disabled") + ")");
    else if (::GetExitCodeProcess(process_.hProcess, &code) && code != 0)
      Fail("vxdemo ended with exit code " + std::to_string(code) + " when closed");
    else CheckAddedWords();
  }
  std::printf("vxmonkey: %lld actions in %.0f s, %.1f actions per second\n", actionCount_, elapsed,
              elapsed > 0 ? actionCount_ / elapsed : 0.0);
  CleanUp(keep || failed_);
  if (failed_) {
    std::printf("vxmonkey: replay with --seed %u\n", seed_);
    return 1;
  }
  std::printf("vxmonkey: passed\n");
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  // The test programs that type into windows take turns on the shared display
  // through this mutex (tests/win32/vl3DesktopLock_win.h); so does the monkey,
  // whose keys and clicks would otherwise land in their windows. Abandoned
  // counts as acquired.
  HANDLE desktop = ::CreateMutexA(nullptr, FALSE, "VxTestDesktopFocus");
  if (desktop) ::WaitForSingleObject(desktop, 10 * 60 * 1000);
  uint32_t seed = static_cast<uint32_t>(::GetTickCount());
  int seconds = 60;
  bool keep = false, verbose = false;
  char self[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, self, sizeof self);
  std::string demo = FolderOf(self) + "\\..\\Vexlor\\Samples\\vxdemo\\vxdemo.exe";
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--seed" && i + 1 < argc) seed = static_cast<uint32_t>(std::strtoul(argv[++i], nullptr, 10));
    else if (a == "--seconds" && i + 1 < argc) seconds = std::atoi(argv[++i]);
    else if (a == "--demo" && i + 1 < argc) demo = argv[++i];
    else if (a == "--keep") keep = true;
    else if (a == "--verbose") verbose = true;
    else {
      std::fprintf(stderr, "usage: vxmonkey [--seed N] [--seconds S] [--demo PATH] [--keep] [--verbose]\n");
      return 2;
    }
  }
  if (seconds < 1) seconds = 1;
  TMonkey monkey(seed, seconds);
  monkey.verbose_ = verbose;
  return monkey.Run(demo, keep);
}
