// Tests of the phonetic rule tree and encoder: the built-in English, Russian
// and generic rule sets, the prefix, budget and duplicate rules,
// AcceptDistance.
#include "vl3PhoneticsMap.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

namespace {

constexpr uint32_t kEnglishUS = 0x0409;
constexpr uint32_t kRussian = 0x0419;
constexpr uint32_t kGerman = 0x0407;

struct TCodeCase {
  const char* word;
  const char* code;
};

std::string CodeOf(uint32_t language, const std::string& word, int depth = 2) {
  TPhoneticsMap map;
  map.SetLanguage(language);
  map.SetDepth(depth);
  return map.Encode(word);
}

TEST(PhoneticsMap, DefaultsBeforeAnyLanguage) {
  TPhoneticsMap map;
  EXPECT_EQ(map.Language(), 0xFFFFFFFFu);
  EXPECT_EQ(map.Depth(), 2);
  EXPECT_EQ(map.Divisor(), 2);
  EXPECT_EQ(map.MaxDistance(), 4);
  EXPECT_EQ(map.Limit(), 6);
  EXPECT_TRUE(map.RemoveDuplicates());
  EXPECT_FALSE(map.HasChildren());
  // No rules: everything after the prefix is dropped.
  EXPECT_EQ(map.Encode("phone"), "ph");
}

TEST(PhoneticsMap, EnglishCodes) {
  const TCodeCase cases[] = {
      {"phone", "phn"},
      {"fone", "fon"},
      {"thomas", "thms"},
      {"night", "nit"},
      {"knight", "knt"},
      {"jelly", "jel"},
      {"Philosophy", "phlsf"},
      {"special", "spxl"},
      {"edge", "edj"},
      {"school", "schl"},
      {"laugh", "la"},
      {"Xerox", "xerks"},
      {"abbey", "ab"},
      {"bakck", "bakk"},
      {"a", "a"},
      {"A", "a"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(CodeOf(kEnglishUS, c.word), c.code) << c.word;
}

TEST(PhoneticsMap, EnglishRulesDependOnLowByteOnly) {
  EXPECT_EQ(CodeOf(0x0809, "phone"), "phn");  // British English
  EXPECT_EQ(CodeOf(0x0009, "thomas"), "thms");
}

TEST(PhoneticsMap, BudgetLimitsCodeAfterPrefix) {
  // Six code characters after the prefix, then the rest is left.
  EXPECT_EQ(CodeOf(kEnglishUS, "aabdfklmnprst"), "aabtfklm");
  // A two-character replacement as the last step may overrun by one.
  EXPECT_EQ(CodeOf(kEnglishUS, "aabdfklx"), "aabtfklks");
}

TEST(PhoneticsMap, PrefixFollowsDepth) {
  // The prefix hides the "p" of "ph", so "h" is coded on its own.
  EXPECT_EQ(CodeOf(kEnglishUS, "phone", 1), "phn");
  EXPECT_EQ(CodeOf(kEnglishUS, "sphere", 1), "sfr");
  EXPECT_EQ(CodeOf(kEnglishUS, "phone", 4), "phon");
  EXPECT_EQ(CodeOf(kEnglishUS, "Pho", 5),
            "pho");  // shorter than the depth: itself, lower-cased
}

TEST(PhoneticsMap, SetDepthIgnoresValuesBelowOne) {
  TPhoneticsMap map;
  map.SetDepth(3);
  map.SetDepth(0);
  EXPECT_EQ(map.Depth(), 3);
  map.SetDepth(-5);
  EXPECT_EQ(map.Depth(), 3);
  map.SetDepth(1);
  EXPECT_EQ(map.Depth(), 1);
}

TEST(PhoneticsMap, GenericCodes) {
  const TCodeCase cases[] = {
      {"phone", "phm"},
      {"wasser", "wakr"},
      {"test", "tekd"},
      {"Bavaria", "babr"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CodeOf(0, c.word), c.code) << c.word;
    EXPECT_EQ(CodeOf(kGerman, c.word), c.code) << c.word;
  }
}

TEST(PhoneticsMap, RussianCodes) {
  const TCodeCase cases[] = {
      // moloko: l -> l', o -> a, k -> g
      {"\xEC\xEE\xEB\xEE\xEA\xEE", "\xEC\xEE\xEB\xFC\xE0\xE3\xE0"},
      // upper case is lowered first
      {"\xCC\xCE\xCB\xCE\xCA\xCE", "\xEC\xEE\xEB\xFC\xE0\xE3\xE0"},
      // Latin letters use the generic rules that follow the Russian ones
      {"test", "tekd"},
      // double n collapses with a two-character rule
      {"\xE0\xE0\xED\xED\xE0", "\xE0\xE0\xED"},
      // sch -> shch
      {"\xE0\xE0\xF1\xF7", "\xE0\xE0\xF9"},
  };
  for (const auto& c : cases) EXPECT_EQ(CodeOf(kRussian, c.word), c.code) << c.word;
}

TEST(PhoneticsMap, RussianThreeLetterRuleConsumesAll) {
  // korova with depth 1: oro -> ora, v -> v', final a dropped.
  EXPECT_EQ(CodeOf(kRussian, "\xEA\xEE\xF0\xEE\xE2\xE0", 1), "\xEA\xEE\xF0\xE0\xE2\xFC");
}

TEST(PhoneticsMap, EnglishLacksGenericRules) {
  TPhoneticsMap map;
  map.SetLanguage(kEnglishUS);
  std::string replacement;
  int consumed = 0;
  EXPECT_FALSE(map.MatchRule("e", 1, replacement, consumed));
  map.SetLanguage(0);
  EXPECT_FALSE(map.MatchRule("e", 1, replacement, consumed));
  EXPECT_TRUE(map.MatchRule("v", 1, replacement, consumed));
  EXPECT_EQ(replacement, "b");
}

TEST(PhoneticsMap, MatchRuleFindsLongestSource) {
  TPhoneticsMap map;
  map.SetLanguage(kEnglishUS);
  struct TMatchCase {
    const char* word;
    int position;
    bool matched;
    const char* replacement;
    int consumed;
  };
  const TMatchCase cases[] = {
      {"cia", 1, true, "x", 1},  {"cat", 1, true, "k", 1},  {"chat", 1, true, "x", 2},
      {"tcha", 1, true, "x", 3}, {"xtch", 2, true, "x", 3}, {"ght", 1, true, "", 2},
      {"gha", 1, true, "k", 2},  {"e", 1, false, "", 0},    {"cia", 4, false, "", 0},
      {"cia", 0, false, "", 0},  {"ahe", 1, true, "h", 2},  {"ah", 1, true, "", 2},
  };
  for (const auto& c : cases) {
    std::string replacement = "unchanged";
    int consumed = -1;
    bool matched = map.MatchRule(c.word, c.position, replacement, consumed);
    EXPECT_EQ(matched, c.matched) << c.word << " at " << c.position;
    if (matched) {
      EXPECT_EQ(replacement, c.replacement) << c.word;
      EXPECT_EQ(consumed, c.consumed) << c.word;
    }
  }
}

TEST(PhoneticsMap, AddRuleReplacesRuleWithSameSource) {
  TReplaceNode root;
  root.AddRule("ab", "x", 2);
  root.AddRule("ab", "yz", 1);
  std::string replacement;
  int consumed = 0;
  ASSERT_TRUE(root.MatchRule("abc", 1, replacement, consumed));
  EXPECT_EQ(replacement, "yz");
  EXPECT_EQ(consumed, 1);
  EXPECT_TRUE(root.HasChildren());
  // "a" alone is only an inner node.
  EXPECT_FALSE(root.MatchRule("ac", 1, replacement, consumed));
}

TEST(PhoneticsMap, ClearRulesForgetsEverything) {
  TPhoneticsMap map;
  map.SetLanguage(kEnglishUS);
  map.ClearRules();
  EXPECT_FALSE(map.HasChildren());
  EXPECT_EQ(map.Encode("phone"), "ph");
  map.ClearRules();  // a second clear is harmless
}

TEST(PhoneticsMap, SameLanguageKeepsHostRules) {
  TPhoneticsMap map;
  map.SetLanguage(kEnglishUS);
  map.AddRule("o", "o", 1);
  EXPECT_EQ(map.Encode("phone"), "phon");
  map.SetLanguage(kEnglishUS);
  EXPECT_EQ(map.Encode("phone"), "phon");
  map.SetLanguage(0);
  map.SetLanguage(kEnglishUS);
  EXPECT_EQ(map.Encode("phone"), "phn");
}

TEST(PhoneticsMap, SilentRuleAddsNothing) {
  TPhoneticsMap map;
  map.SetLanguage(kEnglishUS);
  EXPECT_EQ(map.Encode("nught"), "nut");
  // The silent "gh" leaves the last code character as it was.
  EXPECT_EQ(map.Encode("ntght"), "nt");
  map.SetRemoveDuplicates(false);
  EXPECT_EQ(map.Encode("jelly"), "jell");
}

TEST(PhoneticsMap, DuplicateTestOnlyForOneCharacterSteps) {
  TPhoneticsMap map;
  map.SetLanguage(kEnglishUS);
  EXPECT_EQ(map.Encode("bakck"), "bakk");  // "ck" consumes two: kept
  EXPECT_EQ(map.Encode("bakkk"), "bak");   // single k repeats: dropped
}

TEST(PhoneticsMap, MalformedHostRulesStillTerminate) {
  TPhoneticsMap map;
  map.AddRule("a", "q", 0);   // consumes nothing
  map.AddRule("bc", "r", 9);  // consumes more than there is
  EXPECT_EQ(map.Encode("xxaaa"), "xxqqq");
  EXPECT_EQ(map.Encode("xxbc"), "xxr");
  EXPECT_EQ(map.Encode(std::string("xx\0a", 4)), std::string("xxq"));
}

// A host may add a rule of any length: matching, encoding and freeing it
// must not recurse once per character.
TEST(PhoneticsMap, VeryLongHostRulesNeitherOverflowTheStackNorLeak) {
  const std::string source(200000, 'q');
  auto map = std::make_unique<TPhoneticsMap>();
  map->SetLanguage(kEnglishUS);
  map->AddRule(source, "Q", static_cast<int>(source.size()));
  std::string replacement;
  int consumed = 0;
  ASSERT_TRUE(map->MatchRule(source + "x", 1, replacement, consumed));
  EXPECT_EQ(replacement, "Q");
  EXPECT_EQ(consumed, 200000);
  EXPECT_EQ(map->Encode("ab" + source), "abQ");
  map->ClearRules();
  EXPECT_FALSE(map->MatchRule(source, 1, replacement, consumed));
  map->AddRule(source, "Q", 1);
  map.reset();  // the destructor frees the chain too
}

TEST(PhoneticsMap, EncodeIntoReusesBuffer) {
  TPhoneticsMap map;
  map.SetLanguage(kEnglishUS);
  std::string code = "leftover text";
  map.Encode("thomas", 6, code);
  EXPECT_EQ(code, "thms");
  map.Encode(nullptr, 0, code);
  EXPECT_EQ(code, "");
}

TEST(PhoneticsMap, AcceptDistance) {
  struct TCase {
    int wordLength, divisor, maxDistance, distance;
    bool accepted;
  };
  const TCase cases[] = {
      {7, 2, 4, 0, true},   {7, 2, 4, 3, true},  {7, 2, 4, 4, false}, {10, 2, 4, 4, true},
      {10, 2, 4, 5, false}, {3, 1, 4, 3, true},  {3, 1, 4, 4, false}, {1, 2, 4, 0, true},
      {1, 2, 4, 1, false},  {9, 3, 2, 3, false}, {9, 3, 2, 2, true},  {5, 2, 4, -1, true},
  };
  for (const auto& c : cases) {
    TPhoneticsMap map;
    map.SetDivisor(c.divisor);
    map.SetMaxDistance(c.maxDistance);
    EXPECT_EQ(map.AcceptDistance(std::string(c.wordLength, 'w'), c.distance), c.accepted)
        << c.wordLength << "/" << c.divisor << " max " << c.maxDistance << " d " << c.distance;
  }
}

TEST(PhoneticsMap, DivisorBelowOneIsRejected) {
  TPhoneticsMap map;
  map.SetDivisor(0);
  EXPECT_EQ(map.Divisor(), 2);
  map.SetDivisor(-3);
  EXPECT_EQ(map.Divisor(), 2);
  EXPECT_TRUE(map.AcceptDistance("abcd", 2));
}

TEST(PhoneticsMap, CodesOfArbitraryBytesStayBounded) {
  uint32_t seed = 12345;
  auto next = [&seed] {
    seed = seed * 1103515245u + 12345u;
    return static_cast<char>(seed >> 16);
  };
  for (uint32_t language : {kEnglishUS, kRussian, 0u}) {
    TPhoneticsMap map;
    map.SetLanguage(language);
    std::string code;
    for (int round = 0; round < 2000; ++round) {
      std::string word(static_cast<size_t>(round % 40), '\0');
      for (char& c : word) c = next();
      map.Encode(word.data(), word.size(), code);
      EXPECT_LE(code.size(), std::min<size_t>(word.size(), 2) + 7);
    }
  }
}

}  // namespace
