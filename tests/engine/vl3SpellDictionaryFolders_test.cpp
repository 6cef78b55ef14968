// The dictionary folders on their own: names resolved in them, listings
// without repeats, and the word processor's lists in their three encodings.
#include "vl3SpellDictionaryFolders.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "vl3Platform.h"

namespace {

// Two folders of their own with a few files, removed at the end.
class SpellDictionaryFolders : public ::testing::Test {
 protected:
  void SetUp() override {
    root = Platform::TempDirectory() + "\\vxfolders_" + std::to_string(::getpid());
    first = root + "\\one";
    second = root + "\\two";
    for (const std::string& folder : {root, first, second}) Platform::CreateDirectory(folder);
    Write(first + "\\User.vlu", "");
    Write(second + "\\User.vlu", "");
    Write(second + "\\Extra.vlu", "");
    Write(second + "\\Main.vlm", "");
  }
  void TearDown() override {
    for (const std::string& file : written) Platform::DeleteFile(file);
    for (const std::string& folder : {first, second, root}) Platform::RemoveDirectory(folder);
  }
  void Write(const std::string& path, const std::string& data) {
    ASSERT_TRUE(Platform::WriteWholeFile(path, data));
    written.push_back(path);
  }

  std::string root, first, second;
  std::vector<std::string> written;
};

TEST_F(SpellDictionaryFolders, ResolvesNamesAndListsFilesOnce) {
  std::vector<std::string> expanded;
  TSpellDictionaryFolders folders([&expanded](const std::string& path) {
    expanded.push_back(path);
    std::string result = path;
    const size_t at = result.find("%Root%");
    if (at != std::string::npos) result.replace(at, 6, "");
    return result;
  });
  EXPECT_EQ(folders.ResolveCustom("User.vlu"), "User.vlu");  // no folders: the name itself

  TStringList configured, added;
  configured.Add("%Root%" + first + "\\");
  added.Add(second);
  folders.SetFolders(configured, &added);
  ASSERT_EQ(folders.Folders().Count(), 2);
  EXPECT_EQ(folders.Expanded()[0], first);
  EXPECT_FALSE(expanded.empty());  // every path went through the expansion

  EXPECT_EQ(folders.ResolveCustom("User.vlu"), first + "\\User.vlu");
  EXPECT_EQ(folders.ResolveCustom("Extra.vlu"), second + "\\Extra.vlu");
  EXPECT_EQ(folders.ResolveCustom("New.vlu"),
            first + "\\New.vlu");  // a new one goes to the first folder
  EXPECT_EQ(folders.ResolveCustom("%Root%" + second + "\\X.vlu"), second + "\\X.vlu");
  EXPECT_TRUE(TSpellDictionaryFolders::IsPath(second + "\\X.vlu"));
  EXPECT_FALSE(TSpellDictionaryFolders::IsPath("X.vlu"));

  EXPECT_TRUE(folders.NameTaken("Extra.vlu"));
  EXPECT_TRUE(folders.NameTaken("Main.vlm"));
  EXPECT_FALSE(folders.NameTaken("Other.vlu"));

  TStringList custom;
  folders.FindFiles("vlu", custom);
  EXPECT_EQ(custom.Count(), 2);  // User.vlu is in both folders
  EXPECT_GE(custom.IndexOf("User.vlu"), 0);
  EXPECT_GE(custom.IndexOf("Extra.vlu"), 0);

  folders.MainFiles().Add("Main.vlm");
  folders.CustomFiles().Add("User.vlu");
  folders.ClearListings();
  EXPECT_TRUE(folders.MainFiles().Empty());
  EXPECT_TRUE(folders.CustomFiles().Empty());

  folders.SetFolders(configured, nullptr);
  EXPECT_EQ(folders.Folders().Count(), 1);
  EXPECT_FALSE(folders.NameTaken("Extra.vlu"));
}

TEST_F(SpellDictionaryFolders, ReadsWordListsInEachEncodingAsAnsi) {
  struct TCase {
    const char* name;
    std::string bytes;
  } cases[] = {
      {"ansi.dic", "caf\xE9\r\nword\r\n"},
      {"utf8.dic",
       "\xEF\xBB\xBF"
       "caf\xC3\xA9\r\nword\r\n"},
      {"utf16.dic", std::string("\xFF\xFE"
                                "c\0a\0f\0\xE9\0\r\0\n\0w\0o\0r\0d\0",
                                22)},
  };
  for (const TCase& c : cases) {
    const std::string path = root + "\\" + c.name;
    Write(path, c.bytes);
    TStringList words;
    ASSERT_TRUE(TSpellDictionaryFolders::ReadWordList(path, words)) << c.name;
    ASSERT_EQ(words.Count(), 2) << c.name;
    EXPECT_EQ(words[0], "caf\xE9") << c.name;
    EXPECT_EQ(words[1], "word") << c.name;
  }
  TStringList none;
  EXPECT_FALSE(TSpellDictionaryFolders::ReadWordList(root + "\\missing.dic", none));
}

}  // namespace
