// The spell-checker component's settings and added words outlive the
// component: through the registry (the real one on Windows) and the INI file.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "vl3Configuration.h"
#include "vl3CustomDictionary.h"
#include "vl3DictionaryCompiler.h"
#include "vl3Platform.h"
#include "vl3SpellBase.h"
#include "vl3StringList.h"

namespace {

class SpellPersistence : public ::testing::TestWithParam<TConfigStorage> {
 protected:
  void SetUp() override {
    const std::string unique = std::to_string(Platform::TickCount()) + "_" + std::to_string(std::rand());
    folder_ = Platform::TempDirectory() + "\\vxpersist_" + unique;
    key_ = "Software\\Vexlor Tests\\Persistence_" + unique;
    ASSERT_TRUE(Platform::CreateDirectory(folder_));
#ifndef _WIN32
    // The portable registry store lives in a file of its own for the test.
    std::string registry = folder_ + "/registry.ini";
    for (char& c : registry)
      if (c == '\\') c = '/';
    ::setenv("VX_REGISTRY_FILE", registry.c_str(), 1);
#endif
    TDictionaryCompiler compiler;
    for (const char* w : {"the", "cat", "sat", "on", "mat"}) compiler.AddWord(w);
    TDictionaryCompileOptions options;
    std::string error;
    ASSERT_TRUE(compiler.CompileToFile(options, folder_ + "\\Test.vlm", error)) << error;
  }
  void TearDown() override {
    Platform::RegDeleteKey(Platform::TRegistryRoot::CurrentUser, key_);
    for (const std::string& name : Platform::FindFiles(folder_ + "\\*")) Platform::DeleteFile(folder_ + "\\" + name);
    Platform::RemoveDirectory(folder_);
  }

  std::unique_ptr<TVexlorSpell3Base> MakeEngine() {
    auto e = std::make_unique<TVexlorSpell3Base>();
    e->SetConfigRegistryKey(key_);
    e->SetConfigFilename(folder_ + "\\Spell.cfg");
    e->SetConfigStorage(GetParam());
    e->SetConfigID("tester");
    TStringList folders;
    folders.Add(folder_);
    e->SetConfigDictionaryDir(folders);
    TStringList mains;
    mains.Add("Test.vlm");
    e->SetConfigDefaultMain(mains);
    e->SetSuggestionsLearning(false);
    e->OnPromptWord = [](TVexlorSpell3Base* sender, const std::string&, bool) { sender->Add(); };
    return e;
  }

  std::string folder_;
  std::string key_;
};

TEST_P(SpellPersistence, OptionsAndAddedWordsSurviveTheComponent) {
  {
    auto e = MakeEngine();
    e->Configuration()->SetConfigLoaded(true);
    e->Configuration()->SetSpellOptions(TSpellOptions{soUpcase, soRepeated});
    std::string text = "the zorbly sat";
    e->CheckString(text);
    ASSERT_NE(e->ActiveCustomDictionary(), nullptr);
    EXPECT_EQ(e->ActiveCustomDictionary()->DictionaryPath(), folder_ + "\\tester.vlu");
  }
  EXPECT_TRUE(Platform::FileExists(folder_ + "\\tester.vlu"));
  auto e = MakeEngine();
  EXPECT_EQ(e->Configuration()->GetSpellOptions(), (TSpellOptions{soUpcase, soRepeated}));
  EXPECT_EQ(e->Configuration()->GetActiveCustom(), "tester.vlu");
  EXPECT_TRUE(e->IsWordCorrect("zorbly"));
  EXPECT_TRUE(e->IsWordCorrect("NASA"));
  EXPECT_FALSE(e->IsWordCorrect("quuxly"));
}

// The parameter is the place the component is switched to while its
// settings cannot be written to the old one.
TEST_P(SpellPersistence, SettingsThatCannotBeSavedAreReportedAndSurviveASwitch) {
  // A plain file where the folder should be: the file storage cannot write.
  const std::string blocked = folder_ + "\\blocker\\Spell.cfg";
  ASSERT_TRUE(Platform::WriteWholeFile(folder_ + "\\blocker", "x"));
  std::vector<std::string> failures;
  {
    auto e = MakeEngine();
    e->SetConfigFilename(blocked);
    e->SetConfigStorage(csFile);
    e->OnConfigSaveFailed = [&](TVexlorSpell3Base*, TConfigStorage storage,
                                const std::string& location) {
      failures.push_back(std::to_string(static_cast<int>(storage)) + "|" + location);
    };
    e->Configuration()->SetConfigLoaded(true);
    e->Configuration()->SetSpellOptions(TSpellOptions{soUpcase});
    if (GetParam() == csFile) {
      e->SetConfigFilename(folder_ + "\\Spell.cfg");
    } else {
      e->SetConfigStorage(GetParam());
    }
    EXPECT_EQ(failures, (std::vector<std::string>{"0|" + blocked}));
    EXPECT_TRUE(e->Configuration()->Modified());
    EXPECT_EQ(e->Configuration()->GetSpellOptions(), TSpellOptions{soUpcase});
    EXPECT_TRUE(e->IsWordCorrect("NASA"));
  }
  // The last save, on destruction, failed as well and said so.
  EXPECT_EQ(failures.size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(Storages, SpellPersistence, ::testing::Values(csRegistry, csFile));

}  // namespace
