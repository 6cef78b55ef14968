// The accurate suggestion mode: dictionary words within about two weighted
// edits of a misspelled word, found by walking the letter tree with a cost
// bound, ranked by how people actually mistype (keyboard neighbours, doubled
// letters, swaps, vowels, accents), by sound and by how common a word is.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "vl3Suggestions.h"

class TMainDictionary;
class TPhoneticsMap;
class TStringList;

// Word counts from a text of the language, kept beside a main dictionary as
// a file of its own ("word count" lines in the dictionary's code page). A
// missing or unreadable file leaves the table empty: ranking then goes by
// edits and sound alone.
class TWordFrequencies {
 public:
  // Replaces the table with the file's; false when it cannot be read.
  // Counts are kept per lower-case form (`lower`: the code page's table;
  // null keeps the bytes), so "Paris" and "paris" share theirs.
  bool Load(const std::string& path, const unsigned char* lower);
  // Parses "word count" lines (a tab or spaces between); bad lines are skipped.
  void Parse(const std::string& text, const unsigned char* lower);
  void Clear();
  // 0 for a word not listed; `word` in lower case.
  uint32_t Count(const std::string& word) const;
  bool Empty() const { return counts_.empty(); }
  uint32_t MaxCount() const { return maxCount_; }
  // Where the file of a main dictionary is looked for: its path with the
  // extension ".vlf" in place of ".vlm".
  static std::string PathFor(const std::string& dictionaryPath);

 private:
  std::unordered_map<std::string, uint32_t> counts_;
  uint32_t maxCount_ = 0;
};

// Cost model and search; one object per engine, one request at a time.
class TAccurateSuggestions {
 public:
  TAccurateSuggestions();

  // Chooses the code page, the keyboard and the accent folding.
  void SetLanguage(uint32_t language);
  uint32_t Language() const { return language_; }

  // Weighted cost (tenths of an edit) of turning `typed` into `intended`, the
  // same measure the search uses; both are compared in lower case.
  int Cost(const std::string& typed, const std::string& intended) const;

  // Ranked suggestions for `word` into `results` (scores in the object
  // slots, lower is better): words of `dictionaries` and `userWords` near it,
  // the phonetic matches of the first dictionary when `map` is given, and
  // splits into two words. `exists` has the last word on every suggestion
  // (its case form included). `frequencies` may be null or empty.
  void Suggest(const std::string& word, const std::vector<TMainDictionary*>& dictionaries,
               const std::vector<std::string>& userWords, const TWordFrequencies* frequencies,
               TPhoneticsMap* map, const TWordExistsTest& exists, int maxCount,
               TStringList& results);

  // Words longer than this get no tree search (the standard mode's fallback).
  static constexpr int kMaxWordLength = 60;

 private:
  struct TCandidate {
    std::string word;  // as stored
    int cost = 0;
    int score = 0;
    bool split = false;  // two words: the existence test does not apply
  };
  // Per-byte classes of the language's code page.
  bool IsVowel(uint8_t c) const { return (vowel_[c >> 3] >> (c & 7)) & 1; }
  bool Adjacent(uint8_t a, uint8_t b) const;
  int SubstituteCost(uint8_t intended, uint8_t typed) const;
  // A letter of the intended word that the typist left out; `previous` is
  // the intended letter before it (0 at the start).
  int OmitCost(uint8_t letter, uint8_t previous) const;
  // A letter typed that the intended word lacks, between `before` and `after`.
  int ExtraCost(uint8_t letter, uint8_t before, uint8_t after) const;
  // Cost rows of a search: row d holds, for each prefix of the typed word,
  // the cost of typing it for the intended word's first d letters. Only the
  // cells that can stay within `limit` are computed; the rest read as beyond.
  struct TRows {
    std::string typed;           // lower case
    std::vector<int> extra;      // cost of each typed letter being one too many
    size_t stride = 0;
    int limit = 0;
    std::vector<int> cells;
    std::vector<int> mins;       // smallest cost of each row
    std::vector<size_t> lo, hi;  // the cells of each row within the limit (lo > hi: none)
  };
  void StartRows(TRows& rows, const std::string& typedLower, int limit) const;
  // Adds `amount` to every cell of row `depth` and updates what it keeps.
  void Raise(TRows& rows, size_t depth, int amount) const;
  // Fills row `depth` (the intended prefix now `depth` letters long) from
  // the rows above it; returns the row's smallest cost.
  int FillRow(TRows& rows, size_t depth, const uint8_t* intended) const;
  int Bound(size_t length) const;
  void AddCandidate(const std::string& word, int cost, bool split = false);
  // Adds the words within the bound; `firstLetterToll` is charged in the
  // search (not in the cost) to words that begin with another letter.
  void WalkDictionaries(const std::vector<TMainDictionary*>& dictionaries, int firstLetterToll);
  // Lower-case bytes of `s` in the language's code page.
  std::string Lower(const std::string& s) const;
  int Score(const TCandidate& candidate, const TWordFrequencies* frequencies,
            const std::string& typedCode, TPhoneticsMap* map, std::string& code) const;

  uint32_t language_ = 0xFFFFFFFF;
  int codePage_ = 1252;
  const unsigned char* lower_ = nullptr;
  uint8_t fold_[256] = {};
  uint8_t vowel_[32] = {};
  std::vector<bool> adjacent_;  // 256 x 256: keys side by side on the keyboard
  std::vector<uint8_t> substitute_;  // 256 x 256: SubstituteCost(intended, typed)

  // State of one search.
  std::string word_;   // as typed
  std::string typed_;  // lower case
  TRows rows_;
  std::vector<uint8_t> intended_;  // lower-case letters of the walk's path
  int bound_ = 0;
  std::unordered_map<std::string, size_t> seen_;
  std::vector<TCandidate> candidates_;
};
