// Thesaurus file reader on files laid out byte by byte here: trie walks, tail
// chains, the parent climb, link values, case retry and damaged files.
#include "vl3ThesaurusFile.h"

#include <gtest/gtest.h>

#include <functional>

#include "vl3Platform.h"

namespace {

struct TRawNode {
  char ch = 0;
  std::vector<uint16_t> children;
  bool single = false;  // one child stored without a count
  int parent = -1;      // -1: no parent field
  bool endOfWord = false;
  bool tailChain = false;
  std::vector<uint16_t> links;
  int offset = -1;  // forces the link offset when not -1
};

struct TRawMeaning {
  uint16_t headword = 0;
  std::array<std::vector<uint16_t>, 4> lists;
  int offset = -1;  // forces the word-index offset when not -1
  int firstCount = -1;  // forces the count of list 1 when not -1
};

void PutWord(std::string& out, uint32_t v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>((v >> 8) & 0xFF);
}
void PutLong(std::string& out, uint32_t v) {
  PutWord(out, v & 0xFFFF);
  PutWord(out, v >> 16);
}
void PutShort(std::string& out, const std::string& s) {
  out += static_cast<char>(s.size());
  out += s;
}

std::string BuildRaw(const std::vector<TRawNode>& nodes, const std::vector<TRawMeaning>& meanings) {
  std::string table, area, meaningTable, index;
  for (const auto& n : nodes) {
    uint32_t offset = static_cast<uint32_t>(area.size());
    if (n.single) {
      PutWord(area, n.children.at(0));
    } else {
      area += static_cast<char>(n.children.size());
      for (auto c : n.children) PutWord(area, c);
    }
    if (n.parent >= 0) PutWord(area, static_cast<uint32_t>(n.parent));
    if (n.endOfWord || n.tailChain) {
      area += static_cast<char>(n.links.size());
      for (auto l : n.links) PutWord(area, l);
    }
    if (n.offset >= 0) offset = static_cast<uint32_t>(n.offset);
    const uint32_t flags = (n.single ? 1u << 20 : 0) | (n.parent >= 0 ? 1u << 21 : 0) |
                           (n.tailChain ? 1u << 22 : 0) | (n.endOfWord ? 1u << 23 : 0);
    PutLong(table, offset | flags | (static_cast<uint32_t>(static_cast<uint8_t>(n.ch)) << 24));
  }
  for (const auto& m : meanings) {
    PutWord(meaningTable, m.headword);
    for (int l = 0; l < 4; ++l)
      PutWord(meaningTable, l == 0 && m.firstCount >= 0 ? static_cast<uint32_t>(m.firstCount)
                                                        : static_cast<uint32_t>(m.lists[l].size()));
    PutLong(meaningTable, m.offset >= 0 ? static_cast<uint32_t>(m.offset) : static_cast<uint32_t>(index.size()));
    for (const auto& list : m.lists)
      for (auto w : list) PutWord(index, w);
  }
  std::string file(TThesaurusFile::kHeaderSize, 'H');
  PutShort(file, "Test Thesaurus");
  for (const char* c : {"noun", "verb", "adj.", "adv.", "other"}) PutShort(file, c);
  PutLong(file, static_cast<uint32_t>(nodes.size()));
  file += table;
  PutLong(file, static_cast<uint32_t>(area.size()));
  file += area;
  PutWord(file, static_cast<uint32_t>(meanings.size()));
  file += meaningTable;
  PutLong(file, static_cast<uint32_t>(index.size()));
  file += index;
  return file;
}

TRawNode Node(char ch, std::vector<uint16_t> children, bool single, int parent, bool endOfWord = false,
              bool tailChain = false, std::vector<uint16_t> links = {}) {
  TRawNode n;
  n.ch = ch;
  n.children = std::move(children);
  n.single = single;
  n.parent = parent;
  n.endOfWord = endOfWord;
  n.tailChain = tailChain;
  n.links = std::move(links);
  return n;
}

// Words: "cat" (c-a with the chain t below a), "do", "dog", "happy". Node 1
// has a parent field naming the root, which ends the climb.
std::vector<TRawNode> SampleNodes() {
  std::vector<TRawNode> n(12);
  n[0].children = {1, 4, 7};
  n[1] = Node('c', {2}, true, 0);
  n[2] = Node('a', {3}, true, 1, false, true, {12});  // meaning 2, category 2
  n[3] = Node('t', {}, false, -1);
  n[4] = Node('d', {5}, true, -1);
  n[5] = Node('o', {6}, true, 4, true, false, {0});
  n[6] = Node('g', {}, false, 5, true, false, {1, 5});
  n[7] = Node('h', {8}, true, -1);
  n[8] = Node('a', {9}, true, 7);
  n[9] = Node('p', {10}, true, 8);
  n[10] = Node('p', {11}, true, 9);
  n[11] = Node('y', {}, false, 10, true, false, {7});  // meaning 1, category 2
  return n;
}

std::vector<TRawMeaning> SampleMeanings() {
  std::vector<TRawMeaning> m(3);
  m[0].headword = 5;
  m[0].lists = {{{5, 6}, {}, {2}, {}}};
  m[1].headword = 6;
  m[1].lists = {{{6}, {2}, {}, {11}}};
  m[2].headword = 2;
  m[2].lists = {{{2, 11}, {}, {}, {6}}};
  return m;
}

TThesaurusFile& Loaded(TThesaurusFile& file, const std::string& bytes) {
  EXPECT_TRUE(file.LoadFromBytes(bytes));
  return file;
}

std::vector<std::string> Words(const TStringList& list) { return list.ToVector(); }

}  // namespace

TEST(ThesaurusFile, LoadReadsNameCategoriesAndCounts) {
  TThesaurusFile file;
  Loaded(file, BuildRaw(SampleNodes(), SampleMeanings()));
  EXPECT_TRUE(file.Loaded());
  EXPECT_EQ(file.ThesaurusName(), "Test Thesaurus");
  EXPECT_EQ(Words(file.CategoryNames()), (std::vector<std::string>{"noun", "verb", "adj.", "adv.", "other"}));
  EXPECT_EQ(file.NodeCount(), 12u);
  EXPECT_EQ(file.MeaningCount(), 3);
}

TEST(ThesaurusFile, FindNodeFollowsTrieAndTailChains) {
  TThesaurusFile file;
  Loaded(file, BuildRaw(SampleNodes(), SampleMeanings()));
  const struct {
    const char* word;
    bool found;
    uint16_t node;
  } cases[] = {
      {"cat", true, 2},   {"ca", false, 0},    {"cats", false, 0}, {"c", false, 0},
      {"do", true, 5},    {"dog", true, 6},    {"d", false, 0},    {"dogs", false, 0},
      {"happy", true, 11}, {"happ", false, 0}, {"Happy", false, 0}, {"", false, 0},
      {"x", false, 0},    {"cut", false, 0},
  };
  for (const auto& c : cases) {
    uint32_t node = 0xFFFF;
    EXPECT_EQ(file.FindNode(c.word, node), c.found) << c.word;
    if (c.found) {
      EXPECT_EQ(node, c.node) << c.word;
    }
  }
}

TEST(ThesaurusFile, NodeToWordClimbsToTheRootAndUnrollsTailChains) {
  TThesaurusFile file;
  Loaded(file, BuildRaw(SampleNodes(), SampleMeanings()));
  const std::pair<uint16_t, const char*> cases[] = {
      {2, "cat"}, {3, "t"}, {1, "c"}, {5, "do"}, {6, "dog"}, {11, "happy"}, {9, "hap"}};
  for (const auto& c : cases) {
    std::string word;
    EXPECT_TRUE(file.NodeToWord(word, c.first));
    EXPECT_EQ(word, c.second);
  }
  std::string word;
  EXPECT_FALSE(file.NodeToWord(word, 12));
}

TEST(ThesaurusFile, LinkValueNamesMeaningAndCategory) {
  TThesaurusFile file;
  Loaded(file, BuildRaw(SampleNodes(), SampleMeanings()));
  ASSERT_TRUE(file.Lookup("cat"));
  ASSERT_EQ(file.Results().size(), 1u);
  const TThesaurusEntry& e = *file.Results()[0];
  EXPECT_EQ(e.Headword, "cat");  // meaning 2
  EXPECT_EQ(e.Category, 2);
  EXPECT_EQ(e.CategoryName, "adj.");
  EXPECT_EQ(Words(e.Lists[0]), (std::vector<std::string>{"cat", "happy"}));
  EXPECT_TRUE(e.Lists[1].Empty());
  EXPECT_EQ(Words(e.Lists[3]), (std::vector<std::string>{"dog"}));
  EXPECT_EQ(file.LastWord(), "cat");
}

TEST(ThesaurusFile, LookupKeepsLinksInStoredOrder) {
  TThesaurusFile file;
  Loaded(file, BuildRaw(SampleNodes(), SampleMeanings()));
  ASSERT_TRUE(file.Lookup("dog"));
  ASSERT_EQ(file.Results().size(), 2u);
  EXPECT_EQ(file.Results()[0]->Headword, "do");
  EXPECT_EQ(file.Results()[0]->Category, 1);
  EXPECT_EQ(Words(file.Results()[0]->Lists[0]), (std::vector<std::string>{"do", "dog"}));
  EXPECT_EQ(Words(file.Results()[0]->Lists[2]), (std::vector<std::string>{"cat"}));
  EXPECT_EQ(file.Results()[1]->Headword, "dog");
  EXPECT_EQ(file.Results()[1]->Category, 0);
  EXPECT_EQ(file.Results()[1]->CategoryName, "noun");
}

TEST(ThesaurusFile, LowerCaseRetryMatchesTheModelsCase) {
  TThesaurusFile file;
  Loaded(file, BuildRaw(SampleNodes(), SampleMeanings()));
  ASSERT_TRUE(file.Lookup("Happy"));
  ASSERT_EQ(file.Results().size(), 1u);
  EXPECT_EQ(file.Results()[0]->Headword, "Dog");
  EXPECT_EQ(Words(file.Results()[0]->Lists[0]), (std::vector<std::string>{"Dog"}));
  EXPECT_EQ(Words(file.Results()[0]->Lists[1]), (std::vector<std::string>{"Cat"}));
  EXPECT_EQ(Words(file.Results()[0]->Lists[3]), (std::vector<std::string>{"Happy"}));
  EXPECT_EQ(file.LastWord(), "Happy");

  ASSERT_TRUE(file.Lookup("HAPPY"));
  EXPECT_EQ(file.Results()[0]->Headword, "DOG");
  EXPECT_EQ(Words(file.Results()[0]->Lists[3]), (std::vector<std::string>{"HAPPY"}));

  // A word found as written keeps the stored case.
  ASSERT_TRUE(file.Lookup("happy"));
  EXPECT_EQ(file.Results()[0]->Headword, "dog");
}

TEST(ThesaurusFile, MatchCaseFollowsTheModel) {
  TThesaurusFile file;
  const struct {
    const char* model;
    const char* word;
    const char* expected;
  } cases[] = {{"Big", "large", "Large"}, {"BIG", "large one", "LARGE ONE"}, {"big", "Large", "Large"},
               {"bIG", "large", "large"}, {"\xC9t\xE9", "\xE9t\xE9", "\xC9t\xE9"}, {"", "word", "word"}};
  for (const auto& c : cases) {
    TThesaurusEntry entry;
    entry.Headword = c.word;
    entry.Lists[2].Add(c.word);
    file.MatchCase(c.model, entry);
    EXPECT_EQ(entry.Headword, c.expected) << c.model;
    EXPECT_EQ(entry.Lists[2][0], c.expected) << c.model;
  }
}

TEST(ThesaurusFile, WordNotFoundLeavesResultsEmpty) {
  TThesaurusFile file;
  Loaded(file, BuildRaw(SampleNodes(), SampleMeanings()));
  ASSERT_TRUE(file.Lookup("dog"));
  EXPECT_FALSE(file.Lookup("cow"));
  EXPECT_TRUE(file.Results().empty());
  EXPECT_FALSE(file.Lookup(""));
}

TEST(ThesaurusFile, NodeWithoutLinksIsFoundWithNoMeanings) {
  auto nodes = SampleNodes();
  nodes[5].links.clear();
  TThesaurusFile file;
  Loaded(file, BuildRaw(nodes, SampleMeanings()));
  EXPECT_TRUE(file.Lookup("do"));
  EXPECT_TRUE(file.Results().empty());
}

// Each damage must fail the look-up (or the load) without reading outside a
// block; the sanitizers catch any stray read, the step limits any hang.
TEST(ThesaurusFile, DamagedRecordsFailTheLookup) {
  const struct {
    const char* what;
    std::function<void(std::vector<TRawNode>&, std::vector<TRawMeaning>&)> damage;
    const char* word;
  } cases[] = {
      {"child number past the table", [](auto& n, auto&) { n[0].children.insert(n[0].children.begin(), 99); }, "dog"},
      {"single child past the table", [](auto& n, auto&) { n[4].children = {4000}; }, "dog"},
      {"parent cycle", [](auto& n, auto&) { n[8].parent = 9; }, "happy"},
      {"parent past the table", [](auto& n, auto&) { n[10].parent = 500; }, "happy"},
      {"tail chain loops", [](auto& n, auto&) { n[3] = Node('t', {2}, true, -1); }, "cat"},
      {"link offset past the area", [](auto& n, auto&) { n[6].offset = 0xFFFFF; }, "dog"},
      {"link record cut by the area's end", [](auto& n, auto&) { n[11].offset = 10000; }, "happy"},
      {"link names a missing meaning", [](auto& n, auto&) { n[6].links = {5 * 40}; }, "dog"},
      {"headword node past the table", [](auto&, auto& m) { m[1].headword = 77; }, "happy"},
      {"list node past the table", [](auto&, auto& m) { m[1].lists[3] = {300}; }, "happy"},
      {"word index offset past the block", [](auto&, auto& m) { m[2].offset = 1 << 30; }, "cat"},
      {"list count past the block", [](auto&, auto& m) { m[2].firstCount = 60000; }, "cat"},
  };
  for (const auto& c : cases) {
    auto nodes = SampleNodes();
    auto meanings = SampleMeanings();
    c.damage(nodes, meanings);
    TThesaurusFile file;
    ASSERT_TRUE(file.LoadFromBytes(BuildRaw(nodes, meanings))) << c.what;
    EXPECT_FALSE(file.Lookup(c.word)) << c.what;
    EXPECT_TRUE(file.Results().empty()) << c.what;
  }
}

TEST(ThesaurusFile, EveryTruncationFailsTheLoad) {
  const std::string bytes = BuildRaw(SampleNodes(), SampleMeanings());
  for (size_t length = 0; length < bytes.size(); ++length) {
    TThesaurusFile file;
    EXPECT_FALSE(file.LoadFromBytes(bytes.substr(0, length))) << length;
    EXPECT_FALSE(file.Loaded());
    EXPECT_FALSE(file.Lookup("dog"));
  }
}

TEST(ThesaurusFile, HugeCountsFailTheLoadWithoutAllocating) {
  std::string bytes = BuildRaw(SampleNodes(), SampleMeanings());
  const size_t nodeCountAt = TThesaurusFile::kHeaderSize + 15 + 26;  // after name and categories
  ASSERT_EQ(bytes[nodeCountAt], 12);
  for (uint32_t count : {0xFFFFFFFFu, 0x40000000u, 0x00FFFFFFu}) {
    std::string damaged = bytes;
    for (int i = 0; i < 4; ++i) damaged[nodeCountAt + i] = static_cast<char>(count >> (8 * i));
    TThesaurusFile file;
    EXPECT_FALSE(file.LoadFromBytes(damaged)) << count;
  }
}

class ThesaurusFileOnDisk : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string base = Platform::TempDirectory() + "\\vx_thes_" +
                             ::testing::UnitTest::GetInstance()->current_test_info()->name();
    path_ = base + ".vlt";
    other_ = base + "_other.vlt";
    ASSERT_TRUE(Platform::WriteWholeFile(path_, BuildRaw(SampleNodes(), SampleMeanings())));
    auto nodes = SampleNodes();
    nodes[5].links.clear();
    ASSERT_TRUE(Platform::WriteWholeFile(other_, BuildRaw(nodes, SampleMeanings())));
  }
  void TearDown() override {
    Platform::DeleteFile(path_);
    Platform::DeleteFile(other_);
  }
  std::string path_, other_;
};

TEST_F(ThesaurusFileOnDisk, LookupLoadsTheFileOnDemand) {
  TThesaurusFile file;
  EXPECT_FALSE(file.Loaded());
  EXPECT_TRUE(file.TryLowerCase());
  file.SetFileName(path_);
  EXPECT_FALSE(file.Loaded());
  EXPECT_TRUE(file.Lookup("do"));
  EXPECT_TRUE(file.Loaded());
  EXPECT_EQ(file.Results().size(), 1u);
  file.SetLoaded(false);
  EXPECT_FALSE(file.Loaded());
  EXPECT_EQ(file.NodeCount(), 0u);
}

TEST_F(ThesaurusFileOnDisk, MissingFileNameIsIgnored) {
  TThesaurusFile file;
  file.SetFileName(path_);
  file.SetFileName(path_ + ".missing");
  EXPECT_EQ(file.FileName(), path_);
  TThesaurusFile none;
  none.SetFileName(path_ + ".missing");
  EXPECT_EQ(none.FileName(), "");
  EXPECT_FALSE(none.Lookup("do"));
  EXPECT_FALSE(none.Loaded());
}

TEST_F(ThesaurusFileOnDisk, NewFileNameReloadsALoadedFile) {
  TThesaurusFile file;
  file.SetFileName(path_);
  ASSERT_TRUE(file.Lookup("do"));
  EXPECT_EQ(file.Results().size(), 1u);
  file.SetFileName(other_);
  EXPECT_TRUE(file.Loaded());
  ASSERT_TRUE(file.Lookup("do"));
  EXPECT_TRUE(file.Results().empty());
}

TEST_F(ThesaurusFileOnDisk, DamagedFileStaysUnloaded) {
  ASSERT_TRUE(Platform::WriteWholeFile(path_, std::string(200, 'x')));
  TThesaurusFile file;
  file.SetFileName(path_);
  EXPECT_FALSE(file.Lookup("do"));
  EXPECT_FALSE(file.Loaded());
}
