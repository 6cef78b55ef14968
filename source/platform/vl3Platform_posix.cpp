// The platform seam on POSIX hosts (native builds, tests, Linux tools): files,
// mapping, the user and folders, and quiet stand-ins for the user interface.
#include "vl3Platform.h"

#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "vl3Ansi.h"
#include "vl3FileFaults.h"
#include "vl3MessageDispatch.h"
#include "vl3PlatformRules.h"
#include "vl3Platform_posix.h"

extern char** environ;

namespace Platform {

namespace {

int ErrorNumber(Testing::TFileError error) {
  switch (error) {
    case Testing::TFileError::DiskFull: return ENOSPC;
    case Testing::TFileError::AccessDenied: return EACCES;
    case Testing::TFileError::Vanished: return ENOENT;
  }
  return EIO;
}

// The system calls of a save, each of which a test may make fail.
bool Injected(Testing::TFileOperation operation) {
  Testing::TFileError error;
  if (!Testing::ShouldFail(operation, error)) return false;
  errno = ErrorNumber(error);
  return true;
}

int OpenForWrite(const char* path, int flags, mode_t mode) {
  if (Injected(Testing::TFileOperation::Open)) return -1;
  return ::open(path, flags, mode);
}

bool Sync(int fd) { return !Injected(Testing::TFileOperation::Flush) && ::fsync(fd) == 0; }

bool WriteAll(int fd, const std::string& data) {
  size_t done = 0;
  Testing::TFileError fault;
  if (Testing::ShouldFail(Testing::TFileOperation::Write, fault)) {
    // A full disk takes part of the data before it refuses the rest.
    size_t part = data.size() / 2;
    while (done < part) {
      ssize_t n = ::write(fd, data.data() + done, part - done);
      if (n <= 0) break;
      done += static_cast<size_t>(n);
    }
    errno = ErrorNumber(fault);
    return false;
  }
  while (done < data.size()) {
    ssize_t n = ::write(fd, data.data() + done, data.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

}  // namespace

namespace Posix {

std::string HostPath(const std::string& path) {
  std::string p(path);
  std::replace(p.begin(), p.end(), '\\', '/');
  return p;
}

std::string CorePath(const std::string& path) {
  std::string p(path);
  std::replace(p.begin(), p.end(), '/', '\\');
  return p;
}

std::string HomeDirectory() {
  const char* home = std::getenv("HOME");
  if (home && *home) return home;
  if (const passwd* pw = getpwuid(geteuid())) {
    if (pw->pw_dir && *pw->pw_dir) return pw->pw_dir;
  }
  return "/";
}

// Creates a new file beside `hostPath` under a name no other program or
// thread can be using; its descriptor (or -1), with the name in `temp`.
static int CreateUniqueSibling(const std::string& hostPath, unsigned mode, std::string& temp) {
  static std::atomic<unsigned> counter{0};
  // O_EXCL makes the name ours alone, whatever other programs or threads
  // pick at the same moment.
  for (int attempt = 0; attempt < 1000; ++attempt) {
    temp = hostPath + ".vx" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".tmp";
    int fd = OpenForWrite(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, static_cast<mode_t>(mode));
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// Best effort: some file systems cannot sync a folder, and the rename is done.
static void SyncFolderOf(const std::string& hostPath) {
  size_t slash = hostPath.rfind('/');
  std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : hostPath.substr(0, slash);
  int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  Sync(fd);
  ::close(fd);
}

// A save killed between writing its temporary file and moving it over
// leaves that file behind; the next save of the same file removes those
// whose program has ended. Names are "<file>.vx<pid>-<n>.tmp".
static void RemoveStaleSiblings(const std::string& hostPath) {
  const size_t slash = hostPath.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : hostPath.substr(0, slash);
  const std::string prefix = (slash == std::string::npos ? hostPath : hostPath.substr(slash + 1)) + ".vx";
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) return;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string name = entry->d_name;
    if (name.size() <= prefix.size() + 4 || name.compare(0, prefix.size(), prefix) != 0 ||
        name.compare(name.size() - 4, 4, ".tmp") != 0)
      continue;
    const char* digits = name.c_str() + prefix.size();
    char* end = nullptr;
    const long pid = std::strtol(digits, &end, 10);
    if (end == digits || *end != '-' || pid <= 0 || pid == ::getpid()) continue;
    // A living program may still be saving; one we may not ask about is left alone.
    if (::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH) continue;
    ::unlink((folder + "/" + name).c_str());
  }
  ::closedir(dir);
}

bool WriteBesideAndMove(const std::string& hostPath, const std::string& data, unsigned mode,
                        bool sync, bool& created) {
  std::string temp;
  int fd = CreateUniqueSibling(hostPath, mode, temp);
  created = fd >= 0;
  if (fd < 0) return false;
  bool ok = WriteAll(fd, data) && (!sync || Sync(fd));
  ok = ::close(fd) == 0 && ok;
  if (ok && !Injected(Testing::TFileOperation::Rename) && ::rename(temp.c_str(), hostPath.c_str()) == 0) {
    // The new name lives in the folder: sync it too, or a power cut can
    // bring back the old file (or none) after the save reported success.
    if (sync) SyncFolderOf(hostPath);
    RemoveStaleSiblings(hostPath);
    return true;
  }
  const int error = errno;
  ::unlink(temp.c_str());
  errno = error;
  return false;
}

bool ReplaceFileContents(const std::string& hostPath, const std::string& data) {
  bool created = false;
  return WriteBesideAndMove(hostPath, data, 0666, true, created);
}

}  // namespace Posix

using Posix::CorePath;
using Posix::HostPath;

namespace {

bool StatPath(const std::string& path, struct stat& st) {
  return !path.empty() && ::stat(HostPath(path).c_str(), &st) == 0;
}

bool IsReadOnly(const struct stat& st) { return (st.st_mode & S_IWUSR) == 0; }

// The value of an environment variable, or null when it is not defined.
// Windows names are case-insensitive ("%Temp%" finds TEMP).
const char* FindEnvironmentValue(const std::string& name) {
  if (name.empty() || name.find('=') != std::string::npos) return nullptr;
  if (const char* value = std::getenv(name.c_str())) return value;
  for (char** e = environ; e && *e; ++e) {
    const char* eq = std::strchr(*e, '=');
    if (eq && Ansi::SameText(std::string(*e, static_cast<size_t>(eq - *e)), name)) return eq + 1;
  }
  return nullptr;
}

}  // namespace

// ---- Files ---------------------------------------------------------------

bool FileExists(const std::string& path) {
  struct stat st;
  return StatPath(path, st) && !S_ISDIR(st.st_mode);
}

bool DirectoryExists(const std::string& path) {
  struct stat st;
  return StatPath(path, st) && S_ISDIR(st.st_mode);
}

bool GetFileSize(const std::string& path, uint64_t& size) {
  struct stat st;
  if (!StatPath(path, st) || S_ISDIR(st.st_mode)) return false;
  size = static_cast<uint64_t>(st.st_size);
  return true;
}

uint32_t GetFileAttributes(const std::string& path) {
  struct stat st;
  if (!StatPath(path, st)) return kInvalidAttributes;
  uint32_t attributes = 0;
  if (S_ISDIR(st.st_mode)) attributes |= kAttrDirectory;
  if (IsReadOnly(st)) attributes |= kAttrReadOnly;
  std::string host = HostPath(path);
  while (host.size() > 1 && host.back() == '/') host.pop_back();
  size_t slash = host.rfind('/');
  std::string name = slash == std::string::npos ? host : host.substr(slash + 1);
  if (name.size() > 1 && name[0] == '.' && name != "..") attributes |= kAttrHidden;
  return attributes ? attributes : kAttrNormal;
}

bool SetFileAttributes(const std::string& path, uint32_t attributes) {
  struct stat st;
  if (!StatPath(path, st)) return false;
  mode_t mode = st.st_mode & 07777;
  if (attributes & kAttrReadOnly)
    mode &= static_cast<mode_t>(~(S_IWUSR | S_IWGRP | S_IWOTH));
  else
    mode |= S_IWUSR;
  return ::chmod(HostPath(path).c_str(), mode) == 0;
}

bool GetLastWriteTime(const std::string& path, int64_t& stamp) {
  struct stat st;
  if (!StatPath(path, st)) return false;
  // 100 ns units since 1601, as Windows counts.
  constexpr int64_t kEpochDifference = 116444736000000000LL;
  stamp = static_cast<int64_t>(st.st_mtim.tv_sec) * 10000000LL + st.st_mtim.tv_nsec / 100 +
          kEpochDifference;
  return true;
}

bool DeleteFile(const std::string& path) {
  struct stat st;
  // Windows refuses to delete read-only files; keep the hosts alike.
  if (!StatPath(path, st) || S_ISDIR(st.st_mode) || IsReadOnly(st)) return false;
  return ::unlink(HostPath(path).c_str()) == 0;
}

bool RenameFile(const std::string& from, const std::string& to) {
  if (from.empty() || to.empty()) return false;
  std::string src = HostPath(from), dst = HostPath(to);
  if (::renameat2(AT_FDCWD, src.c_str(), AT_FDCWD, dst.c_str(), RENAME_NOREPLACE) == 0) return true;
  if (errno != EINVAL && errno != ENOSYS) return false;
  // File systems without RENAME_NOREPLACE: check, then rename.
  struct stat st;
  if (::lstat(dst.c_str(), &st) == 0) return false;
  return ::rename(src.c_str(), dst.c_str()) == 0;
}

bool CopyFile(const std::string& from, const std::string& to, bool failIfExists) {
  struct stat st;
  if (!StatPath(from, st) || S_ISDIR(st.st_mode)) return false;
  std::string data;
  if (!ReadWholeFile(from, data)) return false;
  int flags = O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | (failIfExists ? O_EXCL : 0);
  int fd = ::open(HostPath(to).c_str(), flags, 0666);
  if (fd < 0) return false;
  bool ok = WriteAll(fd, data);
  return ::close(fd) == 0 && ok;
}

bool CreateDirectory(const std::string& path) {
  return !path.empty() && ::mkdir(HostPath(path).c_str(), 0777) == 0;
}

bool RemoveDirectory(const std::string& path) {
  return !path.empty() && ::rmdir(HostPath(path).c_str()) == 0;
}

std::vector<std::string> FindFiles(const std::string& pattern) {
  std::vector<std::string> names;
  std::string host = HostPath(pattern);
  size_t slash = host.rfind('/');
  std::string folder = slash == std::string::npos ? "." : host.substr(0, slash);
  if (folder.empty()) folder = "/";
  std::string namePattern = slash == std::string::npos ? host : host.substr(slash + 1);
  if (namePattern.empty()) return names;
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) return names;
  while (dirent* entry = ::readdir(dir)) {
    std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    if (!Rules::WildcardMatch(namePattern, name)) continue;
    struct stat st;
    if (::stat((folder + "/" + name).c_str(), &st) != 0 || S_ISDIR(st.st_mode)) continue;
    names.push_back(name);
  }
  ::closedir(dir);
  std::sort(names.begin(), names.end(),
            [](const std::string& a, const std::string& b) { return Ansi::CompareText(a, b) < 0; });
  return names;
}

bool ReadWholeFile(const std::string& path, std::string& data) {
  if (path.empty() || DirectoryExists(path)) return false;
  FILE* f = std::fopen(HostPath(path).c_str(), "rb");
  if (!f) return false;
  data.clear();
  char buffer[65536];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) data.append(buffer, n);
  bool ok = !std::ferror(f);
  std::fclose(f);
  return ok;
}

namespace {

bool WriteInPlace(const std::string& host, const std::string& data) {
  int fd = OpenForWrite(host.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  bool ok = WriteAll(fd, data);
  return ::close(fd) == 0 && ok;
}

}  // namespace

bool WriteWholeFile(const std::string& path, const std::string& data) {
  if (path.empty()) return false;
  std::string host = HostPath(path);
  struct stat st;
  const bool existed = ::stat(host.c_str(), &st) == 0;
  if (existed && (S_ISDIR(st.st_mode) || IsReadOnly(st))) return false;
  // A link is written through, as Windows does.
  if (existed) {
    char* target = ::realpath(host.c_str(), nullptr);
    if (target != nullptr) {
      host = target;
      std::free(target);
    }
  }
  // The new contents go to a file beside the old one, which they replace
  // only once complete: a full disk or a crash leaves the old file whole,
  // and a process that has the old file mapped keeps reading it.
  bool created = false;
  if (Posix::WriteBesideAndMove(host, data, existed ? (st.st_mode & 07777) : 0666, true, created))
    return true;
  // Only a folder we may not create files in is written in place; any other
  // failure (a full disk) must leave the old file as it is.
  return !created && (errno == EACCES || errno == EPERM) && WriteInPlace(host, data);
}

bool TryCreateFile(const std::string& path, bool deleteOnClose) {
  if (path.empty()) return false;
  std::string host = HostPath(path);
  struct stat st;
  bool existed = ::stat(host.c_str(), &st) == 0;
  // The owner's write bit stands for Windows' read-only attribute (root
  // would otherwise open anything).
  if (existed && (S_ISDIR(st.st_mode) || IsReadOnly(st))) return false;
  int fd = ::open(host.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | (existed ? 0 : O_EXCL), 0666);
  if (fd < 0) return false;
  // "Without sharing": fail when someone else holds a lock on it.
  bool ok = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
  // Only a file this call created may go again; an existing one is data.
  if (deleteOnClose && !existed) ::unlink(host.c_str());
  ::close(fd);
  return ok;
}

std::string TempDirectory() {
  const char* tmp = std::getenv("TMPDIR");
  std::string dir = (tmp && *tmp) ? tmp : "/tmp";
  while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
  return CorePath(dir);
}

// ---- Locks between programs ----------------------------------------------

TLockResult TryLockFile(const std::string& lockPath, intptr_t& handle) {
  const std::string host = HostPath(lockPath);
  int fd = ::open(host.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
  if (fd < 0 && errno == EACCES) fd = ::open(host.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return errno == EINTR ? TLockResult::Busy : TLockResult::Unavailable;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const int error = errno;
    ::close(fd);
    return error == EWOULDBLOCK || error == EINTR ? TLockResult::Busy : TLockResult::Unavailable;
  }
  // The holder before us removes the file before it lets go: a lock on a
  // file that no longer stands at the path locks nothing.
  struct stat held, current;
  if (::fstat(fd, &held) != 0 || ::stat(host.c_str(), &current) != 0 ||
      held.st_ino != current.st_ino || held.st_dev != current.st_dev) {
    ::close(fd);
    return TLockResult::Busy;
  }
  handle = fd;
  return TLockResult::Locked;
}

void UnlockFile(const std::string& lockPath, intptr_t handle) {
  if (handle < 0) return;
  ::unlink(HostPath(lockPath).c_str());
  ::close(static_cast<int>(handle));
}

// ---- Mapping ---------------------------------------------------------------

TMappedFile::TMappedFile() = default;

TMappedFile::~TMappedFile() { Close(); }

bool TMappedFile::Open(const std::string& path) {
  Close();
  if (path.empty()) return false;
  int fd = ::open(HostPath(path).c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat st;
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size < 0 ||
      static_cast<uint64_t>(st.st_size) > SIZE_MAX) {
    ::close(fd);
    return false;
  }
  size_t size = static_cast<size_t>(st.st_size);
  if (size > 0) {
    void* p = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
    if (p == MAP_FAILED) {
      ::close(fd);
      return false;
    }
    data_ = static_cast<const uint8_t*>(p);
  }
  size_ = size;
  file_ = fd;
  open_ = true;
  return true;
}

void TMappedFile::Close() {
  if (data_) ::munmap(const_cast<uint8_t*>(data_), size_);
  if (file_ >= 0) ::close(static_cast<int>(file_));
  data_ = nullptr;
  size_ = 0;
  file_ = -1;
  mapping_ = -1;
  open_ = false;
}

// ---- System --------------------------------------------------------------

bool GetUserName(std::string& name) {
  if (const passwd* pw = getpwuid(geteuid())) {
    if (pw->pw_name && *pw->pw_name) {
      name = pw->pw_name;
      return true;
    }
  }
  const char* user = std::getenv("USER");
  if (!user || !*user) return false;
  name = user;
  return true;
}

bool GetSpecialFolderPath(int csidl, std::string& path) {
  auto fromEnv = [](const char* var, const std::string& fallback) {
    const char* value = std::getenv(var);
    return (value && *value == '/') ? std::string(value) : fallback;
  };
  std::string home = Posix::HomeDirectory();
  if (home.size() > 1 && home.back() == '/') home.pop_back();
  std::string result;
  switch (csidl) {
    case 26:  // application data
      result = fromEnv("XDG_CONFIG_HOME", home + "/.config");
      break;
    case 28:  // local application data
      result = fromEnv("XDG_DATA_HOME", home + "/.local/share");
      break;
    case 5:  // documents
      result = home + "/Documents";
      break;
    case 0:  // desktop
    case 16:
      result = home + "/Desktop";
      break;
    case 40:  // profile
      result = home;
      break;
    default:
      return false;
  }
  while (result.size() > 1 && result.back() == '/') result.pop_back();
  path = CorePath(result);
  return true;
}

std::string GetEnvironmentVariable(const std::string& name) {
  const char* value = FindEnvironmentValue(name);
  return value ? value : std::string();
}

bool ExpandEnvironmentStrings(const std::string& text, std::string& expanded) {
  // As Windows does: a defined %NAME% is replaced, an unknown one is copied
  // with both its percent signs, an unfinished one is copied as it is.
  std::string out;
  size_t i = 0;
  while (i < text.size()) {
    if (text[i] != '%') {
      size_t next = text.find('%', i);
      if (next == std::string::npos) next = text.size();
      out.append(text, i, next - i);
      i = next;
      continue;
    }
    size_t close = text.find('%', i + 1);
    if (close == std::string::npos) {
      out.append(text, i, std::string::npos);
      break;
    }
    if (const char* value = FindEnvironmentValue(text.substr(i + 1, close - i - 1)))
      out += value;
    else
      out.append(text, i, close - i + 1);
    i = close + 1;
  }
  expanded = out;
  return true;
}

std::string ExecutablePath() {
  std::string buffer(4096, '\0');
  ssize_t n = ::readlink("/proc/self/exe", &buffer[0], buffer.size());
  if (n <= 0 || static_cast<size_t>(n) >= buffer.size()) return std::string();
  buffer.resize(static_cast<size_t>(n));
  return CorePath(buffer);
}

bool GetFileVersion(const std::string&, uint32_t&, uint32_t&) {
  return false;  // POSIX executables carry no version resource
}

uint32_t TickCount() {
  timespec ts;
  ::clock_gettime(CLOCK_MONOTONIC, &ts);
  uint64_t ms = static_cast<uint64_t>(ts.tv_sec) * 1000u + static_cast<uint64_t>(ts.tv_nsec) / 1000000u;
  return static_cast<uint32_t>(ms);
}

// ---- Text ----------------------------------------------------------------

// No single-byte collation to rely on here: the system's locales work on
// multi-byte text and may not be installed.
int CompareTextInLanguage(const std::string& a, const std::string& b, uint32_t langId) {
  return Rules::CompareTextPortable(a, b, langId);
}

// ---- User interface --------------------------------------------------------

namespace {
TMessageBoxHook& MessageBoxHook() {
  static TMessageBoxHook hook;
  return hook;
}
TCursor gCursor = TCursor::Default;
}  // namespace

bool ProcessMessages() { return true; }
void WaitForMessages() {}

// No window messages here, so nothing is ever handed to a dispatcher.
void SetMessageDispatcher(TMessageDispatcher) {}

int MessageBox(const std::string& text, const std::string& caption, uint32_t flags) {
  if (MessageBoxHook()) return MessageBoxHook()(text, caption, flags);
  uint32_t buttons = flags & 0xF;
  return (buttons == kMbYesNo || buttons == kMbYesNoCancel) ? kIdYes : kIdOk;
}

void SetMessageBoxHook(TMessageBoxHook hook) { MessageBoxHook() = std::move(hook); }

void SetCursor(TCursor cursor) { gCursor = cursor; }

TCursor GetCursor() { return gCursor; }

void DebugOutput(const std::string& text) { std::fprintf(stderr, "%s\n", text.c_str()); }

}  // namespace Platform
