// The user's spelling settings (dictionaries, active custom dictionary,
// options, dialog position, host data) and their INI, registry or callback storage.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_set>

#include "vl3SpellTypes.h"
#include "vl3StringList.h"

// How suggestions are made: by the standard single edits and sounds-alike
// codes, or by the accurate search (more candidates, ranked by how people
// mistype and how common a word is).
enum TSuggestionMode : uint8_t { smStandard, smAccurate };

// What the configuration needs from the component that owns it. The spell
// checker engine implements this; tests use a small fake.
class TConfigOwner {
 public:
  virtual ~TConfigOwner() = default;

  // Storage choice and names, unexpanded (the configuration expands them
  // through ExpandPath when it loads).
  virtual TConfigStorage ConfigStorage() const = 0;
  virtual const std::string& ConfigID() const = 0;
  virtual const std::string& ConfigFilename() const = 0;
  virtual const std::string& ConfigRegistryKey() const = 0;

  // Values of a fresh configuration.
  virtual bool ConfigUseMSWordCustom() const = 0;
  virtual const TStringList& ConfigDefaultMain() const = 0;
  virtual const TStringList& ConfigDefaultCustom() const = 0;
  virtual const std::string& ConfigDefaultActiveCustom() const = 0;
  virtual TSpellOptions ConfigDefaultOptions() const = 0;
  virtual bool ConfigDefaultUseMSWordCustom() const = 0;
  virtual TSuggestionMode ConfigDefaultSuggestionMode() const { return smStandard; }

  // Path macros, then "%ConfigID%"; ExpandConfigID replaces only the latter.
  virtual std::string ExpandPath(const std::string& path) = 0;
  virtual std::string ExpandConfigID(const std::string& path) = 0;
  // The word processor's custom dictionary files (owned by the owner; may be null).
  virtual TStringList* GetMSWordCustomDictionaryFiles() = 0;

  // Callback storage: value starts as defaultValue and the host may change it.
  virtual void ReadConfigString(const std::string& configID, const std::string& key,
                                const std::string& defaultValue, std::string& value) = 0;
  virtual void WriteConfigString(const std::string& configID, const std::string& key,
                                 const std::string& value) = 0;

  // Notifications: after a load, after a save, and after every change while loaded.
  virtual void ConfigLoaded() = 0;
  virtual void ConfigSaved() = 0;
  virtual void ConfigurationChanged(bool reopen) = 0;
  // A save could not write everything: the changes stay pending. location
  // is the file or the registry key written to (empty for the callbacks).
  virtual void ConfigSaveFailed(TConfigStorage /*storage*/, const std::string& /*location*/) {}

  // A component being designed never writes its configuration.
  virtual bool IsDesigning() const = 0;
};

class TVexlorConfig {
 public:
  TVexlorConfig();
  virtual ~TVexlorConfig();  // saves when modified
  TVexlorConfig(const TVexlorConfig&) = delete;
  TVexlorConfig& operator=(const TVexlorConfig&) = delete;

  // Set by the owner right after construction; not owned.
  TConfigOwner* Owner() const { return owner_; }
  void SetOwner(TConfigOwner* owner) { owner_ = owner; }

  // ---- Overridable steps, in their fixed order --------------------------
  virtual void SetActiveCustom(const std::string& name);
  // true loads when not loaded; false saves and marks the configuration
  // unloaded, unless the save failed: unsaved changes are never dropped.
  virtual void SetConfigLoaded(bool value);
  virtual void SetSpellOptions(TSpellOptions options);
  virtual void SetDialogX(int32_t x);
  virtual void SetDialogY(int32_t y);
  // The lists themselves, loaded first; every edit of them is a change.
  virtual TStringList& GetMainDictionaries();
  virtual TStringList& GetCustomDictionaries();
  virtual TStringList& GetMSWordCustomDictionaries();
  // The active custom dictionary's name with macros expanded.
  virtual std::string GetActiveCustom();
  virtual TSpellOptions GetSpellOptions();
  virtual int32_t GetDialogX();
  virtual int32_t GetDialogY();
  virtual TStringList& GetNewDictionaryPaths();
  virtual void Changed();
  // Marks the configuration modified and tells the owner (only once loaded).
  virtual void NotifyChanged(bool reopen);
  // Reading appends to list without clearing it.
  virtual void ReadWriteList(const std::string& prefix, TStringList& list, bool load);
  virtual void ReadString(const std::string& key, const std::string& defaultValue,
                          std::string& value);
  virtual void WriteString(const std::string& key, const std::string& value);
  virtual void Load();
  virtual void EnsureLoaded();
  // Host name/value pairs, stored with the configuration.
  virtual void GetUserData(const std::string& name, std::string& value);
  virtual void SetUserData(const std::string& name, const std::string& value);
  // The next load ignores the stored values and takes the owner's defaults.
  virtual void ResetDefaults();
  // Saves to the old place and loads from the owner's current one. False
  // when the save failed: the settings then stay as they are, still bound
  // to the old place, and a later Reload tries again.
  virtual bool Reload();
  // Writes everything when modified. False when a write failed: the
  // configuration then stays modified so the next save point tries again,
  // and the owner hears of it (ConfigSaveFailed).
  virtual bool Save();

  // Stored under its own key; settings saved without it read as standard.
  TSuggestionMode GetSuggestionMode();
  void SetSuggestionMode(TSuggestionMode mode);

  // ---- State -------------------------------------------------------------
  bool Modified() const { return modified_; }
  bool ConfigLoaded() const { return configLoaded_; }
  TSuggestionMode SuggestionMode() const { return suggestionMode_; }  // without loading
  // The raw (unexpanded) active custom dictionary name.
  const std::string& ActiveCustom() const { return activeCustom_; }
  const TStringList& UserNames() const { return userNames_; }
  const TStringList& UserValues() const { return userValues_; }
  // The storage values captured and expanded by the last load.
  TConfigStorage LoadedConfigStorage() const { return configStorage_; }
  const std::string& LoadedConfigID() const { return configID_; }
  const std::string& LoadedConfigFilename() const { return configFilename_; }
  const std::string& LoadedConfigRegistryKey() const { return configRegistryKey_; }

 private:
  enum TOpenStorage : uint8_t { osNone, osIniFile, osRegistry };
  bool OpenStorage(bool forReading);
  std::string SectionKey() const;  // registry key of the ConfigID subkey
  std::string SaveLocation() const;
  void CloseStorage();
  void ConnectList(TStringList& list);
  void LoadFresh();
  void LoadStored();
  void WriteAll();

  bool modified_ = false;
  TStringList mainDictionaries_;
  TStringList customDictionaries_;
  TStringList msWordCustomDictionaries_;
  std::string activeCustom_;
  TStringList userNames_;
  TStringList userValues_;
  TSpellOptions spellOptions_;
  int32_t dialogX_ = -1;
  int32_t dialogY_ = -1;
  TSuggestionMode suggestionMode_ = smStandard;
  TStringList newDictionaryPaths_;     // sorted, no duplicates
  TOpenStorage openStorage_ = osNone;  // the INI file or registry key in use
  // Upper-case names of the keys the open file section or registry key holds:
  // absent keys are answered without another look at the storage.
  std::unordered_set<std::string> storedKeys_;
  TConfigStorage configStorage_ = csNone;
  std::string configFilename_;
  std::string configRegistryKey_;
  std::string configID_;
  bool configLoaded_ = false;
  TConfigOwner* owner_ = nullptr;  // the engine component; outlives this object
  bool resetNextLoad_ = false;
  bool writeFailed_ = false;  // a write of the current save did not succeed
};
