// Suggestion candidates from single edits of a misspelled word (swaps,
// insertions, deletions, substitutions, splits), and the scoring that ranks
// them.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

class TPhoneticsMap;
class TStringList;

// The engine's "is this an acceptable word" test. The string is only valid
// during the call (the generator reuses one buffer for all candidates).
using TWordExistsTest = std::function<bool(const std::string& word)>;

// Bits of the enabled operation set.
enum : uint8_t {
  kSuggestInsertions = 0x01,
  kSuggestSwaps = 0x02,
  kSuggestDeletions = 0x04,
  kSuggestSubstitutions = 0x08,
  kSuggestSplits = 0x10,
  kSuggestAllOperations = 0x1F
};

constexpr int kMaxSuggestionWordLength = 250;  // longer words get no candidates
constexpr uint32_t kLanguageCzech = 1029;

class TSuggestionsGenerator {
 public:
  TSuggestionsGenerator();
  virtual ~TSuggestionsGenerator();
  TSuggestionsGenerator(const TSuggestionsGenerator&) = delete;
  TSuggestionsGenerator& operator=(const TSuggestionsGenerator&) = delete;

  // A change to Czech appends its accented letters to the start set (again
  // on every change to Czech; they stay after a change to another language).
  virtual void SetLanguage(uint32_t language);
  virtual void SetDefaultOperations(bool value);
  virtual void SetOperations(uint8_t operations);

  // Each Try... answers true to end the run (the list is over the maximum).
  virtual bool TryCandidate(const std::string& candidate);
  virtual bool TryInsertions();
  virtual bool TrySwaps(int distance);
  virtual bool TryDeletions();
  virtual bool TrySubstitutions();
  virtual bool TrySplits();
  // Appends accepted candidates to `list`. maxCount -1 means unlimited
  // (65535); a run may leave maxCount + 1 entries. `list` is only used
  // during the call.
  virtual void Generate(const std::string& word, int maxCount, const TWordExistsTest& test,
                        TStringList* list);
  // Generate, then for a mixed-case word a second run on its normalised
  // form (all lower case, or capital + lower case) into the same list; a word
  // that is already in that form gets one run.
  virtual void GenerateWithCase(const std::string& word, int maxCount, const TWordExistsTest& test,
                                TStringList* list);

  uint32_t Language() const { return language_; }
  bool DefaultOperations() const { return defaultOperations_; }
  uint8_t Operations() const { return operations_; }
  const std::string& StartSet() const { return startSet_; }
  void SetStartSet(const std::string& set) { startSet_ = set; }

  // The character sets, in the order candidates are tried.
  static const std::string& LowerCaseSet();
  static const std::string& FullSet();
  static const std::string& CzechAdditions();

 protected:
  // State of the current run.
  std::string word_;
  int length_ = 0;
  TStringList* list_ = nullptr;
  const TWordExistsTest* test_ = nullptr;
  int maxCount_ = 0;
  const std::string* usageSet_ = nullptr;
  bool wordLower_ = false;  // the word equals its lower-case form

 private:
  bool Exists(const std::string& word) const { return (*test_)(word); }
  // Appends entry to the run's list unless an exactly equal entry is there.
  void AddUnlessListed(const std::string& entry);
  // The Try... steps are only meaningful inside Generate; outside it they stop.
  bool Running() const { return list_ != nullptr && test_ != nullptr && usageSet_ != nullptr; }

  uint32_t language_ = 0;
  int codePage_ = 1252;  // of the language: its case mapping
  std::string startSet_;
  bool defaultOperations_ = true;
  uint8_t operations_ = kSuggestAllOperations;
  std::string candidate_;  // reused for every candidate of a run
  std::string scratch_;    // lower-case forms and split halves
};

// Levenshtein distance over bytes (case-sensitive) with a credit of one for
// each adjacent swap at the same place in both strings, so "ab" -> "ba" is 1.
// Strings of 255 bytes or more give the larger length.
int EditDistance(const std::string& a, const std::string& b);

// Ranking steps for the engine's BuildSuggestions, in the order it applies
// them. Scores live in the list's object slots.

// Score of every entry := EditDistance(word, entry).
void ScoreSuggestions(const std::string& word, TStringList& list);
// Deletes the entries from `firstPhonetic` on whose score the map does not
// accept for `word`.
void DropDistantPhoneticMatches(const std::string& word, const TPhoneticsMap& map,
                                TStringList& list, int firstPhonetic);
// A replacement the user chose before: score 0, inserted at the front when the
// list lacks it (an entry differing only in case does not count).
void PromoteLearnedReplacement(TStringList& list, const std::string& replacement);
// score := 2 * score, less one for the entries `learned` answers true for.
void ApplyLearnedPreference(TStringList& list,
                            const std::function<bool(const std::string&)>& learned);
// Exchange sort by ascending score: the order of equal scores is fixed by
// this exact procedure.
void SortSuggestionsByScore(TStringList& list);
// Deletes entries from maxCount on; a negative maxCount keeps all.
void TruncateSuggestions(TStringList& list, int maxCount);
