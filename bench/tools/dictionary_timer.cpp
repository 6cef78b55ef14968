// Load time and look-up speed of one main dictionary on the words of a text.
// Usage: dictionary_timer DICT.vlm CODEPAGE WORDS.txt
// WORDS.txt holds one UTF-8 word a line; prints "load_ms X lookups_per_s Y".
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "vl3Codepage.h"
#include "vl3MainDictionary.h"
#include "vl3Platform.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point from) {
  return std::chrono::duration<double>(Clock::now() - from).count();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: dictionary_timer DICT.vlm CODEPAGE WORDS.txt\n");
    return 2;
  }
  const std::string path = argv[1];
  const int codePage = std::atoi(argv[2]);
  std::string text;
  if (!Platform::ReadWholeFile(argv[3], text)) return 1;
  std::vector<std::string> words;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string ansi;
    if (end > start && Codepage::FromUtf8(text.substr(start, end - start), codePage, ansi))
      words.push_back(ansi);
    start = end + 1;
  }
  if (words.empty()) return 1;

  // Opening, mapping and the first look-up: the cost of a check's start.
  std::vector<double> loads;
  for (int round = 0; round < 5; ++round) {
    const Clock::time_point t0 = Clock::now();
    TMainDictionary dictionary;
    dictionary.Open(path);
    dictionary.SetMapped(true);
    dictionary.WordExists(words[0]);
    loads.push_back(Seconds(t0));
    if (dictionary.SourcePath() != path) return 1;
  }
  std::sort(loads.begin(), loads.end());

  TMainDictionary dictionary;
  dictionary.Open(path);
  dictionary.SetMapped(true);
  size_t lookups = 0, found = 0;
  const Clock::time_point t0 = Clock::now();
  do {
    for (const std::string& w : words) found += dictionary.WordExists(w) ? 1 : 0;
    lookups += words.size();
  } while (Seconds(t0) < 0.3);
  const double seconds = Seconds(t0);
  std::printf("load_ms %.2f lookups_per_s %.0f found %zu\n", loads[2] * 1000, lookups / seconds,
              found);
  return 0;
}
