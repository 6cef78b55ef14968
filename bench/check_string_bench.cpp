// Speed of a silent CheckString over a large text with the shipped American
// dictionary, an active custom dictionary and the default options.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <random>
#include <string>
#include <vector>

#include "vl3Ansi.h"
#include "vl3CustomDictionary.h"
#include "vl3MainDictionary.h"
#include "vl3Platform.h"
#include "vl3SpellBase.h"
#include "vl3StringList.h"

namespace {

// Frequent English words, so that the generated prose has the short-word
// mix of real text rather than only long rare words.
const char* const kCommonWords[] = {
    "the", "of", "and", "to", "a", "in", "is", "it", "that", "was", "he", "for", "on", "are", "as",
    "with", "his", "they", "at", "be", "this", "from", "have", "or", "by", "one", "had", "not", "but",
    "what", "all", "were", "when", "we", "there", "can", "an", "your", "which", "their", "said", "if",
    "do", "will", "each", "about", "how", "up", "out", "them", "then", "she", "many", "some", "so",
    "these", "would", "other", "into", "has", "more", "her", "two", "like", "him", "see", "time",
    "could", "no", "make", "than", "first", "been", "its", "who", "now", "people", "my", "made",
    "over", "did", "down", "only", "way", "find", "use", "may", "water", "long", "little", "very",
    "after", "words", "called", "just", "where", "most", "know"};

bool PlainWord(const std::string& w) {
  if (w.empty() || w.size() > 20) return false;
  for (size_t i = 0; i < w.size(); ++i) {
    const char c = w[i];
    const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    if (!letter && !(c == '\'' && i > 0 && i + 1 < w.size())) return false;
  }
  return true;
}

// Sentences of dictionary words: capital first word, the odd comma, a period.
std::string GenerateProse(TMainDictionary& dictionary, size_t wordCount) {
  std::vector<std::string> words;
  dictionary.EnumerateWords("", [&](const std::string& w) {
    if (PlainWord(w)) words.push_back(w);
    return true;
  });
  std::vector<std::string> common;
  for (const char* w : kCommonWords)
    if (dictionary.WordExists(w)) common.push_back(w);
  std::mt19937 random(12345);
  std::string text, previous;
  size_t inSentence = 0, sentenceLength = 10, onLine = 0;
  for (size_t n = 0; n < wordCount; ++n) {
    std::string w;
    do {
      w = (random() % 10 < 6 && !common.empty()) ? common[random() % common.size()] : words[random() % words.size()];
    } while (w == previous);
    previous = w;
    if (inSentence == 0) {
      w[0] = Ansi::ToUpper(w[0]);
      sentenceLength = 6 + random() % 12;
    }
    text += w;
    if (++inSentence == sentenceLength) {
      text += '.';
      inSentence = 0;
      previous.clear();
    } else if (random() % 9 == 0) {
      text += ',';
    }
    if (++onLine == 12) {
      text += "\r\n";
      onLine = 0;
    } else {
      text += ' ';
    }
  }
  return text;
}

double CpuSeconds(std::clock_t from) { return double(std::clock() - from) / CLOCKS_PER_SEC; }

}  // namespace

int main(int argc, char** argv) {
  const std::string dataDir = VX_DATA_DIR;
  const std::string american = dataDir + "/American.vlm";
  if (!Platform::FileExists(american)) {
    std::fprintf(stderr, "check_string_bench: %s is missing (build the vx_data target)\n", american.c_str());
    return 1;
  }

  std::string text;
  if (argc > 1) {
    if (!Platform::ReadWholeFile(argv[1], text)) {
      std::fprintf(stderr, "check_string_bench: cannot read %s\n", argv[1]);
      return 1;
    }
  } else {
    TMainDictionary dictionary;
    dictionary.Open(american);
    text = GenerateProse(dictionary, 1000000);
  }

  // A private folder holding the active custom dictionary; the main
  // dictionary is taken from the data folder by path.
  const std::string folder = Platform::TempDirectory() + "\\vxbench_" + std::to_string(::getpid());
  Platform::CreateDirectory(folder);
  {
    TCustomDictionary custom;
    for (const char* w : {"Vexlor", "zorbly", "quuxly", "frobnicate"}) custom.AddIgnore(w);
    custom.SaveCopyAs(folder + "\\Bench.vlu");
  }

  TVexlorSpell3Base engine;
  engine.SetConfigStorage(csNone);
  engine.SetSuggestionsLearning(false);
  TStringList folders;
  folders.Add(folder);
  engine.SetConfigDictionaryDir(folders);
  // A name holding a backslash is a path, not a name to look up in the folders.
  std::string americanPath = american;
  std::replace(americanPath.begin(), americanPath.end(), '/', '\\');
  TStringList mains;
  mains.Add(americanPath);
  engine.SetConfigDefaultMain(mains);
  engine.SetConfigDefaultActiveCustom("Bench.vlu");
  engine.SetKeepDictionariesActive(true);
  size_t prompts = 0;
  std::vector<std::string> prompted;
  engine.OnPromptWord = [&](TVexlorSpell3Base* sender, const std::string& word, bool) {
    ++prompts;
    if (prompted.size() < 5) prompted.push_back(word);
    sender->Ignore();
  };

  // Warm-up check: loads the configuration, maps the dictionary.
  std::string copy = text;
  engine.CheckString(copy);
  const int32_t words = engine.WordsChecked();
  const bool activeCustom = engine.ActiveCustomDictionary() != nullptr;

  std::vector<double> rates;
  for (int run = 0; run < 5; ++run) {
    copy = text;
    prompts = 0;
    const std::clock_t start = std::clock();
    engine.CheckString(copy);
    rates.push_back(engine.WordsChecked() / CpuSeconds(start));
  }
  std::sort(rates.begin(), rates.end());

  std::printf("text: %s, %zu bytes, %d words\n", argc > 1 ? argv[1] : "generated prose", text.size(), words);
  std::printf("dictionaries: American.vlm, active custom dictionary %s, default options\n",
              activeCustom ? "open" : "MISSING");
  std::printf("prompts per check (answered with Ignore): %zu", prompts);
  for (const std::string& w : prompted) std::printf(" \"%s\"", w.c_str());
  std::printf("\n");
  std::printf("CheckString: median %.2f M words/s, best %.2f M words/s (processor time, 5 runs)\n",
              rates[rates.size() / 2] / 1e6, rates.back() / 1e6);

  Platform::DeleteFile(folder + "\\Bench.vlu");
  Platform::RemoveDirectory(folder);
  return 0;
}
