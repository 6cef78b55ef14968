// vldict: the command-line front of the dictionary compiler and readers;
// scripts and the data build drive it, so its output format is fixed.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "vl3Ansi.h"
#include "vl3Codepage.h"
#include "vl3CommandLineChecker.h"
#include "vl3DictionaryCompiler.h"
#include "vl3DictionaryNames.h"
#include "vl3MainDictionary.h"
#include "vl3Platform.h"
#include "vl3TerminalText.h"
#include "vldict_custom.h"

namespace {

constexpr int kOk = 0;
constexpr int kFailed = 1;
constexpr int kUsage = 2;

const char kUsageText[] =
    "usage: vldict compile [--lang N] [--title TEXT] [--utf8 | --ansi] [--codepage 1250|1251|1252]\n"
    "                      [--compact] WORDLIST OUT.vlm\n"
    "         (a UTF-8 list is found and converted by itself; --ansi keeps the bytes as they are;\n"
    "          a list too large for the compact layout, which older readers read, is written\n"
    "          whole in the wide one; --compact drops the least common words to fit instead)\n"
    "       vldict info DICT.vlm\n"
    "       vldict lookup DICT.vlm < WORDS   (one word a line on standard input; answers\n"
    "                                         yes or no as the spell checker would)\n"
    "       vldict words DICT.vlm            (every word, in alphabetical order)\n"
    "  DICT.vlm is a path, a file name of the current folder or of the build's data\n"
    "  folder, or a language name (deutsch, ru_RU, ...).\n";

// The terminal's encoding for info, lookup and words (-i, --encoding).
int terminalEncoding = TerminalText::DefaultEncoding();

void WriteUsage(std::ostream& out) {
  out << kUsageText << TerminalText::kEncodingUsage;
  WriteCustomUsage(out, false);
}

int Usage(const std::string& message) {
  if (!message.empty()) std::cerr << "vldict: " << message << "\n";
  WriteUsage(std::cerr);
  return kUsage;
}

int Fail(const std::string& message) {
  std::cerr << "vldict: " << message << "\n";
  return kFailed;
}

// Decimal or 0x-prefixed hexadecimal, whole text, 32 bits.
bool ParseLanguage(const std::string& text, uint32_t& value) {
  std::string digits = text;
  int base = 10;
  if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
    digits = digits.substr(2);
    base = 16;
  }
  if (digits.empty() || digits.size() > 10) return false;
  uint64_t result = 0;
  for (char c : digits) {
    int digit;
    if (c >= '0' && c <= '9')
      digit = c - '0';
    else if (base == 16 && c >= 'a' && c <= 'f')
      digit = c - 'a' + 10;
    else if (base == 16 && c >= 'A' && c <= 'F')
      digit = c - 'A' + 10;
    else
      return false;
    result = result * base + digit;
    if (result > 0xFFFFFFFFull) return false;
  }
  value = static_cast<uint32_t>(result);
  return true;
}

int Compile(const std::vector<std::string>& args) {
  TDictionaryCompileOptions options;
  bool utf8 = false, ansi = false, compact = false;
  std::vector<std::string> files;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--lang") {
      if (i + 1 >= args.size() || !ParseLanguage(args[i + 1], options.langId))
        return Usage("--lang needs a decimal or 0x-hexadecimal language identifier");
      ++i;
    } else if (arg == "--title") {
      if (i + 1 >= args.size()) return Usage("--title needs a text");
      options.title = args[++i];
    } else if (arg == "--utf8") {
      utf8 = true;
    } else if (arg == "--ansi") {
      ansi = true;
    } else if (arg == "--compact") {
      compact = true;
    } else if (arg == "--codepage") {
      uint32_t codePage = 0;
      if (i + 1 >= args.size() || !ParseLanguage(args[i + 1], codePage) ||
          !Codepage::IsSupported(static_cast<int>(codePage)))
        return Usage("--codepage needs 1250, 1251 or 1252");
      options.codePage = static_cast<int>(codePage);
      ++i;
    } else if (arg.size() > 1 && arg[0] == '-' && arg.compare(0, 2, "--") == 0) {
      return Usage("unknown option " + arg);
    } else {
      files.push_back(arg);
    }
  }
  if (files.size() != 2) return Usage("compile needs a word list and an output file");
  if (utf8 && ansi) return Usage("choose one of --utf8 and --ansi");

  std::string text;
  if (!Platform::ReadWholeFile(files[0], text)) return Fail("cannot read " + files[0]);
  if (!utf8 && !ansi && TerminalText::LooksLikeUtf8(text)) {
    // Stored as they are, its accented letters would become two or three
    // letters each that no text in the code page contains.
    utf8 = true;
    std::cerr << "vldict: " << files[0] << " is UTF-8: converted to Windows-" << options.codePage
              << " (--ansi keeps the bytes as they are)\n";
  }
#ifndef _WIN32
  // The terminal speaks UTF-8; under Windows arguments are already ANSI.
  std::string title;
  Codepage::FromUtf8(options.title, options.codePage, title);
  options.title = title;
#endif
  TDictionaryCompiler compiler;
  const size_t leftOut = compiler.AddWordList(text, utf8, options.codePage);
  if (leftOut > 0)
    std::cerr << "vldict: left out " << leftOut << " words that Windows-" << options.codePage
              << " cannot hold\n";
  // A list too large for the compact layout goes whole into the wide one;
  // with --compact it keeps the words users meet most.
  options.allowWide = !compact;
  options.dropToFit = true;
  std::string error;
  TDictionaryStats stats;
  if (!compiler.CompileToFile(options, files[1], error, &stats))
    return Fail(files[0] + ": " + error);
  std::cout << files[1] << ": kept " << stats.words << " words, dropped " << stats.dropped
            << " to fit the format; " << stats.nodes << " nodes, " << stats.linkAreaSize
            << " bytes of child links, " << stats.fileSize << " bytes; "
            << (stats.wideLayout ? "wide layout (readers of the compact layout only refuse it)"
                                 : "compact layout")
            << "\n";
  return kOk;
}

// Where a bare file name is looked for, in order.
std::vector<std::string> DictionaryFolders() {
  std::vector<std::string> folders{"."};
#ifdef VX_DATA_DIR
  folders.push_back(VX_DATA_DIR);
#endif
  return folders;
}

// The file a dictionary argument names: a path as it is, a bare name from
// the folders, a language name as its file.
std::string ResolveDictionary(const std::string& name, std::string& searched) {
  if (name.find_first_of("/\\") != std::string::npos) return name;
  std::string file = name;
  const bool isFile = file.size() > 4 && Ansi::SameText(file.substr(file.size() - 4), ".vlm");
  std::string languageFile;
  if (!isFile && DictionaryFileForLanguage(name, languageFile)) file = languageFile;
  for (const std::string& folder : DictionaryFolders()) {
    const std::string path = folder == "." ? file : folder + "/" + file;
    if (Platform::FileExists(path)) return path;
    searched += (searched.empty() ? "" : ", ") + (folder == "." ? std::string("the current folder") : folder);
  }
  return file;
}

// Opens and maps a dictionary; false (with a message) when it is unusable.
bool OpenDictionary(const std::string& name, TMainDictionary& dictionary) {
  std::string searched;
  const std::string path = ResolveDictionary(name, searched);
  if (!Platform::FileExists(path)) {
    std::string message = "cannot open " + name;
    message += searched.empty() ? ": no such file" : ": not found in " + searched;
    const std::string advice = DictionaryBuildAdvice(name);
    if (!advice.empty()) message += " (" + advice + ")";
    Fail(message);
    return false;
  }
  dictionary.Open(path);
  if (dictionary.SourcePath() != path) {
    Fail(path + " is not a main dictionary");
    return false;
  }
  dictionary.SetMapped(true);
  if (!dictionary.Mapped()) {
    Fail(path + " is damaged (too short for its own tables)");
    return false;
  }
  return true;
}

int Info(const std::vector<std::string>& args) {
  if (args.size() != 1) return Usage("info needs one dictionary file");
  TMainDictionary dictionary;
  if (!OpenDictionary(args[0], dictionary)) return kFailed;
  char language[16];
  std::snprintf(language, sizeof language, "0x%04X", static_cast<unsigned>(dictionary.LangId()));
  // The title is in the code page of its language.
  const std::string title = TerminalText::ToTerminal(
      dictionary.DisplayTitle(), terminalEncoding, Codepage::OfLanguage(dictionary.LangId()));
  std::cout << "title: " << title << "\n"
            << "language: " << language << "\n"
            << "words: " << dictionary.StoredWordCount() << "\n"
            << "nodes: " << dictionary.NodeCount() << "\n"
            << "layout: " << (dictionary.Wide() ? "wide" : "compact") << "\n";
  return kOk;
}

// As the spell checker decides: the word as written, or its lower-case
// form ("Cat" and "CAT" for "cat", never "paris" for "Paris"). Words typed
// in UTF-8 are looked up in the dictionary's code page too.
int Lookup(const std::vector<std::string>& args) {
  if (args.size() > 1)
    return Usage("lookup reads the words from standard input, one a line: "
                 "echo WORD | vldict lookup DICT.vlm");
  if (args.size() != 1) return Usage("lookup needs one dictionary file");
  TMainDictionary dictionary;
  if (!OpenDictionary(args[0], dictionary)) return kFailed;
  const int codePage = Codepage::OfLanguage(dictionary.LangId());
  auto known = [&](const std::string& word) {
    return dictionary.WordExists(word) || dictionary.WordExists(Ansi::LowerCase(word, codePage));
  };
  std::string line;
  while (std::getline(std::cin, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::string word = TerminalText::FromTerminal(line, terminalEncoding, codePage);
    bool found = known(word) || (word != line && known(line));
    // A Windows console passes the file's bytes, but a script may pipe UTF-8.
    if (!found && terminalEncoding == TerminalText::kAsFile && TerminalText::LooksLikeUtf8(line))
      found = known(Codepage::Convert(line, Codepage::kUtf8, codePage));
    std::cout << line << (found ? "\tyes\n" : "\tno\n");
  }
  return kOk;
}

// Alphabetical in the dictionary's code page: by lower-case form, then
// capitals first.
int Words(const std::vector<std::string>& args) {
  if (args.size() != 1) return Usage("words needs one dictionary file");
  TMainDictionary dictionary;
  if (!OpenDictionary(args[0], dictionary)) return kFailed;
  std::vector<std::string> words;
  dictionary.EnumerateWords("", [&words](const std::string& word) {
    words.push_back(word);
    return true;
  });
  const int codePage = Codepage::OfLanguage(dictionary.LangId());
  const unsigned char* lower = Ansi::LowerCaseTable(codePage);
  std::sort(words.begin(), words.end(), [lower](const std::string& a, const std::string& b) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
      const unsigned char x = lower[static_cast<unsigned char>(a[i])];
      const unsigned char y = lower[static_cast<unsigned char>(b[i])];
      if (x != y) return x < y;
    }
    if (a.size() != b.size()) return a.size() < b.size();
    return a < b;
  });
  for (const std::string& stored : words) {
    const std::string word = TerminalText::ToTerminal(stored, terminalEncoding, codePage);
    std::fwrite(word.data(), 1, word.size(), stdout);
    std::fputc('\n', stdout);
  }
  return kOk;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
  // Words are bytes: no newline translation on either stream.
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
#endif
  std::ios::sync_with_stdio(true);
  if (argc < 2) return Usage("");
  const std::string command = argv[1];
  std::vector<std::string> args(argv + 2, argv + argc);
  if (command == "compile") return Compile(args);
  std::string error;
  if ((command == "info" || command == "lookup" || command == "words") &&
      !TerminalText::TakeEncodingOption(args, terminalEncoding, error))
    return Usage(error);
  if (command == "info") return Info(args);
  if (command == "lookup") return Lookup(args);
  if (command == "words") return Words(args);
  if (command == "custom") return RunCustomCommand(args);
  if (command == "--help" || command == "-h" || command == "help") {
    WriteUsage(std::cout);
    return kOk;
  }
  return Usage("unknown command " + command);
}
