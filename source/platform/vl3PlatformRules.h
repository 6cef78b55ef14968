// Rules both implementations of the platform seam share, so that Windows and
// POSIX hosts accept the same INI entries and match file patterns alike.
#pragma once

#include <cstdint>
#include <string>

#include "vl3Ansi.h"

namespace Platform {
namespace Rules {

inline bool HasLineBreak(const std::string& s) { return s.find_first_of("\r\n") != std::string::npos; }

inline bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r' || c == '\n'; }

inline std::string Trim(const std::string& s) {
  size_t b = 0, e = s.size();
  while (b < e && IsBlank(s[b])) ++b;
  while (e > b && IsBlank(s[e - 1])) --e;
  return s.substr(b, e - b);
}

// The profile functions drop a default value's trailing blanks.
inline std::string TrimRight(const std::string& s) {
  size_t e = s.size();
  while (e > 0 && IsBlank(s[e - 1])) --e;
  return s.substr(0, e);
}

// An INI entry that reads back as written: a line break would inject further
// lines, '=' in a key would split it, "[" or ";" would make it a header or
// a comment.
inline bool IsWritableIniEntry(const std::string& section, const std::string& key,
                               const std::string& value) {
  std::string s = Trim(section), k = Trim(key);
  if (s.empty() || k.empty()) return false;
  if (HasLineBreak(section) || HasLineBreak(key) || HasLineBreak(value)) return false;
  if (s.find(']') != std::string::npos) return false;
  if (k.find('=') != std::string::npos || k[0] == '[' || k[0] == ';') return false;
  return section.find('\0') == std::string::npos && key.find('\0') == std::string::npos &&
         value.find('\0') == std::string::npos;
}

// '*' and '?' matching without case, backtracking only to the last '*' so
// that hostile patterns stay linear.
inline bool MatchPattern(const std::string& pattern, const std::string& name) {
  size_t p = 0, n = 0, starP = std::string::npos, starN = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      starP = p++;
      starN = n;
    } else if (p < pattern.size() &&
               (pattern[p] == '?' || Ansi::ToLower(pattern[p]) == Ansi::ToLower(name[n]))) {
      ++p;
      ++n;
    } else if (starP != std::string::npos) {
      p = starP + 1;
      n = ++starN;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

// Windows lets "*.*" match every name and "name.*" match "name" itself.
inline bool WildcardMatch(const std::string& pattern, const std::string& name) {
  if (MatchPattern(pattern, name)) return true;
  if (pattern.size() >= 2 && pattern.compare(pattern.size() - 2, 2, ".*") == 0)
    return MatchPattern(pattern.substr(0, pattern.size() - 2), name);
  return false;
}

// Words compared without case in a language's order where the system has no
// collation of its own: the bytes decoded in the language's code page,
// accented letters beside their base letters, and the letters a language
// places on their own (Swedish "ö" after "z", Czech "č" after "c", "ch"
// after "h"). <0, 0, >0; only the case makes no difference.
int CompareTextPortable(const std::string& a, const std::string& b, uint32_t langId);

}  // namespace Rules
}  // namespace Platform
