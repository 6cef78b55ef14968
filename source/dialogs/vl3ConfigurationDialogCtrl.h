// The bridge every dialog form carries (as "DialogControl"): it is linked to
// the spell-checker component once and is the dialogs' only road to it.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "vl3Component.h"
#include "vl3DialogBridge.h"
#include "vl3SpellLanguages.h"
#include "vl3SpellTypes.h"

class TVexlorSpell3Base;
class TCustomDictionary;
class TMainDictionary;
class TVexlorConfig;
class TStringList;

using TWordPromptEvent = std::function<void(TVexlorSpell3Base* sender, const std::string& word, bool repeated)>;

// Every operation forwards to the linked component. Until a component is
// linked (a form shown outside a check) each one is harmless: commands do
// nothing and queries return the neutral value noted beside them.
class TConfigurationDialogCtrl : public TComponent, public TSpellDialogBridge {
 public:
  using TNotifyEvent = std::function<void(TConfigurationDialogCtrl* sender)>;

  explicit TConfigurationDialogCtrl(TComponent* owner = nullptr);

  // Links the bridge once for its lifetime; raises OnConfigurationAvailable.
  void Attach(TVexlorSpell3Base* engine) override;
  // Raises OnCustomDictionaryAvailable for a dictionary that is not null.
  void SetCustomDictionary(TCustomDictionary* dictionary) override;
  // Raises OnPromptWord.
  void RelayPromptWord(TVexlorSpell3Base* sender, const std::string& word, bool repeated) override;

  TVexlorSpell3Base* SpellChecker() const { return spellChecker_; }
  TCustomDictionary* CustomDictionary() const { return customDictionary_; }
  TVexlorConfig* Configuration() const { return configuration_; }
  TSpellOptions AvailableOptions() const { return availableOptions_; }

  // ---- Queries (the lists and dictionaries belong to the component) ----------
  TStringList* GetMainDictionaryFiles();          // null
  TStringList* GetCustomDictionaryFiles();        // null
  TStringList* GetMSWordCustomDictionaryFiles();  // null
  bool GetUseExcludeWords();                      // true
  bool CanUndo();                                 // false
  TCustomDictionary* GetInternalDictionary();     // null
  TCustomDictionary* GetActiveCustomDictionary(); // null
  TSpellDialogCommands GetCommandsVisible();      // empty
  TSpellDialogCommands GetCommandsEnabled();      // empty
  // The caller owns what the openers return.
  std::unique_ptr<TMainDictionary> OpenMainDictionary(const std::string& fileName);      // null
  std::unique_ptr<TCustomDictionary> OpenCustomDictionary(const std::string& fileName);  // null
  std::string GetOptionCaption(TSpellOption option);  // empty
  std::string GetString(TSpellLanguageString id);     // empty

  // ---- The other standard dialogs; the bridge is their owner -----------------
  void ShowConfigDialog();
  void ShowCustomDictionariesDialog();
  void ShowEditCustomDictionaryDialog(TCustomDictionary* dictionary);
  void ShowAddDictionaryDir();

  // ---- Dictionary management ---------------------------------------------------
  void SetCustomDictionaryActive(const std::string& fileName, bool active);
  void SetMSWordCustomDictionaryActive(const std::string& fileName, bool active);
  void DeleteCustomDictionary(const std::string& fileName);
  void NewCustomDictionary(const std::string& name);
  bool RenameCustomDictionary(const std::string& oldName, const std::string& newName);  // false

  // ---- The user's answers to a prompt -----------------------------------------
  void Ignore();
  void IgnoreAll();
  void Change(const std::string& replacement);
  void ChangeAll(const std::string& replacement);
  void Add();
  void AutoCorrect(const std::string& replacement);
  void Cancel();
  void Undo();
  void IgnoreRepeated();
  void DeleteRepeated();
  void GetSuggestions(const std::string& word, TStringList& list);

  // ---- Help topics of the standard dialogs ---------------------------------------
  void ShowSpellDialogHelp();
  void ShowConfigDialogHelp();
  void ShowDictionariesDialogHelp();
  void ShowDictionaryEditDialogHelp();

  std::string Version() const;
  void SetVersion(const std::string&) {}

  TNotifyEvent OnConfigurationAvailable;
  TNotifyEvent OnCustomDictionaryAvailable;
  TWordPromptEvent OnPromptWord;

 private:
  // The topic goes to the help file of the form carrying the bridge when it
  // has one, else to the component's.
  void ShowHelpTopic(int32_t context);

  TVexlorSpell3Base* spellChecker_ = nullptr;      // not owned
  TCustomDictionary* customDictionary_ = nullptr;  // not owned
  TVexlorConfig* configuration_ = nullptr;         // not owned: the component's
  TSpellOptions availableOptions_;
};
