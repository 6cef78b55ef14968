// Tests of the configuration object: lazy load, defaults of a fresh
// configuration, list encoding, change notification and the three storages.
#include "vl3Configuration.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <memory>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "../platform/vl3FaultWalk.h"
#include "vl3Platform.h"

namespace {

// Stands in for the engine: storage choice, defaults, macro expansion, and a
// record of every notification and callback.
class TFakeOwner : public TConfigOwner {
 public:
  TConfigStorage storage = csFile;
  std::string id = "%UserName%";
  std::string filename;
  std::string registryKey = "Software\\Vexlor Tests\\%AppName%";
  bool useMSWord = true;
  TStringList defaultMain;
  TStringList defaultCustom;
  std::string defaultActiveCustom = "%ConfigID%.vlu";
  TSpellOptions defaultOptions = TSpellOptions::FromBits(0x02A3);
  bool defaultUseMSWord = false;
  TStringList msWordFiles;
  bool designing = false;
  std::string appDir;
  std::string userName = "alice";

  // Callback storage: a map of "ConfigID/Key" to value.
  std::vector<std::pair<std::string, std::string>> store;
  std::vector<std::string> reads;  // keys in the order they were asked for
  int writes = 0;

  int loaded = 0, saved = 0;
  std::vector<bool> changes;  // the Reopen flag of each ConfigurationChanged

  TFakeOwner() { defaultMain.Add("American.vlm"); }

  TConfigStorage ConfigStorage() const override { return storage; }
  const std::string& ConfigID() const override { return id; }
  const std::string& ConfigFilename() const override { return filename; }
  const std::string& ConfigRegistryKey() const override { return registryKey; }
  bool ConfigUseMSWordCustom() const override { return useMSWord; }
  const TStringList& ConfigDefaultMain() const override { return defaultMain; }
  const TStringList& ConfigDefaultCustom() const override { return defaultCustom; }
  const std::string& ConfigDefaultActiveCustom() const override { return defaultActiveCustom; }
  TSpellOptions ConfigDefaultOptions() const override { return defaultOptions; }
  bool ConfigDefaultUseMSWordCustom() const override { return defaultUseMSWord; }

  static std::string Replace(std::string s, const std::string& what, const std::string& with) {
    size_t at = s.find(what);
    if (at != std::string::npos) s.replace(at, what.size(), with);
    return s;
  }
  std::string ExpandMacros(std::string s) const {
    s = Replace(s, "%AppDir%", appDir);
    s = Replace(s, "%AppName%", "TestApp");
    return Replace(s, "%UserName%", userName);
  }
  std::string ExpandPath(const std::string& path) override {
    return ExpandConfigID(ExpandMacros(path));
  }
  std::string ExpandConfigID(const std::string& path) override {
    return Replace(path, "%ConfigID%", ExpandMacros(id));
  }
  TStringList* GetMSWordCustomDictionaryFiles() override { return &msWordFiles; }

  void ReadConfigString(const std::string& configID, const std::string& key, const std::string&,
                        std::string& value) override {
    reads.push_back(key);
    for (auto& kv : store) {
      if (kv.first == configID + "/" + key) value = kv.second;
    }
  }
  void WriteConfigString(const std::string& configID, const std::string& key,
                         const std::string& value) override {
    ++writes;
    for (auto& kv : store) {
      if (kv.first == configID + "/" + key) {
        kv.second = value;
        return;
      }
    }
    store.emplace_back(configID + "/" + key, value);
  }
  std::string Stored(const std::string& key) const {
    for (auto& kv : store) {
      if (kv.first == key) return kv.second;
    }
    return "<absent>";
  }

  void ConfigLoaded() override { ++loaded; }
  void ConfigSaved() override { ++saved; }
  std::vector<std::string> saveFailures;  // "storage|location" of each failed save
  void ConfigSaveFailed(TConfigStorage storage, const std::string& location) override {
    saveFailures.push_back(std::to_string(static_cast<int>(storage)) + "|" + location);
  }
  void ConfigurationChanged(bool reopen) override { changes.push_back(reopen); }
  bool IsDesigning() const override { return designing; }
};

// A scratch folder per test (core path form) and a private registry file.
class ConfigurationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = Platform::TempDirectory() + "\\vxcfg_" + std::to_string(::getpid()) + "_" + info->name();
    RemoveTree(dir_);
    ASSERT_TRUE(Platform::CreateDirectory(dir_));
    std::string registry = dir_ + "\\registry.ini";
    for (char& c : registry) {
      if (c == '\\') c = '/';
    }
    ::setenv("VX_REGISTRY_FILE", registry.c_str(), 1);
    owner_.appDir = dir_ + "\\app";
    owner_.filename = "%AppDir%\\Spell.cfg";
  }
  void TearDown() override { RemoveTree(dir_); }

  static void RemoveTree(const std::string& dir) {
    for (const std::string& name : Platform::FindFiles(dir + "\\*")) {
      Platform::DeleteFile(dir + "\\" + name);
    }
    for (const char* sub : {"\\app\\nested", "\\app", "\\other", "\\blocker"}) {
      for (const std::string& name : Platform::FindFiles(dir + sub + "\\*")) {
        Platform::DeleteFile(dir + sub + "\\" + name);
      }
      Platform::RemoveDirectory(dir + sub);
    }
    Platform::RemoveDirectory(dir);
  }

  std::string CfgFile() const { return dir_ + "\\app\\Spell.cfg"; }
  std::string Ini(const std::string& key) const {
    return Platform::IniReadString(CfgFile(), "alice", key, "<absent>");
  }
  void WriteIni(const std::string& key, const std::string& value) {
    Platform::CreateDirectory(dir_ + "\\app");
    ASSERT_TRUE(Platform::IniWriteString(CfgFile(), "alice", key, value));
  }
  std::unique_ptr<TVexlorConfig> MakeConfig() {
    auto config = std::make_unique<TVexlorConfig>();
    config->SetOwner(&owner_);
    return config;
  }

  std::string dir_;
  TFakeOwner owner_;
};

TEST_F(ConfigurationTest, NothingLoadsBeforeFirstUse) {
  auto config = MakeConfig();
  EXPECT_FALSE(config->ConfigLoaded());
  EXPECT_EQ(owner_.loaded, 0);
  EXPECT_FALSE(Platform::DirectoryExists(owner_.appDir));
  EXPECT_EQ(config->GetMainDictionaries().Count(), 1);
  EXPECT_TRUE(config->ConfigLoaded());
}

TEST_F(ConfigurationTest, FirstUseWithFileStorageWritesDefaultsAtFirstSavePoint) {
  auto config = MakeConfig();
  config->SetConfigLoaded(true);
  // The folder exists at once, the file only after the save point.
  EXPECT_TRUE(Platform::DirectoryExists(owner_.appDir));
  EXPECT_FALSE(Platform::FileExists(CfgFile()));
  EXPECT_TRUE(config->Modified());
  EXPECT_TRUE(config->Save());
  EXPECT_FALSE(config->Modified());
  ASSERT_TRUE(Platform::FileExists(CfgFile()));

  EXPECT_EQ(Ini("_FirstRun"), "+");
  EXPECT_EQ(Ini("_Main_count"), "1");
  EXPECT_EQ(Ini("_Main_0"), "American.vlm");
  EXPECT_EQ(Ini("_Custom_count"), "1");
  EXPECT_EQ(Ini("_Custom_0"), "alice.vlu");
  EXPECT_EQ(Ini("_ActiveCustom"), "alice.vlu");
  EXPECT_EQ(Ini("_MSWordCustom_count"), "0");
  EXPECT_EQ(Ini("_DialogX"), "-1");
  EXPECT_EQ(Ini("_DialogY"), "-1");
  EXPECT_EQ(Ini("_NewPaths_count"), "0");
  EXPECT_EQ(Ini("_UserData_count"), "0");
  const std::pair<const char*, const char*> options[] = {
      {"_soUpcase", "-"},      {"_soNumbers", "-"},  {"_soHTML", "-"},
      {"_soInternet", "+"},    {"_soQuoted", "-"},   {"_soAbbreviations", "+"},
      {"_soPrimaryOnly", "-"}, {"_soRepeated", "+"}, {"_soLiveSpelling", "+"},
      {"_soLiveCorrect", "+"}, {"_soUser1", "-"},    {"_soUser2", "-"},
      {"_soUser3", "-"},       {"_soUser4", "-"},
  };
  for (const auto& option : options) EXPECT_EQ(Ini(option.first), option.second) << option.first;
  EXPECT_EQ(owner_.saved, 1);
}

TEST_F(ConfigurationTest, MissingNestedFolderIsCreatedOnLoad) {
  owner_.filename = "%AppDir%\\nested\\Spell.cfg";
  auto config = MakeConfig();
  config->EnsureLoaded();
  EXPECT_TRUE(Platform::DirectoryExists(owner_.appDir + "\\nested"));
  EXPECT_TRUE(config->Save());
  EXPECT_TRUE(Platform::FileExists(owner_.appDir + "\\nested\\Spell.cfg"));
}

TEST_F(ConfigurationTest, LoadReportsLoadedThenChangedWithReopen) {
  auto config = MakeConfig();
  config->EnsureLoaded();
  EXPECT_EQ(owner_.loaded, 1);
  ASSERT_EQ(owner_.changes.size(), 1u);
  EXPECT_TRUE(owner_.changes[0]);
  config->EnsureLoaded();
  EXPECT_EQ(owner_.loaded, 1);
}

TEST_F(ConfigurationTest, FreshConfigurationTakesOwnerDefaults) {
  owner_.defaultCustom.Add("Shared.vlu");
  owner_.defaultUseMSWord = true;
  owner_.msWordFiles.Add("C:\\Word\\custom.dic");
  auto config = MakeConfig();
  EXPECT_EQ(config->GetCustomDictionaries().CommaText(), "Shared.vlu,alice.vlu");
  EXPECT_EQ(config->GetMSWordCustomDictionaries().Count(), 1);
  EXPECT_EQ(config->GetSpellOptions().ToBits(), 0x02A3);
  EXPECT_EQ(config->GetDialogX(), -1);
  EXPECT_EQ(config->ActiveCustom(), "alice.vlu");
}

TEST_F(ConfigurationTest, WordProcessorDictionariesNeedBothSwitches) {
  owner_.msWordFiles.Add("C:\\Word\\custom.dic");
  owner_.storage = csNone;  // every load starts fresh
  const bool cases[][3] = {{true, true, true}, {true, false, false}, {false, true, false}};
  for (const auto& c : cases) {
    owner_.useMSWord = c[0];
    owner_.defaultUseMSWord = c[1];
    auto config = MakeConfig();
    config->ResetDefaults();
    EXPECT_EQ(config->GetMSWordCustomDictionaries().Count(), c[2] ? 1 : 0);
  }
}

TEST_F(ConfigurationTest, StoredValuesRoundTripThroughTheFile) {
  {
    auto config = MakeConfig();
    config->GetMainDictionaries().Add("British.vlm");
    config->SetActiveCustom("Work.vlu");
    config->SetSpellOptions(TSpellOptions{soUpcase, soUser4});
    config->SetDialogX(120);
    config->SetDialogY(-300);
    config->GetNewDictionaryPaths().Add("D:\\Dicts");
    config->SetUserData("Theme", "dark");
  }  // destruction saves
  auto config = MakeConfig();
  EXPECT_EQ(config->GetMainDictionaries().CommaText(), "American.vlm,British.vlm");
  EXPECT_EQ(config->GetCustomDictionaries().CommaText(), "alice.vlu,Work.vlu");
  EXPECT_EQ(config->GetActiveCustom(), "Work.vlu");
  EXPECT_EQ(config->GetSpellOptions(), (TSpellOptions{soUpcase, soUser4}));
  EXPECT_EQ(config->GetDialogX(), 120);
  EXPECT_EQ(config->GetDialogY(), -300);
  EXPECT_EQ(config->GetNewDictionaryPaths().CommaText(), "D:\\Dicts");
  std::string value;
  config->GetUserData("THEME", value);
  EXPECT_EQ(value, "dark");
}

TEST_F(ConfigurationTest, StoredListWithEmptyEntryLoadsTheOthers) {
  WriteIni("_FirstRun", "+");
  WriteIni("_Main_count", "3");
  WriteIni("_Main_0", "American.vlm");
  WriteIni("_Main_1", "");
  WriteIni("_Main_2", "British.vlm");
  auto config = MakeConfig();
  EXPECT_EQ(config->GetMainDictionaries().CommaText(), "American.vlm,British.vlm");
}

TEST_F(ConfigurationTest, ListCountsThatAreNotNumbersMeanEmpty) {
  const std::pair<const char*, int> cases[] = {
      {"-", 0},          {"abc", 0}, {"-2", 0},
      {"", 0},           {"2x", 0},  {"1", 1},
      {"2", 2},          {"+2", 2},  {"99999999999999999999999", 0},
      {"4000000000", 2},
  };
  WriteIni("_FirstRun", "+");
  WriteIni("_Main_0", "A.vlm");
  WriteIni("_Main_1", "B.vlm");
  for (const auto& c : cases) {
    WriteIni("_Main_count", c.first);
    auto config = MakeConfig();
    EXPECT_EQ(config->GetMainDictionaries().Count(), c.second) << c.first;
  }
}

TEST_F(ConfigurationTest, DialogPositionThatIsNotANumberReadsAsUnset) {
  const std::pair<const char*, int32_t> cases[] = {
      {"17", 17}, {"-5", -5}, {"abc", -1}, {"", -1}, {"3000000000", -1}, {"1e3", -1},
  };
  WriteIni("_FirstRun", "+");
  for (const auto& c : cases) {
    WriteIni("_DialogX", c.first);
    auto config = MakeConfig();
    EXPECT_EQ(config->GetDialogX(), c.second) << c.first;
  }
}

TEST_F(ConfigurationTest, OptionChangesRebuildFiltersListChangesReopen) {
  auto config = MakeConfig();
  config->EnsureLoaded();
  owner_.changes.clear();
  config->SetSpellOptions(config->GetSpellOptions() + TSpellOptions{soNumbers});
  config->SetDialogX(5);
  config->GetMainDictionaries().Add("British.vlm");
  config->GetNewDictionaryPaths().Add("D:\\x");
  EXPECT_EQ(owner_.changes, (std::vector<bool>{false, false, true, true}));
  // Setting the same values again is not a change.
  config->SetSpellOptions(config->GetSpellOptions());
  config->SetDialogX(5);
  EXPECT_EQ(owner_.changes.size(), 4u);
}

TEST_F(ConfigurationTest, ChangesBeforeTheFirstLoadAreNotReported) {
  auto config = MakeConfig();
  config->SetDialogX(9);
  EXPECT_TRUE(owner_.changes.empty());
  EXPECT_FALSE(config->Modified());
}

TEST_F(ConfigurationTest, SetActiveCustomAddsOnlyMissingNames) {
  auto config = MakeConfig();
  config->EnsureLoaded();
  config->SetActiveCustom("ALICE.VLU");  // listed, in another case
  EXPECT_EQ(config->GetCustomDictionaries().Count(), 1);
  config->SetActiveCustom("New.vlu");
  EXPECT_EQ(config->GetCustomDictionaries().CommaText(), "alice.vlu,New.vlu");
  owner_.changes.clear();
  config->SetActiveCustom("New.vlu");
  EXPECT_TRUE(owner_.changes.empty());
  // No active dictionary is a change, but not a dictionary to list.
  config->SetActiveCustom("");
  EXPECT_EQ(config->ActiveCustom(), "");
  EXPECT_FALSE(owner_.changes.empty());
  EXPECT_EQ(config->GetCustomDictionaries().CommaText(), "alice.vlu,New.vlu");
}

TEST_F(ConfigurationTest, ActiveCustomIsExpandedOnRead) {
  auto config = MakeConfig();
  config->EnsureLoaded();
  config->SetActiveCustom("%AppDir%\\Team.vlu");
  EXPECT_EQ(config->GetActiveCustom(), owner_.appDir + "\\Team.vlu");
  EXPECT_EQ(config->ActiveCustom(), "%AppDir%\\Team.vlu");
}

TEST_F(ConfigurationTest, ResetDefaultsWritesDefaultsOverStoredValues) {
  {
    auto config = MakeConfig();
    config->GetMainDictionaries().Add("British.vlm");
    config->SetSpellOptions(TSpellOptions{soQuoted});
  }
  auto config = MakeConfig();
  config->EnsureLoaded();
  config->ResetDefaults();
  EXPECT_EQ(config->GetMainDictionaries().CommaText(), "American.vlm");
  EXPECT_EQ(config->GetSpellOptions().ToBits(), 0x02A3);
  // The old values stay stored until the next save point.
  EXPECT_EQ(Ini("_Main_count"), "2");
  EXPECT_TRUE(config->Save());
  EXPECT_EQ(Ini("_Main_count"), "1");
  EXPECT_EQ(Ini("_soQuoted"), "-");
  EXPECT_EQ(Ini("_soRepeated"), "+");
  // Entries beyond the new count stay where they were.
  EXPECT_EQ(Ini("_Main_1"), "British.vlm");
}

TEST_F(ConfigurationTest, ResetDefaultsKeepsActiveDictionaryInCustomList) {
  auto config = MakeConfig();
  config->EnsureLoaded();
  config->GetCustomDictionaries().Clear();
  config->ResetDefaults();
  EXPECT_EQ(config->ActiveCustom(), "alice.vlu");
  EXPECT_EQ(config->GetCustomDictionaries().CommaText(), "alice.vlu");
}

TEST_F(ConfigurationTest, HostDataIsStoredAsListAndPrefixedKeys) {
  auto config = MakeConfig();
  config->SetUserData("Theme", "dark");
  EXPECT_TRUE(config->Save());
  EXPECT_EQ(Ini("_UserData_count"), "1");
  EXPECT_EQ(Ini("_UserData_0"), "Theme");
  EXPECT_EQ(Ini("User_Theme"), "dark");
  config->SetUserData("theme", "light");  // same name, other case: replaced
  EXPECT_EQ(config->UserNames().Count(), 1);
  std::string value = "x";
  config->GetUserData("Missing", value);
  EXPECT_EQ(value, "");
}

TEST_F(ConfigurationTest, HostDataSurvivesResetDefaults) {
  auto config = MakeConfig();
  config->SetUserData("Theme", "dark");
  config->ResetDefaults();
  std::string value;
  config->GetUserData("Theme", value);
  EXPECT_EQ(value, "dark");
}

TEST_F(ConfigurationTest, CallbackStorageAsksForFirstRunFirst) {
  owner_.storage = csCallback;
  auto config = MakeConfig();
  config->EnsureLoaded();
  ASSERT_FALSE(owner_.reads.empty());
  EXPECT_EQ(owner_.reads[0], "_FirstRun");
  EXPECT_EQ(owner_.reads.size(), 1u);  // the host left "-": defaults, nothing else read
  EXPECT_EQ(config->GetMainDictionaries().CommaText(), "American.vlm");
  EXPECT_TRUE(config->Save());
  EXPECT_EQ(owner_.Stored("alice/_FirstRun"), "+");
  EXPECT_EQ(owner_.Stored("alice/_Custom_0"), "alice.vlu");
  EXPECT_EQ(owner_.Stored("alice/_soInternet"), "+");

  // A second engine reads what the first wrote.
  owner_.reads.clear();
  auto again = MakeConfig();
  EXPECT_EQ(again->GetActiveCustom(), "alice.vlu");
  EXPECT_GT(owner_.reads.size(), 20u);
}

TEST_F(ConfigurationTest, CallbackWritesFollowTheKeyOrder) {
  owner_.storage = csCallback;
  auto config = MakeConfig();
  config->SetUserData("Theme", "dark");
  EXPECT_TRUE(config->Save());
  std::vector<std::string> keys;
  for (auto& kv : owner_.store) keys.push_back(kv.first.substr(6));
  const std::vector<std::string> expected = {
      "_FirstRun",        "_Main_count",    "_Main_0",
      "_Custom_count",    "_Custom_0",      "_MSWordCustom_count",
      "_ActiveCustom",    "_soUpcase",      "_soNumbers",
      "_soHTML",          "_soInternet",    "_soQuoted",
      "_soAbbreviations", "_soPrimaryOnly", "_soRepeated",
      "_soLiveSpelling",  "_soLiveCorrect", "_soUser1",
      "_soUser2",         "_soUser3",       "_soUser4",
      "_DialogX",         "_DialogY",       "_NewPaths_count",
      "_UserData_count",  "_UserData_0",    "User_Theme",
      "_SuggestionMode"};
  EXPECT_EQ(keys, expected);
}

TEST_F(ConfigurationTest, HugeStoredCountDoesNotHang) {
  owner_.storage = csCallback;
  owner_.store = {{"alice/_FirstRun", "+"}, {"alice/_Main_count", "2000000000"}};
  auto config = MakeConfig();
  config->EnsureLoaded();
  EXPECT_LT(owner_.reads.size(), 20000u);
}

TEST_F(ConfigurationTest, NoStorageNeverReadsOrWritesButReportsSaves) {
  owner_.storage = csNone;
  auto config = MakeConfig();
  config->SetUserData("Theme", "dark");
  EXPECT_TRUE(config->Save());
  EXPECT_EQ(owner_.saved, 1);
  EXPECT_TRUE(owner_.reads.empty());
  EXPECT_EQ(owner_.writes, 0);
  EXPECT_FALSE(Platform::FileExists(CfgFile()));
}

TEST_F(ConfigurationTest, DesigningOwnerNeverSaves) {
  owner_.designing = true;
  auto config = MakeConfig();
  config->EnsureLoaded();
  config->Save();
  EXPECT_FALSE(Platform::FileExists(CfgFile()));
  EXPECT_EQ(owner_.saved, 0);
}

TEST_F(ConfigurationTest, RegistryStorageUsesKeyAndConfigIDSubkey) {
  owner_.storage = csRegistry;
  auto config = MakeConfig();
  config->GetMainDictionaries().Add("British.vlm");
  EXPECT_TRUE(config->Save());
  std::string value;
  ASSERT_TRUE(Platform::RegReadString(Platform::TRegistryRoot::CurrentUser,
                                      "Software\\Vexlor Tests\\TestApp\\alice", "_Main_1", value));
  EXPECT_EQ(value, "British.vlm");
  auto again = MakeConfig();
  EXPECT_EQ(again->GetMainDictionaries().Count(), 2);
}

TEST_F(ConfigurationTest, SwitchingFromRegistryToFileSavesThenReads) {
  owner_.storage = csRegistry;
  auto config = MakeConfig();
  config->GetMainDictionaries().Add("British.vlm");
  WriteIni("_FirstRun", "+");
  WriteIni("_Main_count", "1");
  WriteIni("_Main_0", "Dutch.vlm");
  owner_.storage = csFile;
  config->Reload();
  std::string value;
  ASSERT_TRUE(Platform::RegReadString(Platform::TRegistryRoot::CurrentUser,
                                      "Software\\Vexlor Tests\\TestApp\\alice", "_Main_1", value));
  EXPECT_EQ(value, "British.vlm");
  EXPECT_EQ(config->GetMainDictionaries().CommaText(), "Dutch.vlm");
  EXPECT_EQ(config->LoadedConfigStorage(), csFile);
}

TEST_F(ConfigurationTest, EachConfigIDHasItsOwnSection) {
  {
    auto config = MakeConfig();
    config->SetDialogX(11);
  }
  owner_.userName = "bob";
  auto config = MakeConfig();
  EXPECT_EQ(config->GetDialogX(), -1);
  EXPECT_EQ(config->ActiveCustom(), "bob.vlu");
}

TEST_F(ConfigurationTest, SettingsThatCannotBeSavedStayPendingAndAreReported) {
  // A plain file where the folder should be: nothing can be written.
  const std::string blocker = dir_ + "\\blocker";
  const std::string blocked = blocker + "\\Spell.cfg";
  ASSERT_TRUE(Platform::WriteWholeFile(blocker, "x"));
  owner_.filename = blocked;
  auto config = MakeConfig();
  config->EnsureLoaded();
  config->SetDialogX(3);
  EXPECT_FALSE(config->Save());
  EXPECT_TRUE(config->Modified());
  EXPECT_EQ(owner_.saved, 0);
  ASSERT_EQ(owner_.saveFailures.size(), 1u);
  EXPECT_EQ(owner_.saveFailures[0], "0|" + blocked);

  // Neither unloading, nor a switch to another place, nor a reset loads
  // over the changes that the old place did not take.
  WriteIni("_FirstRun", "+");
  WriteIni("_DialogX", "9");
  owner_.filename = "%AppDir%\\Spell.cfg";
  config->SetConfigLoaded(false);
  EXPECT_TRUE(config->ConfigLoaded());
  EXPECT_FALSE(config->Reload());
  config->ResetDefaults();
  EXPECT_EQ(config->GetDialogX(), 3);
  EXPECT_EQ(config->LoadedConfigFilename(), blocked);
  EXPECT_EQ(owner_.loaded, 1);
  EXPECT_EQ(owner_.saveFailures.size(), 4u);

  // Once the old place takes them, the switch goes through (and the refused
  // reset is not sprung on it).
  ASSERT_TRUE(Platform::DeleteFile(blocker));
  ASSERT_TRUE(Platform::CreateDirectory(blocker));
  EXPECT_TRUE(config->Reload());
  EXPECT_EQ(Platform::IniReadString(blocked, "alice", "_DialogX", "<absent>"), "3");
  EXPECT_EQ(config->GetDialogX(), 9);
  EXPECT_EQ(owner_.saveFailures.size(), 4u);
}

// A fault at any file step of a save, in either storage: the stored settings
// are the old or the new ones, every value reads, the change stays pending
// and is reported, and the next save point writes it.
TEST_F(ConfigurationTest, FaultsWhileSavingKeepEveryValueAndTheChangePending) {
  const std::string subkey = "Software\\Vexlor Tests\\TestApp\\alice";
  std::unique_ptr<TVexlorConfig> config;
  size_t failuresBefore = 0;
  const auto stored = [&](const char* key) {
    if (owner_.storage == csFile) return Ini(key);
    std::string value = "<absent>";
    Platform::RegReadString(Platform::TRegistryRoot::CurrentUser, subkey, key, value);
    return value;
  };
  const auto storedAre = [&](const char* dialogX) {
    return stored("_DialogX") == dialogX && stored("_DialogY") == "5" && stored("_Main_0") == "American.vlm" &&
           stored("_Main_1") == "British.vlm" && stored("_ActiveCustom") == "alice.vlu" &&
           stored("_soInternet") == "+" && stored("_FirstRun") == "+";
  };
  const auto makeCase = [&](const char* name, TConfigStorage storage, const std::string& file,
                            const std::string& folder) {
    // The old settings, saved once; each attempt starts from them.
    owner_.storage = storage;
    {
      auto first = MakeConfig();
      first->EnsureLoaded();
      first->GetMainDictionaries().Add("British.vlm");
      first->SetDialogX(7);
      first->SetDialogY(5);
      EXPECT_TRUE(first->Save());
    }
    auto image = std::make_shared<std::string>();
    EXPECT_TRUE(Platform::ReadWholeFile(file, *image));
    return TWriterCase{
        name,
        [&, file, image] {
          config.reset();
          ASSERT_TRUE(Platform::WriteWholeFile(file, *image));
          config = MakeConfig();
          config->EnsureLoaded();
          config->SetDialogX(3);
          failuresBefore = owner_.saveFailures.size();
        },
        [&] { return config->Save(); }, [&] { return storedAre("7"); }, [&] { return storedAre("3"); },
        [&] { return config->Modified() && owner_.saveFailures.size() > failuresBefore; }, folder};
  };
  std::string registryFile = dir_ + "\\registry.ini";
  const std::vector<std::pair<TConfigStorage, std::string>> storages = {{csFile, CfgFile()},
                                                                         {csRegistry, registryFile}};
  for (const auto& storage : storages) {
    Platform::CreateDirectory(dir_ + "\\app");
    const TWriterCase c = makeCase(storage.first == csFile ? "configuration file" : "configuration registry",
                                   storage.first, storage.second,
                                   storage.second.substr(0, storage.second.rfind('\\')));
    TFaultWalkCount count = WalkFaults(c);
    EXPECT_GT(count.injected, 0) << c.name;
    EXPECT_EQ(count.survived, count.injected) << c.name;
    config.reset();
  }
}

TEST_F(ConfigurationTest, UnloadingSavesAndNextUseLoadsAgain) {
  auto config = MakeConfig();
  config->EnsureLoaded();
  config->SetDialogY(44);
  config->SetConfigLoaded(false);
  EXPECT_FALSE(config->ConfigLoaded());
  EXPECT_EQ(Ini("_DialogY"), "44");
  EXPECT_EQ(config->GetDialogY(), 44);
  EXPECT_EQ(owner_.loaded, 2);
}

TEST_F(ConfigurationTest, NewDictionaryPathsAreSortedWithoutDuplicates) {
  WriteIni("_FirstRun", "+");
  WriteIni("_NewPaths_count", "3");
  WriteIni("_NewPaths_0", "Z:\\b");
  WriteIni("_NewPaths_1", "A:\\a");
  WriteIni("_NewPaths_2", "z:\\B");
  auto config = MakeConfig();
  EXPECT_EQ(config->GetNewDictionaryPaths().CommaText(), "A:\\a,Z:\\b");
}

TEST_F(ConfigurationTest, WithoutOwnerNothingLoads) {
  TVexlorConfig config;
  EXPECT_EQ(config.GetMainDictionaries().Count(), 0);
  EXPECT_FALSE(config.ConfigLoaded());
  EXPECT_EQ(config.GetActiveCustom(), "");
  EXPECT_TRUE(config.Save());
}

TEST_F(ConfigurationTest, CorruptFilesLoadWithoutHarm) {
  std::mt19937 random(1234);
  const std::string pieces[] = {"[alice]",
                                "[ALICE]\r\n",
                                "_FirstRun=+",
                                "_Main_count=",
                                "_Main_0=",
                                "\r\n",
                                "\n",
                                "=",
                                "\"",
                                std::string(1, '\0'),
                                "\xff\xfe",
                                "_DialogX=",
                                "-",
                                "99999999999",
                                "_UserData_count=3",
                                "_UserData_1=",
                                "User_",
                                "[",
                                "]",
                                ";",
                                " "};
  for (int round = 0; round < 60; ++round) {
    std::string data;
    const int count = static_cast<int>(random() % 60);
    for (int i = 0; i < count; ++i) {
      if (random() % 4 == 0) {
        data += static_cast<char>(random() % 256);
      } else {
        data += pieces[random() % (sizeof(pieces) / sizeof(pieces[0]))];
      }
    }
    Platform::CreateDirectory(dir_ + "\\app");
    ASSERT_TRUE(Platform::WriteWholeFile(CfgFile(), data));
    auto config = MakeConfig();
    config->EnsureLoaded();
    EXPECT_TRUE(config->ConfigLoaded());
    EXPECT_EQ(config->UserNames().Count(), config->UserValues().Count());
  }
}

}  // namespace
