#include "vl3StringList.h"

#include <gtest/gtest.h>

TEST(StringList, FindIsCaseInsensitiveForAccentedLetters) {
  TStringList list;
  list.Add("Apple");
  list.Add("\xC9t\xE9");  // Été
  EXPECT_EQ(list.IndexOf("APPLE"), 0);
  EXPECT_EQ(list.IndexOf("\xE9t\xE9"), 1);
  EXPECT_EQ(list.IndexOf("pear"), -1);
}

TEST(StringList, SortedModeOrdersAndDropsDuplicates) {
  TStringList list;
  list.SetSorted(true);
  list.Add("pear");
  list.Add("Apple");
  list.Add("apple");
  list.Add("fig");
  ASSERT_EQ(list.Count(), 3);
  EXPECT_EQ(list[0], "Apple");
  EXPECT_EQ(list[1], "fig");
  EXPECT_EQ(list[2], "pear");
  EXPECT_EQ(list.IndexOf("PEAR"), 2);
}

TEST(StringList, ChangeNotificationFoldsBatches) {
  TStringList list;
  int changes = 0;
  list.OnChange = [&](TStringList*) { ++changes; };
  list.Add("a");
  EXPECT_EQ(changes, 1);
  list.BeginUpdate();
  list.Add("b");
  list.Add("c");
  list.Delete(0);
  list.EndUpdate();
  EXPECT_EQ(changes, 2);
}

TEST(StringList, TextSplitsAnyLineEnding) {
  TStringList list;
  list.SetText("one\r\ntwo\nthree\rfour");
  ASSERT_EQ(list.Count(), 4);
  EXPECT_EQ(list[3], "four");
  EXPECT_EQ(list.Text(), "one\r\ntwo\r\nthree\r\nfour\r\n");
}

TEST(StringList, CommaTextRoundTripsQuotedEntries) {
  TStringList list;
  list.Add("plain");
  list.Add("with space");
  list.Add("say \"hi\"");
  list.Add("");
  TStringList back;
  back.SetCommaText(list.CommaText());
  EXPECT_EQ(back, list);
}

TEST(StringList, ObjectsTravelWithTheirStrings) {
  TStringList list;
  list.AddObject("b", 2);
  list.AddObject("a", 1);
  list.SetSorted(true);
  EXPECT_EQ(list.Objects(list.IndexOf("a")), 1);
  EXPECT_EQ(list.Objects(list.IndexOf("b")), 2);
}
