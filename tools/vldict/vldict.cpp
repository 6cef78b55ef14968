// vldict: the command-line front of the dictionary compiler and readers;
// scripts and the data build drive it, so its output format is fixed.
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "vl3Codepage.h"
#include "vl3DictionaryCompiler.h"
#include "vl3MainDictionary.h"
#include "vl3Platform.h"
#include "vldict_custom.h"

namespace {

constexpr int kOk = 0;
constexpr int kFailed = 1;
constexpr int kUsage = 2;

const char kUsageText[] =
    "usage: vldict compile [--lang N] [--title TEXT] [--utf8] [--codepage 1250|1251|1252]\n"
    "                      WORDLIST OUT.vlm\n"
    "       vldict info DICT.vlm\n"
    "       vldict lookup DICT.vlm      (words on standard input)\n"
    "       vldict words DICT.vlm\n";

void WriteUsage(std::ostream& out) {
  out << kUsageText;
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
  bool utf8 = false;
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

  std::string text;
  if (!Platform::ReadWholeFile(files[0], text)) return Fail("cannot read " + files[0]);
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
  // A list too large for the format keeps the words users meet most.
  options.dropToFit = true;
  std::string error;
  TDictionaryStats stats;
  if (!compiler.CompileToFile(options, files[1], error, &stats))
    return Fail(files[0] + ": " + error);
  std::cout << files[1] << ": kept " << stats.words << " words, dropped " << stats.dropped
            << " to fit the format; " << stats.nodes << " nodes, " << stats.linkAreaSize
            << " bytes of child links, " << stats.fileSize << " bytes\n";
  return kOk;
}

// Opens and maps a dictionary; false (with a message) when it is unusable.
bool OpenDictionary(const std::string& path, TMainDictionary& dictionary) {
  if (!Platform::FileExists(path)) {
    Fail("cannot open " + path);
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
#ifdef _WIN32
  const std::string title = dictionary.DisplayTitle();
#else
  // The title is shown in the code page of its language; the terminal
  // speaks UTF-8.
  const std::string title =
      Codepage::ToUtf8(dictionary.DisplayTitle(), Codepage::OfLanguage(dictionary.LangId()));
#endif
  std::cout << "title: " << title << "\n"
            << "language: " << language << "\n"
            << "words: " << dictionary.StoredWordCount() << "\n"
            << "nodes: " << dictionary.NodeCount() << "\n";
  return kOk;
}

int Lookup(const std::vector<std::string>& args) {
  if (args.size() != 1) return Usage("lookup needs one dictionary file");
  TMainDictionary dictionary;
  if (!OpenDictionary(args[0], dictionary)) return kFailed;
  std::string line;
  while (std::getline(std::cin, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::cout << line << (dictionary.WordExists(line) ? "\tyes\n" : "\tno\n");
  }
  return kOk;
}

int Words(const std::vector<std::string>& args) {
  if (args.size() != 1) return Usage("words needs one dictionary file");
  TMainDictionary dictionary;
  if (!OpenDictionary(args[0], dictionary)) return kFailed;
  dictionary.EnumerateWords("", [](const std::string& word) {
    std::fwrite(word.data(), 1, word.size(), stdout);
    std::fputc('\n', stdout);
    return true;
  });
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
  const std::vector<std::string> args(argv + 2, argv + argc);
  if (command == "compile") return Compile(args);
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
