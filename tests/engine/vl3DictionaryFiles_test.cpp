// Dictionary files of the spell-checker component: names resolved in the
// folders, listings, the word processor's lists, custom dictionary management.
#include <gtest/gtest.h>

#include "vl3Configuration.h"
#include "vl3MainDictionary.h"
#include "vl3SpellTestHost.h"

using namespace spelltest;

namespace {

using DictionaryFiles = TEngineFixture;

std::vector<std::string> CustomList(TVexlorSpell3Base& e) {
  return e.Configuration()->GetCustomDictionaries().ToVector();
}

TEST_F(DictionaryFiles, SameNameInTwoFoldersComesFromTheEarlierFolder) {
  const std::string a = folder.Sub("a"), b = folder.Sub("b");
  CompileMain(a + "\\X.vlm", {"alpha"});
  CompileMain(b + "\\X.vlm", {"beta"});
  CompileMain(b + "\\Y.vlm", {"gamma"});
  engine->SetConfigDictionaryDir(List({a, b}));
  EXPECT_EQ(engine->GetMainDictionaryFiles()->ToVector(), (std::vector<std::string>{"X.vlm", "Y.vlm"}));
  auto x = engine->OpenMainDictionary("X.vlm");
  ASSERT_TRUE(x);
  EXPECT_EQ(x->SourcePath(), a + "\\X.vlm");
  EXPECT_TRUE(x->WordExists("alpha"));
  EXPECT_FALSE(engine->OpenMainDictionary("Missing.vlm"));
  auto byPath = engine->OpenMainDictionary(b + "\\X.vlm");
  ASSERT_TRUE(byPath);
  EXPECT_TRUE(byPath->WordExists("beta"));
}

TEST_F(DictionaryFiles, ActiveCustomDictionaryIsListedFirstBeforeItsFileExists) {
  WriteCustom(folder.File("Other.vlu"), {"x"});
  EXPECT_EQ(engine->GetCustomDictionaryFiles()->ToVector(), (std::vector<std::string>{"User.vlu", "Other.vlu"}));
}

TEST_F(DictionaryFiles, UnknownBareNameDesignatesANewFileInTheFirstFolder) {
  const std::string a = folder.Sub("a"), b = folder.Sub("b");
  WriteCustom(b + "\\Old.vlu", {"x"});
  engine->SetConfigDictionaryDir(List({a, b}));
  auto fresh = engine->OpenCustomDictionary("Fresh.vlu");
  ASSERT_TRUE(fresh);
  EXPECT_EQ(fresh->DictionaryPath(), a + "\\Fresh.vlu");
  auto old = engine->OpenCustomDictionary("Old.vlu");
  ASSERT_TRUE(old);
  EXPECT_EQ(old->DictionaryPath(), b + "\\Old.vlu");
  EXPECT_TRUE(old->HasIgnore("x"));
}

TEST_F(DictionaryFiles, OpeningReadsPendingChangesOfOpenCopies) {
  EXPECT_FALSE(engine->IsWordCorrect("zorbly"));
  ASSERT_NE(engine->ActiveCustomDictionary(), nullptr);
  engine->ActiveCustomDictionary()->AddIgnore("zorbly");
  auto copy = engine->OpenCustomDictionary("User.vlu");
  ASSERT_TRUE(copy);
  EXPECT_TRUE(copy->HasIgnore("zorbly"));
}

TEST_F(DictionaryFiles, HostSuppliesTheCustomDictionaryObject) {
  struct TCounting : TCustomDictionary {
    int* lookups;
    explicit TCounting(int* n) : lookups(n) {}
    bool HasIgnore(const std::string& w) override {
      ++*lookups;
      return TCustomDictionary::HasIgnore(w);
    }
  };
  int lookups = 0;
  engine->OnCreateCustomDictionary = [&](TVexlorSpell3Base*, std::unique_ptr<TCustomDictionary>& d) {
    d = std::make_unique<TCounting>(&lookups);
  };
  EXPECT_FALSE(engine->IsWordCorrect("zorbly"));
  EXPECT_GT(lookups, 0);
}

TEST_F(DictionaryFiles, NewCustomDictionaryTakesTheBareNameWithItsOwnExtension) {
  engine->NewCustomDictionary("C:\\x\\Notes.txt");
  EXPECT_TRUE(Platform::FileExists(folder.File("Notes.vlu")));
  const auto list = CustomList(*engine);
  EXPECT_NE(std::find(list.begin(), list.end(), "Notes.vlu"), list.end());
  const auto files = engine->GetCustomDictionaryFiles()->ToVector();
  EXPECT_NE(std::find(files.begin(), files.end(), "Notes.vlu"), files.end());
}

TEST_F(DictionaryFiles, NewCustomDictionaryKeepsTheWordsOfAnExistingFile) {
  WriteCustom(folder.File("Notes.vlu"), {"kept"});
  engine->NewCustomDictionary("Notes.vlu");
  TCustomDictionary reread;
  reread.SetFilename(folder.File("Notes.vlu"));
  EXPECT_TRUE(reread.HasIgnore("kept"));
}

TEST_F(DictionaryFiles, RenameRefusesAnExistingTargetAndChangesNothing) {
  WriteCustom(folder.File("One.vlu"), {"one"});
  WriteCustom(folder.File("Two.vlu"), {"two"});
  engine->SetConfigDefaultCustom(List({"One.vlu", "Two.vlu"}));
  EXPECT_FALSE(engine->RenameCustomDictionary("One.vlu", "Two"));
  EXPECT_FALSE(engine->RenameCustomDictionary("One.vlu", "One.vlu"));
  EXPECT_FALSE(engine->RenameCustomDictionary("Nope.vlu", "Three"));
  EXPECT_TRUE(Platform::FileExists(folder.File("One.vlu")));
  EXPECT_EQ(CustomList(*engine), (std::vector<std::string>{"One.vlu", "Two.vlu", "User.vlu"}));
}

TEST_F(DictionaryFiles, RenameRefusesANameThatAnyFolderHolds) {
  // Bare names open the first folder's file: a rename to a name another
  // folder holds, before or after the dictionary's own, would hide a file.
  const std::string a = folder.Sub("a"), b = folder.Sub("b");
  engine->SetConfigDictionaryDir(List({a, b}));
  struct TCase {
    std::string home, work;
  };
  for (const TCase& c : {TCase{b, a}, TCase{a, b}}) {
    WriteCustom(c.home + "\\Home.vlu", {"home"});
    WriteCustom(c.work + "\\Work.vlu", {"work"});
    EXPECT_FALSE(engine->RenameCustomDictionary("Home.vlu", "Work")) << c.home;
    EXPECT_TRUE(Platform::FileExists(c.home + "\\Home.vlu"));
    auto work = engine->OpenCustomDictionary("Work.vlu");
    ASSERT_TRUE(work);
    EXPECT_EQ(work->DictionaryPath(), c.work + "\\Work.vlu");
    EXPECT_TRUE(work->HasIgnore("work"));
    EXPECT_FALSE(work->HasIgnore("home"));
    work.reset();
    Platform::DeleteFile(c.home + "\\Home.vlu");
    Platform::DeleteFile(c.work + "\\Work.vlu");
  }
}

TEST_F(DictionaryFiles, RenameMovesTheFileAndUpdatesTheLists) {
  WriteCustom(folder.File("One.vlu"), {"one"});
  engine->SetConfigDefaultCustom(List({"One.vlu"}));
  engine->SetConfigDefaultActiveCustom("One.vlu");
  EXPECT_TRUE(engine->RenameCustomDictionary("one.vlu", "Renamed.txt"));
  EXPECT_FALSE(Platform::FileExists(folder.File("One.vlu")));
  EXPECT_TRUE(Platform::FileExists(folder.File("Renamed.vlu")));
  EXPECT_EQ(engine->Configuration()->GetActiveCustom(), "Renamed.vlu");
  EXPECT_EQ(CustomList(*engine), (std::vector<std::string>{"Renamed.vlu"}));
  EXPECT_TRUE(engine->IsWordCorrect("one"));
}

TEST_F(DictionaryFiles, DeactivatingTheActiveDictionaryActivatesTheFirstRemaining) {
  WriteCustom(folder.File("One.vlu"), {"one"});
  engine->SetConfigDefaultCustom(List({"One.vlu"}));
  engine->SetCustomDictionaryActive("User.vlu", false);
  EXPECT_EQ(engine->Configuration()->GetActiveCustom(), "One.vlu");
  EXPECT_EQ(CustomList(*engine), (std::vector<std::string>{"One.vlu"}));
  engine->SetCustomDictionaryActive("One.vlu", false);
  EXPECT_EQ(engine->Configuration()->GetActiveCustom(), "");
  EXPECT_EQ(engine->ActiveCustomDictionary(), nullptr);
}

TEST_F(DictionaryFiles, ActivatingAddsAUsableDictionaryOnly) {
  WriteCustom(folder.File("One.vlu"), {"one"});
  Platform::WriteWholeFile(folder.File("Bad.vlu"), "garbage");
  engine->SetCustomDictionaryActive("One.vlu", true);
  engine->SetCustomDictionaryActive("Bad.vlu", true);
  EXPECT_EQ(CustomList(*engine), (std::vector<std::string>{"User.vlu", "One.vlu"}));
  EXPECT_TRUE(engine->IsWordCorrect("one"));
  std::string bytes;
  ASSERT_TRUE(Platform::ReadWholeFile(folder.File("Bad.vlu"), bytes));
  EXPECT_EQ(bytes, "garbage");
}

TEST_F(DictionaryFiles, DeleteRemovesTheFileAndTheEntry) {
  WriteCustom(folder.File("One.vlu"), {"onezz"});
  engine->SetConfigDefaultCustom(List({"One.vlu"}));
  EXPECT_TRUE(engine->IsWordCorrect("onezz"));
  engine->DeleteCustomDictionary("One.vlu");
  EXPECT_FALSE(Platform::FileExists(folder.File("One.vlu")));
  EXPECT_EQ(CustomList(*engine), (std::vector<std::string>{"User.vlu"}));
  EXPECT_FALSE(engine->IsWordCorrect("onezz"));
}

TEST_F(DictionaryFiles, WordProcessorDictionariesComeFromTheRegistryList) {
  const char* key = "Software\\Microsoft\\Shared Tools\\Proofing Tools\\Custom Dictionaries";
  // The application-data folder is where the fixture's XDG_CONFIG_HOME points.
  const std::string proof = GetSpecialFolder(26) + "\\Microsoft";
  Platform::CreateDirectory(proof);
  Platform::CreateDirectory(proof + "\\Proof");
  Platform::WriteWholeFile(proof + "\\Proof\\CUSTOM.DIC", "zorbly\r\nquuxly\r\n\r\n");
  // UTF-16 with a byte order mark, as newer versions write.
  Platform::WriteWholeFile(folder.File("wide.dic"), std::string("\xFF\xFEw\0i\0d\0e\0\r\0\n\0", 14));
  ASSERT_TRUE(Platform::RegWriteString(Platform::TRegistryRoot::CurrentUser, key, "1", "CUSTOM.DIC"));
  ASSERT_TRUE(Platform::RegWriteString(Platform::TRegistryRoot::CurrentUser, key, "2", folder.File("wide.dic")));
  ASSERT_TRUE(Platform::RegWriteString(Platform::TRegistryRoot::CurrentUser, key, "3", folder.File("gone.dic")));
  ASSERT_TRUE(Platform::RegWriteString(Platform::TRegistryRoot::CurrentUser, key, "5", folder.File("wide.dic")));
  EXPECT_EQ(engine->GetMSWordCustomDictionaryFiles()->ToVector(),
            (std::vector<std::string>{proof + "\\Proof\\CUSTOM.DIC", folder.File("wide.dic")}));
  ASSERT_EQ(SystemPath(proof), SystemPath(folder.File("Microsoft")));

  EXPECT_FALSE(engine->IsWordCorrect("zorbly"));
  engine->SetMSWordCustomDictionaryActive(proof + "\\Proof\\CUSTOM.DIC", true);
  engine->SetMSWordCustomDictionaryActive(folder.File("wide.dic"), true);
  engine->SetMSWordCustomDictionaryActive(folder.File("gone.dic"), true);
  EXPECT_EQ(engine->MSWordCustomDictionaryCount(), 2);
  EXPECT_TRUE(engine->IsWordCorrect("zorbly"));
  EXPECT_TRUE(engine->IsWordCorrect("wide"));
  engine->SetMSWordCustomDictionaryActive(folder.File("wide.dic"), false);
  EXPECT_FALSE(engine->IsWordCorrect("wide"));
}

TEST_F(DictionaryFiles, NoRegistryListGivesNoWordProcessorDictionaries) {
  EXPECT_TRUE(engine->GetMSWordCustomDictionaryFiles()->Empty());
}

}  // namespace
