// The suggestions a spell-checker component offers for a word: the mapping's
// replacement, or generated and phonetic candidates ranked with what it learned.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

class TStringList;
class TVexlorSpell3Base;
class TAccurateSuggestions;
class TWordFrequencies;

// Works on the component's dictionary set, generator and phonetics map; the
// existence test goes through the component's virtual, so an override runs.
class TSpellSuggestions {
 public:
  explicit TSpellSuggestions(TVexlorSpell3Base& spell);
  ~TSpellSuggestions();
  TSpellSuggestions(const TSpellSuggestions&) = delete;
  TSpellSuggestions& operator=(const TSpellSuggestions&) = delete;

  void BuildSuggestions(const std::string& word, int32_t maxCount, TStringList& results);

 private:
  // The accurate mode: a search of the letter trees ranked by cost, sound
  // and word frequencies, then what the user chose before.
  void BuildAccurate(const std::string& word, int32_t maxCount, TStringList& results);
  // The phonetics map on the first main dictionary's language.
  void AdjustPhoneticsMap();

  TVexlorSpell3Base& spell_;
  std::unique_ptr<TAccurateSuggestions> accurate_;
  std::unique_ptr<TWordFrequencies> frequencies_;
  std::string frequenciesFor_;  // the main dictionary whose counts are loaded
};
