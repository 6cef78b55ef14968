// The POSIX INI reader and writer: byte-exact preservation of what a write
// does not touch, line-end styles, and survival of arbitrary bytes.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "vl3Platform.h"
#include "vl3TestFolder.h"

namespace {

std::string ReadText(const std::string& path) {
  std::string data;
  Platform::ReadWholeFile(path, data);
  return data;
}

}  // namespace

TEST(Ini, ChangingOneValueRewritesOnlyItsLine) {
  TTestFolder dir;
  std::string file = dir.File("a.ini");
  const std::string before =
      "; header comment\r\n"
      "\r\n"
      "[Main]\r\n"
      "   Indented = old   \r\n"
      "# not a comment on Windows, just a bare word\r\n"
      "Other=keep\r\n"
      "\r\n"
      "[Tail]\r\n"
      "x=1\r\n";
  ASSERT_TRUE(Platform::WriteWholeFile(file, before));
  ASSERT_TRUE(Platform::IniWriteString(file, "main", "INDENTED", "new"));
  std::string expected = before;
  expected.replace(expected.find("   Indented = old   "), 20, "   Indented =new");
  EXPECT_EQ(ReadText(file), expected);
}

TEST(Ini, NewKeysGoAfterTheSectionsLastEntryNotAfterItsBlankLines) {
  TTestFolder dir;
  std::string file = dir.File("b.ini");
  ASSERT_TRUE(Platform::WriteWholeFile(file, "[A]\nx=1\n\n[B]\ny=2\n"));
  ASSERT_TRUE(Platform::IniWriteString(file, "A", "z", "3"));
  EXPECT_EQ(ReadText(file), "[A]\nx=1\nz=3\n\n[B]\ny=2\n");
}

TEST(Ini, NewSectionsKeepTheFilesLineEnds) {
  struct Case {
    const char* before;
    const char* after;
  } cases[] = {
      {"", "[S]\r\nk=v\r\n"},
      {"[A]\nx=1\n", "[A]\nx=1\n[S]\nk=v\n"},
      {"[A]\r\nx=1", "[A]\r\nx=1\r\n[S]\r\nk=v\r\n"},
      {"[S]", "[S]\r\nk=v\r\n"},
  };
  for (const Case& c : cases) {
    TTestFolder dir;
    std::string file = dir.File("c.ini");
    if (*c.before) {
      ASSERT_TRUE(Platform::WriteWholeFile(file, c.before));
    }
    ASSERT_TRUE(Platform::IniWriteString(file, "S", "k", "v")) << c.before;
    EXPECT_EQ(ReadText(file), c.after) << c.before;
  }
}

TEST(Ini, ByteOrderMarkDoesNotHideTheFirstSection) {
  TTestFolder dir;
  std::string file = dir.File("bom.ini");
  ASSERT_TRUE(Platform::WriteWholeFile(file, "\xEF\xBB\xBF[First]\r\nk=v\r\n"));
  EXPECT_EQ(Platform::IniReadString(file, "First", "k", "?"), "v");
  ASSERT_TRUE(Platform::IniWriteString(file, "First", "k", "w"));
  EXPECT_EQ(ReadText(file), "\xEF\xBB\xBF[First]\r\nk=w\r\n");
}

TEST(Ini, DeletingASectionRemovesAllItsLinesAndCopies) {
  TTestFolder dir;
  std::string file = dir.File("d.ini");
  ASSERT_TRUE(Platform::WriteWholeFile(file, "[A]\nx=1\n; c\n[B]\ny=2\n[a]\nz=3\n"));
  ASSERT_TRUE(Platform::IniDeleteSection(file, "A"));
  EXPECT_EQ(ReadText(file), "[B]\ny=2\n");
}

TEST(Ini, NulBytesEndAValue) {
  TTestFolder dir;
  std::string file = dir.File("nul.ini");
  ASSERT_TRUE(Platform::WriteWholeFile(file, std::string("[S]\nk=ab\0cd\n", 12)));
  EXPECT_EQ(Platform::IniReadString(file, "S", "k", "?"), "ab");
}

TEST(Ini, ArbitraryBytesNeverBreakReadsOrWrites) {
  TTestFolder dir;
  std::string file = dir.File("random.ini");
  std::mt19937 random(12345);
  const char alphabet[] = "[]=;\"' \t\r\nabcAB\0\xE9\xFF";
  for (int round = 0; round < 200; ++round) {
    std::string data;
    int length = static_cast<int>(random() % 300);
    for (int i = 0; i < length; ++i) data += alphabet[random() % (sizeof alphabet - 1)];
    ASSERT_TRUE(Platform::WriteWholeFile(file, data));
    Platform::IniReadString(file, "a", "b", "");
    Platform::IniReadKeys(file, "A");
    Platform::IniReadSections(file);
    ASSERT_TRUE(Platform::IniWriteString(file, "a", "b", "value"));
    EXPECT_EQ(Platform::IniReadString(file, "A", "B", ""), "value") << round;
    ASSERT_TRUE(Platform::IniDeleteKey(file, "a", "b"));
  }
}

TEST(Ini, WriteIntoAFolderOrWithoutAFileNameFails) {
  TTestFolder dir;
  EXPECT_FALSE(Platform::IniWriteString(dir.Path(), "S", "k", "v"));
  EXPECT_FALSE(Platform::IniWriteString("", "S", "k", "v"));
  EXPECT_FALSE(Platform::IniWriteString(dir.File("no\\folder.ini"), "S", "k", "v"));
  EXPECT_EQ(Platform::IniReadString("", "S", "k", "d"), "d");
}
