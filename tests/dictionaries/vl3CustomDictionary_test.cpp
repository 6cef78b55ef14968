// Tests of the custom dictionary: the file layout against an independent model,
// kinds and look-ups, growth, change tracking, the merging save and safe failures.
#include "vl3CustomDictionary.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "vl3CustomDictionaryTestModel.h"

using VluModel::Entry;
using VluModel::Image;
using VluModel::ReadFile;
using VluModel::ScratchDir;
using VluModel::WriteFile;

namespace {

// A test word list that never repeats a word: "w0", "w1", ...
std::string Word(int i) { return "w" + std::to_string(i); }

Image ImageOf(const TCustomDictionary& d) { return Image::Parse(d.ContentImage()); }

// ---- The layout -------------------------------------------------------------

TEST(CustomDictionaryFormat, BannerIsFiveLinesOfFixedLengths) {
  std::string banner(VluFormat::kBanner, VluFormat::kBannerSize);
  EXPECT_EQ(banner, VluModel::Banner());
  std::vector<size_t> lengths;
  size_t start = 0;
  for (size_t end; (end = banner.find("\r\n", start)) != std::string::npos; start = end + 2)
    lengths.push_back(end - start);
  EXPECT_EQ(lengths, (std::vector<size_t>{35, 32, 25, 17, 0}));
  EXPECT_EQ(banner.substr(0, 35), "Vexlor User Dictionary, Version 4.0");
  EXPECT_EQ(start, 119u);
  EXPECT_EQ(banner[119], '\0');
}

TEST(CustomDictionaryFormat, HashMatchesIndependentModel) {
  std::vector<std::string> words = {"a", "the", "Zebra", "colour", "naïve", "\xFF\xFF\xFF\xFF",
                                    std::string(500, 'z'), std::string(77, '\x80')};
  for (int i = 0; i < 300; ++i) {
    std::string w;
    for (int k = 0; k <= i % 40; ++k) w.push_back(static_cast<char>((i * 37 + k * 101) % 256 | 1));
    words.push_back(w);
  }
  for (int64_t size : VluModel::Sizes()) {
    for (const std::string& w : words) {
      ASSERT_EQ(VluFormat::HashWord(w, static_cast<int32_t>(size)), VluModel::Hash(w, size))
          << "size " << size << " word length " << w.size();
    }
  }
}

TEST(CustomDictionaryFormat, HashOfEmptyWordIsZeroAndResultsStayInRange) {
  EXPECT_EQ(VluFormat::HashWord("", 251), 0);
  for (int64_t size : VluModel::Sizes()) {
    int32_t h = VluFormat::HashWord(std::string(300, '\xFE'), static_cast<int32_t>(size));
    EXPECT_GE(h, 0);
    EXPECT_LT(h, size);
  }
}

TEST(CustomDictionaryFormat, TableSizesAreTheListedPrimes) {
  EXPECT_TRUE(VluFormat::IsTableSize(0));
  for (int64_t s : VluModel::Sizes()) EXPECT_TRUE(VluFormat::IsTableSize(static_cast<int32_t>(s)));
  for (int32_t s : {1, 2, 97, 250, 252, 4096, -251, 2147483646}) EXPECT_FALSE(VluFormat::IsTableSize(s));
}

TEST(CustomDictionaryFormat, SlotsAndPoolMatchAConformingWriter) {
  // Enough entries to grow twice, with every kind and colliding probes.
  TCustomDictionary d;
  Image model;
  for (int i = 0; i < 300; ++i) {
    Entry e{"IEA"[i % 3], Word(i), i % 3 == 2 ? "r" + std::to_string(i) : ""};
    bool added = e.kind == 'I' ? d.AddIgnore(e.word)
                 : e.kind == 'E' ? d.AddExclude(e.word)
                                 : d.AddAutoCorrect(e.word, e.replacement);
    ASSERT_TRUE(added) << e.word;
    model.Add(e);
  }
  Image ours = ImageOf(d);
  ASSERT_TRUE(ours.ok);
  EXPECT_EQ(ours.table.size(), 2039u);
  EXPECT_EQ(ours.table, model.table);
  EXPECT_EQ(ours.pool, model.pool);
  EXPECT_EQ(ours.ignore, 100);
  EXPECT_EQ(ours.exclude, 100);
  EXPECT_EQ(ours.autoCorrect, 100);
  EXPECT_EQ(ours.live, 300);
}

TEST(CustomDictionaryFormat, FilesFromAConformingWriterLoad) {
  Image model;
  std::vector<Entry> entries = {{'I', "colour", ""}, {'E', "teh", ""}, {'A', "recieve", "receive"},
                                {'I', "x", ""},      {'A', "adn", ""}};
  for (int i = 0; i < 100; ++i) entries.push_back({'I', Word(i), ""});
  for (const Entry& e : entries) model.Add(e);
  // A removal as another writer records it: slot -1, bytes kept.
  model.table[static_cast<size_t>(model.SlotOf("w7"))] = -1;
  --model.live;
  --model.ignore;

  ScratchDir dir("conforming");
  std::string path = dir.Path("other.vlu");
  WriteFile(path, model.Bytes());
  TCustomDictionary d;
  d.SetFilename(path);
  ASSERT_EQ(d.DictionaryPath(), path);
  EXPECT_TRUE(d.HasIgnore("colour"));
  EXPECT_TRUE(d.HasIgnore("x"));
  EXPECT_TRUE(d.HasExclude("teh"));
  EXPECT_FALSE(d.HasIgnore("teh"));
  std::string r;
  EXPECT_TRUE(d.LookupAutoCorrect("recieve", r));
  EXPECT_EQ(r, "receive");
  EXPECT_TRUE(d.LookupAutoCorrect("adn", r));
  EXPECT_EQ(r, "");
  EXPECT_FALSE(d.HasIgnore("w7"));
  EXPECT_TRUE(d.HasIgnore("w99"));
  EXPECT_EQ(d.CountIgnored(), 101);
  EXPECT_EQ(d.CountExcluded(), 1);
  EXPECT_EQ(d.CountAutoCorrect(), 2);
  // Unchanged content saves byte for byte as it was read.
  EXPECT_EQ(d.ContentImage(), model.Bytes());
}

TEST(CustomDictionaryFormat, NewFileIsWrittenWithEmptyContent) {
  ScratchDir dir("newfile");
  std::string path = dir.Path("fresh.vlu");
  {
    TCustomDictionary d;
    d.SetFilename(path);
    ASSERT_EQ(d.DictionaryPath(), path);
    d.SetActive(true);
    EXPECT_TRUE(d.PendingChanges());
    d.SetActive(false);
  }
  std::string bytes = ReadFile(path);
  ASSERT_EQ(bytes.size(), 145u);  // header, four counts, S = 0, P = 0
  Image im = Image::Parse(bytes);
  ASSERT_TRUE(im.ok);
  EXPECT_TRUE(im.table.empty());
  EXPECT_TRUE(im.pool.empty());
}

// ---- Entries and kinds ----------------------------------------------------

TEST(CustomDictionary, AWordIsStoredOnceWhateverItsKind) {
  TCustomDictionary d;
  EXPECT_TRUE(d.AddExclude("teh"));
  EXPECT_FALSE(d.AddIgnore("teh"));
  EXPECT_FALSE(d.AddAutoCorrect("teh", "the"));
  EXPECT_FALSE(d.HasIgnore("teh"));
  EXPECT_TRUE(d.HasExclude("teh"));
  std::string r = "stale";
  EXPECT_FALSE(d.LookupAutoCorrect("teh", r));
  EXPECT_EQ(r, "");
  EXPECT_FALSE(d.RemoveIgnore("teh"));
  EXPECT_TRUE(d.RemoveExclude("teh"));
  EXPECT_TRUE(d.AddIgnore("teh"));
}

TEST(CustomDictionary, LookupsAreCaseSensitive) {
  TCustomDictionary d;
  ASSERT_TRUE(d.AddIgnore("Paris"));
  EXPECT_TRUE(d.HasIgnore("Paris"));
  EXPECT_FALSE(d.HasIgnore("paris"));
  EXPECT_FALSE(d.HasIgnore("PARIS"));
  EXPECT_TRUE(d.AddIgnore("paris"));
}

struct TAddCase {
  char kind;
  std::string word;
  std::string replacement;
  bool accepted;
};

TEST(CustomDictionary, AddRefusesEmptyOverlongAndZeroBytes) {
  const TAddCase cases[] = {
      {'I', "", "", false},
      {'A', "", "x", false},
      {'I', std::string(500, 'a'), "", true},
      {'I', std::string(501, 'b'), "", false},
      {'A', std::string(250, 'c'), std::string(250, 'd'), true},
      {'A', std::string(250, 'e'), std::string(251, 'f'), false},
      {'E', std::string("ab\0cd", 5), "", false},
      {'A', "gh", std::string("x\0y", 3), false},
      {'A', "ok", "", true},
  };
  for (const TAddCase& c : cases) {
    TCustomDictionary d;
    bool added = c.kind == 'I' ? d.AddIgnore(c.word)
                 : c.kind == 'E' ? d.AddExclude(c.word)
                                 : d.AddAutoCorrect(c.word, c.replacement);
    EXPECT_EQ(added, c.accepted) << c.kind << " length " << c.word.size();
    EXPECT_EQ(d.LiveCount(), c.accepted ? 1 : 0);
  }
  TCustomDictionary d;
  EXPECT_FALSE(d.AddEntry('X', "word", ""));
  EXPECT_FALSE(d.AddEntry('*', "word", ""));
}

TEST(CustomDictionary, AutoCorrectPairsEnumerateAndLookUp) {
  TCustomDictionary d;
  ASSERT_TRUE(d.AddAutoCorrect("teh", "the"));
  ASSERT_TRUE(d.AddAutoCorrect("adn", "and"));
  std::string w, r;
  ASSERT_EQ(d.CountAutoCorrect(), 2);
  std::vector<std::pair<std::string, std::string>> pairs;
  for (int i = 0; i < d.CountAutoCorrect(); ++i) {
    ASSERT_TRUE(d.AutoCorrectAt(i, w, r));
    pairs.emplace_back(w, r);
  }
  EXPECT_NE(std::find(pairs.begin(), pairs.end(), std::make_pair(std::string("teh"), std::string("the"))),
            pairs.end());
  EXPECT_FALSE(d.AutoCorrectAt(2, w, r));
  EXPECT_EQ(w, "");
  EXPECT_EQ(r, "");
  EXPECT_FALSE(d.AutoCorrectAt(-1, w, r));
  // Removal goes by the word, not the replacement.
  EXPECT_FALSE(d.RemoveAutoCorrect("the"));
  EXPECT_TRUE(d.RemoveAutoCorrect("teh"));
  EXPECT_FALSE(d.LookupAutoCorrect("teh", r));
}

TEST(CustomDictionary, IndexAtCountGivesEmptyString) {
  TCustomDictionary d;
  d.AddIgnore("one");
  d.AddExclude("two");
  EXPECT_EQ(d.IgnoreWordAt(0), "one");
  EXPECT_EQ(d.IgnoreWordAt(d.CountIgnored()), "");
  EXPECT_EQ(d.ExcludeWordAt(0), "two");
  EXPECT_EQ(d.ExcludeWordAt(1), "");
  EXPECT_EQ(d.IgnoreWordAt(-5), "");
}

TEST(CustomDictionary, KindListsFollowTableOrderWithNewEntriesLast) {
  TCustomDictionary d;
  for (int i = 0; i < 20; ++i) d.AddIgnore(Word(i));
  Image im = ImageOf(d);
  std::vector<std::string> tableOrder;
  for (int32_t s : im.table) {
    if (s > 0) tableOrder.push_back(im.WordAt(s));
  }
  ASSERT_EQ(d.CountIgnored(), 20);  // builds the lists
  std::vector<std::string> listed;
  for (int i = 0; i < d.CountIgnored(); ++i) listed.push_back(d.IgnoreWordAt(i));
  EXPECT_EQ(listed, tableOrder);
  d.AddIgnore("zz-last");
  EXPECT_EQ(d.IgnoreWordAt(20), "zz-last");
  // A removal invalidates the lists; the rebuild returns to table order.
  d.RemoveIgnore(Word(3));
  EXPECT_EQ(d.CountIgnored(), 20);
  for (int i = 0; i < d.CountIgnored(); ++i) EXPECT_NE(d.IgnoreWordAt(i), Word(3));
}

// ---- Table growth and deleted slots ----------------------------------------------

TEST(CustomDictionary, FirstEntryMakes251SlotsAndThe63rdGrowsTo509) {
  TCustomDictionary d;
  EXPECT_EQ(d.TableSize(), 0);
  d.AddIgnore(Word(0));
  EXPECT_EQ(d.TableSize(), 251);
  for (int i = 1; i < 62; ++i) d.AddIgnore(Word(i));
  EXPECT_EQ(d.TableSize(), 251);
  d.AddIgnore(Word(62));
  EXPECT_EQ(d.TableSize(), 509);
}

TEST(CustomDictionary, GrowthDropsDeletedSlots) {
  TCustomDictionary d;
  for (int i = 0; i < 62; ++i) d.AddIgnore(Word(i));
  for (int i = 0; i < 10; ++i) ASSERT_TRUE(d.RemoveIgnore(Word(i)));
  for (int i = 62; i < 73; ++i) d.AddIgnore(Word(i));  // live reaches 63
  Image im = ImageOf(d);
  ASSERT_EQ(im.table.size(), 509u);
  EXPECT_EQ(std::count(im.table.begin(), im.table.end(), -1), 0);
  for (int i = 10; i < 73; ++i) EXPECT_TRUE(d.HasIgnore(Word(i))) << i;
}

// Two words with the same home slot in a 251-slot table.
std::pair<std::string, std::string> CollidingPair() {
  std::vector<std::string> byHome(251);
  for (int i = 0;; ++i) {
    std::string w = Word(i);
    std::string& other = byHome[static_cast<size_t>(VluModel::Hash(w, 251))];
    if (!other.empty()) return {other, w};
    other = w;
  }
}

TEST(CustomDictionary, RemovedEntryKeepsItsBytesAndLookupsProbePastIt) {
  auto [first, second] = CollidingPair();
  TCustomDictionary d;
  ASSERT_TRUE(d.AddIgnore(first));
  ASSERT_TRUE(d.AddIgnore(second));
  size_t poolBefore = d.PoolUsed();
  ASSERT_TRUE(d.RemoveIgnore(first));
  Image im = ImageOf(d);
  int64_t home = VluModel::Hash(first, 251);
  EXPECT_EQ(im.table[static_cast<size_t>(home)], -1);
  EXPECT_EQ(d.PoolUsed(), poolBefore);
  EXPECT_NE(im.pool.find(first), std::string::npos);
  EXPECT_EQ(im.live, 1);
  EXPECT_TRUE(d.HasIgnore(second));
  EXPECT_FALSE(d.HasIgnore(first));
  // The deleted home slot is reused by the next word that hashes there.
  ASSERT_TRUE(d.AddIgnore(first));
  EXPECT_EQ(ImageOf(d).table[static_cast<size_t>(home)], static_cast<int32_t>(poolBefore) + 1);
}

TEST(CustomDictionary, ChurnNeverFillsTheTableWithDeletedSlots) {
  TCustomDictionary d;
  for (int i = 0; i < 20000; ++i) {
    ASSERT_TRUE(d.AddIgnore(Word(i)));
    if (i >= 5) {
      ASSERT_TRUE(d.RemoveIgnore(Word(i - 5)));
    }
  }
  EXPECT_EQ(d.TableSize(), 251);
  Image im = ImageOf(d);
  EXPECT_GE(std::count(im.table.begin(), im.table.end(), 0), 251 / 8);
  for (int i = 19995; i < 20000; ++i) EXPECT_TRUE(d.HasIgnore(Word(i)));
  EXPECT_FALSE(d.HasIgnore(Word(0)));
  EXPECT_EQ(d.CountIgnored(), 5);
}

TEST(CustomDictionary, TableWithoutEmptySlotsStillAnswersAndAccepts) {
  // Another writer's table where every slot is deleted but one entry.
  Image model;
  model.Add({'I', "kept", ""});
  for (int32_t& s : model.table) s = s > 0 ? s : -1;
  TCustomDictionary d;
  ASSERT_TRUE(d.LoadContentImage(model.Bytes()));
  EXPECT_TRUE(d.HasIgnore("kept"));
  EXPECT_FALSE(d.HasIgnore("absent"));
  EXPECT_FALSE(d.RemoveIgnore("absent"));
  EXPECT_TRUE(d.AddIgnore("new"));
  EXPECT_TRUE(d.HasIgnore("new"));
  EXPECT_TRUE(d.HasIgnore("kept"));
}

// ---- In-memory dictionaries ------------------------------------------------------

TEST(CustomDictionary, InMemoryDictionaryRecordsNoChangesAndIsNeverSaved) {
  TCustomDictionary d;
  EXPECT_TRUE(d.AddIgnore("alpha"));
  EXPECT_TRUE(d.AddAutoCorrect("teh", "the"));
  EXPECT_TRUE(d.RemoveIgnore("alpha"));
  EXPECT_TRUE(d.PendingChanges());
  EXPECT_TRUE(d.SaveChanges());
  EXPECT_FALSE(d.PendingChanges());
  EXPECT_EQ(d.DictionaryPath(), "");
  std::string r;
  EXPECT_TRUE(d.LookupAutoCorrect("teh", r));
}

TEST(CustomDictionary, ClearAllEmptiesWithoutMarkingModified) {
  ScratchDir dir("clearall");
  std::string path = dir.Path("c.vlu");
  {
    TCustomDictionary d;
    d.SetFilename(path);
    d.AddIgnore("keep");
  }
  std::string before = ReadFile(path);
  {
    TCustomDictionary d;
    d.SetFilename(path);
    d.ClearAll();
    EXPECT_EQ(d.CountIgnored(), 0);
    EXPECT_FALSE(d.HasIgnore("keep"));
    EXPECT_FALSE(d.PendingChanges());
  }
  EXPECT_EQ(ReadFile(path), before);
}

// ---- Files: validation, saving, merging ------------------------------------------

TEST(CustomDictionaryFile, RejectsWrongBannerShortFilesAndKeepsOldPath) {
  ScratchDir dir("reject");
  std::string good = dir.Path("good.vlu");
  {
    TCustomDictionary d;
    d.SetFilename(good);
    d.AddIgnore("word");
  }
  std::string valid = ReadFile(good);
  std::string wrongTerminator = valid;
  wrongTerminator[119] = ' ';
  std::string wrongText = valid;
  wrongText[3] = 'x';
  const std::pair<const char*, std::string> cases[] = {
      {"terminator.vlu", wrongTerminator},
      {"text.vlu", wrongText},
      {"short.vlu", valid.substr(0, 120)},
      {"empty.vlu", ""},
  };
  for (const auto& [name, bytes] : cases) {
    std::string path = dir.Path(name);
    WriteFile(path, bytes);
    TCustomDictionary d;
    d.SetFilename(good);
    d.SetFilename(path);
    EXPECT_EQ(d.DictionaryPath(), good) << name;
    std::unique_ptr<TCustomDictionaryFile> file;
    EXPECT_FALSE(d.ValidateFile(path, true, file)) << name;
    EXPECT_EQ(file, nullptr);
    EXPECT_EQ(ReadFile(path), bytes) << name << " must stay untouched";
  }
  // Exactly the header, nothing more: valid banner, unreadable content.
  std::string headerOnly = dir.Path("header.vlu");
  WriteFile(headerOnly, valid.substr(0, 121));
  TCustomDictionary d;
  d.SetFilename(headerOnly);
  EXPECT_EQ(d.DictionaryPath(), headerOnly);
  EXPECT_EQ(d.CountIgnored(), 0);
  EXPECT_TRUE(d.LoadFailed());
}

TEST(CustomDictionaryFile, PathWhereNothingCanBeCreatedIsRefused) {
  ScratchDir dir("nocreate");
  TCustomDictionary d;
  d.SetFilename(dir.Path("missing-folder") + "/x.vlu");
  EXPECT_EQ(d.DictionaryPath(), "");
  d.SetFilename(dir.Path(""));  // a folder
  EXPECT_EQ(d.DictionaryPath(), "");
}

TEST(CustomDictionaryFile, ValidateKeepsFilePositionedAfterHeader) {
  ScratchDir dir("validate");
  std::string path = dir.Path("v.vlu");
  TCustomDictionary d;
  std::unique_ptr<TCustomDictionaryFile> file;
  EXPECT_TRUE(d.ValidateFile(path, true, file));  // creatable, not there
  EXPECT_EQ(file, nullptr);
  EXPECT_FALSE(std::filesystem::exists(path));
  EXPECT_TRUE(d.ValidateFile("", true, file));
  Image model;
  WriteFile(path, model.Bytes());
  ASSERT_TRUE(d.ValidateFile(path, true, file));
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(file->Position(), 121u);
  ASSERT_TRUE(d.ValidateFile(path, false, file));
  EXPECT_EQ(file, nullptr);
}

TEST(CustomDictionaryFile, SaveRoundTripsAndSetFilenameSavesTheOldFile) {
  ScratchDir dir("roundtrip");
  std::string a = dir.Path("a.vlu");
  std::string b = dir.Path("b.vlu");
  TCustomDictionary d;
  d.SetFilename(a);
  d.SetActive(true);
  d.AddIgnore("colour");
  d.AddExclude("teh");
  d.AddAutoCorrect("recieve", "receive");
  d.SetFilename(b);  // saves a, then opens b
  EXPECT_EQ(d.DictionaryPath(), b);
  EXPECT_TRUE(d.Active());
  EXPECT_FALSE(d.HasIgnore("colour"));

  TCustomDictionary again;
  again.SetFilename(a);
  EXPECT_TRUE(again.HasIgnore("colour"));
  EXPECT_TRUE(again.HasExclude("teh"));
  std::string r;
  EXPECT_TRUE(again.LookupAutoCorrect("recieve", r));
  EXPECT_EQ(r, "receive");
}

TEST(CustomDictionaryFile, SaveCopyAsLeavesPathAndPendingChangesAlone) {
  ScratchDir dir("copyas");
  std::string a = dir.Path("a.vlu");
  std::string copy = dir.Path("copy.vlu");
  TCustomDictionary d;
  d.SetFilename(a);
  d.AddIgnore("one");
  ASSERT_TRUE(d.SaveCopyAs(copy));
  EXPECT_EQ(d.DictionaryPath(), a);
  EXPECT_TRUE(d.PendingChanges());
  EXPECT_FALSE(std::filesystem::exists(a));
  EXPECT_EQ(ReadFile(copy), d.ContentImage());
}

TEST(CustomDictionaryFile, RewriteByAnotherProgramIsMerged) {
  ScratchDir dir("merge");
  std::string path = dir.Path("shared.vlu");
  {
    TCustomDictionary seed;
    seed.SetFilename(path);
    seed.AddIgnore("base");
    seed.AddIgnore("doomed");
  }
  TCustomDictionary mine;
  mine.SetFilename(path);
  mine.SetActive(true);
  {
    TCustomDictionary theirs;  // saves while `mine` holds its copy
    theirs.SetFilename(path);
    theirs.AddIgnore("theirs");
    theirs.AddAutoCorrect("teh", "the");
  }
  mine.AddIgnore("mine");
  mine.AddExclude("wrod");
  ASSERT_TRUE(mine.RemoveIgnore("doomed"));
  EXPECT_TRUE(mine.SaveChanges());
  EXPECT_FALSE(mine.PendingChanges());

  TCustomDictionary check;
  check.SetFilename(path);
  EXPECT_TRUE(check.HasIgnore("base"));
  EXPECT_TRUE(check.HasIgnore("theirs"));
  EXPECT_TRUE(check.HasIgnore("mine"));
  EXPECT_TRUE(check.HasExclude("wrod"));
  EXPECT_FALSE(check.HasIgnore("doomed"));
  std::string r;
  EXPECT_TRUE(check.LookupAutoCorrect("teh", r));
  EXPECT_EQ(r, "the");
}

TEST(CustomDictionaryFile, MergeReplaysAddsBeforeRemovesAndOnlyNewChanges) {
  ScratchDir dir("mergeorder");
  std::string path = dir.Path("shared.vlu");
  TCustomDictionary mine;
  mine.SetFilename(path);
  mine.SetActive(true);
  {
    TCustomDictionary theirs;
    theirs.SetFilename(path);
    theirs.AddIgnore("theirs");
  }
  // Added then removed: replaying removals last leaves it out.
  mine.AddIgnore("brief");
  mine.RemoveIgnore("brief");
  mine.AddIgnore("first");
  mine.SaveChanges();
  {
    TCustomDictionary theirs;  // removes what the first save wrote
    theirs.SetFilename(path);
    ASSERT_TRUE(theirs.RemoveIgnore("first"));
  }
  // The second save replays only "second": "first" stays removed.
  mine.AddIgnore("second");
  mine.SaveChanges();
  TCustomDictionary check;
  check.SetFilename(path);
  EXPECT_TRUE(check.HasIgnore("theirs"));
  EXPECT_FALSE(check.HasIgnore("brief"));
  EXPECT_FALSE(check.HasIgnore("first"));
  EXPECT_TRUE(check.HasIgnore("second"));
}

TEST(CustomDictionaryFile, MergeUsesSubclassFromCreateSameKind) {
  struct TCounting : TCustomDictionary {
    int* created;
    explicit TCounting(int* c) : created(c) {}
    std::unique_ptr<TCustomDictionary> CreateSameKind() override {
      ++*created;
      return std::make_unique<TCounting>(created);
    }
  };
  ScratchDir dir("samekind");
  std::string path = dir.Path("s.vlu");
  int created = 0;
  TCounting mine(&created);
  mine.SetFilename(path);
  mine.SetActive(true);
  {
    TCustomDictionary theirs;
    theirs.SetFilename(path);
    theirs.AddIgnore("x");
  }
  mine.AddIgnore("y");
  mine.SaveChanges();
  EXPECT_EQ(created, 1);
}

TEST(CustomDictionaryFile, PendingFlagOnInactiveDictionaryNeverEmptiesTheFile) {
  ScratchDir dir("inactive");
  std::string path = dir.Path("i.vlu");
  {
    TCustomDictionary d;
    d.SetFilename(path);
    d.AddIgnore("precious");
  }
  TCustomDictionary d;
  d.SetFilename(path);
  d.SetActive(true);
  d.SetActive(false);
  d.SetPendingChanges(true);  // as the engine does before renaming a file
  EXPECT_TRUE(d.SaveChanges());
  TCustomDictionary check;
  check.SetFilename(path);
  EXPECT_TRUE(check.HasIgnore("precious"));
}

TEST(CustomDictionaryFile, DamagedContentIsMovedAsideNeverOverwritten) {
  ScratchDir dir("damaged");
  std::string path = dir.Path("d.vlu");
  Image model;
  for (int i = 0; i < 40; ++i) model.Add({'I', Word(i), ""});
  std::string damaged = model.Bytes();
  damaged.resize(damaged.size() - 10);  // the pool is cut short
  WriteFile(path, damaged);

  {
    TCustomDictionary d;
    d.SetFilename(path);
    ASSERT_EQ(d.DictionaryPath(), path);
    EXPECT_EQ(d.CountIgnored(), 0);
    EXPECT_TRUE(d.LoadFailed());
  }
  EXPECT_EQ(ReadFile(path), damaged) << "no change, no write";

  TCustomDictionary d;
  d.SetFilename(path);
  ASSERT_TRUE(d.AddIgnore("newword"));
  EXPECT_TRUE(d.SaveChanges());
  EXPECT_EQ(d.BackupPath(), path + ".bak");
  EXPECT_EQ(ReadFile(path + ".bak"), damaged);
  TCustomDictionary check;
  check.SetFilename(path);
  EXPECT_TRUE(check.HasIgnore("newword"));
  EXPECT_FALSE(check.LoadFailed());
}

TEST(CustomDictionaryFile, SecondDamagedFileGetsItsOwnBackupName) {
  ScratchDir dir("damaged2");
  std::string path = dir.Path("d.vlu");
  WriteFile(path + ".bak", "older backup");
  std::string damaged = Image().Bytes().substr(0, 130);
  WriteFile(path, damaged);
  TCustomDictionary d;
  d.SetFilename(path);
  d.AddIgnore("w");
  d.SetActive(false);
  EXPECT_EQ(ReadFile(path + ".bak"), "older backup");
  EXPECT_EQ(ReadFile(path + ".bak2"), damaged);
}

TEST(CustomDictionaryFile, InconsistentStoredCountsAreRecounted) {
  Image model;
  model.Add({'I', "a1", ""});
  model.Add({'E', "e1", ""});
  model.ignore = 1000000;
  model.live = 2000000000;  // would force growth on every add
  TCustomDictionary d;
  ASSERT_TRUE(d.LoadContentImage(model.Bytes()));
  EXPECT_EQ(d.LiveCount(), 2);
  EXPECT_TRUE(d.AddIgnore("b"));
  EXPECT_EQ(d.TableSize(), 251);
  Image im = ImageOf(d);
  EXPECT_EQ(im.ignore, 2);
  EXPECT_EQ(im.exclude, 1);
  EXPECT_EQ(im.live, 3);
}

TEST(CustomDictionaryFile, SlotsThatPointOutsideThePoolAreDropped) {
  Image model;
  model.Add({'I', "good", ""});
  model.Add({'A', "pair", "value"});
  const int32_t bad[] = {1000, 2147483647, static_cast<int32_t>(model.pool.size()),
                         static_cast<int32_t>(model.pool.size()) + 1};
  size_t spare = 0;
  for (int32_t v : bad) {
    while (model.table[spare] != 0) ++spare;
    model.table[spare] = v;
  }
  // An entry of no known kind and a pair cut before its replacement's end.
  model.pool += "Xodd";
  model.pool.push_back('\0');
  int32_t cut = static_cast<int32_t>(model.pool.size()) + 1;
  model.pool += "Acut";
  model.pool.push_back('\0');
  model.pool += "nozero";
  while (model.table[spare] != 0) ++spare;
  model.table[spare] = cut;
  TCustomDictionary d;
  ASSERT_TRUE(d.LoadContentImage(model.Bytes()));
  EXPECT_EQ(d.LiveCount(), 2);
  EXPECT_EQ(d.CountIgnored(), 1);
  EXPECT_EQ(d.CountAutoCorrect(), 1);
  std::string r;
  EXPECT_TRUE(d.LookupAutoCorrect("pair", r));
  EXPECT_EQ(r, "value");
  EXPECT_FALSE(d.LookupAutoCorrect("cut", r));
}

TEST(CustomDictionaryFile, MisplacedAndRepeatedEntriesAreRepairedOnLoad) {
  Image model;
  model.Add({'I', "moved", ""});
  model.Add({'E', "twice", ""});
  // "moved" sits away from its probe path; "twice" is referenced twice.
  int64_t home = model.SlotOf("moved");
  int32_t movedValue = model.table[static_cast<size_t>(home)];
  model.table[static_cast<size_t>(home)] = 0;
  model.table[static_cast<size_t>((home + 100) % 251)] = movedValue;
  int64_t twice = model.SlotOf("twice");
  model.table[static_cast<size_t>((twice + 7) % 251)] = model.table[static_cast<size_t>(twice)];
  TCustomDictionary d;
  ASSERT_TRUE(d.LoadContentImage(model.Bytes()));
  EXPECT_TRUE(d.HasIgnore("moved"));
  EXPECT_EQ(d.LiveCount(), 2);
  EXPECT_EQ(d.CountExcluded(), 1);
  EXPECT_FALSE(d.AddIgnore("moved"));
  EXPECT_TRUE(d.RemoveExclude("twice"));
  EXPECT_FALSE(d.HasExclude("twice"));
}

}  // namespace
