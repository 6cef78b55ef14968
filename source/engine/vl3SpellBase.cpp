// The spell-checker component's construction, properties, opening of the
// dictionary set, word acceptance, filters, configuration coupling and texts.
#include "vl3SpellBase.h"

#include <algorithm>

#include "vl3Configuration.h"
#include "vl3CustomDictionary.h"
#include "vl3Ignore.h"
#include "vl3MainDictionary.h"
#include "vl3ParseEngine.h"
#include "vl3ParserBase.h"
#include "vl3PhoneticsMap.h"
#include "vl3Suggestions.h"
#include "vl3Util.h"

TVexlorSpell3Base::TVexlorSpell3Base(TComponent* owner)
    : TComponent(owner),
      folders_([this](const std::string& path) { return ExpandPath(path); }),
      parsingEngine_(new TMainParsingEngine()),
      suggestionsGenerator_(new TSuggestionsGenerator()),
      phoneticsMap_(new TPhoneticsMap()),
      configuration_(new TVexlorConfig()),
      configAvailableOptions_({soUpcase, soNumbers, soPrimaryOnly, soRepeated}),
      configDefaultOptions_({soLiveSpelling, soLiveCorrect, soInternet, soAbbreviations, soRepeated}),
      commandsVisible_(TSpellDialogCommands::FromBits(kAllSpellDialogCommands)),
      commandsEnabled_(TSpellDialogCommands::FromBits(kAllSpellDialogCommands)),
      optionsChangedListeners_(new TEventList()),
      configChangedListeners_(new TEventList()),
      ignoreWordListeners_(new TParserIgnoreWordEventList()) {
  ConnectEngineHooks(parsingEngine_.get());
  configuration_->SetOwner(this);
  configDefaultMain_.Add("American.vlm");
  configDictionaryDir_.Add("%AppDir%");
  folders_.SetFolders(configDictionaryDir_, nullptr);
  configDictionaryDir_.OnChange = [this](TStringList*) {
    // Before the first load there is nothing to reopen: the load itself
    // builds the dictionary set from the new folders.
    if (IsLoadingOrReading()) return;
    if (configuration_->ConfigLoaded()) {
      ConfigurationChanged(true);
    } else {
      RebuildDictionaryFolders();
      ClearFileCaches();
    }
  };
}

TVexlorSpell3Base::~TVexlorSpell3Base() {
  // Saved here, while the object is whole, so that OnConfigSaved can run.
  configuration_.reset();
  if (parser_ != nullptr && ownsParser_) delete parser_;
  parser_ = nullptr;
  configDictionaryDir_.OnChange = nullptr;
  ClearIgnoreFilters();
}

// ---- Helpers -----------------------------------------------------------------

bool TVexlorSpell3Base::IsLoadingOrReading() const {
  TComponentState s = ComponentState();
  return s.Contains(TComponentStateFlag::csLoading) || s.Contains(TComponentStateFlag::csReading);
}

bool TVexlorSpell3Base::IsDesigning() const {
  return ComponentState().Contains(TComponentStateFlag::csDesigning);
}

void TVexlorSpell3Base::ClearFileCaches() { folders_.ClearListings(); }

void TVexlorSpell3Base::RebuildDictionaryFolders() {
  folders_.SetFolders(configDictionaryDir_,
                      configuration_->ConfigLoaded() ? &configuration_->GetNewDictionaryPaths() : nullptr);
}

void TVexlorSpell3Base::ConnectEngineHooks(TParsingEngine* engine) {
  engine->OnScanChar = [this](char ch, TControlParser* parser, bool& skip) { ScanCharHook(ch, parser, skip); };
  engine->OnScanWord = [this](const std::string& word, TControlParser* parser, bool& skip) {
    ScanWordHook(word, parser, skip);
  };
}

std::string TVexlorSpell3Base::VersionText() { return GetVersionString(); }

const std::string& TVexlorSpell3Base::Version() const {
  static const std::string version = GetVersionString();
  return version;
}

// ---- Replacing owned objects ---------------------------------------------------

void TVexlorSpell3Base::SetParsingEngine(TParsingEngine* engine) {
  if (engine == nullptr || engine == parsingEngine_.get()) return;
  parsingEngine_.reset(engine);
  ConnectEngineHooks(engine);
  // Before the first load the filters are built by the load itself.
  if (configuration_->ConfigLoaded()) RebuildIgnoreFilters(true);
}

void TVexlorSpell3Base::SetSuggestionsGenerator(TSuggestionsGenerator* generator) {
  if (generator == nullptr || generator == suggestionsGenerator_.get()) return;
  suggestionsGenerator_.reset(generator);
}

void TVexlorSpell3Base::SetPhoneticsMap(TPhoneticsMap* map) {
  if (map == nullptr || map == phoneticsMap_.get()) return;
  phoneticsMap_.reset(map);
}

// ---- Property setters ----------------------------------------------------------

// A reload whose save fails keeps the settings, still bound to the old
// place (OnConfigSaveFailed tells the host); a later reload tries again.
void TVexlorSpell3Base::SetConfigStorage(TConfigStorage value) {
  configStorage_ = value;
  configuration_->Reload();
}

void TVexlorSpell3Base::SetConfigID(const std::string& value) {
  configID_ = value;
  configuration_->Reload();
}

void TVexlorSpell3Base::SetConfigFilename(const std::string& value) {
  configFilename_ = value;
  if (configStorage_ == csFile) configuration_->Reload();
}

void TVexlorSpell3Base::SetConfigRegistryKey(const std::string& value) {
  configRegistryKey_ = value;
  if (configStorage_ == csRegistry) configuration_->Reload();
}

void TVexlorSpell3Base::SetConfigDictionaryDir(const TStringList& value) {
  if (&value != &configDictionaryDir_) {
    configDictionaryDir_.BeginUpdate();
    configDictionaryDir_.Assign(value);
    configDictionaryDir_.EndUpdate();
  }
  RebuildDictionaryFolders();
  ClearFileCaches();
}

void TVexlorSpell3Base::SetConfigDefaultMain(const TStringList& value) {
  if (&value != &configDefaultMain_) configDefaultMain_.Assign(value);
}

void TVexlorSpell3Base::SetConfigDefaultCustom(const TStringList& value) {
  if (&value != &configDefaultCustom_) configDefaultCustom_.Assign(value);
}

void TVexlorSpell3Base::SetQuoteChars(const std::string& value) {
  quoteChars_ = value;
  if (configuration_->ConfigLoaded()) RebuildIgnoreFilters(true);
}

void TVexlorSpell3Base::SetKeepDictionariesActive(bool value) {
  keepDictionariesActive_ = value;
  if (!value) CloseDictionaries();
}

void TVexlorSpell3Base::SetPhoneticMaxDistance(int32_t value) { phoneticsMap_->SetMaxDistance(value); }
void TVexlorSpell3Base::SetPhoneticDivisor(int32_t value) { phoneticsMap_->SetDivisor(value); }
void TVexlorSpell3Base::SetPhoneticDepth(int32_t value) { phoneticsMap_->SetDepth(value); }
int32_t TVexlorSpell3Base::PhoneticMaxDistance() { return phoneticsMap_->MaxDistance(); }
int32_t TVexlorSpell3Base::PhoneticDivisor() { return phoneticsMap_->Divisor(); }
int32_t TVexlorSpell3Base::PhoneticDepth() { return phoneticsMap_->Depth(); }

void TVexlorSpell3Base::SetMappingDictionaryName(const std::string& value) {
  if (value == mappingDictionaryName_) return;
  mappingDictionaryName_ = value;
  dictionaries_.SetMapping(nullptr);
  if (dictionaries_.MainCount() > 0) OpenDictionaries();
}

// ---- Dictionary set ------------------------------------------------------------

uint32_t TVexlorSpell3Base::GetLanguage() { return dictionaries_.Language(); }

void TVexlorSpell3Base::ReorderMainDictionaries() {
  dictionaries_.ReorderByHits();
  if (dictionaries_.MainCount() > 0) suggestionsGenerator_->SetLanguage(dictionaries_.Language());
}

void TVexlorSpell3Base::OpenDictionaries() {
  dictionaries_.ClearMain();
  run_.SetReorderCountdown(TSpellCheckRun::kReorderAfterWords);

  // Copies: opening a custom dictionary may raise events that edit the lists.
  const TStringList mainNames = configuration_->GetMainDictionaries();
  missingMainDictionaries_.Clear();
  for (int i = 0; i < mainNames.Count(); ++i) {
    std::unique_ptr<TMainDictionary> dictionary = OpenMainDictionary(mainNames[i]);
    if (!dictionary) {
      missingMainDictionaries_.Add(mainNames[i]);
      continue;
    }
    dictionaries_.AddMain(std::move(dictionary));
  }

  const std::string activeName = configuration_->GetActiveCustom();
  const TStringList customNames = configuration_->GetCustomDictionaries();
  dictionaries_.ClearCustom();
  for (int i = 0; i < customNames.Count(); ++i) {
    if (customNames[i] == activeName) continue;
    std::unique_ptr<TCustomDictionary> dictionary = OpenCustomDictionary(customNames[i]);
    if (dictionary) dictionaries_.AddCustom(std::move(dictionary));
  }

  const TStringList wordNames = configuration_->GetMSWordCustomDictionaries();
  dictionaries_.ClearMSWordCustom();
  for (int i = 0; i < wordNames.Count(); ++i) {
    std::unique_ptr<TCustomDictionary> dictionary = OpenMSWordCustomDictionary(wordNames[i]);
    if (dictionary) dictionaries_.AddMSWordCustom(std::move(dictionary));
  }

  // The old active object is saved and released before its file is read
  // again, so that its pending changes are part of what the new one reads.
  dictionaries_.SetActiveCustom(nullptr);
  dictionaries_.SetActiveCustom(OpenCustomDictionary(activeName));

  if (!dictionaries_.Mapping() && !mappingDictionaryName_.empty())
    dictionaries_.SetMapping(OpenCustomDictionary(mappingDictionaryName_));
  if (!dictionaries_.Learning() && suggestionsLearning_)
    dictionaries_.SetLearning(OpenCustomDictionary(suggestionsLearningDict_));

  // Without its main dictionaries the component flags nearly every word; the
  // host is told which files were not found and where they were looked for.
  if (!missingMainDictionaries_.Empty() && OnMainDictionariesMissing) {
    const TStringList missing = missingMainDictionaries_;
    OnMainDictionariesMissing(this, missing, ExpandedDictionaryFolders());
  }
  if (OnDictionariesChanged) OnDictionariesChanged(this);
}

const TStringList& TVexlorSpell3Base::GetMissingMainDictionaries() {
  EnsureConfigLoaded();
  return missingMainDictionaries_;
}

TStringList TVexlorSpell3Base::ExpandedDictionaryFolders() { return folders_.Expanded(); }

void TVexlorSpell3Base::CloseDictionaries() {
  if (keepDictionariesActive_ || run_.Checking()) return;
  configuration_->Save();
  dictionaries_.Release();
}

std::string TVexlorSpell3Base::ExpandConfigID(const std::string& path) {
  return ReplaceFirst("%ConfigID%", ExpandMacros(configID_), path);
}

std::string TVexlorSpell3Base::ExpandPath(const std::string& path) {
  return ExpandConfigID(ExpandMacros(path));
}

// ---- Word acceptance -------------------------------------------------------------

bool TVexlorSpell3Base::IsWordInDictionaries(const std::string& word) {
  EnsureConfigLoaded();
  return dictionaries_.FindAnywhere(word);
}

bool TVexlorSpell3Base::IsWordInMainDictionaries(const std::string& word) {
  EnsureConfigLoaded();
  return dictionaries_.FindInMain(word);
}

bool TVexlorSpell3Base::IsWordCorrect(const std::string& word) {
  if (IsWordInDictionaries(word)) return true;
  // The lower-case form differs only when the word has capitals; otherwise
  // the second look-up would repeat the first. Capitals are those of the
  // main dictionaries' code pages, so a Russian word in capitals is found
  // through its lower-case form as a Western one is.
  if (dictionaries_.AnyLowerCaseForm(word, lowerWord_,
                                     [this](const std::string& lower) { return IsWordInDictionaries(lower); }))
    return true;
  if (dictionaries_.PossessiveRule() && IsPossessive(word)) return true;
  if (TSpellDictionarySet::IsNumber(word)) return true;
  if (word.size() == 1) return true;
  return IsIgnoredByFilters(word, parser_);
}

bool TVexlorSpell3Base::IsWordExcluded(const std::string& word) {
  EnsureConfigLoaded();
  return dictionaries_.IsExcluded(word);
}

bool TVexlorSpell3Base::GetAutoCorrection(const std::string& word, std::string& replacement) {
  EnsureConfigLoaded();
  return dictionaries_.FindAutoCorrection(word, replacement, mappingAutoReplace_, suggestionsAutoReplace_);
}

bool TVexlorSpell3Base::IsRepeatedWord(const std::string& word) {
  if (parser_ == nullptr) return false;
  int32_t x = 0, y = 0;
  parser_->GetPosition(x, y);
  const size_t length = word.size();
  for (size_t i = 0; i <= length; ++i) parser_->MovePrevious();
  bool repeated = false;
  if (parser_->GetChar() == ' ') {
    repeated = true;
    for (size_t i = length; i >= 1; --i) {
      parser_->MovePrevious();
      if (parser_->GetChar() != word[i - 1]) {
        repeated = false;
        break;
      }
    }
  }
  parser_->SetPosition(x, y, ppCurrent);
  return repeated;
}

bool TVexlorSpell3Base::IsPossessive(const std::string& word) {
  return dictionaries_.IsPossessiveOfKnownWord(word);
}

void TVexlorSpell3Base::SuggestionWordExists(const std::string& word, bool& exists) {
  // The lower-case form is only made, and looked up, when the word itself
  // is not found; a second look-up of an unchanged form would repeat the first.
  const bool mainOnly = primaryOnly_;
  auto found = [this, mainOnly](const std::string& word) {
    return mainOnly ? IsWordInMainDictionaries(word) : IsWordInDictionaries(word);
  };
  exists = found(word);
  if (!exists) exists = dictionaries_.AnyLowerCaseForm(word, suggestionLower_, found);
  if (!exists && dictionaries_.PossessiveRule()) exists = IsPossessive(word);
}

// ---- Filters -------------------------------------------------------------------

void TVexlorSpell3Base::RebuildIgnoreFilters(bool force) {
  if (IsLoadingOrReading() || IsDesigning()) return;
  const TSpellOptions options = configuration_->GetSpellOptions();
  // The first build always happens: the initial snapshot is not a real
  // option set, and the option copies below must follow the configuration.
  if (optionsSnapshotValid_ && options == optionsSnapshot_ && !force) return;
  optionsSnapshot_ = options;
  optionsSnapshotValid_ = true;
  ClearIgnoreFilters();
  for (auto& filter : CreateIgnoreFilters(options, quoteChars_)) AddIgnoreFilter(filter.release());
  primaryOnly_ = options.Contains(soPrimaryOnly);
  promptRepeated_ = options.Contains(soRepeated);
  liveSpelling_ = options.Contains(soLiveSpelling);
  liveCorrect_ = options.Contains(soLiveCorrect);
  if (OnAddCustomIgnore) OnAddCustomIgnore(this);
  optionsChangedListeners_->Notify(this);
}

void TVexlorSpell3Base::AddIgnoreFilter(TParserIgnore* filter) {
  if (filter == nullptr) return;
  if (filter->UsesScanHooks()) scanFilters_.push_back(filter);
  if (filter->UsesLineCheck()) lineFilters_.push_back(filter);
  filters_.emplace_back(filter);
}

void TVexlorSpell3Base::ClearIgnoreFilters() {
  scanFilters_.clear();
  lineFilters_.clear();
  filters_.clear();
}

void TVexlorSpell3Base::ScanCharHook(char ch, TControlParser* parser, bool& skip) {
  if (!scanFilters_.empty() && RunScanCharFilters(scanFilters_, ch, parser)) skip = true;
}

void TVexlorSpell3Base::ScanWordHook(const std::string& word, TControlParser* parser, bool& skip) {
  if (!scanFilters_.empty() && RunScanWordFilters(scanFilters_, word, parser)) skip = true;
}

bool TVexlorSpell3Base::IsIgnoredByFilters(const std::string& word, TControlParser* parser) {
  return RunWordCheckFilters(filters_, word, parser);
}

bool TVexlorSpell3Base::IsLineIgnored(const std::string& line) { return RunLineFilters(lineFilters_, line); }

// ---- Configuration coupling --------------------------------------------------------

void TVexlorSpell3Base::ConfigurationChanged(bool reopen) {
  RebuildDictionaryFolders();
  ClearFileCaches();
  if (reopen) {
    TCustomDictionary* active = dictionaries_.ActiveCustom();
    const std::string oldPath = active ? active->DictionaryPath() : std::string();
    OpenDictionaries();
    active = dictionaries_.ActiveCustom();
    if (!active || active->DictionaryPath() != oldPath) ClearUndo();
  }
  RebuildIgnoreFilters(false);
  if (OnConfigChanged) OnConfigChanged(this);
  configChangedListeners_->Notify(this);
}

void TVexlorSpell3Base::ReadConfigString(const std::string& configID, const std::string& key,
                                         const std::string& defaultValue, std::string& value) {
  value = defaultValue;
  if (OnConfigReadString) OnConfigReadString(this, configID, key, defaultValue, value);
}

void TVexlorSpell3Base::WriteConfigString(const std::string& configID, const std::string& key,
                                          const std::string& value) {
  if (OnConfigWriteString) OnConfigWriteString(this, configID, key, value);
}

void TVexlorSpell3Base::ConfigLoaded() {
  if (OnConfigLoaded) OnConfigLoaded(this);
}

void TVexlorSpell3Base::ConfigSaved() {
  if (OnConfigSaved) OnConfigSaved(this);
}

// Also reached from the destructor, through the configuration's last save:
// the handler gets what failed as arguments, the configuration is going.
void TVexlorSpell3Base::ConfigSaveFailed(TConfigStorage storage, const std::string& location) {
  if (OnConfigSaveFailed) OnConfigSaveFailed(this, storage, location);
}

// ---- Texts -----------------------------------------------------------------------

void TVexlorSpell3Base::GetString(TSpellLanguageString id, std::string& text) {
  text = SpellLanguageText(id, uiLanguage_);
  if (OnGetString) OnGetString(this, id, text);
}

// ---- Suggestions ------------------------------------------------------------------

void TVexlorSpell3Base::BuildSuggestions(const std::string& word, int32_t maxCount, TStringList& results) {
  std::string mapped;
  TCustomDictionary* mapping = dictionaries_.Mapping();
  if (mapping && mapping->LookupAutoCorrect(word, mapped)) {
    results.Clear();
    results.Add(mapped);
    return;
  }

  TStringList candidates;
  const TWordExistsTest exists = [this](const std::string& word) {
    bool found = false;
    SuggestionWordExists(word, found);
    return found;
  };
  suggestionsGenerator_->GenerateWithCase(word, maxCount, exists, &candidates);
  const int generated = candidates.Count();

  if (phoneticSuggestions_ && dictionaries_.MainCount() > 0) {
    TMainDictionary& first = *dictionaries_.Main(0);
    if (phoneticsMap_->Language() != first.LangId()) {
      phoneticsMap_->SetLanguage(first.LangId());
      if (OnAdjustPhoneticsMap) OnAdjustPhoneticsMap(this);
    }
    first.FindPhoneticMatches(word, *phoneticsMap_, candidates);
    if ((phoneticsMap_->Language() & 0xFF) == 9 && candidates.Count() < 20 && phoneticFallback_) {
      phoneticsMap_->SetLanguage(0);
      if (OnAdjustPhoneticsMap) OnAdjustPhoneticsMap(this);
      first.FindPhoneticMatches(word, *phoneticsMap_, candidates);
    }
  }

  ScoreSuggestions(word, candidates);
  DropDistantPhoneticMatches(word, *phoneticsMap_, candidates, generated);

  if (TCustomDictionary* learning = dictionaries_.Learning()) {
    std::string learned;
    if (learning->LookupAutoCorrect(word, learned)) PromoteLearnedReplacement(candidates, learned);
    ApplyLearnedPreference(candidates, [learning](const std::string& entry) { return learning->HasIgnore(entry); });
  }

  SortSuggestionsByScore(candidates);
  TruncateSuggestions(candidates, maxCount);
  results.Assign(candidates);
}

void TVexlorSpell3Base::GetSuggestions(const std::string& word, TStringList& list) {
  EnsureConfigLoaded();
  BuildSuggestions(word, maxSuggestions_, list);
}

void TVexlorSpell3Base::LearnReplacement(const std::string& word, const std::string& replacement) {
  TCustomDictionary* learning = dictionaries_.Learning();
  if (!learning) return;
  learning->AddAutoCorrect(word, replacement);
  learning->AddIgnore(replacement);
}

// ---- Dialog requests that the standard dialogs answer ------------------------------

void TVexlorSpell3Base::ShowConfigDialog(TComponent* owner) {
  if (OnShowConfigDialog) OnShowConfigDialog(this, owner);
}

void TVexlorSpell3Base::ShowCustomDictionariesDialog(TComponent* owner) {
  if (OnShowCustomDictionariesDialog) OnShowCustomDictionariesDialog(this, owner);
}

void TVexlorSpell3Base::ShowEditCustomDictionaryDialog(TComponent* owner, TCustomDictionary*) {
  if (OnShowEditCustomDictionaryDialog) OnShowEditCustomDictionaryDialog(this, owner);
}

void TVexlorSpell3Base::ShowAddDictionaryDir(TComponent* owner) {
  if (OnShowAddDictionaryDir) OnShowAddDictionaryDir(this, owner);
}

void TVexlorSpell3Base::ShowConfigDialog() { ShowConfigDialog(this); }
void TVexlorSpell3Base::ShowCustomDictionariesDialog() { ShowCustomDictionariesDialog(this); }
void TVexlorSpell3Base::ShowEditCustomDictionaryDialog(TCustomDictionary* dictionary) {
  ShowEditCustomDictionaryDialog(this, dictionary);
}
void TVexlorSpell3Base::ShowAddDictionaryDir() { ShowAddDictionaryDir(this); }

void TVexlorSpell3Base::Reserved() {}
