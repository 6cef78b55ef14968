// The platform seam on Windows: files and mapping, the user and shell
// folders, version resources, message pumping, message boxes and the cursor.
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "vl3Ansi.h"
#include "vl3FileFaults.h"
#include "vl3MessageDispatch.h"
#include "vl3Platform.h"
#include "vl3PlatformRules.h"
#include "vl3Platform_win.h"

namespace Platform {
namespace {

bool Attributes(const std::string& path, WIN32_FILE_ATTRIBUTE_DATA& data) {
  return !path.empty() && ::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) != FALSE;
}

}  // namespace

// ---- Files ---------------------------------------------------------------

bool FileExists(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA d;
  return Attributes(path, d) && !(d.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool DirectoryExists(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA d;
  return Attributes(path, d) && (d.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool GetFileSize(const std::string& path, uint64_t& size) {
  WIN32_FILE_ATTRIBUTE_DATA d;
  if (!Attributes(path, d) || (d.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
  size = (static_cast<uint64_t>(d.nFileSizeHigh) << 32) | d.nFileSizeLow;
  return true;
}

uint32_t GetFileAttributes(const std::string& path) {
  if (path.empty()) return kInvalidAttributes;
  return ::GetFileAttributesA(path.c_str());
}

bool SetFileAttributes(const std::string& path, uint32_t attributes) {
  return !path.empty() && ::SetFileAttributesA(path.c_str(), attributes) != FALSE;
}

bool GetLastWriteTime(const std::string& path, int64_t& stamp) {
  WIN32_FILE_ATTRIBUTE_DATA d;
  if (!Attributes(path, d)) return false;
  stamp = static_cast<int64_t>((static_cast<uint64_t>(d.ftLastWriteTime.dwHighDateTime) << 32) |
                               d.ftLastWriteTime.dwLowDateTime);
  return true;
}

bool DeleteFile(const std::string& path) { return !path.empty() && ::DeleteFileA(path.c_str()) != FALSE; }

bool RenameFile(const std::string& from, const std::string& to) {
  return !from.empty() && !to.empty() && ::MoveFileA(from.c_str(), to.c_str()) != FALSE;
}

bool CopyFile(const std::string& from, const std::string& to, bool failIfExists) {
  return !from.empty() && !to.empty() && ::CopyFileA(from.c_str(), to.c_str(), failIfExists) != FALSE;
}

bool CreateDirectory(const std::string& path) {
  return !path.empty() && ::CreateDirectoryA(path.c_str(), nullptr) != FALSE;
}

bool RemoveDirectory(const std::string& path) {
  return !path.empty() && ::RemoveDirectoryA(path.c_str()) != FALSE;
}

std::vector<std::string> FindFiles(const std::string& pattern) {
  std::vector<std::string> names;
  if (pattern.empty()) return names;
  // The system also matches 8.3 short names ("*.vlm" finding "a.vlmx");
  // filter by the long name so both hosts answer alike.
  size_t slash = pattern.find_last_of("\\/:");
  std::string namePattern = slash == std::string::npos ? pattern : pattern.substr(slash + 1);
  WIN32_FIND_DATAA fd;
  HANDLE h = ::FindFirstFileA(pattern.c_str(), &fd);
  if (h == INVALID_HANDLE_VALUE) return names;
  do {
    if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && Rules::WildcardMatch(namePattern, fd.cFileName))
      names.push_back(fd.cFileName);
  } while (::FindNextFileA(h, &fd));
  ::FindClose(h);
  std::sort(names.begin(), names.end(),
            [](const std::string& a, const std::string& b) { return Ansi::CompareText(a, b) < 0; });
  return names;
}

bool ReadWholeFile(const std::string& path, std::string& data) {
  if (path.empty()) return false;
  // Sharing delete lets a saving program move its new file over this one
  // while we read; we keep reading the old contents.
  HANDLE h = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  data.clear();
  char buffer[65536];
  DWORD n = 0;
  bool ok = true;
  while ((ok = ::ReadFile(h, buffer, sizeof buffer, &n, nullptr) != FALSE) && n > 0)
    data.append(buffer, n);
  ::CloseHandle(h);
  return ok;
}

namespace {

DWORD ErrorCode(Testing::TFileError error) {
  switch (error) {
    case Testing::TFileError::DiskFull: return ERROR_DISK_FULL;
    case Testing::TFileError::AccessDenied: return ERROR_ACCESS_DENIED;
    case Testing::TFileError::Vanished: return ERROR_PATH_NOT_FOUND;
  }
  return ERROR_GEN_FAILURE;
}

// The system calls of a save, each of which a test may make fail.
bool Injected(Testing::TFileOperation operation) {
  Testing::TFileError error;
  if (!Testing::ShouldFail(operation, error)) return false;
  ::SetLastError(ErrorCode(error));
  return true;
}

// Creates `path` (CREATE_NEW: fails when it exists; CREATE_ALWAYS: empties
// it) and writes `data`; `flush` waits until it is on disk. `opened` tells
// whether the file could be made at all; the last error says why it failed.
bool WriteNewFile(const std::string& path, const std::string& data, DWORD disposition, bool flush,
                  bool& opened) {
  opened = false;
  if (Injected(Testing::TFileOperation::Open)) return false;
  HANDLE h = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, disposition, FILE_ATTRIBUTE_NORMAL,
                           nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  opened = true;
  DWORD written = 0, error = 0;
  Testing::TFileError fault;
  if (Testing::ShouldFail(Testing::TFileOperation::Write, fault)) {
    // A full disk takes part of the data before it refuses the rest.
    ::WriteFile(h, data.data(), static_cast<DWORD>(data.size() / 2), &written, nullptr);
    error = ErrorCode(fault);
  } else if (!::WriteFile(h, data.data(), static_cast<DWORD>(data.size()), &written, nullptr) ||
             written != data.size()) {
    error = ::GetLastError() ? ::GetLastError() : ERROR_DISK_FULL;
  } else if (flush && (Injected(Testing::TFileOperation::Flush) || !::FlushFileBuffers(h))) {
    error = ::GetLastError();
  }
  bool ok = ::CloseHandle(h) && error == 0;
  if (error) ::SetLastError(error);
  return ok;
}

// Writes `data` to a new file beside `path` under a name no other program or
// thread can be using (CREATE_NEW refuses a name already taken); false with
// `temp` empty when it failed, `created` telling whether the file could be
// made at all.
bool WriteUniqueSibling(const std::string& path, const std::string& data, std::string& temp,
                        bool& created) {
  static LONG counter = 0;
  created = false;
  for (int attempt = 0; attempt < 1000; ++attempt) {
    temp = path + ".vx" + std::to_string(::GetCurrentProcessId()) + "-" +
           std::to_string(static_cast<unsigned long>(::InterlockedIncrement(&counter))) + ".tmp";
    if (WriteNewFile(temp, data, CREATE_NEW, true, created)) return true;
    const DWORD error = ::GetLastError();
    if (!created && (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS)) continue;
    if (created) ::DeleteFileA(temp.c_str());
    ::SetLastError(error);
    break;
  }
  temp.clear();
  return false;
}

// A save killed between writing its temporary file and moving it over
// leaves that file behind; the next save of the same file removes those
// whose program has ended. Names are "<file>.vx<pid>-<n>.tmp".
void RemoveStaleSiblings(const std::string& path) {
  const size_t slash = path.find_last_of("\\/");
  const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
  const std::string prefix = (slash == std::string::npos ? path : path.substr(slash + 1)) + ".vx";
  WIN32_FIND_DATAA data;
  HANDLE find = ::FindFirstFileA((path + ".vx*.tmp").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    const std::string name = data.cFileName;
    if (name.size() <= prefix.size() || !Ansi::SameText(name.substr(0, prefix.size()), prefix)) continue;
    const char* digits = name.c_str() + prefix.size();
    char* end = nullptr;
    const unsigned long pid = std::strtoul(digits, &end, 10);
    if (end == digits || *end != '-' || pid == 0 || pid == ::GetCurrentProcessId()) continue;
    // A living program may still be saving; one we may not ask about is left alone.
    HANDLE process = ::OpenProcess(SYNCHRONIZE, FALSE, pid);
    if (process) {
      const bool ended = ::WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
      ::CloseHandle(process);
      if (!ended) continue;
    } else if (::GetLastError() != ERROR_INVALID_PARAMETER) {
      continue;
    }
    ::DeleteFileA((folder + name).c_str());
  } while (::FindNextFileA(find, &data));
  ::FindClose(find);
}

// Moving over a file fails while a program reads it without sharing delete
// (a virus scanner, an older reader); such reads are short.
bool MoveOver(const std::string& from, const std::string& to) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    if (!Injected(Testing::TFileOperation::Rename) && ::MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
      return true;
    const DWORD error = ::GetLastError();
    if (error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED && error != ERROR_LOCK_VIOLATION)
      return false;
    ::Sleep(5);
  }
  return false;
}

}  // namespace

bool WriteWholeFile(const std::string& path, const std::string& data) {
  if (path.empty() || data.size() > 0xFFFFFFFFu) return false;
  const DWORD attributes = ::GetFileAttributesA(path.c_str());
  const bool existed = attributes != INVALID_FILE_ATTRIBUTES;
  if (existed && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))) return false;
  // The new contents go to a file beside the old one, which they replace
  // only once complete: a full disk or a crash leaves the old file whole.
  std::string temp;
  bool created = false;
  if (!WriteUniqueSibling(path, data, temp, created)) {
    // Only a folder we may not create files in is written in place; any
    // other failure (a full disk) must leave the old file as it is.
    bool opened = false;
    return !created && ::GetLastError() == ERROR_ACCESS_DENIED &&
           WriteNewFile(path, data, CREATE_ALWAYS, false, opened);
  }
  if (!MoveOver(temp, path)) {
    ::DeleteFileA(temp.c_str());
    return false;
  }
  if (existed && (attributes & ~FILE_ATTRIBUTE_NORMAL) != 0)
    ::SetFileAttributesA(path.c_str(), attributes & ~FILE_ATTRIBUTE_TEMPORARY);
  RemoveStaleSiblings(path);
  return true;
}

namespace Win {

bool EditBesideAndMove(const std::string& path, const std::function<bool(const std::string&)>& edit) {
  if (path.empty()) return false;
  const DWORD attributes = ::GetFileAttributesA(path.c_str());
  const bool existed = attributes != INVALID_FILE_ATTRIBUTES;
  if (existed && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))) {
    ::SetLastError(ERROR_ACCESS_DENIED);
    return false;
  }
  std::string data;
  if (existed && !ReadWholeFile(path, data)) return false;
  std::string temp;
  bool created = false;
  if (!WriteUniqueSibling(path, data, temp, created)) return false;
  // The edited copy must be on disk before it takes the file's place.
  bool ok = edit(temp);
  if (ok) {
    ok = !Injected(Testing::TFileOperation::Open);
    HANDLE h = ok ? ::CreateFileA(temp.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr)
                  : INVALID_HANDLE_VALUE;
    ok = h != INVALID_HANDLE_VALUE;
    if (ok) {
      ok = !Injected(Testing::TFileOperation::Flush) && ::FlushFileBuffers(h) != 0;
      ::CloseHandle(h);
    }
  }
  if (!ok || !MoveOver(temp, path)) {
    const DWORD error = ::GetLastError();
    ::DeleteFileA(temp.c_str());
    ::SetLastError(error);
    return false;
  }
  if (existed && (attributes & ~FILE_ATTRIBUTE_NORMAL) != 0)
    ::SetFileAttributesA(path.c_str(), attributes & ~FILE_ATTRIBUTE_TEMPORARY);
  RemoveStaleSiblings(path);
  return true;
}

}  // namespace Win

bool TryCreateFile(const std::string& path, bool deleteOnClose) {
  if (path.empty()) return false;
  // Windows refuses to open a read-only file for writing, but Wine running
  // as root would not; ask the attribute directly so both agree.
  DWORD attributes = ::GetFileAttributesA(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) return false;
  HANDLE h;
  if (deleteOnClose) {
    // Delete-on-close would also remove a file that was already there; only
    // a file this call creates may go again.
    h = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                      FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (h == INVALID_HANDLE_VALUE && ::GetLastError() == ERROR_FILE_EXISTS)
      h = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                        nullptr);
  } else {
    h = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                      nullptr);
  }
  if (h == INVALID_HANDLE_VALUE) return false;
  ::CloseHandle(h);
  return true;
}

std::string TempDirectory() {
  char buffer[MAX_PATH + 2];
  DWORD n = ::GetTempPathA(sizeof buffer, buffer);
  if (n == 0 || n >= sizeof buffer) return "C:\\Windows\\Temp";
  std::string dir(buffer, n);
  if (dir.size() > 3 && dir.back() == '\\') dir.pop_back();
  return dir;
}

// ---- Locks between programs ----------------------------------------------

TLockResult TryLockFile(const std::string& lockPath, intptr_t& handle) {
  // Opened without sharing, so only one handle can exist; delete-on-close
  // removes the file with the last handle, also when the process dies.
  HANDLE h = ::CreateFileA(lockPath.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  if (h != INVALID_HANDLE_VALUE) {
    handle = reinterpret_cast<intptr_t>(h);
    return TLockResult::Locked;
  }
  switch (::GetLastError()) {
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_ACCESS_DENIED:  // also the holder's file while it is being deleted
      return TLockResult::Busy;
    default:
      return TLockResult::Unavailable;
  }
}

void UnlockFile(const std::string&, intptr_t handle) {
  if (handle != -1) ::CloseHandle(reinterpret_cast<HANDLE>(handle));
}

// ---- Mapping ---------------------------------------------------------------

TMappedFile::TMappedFile() = default;

TMappedFile::~TMappedFile() { Close(); }

bool TMappedFile::Open(const std::string& path) {
  Close();
  if (path.empty()) return false;
  HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  LARGE_INTEGER size;
  if (!::GetFileSizeEx(file, &size) || size.QuadPart < 0 ||
      static_cast<uint64_t>(size.QuadPart) > SIZE_MAX) {
    ::CloseHandle(file);
    return false;
  }
  if (size.QuadPart > 0) {
    // A file of size 0 cannot be mapped; it opens with nothing mapped.
    HANDLE mapping = ::CreateFileMappingA(file, nullptr, PAGE_READONLY, 0, 0, nullptr);
    if (!mapping) {
      ::CloseHandle(file);
      return false;
    }
    void* view = ::MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0);
    if (!view) {
      ::CloseHandle(mapping);
      ::CloseHandle(file);
      return false;
    }
    data_ = static_cast<const uint8_t*>(view);
    mapping_ = reinterpret_cast<intptr_t>(mapping);
  }
  size_ = static_cast<size_t>(size.QuadPart);
  file_ = reinterpret_cast<intptr_t>(file);
  open_ = true;
  return true;
}

void TMappedFile::Close() {
  if (data_) ::UnmapViewOfFile(data_);
  if (mapping_ != -1) ::CloseHandle(reinterpret_cast<HANDLE>(mapping_));
  if (file_ != -1) ::CloseHandle(reinterpret_cast<HANDLE>(file_));
  data_ = nullptr;
  size_ = 0;
  mapping_ = -1;
  file_ = -1;
  open_ = false;
}

// ---- System --------------------------------------------------------------

bool GetUserName(std::string& name) {
  char buffer[256];
  DWORD size = sizeof buffer;
  if (!::GetUserNameA(buffer, &size)) return false;
  name.assign(buffer, strnlen(buffer, sizeof buffer));
  return !name.empty();
}

bool GetSpecialFolderPath(int csidl, std::string& path) {
  // Loaded at run time: older shells lack the function, and a missing DLL
  // must not bring up the system's error box.
  using TGetPath = BOOL(WINAPI*)(HWND, LPSTR, int, BOOL);
  UINT oldMode = ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  HMODULE shell = ::LoadLibraryA("shell32.dll");
  ::SetErrorMode(oldMode);
  if (!shell) return false;
  auto getPath = reinterpret_cast<TGetPath>(
      reinterpret_cast<void*>(::GetProcAddress(shell, "SHGetSpecialFolderPathA")));
  if (!getPath)
    getPath = reinterpret_cast<TGetPath>(
        reinterpret_cast<void*>(::GetProcAddress(shell, "SHGetSpecialFolderPath")));
  char buffer[MAX_PATH + 1] = {};
  bool ok = getPath && getPath(nullptr, buffer, csidl, FALSE);
  ::FreeLibrary(shell);
  buffer[MAX_PATH] = '\0';
  if (!ok || !buffer[0]) return false;
  path = buffer;
  if (path.size() > 1 && path.back() == '\\') path.pop_back();
  return true;
}

bool ExpandEnvironmentStrings(const std::string& text, std::string& expanded) {
  // Start with 4096 bytes and grow when Windows asks for more, rather than
  // take a cut-off path for the real one.
  std::string buffer(4096, '\0');
  for (int attempt = 0; attempt < 4; ++attempt) {
    DWORD n = ::ExpandEnvironmentStringsA(text.c_str(), &buffer[0], static_cast<DWORD>(buffer.size()));
    if (n == 0) return false;
    if (n <= buffer.size()) {
      expanded.assign(buffer.c_str(), strnlen(buffer.c_str(), buffer.size()));
      return true;
    }
    buffer.assign(n + 1, '\0');
  }
  return false;
}

std::string GetEnvironmentVariable(const std::string& name) {
  if (name.empty()) return std::string();
  std::string buffer(256, '\0');
  for (int attempt = 0; attempt < 4; ++attempt) {
    DWORD n = ::GetEnvironmentVariableA(name.c_str(), &buffer[0], static_cast<DWORD>(buffer.size()));
    if (n == 0) return std::string();
    if (n < buffer.size()) return std::string(buffer.c_str(), n);
    buffer.assign(n + 1, '\0');
  }
  return std::string();
}

std::string ExecutablePath() {
  std::string buffer(MAX_PATH, '\0');
  for (int attempt = 0; attempt < 6; ++attempt) {
    DWORD n = ::GetModuleFileNameA(nullptr, &buffer[0], static_cast<DWORD>(buffer.size()));
    if (n == 0) return std::string();
    if (n < buffer.size()) return buffer.substr(0, n);
    buffer.assign(buffer.size() * 2, '\0');
  }
  return std::string();
}

bool GetFileVersion(const std::string& path, uint32_t& versionMS, uint32_t& versionLS) {
  if (path.empty()) return false;
  DWORD handle = 0;
  DWORD size = ::GetFileVersionInfoSizeA(path.c_str(), &handle);
  if (size == 0) return false;
  std::string block(size, '\0');
  if (!::GetFileVersionInfoA(path.c_str(), 0, size, &block[0])) return false;
  void* info = nullptr;
  UINT length = 0;
  if (!::VerQueryValueA(&block[0], "\\", &info, &length) || !info || length < sizeof(VS_FIXEDFILEINFO))
    return false;
  const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(info);
  if (fixed->dwSignature != 0xFEEF04BD) return false;
  versionMS = fixed->dwFileVersionMS;
  versionLS = fixed->dwFileVersionLS;
  return true;
}

uint32_t TickCount() { return ::GetTickCount(); }

// ---- Text ----------------------------------------------------------------

int CompareTextInLanguage(const std::string& a, const std::string& b, uint32_t langId) {
  // The language gives the rules; the text is in the user's ANSI code page
  // whatever the language, as everywhere in the suite.
  // https://learn.microsoft.com/windows/win32/api/winnls/nf-winnls-comparestringa
  const LCID locale = MAKELCID(static_cast<LANGID>(langId), SORT_DEFAULT);
  if (a.size() < 0x7FFFFFFF && b.size() < 0x7FFFFFFF) {
    const int order =
        ::CompareStringA(locale, NORM_IGNORECASE | LOCALE_USE_CP_ACP, a.data(),
                         static_cast<int>(a.size()), b.data(), static_cast<int>(b.size()));
    if (order != 0) return order - CSTR_EQUAL;
  }
  return Rules::CompareTextPortable(a, b, langId);
}

// ---- User interface --------------------------------------------------------

namespace {
TMessageBoxHook& MessageBoxHook() {
  static TMessageBoxHook hook;
  return hook;
}
TCursor gCursor = TCursor::Default;
TMessageDispatcher gDispatcher = nullptr;
}  // namespace

void SetMessageDispatcher(TMessageDispatcher dispatcher) { gDispatcher = dispatcher; }

bool ProcessMessages() {
  // Bounded, so that a window that keeps posting to itself cannot hold the
  // caller here for ever.
  MSG msg;
  for (int i = 0; i < 10000 && ::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
    if (msg.message == WM_QUIT) {
      // Leave it for the application's own loop.
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      return false;
    }
    if (gDispatcher != nullptr) {
      gDispatcher(&msg);
      continue;
    }
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
  return true;
}

void WaitForMessages() {
  // Also wakes for messages already seen but not yet removed.
  ::MsgWaitForMultipleObjectsEx(0, nullptr, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
}

int MessageBox(const std::string& text, const std::string& caption, uint32_t flags) {
  if (MessageBoxHook()) return MessageBoxHook()(text, caption, flags);
  return ::MessageBoxA(::GetActiveWindow(), text.c_str(), caption.c_str(), flags);
}

void SetMessageBoxHook(TMessageBoxHook hook) { MessageBoxHook() = std::move(hook); }

void SetCursor(TCursor cursor) {
  gCursor = cursor;
  // IDC_WAIT and IDC_ARROW.
  LPCSTR id = cursor == TCursor::Hourglass ? MAKEINTRESOURCEA(32514) : MAKEINTRESOURCEA(32512);
  ::SetCursor(::LoadCursorA(nullptr, id));
}

TCursor GetCursor() { return gCursor; }

void DebugOutput(const std::string& text) { ::OutputDebugStringA((text + "\n").c_str()); }

}  // namespace Platform
