// Single-byte (ANSI, Windows-1252) character classes and case mappings used
// wherever the suite compares or converts text.
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

}  // namespace Ansi
