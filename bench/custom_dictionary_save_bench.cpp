// Time per saved word when 1, 4 and 8 programs save one custom dictionary of
// 10,000 entries at once, each word saved on its own (as an application
// that saves after every added word does, and as one-word command runs do).
// Usage: custom_dictionary_save_bench [WORDS_PER_WRITER] [FOLDER]
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "vl3CustomDictionary.h"
#include "vl3Platform.h"

namespace {

constexpr int kEntries = 10000;

std::string Word(const std::string& prefix, int i) { return prefix + std::to_string(i); }

void MakeDictionary(const std::string& path) {
  Platform::DeleteFile(path);
  TCustomDictionary d;
  d.SetFilename(path);
  for (int i = 0; i < kEntries; ++i) d.AddIgnore(Word("base", i));
  d.SaveChanges();
}

// One writer process: `words` words, each added and saved; with keepOpen one
// dictionary object for all of them, otherwise a fresh one per word.
int Writer(const std::string& path, const std::string& prefix, int words, bool keepOpen) {
  std::unique_ptr<TCustomDictionary> open;
  if (keepOpen) {
    open = std::make_unique<TCustomDictionary>();
    open->SetFilename(path);
    open->SetActive(true);
  }
  int failures = 0;
  for (int i = 0; i < words; ++i) {
    TCustomDictionary fresh;
    TCustomDictionary& d = open ? *open : fresh;
    if (!open) d.SetFilename(path);
    if (!d.AddIgnore(Word(prefix, i)) || !d.SaveChanges()) ++failures;
  }
  return failures == 0 ? 0 : 1;
}

bool Run(const std::string& path, int writers, int words, bool keepOpen, double& msPerWord) {
  MakeDictionary(path);
  const auto start = std::chrono::steady_clock::now();
  std::vector<pid_t> children;
  for (int w = 0; w < writers; ++w) {
    pid_t pid = ::fork();
    if (pid == 0) ::_exit(Writer(path, "w" + std::to_string(w) + "x", words, keepOpen));
    if (pid > 0) children.push_back(pid);
  }
  bool ok = static_cast<int>(children.size()) == writers;
  for (pid_t pid : children) {
    int status = 0;
    ok = ::waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0 && ok;
  }
  const double ms =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  msPerWord = ms / (writers * words);
  TCustomDictionary check;
  check.SetFilename(path);
  return ok && check.CountIgnored() == kEntries + writers * words;
}

}  // namespace

int main(int argc, char** argv) {
  const int words = argc > 1 ? std::atoi(argv[1]) : 40;
  const std::string folder = argc > 2 ? argv[2] : Platform::TempDirectory();
  const std::string path = folder + "\\vx_save_bench_" + std::to_string(::getpid()) + ".vlu";
  if (words <= 0) {
    std::fprintf(stderr, "usage: custom_dictionary_save_bench [WORDS_PER_WRITER] [FOLDER]\n");
    return 2;
  }
  std::printf("custom dictionary of %d entries, %d words per writer, each saved on its own\n", kEntries,
              words);
  std::printf("%-8s %-22s %14s %s\n", "writers", "writer keeps it open", "ms per word", "all kept");
  int status = 0;
  for (bool keepOpen : {true, false}) {
    for (int writers : {1, 4, 8}) {
      double msPerWord = 0;
      const bool ok = Run(path, writers, words, keepOpen, msPerWord);
      std::printf("%-8d %-22s %14.2f %s\n", writers, keepOpen ? "yes" : "no (one per word)", msPerWord,
                  ok ? "yes" : "NO");
      if (!ok) status = 1;
    }
  }
  Platform::DeleteFile(path);
  return status;
}
