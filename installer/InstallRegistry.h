// Registry access of the installer: keys are opened only when they already
// exist (nothing is ever created but values), then read and changed.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// One open registry key; closed when the object goes.
class TRegKey {
 public:
  enum TAccess { kRead, kReadWrite };
  // Opens `path` below `root` (a leading "\" is allowed); IsOpen() tells
  // whether the key exists (and may be opened so).
  TRegKey(HKEY root, const std::string& path, TAccess access = kReadWrite);
  ~TRegKey();
  TRegKey(const TRegKey&) = delete;
  TRegKey& operator=(const TRegKey&) = delete;

  bool IsOpen() const { return key_ != nullptr; }
  // The string value, or `fallback` when it is missing or not a string.
  std::string ReadString(const std::string& name, const std::string& fallback = "") const;
  bool ValueExists(const std::string& name) const;
  bool WriteString(const std::string& name, const std::string& data);
  bool DeleteValue(const std::string& name);
  std::vector<std::string> ValueNames() const;

 private:
  HKEY key_ = nullptr;
};
