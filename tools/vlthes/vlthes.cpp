// vlthes: compiles mythes-format synonym lists into thesaurus files and
// looks words up in them, the way the thesaurus component reads them.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "vl3Ansi.h"
#include "vl3Codepage.h"
#include "vl3Platform.h"
#include "vl3TerminalText.h"
#include "vl3ThesaurusCompiler.h"
#include "vl3ThesaurusFile.h"

namespace {

const char kUsageText[] =
    "usage: vlthes compile [--name TEXT] [--known WORDLIST] [--max-senses N]\n"
    "                      [--spacing N] [--max-list N] [--max-other N] [--max-nodes N]\n"
    "                      [--compact [--frequencies LIST]] INPUT OUT.vlt\n"
    "         (every single-word headword is kept; a thesaurus too large for the compact\n"
    "          layout, which older readers read, is written in the wide one. --compact\n"
    "          writes the compact layout anyway and drops headwords to fit: the least\n"
    "          frequent first by LIST, lines of \"word count\" counted in real text)\n"
    "       vlthes lookup FILE.vlt < WORDS  (one word a line: \"word: yes\" when the thesaurus\n"
    "                                      has meanings for it, else \"word: no\"; the time\n"
    "                                      taken on standard error)\n"
    "       vlthes lookup FILE.vlt WORD   (each meaning: its headword and part of speech,\n"
    "                                      the words the thesaurus dialog shows for it,\n"
    "                                      then the file's other lists of that meaning)\n"
    "       vlthes words FILE.vlt\n"
    "       vlthes info FILE.vlt\n"
    "Any command takes --codepage 1250|1251|1252: the code page of the\n"
    "thesaurus's words (compile: default 1252; the others: judged from the file).\n";

// Bad usage: the reason and the usage on standard error, status 2.
int Usage(const std::string& message = std::string()) {
  if (!message.empty()) std::fprintf(stderr, "vlthes: %s\n", message.c_str());
  std::fputs(kUsageText, stderr);
  std::fputs(TerminalText::kEncodingUsage, stderr);
  return 2;
}

// The code page of the thesaurus's words (--codepage; otherwise the one
// the loaded file's letters point to).
int codePage = 1252;
bool codePageGiven = false;
// The terminal's encoding (-i, --encoding).
int terminalEncoding = TerminalText::DefaultEncoding();

std::string FromTerminal(const std::string& text) {
  return TerminalText::FromTerminal(text, terminalEncoding, codePage);
}

std::string ToTerminal(const std::string& text) {
  return TerminalText::ToTerminal(text, terminalEncoding, codePage);
}

bool Load(TThesaurusFile& file, const std::string& path) {
  file.SetFileName(path);
  file.SetLoaded(true);
  if (!file.Loaded()) {
    if (Platform::FileExists(path)) {
      std::fprintf(stderr, "vlthes: %s is not a thesaurus file, or is damaged\n", path.c_str());
      return false;
    }
    // The thesauri this tree builds: say how.
    std::string name = path.substr(path.find_last_of("/\\") == std::string::npos ? 0 : path.find_last_of("/\\") + 1);
    if (name.size() > 4 && Ansi::SameText(name.substr(name.size() - 4), ".vlt")) name.resize(name.size() - 4);
    std::string advice;
    if (name == "Brevant") advice = " (./vx build compiles it)";
    for (const char* language : {"English", "German", "Swedish", "Danish", "Russian", "Czech", "Polish"})
      if (name == language) advice = std::string(" (./vx dictionaries ") + language + " compiles it)";
    std::fprintf(stderr, "vlthes: cannot open %s: no such file%s\n", path.c_str(), advice.c_str());
    return false;
  }
  if (!codePageGiven) codePage = file.CodePage();
  return true;
}

// Every word that carries meanings.
std::vector<std::string> WordsWithMeanings(TThesaurusFile& file) {
  std::vector<std::string> words;
  const uint32_t count = file.Wide() ? file.NodeCount() : std::min(file.NodeCount(), VltFormat::kMaxNodes);
  for (uint32_t n = 0; n < count; ++n) {
    TForwardNode node;
    std::string word;
    if (!file.ReadForwardNode(n, node) || node.Links.empty()) continue;
    if (!(node.EndOfWord || node.TailChain) || !file.NodeToWord(word, n)) continue;
    words.push_back(word);
  }
  return words;
}

// "word count" lines (UTF-8); a line without a count ranks by its place.
bool LoadFrequencies(const std::string& path, TCompileOptions& options) {
  std::string text;
  if (!Platform::ReadWholeFile(path, text)) return false;
  uint64_t place = 0;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const std::string line = text.substr(start, end - start);
    start = end + 1;
    const size_t space = line.find_first_of(" \t");
    std::string word;
    if (line.empty() || line[0] == '#' ||
        !Codepage::FromUtf8(line.substr(0, space), codePage, word) || word.empty())
      continue;
    ++place;
    uint64_t count = space == std::string::npos ? 0 : std::strtoull(line.c_str() + space + 1, nullptr, 10);
    if (count == 0) count = UINT64_MAX - place;
    uint64_t& known = options.Frequencies[Ansi::LowerCase(word, codePage)];
    known = std::max(known, count);
  }
  return true;
}

int Compile(const std::vector<std::string>& args) {
  TCompileOptions options;
  options.CodePage = codePage;
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
    const bool takesValue = number != nullptr || arg == "--name" || arg == "--known" || arg == "--frequencies";
    if (arg == "--compact") {
      options.Compact = true;
    } else if (takesValue && i + 1 < args.size()) {
      const std::string value = args[++i];
      if (number != nullptr) {
        *number = std::strtoul(value.c_str(), nullptr, 10);
      } else if (arg == "--frequencies") {
        if (!LoadFrequencies(value, options)) {
          std::fprintf(stderr, "vlthes: cannot read %s\n", value.c_str());
          return 2;
        }
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
      return Usage(takesValue ? arg + " needs a value" : "unknown option " + arg);
    } else {
      files.push_back(arg);
    }
  }
  if (files.size() != 2) return Usage("compile needs an input file and an output file");

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
  std::printf("layout: %s\n", stats.Layout.Wide ? "wide (readers of the compact layout only refuse it)"
                                                 : "compact (read by every reader)");
  if (!stats.Dropped.empty()) {
    // Say what a compact file lacks: how many, and the most looked-up of them.
    std::string sample;
    for (size_t i = 0; i < stats.Dropped.size() && i < 20; ++i)
      sample += (i ? ", " : "") + ToTerminal(stats.Dropped[i]);
    std::printf("dropped to fit: %zu single-word headwords, the most looked-up first: %s%s\n",
                stats.Dropped.size(), sample.c_str(), stats.Dropped.size() > 20 ? ", ..." : "");
  }
  return 0;
}

// Edits (insertions, deletions, substitutions) between two words, case
// ignored; counting stops early once past `limit`.
size_t EditDistance(const std::string& a, const std::string& b, size_t limit) {
  const unsigned char* lower = Ansi::LowerCaseTable(codePage);
  std::vector<size_t> row(b.size() + 1);
  for (size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (size_t i = 1; i <= a.size(); ++i) {
    size_t diagonal = row[0], best = ++row[0];
    for (size_t j = 1; j <= b.size(); ++j) {
      const bool same = lower[static_cast<unsigned char>(a[i - 1])] == lower[static_cast<unsigned char>(b[j - 1])];
      const size_t next = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (same ? 0 : 1)});
      diagonal = row[j];
      row[j] = next;
      best = std::min(best, next);
    }
    if (best > limit) return limit + 1;
  }
  return row[b.size()];
}

// Headwords a few edits from the word, nearest first, at most five.
std::vector<std::string> NearHeadwords(TThesaurusFile& file, const std::string& word) {
  const size_t limit = word.size() <= 4 ? 1 : word.size() <= 8 ? 2 : 3;
  std::vector<std::pair<size_t, std::string>> near;
  for (const std::string& headword : WordsWithMeanings(file)) {
    const size_t length = headword.size() > word.size() ? headword.size() - word.size() : word.size() - headword.size();
    if (length > limit) continue;
    const size_t distance = EditDistance(word, headword, limit);
    if (distance <= limit) near.emplace_back(distance, headword);
  }
  std::sort(near.begin(), near.end());
  std::vector<std::string> words;
  for (size_t i = 0; i < near.size() && words.size() < 5; ++i) words.push_back(near[i].second);
  return words;
}

// The list the thesaurus dialog shows for a meaning: list `category`, or
// for category 0 the first list holding the headword, else the longest.
int ShownList(const TThesaurusEntry& entry) {
  if (entry.Category >= 1 && entry.Category <= 4) return entry.Category - 1;
  const std::string headword = Ansi::LowerCase(entry.Headword, codePage);
  int longest = 0;
  for (int list = 0; list < 4; ++list) {
    for (int i = 0; i < entry.Lists[list].Count(); ++i)
      if (Ansi::LowerCase(entry.Lists[list][i], codePage) == headword) return list;
    if (entry.Lists[list].Count() > entry.Lists[longest].Count()) longest = list;
  }
  return longest;
}

std::string Joined(const TStringList& list) {
  std::string line;
  for (int i = 0; i < list.Count(); ++i) line += (i ? ", " : "") + list[i];
  return line;
}

int Lookup(const std::string& path, const std::string& word) {
  TThesaurusFile file;
  if (!Load(file, path)) return 2;
  const std::string name = ToTerminal(file.ThesaurusName());
  const std::string key = FromTerminal(word);
  if (!file.Lookup(key) || file.Results().empty()) {
    std::printf("%s: \"%s\" not found in %s\n", name.c_str(), word.c_str(), path.c_str());
    const std::vector<std::string> near = NearHeadwords(file, key);
    if (!near.empty()) {
      std::string line;
      for (const std::string& w : near) line += (line.empty() ? "" : ", ") + ToTerminal(w);
      std::printf("near headwords: %s\n", line.c_str());
    }
    return 1;
  }
  std::printf("%s: \"%s\", %zu meaning%s\n", name.c_str(), word.c_str(), file.Results().size(),
              file.Results().size() == 1 ? "" : "s");
  int number = 0;
  for (const auto& entry : file.Results()) {
    const int shown = ShownList(*entry);
    std::printf("%d. %s (%s)\n   %s\n", ++number, ToTerminal(entry->Headword).c_str(),
                ToTerminal(entry->CategoryName).c_str(), ToTerminal(Joined(entry->Lists[shown])).c_str());
    for (int list = 0; list < 4; ++list) {
      if (list == shown || entry->Lists[list].Count() == 0) continue;
      std::printf("   list %d: %s\n", list + 1, ToTerminal(Joined(entry->Lists[list])).c_str());
    }
  }
  return 0;
}

// Words from standard input, answered the way the thesaurus component
// looks them up; the time per look-up goes to standard error.
int LookupList(const std::string& path) {
  TThesaurusFile file;
  const auto start = std::chrono::steady_clock::now();
  if (!Load(file, path)) return 2;
  const auto loaded = std::chrono::steady_clock::now();
  size_t count = 0, found = 0;
  char line[4096];
  while (std::fgets(line, sizeof line, stdin) != nullptr) {
    std::string word(line);
    while (!word.empty() && (word.back() == '\n' || word.back() == '\r')) word.pop_back();
    if (word.empty()) continue;
    const bool has = file.Lookup(FromTerminal(word)) && !file.Results().empty();
    ++count;
    found += has ? 1 : 0;
    std::printf("%s: %s\n", word.c_str(), has ? "yes" : "no");
  }
  const auto done = std::chrono::steady_clock::now();
  using Ms = std::chrono::duration<double, std::milli>;
  std::fprintf(stderr, "vlthes: %zu of %zu found; load %.1f ms, %.1f us a look-up\n", found, count,
               Ms(loaded - start).count(), count ? Ms(done - loaded).count() * 1000 / count : 0.0);
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
  std::printf("name: %s\nlayout: %s\nheadwords: %zu\nmeanings: %u\nnodes: %u\nlink area: %u bytes\n"
              "word index: %u bytes\nfile size: %llu bytes\n",
              ToTerminal(file.ThesaurusName()).c_str(), file.Wide() ? "wide" : "compact",
              WordsWithMeanings(file).size(), file.MeaningCount(),
              file.NodeCount(), file.LinkAreaSize(), file.WordIndexSize(),
              static_cast<unsigned long long>(size));
  for (int c = 0; c < file.CategoryNames().Count(); ++c)
    std::printf("category %d: %s\n", c, ToTerminal(file.CategoryNames()[c]).c_str());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) return Usage("name a command");
  const std::string command = args[0];
  if (command == "--help" || command == "-h" || command == "help") {
    std::fputs(kUsageText, stdout);
    std::fputs(TerminalText::kEncodingUsage, stdout);
    return 0;
  }
  args.erase(args.begin());
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] != "--codepage") continue;
    if (i + 1 >= args.size()) return Usage("--codepage needs 1250, 1251 or 1252");
    codePage = std::atoi(args[i + 1].c_str());
    if (!Codepage::IsSupported(codePage)) return Usage("--codepage needs 1250, 1251 or 1252");
    codePageGiven = true;
    args.erase(args.begin() + i, args.begin() + i + 2);
    break;
  }
  std::string error;
  if (!TerminalText::TakeEncodingOption(args, terminalEncoding, error)) return Usage(error);
  if (command == "compile") return Compile(args);
  if (command == "lookup") {
    if (args.size() == 1) return LookupList(args[0]);
    if (args.size() != 2) return Usage("lookup needs a thesaurus file and one word");
    return Lookup(args[0], args[1]);
  }
  if (command == "words" || command == "info") {
    if (args.size() != 1) return Usage(command + " needs one thesaurus file");
    return command == "words" ? Words(args[0]) : Info(args[0]);
  }
  return Usage("unknown command " + command);
}
