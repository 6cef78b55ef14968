// vlthes: compiles mythes-format synonym lists into thesaurus files and
// looks words up in them, the way the thesaurus component reads them.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "vl3Codepage.h"
#include "vl3Platform.h"
#include "vl3ThesaurusCompiler.h"
#include "vl3ThesaurusFile.h"

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: vlthes compile [--name TEXT] [--known WORDLIST] [--max-senses N]\n"
               "                      [--spacing N] [--max-list N] [--max-other N] [--max-nodes N]\n"
               "                      INPUT OUT.vlt\n"
               "       vlthes lookup FILE.vlt WORD\n"
               "       vlthes words FILE.vlt\n"
               "       vlthes info FILE.vlt\n"
               "Any command takes --codepage 1250|1251|1252: the code page of the\n"
               "thesaurus's words (default 1252).\n");
  return 2;
}

// The code page of the thesaurus's words (--codepage).
int codePage = 1252;

// The terminal speaks UTF-8 natively; under Windows the arguments and the
// console already use the ANSI code page.
std::string FromTerminal(const std::string& text) {
#ifdef _WIN32
  return text;
#else
  std::string ansi;
  Codepage::FromUtf8(text, codePage, ansi);
  return ansi;
#endif
}

std::string ToTerminal(const std::string& text) {
#ifdef _WIN32
  return text;
#else
  return Codepage::ToUtf8(text, codePage);
#endif
}

bool Load(TThesaurusFile& file, const std::string& path) {
  file.SetFileName(path);
  file.SetLoaded(true);
  if (!file.Loaded()) {
    std::fprintf(stderr, "vlthes: cannot read thesaurus file %s\n", path.c_str());
    return false;
  }
  return true;
}

// Every word that carries meanings.
std::vector<std::string> WordsWithMeanings(TThesaurusFile& file) {
  std::vector<std::string> words;
  const uint32_t count = std::min(file.NodeCount(), VltFormat::kMaxNodes);
  for (uint32_t n = 0; n < count; ++n) {
    TForwardNode node;
    std::string word;
    if (!file.ReadForwardNode(static_cast<uint16_t>(n), node) || node.Links.empty()) continue;
    if (!(node.EndOfWord || node.TailChain) || !file.NodeToWord(word, static_cast<uint16_t>(n))) continue;
    words.push_back(word);
  }
  return words;
}

int Compile(const std::vector<std::string>& args) {
  TCompileOptions options;
  std::vector<std::string> files;
  const std::pair<const char*, size_t*> numbers[] = {
      {"--max-nodes", &options.MaxNodes},   {"--max-list", &options.MaxListWords},
      {"--max-senses", &options.MaxSenses}, {"--max-other", &options.MaxOtherWords},
      {"--spacing", &options.SenseSpacing}};
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    size_t* number = nullptr;
    for (const auto& option : numbers)
      if (arg == option.first) number = option.second;
    const bool takesValue = number != nullptr || arg == "--name" || arg == "--known";
    if (takesValue && i + 1 < args.size()) {
      const std::string value = args[++i];
      if (number != nullptr) {
        *number = std::strtoul(value.c_str(), nullptr, 10);
      } else if (arg == "--name") {
        options.Name = FromTerminal(value);
      } else {
        TStringList known;
        if (!known.LoadFromFile(value)) {
          std::fprintf(stderr, "vlthes: cannot read %s\n", value.c_str());
          return 2;
        }
        // System word lists are UTF-8 on every platform.
        for (int k = 0; k < known.Count(); ++k) {
          std::string word;
          Codepage::FromUtf8(known[k], codePage, word);
          options.KnownWords.insert(word);
        }
      }
    } else if (!arg.empty() && arg[0] == '-') {
      return Usage();
    } else {
      files.push_back(arg);
    }
  }
  if (files.size() != 2) return Usage();

  std::string text, error, bytes;
  if (!Platform::ReadWholeFile(files[0], text)) {
    std::fprintf(stderr, "vlthes: cannot read %s\n", files[0].c_str());
    return 2;
  }
  std::vector<TSourceEntry> entries;
  TCompileStats stats;
  if (!ParseMythes(text, entries, error, codePage) || !CompileThesaurus(entries, options, bytes, stats, error)) {
    std::fprintf(stderr, "vlthes: %s: %s\n", files[0].c_str(), error.c_str());
    return 2;
  }
  if (!Platform::WriteWholeFile(files[1], bytes)) {
    std::fprintf(stderr, "vlthes: cannot write %s\n", files[1].c_str());
    return 2;
  }
  std::printf(
      "%s: kept %zu of %zu headwords (%zu dropped, %zu of them not single known words); %zu meanings "
      "for %zu of %zu senses; %zu words, %zu nodes (%zu in shared tails); %zu bytes\n",
      files[1].c_str(), stats.KeptHeadwords, stats.SourceHeadwords, stats.SourceHeadwords - stats.KeptHeadwords,
      stats.SourceHeadwords - stats.EligibleHeadwords, stats.Meanings, stats.KeptLinks, stats.SourceSenses,
      stats.Layout.Words, stats.Layout.Nodes, stats.Layout.TailNodes, stats.Layout.FileSize);
  return 0;
}

int Lookup(const std::string& path, const std::string& word) {
  TThesaurusFile file;
  if (!Load(file, path)) return 2;
  std::printf("%s\n", ToTerminal(file.ThesaurusName()).c_str());
  if (!file.Lookup(FromTerminal(word)) || file.Results().empty()) return 1;
  for (const auto& entry : file.Results()) {
    std::printf("%s\t%d\t%s\n", ToTerminal(entry->Headword).c_str(), entry->Category,
                ToTerminal(entry->CategoryName).c_str());
    for (int list = 0; list < 4; ++list) {
      std::string line;
      for (int i = 0; i < entry->Lists[list].Count(); ++i)
        line += (i ? ", " : "") + entry->Lists[list][i];
      std::printf("%d: %s\n", list + 1, ToTerminal(line).c_str());
    }
  }
  return 0;
}

int Words(const std::string& path) {
  TThesaurusFile file;
  if (!Load(file, path)) return 2;
  std::vector<std::string> words = WordsWithMeanings(file);
  std::sort(words.begin(), words.end());
  for (const auto& word : words) std::printf("%s\n", ToTerminal(word).c_str());
  return 0;
}

int Info(const std::string& path) {
  TThesaurusFile file;
  if (!Load(file, path)) return 2;
  uint64_t size = 0;
  Platform::GetFileSize(path, size);
  std::printf("name: %s\nheadwords: %zu\nmeanings: %u\nnodes: %u\nlink area: %u bytes\n"
              "word index: %u bytes\nfile size: %llu bytes\n",
              ToTerminal(file.ThesaurusName()).c_str(), WordsWithMeanings(file).size(), file.MeaningCount(),
              file.NodeCount(), file.LinkAreaSize(), file.WordIndexSize(),
              static_cast<unsigned long long>(size));
  for (int c = 0; c < file.CategoryNames().Count(); ++c)
    std::printf("category %d: %s\n", c, ToTerminal(file.CategoryNames()[c]).c_str());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) return Usage();
  const std::string command = args[0];
  args.erase(args.begin());
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] != "--codepage") continue;
    if (i + 1 >= args.size()) return Usage();
    codePage = std::atoi(args[i + 1].c_str());
    if (!Codepage::IsSupported(codePage)) return Usage();
    args.erase(args.begin() + i, args.begin() + i + 2);
    break;
  }
  if (command == "compile") return Compile(args);
  if (command == "lookup" && args.size() == 2) return Lookup(args[0], args[1]);
  if (command == "words" && args.size() == 1) return Words(args[0]);
  if (command == "info" && args.size() == 1) return Info(args[0]);
  return Usage();
}
