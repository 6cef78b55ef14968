#include "vl3Codepage.h"

#include <gtest/gtest.h>

TEST(Codepage, ConvertsEachCodePageBothWays) {
  struct TCase {
    int codePage;
    const char* utf8;
    const char* ansi;
  } cases[] = {
      {1252, "caf\xC3\xA9 \xE2\x82\xAC \xC5\x93", "caf\xE9 \x80 \x9C"},
      {1251, "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82 \xD1\x91", "\xCF\xF0\xE8\xE2\xE5\xF2 \xB8"},
      {1250, "\xC5\xBA\xC5\x82\xC4\x85 \xC5\x99", "\x9F\xB3\xB9 \xF8"},
  };
  for (const TCase& c : cases) {
    std::string ansi;
    EXPECT_TRUE(Codepage::FromUtf8(c.utf8, c.codePage, ansi)) << c.codePage;
    EXPECT_EQ(ansi, c.ansi) << c.codePage;
    EXPECT_EQ(Codepage::ToUtf8(c.ansi, c.codePage), c.utf8) << c.codePage;
  }
}

TEST(Codepage, UnmappableAndMalformedInputKeepsOneBytePerCharacter) {
  std::string ansi;
  // A Greek alpha, a truncated sequence, an overlong slash and a lone continuation byte.
  EXPECT_FALSE(Codepage::FromUtf8("a\xCE\xB1" "b\xE2\x82" "c\xC0\xAF\x80", 1252, ansi, ' '));
  EXPECT_EQ(ansi, "a b  c  ");
}
