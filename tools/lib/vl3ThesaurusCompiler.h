// Compiler of thesaurus files (".vlt"): lays meanings and headwords out as a
// packed trie, and turns a plain-text synonym source (mythes format) into one.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

// ---- File layout ----------------------------------------------------------

struct TThesaurusMeaning {
  std::string Headword;  // the label shown for the meaning
  int Category = 0;      // 0 to 4; written into the links that name it
  std::array<std::vector<std::string>, 4> Lists;
};

struct TThesaurusHeadword {
  std::string Word;
  std::vector<uint32_t> Links;  // meaning * 5 + category, at most 255
};

struct TThesaurusContent {
  std::string Name;
  std::array<std::string, 5> CategoryNames;
  std::vector<TThesaurusMeaning> Meanings;
  std::vector<TThesaurusHeadword> Headwords;
};

struct TThesaurusLayoutStats {
  size_t Nodes = 0;       // all trie nodes, root and shared tails included
  size_t TailNodes = 0;   // nodes of shared tail chains
  size_t Words = 0;       // distinct words stored
  size_t LinkAreaSize = 0;
  size_t WordIndexSize = 0;
  size_t FileSize = 0;
  bool Wide = false;  // written in the wide layout
};

// Words are single-byte text; the empty word and words holding a zero byte
// are refused. Content within the compact layout's limits (65536 nodes,
// 65535 meanings, 16-bit link values, a 1 MiB link area) is written in it;
// with `allowWide`, content beyond them is written in the wide layout (see
// VltFormat). False (with a reason) when the content breaks a limit of the
// layouts allowed, or has more than 255 links per word or 65535 words per list.
bool WriteThesaurus(const TThesaurusContent& content, std::string& bytes, TThesaurusLayoutStats* stats,
                    std::string* error, bool allowWide = false);
// The wide layout whatever the content's size (tests and fuzz seeds).
bool WriteWideThesaurus(const TThesaurusContent& content, std::string& bytes, TThesaurusLayoutStats* stats,
                        std::string* error);

// ---- Synonym source --------------------------------------------------------

struct TSourceSense {
  int Category = 4;
  std::vector<std::string> Synonyms;  // plain words of the sense
  std::vector<std::string> Similar;
  std::vector<std::string> Related;
  std::vector<std::string> Generic;
  std::vector<std::string> Antonyms;
};

struct TSourceEntry {
  std::string Word;
  std::vector<TSourceSense> Senses;
};

// Reads the mythes data format: an encoding line, then "word|N" lines each
// followed by N "(pos)|word|word (similar term)|..." lines. Text is converted
// to the Windows code page (1252 by default; from UTF-8 or ISO-8859-1); words
// that do not convert are left out. False only when the text does not look
// like that format.
bool ParseMythes(const std::string& text, std::vector<TSourceEntry>& entries, std::string& error,
                 int codePage = 1252);

// Category of a part-of-speech tag: noun 0, verb 1, adjective 2, adverb 3,
// anything else 4.
int CategoryOfPartOfSpeech(const std::string& tag);
extern const std::array<const char*, 5> kThesaurusCategoryNames;

struct TCompileOptions {
  std::string Name = "English";
  // Compact layout only, so that every reader of it reads the file: what
  // does not fit is dropped, the least looked-up headwords first. Otherwise
  // every eligible headword is kept, in the wide layout when needed.
  bool Compact = false;
  int CodePage = 1252;  // of the words: which bytes are letters
  size_t MaxNodes = 0;     // 0 = the layout's limit
  size_t MaxMeanings = 0;  // 0 = the layout's limit (compact: 13107, where meaning * 5 + 4 fills 16 bits)
  size_t MaxListWords = 0;     // words in the list the dialog shows, 0 = all
  size_t MaxOtherWords = 0;    // words in each of the other three lists, 0 = all
  size_t MaxSenses = 0;        // senses kept per headword (the first ones), 0 = all
  size_t SenseSpacing = 4000;  // rank distance between a headword's senses
  // When not empty, headwords must be in it (as written or in lower case).
  std::unordered_set<std::string> KnownWords;
  // Occurrences of words in real text of the language (lower case): when a
  // thesaurus must drop headwords, the most frequent ones are kept first.
  std::unordered_map<std::string, uint64_t> Frequencies;
};

struct TCompileStats {
  size_t SourceHeadwords = 0;
  size_t SourceSenses = 0;
  size_t EligibleHeadwords = 0;  // single words that a look-up can reach
  size_t KeptHeadwords = 0;
  size_t KeptLinks = 0;          // senses of kept headwords that made it in
  size_t Meanings = 0;           // distinct meanings written
  TThesaurusLayoutStats Layout;
  std::vector<std::string> Dropped;  // eligible headwords left out, most looked-up first
};

// Keeps the most-mentioned headwords that fit the format's limits; senses
// that list the same words under the same category share one meaning.
bool CompileThesaurus(const std::vector<TSourceEntry>& entries, const TCompileOptions& options,
                      std::string& bytes, TCompileStats& stats, std::string& error);
