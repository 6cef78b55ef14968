// The lock between programs: another process's lock makes us wait, a save
// meanwhile keeps its changes, and a holder that dies leaves no lock behind.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <string>

#include "vl3CustomDictionary.h"
#include "vl3Platform.h"
#include "vl3TestFolder.h"

namespace {

bool WaitForFile(const std::string& path) {
  for (int i = 0; i < 10000; ++i) {
    if (Platform::FileExists(path)) return true;
    ::usleep(1000);
  }
  return false;
}

}  // namespace

TEST(FileLock, AnotherProgramsLockHoldsSavesBackUntilItsHolderDies) {
  TTestFolder folder;
  const std::string path = folder.File("words.vlu");
  const std::string held = folder.File("held"), die = folder.File("die");
  {
    TCustomDictionary d;
    d.SetFilename(path);
    ASSERT_TRUE(d.AddIgnore("first"));
    ASSERT_TRUE(d.SaveChanges());
  }
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    Platform::TFileLock lock;
    if (lock.Acquire(path, 1000) != Platform::TLockResult::Locked) ::_exit(2);
    Platform::WriteWholeFile(held, "1");
    WaitForFile(die);
    ::_exit(0);  // ends holding the lock, as a crashed program would
  }
  ASSERT_TRUE(WaitForFile(held));

  Platform::TFileLock lock;
  EXPECT_EQ(lock.Acquire(path, 20), Platform::TLockResult::Busy);
  EXPECT_FALSE(lock.Held());
  TCustomDictionary d;
  d.SetFilename(path);
  d.SetSaveLockWait(20);
  ASSERT_TRUE(d.AddIgnore("second"));
  EXPECT_FALSE(d.SaveChanges());
  EXPECT_TRUE(d.PendingChanges()) << "a change that could not be saved stays pending";

  ASSERT_TRUE(Platform::WriteWholeFile(die, "1"));
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_EQ(WEXITSTATUS(status), 0);
  ASSERT_EQ(lock.Acquire(path, 5000), Platform::TLockResult::Locked);
  {
    // The saving code takes the lock again inside a held one: it nests.
    Platform::TFileLock inner;
    EXPECT_EQ(inner.Acquire(path, 0), Platform::TLockResult::Locked);
    EXPECT_TRUE(d.SaveChanges());
  }
  EXPECT_TRUE(lock.Held());
  lock.Release();
  EXPECT_FALSE(Platform::FileExists(path + Platform::TFileLock::kLockSuffix));

  TCustomDictionary check;
  check.SetFilename(path);
  EXPECT_TRUE(check.HasIgnore("first"));
  EXPECT_TRUE(check.HasIgnore("second"));
}

TEST(FileLock, AFolderThatCannotHoldALockIsReportedAtOnce) {
  Platform::TFileLock lock;
  TTestFolder folder;
  EXPECT_EQ(lock.Acquire(folder.File("missing\\words.vlu"), 5000), Platform::TLockResult::Unavailable);
}
