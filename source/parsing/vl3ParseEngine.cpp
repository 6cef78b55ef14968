// The parsing engine: finds word starts, collects word characters, keeps
// inner and abbreviation periods and trims closing quotes and periods.
#include "vl3ParseEngine.h"

#include <algorithm>
#include <typeinfo>

#include "vl3Ansi.h"
#include "vl3StringParser.h"

namespace {

// Parser access for the word scan: through the virtual operations, or
// directly for a plain string parser (the common case of checking strings
// and of live spelling, where the per-byte calls dominate).
struct TVirtualAccess {
  TControlParser* parser;
  char GetChar() { return parser->GetChar(); }
  bool MoveNext() { return parser->MoveNext(); }
  bool MovePrevious() { return parser->MovePrevious(); }
  void GetPosition(int32_t& x, int32_t& y) { parser->GetPosition(x, y); }
  // Nothing taken in bulk: the scan steps one character at a time.
  bool TakeRun(const std::array<bool, 256>&, std::string&) { return false; }
};

struct TStringAccess {
  TStringParser* parser;
  char GetChar() { return parser->TStringParser::GetChar(); }
  bool MoveNext() { return parser->TStringParser::MoveNext(); }
  bool MovePrevious() { return parser->TStringParser::MovePrevious(); }
  void GetPosition(int32_t& x, int32_t& y) { parser->TStringParser::GetPosition(x, y); }
  // Appends the characters after the current one that are in `table`, as
  // many single steps of MoveNext and GetChar would, and stands on the last
  // of them. True when it took at least one.
  bool TakeRun(const std::array<bool, 256>& table, std::string& word) {
    const std::string* text = parser->Text();
    if (!text) return false;
    int64_t limit = static_cast<int64_t>(text->size());
    if (parser->HasEndBound()) limit = std::min<int64_t>(limit, parser->EndX());
    const int32_t from = parser->X();  // 1-based: the next character is text[from]
    int64_t at = from;
    const unsigned char* bytes = reinterpret_cast<const unsigned char*>(text->data());
    while (at < limit && table[bytes[at]]) ++at;
    if (at == from) return false;
    word.append(text->data() + from, static_cast<size_t>(at - from));
    parser->SetPosition(static_cast<int32_t>(at), 0, ppCurrent);
    return true;
  }
};

// (x, y) lies after (bx, by) in reading order.
bool IsAfter(int32_t x, int32_t y, int32_t bx, int32_t by) { return y > by || (y == by && x > bx); }

// What a scan hook did: no skip, a skip that left the parser where it was,
// or a skip past the text it consumed.
enum TScanHookResult { shNone, shInPlace, shForward };

// Calls `hook(skip)`. A hook that claims a skip but moves the parser back
// would make the scan meet the same text again and never end: that move is
// undone.
template <class TAccess, class THook>
TScanHookResult RunScanHook(TAccess p, TControlParser* parser, THook hook) {
  int32_t bx = 0, by = 0;
  p.GetPosition(bx, by);
  bool skip = false;
  hook(skip);
  if (!skip) return shNone;
  int32_t ax = 0, ay = 0;
  p.GetPosition(ax, ay);
  if (IsAfter(ax, ay, bx, by)) return shForward;
  if (IsAfter(bx, by, ax, ay)) parser->SetPosition(bx, by, ppCurrent);
  return shInPlace;
}

}  // namespace

TMainParsingEngine::TMainParsingEngine()
    : startExclusions_("'\""), endExclusions_("'\"."), midWordExclusions_("&") {
  BuildCharTables(DefaultCharSet());
  ownCharSet_ = charSet_;
}

const std::string& TMainParsingEngine::DefaultCharSet() {
  static const std::string set = [] {
    std::string s("\x92");
    s += "1234567890&'abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
    for (int b = 0xC0; b <= 0xFF; ++b) s += static_cast<char>(b);
    // Central European and Cyrillic letters; some repeat bytes already above.
    static const unsigned char kExtra[] = {0xB8, 0xA8, 0xE1, 0xE8, 0xEF, 0xE9, 0xEC, 0xED,
                                           0xF2, 0xF3, 0xF8, 0x9A, 0x9D, 0xFA, 0xF9, 0xFD,
                                           0x9E, 0xC1, 0xC8, 0xCF, 0xC9, 0xCC, 0xCD, 0xD2,
                                           0xD3, 0xD8, 0x8A, 0x8D, 0xDA, 0xD9, 0xDD, 0x8E};
    for (unsigned char b : kExtra) s += static_cast<char>(b);
    return s;
  }();
  return set;
}

std::string TMainParsingEngine::CharSetWithLetters(const std::vector<int>& codePages) {
  std::string set = DefaultCharSet();
  std::array<bool, 256> present{};
  for (char c : set) present[Byte(c)] = true;
  for (int codePage : codePages) {
    for (char c : Ansi::HighLetters(codePage)) {
      if (present[Byte(c)]) continue;
      present[Byte(c)] = true;
      set += c;
    }
  }
  return set;
}

void TMainParsingEngine::SetLetterCodePages(const std::vector<int>& codePages) {
  if (charSet_ != ownCharSet_) return;  // the host's own characters
  std::string set = CharSetWithLetters(codePages);
  if (set == charSet_) return;
  BuildCharTables(set);
  ownCharSet_ = charSet_;
}

void TMainParsingEngine::FollowLetters(const TMainParsingEngine& other) {
  if (charSet_ == other.charSet_ || charSet_ != ownCharSet_ || other.charSet_ != other.ownCharSet_)
    return;
  BuildCharTables(other.charSet_);
  ownCharSet_ = charSet_;
}

void TMainParsingEngine::BuildCharTables(const std::string& charSet) {
  charSet_ = charSet;
  wordChars_.fill(false);
  midWordChars_.fill(false);
  endChars_.fill(false);
  std::array<bool, 256> midExcluded{};
  for (char c : midWordExclusions_) midExcluded[Byte(c)] = true;
  for (char c : charSet_) {
    wordChars_[Byte(c)] = true;
    if (!midExcluded[Byte(c)]) midWordChars_[Byte(c)] = true;
  }
  for (char c : endExclusions_) endChars_[Byte(c)] = true;
  // Byte 0 marks the outside of the text and must always end a word.
  wordChars_[0] = midWordChars_[0] = false;
  startChars_ = wordChars_;
  for (char c : startExclusions_) startChars_[Byte(c)] = false;
}

void TMainParsingEngine::Initialize(TControlParser* parser, TCheckType mode) {
  parser_ = parser;
  cutAtEnd_ = false;
  if (!parser_) return;
  int32_t startX = 0, startY = 0, endX = 0, endY = 0;
  parser_->GetSelection(startX, startY, endX, endY);
  switch (mode) {
    case ctSelected:
      MoveTo(startX, startY);
      parser_->SetPosition(endX, endY, ppEnd);
      break;
    case ctFromCursor:
      MoveTo(startX, startY);
      break;
    case ctAll:
      parser_->SetPosition(0, 0, ppCurrent);
      break;
    default:
      break;  // smart and continued checks keep the caller's position
  }
}

void TMainParsingEngine::MoveTo(int32_t x, int32_t y) {
  if (!parser_) return;
  cutAtEnd_ = false;
  parser_->SetPosition(x, y, ppCurrent);
  while (midWordChars_[Byte(parser_->GetChar())]) {
    if (!parser_->MovePrevious()) break;
  }
}

void TMainParsingEngine::GetNextWord(std::string& word) {
  word.clear();
  // After a kept partial word the parser stands beyond the end bound, where
  // GetChar still reads: scanning on would return the rest of that word.
  if (!parser_ || cutAtEnd_) return;
  if (typeid(*parser_) == typeid(TStringParser))
    ScanWord(TStringAccess{static_cast<TStringParser*>(parser_)}, word);
  else
    ScanWord(TVirtualAccess{parser_}, word);
}

template <class TAccess>
void TMainParsingEngine::ScanWord(TAccess p, std::string& word) {
  for (;;) {
    // Find the start of a word, letting the scan hook swallow markup.
    char ch;
    for (;;) {
      ch = p.GetChar();
      // A skip that did not move forward counts as no skip.
      if (OnScanChar &&
          RunScanHook(p, parser_, [&](bool& skip) { OnScanChar(ch, parser_, skip); }) == shForward)
        continue;
      if (startChars_[Byte(ch)]) break;
      if (!p.MoveNext()) return;  // exhausted; CurrentWord keeps the last word
    }

    word.push_back(ch);
    bool hasPeriod = ch == '.';
    bool abbreviation = false;
    bool exhausted = false;
    for (;;) {
      if (p.TakeRun(midWordChars_, word))
        hasPeriod = hasPeriod || (midWordChars_[Byte('.')] && word.find('.') != std::string::npos);
      if (!p.MoveNext()) {
        if (!keepPartialLastWord_) word.clear();
        exhausted = true;
        cutAtEnd_ = keepPartialLastWord_;
        break;
      }
      ch = p.GetChar();
      if (midWordChars_[Byte(ch)]) {
        word.push_back(ch);
        hasPeriod = hasPeriod || ch == '.';
        continue;
      }
      if (!innerPeriods_ || ch != '.') break;
      // A period stays when a word character follows it (3.14) or when the
      // word already holds one (the last period of e.g.).
      int32_t bx = 0, by = 0, ax = 0, ay = 0;
      p.GetPosition(bx, by);
      p.MoveNext();
      p.GetPosition(ax, ay);
      bool stays = midWordChars_[Byte(p.GetChar())];
      if (hasPeriod) {
        stays = true;
        abbreviation = true;
      }
      if (ax != bx || ay != by) p.MovePrevious();
      if (!stays) break;
      word.push_back('.');
      hasPeriod = true;
    }

    // Trim closing quotes and periods; an abbreviation keeps its last period.
    const bool keepPeriod = abbreviation && endChars_[Byte('.')];
    while (!word.empty()) {
      const unsigned char last = Byte(word.back());
      if (!endChars_[last] || (keepPeriod && last == '.')) break;
      word.pop_back();
      p.MovePrevious();
    }

    if (word.empty()) {
      if (exhausted) {
        currentWord_.clear();
        return;
      }
      // Everything trimmed: the parser is back on the start byte; step over
      // it so that the scan makes progress.
      if (!p.MoveNext()) return;
      continue;
    }

    if (OnScanWord &&
        RunScanHook(p, parser_, [&](bool& skip) { OnScanWord(word, parser_, skip); }) != shNone) {
      word.clear();
      continue;
    }
    currentWord_ = word;
    return;
  }
}
