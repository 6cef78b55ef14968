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

bool WriteThesaurus(const TThesaurusContent& content, std::string& bytes, TThesaurusLayoutStats* stats,
                    std::string* error) {
  bytes.clear();
  if (content.Meanings.size() > 65535) return Fail(error, "more than 65535 meanings");

  // Merge repeated headwords and check their links.
  std::map<std::string, std::vector<uint16_t>> links;
  for (const auto& headword : content.Headwords) {
    if (!ValidWord(headword.Word)) return Fail(error, "empty or invalid headword");
    auto& target = links[headword.Word];
    for (uint16_t link : headword.Links) {
      if (link / 5u >= content.Meanings.size())
        return Fail(error, "link of \"" + headword.Word + "\" names a missing meaning");
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
  std::vector<const std::vector<uint16_t>*> ordered;
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
  if (total > kMaxNodes) return Fail(error, "more than 65536 trie nodes");

  TLinkArea area;
  std::string nodeTable;
  auto putNode = [&](uint32_t offset, uint32_t flags, uint8_t ch) {
    PutLong(nodeTable, offset | flags | (static_cast<uint32_t>(ch) << 24));
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
      PutWord(record, children[0]);
    } else {
      record += static_cast<char>(children.size());
      for (uint32_t child : children) PutWord(record, child);
    }
    if (n != 0 && node.parent != 0) {
      flags |= kHasParentBit;
      PutWord(record, nodes[node.parent].number);
    }
    const int headword = headwordAt[n];
    const bool tail = node.tailOf >= 0;
    if (tail || headword >= 0) {
      flags |= tail ? kTailChainBit : kEndOfWordBit;
      const std::vector<uint16_t> none;
      const auto& values = headword >= 0 ? *ordered[headword] : none;
      record += static_cast<char>(values.size());
      for (uint16_t value : values) PutWord(record, value);
    }
    const uint32_t offset = area.Add(record);
    if (offset > kOffsetMask) return Fail(error, "the link area exceeds 1 MiB");
    putNode(offset, flags, node.character);
  }
  for (const auto& chain : chains.Nodes()) {
    std::string record;
    uint32_t flags = 0;
    if (chain.next >= 0) {
      flags |= kSingleChildBit;
      PutWord(record, static_cast<uint32_t>(order.size() + chain.next));
    } else {
      record += '\0';
    }
    const uint32_t offset = area.Add(record);
    if (offset > kOffsetMask) return Fail(error, "the link area exceeds 1 MiB");
    putNode(offset, flags, chain.character);
  }

  auto numberOf = [&](const std::string& word) { return nodes[trie.Represent(endOf[word])].number; };
  std::string meaningTable, wordIndex;
  for (const auto& meaning : content.Meanings) {
    PutWord(meaningTable, numberOf(meaning.Headword));
    for (const auto& list : meaning.Lists) PutWord(meaningTable, static_cast<uint32_t>(list.size()));
    PutLong(meaningTable, static_cast<uint32_t>(wordIndex.size()));
    for (const auto& list : meaning.Lists)
      for (const auto& word : list) PutWord(wordIndex, numberOf(word));
  }

  std::string header = "Vexlor thesaurus file 1.0\r\n";
  header.resize(TThesaurusFile::kHeaderSize, '\0');
  bytes = header;
  PutShortString(bytes, content.Name);
  for (const auto& name : content.CategoryNames) PutShortString(bytes, name);
  PutLong(bytes, static_cast<uint32_t>(total));
  bytes += nodeTable;
  PutLong(bytes, static_cast<uint32_t>(area.Bytes().size()));
  bytes += area.Bytes();
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
  }
  return true;
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
bool LookupWord(const std::string& word, int codePage) {
  if (word.size() < 2 || !Ansi::IsAlpha(word[0], codePage)) return false;
  for (char c : word)
    if (c == ' ' || (c >= '0' && c <= '9')) return false;
  return true;
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
                               const TCompileOptions& options, size_t& links) {
  TThesaurusContent content;
  content.Name = options.Name;
  for (int c = 0; c < 5; ++c) content.CategoryNames[c] = kThesaurusCategoryNames[c];
  std::unordered_map<std::string, uint16_t> meaningByKey;
  std::vector<TThesaurusHeadword> headwords(count);
  for (size_t i = 0; i < count; ++i) headwords[i].Word = chosen[i]->Word;
  // Beyond this, meaning * 5 + category no longer fits in 16 bits.
  const size_t maxMeanings = std::min<size_t>(options.MaxMeanings, 13107);

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
    uint16_t meaning = 0;
    if (it != meaningByKey.end()) {
      meaning = it->second;
    } else {
      if (content.Meanings.size() >= maxMeanings) continue;
      meaning = static_cast<uint16_t>(content.Meanings.size());
      meaningByKey.emplace(key, meaning);
      content.Meanings.push_back(MakeMeaning(entry.Word, sense, options));
    }
    auto& wordLinks = headwords[i].Links;
    const uint16_t link = static_cast<uint16_t>(meaning * 5 + sense.Category);
    if (wordLinks.size() < 255 && std::find(wordLinks.begin(), wordLinks.end(), link) == wordLinks.end())
      wordLinks.push_back(link);
  }
  links = 0;
  for (auto& headword : headwords)
    if (!headword.Links.empty()) {
      links += headword.Links.size();
      content.Headwords.push_back(std::move(headword));
    }
  return content;
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

  // Common words have many senses and are mentioned by many other entries.
  std::vector<const TSourceEntry*> chosen;
  std::unordered_set<std::string> seen;
  for (const auto& entry : entries)
    if (LookupWord(entry.Word, options.CodePage) && !entry.Senses.empty() && Known(options, entry.Word) &&
        seen.insert(entry.Word).second)
      chosen.push_back(&entry);
  std::stable_sort(chosen.begin(), chosen.end(), [&](const TSourceEntry* a, const TSourceEntry* b) {
    const size_t ma = (mentions.count(a->Word) ? mentions[a->Word] : 0) + kSenseWeight * a->Senses.size();
    const size_t mb = (mentions.count(b->Word) ? mentions[b->Word] : 0) + kSenseWeight * b->Senses.size();
    if (ma != mb) return ma > mb;
    if (a->Word.size() != b->Word.size()) return a->Word.size() < b->Word.size();
    return a->Word < b->Word;
  });
  stats.EligibleHeadwords = chosen.size();

  auto fits = [&](size_t count, std::string& out, TCompileStats& result) {
    size_t links = 0;
    const TThesaurusContent content = BuildContent(chosen, count, options, links);
    TThesaurusLayoutStats layout;
    if (!WriteThesaurus(content, out, &layout, nullptr) || layout.Nodes > options.MaxNodes) return false;
    result.KeptHeadwords = content.Headwords.size();
    result.KeptLinks = links;
    result.Meanings = content.Meanings.size();
    result.Layout = layout;
    return true;
  };

  // The largest prefix of the ranking that fits.
  size_t low = 0, high = chosen.size();
  std::string scratch;
  TCompileStats probe;
  while (low < high) {
    const size_t mid = low + (high - low + 1) / 2;
    if (fits(mid, scratch, probe))
      low = mid;
    else
      high = mid - 1;
  }
  if (!fits(low, bytes, stats)) {
    error = "not even an empty thesaurus fits the limits";
    return false;
  }
  return true;
}
