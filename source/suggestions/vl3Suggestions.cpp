// Candidate generation by single edits, the edit distance that scores
// suggestions, and the ranking steps the engine runs over its candidate list.
#include "vl3Suggestions.h"

#include <algorithm>

#include "vl3Ansi.h"
#include "vl3Codepage.h"
#include "vl3PhoneticsMap.h"
#include "vl3StringList.h"

namespace {

constexpr int kUnlimitedCount = 65535;
constexpr size_t kEditDistanceLimit = 255;

// Cyrillic letters outside 0xC0-0xFF in Windows-1251 (yo, Ukrainian i, yi, No
// sign).
const char kExtraLetters[] = "\xB8\xA8\xB9\xB3\xBF";

std::string MakeLowerCaseSet() {
  std::string s("'abcdefghijklmnopqrstuvwxyz\xD7\xDE\xDF");
  for (int c = 0xE0; c <= 0xFF; ++c) s += static_cast<char>(c);
  s += kExtraLetters;
  return s;
}

std::string MakeFullSet() {
  std::string s("'abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
  for (int c = 0xC0; c <= 0xFF; ++c) s += static_cast<char>(c);
  s += kExtraLetters;
  return s;
}

bool IsAllLower(const char* s, size_t n, int codePage) {
  for (size_t i = 0; i < n; ++i) {
    if (Ansi::ToLower(s[i], codePage) != s[i]) return false;
  }
  return true;
}

bool IsAllUpper(const char* s, size_t n, int codePage) {
  for (size_t i = 0; i < n; ++i) {
    if (Ansi::ToUpper(s[i], codePage) != s[i]) return false;
  }
  return true;
}

bool IsAllLower(const std::string& s, int codePage) {
  return IsAllLower(s.data(), s.size(), codePage);
}
bool IsAllUpper(const std::string& s, int codePage) {
  return IsAllUpper(s.data(), s.size(), codePage);
}

int Score(const TStringList& list, int index) { return static_cast<int>(list.Objects(index)); }

}  // namespace

// ---- TSuggestionsGenerator ----------------------------------------------

TSuggestionsGenerator::TSuggestionsGenerator() : startSet_(FullSet()) {
  SetDefaultOperations(true);
}

TSuggestionsGenerator::~TSuggestionsGenerator() = default;

const std::string& TSuggestionsGenerator::LowerCaseSet() {
  static const std::string set = MakeLowerCaseSet();
  return set;
}

const std::string& TSuggestionsGenerator::FullSet() {
  static const std::string set = MakeFullSet();
  return set;
}

const std::string& TSuggestionsGenerator::CzechAdditions() {
  static const std::string set(
      "\xE1\xE8\xEF\xE9\xEC\xED\xF2\xF3\xF8\x9A\x9D\xFA\xF9\xFD\x9E"
      "\xC1\xC8\xCF\xC9\xCC\xCD\xD2\xD3\xD8\x8A\x8D\xDA\xD9\xDD\x8E");
  return set;
}

void TSuggestionsGenerator::SetLanguage(uint32_t language) {
  if (language == language_) return;
  language_ = language;
  codePage_ = Codepage::OfLanguage(language);
  SetDefaultOperations(defaultOperations_);
  if (language == kLanguageCzech) startSet_ += CzechAdditions();
}

void TSuggestionsGenerator::SetDefaultOperations(bool value) {
  defaultOperations_ = value;
  if (value) operations_ = kSuggestAllOperations;
}

void TSuggestionsGenerator::SetOperations(uint8_t operations) {
  operations_ = operations;
  SetDefaultOperations(false);
}

bool TSuggestionsGenerator::TryCandidate(const std::string& candidate) {
  if (!Running()) return true;
  if (candidate.size() < 2) return false;
  if (!Exists(candidate)) return false;
  if (list_->Count() > maxCount_) return true;
  bool candidateLower = IsAllLower(candidate, codePage_);
  if (!candidateLower) {
    // A capitalised form of a word that exists in lower case comes from
    // its own lower-case step; offering both would only add noise.
    if (wordLower_) {
      scratch_.resize(candidate.size());
      for (size_t i = 0; i < candidate.size(); ++i)
        scratch_[i] = Ansi::ToLower(candidate[i], codePage_);
      if (Exists(scratch_)) return false;
    }
    const char* rest = candidate.data() + 1;
    size_t restLength = candidate.size() - 1;
    if (!IsAllLower(rest, restLength, codePage_) && !IsAllUpper(rest, restLength, codePage_))
      return false;
  }
  AddUnlessListed(candidate);
  return false;
}

// Only exact repeats are dropped: "Hello" and "hello" are both offered, and
// "Hello" is not added again behind "hello" (matching the first entry that is
// equal ignoring case would let a third spelling repeat the second).
void TSuggestionsGenerator::AddUnlessListed(const std::string& entry) {
  for (int i = 0; i < list_->Count(); ++i) {
    if (list_->Strings(i) == entry) return;
  }
  list_->Add(entry);
}

bool TSuggestionsGenerator::TryInsertions() {
  if (!Running()) return true;
  for (int p = length_ + 1; p >= 2; --p) {
    size_t at = static_cast<size_t>(p - 1);
    candidate_.assign(word_, 0, at);
    candidate_ += '\0';
    candidate_.append(word_, at, std::string::npos);
    for (char c : *usageSet_) {
      candidate_[at] = c;
      if (TryCandidate(candidate_)) return true;
    }
  }
  candidate_.assign(1, '\0');
  candidate_ += word_;
  for (char c : startSet_) {
    candidate_[0] = c;
    if (TryCandidate(candidate_)) return true;
  }
  return false;
}

bool TSuggestionsGenerator::TrySwaps(int distance) {
  if (!Running()) return true;
  if (distance < 1 || length_ <= distance + 1) return false;
  candidate_ = word_;
  for (int i = length_ - distance; i >= 1; --i) {
    std::swap(candidate_[i - 1], candidate_[i - 1 + distance]);
    if (TryCandidate(candidate_)) return true;
    std::swap(candidate_[i - 1], candidate_[i - 1 + distance]);
  }
  return false;
}

bool TSuggestionsGenerator::TryDeletions() {
  if (!Running()) return true;
  for (int p = length_; p >= 1; --p) {
    size_t at = static_cast<size_t>(p - 1);
    candidate_.assign(word_, 0, at);
    candidate_.append(word_, at + 1, std::string::npos);
    if (TryCandidate(candidate_)) return true;
  }
  return false;
}

bool TSuggestionsGenerator::TrySubstitutions() {
  if (!Running()) return true;
  candidate_ = word_;
  for (int p = length_; p >= 2; --p) {
    size_t at = static_cast<size_t>(p - 1);
    for (char c : *usageSet_) {
      candidate_[at] = c;
      if (TryCandidate(candidate_)) return true;
    }
    candidate_[at] = word_[at];
  }
  for (char c : startSet_) {
    candidate_[0] = c;
    if (TryCandidate(candidate_)) return true;
  }
  return false;
}

bool TSuggestionsGenerator::TrySplits() {
  if (!Running()) return true;
  if (length_ >= 4) {
    for (int k = 2; k <= length_ - 2; ++k) {
      candidate_.assign(word_, 0, static_cast<size_t>(k));
      if (!Exists(candidate_)) continue;
      scratch_.assign(word_, static_cast<size_t>(k), std::string::npos);
      if (!Exists(scratch_)) continue;
      if (list_->Count() > maxCount_) return true;
      candidate_ += ' ';
      candidate_ += scratch_;
      AddUnlessListed(candidate_);
    }
  }

  // "end.The": a full stop with no space before the next sentence.
  size_t dot = word_.rfind('.');
  if (dot == std::string::npos || dot == 0 || dot + 1 >= word_.size()) return false;
  char next = word_[dot + 1];
  if (Ansi::ToUpper(next, codePage_) != next) return false;
  candidate_.assign(word_, 0, dot);
  if (!Exists(candidate_)) return false;
  scratch_.assign(word_, dot + 1, std::string::npos);
  if (!Exists(scratch_)) return false;
  if (list_->Count() > maxCount_) return false;
  candidate_ += ".  ";
  candidate_ += scratch_;
  AddUnlessListed(candidate_);
  return false;
}

void TSuggestionsGenerator::Generate(const std::string& word, int maxCount,
                                     const TWordExistsTest& test, TStringList* list) {
  if (maxCount == -1) maxCount = kUnlimitedCount;
  if (!test || list == nullptr || word.empty() || maxCount <= 0 ||
      word.size() > static_cast<size_t>(kMaxSuggestionWordLength))
    return;
  word_ = word;
  length_ = static_cast<int>(word.size());
  list_ = list;
  test_ = &test;
  maxCount_ = maxCount;
  wordLower_ = IsAllLower(word_, codePage_);
  usageSet_ = wordLower_ ? &LowerCaseSet() : &FullSet();

  bool stop = false;
  if ((operations_ & kSuggestSwaps) != 0) stop = TrySwaps(1);
  if (!stop && (operations_ & kSuggestInsertions) != 0) stop = TryInsertions();
  if (!stop && (operations_ & kSuggestDeletions) != 0) stop = TryDeletions();
  if (!stop && (operations_ & kSuggestSubstitutions) != 0) stop = TrySubstitutions();
  if (!stop && (operations_ & kSuggestSwaps) != 0) stop = TrySwaps(2);
  if (!stop && (operations_ & kSuggestSplits) != 0) TrySplits();

  // The list and the test belong to the caller; do not keep them past the run.
  list_ = nullptr;
  test_ = nullptr;
}

void TSuggestionsGenerator::GenerateWithCase(const std::string& word, int maxCount,
                                             const TWordExistsTest& test, TStringList* list) {
  Generate(word, maxCount, test, list);
  if (word.empty() || IsAllUpper(word, codePage_) || IsAllLower(word, codePage_)) return;
  std::string normalised = Ansi::LowerCase(word, codePage_);
  if (Ansi::ToUpper(word[0], codePage_) == word[0]) normalised[0] = word[0];
  // A capitalised word is its own normalised form: a second run would try
  // the same candidates against a list that already holds every one it can
  // accept, doubling the time for nothing.
  if (normalised == word) return;
  Generate(normalised, maxCount, test, list);
}

// ---- Scoring ------------------------------------------------------------

int EditDistance(const std::string& a, const std::string& b) {
  size_t la = a.size();
  size_t lb = b.size();
  if (la >= kEditDistanceLimit || lb >= kEditDistanceLimit)
    return static_cast<int>(std::max(la, lb));

  // One row of the Levenshtein table is enough for its last cell; `diag`
  // carries the cell above-left.
  int row[kEditDistanceLimit + 1];
  for (size_t j = 0; j <= lb; ++j) row[j] = static_cast<int>(j);
  const char* pb = b.data();
  for (size_t i = 1; i <= la; ++i) {
    int diag = row[0];
    row[0] = static_cast<int>(i);
    const char ca = a[i - 1];
    for (size_t j = 1; j <= lb; ++j) {
      int above = row[j];
      int cell;
      if (ca == pb[j - 1]) {
        cell = diag;
      } else {
        cell = above < row[j - 1] ? above : row[j - 1];
        if (diag < cell) cell = diag;
        ++cell;
      }
      diag = above;
      row[j] = cell;
    }
  }
  int r = row[lb];

  // Levenshtein charges 2 for an adjacent swap; credit one back for each
  // swap that sits at the same place in both strings.
  size_t n = std::min(la, lb);
  for (size_t c = 2; c <= n;) {
    char a1 = a[c - 1], a0 = a[c - 2];
    if (a1 == b[c - 2] && a0 == b[c - 1] && a1 != a0 && r > 0) {
      --r;
      c += 2;
    } else {
      ++c;
    }
  }
  return r;
}

void ScoreSuggestions(const std::string& word, TStringList& list) {
  for (int i = 0; i < list.Count(); ++i) list.SetObjects(i, EditDistance(word, list[i]));
}

void DropDistantPhoneticMatches(const std::string& word, const TPhoneticsMap& map,
                                TStringList& list, int firstPhonetic) {
  for (int i = std::max(firstPhonetic, 0); i < list.Count();) {
    if (map.AcceptDistance(word, Score(list, i))) {
      ++i;
    } else {
      list.Delete(i);
    }
  }
}

void PromoteLearnedReplacement(TStringList& list, const std::string& replacement) {
  int index = list.IndexOf(replacement);
  if (index >= 0 && list[index] == replacement) {
    list.SetObjects(index, 0);
  } else {
    list.Insert(0, replacement, 0);
  }
}

void ApplyLearnedPreference(TStringList& list,
                            const std::function<bool(const std::string&)>& learned) {
  for (int i = 0; i < list.Count(); ++i) {
    int score = 2 * Score(list, i);
    if (learned && learned(list[i])) --score;
    list.SetObjects(i, score);
  }
}

void SortSuggestionsByScore(TStringList& list) {
  int count = list.Count();
  for (int j = 0; j + 1 < count; ++j) {
    for (int k = j + 1; k < count; ++k) {
      if (Score(list, j) > Score(list, k)) list.Exchange(j, k);
    }
  }
}

void TruncateSuggestions(TStringList& list, int maxCount) {
  if (maxCount < 0) return;
  while (list.Count() > maxCount) list.Delete(list.Count() - 1);
}
