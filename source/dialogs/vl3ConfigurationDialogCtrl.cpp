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

TConfigurationDialogCtrl::TConfigurationDialogCtrl(TComponent* AOwner) : TComponent(AOwner) {
  SetName("DialogControl");
}

void TConfigurationDialogCtrl::Attach(TVexlorSpell3Base* Engine) {
  if (spellChecker_ != nullptr) return;
  spellChecker_ = Engine;
  if (Engine == nullptr) return;
  configuration_ = Engine->Configuration();
  availableOptions_ = Engine->ConfigAvailableOptions();
  if (OnConfigurationAvailable) OnConfigurationAvailable(this);
}

void TConfigurationDialogCtrl::SetCustomDictionary(TCustomDictionary* Dictionary) {
  customDictionary_ = Dictionary;
  if (Dictionary != nullptr && OnCustomDictionaryAvailable) OnCustomDictionaryAvailable(this);
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

std::unique_ptr<TMainDictionary> TConfigurationDialogCtrl::OpenMainDictionary(const std::string& FileName) {
  return spellChecker_ ? spellChecker_->OpenMainDictionary(FileName) : nullptr;
}

std::unique_ptr<TCustomDictionary> TConfigurationDialogCtrl::OpenCustomDictionary(const std::string& FileName) {
  return spellChecker_ ? spellChecker_->OpenCustomDictionary(FileName) : nullptr;
}

std::string TConfigurationDialogCtrl::GetOptionCaption(TSpellOption Option) {
  if (spellChecker_ == nullptr) return std::string();
  switch (Option) {
    case soUser1: return spellChecker_->ConfigUserOption1();
    case soUser2: return spellChecker_->ConfigUserOption2();
    case soUser3: return spellChecker_->ConfigUserOption3();
    case soUser4: return spellChecker_->ConfigUserOption4();
    default: break;
  }
  // The first ten string ids share their ordinals with the options.
  return GetString(static_cast<TSpellLanguageString>(Option));
}

std::string TConfigurationDialogCtrl::GetString(TSpellLanguageString Id) {
  std::string text;
  if (spellChecker_ != nullptr) spellChecker_->GetString(Id, text);
  return text;
}

// ---- Other dialogs ------------------------------------------------------------------

void TConfigurationDialogCtrl::ShowConfigDialog() {
  if (spellChecker_) spellChecker_->ShowConfigDialog(this);
}

void TConfigurationDialogCtrl::ShowCustomDictionariesDialog() {
  if (spellChecker_) spellChecker_->ShowCustomDictionariesDialog(this);
}

void TConfigurationDialogCtrl::ShowEditCustomDictionaryDialog(TCustomDictionary* Dictionary) {
  if (spellChecker_) spellChecker_->ShowEditCustomDictionaryDialog(this, Dictionary);
}

void TConfigurationDialogCtrl::ShowAddDictionaryDir() {
  if (spellChecker_) spellChecker_->ShowAddDictionaryDir(this);
}

// ---- Dictionary management -------------------------------------------------------------

void TConfigurationDialogCtrl::SetCustomDictionaryActive(const std::string& FileName, bool Active) {
  if (spellChecker_) spellChecker_->SetCustomDictionaryActive(FileName, Active);
}

void TConfigurationDialogCtrl::SetMSWordCustomDictionaryActive(const std::string& FileName, bool Active) {
  if (spellChecker_) spellChecker_->SetMSWordCustomDictionaryActive(FileName, Active);
}

void TConfigurationDialogCtrl::DeleteCustomDictionary(const std::string& FileName) {
  if (spellChecker_) spellChecker_->DeleteCustomDictionary(FileName);
}

void TConfigurationDialogCtrl::NewCustomDictionary(const std::string& Name) {
  if (spellChecker_) spellChecker_->NewCustomDictionary(Name);
}

bool TConfigurationDialogCtrl::RenameCustomDictionary(const std::string& OldName, const std::string& NewName) {
  return spellChecker_ ? spellChecker_->RenameCustomDictionary(OldName, NewName) : false;
}

// ---- Answers to a prompt ---------------------------------------------------------------

void TConfigurationDialogCtrl::Ignore() {
  if (spellChecker_) spellChecker_->Ignore();
}

void TConfigurationDialogCtrl::IgnoreAll() {
  if (spellChecker_) spellChecker_->IgnoreAll();
}

void TConfigurationDialogCtrl::Change(const std::string& Replacement) {
  if (spellChecker_) spellChecker_->Change(Replacement);
}

void TConfigurationDialogCtrl::ChangeAll(const std::string& Replacement) {
  if (spellChecker_) spellChecker_->ChangeAll(Replacement);
}

void TConfigurationDialogCtrl::Add() {
  if (spellChecker_) spellChecker_->Add();
}

void TConfigurationDialogCtrl::AutoCorrect(const std::string& Replacement) {
  if (spellChecker_) spellChecker_->AutoCorrect(Replacement);
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

void TConfigurationDialogCtrl::GetSuggestions(const std::string& Word, TStringList& List) {
  if (spellChecker_) spellChecker_->GetSuggestions(Word, List);
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

void TConfigurationDialogCtrl::ShowHelpTopic(int32_t Context) {
  std::string file = spellChecker_->HelpFile();
  if (auto* form = dynamic_cast<TCustomForm*>(Owner()); form != nullptr && !form->HelpFile().empty())
    file = form->HelpFile();
  Platform::ShowHelpTopic(file, Context);
}

std::string TConfigurationDialogCtrl::Version() const { return GetVersionString(); }
