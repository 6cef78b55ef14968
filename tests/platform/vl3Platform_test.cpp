// What only the POSIX side of the platform seam does: folders from the XDG
// variables, '\' paths mapped to '/', locks, and quiet user-interface answers.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "vl3Platform.h"
#include "vl3TestFolder.h"

namespace {

// Sets an environment variable for one scope.
class TEnvOverride {
 public:
  TEnvOverride(const char* name, const char* value) : name_(name) {
    const char* old = std::getenv(name);
    had_ = old != nullptr;
    if (had_) old_ = old;
    if (value)
      setenv(name, value, 1);
    else
      unsetenv(name);
  }
  ~TEnvOverride() {
    if (had_)
      setenv(name_.c_str(), old_.c_str(), 1);
    else
      unsetenv(name_.c_str());
  }

 private:
  std::string name_, old_;
  bool had_ = false;
};

}  // namespace

TEST(PosixPlatform, SpecialFoldersFollowXdgAndHome) {
  TEnvOverride home("HOME", "/home/tester/");
  {
    TEnvOverride xdg("XDG_CONFIG_HOME", "/custom/config");
    std::string path;
    ASSERT_TRUE(Platform::GetSpecialFolderPath(26, path));
    EXPECT_EQ(path, "\\custom\\config");
  }
  {
    TEnvOverride xdg("XDG_CONFIG_HOME", "relative/ignored");
    std::string path;
    ASSERT_TRUE(Platform::GetSpecialFolderPath(26, path));
    EXPECT_EQ(path, "\\home\\tester\\.config");
  }
  std::string docs;
  ASSERT_TRUE(Platform::GetSpecialFolderPath(5, docs));
  EXPECT_EQ(docs, "\\home\\tester\\Documents");
}

TEST(PosixPlatform, PathsFromTheSystemUseBackslashes) {
  std::string exe = Platform::ExecutablePath();
  ASSERT_FALSE(exe.empty());
  EXPECT_EQ(exe.find('/'), std::string::npos) << exe;
  EXPECT_EQ(exe[0], '\\');
  EXPECT_EQ(Platform::TempDirectory().find('/'), std::string::npos);
}

TEST(PosixPlatform, ForwardAndBackSlashesReachTheSameFile) {
  TTestFolder dir;
  ASSERT_TRUE(Platform::WriteWholeFile(dir.File("x.txt"), "1"));
  std::string forward = dir.File("x.txt");
  for (char& c : forward)
    if (c == '\\') c = '/';
  EXPECT_TRUE(Platform::FileExists(forward));
}

TEST(PosixPlatform, DotFilesAreHidden) {
  TTestFolder dir;
  ASSERT_TRUE(Platform::WriteWholeFile(dir.File(".hidden"), ""));
  ASSERT_TRUE(Platform::WriteWholeFile(dir.File("plain"), ""));
  EXPECT_NE(Platform::GetFileAttributes(dir.File(".hidden")) & Platform::kAttrHidden, 0u);
  EXPECT_EQ(Platform::GetFileAttributes(dir.File("plain")), Platform::kAttrNormal);
}

TEST(PosixPlatform, TryCreateFileFailsWhileAnotherHolderLocksTheFile) {
  TTestFolder dir;
  std::string file = dir.File("busy.vlu");
  ASSERT_TRUE(Platform::WriteWholeFile(file, "data"));
  std::string host = file;
  for (char& c : host)
    if (c == '\\') c = '/';
  int fd = ::open(host.c_str(), O_RDONLY);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::flock(fd, LOCK_EX), 0);
  EXPECT_FALSE(Platform::TryCreateFile(file, false));
  ::close(fd);
  EXPECT_TRUE(Platform::TryCreateFile(file, false));
}

TEST(PosixPlatform, NoVersionResourceAndQuietMessageBoxes) {
  uint32_t ms = 1, ls = 2;
  EXPECT_FALSE(Platform::GetFileVersion(Platform::ExecutablePath(), ms, ls));
  struct Case {
    uint32_t flags;
    int answer;
  } cases[] = {
      {Platform::kMbOk, Platform::kIdOk},
      {Platform::kMbYesNo | Platform::kMbIconQuestion, Platform::kIdYes},
      {Platform::kMbYesNoCancel, Platform::kIdYes},
  };
  for (const Case& c : cases) EXPECT_EQ(Platform::MessageBox("t", "c", c.flags), c.answer);
}

TEST(PosixPlatform, UserNameFallsBackToNothingWorse) {
  std::string name;
  ASSERT_TRUE(Platform::GetUserName(name));
  EXPECT_FALSE(name.empty());
}
