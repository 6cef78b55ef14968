// Compiles a word list into a main dictionary file: builds the letter tree,
// folds single-child runs into node chains and lays out tables and links.
#include "vl3DictionaryCompiler.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>

#include "vl3Codepage.h"
#include "vl3MainDictionary.h"
#include "vl3Platform.h"

using namespace VlmFormat;

namespace {

struct TTrieNode {
  uint8_t ch = 0;
  bool wordEnd = false;
  std::vector<uint32_t> children;  // ascending by character
};

struct TOutNode {
  uint32_t trie = 0;        // the tree node this record starts at
  uint32_t childrenOf = 0;  // the tree node whose children follow the chain
  std::string extra;
  uint32_t number = 0;
};

void PutU32(std::string& out, uint32_t value) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

void SetU32(std::string& out, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) out[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

void PutChildNumber(std::string& area, uint32_t number, bool wide) {
  if (!wide) {
    area.push_back(static_cast<char>(number & 0xFF));
    area.push_back(static_cast<char>(number >> 8));
  } else if (number < 0x8000) {
    area.push_back(static_cast<char>(0x80 | (number >> 8)));
    area.push_back(static_cast<char>(number & 0xFF));
  } else {
    area.push_back(static_cast<char>(number >> 16));
    area.push_back(static_cast<char>((number >> 8) & 0xFF));
    area.push_back(static_cast<char>(number & 0xFF));
  }
}

// Title as UTF-16 code units: the ANSI text through UTF-8.
std::vector<uint16_t> TitleUnits(const std::string& title, int codePage) {
  const std::string utf8 = Codepage::ToUtf8(title, codePage);
  std::vector<uint16_t> units;
  size_t pos = 0;
  while (pos < utf8.size()) {
    uint32_t code = 0;
    pos += Codepage::DecodeUtf8(utf8, pos, code);
    units.push_back(code == Codepage::kInvalid || code > 0xFFFF ? uint16_t('?')
                                                                : static_cast<uint16_t>(code));
  }
  return units;
}

// Makes equal subtrees one: every parent then points to the same node
// (their records and child lists are written once). Children have higher
// indices than their parents, so a backward pass sees children first.
void ShareEqualSubtrees(std::vector<TTrieNode>& trie) {
  std::unordered_map<std::string, uint32_t> seen;
  std::vector<uint32_t> same(trie.size());
  std::string key;
  for (size_t i = trie.size(); i-- > 1;) {
    TTrieNode& node = trie[i];
    key.clear();
    key.push_back(static_cast<char>(node.ch));
    key.push_back(node.wordEnd ? 1 : 0);
    for (uint32_t& child : node.children) {
      child = same[child];
      key.append(reinterpret_cast<const char*>(&child), sizeof child);
    }
    same[i] = seen.emplace(key, static_cast<uint32_t>(i)).first->second;
  }
  for (uint32_t& child : trie[0].children) child = same[child];
}

uint32_t Scatter(const std::string& word) {
  uint32_t hash = 2166136261u;  // FNV-1a
  for (char c : word) hash = (hash ^ static_cast<uint8_t>(c)) * 16777619u;
  return hash;
}

}  // namespace

bool KeepOrder(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return a.size() < b.size();
  const uint32_t ha = Scatter(a), hb = Scatter(b);
  return ha != hb ? ha < hb : a < b;
}

void TDictionaryCompiler::AddWord(const std::string& word) {
  if (!word.empty()) words_.push_back(word);
}

size_t TDictionaryCompiler::AddWordList(const std::string& text, bool utf8, int codePage) {
  size_t leftOut = 0;
  size_t start = 0;
  std::string converted;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    size_t stop = end;
    if (stop > start && text[stop - 1] == '\r') --stop;
    std::string line = text.substr(start, stop - start);
    start = end + 1;
    if (line.empty()) continue;
    if (utf8) {
      if (!Codepage::FromUtf8(line, codePage, converted)) {
        ++leftOut;
        continue;
      }
      line = converted;
    }
    AddWord(line);
  }
  return leftOut;
}

size_t TDictionaryCompiler::WordCount() const {
  std::vector<std::string> sorted(words_);
  std::sort(sorted.begin(), sorted.end());
  return static_cast<size_t>(std::unique(sorted.begin(), sorted.end()) - sorted.begin());
}

bool TDictionaryCompiler::Compile(const TDictionaryCompileOptions& options, std::string& image,
                                  std::string& error, TDictionaryStats* stats) {
  image.clear();
  error.clear();
  // std::string orders bytes as unsigned values, so children arrive in
  // ascending order and are appended.
  std::vector<std::string> words(words_);
  std::sort(words.begin(), words.end());
  words.erase(std::unique(words.begin(), words.end()), words.end());
  if (options.dropToFit) {
    words.erase(std::remove_if(words.begin(), words.end(),
                               [](const std::string& w) { return w.size() > kMaxWordLength; }),
                words.end());
  }
  bool tooLarge = false;
  if (Build(words, options, image, error, stats, tooLarge)) return true;
  if (tooLarge && options.allowWide) return Build(words, options, image, error, stats, tooLarge, true);
  if (!tooLarge || !options.dropToFit) return false;
  return BuildFitting(words, options, image, error, stats);
}

bool TDictionaryCompiler::BuildFitting(const std::vector<std::string>& words,
                                       const TDictionaryCompileOptions& options,
                                       std::string& image, std::string& error,
                                       TDictionaryStats* stats) {
  // rank[i]: place of words[i] in the keeping order.
  std::vector<uint32_t> order(words.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = static_cast<uint32_t>(i);
  std::sort(order.begin(), order.end(),
            [&](uint32_t a, uint32_t b) { return KeepOrder(words[a], words[b]); });
  std::vector<uint32_t> rank(words.size());
  for (size_t r = 0; r < order.size(); ++r) rank[order[r]] = static_cast<uint32_t>(r);
  order.clear();

  // The sizes grow with the number of words kept: a bisection, stopped
  // within a thousandth of the list (each try compiles the whole prefix).
  size_t fits = 0, fails = words.size();
  const size_t precision = std::max<size_t>(1, words.size() / 1000);
  std::string best;
  TDictionaryStats bestStats;
  std::vector<std::string> kept;
  while (fails - fits > precision) {
    const size_t count = fits + (fails - fits) / 2;
    kept.clear();
    for (size_t i = 0; i < words.size(); ++i)
      if (rank[i] < count) kept.push_back(words[i]);
    std::string trial, trialError;
    TDictionaryStats trialStats;
    bool tooLarge = false;
    if (Build(kept, options, trial, trialError, &trialStats, tooLarge)) {
      fits = count;
      best.swap(trial);
      bestStats = trialStats;
    } else if (tooLarge) {
      fails = count;
    } else {
      error = trialError;
      return false;
    }
  }
  if (best.empty()) {
    error = "not even a small part of the word list fits the format";
    return false;
  }
  bestStats.dropped = static_cast<uint32_t>(words.size() - fits);
  if (stats) *stats = bestStats;
  image.swap(best);
  error.clear();
  return true;
}

bool TDictionaryCompiler::Build(const std::vector<std::string>& words,
                                const TDictionaryCompileOptions& options, std::string& image,
                                std::string& error, TDictionaryStats* stats, bool& tooLarge,
                                bool wideLayout) {
  tooLarge = false;
  const std::vector<uint16_t> title = TitleUnits(options.title, options.codePage);
  if (title.size() > 255) {
    error = "the title is longer than 255 characters";
    return false;
  }
  if (words.empty()) {
    error = "the word list is empty";
    return false;
  }

  std::vector<TTrieNode> trie(1);
  std::vector<uint32_t> path{0};  // path[d]: node of the previous word's d-th letter
  const std::string* previous = nullptr;
  for (const std::string& word : words) {
    if (word.size() > kMaxWordLength) {
      error = "the word list holds a word longer than " + std::to_string(kMaxWordLength) +
              " characters";
      return false;
    }
    size_t common = 0;
    if (previous) {
      while (common < previous->size() && common < word.size() &&
             (*previous)[common] == word[common])
        ++common;
    }
    path.resize(common + 1);
    for (size_t i = common; i < word.size(); ++i) {
      TTrieNode node;
      node.ch = static_cast<uint8_t>(word[i]);
      trie.push_back(node);
      const uint32_t index = static_cast<uint32_t>(trie.size() - 1);
      trie[path.back()].children.push_back(index);
      path.push_back(index);
    }
    trie[path.back()].wordEnd = true;
    previous = &word;
  }

  // Readers scan a child list from its start: the children that lead to the
  // most words go first. Children always have higher indices than parents.
  if (options.commonChildrenFirst) {
    std::vector<uint32_t> below(trie.size(), 0);
    for (size_t i = trie.size(); i-- > 0;) {
      below[i] += trie[i].wordEnd ? 1 : 0;
      for (uint32_t child : trie[i].children) below[i] += below[child];
    }
    for (TTrieNode& node : trie) {
      std::stable_sort(node.children.begin(), node.children.end(),
                       [&](uint32_t a, uint32_t b) { return below[a] > below[b]; });
    }
  }

  if (options.shareSuffixes) ShareEqualSubtrees(trie);

  // Output records in breadth-first order; a record starts a chain when its
  // single-child descendants end no word. A shared node gets one record, at
  // the shallowest place it is reached.
  std::vector<TOutNode> out;
  constexpr uint32_t kNotQueued = 0xFFFFFFFFu;
  std::vector<uint32_t> outOfTrie(trie.size(), kNotQueued);
  std::vector<std::pair<uint32_t, size_t>> queue{{0u, size_t(0)}};  // tree node, letter depth
  outOfTrie[0] = 0;
  for (size_t head = 0; head < queue.size(); ++head) {
    const uint32_t t = queue[head].first;
    const size_t depth = queue[head].second;
    TOutNode node;
    node.trie = t;
    node.childrenOf = t;
    if (options.compressPaths && depth > static_cast<size_t>(std::max(options.plainDepth, 1))) {
      while (node.extra.size() < kNodeKinds - 1 && trie[node.childrenOf].children.size() == 1 &&
             !trie[trie[node.childrenOf].children[0]].wordEnd) {
        node.childrenOf = trie[node.childrenOf].children[0];
        node.extra.push_back(static_cast<char>(trie[node.childrenOf].ch));
      }
    }
    outOfTrie[t] = static_cast<uint32_t>(out.size());
    for (uint32_t child : trie[node.childrenOf].children) {
      if (outOfTrie[child] != kNotQueued) continue;
      outOfTrie[child] = 0;
      queue.emplace_back(child, depth + node.extra.size() + 1);
    }
    out.push_back(std::move(node));
  }
  queue.clear();

  if (trie[0].children.size() > 255) {
    error = "more than 255 different first characters";
    return false;
  }
  const uint64_t nodeCount = out.size();
  const bool wide = nodeCount >= kWideChildThreshold;
  // The wide layout's 32-bit numbers: the node count field is 32 bits too.
  if (wideLayout && nodeCount >= kWideNoChildren) {
    error = "the word list needs more than 2^32 tree nodes";
    return false;
  }
  if (!wideLayout && nodeCount - 1 > kMaxWideChild) {
    tooLarge = true;
    error = "the word list needs " + std::to_string(nodeCount) +
            " tree nodes; the format holds at most " + std::to_string(kMaxWideChild + 1);
    return false;
  }

  uint32_t kindCounts[kNodeKinds] = {};
  for (const TOutNode& node : out) ++kindCounts[node.extra.size()];
  uint32_t firstNumber[kNodeKinds] = {};
  for (int k = 1; k < kNodeKinds; ++k) firstNumber[k] = firstNumber[k - 1] + kindCounts[k - 1];
  uint32_t tableStart[kNodeKinds];  // number of each table's first record
  std::copy(firstNumber, firstNumber + kNodeKinds, tableStart);
  // Child lists hold numbers below 0x8000 in two bytes and the others in
  // three (wide form): the nodes that lists name most get the small numbers.
  // The root stays node 0.
  std::vector<uint32_t> mentions(out.size(), 0);
  for (const TOutNode& node : out) {
    const std::vector<uint32_t>& children = trie[node.childrenOf].children;
    if (children.size() >= 2)
      for (uint32_t child : children) ++mentions[outOfTrie[child]];
  }
  std::vector<uint32_t> numbering(out.size());
  for (size_t o = 0; o < out.size(); ++o) numbering[o] = static_cast<uint32_t>(o);
  std::stable_sort(numbering.begin() + 1, numbering.end(),
                   [&](uint32_t a, uint32_t b) { return mentions[a] > mentions[b]; });
  for (uint32_t o : numbering) out[o].number = firstNumber[out[o].extra.size()]++;

  // Records per table and the child-link area. The first-letter table shares
  // the child lists of the first-letter nodes.
  std::vector<std::string> tables(kNodeKinds);
  const size_t head = wideLayout ? 8 : 4;  // bytes of a record before its chain
  for (int k = 0; k < kNodeKinds; ++k) tables[k].resize(size_t(kindCounts[k]) * (head + k));
  std::string area;
  std::unordered_map<std::string, uint32_t> lists;  // child list -> its offset in the area
  std::string firstLetters(kFirstLetterTableSize, '\0');
  for (size_t o = 0; o < out.size(); ++o) {
    const TOutNode& node = out[o];
    const TTrieNode& start = trie[node.trie];
    const std::vector<uint32_t>& children = trie[node.childrenOf].children;
    const size_t count = children.size();
    uint32_t link = wideLayout ? kWideNoChildren : kNoChildren;
    uint32_t childField = 0;
    size_t listStart = area.size();
    // A single child numbered beyond the 20-bit link is listed in the
    // child-link area with an explicit count of one.
    const bool singleInLink =
        !wideLayout && count == 1 && out[outOfTrie[children[0]]].number > kMaxLink;
    if (count == 1 && !singleInLink) {
      childField = 1;
      link = out[outOfTrie[children[0]]].number;
    } else if (count >= 1) {
      if (!wideLayout && area.size() > std::min(options.linkLimit, kMaxLink)) {
        tooLarge = true;
        error = "the child-link area outgrows its 20-bit offsets";
        return false;
      }
      if (area.size() >= kWideNoChildren - 0x10000) {
        error = "the child-link area outgrows 4 GiB";
        return false;
      }
      if (count > 255) {
        error = "a node has more than 255 children";
        return false;
      }
      // Nodes with the same children share one list.
      std::string list;
      if (count == 1 || count > 7) list.push_back(static_cast<char>(count));
      for (uint32_t child : children) {
        if (wideLayout)
          PutU32(list, out[outOfTrie[child]].number);
        else
          PutChildNumber(list, out[outOfTrie[child]].number, wide);
      }
      const auto known = lists.find(list);
      if (known != lists.end()) {
        link = known->second;
      } else {
        link = static_cast<uint32_t>(area.size());
        lists.emplace(list, link);
        area += list;
      }
      if (count >= 2 && count <= 7) childField = static_cast<uint32_t>(count);
      listStart = link + (count == 1 || count > 7 ? 1 : 0);
    }
    const uint32_t value = start.ch | (wideLayout ? 0 : link << 8) | (childField << 28) |
                           (start.wordEnd ? 0x80000000u : 0u);
    const size_t k = node.extra.size();
    std::string& table = tables[k];
    const size_t at = size_t(node.number - tableStart[k]) * (head + k);
    SetU32(table, at, value);
    if (wideLayout) SetU32(table, at + 4, link);
    std::memcpy(&table[at + head], node.extra.data(), k);

    const bool firstLetter = o > 0 && o <= trie[0].children.size();
    if (firstLetter) {
      char* record = &firstLetters[size_t(start.ch) * kFirstLetterRecordSize];
      record[0] = start.wordEnd ? 1 : 0;
      record[1] = static_cast<char>(count);
      // The record's link is 32 bits: the only child by number in any case.
      uint32_t recordLink = 0;
      if (count == 1)
        recordLink = out[outOfTrie[children[0]]].number;
      else if (count >= 2)
        recordLink = static_cast<uint32_t>(listStart);
      SetU32(firstLetters, size_t(start.ch) * kFirstLetterRecordSize + 4, recordLink);
    }
  }

  std::string file(wideLayout ? kWideBanner : kBanner, kBannerSize);
  file.resize(kHeaderBlockSize, '\0');
  file.push_back(static_cast<char>(title.size()));
  for (uint16_t unit : title) {
    file.push_back(static_cast<char>(unit & 0xFF));
    file.push_back(static_cast<char>(unit >> 8));
  }
  file.append(2, '\0');
  PutU32(file, options.langId);
  PutU32(file, static_cast<uint32_t>(words.size()));
  PutU32(file, static_cast<uint32_t>(nodeCount));
  for (int k = 0; k < kNodeKinds; ++k) PutU32(file, kindCounts[k]);
  for (const std::string& table : tables) file += table;
  PutU32(file, static_cast<uint32_t>(area.size()));
  file += area;
  file += firstLetters;
  file.append(kTrailerBlockSize, '\0');

  if (stats) {
    stats->words = static_cast<uint32_t>(words.size());
    stats->dropped = 0;
    stats->nodes = static_cast<uint32_t>(nodeCount);
    std::copy(kindCounts, kindCounts + kNodeKinds, stats->kindCounts);
    stats->linkAreaSize = static_cast<uint32_t>(area.size());
    stats->wideChildNumbers = wide || wideLayout;
    stats->wideLayout = wideLayout;
    stats->fileSize = file.size();
  }
  image.swap(file);
  return true;
}

bool TDictionaryCompiler::CompileToFile(const TDictionaryCompileOptions& options,
                                        const std::string& path, std::string& error,
                                        TDictionaryStats* stats) {
  std::string image;
  if (!Compile(options, image, error, stats)) return false;
  if (!Platform::WriteWholeFile(path, image)) {
    error = "cannot write " + path;
    return false;
  }
  return true;
}
