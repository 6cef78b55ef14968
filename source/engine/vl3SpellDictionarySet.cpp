// The dictionaries a spell-checker component has open, and the look-ups that
// judge a word against them.
#include "vl3SpellDictionarySet.h"

#include <algorithm>

#include "vl3Ansi.h"
#include "vl3Codepage.h"
#include "vl3CustomDictionary.h"
#include "vl3MainDictionary.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsEnglish(uint32_t langId) { return (langId & 0xFF) == 9; }

}  // namespace

TSpellDictionarySet::TSpellDictionarySet() : internal_(new TCustomDictionary()) {}

TSpellDictionarySet::~TSpellDictionarySet() = default;

void TSpellDictionarySet::ClearMain() {
  main_.clear();
  possessiveRule_ = false;
}

void TSpellDictionarySet::AddMain(std::unique_ptr<TMainDictionary> dictionary) {
  if (!dictionary) return;
  if (IsEnglish(dictionary->LangId())) possessiveRule_ = true;
  main_.push_back(std::move(dictionary));
}

void TSpellDictionarySet::ClearCustom() { custom_.clear(); }

void TSpellDictionarySet::AddCustom(std::unique_ptr<TCustomDictionary> dictionary) {
  if (dictionary) custom_.push_back(std::move(dictionary));
}

void TSpellDictionarySet::ClearMSWordCustom() { msWordCustom_.clear(); }

void TSpellDictionarySet::AddMSWordCustom(std::unique_ptr<TCustomDictionary> dictionary) {
  if (dictionary) msWordCustom_.push_back(std::move(dictionary));
}

void TSpellDictionarySet::SetActiveCustom(std::unique_ptr<TCustomDictionary> dictionary) {
  active_ = std::move(dictionary);
}

void TSpellDictionarySet::SetMapping(std::unique_ptr<TCustomDictionary> dictionary) {
  mapping_ = std::move(dictionary);
}

void TSpellDictionarySet::SetLearning(std::unique_ptr<TCustomDictionary> dictionary) {
  learning_ = std::move(dictionary);
}

uint32_t TSpellDictionarySet::Language() const {
  return main_.empty() ? 0 : main_.front()->LangId();
}

void TSpellDictionarySet::ReorderByHits() {
  if (main_.size() < 2) return;
  size_t best = 0;
  for (size_t i = 1; i < main_.size(); ++i)
    if (main_[i]->HitCount() > main_[best]->HitCount()) best = i;
  if (best == 0) return;
  std::unique_ptr<TMainDictionary> moved = std::move(main_[best]);
  main_.erase(main_.begin() + static_cast<std::ptrdiff_t>(best));
  main_.insert(main_.begin(), std::move(moved));
}

void TSpellDictionarySet::Release() {
  for (auto& dictionary : main_) dictionary->SetMapped(false);
  if (active_) active_->SetActive(false);
  for (auto& dictionary : custom_) dictionary->SetActive(false);
  if (learning_) learning_->SetActive(false);
}

void TSpellDictionarySet::SaveOpenCopies(const std::string& path) {
  for (auto& dictionary : custom_)
    if (dictionary->DictionaryPath() == path) dictionary->SaveChanges();
  if (active_ && active_->DictionaryPath() == path) active_->SaveChanges();
}

// ---- Look-ups ----------------------------------------------------------------------

bool TSpellDictionarySet::FindInMain(const std::string& word) {
  for (auto& dictionary : main_) {
    if (dictionary->WordExists(word)) {
      dictionary->IncHitCount();
      return true;
    }
  }
  return false;
}

bool TSpellDictionarySet::FindAnywhere(const std::string& word) {
  if (FindInMain(word)) return true;
  if (active_ && active_->HasIgnore(word)) return true;
  for (auto& dictionary : custom_)
    if (dictionary->HasIgnore(word)) return true;
  for (auto& dictionary : msWordCustom_)
    if (dictionary->HasIgnore(word)) return true;
  return internal_->HasIgnore(word);
}

bool TSpellDictionarySet::IsExcluded(const std::string& word) const {
  if (active_ && active_->HasExclude(word)) return true;
  for (auto& dictionary : custom_)
    if (dictionary->HasExclude(word)) return true;
  std::string unused;
  return mapping_ && mapping_->LookupAutoCorrect(word, unused);
}

bool TSpellDictionarySet::FindAutoCorrection(const std::string& word, std::string& replacement,
                                             bool useMapping, bool useLearning) const {
  if (active_ && active_->LookupAutoCorrect(word, replacement)) return true;
  if (internal_->LookupAutoCorrect(word, replacement)) return true;
  for (auto& dictionary : custom_)
    if (dictionary->LookupAutoCorrect(word, replacement)) return true;
  if (useMapping && mapping_ && mapping_->LookupAutoCorrect(word, replacement)) return true;
  if (useLearning && learning_ && learning_->LookupAutoCorrect(word, replacement)) return true;
  return false;
}

bool TSpellDictionarySet::IsPossessiveOfKnownWord(const std::string& word) const {
  const size_t n = word.size();
  if (n < 2) return false;
  // Most words tested (every suggestion candidate) do not end in 's.
  if (word[n - 2] != '\'' || (word[n - 1] != 's' && word[n - 1] != 'S')) return false;
  // The first "'s" (or else the first "'S") must be the word's last two bytes.
  size_t at = word.find("'s");
  if (at != n - 2) {
    at = word.find("'S");
    if (at != n - 2) return false;
  }
  const std::string stem = word.substr(0, n - 2);
  const std::string lowerStem = Ansi::LowerCase(stem);
  for (auto& dictionary : main_) {
    if (!IsEnglish(dictionary->LangId())) continue;
    if (dictionary->WordExists(lowerStem) || dictionary->WordExists(stem)) return true;
  }
  return false;
}

// As the locale's number conversion accepts them: no hexadecimal, no infinities.
bool TSpellDictionarySet::IsNumber(const std::string& word) {
  size_t i = 0, n = word.size();
  if (i < n && (word[i] == '+' || word[i] == '-')) ++i;
  size_t digits = 0;
  while (i < n && IsDigit(word[i])) ++i, ++digits;
  if (i < n && word[i] == '.') {
    ++i;
    while (i < n && IsDigit(word[i])) ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < n && (word[i] == 'e' || word[i] == 'E')) {
    ++i;
    if (i < n && (word[i] == '+' || word[i] == '-')) ++i;
    size_t expDigits = 0;
    while (i < n && IsDigit(word[i])) ++i, ++expDigits;
    if (expDigits == 0) return false;
  }
  return i == n;
}

// ---- Lower-case forms ----------------------------------------------------------------

// The capitals of a Russian or Polish text are not those of a Western one:
// each code page of the open main dictionaries gives its own form, once.
TSpellDictionarySet::TLowerCaseTables TSpellDictionarySet::LowerCaseTables() const {
  TLowerCaseTables tables;
  for (const auto& dictionary : main_) {
    const unsigned char* table = Ansi::LowerCaseTable(Codepage::OfLanguage(dictionary->LangId()));
    if (std::find(tables.table, tables.table + tables.count, table) ==
            tables.table + tables.count &&
        tables.count < TLowerCaseTables::kMax)
      tables.table[tables.count++] = table;
  }
  if (tables.count == 0) tables.table[tables.count++] = Ansi::LowerCaseTable(1252);
  return tables;
}

// Most words tested have no capitals and are only scanned; lower keeps its
// storage from one word to the next.
bool TSpellDictionarySet::LowerCaseDiffers(const std::string& word, std::string& lower,
                                           const unsigned char* toLower) {
  const unsigned char* p = reinterpret_cast<const unsigned char*>(word.data());
  const size_t n = word.size();
  size_t i = 0;
  while (i < n && toLower[p[i]] == p[i]) ++i;
  if (i == n) return false;
  lower.assign(word);
  for (; i < n; ++i) lower[i] = static_cast<char>(toLower[p[i]]);
  return true;
}
