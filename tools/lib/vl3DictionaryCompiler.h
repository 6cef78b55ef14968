// Compiles a word list into a main dictionary file (".vlm") that
// TMainDictionary reads: letter tree, path compression, node tables.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct TDictionaryCompileOptions {
  std::string title;  // ANSI; stored as UTF-16, at most 255 units
  uint32_t langId = 0x0409;
  // Nodes of a word's first `plainDepth` letters carry no chain, so the
  // phonetic search can stop on them (its prefix length is 2 by default).
  int plainDepth = 2;
  bool compressPaths = true;
  // Child lists start with the letters that lead to the most words, so
  // look-ups scan less; otherwise they are in byte order.
  bool commonChildrenFirst = true;
};

// What a compilation produced, for tools and tests.
struct TDictionaryStats {
  uint32_t words = 0;
  uint32_t nodes = 0;
  uint32_t kindCounts[9] = {};
  uint32_t linkAreaSize = 0;
  bool wideChildNumbers = false;
  size_t fileSize = 0;
};

class TDictionaryCompiler {
 public:
  // Words are ANSI byte strings; empty words and duplicates are ignored.
  void AddWord(const std::string& word);
  // One word per line (LF or CR LF). With `utf8` each line is converted to
  // Windows-1252 and lines that do not convert are left out; their number
  // is returned.
  size_t AddWordList(const std::string& text, bool utf8);
  size_t WordCount() const;
  void Clear() { words_.clear(); }

  // Builds the file image. On failure `error` says why (input the format
  // cannot hold) and `image` is left empty.
  bool Compile(const TDictionaryCompileOptions& options, std::string& image, std::string& error,
               TDictionaryStats* stats = nullptr);
  bool CompileToFile(const TDictionaryCompileOptions& options, const std::string& path,
                     std::string& error, TDictionaryStats* stats = nullptr);

 private:
  std::vector<std::string> words_;
};
