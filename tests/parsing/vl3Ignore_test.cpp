// Ignore filters, alone and wired to a parsing engine the way the spell
// checker wires them, on realistic HTML and mail texts.
#include "vl3Ignore.h"

#include <gtest/gtest.h>

#include <vector>

#include "vl3ParseEngine.h"
#include "vl3StringParser.h"

namespace {

using Words = std::vector<std::string>;

// A line-oriented parser like the window parser: (column, line), each line
// read with CR LF appended.
class TLinesParser : public TControlParser {
 public:
  explicit TLinesParser(std::vector<std::string> lines) : lines_(std::move(lines)) {}
  void Initialize(void*) override { x_ = y_ = 0; }
  char GetChar() override {
    std::string line = Line();
    return x_ >= 0 && x_ < static_cast<int32_t>(line.size()) ? line[x_] : '\0';
  }
  void GetLine(std::string& line) override { line = Line(); }
  bool MoveNext() override {
    ++x_;
    if (x_ >= static_cast<int32_t>(Line().size())) {
      if (y_ >= static_cast<int32_t>(lines_.size())) return false;
      ++y_;
      x_ = 0;
    }
    return y_ < static_cast<int32_t>(lines_.size());
  }
  bool MovePrevious() override {
    if (x_ > 0) {
      --x_;
      return true;
    }
    if (y_ == 0) return false;
    --y_;
    x_ = static_cast<int32_t>(Line().size()) - 1;
    return true;
  }
  void SetPosition(int32_t x, int32_t y, TParserPositionKind kind) override {
    if (kind == ppCurrent) x_ = x, y_ = y;
  }
  void GetPosition(int32_t& x, int32_t& y) override { x = x_, y = y_; }
  void SelectWord(int32_t length) override { x_ -= length; }
  void ReplaceWord(const std::string&, int32_t) override {}
  void IgnoreWord(int32_t) override {}
  void CenterSelection() override {}
  void GetCursorPosition(int32_t& x, int32_t& y) override { x = y = 0; }
  void GetSelection(int32_t& sx, int32_t& sy, int32_t& ex, int32_t& ey) override {
    sx = sy = ex = ey = 0;
  }
  void GetControlRect(TRect& r) override { r = TRect{0, 0, 100, 100}; }
  void GetSelectionRect(TRect& r) override { r = TRect{0, 0, 10, 10}; }
  void UndoLast(int32_t, TSpellAction, int32_t&) override {}

 private:
  std::string Line() const {
    return y_ >= 0 && y_ < static_cast<int32_t>(lines_.size()) ? lines_[y_] + "\r\n" : "";
  }
  std::vector<std::string> lines_;
  int32_t x_ = 0, y_ = 0;
};

// The filter lists of a spell checker, wired to an engine as it does.
struct TFilteredRun {
  std::vector<std::unique_ptr<TParserIgnore>> filters;
  std::vector<TParserIgnore*> scanList, lineList;
  TMainParsingEngine engine;

  explicit TFilteredRun(TSpellOptions options, const std::string& quoteChars = ">") {
    filters = CreateIgnoreFilters(options, quoteChars);
    for (auto& f : filters) {
      if (f->UsesScanHooks()) scanList.push_back(f.get());
      if (f->UsesLineCheck()) lineList.push_back(f.get());
    }
    engine.OnScanChar = [this](char ch, TControlParser* p, bool& skip) {
      skip = RunScanCharFilters(scanList, ch, p);
    };
    engine.OnScanWord = [this](const std::string& w, TControlParser* p, bool& skip) {
      skip = RunScanWordFilters(scanList, w, p);
    };
  }

  // Words the engine reports, split into those the filters accept and those
  // left for the dictionaries.
  void Run(TControlParser& parser, Words& checked, Words& accepted) {
    engine.Initialize(&parser, ctAll);
    std::string word;
    for (int guard = 0; guard < 10000; ++guard) {
      engine.GetNextWord(word);
      if (word.empty()) return;
      (RunWordCheckFilters(filters, word, &parser) ? accepted : checked).push_back(word);
    }
    ADD_FAILURE() << "no end of text";
  }

  Words Checked(std::string text) {
    TStringParser parser(text);
    Words checked, accepted;
    Run(parser, checked, accepted);
    return checked;
  }
};

}  // namespace

TEST(ParserIgnoreBase, AnswersFalseToEverything) {
  TParserIgnoreBase base;
  std::string text = "<b>";
  TStringParser parser(text);
  EXPECT_FALSE(base.UsesScanHooks());
  EXPECT_FALSE(base.UsesLineCheck());
  EXPECT_FALSE(base.SkipAtChar('<', &parser));
  EXPECT_FALSE(base.SkipAfterWord("http", &parser));
  EXPECT_FALSE(base.IgnoreWordCheck("NASA", &parser));
  EXPECT_FALSE(base.IgnoreLine("> quoted"));
  EXPECT_EQ(parser.X(), 1);
}

TEST(IgnoreFilters, DeclareWhichListsTheyJoin) {
  struct Case {
    std::unique_ptr<TParserIgnore> filter;
    bool scan, line;
  };
  Case cases[] = {{std::make_unique<THTMLIgnore>(), true, false},
                  {std::make_unique<TURLIgnore>(), true, false},
                  {std::make_unique<TQuotedLineIgnore>(">"), false, true},
                  {std::make_unique<TUppercaseWordIgnore>(), false, false},
                  {std::make_unique<TNumbersIgnore>(), false, false},
                  {std::make_unique<TAbbreviationsIgnore>(), false, false}};
  for (const Case& c : cases) {
    EXPECT_EQ(c.filter->UsesScanHooks(), c.scan);
    EXPECT_EQ(c.filter->UsesLineCheck(), c.line);
  }
}

TEST(IgnoreFilters, AreCreatedForTheOptionsInRegistrationOrder) {
  TSpellOptions all{soHTML,   soAbbreviations, soQuoted,   soNumbers,
                    soUpcase, soInternet,      soRepeated, soLiveSpelling};
  auto filters = CreateIgnoreFilters(all, "|:");
  ASSERT_EQ(filters.size(), 6u);
  EXPECT_NE(dynamic_cast<TURLIgnore*>(filters[0].get()), nullptr);
  EXPECT_NE(dynamic_cast<TUppercaseWordIgnore*>(filters[1].get()), nullptr);
  EXPECT_NE(dynamic_cast<TNumbersIgnore*>(filters[2].get()), nullptr);
  EXPECT_NE(dynamic_cast<THTMLIgnore*>(filters[3].get()), nullptr);
  auto* quoted = dynamic_cast<TQuotedLineIgnore*>(filters[4].get());
  ASSERT_NE(quoted, nullptr);
  EXPECT_EQ(quoted->QuoteChars, "|:");
  EXPECT_NE(dynamic_cast<TAbbreviationsIgnore*>(filters[5].get()), nullptr);

  EXPECT_TRUE(CreateIgnoreFilters(TSpellOptions{soRepeated, soLiveCorrect}, ">").empty());
  auto some = CreateIgnoreFilters(TSpellOptions{soHTML, soNumbers}, ">");
  ASSERT_EQ(some.size(), 2u);
  EXPECT_NE(dynamic_cast<TNumbersIgnore*>(some[0].get()), nullptr);
  EXPECT_NE(dynamic_cast<THTMLIgnore*>(some[1].get()), nullptr);
}

TEST(IgnoreFilters, WithoutOptionsNothingIsSkippedOrAccepted) {
  TFilteredRun run(TSpellOptions{});
  EXPECT_TRUE(run.scanList.empty());
  EXPECT_EQ(run.Checked("<b>NASA</b> &amp; e.g. abc1 www.a.b"),
            (Words{"b", "NASA", "b", "&amp", "e.g.", "abc1", "www.a.b"}));
}

TEST(RunFilterHelpers, StopAtTheFirstFilterThatAnswersTrue) {
  struct TCounting : TParserIgnoreBase {
    bool answer;
    int calls = 0;
    explicit TCounting(bool a) : answer(a) {}
    bool SkipAtChar(char, TControlParser*) override { return ++calls, answer; }
    bool SkipAfterWord(const std::string&, TControlParser*) override { return ++calls, answer; }
    bool IgnoreWordCheck(const std::string&, TControlParser*) override { return ++calls, answer; }
    bool IgnoreLine(const std::string&) override { return ++calls, answer; }
  };
  TCounting no(false), yes(true), later(true);
  std::vector<TParserIgnore*> list{&no, nullptr, &yes, &later};
  EXPECT_TRUE(RunScanCharFilters(list, 'x', nullptr));
  EXPECT_TRUE(RunScanWordFilters(list, "x", nullptr));
  EXPECT_TRUE(RunWordCheckFilters(list, "x", nullptr));
  EXPECT_TRUE(RunLineFilters(list, "x"));
  EXPECT_EQ(no.calls, 4);
  EXPECT_EQ(yes.calls, 4);
  EXPECT_EQ(later.calls, 0);
  EXPECT_FALSE(RunScanCharFilters({&no}, 'x', nullptr));
  EXPECT_FALSE(RunLineFilters({}, "x"));
}

TEST(MatchAhead, LeavesTheParserOnTheLastMatchOrWhereItStarted) {
  struct Case {
    const char* text;
    const char* pattern;
    bool match;
    int32_t xAfter;
  } cases[] = {
      {"!--x", "!--", true, 3},
      {"!-x", "!--", false, 1},
      {"x--", "!--", false, 1},
      {">", ">", true, 1},
  };
  for (const Case& c : cases) {
    std::string text = c.text;
    TStringParser parser(text);
    EXPECT_EQ(MatchAhead(c.pattern, &parser), c.match) << c.text;
    EXPECT_EQ(parser.X(), c.xAfter) << c.text;
  }
  // When the text ends during the match the failed step is not undone.
  std::string text = "!--";
  TStringParser parser(text);
  parser.SetPosition(2, 0, ppEnd);
  EXPECT_FALSE(MatchAhead("!--", &parser));
  EXPECT_EQ(parser.X(), 2);
}

TEST(HTMLIgnore, SkipsTagsCommentsAndScriptBlocks) {
  struct Case {
    const char* text;
    Words checked;
  } cases[] = {
      {"<b>bold</b> text", {"bold", "text"}},
      {"<!-- a > b -->word", {"word"}},
      {"<% if a > b %>x", {"x"}},
      {"<?php echo 'a>b'; ?>after", {"after"}},
      {"<!-->visible", {"visible"}},
      {"<!--->visible", {"visible"}},
      {"<a href=\"x.html\" title='big > small'>link</a>", {"small", "link"}},
      {"text <", {"text"}},
      {"open <b never closed", {"open"}},
      {"<!-- never closed", {}},
      {"a<b>c", {"a", "c"}},
  };
  for (const Case& c : cases) {
    TFilteredRun run(TSpellOptions{soHTML});
    EXPECT_EQ(run.Checked(c.text), c.checked) << c.text;
  }
}

TEST(HTMLIgnore, AcceptsCharacterEntitiesWithoutLookUp) {
  THTMLIgnore html;
  EXPECT_TRUE(html.IgnoreWordCheck("&amp", nullptr));
  EXPECT_TRUE(html.IgnoreWordCheck("&T", nullptr));
  EXPECT_FALSE(html.IgnoreWordCheck("amp", nullptr));
  EXPECT_FALSE(html.IgnoreWordCheck("", nullptr));

  TFilteredRun run(TSpellOptions{soHTML});
  std::string text = "Fish &amp; chips";
  TStringParser parser(text);
  Words checked, accepted;
  run.Run(parser, checked, accepted);
  EXPECT_EQ(checked, (Words{"Fish", "chips"}));
  EXPECT_EQ(accepted, Words{"&amp"});
}

TEST(HTMLIgnore, LeavesOnlyTheProseOfAWebPage) {
  TFilteredRun run(TSpellOptions{soHTML});
  std::string page =
      "<!DOCTYPE html>\r\n<html><head><title>Spring sale</title>\r\n"
      "<script type=\"text/javascript\">var x = 1;</script></head>\r\n"
      "<body><p class=\"intro\">Our <b>best</b> prices &mdash; ever!</p>\r\n"
      "<!-- tracking pixel <img src=\"px.gif\"> -->\r\n"
      "<%= render partial %><p>Shop&nbsp;now</p></body></html>";
  TStringParser parser(page);
  Words checked, accepted;
  run.Run(parser, checked, accepted);
  // Script bodies are text between tags: the filter does not know them.
  EXPECT_EQ(checked, (Words{"Spring", "sale", "var", "x", "1", "Our", "best", "prices", "ever",
                            "Shop", "now"}));
  EXPECT_EQ(accepted, (Words{"&mdash", "&nbsp"}));
}

TEST(HTMLIgnore, IgnoresOtherCharactersAndNullParsers) {
  THTMLIgnore html;
  std::string text = "<b>";
  TStringParser parser(text);
  EXPECT_FALSE(html.SkipAtChar('b', &parser));
  EXPECT_FALSE(html.SkipAtChar('<', nullptr));
  EXPECT_EQ(parser.X(), 1);
  EXPECT_TRUE(html.SkipAtChar('<', &parser));
  EXPECT_EQ(parser.X(), 3);  // on the closing >
}

TEST(URLIgnore, SkipsAddressesUpToTheNextDelimiter) {
  struct Case {
    const char* text;
    Words checked;
  } cases[] = {
      {"see ftp:a,b now", {"see", "b", "now"}},
      {"Visit http://www.example.com/path?q=1&r=2 (today)", {"Visit", "today"}},
      {"HTTPS://Example.org/x and more", {"and", "more"}},
      {"write to jo.smith@example.com, thanks", {"write", "to", "thanks"}},
      {"at www.example.com/index.html here", {"at", "here"}},
      {"path www.x\\share\\file.txt end", {"path", "end"}},
      {"ask <jo@example.com> now", {"ask", "now"}},
      {"mailto:ann@example.com\tnext", {"next"}},
      {"news:comp.lang done", {"done"}},
      {"note: this stays", {"note", "this", "stays"}},
      {"and/or either", {"and", "or", "either"}},
      {"trailing@", {}},
      {"user@host", {}},
  };
  for (const Case& c : cases) {
    TFilteredRun run(TSpellOptions{soInternet});
    EXPECT_EQ(run.Checked(c.text), c.checked) << c.text;
  }
}

TEST(URLIgnore, RecognisesEverySchemeInAnyCase) {
  for (const char* scheme :
       {"http", "ftp", "news", "mailto", "nntp", "file", "https", "telnet", "wais", "HtTp"}) {
    std::string text = ":rest";
    TStringParser parser(text);
    TURLIgnore url;
    EXPECT_TRUE(url.SkipAfterWord(scheme, &parser)) << scheme;
    EXPECT_EQ(parser.X(), 7) << scheme;  // ran until MoveNext failed
  }
  std::string text = ":rest";
  TStringParser parser(text);
  TURLIgnore url;
  EXPECT_FALSE(url.SkipAfterWord("gopher", &parser));
  EXPECT_FALSE(url.SkipAfterWord("http", nullptr));
  EXPECT_EQ(parser.X(), 1);
}

TEST(URLIgnore, AcceptsWwwNamesKeptWhole) {
  TURLIgnore url;
  EXPECT_TRUE(url.IgnoreWordCheck("www.a.b", nullptr));
  EXPECT_TRUE(url.IgnoreWordCheck("WWW.Example.COM", nullptr));
  EXPECT_FALSE(url.IgnoreWordCheck("www", nullptr));
  EXPECT_FALSE(url.IgnoreWordCheck("wwwx.com", nullptr));

  TFilteredRun run(TSpellOptions{soInternet});
  std::string text = "go to www.a.b now";
  TStringParser parser(text);
  Words checked, accepted;
  run.Run(parser, checked, accepted);
  EXPECT_EQ(checked, (Words{"go", "to", "now"}));
  EXPECT_EQ(accepted, Words{"www.a.b"});
}

TEST(URLAndHTMLIgnore, WorkTogetherOnAMailInHTML) {
  TFilteredRun run(TSpellOptions{soInternet, soHTML});
  ASSERT_EQ(run.scanList.size(), 2u);
  EXPECT_NE(dynamic_cast<TURLIgnore*>(run.scanList[0]), nullptr);
  EXPECT_EQ(run.Checked("<p>Reach <a href=\"mailto:ann@example.com\">ann@example.com</a> or "
                        "http://example.com/help</p>"),
            (Words{"Reach", "or"}));
}

TEST(QuotedLineIgnore, LooksOnlyAtTheFirstCharacterOfTheLine) {
  struct Case {
    const char* quoteChars;
    const char* line;
    bool ignored;
  } cases[] = {{">", "> quoted", true}, {">", ">>nested", true},  {">", " > indented", false},
               {">", "", false},        {">", "text > x", false}, {"|:", "| bar", true},
               {"|:", ": colon", true}, {"|:", "> other", false}, {"", "> none", false}};
  for (const Case& c : cases) {
    TQuotedLineIgnore quoted(c.quoteChars);
    EXPECT_EQ(quoted.IgnoreLine(c.line), c.ignored) << c.quoteChars << " / " << c.line;
  }
}

TEST(QuotedLineIgnore, AcceptsEveryWordOfAQuotedLineInAWindow) {
  TFilteredRun run(TSpellOptions{soQuoted});
  ASSERT_EQ(run.lineList.size(), 1u);
  TLinesParser mail({"Hi Bob,", "> Are we still on for lunch?", ">> Shall we say noon",
                     " > indented is not quoted", "Yes, see you there."});
  Words checked, accepted;
  run.Run(mail, checked, accepted);
  EXPECT_EQ(checked,
            (Words{"Hi", "Bob", "indented", "is", "not", "quoted", "Yes", "see", "you", "there"}));
  EXPECT_EQ(accepted,
            (Words{"Are", "we", "still", "on", "for", "lunch", "Shall", "we", "say", "noon"}));
}

TEST(QuotedLineIgnore, TreatsAStringAsOneLine) {
  TQuotedLineIgnore quoted(">");
  std::string quotedText = "> all of it\r\nis quoted";
  std::string plainText = "none of it\r\n> is quoted";
  TStringParser a(quotedText), b(plainText);
  EXPECT_TRUE(quoted.IgnoreWordCheck("is", &a));
  EXPECT_FALSE(quoted.IgnoreWordCheck("is", &b));
  EXPECT_FALSE(quoted.IgnoreWordCheck("is", nullptr));
  std::string empty;
  TStringParser c(empty);
  EXPECT_FALSE(quoted.IgnoreWordCheck("x", &c));
}

TEST(UppercaseWordIgnore, AcceptsWordsWithoutLowerCaseLetters) {
  struct Case {
    const char* word;
    bool ignored;
  } cases[] = {{"NASA", true},
               {"123", true},
               {"O'NEIL", true},
               {"\xC9T\xC9", true},
               {"''", true},
               {"Nasa", false},
               {"nASA", false},
               {"\xC9t\xC9", false},
               {"STRA\xDF"
                "E",
                true}};
  TUppercaseWordIgnore upcase;
  for (const Case& c : cases)
    EXPECT_EQ(upcase.IgnoreWordCheck(c.word, nullptr), c.ignored) << c.word;
}

TEST(NumbersIgnore, AcceptsWordsHoldingADigit) {
  struct Case {
    const char* word;
    bool ignored;
  } cases[] = {{"abc1", true}, {"1st", true},   {"2.5", true}, {"x9y", true},
               {"abc", false}, {"\xB2", false}, {"", false},   {"O'Neil", false}};
  TNumbersIgnore numbers;
  for (const Case& c : cases)
    EXPECT_EQ(numbers.IgnoreWordCheck(c.word, nullptr), c.ignored) << c.word;
}

TEST(AbbreviationsIgnore, AcceptsDottedShortParts) {
  struct Case {
    const char* word;
    bool ignored;
  } cases[] = {{"e.g.", true},     {"i.e", true},   {"U.S.A.", true}, {"a.m.", true},
               {"x.", true},       {"Mr.", false},  {"etc.", false},  {"Inc.", false},
               {"ab.c", false},    {"word", false}, {"3.14", true},   {"a.b.cd", true},
               {"a.b.cde", false}, {".", true},     {"", false}};
  TAbbreviationsIgnore abbreviations;
  for (const Case& c : cases)
    EXPECT_EQ(abbreviations.IgnoreWordCheck(c.word, nullptr), c.ignored) << c.word;
}

TEST(IgnoreFilters, TogetherLeaveOnlyProseOfARealMail) {
  TFilteredRun run(TSpellOptions{soInternet, soUpcase, soNumbers, soAbbreviations});
  EXPECT_EQ(run.Checked("Dear Sam, the Q3 report (v2.1) is at http://intranet/reports, "
                        "e.g. page 12. Ask the IT desk or mail it-help@example.com. Thx"),
            (Words{"Dear", "Sam", "the", "report", "is", "at", "page", "Ask", "the", "desk", "or",
                   "mail", "it", "Thx"}));
}
