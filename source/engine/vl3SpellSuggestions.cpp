// The spell-checker component's suggestions for a misspelled word, from the
// mapping dictionary, the generator and the phonetic matches of the first main one.
#include "vl3SpellSuggestions.h"

#include "vl3CustomDictionary.h"
#include "vl3MainDictionary.h"
#include "vl3PhoneticsMap.h"
#include "vl3SpellBase.h"
#include "vl3Suggestions.h"

void TSpellSuggestions::BuildSuggestions(const std::string& word, int32_t maxCount,
                                         TStringList& results) {
  TVexlorSpell3Base& spell = spell_;
  TSpellDictionarySet& dictionaries = spell.dictionaries_;
  TPhoneticsMap& phoneticsMap = *spell.phoneticsMap_;
  std::string mapped;
  TCustomDictionary* mapping = dictionaries.Mapping();
  if (mapping && mapping->LookupAutoCorrect(word, mapped)) {
    results.Clear();
    results.Add(mapped);
    return;
  }

  TStringList candidates;
  const TWordExistsTest exists = [&spell](const std::string& candidate) {
    bool found = false;
    spell.SuggestionWordExists(candidate, found);
    return found;
  };
  spell.suggestionsGenerator_->GenerateWithCase(word, maxCount, exists, &candidates);
  const int generated = candidates.Count();

  if (spell.phoneticSuggestions_ && dictionaries.MainCount() > 0) {
    TMainDictionary& first = *dictionaries.Main(0);
    if (phoneticsMap.Language() != first.LangId()) {
      phoneticsMap.SetLanguage(first.LangId());
      if (spell.OnAdjustPhoneticsMap) spell.OnAdjustPhoneticsMap(&spell);
    }
    first.FindPhoneticMatches(word, phoneticsMap, candidates);
    if ((phoneticsMap.Language() & 0xFF) == 9 && candidates.Count() < 20 &&
        spell.phoneticFallback_) {
      phoneticsMap.SetLanguage(0);
      if (spell.OnAdjustPhoneticsMap) spell.OnAdjustPhoneticsMap(&spell);
      first.FindPhoneticMatches(word, phoneticsMap, candidates);
    }
  }

  ScoreSuggestions(word, candidates);
  DropDistantPhoneticMatches(word, phoneticsMap, candidates, generated);

  if (TCustomDictionary* learning = dictionaries.Learning()) {
    std::string learned;
    if (learning->LookupAutoCorrect(word, learned)) PromoteLearnedReplacement(candidates, learned);
    ApplyLearnedPreference(
        candidates, [learning](const std::string& entry) { return learning->HasIgnore(entry); });
  }

  SortSuggestionsByScore(candidates);
  TruncateSuggestions(candidates, maxCount);
  results.Assign(candidates);
}
