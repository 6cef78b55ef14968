// The spell-checker component: construction, properties, word acceptance,
// filters, configuration coupling, texts, and the hand-over to its collaborators.
#include "vl3SpellBase.h"

#include <algorithm>

#include "vl3Codepage.h"
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
      configDefaultOptions_(
          {soLiveSpelling, soLiveCorrect, soInternet, soAbbreviations, soRepeated}),
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
  folders_.SetFolders(configDictionaryDir_, configuration_->ConfigLoaded()
                                                ? &configuration_->GetNewDictionaryPaths()
                                                : nullptr);
}

void TVexlorSpell3Base::ConnectEngineHooks(TParsingEngine* engine) {
  engine->OnScanChar = [this](char ch, TControlParser* parser, bool& skip) {
    ScanCharHook(ch, parser, skip);
  };
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
  if (dictionaries_.MainCount() > 0) UseDictionaryCodePages();
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

void TVexlorSpell3Base::SetPhoneticMaxDistance(int32_t value) {
  phoneticsMap_->SetMaxDistance(value);
}
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

void TVexlorSpell3Base::OpenDictionaries() { files_.OpenDictionaries(); }

void TVexlorSpell3Base::UseDictionaryCodePages() {
  std::vector<int> codePages;
  for (int i = 0; i < dictionaries_.MainCount(); ++i) {
    const int codePage = Codepage::OfLanguage(dictionaries_.Main(i)->LangId());
    if (std::find(codePages.begin(), codePages.end(), codePage) == codePages.end())
      codePages.push_back(codePage);
  }
  if (auto* engine = dynamic_cast<TMainParsingEngine*>(parsingEngine_.get()))
    engine->SetLetterCodePages(codePages);
  textCodePage_ = codePages.empty() ? 1252 : codePages.front();
  for (auto& filter : filters_)
    if (auto* base = dynamic_cast<TParserIgnoreBase*>(filter.get()))
      base->SetCodePage(textCodePage_);
  if (dictionaries_.MainCount() > 0) suggestionsGenerator_->SetLanguage(dictionaries_.Language());
}

const TStringList& TVexlorSpell3Base::GetMissingMainDictionaries() {
  EnsureConfigLoaded();
  return files_.MissingMainDictionaries();
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
  if (dictionaries_.AnyLowerCaseForm(word, lowerWord_, [this](const std::string& lower) {
        return IsWordInDictionaries(lower);
      }))
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
  return dictionaries_.FindAutoCorrection(word, replacement, mappingAutoReplace_,
                                          suggestionsAutoReplace_);
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
  if (auto* base = dynamic_cast<TParserIgnoreBase*>(filter)) base->SetCodePage(textCodePage_);
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

bool TVexlorSpell3Base::IsLineIgnored(const std::string& line) {
  return RunLineFilters(lineFilters_, line);
}

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

void TVexlorSpell3Base::BuildSuggestions(const std::string& word, int32_t maxCount,
                                         TStringList& results) {
  suggestions_.BuildSuggestions(word, maxCount, results);
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

// ---- The checking run ------------------------------------------------------------

void TVexlorSpell3Base::CheckString(std::string& text) { loop_.CheckString(text); }
void TVexlorSpell3Base::CheckWinControl(void* control, TCheckType checkType) {
  loop_.CheckWinControl(control, checkType);
}
void TVexlorSpell3Base::CheckParser(TControlParser* parser, TCheckType checkType) {
  loop_.CheckParser(parser, checkType);
}
void TVexlorSpell3Base::ResumeCheck() { loop_.ResumeCheck(); }
void TVexlorSpell3Base::PromptWord() { loop_.PromptWord(); }
void TVexlorSpell3Base::CompleteCheck() { loop_.CompleteCheck(); }
void TVexlorSpell3Base::ShowEndMessage() { loop_.ShowEndMessage(); }
void TVexlorSpell3Base::Cancel() { loop_.StopCheck(true); }
void TVexlorSpell3Base::StopCheck(bool flag) { loop_.StopCheck(flag); }
void TVexlorSpell3Base::Resynchronize() { loop_.Resynchronize(); }
void TVexlorSpell3Base::StartSequenceCheck() { loop_.StartSequenceCheck(); }
void TVexlorSpell3Base::StopSequenceCheck() { loop_.StopSequenceCheck(); }
void TVexlorSpell3Base::SmartCheck(TControlParser* parser) { loop_.SmartCheck(parser); }
int32_t TVexlorSpell3Base::WordCount(const std::string& text) { return loop_.WordCount(text); }
int32_t TVexlorSpell3Base::WordCountWinControl(void* control, TCheckType checkType) {
  return loop_.WordCountWinControl(control, checkType);
}
int32_t TVexlorSpell3Base::WordCountParser(TControlParser* parser, TCheckType checkType) {
  return loop_.WordCountParser(parser, checkType);
}

// ---- The user's answers, editing and undo -----------------------------------------

void TVexlorSpell3Base::ReplaceCurrentWord(const std::string& replacement, int32_t state) {
  actions_.ReplaceCurrentWord(replacement, state);
}
void TVexlorSpell3Base::IgnoreCurrentWord(int32_t state) { actions_.IgnoreCurrentWord(state); }
void TVexlorSpell3Base::NotifyUndo(int32_t undoState, TSpellAction action, int32_t& data) {
  actions_.NotifyUndo(undoState, action, data);
}
void TVexlorSpell3Base::AddUndo(TSpellAction action, const std::string& replacement,
                                bool automatic) {
  actions_.AddUndo(action, replacement, automatic);
}
void TVexlorSpell3Base::UndoLast() { actions_.UndoLast(); }
void TVexlorSpell3Base::ClearUndo() { run_.ClearUndo(); }
bool TVexlorSpell3Base::CanUndo() { return run_.UndoCount() > 0; }
bool TVexlorSpell3Base::Ignore() { return actions_.Ignore(); }
bool TVexlorSpell3Base::IgnoreRepeated() { return Ignore(); }
bool TVexlorSpell3Base::IgnoreAll() { return actions_.IgnoreAll(); }
bool TVexlorSpell3Base::Change(const std::string& replacement) {
  return actions_.Change(replacement);
}
bool TVexlorSpell3Base::ChangeAll(const std::string& replacement) {
  return actions_.ChangeAll(replacement);
}
bool TVexlorSpell3Base::Add() { return actions_.Add(); }
bool TVexlorSpell3Base::AutoCorrect(const std::string& replacement) {
  return actions_.AutoCorrect(replacement);
}
bool TVexlorSpell3Base::DeleteRepeated() { return actions_.DeleteRepeated(); }
bool TVexlorSpell3Base::Undo() { return actions_.Undo(); }

// ---- The spelling dialog -------------------------------------------------------------

TSpellDialogBridge* TVexlorSpell3Base::AttachDialogControl(TComponent* form,
                                                           TCustomDictionary* dictionary) {
  return display_.AttachDialogControl(form, dictionary);
}
TCustomForm* TVexlorSpell3Base::CreateSpellDialog() { return nullptr; }
void TVexlorSpell3Base::ShowSpellDialog() { display_.ShowSpellDialog(); }
void TVexlorSpell3Base::HideSpellDialog() { display_.HideSpellDialog(); }
void TVexlorSpell3Base::CloseDialog() { HideSpellDialog(); }
void TVexlorSpell3Base::PositionDialog() { display_.PositionDialog(); }
void TVexlorSpell3Base::PlaceDialogNearControl() { display_.PlaceDialogNearControl(); }
void TVexlorSpell3Base::PlaceDialogNearSelection(bool horizontal, bool vertical) {
  display_.PlaceDialogNearSelection(horizontal, vertical);
}
void TVexlorSpell3Base::AvoidSelection() { display_.AvoidSelection(); }
void TVexlorSpell3Base::DialogShowHook() { display_.DialogShowHook(); }
void TVexlorSpell3Base::DialogDeactivateHook() { display_.DialogDeactivateHook(); }
void TVexlorSpell3Base::DialogActivateHook() { display_.DialogActivateHook(); }

// ---- Live-spelling popup menu ----------------------------------------------------

TPopupMenu* TVexlorSpell3Base::CreatePopupMenu(TComponent* owner) {
  return popup_.CreatePopupMenu(owner);
}
TMenuItem* TVexlorSpell3Base::AddPopupMenuItem(TPopupMenu* menu, TMenuItem* subMenu,
                                               const std::string& caption, bool enable,
                                               bool hasChildren, int32_t tag) {
  return popup_.AddPopupMenuItem(menu, subMenu, caption, enable, hasChildren, tag);
}
void TVexlorSpell3Base::DoPopupMenu(TPopupMenu* menu, int32_t x, int32_t y) {
  popup_.DoPopupMenu(menu, x, y);
}
void TVexlorSpell3Base::PopupItemClick(int32_t tag, const std::string& caption) {
  popup_.PopupItemClick(tag, caption);
}
TSpellPopupOption TVexlorSpell3Base::ShowPopupMenu(TComponent* owner, TSpellPopupOptions options,
                                                   int32_t x, int32_t y, std::string& word) {
  return popup_.ShowPopupMenu(owner, options, x, y, word);
}

// ---- Dictionary files --------------------------------------------------------------

std::unique_ptr<TMainDictionary> TVexlorSpell3Base::OpenMainDictionary(const std::string& name) {
  return files_.OpenMainDictionary(name);
}
std::unique_ptr<TCustomDictionary> TVexlorSpell3Base::OpenCustomDictionary(
    const std::string& name) {
  return files_.OpenCustomDictionary(name);
}
std::unique_ptr<TCustomDictionary> TVexlorSpell3Base::OpenMSWordCustomDictionary(
    const std::string& fileName) {
  return files_.OpenMSWordCustomDictionary(fileName);
}
void TVexlorSpell3Base::FindDictionaryFiles(const std::string& extension, TStringList& list) {
  files_.FindDictionaryFiles(extension, list);
}
TStringList* TVexlorSpell3Base::GetMainDictionaryFiles() { return files_.GetMainDictionaryFiles(); }
TStringList* TVexlorSpell3Base::GetCustomDictionaryFiles() {
  return files_.GetCustomDictionaryFiles();
}
TStringList* TVexlorSpell3Base::GetMSWordCustomDictionaryFiles() {
  return files_.GetMSWordCustomDictionaryFiles();
}
void TVexlorSpell3Base::SetCustomDictionaryActive(const std::string& name, bool active) {
  files_.SetCustomDictionaryActive(name, active);
}
void TVexlorSpell3Base::SetMSWordCustomDictionaryActive(const std::string& fileName, bool active) {
  files_.SetMSWordCustomDictionaryActive(fileName, active);
}
void TVexlorSpell3Base::NewCustomDictionary(const std::string& name) {
  files_.NewCustomDictionary(name);
}
void TVexlorSpell3Base::DeleteCustomDictionary(const std::string& name) {
  files_.DeleteCustomDictionary(name);
}
bool TVexlorSpell3Base::RenameCustomDictionary(const std::string& oldName,
                                               const std::string& newName) {
  return files_.RenameCustomDictionary(oldName, newName);
}
