// The spell-checker component: the public face of the engine. It owns the
// parsing engine, filters and configuration and hands work to its collaborators.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "vl3Component.h"
#include "vl3Configuration.h"
#include "vl3DialogBridge.h"
#include "vl3Forms.h"
#include "vl3Menus.h"
#include "vl3Platform.h"
#include "vl3SpellCheckLoop.h"
#include "vl3SpellCheckRun.h"
#include "vl3SpellDialogDisplay.h"
#include "vl3SpellDialogHosting.h"
#include "vl3SpellDictionaryFiles.h"
#include "vl3SpellDictionaryFolders.h"
#include "vl3SpellDictionarySet.h"
#include "vl3SpellLanguages.h"
#include "vl3SpellPopupMenu.h"
#include "vl3SpellSuggestions.h"
#include "vl3SpellTypes.h"
#include "vl3SpellUserActions.h"
#include "vl3StringList.h"
#include "vl3Util.h"

class TControlParser;
class TParsingEngine;
class TParserIgnore;
class TMainDictionary;
class TCustomDictionary;
class TSuggestionsGenerator;
class TPhoneticsMap;
class TVexlorConfig;
class TVexlorSpell3Base;

using TSpellNotifyEvent = std::function<void(TVexlorSpell3Base* sender)>;
using TSpellConfigReadEvent = std::function<void(
    TVexlorSpell3Base* sender, const std::string& configID, const std::string& key,
    const std::string& defaultValue, std::string& value)>;
using TSpellConfigWriteEvent =
    std::function<void(TVexlorSpell3Base* sender, const std::string& configID,
                       const std::string& key, const std::string& value)>;
using TSpellWordCheckEvent =
    std::function<void(TVexlorSpell3Base* sender, const std::string& word,
                       TWordCheckType& checkType, std::string& replacement)>;
using TSpellPromptWordEvent =
    std::function<void(TVexlorSpell3Base* sender, const std::string& word, bool repeated)>;
// A form supplied with create true becomes the component's spelling dialog
// (not owned); with create false the handler disposes of it.
using TSpellCreateDialogEvent =
    std::function<void(TVexlorSpell3Base* sender, TCustomForm*& spellForm, bool create)>;
using TSpellShowDialogEvent = std::function<void(TVexlorSpell3Base* sender, TComponent* owner)>;
using TSpellGetStringEvent = std::function<void(
    TVexlorSpell3Base* sender, TSpellLanguageString languageString, std::string& text)>;
using TSpellParserReplaceWordEvent = std::function<void(
    TVexlorSpell3Base* sender, bool before, const std::string& replacement, int32_t state)>;
using TSpellParserIgnoreWordEvent =
    std::function<void(TVexlorSpell3Base* sender, bool before, int32_t state)>;
using TSpellParserUndoLastEvent = std::function<void(TVexlorSpell3Base* sender, int32_t undoState,
                                                     TSpellAction undoAction, int32_t undoData)>;
// A dictionary supplied here is owned by the component from then on.
using TSpellCreateCustomDictionaryEvent =
    std::function<void(TVexlorSpell3Base* sender, std::unique_ptr<TCustomDictionary>& dictionary)>;
using TSpellPopupDoMenuEvent =
    std::function<void(TVexlorSpell3Base* sender, TPopupMenu* menu, int32_t x, int32_t y,
                       int32_t& popupAction, std::string& popupWord)>;
using TSpellPopupAddMenuItemEvent = std::function<void(
    TVexlorSpell3Base* sender, TPopupMenu* menu, TMenuItem* subMenu, const std::string& caption,
    bool enable, bool hasChildren, int32_t tag, TMenuItem*& menuItem)>;
using TSpellPopupCreateMenuEvent =
    std::function<void(TVexlorSpell3Base* sender, TComponent* owner, TPopupMenu*& popupMenu)>;
// The storage is where the settings were to go; the location the file or registry
// key (empty for the callbacks).
using TSpellConfigSaveFailedEvent = std::function<void(
    TVexlorSpell3Base* sender, TConfigStorage storage, const std::string& location)>;
// The names as configured; the folders are the dictionary folders, expanded, in which
// the bare names were looked for.
using TSpellMainDictionariesMissingEvent = std::function<void(
    TVexlorSpell3Base* sender, const TStringList& names, const TStringList& folders)>;

class TVexlorSpell3Base : public TComponent, public TConfigOwner {
 public:
  explicit TVexlorSpell3Base(TComponent* owner = nullptr);
  ~TVexlorSpell3Base() override;

  // ---- Virtual operations, in slot order -----------------------------------
  virtual void SetParsingEngine(TParsingEngine* engine);  // takes ownership
  virtual void SetSuggestionsGenerator(TSuggestionsGenerator* generator);
  virtual void SetPhoneticsMap(TPhoneticsMap* map);
  virtual void SetConfigStorage(TConfigStorage value);
  virtual void SetConfigID(const std::string& value);
  virtual void SetConfigFilename(const std::string& value);
  virtual void SetConfigRegistryKey(const std::string& value);
  virtual void SetConfigDictionaryDir(const TStringList& value);
  virtual void SetConfigDefaultMain(const TStringList& value);
  virtual void SetConfigDefaultCustom(const TStringList& value);
  virtual void SetQuoteChars(const std::string& value);
  virtual void SetKeepDictionariesActive(bool value);
  virtual void SetPhoneticMaxDistance(int32_t value);
  virtual void SetPhoneticDivisor(int32_t value);
  virtual void SetPhoneticDepth(int32_t value);
  virtual void SetMappingDictionaryName(const std::string& value);
  // The three listings are caches owned by the component.
  virtual TStringList* GetMainDictionaryFiles();
  virtual TStringList* GetCustomDictionaryFiles();
  TStringList* GetMSWordCustomDictionaryFiles() override;
  virtual bool CanUndo();
  virtual int32_t PhoneticMaxDistance();
  virtual int32_t PhoneticDivisor();
  virtual int32_t PhoneticDepth();
  virtual uint32_t GetLanguage();
  virtual void ReorderMainDictionaries();
  virtual void OpenDictionaries();
  virtual void FindDictionaryFiles(const std::string& extension, TStringList& list);
  // Links the first bridge the form owns and hands it the dictionary.
  virtual TSpellDialogBridge* AttachDialogControl(TComponent* form, TCustomDictionary* dictionary);
  virtual void RebuildIgnoreFilters(bool force);
  virtual void DialogShowHook();
  virtual void DialogDeactivateHook();
  virtual void DialogActivateHook();
  virtual void PromptWord();
  virtual void PlaceDialogNearSelection(bool horizontal, bool vertical);
  virtual void PlaceDialogNearControl();
  virtual void PositionDialog();
  virtual void AvoidSelection();
  virtual TCustomForm* CreateSpellDialog();
  virtual void ShowSpellDialog();
  virtual void HideSpellDialog();
  virtual void ShowEndMessage();
  virtual void ReplaceCurrentWord(const std::string& replacement, int32_t state);
  virtual void IgnoreCurrentWord(int32_t state);
  virtual void NotifyUndo(int32_t undoState, TSpellAction action, int32_t& data);
  virtual bool IsRepeatedWord(const std::string& word);
  virtual bool IsPossessive(const std::string& word);
  virtual void UndoLast();
  virtual void AddUndo(TSpellAction action, const std::string& replacement, bool automatic);
  virtual void PopupItemClick(int32_t tag, const std::string& caption);
  virtual void CompleteCheck();
  virtual void ResumeCheck();
  virtual void SmartCheck(TControlParser* parser);
  virtual void BuildSuggestions(const std::string& word, int32_t maxCount, TStringList& results);
  // The existence test handed to the suggestions generator; word is the
  // generator's candidate buffer (zero-terminated), only valid during the call.
  virtual void SuggestionWordExists(const std::string& word, bool& exists);
  virtual void ScanCharHook(char ch, TControlParser* parser, bool& skip);
  virtual void ScanWordHook(const std::string& word, TControlParser* parser, bool& skip);
  virtual bool IsIgnoredByFilters(const std::string& word, TControlParser* parser);
  virtual bool IsLineIgnored(const std::string& line);
  virtual void AddIgnoreFilter(TParserIgnore* filter);  // takes ownership
  virtual void ClearIgnoreFilters();
  void ConfigurationChanged(bool reopen) override;
  void ReadConfigString(const std::string& configID, const std::string& key,
                        const std::string& defaultValue, std::string& value) override;
  void WriteConfigString(const std::string& configID, const std::string& key,
                         const std::string& value) override;
  void ConfigLoaded() override;
  void ConfigSaved() override;
  virtual void ShowConfigDialog(TComponent* owner);
  virtual void ShowCustomDictionariesDialog(TComponent* owner);
  virtual void ShowEditCustomDictionaryDialog(TComponent* owner, TCustomDictionary* dictionary);
  virtual void ShowAddDictionaryDir(TComponent* owner);
  std::string ExpandConfigID(const std::string& path) override;
  virtual void SetCustomDictionaryActive(const std::string& name, bool active);
  virtual void SetMSWordCustomDictionaryActive(const std::string& fileName, bool active);
  virtual void DeleteCustomDictionary(const std::string& name);
  virtual void NewCustomDictionary(const std::string& name);
  virtual bool RenameCustomDictionary(const std::string& oldName, const std::string& newName);
  // The three openers return a new object that the caller owns, or null.
  virtual std::unique_ptr<TMainDictionary> OpenMainDictionary(const std::string& name);
  virtual std::unique_ptr<TCustomDictionary> OpenCustomDictionary(const std::string& name);
  virtual std::unique_ptr<TCustomDictionary> OpenMSWordCustomDictionary(
      const std::string& fileName);
  std::string ExpandPath(const std::string& path) override;
  virtual void ShowConfigDialog();
  virtual void ShowCustomDictionariesDialog();
  virtual void ShowEditCustomDictionaryDialog(TCustomDictionary* dictionary);
  virtual void ShowAddDictionaryDir();
  virtual void GetString(TSpellLanguageString id, std::string& text);
  virtual void ClearUndo();
  virtual void CloseDictionaries();
  virtual void CloseDialog();
  // The text is edited in place; it must outlive the check (with SynchronousCheck
  // false the check goes on after the call returns).
  virtual void CheckString(std::string& text);
  virtual void CheckWinControl(void* control, TCheckType checkType);
  // The parser is freed by the check when OwnsParser is true.
  virtual void CheckParser(TControlParser* parser, TCheckType checkType);
  virtual void StartSequenceCheck();
  virtual void StopSequenceCheck();
  virtual void StopCheck(bool flag);
  virtual int32_t WordCount(const std::string& text);
  virtual int32_t WordCountWinControl(void* control, TCheckType checkType);
  virtual int32_t WordCountParser(TControlParser* parser, TCheckType checkType);
  // The answers to a prompt: true when the action was applied. Only the
  // first answer to a prompt applies; a repeated-word prompt takes only
  // Ignore, IgnoreRepeated, DeleteRepeated and Undo.
  virtual bool Ignore();
  virtual bool IgnoreAll();
  virtual bool Change(const std::string& replacement);
  virtual bool ChangeAll(const std::string& replacement);
  virtual bool Add();
  virtual bool AutoCorrect(const std::string& replacement);
  virtual bool Undo();
  virtual bool IgnoreRepeated();
  virtual bool DeleteRepeated();
  virtual void Resynchronize();
  virtual void Reserved();  // keeps a slot that does nothing
  virtual void Cancel();
  virtual bool IsWordInMainDictionaries(const std::string& word);
  virtual bool IsWordInDictionaries(const std::string& word);
  virtual bool IsWordCorrect(const std::string& word);
  virtual bool IsWordExcluded(const std::string& word);
  virtual bool GetAutoCorrection(const std::string& word, std::string& replacement);
  virtual void GetSuggestions(const std::string& word, TStringList& list);
  virtual void LearnReplacement(const std::string& word, const std::string& replacement);
  virtual TSpellPopupOption ShowPopupMenu(TComponent* owner, TSpellPopupOptions options, int32_t x,
                                          int32_t y, std::string& word);

  // ---- Popup companions -----------------------------------------------------
  TPopupMenu* CreatePopupMenu(TComponent* owner);
  TMenuItem* AddPopupMenuItem(TPopupMenu* menu, TMenuItem* subMenu, const std::string& caption,
                              bool enable, bool hasChildren, int32_t tag);
  void DoPopupMenu(TPopupMenu* menu, int32_t x, int32_t y);

  // ---- TConfigOwner -----------------------------------------------------------
  TConfigStorage ConfigStorage() const override { return configStorage_; }
  const std::string& ConfigID() const override { return configID_; }
  const std::string& ConfigFilename() const override { return configFilename_; }
  const std::string& ConfigRegistryKey() const override { return configRegistryKey_; }
  const TStringList& ConfigDefaultMain() const override { return configDefaultMain_; }
  const TStringList& ConfigDefaultCustom() const override { return configDefaultCustom_; }
  const std::string& ConfigDefaultActiveCustom() const override {
    return configDefaultActiveCustom_;
  }
  TSpellOptions ConfigDefaultOptions() const override { return configDefaultOptions_; }
  bool ConfigUseMSWordCustom() const override { return configUseMSWordCustom_; }
  bool ConfigDefaultUseMSWordCustom() const override { return configDefaultUseMSWordCustom_; }
  bool IsDesigning() const override;

  // ---- Version ------------------------------------------------------------------
  static std::string VersionText();
  const std::string& Version() const;
  void SetVersion(const std::string&) {}

  // ---- Published properties ---------------------------------------------------
  const TStringList& ConfigDictionaryDir() const { return configDictionaryDir_; }
  TSpellOptions ConfigAvailableOptions() const { return configAvailableOptions_; }
  void SetConfigAvailableOptions(TSpellOptions v) { configAvailableOptions_ = v; }
  const std::string& ConfigUserOption1() const { return configUserOption_[0]; }
  const std::string& ConfigUserOption2() const { return configUserOption_[1]; }
  const std::string& ConfigUserOption3() const { return configUserOption_[2]; }
  const std::string& ConfigUserOption4() const { return configUserOption_[3]; }
  void SetConfigUserOption1(const std::string& v) { configUserOption_[0] = v; }
  void SetConfigUserOption2(const std::string& v) { configUserOption_[1] = v; }
  void SetConfigUserOption3(const std::string& v) { configUserOption_[2] = v; }
  void SetConfigUserOption4(const std::string& v) { configUserOption_[3] = v; }
  void SetConfigUseMSWordCustom(bool v) { configUseMSWordCustom_ = v; }
  void SetConfigDefaultActiveCustom(const std::string& v) { configDefaultActiveCustom_ = v; }
  void SetConfigDefaultOptions(TSpellOptions v) { configDefaultOptions_ = v; }
  void SetConfigDefaultUseMSWordCustom(bool v) { configDefaultUseMSWordCustom_ = v; }

  const std::string& HelpFile() const { return helpFile_; }
  void SetHelpFile(const std::string& v) { helpFile_ = v; }
  int32_t HelpCtxSpellDialog() const { return helpCtx_[0]; }
  int32_t HelpCtxConfigDialog() const { return helpCtx_[1]; }
  int32_t HelpCtxDictionariesDialog() const { return helpCtx_[2]; }
  int32_t HelpCtxDictionaryEditDialog() const { return helpCtx_[3]; }
  void SetHelpCtxSpellDialog(int32_t v) { helpCtx_[0] = v; }
  void SetHelpCtxConfigDialog(int32_t v) { helpCtx_[1] = v; }
  void SetHelpCtxDictionariesDialog(int32_t v) { helpCtx_[2] = v; }
  void SetHelpCtxDictionaryEditDialog(int32_t v) { helpCtx_[3] = v; }

  bool SuggestionsAutoReplace() const { return suggestionsAutoReplace_; }
  void SetSuggestionsAutoReplace(bool v) { suggestionsAutoReplace_ = v; }
  bool SuggestionsLearning() const { return suggestionsLearning_; }
  void SetSuggestionsLearning(bool v) { suggestionsLearning_ = v; }
  const std::string& SuggestionsLearningDict() const { return suggestionsLearningDict_; }
  void SetSuggestionsLearningDict(const std::string& v) { suggestionsLearningDict_ = v; }
  bool LiveSpelling() const { return liveSpelling_; }
  bool LiveCorrect() const { return liveCorrect_; }
  const std::string& QuoteChars() const { return quoteChars_; }

  TSpellDialogInitialPos DialogInitialPos() const { return dialogInitialPos_; }
  void SetDialogInitialPos(TSpellDialogInitialPos v) { dialogInitialPos_ = v; }
  TSpellDialogAvoidPos DialogSelectionAvoid() const { return dialogSelectionAvoid_; }
  void SetDialogSelectionAvoid(TSpellDialogAvoidPos v) { dialogSelectionAvoid_ = v; }
  bool DialogShowImmediate() const { return dialogShowImmediate_; }
  void SetDialogShowImmediate(bool v) { dialogShowImmediate_ = v; }
  bool DialogShowModal() const { return dialogShowModal_; }
  void SetDialogShowModal(bool v) { dialogShowModal_ = v; }
  TSpellEndMessage EndMessage() const { return endMessage_; }
  void SetEndMessage(TSpellEndMessage v) { endMessage_ = v; }
  TSpellEndPosition EndCursorPosition() const { return endCursorPosition_; }
  void SetEndCursorPosition(TSpellEndPosition v) { endCursorPosition_ = v; }
  bool EndMessageWordCount() const { return endMessageWordCount_; }
  void SetEndMessageWordCount(bool v) { endMessageWordCount_ = v; }
  int32_t MaxUndo() const { return run_.MaxUndo(); }
  void SetMaxUndo(int32_t v) { run_.SetMaxUndo(v); }
  int32_t MaxSuggestions() const { return maxSuggestions_; }
  void SetMaxSuggestions(int32_t v) { maxSuggestions_ = v; }
  bool KeepDictionariesActive() const { return keepDictionariesActive_; }
  bool SynchronousCheck() const { return synchronousCheck_; }
  void SetSynchronousCheck(bool v) { synchronousCheck_ = v; }
  bool UseHourglassCursor() const { return useHourglassCursor_; }
  void SetUseHourglassCursor(bool v) { useHourglassCursor_ = v; }
  TSpellDialogCommands CommandsVisible() const { return commandsVisible_; }
  void SetCommandsVisible(TSpellDialogCommands v) { commandsVisible_ = v; }
  TSpellDialogCommands CommandsEnabled() const { return commandsEnabled_; }
  void SetCommandsEnabled(TSpellDialogCommands v) { commandsEnabled_ = v; }
  bool PhoneticSuggestions() const { return phoneticSuggestions_; }
  void SetPhoneticSuggestions(bool v) { phoneticSuggestions_ = v; }
  const std::string& MappingDictionaryName() const { return mappingDictionaryName_; }
  bool MappingAutoReplace() const { return mappingAutoReplace_; }
  void SetMappingAutoReplace(bool v) { mappingAutoReplace_ = v; }
  bool UseExcludeWords() const { return useExcludeWords_; }
  void SetUseExcludeWords(bool v) { useExcludeWords_ = v; }
  bool UseAutoCorrectFirst() const { return useAutoCorrectFirst_; }
  void SetUseAutoCorrectFirst(bool v) { useAutoCorrectFirst_ = v; }
  bool RecheckReplacedWords() const { return recheckReplacedWords_; }
  void SetRecheckReplacedWords(bool v) { recheckReplacedWords_ = v; }
  TSpellLanguageType UILanguage() const { return uiLanguage_; }
  void SetUILanguage(TSpellLanguageType v) { uiLanguage_ = v; }
  TSpellUI UIType() const { return uiType_; }
  void SetUIType(TSpellUI v) { uiType_ = v; }
  bool HideDialogAtEnd() const { return hideDialogAtEnd_; }
  void SetHideDialogAtEnd(bool v) { hideDialogAtEnd_ = v; }
  bool OwnsParser() const { return ownsParser_; }
  void SetOwnsParser(bool v) { ownsParser_ = v; }

  // ---- Run-time state, read-only for hosts and dialogs -------------------------
  TVexlorConfig* Configuration() const { return configuration_.get(); }
  TParsingEngine* ParsingEngine() const { return parsingEngine_.get(); }
  TControlParser* Parser() const { return parser_; }
  TCustomDictionary* InternalDictionary() const { return dictionaries_.Internal(); }
  TCustomDictionary* ActiveCustomDictionary() const { return dictionaries_.ActiveCustom(); }
  TCustomDictionary* MappingDictionary() const { return dictionaries_.Mapping(); }
  TCustomDictionary* LearningDictionary() const { return dictionaries_.Learning(); }
  TSuggestionsGenerator* SuggestionsGenerator() const { return suggestionsGenerator_.get(); }
  TPhoneticsMap* PhoneticsMap() const { return phoneticsMap_.get(); }
  int MainDictionaryCount() const { return dictionaries_.MainCount(); }
  TMainDictionary* MainDictionaries(int i) const { return dictionaries_.Main(i); }
  int CustomDictionaryCount() const { return dictionaries_.CustomCount(); }
  TCustomDictionary* CustomDictionaries(int i) const { return dictionaries_.Custom(i); }
  int MSWordCustomDictionaryCount() const { return dictionaries_.MSWordCustomCount(); }
  TCustomDictionary* MSWordCustomDictionaries(int i) const { return dictionaries_.MSWordCustom(i); }
  int FilterCount() const { return static_cast<int>(filters_.size()); }
  TParserIgnore* Filters(int i) const { return filters_[i].get(); }
  const TStringList& DictionaryFolders() const { return folders_.Folders(); }
  bool Checking() const { return run_.Checking(); }
  bool Cancelled() const { return run_.Cancelled(); }
  bool SequenceActive() const { return run_.SequenceActive(); }
  const std::string& CurrentWord() const { return run_.CurrentWord(); }
  bool PromptIsRepeated() const { return run_.PromptIsRepeated(); }
  int32_t WordsChecked() const { return run_.WordsChecked(); }
  bool PossessiveRule() const { return dictionaries_.PossessiveRule(); }
  bool PrimaryOnly() const { return primaryOnly_; }
  bool PromptRepeated() const { return promptRepeated_; }
  bool PhoneticFallback() const { return phoneticFallback_; }
  int UndoCount() const { return run_.UndoCount(); }
  const TVexlorUndo& UndoRecord(int i) const { return run_.UndoRecord(i); }
  TCustomForm* SpellDialog() const { return dialog_.Form(); }
  TSpellDialogBridge* DialogControl() const { return dialog_.Bridge(); }
  bool DialogShown() const { return dialog_.Shown(); }
  bool PopupActive() const { return dialog_.PopupActive(); }
  TEventList* OptionsChangedListeners() const { return optionsChangedListeners_.get(); }
  TEventList* ConfigChangedListeners() const { return configChangedListeners_.get(); }
  TParserIgnoreWordEventList* IgnoreWordListeners() const { return ignoreWordListeners_.get(); }

  // ---- Events, in published order ---------------------------------------------
  TSpellNotifyEvent OnConfigChanged;
  TSpellNotifyEvent OnConfigLoaded;
  TSpellNotifyEvent OnConfigSaved;
  TSpellConfigReadEvent OnConfigReadString;
  TSpellConfigWriteEvent OnConfigWriteString;
  TSpellNotifyEvent OnDictionariesChanged;
  TSpellWordCheckEvent OnWordCheck;
  TSpellPromptWordEvent OnPromptWord;
  TSpellCreateDialogEvent OnCreateSpellDialog;
  TSpellShowDialogEvent OnShowConfigDialog;
  TSpellShowDialogEvent OnShowCustomDictionariesDialog;
  TSpellShowDialogEvent OnShowEditCustomDictionaryDialog;
  TSpellShowDialogEvent OnShowAddDictionaryDir;
  TSpellGetStringEvent OnGetString;
  TSpellNotifyEvent OnAddCustomIgnore;
  TSpellNotifyEvent OnSpellDialogShow;
  TSpellNotifyEvent OnSpellDialogHide;
  TSpellNotifyEvent OnPositionDialog;
  TSpellNotifyEvent OnShowEndMessage;
  TSpellNotifyEvent OnCompleteCheck;
  TSpellNotifyEvent OnDialogDeactivate;
  TSpellNotifyEvent OnDialogActivate;
  TSpellNotifyEvent OnAdjustPhoneticsMap;
  TSpellParserReplaceWordEvent OnParserReplaceWord;
  TSpellParserIgnoreWordEvent OnParserIgnoreWord;
  TSpellParserUndoLastEvent OnParserUndoLast;
  TSpellNotifyEvent OnBeforeChange;
  TSpellCreateCustomDictionaryEvent OnCreateCustomDictionary;
  TSpellPopupDoMenuEvent OnPopupDoMenu;
  TSpellPopupAddMenuItemEvent OnPopupAddMenuItem;
  TSpellPopupCreateMenuEvent OnPopupCreateMenu;

  // ---- Settings and dictionaries that could not be used ----------------------
  // A save point could not write the settings; they stay pending and the
  // next save point tries again.
  TSpellConfigSaveFailedEvent OnConfigSaveFailed;
  // The dictionary set was built without some of the configured main
  // dictionaries (missing or unreadable files): words they hold are flagged.
  TSpellMainDictionariesMissingEvent OnMainDictionariesMissing;
  void ConfigSaveFailed(TConfigStorage storage, const std::string& location) override;
  // The configured main dictionaries that the dictionary set could not open
  // (loads the configuration first); empty when all of them are open.
  const TStringList& GetMissingMainDictionaries();
  // The dictionary folders with their macros expanded, as they are searched.
  TStringList ExpandedDictionaryFolders();

 protected:
  // Loads the configuration when it is not loaded yet (the first load opens
  // the dictionary set). Inline: it runs several times for every word checked.
  void EnsureConfigLoaded() {
    if (!configuration_->ConfigLoaded()) configuration_->SetConfigLoaded(true);
  }
  bool IsLoadingOrReading() const;
  void ClearFileCaches();
  void RebuildDictionaryFolders();
  void ConnectEngineHooks(TParsingEngine* engine);
  // The parser for a window control: the window-control parser in the
  // Windows build, null elsewhere.
  static TControlParser* NewWindowParser(void* control);
  // After the main dictionaries open: the letters of their code pages
  // become word characters, and the filters and suggestions take the first
  // one's case mapping.
  void UseDictionaryCodePages();

 private:
  // The collaborators that carry out its operations work on its state.
  friend class TSpellCheckLoop;
  friend class TSpellUserActions;
  friend class TSpellDialogDisplay;
  friend class TSpellPopupMenu;
  friend class TSpellDictionaryFiles;
  friend class TSpellSuggestions;

  // The state it hands out: the open dictionaries, the state of the running
  // check with its undo records, the hosted spelling dialog, and where the
  // dictionary files are.
  TSpellDictionarySet dictionaries_;
  TSpellCheckRun run_;
  TSpellDialogHosting dialog_;
  TSpellDictionaryFolders folders_;

  std::unique_ptr<TParsingEngine> parsingEngine_;
  TControlParser* parser_ = nullptr;  // owned while ownsParser_ is true
  std::unique_ptr<TSuggestionsGenerator> suggestionsGenerator_;
  std::unique_ptr<TPhoneticsMap> phoneticsMap_;
  TSpellOptions optionsSnapshot_;
  bool optionsSnapshotValid_ = false;
  bool primaryOnly_ = false;
  bool promptRepeated_ = true;
  bool liveSpelling_ = true;
  bool liveCorrect_ = true;
  std::vector<TParserIgnore*> scanFilters_;
  std::vector<std::unique_ptr<TParserIgnore>> filters_;
  std::vector<TParserIgnore*> lineFilters_;
  int textCodePage_ = 1252;  // of the first main dictionary's language
  bool phoneticFallback_ = true;
  TSpellLanguageType uiLanguage_ = ltEnglish;
  TSpellUI uiType_ = suiSilent;
  bool useExcludeWords_ = true;
  bool useAutoCorrectFirst_ = false;
  bool recheckReplacedWords_ = true;
  std::string helpFile_;
  int32_t helpCtx_[4] = {0, 0, 0, 0};
  std::unique_ptr<TVexlorConfig> configuration_;
  TConfigStorage configStorage_ = csRegistry;
  std::string configID_ = "%UserName%";
  std::string configFilename_ = "%AppDir%\\Spell.cfg";
  std::string configRegistryKey_ = "Software\\Torvane Software\\%AppName%";
  TStringList configDictionaryDir_;
  TSpellOptions configAvailableOptions_;
  std::string configUserOption_[4];
  bool configUseMSWordCustom_ = true;
  TStringList configDefaultMain_;
  TStringList configDefaultCustom_;
  std::string configDefaultActiveCustom_ = "%ConfigID%.vlu";
  TSpellOptions configDefaultOptions_;
  bool configDefaultUseMSWordCustom_ = false;
  std::string quoteChars_ = ">";
  TSpellDialogInitialPos dialogInitialPos_ = ipLastUserPos;
  TSpellDialogAvoidPos dialogSelectionAvoid_ = saAvoid;
  bool dialogShowImmediate_ = false;
  bool dialogShowModal_ = false;
  TSpellEndMessage endMessage_ = emExceptCancel;
  TSpellEndPosition endCursorPosition_ = epOriginal;
  bool endMessageWordCount_ = false;
  int32_t maxSuggestions_ = -1;
  bool keepDictionariesActive_ = false;
  bool synchronousCheck_ = true;
  bool useHourglassCursor_ = true;
  TSpellDialogCommands commandsVisible_;
  TSpellDialogCommands commandsEnabled_;
  bool phoneticSuggestions_ = true;
  std::string mappingDictionaryName_;
  bool mappingAutoReplace_ = true;
  std::string suggestionsLearningDict_ = "%AppDir%\\%UserName%_sp.vll";
  bool suggestionsAutoReplace_ = false;
  bool suggestionsLearning_ = true;
  bool hideDialogAtEnd_ = true;
  bool ownsParser_ = true;
  std::unique_ptr<TEventList> optionsChangedListeners_;
  std::unique_ptr<TEventList> configChangedListeners_;
  std::unique_ptr<TParserIgnoreWordEventList> ignoreWordListeners_;

  // Lower-case forms for IsWordCorrect and SuggestionWordExists (the latter
  // runs about a thousand times per misspelled word).
  std::string lowerWord_;
  std::string suggestionLower_;

  // The collaborators that do the work: the checking run, the user's
  // answers and undo, the dialog's showing and placement, the popup menu,
  // the dictionary files, and the suggestions.
  TSpellCheckLoop loop_{*this};
  TSpellUserActions actions_{*this};
  TSpellDialogDisplay display_{*this};
  TSpellPopupMenu popup_{*this};
  TSpellDictionaryFiles files_{*this};
  TSpellSuggestions suggestions_{*this};
};
