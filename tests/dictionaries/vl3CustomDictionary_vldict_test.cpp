// Tests of the "vldict custom" commands through their entry point: output
// lines, exit statuses, file creation and files that must stay untouched.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "../../tools/vldict/vldict_custom.cpp"
#include "vl3CustomDictionaryTestModel.h"

using VluModel::ReadFile;
using VluModel::ScratchDir;
using VluModel::WriteFile;

namespace {

struct TRun {
  int status;
  std::string out;
};

TRun Vldict(const std::vector<std::string>& args) {
  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  int status = RunCustomCommand(args);
  std::string out = testing::internal::GetCapturedStdout();
  testing::internal::GetCapturedStderr();
  return {status, out};
}

TEST(VldictCustom, AddThenListPrintsEveryKind) {
  ScratchDir dir("cli-list");
  std::string f = dir.Path("u.vlu");
  EXPECT_EQ(Vldict({"add", f, "I", "colour"}).status, 0);
  EXPECT_TRUE(std::filesystem::exists(f));
  EXPECT_EQ(Vldict({"add", f, "E", "teh"}).status, 0);
  EXPECT_EQ(Vldict({"add", f, "A", "recieve", "receive"}).status, 0);
  TRun list = Vldict({"list", f});
  EXPECT_EQ(list.status, 0);
  EXPECT_EQ(list.out, "I\tcolour\nE\tteh\nA\trecieve\treceive\n");

  EXPECT_EQ(Vldict({"remove", f, "E", "teh"}).status, 0);
  EXPECT_EQ(Vldict({"list", f}).out, "I\tcolour\nA\trecieve\treceive\n");
  TCustomDictionary d;
  d.SetFilename(f);
  EXPECT_TRUE(d.HasIgnore("colour"));
  EXPECT_FALSE(d.HasExclude("teh"));
}

struct TStatusCase {
  std::vector<std::string> args;  // "@" stands for the dictionary file
  int status;
};

TEST(VldictCustom, ExitStatusesTellRefusalFromBadUsage) {
  ScratchDir dir("cli-status");
  std::string f = dir.Path("u.vlu");
  ASSERT_EQ(Vldict({"add", f, "I", "word"}).status, 0);
  const TStatusCase cases[] = {
      {{"add", "@", "I", "word"}, 1},          // already there
      {{"add", "@", "E", "word"}, 1},          // there under another kind
      {{"remove", "@", "A", "word"}, 1},       // not an auto-correct entry
      {{"add", "@", "I", ""}, 1},              // empty word
      {{"add", "@", "I", std::string(501, 'x')}, 1},
      {{"add", "@", "A", "teh"}, 2},           // replacement missing
      {{"add", "@", "I", "a", "b"}, 2},        // replacement not allowed
      {{"add", "@", "X", "a"}, 2},
      {{"add", "@", "i", "a"}, 2},
      {{"remove", "@", "I"}, 2},
      {{"remove", "@", "A", "a", "b"}, 2},
      {{"list"}, 2},
      {{"list", "@", "extra"}, 2},
      {{"frob", "@"}, 2},
      {{}, 2},
  };
  for (const TStatusCase& c : cases) {
    std::vector<std::string> args = c.args;
    for (std::string& a : args) {
      if (a == "@") a = f;
    }
    std::string joined;
    for (const std::string& a : c.args) joined += a.substr(0, 12) + " ";
    EXPECT_EQ(Vldict(args).status, c.status) << joined;
  }
  EXPECT_EQ(Vldict({"list", f}).out, "I\tword\n");
}

TEST(VldictCustom, MissingOrForeignFilesAreReportedAndLeftAlone) {
  ScratchDir dir("cli-files");
  std::string missing = dir.Path("missing.vlu");
  EXPECT_EQ(Vldict({"list", missing}).status, 2);
  EXPECT_EQ(Vldict({"remove", missing, "I", "x"}).status, 1);
  EXPECT_EQ(Vldict({"add", missing, "I", std::string(600, 'y')}).status, 1);
  EXPECT_FALSE(std::filesystem::exists(missing)) << "a refused change creates no file";

  std::string foreign = dir.Path("foreign.vlu");
  WriteFile(foreign, "not a dictionary at all");
  EXPECT_EQ(Vldict({"list", foreign}).status, 2);
  EXPECT_EQ(Vldict({"add", foreign, "I", "x"}).status, 2);
  EXPECT_EQ(ReadFile(foreign), "not a dictionary at all");

  VluModel::Image model;
  model.Add({'I', "kept", ""});
  std::string damaged = model.Bytes().substr(0, 150);
  std::string cut = dir.Path("cut.vlu");
  WriteFile(cut, damaged);
  EXPECT_EQ(Vldict({"list", cut}).status, 2);
  EXPECT_EQ(Vldict({"add", cut, "I", "x"}).status, 2);
  EXPECT_EQ(ReadFile(cut), damaged);

  EXPECT_EQ(Vldict({"add", dir.Path("no-folder") + "/x.vlu", "I", "x"}).status, 2);
}

}  // namespace

TEST(VldictCustom, AChangeWaitsForAnotherSaveOfTheFileAndIsKept) {
  ScratchDir dir("cli-wait");
  std::string f = dir.Path("u.vlu");
  ASSERT_EQ(Vldict({"add", f, "I", "first"}).status, 0);
  std::atomic<int> held{-1};
  // Another thread's lock is as foreign to this one as another program's.
  std::thread saver([&] {
    Platform::TFileLock lock;
    held = lock.Acquire(f, 5000) == Platform::TLockResult::Locked ? 1 : 0;
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
  });
  while (held < 0) std::this_thread::yield();
  EXPECT_EQ(held, 1);
  EXPECT_EQ(Vldict({"add", f, "I", "second"}).status, 0);
  EXPECT_EQ(Vldict({"remove", f, "I", "first"}).status, 0);
  saver.join();
  EXPECT_EQ(Vldict({"list", f}).out, "I\tsecond\n");
  EXPECT_FALSE(std::filesystem::exists(f + Platform::TFileLock::kLockSuffix));
}
