// Case tables of Windows-1252, the code page of the suite's Western languages,
// and of 1250 and 1251. The same tables are used on every platform so that
// results do not depend on the host's locale.
#include "vl3Ansi.h"

#include <array>

namespace Ansi {
namespace {

struct TCaseTables {
  std::array<unsigned char, 256> upper{};
  std::array<unsigned char, 256> lower{};
  explicit TCaseTables(int codePage) {
    for (int i = 0; i < 256; ++i) upper[i] = lower[i] = static_cast<unsigned char>(i);
    auto pair = [this](int up, int low) {
      upper[low] = static_cast<unsigned char>(up);
      lower[up] = static_cast<unsigned char>(low);
    };
    for (int c = 'A'; c <= 'Z'; ++c) pair(c, c + 32);
    if (codePage == 1251) {
      // Cyrillic: the Russian alphabet fills 0xC0-0xFF; Yo and the letters
      // of the other Cyrillic languages lie below.
      for (int c = 0xC0; c <= 0xDF; ++c) pair(c, c + 32);
      const int extra[][2] = {{0x80, 0x90}, {0x81, 0x83}, {0x8A, 0x9A}, {0x8C, 0x9C}, {0x8D, 0x9D},
                              {0x8E, 0x9E}, {0x8F, 0x9F}, {0xA1, 0xA2}, {0xA3, 0xBC}, {0xA5, 0xB4},
                              {0xA8, 0xB8}, {0xAA, 0xBA}, {0xAF, 0xBF}, {0xB2, 0xB3}, {0xBD, 0xBE}};
      for (const auto& p : extra) pair(p[0], p[1]);
      return;
    }
    if (codePage == 1250) {
      // Central European: S, S acute, T caron, Z caron, Z acute, L stroke,
      // A ogonek, S cedilla, Z dot, L caron.
      const int extra[][2] = {{0x8A, 0x9A}, {0x8C, 0x9C}, {0x8D, 0x9D}, {0x8E, 0x9E}, {0x8F, 0x9F},
                              {0xA3, 0xB3}, {0xA5, 0xB9}, {0xAA, 0xBA}, {0xAF, 0xBF}, {0xBC, 0xBE}};
      for (const auto& p : extra) pair(p[0], p[1]);
    } else {
      pair(0x8A, 0x9A);  // S caron
      pair(0x8C, 0x9C);  // OE
      pair(0x8E, 0x9E);  // Z caron
      pair(0x9F, 0xFF);  // Y diaeresis
    }
    for (int c = 0xC0; c <= 0xDE; ++c) {
      if (c != 0xD7) pair(c, c + 32);  // not the multiplication sign
    }
  }
};

const TCaseTables& Tables(int codePage = 1252) {
  static const TCaseTables western(1252), central(1250), cyrillic(1251);
  switch (codePage) {
    case 1250:
      return central;
    case 1251:
      return cyrillic;
    default:
      return western;
  }
}

unsigned char Byte(char c) { return static_cast<unsigned char>(c); }

}  // namespace

char ToUpper(char c) { return static_cast<char>(Tables().upper[Byte(c)]); }
char ToLower(char c) { return static_cast<char>(Tables().lower[Byte(c)]); }
bool IsUpper(char c) { return Tables().lower[Byte(c)] != Byte(c); }
bool IsLower(char c) { return Tables().upper[Byte(c)] != Byte(c); }
bool IsAlpha(char c) {
  // Sharp s (0xDF) and the feminine/masculine ordinals are letters without a case pair.
  unsigned char b = Byte(c);
  return IsUpper(c) || IsLower(c) || b == 0xDF || b == 0xAA || b == 0xBA || b == 0x83;
}

std::string UpperCase(const std::string& s) {
  std::string r(s);
  for (char& c : r) c = ToUpper(c);
  return r;
}

std::string LowerCase(const std::string& s) {
  std::string r(s);
  for (char& c : r) c = ToLower(c);
  return r;
}

int CompareText(const std::string& a, const std::string& b) {
  size_t n = a.size() < b.size() ? a.size() : b.size();
  for (size_t i = 0; i < n; ++i) {
    int ca = Byte(ToLower(a[i]));
    int cb = Byte(ToLower(b[i]));
    if (ca != cb) return ca - cb;
  }
  return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

bool SameText(const std::string& a, const std::string& b) {
  return a.size() == b.size() && CompareText(a, b) == 0;
}

const unsigned char* LowerCaseTable(int codePage) { return Tables(codePage).lower.data(); }

const unsigned char* UpperCaseTable(int codePage) { return Tables(codePage).upper.data(); }

std::string LowerCase(const std::string& s, int codePage) {
  const unsigned char* lower = LowerCaseTable(codePage);
  std::string r(s);
  for (char& c : r) c = static_cast<char>(lower[Byte(c)]);
  return r;
}

std::string UpperCase(const std::string& s, int codePage) {
  const unsigned char* upper = UpperCaseTable(codePage);
  std::string r(s);
  for (char& c : r) c = static_cast<char>(upper[Byte(c)]);
  return r;
}

char ToUpper(char c, int codePage) { return static_cast<char>(Tables(codePage).upper[Byte(c)]); }
char ToLower(char c, int codePage) { return static_cast<char>(Tables(codePage).lower[Byte(c)]); }

bool IsAlpha(char c, int codePage) {
  const TCaseTables& t = Tables(codePage);
  const unsigned char b = Byte(c);
  if (t.upper[b] != b || t.lower[b] != b) return true;
  // Letters without a case partner: sharp s in the Latin pages; f hook and
  // the ordinal indicators in the Western one.
  switch (codePage) {
    case 1251:
      return false;
    case 1250:
      return b == 0xDF;
    default:
      return b == 0xDF || b == 0x83 || b == 0xAA || b == 0xBA;
  }
}

const std::string& HighLetters(int codePage) {
  auto build = [](int page) {
    std::string letters;
    for (int b = 0x80; b <= 0xFF; ++b)
      if (IsAlpha(static_cast<char>(b), page)) letters += static_cast<char>(b);
    return letters;
  };
  static const std::string western = build(1252), central = build(1250), cyrillic = build(1251);
  return codePage == 1250 ? central : codePage == 1251 ? cyrillic : western;
}

}  // namespace Ansi
