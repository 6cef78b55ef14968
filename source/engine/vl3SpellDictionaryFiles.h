// A spell-checker component's dictionary files: opening dictionaries by name,
// opening the configured set, the listings, and managing custom dictionaries.
#pragma once

#include <memory>
#include <string>

#include "vl3StringList.h"

class TMainDictionary;
class TCustomDictionary;
class TVexlorSpell3Base;

// Works on the component's configuration, folders and dictionary set; each
// step the component makes virtual is called back through it, so a
// descendant's override runs.
class TSpellDictionaryFiles {
 public:
  explicit TSpellDictionaryFiles(TVexlorSpell3Base& spell) : spell_(spell) {}
  TSpellDictionaryFiles(const TSpellDictionaryFiles&) = delete;
  TSpellDictionaryFiles& operator=(const TSpellDictionaryFiles&) = delete;

  // ---- Opening -----------------------------------------------------------------
  std::unique_ptr<TMainDictionary> OpenMainDictionary(const std::string& name);
  std::unique_ptr<TCustomDictionary> OpenCustomDictionary(const std::string& name);
  std::unique_ptr<TCustomDictionary> OpenMSWordCustomDictionary(const std::string& fileName);
  // Builds the dictionary set from the configuration.
  void OpenDictionaries();
  // Configured main dictionaries the last OpenDictionaries could not open.
  const TStringList& MissingMainDictionaries() const { return missingMainDictionaries_; }

  // ---- Listings ---------------------------------------------------------------------
  void FindDictionaryFiles(const std::string& extension, TStringList& list);
  TStringList* GetMainDictionaryFiles();
  TStringList* GetCustomDictionaryFiles();
  TStringList* GetMSWordCustomDictionaryFiles();

  // ---- Managing custom dictionaries ---------------------------------------------------
  void SetCustomDictionaryActive(const std::string& name, bool active);
  void SetMSWordCustomDictionaryActive(const std::string& fileName, bool active);
  void NewCustomDictionary(const std::string& name);
  void DeleteCustomDictionary(const std::string& name);
  bool RenameCustomDictionary(const std::string& oldName, const std::string& newName);

 private:
  TVexlorSpell3Base& spell_;
  TStringList missingMainDictionaries_;
};
