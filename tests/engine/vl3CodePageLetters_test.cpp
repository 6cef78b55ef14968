// Letters of the code pages 1250, 1251 and 1252 are word characters: the
// component checks words such as "Łódź", "Čeština", "ёлка" and "cœur" whole
// against dictionaries in their code page (compiled by the build), suggests
// them, and the thesaurus takes them whole from under the caret.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "vl3Ansi.h"
#include "vl3Codepage.h"
#include "vl3Ignore.h"
#include "vl3ParseEngine.h"
#include "vl3SpellTestHost.h"
#include "vl3StringParser.h"
#include "vl3ThesaurusBase.h"
#include "vl3ThesaurusCompiler.h"

namespace {

using spelltest::List;
using spelltest::TTempFolder;
using Words = std::vector<std::string>;

// The dictionaries tests/engine/codepages/*.txt compiled by the build.
std::string CodePageFolder() {
  std::string folder = std::string(VX_DATA_DIR) + "/codepages";
  for (char& c : folder)
    if (c == '/') c = '\\';
  return folder;
}

struct TTextCase {
  const char* dictionary;
  int codePage;
  const char* text;  // UTF-8; quotes, dashes and the ellipsis must separate
  Words words;       // UTF-8, as the component meets them
};

const std::vector<TTextCase> kTexts = {
    {"Polish.vlm",
     1250,
     "\u201E\u0141\u00F3d\u017A\u201D \u2013 \u015Bwiat\u2026 g\u0119\u015B; "
     "\u017C\u00F3\u0142w \u201A\u017Ar\u00F3d\u0142o\u2018, \u0142\u0105ka",
     {"Łódź", "świat", "gęś", "żółw", "źródło", "łąka"}},
    {"Czech.vlm",
     1250,
     "\u201E\u010Ce\u0161tina\u201C \u2014 \u0161\u0165astn\u00FD, k\u016F\u0148; "
     "\u013Dudov\u00EDt\u2026 \u017Elu\u0165ou\u010Dk\u00FD",
     {"Čeština", "šťastný", "kůň", "Ľudovít", "žluťoučký"}},
    {"Russian.vlm",
     1251,
     "\u00AB\u0401\u0436\u00BB \u2014 \u044F\u0449\u0438\u043A\u2026 "
     "\u201C\u0447\u0430\u0439\u201D, \u0441\u044A\u0435\u0448\u044C \u0451\u043B\u043A\u0430",
     {"Ёж", "ящик", "чай", "съешь", "ёлка"}},
    {"French.vlm",
     1252,
     "\u201Cc\u0153ur\u201D \u2013 s\u0153ur\u2026 \u0152dipe, \u00AB\u0153uvre\u00BB "
     "na\u00EFve",
     {"cœur", "sœur", "Œdipe", "œuvre", "naïve"}},
};

std::string ToCodePage(const std::string& utf8, int codePage) {
  std::string text;
  EXPECT_TRUE(Codepage::FromUtf8(utf8, codePage, text)) << utf8;
  return text;
}

class CodePageLetters : public ::testing::Test {
 protected:
  void SetUp() override {
    ::setenv("VX_REGISTRY_FILE", folder_.File("registry.ini").c_str(), 1);
    engine_.SetConfigStorage(csNone);
    engine_.SetConfigDictionaryDir(List({CodePageFolder()}));
  }

  // Checks the text with the one dictionary; the words the component judged
  // and the ones it stopped at, in UTF-8.
  void Check(const std::string& dictionary, int codePage, const std::string& utf8, Words& judged,
             Words& stopped) {
    engine_.SetConfigDefaultMain(List({dictionary}));
    engine_.Configuration()->Reload();
    engine_.OnWordCheck = [&](TVexlorSpell3Base*, const std::string& word, TWordCheckType&,
                              std::string&) { judged.push_back(Codepage::ToUtf8(word, codePage)); };
    engine_.OnPromptWord = [&](TVexlorSpell3Base* sender, const std::string& word, bool) {
      stopped.push_back(Codepage::ToUtf8(word, codePage));
      sender->Ignore();
    };
    std::string text = ToCodePage(utf8, codePage);
    engine_.CheckString(text);
  }

  TTempFolder folder_;
  TVexlorSpell3Base engine_;
};

TEST_F(CodePageLetters, WordsOfEachCodePageAreCheckedWholeAndAccepted) {
  for (const TTextCase& c : kTexts) {
    Words judged, stopped;
    Check(c.dictionary, c.codePage, c.text, judged, stopped);
    ASSERT_TRUE(engine_.GetMissingMainDictionaries().Empty())
        << c.dictionary << " is built into " << CodePageFolder();
    EXPECT_EQ(judged, c.words) << c.dictionary;
    EXPECT_EQ(stopped, Words{}) << c.dictionary;
  }
}

TEST_F(CodePageLetters, LettersJoinTheSetButPunctuationSeparates) {
  struct TLetters {
    int codePage;
    std::string letters;
    std::string separators;
  };
  const std::string punctuation = "\x82\x84\x85\x8B\x91\x92\x93\x94\x96\x97\x9B\xAB\xBB\xA0";
  const std::vector<TLetters> cases = {
      {1250, "\x8A\x9A\x8C\x9C\x8D\x9D\x8E\x9E\x8F\x9F\xA3\xB3\xA5\xB9\xAA\xBA\xAF\xBF\xBC\xBE",
       "\xA1\xA2\xB2\xB4\xBD\xA8\xB8\xB0"},
      {1251,
       "\x80\x90\x81\x83\x8A\x9A\x8C\x9C\x8D\x9D\x8E\x9E\x8F\x9F\xA1\xA2\xA3\xBC\xA5\xB4"
       "\xA8\xB8\xAA\xBA\xAF\xBF\xB2\xB3\xBD\xBE",
       "\xB9\x88\xB0"},
      {1252, "\x8A\x9A\x8C\x9C\x8E\x9E\x9F\x83\xAA\xBA", "\x80\xA3\xB9\xBF\xA1\xB3\xB0"},
  };
  for (const TLetters& c : cases) {
    TMainParsingEngine engine;
    engine.SetLetterCodePages({c.codePage});
    for (char ch : c.letters)
      EXPECT_TRUE(engine.IsWordChar(ch)) << c.codePage << ": " << int(ch & 0xFF);
    // Separators stay separators unless the default set already had them
    // (the typographic apostrophe 0x92 does).
    for (char ch : c.separators + punctuation) {
      const bool inDefault = TMainParsingEngine::DefaultCharSet().find(ch) != std::string::npos;
      EXPECT_EQ(engine.IsWordChar(ch), inDefault) << c.codePage << ": " << int(ch & 0xFF);
    }
  }
  // No dictionaries: back to the default set.
  TMainParsingEngine engine;
  engine.SetLetterCodePages({1250});
  engine.SetLetterCodePages({});
  EXPECT_EQ(engine.CharSet(), TMainParsingEngine::DefaultCharSet());
  // A second engine (the live editor's) follows the spell checker's letters
  // unless its host chose its own.
  TMainParsingEngine spells, follower, hosts;
  spells.SetLetterCodePages({1250});
  follower.FollowLetters(spells);
  EXPECT_TRUE(follower.IsWordChar('\xA3'));
  hosts.BuildCharTables("abc");
  hosts.FollowLetters(spells);
  EXPECT_EQ(hosts.CharSet(), "abc");
}

TEST_F(CodePageLetters, AHostsOwnCharactersAreKept) {
  auto* parsing = dynamic_cast<TMainParsingEngine*>(engine_.ParsingEngine());
  ASSERT_NE(parsing, nullptr);
  const std::string own = TMainParsingEngine::DefaultCharSet() + "-";
  parsing->BuildCharTables(own);
  Words judged, stopped;
  Check("Polish.vlm", 1250, "\u0141\u00F3d\u017A \u015Bwiat", judged, stopped);
  EXPECT_EQ(parsing->CharSet(), own);
  EXPECT_EQ(stopped, (Words{"\u00F3d", "wiat"}));  // the host's choice, the host's words
}

TEST_F(CodePageLetters, SuggestionsJudgeCaseInTheCodePage) {
  // z acute (0x9F) is lower case in 1250; in 1252 it is Y diaeresis, a
  // capital, and "Łódź" looked like a word of mixed case.
  struct TSuggestionCase {
    const char* dictionary;
    int codePage;
    const char* misspelled;
    const char* wanted;
  };
  const std::vector<TSuggestionCase> cases = {
      {"Polish.vlm", 1250, "Łdóź", "Łódź"},
      {"French.vlm", 1252, "cuœr", "cœur"},
      {"Russian.vlm", 1251, "ЧАЙЙ", "ЧАЙ"},
  };
  for (const TSuggestionCase& c : cases) {
    Words judged, stopped;
    Check(c.dictionary, c.codePage, "", judged, stopped);
    TStringList suggestions;
    engine_.GetSuggestions(ToCodePage(c.misspelled, c.codePage), suggestions);
    Words offered;
    for (int i = 0; i < suggestions.Count(); ++i)
      offered.push_back(Codepage::ToUtf8(suggestions[i], c.codePage));
    EXPECT_NE(std::find(offered.begin(), offered.end(), c.wanted), offered.end())
        << c.misspelled << " in " << c.dictionary;
  }
}

TEST_F(CodePageLetters, CapitalsFollowTheCodePagesCaseMapping) {
  // Ukrainian yi (0xBF) is lower case in 1251; in 1252 it is the inverted
  // question mark, which has no case and so looked like a capital.
  TUppercaseWordIgnore filter;
  filter.SetCodePage(1251);
  EXPECT_FALSE(filter.IgnoreWordCheck("\xBF\xBF", nullptr));
  EXPECT_TRUE(filter.IgnoreWordCheck("\xAF\xAF", nullptr));
  filter.SetCodePage(1250);
  EXPECT_FALSE(filter.IgnoreWordCheck("\xB3\xB9\xBF", nullptr));  // l stroke, a ogonek, z dot
  EXPECT_TRUE(filter.IgnoreWordCheck("\xA3\xA5\xAF", nullptr));
}

TEST_F(CodePageLetters, TheThesaurusTakesTheWholeWordUnderTheCaret) {
  struct TThesaurusCase {
    int codePage;
    const char* mythes;  // UTF-8
    const char* text;    // UTF-8, the caret on the third character
    const char* word;
  };
  const std::vector<TThesaurusCase> cases = {
      {1250, "UTF-8\nŁódź|1\n(noun)|Łódź|miasto\n", "Łódź leży", "Łódź"},
      {1250, "UTF-8\nčeština|1\n(noun)|čeština|jazyk\n", "Čeština je", "Čeština"},
      {1251, "UTF-8\nёлка|1\n(noun)|ёлка|ель\n", "Ёлка стоит", "Ёлка"},
      {1252, "UTF-8\ncœur|1\n(noun)|cœur|âme\n", "Cœur", "Cœur"},
  };
  for (const TThesaurusCase& c : cases) {
    std::vector<TSourceEntry> entries;
    std::string error, bytes;
    ASSERT_TRUE(ParseMythes(c.mythes, entries, error, c.codePage)) << error;
    TCompileOptions options;
    options.CodePage = c.codePage;
    TCompileStats stats;
    ASSERT_TRUE(CompileThesaurus(entries, options, bytes, stats, error)) << error;
    const std::string path = folder_.File("letters.vlt");
    ASSERT_TRUE(Platform::WriteWholeFile(path, bytes));

    TThesaurus3Base thesaurus;
    thesaurus.SetFilename(path);
    std::string looked;
    size_t meanings = 0;
    thesaurus.OnPromptLookup = [&](TComponent*, const std::string& word,
                                   const TThesaurusEntryList& list) {
      looked = Codepage::ToUtf8(word, c.codePage);
      meanings = list.size();
    };
    std::string text = ToCodePage(c.text, c.codePage);
    TStringParser parser(text);
    parser.SetPosition(3, 0, ppCurrent);
    EXPECT_TRUE(thesaurus.LookupParser(&parser));
    EXPECT_EQ(looked, c.word);
    EXPECT_EQ(meanings, 1u) << c.word << ": found through the code page's lower case";
    EXPECT_EQ(thesaurus.ThesaurusFile()->CodePage(), c.codePage) << c.word;
  }
}

}  // namespace
