// The accurate suggestion mode: a bounded walk of the letter tree with a
// weighted Damerau-Levenshtein cost, then ranking by cost, sound and use.
#include "vl3AccurateSuggestions.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "vl3Ansi.h"
#include "vl3MainDictionary.h"
#include "vl3Platform.h"
#include "vl3PhoneticsMap.h"
#include "vl3StringList.h"

namespace {

// Costs in tenths of an edit.
constexpr int kEdit = 10;
constexpr int kAccent = 3;        // the same letter with another accent
constexpr int kDoubled = 4;       // a doubled letter typed single, or a single one doubled
constexpr int kApostrophe = 4;    // an apostrophe left out
constexpr int kVowel = 8;         // one vowel for another
constexpr int kSoundAlike = 6;    // c/k, s/z, i/y ...
constexpr int kNeighbour = 7;     // the key next to the intended one
constexpr int kSwap = 6;          // two neighbouring letters exchanged
constexpr int kOmittedVowel = 9;
constexpr int kExtraNeighbour = 8;  // an extra key pressed beside the intended one
constexpr int kSplit = 11;          // a missing space
constexpr int kBeyond = 1 << 20;    // a cell no bound reaches

// Ranking terms.
constexpr int kRareWord = 5;        // the frequency term of a word no text used
constexpr int kSoundsAlike = 3;     // bonus: same phonetic code
constexpr int kOtherFirstLetter = 4;
constexpr int kFirstLetterToll = 12;  // what the quick pass charges a word that begins otherwise
constexpr int kWiderSearch = 14;      // a best cost above this calls the search of the whole tree
constexpr int kCapitalised = 3;     // a capital the typist did not type
constexpr int kOneLetterWord = 8;   // a split that leaves one letter alone

int PrimaryLanguage(uint32_t language) { return static_cast<int>(language & 0x3FF); }

int CodePageOf(uint32_t language) {
  switch (PrimaryLanguage(language)) {
    case 0x05: case 0x15: case 0x0E: case 0x1B: case 0x24: case 0x1A: case 0x18:
      return 1250;
    case 0x19: case 0x22: case 0x02: case 0x23:
      return 1251;
    default:
      return 1252;
  }
}

// Letters with accents and their plain forms, per code page.
const char* FoldPairs(int codePage) {
  switch (codePage) {
    case 1250:
      return "\xE1" "a" "\xE2" "a" "\xE3" "a" "\xE4" "a" "\xB9" "a" "\xE6" "c" "\xE7" "c" "\xE8" "c"
             "\xEF" "d" "\xF0" "d" "\xE9" "e" "\xEA" "e" "\xEB" "e" "\xEC" "e" "\xED" "i" "\xEE" "i"
             "\xE5" "l" "\xBE" "l" "\xB3" "l" "\xF1" "n" "\xF2" "n" "\xF3" "o" "\xF4" "o" "\xF5" "o"
             "\xF6" "o" "\xE0" "r" "\xF8" "r" "\x9C" "s" "\x9A" "s" "\xBA" "s" "\xDF" "s" "\xFE" "t"
             "\x9D" "t" "\xFA" "u" "\xF9" "u" "\xFB" "u" "\xFC" "u" "\xFD" "y" "\x9F" "z" "\x9E" "z"
             "\xBF" "z";
    case 1251:
      return "\xB8\xE5" "\xE9\xE8";
    default:
      return "\xE0" "a" "\xE1" "a" "\xE2" "a" "\xE3" "a" "\xE4" "a" "\xE5" "a" "\xE6" "a" "\xE7" "c"
             "\xE8" "e" "\xE9" "e" "\xEA" "e" "\xEB" "e" "\xEC" "i" "\xED" "i" "\xEE" "i" "\xEF" "i"
             "\xF0" "d" "\xF1" "n" "\xF2" "o" "\xF3" "o" "\xF4" "o" "\xF5" "o" "\xF6" "o" "\xF8" "o"
             "\xF9" "u" "\xFA" "u" "\xFB" "u" "\xFC" "u" "\xFD" "y" "\xFF" "y" "\xDF" "s" "\x9A" "s"
             "\x9E" "z" "\x9C" "o";
  }
}

const char* Vowels(int codePage) {
  switch (codePage) {
    case 1250:
      return "aeiouy\xE1\xE2\xE4\xE9\xEB\xEC\xED\xEE\xF3\xF4\xF6\xF5\xFA\xF9\xFC\xFB\xFD\xB9\xEA";
    case 1251:
      return "\xE0\xE5\xB8\xE8\xEE\xF3\xFB\xFD\xFE\xFF";
    default:
      return "aeiouy\xE0\xE1\xE2\xE3\xE4\xE5\xE6\xE8\xE9\xEA\xEB\xEC\xED\xEE\xEF\xF2\xF3\xF4\xF5\xF6"
             "\xF8\xF9\xFA\xFB\xFC\xFD\xFF\x9C";
  }
}

// Letter rows of the keyboard the language is usually typed on.
std::vector<const char*> KeyboardRows(uint32_t language) {
  switch (PrimaryLanguage(language)) {
    case 0x07: case 0x05:
      return {"qwertzuiop", "asdfghjkl", "yxcvbnm"};
    case 0x0C:
      return {"azertyuiop", "qsdfghjklm", "wxcvbn"};
    case 0x19:
      return {"\xE9\xF6\xF3\xEA\xE5\xED\xE3\xF8\xF9\xE7\xF5\xFA",
              "\xF4\xFB\xE2\xE0\xEF\xF0\xEE\xEB\xE4\xE6\xFD", "\xFF\xF7\xF1\xEC\xE8\xF2\xFC\xE1\xFE"};
    default:
      return {"qwertyuiop", "asdfghjkl", "zxcvbnm"};
  }
}

// Letters that stand for the same sound in many spellings.
constexpr const char* kSoundPairs[] = {"ck", "cs", "sz", "iy", "gj", "qk", "fv", "wv"};

}  // namespace

// ---- TWordFrequencies -------------------------------------------------------

bool TWordFrequencies::Load(const std::string& path, const unsigned char* lower) {
  Clear();
  std::string text;
  if (!Platform::ReadWholeFile(path, text)) return false;
  Parse(text, lower);
  return true;
}

void TWordFrequencies::Parse(const std::string& text, const unsigned char* lower) {
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find('\n', pos);
    if (end == std::string::npos) end = text.size();
    size_t wordEnd = pos;
    while (wordEnd < end && text[wordEnd] != ' ' && text[wordEnd] != '\t') ++wordEnd;
    size_t digits = wordEnd;
    while (digits < end && (text[digits] == ' ' || text[digits] == '\t')) ++digits;
    uint64_t count = 0;
    bool any = false;
    while (digits < end && text[digits] >= '0' && text[digits] <= '9') {
      count = std::min<uint64_t>(count * 10 + static_cast<uint64_t>(text[digits] - '0'), 0xFFFFFFFFu);
      any = true;
      ++digits;
    }
    if (wordEnd > pos && any && count > 0) {
      const uint32_t value = static_cast<uint32_t>(count);
      std::string word = text.substr(pos, wordEnd - pos);
      if (lower)
        for (char& c : word) c = static_cast<char>(lower[uint8_t(c)]);
      uint32_t& slot = counts_[word];
      slot = static_cast<uint32_t>(std::min<uint64_t>(uint64_t(slot) + value, 0xFFFFFFFFu));
      maxCount_ = std::max(maxCount_, slot);
    }
    pos = end + 1;
  }
}

void TWordFrequencies::Clear() {
  counts_.clear();
  maxCount_ = 0;
}

uint32_t TWordFrequencies::Count(const std::string& word) const {
  const auto it = counts_.find(word);
  return it == counts_.end() ? 0 : it->second;
}

std::string TWordFrequencies::PathFor(const std::string& dictionaryPath) {
  const size_t slash = dictionaryPath.find_last_of("/\\");
  const size_t dot = dictionaryPath.rfind('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
    return dictionaryPath + ".vlf";
  return dictionaryPath.substr(0, dot) + ".vlf";
}

// ---- TAccurateSuggestions ---------------------------------------------------

TAccurateSuggestions::TAccurateSuggestions() : adjacent_(256 * 256, false) { SetLanguage(0); }

void TAccurateSuggestions::SetLanguage(uint32_t language) {
  if (language == language_) return;
  language_ = language;
  codePage_ = CodePageOf(language);
  lower_ = Ansi::LowerCaseTable(codePage_);
  for (int c = 0; c < 256; ++c) fold_[c] = lower_[c];
  for (const char* p = FoldPairs(codePage_); p[0] && p[1]; p += 2)
    fold_[static_cast<uint8_t>(p[0])] = static_cast<uint8_t>(p[1]);
  std::memset(vowel_, 0, sizeof vowel_);
  for (const char* p = Vowels(codePage_); *p; ++p) {
    const uint8_t c = static_cast<uint8_t>(*p);
    vowel_[c >> 3] |= static_cast<uint8_t>(1 << (c & 7));
  }
  std::fill(adjacent_.begin(), adjacent_.end(), false);
  substitute_.assign(256 * 256, 0);
  const std::vector<const char*> rows = KeyboardRows(language);
  for (size_t r = 0; r < rows.size(); ++r) {
    for (size_t i = 0; rows[r][i]; ++i) {
      for (size_t s = (r > 0 ? r - 1 : 0); s <= r + 1 && s < rows.size(); ++s) {
        const size_t length = std::strlen(rows[s]);
        for (size_t j = (i > 0 ? i - 1 : 0); j <= i + 1 && j < length; ++j) {
          if (s == r && j == i) continue;
          // Rows are staggered: a key touches the one below-left, not below-right.
          if (s == r + 1 && j == i + 1) continue;
          if (s + 1 == r && j + 1 == i) continue;
          adjacent_[static_cast<uint8_t>(rows[r][i]) * 256 + static_cast<uint8_t>(rows[s][j])] = true;
        }
      }
    }
  }
  for (int a = 0; a < 256; ++a) {
    for (int b = 0; b < 256; ++b)
      substitute_[a * 256 + b] = static_cast<uint8_t>(SubstituteCost(uint8_t(a), uint8_t(b)));
  }
}

bool TAccurateSuggestions::Adjacent(uint8_t a, uint8_t b) const { return adjacent_[a * 256 + b]; }

int TAccurateSuggestions::SubstituteCost(uint8_t intended, uint8_t typed) const {
  if (intended == typed) return 0;
  if (fold_[intended] == fold_[typed]) return kAccent;
  if (IsVowel(intended) && IsVowel(typed)) return kVowel;
  for (const char* pair : kSoundPairs) {
    if ((intended == uint8_t(pair[0]) && typed == uint8_t(pair[1])) ||
        (intended == uint8_t(pair[1]) && typed == uint8_t(pair[0])))
      return kSoundAlike;
  }
  if (Adjacent(intended, typed)) return kNeighbour;
  return kEdit;
}

int TAccurateSuggestions::OmitCost(uint8_t letter, uint8_t previous) const {
  if (letter == previous) return kDoubled;
  if (letter == '\'') return kApostrophe;
  if (IsVowel(letter)) return kOmittedVowel;
  return kEdit;
}

int TAccurateSuggestions::ExtraCost(uint8_t letter, uint8_t before, uint8_t after) const {
  if (letter == before) return kDoubled;
  if ((before && Adjacent(letter, before)) || (after && Adjacent(letter, after)))
    return kExtraNeighbour;
  return kEdit;
}

void TAccurateSuggestions::StartRows(TRows& rows, const std::string& typedLower, int limit) const {
  const size_t n = typedLower.size();
  rows.typed = typedLower;
  rows.limit = limit;
  rows.stride = n + 2;
  rows.extra.resize(n + 1);
  for (size_t j = 1; j <= n; ++j)
    rows.extra[j] = ExtraCost(uint8_t(typedLower[j - 1]), j >= 2 ? uint8_t(typedLower[j - 2]) : 0,
                              j < n ? uint8_t(typedLower[j]) : 0);
  rows.cells.assign(rows.stride, kBeyond);
  rows.mins.assign(1, 0);
  rows.lo.assign(1, 0);
  rows.hi.assign(1, 0);
  int* row = rows.cells.data();
  row[0] = 0;
  for (size_t j = 1; j <= n && row[j - 1] + rows.extra[j] <= limit; ++j) {
    row[j] = row[j - 1] + rows.extra[j];
    rows.hi[0] = j;
  }
}

void TAccurateSuggestions::Raise(TRows& rows, size_t depth, int amount) const {
  int* row = rows.cells.data() + depth * rows.stride;
  const size_t n = rows.typed.size();
  int best = kBeyond;
  size_t lo = n + 1, hi = 0;
  for (size_t j = 0; j <= n; ++j) {
    if (row[j] >= kBeyond) continue;
    row[j] += amount;
    best = std::min(best, row[j]);
    if (row[j] <= rows.limit) {
      lo = std::min(lo, j);
      hi = j;
    }
  }
  rows.mins[depth] = best;
  rows.lo[depth] = lo;
  rows.hi[depth] = hi;
}

int TAccurateSuggestions::FillRow(TRows& rows, size_t depth, const uint8_t* intended) const {
  const size_t n = rows.typed.size();
  const size_t stride = rows.stride;
  if (rows.cells.size() < (depth + 1) * stride) rows.cells.resize((depth + 1) * stride, kBeyond);
  if (rows.mins.size() < depth + 1) {
    rows.mins.resize(depth + 1);
    rows.lo.resize(depth + 1);
    rows.hi.resize(depth + 1);
  }
  int* row = rows.cells.data() + depth * stride;
  std::fill(row, row + stride, kBeyond);
  // Only cells next to those of the rows above that are still within the
  // limit can be within it: the rest stay beyond.
  size_t start = n + 1, end = 0;
  if (rows.lo[depth - 1] <= rows.hi[depth - 1]) {
    start = rows.lo[depth - 1];
    end = rows.hi[depth - 1] + 1;
  }
  if (depth >= 2 && rows.lo[depth - 2] <= rows.hi[depth - 2]) {
    start = std::min(start, rows.lo[depth - 2] + 2);
    end = std::max(end, rows.hi[depth - 2] + 2);
  }
  end = std::min(end, n);
  if (start > end) {
    rows.mins[depth] = kBeyond;
    rows.lo[depth] = 1;
    rows.hi[depth] = 0;
    return kBeyond;
  }
  const int* up = row - stride;
  const int* twoUp = depth >= 2 ? up - stride : nullptr;
  const uint8_t* typed = reinterpret_cast<const uint8_t*>(rows.typed.data());
  const uint8_t c = intended[depth - 1];
  const uint8_t previous = depth >= 2 ? intended[depth - 2] : 0;
  const int omit = OmitCost(c, previous);
  const uint8_t* substitute = substitute_.data() + c * 256;
  const int limit = rows.limit;
  int best = kBeyond;
  size_t lo = n + 1, hi = 0;
  size_t j = start;
  if (j == 0) {
    row[0] = up[0] + omit;
    best = row[0];
    if (row[0] <= limit) lo = hi = 0;
    j = 1;
  }
  // Past `end` only a run of extra letters can stay within the limit.
  for (; j <= n && (j <= end || row[j - 1] + rows.extra[j] <= limit); ++j) {
    const uint8_t t = typed[j - 1];
    int v = up[j - 1] + substitute[t];
    v = std::min(v, up[j] + omit);
    v = std::min(v, row[j - 1] + rows.extra[j]);
    if (twoUp && j >= 2 && c == typed[j - 2] && previous == t && c != previous)
      v = std::min(v, twoUp[j - 2] + kSwap);
    row[j] = v;
    best = std::min(best, v);
    if (v <= limit) {
      lo = std::min(lo, j);
      hi = j;
    }
  }
  rows.mins[depth] = best;
  rows.lo[depth] = lo;
  rows.hi[depth] = hi;
  return best;
}

std::string TAccurateSuggestions::Lower(const std::string& s) const {
  std::string r(s);
  for (char& c : r) c = static_cast<char>(lower_[uint8_t(c)]);
  return r;
}

int TAccurateSuggestions::Cost(const std::string& typed, const std::string& intended) const {
  const std::string i = Lower(intended);
  TRows rows;
  StartRows(rows, Lower(typed), kBeyond / 2);
  const uint8_t* letters = reinterpret_cast<const uint8_t*>(i.data());
  for (size_t d = 1; d <= i.size(); ++d) FillRow(rows, d, letters);
  const int firstLetter =
      !i.empty() && !typed.empty() && fold_[uint8_t(i[0])] != fold_[uint8_t(rows.typed[0])]
          ? kOtherFirstLetter
          : 0;
  return rows.cells[i.size() * rows.stride + typed.size()] + firstLetter;
}

// About one edit for short words, two for longer ones.
int TAccurateSuggestions::Bound(size_t length) const {
  if (length <= 2) return kEdit;
  if (length <= 4) return 15;
  if (length <= 8) return 20;
  return 22;
}

void TAccurateSuggestions::AddCandidate(const std::string& word, int cost, bool split) {
  const auto it = seen_.find(word);
  if (it != seen_.end()) {
    TCandidate& known = candidates_[it->second];
    known.cost = std::min(known.cost, cost);
    return;
  }
  seen_.emplace(word, candidates_.size());
  TCandidate candidate;
  candidate.word = word;
  candidate.cost = cost;
  candidate.split = split;
  candidates_.push_back(std::move(candidate));
}

int TAccurateSuggestions::Score(const TCandidate& candidate, const TWordFrequencies* frequencies,
                                const std::string& typedCode, TPhoneticsMap* map,
                                std::string& code) const {
  int score = candidate.cost;
  if (frequencies && !frequencies->Empty()) {
    // Each word of a split must be common for the split to rank.
    int term = 0;
    size_t pos = 0;
    while (pos <= candidate.word.size()) {
      size_t end = candidate.word.find(' ', pos);
      if (end == std::string::npos) end = candidate.word.size();
      const std::string part = candidate.word.substr(pos, end - pos);
      const uint32_t count = frequencies->Count(Lower(part));
      int partTerm = kRareWord;
      if (count > 0) {
        const double scale = std::log(1.0 + frequencies->MaxCount());
        partTerm = static_cast<int>(
            std::lround((kRareWord - 2) * (1.0 - std::log(1.0 + count) / scale)));
      }
      term = std::max(term, partTerm);
      pos = end + 1;
    }
    score += term;
  }
  if (map && !candidate.split && typedCode.size() >= 2) {
    map->Encode(candidate.word.data(), candidate.word.size(), code);
    if (code == typedCode) score -= kSoundsAlike;
  }
  for (size_t i = 0; i < candidate.word.size(); ++i) {
    const uint8_t c = uint8_t(candidate.word[i]);
    if (lower_[c] != c && (i >= word_.size() || uint8_t(word_[i]) == lower_[uint8_t(word_[i])])) {
      score += kCapitalised;
      break;
    }
  }
  if (candidate.split && (candidate.word.find(' ') == 1 ||
                          candidate.word.find(' ') + 2 == candidate.word.size()))
    score += kOneLetterWord;
  return score;
}

void TAccurateSuggestions::WalkDictionaries(const std::vector<TMainDictionary*>& dictionaries,
                                            int firstLetterToll) {
  const size_t n = typed_.size();
  const uint8_t typedFirst = fold_[uint8_t(typed_[0])];
  // A word that begins with the second letter typed (one letter too many in
  // front, or the first two swapped) is searched without the toll.
  const uint8_t typedSecond = n >= 2 ? fold_[uint8_t(typed_[1])] : 0;
  for (TMainDictionary* dictionary : dictionaries) {
    if (dictionary == nullptr) continue;
    intended_.clear();
    dictionary->WalkLetterTree([&](const char* letters, size_t from, size_t length, bool wordEnd) {
      if (intended_.size() < length) intended_.resize(length);
      for (size_t k = from; k < length; ++k) {
        intended_[k] = lower_[uint8_t(letters[k])];
        int best = FillRow(rows_, k + 1, intended_.data());
        const bool otherFirst = fold_[intended_[0]] != typedFirst;
        // The toll falls on the second letter's row, so that a word whose
        // first letter was left out ("imon" for "Simon") or typed twice in
        // front, or whose first two letters were swapped, goes free.
        bool tolled = false;
        if (k == 1 && otherFirst && fold_[intended_[0]] != typedSecond &&
            fold_[intended_[1]] != typedFirst) {
          Raise(rows_, 2, firstLetterToll);
          best = rows_.mins[2];
          tolled = true;
        }
        const int last = rows_.cells[(k + 1) * rows_.stride + n];
        if (k == from && wordEnd && last <= bound_) {
          const std::string word(letters, from + 1);
          // Such a word's cost carries the ranking's term, not the toll.
          AddCandidate(word, otherFirst ? Cost(typed_, word) : last);
        }
        // A swap reaches back one row, so that row may still lead somewhere:
        // at the first letter only when it is the second letter typed.
        if (best > bound_ &&
            (k == 0 ? n < 2 || intended_[0] != uint8_t(typed_[1])
                    : rows_.mins[k] + (tolled ? firstLetterToll : 0) + kSwap > bound_))
          return false;
      }
      return true;
    });
  }
}

void TAccurateSuggestions::Suggest(const std::string& word,
                                   const std::vector<TMainDictionary*>& dictionaries,
                                   const std::vector<std::string>& userWords,
                                   const TWordFrequencies* frequencies, TPhoneticsMap* map,
                                   const TWordExistsTest& exists, int maxCount,
                                   TStringList& results) {
  results.Clear();
  if (word.empty() || word.size() > size_t(kMaxWordLength) || maxCount == 0) return;
  word_ = word;
  typed_ = Lower(word);
  const size_t n = typed_.size();
  bound_ = Bound(n);
  candidates_.clear();
  seen_.clear();
  StartRows(rows_, typed_, bound_);
  // First only words that begin as typed (or nearly): most misspellings
  // keep their first letter, and this pass is quick. When it finds no word
  // within about one edit, the whole tree is searched.
  WalkDictionaries(dictionaries, kFirstLetterToll);
  int best = kBeyond;
  for (const TCandidate& candidate : candidates_) best = std::min(best, candidate.cost);
  if (best > kWiderSearch) WalkDictionaries(dictionaries, kOtherFirstLetter);
  for (const std::string& userWord : userWords) {
    if (userWord.empty() || userWord.size() > size_t(kMaxWordLength)) continue;
    const int cost = Cost(word, userWord);
    if (cost <= bound_) AddCandidate(userWord, cost);
  }
  // Words that sound alike may lie beyond the bound ("fonetik").
  std::string typedCode;
  std::string code;
  if (map) {
    map->Encode(word.data(), word.size(), typedCode);
    if (!dictionaries.empty() && dictionaries[0] != nullptr && typedCode.size() >= 2) {
      TStringList matches;
      dictionaries[0]->FindPhoneticMatches(word, *map, matches);
      for (int i = 0; i < matches.Count(); ++i) {
        const int cost = Cost(word, matches[i]);
        if (cost <= bound_ + kEdit) AddCandidate(matches[i], cost);
      }
    }
  }
  // A missing space: both halves words.
  if (n >= 3) {
    for (size_t k = 1; k + 1 <= n - 1; ++k) {
      const std::string left = word.substr(0, k);
      const std::string right = word.substr(k);
      if (exists(left) && exists(right))
        AddCandidate(left + " " + right, kSplit, true);
    }
  }

  for (TCandidate& candidate : candidates_)
    candidate.score = Score(candidate, frequencies, typedCode, map, code);
  std::stable_sort(candidates_.begin(), candidates_.end(),
                   [](const TCandidate& a, const TCandidate& b) {
                     if (a.score != b.score) return a.score < b.score;
                     if (a.cost != b.cost) return a.cost < b.cost;
                     return a.word < b.word;
                   });

  // The typist's capitals carry over to the suggestion.
  const unsigned char* upper = Ansi::UpperCaseTable(codePage_);
  // A slip can put one letter of the wrong case into a capitalised or
  // upper-case word ("xKein", "PROGRsM"): the majority decides.
  size_t letters = 0, capitals = 0;
  for (char c : word) {
    const uint8_t b = uint8_t(c);
    if (lower_[b] != b) ++capitals;
    if (lower_[b] != b || upper[b] != b) ++letters;
  }
  const bool allUpper = capitals >= 2 && capitals + 1 >= letters && letters > 2;
  const bool capital = !allUpper && (lower_[uint8_t(word[0])] != uint8_t(word[0]) ||
                                     (capitals == 1 && n > 1 && lower_[uint8_t(word[1])] != uint8_t(word[1])));
  const size_t limit = maxCount < 0 ? candidates_.size() : size_t(maxCount);
  std::unordered_map<std::string, bool> listed;
  for (const TCandidate& candidate : candidates_) {
    if (size_t(results.Count()) >= limit) break;
    std::string shown = candidate.word;
    if (allUpper) {
      for (char& c : shown) c = static_cast<char>(upper[uint8_t(c)]);
    } else if (capital && !shown.empty()) {
      shown[0] = static_cast<char>(upper[uint8_t(shown[0])]);
    }
    if (!candidate.split) {
      if (!exists(shown)) {
        if (shown == candidate.word || !exists(candidate.word)) continue;
        shown = candidate.word;
      }
    } else if (shown == word) {
      continue;
    }
    if (shown == word) continue;
    if (!listed.emplace(Lower(shown), true).second) continue;
    results.AddObject(shown, candidate.score);
  }
}
