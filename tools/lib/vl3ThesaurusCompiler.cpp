// Compiler of thesaurus files (".vlt"): builds the trie with shared tail
// chains, packs nodes, links and meanings, and picks what fits from mythes.
#include "vl3ThesaurusCompiler.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <unordered_map>
#include <unordered_set>

#include "vl3Ansi.h"
#include "vl3Codepage.h"
#include "vl3ThesaurusFile.h"

using namespace VltFormat;

const std::array<const char*, 5> kThesaurusCategoryNames = {"noun", "verb", "adjective", "adverb",
                                                            "other"};

namespace {

void PutWord(std::string& out, uint32_t value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>((value >> 8) & 0xFF);
}

void PutLong(std::string& out, uint32_t value) {
  PutWord(out, value & 0xFFFF);
  PutWord(out, value >> 16);
}

void PutShortString(std::string& out, const std::string& text) {
  const size_t length = std::min<size_t>(text.size(), 255);
  out += static_cast<char>(length);
  out.append(text, 0, length);
}

bool Fail(std::string* error, const std::string& reason) {
  if (error) *error = reason;
  return false;
}

// The uncompressed trie of every stored word, before numbering.
struct TBuildNode {
  uint8_t character = 0;
  int parent = -1;
  std::vector<int> children;
  bool end = false;       // a stored word ends here
  bool inChain = false;   // swallowed by a tail chain above it
  int tailOf = -1;        // for a tail-chain node: the end node it stands for
  std::string tail;       // for a tail-chain node: the text below it
  uint32_t number = 0;    // number in the file
};

class TTrie {
 public:
  TTrie() { nodes_.emplace_back(); }

  int Insert(const std::string& word) {
    int current = 0;
    for (char c : word) {
      const uint8_t ch = static_cast<uint8_t>(c);
      int next = -1;
      for (int child : nodes_[current].children)
        if (nodes_[child].character == ch) {
          next = child;
          break;
        }
      if (next < 0) {
        next = static_cast<int>(nodes_.size());
        nodes_.emplace_back();
        nodes_[next].character = ch;
        nodes_[next].parent = current;
        nodes_[current].children.push_back(next);
      }
      current = next;
    }
    nodes_[current].end = true;
    return current;
  }

  // A word whose end is a leaf reached through a run of single-child nodes
  // that are no word ends is stored as the run's first node plus a chain:
  // the chain needs no parent numbers and is shared by equal endings.
  void FoldTails() {
    for (size_t i = 1; i < nodes_.size(); ++i) {
      if (!nodes_[i].end || !nodes_[i].children.empty()) continue;
      int top = static_cast<int>(i);
      while (true) {
        const TBuildNode& parent = nodes_[nodes_[top].parent];
        if (nodes_[top].parent == 0 || parent.children.size() != 1 || parent.end) break;
        top = nodes_[top].parent;
      }
      if (top == static_cast<int>(i)) continue;
      std::string tail;
      for (int n = static_cast<int>(i); n != top; n = nodes_[n].parent) {
        tail += static_cast<char>(nodes_[n].character);
        nodes_[n].inChain = true;
      }
      std::reverse(tail.begin(), tail.end());
      nodes_[top].tailOf = static_cast<int>(i);
      nodes_[top].tail = tail;
      representative_[static_cast<int>(i)] = top;
    }
  }

  // The trie node that a word ending at `end` is written as.
  int Represent(int end) const {
    auto it = representative_.find(end);
    return it == representative_.end() ? end : it->second;
  }

  std::vector<TBuildNode>& Nodes() { return nodes_; }

 private:
  std::vector<TBuildNode> nodes_;
  std::unordered_map<int, int> representative_;
};

struct TChainNode {
  uint8_t character = 0;
  int next = -1;
};

// Tail chains keyed by their text; a chain's own tails are chains too.
class TChains {
 public:
  int Get(const std::string& text) {
    auto it = byText_.find(text);
    if (it != byText_.end()) return it->second;
    const int next = text.size() > 1 ? Get(text.substr(1)) : -1;
    const int index = static_cast<int>(nodes_.size());
    nodes_.push_back({static_cast<uint8_t>(text[0]), next});
    byText_.emplace(text, index);
    return index;
  }
  const std::vector<TChainNode>& Nodes() const { return nodes_; }

 private:
  std::vector<TChainNode> nodes_;
  std::unordered_map<std::string, int> byText_;
};

// Link-area records; equal records are stored once.
class TLinkArea {
 public:
  uint32_t Add(const std::string& record) {
    auto it = offsets_.find(record);
    if (it != offsets_.end()) return it->second;
    const uint32_t offset = static_cast<uint32_t>(bytes_.size());
    bytes_ += record;
    offsets_.emplace(record, offset);
    return offset;
  }
  const std::string& Bytes() const { return bytes_; }

 private:
  std::string bytes_;
  std::unordered_map<std::string, uint32_t> offsets_;
};

bool ValidWord(const std::string& word) {
  return !word.empty() && word.find('\0') == std::string::npos;
}

}  // namespace

namespace {

// Node numbers, parents and link values: 2 bytes, or 4 in the wide layout.
void PutNumber(std::string& out, uint32_t value, bool wide) {
  if (wide)
    PutLong(out, value);
  else
    PutWord(out, value);
}

// Lays the content out in one of the two layouts; false (with a reason) when
// it breaks a limit of that layout.
bool Layout(const TThesaurusContent& content, bool wide, std::string& bytes, TThesaurusLayoutStats* stats,
            std::string* error) {
  bytes.clear();
  const uint64_t maxMeanings = wide ? 0xFFFFFFFFu / 5 : 65535;
  if (content.Meanings.size() > maxMeanings)
    return Fail(error, "more than " + std::to_string(maxMeanings) + " meanings");

  // Merge repeated headwords and check their links.
  std::map<std::string, std::vector<uint32_t>> links;
  for (const auto& headword : content.Headwords) {
    if (!ValidWord(headword.Word)) return Fail(error, "empty or invalid headword");
    auto& target = links[headword.Word];
    for (uint32_t link : headword.Links) {
      if (link / 5u >= content.Meanings.size())
        return Fail(error, "link of \"" + headword.Word + "\" names a missing meaning");
      if (!wide && link > 0xFFFF) return Fail(error, "a link value beyond 16 bits");
      if (std::find(target.begin(), target.end(), link) == target.end()) target.push_back(link);
    }
    if (target.size() > 255) return Fail(error, "more than 255 links for \"" + headword.Word + "\"");
  }

  TTrie trie;
  std::unordered_map<std::string, int> endOf;
  auto add = [&](const std::string& word) {
    if (!endOf.count(word)) endOf.emplace(word, trie.Insert(word));
  };
  for (const auto& meaning : content.Meanings) {
    if (!ValidWord(meaning.Headword)) return Fail(error, "empty or invalid meaning headword");
    add(meaning.Headword);
    for (const auto& list : meaning.Lists) {
      if (list.size() > 65535) return Fail(error, "a word list holds more than 65535 words");
      for (const auto& word : list) {
        if (!ValidWord(word)) return Fail(error, "empty or invalid word in a list");
        add(word);
      }
    }
  }
  for (const auto& entry : links) add(entry.first);
  trie.FoldTails();

  auto& nodes = trie.Nodes();
  std::vector<int> headwordAt(nodes.size(), -1);  // index into `ordered`
  std::vector<const std::vector<uint32_t>*> ordered;
  for (const auto& entry : links) {
    headwordAt[trie.Represent(endOf[entry.first])] = static_cast<int>(ordered.size());
    ordered.push_back(&entry.second);
  }

  // Number the trie breadth first, children in character order; chains after.
  std::vector<int> order{0};
  for (size_t i = 0; i < order.size(); ++i) {
    auto& children = nodes[order[i]].children;
    std::sort(children.begin(), children.end(),
              [&](int a, int b) { return nodes[a].character < nodes[b].character; });
    for (int child : children)
      if (!nodes[child].inChain) order.push_back(child);
  }
  for (size_t i = 0; i < order.size(); ++i) nodes[order[i]].number = static_cast<uint32_t>(i);
  TChains chains;
  std::vector<int> chainHead(nodes.size(), -1);
  for (int n : order)
    if (nodes[n].tailOf >= 0) chainHead[n] = chains.Get(nodes[n].tail);
  const size_t total = order.size() + chains.Nodes().size();
  if (!wide && total > kMaxNodes) return Fail(error, "more than 65536 trie nodes");
  if (total >= kWideMarker) return Fail(error, "too many trie nodes");

  TLinkArea area;
  std::string nodeTable;
  const uint32_t maxOffset = wide ? 0xFFFFFFFFu : kOffsetMask;
  auto putNode = [&](uint32_t offset, uint32_t flags, uint8_t ch) {
    if (wide) {
      PutLong(nodeTable, flags | (static_cast<uint32_t>(ch) << 24));
      PutLong(nodeTable, offset);
    } else {
      PutLong(nodeTable, offset | flags | (static_cast<uint32_t>(ch) << 24));
    }
  };
  for (int n : order) {
    const TBuildNode& node = nodes[n];
    std::vector<uint32_t> children;
    if (node.tailOf >= 0)
      children.push_back(static_cast<uint32_t>(order.size() + chainHead[n]));
    else
      for (int child : node.children) children.push_back(nodes[child].number);
    uint32_t flags = 0;
    std::string record;
    if (children.size() == 1) {
      flags |= kSingleChildBit;
      PutNumber(record, children[0], wide);
    } else {
      record += static_cast<char>(children.size());
      for (uint32_t child : children) PutNumber(record, child, wide);
    }
    if (n != 0 && node.parent != 0) {
      flags |= kHasParentBit;
      PutNumber(record, nodes[node.parent].number, wide);
    }
    const int headword = headwordAt[n];
    const bool tail = node.tailOf >= 0;
    if (tail || headword >= 0) {
      flags |= tail ? kTailChainBit : kEndOfWordBit;
      const std::vector<uint32_t> none;
      const auto& values = headword >= 0 ? *ordered[headword] : none;
      record += static_cast<char>(values.size());
      for (uint32_t value : values) PutNumber(record, value, wide);
    }
    const uint64_t offset = area.Add(record);
    if (offset > maxOffset) return Fail(error, "the link area exceeds its offsets");
    putNode(offset, flags, node.character);
  }
  for (const auto& chain : chains.Nodes()) {
    std::string record;
    uint32_t flags = 0;
    if (chain.next >= 0) {
      flags |= kSingleChildBit;
      PutNumber(record, static_cast<uint32_t>(order.size() + chain.next), wide);
    } else {
      record += '\0';
    }
    const uint64_t offset = area.Add(record);
    if (offset > maxOffset) return Fail(error, "the link area exceeds its offsets");
    putNode(offset, flags, chain.character);
  }

  auto numberOf = [&](const std::string& word) { return nodes[trie.Represent(endOf[word])].number; };
  std::string meaningTable, wordIndex;
  for (const auto& meaning : content.Meanings) {
    PutNumber(meaningTable, numberOf(meaning.Headword), wide);
    for (const auto& list : meaning.Lists) PutWord(meaningTable, static_cast<uint32_t>(list.size()));
    if (wordIndex.size() > 0xFFFFFFFFu) return Fail(error, "the word index exceeds 4 GiB");
    PutLong(meaningTable, static_cast<uint32_t>(wordIndex.size()));
    for (const auto& list : meaning.Lists)
      for (const auto& word : list) PutNumber(wordIndex, numberOf(word), wide);
  }
  if (area.Bytes().size() > 0xFFFFFFFFu || wordIndex.size() > 0xFFFFFFFFu)
    return Fail(error, "a block exceeds 4 GiB");

  std::string header = wide ? kWideSignature : kCompactSignature;
  header.resize(TThesaurusFile::kHeaderSize, '\0');
  bytes = header;
  PutShortString(bytes, content.Name);
  for (const auto& name : content.CategoryNames) PutShortString(bytes, name);
  if (wide) PutLong(bytes, kWideMarker);
  PutLong(bytes, static_cast<uint32_t>(total));
  bytes += nodeTable;
  PutLong(bytes, static_cast<uint32_t>(area.Bytes().size()));
  bytes += area.Bytes();
  if (wide)
    PutLong(bytes, static_cast<uint32_t>(content.Meanings.size()));
  else
    PutWord(bytes, static_cast<uint32_t>(content.Meanings.size()));
  bytes += meaningTable;
  PutLong(bytes, static_cast<uint32_t>(wordIndex.size()));
  bytes += wordIndex;

  if (stats) {
    stats->Nodes = total;
    stats->TailNodes = chains.Nodes().size();
    stats->Words = endOf.size();
    stats->LinkAreaSize = area.Bytes().size();
    stats->WordIndexSize = wordIndex.size();
    stats->FileSize = bytes.size();
    stats->Wide = wide;
  }
  return true;
}

}  // namespace

bool WriteThesaurus(const TThesaurusContent& content, std::string& bytes, TThesaurusLayoutStats* stats,
                    std::string* error, bool allowWide) {
  // Whatever fits the compact layout is written in it, unchanged.
  std::string compactError;
  if (Layout(content, false, bytes, stats, &compactError)) return true;
  if (allowWide && Layout(content, true, bytes, stats, error)) return true;
  if (!allowWide && error) *error = compactError;
  bytes.clear();
  return false;
}

bool WriteWideThesaurus(const TThesaurusContent& content, std::string& bytes, TThesaurusLayoutStats* stats,
                        std::string* error) {
  if (Layout(content, true, bytes, stats, error)) return true;
  bytes.clear();
  return false;
}

// ---- mythes source ---------------------------------------------------------

namespace {

enum TSourceEncoding { seUtf8, seLatin1, seAnsi };

std::string Trim(const std::string& s) {
  const size_t first = s.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return std::string();
  const size_t last = s.find_last_not_of(" \t\r\n");
  return s.substr(first, last - first + 1);
}

bool ConvertToAnsi(const std::string& text, TSourceEncoding encoding, std::string& out) {
  switch (encoding) {
    case seUtf8:
      return Codepage::FromUtf8(text, 1252, out);
    case seLatin1:
      // C1 controls have no place in words; 1252 puts other letters there.
      for (char c : text) {
        const uint8_t b = static_cast<uint8_t>(c);
        if (b >= 0x80 && b < 0xA0) return false;
      }
      out = text;
      return true;
    case seAnsi:
      out = text;
      return true;
  }
  return false;
}

// The words of the source in the target code page; a word the code page
// lacks does not convert.
bool Convert(const std::string& text, TSourceEncoding encoding, int codePage, std::string& out) {
  if (encoding == seUtf8) return Codepage::FromUtf8(text, codePage, out);
  if (!ConvertToAnsi(text, encoding, out)) return false;
  if (codePage == 1252) return true;
  const std::string utf8 = Codepage::ToUtf8(out, 1252);
  return Codepage::FromUtf8(utf8, codePage, out);
}

std::vector<std::string> Split(const std::string& line, char delimiter) {
  std::vector<std::string> fields;
  size_t start = 0;
  while (true) {
    const size_t pos = line.find(delimiter, start);
    fields.push_back(line.substr(start, pos == std::string::npos ? std::string::npos : pos - start));
    if (pos == std::string::npos) return fields;
    start = pos + 1;
  }
}

bool EndsWith(const std::string& s, const std::string& suffix) {
  return s.size() >= suffix.size() && s.compare(s.size() - suffix.size(), suffix.size(), suffix) == 0;
}

void AddUnique(std::vector<std::string>& list, const std::string& word) {
  if (std::find(list.begin(), list.end(), word) == list.end()) list.push_back(word);
}

}  // namespace

int CategoryOfPartOfSpeech(const std::string& tag) {
  const std::string t = Ansi::LowerCase(Trim(tag));
  if (t == "noun" || t == "n" || t == "n.") return 0;
  if (t == "verb" || t == "v" || t == "v.") return 1;
  if (t == "adj" || t == "adj." || t == "adjective" || t == "a") return 2;
  if (t == "adv" || t == "adv." || t == "adverb" || t == "r") return 3;
  return 4;
}

bool ParseMythes(const std::string& text, std::vector<TSourceEntry>& entries, std::string& error,
                 int codePage) {
  entries.clear();
  std::vector<std::string> lines = Split(text, '\n');
  // Some sources begin with a UTF-8 byte order mark.
  if (!lines.empty() && lines[0].compare(0, 3, "\xEF\xBB\xBF") == 0) lines[0].erase(0, 3);
  if (lines.empty() || Trim(lines[0]).empty() || lines[0].find('|') != std::string::npos) {
    error = "the first line must name the encoding";
    return false;
  }
  const std::string encodingName = Ansi::LowerCase(Trim(lines[0]));
  TSourceEncoding encoding = seUtf8;
  if (encodingName == "utf-8" || encodingName == "utf8")
    encoding = seUtf8;
  else if (encodingName == "iso8859-1" || encodingName == "iso-8859-1" || encodingName == "latin1")
    encoding = seLatin1;
  else if (encodingName == "windows-1252" || encodingName == "cp1252")
    encoding = seAnsi;
  else {
    error = "unsupported encoding \"" + Trim(lines[0]) + "\"";
    return false;
  }

  static const std::pair<const char*, int> kMarks[] = {
      {" (similar term)", 1}, {" (related term)", 2}, {" (generic term)", 3}, {" (antonym)", 4}};
  bool skipping = true;  // senses of a headword that did not convert
  // A headword line "word|N" announces N sense lines "(pos)|...", "-|..." or
  // "|..."; headwords themselves may begin with '(' ("(den) indre by|1").
  long sensesLeft = 0;
  for (size_t i = 1; i < lines.size(); ++i) {
    const std::string line = Trim(lines[i]);
    if (line.empty()) continue;
    if (sensesLeft <= 0) {
      const size_t bar = line.rfind('|');
      std::string word;
      skipping = !Convert(Trim(line.substr(0, bar)), encoding, codePage, word) || word.empty();
      sensesLeft = bar == std::string::npos ? 0 : std::strtol(line.c_str() + bar + 1, nullptr, 10);
      if (!skipping) entries.push_back({word, {}});
      continue;
    }
    --sensesLeft;
    if (skipping) continue;
    const std::vector<std::string> fields = Split(line, '|');
    const size_t open = fields[0].find('(');
    const size_t close = fields[0].find(')');
    TSourceSense sense;
    if (open != std::string::npos)
      sense.Category = CategoryOfPartOfSpeech(fields[0].substr(
          open + 1, close == std::string::npos || close < open ? std::string::npos : close - open - 1));
    for (size_t f = 1; f < fields.size(); ++f) {
      std::string field = Trim(fields[f]);
      int role = 0;
      for (const auto& mark : kMarks)
        if (EndsWith(field, mark.first)) {
          field = Trim(field.substr(0, field.size() - std::char_traits<char>::length(mark.first)));
          role = mark.second;
          break;
        }
      std::string word;
      if (field.empty() || !Convert(field, encoding, codePage, word)) continue;
      std::vector<std::string>* lists[] = {&sense.Synonyms, &sense.Similar, &sense.Related, &sense.Generic,
                                           &sense.Antonyms};
      AddUnique(*lists[role], word);
    }
    entries.back().Senses.push_back(std::move(sense));
  }
  return true;
}

// ---- selection ---------------------------------------------------------------

namespace {

constexpr size_t kSenseWeight = 2;

bool Known(const TCompileOptions& options, const std::string& word) {
  return options.KnownWords.empty() || options.KnownWords.count(word) ||
         options.KnownWords.count(Ansi::LowerCase(word));
}

// Single words of two letters or more: what a look-up under the caret finds.
// The compact layout's selection, kept as it is so that its files stay the same
// (letters are those of the thesaurus's code page).
bool LookupWord(const std::string& word, int codePage) {
  if (word.size() < 2 || !Ansi::IsAlpha(word[0], codePage)) return false;
  for (char c : word)
    if (c == ' ' || (c >= '0' && c <= '9')) return false;
  return true;
}

// Any single word that begins with a letter of the code page, one-letter
// words included (Russian has several common ones).
bool SingleWord(const std::string& word, int codePage) {
  if (word.empty()) return false;
  const unsigned char first = static_cast<unsigned char>(word[0]);
  const bool letter = Ansi::IsAlpha(word[0], codePage) || Ansi::LowerCaseTable(codePage)[first] != first ||
                      Ansi::UpperCaseTable(codePage)[first] != first;
  if (!letter) return false;
  for (char c : word)
    if (c == ' ' || (c >= '0' && c <= '9')) return false;
  return true;
}

uint64_t Frequency(const TCompileOptions& options, const std::string& word) {
  if (options.Frequencies.empty()) return 0;
  auto it = options.Frequencies.find(Ansi::LowerCase(word, options.CodePage));
  return it == options.Frequencies.end() ? 0 : it->second;
}

void Cap(std::vector<std::string>& list, size_t limit) {
  if (limit && list.size() > limit) list.resize(limit);
}

// One meaning as seen from `word`, labelled by its first synonym. The dialog
// shows list `category` (list 1 for category 0, where it looks for the
// label): the word, its synonyms, similar, related and broader terms go
// there; the other three lists hold related terms, broader terms and antonyms.
TThesaurusMeaning MakeMeaning(const std::string& word, const TSourceSense& sense, const TCompileOptions& options) {
  TThesaurusMeaning m;
  m.Headword = sense.Synonyms.empty() ? word : sense.Synonyms[0];
  m.Category = sense.Category;
  std::vector<std::string> synonyms{word};
  for (const auto& w : sense.Synonyms) AddUnique(synonyms, w);
  for (const auto& w : sense.Similar) AddUnique(synonyms, w);
  for (const auto& w : sense.Related) AddUnique(synonyms, w);
  for (const auto& w : sense.Generic) AddUnique(synonyms, w);
  const std::vector<std::string>* others[3] = {&sense.Related, &sense.Generic, &sense.Antonyms};
  const int shown = std::max(sense.Category, 1) - 1;
  int next = 0;
  for (int list = 0; list < 4; ++list) {
    m.Lists[list] = list == shown ? synonyms : *others[next++];
    Cap(m.Lists[list], list == shown ? options.MaxListWords : options.MaxOtherWords);
  }
  return m;
}

// The content for the first `count` headwords of `chosen`.
TThesaurusContent BuildContent(const std::vector<const TSourceEntry*>& chosen, size_t count,
                               const TCompileOptions& options, size_t maxMeanings, size_t& links,
                               size_t& refused, std::vector<bool>& kept) {
  TThesaurusContent content;
  content.Name = options.Name;
  for (int c = 0; c < 5; ++c) content.CategoryNames[c] = kThesaurusCategoryNames[c];
  std::unordered_map<std::string, uint32_t> meaningByKey;
  std::vector<TThesaurusHeadword> headwords(count);
  for (size_t i = 0; i < count; ++i) headwords[i].Word = chosen[i]->Word;

  // A headword's later senses queue behind the first senses of the headwords
  // ranked up to SenseSpacing places below it, so that when meanings run out
  // common words keep several senses and the others keep their first one.
  std::vector<std::pair<size_t, size_t>> queue;  // (headword, sense)
  for (size_t i = 0; i < count; ++i) {
    size_t senses = chosen[i]->Senses.size();
    if (options.MaxSenses) senses = std::min(senses, options.MaxSenses);
    for (size_t p = 0; p < senses; ++p) queue.emplace_back(i, p);
  }
  std::stable_sort(queue.begin(), queue.end(), [&](const auto& a, const auto& b) {
    return a.first + a.second * options.SenseSpacing < b.first + b.second * options.SenseSpacing;
  });
  for (const auto& item : queue) {
    const size_t i = item.first;
    const TSourceEntry& entry = *chosen[i];
    const TSourceSense& sense = entry.Senses[item.second];
    // Senses listing the same words (whoever lists them) are one meaning.
    std::vector<std::string> members{Ansi::LowerCase(entry.Word)};
    for (const auto& word : sense.Synonyms) members.push_back(Ansi::LowerCase(word));
    std::sort(members.begin(), members.end());
    members.erase(std::unique(members.begin(), members.end()), members.end());
    std::string key = std::to_string(sense.Category);
    for (const auto& member : members) key += "|" + member;

    auto it = meaningByKey.find(key);
    uint32_t meaning = 0;
    if (it != meaningByKey.end()) {
      meaning = it->second;
    } else {
      if (content.Meanings.size() >= maxMeanings) {
        ++refused;  // a sense lost for want of meaning numbers
        continue;
      }
      meaning = static_cast<uint32_t>(content.Meanings.size());
      meaningByKey.emplace(key, meaning);
      content.Meanings.push_back(MakeMeaning(entry.Word, sense, options));
    }
    auto& wordLinks = headwords[i].Links;
    const uint32_t link = meaning * 5 + static_cast<uint32_t>(sense.Category);
    if (wordLinks.size() < 255 && std::find(wordLinks.begin(), wordLinks.end(), link) == wordLinks.end())
      wordLinks.push_back(link);
  }
  links = 0;
  kept.assign(count, false);
  for (size_t i = 0; i < count; ++i) {
    auto& headword = headwords[i];
    kept[i] = !headword.Links.empty();
    if (kept[i]) {
      links += headword.Links.size();
      content.Headwords.push_back(std::move(headword));
    }
  }
  return content;
}

// Sources list headwords in lower case ("zutaten") and the same words as
// written in text in their lists ("Zutaten"). A look-up of the written form
// finds that list word in the trie, without meanings, and so never tries the
// lower case: such list words become headwords with the same meanings. So
// do the capitalised forms of headwords whose first letter the reader's
// lower-case retry (Windows-1252's mapping) cannot bring back, as Polish
// "Źródło" or Russian words beginning with Ч or Я.
void AddWrittenSpellings(TThesaurusContent& content, int codePage) {
  std::unordered_map<std::string, size_t> headwordAt;
  for (size_t i = 0; i < content.Headwords.size(); ++i) headwordAt.emplace(content.Headwords[i].Word, i);
  std::vector<TThesaurusHeadword> added;
  std::unordered_set<std::string> done;
  for (const auto& meaning : content.Meanings)
    for (const auto& list : meaning.Lists)
      for (const auto& word : list) {
        if (headwordAt.count(word) || !done.insert(word).second) continue;
        const std::string lower = Ansi::LowerCase(word, codePage);
        auto it = lower == word ? headwordAt.end() : headwordAt.find(lower);
        if (it != headwordAt.end()) added.push_back({word, content.Headwords[it->second].Links});
      }
  if (codePage != 1252) {
    const unsigned char* upper = Ansi::UpperCaseTable(codePage);
    const unsigned char* retry = Ansi::LowerCaseTable(1252);
    for (const auto& headword : content.Headwords) {
      const unsigned char first = static_cast<unsigned char>(headword.Word[0]);
      if (upper[first] == first || retry[upper[first]] == first) continue;
      std::string written = headword.Word;
      written[0] = static_cast<char>(upper[first]);
      if (!headwordAt.count(written) && done.insert(written).second) added.push_back({written, headword.Links});
    }
  }
  for (auto& headword : added) content.Headwords.push_back(std::move(headword));
}

// The most looked-up eligible headwords that fit: in the compact layout and
// with its selection (two letters or more), or in either layout with every
// single word eligible. With `requireAll`, false unless all of them fit.
bool Select(const std::vector<TSourceEntry>& entries, std::unordered_map<std::string, size_t>& mentions,
            const TCompileOptions& options, bool compact, bool requireAll, std::string& bytes,
            TCompileStats& stats, std::string& error) {
  // Common words have many senses and are mentioned by many other entries.
  std::vector<const TSourceEntry*> chosen;
  std::unordered_set<std::string> seen;
  for (const auto& entry : entries) {
    const bool eligible = compact ? LookupWord(entry.Word, options.CodePage) : SingleWord(entry.Word, options.CodePage);
    if (eligible && !entry.Senses.empty() && Known(options, entry.Word) && seen.insert(entry.Word).second)
      chosen.push_back(&entry);
  }
  std::unordered_map<const TSourceEntry*, uint64_t> frequency;
  if (!options.Frequencies.empty())
    for (const TSourceEntry* entry : chosen) frequency[entry] = Frequency(options, entry->Word);
  std::stable_sort(chosen.begin(), chosen.end(), [&](const TSourceEntry* a, const TSourceEntry* b) {
    // Words met in real text first, the most frequent first.
    if (!frequency.empty() && frequency[a] != frequency[b]) return frequency[a] > frequency[b];
    const size_t ma = (mentions.count(a->Word) ? mentions[a->Word] : 0) + kSenseWeight * a->Senses.size();
    const size_t mb = (mentions.count(b->Word) ? mentions[b->Word] : 0) + kSenseWeight * b->Senses.size();
    if (ma != mb) return ma > mb;
    if (a->Word.size() != b->Word.size()) return a->Word.size() < b->Word.size();
    return a->Word < b->Word;
  });
  stats.EligibleHeadwords = chosen.size();

  // The compact layout's own limits, or the caller's smaller ones.
  auto cap = [&](size_t asked, size_t layout) {
    if (!compact) return asked;
    return asked == 0 ? layout : std::min(asked, layout);
  };
  const size_t maxNodes = cap(options.MaxNodes, kMaxNodes);
  // Beyond 13107 meanings, meaning * 5 + category no longer fits in 16 bits.
  const size_t maxMeanings = cap(options.MaxMeanings, 13107);
  size_t refused = 0;
  std::vector<bool> kept;
  auto fits = [&](size_t count, std::string& out, TCompileStats& result) {
    size_t links = 0;
    refused = 0;
    TThesaurusContent content =
        BuildContent(chosen, count, options, maxMeanings == 0 ? SIZE_MAX : maxMeanings, links, refused, kept);
    const size_t headwords = content.Headwords.size();
    if (!compact) AddWrittenSpellings(content, options.CodePage);
    TThesaurusLayoutStats layout;
    if (!WriteThesaurus(content, out, &layout, nullptr, !compact) ||
        (maxNodes != 0 && layout.Nodes > maxNodes))
      return false;
    result.KeptHeadwords = headwords;
    result.KeptLinks = links;
    result.Meanings = content.Meanings.size();
    result.Layout = layout;
    return true;
  };

  // The largest prefix of the ranking that fits.
  size_t low = 0, high = chosen.size();
  std::string scratch;
  TCompileStats probe;
  const bool all = fits(high, bytes, stats);
  if (all) low = high;
  if (requireAll && (!all || refused > 0)) return false;
  while (low < high) {
    const size_t mid = low + (high - low + 1) / 2;
    if (fits(mid, scratch, probe))
      low = mid;
    else
      high = mid - 1;
  }
  if (!all && !fits(low, bytes, stats)) {
    error = "not even an empty thesaurus fits the limits";
    return false;
  }
  for (size_t i = 0; i < chosen.size(); ++i)
    if (i >= low || !kept[i]) stats.Dropped.push_back(chosen[i]->Word);
  return true;
}

}  // namespace

bool CompileThesaurus(const std::vector<TSourceEntry>& entries, const TCompileOptions& options,
                      std::string& bytes, TCompileStats& stats, std::string& error) {
  stats = TCompileStats();
  stats.SourceHeadwords = entries.size();
  std::unordered_map<std::string, size_t> mentions;
  for (const auto& entry : entries) {
    stats.SourceSenses += entry.Senses.size();
    for (const auto& sense : entry.Senses)
      for (const auto* list : {&sense.Synonyms, &sense.Similar, &sense.Related, &sense.Generic, &sense.Antonyms})
        for (const auto& word : *list) ++mentions[word];
  }

  // A source whose thesaurus fits the compact layout whole is compiled as it
  // always was; one that does not is kept whole in the wide layout, every
  // single word a headword (one-letter words too), unless the caller asks for
  // the compact layout anyway.
  if (!options.Compact) {
    if (Select(entries, mentions, options, true, true, bytes, stats, error)) return true;
    stats.Dropped.clear();
    return Select(entries, mentions, options, false, false, bytes, stats, error);
  }
  return Select(entries, mentions, options, true, false, bytes, stats, error);
}
