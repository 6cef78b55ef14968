// The spell-checker component's suggestions for a misspelled word, from the
// mapping dictionary, the generator and the phonetic matches of the first main one.
#include "vl3SpellSuggestions.h"

#include <algorithm>
#include <unordered_set>
#include <utility>
#include <vector>

#include "vl3AccurateSuggestions.h"
#include "vl3Ansi.h"
#include "vl3Codepage.h"
#include "vl3CustomDictionary.h"
#include "vl3MainDictionary.h"
#include "vl3PhoneticsMap.h"
#include "vl3SpellBase.h"
#include "vl3Suggestions.h"

TSpellSuggestions::TSpellSuggestions(TVexlorSpell3Base& spell) : spell_(spell) {}

TSpellSuggestions::~TSpellSuggestions() = default;

void TSpellSuggestions::BuildSuggestions(const std::string& word, int32_t maxCount,
                                         TStringList& results) {
  TVexlorSpell3Base& spell = spell_;
  if (spell.configuration_->SuggestionMode() == smAccurate) {
    BuildAccurate(word, maxCount, results);
    return;
  }
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

void TSpellSuggestions::AdjustPhoneticsMap() {
  TVexlorSpell3Base& spell = spell_;
  TPhoneticsMap& phoneticsMap = *spell.phoneticsMap_;
  TMainDictionary& first = *spell.dictionaries_.Main(0);
  if (phoneticsMap.Language() != first.LangId()) {
    phoneticsMap.SetLanguage(first.LangId());
    if (spell.OnAdjustPhoneticsMap) spell.OnAdjustPhoneticsMap(&spell);
  }
}

void TSpellSuggestions::BuildAccurate(const std::string& word, int32_t maxCount,
                                      TStringList& results) {
  TVexlorSpell3Base& spell = spell_;
  TSpellDictionarySet& dictionaries = spell.dictionaries_;
  std::string mapped;
  TCustomDictionary* mapping = dictionaries.Mapping();
  if (mapping && mapping->LookupAutoCorrect(word, mapped)) {
    results.Clear();
    results.Add(mapped);
    return;
  }
  if (!accurate_) accurate_ = std::make_unique<TAccurateSuggestions>();
  if (!frequencies_) frequencies_ = std::make_unique<TWordFrequencies>();

  std::vector<TMainDictionary*> mains;
  for (int i = 0; i < dictionaries.MainCount(); ++i) mains.push_back(dictionaries.Main(i));
  TPhoneticsMap* map = nullptr;
  if (!mains.empty()) {
    accurate_->SetLanguage(mains[0]->LangId());
    // Counts of the first dictionary's language, when a file ships beside it.
    if (frequenciesFor_ != mains[0]->SourcePath()) {
      frequenciesFor_ = mains[0]->SourcePath();
      frequencies_->Load(TWordFrequencies::PathFor(frequenciesFor_),
                         Ansi::LowerCaseTable(Codepage::OfLanguage(mains[0]->LangId())));
    }
    if (spell.phoneticSuggestions_) {
      AdjustPhoneticsMap();
      map = spell.phoneticsMap_.get();
    }
  }

  // The user's own words compete with the dictionaries' (the existence test
  // still has the last word, so an excluded word never comes back).
  std::vector<std::string> userWords;
  std::unordered_set<TCustomDictionary*> listed;
  constexpr int kMaxUserWords = 20000;
  auto addUserWords = [&](TCustomDictionary* custom) {
    if (custom == nullptr || !listed.insert(custom).second) return;
    const int count = custom->CountIgnored();
    for (int i = 0; i < count && int(userWords.size()) < kMaxUserWords; ++i)
      userWords.push_back(custom->IgnoreWordAt(i));
  };
  addUserWords(dictionaries.ActiveCustom());
  for (int i = 0; i < dictionaries.CustomCount(); ++i) addUserWords(dictionaries.Custom(i));

  const TWordExistsTest exists = [&spell](const std::string& candidate) {
    bool found = false;
    spell.SuggestionWordExists(candidate, found);
    return found;
  };
  TStringList candidates;
  accurate_->Suggest(word, mains, userWords, frequencies_.get(), map, exists, maxCount, candidates);

  // What the user chose before: the learned replacement first, then words
  // picked earlier ahead of equally good ones.
  std::vector<std::pair<std::string, intptr_t>> ranked;
  for (int i = 0; i < candidates.Count(); ++i) ranked.emplace_back(candidates[i], candidates.Objects(i));
  if (TCustomDictionary* learning = dictionaries.Learning()) {
    constexpr intptr_t kChosenBefore = 3;
    for (auto& entry : ranked) {
      if (learning->HasIgnore(entry.first)) entry.second -= kChosenBefore;
    }
    std::string learned;
    if (learning->LookupAutoCorrect(word, learned)) {
      ranked.erase(std::remove_if(ranked.begin(), ranked.end(),
                                  [&](const auto& entry) { return entry.first == learned; }),
                   ranked.end());
      ranked.emplace(ranked.begin(), learned, INTPTR_MIN);
    }
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const auto& a, const auto& b) { return a.second < b.second; });
  }
  candidates.Clear();
  for (const auto& entry : ranked) candidates.AddObject(entry.first, entry.second);
  TruncateSuggestions(candidates, maxCount);
  results.Assign(candidates);
}
