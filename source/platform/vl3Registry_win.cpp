// The registry on Windows: string values under HKEY_CURRENT_USER and
// HKEY_LOCAL_MACHINE through the ANSI registry functions.
#include <windows.h>

#include <cstring>

#include "vl3Platform.h"

namespace Platform {
namespace {

HKEY RootKey(TRegistryRoot root) {
  return root == TRegistryRoot::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
}

// Owns an open key.
class TKey {
 public:
  TKey() = default;
  ~TKey() {
    if (key_) ::RegCloseKey(key_);
  }
  TKey(const TKey&) = delete;
  TKey& operator=(const TKey&) = delete;

  bool Open(TRegistryRoot root, const std::string& path, REGSAM access) {
    return ::RegOpenKeyExA(RootKey(root), path.c_str(), 0, access, &key_) == ERROR_SUCCESS;
  }
  bool Create(TRegistryRoot root, const std::string& path, REGSAM access) {
    return ::RegCreateKeyExA(RootKey(root), path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access,
                             nullptr, &key_, nullptr) == ERROR_SUCCESS;
  }
  HKEY get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

// "A\\B\" and "\A" both name the key "A\B": Windows refuses a leading '\'
// and doubled ones, the core does not care.
std::string CleanPath(const std::string& key) {
  std::string path;
  size_t i = 0;
  while (i < key.size()) {
    size_t next = key.find('\\', i);
    if (next == std::string::npos) next = key.size();
    if (next > i) {
      if (!path.empty()) path += '\\';
      path.append(key, i, next - i);
    }
    i = next + 1;
  }
  return path;
}

}  // namespace

bool RegKeyExists(TRegistryRoot root, const std::string& key) {
  TKey k;
  return k.Open(root, CleanPath(key), KEY_READ);
}

bool RegCreateKey(TRegistryRoot root, const std::string& key) {
  TKey k;
  return k.Create(root, CleanPath(key), KEY_READ | KEY_WRITE);
}

bool RegReadString(TRegistryRoot root, const std::string& key, const std::string& name,
                   std::string& value) {
  TKey k;
  if (!k.Open(root, CleanPath(key), KEY_QUERY_VALUE)) return false;
  std::string buffer(256, '\0');
  for (int attempt = 0; attempt < 8; ++attempt) {
    DWORD type = 0, size = static_cast<DWORD>(buffer.size());
    LONG r = ::RegQueryValueExA(k.get(), name.c_str(), nullptr, &type,
                                reinterpret_cast<BYTE*>(&buffer[0]), &size);
    if (r == ERROR_MORE_DATA) {
      buffer.assign(size + 1, '\0');
      continue;
    }
    if (r != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return false;
    // The stored size may or may not count the terminator.
    value.assign(buffer.data(), strnlen(buffer.data(), size));
    return true;
  }
  return false;
}

bool RegWriteString(TRegistryRoot root, const std::string& key, const std::string& name,
                    const std::string& value) {
  if (value.size() >= 0xFFFFFFFEu) return false;
  TKey k;
  if (!k.Create(root, CleanPath(key), KEY_SET_VALUE)) return false;
  return ::RegSetValueExA(k.get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

bool RegValueNames(TRegistryRoot root, const std::string& key, std::vector<std::string>& names) {
  names.clear();
  TKey k;
  if (!k.Open(root, CleanPath(key), KEY_QUERY_VALUE)) return false;
  DWORD maxName = 0;
  if (::RegQueryInfoKeyA(k.get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &maxName,
                         nullptr, nullptr, nullptr) != ERROR_SUCCESS)
    return false;
  std::string buffer(maxName + 2, '\0');
  for (DWORD i = 0;; ++i) {
    DWORD size = static_cast<DWORD>(buffer.size());
    LONG r = ::RegEnumValueA(k.get(), i, &buffer[0], &size, nullptr, nullptr, nullptr, nullptr);
    if (r == ERROR_NO_MORE_ITEMS) break;
    if (r != ERROR_SUCCESS) return false;
    names.emplace_back(buffer.data(), size);
  }
  return true;
}

bool RegSubKeyNames(TRegistryRoot root, const std::string& key, std::vector<std::string>& names) {
  names.clear();
  TKey k;
  if (!k.Open(root, CleanPath(key), KEY_ENUMERATE_SUB_KEYS | KEY_QUERY_VALUE)) return false;
  char buffer[256];  // key names are at most 255 characters
  for (DWORD i = 0;; ++i) {
    DWORD size = sizeof buffer;
    LONG r = ::RegEnumKeyExA(k.get(), i, buffer, &size, nullptr, nullptr, nullptr, nullptr);
    if (r == ERROR_NO_MORE_ITEMS) break;
    if (r != ERROR_SUCCESS) return false;
    names.emplace_back(buffer, size);
  }
  return true;
}

bool RegDeleteValue(TRegistryRoot root, const std::string& key, const std::string& name) {
  TKey k;
  if (!k.Open(root, CleanPath(key), KEY_SET_VALUE)) return false;
  return ::RegDeleteValueA(k.get(), name.c_str()) == ERROR_SUCCESS;
}

bool RegDeleteKey(TRegistryRoot root, const std::string& key) {
  std::string path = CleanPath(key);
  if (path.empty()) return false;  // never a whole hive
  if (!RegKeyExists(root, path)) return false;
  ::RegDeleteTreeA(RootKey(root), path.c_str());
  ::RegDeleteKeyA(RootKey(root), path.c_str());
  return !RegKeyExists(root, path);
}

}  // namespace Platform
