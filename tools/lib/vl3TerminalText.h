// Words between the tools and the terminal: the files keep their words in a
// single-byte code page, the terminal speaks its own encoding (UTF-8 on
// most systems, the ANSI code page in a Windows console).
#pragma once

#include <string>
#include <vector>

namespace TerminalText {

constexpr int kAsFile = 0;  // bytes pass unchanged, in the file's code page

// The terminal's encoding: Codepage::kUtf8 unless the locale names one of
// the code pages 1250-1252; under Windows the console's (kAsFile).
int DefaultEncoding();

// Takes "-i E", "--encoding E" and "--encoding=E" out of args. False, with a
// message, for a missing or unknown name.
bool TakeEncodingOption(std::vector<std::string>& args, int& encoding, std::string& error);

// From the terminal to the file's code page and back. Text typed in UTF-8
// that is not valid UTF-8 is taken as already in the file's code page.
std::string FromTerminal(const std::string& text, int encoding, int codePage);
std::string ToTerminal(const std::string& text, int encoding, int codePage);

// Text that decodes as UTF-8 with at least one multi-byte character.
bool LooksLikeUtf8(const std::string& text);

extern const char kEncodingUsage[];

}  // namespace TerminalText
