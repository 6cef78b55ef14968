// vxspell: the suite's spell checker for terminals, scripts and editors.
// List mode prints misspelled words; pipe mode speaks the ispell protocol.
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "vl3Ansi.h"
#include "vl3Codepage.h"
#include "vl3CommandLineChecker.h"
#include "vl3TerminalText.h"

namespace {

int Usage(const std::string& message) {
  std::cerr << "vxspell: " << message << "\n" << kCheckerUsage;
  return 2;
}

#ifdef _WIN32
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
#endif

// Where '*' and '#' keep the user's words when no -p is given, as ispell
// keeps them in the home folder.
std::string DefaultPersonalDictionary() {
#ifdef _WIN32
  return "%AppData%\\vxspell.vlu";
#else
  const char* home = std::getenv("HOME");
  return home && *home ? std::string(home) + "/.vxspell.vlu" : std::string();
#endif
}

}  // namespace

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  TCheckerSettings settings;
#ifdef _WIN32
  settings.Utf8 = LocaleIsUtf8();
#else
  // UTF-8 unless the locale names a single-byte code page.
  const int encoding = TerminalText::DefaultEncoding();
  settings.Utf8 = encoding == Codepage::kUtf8;
  settings.TextCodePage = settings.Utf8 ? 0 : encoding;
#endif
  settings.DictionaryFolders = {VX_DATA_DIR, "%AppDir%"};
  settings.PersonalDictionary = DefaultPersonalDictionary();
  TCheckerMode mode = cmNone;
  std::vector<std::string> files;
  std::string error;
  if (!ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc), settings, mode, files,
                        error))
    return Usage(error);
  if (mode == cmHelp) {
    std::cout << kCheckerUsage;
    return 0;
  }
  if (mode == cmVersion) {
    std::cout << TCommandLineChecker::Banner() << "\n";
    return 0;
  }

  TCommandLineChecker checker;
  if (!checker.Open(settings, error)) {
    std::cerr << "vxspell: " << error << "\n";
    return 2;
  }
  if (mode == cmPipe) {
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
