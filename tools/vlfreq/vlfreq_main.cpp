// vlfreq: counts how often the words of a main dictionary occur in texts of
// its language and writes the counts beside the dictionary (".vlf"), where
// the accurate suggestion mode ranks common words ahead of rare ones.
//   vlfreq DICT.vlm OUT.vlf TEXT...   (UTF-8 texts; "-" is standard input)
#include <algorithm>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "vl3Ansi.h"
#include "vl3Codepage.h"
#include "vl3MainDictionary.h"

namespace {

constexpr size_t kMaxWords = 120000;  // the most common ones; the rest rank as rare

bool ReadText(const std::string& name, std::string& text) {
  if (name == "-") {
    text.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
    return true;
  }
  std::ifstream in(name, std::ios::binary);
  if (!in) return false;
  std::ostringstream all;
  all << in.rdbuf();
  text = all.str();
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::cerr << "usage: vlfreq DICT.vlm OUT.vlf TEXT...\n";
    return 2;
  }
  TMainDictionary dictionary;
  dictionary.Open(argv[1]);
  if (dictionary.SourcePath() != argv[1]) {
    std::cerr << "vlfreq: cannot open the dictionary '" << argv[1] << "'\n";
    return 2;
  }
  const int codePage = Codepage::OfLanguage(dictionary.LangId());
  const unsigned char* lower = Ansi::LowerCaseTable(codePage);
  const unsigned char* upper = Ansi::UpperCaseTable(codePage);
  auto isLetter = [&](unsigned char c) { return lower[c] != c || upper[c] != c; };

  std::unordered_map<std::string, uint64_t> counts;
  std::unordered_map<std::string, std::string> formOf;  // token -> the dictionary's form
  for (int a = 3; a < argc; ++a) {
    std::string utf8;
    if (!ReadText(argv[a], utf8)) {
      std::cerr << "vlfreq: cannot read '" << argv[a] << "'\n";
      return 2;
    }
    std::string text;
    Codepage::FromUtf8(utf8, codePage, text, ' ');
    size_t pos = 0;
    while (pos < text.size()) {
      while (pos < text.size() && !isLetter(uint8_t(text[pos]))) ++pos;
      size_t end = pos;
      // Letters, with apostrophes inside a word ("don't").
      while (end < text.size() &&
             (isLetter(uint8_t(text[end])) ||
              (text[end] == '\'' && end + 1 < text.size() && isLetter(uint8_t(text[end + 1])))))
        ++end;
      if (end > pos) {
        const std::string token = text.substr(pos, end - pos);
        auto known = formOf.find(token);
        if (known == formOf.end()) {
          std::string form;
          if (dictionary.WordExists(token)) {
            form = token;
          } else {
            std::string lowered = token;
            for (char& c : lowered) c = static_cast<char>(lower[uint8_t(c)]);
            if (dictionary.WordExists(lowered)) form = lowered;
          }
          known = formOf.emplace(token, form).first;
        }
        if (!known->second.empty()) ++counts[known->second];
      }
      pos = end;
    }
  }

  std::vector<std::pair<std::string, uint64_t>> sorted(counts.begin(), counts.end());
  std::sort(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) {
    return a.second != b.second ? a.second > b.second : a.first < b.first;
  });
  if (sorted.size() > kMaxWords) sorted.resize(kMaxWords);
  std::ofstream out(argv[2], std::ios::binary);
  for (const auto& entry : sorted) out << entry.first << ' ' << entry.second << '\n';
  out.close();
  if (!out) {
    std::cerr << "vlfreq: cannot write '" << argv[2] << "'\n";
    return 2;
  }
  std::cerr << argv[2] << ": " << sorted.size() << " words counted\n";
  return 0;
}
