// Files and folders for the installer: the shell's copy and delete with
// wildcards, existence tests, folder creation and text files as lines.
#include "InstallFiles.h"

#include <shellapi.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>

namespace {

// FOF_SIMPLEPROGRESS | FOF_NOCONFIRMATION | FOF_FILESONLY: no questions, the
// files matching the wildcard only (never subfolders), one progress title.
constexpr FILEOP_FLAGS kFileOperationFlags = 0x190;

// The files (never folders) that a wildcard path names, each with its folder.
std::vector<std::string> MatchingFiles(const std::string& pattern) {
  std::vector<std::string> files;
  const size_t slash = pattern.find_last_of("\\/");
  const std::string folder =
      slash == std::string::npos ? std::string() : pattern.substr(0, slash + 1);
  WIN32_FIND_DATAA found;
  HANDLE search = ::FindFirstFileA(pattern.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return files;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
      files.push_back(folder + found.cFileName);
  } while (::FindNextFileA(search, &found));
  ::FindClose(search);
  return files;
}

uint64_t FileSize(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data = {};
  if (!::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return UINT64_MAX;
  return (uint64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

// The shell's answer alone is not enough: some shells report success for
// files they skipped. What is on the disk afterwards decides.
bool Done(UINT operation, const std::vector<std::string>& files, const std::string& to) {
  for (const std::string& file : files) {
    if (operation == FO_DELETE) {
      if (::GetFileAttributesA(file.c_str()) != INVALID_FILE_ATTRIBUTES) return false;
    } else {
      const std::string copy = to + "\\" + ExtractFileName(file);
      if (!FileExists(copy) || FileSize(copy) != FileSize(file)) return false;
    }
  }
  return true;
}

// The shell is handed the matching files themselves rather than the
// wildcard: some shells stop a wildcard copy at the first folder it matches
// (the target folder lies inside the copied one), files-only flag or not.
bool ShellOperation(HWND owner, UINT operation, const std::string& pattern, const std::string& to,
                    const std::string& title) {
  const std::vector<std::string> files = MatchingFiles(pattern);
  if (files.empty()) return true;
  // Both lists end with two NULs.
  std::string fromList;
  for (const std::string& file : files) fromList += file + '\0';
  fromList += '\0';
  const std::string toList = to + '\0' + '\0';
  SHFILEOPSTRUCTA op = {};
  op.hwnd = owner;
  op.wFunc = operation;
  op.pFrom = fromList.c_str();
  op.pTo = operation == FO_DELETE ? nullptr : toList.c_str();
  op.fFlags = kFileOperationFlags;
  op.lpszProgressTitle = title.c_str();
  const int result = ::SHFileOperationA(&op);
  return result == 0 && !op.fAnyOperationsAborted && Done(operation, files, to);
}

}  // namespace

bool FileExists(const std::string& path) {
  const DWORD attributes = ::GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool DirectoryExists(const std::string& path) {
  const DWORD attributes = ::GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool ForceDirectories(const std::string& path) {
  if (path.empty()) return false;
  if (DirectoryExists(path)) return true;
  const size_t slash = path.find_last_of("\\/");
  if (slash != std::string::npos && slash > 0 && path[slash - 1] != ':' &&
      !ForceDirectories(path.substr(0, slash))) {
    return false;
  }
  return ::CreateDirectoryA(path.c_str(), nullptr) || DirectoryExists(path);
}

std::string ExtractFileName(const std::string& path) {
  const size_t separator = path.find_last_of("\\/:");
  return separator == std::string::npos ? path : path.substr(separator + 1);
}

std::string ProgramFolder() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD length = ::GetModuleFileNameA(nullptr, &path[0], static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.assign(path.size() * 2, '\0');
  }
  const size_t slash = path.find_last_of('\\');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

bool ShellDelete(HWND owner, const std::string& pattern) {
  return ShellOperation(owner, FO_DELETE, pattern, std::string(), pattern);
}

bool ShellCopy(HWND owner, const std::string& pattern, const std::string& folder) {
  return ShellOperation(owner, FO_COPY, pattern, folder, folder);
}

bool LoadLines(const std::string& path, std::vector<std::string>& lines) {
  lines.clear();
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return false;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') {
      ++end;
    }
    start = end + 1;
  }
  return true;
}

bool ReplaceFileWhole(const std::string& path, const std::string& text) {
  // Windows refuses to move a file over a read-only one, some emulations of
  // it do not: a file the user made read-only is never replaced.
  const DWORD attributes = ::GetFileAttributesA(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES &&
      (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))) {
    return false;
  }
  const size_t slash = path.find_last_of("\\/");
  const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash);
  // A name of its own beside the file: a temporary file left by an earlier,
  // interrupted run (read-only, or held open) cannot stop this one.
  char temporary[MAX_PATH] = {};
  if (!::GetTempFileNameA(folder.c_str(), "vxi", 0, temporary)) return false;
  HANDLE file = ::CreateFileA(temporary, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  bool written = file != INVALID_HANDLE_VALUE;
  for (size_t done = 0; written && done < text.size();) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(text.size() - done, 1u << 20));
    DWORD wrote = 0;
    written = ::WriteFile(file, text.data() + done, chunk, &wrote, nullptr) && wrote == chunk;
    done += wrote;
  }
  // On the disk before it takes the file's name: a power cut after the move
  // must not leave an empty file under the old name.
  written = written && ::FlushFileBuffers(file);
  if (file != INVALID_HANDLE_VALUE && !::CloseHandle(file)) written = false;
  if (written && ::MoveFileExA(temporary, path.c_str(),
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return true;
  }
  ::DeleteFileA(temporary);
  return false;
}

bool SaveLines(const std::string& path, const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return ReplaceFileWhole(path, text);
}
