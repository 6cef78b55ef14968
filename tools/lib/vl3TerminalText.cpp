// Encoding of the tools' terminal text: the locale's choice, the -i option
// and the conversions to and from the files' code pages.
#include "vl3TerminalText.h"

#include <cstdlib>

#include "vl3Ansi.h"
#include "vl3Codepage.h"

namespace TerminalText {

const char kEncodingUsage[] =
    "  -i ENCODING, --encoding=ENCODING: the terminal's encoding for the words\n"
    "  read and printed: utf-8, cp1250, cp1251 or cp1252 (latin1); default utf-8\n"
    "  unless the locale names one of those code pages (a Windows console: the\n"
    "  file's own code page)\n";

int DefaultEncoding() {
#ifdef _WIN32
  return kAsFile;
#else
  for (const char* name : {"LC_ALL", "LC_CTYPE", "LANG"}) {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == 0) continue;
    // "ru_RU.CP1251", "de_DE.ISO-8859-1", "C.UTF-8": the part after the dot.
    std::string locale(value);
    const size_t dot = locale.find('.');
    if (dot == std::string::npos) return Codepage::kUtf8;
    std::string charset = locale.substr(dot + 1);
    charset = charset.substr(0, charset.find('@'));
    int codePage = 0;
    return Codepage::FromName(charset, codePage) ? codePage : Codepage::kUtf8;
  }
  return Codepage::kUtf8;
#endif
}

bool TakeEncodingOption(std::vector<std::string>& args, int& encoding, std::string& error) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    std::string name;
    size_t taken = 1;
    if (arg == "-i" || arg == "--encoding") {
      if (i + 1 >= args.size()) {
        error = arg + " needs an encoding";
        return false;
      }
      name = args[i + 1];
      taken = 2;
    } else if (arg.rfind("--encoding=", 0) == 0) {
      name = arg.substr(11);
    } else {
      continue;
    }
    if (!Codepage::FromName(name, encoding)) {
      error = "unknown encoding '" + name + "' (utf-8, cp1252, cp1251, cp1250 or latin1)";
      return false;
    }
    args.erase(args.begin() + static_cast<long>(i), args.begin() + static_cast<long>(i + taken));
    --i;
  }
  return true;
}

bool LooksLikeUtf8(const std::string& text) {
  bool multiByte = false;
  for (size_t pos = 0; pos < text.size();) {
    uint32_t codePoint = 0;
    const size_t length = Codepage::DecodeUtf8(text, pos, codePoint);
    if (codePoint == Codepage::kInvalid) return false;
    multiByte = multiByte || length > 1;
    pos += length;
  }
  return multiByte;
}

std::string FromTerminal(const std::string& text, int encoding, int codePage) {
  if (encoding == kAsFile || !Codepage::IsSupported(codePage)) return text;
  if (encoding == Codepage::kUtf8) {
    bool ascii = true;
    for (char c : text) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (ascii || !LooksLikeUtf8(text)) return text;
  }
  return Codepage::Convert(text, encoding, codePage);
}

std::string ToTerminal(const std::string& text, int encoding, int codePage) {
  if (encoding == kAsFile || !Codepage::IsSupported(codePage)) return text;
  return Codepage::Convert(text, codePage, encoding);
}

}  // namespace TerminalText
