// INI-style files on Windows through the private-profile functions, with the
// same write checks as the POSIX side and relative names kept relative.
#include <windows.h>

#include <cstring>

#include "vl3Platform.h"
#include "vl3PlatformRules.h"
#include "vl3Platform_win.h"

namespace Platform {
namespace {

// The profile functions look for a bare file name in the Windows folder; the
// core means the current folder, as every other file function does.
std::string FullPath(const std::string& file) {
  char buffer[MAX_PATH * 4];
  DWORD n = ::GetFullPathNameA(file.c_str(), sizeof buffer, buffer, nullptr);
  if (n == 0 || n >= sizeof buffer) return file;
  return std::string(buffer, n);
}

// Reads a NUL-separated list the profile functions fill; `truncated(n, size)`
// says whether the buffer was too small.
template <typename TFill>
std::vector<std::string> ReadList(TFill fill) {
  std::vector<std::string> items;
  std::string buffer(4096, '\0');
  DWORD n = 0;
  for (int attempt = 0; attempt < 12; ++attempt) {
    n = fill(&buffer[0], static_cast<DWORD>(buffer.size()));
    if (n + 2 < buffer.size()) break;
    buffer.assign(buffer.size() * 2, '\0');
  }
  if (n + 2 >= buffer.size()) return items;
  size_t i = 0;
  while (i < n && buffer[i]) {
    size_t len = strnlen(&buffer[i], n - i);
    items.emplace_back(&buffer[i], len);
    i += len + 1;
  }
  return items;
}

// The profile functions rewrite the file in place, so a crash or a full disk
// midway would cut it short: they work on a copy that then replaces it whole.
bool Profile(const std::string& path, const char* section, const char* key, const char* value) {
  return Win::EditBesideAndMove(path, [&](const std::string& copy) {
    return ::WritePrivateProfileStringA(section, key, value, copy.c_str()) != FALSE;
  });
}

}  // namespace

std::string IniReadString(const std::string& file, const std::string& section,
                          const std::string& key, const std::string& defaultValue) {
  std::string fallback = Rules::TrimRight(defaultValue);
  if (file.empty() || section.empty() || key.empty()) return fallback;
  std::string path = FullPath(file);
  std::string buffer(1024, '\0');
  for (int attempt = 0; attempt < 12; ++attempt) {
    DWORD n = ::GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(), &buffer[0],
                                         static_cast<DWORD>(buffer.size()), path.c_str());
    if (n + 1 < buffer.size()) return std::string(buffer.data(), n);
    buffer.assign(buffer.size() * 2, '\0');
  }
  return fallback;
}

bool IniWriteString(const std::string& file, const std::string& section, const std::string& key,
                    const std::string& value) {
  if (file.empty() || !Rules::IsWritableIniEntry(section, key, value)) return false;
  return Profile(FullPath(file), section.c_str(), key.c_str(), value.c_str());
}

bool IniDeleteKey(const std::string& file, const std::string& section, const std::string& key) {
  if (file.empty() || section.empty() || key.empty()) return false;
  std::string path = FullPath(file);
  if (::GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) return true;  // nothing to delete
  return Profile(path, section.c_str(), key.c_str(), nullptr);
}

bool IniDeleteSection(const std::string& file, const std::string& section) {
  if (file.empty() || section.empty()) return false;
  std::string path = FullPath(file);
  if (::GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) return true;
  return Profile(path, section.c_str(), nullptr, nullptr);
}

std::vector<std::string> IniReadKeys(const std::string& file, const std::string& section) {
  if (file.empty() || section.empty()) return {};
  std::string path = FullPath(file);
  return ReadList([&](char* buffer, DWORD size) {
    return ::GetPrivateProfileStringA(section.c_str(), nullptr, "", buffer, size, path.c_str());
  });
}

std::vector<std::string> IniReadSections(const std::string& file) {
  if (file.empty()) return {};
  std::string path = FullPath(file);
  return ReadList([&](char* buffer, DWORD size) {
    return ::GetPrivateProfileSectionNamesA(buffer, size, path.c_str());
  });
}

}  // namespace Platform
