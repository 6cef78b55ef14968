// The parsing engine: splits the bytes of a control parser into words, with
// the rules for apostrophes, quotes, periods and the ampersand.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "vl3ParserBase.h"

class TMainParsingEngine : public TParsingEngine {
 public:
  TMainParsingEngine();

  void Initialize(TControlParser* parser, TCheckType mode) override;
  void MoveTo(int32_t x, int32_t y) override;
  void GetNextWord(std::string& word) override;

  // Rebuilds the character tables from `charSet` and the current exclusion
  // strings (the constructor does this with DefaultCharSet()).
  void BuildCharTables(const std::string& charSet);
  // The 161-byte set of bytes that may form words: letters of the Western,
  // Central European and Cyrillic code pages, digits, ' & and 0x92.
  static const std::string& DefaultCharSet();
  // The default set plus the letters of each code page (1250, 1251, 1252)
  // that it lacks, such as the Polish L with stroke or the French oe.
  static std::string CharSetWithLetters(const std::vector<int>& codePages);
  // Makes the letters of the text's code pages word characters (none: back
  // to the default set). A set the host chose with BuildCharTables is kept.
  void SetLetterCodePages(const std::vector<int>& codePages);
  // Takes the letters that another engine was given (the live editor
  // follows its spell checker's); a host's own set on either side stays.
  void FollowLetters(const TMainParsingEngine& other);

  TControlParser* Parser() const { return parser_; }
  const std::string& CharSet() const { return charSet_; }
  const std::string& StartExclusions() const { return startExclusions_; }
  const std::string& EndExclusions() const { return endExclusions_; }
  const std::string& MidWordExclusions() const { return midWordExclusions_; }
  const std::string& CurrentWord() const { return currentWord_; }
  bool InnerPeriods() const { return innerPeriods_; }
  bool KeepPartialLastWord() const { return keepPartialLastWord_; }
  bool IsWordChar(char ch) const { return wordChars_[Byte(ch)]; }
  bool IsMidWordChar(char ch) const { return midWordChars_[Byte(ch)]; }

 protected:
  static unsigned char Byte(char ch) { return static_cast<unsigned char>(ch); }

  // A descendant may change these in its constructor; the exclusion strings
  // take effect through BuildCharTables.
  std::string startExclusions_;    // may not begin a word
  std::string endExclusions_;      // trimmed from the end of a word
  std::string midWordExclusions_;  // may begin a word but end it elsewhere
  bool innerPeriods_ = true;
  bool keepPartialLastWord_ = false;

 private:
  template <class TAccess>
  void ScanWord(TAccess parser, std::string& word);

  TControlParser* parser_ = nullptr;  // attached for one check, not owned
  std::string charSet_;
  std::string ownCharSet_;  // the last set chosen by SetLetterCodePages
  std::array<bool, 256> wordChars_{};
  std::array<bool, 256> midWordChars_{};
  std::array<bool, 256> endChars_{};
  std::array<bool, 256> startChars_{};  // word characters that may begin a word
  std::string currentWord_;
  bool cutAtEnd_ = false;  // the last word was cut by the end of the text
};
