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

TEST(Ansi, CentralEuropeanAndCyrillicCodePagesHaveTheirOwnCapitals) {
  struct TCase {
    int codePage;
    const char* upper;
    const char* lower;
  };
  const TCase cases[] = {
      // Russian: the whole alphabet with Yo; Ukrainian I, Yi and Ghe with upturn.
      {1251,
       "\xA8\xC0\xC1\xC2\xC3\xC4\xC5\xC6\xC7\xC8\xC9\xCA\xCB\xCC\xCD\xCE\xCF\xD0\xD1\xD2\xD3\xD4\xD5\xD6\xD7"
       "\xD8\xD9\xDA\xDB\xDC\xDD\xDE\xDF\xB2\xAF\xA5",
       "\xB8\xE0\xE1\xE2\xE3\xE4\xE5\xE6\xE7\xE8\xE9\xEA\xEB\xEC\xED\xEE\xEF\xF0\xF1\xF2\xF3\xF4\xF5\xF6\xF7"
       "\xF8\xF9\xFA\xFB\xFC\xFD\xFE\xFF\xB3\xBF\xB4"},
      // Polish: A ogonek, C acute, E ogonek, L stroke, N acute, O acute, S acute, Z acute, Z dot.
      {1250, "\xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF", "\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF"},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(Ansi::LowerCase(c.upper, c.codePage), c.lower) << c.codePage;
    const unsigned char* upper = Ansi::UpperCaseTable(c.codePage);
    for (const char* p = c.lower; *p; ++p)
      EXPECT_EQ(upper[static_cast<unsigned char>(*p)], static_cast<unsigned char>(c.upper[p - c.lower]));
  }
  // Signs stay signs: the multiplication and division signs of 1250 and
  // sharp s, which has no capital.
  EXPECT_EQ(Ansi::LowerCase("\xD7\xDF", 1250), "\xD7\xDF");
  // Other code pages get the Western tables, as do the plain functions.
  EXPECT_EQ(Ansi::LowerCase("\xD7\x9F", 437), "\xD7\xFF");
  EXPECT_EQ(Ansi::LowerCaseTable(1252)['A'], 'a');
  EXPECT_EQ(Ansi::LowerCase("\xD7"), "\xD7");
}
