// The suggestions a spell-checker component offers for a word: the mapping's
// replacement, or generated and phonetic candidates ranked with what it learned.
#pragma once

#include <cstdint>
#include <string>

class TStringList;
class TVexlorSpell3Base;

// Works on the component's dictionary set, generator and phonetics map; the
// existence test goes through the component's virtual, so an override runs.
class TSpellSuggestions {
 public:
  explicit TSpellSuggestions(TVexlorSpell3Base& spell) : spell_(spell) {}
  TSpellSuggestions(const TSpellSuggestions&) = delete;
  TSpellSuggestions& operator=(const TSpellSuggestions&) = delete;

  void BuildSuggestions(const std::string& word, int32_t maxCount, TStringList& results);

 private:
  TVexlorSpell3Base& spell_;
};
