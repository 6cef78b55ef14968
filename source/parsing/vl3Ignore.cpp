// Ignore filters for markup, addresses, quoted lines, capitals, numbers and
// abbreviations, and the helpers that ask a list of them in order.
#include "vl3Ignore.h"

#include <typeinfo>

#include "vl3Ansi.h"
#include "vl3StringParser.h"

namespace {

bool StartsWithLower(const std::string& word, const char* prefix) {
  size_t i = 0;
  for (; prefix[i]; ++i) {
    if (i >= word.size() || Ansi::ToLower(word[i]) != prefix[i]) return false;
  }
  return true;
}

bool IsUrlScheme(const std::string& word) {
  static const char* const kSchemes[] = {"http", "ftp",   "news",   "mailto", "nntp",
                                         "file", "https", "telnet", "wais"};
  for (const char* scheme : kSchemes) {
    if (word.size() == std::char_traits<char>::length(scheme) && StartsWithLower(word, scheme))
      return true;
  }
  return false;
}

bool IsUrlDelimiter(char ch) {
  static const std::string kDelimiters = "\r\n\t \"()[]{},<>'";
  return kDelimiters.find(ch) != std::string::npos;
}

}  // namespace

bool MatchAhead(const std::string& s, TControlParser* parser) {
  if (!parser || s.empty()) return false;
  int moves = 0;
  for (size_t i = 0;; ++i) {
    bool ok = parser->GetChar() == s[i];
    if (ok && i + 1 == s.size()) return true;
    if (ok && parser->MoveNext()) {
      ++moves;
      continue;
    }
    // Back to the start; a failed step at the end of the text is not undone.
    for (; moves > 0; --moves) parser->MovePrevious();
    return false;
  }
}

bool THTMLIgnore::SkipAtChar(char ch, TControlParser* parser) {
  if (ch != '<' || !parser) return false;
  if (!parser->MoveNext()) return true;  // a lone "<" at the end
  const bool comment = MatchAhead("!--", parser);
  const char opener = parser->GetChar();
  const bool script = !comment && (opener == '%' || opener == '?');
  // The closing "-->" may share both dashes of the opening, so "<!-->" is a
  // complete (empty) comment.
  if (comment) parser->MovePrevious();
  bool closed = false;
  while ((comment && !MatchAhead("-->", parser)) || parser->GetChar() != '>' ||
         (script && !closed)) {
    closed = parser->GetChar() == opener;
    if (!parser->MoveNext()) break;
  }
  return true;
}

bool THTMLIgnore::IgnoreWordCheck(const std::string& word, TControlParser*) {
  return !word.empty() && word[0] == '&';
}

bool TURLIgnore::SkipAfterWord(const std::string& word, TControlParser* parser) {
  if (!parser) return false;
  const char ch = parser->GetChar();
  bool address = false;
  if (ch == ':')
    address = IsUrlScheme(word);
  else if (ch == '@')
    address = true;
  else if (ch == '\\' || ch == '/')
    address = StartsWithLower(word, "www.");
  if (!address) return false;
  while (!IsUrlDelimiter(parser->GetChar())) {
    if (!parser->MoveNext()) break;
  }
  return true;
}

bool TURLIgnore::IgnoreWordCheck(const std::string& word, TControlParser*) {
  return StartsWithLower(word, "www.");
}

bool TQuotedLineIgnore::IgnoreWordCheck(const std::string&, TControlParser* parser) {
  if (!parser) return false;
  // A string parser's line is its whole text: look at its first byte instead
  // of copying the text for every word.
  if (typeid(*parser) == typeid(TStringParser)) {
    const std::string* text = static_cast<TStringParser*>(parser)->Text();
    return text && !text->empty() && QuoteChars.find((*text)[0]) != std::string::npos;
  }
  std::string line;
  parser->GetLine(line);
  return IgnoreLine(line);
}

bool TQuotedLineIgnore::IgnoreLine(const std::string& line) {
  return !line.empty() && QuoteChars.find(line[0]) != std::string::npos;
}

bool TUppercaseWordIgnore::IgnoreWordCheck(const std::string& word, TControlParser*) {
  for (char c : word) {
    if (Ansi::ToUpper(c, CodePage()) != c) return false;
  }
  return true;
}

bool TNumbersIgnore::IgnoreWordCheck(const std::string& word, TControlParser*) {
  for (char c : word) {
    if (c >= '0' && c <= '9') return true;
  }
  return false;
}

bool TAbbreviationsIgnore::IgnoreWordCheck(const std::string& word, TControlParser*) {
  if (word.find('.') == std::string::npos) return false;
  // Drop one-letter-and-period pairs from the front; what is left must be
  // at most two bytes ("g.", "A.", "e").
  size_t start = 0;
  while (word.size() - start > 2 && word[start + 1] == '.') start += 2;
  return word.size() - start <= 2;
}

std::vector<std::unique_ptr<TParserIgnore>> CreateIgnoreFilters(TSpellOptions options,
                                                                const std::string& quoteChars) {
  std::vector<std::unique_ptr<TParserIgnore>> filters;
  if (options.Contains(soInternet)) filters.push_back(std::make_unique<TURLIgnore>());
  if (options.Contains(soUpcase)) filters.push_back(std::make_unique<TUppercaseWordIgnore>());
  if (options.Contains(soNumbers)) filters.push_back(std::make_unique<TNumbersIgnore>());
  if (options.Contains(soHTML)) filters.push_back(std::make_unique<THTMLIgnore>());
  if (options.Contains(soQuoted))
    filters.push_back(std::make_unique<TQuotedLineIgnore>(quoteChars));
  if (options.Contains(soAbbreviations))
    filters.push_back(std::make_unique<TAbbreviationsIgnore>());
  return filters;
}

bool RunScanCharFilters(const std::vector<TParserIgnore*>& filters, char ch,
                        TControlParser* parser) {
  for (TParserIgnore* f : filters) {
    if (f && f->SkipAtChar(ch, parser)) return true;
  }
  return false;
}

bool RunScanWordFilters(const std::vector<TParserIgnore*>& filters, const std::string& word,
                        TControlParser* parser) {
  for (TParserIgnore* f : filters) {
    if (f && f->SkipAfterWord(word, parser)) return true;
  }
  return false;
}

bool RunWordCheckFilters(const std::vector<TParserIgnore*>& filters, const std::string& word,
                         TControlParser* parser) {
  for (TParserIgnore* f : filters) {
    if (f && f->IgnoreWordCheck(word, parser)) return true;
  }
  return false;
}

bool RunWordCheckFilters(const std::vector<std::unique_ptr<TParserIgnore>>& filters,
                         const std::string& word, TControlParser* parser) {
  for (const auto& f : filters) {
    if (f && f->IgnoreWordCheck(word, parser)) return true;
  }
  return false;
}

bool RunLineFilters(const std::vector<TParserIgnore*>& filters, const std::string& line) {
  for (TParserIgnore* f : filters) {
    if (f && f->IgnoreLine(line)) return true;
  }
  return false;
}
