// Thesaurus compiler: files it writes read back through the reader, the
// mythes parser, the format's limits and the choice of what to keep.
#include "vl3ThesaurusCompiler.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <random>

#include "vl3Platform.h"
#include "vl3ThesaurusFile.h"
#include "vl3ThesaurusTestContent.h"

namespace {

// Words sharing endings ("-tion") and prefixes, a word that is a prefix of
// another ("car", "cart"), and list words that are no headwords.
TThesaurusContent SmallContent() {
  TThesaurusContent c;
  c.Name = "Small";
  c.CategoryNames = {"noun", "verb", "adjective", "adverb", "other"};
  c.Meanings.push_back(Meaning("nation", 0, {{{"nation", "country", "state"}, {"station"}, {}, {}}}));
  c.Meanings.push_back(Meaning("station", 1, {{{"post"}, {"station", "position", "place"}, {}, {}}}));
  c.Meanings.push_back(Meaning("car", 0, {{{"car", "auto", "automobile"}, {}, {"motor vehicle"}, {}}}));
  c.Meanings.push_back(Meaning("cart", 0, {{{"cart", "wagon"}, {}, {"car"}, {}}}));
  c.Meanings.push_back(Meaning("glad", 2, {{{}, {"glad", "happy", "joyful"}, {}, {"sad"}}}));
  c.Headwords.push_back({"nation", {0 * 5 + 0}});
  c.Headwords.push_back({"station", {1 * 5 + 1, 0 * 5 + 0}});
  c.Headwords.push_back({"car", {2 * 5 + 0}});
  c.Headwords.push_back({"cart", {3 * 5 + 0}});
  c.Headwords.push_back({"happy", {4 * 5 + 2}});
  c.Headwords.push_back({"glad", {4 * 5 + 2}});
  return c;
}

std::vector<std::string> Words(const TStringList& list) { return list.ToVector(); }

// A word stored only in lists may be found with no meanings.
bool HasMeanings(TThesaurusFile& file, const std::string& word) {
  return file.Lookup(word) && !file.Results().empty();
}

std::string Compile(const TThesaurusContent& content, TThesaurusLayoutStats* stats = nullptr) {
  std::string bytes, error;
  EXPECT_TRUE(WriteThesaurus(content, bytes, stats, &error)) << error;
  return bytes;
}

}  // namespace

TEST(ThesaurusCompiler, WrittenFileReadsBackEveryMeaning) {
  const TThesaurusContent content = SmallContent();
  TThesaurusLayoutStats stats;
  TThesaurusFile file;
  const std::string bytes = Compile(content, &stats);
  ASSERT_TRUE(file.LoadFromBytes(bytes));
  EXPECT_EQ(file.ThesaurusName(), "Small");
  EXPECT_EQ(file.CategoryNames()[2], "adjective");
  EXPECT_EQ(stats.FileSize, bytes.size());
  EXPECT_EQ(file.NodeCount(), stats.Nodes);
  EXPECT_GT(stats.TailNodes, 0u);

  for (const auto& headword : content.Headwords) {
    ASSERT_TRUE(file.Lookup(headword.Word)) << headword.Word;
    ASSERT_EQ(file.Results().size(), headword.Links.size());
    for (size_t i = 0; i < headword.Links.size(); ++i) {
      const TThesaurusMeaning& expected = content.Meanings[headword.Links[i] / 5];
      const TThesaurusEntry& got = *file.Results()[i];
      EXPECT_EQ(got.Headword, expected.Headword);
      EXPECT_EQ(got.Category, headword.Links[i] % 5);
      EXPECT_EQ(got.CategoryName, content.CategoryNames[got.Category]);
      for (int l = 0; l < 4; ++l) EXPECT_EQ(Words(got.Lists[l]), expected.Lists[l]) << headword.Word << l;
    }
  }
}

TEST(ThesaurusCompiler, OnlyHeadwordsCarryMeanings) {
  TThesaurusFile file;
  ASSERT_TRUE(file.LoadFromBytes(Compile(SmallContent())));
  for (const char* word : {"country", "wagon", "sad", "motor vehicle", "post", "nat", "ca", "carts", "stations"})
    EXPECT_FALSE(HasMeanings(file, word)) << word;
  ASSERT_TRUE(file.Lookup("Glad"));
  EXPECT_EQ(Words(file.Results()[0]->Lists[1]), (std::vector<std::string>{"Glad", "Happy", "Joyful"}));
}

// What a reader of the compact layout alone does with a file: false where
// it gives up (a block longer than what is left of the file).
bool CompactReaderAccepts(const std::string& bytes) {
  size_t pos = TThesaurusFile::kHeaderSize;
  for (int name = 0; name < 6; ++name) {
    if (pos >= bytes.size()) return false;
    pos += 1 + static_cast<uint8_t>(bytes[pos]);
  }
  if (pos + 4 > bytes.size()) return false;
  uint64_t nodes = 0;
  for (int i = 0; i < 4; ++i) nodes |= uint64_t(static_cast<uint8_t>(bytes[pos + i])) << (8 * i);
  return nodes * 4 <= bytes.size() - pos - 4;
}

uint64_t Fnv1a64(const std::string& bytes) {
  uint64_t hash = 0xcbf29ce484222325ull;
  for (char c : bytes) hash = (hash ^ static_cast<uint8_t>(c)) * 0x100000001b3ull;
  return hash;
}

TEST(ThesaurusCompiler, WideLayoutReadsBackTheSameAndCompactReadersRefuseIt) {
  const TThesaurusContent content = SmallContent();
  std::string compact, wide, error;
  TThesaurusLayoutStats compactStats, wideStats;
  ASSERT_TRUE(WriteThesaurus(content, compact, &compactStats, &error, true)) << error;
  ASSERT_TRUE(WriteWideThesaurus(content, wide, &wideStats, &error)) << error;
  EXPECT_FALSE(compactStats.Wide) << "content that fits stays compact";
  EXPECT_TRUE(wideStats.Wide);
  EXPECT_TRUE(CompactReaderAccepts(compact));
  EXPECT_FALSE(CompactReaderAccepts(wide));
  EXPECT_EQ(wide.compare(0, std::strlen(VltFormat::kWideSignature), VltFormat::kWideSignature), 0);
  TThesaurusFile a, b;
  ASSERT_TRUE(a.LoadFromBytes(compact));
  ASSERT_TRUE(b.LoadFromBytes(wide));
  EXPECT_TRUE(b.Wide());
  EXPECT_EQ(b.NodeCount(), a.NodeCount());
  for (const char* word : {"nation", "station", "car", "cart", "glad", "Happy", "HAPPY", "ca", "zzz"}) {
    ASSERT_EQ(a.Lookup(word), b.Lookup(word)) << word;
    ASSERT_EQ(a.Results().size(), b.Results().size()) << word;
    for (size_t i = 0; i < a.Results().size(); ++i) {
      EXPECT_EQ(a.Results()[i]->Headword, b.Results()[i]->Headword) << word;
      EXPECT_EQ(a.Results()[i]->Category, b.Results()[i]->Category) << word;
      for (int list = 0; list < 4; ++list)
        EXPECT_EQ(Words(a.Results()[i]->Lists[list]), Words(b.Results()[i]->Lists[list])) << word;
    }
  }
}

// A source that fits the compact layout compiles byte for byte as before
// the wide layout existed.
TEST(ThesaurusCompiler, SourcesThatFitCompileAsEver) {
  const std::string source =
      "ISO8859-1\n"
      "happy|2\n(adj)|felicitous|glad|content (similar term)\n(adj)|well-chosen|unhappy (antonym)\n"
      "cat|2\n(noun)|true cat|feline (generic term)\n(verb)|vomit|spew\n"
      "station|1\n(noun)|post|place (generic term)\n"
      "a|1\n(noun)|angstrom|metric unit (generic term)\n"
      "glad|1\n(adj)|happy|pleased (similar term)\n";
  std::vector<TSourceEntry> entries;
  std::string error;
  ASSERT_TRUE(ParseMythes(source, entries, error)) << error;
  for (bool compact : {false, true}) {
    TCompileOptions options;
    options.Name = "Small";
    options.Compact = compact;
    std::string bytes;
    TCompileStats stats;
    ASSERT_TRUE(CompileThesaurus(entries, options, bytes, stats, error)) << error;
    EXPECT_EQ(bytes.size(), 852u);
    EXPECT_EQ(Fnv1a64(bytes), 0xd5e0b44eb00ac992ull) << compact;
  }
}

// With a frequency list, the compact layout keeps the words met in text.
TEST(ThesaurusCompiler, CompactLayoutKeepsTheMostFrequentWordsAndNamesTheDropped) {
  std::vector<TSourceEntry> entries;
  for (int i = 0; i < 400; ++i) {
    std::string word = "w";
    for (int n = i; n; n /= 26) word += static_cast<char>('a' + n % 26);
    TSourceSense sense;
    sense.Synonyms = {word + "x"};
    entries.push_back({word, {sense}});
  }
  TCompileOptions options;
  options.Compact = true;
  options.MaxNodes = 600;
  options.Frequencies = {{entries[399].Word, 50}, {entries[398].Word, 40}, {entries[200].Word, 30}};
  std::string bytes, error;
  TCompileStats stats;
  ASSERT_TRUE(CompileThesaurus(entries, options, bytes, stats, error)) << error;
  ASSERT_FALSE(stats.Dropped.empty());
  EXPECT_EQ(stats.KeptHeadwords + stats.Dropped.size(), 399u);  // "w" has one letter
  TThesaurusFile file;
  ASSERT_TRUE(file.LoadFromBytes(bytes));
  for (int i : {399, 398, 200}) EXPECT_TRUE(HasMeanings(file, entries[i].Word)) << i;
  for (const std::string& word : stats.Dropped) EXPECT_FALSE(HasMeanings(file, word)) << word;
}

TEST(ThesaurusCompiler, RefusesContentBeyondTheFormatsLimits) {
  const struct {
    const char* what;
    std::function<void(TThesaurusContent&)> change;
  } cases[] = {
      {"link to a missing meaning", [](auto& c) { c.Headwords[0].Links.push_back(5 * 5); }},
      {"empty headword", [](auto& c) { c.Headwords.push_back({"", {0}}); }},
      {"zero byte in a word", [](auto& c) { c.Meanings[0].Lists[0].push_back(std::string("a\0b", 3)); }},
      {"more than 255 links", [](auto& c) {
         c.Meanings.resize(300, c.Meanings[0]);
         for (uint16_t m = 5; m < 300; ++m) c.Headwords[0].Links.push_back(static_cast<uint32_t>(m * 5));
       }},
  };
  for (const auto& c : cases) {
    TThesaurusContent content = SmallContent();
    c.change(content);
    std::string bytes, error;
    EXPECT_FALSE(WriteThesaurus(content, bytes, nullptr, &error)) << c.what;
    EXPECT_FALSE(error.empty()) << c.what;
  }
}

TEST(ThesaurusCompiler, RefusesMoreNodesThanNumbersCanName) {
  TThesaurusContent content;
  TThesaurusMeaning m;
  m.Headword = "w";
  // 26^4 words of four letters: far more nodes than 16-bit numbers reach.
  for (char a = 'a'; a <= 'z'; ++a)
    for (char b = 'a'; b <= 'z'; ++b)
      for (char c = 'a'; c <= 'z'; ++c)
        for (char d = 'a'; d <= 'z'; d += 5) m.Lists[0].push_back(std::string{a, b, c, d});
  content.Meanings.push_back(m);
  std::string bytes, error;
  EXPECT_FALSE(WriteThesaurus(content, bytes, nullptr, &error));
}

TEST(ThesaurusCompiler, ParsesMythesSenses) {
  const std::string text =
      "UTF-8\n"
      "caf\xC3\xA9|2\n"
      "(noun)|coffee shop|coffeehouse|restaurant (generic term)\n"
      "(verb)|tarry\n"
      "glad|1\n"
      "(adj)|happy|willing (similar term)|cheerful (related term)|sad (antonym)|\xCE\xA9mega\n"
      "\xCE\xA9|1\n"
      "(noun)|omega\n";
  std::vector<TSourceEntry> entries;
  std::string error;
  ASSERT_TRUE(ParseMythes(text, entries, error)) << error;
  ASSERT_EQ(entries.size(), 2u);  // the omega headword has no Windows-1252 form
  EXPECT_EQ(entries[0].Word, "caf\xE9");
  ASSERT_EQ(entries[0].Senses.size(), 2u);
  EXPECT_EQ(entries[0].Senses[0].Category, 0);
  EXPECT_EQ(entries[0].Senses[0].Synonyms, (std::vector<std::string>{"coffee shop", "coffeehouse"}));
  EXPECT_EQ(entries[0].Senses[0].Generic, (std::vector<std::string>{"restaurant"}));
  EXPECT_EQ(entries[0].Senses[1].Category, 1);
  const TSourceSense& glad = entries[1].Senses.at(0);
  EXPECT_EQ(glad.Category, 2);
  EXPECT_EQ(glad.Synonyms, (std::vector<std::string>{"happy"}));
  EXPECT_EQ(glad.Similar, (std::vector<std::string>{"willing"}));
  EXPECT_EQ(glad.Related, (std::vector<std::string>{"cheerful"}));
  EXPECT_EQ(glad.Antonyms, (std::vector<std::string>{"sad"}));
}

TEST(ThesaurusCompiler, ParsesLatin1AndRefusesUnknownEncodings) {
  std::vector<TSourceEntry> entries;
  std::string error;
  ASSERT_TRUE(ParseMythes("ISO8859-1\r\nna\xEFve|1\r\n(adj)|artless\r\n", entries, error));
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].Word, "na\xEFve");
  EXPECT_EQ(entries[0].Senses[0].Synonyms, (std::vector<std::string>{"artless"}));
  EXPECT_FALSE(ParseMythes("KOI8-R\nword|1\n(noun)|x\n", entries, error));
  EXPECT_FALSE(ParseMythes("word|1\n(noun)|x\n", entries, error));
  EXPECT_FALSE(ParseMythes("", entries, error));
}

TEST(ThesaurusCompiler, SensesFollowTheirCountWithOrWithoutPartOfSpeechInAnyCodePage) {
  // Sense lines may begin with "-|" or "|"; a headword may begin with '('.
  const std::string text =
      "\xEF\xBB\xBFUTF-8\n"
      "(den) indre by|1\n"
      "|centrum|midtby\n"
      "\xC5\xBC\xC3\xB3\xC5\x82w|2\n"  // "żółw"
      "-|gad\n"
      "(rzecz.)|zwierz\xC4\x99\n"
      "a|1\n"
      "(noun)|b\n";
  std::vector<TSourceEntry> entries;
  std::string error;
  ASSERT_TRUE(ParseMythes(text, entries, error, 1250)) << error;
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].Word, "(den) indre by");
  ASSERT_EQ(entries[0].Senses.size(), 1u);
  EXPECT_EQ(entries[0].Senses[0].Synonyms, (std::vector<std::string>{"centrum", "midtby"}));
  EXPECT_EQ(entries[0].Senses[0].Category, 4);
  EXPECT_EQ(entries[1].Word, "\xBF\xF3\xB3w");  // Windows-1250
  ASSERT_EQ(entries[1].Senses.size(), 2u);
  EXPECT_EQ(entries[1].Senses[0].Synonyms, (std::vector<std::string>{"gad"}));
  EXPECT_EQ(entries[1].Senses[1].Synonyms, (std::vector<std::string>{"zwierz\xEA"}));
  EXPECT_EQ(entries[2].Senses.at(0).Category, 0);
}

TEST(ThesaurusCompiler, PartsOfSpeechMapToFiveCategories) {
  const std::pair<const char*, int> cases[] = {{"noun", 0}, {"verb", 1}, {"adj", 2}, {"Adjective", 2},
                                               {"adv", 3},  {"prep", 4}, {"", 4}};
  for (const auto& c : cases) EXPECT_EQ(CategoryOfPartOfSpeech(c.first), c.second) << c.first;
}

namespace {

// A source where "big" is mentioned most and "vast" least.
std::vector<TSourceEntry> RankedSource() {
  const std::string text =
      "UTF-8\n"
      "big|2\n(adj)|large|huge\n(adj)|important|significant\n"
      "large|1\n(adj)|big|huge\n"
      "huge|1\n(adj)|big|large|vast\n"
      "vast|1\n(adj)|immense\n"
      "two words|1\n(noun)|big\n";
  std::vector<TSourceEntry> entries;
  std::string error;
  EXPECT_TRUE(ParseMythes(text, entries, error));
  return entries;
}

}  // namespace

TEST(ThesaurusCompiler, CompileKeepsEverythingThatFits) {
  std::string bytes, error;
  TCompileStats stats;
  ASSERT_TRUE(CompileThesaurus(RankedSource(), TCompileOptions(), bytes, stats, error)) << error;
  EXPECT_EQ(stats.SourceHeadwords, 5u);
  EXPECT_EQ(stats.EligibleHeadwords, 4u);  // "two words" is no single word
  EXPECT_EQ(stats.KeptHeadwords, 4u);
  EXPECT_EQ(stats.Meanings, 4u);  // big and large share one; huge's lists vast as well
  TThesaurusFile file;
  ASSERT_TRUE(file.LoadFromBytes(bytes));
  ASSERT_TRUE(file.Lookup("big"));
  ASSERT_EQ(file.Results().size(), 2u);
  EXPECT_EQ(file.Results()[0]->Headword, "large");
  EXPECT_EQ(file.Results()[0]->CategoryName, "adjective");
  // Adjectives show list 2, which holds the word itself and its synonyms.
  EXPECT_EQ(Words(file.Results()[0]->Lists[1]), (std::vector<std::string>{"big", "large", "huge"}));
  EXPECT_EQ(file.Results()[1]->Headword, "important");
  ASSERT_TRUE(file.Lookup("large"));
  EXPECT_EQ(file.Results()[0]->Headword, "large");  // the meaning big created
  EXPECT_FALSE(file.Lookup("two words"));
}

TEST(ThesaurusCompiler, CompileDropsTheLeastMentionedHeadwordsFirst) {
  std::string bytes, error;
  TCompileStats full, tight;
  ASSERT_TRUE(CompileThesaurus(RankedSource(), TCompileOptions(), bytes, full, error));
  TCompileOptions options;
  options.MaxNodes = full.Layout.Nodes - 1;
  ASSERT_TRUE(CompileThesaurus(RankedSource(), options, bytes, tight, error));
  EXPECT_LT(tight.KeptHeadwords, full.KeptHeadwords);
  EXPECT_LE(tight.Layout.Nodes, options.MaxNodes);
  TThesaurusFile file;
  ASSERT_TRUE(file.LoadFromBytes(bytes));
  EXPECT_TRUE(HasMeanings(file, "big"));
  EXPECT_FALSE(HasMeanings(file, "vast"));
}

TEST(ThesaurusCompiler, CompileSharesMeaningsWhenTheyRunOut) {
  TCompileOptions options;
  options.MaxMeanings = 1;
  std::string bytes, error;
  TCompileStats stats;
  ASSERT_TRUE(CompileThesaurus(RankedSource(), options, bytes, stats, error));
  EXPECT_EQ(stats.Meanings, 1u);
  TThesaurusFile file;
  ASSERT_TRUE(file.LoadFromBytes(bytes));
  ASSERT_TRUE(file.Lookup("big"));
  EXPECT_EQ(file.Results().size(), 1u);
  ASSERT_TRUE(file.Lookup("large"));  // lists the same words as big's first sense
  EXPECT_EQ(file.Results().size(), 1u);
  EXPECT_FALSE(HasMeanings(file, "vast"));
}

TEST(ThesaurusCompiler, KnownWordsLimitTheHeadwords) {
  TCompileOptions options;
  options.KnownWords = {"big", "huge"};
  std::string bytes, error;
  TCompileStats stats;
  ASSERT_TRUE(CompileThesaurus(RankedSource(), options, bytes, stats, error));
  EXPECT_EQ(stats.KeptHeadwords, 2u);
  TThesaurusFile file;
  ASSERT_TRUE(file.LoadFromBytes(bytes));
  EXPECT_TRUE(HasMeanings(file, "huge"));
  EXPECT_FALSE(HasMeanings(file, "large"));
}

// Random mutations of a compiled file: the reader must refuse or answer,
// never crash or hang (the sanitizers watch every read).
TEST(ThesaurusCompiler, MutatedFilesNeverCrashTheReader) {
  std::string wide, error;
  ASSERT_TRUE(WriteWideThesaurus(SmallContent(), wide, nullptr, &error)) << error;
  const std::string originals[] = {Compile(SmallContent()), wide};  // both layouts
  std::mt19937 random(20261208);
  const char* words[] = {"nation", "station", "car", "cart", "glad", "Happy", "zzz"};
  for (int round = 0; round < 4500; ++round) {
    const std::string& original = originals[round % 3 == 2 ? 1 : 0];
    std::string bytes = original;
    const int flips = 1 + static_cast<int>(random() % 4);
    for (int i = 0; i < flips; ++i) {
      const size_t at = TThesaurusFile::kHeaderSize + random() % (bytes.size() - TThesaurusFile::kHeaderSize);
      bytes[at] = static_cast<char>(random() % 3 == 0 ? 0xFFu : random());
    }
    if (round % 7 == 0) bytes.resize(random() % bytes.size());
    TThesaurusFile file;
    if (!file.LoadFromBytes(bytes)) continue;
    for (const char* word : words) file.Lookup(word);
    std::string word;
    for (uint32_t n = 0; n < file.NodeCount(); ++n) file.NodeToWord(word, n);
  }
}

TEST(ThesaurusCompiler, SampleThesaurusAnswersCommonWords) {
  const std::string path = std::string(VX_DATA_DIR) + "/Brevant.vlt";
  if (!Platform::FileExists(path)) GTEST_SKIP() << path << " is not built";
  TThesaurusFile file;
  file.SetFileName(path);
  ASSERT_TRUE(file.Lookup("happy"));
  ASSERT_FALSE(file.Results().empty());
  bool glad = false;
  for (const auto& entry : file.Results())
    for (const auto& list : entry->Lists) glad = glad || list.Contains("glad");
  EXPECT_TRUE(glad);
  EXPECT_EQ(file.Results()[0]->CategoryName, "adjective");
  for (const char* word : {"good", "big", "house", "run", "quickly", "Beautiful"})
    EXPECT_TRUE(HasMeanings(file, word)) << word;
}

// 14000 meanings: past what 16-bit link values name. The compact layout
// stops at 13107 meanings; by default the whole source goes to a wide file.
TEST(ThesaurusCompiler, MeaningsBeyondSixteenBitLinksNeedTheWideLayout) {
  std::vector<TSourceEntry> entries;
  for (int i = 0; i < 14000; ++i) {
    std::string word = "w";
    for (int n = i; n; n /= 26) word += static_cast<char>('a' + n % 26);
    TSourceSense sense;
    sense.Category = 4;  // the largest category, the first to overflow
    entries.push_back({word, {sense}});
  }
  // A headword in lower case whose list holds it as written in text: the
  // wide file answers the written form too (its look-up would otherwise stop
  // at the list word, which has no meanings).
  TSourceSense ingredients;
  ingredients.Category = 0;
  ingredients.Synonyms = {"Bestandteile", "Zutaten"};
  entries.push_back({"zutaten", {ingredients}});
  // The compact selection leaves out the one-letter "w" as well.
  const struct {
    bool compact;
    size_t meanings;
    bool wide;
    size_t dropped;
  } cases[] = {{true, 13107, false, 14000 - 13107}, {false, 14001, true, 0}};
  for (const auto& c : cases) {
    TCompileOptions options;
    options.Compact = c.compact;
    options.MaxMeanings = 65535;
    std::string bytes, error;
    TCompileStats stats;
    ASSERT_TRUE(CompileThesaurus(entries, options, bytes, stats, error)) << error;
    EXPECT_EQ(stats.Meanings, c.meanings);
    EXPECT_EQ(stats.Layout.Wide, c.wide);
    EXPECT_EQ(stats.Dropped.size(), c.dropped);
    TThesaurusFile file;
    ASSERT_TRUE(file.LoadFromBytes(bytes));
    EXPECT_EQ(file.Wide(), c.wide);
    size_t found = 0;
    for (const auto& entry : entries)
      if (entry.Word != "zutaten" && HasMeanings(file, entry.Word)) {
        ++found;
        EXPECT_EQ(file.Results()[0]->Headword, entry.Word);
        EXPECT_EQ(file.Results()[0]->Category, 4);
      }
    EXPECT_EQ(found, std::min<size_t>(c.meanings, 14000));  // compact: zutaten, the longest, is dropped
    if (c.wide) {
      EXPECT_TRUE(HasMeanings(file, "zutaten"));
      EXPECT_TRUE(HasMeanings(file, "Zutaten"));
    }
  }
}
