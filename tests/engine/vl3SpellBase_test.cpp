// The spell-checker component: word acceptance and its case rules, the
// dictionary set, filters, configuration coupling, persistence, bad files.
#include "vl3SpellBase.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "vl3Configuration.h"
#include "vl3Ignore.h"
#include "vl3MainDictionary.h"
#include "vl3SpellTestHost.h"

using namespace spelltest;

namespace {

using SpellBase = TEngineFixture;

struct TWordCase {
  const char* word;
  bool correct;
};

class SpellBaseAcceptance : public TEngineFixture, public ::testing::WithParamInterface<TWordCase> {};

TEST_P(SpellBaseAcceptance, JudgesTheWord) {
  EXPECT_EQ(engine->IsWordCorrect(GetParam().word), GetParam().correct) << GetParam().word;
}

INSTANTIATE_TEST_SUITE_P(
    Words, SpellBaseAcceptance,
    ::testing::Values(TWordCase{"hello", true}, TWordCase{"Hello", true}, TWordCase{"HELLO", true},
                      TWordCase{"hELLO", true}, TWordCase{"Paris", true}, TWordCase{"paris", false},
                      TWordCase{"PARIS", false}, TWordCase{"a", true}, TWordCase{"I", true}, TWordCase{"x", true},
                      TWordCase{"42", true}, TWordCase{"3.5", true}, TWordCase{"1e5", true},
                      TWordCase{"1e", false}, TWordCase{"12ab", false}, TWordCase{"0x10", false},
                      TWordCase{"dog's", true}, TWordCase{"DOG'S", true}, TWordCase{"dogs's", true},
                      TWordCase{"cats's", false}, TWordCase{"dog's's", false}, TWordCase{"helo", false}));

TEST_F(SpellBase, PossessivesNeedAnEnglishMainDictionary) {
  CompileMain(folder.File("German.vlm"), {"dog", "dogs"}, kGerman);
  engine->SetConfigDefaultMain(List({"German.vlm"}));
  EXPECT_TRUE(engine->IsWordCorrect("dog"));
  EXPECT_FALSE(engine->IsWordCorrect("dog's"));
  EXPECT_FALSE(engine->PossessiveRule());
}

// Capitals follow the code page of the main dictionaries in use: in
// Windows-1251 Ch (0xD7), Ya (0xDF) and Yo (0xA8) are capitals, which they
// are not in the Western code page; the same holds for Polish L with stroke
// (0xA3) in Windows-1250.
TEST_F(SpellBase, CapitalsFollowTheCodePageOfTheMainDictionaries) {
  constexpr uint32_t kRussian = 0x0419, kPolish = 0x0415;
  // chai, yabloko, yolka; lodz (with stroke, acute and acute z), zolw.
  CompileMain(folder.File("Russian.vlm"), {"\xF7\xE0\xE9", "\xFF\xE1\xEB\xEE\xEA\xEE", "\xB8\xEB\xEA\xE0"}, kRussian);
  CompileMain(folder.File("Polish.vlm"), {"\xB3\xF3" "d\x9F", "\xBF\xF3\xB3w"}, kPolish);
  struct TCase {
    const char* dictionaries;
    const char* word;
    bool correct;
  };
  const TCase cases[] = {
      {"Russian.vlm", "\xF7\xE0\xE9", true},                // chai
      {"Russian.vlm", "\xD7\xE0\xE9", true},                // Chai
      {"Russian.vlm", "\xD7\xC0\xC9", true},                // CHAI
      {"Russian.vlm", "\xDF\xC1\xCB\xCE\xCA\xCE", true},    // YABLOKO
      {"Russian.vlm", "\xA8\xCB\xCA\xC0", true},            // YOLKA
      {"Russian.vlm", "\xD7\xC0\xC9\xCA", false},           // CHAIK
      {"Polish.vlm", "\xA3\xF3" "d\x9F", true},             // Lodz
      {"Polish.vlm", "\xA3\xD3" "D\x8F", true},             // LODZ
      {"Polish.vlm", "\xAF\xD3\xA3W", true},                // ZOLW
      // A Western and a Russian dictionary together: each word's capitals
      // are found through the code page it belongs to.
      {"Test.vlm,Russian.vlm", "\xD7\xC0\xC9", true},
      {"Test.vlm,Russian.vlm", "HELLO", true},
      // Without a Cyrillic dictionary, 0xD7 is the multiplication sign.
      {"Test.vlm", "\xD7\xC0\xC9", false},
  };
  for (const TCase& c : cases) {
    std::vector<std::string> names;
    std::string list = c.dictionaries;
    for (size_t start = 0, comma; start <= list.size(); start = comma + 1) {
      comma = list.find(',', start);
      if (comma == std::string::npos) comma = list.size();
      names.push_back(list.substr(start, comma - start));
    }
    auto e = MakeEngine();
    e->SetConfigDefaultMain(List(names));
    EXPECT_EQ(e->IsWordCorrect(c.word), c.correct) << c.dictionaries << " " << c.word;
    bool exists = !c.correct;
    e->SuggestionWordExists(c.word, exists);
    EXPECT_EQ(exists, c.correct) << c.dictionaries << " " << c.word;
  }

  // A Russian word in capitals is one word, and a check passes it.
  auto e = MakeEngine();
  e->SetConfigDefaultMain(List({"Russian.vlm"}));
  EXPECT_EQ(e->WordCount("\xD7\xC0\xC9 \xA8\xCB\xCA\xC0 \xDF\xC1\xCB\xCE\xCA\xCE"), 3);
  prompts.clear();
  std::string text = "\xD7\xC0\xC9 \xA8\xCB\xCA\xC0 \xDF\xC1\xCB\xCE\xCA\xCE \xD7\xC0\xC9\xCA";
  e->CheckString(text);
  EXPECT_EQ(prompts, (std::vector<std::string>{"\xD7\xC0\xC9\xCA"}));
}

TEST_F(SpellBase, UpperCaseFilterAcceptsCapitals) {
  engine->Configuration()->SetConfigLoaded(true);
  EXPECT_FALSE(engine->IsWordCorrect("NASA"));
  engine->Configuration()->SetSpellOptions(TSpellOptions{soUpcase});
  EXPECT_TRUE(engine->IsWordCorrect("NASA"));
  EXPECT_TRUE(engine->IsWordCorrect("PARIS"));
  EXPECT_FALSE(engine->IsWordCorrect("Nasa"));
}

TEST_F(SpellBase, CustomAndInternalDictionariesCountButNotAsMainWords) {
  WriteCustom(folder.File("User.vlu"), {"zorbly"});
  WriteCustom(folder.File("Extra.vlu"), {"quux"}, {"cat"});
  engine->SetConfigDefaultCustom(List({"Extra.vlu"}));
  engine->InternalDictionary()->AddIgnore("blorp");
  EXPECT_TRUE(engine->IsWordInDictionaries("zorbly"));
  EXPECT_TRUE(engine->IsWordInDictionaries("quux"));
  EXPECT_TRUE(engine->IsWordInDictionaries("blorp"));
  EXPECT_FALSE(engine->IsWordInMainDictionaries("zorbly"));
  EXPECT_TRUE(engine->IsWordInMainDictionaries("cat"));
  EXPECT_TRUE(engine->IsWordExcluded("cat"));
  EXPECT_EQ(engine->CustomDictionaryCount(), 1);  // the active one is not opened twice
}

TEST_F(SpellBase, NothingIsLoadedUntilFirstNeed) {
  EXPECT_FALSE(engine->Configuration()->ConfigLoaded());
  EXPECT_EQ(engine->MainDictionaryCount(), 0);
  int loaded = 0, changed = 0, dictionaries = 0, listeners = 0;
  engine->OnConfigLoaded = [&](TVexlorSpell3Base*) { ++loaded; };
  engine->OnConfigChanged = [&](TVexlorSpell3Base*) { ++changed; };
  engine->OnDictionariesChanged = [&](TVexlorSpell3Base*) { ++dictionaries; };
  engine->ConfigChangedListeners()->AddListener(this, [&](void*) { ++listeners; });
  engine->IsWordCorrect("cat");
  EXPECT_EQ(loaded, 1);
  EXPECT_EQ(changed, 1);
  EXPECT_EQ(dictionaries, 1);
  EXPECT_EQ(listeners, 1);
  EXPECT_EQ(engine->MainDictionaryCount(), 1);
  EXPECT_EQ(engine->GetLanguage(), kEnglish);
  engine->ConfigChangedListeners()->RemoveListener(this);
}

TEST_F(SpellBase, InitialPropertyValues) {
  EXPECT_EQ(engine->Version(), "3.2.0 Pro");
  TVexlorSpell3Base fresh;
  EXPECT_EQ(fresh.ConfigStorage(), csRegistry);
  EXPECT_EQ(fresh.ConfigID(), "%UserName%");
  EXPECT_EQ(fresh.ConfigFilename(), "%AppDir%\\Spell.cfg");
  EXPECT_EQ(fresh.ConfigRegistryKey(), "Software\\Torvane Software\\%AppName%");
  EXPECT_EQ(fresh.ConfigDictionaryDir().ToVector(), std::vector<std::string>{"%AppDir%"});
  EXPECT_EQ(fresh.ConfigAvailableOptions().ToBits(), 0x030C);
  EXPECT_EQ(fresh.ConfigDefaultOptions().ToBits(), 0x02A3);
  EXPECT_EQ(fresh.ConfigDefaultMain().ToVector(), std::vector<std::string>{"American.vlm"});
  EXPECT_EQ(fresh.ConfigDefaultActiveCustom(), "%ConfigID%.vlu");
  EXPECT_EQ(fresh.SuggestionsLearningDict(), "%AppDir%\\%UserName%_sp.vll");
  EXPECT_EQ(fresh.QuoteChars(), ">");
  EXPECT_EQ(fresh.UIType(), suiSilent);
  EXPECT_EQ(fresh.DialogInitialPos(), ipLastUserPos);
  EXPECT_EQ(fresh.EndMessage(), emExceptCancel);
  EXPECT_EQ(fresh.EndCursorPosition(), epOriginal);
  EXPECT_EQ(fresh.MaxUndo(), -1);
  EXPECT_EQ(fresh.CommandsVisible().ToBits(), kAllSpellDialogCommands);
  EXPECT_TRUE(fresh.SynchronousCheck());
  EXPECT_TRUE(fresh.OwnsParser());
  EXPECT_TRUE(fresh.PromptRepeated());
  EXPECT_EQ(fresh.PhoneticMaxDistance(), 4);
  EXPECT_EQ(fresh.PhoneticDivisor(), 2);
  EXPECT_EQ(fresh.PhoneticDepth(), 2);
  EXPECT_FALSE(fresh.Configuration()->ConfigLoaded());
}

TEST_F(SpellBase, ExpandPathReplacesTheConfigurationName) {
  engine->SetConfigID("alice");
  EXPECT_EQ(engine->ExpandPath("%ConfigID%.vlu"), "alice.vlu");
  EXPECT_EQ(engine->ExpandConfigID("x%ConfigID%%ConfigID%"), "xalice%ConfigID%");
}

TEST_F(SpellBase, FiltersFollowTheOptions) {
  int added = 0, notified = 0;
  engine->OnAddCustomIgnore = [&](TVexlorSpell3Base* e) {
    ++added;
    e->AddIgnoreFilter(new TNumbersIgnore());
    e->AddIgnoreFilter(nullptr);
  };
  engine->OptionsChangedListeners()->AddListener(this, [&](void*) { ++notified; });
  engine->Configuration()->SetConfigLoaded(true);
  // Defaults: internet addresses and abbreviations, plus the host's filter.
  EXPECT_EQ(engine->FilterCount(), 3);
  EXPECT_EQ(added, 1);
  EXPECT_TRUE(engine->IsWordCorrect("abc1"));
  engine->Configuration()->SetSpellOptions(TSpellOptions{soQuoted, soHTML});
  EXPECT_EQ(engine->FilterCount(), 3);
  EXPECT_TRUE(engine->IsLineIgnored("> quoted"));
  engine->SetQuoteChars("|");
  EXPECT_FALSE(engine->IsLineIgnored("> quoted"));
  EXPECT_TRUE(engine->IsLineIgnored("| quoted"));
  EXPECT_EQ(added, 3);
  EXPECT_EQ(notified, 3);
  engine->OptionsChangedListeners()->RemoveListener(this);
}

TEST_F(SpellBase, FiltersSkipMarkupAndQuotedLinesDuringChecks) {
  engine->Configuration()->SetConfigLoaded(true);
  engine->Configuration()->SetSpellOptions(TSpellOptions{soHTML, soInternet});
  std::string text = "<zzq class=x>cat</zzq> the http://qq.zz/ww and a@qq.zz it &nbsp;";
  engine->CheckString(text);
  EXPECT_TRUE(prompts.empty());
  engine->Configuration()->SetSpellOptions(TSpellOptions{soQuoted});
  text = "> qqq zzz";
  engine->CheckString(text);
  EXPECT_TRUE(prompts.empty());
}

TEST_F(SpellBase, OptionCopiesFollowTheConfiguration) {
  engine->Configuration()->SetConfigLoaded(true);
  engine->Configuration()->SetSpellOptions(TSpellOptions{soPrimaryOnly});
  EXPECT_TRUE(engine->PrimaryOnly());
  EXPECT_FALSE(engine->PromptRepeated());
  EXPECT_FALSE(engine->LiveSpelling());
  EXPECT_FALSE(engine->LiveCorrect());
}

TEST_F(SpellBase, EmptyOptionSetStillUpdatesTheCopies) {
  engine->SetConfigDefaultOptions(TSpellOptions());
  engine->Configuration()->SetConfigLoaded(true);
  EXPECT_FALSE(engine->PromptRepeated());
  EXPECT_EQ(engine->FilterCount(), 0);
}

TEST_F(SpellBase, MainDictionaryWithMostHitsMovesToTheFront) {
  CompileMain(folder.File("Second.vlm"), {"alpha", "beta", "gamma"});
  engine->SetConfigDefaultMain(List({"Test.vlm", "Second.vlm"}));
  std::string text;
  for (int i = 0; i < 40; ++i) text += "alpha beta gamma ";
  engine->CheckString(text);
  ASSERT_EQ(engine->MainDictionaryCount(), 2);
  EXPECT_EQ(engine->MainDictionaries(0)->SourcePath(), folder.File("Second.vlm"));
}

TEST_F(SpellBase, TiesKeepTheEarlierDictionaryFirst) {
  CompileMain(folder.File("Second.vlm"), {"alpha"});
  engine->SetConfigDefaultMain(List({"Test.vlm", "Second.vlm"}));
  engine->Configuration()->SetConfigLoaded(true);
  engine->ReorderMainDictionaries();
  EXPECT_EQ(engine->MainDictionaries(0)->SourcePath(), folder.File("Test.vlm"));
}

TEST_F(SpellBase, MissingOrCorruptMainDictionaryIsLeftOut) {
  Platform::WriteWholeFile(folder.File("Test.vlm"), "this is not a dictionary");
  CompileMain(folder.File("Good.vlm"), {"alpha"});
  std::string good;
  ASSERT_TRUE(Platform::ReadWholeFile(folder.File("Good.vlm"), good));
  Platform::WriteWholeFile(folder.File("Half.vlm"), good.substr(0, good.size() / 2));
  engine->SetConfigDefaultMain(List({"Test.vlm", "Missing.vlm", "Half.vlm"}));
  EXPECT_FALSE(engine->IsWordCorrect("cat"));
  EXPECT_FALSE(engine->IsWordCorrect("alpha"));
  EXPECT_TRUE(engine->IsWordCorrect("x"));
  EXPECT_TRUE(engine->IsWordCorrect("12"));
  script = {};
  std::string text = "cat alpha";
  engine->CheckString(text);
  EXPECT_EQ(prompts.size(), 2u);
}

TEST_F(SpellBase, MissingMainDictionariesAreReportedWithTheFoldersSearched) {
  const std::string gone = folder.File("elsewhere\\Gone.vlm");
  std::vector<std::string> names, folders;
  int reports = 0;
  engine->OnMainDictionariesMissing = [&](TVexlorSpell3Base* sender, const TStringList& n,
                                          const TStringList& f) {
    EXPECT_EQ(sender, engine.get());
    ++reports;
    names = n.ToVector();
    folders = f.ToVector();
  };
  engine->SetConfigDictionaryDir(List({folder.Path() + "\\", folder.File("more")}));
  engine->SetConfigDefaultMain(List({"Test.vlm", "Missing.vlm", gone}));
  EXPECT_EQ(engine->GetMissingMainDictionaries().ToVector(),
            (std::vector<std::string>{"Missing.vlm", gone}));
  EXPECT_EQ(reports, 1);
  EXPECT_EQ(names, (std::vector<std::string>{"Missing.vlm", gone}));
  EXPECT_EQ(folders, (std::vector<std::string>{folder.Path(), folder.File("more")}));
  EXPECT_EQ(engine->MainDictionaryCount(), 1);

  // Once the files are there and the set is rebuilt, nothing is missing.
  CompileMain(folder.File("Missing.vlm"), {"alpha"});
  engine->Configuration()->GetMainDictionaries().Delete(2);
  EXPECT_TRUE(engine->GetMissingMainDictionaries().Empty());
  EXPECT_EQ(reports, 1);
  EXPECT_TRUE(engine->IsWordCorrect("alpha"));
}

// Returns true when some file of the folder holds exactly these bytes.
bool FolderHoldsBytes(const TTempFolder& folder, const std::string& bytes) {
  for (const std::string& name : Platform::FindFiles(folder.File("*"))) {
    std::string data;
    if (Platform::ReadWholeFile(folder.File(name), data) && data == bytes) return true;
  }
  return false;
}

TEST_F(SpellBase, DamagedCustomDictionaryIsNeverReplacedByAnEmptyOne) {
  struct TCase {
    const char* name;
    std::string bytes;
  };
  std::string valid;
  {
    TCustomDictionary d;
    for (int i = 0; i < 50; ++i) d.AddIgnore("word" + std::to_string(i));
    valid = d.ContentImage();
  }
  for (const TCase& c : {TCase{"garbage", std::string("not a dictionary at all")},
                         TCase{"truncated", valid.substr(0, valid.size() - 40)},
                         TCase{"header only", valid.substr(0, 130)}}) {
    Platform::WriteWholeFile(folder.File("User.vlu"), c.bytes);
    auto e = MakeEngine();
    script = {DoAddStep()};
    std::string text = "zorbly";
    e->CheckString(text);
    e.reset();
    EXPECT_TRUE(FolderHoldsBytes(folder, c.bytes)) << c.name;
  }
}

TEST_F(SpellBase, CorruptConfigurationFileGivesDefaults) {
  Platform::WriteWholeFile(folder.File("Spell.cfg"), std::string("\0\xff[x\n_Main_count=zz\n=\n[", 22));
  auto e = MakeEngine(csFile);
  EXPECT_TRUE(e->IsWordCorrect("cat"));
  EXPECT_EQ(e->Configuration()->GetSpellOptions(), e->ConfigDefaultOptions());
}

TEST_F(SpellBase, ConfigurationPersistsAcrossInstancesThroughTheFile) {
  {
    auto e = MakeEngine(csFile);
    e->Configuration()->SetConfigLoaded(true);
    e->Configuration()->SetSpellOptions(TSpellOptions{soUpcase, soNumbers});
    script = {DoAddStep()};
    std::string text = "zorbly";
    e->CheckString(text);
  }
  auto e = MakeEngine(csFile);
  EXPECT_EQ(e->Configuration()->GetSpellOptions(), (TSpellOptions{soUpcase, soNumbers}));
  EXPECT_TRUE(e->IsWordCorrect("zorbly"));
  EXPECT_TRUE(e->IsWordCorrect("NASA"));
}

TEST_F(SpellBase, TwoComponentsEditingOneCustomDictionaryKeepBothChanges) {
  auto first = MakeEngine();
  auto second = MakeEngine();
  // Both have read the (empty) dictionary before either writes.
  EXPECT_FALSE(first->IsWordCorrect("zorbly"));
  EXPECT_FALSE(second->IsWordCorrect("quuxly"));
  script = {DoAddStep()};
  std::string a = "zorbly";
  first->CheckString(a);
  script = {DoAddStep()};
  std::string b = "quuxly";
  second->CheckString(b);
  first.reset();
  second.reset();
  auto third = MakeEngine();
  EXPECT_TRUE(third->IsWordCorrect("zorbly"));
  EXPECT_TRUE(third->IsWordCorrect("quuxly"));
}

TEST_F(SpellBase, KeepDictionariesActiveKeepsMainDictionariesMapped) {
  engine->SetKeepDictionariesActive(true);
  Check("cat");
  ASSERT_EQ(engine->MainDictionaryCount(), 1);
  EXPECT_TRUE(engine->MainDictionaries(0)->Mapped());
  engine->SetKeepDictionariesActive(false);
  EXPECT_FALSE(engine->MainDictionaries(0)->Mapped());
  EXPECT_TRUE(engine->IsWordCorrect("cat"));  // usable again on the next look-up
}

TEST_F(SpellBase, NewDictionaryFolderReopensTheSet) {
  EXPECT_TRUE(engine->IsWordCorrect("cat"));
  engine->SetConfigDictionaryDir(List({folder.Sub("a")}));
  EXPECT_EQ(engine->MainDictionaryCount(), 0);
  EXPECT_FALSE(engine->IsWordCorrect("cat"));
}

TEST_F(SpellBase, MappingDictionaryNameReopens) {
  WriteCustom(folder.File("Map.vlu"), {}, {}, {{"color", "colour"}});
  engine->Configuration()->SetConfigLoaded(true);
  EXPECT_EQ(engine->MappingDictionary(), nullptr);
  engine->SetMappingDictionaryName("Map.vlu");
  ASSERT_NE(engine->MappingDictionary(), nullptr);
  EXPECT_TRUE(engine->IsWordExcluded("color"));
  engine->SetMappingDictionaryName("");
  EXPECT_EQ(engine->MappingDictionary(), nullptr);
}

TEST_F(SpellBase, SuggestionsComeFromTheDictionariesAndTheLearnedChoices) {
  TStringList list;
  engine->GetSuggestions("teh", list);
  ASSERT_FALSE(list.Empty());
  EXPECT_EQ(list[0], "the");
  engine->SetMaxSuggestions(1);
  engine->GetSuggestions("dgo", list);
  EXPECT_EQ(list.Count(), 1);
  engine->SetMaxSuggestions(-1);

  // A replacement chosen before comes first.
  ASSERT_NE(engine->LearningDictionary(), nullptr);
  engine->LearnReplacement("cta", "sat");
  engine->GetSuggestions("cta", list);
  ASSERT_FALSE(list.Empty());
  EXPECT_EQ(list[0], "sat");
}

TEST_F(SpellBase, SuggestionExistenceFollowsCaseAndPrimaryOnly) {
  WriteCustom(folder.File("User.vlu"), {"zorbly"});
  struct TCase {
    const char* word;
    bool exists, existsPrimaryOnly;
  };
  const TCase cases[] = {
      {"hello", true, true},   {"Hello", true, true},   {"HELLO", true, true},  {"Paris", true, true},
      {"paris", false, false}, {"PARIS", false, false}, {"dog's", true, true},  {"DOG'S", true, true},
      {"zorbly", true, false}, {"Zorbly", true, false}, {"helo", false, false}, {"", false, false},
  };
  for (bool primaryOnly : {false, true}) {
    engine->Configuration()->SetConfigLoaded(true);
    engine->Configuration()->SetSpellOptions(primaryOnly ? TSpellOptions{soPrimaryOnly} : TSpellOptions{});
    ASSERT_EQ(engine->PrimaryOnly(), primaryOnly);
    for (const auto& c : cases) {
      bool exists = !(primaryOnly ? c.existsPrimaryOnly : c.exists);
      engine->SuggestionWordExists(c.word, exists);
      EXPECT_EQ(exists, primaryOnly ? c.existsPrimaryOnly : c.exists) << c.word << " " << primaryOnly;
    }
  }
  // The whole candidate counts, not just the part before a zero byte.
  bool exists = true;
  engine->SuggestionWordExists(std::string("hello\0x", 7), exists);
  EXPECT_FALSE(exists);
}

TEST_F(SpellBase, CapitalisedMisspellingListsEachSuggestionOnce) {
  TStringList list;
  engine->GetSuggestions("Isin", list);
  const std::vector<std::string> entries = list.ToVector();
  EXPECT_EQ(std::count(entries.begin(), entries.end(), "Is in"), 1);
  for (const std::string& entry : entries)
    EXPECT_EQ(std::count(entries.begin(), entries.end(), entry), 1) << entry;
}

TEST_F(SpellBase, ChangeRecordsTheReplacementForLearning) {
  script = {[](TVexlorSpell3Base* e) { e->Change("cat"); }};
  Check("cta");
  std::string learned;
  ASSERT_NE(engine->LearningDictionary(), nullptr);
  EXPECT_TRUE(engine->LearningDictionary()->LookupAutoCorrect("cta", learned));
  EXPECT_EQ(learned, "cat");
  EXPECT_TRUE(engine->LearningDictionary()->HasIgnore("cat"));
}

TEST_F(SpellBase, LearnedReplacementsCorrectAutomaticallyWhenAsked) {
  engine->Configuration()->SetConfigLoaded(true);
  engine->LearnReplacement("cta", "cat");
  EXPECT_EQ(Check("cta"), "cta");
  engine->SetSuggestionsAutoReplace(true);
  prompts.clear();
  EXPECT_EQ(Check("cta"), "cat");
  EXPECT_TRUE(prompts.empty());
}

TEST_F(SpellBase, StringsComeFromTheTableAndTheHost) {
  std::string text;
  engine->GetString(lsSpellDialogCaption, text);
  EXPECT_EQ(text, "Spelling");
  engine->OnGetString = [](TVexlorSpell3Base*, TSpellLanguageString id, std::string& t) {
    if (id == lsSpellDialogCaption) t = "Rechtschreibung";
  };
  engine->GetString(lsSpellDialogCaption, text);
  EXPECT_EQ(text, "Rechtschreibung");
}

TEST_F(SpellBase, PopupMenuReportsTheChosenEntry) {
  engine->Configuration()->SetConfigLoaded(true);
  std::vector<std::string> captions;
  engine->OnPopupDoMenu = [&](TVexlorSpell3Base*, TPopupMenu* menu, int32_t, int32_t, int32_t& action,
                              std::string& word) {
    for (int i = 0; i < menu->Count(); ++i) {
      TMenuItem* item = menu->Items(i);
      captions.push_back(item->Caption + (item->Enabled ? "" : " (off)"));
    }
    action = 7;
    word = "the";
  };
  std::string word = "teh";
  TSpellPopupOption result =
      engine->ShowPopupMenu(nullptr, TSpellPopupOptions{spReplace, spIgnore, spAdd}, 0, 0, word);
  EXPECT_EQ(result, spReplace);
  EXPECT_EQ(word, "the");
  ASSERT_GE(captions.size(), 4u);
  EXPECT_EQ(captions[0], "the");
  EXPECT_FALSE(engine->PopupActive());

  engine->OnPopupDoMenu = nullptr;
  word = "qqqqqq";
  EXPECT_EQ(engine->ShowPopupMenu(nullptr, TSpellPopupOptions{spReplace}, 0, 0, word), spCancel);
}

}  // namespace
