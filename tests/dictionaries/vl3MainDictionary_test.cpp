// Main dictionary reader and compiler: files laid out by hand in the test,
// compiled word lists, the phonetic search and corrupted files.
#include "vl3MainDictionary.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <set>
#include <vector>

#include "vl3DictionaryCompiler.h"
#include "vl3PhoneticsMap.h"
#include "vl3Platform.h"
#include "vl3StringList.h"

namespace {

using Words = std::vector<std::string>;

// A file in the temporary folder, removed when the test ends.
class TTempFile {
 public:
  explicit TTempFile(const std::string& contents = std::string()) {
    static int serial = 0;
    path_ = Platform::TempDirectory() + "\\vl3MainDictionary_test_" +
            std::to_string(std::random_device{}()) + "_" + std::to_string(++serial) + ".vlm";
    Write(contents);
  }
  ~TTempFile() { Platform::DeleteFile(path_); }
  void Write(const std::string& contents) { Platform::WriteWholeFile(path_, contents); }
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

// ---- A writer of the file format, independent of the compiler ------------

void PutU32(std::string& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>(v >> (8 * i)));
}

struct TRawNode {
  char ch = 0;
  bool wordEnd = false;
  std::string extra;
  std::vector<int> children;   // indices into TRawDictionary::nodes
  bool explicitCount = false;  // count byte in the link area even below 8
};

// Nodes are given in any order (index 0 is the root); Build numbers them
// table by table as the format requires.
struct TRawDictionary {
  std::string title = "Raw";
  uint32_t lang = 0x0409;
  uint32_t words = 0;
  std::vector<TRawNode> nodes{TRawNode()};
  bool oneLetter[256] = {};
  std::vector<int> firstChildren[256];

  int Add(char ch, bool wordEnd, const std::string& extra = std::string()) {
    TRawNode node;
    node.ch = ch;
    node.wordEnd = wordEnd;
    node.extra = extra;
    nodes.push_back(node);
    return static_cast<int>(nodes.size() - 1);
  }

  std::string Build() const {
    const size_t count = nodes.size();
    std::vector<uint32_t> number(count);
    uint32_t kinds[9] = {};
    uint32_t next = 0;
    for (size_t k = 0; k < 9; ++k) {
      for (size_t i = 0; i < count; ++i) {
        if (nodes[i].extra.size() == k) {
          number[i] = next++;
          ++kinds[k];
        }
      }
    }
    const bool wide = count >= 65535;
    std::string area;
    auto putChild = [&](int node) {
      uint32_t n = number[node];
      if (!wide) {
        area.push_back(static_cast<char>(n & 0xFF));
        area.push_back(static_cast<char>(n >> 8));
      } else if (n <= 0x7FFF) {
        area.push_back(static_cast<char>(0x80 | (n >> 8)));
        area.push_back(static_cast<char>(n & 0xFF));
      } else {
        area.push_back(static_cast<char>(n >> 16));
        area.push_back(static_cast<char>(n >> 8));
        area.push_back(static_cast<char>(n));
      }
    };
    std::vector<std::string> tables(9);
    std::vector<std::pair<uint32_t, std::string>> records;  // by number
    for (size_t i = 0; i < count; ++i) {
      const TRawNode& node = nodes[i];
      uint32_t link = 0xFFFFF, c = 0;
      if (node.children.size() == 1 && !node.explicitCount) {
        c = 1;
        link = number[node.children[0]];
      } else if (!node.children.empty() && node.children.size() <= 7 && !node.explicitCount) {
        c = static_cast<uint32_t>(node.children.size());
        link = static_cast<uint32_t>(area.size());
        for (int child : node.children) putChild(child);
      } else if (!node.children.empty()) {
        link = static_cast<uint32_t>(area.size());
        area.push_back(static_cast<char>(node.children.size()));
        for (int child : node.children) putChild(child);
      }
      std::string record;
      PutU32(record, static_cast<uint8_t>(node.ch) | (link << 8) | (c << 28) |
                         (node.wordEnd ? 0x80000000u : 0u));
      record += node.extra;
      records.emplace_back(number[i], record);
    }
    std::sort(records.begin(), records.end());

    std::string first(2048, '\0');
    for (int b = 0; b < 256; ++b) {
      char* r = &first[b * 8];
      r[0] = oneLetter[b] ? 1 : 0;
      r[1] = static_cast<char>(firstChildren[b].size());
      uint32_t link = 0;
      if (firstChildren[b].size() == 1) {
        link = number[firstChildren[b][0]];
      } else if (!firstChildren[b].empty()) {
        link = static_cast<uint32_t>(area.size());
        for (int child : firstChildren[b]) putChild(child);
      }
      for (int i = 0; i < 4; ++i) r[4 + i] = static_cast<char>(link >> (8 * i));
    }

    std::string file(VlmFormat::kBanner, VlmFormat::kBannerSize);
    file.resize(1024, 'x');  // the rest of the block is not examined
    file.push_back(static_cast<char>(title.size()));
    for (char ch : title) {
      file.push_back(ch);
      file.push_back('\0');
    }
    file.append(2, '\0');
    PutU32(file, lang);
    PutU32(file, words);
    PutU32(file, static_cast<uint32_t>(count));
    for (uint32_t k : kinds) PutU32(file, k);
    for (auto& record : records) file += record.second;
    PutU32(file, static_cast<uint32_t>(area.size()));
    file += area;
    file += first;
    file.append(1024, 'z');
    return file;
  }

  // Adds words as an uncompressed tree (first letters hang off the root and
  // the first-letter table).
  void AddWords(const Words& list) {
    for (const std::string& word : list) {
      ++words;
      const uint8_t head = static_cast<uint8_t>(word[0]);
      int node = FindOrAdd(0, word[0]);
      if (word.size() == 1) {
        oneLetter[head] = true;
        nodes[node].wordEnd = true;
        continue;
      }
      for (size_t i = 1; i < word.size(); ++i) {
        int child = FindOrAdd(node, word[i]);
        if (i == 1 && std::find(firstChildren[head].begin(), firstChildren[head].end(), child) ==
                          firstChildren[head].end())
          firstChildren[head].push_back(child);
        node = child;
      }
      nodes[node].wordEnd = true;
    }
  }

  int FindOrAdd(int parent, char ch) {
    for (int child : nodes[parent].children)
      if (nodes[child].ch == ch) return child;
    int child = Add(ch, false);
    nodes[parent].children.push_back(child);
    return child;
  }
};

// Expected answers for a list of probes: words present and absent.
void ExpectLookups(TMainDictionary& dictionary, const Words& present, const Words& absent) {
  for (const std::string& word : present) EXPECT_TRUE(dictionary.WordExists(word)) << word;
  for (const std::string& word : absent) EXPECT_FALSE(dictionary.WordExists(word)) << word;
}

Words AllWords(TMainDictionary& dictionary, const std::string& prefix = std::string()) {
  Words words;
  dictionary.EnumerateWords(prefix, [&](const std::string& w) {
    words.push_back(w);
    return true;
  });
  return words;
}

std::string Compiled(const Words& words, const TDictionaryCompileOptions& options = {},
                     TDictionaryStats* stats = nullptr) {
  TDictionaryCompiler compiler;
  for (const std::string& w : words) compiler.AddWord(w);
  std::string image, error;
  EXPECT_TRUE(compiler.Compile(options, image, error, stats)) << error;
  return image;
}

// ---- Header, opening and mapping --------------------------------------------

TEST(MainDictionaryHeader, BannerHasTheFixedLineLengths) {
  const std::string banner(VlmFormat::kBanner, VlmFormat::kBannerSize);
  const Words lines{banner.substr(0, 39), banner.substr(41, 32), banner.substr(75, 25),
                    banner.substr(102, 17)};
  EXPECT_EQ(lines[0], "Vexlor Dictionary Compiler, Version 4.0");
  size_t pos = 0;
  for (const std::string& line : lines) {
    EXPECT_EQ(line.find('\r'), std::string::npos);
    pos += line.size();
    EXPECT_EQ(banner.substr(pos, 2), "\r\n");
    pos += 2;
  }
  EXPECT_EQ(banner.substr(pos), "\r\n");
}

TEST(MainDictionaryHeader, OpenReadsTitleLanguageAndCounts) {
  TRawDictionary raw;
  raw.title =
      "Fran\xE7"
      "ais";
  raw.lang = 0x040C;
  raw.AddWords({"oui", "non"});
  TTempFile file;
  // The raw writer stores titles byte by byte, which is UTF-16 for Latin-1.
  file.Write(raw.Build());
  TMainDictionary dictionary;
  EXPECT_EQ(dictionary.HitCount(), 0u);
  dictionary.Open(file.Path());
  EXPECT_EQ(dictionary.SourcePath(), file.Path());
  EXPECT_EQ(dictionary.DisplayTitle(),
            "Fran\xE7"
            "ais");
  EXPECT_EQ(dictionary.LangId(), 0x040Cu);
  EXPECT_EQ(dictionary.StoredWordCount(), 2u);
  EXPECT_FALSE(dictionary.Mapped());
  EXPECT_TRUE(dictionary.WordExists("oui"));
  EXPECT_TRUE(dictionary.Mapped());
}

TEST(MainDictionaryHeader, TitleStopsAtTheFirstZeroUnitAndConvertsToAnsi) {
  TDictionaryCompileOptions options;
  options.title = "Caf\xE9 \x80 list";  // e acute and the euro sign
  std::string image = Compiled({"word"}, options);
  TTempFile file(image);
  TMainDictionary dictionary;
  dictionary.Open(file.Path());
  EXPECT_EQ(dictionary.DisplayTitle(), options.title);

  // A zero unit inside the declared length ends the title.
  image[1025 + 2 * 4] = 0;
  image[1025 + 2 * 4 + 1] = 0;
  file.Write(image);
  dictionary.Open(file.Path());
  EXPECT_EQ(dictionary.DisplayTitle(), "Caf\xE9");
  EXPECT_TRUE(dictionary.WordExists("word"));
}

TEST(MainDictionaryHeader, RejectsShortOrWronglyBanneredFiles) {
  const std::string good = Compiled({"alpha", "beta"});
  struct {
    const char* name;
    std::string contents;
  } cases[] = {
      {"exactly 1024 bytes", good.substr(0, 1024)},
      {"empty", std::string()},
      {"first banner byte", std::string("W") + good.substr(1)},
      {"last banner byte", good.substr(0, 122) + "X" + good.substr(123)},
      {"lower-case banner", std::string("vexlor") + good.substr(6)},
      {"header fields cut off", good.substr(0, 1030)},
  };
  for (const auto& c : cases) {
    TTempFile file(c.contents);
    TMainDictionary dictionary;
    dictionary.Open(file.Path());
    EXPECT_EQ(dictionary.SourcePath(), "") << c.name;
    EXPECT_FALSE(dictionary.WordExists("alpha")) << c.name;
  }
}

TEST(MainDictionaryHeader, OpenOfMissingFileKeepsThePreviousDictionary) {
  TTempFile file(Compiled({"alpha"}));
  TMainDictionary dictionary;
  dictionary.Open(file.Path());
  ASSERT_TRUE(dictionary.WordExists("alpha"));
  dictionary.IncHitCount();
  dictionary.Open(file.Path() + ".missing");
  EXPECT_EQ(dictionary.SourcePath(), file.Path());
  EXPECT_TRUE(dictionary.Mapped());
  EXPECT_EQ(dictionary.HitCount(), 1u);
  EXPECT_TRUE(dictionary.WordExists("alpha"));
}

TEST(MainDictionaryHeader, OpenOfRejectedFileKeepsPathButUnmaps) {
  TTempFile good(Compiled({"alpha"}));
  TTempFile bad(std::string(2000, 'x'));
  TMainDictionary dictionary;
  dictionary.Open(good.Path());
  ASSERT_TRUE(dictionary.WordExists("alpha"));
  dictionary.IncHitCount();
  dictionary.Open(bad.Path());
  EXPECT_EQ(dictionary.SourcePath(), good.Path());
  EXPECT_FALSE(dictionary.Mapped());
  EXPECT_EQ(dictionary.HitCount(), 0u);
  EXPECT_TRUE(dictionary.WordExists("alpha"));  // maps the previous file again
}

TEST(MainDictionaryHeader, OpenKeepsTheMappedStateForTheNewFile) {
  TTempFile first(Compiled({"alpha"}));
  TTempFile second(Compiled({"beta"}));
  TMainDictionary dictionary;
  dictionary.Open(first.Path());
  dictionary.SetMapped(true);
  dictionary.Open(second.Path());
  EXPECT_TRUE(dictionary.Mapped());
  EXPECT_TRUE(dictionary.WordExists("beta"));
  EXPECT_FALSE(dictionary.WordExists("alpha"));
}

TEST(MainDictionaryMapping, SetMappedWithoutPathDoesNothing) {
  TMainDictionary dictionary;
  dictionary.SetMapped(true);
  EXPECT_FALSE(dictionary.Mapped());
  EXPECT_FALSE(dictionary.WordExists("a"));
  EXPECT_EQ(dictionary.DisplayTitle(), "");
  EXPECT_EQ(dictionary.LangId(), 0u);
}

TEST(MainDictionaryMapping, TruncatedFileNeverMapsAndEveryLookupRetries) {
  const std::string image = Compiled({"alpha", "alpine", "beta"});
  TTempFile file(image);
  TMainDictionary dictionary;
  dictionary.Open(file.Path());
  ASSERT_EQ(dictionary.SourcePath(), file.Path());
  dictionary.SetMapped(false);

  // One byte short of the trailing block: refused.
  file.Write(image.substr(0, image.size() - 1));
  EXPECT_FALSE(dictionary.WordExists("alpha"));
  EXPECT_FALSE(dictionary.Mapped());
  EXPECT_TRUE(AllWords(dictionary).empty());

  // Repaired on disk: the next lookup maps it.
  file.Write(image);
  EXPECT_TRUE(dictionary.WordExists("alpha"));
}

TEST(MainDictionaryMapping, HitCountCountsUntilTheNextOpen) {
  TTempFile file(Compiled({"alpha"}));
  TMainDictionary dictionary;
  dictionary.Open(file.Path());
  dictionary.IncHitCount();
  dictionary.IncHitCount();
  EXPECT_EQ(dictionary.HitCount(), 2u);
  dictionary.Open(file.Path());
  EXPECT_EQ(dictionary.HitCount(), 0u);
}

// ---- Look-ups in files laid out by hand -------------------------------------

TEST(MainDictionaryLookup, EmptyAndOneLetterWords) {
  TRawDictionary raw;
  raw.AddWords({"a", "ab", "I"});
  // 'b' has a first-letter node that ends a word, but no table flag.
  int b = raw.Add('b', true);
  raw.nodes[0].children.push_back(b);
  TTempFile file(raw.Build());
  TMainDictionary dictionary;
  dictionary.Open(file.Path());
  ExpectLookups(dictionary, {"a", "ab", "I"}, {"", "b", "i", "A", "abc"});
}

TEST(MainDictionaryLookup, TakesTheFirstMatchingChildInAnyOrder) {
  TRawDictionary raw;
  raw.AddWords({"ta", "tb", "tc", "td"});
  std::reverse(raw.firstChildren['t'].begin(), raw.firstChildren['t'].end());
  TTempFile file(raw.Build());
  TMainDictionary dictionary;
  dictionary.Open(file.Path());
  ExpectLookups(dictionary, {"ta", "tb", "tc", "td"}, {"te", "t", "tab"});
  EXPECT_EQ(AllWords(dictionary, "t"), (Words{"ta", "tb", "tc", "td"}));
}

TEST(MainDictionaryLookup, ChainsOfExtraCharacters) {
  // "st" + 'r' with the chain "ength" carrying the rest; then children 'e'
  // (ends "strengthe") and 's' (ends "strengths").
  TRawDictionary raw;
  int s = raw.FindOrAdd(0, 's');
  int t = raw.FindOrAdd(s, 't');
  raw.firstChildren['s'].push_back(t);
  int r = raw.Add('r', false, "ength");
  raw.nodes[t].children.push_back(r);
  int e = raw.Add('e', true);
  int plural = raw.Add('s', true);
  raw.nodes[r].children = {e, plural};
  // A chain of the longest kind (8 extra characters).
  int x = raw.Add('x', true, "abcdefgh");
  raw.nodes[t].children.push_back(x);
  int y = raw.Add('y', true);
  raw.nodes[x].children.push_back(y);
  TTempFile file(raw.Build());
  TMainDictionary dictionary;
  dictionary.Open(file.Path());
  ExpectLookups(
      dictionary, {"strengthe", "strengths", "stx", "stxabcdefghy"},
      {"str", "streng", "strength", "stxabcdefgh", "stxabcdefg", "strengthes", "strangths"});
  EXPECT_EQ(AllWords(dictionary), (Words{"strengthe", "strengths", "stx", "stxabcdefghy"}));
}

TEST(MainDictionaryLookup, EightOrMoreChildrenUseAnExplicitCount) {
  Words words;
  for (char c = 'a'; c <= 'l'; ++c) words.push_back(std::string("k") + c + "z");
  TRawDictionary raw;
  raw.AddWords(words);
  ASSERT_GE(raw.firstChildren['k'].size(), 8u);
  // An explicit count is valid for few children too.
  int kaz = raw.nodes[raw.firstChildren['k'][0]].children[0];
  int extra = raw.Add('q', true);
  raw.nodes[raw.firstChildren['k'][0]].children.push_back(extra);
  raw.nodes[raw.firstChildren['k'][0]].explicitCount = true;
  (void)kaz;
  TTempFile file(raw.Build());
  TMainDictionary dictionary;
  dictionary.Open(file.Path());
  Words present = words;
  present.push_back("kaq");
  ExpectLookups(dictionary, present, {"kmz", "ka", "kz", "kazz"});
}

// Pads the tree with unreachable leaves up to `total` nodes; the real words
// are added after the padding so their numbers lie high.
void ExpectThresholdLayout(size_t total) {
  TRawDictionary raw;
  raw.AddWords({"low", "lot"});  // small node numbers
  const size_t before = raw.nodes.size();
  const Words high{"high", "hight", "hymn", "hi"};
  size_t highNodes = 0;
  {
    TRawDictionary probe;
    probe.AddWords(high);
    highNodes = probe.nodes.size() - 1;
  }
  ASSERT_LT(before + highNodes, total);
  while (raw.nodes.size() < total - highNodes) raw.Add('#', true);
  raw.AddWords(high);
  ASSERT_EQ(raw.nodes.size(), total);
  TTempFile file(raw.Build());
  TMainDictionary dictionary;
  dictionary.Open(file.Path());
  EXPECT_EQ(dictionary.NodeCount(), total);
  ExpectLookups(dictionary, {"low", "lot", "high", "hight", "hymn", "hi"},
                {"lo", "hig", "hym", "highs", "#"});
}

TEST(MainDictionaryLookup, BelowThresholdChildNumbersAreTwoBytesLittleEndian) {
  ExpectThresholdLayout(65534);
}

TEST(MainDictionaryLookup, FromThresholdChildNumbersHaveVariableWidth) {
  ExpectThresholdLayout(65535);
  ExpectThresholdLayout(70000);
}

TEST(MainDictionaryLookup, LinksOutsideTheFileAreNotFound) {
  TRawDictionary raw;
  raw.AddWords({"abc", "abd", "xyz"});
  std::string image = raw.Build();
  // Point every node's link far outside: bits 8-27 of each record.
  const size_t tables = 1024 + 1 + 2 * (raw.title.size() + 1) + 12 + 36;
  for (size_t i = 0; i < raw.nodes.size(); ++i) {
    image[tables + 4 * i + 1] = '\xF0';
    image[tables + 4 * i + 2] = '\xFF';
  }
  TTempFile file(image);
  TMainDictionary dictionary;
  dictionary.Open(file.Path());
  ExpectLookups(dictionary, {}, {"abc", "abd", "xyz", "ab"});
  EXPECT_TRUE(AllWords(dictionary).empty());
}

// ---- Compiled word lists -----------------------------------------------------

TEST(DictionaryCompiler, CompiledWordsAreFoundAndNothingElse) {
  const Words words{
      "a",         "I",         "an",         "and",   "ant",     "antelope",
      "antelopes", "be",        "bee",        "been",  "Zurich",  "\xE9t\xE9",
      "na\xEFve",  "strengths", "strengthen", "x-ray", "o'clock", "internationalisation"};
  TTempFile file(Compiled(words));
  TMainDictionary dictionary;
  dictionary.Open(file.Path());
  ExpectLookups(dictionary, words,
                {"", "b", "A", "zurich", "antelop", "strength", "internationalisatio",
                 "internationalisations", "x", "o", "\xE9t", "ants", "beenn"});
  Words sorted = words;
  std::sort(sorted.begin(), sorted.end());
  Words listed = AllWords(dictionary);
  std::sort(listed.begin(), listed.end());
  EXPECT_EQ(listed, sorted);
  EXPECT_EQ(dictionary.StoredWordCount(), words.size());
}

TEST(DictionaryCompiler, WordListIgnoresEmptyLinesDuplicatesAndCarriageReturns) {
  TDictionaryCompiler compiler;
  EXPECT_EQ(compiler.AddWordList("one\r\ntwo\n\n\r\none\nthree", false), 0u);
  EXPECT_EQ(compiler.WordCount(), 3u);
  std::string image, error;
  ASSERT_TRUE(compiler.Compile({}, image, error));
  TTempFile file(image);
  TMainDictionary dictionary;
  dictionary.Open(file.Path());
  EXPECT_EQ(dictionary.StoredWordCount(), 3u);
  ExpectLookups(dictionary, {"one", "two", "three"}, {"one\r", ""});
}

TEST(DictionaryCompiler, Utf8ListsConvertAndLeaveOutWhatTheCodePageLacks) {
  TDictionaryCompiler compiler;
  // "café", "Ελλάδα" (Greek), "naïve", an invalid byte, "€uro".
  EXPECT_EQ(compiler.AddWordList("caf\xC3\xA9\n\xCE\x95\xCE\xBB\xCE\xBB\n"
                                 "na\xC3\xAFve\nbad\xFF\n\xE2\x82\xACuro\n",
                                 true),
            2u);
  std::string image, error;
  ASSERT_TRUE(compiler.Compile({}, image, error));
  TTempFile file(image);
  TMainDictionary dictionary;
  dictionary.Open(file.Path());
  ExpectLookups(dictionary, {"caf\xE9", "na\xEFve", "\x80uro"}, {"caf\xC3\xA9", "bad"});
}

TEST(DictionaryCompiler, FirstTwoLettersNeverCarryChainsSoEveryPrefixIsWalkable) {
  const Words words{"phone", "photograph", "photographs", "zyxwvutsrqponm", "qu", "quiz"};
  TTempFile file(Compiled(words));
  TMainDictionary dictionary;
  dictionary.Open(file.Path());
  EXPECT_EQ(AllWords(dictionary, "ph"), (Words{"photograph", "photographs", "phone"}));
  EXPECT_EQ(AllWords(dictionary, "zy"), (Words{"zyxwvutsrqponm"}));
  EXPECT_EQ(AllWords(dictionary, "z"), (Words{"zyxwvutsrqponm"}));
  EXPECT_EQ(AllWords(dictionary, "qu"), (Words{"qu", "quiz"}));
  // Deeper prefixes may end inside a chain: nothing is listed then.
  EXPECT_TRUE(AllWords(dictionary, "zyx").empty());
}

TEST(DictionaryCompiler, ChildrenLeadingToMoreWordsComeFirstUnlessByteOrderIsAsked) {
  const Words words{"ta", "tb", "tbx", "tby", "tc"};
  TTempFile file(Compiled(words));
  TMainDictionary dictionary;
  dictionary.Open(file.Path());
  EXPECT_EQ(AllWords(dictionary), (Words{"tb", "tbx", "tby", "ta", "tc"}));

  TDictionaryCompileOptions options;
  options.commonChildrenFirst = false;
  file.Write(Compiled(words, options));
  dictionary.Open(file.Path());
  EXPECT_EQ(AllWords(dictionary), words);
}

TEST(DictionaryCompiler, PathCompressionShrinksTheTree) {
  const Words words{"abcdefghijklmnopqrstuvwxyz", "abcdefghijklmnopqrstuvwxy"};
  TDictionaryStats packed, plain;
  Compiled(words, {}, &packed);
  TDictionaryCompileOptions options;
  options.compressPaths = false;
  std::string image = Compiled(words, options, &plain);
  EXPECT_EQ(plain.nodes, 27u);
  EXPECT_LT(packed.nodes, 10u);
  EXPECT_EQ(packed.kindCounts[8], 2u);  // 2 full chains of 8
  TTempFile file(image);
  TMainDictionary dictionary;
  dictionary.Open(file.Path());
  ExpectLookups(dictionary, words, {"abcdefghijklmnopqrstuvwx"});
}

TEST(DictionaryCompiler, LargeListsSwitchToVariableWidthChildNumbers) {
  std::mt19937 random(7);
  std::set<std::string> unique;
  while (unique.size() < 45000) {
    std::string w;
    const int length = 3 + random() % 7;
    for (int i = 0; i < length; ++i) w.push_back(static_cast<char>('a' + random() % 26));
    unique.insert(w);
  }
  const Words words(unique.begin(), unique.end());
  TDictionaryStats stats;
  TDictionaryCompileOptions options;
  options.shareSuffixes = false;  // enough nodes from fewer words
  TTempFile file(Compiled(words, options, &stats));
  ASSERT_GE(stats.nodes, 65535u);
  EXPECT_TRUE(stats.wideChildNumbers);
  TMainDictionary dictionary;
  dictionary.Open(file.Path());
  EXPECT_EQ(dictionary.NodeCount(), stats.nodes);
  for (const std::string& w : words) ASSERT_TRUE(dictionary.WordExists(w)) << w;
  Words listed = AllWords(dictionary);
  std::sort(listed.begin(), listed.end());
  EXPECT_EQ(listed, words);
  int absent = 0;
  for (int i = 0; i < 2000; ++i) {
    std::string w = words[i] + "q";
    if (!unique.count(w)) {
      EXPECT_FALSE(dictionary.WordExists(w)) << w;
      ++absent;
    }
  }
  EXPECT_GT(absent, 0);
}

TEST(DictionaryCompiler, WordsEndingAlikeShareNodesAndAreListedOnce) {
  const Words words{"walking", "talking", "walked", "talked", "walks", "talks",
                    "jumping", "jumped", "jumps", "king", "kings"};
  TDictionaryStats shared, plain;
  TDictionaryCompileOptions options;
  options.shareSuffixes = false;
  Compiled(words, options, &plain);
  TTempFile file(Compiled(words, {}, &shared));
  EXPECT_LT(shared.nodes, plain.nodes);
  EXPECT_LT(shared.linkAreaSize, plain.linkAreaSize);
  TMainDictionary dictionary;
  dictionary.Open(file.Path());
  ExpectLookups(dictionary, words, {"walkin", "talkings", "jumpin", "kin", "wal", "ings"});
  Words sorted = words;
  std::sort(sorted.begin(), sorted.end());
  Words listed = AllWords(dictionary);
  std::sort(listed.begin(), listed.end());
  EXPECT_EQ(listed, sorted);
  EXPECT_EQ(AllWords(dictionary, "ta"), (Words{"talked", "talking", "talks"}));
}

TEST(DictionaryCompiler, AListTooLargeKeepsTheShortestWordsWhenAskedToFit) {
  std::mt19937 random(19);
  std::set<std::string> unique;
  while (unique.size() < 3000) {
    std::string w;
    const int length = 2 + random() % 9;
    for (int i = 0; i < length; ++i) w.push_back(static_cast<char>('a' + random() % 26));
    unique.insert(w);
  }
  const Words words(unique.begin(), unique.end());
  TDictionaryCompiler compiler;
  for (const std::string& w : words) compiler.AddWord(w);
  TDictionaryCompileOptions options;
  options.linkLimit = 4000;
  std::string image, error;
  EXPECT_FALSE(compiler.Compile(options, image, error)) << "fails unless asked to fit";
  EXPECT_NE(error.find("20-bit"), std::string::npos) << error;

  options.dropToFit = true;
  TDictionaryStats stats;
  ASSERT_TRUE(compiler.Compile(options, image, error, &stats)) << error;
  EXPECT_GT(stats.dropped, 0u);
  EXPECT_GT(stats.words, 100u);
  EXPECT_EQ(stats.words + stats.dropped, words.size());
  EXPECT_LE(stats.linkAreaSize, 4000u + 3 * 26 + 1);
  // The kept words are the first ones in keeping order, within the
  // bisection's precision of the largest list that fits.
  Words order = words;
  std::sort(order.begin(), order.end(), KeepOrder);
  EXPECT_LE(order[0].size(), order.back().size());
  TTempFile file(image);
  TMainDictionary dictionary;
  dictionary.Open(file.Path());
  EXPECT_EQ(dictionary.StoredWordCount(), stats.words);
  for (size_t i = 0; i < order.size(); ++i)
    ASSERT_EQ(dictionary.WordExists(order[i]), i < stats.words) << i << " " << order[i];
  options.linkLimit = 0xFFFFE;
  ASSERT_TRUE(compiler.Compile(options, image, error, &stats)) << error;
  EXPECT_EQ(stats.dropped, 0u) << "nothing is dropped from a list that fits";
}

// Forces the wide layout on a small list: no child list fits the links.
TDictionaryCompileOptions WideOptions() {
  TDictionaryCompileOptions options;
  options.allowWide = true;
  options.linkLimit = 0;
  return options;
}

uint64_t Fnv1a64(const std::string& bytes) {
  uint64_t hash = 0xcbf29ce484222325ull;
  for (char c : bytes) hash = (hash ^ static_cast<uint8_t>(c)) * 0x100000001b3ull;
  return hash;
}

TEST(DictionaryCompiler, AListTooLargeForTheCompactLayoutGoesWholeIntoTheWideOne) {
  std::mt19937 random(19);
  std::set<std::string> unique{"phone", "phony", "fone", "phase", "a", "I"};
  while (unique.size() < 3000) {
    std::string w;
    const int length = 2 + random() % 9;
    for (int i = 0; i < length; ++i) w.push_back(static_cast<char>('a' + random() % 26));
    unique.insert(w);
  }
  const Words words(unique.begin(), unique.end());
  TDictionaryCompileOptions options = WideOptions();
  options.linkLimit = 4000;
  options.dropToFit = true;  // the wide layout comes first: nothing is dropped
  TDictionaryStats stats;
  TTempFile wideFile(Compiled(words, options, &stats));
  EXPECT_TRUE(stats.wideLayout);
  EXPECT_EQ(stats.dropped, 0u);
  TTempFile compactFile(Compiled(words));
  TMainDictionary wide, compact;
  wide.Open(wideFile.Path());
  compact.Open(compactFile.Path());
  ASSERT_EQ(wide.SourcePath(), wideFile.Path());
  EXPECT_TRUE(wide.Wide());
  EXPECT_FALSE(compact.Wide());
  EXPECT_EQ(wide.StoredWordCount(), words.size());
  ExpectLookups(wide, words, {"", "b", "A", "phon", "phones", "zzzzzzzzzzz"});
  Words sorted = words, listed = AllWords(wide);
  std::sort(listed.begin(), listed.end());
  EXPECT_EQ(listed, sorted);
  EXPECT_EQ(AllWords(wide, "ph"), AllWords(compact, "ph"));
  TPhoneticsMap map;
  map.SetLanguage(0x0409);
  for (const char* word : {"phoan", "fown", "abcd", "qwerty"}) {
    TStringList fromWide, fromCompact;
    wide.FindPhoneticMatches(word, map, fromWide);
    compact.FindPhoneticMatches(word, map, fromCompact);
    EXPECT_EQ(fromWide.ToVector(), fromCompact.ToVector()) << word;
  }
}

// Readers of the compact layout compare the whole banner: a wide file fails
// that check instead of being misread.
TEST(DictionaryCompiler, WideFilesCarryABannerCompactReadersRefuse) {
  const std::string image = Compiled({"cat", "car", "dog", "dot"}, WideOptions());
  ASSERT_GE(image.size(), VlmFormat::kBannerSize);
  EXPECT_NE(image.compare(0, VlmFormat::kBannerSize, VlmFormat::kBanner), 0);
  EXPECT_EQ(image.compare(0, VlmFormat::kBannerSize, VlmFormat::kWideBanner), 0);
  EXPECT_EQ(std::string(VlmFormat::kWideBanner).find("\r\n"), 39u);
}

// Lists that fit the compact layout come out byte for byte as before the
// wide layout existed, whether or not it is allowed.
TEST(DictionaryCompiler, ListsThatFitAreWrittenAsEver) {
  const Words words{"a",   "ab",    "abc",    "about", "cat",   "cats",  "catalogue",    "dog",
                    "dogs", "phone", "phoned", "the",   "The",   "zebra", "caf\xE9"};
  TDictionaryCompileOptions options;
  options.title = "Small";
  options.dropToFit = true;
  for (bool allowWide : {false, true}) {
    options.allowWide = allowWide;
    const std::string image = Compiled(words, options);
    EXPECT_EQ(image.size(), 4310u);
    EXPECT_EQ(Fnv1a64(image), 0xbc06bc3f0fa17c90ull) << allowWide;
  }
}

TEST(DictionaryCompiler, RefusesInputTheFormatCannotHold) {
  struct {
    const char* name;
    Words words;
    std::string title;
  } cases[] = {
      {"empty list", {}, ""},
      {"title too long", {"a"}, std::string(256, 't')},
      {"word longer than 512", {std::string(513, 'w')}, ""},
      {"256 first characters", {}, ""},
  };
  for (int b = 0; b < 256; ++b) cases[3].words.push_back(std::string(1, char(b)) + "x");
  for (const auto& c : cases) {
    TDictionaryCompiler compiler;
    for (const std::string& w : c.words) compiler.AddWord(w);
    TDictionaryCompileOptions options;
    options.title = c.title;
    std::string image, error;
    EXPECT_FALSE(compiler.Compile(options, image, error)) << c.name;
    EXPECT_FALSE(error.empty()) << c.name;
    EXPECT_TRUE(image.empty()) << c.name;
  }
  // 255 different first characters still fit.
  TDictionaryCompiler compiler;
  for (int b = 1; b < 256; ++b) compiler.AddWord(std::string(1, char(b)) + "x");
  std::string image, error;
  EXPECT_TRUE(compiler.Compile({}, image, error)) << error;
}

// ---- Phonetic search -----------------------------------------------------------

class PhoneticSearch : public ::testing::Test {
 protected:
  void SetUp() override {
    file_ = std::make_unique<TTempFile>(
        Compiled({"phone", "phony", "phones", "phase", "fone", "phoenix", "photo", "ph"}));
    dictionary_.Open(file_->Path());
    map_.SetLanguage(0x0409);
  }
  std::unique_ptr<TTempFile> file_;
  TMainDictionary dictionary_;
  TPhoneticsMap map_;
};

TEST_F(PhoneticSearch, FindsWordsWithTheSameCodeBelowThePrefix) {
  TStringList results;
  dictionary_.FindPhoneticMatches("phoan", map_, results);  // code "phn"
  EXPECT_EQ(results.ToVector(), (Words{"phone", "phony"}));
}

TEST_F(PhoneticSearch, DoesNotAddWhatTheListHoldsInAnyCase) {
  TStringList results;
  results.Add("PHONE");
  dictionary_.FindPhoneticMatches("phoan", map_, results);
  EXPECT_EQ(results.ToVector(), (Words{"PHONE", "phony"}));
}

TEST_F(PhoneticSearch, CodesShorterThanTwoFindNothing) {
  TStringList results;
  dictionary_.FindPhoneticMatches("p", map_, results);
  EXPECT_EQ(results.Count(), 0);
}

TEST_F(PhoneticSearch, FullListsTakeNoMore) {
  TStringList results;
  for (int i = 0; i < 501; ++i) results.Add("w" + std::to_string(i));
  dictionary_.FindPhoneticMatches("phoan", map_, results);
  EXPECT_EQ(results.Count(), 501);
  results.Delete(0);
  dictionary_.FindPhoneticMatches("phoan", map_, results);
  EXPECT_EQ(results.Count(), 501);  // 500 entries: one more fits
}

TEST_F(PhoneticSearch, PrefixFollowsTheMapDepth) {
  TStringList results;
  map_.SetDepth(1);
  dictionary_.FindPhoneticMatches("fown", map_, results);  // code "fn"
  Words found = results.ToVector();
  std::sort(found.begin(), found.end());
  EXPECT_EQ(found, (Words{"fone"}));
}

TEST(ShippedDictionary, AmericanListAnswersWordsAndPhoneticMatches) {
  const std::string path = std::string(VX_DATA_DIR) + "/American.vlm";
  if (!Platform::FileExists(path)) GTEST_SKIP() << path << " is not built";
  TMainDictionary dictionary;
  dictionary.Open(path);
  ASSERT_EQ(dictionary.SourcePath(), path);
  EXPECT_EQ(dictionary.DisplayTitle(), "American English");
  EXPECT_EQ(dictionary.LangId(), 0x0409u);
  EXPECT_GT(dictionary.StoredWordCount(), 90000u);
  ExpectLookups(dictionary, {"the", "hello", "color", "I", "a", "America", "caf\xE9"},
                {"The", "teh", "colour", "americ", "hellos0", "Hello"});
  TPhoneticsMap map;
  map.SetLanguage(0x0409);
  TStringList results;
  dictionary.FindPhoneticMatches("thier", map, results);  // code "thr"
  for (const char* expected : {"their", "there", "three"})
    EXPECT_TRUE(results.Contains(expected)) << expected;
  for (int i = 0; i < results.Count(); ++i) EXPECT_EQ(map.Encode(results[i]), "thr") << results[i];
}

// A map of another class gets the plain walk over every word below the
// prefix; the map itself prunes subtrees whose words cannot have the code.
// Both must find the same words in the same order.
class TSubclassedMap : public TPhoneticsMap {};

TEST(ShippedDictionary, PrunedPhoneticSearchFindsWhatTheFullWalkFinds) {
  const std::string path = std::string(VX_DATA_DIR) + "/American.vlm";
  if (!Platform::FileExists(path)) GTEST_SKIP() << path << " is not built";
  TMainDictionary dictionary;
  dictionary.Open(path);
  ASSERT_EQ(dictionary.SourcePath(), path);

  // Words of every kind: misspellings, capitals, apostrophes, rule contexts
  // at the end of the word, and every 97th dictionary word.
  Words probes{"thier", "recieve", "seperate", "fone", "nite", "tomorow", "acheive", "Peeple",
               "WICH", "dont", "cia", "dgee", "ghost", "laugh", "xylofone", "tch", "ahaha",
               "beleive", "ocasion", "wiht", "jst", "mispell", "phenomenom"};
  size_t n = 0;
  dictionary.EnumerateWords("", [&](const std::string& word) {
    if (++n % 97 == 0) probes.push_back(word + (n % 2 ? "" : "e"));
    return true;
  });
  ASSERT_GT(probes.size(), 1000u);

  struct TSetting {
    uint32_t language;
    int depth;
    bool hostRules;
  };
  for (const TSetting setting : {TSetting{0x0409, 2, false}, TSetting{0, 2, false},
                                 TSetting{0x0409, 1, false}, TSetting{0x0409, 3, false},
                                 TSetting{0x0409, 2, true}}) {
    TPhoneticsMap pruned;
    TSubclassedMap full;
    for (TPhoneticsMap* map : {static_cast<TPhoneticsMap*>(&pruned), static_cast<TPhoneticsMap*>(&full)}) {
      map->SetLanguage(setting.language);
      map->SetDepth(setting.depth);
      if (setting.hostRules) {
        map->AddRule("tion", "xn", 4);   // a longer source than any built-in rule
        map->AddRule("ough", "f", 4);
        map->AddRule("e", "", 1);        // silent e
      }
    }
    for (const std::string& word : probes) {
      TStringList a, b;
      dictionary.FindPhoneticMatches(word, pruned, a);
      dictionary.FindPhoneticMatches(word, full, b);
      ASSERT_EQ(a.ToVector(), b.ToVector()) << word << " language " << setting.language << " depth "
                                            << setting.depth << " host rules " << setting.hostRules;
    }
  }
}

// ---- Corrupted files -----------------------------------------------------------

// Thousands of damaged copies of a small dictionary: every operation must
// finish without a sanitizer report, whatever the bytes say.
TEST(MainDictionaryRobustness, SurvivesThousandsOfCorruptedFiles) {
  Words words{"a", "I", "cat", "cats", "catalogue", "dog", "dogma", "dogmatic", "x"};
  for (char c = 'a'; c <= 'z'; ++c) words.push_back(std::string("m") + c + "ne");
  TDictionaryCompileOptions options;
  options.title = "Robust";
  TDictionaryCompileOptions wideOptions = WideOptions();
  wideOptions.title = "Robust";
  // Both layouts; the wide one gets fewer rounds.
  const std::string images[] = {Compiled(words, options), Compiled(words, wideOptions)};
  const Words probes{"cat", "catalogue", "dogmatic", "mane", "mzne", "a", "zzz", ""};

  std::mt19937 random(12345);
  TTempFile file;
  TPhoneticsMap map;
  map.SetLanguage(0x0409);
  for (int round = 0; round < 4500; ++round) {
    const std::string& image = images[round % 3 == 2 ? 1 : 0];
    std::string damaged = image;
    const int mode = random() % 4;
    if (mode == 0) {
      damaged.resize(1024 + random() % (damaged.size() - 1024));
    } else {
      // Mostly the tree, sometimes the header fields after the banner.
      const size_t from = mode == 1 ? 1024 : 1024 + 1 + 2 * 7;
      const size_t span = mode == 1 ? 60 : damaged.size() - from;
      const int flips = 1 + random() % 8;
      for (int i = 0; i < flips; ++i) damaged[from + random() % span] = static_cast<char>(random());
    }
    file.Write(damaged);
    TMainDictionary dictionary;
    dictionary.Open(file.Path());
    for (const std::string& w : probes) dictionary.WordExists(w);
    size_t listed = 0;
    dictionary.EnumerateWords("", [&](const std::string&) { return ++listed < 100000; });
    TStringList results;
    dictionary.FindPhoneticMatches("catt", map, results);
    dictionary.FindPhoneticMatches("dogmatik", map, results);
  }
}

}  // namespace

// Look-ups remember their answers in a table far smaller than the set of
// probes below, so that words keep taking each other's places; every answer
// must still be the tree's, also after unmapping and for long words.
TEST(MainDictionaryLookup, RememberedAnswersStayRightWhenWordsShareTheirPlaces) {
  std::mt19937 random(7);
  std::set<std::string> words;
  while (words.size() < 3000) {
    std::string w;
    const size_t length = 2 + random() % 18;
    for (size_t i = 0; i < length; ++i) w += static_cast<char>('a' + random() % 6);
    words.insert(w);
  }
  TTempFile file(Compiled(Words(words.begin(), words.end())));
  TMainDictionary dictionary;
  dictionary.Open(file.Path());
  ASSERT_EQ(dictionary.SourcePath(), file.Path());

  std::vector<std::string> probes;
  for (const std::string& w : words) {
    probes.push_back(w);
    probes.push_back(w.substr(0, w.size() - 1));  // mostly absent
    probes.push_back(w + "a");
    std::string upper = w;
    upper[0] = 'A';
    probes.push_back(upper);  // absent: the words are lower case
  }
  while (probes.size() < 200000) {
    std::string w;
    const size_t length = 2 + random() % 16;
    for (size_t i = 0; i < length; ++i) w += static_cast<char>('a' + random() % 6);
    probes.push_back(w);
  }
  for (int round = 0; round < 2; ++round) {
    std::shuffle(probes.begin(), probes.end(), random);
    size_t wrong = 0;
    for (const std::string& p : probes)
      if (dictionary.WordExists(p) != (words.count(p) != 0)) ++wrong;
    EXPECT_EQ(wrong, 0u) << "round " << round;
    dictionary.SetMapped(false);
  }
}
