// The platform seam on Windows.
#include <windows.h>

#include "vl3Platform.h"

namespace Platform {

bool ReadWholeFile(const std::string& path, std::string& data) {
  HANDLE h = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
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

bool WriteWholeFile(const std::string& path, const std::string& data) {
  HANDLE h = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  bool ok = ::WriteFile(h, data.data(), static_cast<DWORD>(data.size()), &written, nullptr) &&
            written == data.size();
  ::CloseHandle(h);
  return ok;
}

}  // namespace Platform
