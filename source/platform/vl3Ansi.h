// Single-byte (ANSI) character classes and case mappings used wherever the
// suite compares or converts text: Windows-1252, and 1250 and 1251 on request.
#pragma once

#include <string>

namespace Ansi {

char ToUpper(char c);
char ToLower(char c);
bool IsUpper(char c);  // has a distinct lower-case form
bool IsLower(char c);  // has a distinct upper-case form
bool IsAlpha(char c);  // letters of the code page, including accented ones

std::string UpperCase(const std::string& s);
std::string LowerCase(const std::string& s);
// Case-insensitive comparison: <0, 0, >0, like CompareText on ANSI text.
int CompareText(const std::string& a, const std::string& b);
bool SameText(const std::string& a, const std::string& b);

// The case mappings of the code pages 1250, 1251 and 1252 as 256-byte tables
// indexed by the byte (any other code page gets 1252's). Text written in a
// Central European or Cyrillic code page needs its own: in 1252 the bytes of
// Russian Ch and Ya, or of Polish L with stroke, have no lower-case form.
const unsigned char* LowerCaseTable(int codePage);
const unsigned char* UpperCaseTable(int codePage);
std::string LowerCase(const std::string& s, int codePage);
std::string UpperCase(const std::string& s, int codePage);
char ToUpper(char c, int codePage);
char ToLower(char c, int codePage);
bool IsAlpha(char c, int codePage);
// The letters of the code page above ASCII, in ascending order: the bytes
// with a case partner plus the few letters without one. Quotes, dashes,
// the ellipsis and the spacing accents are not letters.
const std::string& HighLetters(int codePage);

}  // namespace Ansi
