// The user's spelling settings and their storage: lazy load from an INI file,
// the registry or host callbacks, change notification to the owner, save points.
#include "vl3Configuration.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "vl3Ansi.h"
#include "vl3Platform.h"
#include "vl3Util.h"

namespace {

const char kFirstRun[] = "_FirstRun";
const char kMain[] = "_Main";
const char kCustom[] = "_Custom";
const char kMSWordCustom[] = "_MSWordCustom";
const char kActiveCustom[] = "_ActiveCustom";
const char kDialogX[] = "_DialogX";
const char kDialogY[] = "_DialogY";
const char kSuggestionMode[] = "_SuggestionMode";
const char kStandardMode[] = "Standard";
const char kAccurateMode[] = "Accurate";
const char kNewPaths[] = "_NewPaths";
const char kUserData[] = "_UserData";
const char kUserPrefix[] = "User_";

// The option keys in their stored order (not the order of the option values).
struct TOptionKey {
  TSpellOption option;
  const char* key;
};
const TOptionKey kOptionKeys[] = {
    {soUpcase, "_soUpcase"},
    {soNumbers, "_soNumbers"},
    {soHTML, "_soHTML"},
    {soInternet, "_soInternet"},
    {soQuoted, "_soQuoted"},
    {soAbbreviations, "_soAbbreviations"},
    {soPrimaryOnly, "_soPrimaryOnly"},
    {soRepeated, "_soRepeated"},
    {soLiveSpelling, "_soLiveSpelling"},
    {soLiveCorrect, "_soLiveCorrect"},
    {soUser1, "_soUser1"},
    {soUser2, "_soUser2"},
    {soUser3, "_soUser3"},
    {soUser4, "_soUser4"},
};

// A corrupt count must not make a load ask for billions of keys; no real
// list comes near this.
constexpr long kMaxListEntries = 10000;

// Strict decimal: optional sign, digits, nothing else. False on overflow.
bool ParseInteger(const std::string& text, long long& value) {
  if (text.empty() || text.size() > 20) return false;
  size_t i = 0;
  if (text[0] == '+' || text[0] == '-') i = 1;
  if (i == text.size()) return false;
  for (size_t j = i; j < text.size(); ++j) {
    if (text[j] < '0' || text[j] > '9') return false;
  }
  errno = 0;
  char* end = nullptr;
  value = std::strtoll(text.c_str(), &end, 10);
  return errno == 0 && end == text.c_str() + text.size();
}

int32_t ParseDialogPos(const std::string& text) {
  long long v = 0;
  if (!ParseInteger(text, v) || v < INT32_MIN || v > INT32_MAX) return -1;
  return static_cast<int32_t>(v);
}

std::string ParentFolder(const std::string& path) {
  size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

}  // namespace

TVexlorConfig::TVexlorConfig() {
  newDictionaryPaths_.SetSorted(true);
  ConnectList(mainDictionaries_);
  ConnectList(customDictionaries_);
  ConnectList(msWordCustomDictionaries_);
  ConnectList(newDictionaryPaths_);
}

TVexlorConfig::~TVexlorConfig() {
  Save();
  mainDictionaries_.OnChange = nullptr;
  customDictionaries_.OnChange = nullptr;
  msWordCustomDictionaries_.OnChange = nullptr;
  newDictionaryPaths_.OnChange = nullptr;
}

void TVexlorConfig::ConnectList(TStringList& list) {
  list.OnChange = [this](TStringList*) { Changed(); };
}

void TVexlorConfig::SetActiveCustom(const std::string& name) {
  if (name == activeCustom_) return;
  activeCustom_ = name;
  // The active dictionary is always one of the custom dictionaries. No
  // name (none active) is no dictionary: an empty entry would be opened as
  // a file on every start.
  if (!name.empty() && !customDictionaries_.Contains(name)) customDictionaries_.Add(name);
  NotifyChanged(true);
}

void TVexlorConfig::SetConfigLoaded(bool value) {
  if (value == configLoaded_) return;
  if (value) {
    Load();
  } else if (Save()) {
    // Unloaded only once saved: the next use would load over the changes.
    configLoaded_ = false;
  }
}

void TVexlorConfig::SetSpellOptions(TSpellOptions options) {
  if (options == spellOptions_) return;
  spellOptions_ = options;
  NotifyChanged(false);
}

void TVexlorConfig::SetDialogX(int32_t x) {
  if (x == dialogX_) return;
  dialogX_ = x;
  NotifyChanged(false);
}

void TVexlorConfig::SetDialogY(int32_t y) {
  if (y == dialogY_) return;
  dialogY_ = y;
  NotifyChanged(false);
}

TStringList& TVexlorConfig::GetMainDictionaries() {
  EnsureLoaded();
  return mainDictionaries_;
}

TStringList& TVexlorConfig::GetCustomDictionaries() {
  EnsureLoaded();
  return customDictionaries_;
}

TStringList& TVexlorConfig::GetMSWordCustomDictionaries() {
  EnsureLoaded();
  return msWordCustomDictionaries_;
}

std::string TVexlorConfig::GetActiveCustom() {
  EnsureLoaded();
  return owner_ ? owner_->ExpandPath(activeCustom_) : activeCustom_;
}

TSpellOptions TVexlorConfig::GetSpellOptions() {
  EnsureLoaded();
  return spellOptions_;
}

int32_t TVexlorConfig::GetDialogX() {
  EnsureLoaded();
  return dialogX_;
}

TSuggestionMode TVexlorConfig::GetSuggestionMode() {
  EnsureLoaded();
  return suggestionMode_;
}

void TVexlorConfig::SetSuggestionMode(TSuggestionMode mode) {
  if (mode == suggestionMode_) return;
  suggestionMode_ = mode;
  NotifyChanged(false);
}

int32_t TVexlorConfig::GetDialogY() {
  EnsureLoaded();
  return dialogY_;
}

TStringList& TVexlorConfig::GetNewDictionaryPaths() {
  EnsureLoaded();
  return newDictionaryPaths_;
}

void TVexlorConfig::Changed() { NotifyChanged(true); }

void TVexlorConfig::NotifyChanged(bool reopen) {
  if (!owner_ || !configLoaded_) return;
  modified_ = true;
  owner_->ConfigurationChanged(reopen);
}

void TVexlorConfig::ReadWriteList(const std::string& prefix, TStringList& list, bool load) {
  const std::string countKey = prefix + "_count";
  if (!load) {
    WriteString(countKey, std::to_string(list.Count()));
    for (int i = 0; i < list.Count(); ++i) {
      WriteString(prefix + "_" + std::to_string(i), list[i]);
    }
    return;
  }
  std::string countText;
  ReadString(countKey, "-", countText);
  long long count = 0;
  if (countText == "-" || !ParseInteger(countText, count) || count < 0) count = 0;
  if (count > kMaxListEntries) count = kMaxListEntries;
  list.BeginUpdate();
  for (long long i = 0; i < count; ++i) {
    std::string entry;
    ReadString(prefix + "_" + std::to_string(i), "", entry);
    if (!entry.empty()) list.Add(entry);
  }
  list.EndUpdate();
}

void TVexlorConfig::ReadString(const std::string& key, const std::string& defaultValue,
                               std::string& value) {
  value = defaultValue;
  switch (configStorage_) {
    case csFile:
      if (openStorage_ == osIniFile && storedKeys_.count(Ansi::UpperCase(key))) {
        value = Platform::IniReadString(configFilename_, configID_, key, defaultValue);
      }
      break;
    case csRegistry:
      if (openStorage_ == osRegistry && storedKeys_.count(Ansi::UpperCase(key))) {
        std::string stored;
        if (Platform::RegReadString(Platform::TRegistryRoot::CurrentUser, SectionKey(), key,
                                    stored)) {
          value = stored;
        }
      }
      break;
    case csCallback:
      if (owner_) owner_->ReadConfigString(configID_, key, defaultValue, value);
      break;
    case csNone:
      break;
  }
}

void TVexlorConfig::WriteString(const std::string& key, const std::string& value) {
  bool ok = true;
  switch (configStorage_) {
    case csFile:
      if (openStorage_ == osIniFile) {
        ok = Platform::IniWriteString(configFilename_, configID_, key, value);
      }
      break;
    case csRegistry:
      if (openStorage_ == osRegistry) {
        ok = Platform::RegWriteString(Platform::TRegistryRoot::CurrentUser, SectionKey(), key,
                                      value);
      }
      break;
    case csCallback:
      if (owner_) owner_->WriteConfigString(configID_, key, value);
      break;
    case csNone:
      break;
  }
  if (!ok) writeFailed_ = true;
}

std::string TVexlorConfig::SectionKey() const {
  return configID_.empty() ? configRegistryKey_ : configRegistryKey_ + "\\" + configID_;
}

std::string TVexlorConfig::SaveLocation() const {
  switch (configStorage_) {
    case csFile:
      return configFilename_;
    case csRegistry:
      return SectionKey();
    case csCallback:
    case csNone:
      break;
  }
  return std::string();
}

bool TVexlorConfig::OpenStorage(bool forReading) {
  CloseStorage();
  std::vector<std::string> names;
  switch (configStorage_) {
    case csFile:
      openStorage_ = osIniFile;
      if (forReading) names = Platform::IniReadKeys(configFilename_, configID_);
      break;
    case csRegistry:
      if (!Platform::RegCreateKey(Platform::TRegistryRoot::CurrentUser, configRegistryKey_)) {
        return false;
      }
      openStorage_ = osRegistry;
      if (forReading) {
        Platform::RegValueNames(Platform::TRegistryRoot::CurrentUser, SectionKey(), names);
      }
      break;
    case csCallback:
    case csNone:
      break;
  }
  for (const std::string& name : names) storedKeys_.insert(Ansi::UpperCase(name));
  return true;
}

void TVexlorConfig::CloseStorage() {
  openStorage_ = osNone;
  storedKeys_.clear();
}

void TVexlorConfig::LoadFresh() {
  mainDictionaries_.Assign(owner_->ConfigDefaultMain());
  customDictionaries_.Assign(owner_->ConfigDefaultCustom());
  msWordCustomDictionaries_.Clear();
  if (owner_->ConfigUseMSWordCustom() && owner_->ConfigDefaultUseMSWordCustom()) {
    if (const TStringList* files = owner_->GetMSWordCustomDictionaryFiles()) {
      msWordCustomDictionaries_.Assign(*files);
    }
  }
  spellOptions_ = owner_->ConfigDefaultOptions();
  dialogX_ = -1;
  dialogY_ = -1;
  suggestionMode_ = owner_->ConfigDefaultSuggestionMode();
  newDictionaryPaths_.Clear();
  SetActiveCustom(owner_->ExpandConfigID(owner_->ConfigDefaultActiveCustom()));
}

void TVexlorConfig::LoadStored() {
  mainDictionaries_.Clear();
  ReadWriteList(kMain, mainDictionaries_, true);
  customDictionaries_.Clear();
  ReadWriteList(kCustom, customDictionaries_, true);
  msWordCustomDictionaries_.Clear();
  ReadWriteList(kMSWordCustom, msWordCustomDictionaries_, true);
  std::string value;
  ReadString(kActiveCustom, "", value);
  SetActiveCustom(value);
  spellOptions_ = TSpellOptions();
  for (const TOptionKey& option : kOptionKeys) {
    ReadString(option.key, "-", value);
    if (value == "+") spellOptions_.Include(option.option);
  }
  ReadString(kDialogX, "-1", value);
  dialogX_ = ParseDialogPos(value);
  ReadString(kDialogY, "-1", value);
  dialogY_ = ParseDialogPos(value);
  // Anything but the accurate mode's name (an older file has no key) is standard.
  ReadString(kSuggestionMode, kStandardMode, value);
  suggestionMode_ = Ansi::SameText(value, kAccurateMode) ? smAccurate : smStandard;
  newDictionaryPaths_.Clear();
  ReadWriteList(kNewPaths, newDictionaryPaths_, true);
  userNames_.Clear();
  userValues_.Clear();
  ReadWriteList(kUserData, userNames_, true);
  for (int i = 0; i < userNames_.Count(); ++i) {
    ReadString(kUserPrefix + userNames_[i], "", value);
    userValues_.Add(value);
  }
}

void TVexlorConfig::Load() {
  configLoaded_ = false;
  if (!owner_) return;
  configStorage_ = owner_->ConfigStorage();
  configID_ = owner_->ExpandPath(owner_->ConfigID());
  if (configStorage_ == csFile) {
    configFilename_ = owner_->ExpandPath(owner_->ConfigFilename());
    ForceDirectories(ParentFolder(configFilename_));
  } else if (configStorage_ == csRegistry) {
    configRegistryKey_ = owner_->ExpandPath(owner_->ConfigRegistryKey());
  }
  OpenStorage(true);

  std::string firstRun;
  ReadString(kFirstRun, "-", firstRun);
  const bool fresh = firstRun == "-" || resetNextLoad_;
  resetNextLoad_ = false;
  // Forget the previous name so that the active dictionary is put back into
  // a custom list that was just replaced, even when its name is unchanged.
  activeCustom_.clear();
  if (fresh) {
    LoadFresh();
  } else {
    LoadStored();
  }

  configLoaded_ = true;
  modified_ = false;
  owner_->ConfigLoaded();
  // Also marks the configuration modified, so that the next save point
  // writes it (a fresh configuration is persisted after its first use).
  NotifyChanged(true);
  CloseStorage();
}

void TVexlorConfig::EnsureLoaded() {
  if (!configLoaded_) Load();
}

void TVexlorConfig::GetUserData(const std::string& name, std::string& value) {
  EnsureLoaded();
  value.clear();
  if (!configLoaded_) return;
  int index = userNames_.IndexOf(name);
  if (index >= 0 && index < userValues_.Count()) value = userValues_[index];
}

void TVexlorConfig::SetUserData(const std::string& name, const std::string& value) {
  EnsureLoaded();
  if (!configLoaded_) return;
  modified_ = true;
  int index = userNames_.IndexOf(name);
  if (index >= 0 && index < userValues_.Count()) {
    userValues_.SetStrings(index, value);
  } else {
    userNames_.Add(name);
    userValues_.Add(value);
  }
  NotifyChanged(false);
}

void TVexlorConfig::ResetDefaults() {
  resetNextLoad_ = true;
  // Refused like any reload whose save failed; no reset is left waiting
  // for some later load to spring it.
  if (!Reload()) resetNextLoad_ = false;
}

bool TVexlorConfig::Reload() {
  if (!configLoaded_) return true;
  // Loading from the new place would throw away what the old one did not take.
  if (!Save()) return false;
  Load();
  return true;
}

void TVexlorConfig::WriteAll() {
  WriteString(kFirstRun, "+");
  ReadWriteList(kMain, mainDictionaries_, false);
  ReadWriteList(kCustom, customDictionaries_, false);
  ReadWriteList(kMSWordCustom, msWordCustomDictionaries_, false);
  WriteString(kActiveCustom, activeCustom_);
  for (const TOptionKey& option : kOptionKeys) {
    WriteString(option.key, spellOptions_.Contains(option.option) ? "+" : "-");
  }
  WriteString(kDialogX, std::to_string(dialogX_));
  WriteString(kDialogY, std::to_string(dialogY_));
  ReadWriteList(kNewPaths, newDictionaryPaths_, false);
  ReadWriteList(kUserData, userNames_, false);
  for (int i = 0; i < userNames_.Count() && i < userValues_.Count(); ++i) {
    WriteString(kUserPrefix + userNames_[i], userValues_[i]);
  }
  // Last, after the keys older readers know.
  WriteString(kSuggestionMode, suggestionMode_ == smAccurate ? kAccurateMode : kStandardMode);
}

bool TVexlorConfig::Save() {
  if (!modified_ || !configLoaded_) return true;
  if (!owner_ || owner_->IsDesigning()) return true;
  writeFailed_ = !OpenStorage(false);
  if (configStorage_ != csNone && !writeFailed_) WriteAll();
  CloseStorage();
  // A failed write keeps the changes pending for the next save point.
  if (writeFailed_) {
    owner_->ConfigSaveFailed(configStorage_, SaveLocation());
    return false;
  }
  modified_ = false;
  owner_->ConfigSaved();
  return true;
}
