// Ignore filters: skip HTML markup and entities, internet and e-mail
// addresses, quoted mail lines, words in capitals, words with digits and
// dotted abbreviations.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "vl3ParserBase.h"
#include "vl3SpellTypes.h"

// Answers false to everything; filters override what they need.
class TParserIgnoreBase : public TParserIgnore {
 public:
  bool UsesScanHooks() override { return false; }
  bool UsesLineCheck() override { return false; }
  bool SkipAtChar(char, TControlParser*) override { return false; }
  bool SkipAfterWord(const std::string&, TControlParser*) override { return false; }
  bool IgnoreWordCheck(const std::string&, TControlParser*) override { return false; }
  bool IgnoreLine(const std::string&) override { return false; }

  // The code page of the text checked (1250, 1251 or 1252), for filters
  // that look at letter case; the spell checker sets it from its
  // dictionaries' language.
  int CodePage() const { return codePage_; }
  void SetCodePage(int value) { codePage_ = value; }

 private:
  int codePage_ = 1252;
};

// Tags, comments, server-script blocks and character entities.
class THTMLIgnore : public TParserIgnoreBase {
 public:
  bool UsesScanHooks() override { return true; }
  bool SkipAtChar(char ch, TControlParser* parser) override;
  bool IgnoreWordCheck(const std::string& word, TControlParser* parser) override;
};

// URLs with a scheme, e-mail addresses and www. names.
class TURLIgnore : public TParserIgnoreBase {
 public:
  bool UsesScanHooks() override { return true; }
  bool SkipAfterWord(const std::string& word, TControlParser* parser) override;
  bool IgnoreWordCheck(const std::string& word, TControlParser* parser) override;
};

// Lines of a mail reply that begin with a quote character.
class TQuotedLineIgnore : public TParserIgnoreBase {
 public:
  explicit TQuotedLineIgnore(const std::string& quoteChars) : QuoteChars(quoteChars) {}
  bool UsesLineCheck() override { return true; }
  bool IgnoreWordCheck(const std::string& word, TControlParser* parser) override;
  bool IgnoreLine(const std::string& line) override;

  std::string QuoteChars;
};

class TUppercaseWordIgnore : public TParserIgnoreBase {
 public:
  bool IgnoreWordCheck(const std::string& word, TControlParser* parser) override;
};

class TNumbersIgnore : public TParserIgnoreBase {
 public:
  bool IgnoreWordCheck(const std::string& word, TControlParser* parser) override;
};

// Dotted abbreviations of one- or two-letter parts: e.g., U.S.A., a.m.
class TAbbreviationsIgnore : public TParserIgnoreBase {
 public:
  bool IgnoreWordCheck(const std::string& word, TControlParser* parser) override;
};

// Matches `s` at the parser's position. On success the parser stands on the
// last matched byte; on failure it stands where it started, except when the
// text ends during the match.
bool MatchAhead(const std::string& s, TControlParser* parser);

// The standard filters for `options`, in registration order: URL, upper-case,
// numbers, HTML, quoted lines (with `quoteChars`), abbreviations.
std::vector<std::unique_ptr<TParserIgnore>> CreateIgnoreFilters(TSpellOptions options,
                                                                const std::string& quoteChars);

// Helpers for the owner of filter lists: each asks the filters in order and
// stops at the first that answers true. Null entries are passed over.
bool RunScanCharFilters(const std::vector<TParserIgnore*>& filters, char ch,
                        TControlParser* parser);
bool RunScanWordFilters(const std::vector<TParserIgnore*>& filters, const std::string& word,
                        TControlParser* parser);
bool RunWordCheckFilters(const std::vector<TParserIgnore*>& filters, const std::string& word,
                         TControlParser* parser);
bool RunWordCheckFilters(const std::vector<std::unique_ptr<TParserIgnore>>& filters,
                         const std::string& word, TControlParser* parser);
bool RunLineFilters(const std::vector<TParserIgnore*>& filters, const std::string& line);
