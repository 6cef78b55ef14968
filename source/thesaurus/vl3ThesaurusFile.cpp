// Reader of compiled thesaurus files (".vlt"): loads the four blocks and
// decodes nodes and meanings on demand, checking every offset against them.
#include "vl3ThesaurusFile.h"

#include <algorithm>

#include "vl3Ansi.h"
#include "vl3Codepage.h"
#include "vl3Platform.h"

namespace VltFormat {

const char kCompactSignature[] = "Vexlor thesaurus file 1.0\r\n";
const char kWideSignature[] = "Vexlor thesaurus file 2.0\r\n";

}  // namespace VltFormat

using namespace VltFormat;

namespace {

// A bounded cursor over one block.
class TCursor {
 public:
  TCursor(const std::string& block, size_t pos) : block_(block), pos_(pos) {}

  bool ReadByte(uint8_t& value) {
    if (pos_ >= block_.size()) return false;
    value = static_cast<uint8_t>(block_[pos_++]);
    return true;
  }
  bool ReadWord(uint16_t& value) {
    if (pos_ > block_.size() || block_.size() - pos_ < 2) return false;
    value = static_cast<uint16_t>(Byte(0) | (Byte(1) << 8));
    pos_ += 2;
    return true;
  }
  bool ReadLong(uint32_t& value) {
    if (pos_ > block_.size() || block_.size() - pos_ < 4) return false;
    value = Byte(0) | (Byte(1) << 8) | (Byte(2) << 16) | (static_cast<uint32_t>(Byte(3)) << 24);
    pos_ += 4;
    return true;
  }
  // A node number, link value or parent: 2 bytes, or 4 in the wide layout.
  bool ReadNumber(size_t width, uint32_t& value) {
    if (width == 4) return ReadLong(value);
    uint16_t narrow = 0;
    if (!ReadWord(narrow)) return false;
    value = narrow;
    return true;
  }
  bool Skip(size_t count) {
    if (pos_ > block_.size() || block_.size() - pos_ < count) return false;
    pos_ += count;
    return true;
  }
  bool ReadBytes(size_t count, std::string& out) {
    if (pos_ > block_.size() || block_.size() - pos_ < count) return false;
    out.assign(block_, pos_, count);
    pos_ += count;
    return true;
  }
  bool ReadShortString(std::string& out) {
    uint8_t length = 0;
    return ReadByte(length) && ReadBytes(length, out);
  }
  size_t Position() const { return pos_; }

 private:
  uint32_t Byte(size_t i) const { return static_cast<uint8_t>(block_[pos_ + i]); }
  const std::string& block_;
  size_t pos_;
};

// No honest walk visits more nodes than the file holds.
uint32_t StepLimit(uint32_t nodeCount, bool wide) {
  return wide ? nodeCount : std::min(nodeCount, kMaxNodes);
}

}  // namespace

TThesaurusFile::TThesaurusFile() = default;

TThesaurusFile::~TThesaurusFile() { UnloadFile(); }

void TThesaurusFile::ClearBlocks() {
  nodeBlock_.clear();
  linkBlock_.clear();
  meaningBlock_.clear();
  wordIndexBlock_.clear();
  nodeCount_ = 0;
  linkAreaSize_ = 0;
  meaningCount_ = 0;
  wordIndexSize_ = 0;
  wide_ = false;
  numberSize_ = 2;
}

void TThesaurusFile::LoadFile() {
  if (fileName_.empty() || !Platform::FileExists(fileName_)) return;
  std::string bytes;
  if (!Platform::ReadWholeFile(fileName_, bytes)) return;
  LoadFromBytes(bytes);
}

bool TThesaurusFile::LoadFromBytes(const std::string& bytes) {
  loaded_ = false;
  ClearBlocks();
  categoryNames_.Clear();
  thesaurusName_.clear();

  TCursor in(bytes, 0);
  uint32_t nodes = 0, links = 0, words = 0, meanings = 0;
  uint16_t compactMeanings = 0;
  std::string name;
  std::vector<std::string> categories(kCategoryCount);
  // Each count is checked against what is left of the file before anything
  // is copied, so a damaged count cannot ask for a huge block.
  bool ok = in.Skip(kHeaderSize) && in.ReadShortString(name);
  for (auto& category : categories) ok = ok && in.ReadShortString(category);
  ok = ok && in.ReadLong(nodes);
  const bool wide = ok && nodes == kWideMarker;
  if (wide) ok = in.ReadLong(nodes);
  const size_t nodeSize = wide ? kWideNodeSize : 4;
  const size_t meaningSize = wide ? kWideMeaningSize : kMeaningRecordSize;
  ok = ok && nodes <= (bytes.size() - in.Position()) / nodeSize &&
       in.ReadBytes(size_t{nodes} * nodeSize, nodeBlock_);
  ok = ok && in.ReadLong(links) && in.ReadBytes(links, linkBlock_);
  if (wide) {
    ok = ok && in.ReadLong(meanings) && meanings <= (bytes.size() - in.Position()) / meaningSize;
  } else {
    ok = ok && in.ReadWord(compactMeanings);
    meanings = compactMeanings;
  }
  ok = ok && in.ReadBytes(size_t{meanings} * meaningSize, meaningBlock_);
  ok = ok && in.ReadLong(words) && in.ReadBytes(words, wordIndexBlock_);
  if (!ok) {
    ClearBlocks();
    return false;
  }
  nodeCount_ = nodes;
  linkAreaSize_ = links;
  meaningCount_ = meanings;
  wordIndexSize_ = words;
  wide_ = wide;
  numberSize_ = wide ? 4 : 2;
  thesaurusName_ = name;
  for (const auto& category : categories) categoryNames_.Add(category);
  // The file does not name its code page: the letters of its words do.
  uint64_t counts[256] = {};
  for (size_t i = 3; i < nodeBlock_.size(); i += 4) ++counts[static_cast<uint8_t>(nodeBlock_[i])];
  codePage_ = Codepage::GuessFromByteCounts(counts);
  loaded_ = true;
  return true;
}

void TThesaurusFile::UnloadFile() {
  if (!loaded_) return;
  ClearBlocks();
  loaded_ = false;
}

bool TThesaurusFile::ReadNode(uint32_t node, TReverseNode& result) const {
  if (node >= nodeCount_) return false;
  uint32_t value = 0;
  TCursor record(nodeBlock_, size_t{node} * (wide_ ? kWideNodeSize : 4));
  if (!record.ReadLong(value)) return false;
  result.LinkOffset = value & kOffsetMask;
  if (wide_ && !record.ReadLong(result.LinkOffset)) return false;
  result.SingleChild = (value & kSingleChildBit) != 0;
  result.HasParent = (value & kHasParentBit) != 0;
  result.TailChain = (value & kTailChainBit) != 0;
  result.EndOfWord = (value & kEndOfWordBit) != 0;
  result.Character = static_cast<uint8_t>(value >> 24);
  result.Parent = 0;
  result.Child = 0;

  TCursor link(linkBlock_, result.LinkOffset);
  if (result.SingleChild) {
    if (!link.ReadNumber(numberSize_, result.Child)) return false;
  } else {
    uint8_t count = 0;
    if (!link.ReadByte(count) || !link.Skip(size_t{count} * numberSize_)) return false;
  }
  if (result.HasParent && !link.ReadNumber(numberSize_, result.Parent)) return false;
  return true;
}

bool TThesaurusFile::ReadForwardNode(uint32_t node, TForwardNode& result) const {
  result.Children.clear();
  result.Links.clear();
  if (!ReadNode(node, result)) return false;
  TCursor link(linkBlock_, result.LinkOffset);
  if (result.SingleChild) {
    result.Children.push_back(result.Child);
    link.Skip(numberSize_);
  } else {
    uint8_t count = 0;
    link.ReadByte(count);
    for (int i = 0; i < count; ++i) {
      uint32_t child = 0;
      if (!link.ReadNumber(numberSize_, child)) return false;
      result.Children.push_back(child);
    }
  }
  if (result.EndOfWord || result.TailChain) {
    if (result.HasParent) link.Skip(numberSize_);
    uint8_t count = 0;
    if (!link.ReadByte(count)) return false;
    for (int i = 0; i < count; ++i) {
      uint32_t value = 0;
      if (!link.ReadNumber(numberSize_, value)) return false;
      result.Links.push_back(value);
    }
  }
  return true;
}

bool TThesaurusFile::ReadMeaning(uint32_t meaning, TEntry& result) const {
  if (meaning >= meaningCount_) return false;
  TCursor record(meaningBlock_, size_t{meaning} * (wide_ ? kWideMeaningSize : kMeaningRecordSize));
  std::array<uint16_t, 4> counts{};
  uint32_t offset = 0;
  if (!record.ReadNumber(numberSize_, result.Headword)) return false;
  for (auto& count : counts)
    if (!record.ReadWord(count)) return false;
  if (!record.ReadLong(offset)) return false;

  TCursor index(wordIndexBlock_, offset);
  for (int list = 0; list < 4; ++list) {
    result.Lists[list].clear();
    for (int i = 0; i < counts[list]; ++i) {
      uint32_t node = 0;
      if (!index.ReadNumber(numberSize_, node)) return false;
      result.Lists[list].push_back(node);
    }
  }
  return true;
}

bool TThesaurusFile::NodeToWord(std::string& word, uint32_t node) {
  word.clear();
  TReverseNode current;
  if (!ReadNode(node, current)) return false;
  word += static_cast<char>(current.Character);
  const uint32_t limit = StepLimit(nodeCount_, wide_);
  if (current.TailChain) {
    // The climb starts from the node that carries the flag, not the chain's end.
    const TReverseNode start = current;
    for (uint32_t steps = 0; current.SingleChild; ++steps) {
      if (steps >= limit || !ReadNode(current.Child, current)) return false;
      word += static_cast<char>(current.Character);
    }
    current = start;
  }
  std::string prefix;  // collected backwards, reversed once at the end
  for (uint32_t steps = 0; current.HasParent && current.Parent != 0; ++steps) {
    if (steps >= limit || !ReadNode(current.Parent, current)) return false;
    prefix += static_cast<char>(current.Character);
  }
  std::reverse(prefix.begin(), prefix.end());
  word.insert(0, prefix);
  return true;
}

bool TThesaurusFile::ChainText(const TForwardNode& start, std::string& text) const {
  text.clear();
  if (start.Children.empty()) return true;
  uint32_t next = start.Children.front();
  const uint32_t limit = StepLimit(nodeCount_, wide_);
  TReverseNode current;
  for (uint32_t steps = 0;; ++steps) {
    if (steps >= limit || !ReadNode(next, current)) return false;
    text += static_cast<char>(current.Character);
    if (!current.SingleChild) return true;
    next = current.Child;
  }
}

bool TThesaurusFile::FindNode(const std::string& word, uint32_t& node) {
  TForwardNode current;
  if (!ReadForwardNode(0, current)) return false;
  size_t pos = 0;
  while (pos < word.size() && !current.Children.empty()) {
    const uint8_t wanted = static_cast<uint8_t>(word[pos]);
    bool matched = false;
    uint32_t number = 0;
    for (uint32_t child : current.Children) {
      TReverseNode candidate;
      if (!ReadNode(child, candidate)) return false;
      if (candidate.Character == wanted) {
        matched = true;
        number = child;
        break;
      }
    }
    if (!matched) return false;
    ++pos;
    if (!ReadForwardNode(number, current)) return false;
    if (current.EndOfWord && pos == word.size()) {
      node = number;
      return true;
    }
    if (current.TailChain) {
      std::string chain;
      if (!ChainText(current, chain) || word.compare(pos, std::string::npos, chain) != 0) return false;
      node = number;
      return true;
    }
  }
  return false;
}

bool TThesaurusFile::BuildEntry(const TEntry& meaning, TThesaurusEntry& result) {
  if (!NodeToWord(result.Headword, meaning.Headword)) return false;
  result.Category = meaning.Category;
  result.CategoryName.clear();
  if (meaning.Category >= 0 && meaning.Category < categoryNames_.Count())
    result.CategoryName = categoryNames_[meaning.Category];
  std::string word;
  for (int list = 0; list < 4; ++list) {
    result.Lists[list].Clear();
    for (uint32_t node : meaning.Lists[list]) {
      if (!NodeToWord(word, node)) return false;
      result.Lists[list].Add(word);
    }
  }
  return true;
}

void TThesaurusFile::MatchCase(const std::string& model, TThesaurusEntry& result) {
  if (model.empty()) return;
  const bool allUpper = Ansi::UpperCase(model, codePage_) == model;
  const bool firstUpper = Ansi::ToLower(model[0], codePage_) != model[0];
  auto apply = [&](std::string s) {
    if (allUpper) return Ansi::UpperCase(s, codePage_);
    if (firstUpper && !s.empty()) s[0] = Ansi::ToUpper(s[0], codePage_);
    return s;
  };
  result.Headword = apply(result.Headword);
  for (auto& list : result.Lists)
    for (int i = 0; i < list.Count(); ++i) list.SetStrings(i, apply(list[i]));
}

void TThesaurusFile::SetLoaded(bool value) {
  if (value == loaded_) return;
  if (value)
    LoadFile();
  else
    UnloadFile();
}

void TThesaurusFile::SetFileName(const std::string& name) {
  if (name == fileName_ || !Platform::FileExists(name)) return;
  fileName_ = name;
  if (loaded_) {
    UnloadFile();
    LoadFile();
  }
}

bool TThesaurusFile::Lookup(const std::string& word) {
  SetLoaded(true);
  if (!loaded_) return false;
  results_.clear();
  lastWord_ = word;

  uint32_t node = 0;
  bool caseChanged = false;
  if (!FindNode(word, node)) {
    if (!tryLowerCase_ || !FindNode(Ansi::LowerCase(word, codePage_), node)) return false;
    caseChanged = true;
  }
  TForwardNode found;
  if (!ReadForwardNode(node, found)) return false;
  for (uint32_t link : found.Links) {
    TEntry meaning;
    auto entry = std::make_unique<TThesaurusEntry>();
    if (!ReadMeaning(link / 5, meaning)) {
      results_.clear();
      return false;
    }
    meaning.Category = link % 5;
    if (!BuildEntry(meaning, *entry)) {
      results_.clear();
      return false;
    }
    if (caseChanged) MatchCase(lastWord_, *entry);
    results_.push_back(std::move(entry));
  }
  return true;
}
