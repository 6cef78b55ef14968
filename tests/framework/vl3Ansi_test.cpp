#include "vl3Ansi.h"

#include <gtest/gtest.h>

TEST(Ansi, CaseMappingCoversWestern1252Letters) {
  EXPECT_EQ(Ansi::UpperCase("stra\xDF" "e \xE9l\xE8ve \x9C\xFF"), "STRA\xDF" "E \xC9L\xC8VE \x8C\x9F");
  EXPECT_EQ(Ansi::LowerCase("\xC0\xD7\xDE"), "\xE0\xD7\xFE");  // x sign has no case
  EXPECT_TRUE(Ansi::IsAlpha('\xDF'));
  EXPECT_FALSE(Ansi::IsAlpha('1'));
  EXPECT_TRUE(Ansi::SameText("\xC9T\xC9", "\xE9t\xE9"));
  EXPECT_LT(Ansi::CompareText("apple", "Banana"), 0);
}
