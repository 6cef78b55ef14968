// Reader of compiled main dictionaries (".vlm"): checks the header, maps the
// file on demand and answers word look-ups by walking the letter tree in place.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class TPhoneticsMap;
class TStringList;

namespace Platform {
class TMappedFile;
}

// Layout constants shared by the reader and the compiler.
namespace VlmFormat {

constexpr size_t kHeaderBlockSize = 1024;
constexpr size_t kBannerSize = 123;
// The banner every file begins with: four CR LF terminated lines of 39, 32,
// 25 and 17 characters and an empty line.
extern const char kBanner[kBannerSize + 1];

constexpr int kNodeKinds = 9;  // node records with 0..8 extra characters
constexpr size_t kFirstLetterTableSize = 2048;
constexpr size_t kFirstLetterRecordSize = 8;
constexpr size_t kTrailerBlockSize = 1024;
constexpr uint32_t kNoChildren = 0xFFFFF;  // link value of a leaf
constexpr uint32_t kMaxLink = 0xFFFFE;     // largest usable 20-bit link
constexpr uint32_t kWideChildThreshold =
    0xFFFF;  // node counts from here on use 2/3-byte child numbers
constexpr uint32_t kMaxWideChild = (1u << 23) - 1;
constexpr size_t kMaxWordLength = 512;  // words the phonetic search can build

}  // namespace VlmFormat

class TMainDictionary {
 public:
  TMainDictionary();
  ~TMainDictionary();
  TMainDictionary(const TMainDictionary&) = delete;
  TMainDictionary& operator=(const TMainDictionary&) = delete;

  // Reads and checks the header. Callers learn the outcome by comparing
  // SourcePath() with the path they passed.
  void Open(const std::string& path);
  // Maps or releases the file; mapping failures leave the object unmapped.
  void SetMapped(bool value);
  bool Mapped() const { return mapped_; }

  // Exact, case-sensitive membership test; maps the file first when needed.
  bool WordExists(const std::string& word);
  void IncHitCount() { ++hitCount_; }

  // Appends to `results` the words whose phonetic code equals that of
  // `word`, searching below the word's first PhoneticDepth characters.
  void FindPhoneticMatches(const std::string& word, TPhoneticsMap& map, TStringList& results);

  // Depth-first walk over the words that begin with `prefix` (all words for
  // an empty prefix), children in stored order. The visitor answers false to
  // skip the rest of that word's subtree. Returns false when the file cannot
  // be mapped. Used by the phonetic search, the tools and the tests.
  using TWordVisitor = std::function<bool(const std::string& word)>;
  bool EnumerateWords(const std::string& prefix, const TWordVisitor& visit);

  const std::string& SourcePath() const { return sourcePath_; }
  const std::string& DisplayTitle() const { return title_; }
  uint32_t LangId() const { return langId_; }
  uint32_t StoredWordCount() const { return wordCount_; }
  uint32_t NodeCount() const { return nodeCount_; }
  uint32_t HitCount() const { return hitCount_; }

 private:
  struct TNode {
    uint8_t ch = 0;
    uint32_t link = 0;
    uint32_t childCount = 0;  // C field of the record
    bool wordEnd = false;
    const uint8_t* extra = nullptr;  // k extra characters inside the mapped view
    uint32_t extraCount = 0;
  };
  // Children of a node or first letter: `count` numbers at `offset` in the
  // child-link area, or the single node `single`.
  struct TChildren {
    uint32_t count = 0;
    uint32_t offset = 0;
    bool singleLink = false;
    uint32_t single = 0;
  };

  bool EnsureMapped();
  bool ReadNode(uint32_t number, TNode& node) const;
  bool NodeChildren(const TNode& node, TChildren& children) const;
  bool ReadChildNumber(uint32_t& offset, uint32_t& number) const;
  bool FindChild(const TChildren& children, uint8_t ch, TNode& child) const;
  bool WalkPrefix(const std::string& prefix, TNode& node);
  // Writes the node's character at `position` of the word buffer, then its
  // chain, then its children after that.
  void EnumerateNode(const TNode& node, size_t position, const TWordVisitor& visit);
  void EnumerateChildren(const TNode& node, size_t position, const TWordVisitor& visit);

  std::string sourcePath_;
  std::string title_;
  uint32_t langId_ = 0;
  uint32_t wordCount_ = 0;
  uint32_t nodeCount_ = 0;
  uint32_t hitCount_ = 0;
  uint32_t kindCounts_[VlmFormat::kNodeKinds] = {};
  uint64_t tableOffsets_[VlmFormat::kNodeKinds + 1] = {};  // T(0)..T(9)
  uint64_t firstNumbers_[VlmFormat::kNodeKinds + 1] = {};  // First(0)..First(9)

  bool mapped_ = false;
  std::unique_ptr<Platform::TMappedFile> file_;
  const uint8_t* links_ = nullptr;  // child-link area inside the view
  uint32_t linksSize_ = 0;
  uint8_t firstLetters_[VlmFormat::kFirstLetterTableSize] = {};
  uint8_t trailer_[VlmFormat::kTrailerBlockSize] = {};

  // State of the running search: one search per object at a time.
  std::string searchWord_;
  std::string searchCode_;
  uint64_t budget_ = 0;  // node visits left in this enumeration
  char wordBuffer_[VlmFormat::kMaxWordLength + 1] = {};
};
