// The dialog bridge: linking, the relayed prompt, and the forwarding of every
// query and command to the linked spell-checker component.
#include "vl3ConfigurationDialogCtrl.h"

#include "vl3CustomDictionary.h"
#include "vl3Forms.h"
#include "vl3MainDictionary.h"
#include "vl3Help.h"
#include "vl3SpellBase.h"
#include "vl3StringList.h"
#include "vl3Util.h"

TConfigurationDialogCtrl::TConfigurationDialogCtrl(TComponent* owner) : TComponent(owner) {
  SetName("DialogControl");
}

void TConfigurationDialogCtrl::Attach(TVexlorSpell3Base* engine) {
  if (spellChecker_ != nullptr) return;
  spellChecker_ = engine;
  if (engine == nullptr) return;
  configuration_ = engine->Configuration();
  availableOptions_ = engine->ConfigAvailableOptions();
  if (OnConfigurationAvailable) OnConfigurationAvailable(this);
}

void TConfigurationDialogCtrl::SetCustomDictionary(TCustomDictionary* dictionary) {
  customDictionary_ = dictionary;
  if (dictionary != nullptr && OnCustomDictionaryAvailable) OnCustomDictionaryAvailable(this);
}

void TConfigurationDialogCtrl::RelayPromptWord(TVexlorSpell3Base* sender, const std::string& word, bool repeated) {
  if (OnPromptWord) OnPromptWord(sender, word, repeated);
}

// ---- Queries -------------------------------------------------------------------------

TStringList* TConfigurationDialogCtrl::GetMainDictionaryFiles() {
  return spellChecker_ ? spellChecker_->GetMainDictionaryFiles() : nullptr;
}

TStringList* TConfigurationDialogCtrl::GetCustomDictionaryFiles() {
  return spellChecker_ ? spellChecker_->GetCustomDictionaryFiles() : nullptr;
}

TStringList* TConfigurationDialogCtrl::GetMSWordCustomDictionaryFiles() {
  return spellChecker_ ? spellChecker_->GetMSWordCustomDictionaryFiles() : nullptr;
}

bool TConfigurationDialogCtrl::GetUseExcludeWords() {
  return spellChecker_ ? spellChecker_->UseExcludeWords() : true;
}

bool TConfigurationDialogCtrl::CanUndo() { return spellChecker_ ? spellChecker_->CanUndo() : false; }

TCustomDictionary* TConfigurationDialogCtrl::GetInternalDictionary() {
  return spellChecker_ ? spellChecker_->InternalDictionary() : nullptr;
}

TCustomDictionary* TConfigurationDialogCtrl::GetActiveCustomDictionary() {
  return spellChecker_ ? spellChecker_->ActiveCustomDictionary() : nullptr;
}

TSpellDialogCommands TConfigurationDialogCtrl::GetCommandsVisible() {
  return spellChecker_ ? spellChecker_->CommandsVisible() : TSpellDialogCommands();
}

TSpellDialogCommands TConfigurationDialogCtrl::GetCommandsEnabled() {
  return spellChecker_ ? spellChecker_->CommandsEnabled() : TSpellDialogCommands();
}

std::unique_ptr<TMainDictionary> TConfigurationDialogCtrl::OpenMainDictionary(const std::string& fileName) {
  return spellChecker_ ? spellChecker_->OpenMainDictionary(fileName) : nullptr;
}

std::unique_ptr<TCustomDictionary> TConfigurationDialogCtrl::OpenCustomDictionary(const std::string& fileName) {
  return spellChecker_ ? spellChecker_->OpenCustomDictionary(fileName) : nullptr;
}

std::string TConfigurationDialogCtrl::GetOptionCaption(TSpellOption option) {
  if (spellChecker_ == nullptr) return std::string();
  switch (option) {
    case soUser1: return spellChecker_->ConfigUserOption1();
    case soUser2: return spellChecker_->ConfigUserOption2();
    case soUser3: return spellChecker_->ConfigUserOption3();
    case soUser4: return spellChecker_->ConfigUserOption4();
    default: break;
  }
  // The first ten string ids share their ordinals with the options.
  return GetString(static_cast<TSpellLanguageString>(option));
}

std::string TConfigurationDialogCtrl::GetString(TSpellLanguageString id) {
  std::string text;
  if (spellChecker_ != nullptr) spellChecker_->GetString(id, text);
  return text;
}

// ---- Other dialogs ------------------------------------------------------------------

void TConfigurationDialogCtrl::ShowConfigDialog() {
  if (spellChecker_) spellChecker_->ShowConfigDialog(this);
}

void TConfigurationDialogCtrl::ShowCustomDictionariesDialog() {
  if (spellChecker_) spellChecker_->ShowCustomDictionariesDialog(this);
}

void TConfigurationDialogCtrl::ShowEditCustomDictionaryDialog(TCustomDictionary* dictionary) {
  if (spellChecker_) spellChecker_->ShowEditCustomDictionaryDialog(this, dictionary);
}

void TConfigurationDialogCtrl::ShowAddDictionaryDir() {
  if (spellChecker_) spellChecker_->ShowAddDictionaryDir(this);
}

// ---- Dictionary management -------------------------------------------------------------

void TConfigurationDialogCtrl::SetCustomDictionaryActive(const std::string& fileName, bool active) {
  if (spellChecker_) spellChecker_->SetCustomDictionaryActive(fileName, active);
}

void TConfigurationDialogCtrl::SetMSWordCustomDictionaryActive(const std::string& fileName, bool active) {
  if (spellChecker_) spellChecker_->SetMSWordCustomDictionaryActive(fileName, active);
}

void TConfigurationDialogCtrl::DeleteCustomDictionary(const std::string& fileName) {
  if (spellChecker_) spellChecker_->DeleteCustomDictionary(fileName);
}

void TConfigurationDialogCtrl::NewCustomDictionary(const std::string& name) {
  if (spellChecker_) spellChecker_->NewCustomDictionary(name);
}

bool TConfigurationDialogCtrl::RenameCustomDictionary(const std::string& oldName, const std::string& newName) {
  return spellChecker_ ? spellChecker_->RenameCustomDictionary(oldName, newName) : false;
}

// ---- Answers to a prompt ---------------------------------------------------------------

void TConfigurationDialogCtrl::Ignore() {
  if (spellChecker_) spellChecker_->Ignore();
}

void TConfigurationDialogCtrl::IgnoreAll() {
  if (spellChecker_) spellChecker_->IgnoreAll();
}

void TConfigurationDialogCtrl::Change(const std::string& replacement) {
  if (spellChecker_) spellChecker_->Change(replacement);
}

void TConfigurationDialogCtrl::ChangeAll(const std::string& replacement) {
  if (spellChecker_) spellChecker_->ChangeAll(replacement);
}

void TConfigurationDialogCtrl::Add() {
  if (spellChecker_) spellChecker_->Add();
}

void TConfigurationDialogCtrl::AutoCorrect(const std::string& replacement) {
  if (spellChecker_) spellChecker_->AutoCorrect(replacement);
}

void TConfigurationDialogCtrl::Cancel() {
  if (spellChecker_) spellChecker_->Cancel();
}

void TConfigurationDialogCtrl::Undo() {
  if (spellChecker_) spellChecker_->Undo();
}

void TConfigurationDialogCtrl::IgnoreRepeated() {
  if (spellChecker_) spellChecker_->IgnoreRepeated();
}

void TConfigurationDialogCtrl::DeleteRepeated() {
  if (spellChecker_) spellChecker_->DeleteRepeated();
}

void TConfigurationDialogCtrl::GetSuggestions(const std::string& word, TStringList& list) {
  if (spellChecker_) spellChecker_->GetSuggestions(word, list);
}

// ---- Help -----------------------------------------------------------------------------

void TConfigurationDialogCtrl::ShowSpellDialogHelp() {
  if (spellChecker_) ShowHelpTopic(spellChecker_->HelpCtxSpellDialog());
}

void TConfigurationDialogCtrl::ShowConfigDialogHelp() {
  if (spellChecker_) ShowHelpTopic(spellChecker_->HelpCtxConfigDialog());
}

void TConfigurationDialogCtrl::ShowDictionariesDialogHelp() {
  if (spellChecker_) ShowHelpTopic(spellChecker_->HelpCtxDictionariesDialog());
}

void TConfigurationDialogCtrl::ShowDictionaryEditDialogHelp() {
  if (spellChecker_) ShowHelpTopic(spellChecker_->HelpCtxDictionaryEditDialog());
}

void TConfigurationDialogCtrl::ShowHelpTopic(int32_t context) {
  std::string file = spellChecker_->HelpFile();
  if (auto* form = dynamic_cast<TCustomForm*>(Owner()); form != nullptr && !form->HelpFile().empty())
    file = form->HelpFile();
  Platform::ShowHelpTopic(file, context);
}

std::string TConfigurationDialogCtrl::Version() const { return GetVersionString(); }
