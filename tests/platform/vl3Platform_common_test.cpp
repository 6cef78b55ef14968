// Behaviour of the platform seam that Windows and POSIX hosts share: the same
// cases run natively and, against the real Win32 functions, under Wine.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "vl3Codepage.h"
#include "vl3FaultWalk.h"
#include "vl3Platform.h"
#include "vl3TestFolder.h"

namespace {

void SetEnv(const std::string& name, const std::string& value) {
#ifdef _WIN32
  _putenv_s(name.c_str(), value.c_str());
#else
  setenv(name.c_str(), value.c_str(), 1);
#endif
}

std::string ReadText(const std::string& path) {
  std::string data;
  Platform::ReadWholeFile(path, data);
  return data;
}

}  // namespace

// ---- Files -----------------------------------------------------------------

TEST(PlatformFiles, ExistenceSizeAndAttributesTellFilesFromFolders) {
  TTestFolder dir;
  ASSERT_FALSE(dir.Path().empty());
  std::string file = dir.File("words.txt");
  ASSERT_TRUE(Platform::WriteWholeFile(file, "hello"));

  EXPECT_TRUE(Platform::FileExists(file));
  EXPECT_FALSE(Platform::DirectoryExists(file));
  EXPECT_TRUE(Platform::DirectoryExists(dir.Path()));
  EXPECT_FALSE(Platform::FileExists(dir.Path()));
  EXPECT_FALSE(Platform::FileExists(dir.File("missing.txt")));
  EXPECT_FALSE(Platform::FileExists(""));

  uint64_t size = 0;
  ASSERT_TRUE(Platform::GetFileSize(file, size));
  EXPECT_EQ(size, 5u);
  EXPECT_FALSE(Platform::GetFileSize(dir.Path(), size));

  EXPECT_EQ(Platform::GetFileAttributes(dir.File("missing.txt")), Platform::kInvalidAttributes);
  EXPECT_NE(Platform::GetFileAttributes(dir.Path()) & Platform::kAttrDirectory, 0u);
  EXPECT_EQ(Platform::GetFileAttributes(file) & Platform::kAttrDirectory, 0u);

  int64_t stamp = 0;
  EXPECT_TRUE(Platform::GetLastWriteTime(file, stamp));
  EXPECT_GT(stamp, 0);
}

TEST(PlatformFiles, ReadOnlyFilesRefuseDeletionUntilCleared) {
  TTestFolder dir;
  std::string file = dir.File("locked.vlu");
  ASSERT_TRUE(Platform::WriteWholeFile(file, "x"));
  ASSERT_TRUE(Platform::SetFileAttributes(file, Platform::kAttrReadOnly));
  EXPECT_NE(Platform::GetFileAttributes(file) & Platform::kAttrReadOnly, 0u);
  EXPECT_FALSE(Platform::DeleteFile(file));
  EXPECT_FALSE(Platform::TryCreateFile(file, false));
  EXPECT_TRUE(Platform::FileExists(file));

  ASSERT_TRUE(Platform::SetFileAttributes(file, Platform::kAttrNormal));
  EXPECT_EQ(Platform::GetFileAttributes(file) & Platform::kAttrReadOnly, 0u);
  EXPECT_TRUE(Platform::DeleteFile(file));
  EXPECT_FALSE(Platform::FileExists(file));
}

// A save replaces the old contents only once the new ones are complete, and
// leaves nothing else in the folder; a read-only file is not replaced.
TEST(PlatformFiles, SavingReplacesTheWholeFileAndLeavesNothingBeside) {
  TTestFolder dir;
  std::string file = dir.File("user.vlu");
  ASSERT_TRUE(Platform::WriteWholeFile(file, "the first, longer version"));
  ASSERT_TRUE(Platform::WriteWholeFile(file, "second"));
  EXPECT_EQ(ReadText(file), "second");
  EXPECT_EQ(Platform::FindFiles(dir.File("*")).size(), 1u);

  ASSERT_TRUE(Platform::SetFileAttributes(file, Platform::kAttrReadOnly));
  EXPECT_FALSE(Platform::WriteWholeFile(file, "third"));
  EXPECT_EQ(ReadText(file), "second");
  EXPECT_EQ(Platform::FindFiles(dir.File("*")).size(), 1u);
  ASSERT_TRUE(Platform::SetFileAttributes(file, Platform::kAttrNormal));

  // What a save killed before its move left (no program has that number) goes
  // with the next save of the same file; names not of that pattern stay.
  const std::vector<std::string> kept = {"user.vlu.vxsome-1.tmp", "other.vlu.vx2000000004-1.tmp"};
  for (const std::string& name : kept) ASSERT_TRUE(Platform::WriteWholeFile(dir.File(name), "x"));
  ASSERT_TRUE(Platform::WriteWholeFile(dir.File("user.vlu.vx2000000004-7.tmp"), "cut off"));
  ASSERT_TRUE(Platform::WriteWholeFile(file, "fourth"));
  EXPECT_FALSE(Platform::FileExists(dir.File("user.vlu.vx2000000004-7.tmp")));
  for (const std::string& name : kept) EXPECT_TRUE(Platform::FileExists(dir.File(name))) << name;

  EXPECT_FALSE(Platform::WriteWholeFile(dir.File("missing\\file.txt"), "x"));
  EXPECT_FALSE(Platform::WriteWholeFile(dir.Path(), "x"));
}

TEST(PlatformFiles, RenameRefusesToReplaceAnExistingFile) {
  TTestFolder dir;
  std::string a = dir.File("a.vlu"), b = dir.File("b.vlu"), c = dir.File("c.vlu");
  ASSERT_TRUE(Platform::WriteWholeFile(a, "A"));
  ASSERT_TRUE(Platform::WriteWholeFile(b, "B"));
  EXPECT_FALSE(Platform::RenameFile(a, b));
  EXPECT_EQ(ReadText(b), "B");
  EXPECT_TRUE(Platform::RenameFile(a, c));
  EXPECT_FALSE(Platform::FileExists(a));
  EXPECT_EQ(ReadText(c), "A");
}

TEST(PlatformFiles, CopyHonoursFailIfExists) {
  TTestFolder dir;
  std::string a = dir.File("a.txt"), b = dir.File("b.txt");
  ASSERT_TRUE(Platform::WriteWholeFile(a, "new"));
  ASSERT_TRUE(Platform::WriteWholeFile(b, "old"));
  EXPECT_FALSE(Platform::CopyFile(a, b, true));
  EXPECT_EQ(ReadText(b), "old");
  EXPECT_TRUE(Platform::CopyFile(a, b, false));
  EXPECT_EQ(ReadText(b), "new");
  EXPECT_FALSE(Platform::CopyFile(dir.File("missing"), dir.File("c.txt"), false));
}

TEST(PlatformFiles, FoldersAreCreatedOneLevelAndRemovedWhenEmpty) {
  TTestFolder dir;
  std::string sub = dir.File("sub");
  EXPECT_FALSE(Platform::CreateDirectory(dir.File("x\\y")));
  EXPECT_TRUE(Platform::CreateDirectory(sub));
  EXPECT_FALSE(Platform::CreateDirectory(sub));
  ASSERT_TRUE(Platform::WriteWholeFile(sub + "\\f", "1"));
  EXPECT_FALSE(Platform::RemoveDirectory(sub));
  ASSERT_TRUE(Platform::DeleteFile(sub + "\\f"));
  EXPECT_TRUE(Platform::RemoveDirectory(sub));
  EXPECT_FALSE(Platform::DirectoryExists(sub));
}

TEST(PlatformFiles, FindFilesMatchesPatternsWithoutCaseAndSkipsFolders) {
  TTestFolder dir;
  for (const char* name : {"alpha.vlm", "BETA.VLM", "c.vlu", "noext", "data.vlm.bak"})
    ASSERT_TRUE(Platform::WriteWholeFile(dir.File(name), "x"));
  ASSERT_TRUE(Platform::CreateDirectory(dir.File("folder.vlm")));

  struct Case {
    const char* pattern;
    std::vector<std::string> names;
  } cases[] = {
      {"*.vlm", {"alpha.vlm", "BETA.VLM"}},
      {"*.VLM", {"alpha.vlm", "BETA.VLM"}},
      {"?.vlu", {"c.vlu"}},
      {"a*", {"alpha.vlm"}},
      {"*", {"alpha.vlm", "BETA.VLM", "c.vlu", "data.vlm.bak", "noext"}},
      {"*.*", {"alpha.vlm", "BETA.VLM", "c.vlu", "data.vlm.bak", "noext"}},
      {"noext", {"noext"}},
      {"*.dic", {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Platform::FindFiles(dir.File(c.pattern)), c.names) << c.pattern;
  }
  EXPECT_TRUE(Platform::FindFiles(dir.File("missing\\*.vlm")).empty());
  EXPECT_TRUE(Platform::FindFiles("").empty());
}

TEST(PlatformFiles, TryCreateFileCreatesOrTestsWithoutLosingData) {
  TTestFolder dir;
  std::string fresh = dir.File("fresh.vlu");
  EXPECT_TRUE(Platform::TryCreateFile(fresh, true));
  EXPECT_FALSE(Platform::FileExists(fresh)) << "a new file goes again with deleteOnClose";

  EXPECT_TRUE(Platform::TryCreateFile(fresh, false));
  uint64_t size = 1;
  EXPECT_TRUE(Platform::GetFileSize(fresh, size));
  EXPECT_EQ(size, 0u);

  std::string existing = dir.File("existing.vlu");
  ASSERT_TRUE(Platform::WriteWholeFile(existing, "precious"));
  EXPECT_TRUE(Platform::TryCreateFile(existing, true));
  EXPECT_EQ(ReadText(existing), "precious") << "an existing file is never deleted";
  EXPECT_TRUE(Platform::TryCreateFile(existing, false));
  EXPECT_EQ(ReadText(existing), "precious");

  EXPECT_FALSE(Platform::TryCreateFile(dir.File("no\\such\\folder.vlu"), false));
  EXPECT_FALSE(Platform::TryCreateFile(dir.Path(), false));
}

TEST(PlatformFiles, WholeFilesRoundTripEveryByte) {
  TTestFolder dir;
  std::string bytes;
  for (int i = 0; i < 256; ++i) bytes += static_cast<char>(i);
  std::string file = dir.File("bytes.bin");
  ASSERT_TRUE(Platform::WriteWholeFile(file, bytes + bytes));
  EXPECT_EQ(ReadText(file), bytes + bytes);
  std::string data = "unchanged";
  EXPECT_FALSE(Platform::ReadWholeFile(dir.File("missing"), data));
}

TEST(PlatformFiles, TempDirectoryExistsWithoutTrailingDelimiter) {
  std::string temp = Platform::TempDirectory();
  ASSERT_FALSE(temp.empty());
  EXPECT_NE(temp.back(), '\\');
  EXPECT_TRUE(Platform::DirectoryExists(temp));
}

// ---- Mapping ---------------------------------------------------------------

TEST(PlatformMapping, MapsTheWholeFileReadOnly) {
  TTestFolder dir;
  std::string file = dir.File("dict.vlm");
  std::string content(100000, '\0');
  for (size_t i = 0; i < content.size(); ++i) content[i] = static_cast<char>(i * 7);
  ASSERT_TRUE(Platform::WriteWholeFile(file, content));

  Platform::TMappedFile map;
  ASSERT_TRUE(map.Open(file));
  EXPECT_TRUE(map.IsOpen());
  ASSERT_EQ(map.Size(), content.size());
  ASSERT_NE(map.Data(), nullptr);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(map.Data()), map.Size()), content);
  map.Close();
  EXPECT_FALSE(map.IsOpen());
  EXPECT_EQ(map.Data(), nullptr);
  EXPECT_EQ(map.Size(), 0u);
}

// Recompiling a dictionary that a running program has mapped must not cut
// the mapping short under it (a read past the new end would crash it).
TEST(PlatformMapping, SavingOverAMappedFileLeavesTheMappingWhole) {
  TTestFolder dir;
  std::string file = dir.File("dict.vlm");
  const std::string content(200000, 'w');
  ASSERT_TRUE(Platform::WriteWholeFile(file, content));
  Platform::TMappedFile map;
  ASSERT_TRUE(map.Open(file));
  // Windows refuses to replace a mapped file; elsewhere the new file takes
  // its place while the mapping keeps the old one.
  const bool replaced = Platform::WriteWholeFile(file, "short");
  EXPECT_EQ(ReadText(file), replaced ? "short" : content);
  ASSERT_EQ(map.Size(), content.size());
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(map.Data()), map.Size()), content);
}

TEST(PlatformMapping, EmptyFileOpensWithNothingMappedAndMissingFileFails) {
  TTestFolder dir;
  std::string empty = dir.File("empty.vlm");
  ASSERT_TRUE(Platform::WriteWholeFile(empty, ""));
  Platform::TMappedFile map;
  EXPECT_TRUE(map.Open(empty));
  EXPECT_TRUE(map.IsOpen());
  EXPECT_EQ(map.Data(), nullptr);
  EXPECT_EQ(map.Size(), 0u);

  EXPECT_FALSE(map.Open(dir.File("missing.vlm")));
  EXPECT_FALSE(map.IsOpen());
  EXPECT_FALSE(map.Open(dir.Path()));
  EXPECT_FALSE(map.Open(""));
}

TEST(PlatformMapping, ReopeningReleasesTheFirstFile) {
  TTestFolder dir;
  ASSERT_TRUE(Platform::WriteWholeFile(dir.File("a"), "first"));
  ASSERT_TRUE(Platform::WriteWholeFile(dir.File("b"), "second!"));
  Platform::TMappedFile map;
  ASSERT_TRUE(map.Open(dir.File("a")));
  ASSERT_TRUE(map.Open(dir.File("b")));
  EXPECT_EQ(map.Size(), 7u);
  // The first file is no longer held open.
  EXPECT_TRUE(Platform::DeleteFile(dir.File("a")));
}

// ---- Registry --------------------------------------------------------------

class PlatformRegistry : public ::testing::Test {
 protected:
  void SetUp() override {
#ifndef _WIN32
    SetEnv("VX_REGISTRY_FILE", dir_.File("registry.ini"));
#endif
    key_ = "Software\\Vexlor\\Tests\\" + dir_.Path().substr(dir_.Path().rfind('\\') + 1);
  }
  void TearDown() override { Platform::RegDeleteKey(Platform::TRegistryRoot::CurrentUser, key_); }

  TTestFolder dir_;
  std::string key_;
  const Platform::TRegistryRoot hkcu_ = Platform::TRegistryRoot::CurrentUser;
};

TEST_F(PlatformRegistry, StringValuesRoundTripUnderCaseInsensitiveNames) {
  EXPECT_FALSE(Platform::RegKeyExists(hkcu_, key_));
  ASSERT_TRUE(Platform::RegWriteString(hkcu_, key_ + "\\Config", "_Main", "American.vlm"));
  ASSERT_TRUE(Platform::RegWriteString(hkcu_, key_ + "\\Config", "Empty", ""));
  ASSERT_TRUE(Platform::RegWriteString(hkcu_, key_ + "\\Config", "Odd", "a=b \"q\" \\ [x] ;c \xE9"));
  EXPECT_TRUE(Platform::RegKeyExists(hkcu_, key_));
  EXPECT_TRUE(Platform::RegKeyExists(hkcu_, key_ + "\\CONFIG"));

  std::string value;
  ASSERT_TRUE(Platform::RegReadString(hkcu_, key_ + "\\config", "_MAIN", value));
  EXPECT_EQ(value, "American.vlm");
  ASSERT_TRUE(Platform::RegReadString(hkcu_, key_ + "\\Config", "Empty", value));
  EXPECT_EQ(value, "");
  ASSERT_TRUE(Platform::RegReadString(hkcu_, key_ + "\\Config", "odd", value));
  EXPECT_EQ(value, "a=b \"q\" \\ [x] ;c \xE9");
  EXPECT_FALSE(Platform::RegReadString(hkcu_, key_ + "\\Config", "Missing", value));
  EXPECT_FALSE(Platform::RegReadString(hkcu_, key_ + "\\Nowhere", "_Main", value));

  ASSERT_TRUE(Platform::RegWriteString(hkcu_, key_ + "\\Config", "_main", "British.vlm"));
  ASSERT_TRUE(Platform::RegReadString(hkcu_, key_ + "\\Config", "_Main", value));
  EXPECT_EQ(value, "British.vlm");

  std::vector<std::string> names;
  ASSERT_TRUE(Platform::RegValueNames(hkcu_, key_ + "\\Config", names));
  EXPECT_EQ(names.size(), 3u);
  EXPECT_FALSE(Platform::RegValueNames(hkcu_, key_ + "\\Nowhere", names));
}

TEST_F(PlatformRegistry, KeysAreCreatedWithParentsListedAndDeletedWithSubkeys) {
  ASSERT_TRUE(Platform::RegCreateKey(hkcu_, key_ + "\\A\\Deep"));
  ASSERT_TRUE(Platform::RegCreateKey(hkcu_, key_ + "\\B"));
  EXPECT_TRUE(Platform::RegKeyExists(hkcu_, key_ + "\\A"));
  std::vector<std::string> subkeys;
  ASSERT_TRUE(Platform::RegSubKeyNames(hkcu_, key_, subkeys));
  EXPECT_EQ(subkeys, (std::vector<std::string>{"A", "B"}));

  ASSERT_TRUE(Platform::RegWriteString(hkcu_, key_ + "\\A\\Deep", "v", "1"));
  EXPECT_TRUE(Platform::RegDeleteKey(hkcu_, key_ + "\\A"));
  EXPECT_FALSE(Platform::RegKeyExists(hkcu_, key_ + "\\A\\Deep"));
  EXPECT_FALSE(Platform::RegKeyExists(hkcu_, key_ + "\\A"));
  EXPECT_TRUE(Platform::RegKeyExists(hkcu_, key_ + "\\B"));
  EXPECT_FALSE(Platform::RegDeleteKey(hkcu_, key_ + "\\A"));
  EXPECT_FALSE(Platform::RegDeleteKey(hkcu_, "")) << "never the whole hive";
}

TEST_F(PlatformRegistry, DeletingValuesLeavesTheOthers) {
  ASSERT_TRUE(Platform::RegWriteString(hkcu_, key_, "One", "1"));
  ASSERT_TRUE(Platform::RegWriteString(hkcu_, key_, "Two", "2"));
  EXPECT_TRUE(Platform::RegDeleteValue(hkcu_, key_, "ONE"));
  EXPECT_FALSE(Platform::RegDeleteValue(hkcu_, key_, "One"));
  std::vector<std::string> names;
  ASSERT_TRUE(Platform::RegValueNames(hkcu_, key_, names));
  EXPECT_EQ(names, std::vector<std::string>{"Two"});
}

// ---- INI files -------------------------------------------------------------

TEST(PlatformIni, WriteCreatesFileAndSectionAndReadsBackWithoutCase) {
  TTestFolder dir;
  std::string file = dir.File("Spell.cfg");
  ASSERT_TRUE(Platform::IniWriteString(file, "Default", "_Main", "American.vlm"));
  ASSERT_TRUE(Platform::IniWriteString(file, "Default", "soUpcase", "1"));
  ASSERT_TRUE(Platform::IniWriteString(file, "Other", "_Main", "British.vlm"));
  EXPECT_EQ(Platform::IniReadString(file, "DEFAULT", "_main", "?"), "American.vlm");
  EXPECT_EQ(Platform::IniReadString(file, "other", "_MAIN", "?"), "British.vlm");
  ASSERT_TRUE(Platform::IniWriteString(file, "default", "_MAIN", "Canadian.vlm"));
  EXPECT_EQ(Platform::IniReadString(file, "Default", "_Main", "?"), "Canadian.vlm");
  EXPECT_EQ(Platform::IniReadKeys(file, "Default"), (std::vector<std::string>{"_Main", "soUpcase"}));
  EXPECT_EQ(Platform::IniReadSections(file), (std::vector<std::string>{"Default", "Other"}));
}

TEST(PlatformIni, MissingFileSectionOrKeyGivesTheDefault) {
  TTestFolder dir;
  std::string file = dir.File("Spell.cfg");
  EXPECT_EQ(Platform::IniReadString(file, "S", "K", "fallback"), "fallback");
  EXPECT_EQ(Platform::IniReadString(file, "S", "K", "trailing   "), "trailing");
  EXPECT_TRUE(Platform::IniReadKeys(file, "S").empty());
  EXPECT_TRUE(Platform::IniReadSections(file).empty());
  ASSERT_TRUE(Platform::IniWriteString(file, "S", "K", "v"));
  EXPECT_EQ(Platform::IniReadString(file, "T", "K", "d"), "d");
  EXPECT_EQ(Platform::IniReadString(file, "S", "L", "d"), "d");
}

TEST(PlatformIni, ValuesAreTrimmedAndLoseOnePairOfQuotes) {
  TTestFolder dir;
  std::string file = dir.File("odd.ini");
  ASSERT_TRUE(Platform::WriteWholeFile(file,
                                       "; a comment\r\n"
                                       "[Sec]\r\n"
                                       "  Spaced   =   value with  blanks   \r\n"
                                       "Double=\"  quoted  \"\r\n"
                                       "Single='x'\r\n"
                                       "Nested=\"\"inner\"\"\r\n"
                                       "Mismatched=\"open\r\n"
                                       "Empty=\r\n"
                                       "Equals=a=b\r\n"
                                       "bareword\r\n"
                                       "Dup=first\r\n"
                                       "Dup=second\r\n"));
  struct Case {
    const char* key;
    const char* value;
  } cases[] = {
      {"Spaced", "value with  blanks"}, {"Double", "  quoted  "},  {"Single", "x"},
      {"Nested", "\"inner\""},          {"Mismatched", "\"open"}, {"Empty", ""},
      {"Equals", "a=b"},                {"bareword", "<default>"}, {"Dup", "first"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Platform::IniReadString(file, "Sec", c.key, "<default>"), c.value) << c.key;
}

TEST(PlatformIni, RewritingKeepsCommentsAndOtherEntries) {
  TTestFolder dir;
  std::string file = dir.File("keep.ini");
  ASSERT_TRUE(Platform::WriteWholeFile(file,
                                       "; settings of the spell checker\r\n"
                                       "[A]\r\n"
                                       "one=1\r\n"
                                       "; about two\r\n"
                                       "two=2\r\n"
                                       "[B]\r\n"
                                       "three=3\r\n"));
  ASSERT_TRUE(Platform::IniWriteString(file, "A", "two", "22"));
  ASSERT_TRUE(Platform::IniWriteString(file, "A", "new", "n"));
  ASSERT_TRUE(Platform::IniWriteString(file, "C", "four", "4"));
  std::string text = ReadText(file);
  EXPECT_NE(text.find("; settings of the spell checker"), std::string::npos);
  EXPECT_NE(text.find("; about two"), std::string::npos);
  EXPECT_EQ(Platform::IniReadString(file, "A", "one", ""), "1");
  EXPECT_EQ(Platform::IniReadString(file, "A", "two", ""), "22");
  EXPECT_EQ(Platform::IniReadString(file, "A", "new", ""), "n");
  EXPECT_EQ(Platform::IniReadString(file, "B", "three", ""), "3");
  EXPECT_EQ(Platform::IniReadString(file, "C", "four", ""), "4");
  EXPECT_EQ(Platform::IniReadString(file, "B", "new", "none"), "none");
}

TEST(PlatformIni, DeletesKeysAndSections) {
  TTestFolder dir;
  std::string file = dir.File("del.ini");
  ASSERT_TRUE(Platform::IniWriteString(file, "A", "x", "1"));
  ASSERT_TRUE(Platform::IniWriteString(file, "A", "y", "2"));
  ASSERT_TRUE(Platform::IniWriteString(file, "B", "z", "3"));
  EXPECT_TRUE(Platform::IniDeleteKey(file, "a", "X"));
  EXPECT_EQ(Platform::IniReadKeys(file, "A"), std::vector<std::string>{"y"});
  EXPECT_TRUE(Platform::IniDeleteSection(file, "b"));
  EXPECT_EQ(Platform::IniReadSections(file), std::vector<std::string>{"A"});
  EXPECT_TRUE(Platform::IniDeleteKey(dir.File("missing.ini"), "A", "x"));
  EXPECT_FALSE(Platform::FileExists(dir.File("missing.ini")));
}

TEST(PlatformIni, RefusesEntriesThatWouldNotReadBack) {
  TTestFolder dir;
  std::string file = dir.File("safe.ini");
  ASSERT_TRUE(Platform::IniWriteString(file, "S", "k", "v"));
  struct Case {
    const char* section;
    const char* key;
    const char* value;
  } cases[] = {
      {"S", "k", "line\r\n[Injected]\r\nx=1"}, {"S", "a=b", "v"}, {"S", "", "v"},
      {"", "k", "v"},                           {"S]", "k", "v"}, {"S", "[k", "v"},
      {"S", ";k", "v"},                         {"S\n", "k", "v"},
  };
  for (const Case& c : cases)
    EXPECT_FALSE(Platform::IniWriteString(file, c.section, c.key, c.value)) << c.section << "/" << c.key;
  EXPECT_EQ(Platform::IniReadSections(file), std::vector<std::string>{"S"});
  EXPECT_EQ(Platform::IniReadString(file, "S", "k", ""), "v");
}

// ---- System ----------------------------------------------------------------

TEST(PlatformSystem, EnvironmentExpansionLeavesUnknownNamesAlone) {
  SetEnv("VXTEST_FOLDER", "C:\\Data");
  struct Case {
    const char* text;
    const char* expanded;
  } cases[] = {
      {"%VXTEST_FOLDER%\\a.vlu", "C:\\Data\\a.vlu"},
      {"%vxtest_folder%", "C:\\Data"},
      {"%VXTEST_NOT_SET%\\b", "%VXTEST_NOT_SET%\\b"},
      {"100%", "100%"},
      {"%VXTEST_NOT_SET%%VXTEST_FOLDER%", "%VXTEST_NOT_SET%C:\\Data"},
      {"no macros", "no macros"},
      {"", ""},
  };
  for (const Case& c : cases) {
    std::string out;
    ASSERT_TRUE(Platform::ExpandEnvironmentStrings(c.text, out)) << c.text;
    EXPECT_EQ(out, c.expanded) << c.text;
  }
  EXPECT_EQ(Platform::GetEnvironmentVariable("VXTEST_FOLDER"), "C:\\Data");
  EXPECT_EQ(Platform::GetEnvironmentVariable("VXTEST_NOT_SET"), "");
}

TEST(PlatformSystem, LongExpansionsAreNotCutOff) {
  std::string big(6000, 'x');
  SetEnv("VXTEST_BIG", big);
  std::string out;
  ASSERT_TRUE(Platform::ExpandEnvironmentStrings("<%VXTEST_BIG%>", out));
  EXPECT_EQ(out, "<" + big + ">");
}

TEST(PlatformSystem, UserExecutableAndFoldersAreKnown) {
  std::string user;
  EXPECT_TRUE(Platform::GetUserName(user));
  EXPECT_FALSE(user.empty());

  std::string exe = Platform::ExecutablePath();
  EXPECT_TRUE(Platform::FileExists(exe)) << exe;
  EXPECT_NE(exe.find("vl3Platform_common_test"), std::string::npos) << exe;

  for (int csidl : {26, 5}) {
    std::string folder;
    ASSERT_TRUE(Platform::GetSpecialFolderPath(csidl, folder)) << csidl;
    EXPECT_FALSE(folder.empty());
    EXPECT_NE(folder.back(), '\\');
  }
  std::string unknown;
  EXPECT_FALSE(Platform::GetSpecialFolderPath(-12345, unknown));
}

TEST(PlatformSystem, TickCountMovesForward) {
  uint32_t a = Platform::TickCount();
  uint32_t b = Platform::TickCount();
  EXPECT_LE(static_cast<uint32_t>(b - a), 1000u);
}

TEST(PlatformUi, MessageBoxHookAnswersAndSeesTheRequest) {
  std::string seenText, seenCaption;
  uint32_t seenFlags = 0;
  Platform::SetMessageBoxHook([&](const std::string& text, const std::string& caption, uint32_t flags) {
    seenText = text;
    seenCaption = caption;
    seenFlags = flags;
    return Platform::kIdNo;
  });
  EXPECT_EQ(Platform::MessageBox("Continue?", "Spelling", Platform::kMbYesNo | Platform::kMbIconQuestion),
            Platform::kIdNo);
  EXPECT_EQ(seenText, "Continue?");
  EXPECT_EQ(seenCaption, "Spelling");
  EXPECT_EQ(seenFlags, Platform::kMbYesNo | Platform::kMbIconQuestion);
  Platform::SetMessageBoxHook(nullptr);
}

TEST(PlatformUi, CursorRemembersTheHourglass) {
  Platform::SetCursor(Platform::TCursor::Hourglass);
  EXPECT_EQ(Platform::GetCursor(), Platform::TCursor::Hourglass);
  Platform::SetCursor(Platform::TCursor::Default);
  EXPECT_EQ(Platform::GetCursor(), Platform::TCursor::Default);
  Platform::ProcessMessages();
}

// ---- Text ------------------------------------------------------------------

// Western words (code page 1252, written here in UTF-8) in four languages'
// orders: the system's collation under Windows and the portable one
// elsewhere agree on these.
TEST(PlatformText, WordsCompareInTheLanguagesOrderWithoutCase) {
  auto compare = [](const char* a, const char* b, uint32_t langId) {
    std::string a1252, b1252;
    EXPECT_TRUE(Codepage::FromUtf8(a, 1252, a1252) && Codepage::FromUtf8(b, 1252, b1252));
    return Platform::CompareTextInLanguage(a1252, b1252, langId);
  };
  struct TCase {
    uint32_t langId;
    const char* before;
    const char* after;
  };
  const TCase cases[] = {
      {0x0409, "zest", "Zeta"}, {0x0409, "élan", "zest"}, {0x0409, "Apple", "Ärger"},
      {0x0409, "cote", "côte"}, {0x0407, "übel", "Ufer"}, {0x0407, "Straße", "Strauß"},
      {0x041D, "zon", "år"},    {0x041D, "år", "ära"},    {0x041D, "ära", "öl"},
      {0x0406, "zone", "æble"}, {0x0406, "æble", "øl"},   {0x0406, "øl", "år"},
  };
  for (const TCase& c : cases) {
    EXPECT_LT(compare(c.before, c.after, c.langId), 0) << c.before << " " << c.after;
    EXPECT_GT(compare(c.after, c.before, c.langId), 0) << c.after << " " << c.before;
  }
  EXPECT_EQ(compare("ÉLAN", "élan", 0x0409), 0);
  EXPECT_EQ(compare("Strasse", "STRASSE", 0x0407), 0);
  EXPECT_EQ(compare("Strasse", "Straße", 0x0407), 0);
  EXPECT_EQ(compare("", "", 0x0409), 0);
  EXPECT_LT(compare("", "a", 0x0409), 0);
}

// ---- Faults while writing ----------------------------------------------------

// Every writer of the seam, with a fault walked over each of its file steps:
// the file is always the old or the new one, and a retry writes the change.
TEST(PlatformFaults, EveryWriterLeavesTheOldOrTheNewFile) {
  TTestFolder dir;
  const std::string file = dir.File("words.dat");
  const std::string ini = dir.File("Spell.cfg");
  std::string oldData, newData;
  for (int i = 0; i < 2000; ++i) oldData += "word" + std::to_string(i) + "\r\n";
  newData = oldData + "one more\r\n";
  const auto iniValue = [&](const char* key) { return Platform::IniReadString(ini, "Words", key, "-"); };
  const auto iniOld = [&] { return iniValue("a") == "1" && iniValue("b") == "2" && iniValue("c") == "-"; };
  const std::vector<TWriterCase> cases = {
      {"whole file", [&] { ASSERT_TRUE(Platform::WriteWholeFile(file, oldData)); },
       [&] { return Platform::WriteWholeFile(file, newData); }, [&] { return ReadText(file) == oldData; },
       [&] { return ReadText(file) == newData; }, nullptr, dir.Path()},
      {"INI value", [&] { ASSERT_TRUE(Platform::WriteWholeFile(ini, "[Words]\r\na=1\r\nb=2\r\n")); },
       [&] { return Platform::IniWriteString(ini, "Words", "c", "3"); }, iniOld,
       [&] { return iniValue("a") == "1" && iniValue("b") == "2" && iniValue("c") == "3"; }, nullptr, dir.Path()},
      {"INI deletion", [&] { ASSERT_TRUE(Platform::WriteWholeFile(ini, "[Words]\r\na=1\r\nb=2\r\n")); },
       [&] { return Platform::IniDeleteKey(ini, "Words", "a"); }, iniOld,
       [&] { return iniValue("a") == "-" && iniValue("b") == "2"; }, nullptr, dir.Path()},
  };
  for (const TWriterCase& c : cases) {
    TFaultWalkCount count = WalkFaults(c);
    EXPECT_GT(count.injected, 0) << c.name;
    EXPECT_EQ(count.survived, count.injected) << c.name;
  }
}
