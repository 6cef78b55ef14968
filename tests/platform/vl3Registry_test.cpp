// The POSIX registry store: its file survives any value, damaged files load
// what they can, and two roots never mix.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>

#include "vl3FaultWalk.h"
#include "vl3Platform.h"
#include "vl3TestFolder.h"

namespace {

class Registry : public ::testing::Test {
 protected:
  void SetUp() override {
    file_ = dir_.File("registry.ini");
    setenv("VX_REGISTRY_FILE", file_.c_str(), 1);
  }
  TTestFolder dir_;
  std::string file_;
  const Platform::TRegistryRoot hkcu_ = Platform::TRegistryRoot::CurrentUser;
  const Platform::TRegistryRoot hklm_ = Platform::TRegistryRoot::LocalMachine;
};

}  // namespace

TEST_F(Registry, EveryByteOfNamesAndValuesSurvivesTheFile) {
  std::string all;
  for (int i = 1; i < 256; ++i) all += static_cast<char>(i);
  ASSERT_TRUE(Platform::RegWriteString(hkcu_, "Software\\Odd[]Key", all, all + "\n" + all));
  ASSERT_TRUE(Platform::RegWriteString(hkcu_, "Software\\Odd[]Key", "", "default value"));
  std::string value;
  ASSERT_TRUE(Platform::RegReadString(hkcu_, "Software\\Odd[]Key", all, value));
  EXPECT_EQ(value, all + "\n" + all);
  ASSERT_TRUE(Platform::RegReadString(hkcu_, "software\\odd[]key", "", value));
  EXPECT_EQ(value, "default value");
}

TEST_F(Registry, RootsAreSeparate) {
  ASSERT_TRUE(Platform::RegWriteString(hklm_, "Software\\Maker", "Path", "machine"));
  std::string value;
  EXPECT_FALSE(Platform::RegReadString(hkcu_, "Software\\Maker", "Path", value));
  EXPECT_FALSE(Platform::RegKeyExists(hkcu_, "Software\\Maker"));
  EXPECT_TRUE(Platform::RegKeyExists(hklm_, "Software\\Maker"));
}

TEST_F(Registry, RedundantDelimitersNameTheSameKey) {
  ASSERT_TRUE(Platform::RegWriteString(hkcu_, "\\Software\\\\Maker\\", "v", "1"));
  std::string value;
  EXPECT_TRUE(Platform::RegReadString(hkcu_, "Software\\Maker", "v", value));
  EXPECT_EQ(value, "1");
}

TEST_F(Registry, DamagedStoreLoadsItsGoodLines) {
  ASSERT_TRUE(Platform::WriteWholeFile(file_,
                                       "garbage line\n"
                                       "\"before any key\"=\"x\"\n"
                                       "[HKEY_CURRENT_USER\\Software\\Good]\r\n"
                                       "\"Fine\"=\"yes\"\n"
                                       "\"Unterminated=\"no\n"
                                       "\"BadEscape\"=\"\\x4\"\n"
                                       "\"Trailing\"=\"v\"junk\n"
                                       "[HKEY_CURRENT_USER\\Software\\Half\n"
                                       "\"Lost\"=\"z\"\n"));
  std::string value;
  ASSERT_TRUE(Platform::RegReadString(hkcu_, "Software\\Good", "Fine", value));
  EXPECT_EQ(value, "yes");
  std::vector<std::string> names;
  ASSERT_TRUE(Platform::RegValueNames(hkcu_, "Software\\Good", names));
  EXPECT_EQ(names, std::vector<std::string>{"Fine"});
  EXPECT_FALSE(Platform::RegKeyExists(hkcu_, "Software\\Half"));
  // The parent of a loaded key exists too.
  EXPECT_TRUE(Platform::RegKeyExists(hkcu_, "Software"));
}

TEST_F(Registry, RandomStoreFilesNeverBreakTheReader) {
  std::mt19937 random(7);
  const char alphabet[] = "[]\"=@\\x0aF\n\r HKEY_CURRENT_USER";
  for (int round = 0; round < 200; ++round) {
    std::string data;
    int length = static_cast<int>(random() % 400);
    for (int i = 0; i < length; ++i) data += alphabet[random() % (sizeof alphabet - 1)];
    ASSERT_TRUE(Platform::WriteWholeFile(file_, data));
    std::string value;
    std::vector<std::string> names;
    Platform::RegReadString(hkcu_, "a", "b", value);
    Platform::RegSubKeyNames(hkcu_, "", names);
    ASSERT_TRUE(Platform::RegWriteString(hkcu_, "Software\\T", "n", "v"));
    ASSERT_TRUE(Platform::RegReadString(hkcu_, "Software\\T", "n", value));
    EXPECT_EQ(value, "v");
  }
}

TEST_F(Registry, WithoutTheVariableTheStoreLivesInTheHomeFolder) {
  const char* oldHome = std::getenv("HOME");
  std::string savedHome = oldHome ? oldHome : "";
  unsetenv("VX_REGISTRY_FILE");
  std::string home = dir_.Path();
  for (char& c : home)
    if (c == '\\') c = '/';
  setenv("HOME", home.c_str(), 1);
  EXPECT_TRUE(Platform::RegWriteString(hkcu_, "Software\\Maker", "v", "1"));
  if (oldHome) setenv("HOME", savedHome.c_str(), 1);
  EXPECT_TRUE(Platform::FileExists(dir_.File(".vexlor\\registry.ini")));
}

// A fault at any step of a store's save leaves the old store or the new one,
// every value readable, and a retry writes the change.
TEST_F(Registry, FaultsWhileSavingLeaveTheOldOrTheNewStore) {
  const std::string key = "Software\\Maker\\App";
  const auto value = [&](const char* name) {
    std::string v;
    return Platform::RegReadString(hkcu_, key, name, v) ? v : std::string("-");
  };
  const auto oldValues = [&] {
    for (int i = 0; i < 200; ++i)
      if (value(("v" + std::to_string(i)).c_str()) != std::to_string(i)) return false;
    return true;
  };
  for (int i = 0; i < 200; ++i)
    ASSERT_TRUE(Platform::RegWriteString(hkcu_, key, "v" + std::to_string(i), std::to_string(i)));
  std::string image;
  ASSERT_TRUE(Platform::ReadWholeFile(file_, image));
  const std::vector<TWriterCase> cases = {
      {"registry value", [&] { ASSERT_TRUE(Platform::WriteWholeFile(file_, image)); },
       [&] { return Platform::RegWriteString(hkcu_, key, "added", "yes"); },
       [&] { return oldValues() && value("added") == "-"; },
       [&] { return oldValues() && value("added") == "yes"; }, nullptr, dir_.Path()},
      {"registry deletion",
       [&] {
         ASSERT_TRUE(Platform::WriteWholeFile(file_, image));
         ASSERT_TRUE(Platform::RegWriteString(hkcu_, key + "\\Sub", "s", "1"));
       },
       [&] { return Platform::RegDeleteKey(hkcu_, key + "\\Sub"); },
       [&] { return oldValues() && Platform::RegKeyExists(hkcu_, key + "\\Sub"); },
       [&] { return oldValues() && !Platform::RegKeyExists(hkcu_, key + "\\Sub"); }, nullptr, dir_.Path()},
  };
  for (const TWriterCase& c : cases) {
    TFaultWalkCount count = WalkFaults(c);
    EXPECT_GT(count.injected, 0) << c.name;
    EXPECT_EQ(count.survived, count.injected) << c.name;
  }
}
