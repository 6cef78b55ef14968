#include "vl3TypeAhead.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::vector<std::string> kWords = {"apple", "Apricot", "banana", "Berry", "blue", "cherry"};

std::string WordAt(int32_t i) { return kWords[static_cast<size_t>(i)]; }

}  // namespace

TEST(TypeAhead, FindsByPrefixWithOrWithoutTheOrder) {
  struct TCase {
    const char* prefix;
    int32_t start;
    int32_t found;
  } cases[] = {
      {"ap", 0, 0}, {"AP", 1, 1}, {"b", 3, 3},        {"b", 5, 2},
      {"bl", 0, 4}, {"z", 0, -1}, {"cherryx", 0, -1}, {"c", -1, 5},
  };
  for (bool sorted : {false, true})
    for (const TCase& c : cases)
      EXPECT_EQ(FindItemByPrefix(6, WordAt, c.prefix, c.start, sorted), c.found)
          << c.prefix << " from " << c.start << (sorted ? " sorted" : "");
  // An order with a surprise in it still finds by scanning.
  const std::vector<std::string> unordered = {"zebra", "apple", "mango"};
  EXPECT_EQ(FindItemByPrefix(
                3, [&](int32_t i) { return unordered[i]; }, "ze", 1, true),
            0);
}

TEST(TypeAhead, QuickKeysExtendThePrefixAndARepeatedKeySteps) {
  TTypeAhead typing;
  const int32_t count = static_cast<int32_t>(kWords.size());
  // "b", "l" typed quickly: blue; after a pause "a" starts again.
  EXPECT_EQ(typing.KeyTyped('b', 5000, -1, count, WordAt, true), 2);
  EXPECT_EQ(typing.KeyTyped('l', 5100, 2, count, WordAt, true), 4);
  EXPECT_EQ(typing.KeyTyped('a', 7000, 4, count, WordAt, true), 0);
  // The same key again steps through the words that begin with it, round.
  EXPECT_EQ(typing.KeyTyped('A', 7100, 0, count, WordAt, true), 1);
  EXPECT_EQ(typing.KeyTyped('a', 7200, 1, count, WordAt, true), 0);
  EXPECT_EQ(typing.Prefix(), "aAa");
  // Nothing begins with it: no move.
  EXPECT_EQ(typing.KeyTyped('q', 9000, 0, count, WordAt, false), -1);
}
