// The dictionaries a spell-checker component has open, and the look-ups that
// judge a word against them. It opens no files: it keeps what it is given.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TMainDictionary;
class TCustomDictionary;

class TSpellDictionarySet {
 public:
  TSpellDictionarySet();
  ~TSpellDictionarySet();
  TSpellDictionarySet(const TSpellDictionarySet&) = delete;
  TSpellDictionarySet& operator=(const TSpellDictionarySet&) = delete;

  // ---- What is open -----------------------------------------------------------
  // Main dictionaries are searched in their order; an English one turns the
  // possessive rule on.
  void ClearMain();
  void AddMain(std::unique_ptr<TMainDictionary> dictionary);
  void ClearCustom();
  void AddCustom(std::unique_ptr<TCustomDictionary> dictionary);
  void ClearMSWordCustom();
  void AddMSWordCustom(std::unique_ptr<TCustomDictionary> dictionary);
  // Each replaces (and frees) the one held before.
  void SetActiveCustom(std::unique_ptr<TCustomDictionary> dictionary);
  void SetMapping(std::unique_ptr<TCustomDictionary> dictionary);
  void SetLearning(std::unique_ptr<TCustomDictionary> dictionary);

  int MainCount() const { return static_cast<int>(main_.size()); }
  TMainDictionary* Main(int index) const { return main_[index].get(); }
  int CustomCount() const { return static_cast<int>(custom_.size()); }
  TCustomDictionary* Custom(int index) const { return custom_[index].get(); }
  int MSWordCustomCount() const { return static_cast<int>(msWordCustom_.size()); }
  TCustomDictionary* MSWordCustom(int index) const { return msWordCustom_[index].get(); }
  // The Ignore All words and Change All pairs of this session; always there.
  TCustomDictionary* Internal() const { return internal_.get(); }
  TCustomDictionary* ActiveCustom() const { return active_.get(); }
  TCustomDictionary* Mapping() const { return mapping_.get(); }
  TCustomDictionary* Learning() const { return learning_.get(); }

  // The language of the first main dictionary, 0 without one.
  uint32_t Language() const;
  // True once an English main dictionary is open.
  bool PossessiveRule() const { return possessiveRule_; }
  // Moves the main dictionary with the most hits to the front.
  void ReorderByHits();
  // Writes pending changes to the files and lets them go until next used.
  void Release();
  // Saves the copies of the custom dictionary at path that are open here.
  void SaveOpenCopies(const std::string& path);

  // ---- Look-ups ------------------------------------------------------------------
  // In a main dictionary (the one that has it counts a hit).
  bool FindInMain(const std::string& word);
  // In a main dictionary, or as an ignored word of the active, further,
  // word processor's or internal custom dictionaries.
  bool FindAnywhere(const std::string& word);
  // An exclusion of the active or further custom dictionaries, or a word
  // the mapping dictionary replaces.
  bool IsExcluded(const std::string& word) const;
  // The first auto-correction found: active, internal, further custom
  // dictionaries, then mapping and learning when their replacing is on.
  bool FindAutoCorrection(const std::string& word, std::string& replacement, bool useMapping,
                          bool useLearning) const;
  // "stem's" where an English main dictionary holds the stem (as written
  // or in lower case).
  bool IsPossessiveOfKnownWord(const std::string& word) const;
  // Digits with an optional fraction and exponent.
  static bool IsNumber(const std::string& word);

  // Tries found() on each lower-case form of word that differs from it, in
  // the code pages of the open main dictionaries (the Western one without
  // any); lower is the scratch that receives the form.
  template <class TFound>
  bool AnyLowerCaseForm(const std::string& word, std::string& lower, TFound found) const {
    const TLowerCaseTables tables = LowerCaseTables();
    for (int i = 0; i < tables.count; ++i)
      if (LowerCaseDiffers(word, lower, tables.table[i]) && found(lower)) return true;
    return false;
  }

 private:
  struct TLowerCaseTables {
    static constexpr int kMax = 3;  // the code pages the Ansi tables know
    const unsigned char* table[kMax] = {};
    int count = 0;
  };
  TLowerCaseTables LowerCaseTables() const;
  static bool LowerCaseDiffers(const std::string& word, std::string& lower,
                               const unsigned char* toLower);

  std::vector<std::unique_ptr<TMainDictionary>> main_;
  std::vector<std::unique_ptr<TCustomDictionary>> custom_;
  std::vector<std::unique_ptr<TCustomDictionary>> msWordCustom_;
  std::unique_ptr<TCustomDictionary> internal_;
  std::unique_ptr<TCustomDictionary> active_;
  std::unique_ptr<TCustomDictionary> mapping_;
  std::unique_ptr<TCustomDictionary> learning_;
  bool possessiveRule_ = false;
};
