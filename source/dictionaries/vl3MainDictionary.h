// Reader of compiled main dictionaries (".vlm"): checks the header, maps the
// file on demand and answers word look-ups by walking the letter tree in place.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TPhoneticsMap;
class TPhoneticPrefixFilter;
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
// The wide layout, for word lists beyond the 20-bit links: the same header
// after this banner (its first line names another version, so readers of
// the compact layout refuse the file), node records of 8 + k bytes (the
// compact record's first four bytes with bits 8-27 unused, then a 32-bit
// link) and 4-byte little-endian child numbers. A leaf's link is
// kWideNoChildren; C = 0 with another link is the explicit count as before.
extern const char kWideBanner[kBannerSize + 1];
constexpr uint32_t kWideNoChildren = 0xFFFFFFFFu;

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

  // Depth-first walk over the whole letter tree for searches that prune by
  // prefix. After each node's characters are written, `enter` gets the
  // buffer (`length` bytes, the node's own from `from` on) and whether a
  // word ends after the node's first character; it answers false to skip
  // the node's subtree. False when the file cannot be mapped.
  using TTreeVisitor =
      std::function<bool(const char* word, size_t from, size_t length, bool wordEnd)>;
  bool WalkLetterTree(const TTreeVisitor& enter);

  const std::string& SourcePath() const { return sourcePath_; }
  const std::string& DisplayTitle() const { return title_; }
  uint32_t LangId() const { return langId_; }
  uint32_t StoredWordCount() const { return wordCount_; }
  uint32_t NodeCount() const { return nodeCount_; }
  bool Wide() const { return wide_; }  // the file uses the wide layout
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

  bool EnsureMapped() {
    if (!mapped_) SetMapped(true);
    return mapped_;
  }
  // Start of node `number`'s record in the view, or nullptr for a number
  // outside the tables; `kind` receives its count of extra characters. The
  // tables lie inside the view (checked when mapping).
  const uint8_t* NodeRecord(uint64_t number, uint32_t& kind) const {
    if (number >= nodeLimit_) return nullptr;
    uint32_t k = kindOfBucket_[number >> bucketShift_];
    while (number >= firstNumbers_[k + 1]) ++k;
    kind = k;
    return tables_[k] + (number - firstNumbers_[k]) * (recordHead_ + k);
  }
  // The first of `count` children listed at `offset` of the child-link area
  // whose character is `ch`; nullptr when none matches or the list leaves the
  // area.
  const uint8_t* FindListedChild(uint32_t offset, uint32_t count, uint8_t ch,
                                 uint32_t& kind) const;
  // The child of record `node` with character `ch`; `kind` receives its kind.
  const uint8_t* FindChildOf(const uint8_t* node, uint8_t ch, uint32_t& kind) const;
  // The child with character `ch` of node `number` (record `node`); its
  // number goes to `childNumber`. Lists of two or more children are read
  // from their decoded copy, made the first time the node is passed.
  const uint8_t* FindChildOfNode(uint32_t number, const uint8_t* node, uint8_t ch,
                                 uint32_t& kind, uint32_t& childNumber);
  // Where node `number`'s decoded list starts in listChars_, plus 1; 0 when
  // it cannot be kept.
  uint32_t DecodedList(uint32_t number, uint32_t offset, uint32_t count);
  // Fills a 256-entry row (preset to "none") with the node number of the
  // first child for each character, in stored child order.
  void FillListRow(uint32_t offset, uint32_t count, uint32_t* row) const;
  void FillChildRow(const uint8_t* node, uint32_t* row) const;
  // Index into secondLetterNodes_ of the row for a first letter, built the
  // first time a word starting with it is looked up.
  size_t SecondLetterRow(uint8_t first) {
    const uint32_t row = secondLetterRow_[first];
    return row != 0 ? (row - 1) * size_t(256) : BuildSecondLetterRow(first);
  }
  size_t BuildSecondLetterRow(uint8_t first);
  // Index into thirdLetterNodes_ of the row for the children of the node
  // at `entry` of secondLetterNodes_ (record `node`), built on first use.
  size_t ThirdLetterRow(size_t entry, const uint8_t* node) {
    const uint32_t row = thirdRows_[entry];
    return row != 0 ? (row - 1) * size_t(256) : BuildThirdLetterRow(entry, node);
  }
  size_t BuildThirdLetterRow(size_t entry, const uint8_t* node);
  // Where the list of a record's children lies when its child-count field
  // is not 1: at the link with that many entries (2..7) or, for 0, after a
  // count byte at the link. False for a leaf or a link outside the area.
  bool ListedChildren(uint32_t link, uint32_t childCount, uint32_t& offset,
                      uint32_t& count) const {
    if (childCount >= 2) {
      offset = link;
      count = childCount;
      return true;
    }
    if (link == noChildren_ || link >= linksSize_) return false;
    offset = link + 1;
    count = links_[link];
    return true;
  }
  // The tree walk behind WordExists.
  bool WalkWord(const uint8_t* w, size_t length);
  // The link of a record whose first four bytes are `value`.
  uint32_t LinkOf(const uint8_t* record, uint32_t value) const {
    return wide_ ? (record[4] | (uint32_t(record[5]) << 8) | (uint32_t(record[6]) << 16) |
                    (uint32_t(record[7]) << 24))
                 : (value >> 8) & 0xFFFFF;
  }
  void DecodeNode(const uint8_t* record, uint32_t kind, TNode& node) const;
  bool ReadNode(uint32_t number, TNode& node) const;
  bool NodeChildren(const TNode& node, TChildren& children) const;
  bool ReadChildNumber(uint32_t& offset, uint32_t& number) const;
  bool FindChild(const TChildren& children, uint8_t ch, TNode& child) const;
  bool WalkPrefix(const std::string& prefix, TNode& node);
  // Writes the node's character at `position` of the word buffer, then its
  // chain, then its children after that.
  void EnumerateNode(const TNode& node, size_t position, const TWordVisitor& visit);
  void EnumerateChildren(const TNode& node, size_t position, const TWordVisitor& visit);
  void WalkTreeNode(const TNode& node, size_t position, const TTreeVisitor& enter);
  void WalkTreeChildren(const TNode& node, size_t position, const TTreeVisitor& enter);

  std::string sourcePath_;
  std::string title_;
  uint32_t langId_ = 0;
  uint32_t wordCount_ = 0;
  uint32_t nodeCount_ = 0;
  uint32_t hitCount_ = 0;
  uint32_t kindCounts_[VlmFormat::kNodeKinds] = {};
  uint64_t tableOffsets_[VlmFormat::kNodeKinds + 1] = {};  // T(0)..T(9)
  uint64_t firstNumbers_[VlmFormat::kNodeKinds + 1] = {};  // First(0)..First(9)
  // Layout: wide files have 8-byte record heads, 32-bit links and 4-byte
  // child numbers.
  bool wide_ = false;
  uint32_t recordHead_ = 4;
  uint32_t noChildren_ = VlmFormat::kNoChildren;

  bool mapped_ = false;
  std::unique_ptr<Platform::TMappedFile> file_;
  const uint8_t* links_ = nullptr;  // child-link area inside the view
  uint32_t linksSize_ = 0;
  uint8_t firstLetters_[VlmFormat::kFirstLetterTableSize] = {};
  uint8_t trailer_[VlmFormat::kTrailerBlockSize] = {};

  // Look-up aids, valid while mapped. Node tables in the view; the node kind
  // at the start of every 2^bucketShift_ node numbers, so that locating a
  // node rarely needs more than one comparison.
  uint64_t nodeLimit_ = 0;  // First(9): node numbers at or above are outside
  const uint8_t* tables_[VlmFormat::kNodeKinds] = {};
  std::vector<uint8_t> kindOfBucket_;
  uint32_t bucketShift_ = 0;
  // Direct tables for the first levels of the tree, where nodes have the
  // most children: for each first letter with a built row, (row index + 1);
  // a row holds for every second letter the node number of the first
  // matching child. thirdRows_ is parallel to secondLetterNodes_ and gives
  // (row index + 1) in thirdLetterNodes_ for the node's own children.
  uint16_t secondLetterRow_[256] = {};
  std::vector<uint32_t> secondLetterNodes_;
  std::vector<uint32_t> thirdRows_;
  std::vector<uint32_t> thirdLetterNodes_;

  // Decoded child lists: for each node, where its list starts (plus 1, 0 =
  // not decoded yet). A list is its length byte in listChars_ followed by
  // the children's characters, with the children themselves at the same
  // indexes in listChildren_; children outside the tables are left out. The
  // index is allocated zeroed on first use, so untouched pages cost nothing.
  struct TFree {
    void operator()(uint32_t* p) const { std::free(p); }
  };
  std::unique_ptr<uint32_t[], TFree> listOfNode_;
  bool listsFull_ = false;  // the size cap was reached: scan in place
  std::vector<uint8_t> listChars_;
  // A child with what a walk needs from its record, so that passing it
  // rarely touches the record itself; `list` is its own decoded list once
  // known (0 before).
  struct TDecodedChild {
    const uint8_t* record;
    uint32_t number;
    uint32_t value;  // the record's first four bytes
    uint32_t kind;
    uint32_t list;
  };
  std::vector<TDecodedChild> listChildren_;
  // Answers for words already looked up, valid while mapped: running text
  // repeats a small vocabulary, and one probe of a table costs less than a
  // walk through the tree. A slot holds the word's length (0 = empty), the
  // answer and the word; two slots share one place (in one cache line), the
  // more recently used first, and a new word pushes out the other.
  struct TAnswerSlot {
    uint8_t length;
    uint8_t answer;
    char word[14];
  };
  static constexpr size_t kAnswerPlaces = size_t(1) << 15;  // of two slots each
  struct TFreeSlots {
    void operator()(uint8_t* p) const { std::free(p); }
  };
  std::unique_ptr<uint8_t[], TFreeSlots> answerBlock_;  // allocated zeroed on first use
  TAnswerSlot* answers_ = nullptr;                      // inside it, on a cache line

  // State of the running search: one search per object at a time.
  std::string searchWord_;
  std::string searchCode_;
  uint64_t budget_ = 0;  // node visits left in this enumeration
  TPhoneticPrefixFilter* prefixFilter_ = nullptr;  // prunes the phonetic search's walk
  char wordBuffer_[VlmFormat::kMaxWordLength + 1] = {};
};
