// Time per misspelled word of the suggestion pipeline on the compiled
// American dictionary: edit candidates, phonetic search, ranking.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "vl3Ansi.h"
#include "vl3MainDictionary.h"
#include "vl3PhoneticsMap.h"
#include "vl3StringList.h"
#include "vl3Suggestions.h"

using Clock = std::chrono::steady_clock;

static double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}
static double P90(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() * 9 / 10];
}

int main(int argc, char** argv) {
  std::string dictPath = argc > 1 ? argv[1] : std::string(VX_DATA_DIR) + "/American.vlm";
  std::string wordsPath = argc > 2 ? argv[2] : std::string(VX_SOURCE_DIR) + "/bench/data/misspellings.txt";
  TMainDictionary dict;
  dict.Open(dictPath);
  if (dict.SourcePath() != dictPath) {
    std::printf("cannot open %s\n", dictPath.c_str());
    return 1;
  }
  dict.SetMapped(true);
  std::vector<std::pair<std::string, std::string>> cases;
  std::ifstream in(wordsPath);
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    auto tab = line.find('\t');
    if (tab == std::string::npos) continue;
    cases.emplace_back(line.substr(0, tab), line.substr(tab + 1));
  }
  long calls = 0;
  std::string lower;
  TWordExistsTest test = [&](const std::string& w) {
    ++calls;
    if (dict.WordExists(w)) return true;
    lower.assign(w);
    for (char& c : lower) c = Ansi::ToLower(c);
    return lower != w && dict.WordExists(lower);
  };
  TSuggestionsGenerator gen;
  gen.SetLanguage(dict.LangId());
  TPhoneticsMap map;
  std::vector<double> genTimes, phonTimes, totalTimes;
  int found = 0, top1 = 0;
  // Per word, the fastest of several rounds: the machine is shared, and a
  // preempted run says nothing about the code.
  genTimes.assign(cases.size(), 1e30);
  phonTimes.assign(cases.size(), 1e30);
  totalTimes.assign(cases.size(), 1e30);
  for (int round = 0; round < 7; ++round) {
    found = top1 = 0; calls = 0;
    for (size_t ci = 0; ci < cases.size(); ++ci) {
      const auto& c = cases[ci];
      TStringList list;
      auto t0 = Clock::now();
      gen.GenerateWithCase(c.first, -1, test, &list);
      int g = list.Count();
      auto t1 = Clock::now();
      map.SetLanguage(dict.LangId());
      dict.FindPhoneticMatches(c.first, map, list);
      if ((map.Language() & 0xFF) == 9 && list.Count() < 20) {
        map.SetLanguage(0);
        dict.FindPhoneticMatches(c.first, map, list);
      }
      ScoreSuggestions(c.first, list);
      DropDistantPhoneticMatches(c.first, map, list, g);
      SortSuggestionsByScore(list);
      TruncateSuggestions(list, 10);
      auto t2 = Clock::now();
      genTimes[ci] = std::min(genTimes[ci], std::chrono::duration<double, std::micro>(t1 - t0).count());
      phonTimes[ci] = std::min(phonTimes[ci], std::chrono::duration<double, std::micro>(t2 - t1).count());
      totalTimes[ci] = std::min(totalTimes[ci], std::chrono::duration<double, std::micro>(t2 - t0).count());
      int idx = list.IndexOf(c.second);
      if (idx >= 0) ++found;
      if (idx == 0) ++top1;
    }
  }
  std::printf("words %zu  existence calls/word %.0f\n", cases.size(), double(calls) / cases.size());
  std::printf("edit candidates  median %.1f us  p90 %.1f us\n", Median(genTimes), P90(genTimes));
  std::printf("phonetic+rank    median %.1f us  p90 %.1f us\n", Median(phonTimes), P90(phonTimes));
  std::printf("total            median %.1f us  p90 %.1f us  max %.1f us\n", Median(totalTimes), P90(totalTimes),
              *std::max_element(totalTimes.begin(), totalTimes.end()));
  std::printf("intended word in top 10: %d/%zu, first: %d\n", found, cases.size(), top1);
  return 0;
}
