// The collation order used where the system offers none: words compared
// without case, accented letters beside their base letters, and the letters
// some languages give a place of their own after their base or after "z".
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "vl3Ansi.h"
#include "vl3Codepage.h"
#include "vl3PlatformRules.h"

namespace Platform {
namespace Rules {
namespace {

// Primary weights: symbols, then digits, then letters. Each letter has 16
// slots, so that a language's own letters fit right after their base.
constexpr uint32_t kSymbols = 0x100;
constexpr uint32_t kDigits = 0x800;
constexpr uint32_t kLatin = 0x1000;
constexpr uint32_t kCyrillic = 0x2000;

constexpr uint32_t Latin(char letter, uint32_t after = 0) {
  return kLatin + static_cast<uint32_t>(letter - 'a') * 16 + after;
}
constexpr uint32_t Cyrillic(uint32_t lower, uint32_t after = 0) {
  return kCyrillic + (lower - 0x430) * 16 + after;
}

// The base letter of U+00C0..U+017F; '.' marks a symbol, a digit the letter's
// spelling out in kExpansions.
const char kLatinBase[] =
    "aaaaaa1ceeeeiiiidnooooo.ouuuuy23"
    "aaaaaa1ceeeeiiiidnooooo.ouuuuy2y"
    "aaaaaaccccccccddddeeeeeeeeeegggg"
    "gggghhhhiiiiiiiiii44jjkkklllllll"
    "lllnnnnnnnnnoooooo55rrrrrrssssss"
    "ssttttttuuuuuuuuuuuuwwyyyzzzzzzs";
const char* const kExpansions[] = {"", "ae", "th", "ss", "ij", "oe"};

struct TTailoring {
  uint32_t codePoint;  // lower case
  uint32_t primary;
};

// The letters a language sorts as letters of their own.
const TTailoring kSwedish[] = {{0xE5, Latin('z', 1)},
                               {0xE4, Latin('z', 2)},
                               {0xE6, Latin('z', 2)},
                               {0xF6, Latin('z', 3)},
                               {0xF8, Latin('z', 3)}};
const TTailoring kDanish[] = {{0xE6, Latin('z', 1)},
                              {0xE4, Latin('z', 1)},
                              {0xF8, Latin('z', 2)},
                              {0xF6, Latin('z', 2)},
                              {0xE5, Latin('z', 3)}};
const TTailoring kCzech[] = {
    {0x10D, Latin('c', 8)}, {0x159, Latin('r', 8)}, {0x161, Latin('s', 8)}, {0x17E, Latin('z', 8)}};
const TTailoring kPolish[] = {
    {0x105, Latin('a', 8)}, {0x107, Latin('c', 8)}, {0x119, Latin('e', 8)},
    {0x142, Latin('l', 8)}, {0x144, Latin('n', 8)}, {0xF3, Latin('o', 8)},
    {0x15B, Latin('s', 8)}, {0x17A, Latin('z', 8)}, {0x17C, Latin('z', 9)}};
// Cyrillic letters outside the Russian alphabet, after their nearest one.
const TTailoring kCyrillicExtra[] = {
    {0x451, Cyrillic(0x435)},    {0x454, Cyrillic(0x435, 8)}, {0x456, Cyrillic(0x438, 8)},
    {0x457, Cyrillic(0x438, 9)}, {0x45E, Cyrillic(0x443, 8)}, {0x452, Cyrillic(0x434, 8)},
    {0x453, Cyrillic(0x433, 9)}, {0x455, Cyrillic(0x437, 8)}, {0x458, Cyrillic(0x439, 8)},
    {0x459, Cyrillic(0x43B, 8)}, {0x45A, Cyrillic(0x43D, 8)}, {0x45B, Cyrillic(0x442, 8)},
    {0x45C, Cyrillic(0x43A, 8)}, {0x45F, Cyrillic(0x447, 8)}};

template <size_t N>
bool FindIn(const TTailoring (&table)[N], uint32_t codePoint, uint32_t& primary) {
  for (const TTailoring& t : table) {
    if (t.codePoint == codePoint) {
      primary = t.primary;
      return true;
    }
  }
  return false;
}

using TCodePoints = std::array<uint32_t, 256>;

TCodePoints Decoded(int codePage) {
  TCodePoints table{};
  for (int b = 0; b < 256; ++b) {
    const std::string utf8 = Codepage::ToUtf8(std::string(1, static_cast<char>(b)), codePage);
    uint32_t codePoint = 0xFFFD;
    if (!utf8.empty()) Codepage::DecodeUtf8(utf8, 0, codePoint);
    table[static_cast<size_t>(b)] = codePoint == Codepage::kInvalid ? 0xFFFD : codePoint;
  }
  return table;
}

const TCodePoints& CodePoints(int codePage) {
  static const TCodePoints cp1250 = Decoded(1250), cp1251 = Decoded(1251), cp1252 = Decoded(1252);
  return codePage == 1250 ? cp1250 : codePage == 1251 ? cp1251 : cp1252;
}

struct TKey {
  std::vector<uint32_t> primary;    // base letters, in the language's order
  std::vector<uint32_t> secondary;  // the lower-case characters themselves
};

class TKeyMaker {
 public:
  explicit TKeyMaker(uint32_t langId)
      : language_(langId & 0xFF),
        codePage_(Codepage::OfLanguage(langId)),
        lower_(Ansi::LowerCaseTable(codePage_)),
        codePoints_(CodePoints(codePage_)) {}

  TKey Make(const std::string& text) const {
    TKey key;
    key.primary.reserve(text.size());
    key.secondary.reserve(text.size());
    std::vector<uint32_t> chars;
    chars.reserve(text.size());
    for (char c : text) chars.push_back(codePoints_[lower_[static_cast<unsigned char>(c)]]);
    for (size_t i = 0; i < chars.size(); ++i) {
      const uint32_t c = chars[i];
      // Czech "ch" is one letter, after "h".
      if (language_ == 0x05 && c == 'c' && i + 1 < chars.size() && chars[i + 1] == 'h') {
        key.primary.push_back(Latin('h', 8));
        key.secondary.push_back(c);
        key.secondary.push_back(chars[++i]);
        continue;
      }
      Append(c, key);
    }
    return key;
  }

 private:
  bool Tailored(uint32_t c, uint32_t& primary) const {
    switch (language_) {
      case 0x1D:  // Swedish
      case 0x0B:  // Finnish
        return FindIn(kSwedish, c, primary);
      case 0x06:  // Danish
      case 0x14:  // Norwegian
        return FindIn(kDanish, c, primary);
      case 0x05:  // Czech
        return FindIn(kCzech, c, primary);
      case 0x15:  // Polish
        return FindIn(kPolish, c, primary);
      default:
        return false;
    }
  }

  void Append(uint32_t c, TKey& key) const {
    std::vector<uint32_t>& primary = key.primary;
    uint32_t weight = 0;
    if (Tailored(c, weight)) {
      primary.push_back(weight);
    } else if (c == '-' || c == '\'') {
      // Ignored at this level ("co-op" beside "coop"): only the tie-break
      // sees them.
    } else if (c >= '0' && c <= '9') {
      primary.push_back(kDigits + (c - '0'));
    } else if (c >= 'a' && c <= 'z') {
      primary.push_back(Latin(static_cast<char>(c)));
    } else if (c >= 'A' && c <= 'Z') {
      primary.push_back(Latin(static_cast<char>(c - 'A' + 'a')));
    } else if (c >= 0xC0 && c <= 0x17F && kLatinBase[c - 0xC0] != '.') {
      const char base = kLatinBase[c - 0xC0];
      if (base >= 'a' && base <= 'z') {
        primary.push_back(Latin(base));
      } else {
        // Spelt out: "Strasse" and "Stra\xDF" "e" are the same word.
        for (const char* e = kExpansions[base - '0']; *e != '\0'; ++e) {
          primary.push_back(Latin(*e));
          key.secondary.push_back(static_cast<uint32_t>(*e));
        }
        return;
      }
    } else if (c == 0x192) {  // f with hook
      primary.push_back(Latin('f'));
    } else if (c >= 0x400 && c <= 0x45F) {
      const uint32_t lower = c < 0x410 ? c + 0x50 : c < 0x430 ? c + 0x20 : c;
      if (lower >= 0x430 && lower <= 0x44F)
        primary.push_back(Cyrillic(lower));
      else if (FindIn(kCyrillicExtra, lower, weight))
        primary.push_back(weight);
      else
        primary.push_back(kCyrillic + 0xFFF);
    } else if (c == 0x490 || c == 0x491) {
      primary.push_back(Cyrillic(0x433, 8));
    } else {
      primary.push_back(kSymbols + (c < 0x700 ? c : 0x6FF));
    }
    key.secondary.push_back(c);
  }

  uint32_t language_;
  int codePage_;
  const unsigned char* lower_;
  const TCodePoints& codePoints_;
};

int CompareSequences(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b) {
  const size_t n = a.size() < b.size() ? a.size() : b.size();
  for (size_t i = 0; i < n; ++i)
    if (a[i] != b[i]) return a[i] < b[i] ? -1 : 1;
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

}  // namespace

int CompareTextPortable(const std::string& a, const std::string& b, uint32_t langId) {
  const TKeyMaker maker(langId);
  const TKey ka = maker.Make(a), kb = maker.Make(b);
  const int primary = CompareSequences(ka.primary, kb.primary);
  return primary != 0 ? primary : CompareSequences(ka.secondary, kb.secondary);
}

}  // namespace Rules
}  // namespace Platform
