// The platform seam on POSIX hosts: native builds, tests and Linux tools.
#include <cstdio>

#include "vl3Platform.h"

namespace Platform {
namespace {

// Core paths use '\'; the host wants '/'.
std::string HostPath(const std::string& path) {
  std::string p(path);
  for (char& c : p) {
    if (c == '\\') c = '/';
  }
  return p;
}

}  // namespace

bool ReadWholeFile(const std::string& path, std::string& data) {
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

bool WriteWholeFile(const std::string& path, const std::string& data) {
  FILE* f = std::fopen(HostPath(path).c_str(), "wb");
  if (!f) return false;
  bool ok = std::fwrite(data.data(), 1, data.size(), f) == data.size();
  ok = (std::fclose(f) == 0) && ok;
  return ok;
}

}  // namespace Platform
