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
  // Opens `path` below `root` (a leading "\" is allowed). A key that exists
  // but may not be changed by this user is still opened, for reading; its
  // writes then fail.
  TRegKey(HKEY root, const std::string& path, TAccess access = kReadWrite);
  ~TRegKey();
  TRegKey(const TRegKey&) = delete;
  TRegKey& operator=(const TRegKey&) = delete;

  bool IsOpen() const { return key_ != nullptr; }
  // The key as the user knows it, e.g. "HKEY_CURRENT_USER\Software\...".
  const std::string& Name() const { return name_; }
  // The string value, or `fallback` when it is missing or not a string.
  // Expandable strings come back unexpanded.
  std::string ReadString(const std::string& name, const std::string& fallback = "") const;
  // The same with the environment variables of an expandable string filled in.
  std::string ReadExpandedString(const std::string& name) const;
  bool ValueExists(const std::string& name) const;
  // A value that already holds an expandable string keeps that type.
  bool WriteString(const std::string& name, const std::string& data);
  bool DeleteValue(const std::string& name);
  std::vector<std::string> ValueNames() const;

 private:
  bool Query(const std::string& name, std::string& data, DWORD& type) const;

  HKEY key_ = nullptr;
  std::string name_;
};
