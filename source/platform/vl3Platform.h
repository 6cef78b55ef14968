// The seam between the portable core and the operating system: files and
// mapping, registry, INI files, user and folders, message pumping and boxes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// <windows.h> maps several of these names to their A/W forms with macros;
// the seam keeps the plain names. Include <windows.h> before this header.
#ifdef _WIN32
#undef GetFileAttributes
#undef SetFileAttributes
#undef DeleteFile
#undef CopyFile
#undef CreateDirectory
#undef RemoveDirectory
#undef RegCreateKey
#undef RegDeleteValue
#undef RegDeleteKey
#undef GetUserName
#undef ExpandEnvironmentStrings
#undef GetEnvironmentVariable
#undef MessageBox
#endif

// Paths use Windows conventions throughout the core ("C:\dir\file.vlu");
// the portable implementation maps '\' to '/' when it calls the system.
namespace Platform {

constexpr char kPathDelimiter = '\\';

// ---- Files ---------------------------------------------------------------

// Attribute bits with their Windows values.
constexpr uint32_t kAttrReadOnly = 0x01;
constexpr uint32_t kAttrHidden = 0x02;
constexpr uint32_t kAttrDirectory = 0x10;
constexpr uint32_t kAttrNormal = 0x80;
constexpr uint32_t kInvalidAttributes = 0xFFFFFFFF;

bool FileExists(const std::string& path);       // an existing file, not a folder
bool DirectoryExists(const std::string& path);
bool GetFileSize(const std::string& path, uint64_t& size);
uint32_t GetFileAttributes(const std::string& path);  // kInvalidAttributes when missing
bool SetFileAttributes(const std::string& path, uint32_t attributes);
// Last-write stamp in 100 ns units (only compared for equality and order).
bool GetLastWriteTime(const std::string& path, int64_t& stamp);
bool DeleteFile(const std::string& path);  // a read-only file stays
bool RenameFile(const std::string& from, const std::string& to);  // fails when `to` exists
bool CopyFile(const std::string& from, const std::string& to, bool failIfExists);
bool CreateDirectory(const std::string& path);                   // one level
bool RemoveDirectory(const std::string& path);                   // empty folder
// Names (no folder part) of the files matching a pattern such as
// "C:\dicts\*.vlm"; '*' and '?' as in Windows, case-insensitive, matched
// against long names only. Folders are left out; sorted without case.
std::vector<std::string> FindFiles(const std::string& pattern);
// Whole-file reads and writes. WriteWholeFile replaces the file's contents.
bool ReadWholeFile(const std::string& path, std::string& data);
bool WriteWholeFile(const std::string& path, const std::string& data);
// Opens for writing without sharing, creating the file when missing; the
// handle is closed at once. With deleteOnClose a new file disappears again;
// a file that already existed is never deleted. Read-only files fail.
bool TryCreateFile(const std::string& path, bool deleteOnClose);
std::string TempDirectory();  // without a trailing delimiter

// ---- Locks between programs ----------------------------------------------

enum class TLockResult {
  Locked,       // held until Release (or the end of the process, however it ends)
  Busy,         // another holder kept it for the whole wait
  Unavailable,  // no lock can be made beside the file (missing or closed folder)
};

// An exclusive lock on a file's name, shared by every program that uses the
// same path: the system holds it on a companion file (path + kLockSuffix)
// that exists only while the lock is held, and drops it when its process
// dies, so no stale lock outlives a crash. Acquire on a path this thread
// already holds nests and succeeds at once; the lock goes with the
// outermost Release.
class TFileLock {
 public:
  static constexpr const char* kLockSuffix = ".lock";

  TFileLock() = default;
  ~TFileLock() { Release(); }
  TFileLock(const TFileLock&) = delete;
  TFileLock& operator=(const TFileLock&) = delete;

  TLockResult Acquire(const std::string& path, uint32_t waitMs);
  void Release();
  bool Held() const { return !lockPath_.empty(); }

 private:
  std::string lockPath_;  // empty while not held
};

// One attempt, without waiting, of the system side of TFileLock.
TLockResult TryLockFile(const std::string& lockPath, intptr_t& handle);
void UnlockFile(const std::string& lockPath, intptr_t handle);

// A read-only mapping of a whole file. Data() is null when nothing is mapped
// (also for an empty file, which opens with Size() 0); Size() is the file's
// size in bytes. The file stays open, and readable by others, until Close.
class TMappedFile {
 public:
  TMappedFile();
  ~TMappedFile();
  TMappedFile(const TMappedFile&) = delete;
  TMappedFile& operator=(const TMappedFile&) = delete;

  bool Open(const std::string& path);
  void Close();
  bool IsOpen() const { return open_; }
  const uint8_t* Data() const { return data_; }
  size_t Size() const { return size_; }

 private:
  const uint8_t* data_ = nullptr;
  size_t size_ = 0;
  bool open_ = false;
  intptr_t file_ = -1;     // OS handle of the file
  intptr_t mapping_ = -1;  // OS handle of the mapping (Windows only)
};

// ---- Registry --------------------------------------------------------------

enum class TRegistryRoot { CurrentUser, LocalMachine };

// Key paths use '\' ("Software\Maker\App"). The portable implementation keeps
// the values in a file: $VX_REGISTRY_FILE, or ~/.vexlor/registry.ini.
bool RegKeyExists(TRegistryRoot root, const std::string& key);
bool RegCreateKey(TRegistryRoot root, const std::string& key);  // and parents
bool RegReadString(TRegistryRoot root, const std::string& key, const std::string& name,
                   std::string& value);
bool RegWriteString(TRegistryRoot root, const std::string& key, const std::string& name,
                    const std::string& value);  // creates the key when missing
bool RegValueNames(TRegistryRoot root, const std::string& key, std::vector<std::string>& names);
bool RegSubKeyNames(TRegistryRoot root, const std::string& key, std::vector<std::string>& names);
bool RegDeleteValue(TRegistryRoot root, const std::string& key, const std::string& name);
bool RegDeleteKey(TRegistryRoot root, const std::string& key);  // with its subkeys; never ""

// ---- INI files -----------------------------------------------------------
// The semantics of GetPrivateProfileString / WritePrivateProfileString:
// section and key names are case-insensitive, a missing file, section or key
// gives the default, values are trimmed of surrounding blanks and lose one
// pair of enclosing quotes, a write creates the file and section as needed.
// Writes refuse entries that would not read back: line breaks anywhere, an
// empty section or key, ']' in a section, '=' in a key or a key starting
// with '[' or ';'. Relative file names are relative to the current folder.

std::string IniReadString(const std::string& file, const std::string& section,
                          const std::string& key, const std::string& defaultValue);
bool IniWriteString(const std::string& file, const std::string& section, const std::string& key,
                    const std::string& value);
bool IniDeleteKey(const std::string& file, const std::string& section, const std::string& key);
bool IniDeleteSection(const std::string& file, const std::string& section);
std::vector<std::string> IniReadKeys(const std::string& file, const std::string& section);
std::vector<std::string> IniReadSections(const std::string& file);

// ---- System --------------------------------------------------------------

bool GetUserName(std::string& name);  // the logged-on user; false when unknown
// The shell's folder for a CSIDL value (26 application data, 5 documents),
// without a trailing delimiter; false when unavailable.
bool GetSpecialFolderPath(int csidl, std::string& path);
// %NAME% environment expansion (unknown names stay as they are), never cut
// short; false when the system reports a failure.
bool ExpandEnvironmentStrings(const std::string& text, std::string& expanded);
std::string GetEnvironmentVariable(const std::string& name);
std::string ExecutablePath();  // full path of the running program
bool GetFileVersion(const std::string& path, uint32_t& versionMS, uint32_t& versionLS);
uint32_t TickCount();  // milliseconds, wraps around

// ---- Text ----------------------------------------------------------------

// Compares two words without case in the order of a language (a Windows
// language identifier): <0, 0, >0. Windows collates the user's ANSI text
// with the language's own rules; elsewhere Rules::CompareTextPortable.
int CompareTextInLanguage(const std::string& a, const std::string& b, uint32_t langId);

// ---- User interface --------------------------------------------------------

// Pumps pending window messages (nothing natively); false when the program
// is quitting (the quit is left queued for its own loop).
bool ProcessMessages();
// Waits until a window message is queued (returns at once natively).
void WaitForMessages();

// Message box buttons, icons and results with their Windows values.
constexpr uint32_t kMbOk = 0x0;
constexpr uint32_t kMbYesNo = 0x4;
constexpr uint32_t kMbYesNoCancel = 0x3;
constexpr uint32_t kMbIconQuestion = 0x20;
constexpr uint32_t kMbIconInformation = 0x40;
constexpr uint32_t kMbIconWarning = 0x30;
constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;
constexpr int kIdYes = 6;
constexpr int kIdNo = 7;

// Shows a message box (natively: answers kIdOk or kIdYes without showing
// anything). A hook, when set, answers instead on every platform; tests and
// hosts that run unattended use it.
using TMessageBoxHook = std::function<int(const std::string& text, const std::string& caption,
                                          uint32_t flags)>;
int MessageBox(const std::string& text, const std::string& caption, uint32_t flags);
void SetMessageBoxHook(TMessageBoxHook hook);

// The application-wide cursor: the hourglass during long work.
enum class TCursor { Default, Hourglass };
void SetCursor(TCursor cursor);
TCursor GetCursor();

// One line for a developer watching the program: the system debugger's
// output on Windows, standard error elsewhere.
void DebugOutput(const std::string& text);

}  // namespace Platform
