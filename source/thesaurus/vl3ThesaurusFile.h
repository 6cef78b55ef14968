// Reader of compiled thesaurus files (".vlt"): a character trie packed into
// 32-bit node records, meaning records and word lists held as node numbers.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "vl3StringList.h"

// Node record fields, shared by the reader and the compiler: a 20-bit
// link-area offset, four flags and the character in the top byte.
namespace VltFormat {

constexpr uint32_t kOffsetMask = 0x000FFFFF;
constexpr uint32_t kSingleChildBit = 1u << 20;
constexpr uint32_t kHasParentBit = 1u << 21;
constexpr uint32_t kTailChainBit = 1u << 22;
constexpr uint32_t kEndOfWordBit = 1u << 23;
constexpr uint32_t kMaxNodes = 65536;  // node numbers are 16-bit

// The wide layout, for thesauri beyond the 16-bit numbers and the 1 MiB link
// area: where the compact layout has its node count, a wide file has this
// marker (no file that size exists, so readers of the compact layout refuse
// it); then the node count, 8-byte node records (the compact record with
// bits 0-19 unused, then a 32-bit link-area offset), 32-bit node numbers,
// link values and counts of meanings and 16-byte meaning records (32-bit
// headword, four 16-bit counts, 32-bit offset).
constexpr uint32_t kWideMarker = 0xFFFFFFFF;
constexpr size_t kWideNodeSize = 8;
constexpr size_t kWideMeaningSize = 16;
extern const char kCompactSignature[];  // first line of the header
extern const char kWideSignature[];

}  // namespace VltFormat

// One node as needed for climbing towards the root.
class TReverseNode {
 public:
  virtual ~TReverseNode() = default;

  uint32_t LinkOffset = 0;
  bool EndOfWord = false;
  bool TailChain = false;
  bool HasParent = false;
  bool SingleChild = false;
  uint32_t Parent = 0;
  uint32_t Child = 0;  // the only child when SingleChild
  uint8_t Character = 0;
};

// One node with its children and meaning links.
class TForwardNode : public TReverseNode {
 public:
  std::vector<uint32_t> Children;
  std::vector<uint32_t> Links;  // meaning * 5 + category
};

// One meaning record as stored.
class TEntry {
 public:
  int Category = 0;
  uint32_t Headword = 0;
  std::array<std::vector<uint32_t>, 4> Lists;
};

// One meaning as handed to callers.
class TThesaurusEntry {
 public:
  std::string Headword;
  int Category = 0;
  std::string CategoryName;
  std::array<TStringList, 4> Lists;  // word lists 1 to 4
};

using TThesaurusEntryList = std::vector<std::unique_ptr<TThesaurusEntry>>;

class TThesaurusFile {
 public:
  static constexpr size_t kHeaderSize = 165;
  static constexpr size_t kMeaningRecordSize = 14;
  static constexpr int kCategoryCount = 5;

  TThesaurusFile();
  virtual ~TThesaurusFile();
  TThesaurusFile(const TThesaurusFile&) = delete;
  TThesaurusFile& operator=(const TThesaurusFile&) = delete;

  virtual void LoadFile();
  virtual void UnloadFile();
  // False when the node or one on its way to the root is damaged.
  virtual bool NodeToWord(std::string& word, uint32_t node);
  virtual bool FindNode(const std::string& word, uint32_t& node);
  virtual bool BuildEntry(const TEntry& meaning, TThesaurusEntry& result);
  virtual void MatchCase(const std::string& model, TThesaurusEntry& result);
  virtual void SetLoaded(bool value);
  virtual void SetFileName(const std::string& name);
  virtual bool Lookup(const std::string& word);

  // Takes the file's bytes from memory instead of the file (tests, fuzzing).
  bool LoadFromBytes(const std::string& bytes);

  // Decoders over the loaded blocks; false when a record lies outside them.
  bool ReadNode(uint32_t node, TReverseNode& result) const;
  bool ReadForwardNode(uint32_t node, TForwardNode& result) const;
  bool ReadMeaning(uint32_t meaning, TEntry& result) const;

  bool Loaded() const { return loaded_; }
  const std::string& FileName() const { return fileName_; }
  uint32_t NodeCount() const { return nodeCount_; }
  uint32_t LinkAreaSize() const { return linkAreaSize_; }
  uint32_t MeaningCount() const { return meaningCount_; }
  // The file uses the wide layout (see VltFormat).
  bool Wide() const { return wide_; }
  uint32_t WordIndexSize() const { return wordIndexSize_; }
  const std::string& ThesaurusName() const { return thesaurusName_; }
  const TStringList& CategoryNames() const { return categoryNames_; }
  // The meanings of the last look-up; the thesaurus component sorts them.
  TThesaurusEntryList& Results() { return results_; }
  const TThesaurusEntryList& Results() const { return results_; }
  const std::string& LastWord() const { return lastWord_; }
  bool TryLowerCase() const { return tryLowerCase_; }
  // The code page of the words (1250, 1251 or 1252), judged from the
  // letters of the loaded file; 1252 before a file is loaded.
  int CodePage() const { return codePage_; }

 private:
  void ClearBlocks();
  bool ChainText(const TForwardNode& start, std::string& text) const;

  bool loaded_ = false;
  std::string fileName_;
  uint32_t nodeCount_ = 0;
  uint32_t linkAreaSize_ = 0;
  uint32_t meaningCount_ = 0;
  uint32_t wordIndexSize_ = 0;
  bool wide_ = false;
  size_t numberSize_ = 2;  // bytes of a node number, link value or parent
  std::string nodeBlock_;
  std::string linkBlock_;
  std::string meaningBlock_;
  std::string wordIndexBlock_;
  std::string thesaurusName_;
  TStringList categoryNames_;
  TThesaurusEntryList results_;
  std::string lastWord_;
  bool tryLowerCase_ = true;
  int codePage_ = 1252;
};
