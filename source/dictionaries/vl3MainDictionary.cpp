// Reader of compiled main dictionaries: header check, on-demand mapping, word
// look-up and prefix enumeration over the letter tree in the mapped file.
#include "vl3MainDictionary.h"

#include <cstring>

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
  if (std::memcmp(data, kBanner, kBannerSize) != 0) return;

  // A file too short for its own header fields is rejected here rather than
  // read past its end.
  size_t pos = kHeaderBlockSize;
  const uint32_t titleUnits = data[pos];
  const size_t headerEnd = pos + kFixedHeaderFields + 2 * titleUnits;
  if (headerEnd > available) return;
  ++pos;

  // The title runs to its first 0x0000 unit; the stored terminator bounds it.
  std::string utf8;
  const uint8_t* units = data + kHeaderBlockSize + 1;
  for (uint32_t i = 0; i < titleUnits; ++i) {
    const uint32_t unit = units[2 * i] | (static_cast<uint32_t>(units[2 * i + 1]) << 8);
    if (unit == 0) break;
    AppendUtf8(unit, utf8);
  }
  std::string title;
  Codepage::FromUtf8(utf8, 1252, title);
  pos = kHeaderBlockSize + 1 + 2 * (titleUnits + 1);

  title_ = title;
  langId_ = ReadU32(data + pos);
  wordCount_ = ReadU32(data + pos + 4);
  nodeCount_ = ReadU32(data + pos + 8);
  pos += 12;
  for (int k = 0; k < kNodeKinds; ++k, pos += 4) kindCounts_[k] = ReadU32(data + pos);

  tableOffsets_[0] = pos;
  firstNumbers_[0] = 0;
  for (int k = 1; k <= kNodeKinds; ++k) {
    tableOffsets_[k] = tableOffsets_[k - 1] + uint64_t(kindCounts_[k - 1]) * uint64_t(k + 3);
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
      }
    }
  }
  if (!ok) SetMapped(false);
}

bool TMainDictionary::EnsureMapped() {
  if (!mapped_) SetMapped(true);
  return mapped_;
}

// The tables lie inside the mapped file (checked when mapping), so a node
// number below First(9) always reads inside the view.
bool TMainDictionary::ReadNode(uint32_t number, TNode& node) const {
  if (number >= firstNumbers_[kNodeKinds]) return false;
  int k = 0;
  while (number >= firstNumbers_[k + 1]) ++k;
  const uint8_t* p =
      file_->Data() + tableOffsets_[k] + (uint64_t(number) - firstNumbers_[k]) * uint64_t(4 + k);
  const uint32_t value = ReadU32(p);
  node.ch = static_cast<uint8_t>(value & 0xFF);
  node.link = (value >> 8) & 0xFFFFF;
  node.childCount = (value >> 28) & 0x7;
  node.wordEnd = (value & 0x80000000u) != 0;
  node.extra = p + 4;
  node.extraCount = static_cast<uint32_t>(k);
  return true;
}

bool TMainDictionary::NodeChildren(const TNode& node, TChildren& children) const {
  children = TChildren();
  if (node.childCount == 1) {
    children.count = 1;
    children.singleLink = true;
    children.single = node.link;
  } else if (node.childCount >= 2) {
    children.count = node.childCount;
    children.offset = node.link;
  } else {
    if (node.link == kNoChildren) return false;
    if (node.link >= linksSize_) return false;
    children.count = links_[node.link];
    children.offset = node.link + 1;
  }
  return children.count > 0;
}

bool TMainDictionary::ReadChildNumber(uint32_t& offset, uint32_t& number) const {
  if (offset >= linksSize_) return false;
  const uint32_t left = linksSize_ - offset;
  const uint8_t* p = links_ + offset;
  if (nodeCount_ < kWideChildThreshold) {
    if (left < 2) return false;
    number = p[0] | (static_cast<uint32_t>(p[1]) << 8);
    offset += 2;
  } else if (p[0] & 0x80) {
    if (left < 2) return false;
    number = (static_cast<uint32_t>(p[0] & 0x7F) << 8) | p[1];
    offset += 2;
  } else {
    if (left < 3) return false;
    number = (static_cast<uint32_t>(p[0]) << 16) | (static_cast<uint32_t>(p[1]) << 8) | p[2];
    offset += 3;
  }
  return true;
}

bool TMainDictionary::FindChild(const TChildren& children, uint8_t ch, TNode& child) const {
  if (children.singleLink) return ReadNode(children.single, child) && child.ch == ch;
  uint32_t offset = children.offset;
  for (uint32_t i = 0; i < children.count; ++i) {
    uint32_t number = 0;
    if (!ReadChildNumber(offset, number)) return false;
    if (ReadNode(number, child) && child.ch == ch) return true;
  }
  return false;
}

bool TMainDictionary::WordExists(const std::string& word) {
  if (!EnsureMapped() || word.empty()) return false;
  const uint8_t* record = firstLetters_ + static_cast<uint8_t>(word[0]) * kFirstLetterRecordSize;
  if (word.size() == 1) return record[0] != 0;

  TChildren children;
  children.count = record[1];
  if (children.count == 0) return false;
  if (children.count == 1) {
    children.singleLink = true;
    children.single = ReadU32(record + 4);
  } else {
    children.offset = ReadU32(record + 4);
  }

  const size_t length = word.size();
  size_t i = 1;
  TNode child;
  while (i < length) {
    if (!FindChild(children, static_cast<uint8_t>(word[i]), child)) return false;
    ++i;
    if (i == length) return child.wordEnd;
    for (uint32_t e = 0; e < child.extraCount; ++e, ++i) {
      if (i == length || child.extra[e] != static_cast<uint8_t>(word[i])) return false;
    }
    if (!NodeChildren(child, children)) return false;
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
  // A malformed file may link nodes into cycles or share subtrees; a
  // well-formed tree is visited once per node, so that bounds the work.
  budget_ = firstNumbers_[kNodeKinds] + 1;
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
  wordBuffer_[position++] = static_cast<char>(node.ch);
  wordBuffer_[position] = 0;
  if (node.wordEnd && !visit(std::string(wordBuffer_, position))) return;
  if (position + node.extraCount > kMaxWordLength) return;
  std::memcpy(wordBuffer_ + position, node.extra, node.extraCount);
  position += node.extraCount;
  wordBuffer_[position] = 0;
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

void TMainDictionary::FindPhoneticMatches(const std::string& word, TPhoneticsMap& map,
                                          TStringList& results) {
  searchWord_ = word;
  map.Encode(word.data(), word.size(), searchCode_);
  if (searchCode_.size() < 2) return;
  const size_t depth = static_cast<size_t>(map.Depth() < 1 ? 1 : map.Depth());
  const std::string prefix = word.substr(0, depth);
  if (!EnsureMapped() || prefix.empty()) return;

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
}
