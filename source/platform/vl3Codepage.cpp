// Conversions between UTF-8 and the single-byte Windows code pages the suite
// uses for its texts and word lists (1250 Central European, 1251 Cyrillic,
// 1252 Western). The tables give the Unicode value of bytes 0x80-0xFF; 0
// marks a byte the code page leaves unassigned.
#include "vl3Codepage.h"

#include <unordered_map>

namespace Codepage {
namespace {

const uint16_t kHigh1250[128] = {
    0x20AC, 0x0000, 0x201A, 0x0000, 0x201E, 0x2026, 0x2020, 0x2021,
    0x0000, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
    0x0000, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0000, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

const uint16_t kHigh1251[128] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0000, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};

const uint16_t kHigh1252[128] = {
    0x20AC, 0x0000, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x0000, 0x017D, 0x0000,
    0x0000, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x0000, 0x017E, 0x0178,
    0x00A0, 0x00A1, 0x00A2, 0x00A3, 0x00A4, 0x00A5, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x00AA, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00AF,
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x00B9, 0x00BA, 0x00BB, 0x00BC, 0x00BD, 0x00BE, 0x00BF,
    0x00C0, 0x00C1, 0x00C2, 0x00C3, 0x00C4, 0x00C5, 0x00C6, 0x00C7,
    0x00C8, 0x00C9, 0x00CA, 0x00CB, 0x00CC, 0x00CD, 0x00CE, 0x00CF,
    0x00D0, 0x00D1, 0x00D2, 0x00D3, 0x00D4, 0x00D5, 0x00D6, 0x00D7,
    0x00D8, 0x00D9, 0x00DA, 0x00DB, 0x00DC, 0x00DD, 0x00DE, 0x00DF,
    0x00E0, 0x00E1, 0x00E2, 0x00E3, 0x00E4, 0x00E5, 0x00E6, 0x00E7,
    0x00E8, 0x00E9, 0x00EA, 0x00EB, 0x00EC, 0x00ED, 0x00EE, 0x00EF,
    0x00F0, 0x00F1, 0x00F2, 0x00F3, 0x00F4, 0x00F5, 0x00F6, 0x00F7,
    0x00F8, 0x00F9, 0x00FA, 0x00FB, 0x00FC, 0x00FD, 0x00FE, 0x00FF,
};

const uint16_t* HighTable(int codePage) {
  switch (codePage) {
    case 1250: return kHigh1250;
    case 1251: return kHigh1251;
    case 1252: return kHigh1252;
    default: return nullptr;
  }
}

// Reverse look-up built once per code page.
const std::unordered_map<uint32_t, char>& ReverseTable(int codePage) {
  static std::unordered_map<int, std::unordered_map<uint32_t, char>> cache;
  auto& map = cache[codePage];
  if (map.empty()) {
    const uint16_t* high = HighTable(codePage);
    for (int i = 0; i < 128 && high; ++i) {
      if (high[i] != 0) map.emplace(high[i], static_cast<char>(0x80 + i));
    }
  }
  return map;
}

void AppendUtf8(uint32_t cp, std::string& out) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

}  // namespace

bool IsSupported(int codePage) { return HighTable(codePage) != nullptr; }

int OfLanguage(uint32_t langId) {
  switch (langId & 0xFF) {
    case 0x02:  // Bulgarian
    case 0x19:  // Russian
    case 0x22:  // Ukrainian
    case 0x23:  // Belarusian
    case 0x2F:  // Macedonian
      return 1251;
    case 0x05:  // Czech
    case 0x0E:  // Hungarian
    case 0x15:  // Polish
    case 0x18:  // Romanian
    case 0x1A:  // Croatian
    case 0x1B:  // Slovak
    case 0x1C:  // Albanian
    case 0x24:  // Slovenian
      return 1250;
    default:
      return 1252;
  }
}

size_t DecodeUtf8(const std::string& text, size_t pos, uint32_t& codePoint) {
  auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
  unsigned char b = byte(pos);
  int extra = b < 0x80 ? 0 : (b >> 5) == 0x6 ? 1 : (b >> 4) == 0xE ? 2 : (b >> 3) == 0x1E ? 3 : -1;
  if (extra < 0 || pos + extra >= text.size()) {
    codePoint = kInvalid;
    return 1;
  }
  uint32_t cp = extra == 0 ? b : (b & (0x3F >> extra));
  for (int i = 1; i <= extra; ++i) {
    if (pos + i >= text.size() || (byte(pos + i) & 0xC0) != 0x80) {
      codePoint = kInvalid;
      return 1;
    }
    cp = (cp << 6) | (byte(pos + i) & 0x3F);
  }
  // A complete sequence with a forbidden value is one (invalid) character.
  static const uint32_t kMinimum[4] = {0, 0x80, 0x800, 0x10000};
  if (cp < kMinimum[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = kInvalid;
  codePoint = cp;
  return static_cast<size_t>(extra) + 1;
}

bool FromUtf8(const std::string& utf8, int codePage, std::string& out, char replacement) {
  out.clear();
  out.reserve(utf8.size());
  if (!IsSupported(codePage)) return false;
  const auto& reverse = ReverseTable(codePage);
  bool exact = true;
  const size_t n = utf8.size();
  for (size_t i = 0; i < n;) {
    // ASCII, most of any text, is the same in every supported code page:
    // copy it in runs.
    size_t run = i;
    while (run < n && static_cast<unsigned char>(utf8[run]) < 0x80) ++run;
    if (run > i) {
      out.append(utf8, i, run - i);
      i = run;
      if (i == n) break;
    }
    uint32_t cp;
    i += DecodeUtf8(utf8, i, cp);
    if (cp < 0x80) {
      out += static_cast<char>(cp);
      continue;
    }
    auto it = reverse.find(cp);
    if (it != reverse.end()) {
      out += it->second;
    } else {
      exact = false;
      out += replacement;
    }
  }
  return exact;
}

std::string ToUtf8(const std::string& text, int codePage) {
  const uint16_t* high = HighTable(codePage);
  if (!high) return std::string();
  std::string out;
  out.reserve(text.size() + text.size() / 4);
  for (char c : text) {
    unsigned char b = static_cast<unsigned char>(c);
    uint32_t cp = b < 0x80 ? b : high[b - 0x80];
    AppendUtf8(cp != 0 || b == 0 ? cp : 0xFFFD, out);  // U+FFFD: an unassigned byte
  }
  return out;
}

int GuessFromByteCounts(const uint64_t (&counts)[256]) {
  uint64_t ascii = 0, cyrillic = 0, central = 0, western = 0;
  for (int b = 'A'; b <= 'Z'; ++b) ascii += counts[b] + counts[b + 32];
  for (int b = 0xC0; b <= 0xFF; ++b) cyrillic += counts[b];
  // Letters of 1250 that are symbols in 1252 (l with stroke, a ogonek,
  // z dot, ...) or rare in the Western languages (e caron, u ring, s and
  // z caron, C caron). Not s acute: it is the French oe in 1252.
  for (int b : {0x8D, 0x8F, 0x9D, 0x9F, 0xA3, 0xA5, 0xAF, 0xB3, 0xB9, 0xBC, 0xBE, 0xBF, 0xEC,
                0xF9, 0x9A, 0x9E, 0xC8})
    central += counts[b];
  // Western letters that the Central European languages seldom use.
  for (int b : {0xE0, 0xE2, 0xE3, 0xE4, 0xE5, 0xE7, 0xEB, 0xEE, 0xF5, 0xFC, 0xDF})
    western += counts[b];
  if (cyrillic > ascii) return 1251;
  return central > western ? 1250 : 1252;
}

std::string Convert(const std::string& text, int fromCodePage, int toCodePage) {
  if (fromCodePage == toCodePage) return text;
  const std::string utf8 = fromCodePage == kUtf8 ? text : ToUtf8(text, fromCodePage);
  if (toCodePage == kUtf8) return utf8;
  std::string out;
  FromUtf8(utf8, toCodePage, out);
  return out;
}

bool FromName(const std::string& name, int& codePage) {
  std::string n;
  for (char c : name) n += static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
  if (n == "utf-8" || n == "utf8") {
    codePage = kUtf8;
    return true;
  }
  for (const char* prefix : {"cp", "windows-", "windows", "win"}) {
    const std::string p(prefix);
    if (n.compare(0, p.size(), p) != 0) continue;
    const std::string number = n.substr(p.size());
    for (int page : {1250, 1251, 1252}) {
      if (number == std::to_string(page)) {
        codePage = page;
        return true;
      }
    }
  }
  for (const char* western : {"latin1", "latin-1", "iso-8859-1", "iso8859-1", "iso88591"}) {
    if (n == western) {
      codePage = 1252;
      return true;
    }
  }
  return false;
}

}  // namespace Codepage
