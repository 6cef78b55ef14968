// Parsing engine: word boundaries, apostrophes, periods, the ampersand,
// check types, MoveTo and the scan hooks, driven through a string parser.
#include "vl3ParseEngine.h"

#include <gtest/gtest.h>

#include <vector>

#include "vl3StringParser.h"

namespace {

std::vector<std::string> WordsOf(TParsingEngine& engine, TControlParser& parser,
                                 TCheckType mode = ctAll) {
  engine.Initialize(&parser, mode);
  std::vector<std::string> words;
  std::string word;
  for (int guard = 0; guard < 10000; ++guard) {
    engine.GetNextWord(word);
    if (word.empty()) break;
    words.push_back(word);
  }
  return words;
}

std::vector<std::string> WordsOf(std::string text) {
  TMainParsingEngine engine;
  TStringParser parser(text);
  return WordsOf(engine, parser);
}

using Words = std::vector<std::string>;

// A string parser with a selection chosen by the test, as a window would have.
class TSelectedStringParser : public TStringParser {
 public:
  TSelectedStringParser(std::string& text, int32_t start, int32_t end)
      : TStringParser(text), start_(start), end_(end) {}
  void GetSelection(int32_t& sx, int32_t& sy, int32_t& ex, int32_t& ey) override {
    sx = start_;
    ex = end_;
    sy = ey = 0;
  }

 private:
  int32_t start_, end_;
};

}  // namespace

TEST(MainParsingEngine, SplitsTextIntoWordsByTheDefaultRules) {
  struct Case {
    const char* text;
    Words words;
  } cases[] = {
      {"Hello, world.", {"Hello", "world"}},
      {"e.g. this", {"e.g.", "this"}},
      {"'quoted' text", {"quoted", "text"}},
      {"\"double\" quotes", {"double", "quotes"}},
      {"don't", {"don't"}},
      {"dogs'", {"dogs"}},
      {"3.14 and 1,000", {"3.14", "and", "1", "000"}},
      {"a...b", {"a", "b"}},
      {"U.S. law applies.", {"U.S.", "law", "applies"}},
      {"See www.example.com today", {"See", "www.example.com", "today"}},
      {"AT&T", {"AT", "&T"}},
      {"Tom &amp; Jerry", {"Tom", "&amp", "Jerry"}},
      {"a''", {"a"}},
      {"\x92tis the season\x92", {"\x92tis", "the", "season\x92"}},
      {"caf\xE9 cr\xE8me br\xFBl\xE9"
       "e",
       {"caf\xE9", "cr\xE8me",
        "br\xFBl\xE9"
        "e"}},
      {"\xEF\xF0\xE8\xE2\xE5\xF2 \xA8\xEB\xEA\xE0",
       {"\xEF\xF0\xE8\xE2\xE5\xF2", "\xA8\xEB\xEA\xE0"}},
      {"well-known foo_bar", {"well", "known", "foo", "bar"}},
      {"x.y. end", {"x.y.", "end"}},
      {"line one\r\nline two", {"line", "one", "line", "two"}},
      {"", {}},
      {"  , ; \"' ... -- ''", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(WordsOf(c.text), c.words) << c.text;
}

TEST(MainParsingEngine, DerivedStringParsersGetTheSameWordsAndPositions) {
  // A plain string parser is read directly, any other parser through its
  // virtual operations; both roads must agree.
  struct TDerived : TStringParser {
    using TStringParser::TStringParser;
  };
  const char* texts[] = {"Hello, world.", "e.g. this 'quoted' dogs' a...b x.y. end",
                         "AT&T 3.14 and 1,000 \x92tis a''", "", " ,.;"};
  for (const char* text : texts) {
    std::string a = text, b = text;
    TStringParser plain(a);
    TDerived derived(b);
    TMainParsingEngine e1, e2;
    e1.Initialize(&plain, ctAll);
    e2.Initialize(&derived, ctAll);
    std::string w1, w2;
    do {
      e1.GetNextWord(w1);
      e2.GetNextWord(w2);
      EXPECT_EQ(w1, w2) << text;
      EXPECT_EQ(plain.X(), derived.X()) << text;
    } while (!w1.empty() || !w2.empty());
  }
}

TEST(MainParsingEngine, CharacterSetHoldsTheDocumentedBytes) {
  const std::string& set = TMainParsingEngine::DefaultCharSet();
  EXPECT_EQ(set.size(), 161u);
  EXPECT_EQ(set[0], '\x92');
  TMainParsingEngine engine;
  int members = 0;
  for (int b = 0; b < 256; ++b) members += engine.IsWordChar(static_cast<char>(b));
  // ' & digits letters 0x92 0xC0-0xFF and eight letters of other code pages.
  EXPECT_EQ(members, 2 + 10 + 52 + 1 + 64 + 8);
  for (unsigned char b : {0x8A, 0x8D, 0x8E, 0x9A, 0x9D, 0x9E, 0xA8, 0xB8, 0xD7, 0xF7})
    EXPECT_TRUE(engine.IsWordChar(static_cast<char>(b))) << int(b);
  for (unsigned char b : {0x00, 0x2E, 0x22, 0x2D, 0x5F, 0x8C, 0x9C, 0xA0, 0x91, 0x93})
    EXPECT_FALSE(engine.IsWordChar(static_cast<char>(b))) << int(b);
  EXPECT_TRUE(engine.IsWordChar('&'));
  EXPECT_FALSE(engine.IsMidWordChar('&'));
  EXPECT_TRUE(engine.IsMidWordChar('\''));
}

TEST(MainParsingEngine, DefaultsAreFixedAtConstruction) {
  TMainParsingEngine engine;
  EXPECT_EQ(engine.StartExclusions(), "'\"");
  EXPECT_EQ(engine.EndExclusions(), "'\".");
  EXPECT_EQ(engine.MidWordExclusions(), "&");
  EXPECT_TRUE(engine.InnerPeriods());
  EXPECT_FALSE(engine.KeepPartialLastWord());
  EXPECT_EQ(engine.Parser(), nullptr);
  EXPECT_TRUE(engine.CurrentWord().empty());
  EXPECT_FALSE(engine.OnScanChar);
  EXPECT_FALSE(engine.OnScanWord);
}

TEST(MainParsingEngine, LeavesTheParserJustAfterEachWord) {
  std::string text = "'dogs' bark, e.g. loudly";
  TMainParsingEngine engine;
  TStringParser parser(text);
  engine.Initialize(&parser, ctAll);
  struct Step {
    const char* word;
    int32_t xAfter;
  } steps[] = {{"dogs", 6}, {"bark", 12}, {"e.g.", 18}, {"loudly", 25}};
  std::string word;
  for (const Step& s : steps) {
    engine.GetNextWord(word);
    EXPECT_EQ(word, s.word);
    EXPECT_EQ(parser.X(), s.xAfter) << s.word;
    EXPECT_EQ(engine.CurrentWord(), s.word);
  }
  // SelectWord with the word's length selects exactly the word.
  parser.SelectWord(static_cast<int32_t>(word.size()));
  EXPECT_EQ(text.substr(parser.X() - 1, word.size()), "loudly");
}

TEST(MainParsingEngine, ReplacingAWordContinuesAfterTheReplacement) {
  std::string text = "teh cat adn dog";
  TMainParsingEngine engine;
  TStringParser parser(text);
  engine.Initialize(&parser, ctAll);
  std::string word;
  Words seen;
  for (engine.GetNextWord(word); !word.empty(); engine.GetNextWord(word)) {
    seen.push_back(word);
    parser.SelectWord(static_cast<int32_t>(word.size()));
    if (word == "teh")
      parser.ReplaceWord("the", 0);
    else if (word == "adn")
      parser.ReplaceWord("and", 0);
    else
      parser.IgnoreWord(10);
  }
  EXPECT_EQ(seen, (Words{"teh", "cat", "adn", "dog"}));
  EXPECT_EQ(text, "the cat and dog");
}

TEST(MainParsingEngine, EmptyWordAtTheEndKeepsTheLastCurrentWord) {
  std::string text = "last.";
  TMainParsingEngine engine;
  TStringParser parser(text);
  engine.Initialize(&parser, ctAll);
  std::string word;
  engine.GetNextWord(word);
  EXPECT_EQ(word, "last");
  engine.GetNextWord(word);
  EXPECT_TRUE(word.empty());
  EXPECT_EQ(engine.CurrentWord(), "last");
  engine.GetNextWord(word);  // asking again past the end stays empty
  EXPECT_TRUE(word.empty());
}

TEST(MainParsingEngine, CheckAllStartsAtTheBeginningWhereverTheParserStood) {
  std::string text = "one two three";
  TMainParsingEngine engine;
  TStringParser parser(text);
  parser.SetPosition(9, 0, ppCurrent);
  EXPECT_EQ(WordsOf(engine, parser, ctAll), (Words{"one", "two", "three"}));
  EXPECT_FALSE(parser.HasEndBound());
}

TEST(MainParsingEngine, CheckFromCursorStartsWithTheWordUnderTheCursor) {
  struct Case {
    int32_t cursor;
    Words words;
  } cases[] = {{1, {"one", "two", "three"}},
               {6, {"two", "three"}},  // inside "two"
               {5, {"two", "three"}},  // on its first letter
               {7, {"two", "three"}},  // on its last letter
               {8, {"three"}},         // on the space after it
               {14, {"three"}},        // one past the end of the text
               {20, {}}};
  for (const Case& c : cases) {
    std::string text = "one two  three";
    TMainParsingEngine engine;
    TStringParser parser(text);
    parser.SetPosition(c.cursor, 0, ppCurrent);
    EXPECT_EQ(WordsOf(engine, parser, ctFromCursor), c.words) << c.cursor;
    EXPECT_FALSE(parser.HasEndBound());
  }
}

TEST(MainParsingEngine, SelectedCheckStopsAtTheSelectionEndAndDropsAPartialWord) {
  //                   1234567890123456789
  std::string text = "one two three four";
  struct Case {
    int32_t start, end;
    Words words;
  } cases[] = {{6, 14, {"two", "three"}},  // end on the byte after "three"
               {6, 13, {"two"}},           // end on its last letter cuts it
               {6, 11, {"two"}},
               {1, 19, {"one", "two", "three", "four"}}};
  for (const Case& c : cases) {
    std::string copy = text;
    TMainParsingEngine engine;
    TSelectedStringParser parser(copy, c.start, c.end);
    EXPECT_EQ(WordsOf(engine, parser, ctSelected), c.words) << c.start << "-" << c.end;
    EXPECT_TRUE(parser.HasEndBound());
    EXPECT_EQ(parser.EndX(), c.end);
  }
}

TEST(MainParsingEngine, SelectedCheckOverAStringParserFindsNothingAtTheCursor) {
  // A string has no selection, so the end bound falls on the cursor.
  std::string text = "one two three";
  TMainParsingEngine engine;
  TStringParser parser(text);
  parser.SetPosition(6, 0, ppCurrent);
  EXPECT_EQ(WordsOf(engine, parser, ctSelected), Words{});
}

TEST(MainParsingEngine, SmartAndContinuedChecksKeepTheCallersPosition) {
  for (TCheckType mode : {ctSmart, ctContinue}) {
    std::string text = "one two three";
    TMainParsingEngine engine;
    TStringParser parser(text);
    parser.SetPosition(6, 0, ppCurrent);  // inside "two": no backing up
    EXPECT_EQ(WordsOf(engine, parser, mode), (Words{"wo", "three"})) << int(mode);
  }
}

TEST(MainParsingEngine, MoveToBacksUpToTheStartOfTheWord) {
  struct Case {
    const char* text;
    int32_t x;
    const char* word;
    int32_t xAfterMove;
  } cases[] = {
      {"one two", 7, "two", 4},
      {"one two", 2, "one", 1},       // stops at the very start of the text
      {"don't stop", 4, "don't", 1},  // apostrophes are inside words
      {"AT&T corp", 4, "&T", 3},      // stops on the & that may start a word
      {"a, b", 3, "b", 3},            // on a separator: nothing to back over
      {"end.", 5, "", 5},             // past the last word
  };
  for (const Case& c : cases) {
    std::string text = c.text;
    TMainParsingEngine engine;
    TStringParser parser(text);
    engine.Initialize(&parser, ctContinue);
    engine.MoveTo(c.x, 0);
    EXPECT_EQ(parser.X(), c.xAfterMove) << c.text;
    std::string word;
    engine.GetNextWord(word);
    EXPECT_EQ(word, c.word) << c.text;
  }
}

TEST(MainParsingEngine, DetachedEngineYieldsNothing) {
  TMainParsingEngine engine;
  engine.Initialize(nullptr, ctAll);
  engine.MoveTo(3, 0);
  std::string word = "stale";
  engine.GetNextWord(word);
  EXPECT_TRUE(word.empty());
  EXPECT_EQ(engine.Parser(), nullptr);
}

TEST(MainParsingEngine, ScanCharHookCanSwallowTextBeforeAWord) {
  // A hook that skips "#tags" up to the next space.
  std::string text = "ab #cd ef #gh";
  TMainParsingEngine engine;
  std::string hookChars;
  engine.OnScanChar = [&](char ch, TControlParser* p, bool& skip) {
    hookChars += ch ? ch : '0';
    if (ch != '#') return;
    while (p->GetChar() != ' ' && p->MoveNext()) {
    }
    skip = true;
  };
  TStringParser parser(text);
  EXPECT_EQ(WordsOf(engine, parser), (Words{"ab", "ef"}));
  // Only the bytes looked at for a word start reach the hook, not the words.
  EXPECT_EQ(hookChars, "a # e #0");
}

TEST(MainParsingEngine, ScanCharHookThatSkipsWithoutMovingDoesNotHang) {
  std::string text = "x <y z";
  TMainParsingEngine engine;
  engine.OnScanChar = [](char, TControlParser* p, bool& skip) {
    skip = true;
    p->MovePrevious();  // even moving backwards must not stall the scan
  };
  TStringParser parser(text);
  EXPECT_EQ(WordsOf(engine, parser), (Words{"x", "y", "z"}));
}

TEST(MainParsingEngine, ScanWordHookCanDropWords) {
  std::string text = "keep secret keep secretive";
  TMainParsingEngine engine;
  Words offered;
  engine.OnScanWord = [&](const std::string& w, TControlParser*, bool& skip) {
    offered.push_back(w);
    skip = w == "secret";
  };
  TStringParser parser(text);
  EXPECT_EQ(WordsOf(engine, parser), (Words{"keep", "keep", "secretive"}));
  EXPECT_EQ(offered, (Words{"keep", "secret", "keep", "secretive"}));
}

TEST(MainParsingEngine, ScanWordHookThatAlwaysSkipsRunsToTheEnd) {
  std::string text = "every word here is skipped.";
  TMainParsingEngine engine;
  int calls = 0;
  engine.OnScanWord = [&](const std::string&, TControlParser*, bool& skip) {
    ++calls;
    skip = true;
  };
  TStringParser parser(text);
  EXPECT_EQ(WordsOf(engine, parser), Words{});
  EXPECT_EQ(calls, 5);
  EXPECT_GT(parser.X(), static_cast<int32_t>(text.size()));
}

TEST(MainParsingEngine, ScanWordHookThatMovesBackDoesNotRescanForever) {
  std::string text = "alpha beta";
  TMainParsingEngine engine;
  engine.OnScanWord = [](const std::string& w, TControlParser* p, bool& skip) {
    if (w != "alpha") return;
    p->SetPosition(1, 0, ppCurrent);
    skip = true;
  };
  TStringParser parser(text);
  EXPECT_EQ(WordsOf(engine, parser), (Words{"beta"}));
}

TEST(MainParsingEngine, BuildCharTablesReplacesTheCharacterSet) {
  TMainParsingEngine engine;
  engine.BuildCharTables("abc&");
  EXPECT_EQ(engine.CharSet(), "abc&");
  std::string text = "cab dab &ab x";
  TStringParser parser(text);
  EXPECT_EQ(WordsOf(engine, parser), (Words{"cab", "ab", "&ab"}));
  EXPECT_FALSE(engine.IsWordChar('\''));
}

namespace {

// Descendants may change the fixed settings in their constructor.
class TNoPeriodsEngine : public TMainParsingEngine {
 public:
  TNoPeriodsEngine() { innerPeriods_ = false; }
};

class TPartialWordEngine : public TMainParsingEngine {
 public:
  TPartialWordEngine() { keepPartialLastWord_ = true; }
};

class TTrimLettersEngine : public TMainParsingEngine {
 public:
  TTrimLettersEngine() {
    endExclusions_ = "x";
    BuildCharTables(DefaultCharSet());
  }
};

}  // namespace

TEST(MainParsingEngine, WithoutInnerPeriodsEveryPeriodEndsAWord) {
  std::string text = "3.14 e.g.";
  TNoPeriodsEngine engine;
  TStringParser parser(text);
  EXPECT_EQ(WordsOf(engine, parser), (Words{"3", "14", "e", "g"}));
}

TEST(MainParsingEngine, KeepingPartialWordsReturnsTheWordCutByTheEndBound) {
  std::string text = "one two three";
  TPartialWordEngine engine;
  TSelectedStringParser parser(text, 1, 10);
  EXPECT_EQ(WordsOf(engine, parser, ctSelected), (Words{"one", "two", "th"}));
  // The rest of the text stays out of reach until the engine is positioned again.
  engine.MoveTo(5, 0);
  std::string word;
  engine.GetNextWord(word);
  EXPECT_EQ(word, "two");
}

TEST(MainParsingEngine, WordTrimmedToNothingDoesNotStallTheScan) {
  std::string text = "x xx box";
  TTrimLettersEngine engine;
  TStringParser parser(text);
  EXPECT_EQ(WordsOf(engine, parser), (Words{"bo"}));
}

TEST(MainParsingEngine, SplitsARealisticMailParagraph) {
  std::string text =
      "Hi Jo,\r\n\r\nThanks for the 2.5 draft -- I've read it (twice!). "
      "The \"Q3\" numbers don't add up; see p. 4, i.e. the table.\r\n\r\n-- \r\nAnn";
  EXPECT_EQ(WordsOf(text),
            (Words{"Hi",   "Jo",  "Thanks", "for", "the",  "2.5",     "draft", "I've",
                   "read", "it",  "twice",  "The", "Q3",   "numbers", "don't", "add",
                   "up",   "see", "p",      "4",   "i.e.", "the",     "table", "Ann"}));
}

TEST(MainParsingEngine, DerivedStringParsersAgreeWhereverTheEndBoundFalls) {
  // The plain string parser's word characters are taken in runs; the end
  // bound must cut them where single steps would.
  struct TDerived : TStringParser {
    using TStringParser::TStringParser;
  };
  const std::string text = "Hello, wonderful world. e.g. x'y don't dogs' 3.14 AT&T end";
  for (int32_t bound = 0; bound <= static_cast<int32_t>(text.size()) + 2; ++bound) {
    std::string a = text, b = text;
    TStringParser plain(a);
    TDerived derived(b);
    plain.SetPosition(bound, 0, ppEnd);
    derived.SetPosition(bound, 0, ppEnd);
    TMainParsingEngine e1, e2;
    e1.Initialize(&plain, ctSmart);
    e2.Initialize(&derived, ctSmart);
    std::string w1, w2;
    do {
      e1.GetNextWord(w1);
      e2.GetNextWord(w2);
      EXPECT_EQ(w1, w2) << "bound " << bound;
      EXPECT_EQ(plain.X(), derived.X()) << "bound " << bound;
    } while (!w1.empty() || !w2.empty());
  }
}
