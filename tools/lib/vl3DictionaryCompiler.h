// Compiles a word list into a main dictionary file (".vlm") that
// TMainDictionary reads: letter tree, path compression, node tables.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct TDictionaryCompileOptions {
  std::string title;   // in the code page below; stored as UTF-16, at most 255 units
  int codePage = 1252;  // of the words and the title
  uint32_t langId = 0x0409;
  // Nodes of a word's first `plainDepth` letters carry no chain, so the
  // phonetic search can stop on them (its prefix length is 2 by default).
  int plainDepth = 2;
  bool compressPaths = true;
  // Child lists start with the letters that lead to the most words, so
  // look-ups scan less; otherwise they are in byte order.
  bool commonChildrenFirst = true;
  // Words that end alike share the nodes of their common ending (nodes with
  // the same children always share one child list).
  bool shareSuffixes = true;
  // A list the compact layout cannot hold is written whole in the wide
  // layout (see VlmFormat), which only this suite's readers read; lists that
  // fit are written in the compact layout as ever.
  bool allowWide = false;
  // A list the format cannot hold whole keeps the words users meet most
  // (see KeepOrder) instead of failing; words too long to store are left out.
  bool dropToFit = false;
  // The largest child-link offset to use: the format's limit, or less to
  // try the fitting on small lists.
  uint32_t linkLimit = 0xFFFFE;
};

// What a compilation produced, for tools and tests.
struct TDictionaryStats {
  uint32_t words = 0;
  uint32_t dropped = 0;  // left out to fit the format (dropToFit)
  uint32_t nodes = 0;
  uint32_t kindCounts[9] = {};
  uint32_t linkAreaSize = 0;
  bool wideChildNumbers = false;
  bool wideLayout = false;  // written in the wide layout
  size_t fileSize = 0;
};

// The order in which words are kept when a list must shrink to fit: shorter
// words first, since short forms are the frequent ones in running text
// (long words are mostly rare compounds and inflections); words of equal
// length in a fixed scattered order, so the loss is spread over the alphabet
// rather than cutting off its end. True when `a` is kept before `b`.
bool KeepOrder(const std::string& a, const std::string& b);

class TDictionaryCompiler {
 public:
  // Words are ANSI byte strings; empty words and duplicates are ignored.
  void AddWord(const std::string& word);
  // One word per line (LF or CR LF). With `utf8` each line is converted to
  // the code page and lines that do not convert are left out; their number
  // is returned.
  size_t AddWordList(const std::string& text, bool utf8, int codePage = 1252);
  size_t WordCount() const;
  void Clear() { words_.clear(); }

  // Builds the file image. On failure `error` says why (input the format
  // cannot hold) and `image` is left empty.
  bool Compile(const TDictionaryCompileOptions& options, std::string& image, std::string& error,
               TDictionaryStats* stats = nullptr);
  bool CompileToFile(const TDictionaryCompileOptions& options, const std::string& path,
                     std::string& error, TDictionaryStats* stats = nullptr);

 private:
  // The image of exactly these words (sorted, unique). `tooLarge` tells a
  // list that outgrows the format's links from other failures.
  static bool Build(const std::vector<std::string>& words, const TDictionaryCompileOptions& options,
                    std::string& image, std::string& error, TDictionaryStats* stats,
                    bool& tooLarge, bool wideLayout = false);
  // Keeps the longest prefix of the users' order that fits.
  static bool BuildFitting(const std::vector<std::string>& words,
                           const TDictionaryCompileOptions& options, std::string& image,
                           std::string& error, TDictionaryStats* stats);

  std::vector<std::string> words_;
};
