// Several programs saving one custom dictionary at once: separate processes
// (copies of this test program) add and remove words, and none may be lost.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

// First: it brings <windows.h>, which must come before the platform seam.
#include "vl3TestProcess.h"

#include "../platform/vl3TestFolder.h"
#include "vl3CustomDictionary.h"
#include "vl3Platform.h"

namespace {

const char kWorkerVariable[] = "VX_SAVE_WORKER";

// One worker's job, passed to its process in kWorkerVariable.
struct TJob {
  bool keepOpen = false;  // one dictionary object for all words, or one per word
  bool add = true;        // adds new words or removes seeded ones
  std::string prefix;     // the words are prefix + 0, prefix + 1, ...
  int count = 0;
  std::string dictionary;
  std::string goFile;  // the workers start together once it exists

  std::string Encode() const {
    return std::string(keepOpen ? "open" : "short") + "|" + (add ? "add" : "remove") + "|" + prefix + "|" +
           std::to_string(count) + "|" + dictionary + "|" + goFile;
  }
  static TJob Decode(const std::string& text) {
    std::vector<std::string> f;
    std::stringstream in(text);
    for (std::string part; std::getline(in, part, '|');) f.push_back(part);
    TJob job;
    if (f.size() != 6) return job;
    job.keepOpen = f[0] == "open";
    job.add = f[1] == "add";
    job.prefix = f[2];
    job.count = std::stoi(f[3]);
    job.dictionary = f[4];
    job.goFile = f[5];
    return job;
  }
};

std::string Word(const std::string& prefix, int i) { return prefix + std::to_string(i); }

bool Change(TCustomDictionary& d, bool add, const std::string& word) {
  return add ? d.AddIgnore(word) : d.RemoveIgnore(word);
}

// Starts every job in its own process, lets them go at once, and expects
// each to end successfully.
void RunTogether(std::vector<TJob> jobs, const std::string& goFile) {
  std::vector<std::unique_ptr<TTestProcess>> processes;
  for (TJob& job : jobs) {
    job.goFile = goFile;
    processes.push_back(std::make_unique<TTestProcess>());
    ASSERT_TRUE(processes.back()->Start("SaveWorker.Run", kWorkerVariable, job.Encode()));
  }
  ASSERT_TRUE(Platform::WriteWholeFile(goFile, "go"));
  for (size_t i = 0; i < processes.size(); ++i) EXPECT_EQ(processes[i]->Wait(), 0) << "worker " << i;
}

void Seed(const std::string& path, const std::vector<std::string>& prefixes, int count) {
  TCustomDictionary d;
  d.SetFilename(path);
  for (const std::string& p : prefixes)
    for (int i = 0; i < count; ++i) ASSERT_TRUE(d.AddIgnore(Word(p, i)));
  ASSERT_TRUE(d.SaveChanges());
}

// Expects exactly the words of `present` (count each) and none of `gone`.
void ExpectWords(const std::string& path, const std::vector<std::string>& present,
                 const std::vector<std::string>& gone, int count) {
  TCustomDictionary d;
  d.SetFilename(path);
  ASSERT_EQ(d.DictionaryPath(), path);
  EXPECT_EQ(d.CountIgnored(), static_cast<int>(present.size()) * count);
  int missing = 0, back = 0;
  for (const std::string& p : present)
    for (int i = 0; i < count; ++i) missing += d.HasIgnore(Word(p, i)) ? 0 : 1;
  for (const std::string& p : gone)
    for (int i = 0; i < count; ++i) back += d.HasIgnore(Word(p, i)) ? 1 : 0;
  EXPECT_EQ(missing, 0) << "added words lost";
  EXPECT_EQ(back, 0) << "removed words came back";
}

TJob Job(bool keepOpen, bool add, const std::string& prefix, int count, const std::string& dictionary) {
  TJob job;
  job.keepOpen = keepOpen;
  job.add = add;
  job.prefix = prefix;
  job.count = count;
  job.dictionary = dictionary;
  return job;
}

// Every save waits until its file is on disk; natively the folders go to
// memory when the system offers it, so that the test measures turn-taking,
// not the disk. Worker processes inherit the choice.
void UseMemoryFoldersWhereOffered() {
#ifndef _WIN32
  if (Platform::DirectoryExists("/dev/shm")) ::setenv("TMPDIR", "/dev/shm", 1);
#endif
}

// Starting a Windows process under Wine costs far more than natively, so
// the Windows run uses fewer words per process; the overlap is the same.
#ifdef _WIN32
constexpr int kWords = 60;
#else
constexpr int kWords = 200;
#endif

}  // namespace

// The body of every worker process; skipped in an ordinary run.
TEST(SaveWorker, Run) {
  const std::string text = Platform::GetEnvironmentVariable(kWorkerVariable);
  if (text.empty()) GTEST_SKIP() << "runs only as a worker process";
  const TJob job = TJob::Decode(text);
  ASSERT_GT(job.count, 0);
  for (int waited = 0; !Platform::FileExists(job.goFile); ++waited) {
    ASSERT_LT(waited, 60000) << "never told to start";
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  std::unique_ptr<TCustomDictionary> open;
  if (job.keepOpen) {
    open = std::make_unique<TCustomDictionary>();
    open->SetFilename(job.dictionary);
    open->SetActive(true);
  }
  for (int i = 0; i < job.count; ++i) {
    const std::string word = Word(job.prefix, i);
    TCustomDictionary shortLived;
    TCustomDictionary& d = open ? *open : shortLived;
    if (!open) d.SetFilename(job.dictionary);
    ASSERT_EQ(d.DictionaryPath(), job.dictionary);
    ASSERT_TRUE(Change(d, job.add, word)) << word;
    ASSERT_TRUE(d.SaveChanges()) << word;
  }
}

TEST(ConcurrentSaves, EightProgramsAddingAtOnceKeepEveryWord) {
  UseMemoryFoldersWhereOffered();
  TTestFolder folder;
  const std::string path = folder.File("shared.vlu");
  std::vector<TJob> jobs;
  std::vector<std::string> prefixes;
  for (int w = 0; w < 8; ++w) {
    prefixes.push_back("add" + std::to_string(w) + "w");
    jobs.push_back(Job(false, true, prefixes.back(), kWords, path));
  }
  RunTogether(jobs, folder.File("go"));
  ExpectWords(path, prefixes, {}, kWords);
  // Nothing is left beside the dictionary: no lock, no temporary file.
  EXPECT_EQ(Platform::FindFiles(folder.File("*")), (std::vector<std::string>{"go", "shared.vlu"}));
}

TEST(ConcurrentSaves, AddersAndRemoversKeepEveryChange) {
  UseMemoryFoldersWhereOffered();
  TTestFolder folder;
  const std::string path = folder.File("shared.vlu");
  const std::vector<std::string> removed = {"old0w", "old1w", "old2w", "old3w"};
  const std::vector<std::string> kept = {"keep0w", "keep1w"};
  std::vector<std::string> seeded = removed;
  seeded.insert(seeded.end(), kept.begin(), kept.end());
  Seed(path, seeded, kWords / 2);
  std::vector<TJob> jobs;
  std::vector<std::string> present = kept;
  for (int w = 0; w < 4; ++w) {
    present.push_back("new" + std::to_string(w) + "w");
    jobs.push_back(Job(false, true, present.back(), kWords / 2, path));
    jobs.push_back(Job(false, false, removed[w], kWords / 2, path));
  }
  RunTogether(jobs, folder.File("go"));
  ExpectWords(path, present, removed, kWords / 2);
}

TEST(ConcurrentSaves, ProgramsKeepingTheDictionaryOpenSaveEveryWord) {
  UseMemoryFoldersWhereOffered();
  TTestFolder folder;
  const std::string path = folder.File("shared.vlu");
  const std::vector<std::string> removed = {"old0w", "old1w"};
  Seed(path, removed, kWords / 2);
  std::vector<TJob> jobs;
  std::vector<std::string> present;
  for (int w = 0; w < 4; ++w) {
    present.push_back("open" + std::to_string(w) + "w");
    jobs.push_back(Job(true, true, present.back(), kWords / 2, path));
  }
  for (const std::string& p : removed) jobs.push_back(Job(true, false, p, kWords / 2, path));
  RunTogether(jobs, folder.File("go"));
  ExpectWords(path, present, removed, kWords / 2);
}
