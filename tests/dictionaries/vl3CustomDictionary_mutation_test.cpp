// Feeds thousands of corrupted ".vlu" files to the custom dictionary under the
// sanitizers: no crash, no hang, no stray read, and damaged files are kept.
#include "vl3CustomDictionary.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "vl3CustomDictionaryTestModel.h"

using VluModel::ReadFile;
using VluModel::ScratchDir;
using VluModel::WriteFile;

namespace {

constexpr size_t kHeader = 121;

std::string SeedImage(int entries) {
  TCustomDictionary d;
  for (int i = 0; i < entries; ++i) {
    std::string w = "seed" + std::to_string(i);
    if (i % 3 == 0) d.AddIgnore(w);
    if (i % 3 == 1) d.AddExclude(w);
    if (i % 3 == 2) d.AddAutoCorrect(w, "fix" + std::to_string(i));
  }
  for (int i = 0; i < entries; i += 7) {
    d.RemoveIgnore("seed" + std::to_string(i));
    d.RemoveExclude("seed" + std::to_string(i));
  }
  return d.ContentImage();
}

void PutInt32At(std::string& bytes, size_t at, int32_t value) {
  if (at + 4 > bytes.size()) return;
  uint32_t u = static_cast<uint32_t>(value);
  for (int k = 0; k < 4; ++k) bytes[at + k] = static_cast<char>((u >> (8 * k)) & 0xFF);
}

// One random corruption of a valid image; the banner is usually left alone
// so that the content reader, not the banner check, sees the damage.
std::string Mutate(const std::string& seed, std::mt19937& rng) {
  std::string b = seed;
  auto pick = [&](size_t n) { return n == 0 ? size_t{0} : static_cast<size_t>(rng() % n); };
  const size_t body = b.size() > kHeader ? b.size() - kHeader : 0;
  static const int32_t kInteresting[] = {0,   -1,   1,          2,          97,        250,
                                         251, 509,  1021,       65521,      -251,      0x7FFFFFFF,
                                         static_cast<int32_t>(0x80000000), 1000000, 120, 4};
  int rounds = 1 + static_cast<int>(rng() % 4);
  for (int r = 0; r < rounds; ++r) {
    switch (rng() % 8) {
      case 0:  // flip bits
        if (body) b[kHeader + pick(body)] ^= static_cast<char>(1u << (rng() % 8));
        break;
      case 1:  // random byte
        if (body) b[kHeader + pick(body)] = static_cast<char>(rng());
        break;
      case 2:  // an interesting value in a 32-bit field (counts, S, slots, P)
        PutInt32At(b, kHeader + 4 * pick(body / 4 + 1), kInteresting[rng() % std::size(kInteresting)]);
        break;
      case 3:  // cut short
        b.resize(pick(b.size() + 1));
        break;
      case 4:  // trailing junk
        for (size_t n = pick(64) + 1; n > 0; --n) b.push_back(static_cast<char>(rng()));
        break;
      case 5:  // a chunk copied over another place
        if (body > 8) {
          size_t len = pick(body / 2) + 1;
          size_t from = kHeader + pick(body - len + 1);
          size_t to = kHeader + pick(body - len + 1);
          std::memmove(&b[to], &b[from], len);
        }
        break;
      case 6: {  // a listed table size, whatever the bytes that follow
        int32_t s = r % 2 ? 251 : 509;
        PutInt32At(b, kHeader + 16, s);
        break;
      }
      default:  // pool length off by a little or a lot
        if (b.size() >= kHeader + 24) {
          int32_t s = 0;
          std::memcpy(&s, &b[kHeader + 16], 4);
          size_t pAt = kHeader + 20 + 4 * static_cast<size_t>(s >= 0 && s < 1 << 20 ? s : 0);
          PutInt32At(b, pAt, static_cast<int32_t>(body) + static_cast<int32_t>(rng() % 9) - 4);
        }
        break;
    }
  }
  if (rng() % 50 == 0 && b.size() > 10) b[pick(kHeader < b.size() ? kHeader : b.size())] ^= 0x20;
  return b;
}

// Every public operation once or more; checks what must hold for any input.
void Exercise(TCustomDictionary& d, int iteration) {
  const int ignored = d.CountIgnored();
  const int excluded = d.CountExcluded();
  const int pairs = d.CountAutoCorrect();
  ASSERT_EQ(d.LiveCount(), ignored + excluded + pairs);
  std::string word, replacement;
  for (int i = 0; i <= ignored; ++i) d.HasIgnore(d.IgnoreWordAt(i));
  for (int i = 0; i <= excluded; ++i) d.HasExclude(d.ExcludeWordAt(i));
  for (int i = 0; i <= pairs; ++i) {
    d.AutoCorrectAt(i, word, replacement);
    d.LookupAutoCorrect(word, replacement);
  }
  for (int i = 0; i < 40; ++i) {
    std::string probe = "seed" + std::to_string(i);
    d.HasIgnore(probe);
    d.HasExclude(probe);
    d.LookupAutoCorrect(probe, replacement);
  }
  // The content as loaded (after cleaning) reloads to the same image.
  const std::string image = d.ContentImage();
  TCustomDictionary again;
  ASSERT_TRUE(again.LoadContentImage(image));
  ASSERT_EQ(again.ContentImage(), image);

  const std::string fresh = "\x01new-" + std::to_string(iteration);
  if (d.AddIgnore(fresh)) {
    ASSERT_TRUE(d.HasIgnore(fresh));
  }
  if (d.AddAutoCorrect(fresh + "a", "repl")) {
    ASSERT_TRUE(d.LookupAutoCorrect(fresh + "a", replacement));
    ASSERT_EQ(replacement, "repl");
  }
  if (d.RemoveIgnore(fresh)) {
    ASSERT_FALSE(d.HasIgnore(fresh));
  }
  d.RemoveExclude("seed1");
  d.RemoveAutoCorrect("seed2");
  d.ClearAll();
  ASSERT_EQ(d.CountIgnored(), 0);
}

TEST(CustomDictionaryMutation, ThousandsOfCorruptedImagesLoadSafely) {
  const std::string seeds[] = {SeedImage(0), SeedImage(5), SeedImage(150)};
  std::mt19937 rng(20261208);
  int accepted = 0;
  int damaged = 0;
  for (int i = 0; i < 6000; ++i) {
    std::string bytes = Mutate(seeds[i % 3], rng);
    TCustomDictionary d;
    if (!d.LoadContentImage(bytes)) continue;
    ++accepted;
    if (d.LoadFailed()) ++damaged;
    Exercise(d, i);
    if (HasFatalFailure()) {
      ADD_FAILURE() << "iteration " << i << ", " << bytes.size() << " bytes";
      return;
    }
  }
  // The mutations must reach the content reader, and not only its failure path.
  EXPECT_GT(accepted, 3000);
  EXPECT_GT(damaged, 300);
  EXPECT_GT(accepted - damaged, 300);
}

TEST(CustomDictionaryMutation, CorruptedFilesAreNeverLostThroughSaving) {
  ScratchDir dir("mutation");
  const std::string seed = SeedImage(40);
  std::mt19937 rng(77);
  for (int i = 0; i < 300; ++i) {
    const std::string path = dir.Path("m" + std::to_string(i) + ".vlu");
    const std::string bytes = Mutate(seed, rng);
    WriteFile(path, bytes);
    bool usable = false;
    bool damaged = false;
    {
      TCustomDictionary d;
      d.SetFilename(path);
      usable = d.DictionaryPath() == path;
      if (usable) {
        d.SetActive(true);
        damaged = d.LoadFailed();
        d.AddIgnore("added-by-test");
      }
    }
    const std::string after = ReadFile(path);
    if (!usable) {
      EXPECT_EQ(after, bytes) << "rejected file " << i << " was changed";
      continue;
    }
    if (damaged) {
      EXPECT_EQ(ReadFile(path + ".bak"), bytes) << "damaged file " << i << " not kept";
    }
    TCustomDictionary check;
    check.SetFilename(path);
    EXPECT_TRUE(check.HasIgnore("added-by-test")) << "file " << i;
    EXPECT_FALSE(check.LoadFailed()) << "file " << i;
  }
}

}  // namespace
