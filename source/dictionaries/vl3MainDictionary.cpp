// Reader of compiled main dictionaries: header check, on-demand mapping, word
// look-up and prefix enumeration over the letter tree in the mapped file.
#include "vl3MainDictionary.h"

#include <algorithm>
#include <cstring>
#include <typeinfo>

#include "vl3Codepage.h"
#include "vl3PhoneticsMap.h"
#include "vl3Platform.h"
#include "vl3StringList.h"

namespace VlmFormat {

const char kBanner[kBannerSize + 1] =
    "Vexlor Dictionary Compiler, Version 4.0\r\n"
    "Copyright (c) 2026 Vexlor Studio\r\n"
    "http://www.vexlor.example\r\n"
    "spell@vexlor.test\r\n"
    "\r\n";
static_assert(sizeof(kBanner) == kBannerSize + 1, "banner lines have fixed lengths");

const char kWideBanner[kBannerSize + 1] =
    "Vexlor Dictionary Compiler, Version 5.0\r\n"
    "Copyright (c) 2026 Vexlor Studio\r\n"
    "http://www.vexlor.example\r\n"
    "spell@vexlor.test\r\n"
    "\r\n";
static_assert(sizeof(kWideBanner) == kBannerSize + 1, "banner lines have fixed lengths");

}  // namespace VlmFormat

using namespace VlmFormat;

namespace {

uint32_t ReadU32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
         (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

// Surrogates cannot be shown in a single-byte code page.
void AppendUtf8(uint32_t unit, std::string& out) {
  if (unit < 0x80) {
    out.push_back(static_cast<char>(unit));
  } else if (unit < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (unit >> 6)));
    out.push_back(static_cast<char>(0x80 | (unit & 0x3F)));
  } else if (unit >= 0xD800 && unit <= 0xDFFF) {
    out.push_back('?');
  } else {
    out.push_back(static_cast<char>(0xE0 | (unit >> 12)));
    out.push_back(static_cast<char>(0x80 | ((unit >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (unit & 0x3F)));
  }
}

uint32_t ReadU16(const uint8_t* p) { return p[0] | (static_cast<uint32_t>(p[1]) << 8); }

// Wide child numbers take two bytes when the first has its top bit set, else
// three.
uint32_t WideChildSize(uint8_t first) { return (first & 0x80) ? 2 : 3; }
uint32_t ReadWideChild(const uint8_t* p) {
  if (p[0] & 0x80) return (static_cast<uint32_t>(p[0] & 0x7F) << 8) | p[1];
  return (static_cast<uint32_t>(p[0]) << 16) | (static_cast<uint32_t>(p[1]) << 8) | p[2];
}

// No node has this number in any file small enough to be mapped.
constexpr uint32_t kNoNode = 0xFFFFFFFFu;
constexpr uint32_t kWordEndBit = 0x80000000u;

// Where the header fields end for a title of L code units.
constexpr size_t kFixedHeaderFields = 1 + 2 + 4 + 4 + 4 + 4 * kNodeKinds;

}  // namespace

TMainDictionary::TMainDictionary() = default;

TMainDictionary::~TMainDictionary() { SetMapped(false); }

void TMainDictionary::Open(const std::string& path) {
  uint64_t size = 0;
  if (!Platform::FileExists(path) || !Platform::GetFileSize(path, size)) return;
  Platform::TMappedFile header;
  if (size > 0 && !header.Open(path)) return;

  hitCount_ = 0;
  bool wasMapped = mapped_;
  SetMapped(false);

  if (size <= kHeaderBlockSize || header.Size() <= kHeaderBlockSize) return;
  const uint8_t* data = header.Data();
  const size_t available = header.Size();
  const bool wide = std::memcmp(data, kWideBanner, kBannerSize) == 0;
  if (!wide && std::memcmp(data, kBanner, kBannerSize) != 0) return;

  // A file too short for its own header fields is rejected here rather than
  // read past its end.
  size_t pos = kHeaderBlockSize;
  const uint32_t titleUnits = data[pos];
  const size_t headerEnd = pos + kFixedHeaderFields + 2 * titleUnits;
  if (headerEnd > available) return;
  ++pos;
  wide_ = wide;
  recordHead_ = wide ? 8 : 4;
  noChildren_ = wide ? kWideNoChildren : kNoChildren;

  // The title runs to its first 0x0000 unit; the stored terminator bounds it.
  std::string utf8;
  const uint8_t* units = data + kHeaderBlockSize + 1;
  for (uint32_t i = 0; i < titleUnits; ++i) {
    const uint32_t unit = units[2 * i] | (static_cast<uint32_t>(units[2 * i + 1]) << 8);
    if (unit == 0) break;
    AppendUtf8(unit, utf8);
  }
  pos = kHeaderBlockSize + 1 + 2 * (titleUnits + 1);
  langId_ = ReadU32(data + pos);
  // Shown in the code page of the dictionary's language: the ANSI code page
  // of a Windows set up for that language.
  std::string title;
  Codepage::FromUtf8(utf8, Codepage::OfLanguage(langId_), title);
  title_ = title;
  wordCount_ = ReadU32(data + pos + 4);
  nodeCount_ = ReadU32(data + pos + 8);
  pos += 12;
  for (int k = 0; k < kNodeKinds; ++k, pos += 4) kindCounts_[k] = ReadU32(data + pos);

  tableOffsets_[0] = pos;
  firstNumbers_[0] = 0;
  for (int k = 1; k <= kNodeKinds; ++k) {
    tableOffsets_[k] = tableOffsets_[k - 1] + uint64_t(kindCounts_[k - 1]) * uint64_t(k - 1 + recordHead_);
    firstNumbers_[k] = firstNumbers_[k - 1] + kindCounts_[k - 1];
  }

  sourcePath_ = path;
  header.Close();
  SetMapped(wasMapped);
}

void TMainDictionary::SetMapped(bool value) {
  if (value == mapped_ || sourcePath_.empty()) return;
  mapped_ = value;
  if (!value) {
    file_.reset();
    links_ = nullptr;
    linksSize_ = 0;
    nodeLimit_ = 0;
    std::memset(tables_, 0, sizeof(tables_));
    kindOfBucket_.clear();
    std::memset(secondLetterRow_, 0, sizeof(secondLetterRow_));
    secondLetterNodes_.clear();
    thirdRows_.clear();
    thirdLetterNodes_.clear();
    listOfNode_.reset();
    listsFull_ = false;
    listChars_.clear();
    listChildren_.clear();
    answerBlock_.reset();
    answers_ = nullptr;
    return;
  }

  file_ = std::make_unique<Platform::TMappedFile>();
  bool ok = file_->Open(sourcePath_) && file_->Data() != nullptr;
  if (ok) {
    const uint64_t size = file_->Size();
    const uint64_t linksStart = tableOffsets_[kNodeKinds] + 4;
    ok = size > linksStart;
    if (ok) {
      const uint32_t linksSize = ReadU32(file_->Data() + tableOffsets_[kNodeKinds]);
      ok = size >= linksStart + linksSize + kFirstLetterTableSize + kTrailerBlockSize;
      if (ok) {
        links_ = file_->Data() + linksStart;
        linksSize_ = linksSize;
        std::memcpy(firstLetters_, links_ + linksSize, kFirstLetterTableSize);
        std::memcpy(trailer_, links_ + linksSize + kFirstLetterTableSize, kTrailerBlockSize);
        for (int k = 0; k < kNodeKinds; ++k) tables_[k] = file_->Data() + tableOffsets_[k];
        // Every record lies before T(9) inside the file, so there are fewer
        // nodes than bytes and the bucket count stays small.
        nodeLimit_ = firstNumbers_[kNodeKinds];
        bucketShift_ = 10;
        while ((nodeLimit_ >> bucketShift_) >= 65536) ++bucketShift_;
        kindOfBucket_.assign(static_cast<size_t>(nodeLimit_ >> bucketShift_) + 1, 0);
        uint32_t kind = 0;
        for (size_t b = 0; b < kindOfBucket_.size(); ++b) {
          const uint64_t start = uint64_t(b) << bucketShift_;
          while (kind + 1 < kNodeKinds && start >= firstNumbers_[kind + 1]) ++kind;
          kindOfBucket_[b] = static_cast<uint8_t>(kind);
        }
      }
    }
  }
  if (!ok) SetMapped(false);
}

void TMainDictionary::DecodeNode(const uint8_t* record, uint32_t kind, TNode& node) const {
  const uint32_t value = ReadU32(record);
  node.ch = static_cast<uint8_t>(value & 0xFF);
  node.link = LinkOf(record, value);
  node.childCount = (value >> 28) & 0x7;
  node.wordEnd = (value & kWordEndBit) != 0;
  node.extra = record + recordHead_;
  node.extraCount = kind;
}

bool TMainDictionary::ReadNode(uint32_t number, TNode& node) const {
  uint32_t kind = 0;
  const uint8_t* record = NodeRecord(number, kind);
  if (record == nullptr) return false;
  DecodeNode(record, kind, node);
  return true;
}

bool TMainDictionary::NodeChildren(const TNode& node, TChildren& children) const {
  children = TChildren();
  if (node.childCount == 1) {
    children.count = 1;
    children.singleLink = true;
    children.single = node.link;
    return true;
  }
  return ListedChildren(node.link, node.childCount, children.offset, children.count) &&
         children.count > 0;
}

bool TMainDictionary::ReadChildNumber(uint32_t& offset, uint32_t& number) const {
  if (offset >= linksSize_) return false;
  const uint8_t* p = links_ + offset;
  if (wide_) {
    if (linksSize_ - offset < 4) return false;
    number = ReadU32(p);
    offset += 4;
    return true;
  }
  const bool narrow = nodeCount_ < kWideChildThreshold;
  const uint32_t size = narrow ? 2 : WideChildSize(p[0]);
  if (linksSize_ - offset < size) return false;
  number = narrow ? ReadU16(p) : ReadWideChild(p);
  offset += size;
  return true;
}

// Only the character byte of each listed child is read until one matches.
const uint8_t* TMainDictionary::FindListedChild(uint32_t offset, uint32_t count, uint8_t ch,
                                                uint32_t& kind) const {
  if (offset >= linksSize_) return nullptr;
  const uint8_t* p = links_ + offset;
  const uint32_t left = linksSize_ - offset;
  if (wide_) {
    const uint32_t listed = count < left / 4 ? count : left / 4;
    for (uint32_t i = 0; i < listed; ++i, p += 4) {
      const uint8_t* child = NodeRecord(ReadU32(p), kind);
      if (child != nullptr && child[0] == ch) return child;
    }
    return nullptr;
  }
  if (nodeCount_ < kWideChildThreshold) {
    // A list cut short by the end of the area ends the search there.
    const uint32_t listed = count < left / 2 ? count : left / 2;
    for (uint32_t i = 0; i < listed; ++i, p += 2) {
      const uint8_t* child = NodeRecord(ReadU16(p), kind);
      if (child != nullptr && child[0] == ch) return child;
    }
    return nullptr;
  }
  if (left / 3 >= count) {
    // The whole list lies inside the area whatever the widths.
    for (uint32_t i = 0; i < count; ++i) {
      const uint32_t number = ReadWideChild(p);
      p += WideChildSize(p[0]);
      const uint8_t* child = NodeRecord(number, kind);
      if (child != nullptr && child[0] == ch) return child;
    }
    return nullptr;
  }
  // Near the end of the area each number is checked before it is read.
  for (uint32_t i = 0; i < count; ++i) {
    uint32_t number = 0;
    if (!ReadChildNumber(offset, number)) return nullptr;
    const uint8_t* child = NodeRecord(number, kind);
    if (child != nullptr && child[0] == ch) return child;
  }
  return nullptr;
}

const uint8_t* TMainDictionary::FindChildOf(const uint8_t* node, uint8_t ch, uint32_t& kind) const {
  const uint32_t value = ReadU32(node);
  const uint32_t link = LinkOf(node, value);
  const uint32_t childCount = (value >> 28) & 0x7;
  if (childCount == 1) {
    const uint8_t* child = NodeRecord(link, kind);
    return child != nullptr && child[0] == ch ? child : nullptr;
  }
  uint32_t offset = 0;
  uint32_t count = 0;
  if (!ListedChildren(link, childCount, offset, count)) return nullptr;
  return FindListedChild(offset, count, ch, kind);
}

uint32_t TMainDictionary::DecodedList(uint32_t number, uint32_t offset, uint32_t count) {
  if (listsFull_) return 0;
  if (!listOfNode_) {
    // Node numbers are below nodeLimit_, itself below the file size / 4.
    if (nodeLimit_ > 0xFFFFFFFFu) {
      listsFull_ = true;
      return 0;
    }
    listOfNode_.reset(static_cast<uint32_t*>(std::calloc(size_t(nodeLimit_), sizeof(uint32_t))));
    if (!listOfNode_) {
      listsFull_ = true;
      return 0;
    }
  }
  // In a sound file every node is listed once, so the copies hold fewer
  // entries than two per node; a damaged one can make many nodes share long
  // lists, so the copies are capped.
  const uint64_t cap = 2 * nodeLimit_ + 65536;
  if (listChars_.size() + count + 1 > (cap < 0xFFFFFF00u ? cap : 0xFFFFFF00u)) {
    listsFull_ = true;
    return 0;
  }
  const size_t start = listChars_.size();
  listChars_.push_back(0);
  listChildren_.push_back(TDecodedChild{nullptr, 0, 0, 0, 0});
  uint32_t kept = 0;
  uint32_t kind = 0;
  for (uint32_t i = 0; i < count; ++i) {
    uint32_t child = 0;
    if (!ReadChildNumber(offset, child)) break;
    const uint8_t* record = NodeRecord(child, kind);
    if (record == nullptr) continue;
    listChars_.push_back(record[0]);
    listChildren_.push_back(TDecodedChild{record, child, ReadU32(record), kind, 0});
    ++kept;
  }
  listChars_[start] = static_cast<uint8_t>(kept);
  listOfNode_[number] = static_cast<uint32_t>(start + 1);
  return listOfNode_[number];
}

const uint8_t* TMainDictionary::FindChildOfNode(uint32_t number, const uint8_t* node, uint8_t ch,
                                                uint32_t& kind, uint32_t& childNumber) {
  const uint32_t value = ReadU32(node);
  const uint32_t link = LinkOf(node, value);
  const uint32_t childCount = (value >> 28) & 0x7;
  if (childCount == 1) {
    const uint8_t* child = NodeRecord(link, kind);
    childNumber = link;
    return child != nullptr && child[0] == ch ? child : nullptr;
  }
  uint32_t offset = 0;
  uint32_t count = 0;
  if (!ListedChildren(link, childCount, offset, count)) return nullptr;
  uint32_t list = listOfNode_ ? listOfNode_[number] : 0;
  if (list == 0) list = DecodedList(number, offset, count);
  if (list == 0) {
    const uint8_t* child = FindListedChild(offset, count, ch, kind);
    if (child == nullptr) return nullptr;
    // The scan gives no number: the rest of the walk goes by records.
    childNumber = kNoNode;
    return child;
  }
  const uint8_t* chars = listChars_.data() + list;
  const uint32_t kept = chars[-1];
  for (uint32_t i = 0; i < kept; ++i) {
    if (chars[i] == ch) {
      const TDecodedChild& child = listChildren_[list + i];
      childNumber = child.number;
      kind = child.kind;
      return child.record;
    }
  }
  return nullptr;
}

bool TMainDictionary::FindChild(const TChildren& children, uint8_t ch, TNode& child) const {
  if (children.singleLink) return ReadNode(children.single, child) && child.ch == ch;
  uint32_t kind = 0;
  const uint8_t* record = FindListedChild(children.offset, children.count, ch, kind);
  if (record == nullptr) return false;
  DecodeNode(record, kind, child);
  return true;
}

// Mirrors FindListedChild: skips children outside the tables, stops where
// the list leaves the child-link area, and keeps the first match.
void TMainDictionary::FillListRow(uint32_t offset, uint32_t count, uint32_t* row) const {
  uint32_t kind = 0;
  for (uint32_t i = 0; i < count; ++i) {
    uint32_t number = 0;
    if (!ReadChildNumber(offset, number)) return;
    const uint8_t* child = NodeRecord(number, kind);
    if (child != nullptr && row[child[0]] == kNoNode) row[child[0]] = number;
  }
}

void TMainDictionary::FillChildRow(const uint8_t* node, uint32_t* row) const {
  const uint32_t value = ReadU32(node);
  const uint32_t link = LinkOf(node, value);
  const uint32_t childCount = (value >> 28) & 0x7;
  uint32_t kind = 0;
  uint32_t offset = 0;
  uint32_t count = 0;
  if (childCount == 1) {
    const uint8_t* child = NodeRecord(link, kind);
    if (child != nullptr) row[child[0]] = link;
  } else if (ListedChildren(link, childCount, offset, count)) {
    FillListRow(offset, count, row);
  }
}

size_t TMainDictionary::BuildSecondLetterRow(uint8_t first) {
  const size_t start = secondLetterNodes_.size();
  secondLetterNodes_.resize(start + 256, kNoNode);
  thirdRows_.resize(start + 256, 0);
  secondLetterRow_[first] = static_cast<uint16_t>(start / 256 + 1);
  uint32_t* row = secondLetterNodes_.data() + start;
  const uint8_t* record = firstLetters_ + first * kFirstLetterRecordSize;
  const uint32_t count = record[1];
  const uint32_t link = ReadU32(record + 4);
  uint32_t kind = 0;
  if (count == 1) {
    const uint8_t* child = NodeRecord(link, kind);
    if (child != nullptr && link != kNoNode) row[child[0]] = link;
  } else {
    FillListRow(link, count, row);
  }
  return start;
}

size_t TMainDictionary::BuildThirdLetterRow(size_t entry, const uint8_t* node) {
  const size_t start = thirdLetterNodes_.size();
  thirdLetterNodes_.resize(start + 256, kNoNode);
  thirdRows_[entry] = static_cast<uint32_t>(start / 256 + 1);
  FillChildRow(node, thirdLetterNodes_.data() + start);
  return start;
}

bool TMainDictionary::WordExists(const std::string& word) {
  if (!EnsureMapped() || word.empty()) return false;
  const uint8_t* w = reinterpret_cast<const uint8_t*>(word.data());
  const size_t length = word.size();
  if (length == 1) return firstLetters_[w[0] * kFirstLetterRecordSize] != 0;
  if (length > sizeof(TAnswerSlot::word)) return WalkWord(w, length);
  if (!answers_) {
    constexpr size_t kLine = 64;
    const size_t bytes = kAnswerPlaces * 2 * sizeof(TAnswerSlot) + kLine;
    answerBlock_.reset(static_cast<uint8_t*>(std::calloc(bytes, 1)));
    if (!answerBlock_) return WalkWord(w, length);
    const uintptr_t at = reinterpret_cast<uintptr_t>(answerBlock_.get());
    answers_ = reinterpret_cast<TAnswerSlot*>(answerBlock_.get() + (kLine - at % kLine) % kLine);
  }
  // Slots keep their words zero-padded, so that one fixed-size comparison
  // decides.
  char key[sizeof(TAnswerSlot::word)] = {};
  uint32_t hash = 2166136261u;  // FNV-1a
  for (size_t i = 0; i < length; ++i) {
    key[i] = static_cast<char>(w[i]);
    hash = (hash ^ w[i]) * 16777619u;
  }
  TAnswerSlot* place = answers_ + ((hash ^ (hash >> 15)) & (kAnswerPlaces - 1)) * 2;
  if (place[0].length == length && std::memcmp(place[0].word, key, sizeof key) == 0)
    return place[0].answer != 0;
  if (place[1].length == length && std::memcmp(place[1].word, key, sizeof key) == 0) {
    std::swap(place[0], place[1]);
    return place[0].answer != 0;
  }
  const bool found = WalkWord(w, length);
  place[1] = place[0];
  place[0].length = static_cast<uint8_t>(length);
  place[0].answer = found ? 1 : 0;
  std::memcpy(place[0].word, key, sizeof key);
  return found;
}

bool TMainDictionary::WalkWord(const uint8_t* w, size_t length) {
  const size_t pair = SecondLetterRow(w[0]) + w[1];
  const uint32_t second = secondLetterNodes_[pair];
  uint32_t kind = 0;
  uint32_t number = second;
  const uint8_t* node = second == kNoNode ? nullptr : NodeRecord(second, kind);
  size_t i = 2;
  if (node != nullptr && kind == 0 && length > 2) {
    number = thirdLetterNodes_[ThirdLetterRow(pair, node) + w[2]];
    node = number == kNoNode ? nullptr : NodeRecord(number, kind);
    i = 3;
  }
  size_t entry = 0;  // index in listChildren_ of the current node, 0 if not from a list
  while (node != nullptr) {
    const uint32_t value = entry != 0 ? listChildren_[entry].value : ReadU32(node);
    if (i == length) return (value & kWordEndBit) != 0;
    // The chain must match in full and leave a character for a child: no
    // word ends inside or at the end of a chain.
    if (kind > 0) {
      if (length - i <= kind) return false;
      for (uint32_t e = 0; e < kind; ++e, ++i) {
        if (node[recordHead_ + e] != w[i]) return false;
      }
    }
    const uint8_t ch = w[i++];
    if (number == kNoNode) {
      node = FindChildOf(node, ch, kind);
      entry = 0;
      continue;
    }
    // Lists already decoded are searched here; everything else goes through
    // FindChildOfNode, which decodes them.
    uint32_t list = 0;
    if ((value >> 28 & 0x7) != 1) {
      list = entry != 0 ? listChildren_[entry].list : 0;
      if (list == 0 && listOfNode_) list = listOfNode_[number];
    }
    if (list == 0) {
      const uint32_t parent = number;
      node = FindChildOfNode(parent, node, ch, kind, number);
      if (entry != 0 && listOfNode_) listChildren_[entry].list = listOfNode_[parent];
      entry = 0;
      continue;
    }
    if (entry != 0) listChildren_[entry].list = list;
    const uint8_t* chars = listChars_.data() + list;
    const uint32_t kept = chars[-1];
    uint32_t c = 0;
    while (c < kept && chars[c] != ch) ++c;
    if (c == kept) return false;
    entry = list + c;
    const TDecodedChild& child = listChildren_[entry];
    node = child.record;
    kind = child.kind;
    number = child.number;
  }
  return false;
}

// Walks from the root along `prefix`; succeeds only when the prefix ends
// exactly at the main character of a node that has no chain and has children.
bool TMainDictionary::WalkPrefix(const std::string& prefix, TNode& node) {
  TNode current;
  if (!ReadNode(0, current)) return false;
  size_t i = 0;
  while (i < prefix.size()) {
    TChildren children;
    if (!NodeChildren(current, children)) return false;
    if (!FindChild(children, static_cast<uint8_t>(prefix[i]), current)) return false;
    ++i;
    if (current.extraCount > 0) {
      for (uint32_t e = 0; e < current.extraCount; ++e, ++i) {
        if (i >= prefix.size() || current.extra[e] != static_cast<uint8_t>(prefix[i])) return false;
      }
      if (i >= prefix.size()) return false;
    }
  }
  TChildren children;
  if (prefix.empty() || !NodeChildren(current, children)) return false;
  node = current;
  return true;
}

bool TMainDictionary::EnumerateWords(const std::string& prefix, const TWordVisitor& visit) {
  if (!EnsureMapped()) return false;
  // Words that end alike share the nodes of their ending, so a walk visits
  // about as many nodes as the words have letters. A malformed file may link
  // nodes into cycles: the word length ends every path and the budget
  // bounds the work.
  constexpr uint64_t kLettersPerWord = 64;
  budget_ = std::max<uint64_t>(firstNumbers_[kNodeKinds],
                               std::min<uint64_t>(wordCount_, 1u << 24) * kLettersPerWord) +
            1;
  if (prefix.empty()) {
    TNode root;
    if (ReadNode(0, root)) EnumerateChildren(root, 0, visit);
    return true;
  }
  if (prefix.size() > kMaxWordLength) return true;
  TNode start;
  if (!WalkPrefix(prefix, start)) return true;
  std::memcpy(wordBuffer_, prefix.data(), prefix.size());
  wordBuffer_[prefix.size()] = 0;
  EnumerateNode(start, prefix.size() - 1, visit);
  return true;
}

void TMainDictionary::EnumerateNode(const TNode& node, size_t position, const TWordVisitor& visit) {
  if (budget_ == 0 || position >= kMaxWordLength) return;
  --budget_;
  wordBuffer_[position] = static_cast<char>(node.ch);
  if (prefixFilter_ != nullptr && !prefixFilter_->MayMatch(wordBuffer_, position + 1, position)) return;
  wordBuffer_[++position] = 0;
  if (node.wordEnd && !visit(std::string(wordBuffer_, position))) return;
  if (position + node.extraCount > kMaxWordLength) return;
  if (node.extraCount > 0) {
    std::memcpy(wordBuffer_ + position, node.extra, node.extraCount);
    if (prefixFilter_ != nullptr &&
        !prefixFilter_->MayMatch(wordBuffer_, position + node.extraCount, position))
      return;
    position += node.extraCount;
    wordBuffer_[position] = 0;
  }
  EnumerateChildren(node, position, visit);
}

void TMainDictionary::EnumerateChildren(const TNode& node, size_t position,
                                        const TWordVisitor& visit) {
  TChildren children;
  if (!NodeChildren(node, children)) return;
  TNode child;
  if (children.singleLink) {
    if (ReadNode(children.single, child)) EnumerateNode(child, position, visit);
    return;
  }
  uint32_t offset = children.offset;
  for (uint32_t i = 0; i < children.count && budget_ > 0; ++i) {
    uint32_t number = 0;
    if (!ReadChildNumber(offset, number)) return;
    if (ReadNode(number, child)) EnumerateNode(child, position, visit);
  }
}

bool TMainDictionary::WalkLetterTree(const TTreeVisitor& enter) {
  if (!EnsureMapped()) return false;
  // The same bound as EnumerateWords: cycles in a malformed file end here.
  constexpr uint64_t kLettersPerWord = 64;
  budget_ = std::max<uint64_t>(firstNumbers_[kNodeKinds],
                               std::min<uint64_t>(wordCount_, 1u << 24) * kLettersPerWord) +
            1;
  TNode root;
  if (ReadNode(0, root)) WalkTreeChildren(root, 0, enter);
  return true;
}

void TMainDictionary::WalkTreeNode(const TNode& node, size_t position, const TTreeVisitor& enter) {
  if (budget_ == 0 || position + 1 + node.extraCount > kMaxWordLength) return;
  --budget_;
  const size_t from = position;
  wordBuffer_[position++] = static_cast<char>(node.ch);
  if (node.extraCount > 0) {
    std::memcpy(wordBuffer_ + position, node.extra, node.extraCount);
    position += node.extraCount;
  }
  wordBuffer_[position] = 0;
  if (!enter(wordBuffer_, from, position, node.wordEnd)) return;
  WalkTreeChildren(node, position, enter);
}

void TMainDictionary::WalkTreeChildren(const TNode& node, size_t position,
                                       const TTreeVisitor& enter) {
  TChildren children;
  if (!NodeChildren(node, children)) return;
  TNode child;
  if (children.singleLink) {
    if (ReadNode(children.single, child)) WalkTreeNode(child, position, enter);
    return;
  }
  uint32_t offset = children.offset;
  for (uint32_t i = 0; i < children.count && budget_ > 0; ++i) {
    uint32_t number = 0;
    if (!ReadChildNumber(offset, number)) return;
    if (ReadNode(number, child)) WalkTreeNode(child, position, enter);
  }
}

void TMainDictionary::FindPhoneticMatches(const std::string& word, TPhoneticsMap& map,
                                          TStringList& results) {
  searchWord_ = word;
  map.Encode(word.data(), word.size(), searchCode_);
  if (searchCode_.size() < 2) return;
  const size_t depth = static_cast<size_t>(map.Depth() < 1 ? 1 : map.Depth());
  const std::string prefix = word.substr(0, depth);
  if (!EnsureMapped() || prefix.empty()) return;

  // Subtrees where no word can have the code are skipped. The filter knows
  // only the map's own encoder, so a host's subclass gets the full walk.
  std::unique_ptr<TPhoneticPrefixFilter> filter;
  if (typeid(map) == typeid(TPhoneticsMap)) {
    filter = std::make_unique<TPhoneticPrefixFilter>(map, searchCode_);
    filter->MayMatch(prefix.data(), prefix.size() - 1, 0);
  }
  prefixFilter_ = filter.get();
  std::string candidateCode;
  EnumerateWords(prefix, [&](const std::string& candidate) {
    map.Encode(candidate.data(), candidate.size(), candidateCode);
    if (candidateCode == searchCode_) {
      if (results.Count() > 500) return false;
      if (results.IndexOf(candidate) < 0) results.Add(candidate);
      return true;
    }
    return candidateCode.size() <= searchCode_.size();
  });
  prefixFilter_ = nullptr;
}
