// Main dictionary files through each platform's file mapping: compiled,
// opened, looked up, released and mapped again (native and Windows).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "vl3DictionaryCompiler.h"
#include "vl3MainDictionary.h"
#include "vl3Platform.h"

namespace {

std::string TempPath(const char* name) {
  return Platform::TempDirectory() + "\\vl3MainDictionary_common_" + name + ".vlm";
}

TEST(MainDictionaryOnThisPlatform, CompiledFileMapsLooksUpAndReleases) {
  TDictionaryCompiler compiler;
  compiler.AddWordList("colour\ncolours\ncoloured\nflavour\nI\n", false);
  TDictionaryCompileOptions options;
  options.title = "British sample";
  options.langId = 0x0809;
  const std::string path = TempPath("sample");
  std::string error;
  ASSERT_TRUE(compiler.CompileToFile(options, path, error)) << error;

  TMainDictionary dictionary;
  dictionary.Open(path);
  ASSERT_EQ(dictionary.SourcePath(), path);
  EXPECT_EQ(dictionary.DisplayTitle(), "British sample");
  EXPECT_EQ(dictionary.LangId(), 0x0809u);
  EXPECT_EQ(dictionary.StoredWordCount(), 5u);
  for (const char* word : {"colour", "colours", "coloured", "flavour", "I"})
    EXPECT_TRUE(dictionary.WordExists(word)) << word;
  for (const char* word : {"color", "Colour", "colo", "i", ""})
    EXPECT_FALSE(dictionary.WordExists(word)) << word;

  // Released between checks and mapped again on the next look-up; while
  // released the file can be replaced and opened anew.
  dictionary.SetMapped(false);
  EXPECT_FALSE(dictionary.Mapped());
  EXPECT_TRUE(dictionary.WordExists("flavour"));
  EXPECT_TRUE(dictionary.Mapped());
  dictionary.SetMapped(false);
  TDictionaryCompiler other;
  other.AddWord("color");
  ASSERT_TRUE(other.CompileToFile(options, path, error)) << error;
  dictionary.Open(path);
  EXPECT_TRUE(dictionary.WordExists("color"));
  EXPECT_FALSE(dictionary.WordExists("colour"));
  dictionary.SetMapped(false);
  EXPECT_TRUE(Platform::DeleteFile(path));
}

TEST(MainDictionaryOnThisPlatform, MissingAndForeignFilesAreNotAccepted) {
  const std::string foreign = TempPath("foreign");
  ASSERT_TRUE(Platform::WriteWholeFile(foreign, std::string(4096, 'x')));
  TMainDictionary dictionary;
  dictionary.Open(TempPath("missing"));
  EXPECT_EQ(dictionary.SourcePath(), "");
  dictionary.Open(foreign);
  EXPECT_EQ(dictionary.SourcePath(), "");
  EXPECT_FALSE(dictionary.WordExists("x"));
  Platform::DeleteFile(foreign);
}

}  // namespace
