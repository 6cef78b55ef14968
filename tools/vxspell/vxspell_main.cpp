// vxspell: the suite's spell checker for terminals, scripts and editors.
// List mode prints misspelled words; pipe mode speaks the ispell protocol.
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "vl3Ansi.h"
#include "vl3CommandLineChecker.h"

namespace {

const char kUsage[] =
    "usage: vxspell (-l | -a) [options] [FILE...]\n"
    "  -l                 list the misspelled words of the files (or standard input)\n"
    "  -a                 ispell pipe mode on standard input\n"
    "  -d DICT[,DICT...]  main dictionaries, as paths or names (default American.vlm)\n"
    "  -p FILE.vlu        personal (custom) dictionary\n"
    "  -i ENCODING        utf-8 or cp1252 (default: from the locale)\n"
    "  --options LIST     upcase,numbers,html,internet,quoted,abbreviations,primaryonly,repeated\n"
    "  --max-suggestions N\n"
    "  --help\n";

int Usage(const std::string& message) {
  if (!message.empty()) std::cerr << "vxspell: " << message << "\n";
  std::cerr << kUsage;
  return 2;
}

bool LocaleIsUtf8() {
  for (const char* name : {"LC_ALL", "LC_CTYPE", "LANG"}) {
    const char* value = std::getenv(name);
    if (value && *value) {
      std::string v = Ansi::LowerCase(value);
      return v.find("utf-8") != std::string::npos || v.find("utf8") != std::string::npos;
    }
  }
  return false;
}

std::vector<std::string> SplitCommas(const std::string& text) {
  std::vector<std::string> items;
  std::stringstream in(text);
  std::string item;
  while (std::getline(in, item, ',')) {
    if (!item.empty()) items.push_back(item);
  }
  return items;
}

}  // namespace

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  TCheckerSettings settings;
  settings.Utf8 = LocaleIsUtf8();
  settings.DictionaryFolders = {VX_DATA_DIR, "%AppDir%"};
  char mode = 0;
  std::vector<std::string> files;

  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    auto value = [&](std::string& out) {
      if (i + 1 >= argc) return false;
      out = argv[++i];
      return true;
    };
    std::string v;
    if (arg == "--help" || arg == "-h") {
      std::cout << kUsage;
      return 0;
    } else if (arg == "-l" || arg == "-a") {
      if (mode && mode != arg[1]) return Usage("choose one of -l and -a");
      mode = arg[1];
    } else if (arg == "-d") {
      if (!value(v) || SplitCommas(v).empty()) return Usage("-d needs a dictionary");
      settings.Dictionaries = SplitCommas(v);
    } else if (arg == "-p") {
      if (!value(settings.PersonalDictionary)) return Usage("-p needs a file");
    } else if (arg == "-i") {
      if (!value(v)) return Usage("-i needs an encoding");
      std::string e = Ansi::LowerCase(v);
      if (e == "utf-8" || e == "utf8") {
        settings.Utf8 = true;
      } else if (e == "cp1252" || e == "windows-1252" || e == "ansi" || e == "latin1" || e == "iso-8859-1") {
        settings.Utf8 = false;
      } else {
        return Usage("unknown encoding '" + v + "'");
      }
    } else if (arg == "--options") {
      std::string error;
      if (!value(v)) return Usage("--options needs a list");
      if (!ParseOptionList(v, settings.Options, error)) return Usage(error);
      settings.OptionsGiven = true;
    } else if (arg == "--max-suggestions") {
      char* end = nullptr;
      if (!value(v)) return Usage("--max-suggestions needs a number");
      long n = std::strtol(v.c_str(), &end, 10);
      if (*end || n < 0 || n > 1000) return Usage("bad number '" + v + "'");
      settings.MaxSuggestions = static_cast<int>(n);
    } else if (!arg.empty() && arg[0] == '-' && arg != "-") {
      return Usage("unknown argument '" + arg + "'");
    } else {
      files.push_back(arg);
    }
  }
  if (!mode) return Usage("choose -l or -a");
  if (mode == 'a' && !files.empty()) return Usage("-a reads standard input only");

  TCommandLineChecker checker;
  std::string error;
  if (!checker.Open(settings, error)) {
    std::cerr << "vxspell: " << error << "\n";
    return 2;
  }
  if (mode == 'a') {
    checker.RunPipe(std::cin, std::cout);
    return 0;
  }
  if (files.empty()) files.push_back("-");
  for (const std::string& file : files) {
    if (file == "-") {
      checker.ListMisspelled(std::cin, std::cout);
      continue;
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
      std::cerr << "vxspell: cannot read '" << file << "'\n";
      return 2;
    }
    checker.ListMisspelled(in, std::cout);
  }
  std::cout.flush();
  return 0;
}
