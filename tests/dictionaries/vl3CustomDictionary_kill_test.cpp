// A program killed while it saves a custom dictionary: a copy of this test
// program saves a large dictionary in a loop, switching between two word
// sets, and is killed at random moments. The file must always open with one
// whole word set, never a mix, an empty or a cut-off file.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <random>
#include <string>
#include <thread>

#include "../platform/vl3TestFolder.h"
#include "vl3CustomDictionary.h"
#include "vl3Platform.h"

extern char** environ;

namespace {

const char kWorkerVariable[] = "VX_KILL_WORKER";  // "dictionary|ready file"
const char kSeedVariable[] = "VX_KILL_SEED";      // replays one run
constexpr int kWords = 4000;
constexpr int kKills = 100;
// Kills come up to this many of the worker's saves after its start (a save
// is timed first, so a busy machine still kills between finished saves).
constexpr int kSavesBeforeLatestKill = 4;

std::string Word(bool setA, int i) { return (setA ? "alpha" : "beta") + std::to_string(i) + "w"; }

// 'A' or 'B' when the file holds exactly that word set, otherwise '?'.
char WordSetOnDisk(const std::string& path, std::string& why) {
  TCustomDictionary d;
  d.SetFilename(path);
  d.SetActive(true);
  const int count = d.CountIgnored();
  const bool setA = d.HasIgnore(Word(true, 0));
  int missing = 0, foreign = 0;
  for (int i = 0; i < kWords; ++i) {
    missing += d.HasIgnore(Word(setA, i)) ? 0 : 1;
    foreign += d.HasIgnore(Word(!setA, i)) ? 1 : 0;
  }
  if (count == kWords && missing == 0 && foreign == 0) return setA ? 'A' : 'B';
  why = std::to_string(count) + " words, " + std::to_string(missing) + " missing, " +
        std::to_string(foreign) + " of the other set";
  return '?';
}

pid_t StartWorker(const std::string& job) {
  ::setenv(kWorkerVariable, job.c_str(), 1);
  char exe[] = "/proc/self/exe";
  char filter[] = "--gtest_filter=KillWorker.Run";
  char* argv[] = {exe, filter, nullptr};
  pid_t pid = 0;
  const int error = ::posix_spawn(&pid, exe, nullptr, nullptr, argv, environ);
  ::unsetenv(kWorkerVariable);
  return error == 0 ? pid : 0;
}

}  // namespace

// The body of the saving program; skipped in an ordinary run.
TEST(KillWorker, Run) {
  const std::string job = Platform::GetEnvironmentVariable(kWorkerVariable);
  if (job.empty()) GTEST_SKIP() << "runs only as a worker process";
  const size_t bar = job.find('|');
  ASSERT_NE(bar, std::string::npos);
  const std::string path = job.substr(0, bar);
  TCustomDictionary d;
  d.SetFilename(path);
  d.SetActive(true);
  bool setA = d.HasIgnore(Word(true, 0));
  ASSERT_TRUE(Platform::WriteWholeFile(job.substr(bar + 1), "ready"));
  // Runs until killed; the bound only keeps a forgotten worker from running on.
  for (int save = 0; save < 100000; ++save) {
    for (int i = 0; i < kWords; ++i) {
      d.RemoveIgnore(Word(setA, i));
      d.AddIgnore(Word(!setA, i));
    }
    setA = !setA;
    ASSERT_TRUE(d.SaveChanges());
  }
}

TEST(KilledSaves, EveryKillLeavesOneWholeWordSet) {
  const std::string given = Platform::GetEnvironmentVariable(kSeedVariable);
  const unsigned seed = given.empty() ? std::random_device()() : static_cast<unsigned>(std::stoul(given));
  std::cout << "seed " << seed << " (replay with " << kSeedVariable << "=" << seed << ")" << std::endl;
  RecordProperty("seed", std::to_string(seed));
  std::mt19937 random(seed);

  TTestFolder folder;
  const std::string path = folder.File("user.vlu");
  const std::string ready = folder.File("ready");
  {
    TCustomDictionary d;
    d.SetFilename(path);
    d.SetActive(true);
    for (int i = 0; i < kWords; ++i) ASSERT_TRUE(d.AddIgnore(Word(true, i)));
    ASSERT_TRUE(d.SaveChanges());
  }
  // One save of a whole word-set switch, as the worker makes it.
  const auto started = std::chrono::steady_clock::now();
  {
    TCustomDictionary d;
    d.SetFilename(path);
    d.SetActive(true);
    for (bool setA : {true, false})
      for (int i = 0; i < kWords; ++i) {
        d.RemoveIgnore(Word(setA, i));
        d.AddIgnore(Word(!setA, i));
      }
    ASSERT_TRUE(d.SaveChanges());
  }
  const auto saveUs = std::chrono::duration_cast<std::chrono::microseconds>(
                          std::chrono::steady_clock::now() - started).count() / 2;
  const unsigned latestKillUs = static_cast<unsigned>(std::max<long long>(saveUs, 1000) * kSavesBeforeLatestKill);
  char last = 'A';
  int changes = 0;
  for (int kill = 0; kill < kKills; ++kill) {
    Platform::DeleteFile(ready);
    const pid_t worker = StartWorker(path + "|" + ready);
    ASSERT_GT(worker, 0);
    for (int waited = 0; !Platform::FileExists(ready); ++waited) {
      if (waited > 20000) {
        ::kill(worker, SIGKILL);
        ::waitpid(worker, nullptr, 0);
        FAIL() << "the worker never started, kill " << kill;
      }
      std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    std::this_thread::sleep_for(std::chrono::microseconds(random() % latestKillUs));
    ::kill(worker, SIGKILL);
    int status = 0;
    ASSERT_EQ(::waitpid(worker, &status, 0), worker);
    // Ended by the kill, not by a failed save.
    ASSERT_TRUE(WIFSIGNALED(status)) << "the worker stopped by itself, kill " << kill;

    std::string why;
    const char now = WordSetOnDisk(path, why);
    ASSERT_NE(now, '?') << "kill " << kill << ": " << why;
    changes += now != last ? 1 : 0;
    last = now;
    // The killed program's lock is gone with it: the next save gets it at once.
    Platform::TFileLock lock;
    ASSERT_EQ(lock.Acquire(path, 0), Platform::TLockResult::Locked) << "kill " << kill;
  }
  // A kill between writing the temporary file and moving it over leaves the
  // temporary file behind; the dictionary itself is whole, and its next save
  // removes what the killed programs left.
  const int leftovers = static_cast<int>(Platform::FindFiles(folder.File("*.tmp")).size());
  {
    TCustomDictionary d;
    d.SetFilename(path);
    ASSERT_TRUE(d.AddIgnore("after"));
    ASSERT_TRUE(d.SaveChanges());
  }
  EXPECT_TRUE(Platform::FindFiles(folder.File("*.tmp")).empty());
  std::cout << kKills << " kills survived; the word set changed between kills " << changes
            << " times; " << leftovers << " temporary files left beside the dictionary until the next save"
            << std::endl;
  // Most kills must come after at least one finished save, or the test
  // proves little.
  EXPECT_GT(changes, kKills / 4);
}
