// The configuration against the real Windows registry and INI-file functions:
// what it writes must be what the system's own readers see, and back.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <memory>
#include <string>

#include "vl3Configuration.h"
#include "vl3Platform.h"

namespace {

class TOwner : public TConfigOwner {
 public:
  TConfigStorage storage = csRegistry;
  std::string id = "alice";
  std::string filename;
  std::string registryKey;
  TStringList defaultMain;
  TStringList defaultCustom;
  std::string defaultActiveCustom = "%ConfigID%.vlu";
  TStringList msWordFiles;
  int saved = 0;

  TOwner() { defaultMain.Add("American.vlm"); }

  TConfigStorage ConfigStorage() const override { return storage; }
  const std::string& ConfigID() const override { return id; }
  const std::string& ConfigFilename() const override { return filename; }
  const std::string& ConfigRegistryKey() const override { return registryKey; }
  bool ConfigUseMSWordCustom() const override { return false; }
  const TStringList& ConfigDefaultMain() const override { return defaultMain; }
  const TStringList& ConfigDefaultCustom() const override { return defaultCustom; }
  const std::string& ConfigDefaultActiveCustom() const override { return defaultActiveCustom; }
  TSpellOptions ConfigDefaultOptions() const override { return TSpellOptions::FromBits(0x02A3); }
  bool ConfigDefaultUseMSWordCustom() const override { return false; }
  std::string ExpandPath(const std::string& path) override { return ExpandConfigID(path); }
  std::string ExpandConfigID(const std::string& path) override {
    std::string s = path;
    size_t at = s.find("%ConfigID%");
    if (at != std::string::npos) s.replace(at, 10, id);
    return s;
  }
  TStringList* GetMSWordCustomDictionaryFiles() override { return &msWordFiles; }
  void ReadConfigString(const std::string&, const std::string&, const std::string&,
                        std::string&) override {}
  void WriteConfigString(const std::string&, const std::string&, const std::string&) override {}
  void ConfigLoaded() override {}
  void ConfigSaved() override { ++saved; }
  void ConfigurationChanged(bool) override {}
  bool IsDesigning() const override { return false; }
};

std::string RegValue(const std::string& key, const std::string& name) {
  char buffer[512] = {};
  DWORD size = sizeof(buffer);
  if (::RegGetValueA(HKEY_CURRENT_USER, key.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr, buffer,
                     &size) != ERROR_SUCCESS) {
    return "<absent>";
  }
  return buffer;
}

std::string IniValue(const std::string& file, const std::string& key) {
  char buffer[512] = {};
  ::GetPrivateProfileStringA("alice", key.c_str(), "<absent>", buffer, sizeof(buffer),
                             file.c_str());
  return buffer;
}

class ConfigurationWindowsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string unique = std::to_string(::GetCurrentProcessId());
    owner_.registryKey = "Software\\Vexlor Tests\\Config" + unique;
    owner_.filename = Platform::TempDirectory() + "\\vxcfg" + unique + "\\Spell.cfg";
  }
  void TearDown() override {
    ::RegDeleteTreeA(HKEY_CURRENT_USER, owner_.registryKey.c_str());
    ::DeleteFileA(owner_.filename.c_str());
    ::RemoveDirectoryA(owner_.filename.substr(0, owner_.filename.rfind('\\')).c_str());
  }
  std::unique_ptr<TVexlorConfig> MakeConfig() {
    auto config = std::make_unique<TVexlorConfig>();
    config->SetOwner(&owner_);
    return config;
  }
  TOwner owner_;
};

TEST_F(ConfigurationWindowsTest, RegistryValuesAreStringsUnderConfigIDSubkey) {
  auto config = MakeConfig();
  config->GetMainDictionaries().Add("British.vlm");
  config->SetDialogX(250);
  ASSERT_TRUE(config->Save());
  const std::string key = owner_.registryKey + "\\alice";
  EXPECT_EQ(RegValue(key, "_FirstRun"), "+");
  EXPECT_EQ(RegValue(key, "_Main_count"), "2");
  EXPECT_EQ(RegValue(key, "_Main_1"), "British.vlm");
  EXPECT_EQ(RegValue(key, "_ActiveCustom"), "alice.vlu");
  EXPECT_EQ(RegValue(key, "_DialogX"), "250");
  EXPECT_EQ(RegValue(key, "_soInternet"), "+");
  EXPECT_EQ(RegValue(key, "_soUpcase"), "-");

  auto again = MakeConfig();
  EXPECT_EQ(again->GetMainDictionaries().CommaText(), "American.vlm,British.vlm");
  EXPECT_EQ(again->GetDialogX(), 250);
}

TEST_F(ConfigurationWindowsTest, ValuesWrittenByOthersAreRead) {
  const std::string key = owner_.registryKey + "\\alice";
  HKEY handle = nullptr;
  ASSERT_EQ(::RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                              &handle, nullptr),
            ERROR_SUCCESS);
  auto set = [&](const char* name, const char* value) {
    ::RegSetValueExA(handle, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                     static_cast<DWORD>(std::strlen(value) + 1));
  };
  set("_FirstRun", "+");
  set("_Main_count", "3");
  set("_Main_0", "A.vlm");
  set("_Main_1", "");
  set("_Main_2", "C.vlm");
  set("_soNumbers", "+");
  set("_DialogY", "not a number");
  ::RegCloseKey(handle);

  auto config = MakeConfig();
  EXPECT_EQ(config->GetMainDictionaries().CommaText(), "A.vlm,C.vlm");
  EXPECT_EQ(config->GetSpellOptions(), (TSpellOptions{soNumbers}));
  EXPECT_EQ(config->GetDialogY(), -1);
}

TEST_F(ConfigurationWindowsTest, IniFileIsReadableByTheSystem) {
  owner_.storage = csFile;
  auto config = MakeConfig();
  config->SetUserData("Theme", "dark");
  ASSERT_TRUE(config->Save());
  EXPECT_EQ(IniValue(owner_.filename, "_FirstRun"), "+");
  EXPECT_EQ(IniValue(owner_.filename, "_Custom_0"), "alice.vlu");
  EXPECT_EQ(IniValue(owner_.filename, "_UserData_0"), "Theme");
  EXPECT_EQ(IniValue(owner_.filename, "User_Theme"), "dark");

  ::WritePrivateProfileStringA("alice", "_soQuoted", "+", owner_.filename.c_str());
  auto again = MakeConfig();
  EXPECT_TRUE(again->GetSpellOptions().Contains(soQuoted));
}

TEST_F(ConfigurationWindowsTest, SwitchingFromRegistryToFileSavesThenReads) {
  auto config = MakeConfig();
  config->GetMainDictionaries().Add("British.vlm");
  owner_.storage = csFile;
  config->Reload();
  EXPECT_EQ(RegValue(owner_.registryKey + "\\alice", "_Main_1"), "British.vlm");
  // The file was never written: a fresh configuration.
  EXPECT_EQ(config->GetMainDictionaries().CommaText(), "American.vlm");
  ASSERT_TRUE(config->Save());
  EXPECT_EQ(IniValue(owner_.filename, "_Main_count"), "1");
}

}  // namespace
