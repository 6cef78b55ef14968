// Look-up speed of the main dictionary reader on the shipped American list:
// present and absent words in three case forms, file size and load time.
// With --fixed every probe set (--fixed=N: only the N-th, from 0) is looked
// up once inside CountedPass, for instruction counts:
// valgrind --tool=callgrind --toggle-collect='*CountedPass*' main_dictionary_bench --fixed
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <random>
#include <string>
#include <vector>

#include "vl3Ansi.h"
#include "vl3MainDictionary.h"
#include "vl3Platform.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point from) {
  return std::chrono::duration<double>(Clock::now() - from).count();
}

std::string Capitalised(const std::string& w) {
  std::string s = Ansi::LowerCase(w);
  if (!s.empty()) s[0] = Ansi::ToUpper(s[0]);
  return s;
}

// Runs the probes repeatedly for about half a second of processor time (the
// machine may be shared); returns look-ups per second and how many were
// found in one pass.
double Rate(TMainDictionary& dictionary, const std::vector<std::string>& probes, size_t& found) {
  found = 0;
  for (const std::string& w : probes) found += dictionary.WordExists(w) ? 1 : 0;
  size_t lookups = 0;
  volatile size_t sink = 0;
  const std::clock_t start = std::clock();
  double elapsed = 0;
  do {
    for (const std::string& w : probes) sink = sink + (dictionary.WordExists(w) ? 1 : 0);
    lookups += probes.size();
    elapsed = double(std::clock() - start) / CLOCKS_PER_SEC;
  } while (elapsed < 0.5);
  return lookups / elapsed;
}

// Kept out of line so that a profiler can count exactly these look-ups.
__attribute__((noinline)) size_t CountedPass(TMainDictionary& dictionary,
                                             const std::vector<std::string>& probes) {
  size_t found = 0;
  for (const std::string& w : probes) found += dictionary.WordExists(w) ? 1 : 0;
  return found;
}

}  // namespace

int main(int argc, char** argv) {
  std::string path = std::string(VX_DATA_DIR) + "/American.vlm";
  bool fixed = false;
  int onlySet = -1;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg.compare(0, 7, "--fixed") == 0) {
      fixed = true;
      if (arg.size() > 8 && arg[7] == '=') onlySet = std::atoi(arg.c_str() + 8);
    } else {
      path = arg;
    }
  }
  uint64_t size = 0;
  if (!Platform::GetFileSize(path, size)) {
    std::fprintf(stderr, "main_dictionary_bench: %s is missing (build the vx_data target)\n",
                 path.c_str());
    return 1;
  }

  // Load: open (header check) + map + first look-up, best of several runs.
  double load = 1e9;
  for (int i = 0; i < (fixed ? 1 : 20); ++i) {
    const auto start = Clock::now();
    TMainDictionary dictionary;
    dictionary.Open(path);
    dictionary.WordExists("the");
    load = std::min(load, Seconds(start));
  }

  TMainDictionary dictionary;
  dictionary.Open(path);
  if (dictionary.SourcePath() != path) {
    std::fprintf(stderr, "main_dictionary_bench: %s is not a main dictionary\n", path.c_str());
    return 1;
  }
  std::vector<std::string> words;
  dictionary.EnumerateWords("", [&](const std::string& w) {
    words.push_back(w);
    return true;
  });
  std::sort(words.begin(), words.end());  // the sample must not depend on the stored order
  std::mt19937 random(42);
  std::shuffle(words.begin(), words.end(), random);
  words.resize(std::min<size_t>(words.size(), 20000));

  // Absent words: present ones with one letter changed in the middle.
  std::vector<std::string> absent;
  for (const std::string& w : words) {
    std::string a = w;
    a[a.size() / 2] = a[a.size() / 2] == 'q' ? 'j' : 'q';
    if (!dictionary.WordExists(a)) absent.push_back(a);
  }

  std::printf("file: %s\n", path.c_str());
  std::printf("size: %llu bytes, words: %u, nodes: %u\n", static_cast<unsigned long long>(size),
              dictionary.StoredWordCount(), dictionary.NodeCount());
  std::printf("load (open + map + first look-up): %.3f ms\n", load * 1000);

  struct {
    const char* name;
    std::string (*form)(const std::string&);
  } forms[] = {
      {"lower", Ansi::LowerCase}, {"capitalised", Capitalised}, {"upper", Ansi::UpperCase}};
  int setNumber = -1;
  for (const auto& form : forms) {
    for (int set = 0; set < 2; ++set) {
      ++setNumber;
      if (onlySet >= 0 && setNumber != onlySet) continue;
      std::vector<std::string> probes;
      for (const std::string& w : set == 0 ? words : absent) probes.push_back(form.form(w));
      size_t found = 0;
      if (fixed) {
        // Counted after a first pass, like the timed runs.
        for (const std::string& w : probes) dictionary.WordExists(w);
        found = CountedPass(dictionary, probes);
        std::printf("%-11s %-7s %zu of %zu found\n", form.name, set == 0 ? "present" : "absent",
                    found, probes.size());
        continue;
      }
      const double rate = Rate(dictionary, probes, found);
      std::printf("%-11s %-7s %9.0f look-ups/s (%zu of %zu found)\n", form.name,
                  set == 0 ? "present" : "absent", rate, found, probes.size());
    }
  }
  return 0;
}
