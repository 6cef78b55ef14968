// Registry access of the installer: keys are opened only when they already
// exist (nothing is ever created but values), then read and changed.
#include "InstallRegistry.h"

namespace {

std::string RootName(HKEY root) {
  if (root == HKEY_LOCAL_MACHINE) return "HKEY_LOCAL_MACHINE";
  if (root == HKEY_CURRENT_USER) return "HKEY_CURRENT_USER";
  return "HKEY";
}

bool IsText(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ; }

}  // namespace

TRegKey::TRegKey(HKEY root, const std::string& path, TAccess access) {
  // Key paths are written from the root ("\Software\..."); the system wants
  // them relative.
  const size_t start = path.find_first_not_of('\\');
  const std::string relative = start == std::string::npos ? std::string() : path.substr(start);
  name_ = RootName(root) + "\\" + relative;
  HKEY key = nullptr;
  LONG result = ::RegOpenKeyExA(root, relative.c_str(), 0,
                                access == kRead ? KEY_READ : KEY_READ | KEY_WRITE, &key);
  // Without the right to change the key its values can still be listed, and
  // a change that is really needed then fails where it can be reported.
  if (result == ERROR_ACCESS_DENIED && access == kReadWrite) {
    result = ::RegOpenKeyExA(root, relative.c_str(), 0, KEY_READ, &key);
  }
  if (result == ERROR_SUCCESS) key_ = key;
}

TRegKey::~TRegKey() {
  if (key_) ::RegCloseKey(key_);
}

bool TRegKey::Query(const std::string& name, std::string& data, DWORD& type) const {
  if (!key_) return false;
  DWORD size = 0;
  if (::RegQueryValueExA(key_, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
      !IsText(type)) {
    return false;
  }
  // The value may change between the two calls; retry with the new size.
  for (int attempt = 0; attempt < 4; ++attempt) {
    data.assign(size + 1, '\0');
    DWORD got = size;
    const LONG result = ::RegQueryValueExA(key_, name.c_str(), nullptr, &type,
                                           reinterpret_cast<BYTE*>(&data[0]), &got);
    if (result == ERROR_MORE_DATA) {
      size = got;
      continue;
    }
    if (result != ERROR_SUCCESS || !IsText(type)) return false;
    data.resize(got < data.size() ? got : data.size());
    // Stored strings usually carry their terminator; it is not text.
    const size_t end = data.find('\0');
    if (end != std::string::npos) data.resize(end);
    return true;
  }
  return false;
}

std::string TRegKey::ReadString(const std::string& name, const std::string& fallback) const {
  std::string data;
  DWORD type = 0;
  return Query(name, data, type) ? data : fallback;
}

std::string TRegKey::ReadExpandedString(const std::string& name) const {
  std::string data;
  DWORD type = 0;
  if (!Query(name, data, type)) return std::string();
  if (type != REG_EXPAND_SZ) return data;
  const DWORD size = ::ExpandEnvironmentStringsA(data.c_str(), nullptr, 0);
  if (size == 0) return data;
  std::string expanded(size, '\0');
  const DWORD got = ::ExpandEnvironmentStringsA(data.c_str(), &expanded[0], size);
  if (got == 0 || got > size) return data;
  // The count may include more than the text (the terminator, double-byte slack).
  expanded.resize(expanded.find('\0') == std::string::npos ? size : expanded.find('\0'));
  return expanded;
}

bool TRegKey::ValueExists(const std::string& name) const {
  return key_ && ::RegQueryValueExA(key_, name.c_str(), nullptr, nullptr, nullptr, nullptr) ==
                     ERROR_SUCCESS;
}

bool TRegKey::WriteString(const std::string& name, const std::string& data) {
  if (!key_) return false;
  // Paths such as "%BDS%\Lib" only work as long as they stay expandable.
  DWORD type = REG_SZ;
  if (::RegQueryValueExA(key_, name.c_str(), nullptr, &type, nullptr, nullptr) != ERROR_SUCCESS ||
      type != REG_EXPAND_SZ) {
    type = REG_SZ;
  }
  return ::RegSetValueExA(key_, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.c_str()),
                          static_cast<DWORD>(data.size() + 1)) == ERROR_SUCCESS;
}

bool TRegKey::DeleteValue(const std::string& name) {
  return key_ && ::RegDeleteValueA(key_, name.c_str()) == ERROR_SUCCESS;
}

std::vector<std::string> TRegKey::ValueNames() const {
  std::vector<std::string> names;
  if (!key_) return names;
  DWORD longest = 0;
  if (::RegQueryInfoKeyA(key_, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                         &longest, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
    return names;
  }
  std::string name(longest + 2, '\0');
  for (DWORD index = 0;; ++index) {
    DWORD length = static_cast<DWORD>(name.size());
    const LONG result =
        ::RegEnumValueA(key_, index, &name[0], &length, nullptr, nullptr, nullptr, nullptr);
    if (result == ERROR_MORE_DATA) {
      name.assign(name.size() * 2, '\0');
      --index;
      continue;
    }
    if (result != ERROR_SUCCESS) break;
    names.push_back(name.substr(0, length));
  }
  return names;
}
