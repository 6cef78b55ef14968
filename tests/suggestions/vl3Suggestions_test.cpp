// Tests of the suggestion generator (operation order, case rules, splits,
// limits), the edit distance and the ranking steps, against small word sets.
#include "vl3Suggestions.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "vl3Ansi.h"
#include "vl3PhoneticsMap.h"
#include "vl3StringList.h"

namespace {

// A word set standing in for the engine's existence test; records calls.
struct TFakeWords {
  std::set<std::string> words;
  std::vector<std::string> asked;
  bool record = false;
  TWordExistsTest Test() {
    return [this](const std::string& w) {
      if (record) asked.push_back(w);
      return words.count(w) != 0;
    };
  }
};

std::vector<std::string> Generate(const std::string& word, std::set<std::string> words,
                                  int maxCount = -1, int operations = kSuggestAllOperations) {
  TFakeWords fake;
  fake.words = std::move(words);
  TSuggestionsGenerator gen;
  if (operations != kSuggestAllOperations) gen.SetOperations(static_cast<uint8_t>(operations));
  TStringList list;
  gen.Generate(word, maxCount, fake.Test(), &list);
  return list.ToVector();
}

std::vector<std::string> GenerateWithCase(const std::string& word, std::set<std::string> words) {
  TFakeWords fake;
  fake.words = std::move(words);
  TSuggestionsGenerator gen;
  TStringList list;
  gen.GenerateWithCase(word, -1, fake.Test(), &list);
  return list.ToVector();
}

using TWords = std::vector<std::string>;

TEST(SuggestionsGenerator, CharacterSets) {
  const std::string& lower = TSuggestionsGenerator::LowerCaseSet();
  ASSERT_EQ(lower.size(), 67u);
  EXPECT_EQ(lower.substr(0, 4), "'abc");
  EXPECT_EQ(lower.substr(27, 4), "\xD7\xDE\xDF\xE0");
  EXPECT_EQ(lower.substr(62), "\xB8\xA8\xB9\xB3\xBF");
  const std::string& full = TSuggestionsGenerator::FullSet();
  ASSERT_EQ(full.size(), 122u);
  EXPECT_EQ(full.substr(26, 3), "zAB");
  EXPECT_EQ(full.substr(53, 2), "\xC0\xC1");
  EXPECT_EQ(full.substr(116, 6), "\xFF\xB8\xA8\xB9\xB3\xBF");
  const std::string& czech = TSuggestionsGenerator::CzechAdditions();
  ASSERT_EQ(czech.size(), 30u);
  EXPECT_EQ(czech.front(), '\xE1');
  EXPECT_EQ(czech.back(), '\x8E');
}

TEST(SuggestionsGenerator, ConstructorDefaults) {
  TSuggestionsGenerator gen;
  EXPECT_EQ(gen.Language(), 0u);
  EXPECT_EQ(gen.StartSet(), TSuggestionsGenerator::FullSet());
  EXPECT_TRUE(gen.DefaultOperations());
  EXPECT_EQ(gen.Operations(), kSuggestAllOperations);
}

TEST(SuggestionsGenerator, CzechAppendsStartLettersOnEveryChangeToCzech) {
  TSuggestionsGenerator gen;
  const size_t base = TSuggestionsGenerator::FullSet().size();
  gen.SetLanguage(kLanguageCzech);
  EXPECT_EQ(gen.StartSet().size(), base + 30);
  gen.SetLanguage(kLanguageCzech);  // unchanged language: nothing happens
  EXPECT_EQ(gen.StartSet().size(), base + 30);
  gen.SetLanguage(0x0409);
  EXPECT_EQ(gen.StartSet().size(), base + 30);
  gen.SetLanguage(kLanguageCzech);
  EXPECT_EQ(gen.StartSet().size(), base + 60);
}

TEST(SuggestionsGenerator, CzechStartLetterReplacesFirstCharacter) {
  // S caron (0x8A) lies outside the full set's 0xC0-0xFF block.
  TFakeWords fake;
  fake.words = {"\x8Akoda"};
  TSuggestionsGenerator gen;
  TStringList list;
  gen.Generate("Xkoda", -1, fake.Test(), &list);
  EXPECT_TRUE(list.Empty());
  gen.SetLanguage(kLanguageCzech);
  gen.Generate("Xkoda", -1, fake.Test(), &list);
  EXPECT_EQ(list.ToVector(), TWords{"\x8Akoda"});
}

TEST(SuggestionsGenerator, OperationSettings) {
  TSuggestionsGenerator gen;
  gen.SetOperations(kSuggestSwaps | kSuggestSplits);
  EXPECT_FALSE(gen.DefaultOperations());
  EXPECT_EQ(gen.Operations(), kSuggestSwaps | kSuggestSplits);
  gen.SetLanguage(0x0407);  // re-applies the (false) default flag: set unchanged
  EXPECT_EQ(gen.Operations(), kSuggestSwaps | kSuggestSplits);
  gen.SetDefaultOperations(true);
  EXPECT_EQ(gen.Operations(), kSuggestAllOperations);
}

TEST(SuggestionsGenerator, AdjacentSwapFromTheEndComesFirst) {
  EXPECT_EQ(Generate("teh", {"eth", "the"}), (TWords{"the", "eth"}));
}

TEST(SuggestionsGenerator, SwapLimitsByWordLength) {
  EXPECT_EQ(Generate("ot", {"to"}, -1, kSuggestSwaps), TWords{});
  EXPECT_EQ(Generate("abc", {"cba"}, -1, kSuggestSwaps), TWords{});
  EXPECT_EQ(Generate("abcd", {"cbad", "adcb"}, -1, kSuggestSwaps), (TWords{"adcb", "cbad"}));
}

TEST(SuggestionsGenerator, OperationsRunInFixedOrder) {
  const std::set<std::string> words = {"abced", "abcdex", "abce", "abcdz", "abedc", "ab", "cde"};
  EXPECT_EQ(Generate("abcde", words),
            (TWords{"abced", "abcdex", "abce", "abcdz", "abedc", "ab cde"}));
}

TEST(SuggestionsGenerator, DisabledOperationsAreSkipped) {
  const std::set<std::string> words = {"abced", "abcdex", "abce", "abcdz", "abedc", "ab", "cde"};
  EXPECT_EQ(Generate("abcde", words, -1, kSuggestDeletions | kSuggestSubstitutions),
            (TWords{"abce", "abcdz"}));
  EXPECT_EQ(Generate("abcde", words, -1, 0), TWords{});
}

TEST(SuggestionsGenerator, InsertionsFromTheEndThenStartSet) {
  EXPECT_EQ(Generate("ac", {"abc", "acb", "bac"}, -1, kSuggestInsertions),
            (TWords{"acb", "abc", "bac"}));
}

TEST(SuggestionsGenerator, CandidateOrderWithinPosition) {
  // Same position: the set's order (apostrophe, then a..z).
  EXPECT_EQ(Generate("ca", {"caz", "cab", "ca'"}, -1, kSuggestInsertions),
            (TWords{"ca'", "cab", "caz"}));
}

TEST(SuggestionsGenerator, DeletionsFromTheEnd) {
  EXPECT_EQ(Generate("abcd", {"abc", "bcd", "acd"}, -1, kSuggestDeletions),
            (TWords{"abc", "acd", "bcd"}));
}

TEST(SuggestionsGenerator, SubstitutionsFromTheEndThenFirstCharacter) {
  EXPECT_EQ(Generate("cat", {"bat", "cot", "car"}, -1, kSuggestSubstitutions),
            (TWords{"car", "cot", "bat"}));
}

TEST(SuggestionsGenerator, LowerCaseWordTriesOnlyLowerCaseInside) {
  EXPECT_EQ(Generate("ab", {"abC"}), TWords{});
  EXPECT_EQ(Generate("AB", {"ABC"}), TWords{"ABC"});
}

TEST(SuggestionsGenerator, CapitalisedFormSkippedWhenLowerCaseExists) {
  EXPECT_EQ(Generate("aris", {"Paris", "paris"}), TWords{"paris"});
  EXPECT_EQ(Generate("aris", {"Paris"}), TWords{"Paris"});
}

TEST(SuggestionsGenerator, MixedCaseCandidateRejected) {
  EXPECT_EQ(Generate("McDonld", {"McDonald"}), TWords{});
  EXPECT_EQ(Generate("NASAa", {"NASA"}), TWords{"NASA"});
}

TEST(SuggestionsGenerator, ExactDuplicatesAddedOnce) {
  // "hello" comes from inserting "l" at two positions.
  EXPECT_EQ(Generate("helo", {"hello"}), TWords{"hello"});
}

TEST(SuggestionsGenerator, CaseVariantsAreDistinctButNeverRepeated) {
  EXPECT_EQ(GenerateWithCase("Xello", {"hello", "Hello"}), (TWords{"hello", "Hello"}));

  // "Hello" and "HELLO" are both listed; a later "HELLO" must not be added
  // again just because the first entry equal ignoring case is "Hello".
  TFakeWords fake;
  fake.words = {"HELLO"};
  TSuggestionsGenerator gen;
  gen.SetOperations(kSuggestDeletions);
  TStringList list;
  list.Add("Hello");
  list.Add("HELLO");
  gen.Generate("HELLLO", -1, fake.Test(), &list);
  EXPECT_EQ(list.ToVector(), (TWords{"Hello", "HELLO"}));
}

TEST(SuggestionsGenerator, ShortCandidatesNeverReachTheTest) {
  TFakeWords fake;
  fake.record = true;
  TSuggestionsGenerator gen;
  TStringList list;
  gen.Generate("ab", -1, fake.Test(), &list);
  ASSERT_FALSE(fake.asked.empty());
  for (const auto& w : fake.asked) EXPECT_GE(w.size(), 2u) << w;
}

TEST(SuggestionsGenerator, SplitsKeepTwoCharactersEachSide) {
  TFakeWords fake;
  fake.record = true;
  fake.words = {"al", "ot"};
  TSuggestionsGenerator gen;
  gen.SetOperations(kSuggestSplits);
  TStringList list;
  gen.Generate("alot", -1, fake.Test(), &list);
  EXPECT_EQ(fake.asked, (TWords{"al", "ot"}));
  EXPECT_EQ(list.ToVector(), TWords{"al ot"});
  EXPECT_EQ(Generate("inthe", {"in", "the", "int", "he"}, -1, kSuggestSplits),
            (TWords{"in the", "int he"}));
  EXPECT_EQ(Generate("abc", {"a", "b", "c", "ab", "bc"}, -1, kSuggestSplits), TWords{});
}

TEST(SuggestionsGenerator, MissingSpaceAfterFullStop) {
  struct TCase {
    const char* word;
    std::set<std::string> words;
    TWords expected;
  };
  const TCase cases[] = {
      {"end.The", {"end", "The"}, {"end.  The"}},
      {"end.the", {"end", "the"}, {}},             // no capital after the stop
      {"end.The", {"end"}, {}},                    // second part unknown
      {".The", {"", "The"}, {}},                   // nothing before the stop
      {"end.", {"end", ""}, {}},                   // nothing after it
      {"a.b.The", {"a.b", "The"}, {"a.b.  The"}},  // the last stop counts
      {"end.2", {"end", "2"}, {"end.  2"}},        // digits equal their upper case
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Generate(c.word, c.words, -1, kSuggestSplits), c.expected) << c.word;
  }
}

TEST(SuggestionsGenerator, RunStopsOnceListExceedsMaximum) {
  const std::set<std::string> words = {"bat", "cat", "eat", "fat", "hat",
                                       "mat", "oat", "pat", "rat"};
  EXPECT_EQ(Generate("xat", words, 3).size(), 4u);
  EXPECT_EQ(Generate("xat", words, 1).size(), 2u);
  EXPECT_EQ(Generate("xat", words, -1).size(), words.size());
}

TEST(SuggestionsGenerator, NothingForUnusableArguments) {
  TFakeWords fake;
  fake.record = true;
  fake.words = {"bat"};
  TSuggestionsGenerator gen;
  TStringList list;
  gen.Generate("", -1, fake.Test(), &list);
  gen.Generate("cat", 0, fake.Test(), &list);
  gen.Generate("cat", -2, fake.Test(), &list);
  gen.Generate(std::string(251, 'a'), -1, fake.Test(), &list);
  gen.Generate("cat", -1, TWordExistsTest(), &list);
  gen.Generate("cat", -1, fake.Test(), nullptr);
  EXPECT_TRUE(fake.asked.empty());
  EXPECT_TRUE(list.Empty());
  gen.Generate(std::string(250, 'a'), -1, fake.Test(), &list);
  EXPECT_FALSE(fake.asked.empty());
}

TEST(SuggestionsGenerator, StepsOutsideARunJustStop) {
  TSuggestionsGenerator gen;
  EXPECT_TRUE(gen.TryCandidate("word"));
  EXPECT_TRUE(gen.TryInsertions());
  EXPECT_TRUE(gen.TrySwaps(1));
  EXPECT_TRUE(gen.TryDeletions());
  EXPECT_TRUE(gen.TrySubstitutions());
  EXPECT_TRUE(gen.TrySplits());
}

TEST(SuggestionsGenerator, ExistingListEntriesCountTowardsMaximum) {
  TFakeWords fake;
  fake.words = {"bat", "cat"};
  TSuggestionsGenerator gen;
  TStringList list;
  list.Add("one");
  list.Add("two");
  gen.Generate("xat", 1, fake.Test(), &list);
  EXPECT_EQ(list.ToVector(), (TWords{"one", "two"}));
}

// Records the word of every run.
class TRecordingGenerator : public TSuggestionsGenerator {
 public:
  std::vector<std::string> runs;
  void Generate(const std::string& word, int maxCount, const TWordExistsTest& test,
                TStringList* list) override {
    runs.push_back(word);
    TSuggestionsGenerator::Generate(word, maxCount, test, list);
  }
};

TEST(SuggestionsGenerator, SecondRunOnNormalisedCase) {
  struct TCase {
    const char* word;
    TWords runs;
  };
  const TCase cases[] = {
      {"HEllo", {"HEllo", "Hello"}}, {"hELLO", {"hELLO", "hello"}}, {"Hello", {"Hello"}},
      {"hello", {"hello"}},          {"HELLO", {"HELLO"}},          {"123", {"123"}},
  };
  for (const auto& c : cases) {
    TRecordingGenerator gen;
    TFakeWords fake;
    TStringList list;
    gen.GenerateWithCase(c.word, -1, fake.Test(), &list);
    EXPECT_EQ(gen.runs, c.runs) << c.word;
  }
}

TEST(SuggestionsGenerator, MixedCaseWordGetsNormalisedSuggestions) {
  // "Hello" from the first run; "hello" only from the second.
  EXPECT_EQ(GenerateWithCase("HEllo", {"Hello", "hello"}), (TWords{"Hello", "hello"}));
  EXPECT_EQ(GenerateWithCase("hELLO", {"hello"}), TWords{"hello"});
}

// Accepts a word when it or its lower-case form is listed, as the engine does.
TWordExistsTest CaseInsensitiveTest(const std::set<std::string>& words) {
  return [&words](const std::string& w) {
    std::string lower(w);
    for (char& ch : lower) ch = Ansi::ToLower(ch);
    return words.count(w) != 0 || words.count(lower) != 0;
  };
}

TEST(SuggestionsGenerator, CapitalisedWordListsEachCandidateOnce) {
  const std::set<std::string> words = {"he", "lo", "hello", "helot"};
  TSuggestionsGenerator gen;
  TStringList list;
  gen.GenerateWithCase("Helo", -1, CaseInsensitiveTest(words), &list);
  EXPECT_EQ(list.ToVector(), (TWords{"Helot", "Hello", "He lo"}));
}

TEST(SuggestionsGenerator, SplitsDoNotRepeatListedEntries) {
  struct TCase {
    const char* word;
    std::set<std::string> words;
    TWords before, after;
  };
  const TCase cases[] = {
      {"inthe", {"in", "the"}, {"in the"}, {"in the"}},
      {"inthe", {"in", "the"}, {"In the"}, {"In the", "in the"}},  // exact repeats only
      {"end.The", {"end", "The"}, {"end.  The"}, {"end.  The"}},
  };
  for (const auto& c : cases) {
    TFakeWords fake;
    fake.words = c.words;
    TSuggestionsGenerator gen;
    gen.SetOperations(kSuggestSplits);
    TStringList list;
    for (const auto& entry : c.before) list.Add(entry);
    gen.Generate(c.word, -1, fake.Test(), &list);
    EXPECT_EQ(list.ToVector(), c.after) << c.word;
  }
}

TEST(SuggestionsGenerator, ArbitraryBytesGiveOnlyAcceptedWords) {
  // Every byte value is a word of two; whatever comes back must pass the test.
  uint32_t seed = 99;
  auto next = [&seed] {
    seed = seed * 1103515245u + 12345u;
    return static_cast<char>(seed >> 16);
  };
  TFakeWords fake;
  for (int c = 0; c < 256; ++c) fake.words.insert(std::string(2, static_cast<char>(c)));
  fake.words.insert(std::string("a\0", 2));
  TSuggestionsGenerator gen;
  gen.SetLanguage(kLanguageCzech);
  for (int round = 0; round < 300; ++round) {
    std::string word(static_cast<size_t>(1 + round % 7), '\0');
    for (char& ch : word) ch = next();
    TStringList list;
    gen.GenerateWithCase(word, round % 5 - 1, fake.Test(), &list);
    for (int i = 0; i < list.Count(); ++i) {
      const std::string& s = list[i];
      if (s.find(' ') != std::string::npos) continue;  // a split
      EXPECT_EQ(fake.words.count(s), 1u);
    }
  }
}

TEST(EditDistance, Cases) {
  struct TCase {
    std::string a, b;
    int distance;
  };
  const TCase cases[] = {
      {"ab", "ba", 1},
      {"abc", "abc", 0},
      {"aab", "aba", 1},
      {"", "", 0},
      {"", "abc", 3},
      {"abc", "", 3},
      {"kitten", "sitting", 3},
      {"teh", "the", 1},
      {"A", "a", 1},
      {"recieve", "receive", 1},
      {"abcd", "badc", 1},
      {"aa", "aa", 0},
      {"hello", "hallo", 1},
      {"ab", "abc", 1},
      {"acb", "abcd", 1},   // Levenshtein 2, one aligned swap
      {"abab", "baba", 0},  // two credits cancel the whole cost
      {std::string(255, 'a'), "a", 255},
      {"b", std::string(300, 'b'), 300},
      {std::string(254, 'a'), std::string(254, 'b'), 254},
      {std::string(254, 'a'), std::string(254, 'a'), 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(EditDistance(c.a, c.b), c.distance)
        << c.a.substr(0, 20) << " / " << c.b.substr(0, 20);
  }
}

TEST(EditDistance, HighBytesCompareAsBytes) {
  EXPECT_EQ(EditDistance("\xE9t\xE9", "\xC9t\xE9"), 1);
  EXPECT_EQ(EditDistance("\xFF\xFE", "\xFE\xFF"), 1);
}

TStringList Scored(const std::vector<std::pair<std::string, int>>& entries) {
  TStringList list;
  for (const auto& e : entries) list.AddObject(e.first, e.second);
  return list;
}

std::vector<std::pair<std::string, int>> Entries(const TStringList& list) {
  std::vector<std::pair<std::string, int>> r;
  for (int i = 0; i < list.Count(); ++i) r.emplace_back(list[i], static_cast<int>(list.Objects(i)));
  return r;
}

using TEntries = std::vector<std::pair<std::string, int>>;

TEST(SuggestionRanking, ScoresAreEditDistances) {
  TStringList list = Scored({{"the", 9}, {"hat", 9}, {"teh", 9}, {"tenth", 9}});
  ScoreSuggestions("teh", list);
  EXPECT_EQ(Entries(list), (TEntries{{"the", 1}, {"hat", 3}, {"teh", 0}, {"tenth", 2}}));
}

TEST(SuggestionRanking, DistantPhoneticMatchesDropped) {
  TPhoneticsMap map;  // divisor 2, maximum 4
  TStringList list = Scored({{"far", 5}, {"near", 1}, {"mid", 3}, {"far2", 4}, {"ok", 2}});
  DropDistantPhoneticMatches("abcdefg", map, list, 1);  // accepts distances 0..3
  EXPECT_EQ(Entries(list), (TEntries{{"far", 5}, {"near", 1}, {"mid", 3}, {"ok", 2}}));
}

TEST(SuggestionRanking, LearnedReplacementPromoted) {
  TStringList list = Scored({{"the", 1}, {"then", 2}});
  PromoteLearnedReplacement(list, "then");
  EXPECT_EQ(Entries(list), (TEntries{{"the", 1}, {"then", 0}}));
  PromoteLearnedReplacement(list,
                            "The");  // differs in case from "the": inserted
  EXPECT_EQ(Entries(list), (TEntries{{"The", 0}, {"the", 1}, {"then", 0}}));
}

TEST(SuggestionRanking, LearnedWordsWinTies) {
  TStringList list = Scored({{"the", 1}, {"then", 0}, {"tea", 2}});
  ApplyLearnedPreference(list, [](const std::string& w) { return w == "then" || w == "tea"; });
  EXPECT_EQ(Entries(list), (TEntries{{"the", 2}, {"then", -1}, {"tea", 3}}));
  ApplyLearnedPreference(list, nullptr);
  EXPECT_EQ(Entries(list), (TEntries{{"the", 4}, {"then", -2}, {"tea", 6}}));
}

TEST(SuggestionRanking, ExchangeSortOrder) {
  struct TCase {
    TEntries in, out;
  };
  const TCase cases[] = {
      {{{"a", 1}, {"b", 0}, {"c", 0}}, {{"b", 0}, {"c", 0}, {"a", 1}}},
      // equal scores can change places through a third entry
      {{{"x", 1}, {"y", 1}, {"z", 0}}, {{"z", 0}, {"y", 1}, {"x", 1}}},
      {{{"p", -1}, {"q", 3}, {"r", 2}}, {{"p", -1}, {"r", 2}, {"q", 3}}},
      {{}, {}},
      {{{"only", 7}}, {{"only", 7}}},
  };
  for (const auto& c : cases) {
    TStringList list = Scored(c.in);
    SortSuggestionsByScore(list);
    EXPECT_EQ(Entries(list), c.out);
  }
}

TEST(SuggestionRanking, TruncateToMaximum) {
  TStringList list = Scored({{"a", 0}, {"b", 1}, {"c", 2}, {"d", 3}});
  TruncateSuggestions(list, -1);
  EXPECT_EQ(list.Count(), 4);
  TruncateSuggestions(list, 3);
  EXPECT_EQ(list.ToVector(), (TWords{"a", "b", "c"}));
  TruncateSuggestions(list, 0);
  EXPECT_TRUE(list.Empty());
}

// The engine's ranking run end to end on generated candidates: at most
// MaxSuggestions entries survive although generation collected one more.
TEST(SuggestionRanking, MaximumThreeAfterRanking) {
  TFakeWords fake;
  fake.words = {"bat", "cat", "eat", "fat", "hat"};
  TSuggestionsGenerator gen;
  TStringList list;
  gen.GenerateWithCase("xat", 3, fake.Test(), &list);
  EXPECT_EQ(list.Count(), 4);
  ScoreSuggestions("xat", list);
  SortSuggestionsByScore(list);
  TruncateSuggestions(list, 3);
  EXPECT_EQ(list.Count(), 3);
}

// Equal scores keep the order of generation: insertions after the last
// letter are tried before those further in, so "Helot" precedes "Hello".
TEST(SuggestionRanking, EqualScoresKeepGenerationOrder) {
  const std::set<std::string> words = {"hello", "helot", "hole"};
  TSuggestionsGenerator gen;
  TStringList list;
  gen.GenerateWithCase("Helo", -1, CaseInsensitiveTest(words), &list);
  ScoreSuggestions("Helo", list);
  SortSuggestionsByScore(list);
  EXPECT_EQ(list.ToVector(), (TWords{"Helot", "Hello", "Hole"}));
}

TEST(SuggestionRanking, LearnedReplacementComesFirst) {
  TFakeWords fake;
  fake.words = {"form", "from", "farm"};
  TSuggestionsGenerator gen;
  TStringList list;
  gen.GenerateWithCase("frm", -1, fake.Test(), &list);
  ScoreSuggestions("frm", list);
  PromoteLearnedReplacement(list, "from");
  ApplyLearnedPreference(list, [](const std::string& w) { return w == "from"; });
  SortSuggestionsByScore(list);
  ASSERT_FALSE(list.Empty());
  EXPECT_EQ(list[0], "from");
  EXPECT_EQ(list.Objects(0), -1);
}

}  // namespace
