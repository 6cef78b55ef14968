// Registry access of the installer: keys are opened only when they already
// exist (nothing is ever created but values), then read and changed.
#include "InstallRegistry.h"

TRegKey::TRegKey(HKEY root, const std::string& path, TAccess access) {
  // Key paths are written from the root ("\Software\..."); the system wants
  // them relative.
  const size_t start = path.find_first_not_of('\\');
  const std::string relative = start == std::string::npos ? std::string() : path.substr(start);
  HKEY key = nullptr;
  const REGSAM rights = access == kRead ? KEY_READ : KEY_READ | KEY_WRITE;
  if (::RegOpenKeyExA(root, relative.c_str(), 0, rights, &key) == ERROR_SUCCESS) {
    key_ = key;
  }
}

TRegKey::~TRegKey() {
  if (key_) ::RegCloseKey(key_);
}

std::string TRegKey::ReadString(const std::string& name, const std::string& fallback) const {
  if (!key_) return fallback;
  DWORD type = 0;
  DWORD size = 0;
  if (::RegQueryValueExA(key_, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ)) {
    return fallback;
  }
  // The value may change between the two calls; retry with the new size.
  for (int attempt = 0; attempt < 4; ++attempt) {
    std::string data(size + 1, '\0');
    DWORD got = size;
    const LONG result = ::RegQueryValueExA(key_, name.c_str(), nullptr, &type,
                                           reinterpret_cast<BYTE*>(&data[0]), &got);
    if (result == ERROR_MORE_DATA) {
      size = got;
      continue;
    }
    if (result != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return fallback;
    data.resize(got < data.size() ? got : data.size());
    // Stored strings usually carry their terminator; it is not text.
    const size_t end = data.find('\0');
    if (end != std::string::npos) data.resize(end);
    return data;
  }
  return fallback;
}

bool TRegKey::ValueExists(const std::string& name) const {
  return key_ && ::RegQueryValueExA(key_, name.c_str(), nullptr, nullptr, nullptr, nullptr) ==
                     ERROR_SUCCESS;
}

bool TRegKey::WriteString(const std::string& name, const std::string& data) {
  return key_ && ::RegSetValueExA(key_, name.c_str(), 0, REG_SZ,
                                  reinterpret_cast<const BYTE*>(data.c_str()),
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
