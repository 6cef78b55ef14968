// A fresh temporary folder for one test, removed with everything in it when
// the test ends; paths are handed out in the core's '\' form.
#pragma once

#include <atomic>
#include <filesystem>
#include <random>
#include <string>
#include <system_error>

#include "vl3Platform.h"

class TTestFolder {
 public:
  TTestFolder() {
    static std::atomic<unsigned> counter{0};
    std::random_device random;
    std::string base = Platform::TempDirectory();
    for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
      std::string candidate = base + "\\vxtest-" + std::to_string(random()) + "-" +
                              std::to_string(counter++);
      if (Platform::CreateDirectory(candidate)) path_ = candidate;
    }
  }
  ~TTestFolder() {
    if (path_.empty()) return;
    std::error_code ignored;
    std::filesystem::permissions(HostForm(path_), std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    MakeWritable(HostForm(path_));
    std::filesystem::remove_all(HostForm(path_), ignored);
  }
  TTestFolder(const TTestFolder&) = delete;
  TTestFolder& operator=(const TTestFolder&) = delete;

  const std::string& Path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "\\" + name; }

 private:
  static std::string HostForm(std::string p) {
#ifndef _WIN32
    for (char& c : p)
      if (c == '\\') c = '/';
#endif
    return p;
  }
  // Read-only files would survive remove_all on Windows.
  static void MakeWritable(const std::string& dir) {
    std::error_code ec;
    for (auto it = std::filesystem::recursive_directory_iterator(dir, ec);
         !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
      std::error_code ignored;
      std::filesystem::permissions(it->path(), std::filesystem::perms::owner_write,
                                   std::filesystem::perm_options::add, ignored);
    }
  }

  std::string path_;
};
