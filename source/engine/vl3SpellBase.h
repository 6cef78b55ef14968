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

/// The spell-checker component without dialogs: checks text, tests words, suggests.
class TVexlorSpell3Base : public TComponent, public TConfigOwner {
 public:
  /// Creates the component; nothing is loaded until the first operation needs the configuration.
  explicit TVexlorSpell3Base(TComponent* owner = nullptr);
  ~TVexlorSpell3Base() override;

  // ---- Virtual operations, in slot order -----------------------------------
  /// Replaces the parsing engine that turns text into words; the component owns the new one.
  virtual void SetParsingEngine(TParsingEngine* engine);  // takes ownership
  /// Replaces the suggestions generator; the component owns the new one.
  virtual void SetSuggestionsGenerator(TSuggestionsGenerator* generator);
  /// Replaces the phonetics map used for phonetic suggestions; the component owns the new one.
  virtual void SetPhoneticsMap(TPhoneticsMap* map);
  /// Chooses where the settings are kept: registry, INI-style file, host callbacks or nowhere.
  virtual void SetConfigStorage(TConfigStorage value);
  /// Sets the name that keeps the settings of several users or profiles apart ("%ConfigID%").
  virtual void SetConfigID(const std::string& value);
  /// Sets the settings file used with csFile (default "%AppDir%\\Spell.cfg").
  virtual void SetConfigFilename(const std::string& value);
  /// Sets the registry key used with csRegistry, below HKEY_CURRENT_USER.
  virtual void SetConfigRegistryKey(const std::string& value);
  /// Sets the folders searched for dictionaries named without a folder (default "%AppDir%").
  virtual void SetConfigDictionaryDir(const TStringList& value);
  /// Sets the main dictionaries of a fresh configuration (default American.vlm).
  virtual void SetConfigDefaultMain(const TStringList& value);
  /// Sets the custom dictionaries of a fresh configuration.
  virtual void SetConfigDefaultCustom(const TStringList& value);
  /// Sets the characters that start a quoted line, which soQuoted skips.
  virtual void SetQuoteChars(const std::string& value);
  /// Keeps the dictionaries open between checks instead of releasing them after each.
  virtual void SetKeepDictionariesActive(bool value);
  /// Sets the largest edit distance of a phonetic suggestion.
  virtual void SetPhoneticMaxDistance(int32_t value);
  /// Sets the divisor that scales the phonetic distance by the word's length.
  virtual void SetPhoneticDivisor(int32_t value);
  /// Sets how many phonetic codes deep the phonetic search goes.
  virtual void SetPhoneticDepth(int32_t value);
  /// Sets the custom dictionary whose auto-corrections map words to replacements.
  virtual void SetMappingDictionaryName(const std::string& value);
  // The three listings are caches owned by the component.
  /// The main dictionary files found in the dictionary folders.
  virtual TStringList* GetMainDictionaryFiles();
  /// The custom dictionary files found in the dictionary folders.
  virtual TStringList* GetCustomDictionaryFiles();
  /// The word processor's custom dictionary files found on the system.
  TStringList* GetMSWordCustomDictionaryFiles() override;
  /// Whether the running check has an action to undo.
  virtual bool CanUndo();
  /// The largest edit distance of a phonetic suggestion.
  virtual int32_t PhoneticMaxDistance();
  /// The divisor that scales the phonetic distance by the word's length.
  virtual int32_t PhoneticDivisor();
  /// How many phonetic codes deep the phonetic search goes.
  virtual int32_t PhoneticDepth();
  /// The language (LANGID) of the first main dictionary, which chooses the suggestion rules.
  virtual uint32_t GetLanguage();
  /// Puts the main dictionaries that found most words first.
  virtual void ReorderMainDictionaries();
  /// Opens the dictionary set from the configuration.
  virtual void OpenDictionaries();
  /// Lists the files with an extension in the dictionary folders.
  virtual void FindDictionaryFiles(const std::string& extension, TStringList& list);
  // Links the first bridge the form owns and hands it the dictionary.
  /// Links the first bridge the form owns to the component and hands it the dictionary.
  virtual TSpellDialogBridge* AttachDialogControl(TComponent* form, TCustomDictionary* dictionary);
  /// Rebuilds the ignore filters from the options (force: even when unchanged).
  virtual void RebuildIgnoreFilters(bool force);
  /// Called when the spelling dialog is shown.
  virtual void DialogShowHook();
  /// Called when the spelling dialog loses activation.
  virtual void DialogDeactivateHook();
  /// Called when the spelling dialog is activated.
  virtual void DialogActivateHook();
  /// Presents the current word: to the dialog, or to OnPromptWord in silent mode.
  virtual void PromptWord();
  /// Places the dialog beside the selected word, horizontally and/or vertically.
  virtual void PlaceDialogNearSelection(bool horizontal, bool vertical);
  /// Places the dialog beside the control being checked.
  virtual void PlaceDialogNearControl();
  /// Places the spelling dialog as DialogInitialPos says.
  virtual void PositionDialog();
  /// Moves the dialog off the selected word, as DialogSelectionAvoid says.
  virtual void AvoidSelection();
  /// Creates the spelling dialog (none in the base component).
  virtual TCustomForm* CreateSpellDialog();
  /// Shows the spelling dialog.
  virtual void ShowSpellDialog();
  /// Hides the spelling dialog.
  virtual void HideSpellDialog();
  /// Shows the message that the check is complete, as EndMessage says.
  virtual void ShowEndMessage();
  /// Replaces the current word in the text and records it for undo.
  virtual void ReplaceCurrentWord(const std::string& replacement, int32_t state);
  /// Leaves the current word as it is and moves past it.
  virtual void IgnoreCurrentWord(int32_t state);
  /// Tells the parser which action is being undone.
  virtual void NotifyUndo(int32_t undoState, TSpellAction action, int32_t& data);
  /// Whether the word repeats the one before it ("the the").
  virtual bool IsRepeatedWord(const std::string& word);
  /// Whether the word is an English possessive of a known word ("dog's").
  virtual bool IsPossessive(const std::string& word);
  /// Undoes the last action of the running check.
  virtual void UndoLast();
  /// Records an action for undo.
  virtual void AddUndo(TSpellAction action, const std::string& replacement, bool automatic);
  /// Carries out the popup menu item the user picked.
  virtual void PopupItemClick(int32_t tag, const std::string& caption);
  /// Ends the check: events, end message, caret, parser and dictionaries.
  virtual void CompleteCheck();
  /// Goes on with the check after an action.
  virtual void ResumeCheck();
  /// Checks the selection, or the whole text when nothing is selected.
  virtual void SmartCheck(TControlParser* parser);
  /// Fills results with at most maxCount suggestions for the word.
  virtual void BuildSuggestions(const std::string& word, int32_t maxCount, TStringList& results);
  // The existence test handed to the suggestions generator; word is the
  // generator's candidate buffer (zero-terminated), only valid during the call.
  /// Tells the suggestions generator whether a candidate is a word.
  virtual void SuggestionWordExists(const std::string& word, bool& exists);
  /// Lets the ignore filters skip a character while the text is scanned.
  virtual void ScanCharHook(char ch, TControlParser* parser, bool& skip);
  /// Lets the ignore filters skip a word while the text is scanned.
  virtual void ScanWordHook(const std::string& word, TControlParser* parser, bool& skip);
  /// Whether an ignore filter accepts the word.
  virtual bool IsIgnoredByFilters(const std::string& word, TControlParser* parser);
  /// Whether a line filter (quoted lines) skips the whole line.
  virtual bool IsLineIgnored(const std::string& line);
  /// Adds an ignore filter; the component owns it.
  virtual void AddIgnoreFilter(TParserIgnore* filter);  // takes ownership
  /// Removes every ignore filter.
  virtual void ClearIgnoreFilters();
  /// Applies a changed configuration (reopen: the dictionaries too) and tells listeners.
  void ConfigurationChanged(bool reopen) override;
  /// Reads one setting in callback storage through OnConfigReadString.
  void ReadConfigString(const std::string& configID, const std::string& key,
                        const std::string& defaultValue, std::string& value) override;
  /// Writes one setting in callback storage through OnConfigWriteString.
  void WriteConfigString(const std::string& configID, const std::string& key,
                         const std::string& value) override;
  /// Called after the configuration was loaded; raises OnConfigLoaded.
  void ConfigLoaded() override;
  /// Called after the configuration was saved; raises OnConfigSaved.
  void ConfigSaved() override;
  /// Shows the configuration dialog (through OnShowConfigDialog in the base).
  virtual void ShowConfigDialog(TComponent* owner);
  /// Shows the custom dictionaries dialog (through OnShowCustomDictionariesDialog in the base).
  virtual void ShowCustomDictionariesDialog(TComponent* owner);
  /// Shows the dialog that edits one custom dictionary.
  virtual void ShowEditCustomDictionaryDialog(TComponent* owner, TCustomDictionary* dictionary);
  /// Asks the user for a dictionary folder to add.
  virtual void ShowAddDictionaryDir(TComponent* owner);
  /// Replaces "%ConfigID%" in a path.
  std::string ExpandConfigID(const std::string& path) override;
  /// Makes a custom dictionary active or inactive in the configuration.
  virtual void SetCustomDictionaryActive(const std::string& name, bool active);
  /// Makes a word processor's custom dictionary active or inactive.
  virtual void SetMSWordCustomDictionaryActive(const std::string& fileName, bool active);
  /// Deletes a custom dictionary's file and removes it from the configuration.
  virtual void DeleteCustomDictionary(const std::string& name);
  /// Creates an empty custom dictionary in the first dictionary folder.
  virtual void NewCustomDictionary(const std::string& name);
  /// Renames a custom dictionary's file; false when the name is taken or the rename fails.
  virtual bool RenameCustomDictionary(const std::string& oldName, const std::string& newName);
  // The three openers return a new object that the caller owns, or null.
  /// Opens a main dictionary by name or path; the caller owns it (null when it cannot).
  virtual std::unique_ptr<TMainDictionary> OpenMainDictionary(const std::string& name);
  /// Opens a custom dictionary by name or path; the caller owns it (null when it cannot).
  virtual std::unique_ptr<TCustomDictionary> OpenCustomDictionary(const std::string& name);
  /// Opens a word processor's custom dictionary; the caller owns it (null when it cannot).
  virtual std::unique_ptr<TCustomDictionary> OpenMSWordCustomDictionary(
      const std::string& fileName);
  /// Expands the path macros and "%ConfigID%" in a path.
  std::string ExpandPath(const std::string& path) override;
  /// Shows the configuration dialog owned by the application's main form.
  virtual void ShowConfigDialog();
  /// Shows the custom dictionaries dialog owned by the application's main form.
  virtual void ShowCustomDictionariesDialog();
  /// Shows the dialog that edits one custom dictionary, owned by the main form.
  virtual void ShowEditCustomDictionaryDialog(TCustomDictionary* dictionary);
  /// Asks the user for a dictionary folder to add, owned by the main form.
  virtual void ShowAddDictionaryDir();
  /// The text for an identifier in the UILanguage, passed through OnGetString.
  virtual void GetString(TSpellLanguageString id, std::string& text);
  /// Forgets the undo records.
  virtual void ClearUndo();
  /// Saves a modified configuration and closes the dictionaries.
  virtual void CloseDictionaries();
  /// Hides and releases the spelling dialog.
  virtual void CloseDialog();
  // The text is edited in place; it must outlive the check (with SynchronousCheck
  // false the check goes on after the call returns).
  /// Checks a string; the text is corrected in place.
  virtual void CheckString(std::string& text);
  /// Checks a window control (an HWND passed as void*): an edit, a rich edit or a grid editor.
  virtual void CheckWinControl(void* control, TCheckType checkType);
  // The parser is freed by the check when OwnsParser is true.
  /// Checks the text of a control parser.
  virtual void CheckParser(TControlParser* parser, TCheckType checkType);
  /// Starts a check over several controls that share one spelling dialog.
  virtual void StartSequenceCheck();
  /// Ends a check over several controls.
  virtual void StopSequenceCheck();
  /// Stops the running check (flag true: as if the user cancelled).
  virtual void StopCheck(bool flag);
  /// Counts the words of a string as a check would.
  virtual int32_t WordCount(const std::string& text);
  /// Counts the words of a window control (an HWND passed as void*).
  virtual int32_t WordCountWinControl(void* control, TCheckType checkType);
  /// Counts the words of a control parser's text.
  virtual int32_t WordCountParser(TControlParser* parser, TCheckType checkType);
  // The answers to a prompt: true when the action was applied. Only the
  // first answer to a prompt applies; a repeated-word prompt takes only
  // Ignore, IgnoreRepeated, DeleteRepeated and Undo.
  /// Leaves the current word and goes on.
  virtual bool Ignore();
  /// Leaves every occurrence of the current word for the rest of the session.
  virtual bool IgnoreAll();
  /// Replaces the current word.
  virtual bool Change(const std::string& replacement);
  /// Replaces every occurrence of the current word for the rest of the session.
  virtual bool ChangeAll(const std::string& replacement);
  /// Adds the current word to the active custom dictionary.
  virtual bool Add();
  /// Replaces the current word and remembers the correction in the active custom dictionary.
  virtual bool AutoCorrect(const std::string& replacement);
  /// Undoes the last action.
  virtual bool Undo();
  /// Leaves a repeated word.
  virtual bool IgnoreRepeated();
  /// Deletes a repeated word.
  virtual bool DeleteRepeated();
  /// Moves the check back to the word the dialog shows after the text changed.
  virtual void Resynchronize();
  /// A slot kept for compatibility; does nothing.
  virtual void Reserved();  // keeps a slot that does nothing
  /// Cancels the running check.
  virtual void Cancel();
  /// Whether a main dictionary holds the word.
  virtual bool IsWordInMainDictionaries(const std::string& word);
  /// Whether a main, custom or internal dictionary holds the word.
  virtual bool IsWordInDictionaries(const std::string& word);
  /// Whether the word is accepted, by the dictionaries or by the rules and filters.
  virtual bool IsWordCorrect(const std::string& word);
  /// Whether the word is excluded (flagged even if a dictionary holds it).
  virtual bool IsWordExcluded(const std::string& word);
  /// The auto-correction for the word, if any.
  virtual bool GetAutoCorrection(const std::string& word, std::string& replacement);
  /// Fills list with suggestions for the word, best first.
  virtual void GetSuggestions(const std::string& word, TStringList& list);
  /// Remembers a replacement in the suggestion-learning dictionary.
  virtual void LearnReplacement(const std::string& word, const std::string& replacement);
  /// Shows the suggestions popup menu for a word at (x, y) and returns the item picked.
  virtual TSpellPopupOption ShowPopupMenu(TComponent* owner, TSpellPopupOptions options, int32_t x,
                                          int32_t y, std::string& word);

  // ---- Popup companions -----------------------------------------------------
  /// Creates the popup menu (through OnPopupCreateMenu when assigned).
  TPopupMenu* CreatePopupMenu(TComponent* owner);
  /// Adds an item to the popup menu (through OnPopupAddMenuItem when assigned).
  TMenuItem* AddPopupMenuItem(TPopupMenu* menu, TMenuItem* subMenu, const std::string& caption,
                              bool enable, bool hasChildren, int32_t tag);
  /// Shows the popup menu at (x, y) (through OnPopupDoMenu when assigned).
  void DoPopupMenu(TPopupMenu* menu, int32_t x, int32_t y);

  // ---- TConfigOwner -----------------------------------------------------------
  /// Where the settings are kept.
  TConfigStorage ConfigStorage() const override { return configStorage_; }
  /// The name that keeps the settings of several users or profiles apart.
  const std::string& ConfigID() const override { return configID_; }
  /// The settings file used with csFile.
  const std::string& ConfigFilename() const override { return configFilename_; }
  /// The registry key used with csRegistry.
  const std::string& ConfigRegistryKey() const override { return configRegistryKey_; }
  /// The main dictionaries of a fresh configuration.
  const TStringList& ConfigDefaultMain() const override { return configDefaultMain_; }
  /// The custom dictionaries of a fresh configuration.
  const TStringList& ConfigDefaultCustom() const override { return configDefaultCustom_; }
  /// The active custom dictionary of a fresh configuration (default "%ConfigID%.vlu").
  const std::string& ConfigDefaultActiveCustom() const override {
    return configDefaultActiveCustom_;
  }
  /// The options of a fresh configuration.
  TSpellOptions ConfigDefaultOptions() const override { return configDefaultOptions_; }
  /// Whether the word processor's custom dictionaries are offered.
  bool ConfigUseMSWordCustom() const override { return configUseMSWordCustom_; }
  /// Whether a fresh configuration uses the word processor's custom dictionaries.
  bool ConfigDefaultUseMSWordCustom() const override { return configDefaultUseMSWordCustom_; }
  /// How a fresh configuration makes suggestions.
  TSuggestionMode ConfigDefaultSuggestionMode() const override {
    return configDefaultSuggestionMode_;
  }
  /// Whether the component is being designed (it then never writes settings).
  bool IsDesigning() const override;

  // ---- Version ------------------------------------------------------------------
  /// The suite's version text.
  static std::string VersionText();
  /// The suite's version text.
  const std::string& Version() const;
  /// Ignored: the version is read-only.
  void SetVersion(const std::string&) {}

  // ---- Published properties ---------------------------------------------------
  /// The folders searched for dictionaries named without a folder.
  const TStringList& ConfigDictionaryDir() const { return configDictionaryDir_; }
  /// The options the configuration dialog offers. @{
  TSpellOptions ConfigAvailableOptions() const { return configAvailableOptions_; }
  void SetConfigAvailableOptions(TSpellOptions v) { configAvailableOptions_ = v; }
  /// @}
  /// The first free setting the application keeps with the configuration.
  const std::string& ConfigUserOption1() const { return configUserOption_[0]; }
  /// The second free setting the application keeps with the configuration.
  const std::string& ConfigUserOption2() const { return configUserOption_[1]; }
  /// The third free setting the application keeps with the configuration.
  const std::string& ConfigUserOption3() const { return configUserOption_[2]; }
  /// The fourth free setting the application keeps with the configuration.
  const std::string& ConfigUserOption4() const { return configUserOption_[3]; }
  /// Sets the first free setting.
  void SetConfigUserOption1(const std::string& v) { configUserOption_[0] = v; }
  /// Sets the second free setting.
  void SetConfigUserOption2(const std::string& v) { configUserOption_[1] = v; }
  /// Sets the third free setting.
  void SetConfigUserOption3(const std::string& v) { configUserOption_[2] = v; }
  /// Sets the fourth free setting.
  void SetConfigUserOption4(const std::string& v) { configUserOption_[3] = v; }
  /// Offers the word processor's custom dictionaries or not.
  void SetConfigUseMSWordCustom(bool v) { configUseMSWordCustom_ = v; }
  /// Sets the active custom dictionary of a fresh configuration.
  void SetConfigDefaultActiveCustom(const std::string& v) { configDefaultActiveCustom_ = v; }
  /// Sets the options of a fresh configuration.
  void SetConfigDefaultOptions(TSpellOptions v) { configDefaultOptions_ = v; }
  /// Sets whether a fresh configuration uses the word processor's custom dictionaries.
  void SetConfigDefaultUseMSWordCustom(bool v) { configDefaultUseMSWordCustom_ = v; }
  /// Sets how a fresh configuration makes suggestions (smStandard unless set).
  void SetConfigDefaultSuggestionMode(TSuggestionMode v) { configDefaultSuggestionMode_ = v; }
  // The user's choice, kept with the configuration (loaded first, so that
  // a value set before the first check is not read over).
  /// How suggestions are made: smStandard (one edit and sounds-alike codes) or smAccurate. @{
  TSuggestionMode SuggestionMode() const { return configuration_->GetSuggestionMode(); }
  void SetSuggestionMode(TSuggestionMode v) {
    configuration_->EnsureLoaded();
    configuration_->SetSuggestionMode(v);
  }

  /// The help file the dialogs' Help buttons open. @{
  const std::string& HelpFile() const { return helpFile_; }
  void SetHelpFile(const std::string& v) { helpFile_ = v; }
  /// @}
  /// The help topic of the spelling dialog.
  int32_t HelpCtxSpellDialog() const { return helpCtx_[0]; }
  /// The help topic of the configuration dialog.
  int32_t HelpCtxConfigDialog() const { return helpCtx_[1]; }
  /// The help topic of the custom dictionaries dialog.
  int32_t HelpCtxDictionariesDialog() const { return helpCtx_[2]; }
  /// The help topic of the custom dictionary edit dialog.
  int32_t HelpCtxDictionaryEditDialog() const { return helpCtx_[3]; }
  /// Sets the help topic of the spelling dialog.
  void SetHelpCtxSpellDialog(int32_t v) { helpCtx_[0] = v; }
  /// Sets the help topic of the configuration dialog.
  void SetHelpCtxConfigDialog(int32_t v) { helpCtx_[1] = v; }
  /// Sets the help topic of the custom dictionaries dialog.
  void SetHelpCtxDictionariesDialog(int32_t v) { helpCtx_[2] = v; }
  /// Sets the help topic of the custom dictionary edit dialog.
  void SetHelpCtxDictionaryEditDialog(int32_t v) { helpCtx_[3] = v; }

  /// Whether a learnt replacement is applied without asking. @{
  bool SuggestionsAutoReplace() const { return suggestionsAutoReplace_; }
  void SetSuggestionsAutoReplace(bool v) { suggestionsAutoReplace_ = v; }
  /// @}
  /// Whether replacements are remembered to rank suggestions. @{
  bool SuggestionsLearning() const { return suggestionsLearning_; }
  void SetSuggestionsLearning(bool v) { suggestionsLearning_ = v; }
  /// @}
  /// The suggestion-learning dictionary (default "%AppDir%\\%UserName%_sp.vll"). @{
  const std::string& SuggestionsLearningDict() const { return suggestionsLearningDict_; }
  void SetSuggestionsLearningDict(const std::string& v) { suggestionsLearningDict_ = v; }
  /// @}
  /// Whether live spelling is on in the configuration.
  bool LiveSpelling() const { return liveSpelling_; }
  /// Whether live auto-correction is on in the configuration.
  bool LiveCorrect() const { return liveCorrect_; }
  /// The characters that start a quoted line.
  const std::string& QuoteChars() const { return quoteChars_; }

  /// Where the spelling dialog first appears. @{
  TSpellDialogInitialPos DialogInitialPos() const { return dialogInitialPos_; }
  void SetDialogInitialPos(TSpellDialogInitialPos v) { dialogInitialPos_ = v; }
  /// @}
  /// How the spelling dialog keeps off the selected word. @{
  TSpellDialogAvoidPos DialogSelectionAvoid() const { return dialogSelectionAvoid_; }
  void SetDialogSelectionAvoid(TSpellDialogAvoidPos v) { dialogSelectionAvoid_ = v; }
  /// @}
  /// Whether the dialog shows before the first misspelt word is found. @{
  bool DialogShowImmediate() const { return dialogShowImmediate_; }
  void SetDialogShowImmediate(bool v) { dialogShowImmediate_ = v; }
  /// @}
  /// Whether the spelling dialog is modal. @{
  bool DialogShowModal() const { return dialogShowModal_; }
  void SetDialogShowModal(bool v) { dialogShowModal_ = v; }
  /// @}
  /// When the end-of-check message box shows; it waits for OK (emNever: not at all). @{
  TSpellEndMessage EndMessage() const { return endMessage_; }
  void SetEndMessage(TSpellEndMessage v) { endMessage_ = v; }
  /// @}
  /// Where the caret goes when the check ends. @{
  TSpellEndPosition EndCursorPosition() const { return endCursorPosition_; }
  void SetEndCursorPosition(TSpellEndPosition v) { endCursorPosition_ = v; }
  /// @}
  /// Whether the end message tells the number of words checked. @{
  bool EndMessageWordCount() const { return endMessageWordCount_; }
  void SetEndMessageWordCount(bool v) { endMessageWordCount_ = v; }
  /// @}
  /// How many actions can be undone. @{
  int32_t MaxUndo() const { return run_.MaxUndo(); }
  void SetMaxUndo(int32_t v) { run_.SetMaxUndo(v); }
  /// @}
  /// How many suggestions are offered (-1: as many as found). @{
  int32_t MaxSuggestions() const { return maxSuggestions_; }
  void SetMaxSuggestions(int32_t v) { maxSuggestions_ = v; }
  /// @}
  /// Whether the dictionaries stay open between checks.
  bool KeepDictionariesActive() const { return keepDictionariesActive_; }
  /// Whether a check returns only when it is complete, pumping messages while it waits. @{
  bool SynchronousCheck() const { return synchronousCheck_; }
  void SetSynchronousCheck(bool v) { synchronousCheck_ = v; }
  /// @}
  /// Whether the hourglass cursor shows while the component works. @{
  bool UseHourglassCursor() const { return useHourglassCursor_; }
  void SetUseHourglassCursor(bool v) { useHourglassCursor_ = v; }
  /// @}
  /// Which spelling dialog commands are visible. @{
  TSpellDialogCommands CommandsVisible() const { return commandsVisible_; }
  void SetCommandsVisible(TSpellDialogCommands v) { commandsVisible_ = v; }
  /// @}
  /// Which spelling dialog commands are enabled. @{
  TSpellDialogCommands CommandsEnabled() const { return commandsEnabled_; }
  void SetCommandsEnabled(TSpellDialogCommands v) { commandsEnabled_ = v; }
  /// @}
  /// Whether suggestions include phonetic matches. @{
  bool PhoneticSuggestions() const { return phoneticSuggestions_; }
  void SetPhoneticSuggestions(bool v) { phoneticSuggestions_ = v; }
  /// @}
  /// The custom dictionary whose auto-corrections map words to replacements.
  const std::string& MappingDictionaryName() const { return mappingDictionaryName_; }
  /// Whether mapped replacements are applied without asking. @{
  bool MappingAutoReplace() const { return mappingAutoReplace_; }
  void SetMappingAutoReplace(bool v) { mappingAutoReplace_ = v; }
  /// @}
  /// Whether excluded words are flagged. @{
  bool UseExcludeWords() const { return useExcludeWords_; }
  void SetUseExcludeWords(bool v) { useExcludeWords_ = v; }
  /// @}
  /// Whether auto-corrections are tried before the dictionaries. @{
  bool UseAutoCorrectFirst() const { return useAutoCorrectFirst_; }
  void SetUseAutoCorrectFirst(bool v) { useAutoCorrectFirst_ = v; }
  /// @}
  /// Whether a replacement is checked again. @{
  bool RecheckReplacedWords() const { return recheckReplacedWords_; }
  void SetRecheckReplacedWords(bool v) { recheckReplacedWords_ = v; }
  /// @}
  /// The language of the dialogs' texts. @{
  TSpellLanguageType UILanguage() const { return uiLanguage_; }
  void SetUILanguage(TSpellLanguageType v) { uiLanguage_ = v; }
  /// @}
  /// Silent mode or the standard dialog. @{
  TSpellUI UIType() const { return uiType_; }
  void SetUIType(TSpellUI v) { uiType_ = v; }
  /// @}
  /// Whether the spelling dialog hides when the check ends. @{
  bool HideDialogAtEnd() const { return hideDialogAtEnd_; }
  void SetHideDialogAtEnd(bool v) { hideDialogAtEnd_ = v; }
  /// @}
  /// Whether the component frees a check's parser when the check ends. @{
  bool OwnsParser() const { return ownsParser_; }
  void SetOwnsParser(bool v) { ownsParser_ = v; }
  /// @}

  // ---- Run-time state, read-only for hosts and dialogs -------------------------
  /// The configuration object; the component owns it.
  TVexlorConfig* Configuration() const { return configuration_.get(); }
  /// The parsing engine that turns text into words.
  TParsingEngine* ParsingEngine() const { return parsingEngine_.get(); }
  /// The parser of the running check (null between checks).
  TControlParser* Parser() const { return parser_; }
  /// The session's dictionary of Ignore All words and Change All pairs.
  TCustomDictionary* InternalDictionary() const { return dictionaries_.Internal(); }
  /// The custom dictionary that Add writes to.
  TCustomDictionary* ActiveCustomDictionary() const { return dictionaries_.ActiveCustom(); }
  /// The mapping dictionary, if one is open.
  TCustomDictionary* MappingDictionary() const { return dictionaries_.Mapping(); }
  /// The suggestion-learning dictionary, if one is open.
  TCustomDictionary* LearningDictionary() const { return dictionaries_.Learning(); }
  /// The suggestions generator.
  TSuggestionsGenerator* SuggestionsGenerator() const { return suggestionsGenerator_.get(); }
  /// The phonetics map.
  TPhoneticsMap* PhoneticsMap() const { return phoneticsMap_.get(); }
  /// The number of open main dictionaries.
  int MainDictionaryCount() const { return dictionaries_.MainCount(); }
  /// An open main dictionary by index.
  TMainDictionary* MainDictionaries(int i) const { return dictionaries_.Main(i); }
  /// The number of open custom dictionaries.
  int CustomDictionaryCount() const { return dictionaries_.CustomCount(); }
  /// An open custom dictionary by index.
  TCustomDictionary* CustomDictionaries(int i) const { return dictionaries_.Custom(i); }
  /// The number of open word processor's custom dictionaries.
  int MSWordCustomDictionaryCount() const { return dictionaries_.MSWordCustomCount(); }
  /// An open word processor's custom dictionary by index.
  TCustomDictionary* MSWordCustomDictionaries(int i) const { return dictionaries_.MSWordCustom(i); }
  /// The number of ignore filters.
  int FilterCount() const { return static_cast<int>(filters_.size()); }
  /// An ignore filter by index.
  TParserIgnore* Filters(int i) const { return filters_[i].get(); }
  /// The dictionary folders, as configured.
  const TStringList& DictionaryFolders() const { return folders_.Folders(); }
  /// Whether a check is running.
  bool Checking() const { return run_.Checking(); }
  /// Whether the user cancelled the last check.
  bool Cancelled() const { return run_.Cancelled(); }
  /// Whether a check over several controls is running.
  bool SequenceActive() const { return run_.SequenceActive(); }
  /// The word the check stopped at.
  const std::string& CurrentWord() const { return run_.CurrentWord(); }
  /// Whether the current prompt is for a repeated word.
  bool PromptIsRepeated() const { return run_.PromptIsRepeated(); }
  /// How many words the running check has checked.
  int32_t WordsChecked() const { return run_.WordsChecked(); }
  /// Whether the English possessive rule applies to the main dictionaries' language.
  bool PossessiveRule() const { return dictionaries_.PossessiveRule(); }
  /// Whether only the first main dictionary is used (soPrimaryOnly).
  bool PrimaryOnly() const { return primaryOnly_; }
  /// Whether repeated words are prompted (soRepeated).
  bool PromptRepeated() const { return promptRepeated_; }
  /// Whether phonetic suggestions are tried when the others find nothing.
  bool PhoneticFallback() const { return phoneticFallback_; }
  /// The number of undo records.
  int UndoCount() const { return run_.UndoCount(); }
  /// An undo record by index.
  const TVexlorUndo& UndoRecord(int i) const { return run_.UndoRecord(i); }
  /// The spelling dialog's form, while one exists.
  TCustomForm* SpellDialog() const { return dialog_.Form(); }
  /// The dialog's bridge to the component, while a dialog is linked.
  TSpellDialogBridge* DialogControl() const { return dialog_.Bridge(); }
  /// Whether the spelling dialog is showing.
  bool DialogShown() const { return dialog_.Shown(); }
  /// Whether the popup menu is open.
  bool PopupActive() const { return dialog_.PopupActive(); }
  /// Listeners told when the options change.
  TEventList* OptionsChangedListeners() const { return optionsChangedListeners_.get(); }
  /// Listeners told when the configuration changes.
  TEventList* ConfigChangedListeners() const { return configChangedListeners_.get(); }
  /// Listeners told when a word is ignored.
  TParserIgnoreWordEventList* IgnoreWordListeners() const { return ignoreWordListeners_.get(); }

  // ---- Events, in published order ---------------------------------------------
  /// Raised after every change of the configuration.
  TSpellNotifyEvent OnConfigChanged;
  /// Raised after the configuration was loaded.
  TSpellNotifyEvent OnConfigLoaded;
  /// Raised after the configuration was saved.
  TSpellNotifyEvent OnConfigSaved;
  /// Reads one setting in callback storage.
  TSpellConfigReadEvent OnConfigReadString;
  /// Writes one setting in callback storage.
  TSpellConfigWriteEvent OnConfigWriteString;
  /// Raised when the dictionary set changed.
  TSpellNotifyEvent OnDictionariesChanged;
  /// Lets the host change the verdict on a word.
  TSpellWordCheckEvent OnWordCheck;
  /// Asks the host to decide about a word in silent mode; the host answers with an action.
  TSpellPromptWordEvent OnPromptWord;
  /// Lets the host supply (create true) or dispose of (create false) its own spelling dialog.
  TSpellCreateDialogEvent OnCreateSpellDialog;
  /// Replaces the configuration dialog.
  TSpellShowDialogEvent OnShowConfigDialog;
  /// Replaces the custom dictionaries dialog.
  TSpellShowDialogEvent OnShowCustomDictionariesDialog;
  /// Replaces the custom dictionary edit dialog.
  TSpellShowDialogEvent OnShowEditCustomDictionaryDialog;
  /// Replaces the dialog that adds a dictionary folder.
  TSpellShowDialogEvent OnShowAddDictionaryDir;
  /// Lets the host change any text of the dialogs and messages.
  TSpellGetStringEvent OnGetString;
  /// Raised when a word is added to a custom dictionary.
  TSpellNotifyEvent OnAddCustomIgnore;
  /// Raised when the spelling dialog shows.
  TSpellNotifyEvent OnSpellDialogShow;
  /// Raised when the spelling dialog hides.
  TSpellNotifyEvent OnSpellDialogHide;
  /// Lets the host place the spelling dialog.
  TSpellNotifyEvent OnPositionDialog;
  /// Replaces the end-of-check message.
  TSpellNotifyEvent OnShowEndMessage;
  /// Raised when a check ends.
  TSpellNotifyEvent OnCompleteCheck;
  /// Raised when the spelling dialog loses activation.
  TSpellNotifyEvent OnDialogDeactivate;
  /// Raised when the spelling dialog is activated.
  TSpellNotifyEvent OnDialogActivate;
  /// Lets the host adjust the phonetics map after it was loaded.
  TSpellNotifyEvent OnAdjustPhoneticsMap;
  /// Raised before and after the parser replaces a word.
  TSpellParserReplaceWordEvent OnParserReplaceWord;
  /// Raised before and after the parser skips a word.
  TSpellParserIgnoreWordEvent OnParserIgnoreWord;
  /// Raised when the parser undoes an action.
  TSpellParserUndoLastEvent OnParserUndoLast;
  /// Raised before an action changes the text.
  TSpellNotifyEvent OnBeforeChange;
  /// Lets the host supply its own custom dictionary object.
  TSpellCreateCustomDictionaryEvent OnCreateCustomDictionary;
  /// Replaces showing the popup menu.
  TSpellPopupDoMenuEvent OnPopupDoMenu;
  /// Replaces adding an item to the popup menu.
  TSpellPopupAddMenuItemEvent OnPopupAddMenuItem;
  /// Replaces creating the popup menu.
  TSpellPopupCreateMenuEvent OnPopupCreateMenu;

  // ---- Settings and dictionaries that could not be used ----------------------
  // A save point could not write the settings; they stay pending and the
  // next save point tries again.
  /// Raised when the settings could not be written; they stay pending.
  TSpellConfigSaveFailedEvent OnConfigSaveFailed;
  // The dictionary set was built without some of the configured main
  // dictionaries (missing or unreadable files): words they hold are flagged.
  /// Raised when configured main dictionaries could not be opened.
  TSpellMainDictionariesMissingEvent OnMainDictionariesMissing;
  /// Raises OnConfigSaveFailed.
  void ConfigSaveFailed(TConfigStorage storage, const std::string& location) override;
  // The configured main dictionaries that the dictionary set could not open
  // (loads the configuration first); empty when all of them are open.
  /// The configured main dictionaries that could not be opened (empty when all are open).
  const TStringList& GetMissingMainDictionaries();
  // The dictionary folders with their macros expanded, as they are searched.
  /// The dictionary folders with their macros expanded, as they are searched.
  TStringList ExpandedDictionaryFolders();

 protected:
  // Loads the configuration when it is not loaded yet (the first load opens
  // the dictionary set). Inline: it runs several times for every word checked.
  /// Loads the configuration when it is not loaded yet.
  void EnsureConfigLoaded() {
    if (!configuration_->ConfigLoaded()) configuration_->SetConfigLoaded(true);
  }
  /// Whether the component is loading or reading its properties.
  bool IsLoadingOrReading() const;
  /// Forgets the listings of dictionary files.
  void ClearFileCaches();
  /// Applies the configured and added dictionary folders.
  void RebuildDictionaryFolders();
  /// Connects a parsing engine's scan hooks to the ignore filters.
  void ConnectEngineHooks(TParsingEngine* engine);
  // The parser for a window control: the window-control parser in the
  // Windows build, null elsewhere.
  /// The parser for a window control (null outside Windows).
  static TControlParser* NewWindowParser(void* control);
  /// Makes the open main dictionaries' code-page letters word characters
  /// and gives the filters and suggestions the first one's case mapping
  /// (called when the dictionaries open).
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
  TSuggestionMode configDefaultSuggestionMode_ = smStandard;
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
