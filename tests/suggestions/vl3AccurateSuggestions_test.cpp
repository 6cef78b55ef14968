// Tests of the accurate suggestion mode: its cost model, the word counts
// beside a dictionary, the search of a compiled letter tree, the engine's
// switch between the modes and its storage, and vxspell's mode flag.
#include "vl3AccurateSuggestions.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "../engine/vl3SpellTestHost.h"
#include "vl3Ansi.h"
#include "vl3CommandLineChecker.h"
#include "vl3MainDictionary.h"
#include "vl3PhoneticsMap.h"
#include "vl3StringList.h"

namespace {

using spelltest::CompileMain;
using spelltest::List;
using spelltest::TTempFolder;
using TWords = std::vector<std::string>;

const TWords& EnglishWords() {
  static const TWords words = {
      "the",     "then",       "them",      "they",      "this",        "these",    "a",
      "in",      "at",         "cat",       "cut",       "cot",         "coat",     "receive",
      "relieve", "recipe",     "definitely", "defiantly", "accommodate", "acceptable",
      "letter",  "later",      "latter",    "Paris",     "parish",      "word",     "world",
      "sword",   "know",       "now",       "knew",      "write",       "rite",     "while",
      "whale",   "hello",      "help",      "colour",    "color",       "it's",     "its"};
  return words;
}

class AccurateSuggestions : public ::testing::Test {
 protected:
  void SetUp() override {
    path = folder.File("English.vlm");
    CompileMain(path, EnglishWords());
    dictionary.Open(path);
    ASSERT_EQ(dictionary.SourcePath(), path);
    for (const std::string& w : EnglishWords()) known.insert(w);
    suggester.SetLanguage(0x0409);
  }

  // Lower-case and capitalised forms pass, as the engine's test lets them.
  TWordExistsTest Exists() {
    return [this](const std::string& w) {
      if (rejected.count(w)) return false;
      if (known.count(w)) return true;
      std::string lower = Ansi::LowerCase(w);
      if (lower != w && known.count(lower)) return true;
      return !w.empty() && known.count(std::string(1, Ansi::ToLower(w[0])) + w.substr(1)) != 0;
    };
  }

  TWords Suggest(const std::string& word, int maxCount = 5, const TWords& userWords = {},
                 const TWordFrequencies* frequencies = nullptr) {
    TStringList results;
    suggester.Suggest(word, {&dictionary}, userWords, frequencies, nullptr, Exists(), maxCount,
                      results);
    return results.ToVector();
  }

  TTempFolder folder;
  std::string path;
  TMainDictionary dictionary;
  TAccurateSuggestions suggester;
  std::set<std::string> known;
  std::set<std::string> rejected;
};

TEST_F(AccurateSuggestions, CostsFollowHowPeopleMistype) {
  // Each pair: the cheaper slip first.
  struct TCase {
    const char* typed;
    const char* cheap;
    const char* dear;
  };
  const TCase cases[] = {
      {"leter", "letter", "later"},     // a doubled letter typed once beats a lost vowel
      {"teh", "the", "tea"},            // a swap beats a replacement
      {"definately", "definitely", "defiantly"},
      {"cet", "cat", "cut"},            // both vowels, but ...
      {"wprd", "word", "ward"},         // 'p' sits beside 'o'
      {"caf\xE9", "cafe", "cafes"},     // an accent is nearly free
  };
  for (const TCase& c : cases) {
    const int cheap = suggester.Cost(c.typed, c.cheap);
    const int dear = suggester.Cost(c.typed, c.dear);
    if (std::string(c.typed) == "cet") {
      EXPECT_EQ(cheap, dear) << c.typed;  // ... one vowel for another costs the same
    } else {
      EXPECT_LT(cheap, dear) << c.typed << ": " << c.cheap << " vs " << c.dear;
    }
  }
  EXPECT_EQ(suggester.Cost("word", "WORD"), 0);  // case is not an edit
  EXPECT_LT(suggester.Cost("teh", "the"), suggester.Cost("teh", "ten") + 1);
  EXPECT_GT(suggester.Cost("ord", "word"), suggester.Cost("wrd", "word"));  // the first letter counts
}

TEST_F(AccurateSuggestions, FindsAndRanksTheIntendedWord) {
  struct TCase {
    const char* typed;
    const char* first;
  };
  const TCase cases[] = {
      {"teh", "the"},          {"recieve", "receive"},     {"definately", "definitely"},
      {"accomodate", "accommodate"}, {"acceptible", "acceptable"}, {"Teh", "The"},
      {"THSI", "THIS"},        {"knwo", "know"},           {"paris", "Paris"},
      {"wrold", "world"},      {"itsa", "its"},            {"xThe", "The"},
  };
  for (const TCase& c : cases) {
    const TWords found = Suggest(c.typed);
    ASSERT_FALSE(found.empty()) << c.typed;
    EXPECT_EQ(found[0], c.first) << c.typed << ": " << ::testing::PrintToString(found);
  }
  // A missing space, the typed word itself never, and the limit.
  const TWords split = Suggest("inthe", 10);
  EXPECT_NE(std::find(split.begin(), split.end(), "in the"), split.end());
  for (const std::string& w : Suggest("cat", 10)) EXPECT_NE(w, "cat");
  EXPECT_EQ(Suggest("cxt", 2).size(), 2u);
  EXPECT_TRUE(Suggest("cxt", 0).empty());
  EXPECT_TRUE(Suggest("").empty());
  EXPECT_TRUE(Suggest(std::string(TAccurateSuggestions::kMaxWordLength + 1, 'a')).empty());
}

TEST_F(AccurateSuggestions, TheExistenceTestAndTheUsersWordsHaveTheirSay) {
  rejected.insert("cut");  // an excluded word is never offered
  for (const std::string& w : Suggest("cxt", 10)) EXPECT_NE(w, "cut");
  known.insert("zorbly");
  const TWords users = Suggest("zorbyl", 5, {"zorbly"});
  ASSERT_FALSE(users.empty());
  EXPECT_EQ(users[0], "zorbly");
}

TEST_F(AccurateSuggestions, CommonWordsComeFirstAmongEqualSlips) {
  EXPECT_EQ(Suggest("cxt", 3), (TWords{"cat", "cot", "cut"}));  // by cost, then alphabet
  TWordFrequencies counts;
  counts.Parse("cut 900\nCOT 5\nbad line\nnocount \ncat x\n\xFF 0\n", Ansi::LowerCaseTable(1252));
  EXPECT_EQ(counts.Count("cut"), 900u);
  EXPECT_EQ(counts.Count("cot"), 5u);  // kept under its lower-case form
  EXPECT_EQ(counts.Count("cat"), 0u);
  EXPECT_EQ(counts.MaxCount(), 900u);
  EXPECT_EQ(Suggest("cxt", 3, {}, &counts), (TWords{"cut", "cot", "cat"}));

  // The file lives beside the dictionary; a missing one leaves no counts.
  EXPECT_EQ(TWordFrequencies::PathFor("C:\\d.x\\English.vlm"), "C:\\d.x\\English.vlf");
  EXPECT_EQ(TWordFrequencies::PathFor("C:\\d.x\\English"), "C:\\d.x\\English.vlf");
  const std::string file = TWordFrequencies::PathFor(path);
  EXPECT_FALSE(counts.Load(file, nullptr));
  EXPECT_TRUE(counts.Empty());
  ASSERT_TRUE(Platform::WriteWholeFile(file, "cot 7\r\ncat 3\r\n"));
  ASSERT_TRUE(counts.Load(file, nullptr));
  EXPECT_EQ(counts.Count("cot"), 7u);
  EXPECT_EQ(Suggest("cxt", 1, {}, &counts), (TWords{"cot"}));
}

TEST(MainDictionaryTreeWalk, VisitsEveryWordAndSkipsWhatTheVisitorRefuses) {
  TTempFolder folder;
  const std::string path = folder.File("Walk.vlm");
  const TWords words = {"a", "an", "and", "ant", "bee", "beer", "been", "cat"};
  CompileMain(path, words);
  TMainDictionary dictionary;
  dictionary.Open(path);
  std::set<std::string> all;
  ASSERT_TRUE(dictionary.WalkLetterTree([&](const char* w, size_t from, size_t length, bool end) {
    EXPECT_LT(from, length);
    if (end) all.insert(std::string(w, from + 1));
    return true;
  }));
  EXPECT_EQ(all, std::set<std::string>(words.begin(), words.end()));
  std::set<std::string> pruned;
  dictionary.WalkLetterTree([&](const char* w, size_t from, size_t length, bool end) {
    if (end) pruned.insert(std::string(w, from + 1));
    return std::string(w, length).compare(0, 2, "be") != 0;  // nothing below "be"
  });
  EXPECT_EQ(pruned.count("bee"), 0u);
  EXPECT_EQ(pruned.count("cat"), 1u);
  TMainDictionary unopened;
  EXPECT_FALSE(unopened.WalkLetterTree([](const char*, size_t, size_t, bool) { return true; }));
}

class SuggestionModes : public spelltest::TEngineFixture {};

TEST_F(SuggestionModes, TheEngineSwitchesModesAndTheConfigurationKeepsTheChoice) {
  // The standard mode stays the default; the accurate one finds more.
  TStringList list;
  EXPECT_EQ(engine->SuggestionMode(), smStandard);
  engine->GetSuggestions("qiukc", list);
  EXPECT_EQ(list.IndexOf("quick"), -1);  // two swaps from the word: beyond the standard mode
  engine->SetSuggestionMode(smAccurate);
  EXPECT_EQ(engine->SuggestionMode(), smAccurate);
  engine->GetSuggestions("qiukc", list);
  ASSERT_FALSE(list.Empty());
  EXPECT_EQ(list[0], "quick");
  engine->GetSuggestions("Teh", list);
  ASSERT_FALSE(list.Empty());
  EXPECT_EQ(list[0], "The");

  // What the user chose before comes first in this mode too.
  engine->LearnReplacement("cta", "sat");
  engine->GetSuggestions("cta", list);
  ASSERT_FALSE(list.Empty());
  EXPECT_EQ(list[0], "sat");
  engine->SetMaxSuggestions(2);
  engine->GetSuggestions("dgo", list);
  EXPECT_LE(list.Count(), 2);
  engine->SetMaxSuggestions(-1);

  // Saved with the configuration and read back; a file written before the
  // mode existed reads as standard, and so does a value we do not know.
  auto stored = MakeEngine(csFile);
  stored->SetSuggestionMode(smAccurate);
  ASSERT_TRUE(stored->Configuration()->Save());
  stored.reset();
  std::string text;
  ASSERT_TRUE(Platform::ReadWholeFile(folder.File("Spell.cfg"), text));
  EXPECT_NE(text.find("_SuggestionMode=Accurate"), std::string::npos);
  stored = MakeEngine(csFile);
  EXPECT_EQ(stored->SuggestionMode(), smAccurate);
  stored.reset();
  for (const char* replacement : {"", "_SuggestionMode=Fancy\r\n"}) {
    std::string older = text;
    const size_t at = older.find("_SuggestionMode=Accurate\r\n");
    ASSERT_NE(at, std::string::npos);
    older.replace(at, std::strlen("_SuggestionMode=Accurate\r\n"), replacement);
    ASSERT_TRUE(Platform::WriteWholeFile(folder.File("Spell.cfg"), older));
    stored = MakeEngine(csFile);
    EXPECT_EQ(stored->SuggestionMode(), smStandard) << replacement;
    stored.reset();
  }
  // A fresh configuration takes the host's default.
  auto fresh = MakeEngine(csNone);
  fresh->SetConfigDefaultSuggestionMode(smAccurate);
  EXPECT_EQ(fresh->SuggestionMode(), smAccurate);
}

TEST(VxspellSuggestionMode, AccurateUnlessToldStandard) {
  struct TCase {
    std::vector<std::string> args;
    bool ok;
    TSuggestionMode mode;
  };
  const TCase cases[] = {
      {{"-a"}, true, smAccurate},
      {{"-a", "--suggestions", "standard"}, true, smStandard},
      {{"-a", "--suggestions=Standard"}, true, smStandard},
      {{"-a", "--suggestions=standard", "--suggestions=accurate"}, true, smAccurate},
      {{"-a", "--suggestions"}, false, smAccurate},
      {{"-a", "--suggestions=fast"}, false, smAccurate},
  };
  for (const TCase& c : cases) {
    TCheckerSettings settings;
    TCheckerMode mode = cmNone;
    std::vector<std::string> files;
    std::string error;
    EXPECT_EQ(ParseCommandLine(c.args, settings, mode, files, error), c.ok) << c.args.back();
    if (c.ok) {
      EXPECT_EQ(settings.Suggestions, c.mode) << c.args.back();
    } else {
      EXPECT_NE(error.find("suggestion"), std::string::npos) << error;
    }
  }
}

}  // namespace
