// The shared utilities: listener lists, version text, path macros, folder
// creation, the file-creation test and the arithmetic of placing forms.
#include "vl3Util.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "../platform/vl3TestFolder.h"
#include "vl3Platform.h"

// ---- Listener lists --------------------------------------------------------

TEST(EventList, NotifiesInRegistrationOrderWithTheSender) {
  TEventList list;
  std::vector<std::string> calls;
  int a = 0, b = 0, c = 0;
  void* seen = nullptr;
  list.AddListener(&a, [&](void* sender) { calls.push_back("a"); seen = sender; });
  list.AddListener(&b, [&](void*) { calls.push_back("b"); });
  list.AddListener(&c, [&](void*) { calls.push_back("c"); });
  int sender = 0;
  list.Notify(&sender);
  EXPECT_EQ(calls, (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(seen, &sender);
}

TEST(EventList, SecondRegistrationKeepsTheFirstHandlerAndOneRemovalUnregisters) {
  TEventList list;
  int listener = 0, first = 0, second = 0;
  list.AddListener(&listener, [&](void*) { ++first; });
  list.AddListener(&listener, [&](void*) { ++second; });
  EXPECT_EQ(list.Count(), 1);
  list.Notify(nullptr);
  EXPECT_EQ(first, 1);
  EXPECT_EQ(second, 0);
  list.RemoveListener(&listener);
  EXPECT_EQ(list.Count(), 0);
  EXPECT_FALSE(list.IsListening(&listener));
  list.Notify(nullptr);
  EXPECT_EQ(first, 1);
  list.RemoveListener(&listener);  // unregistered: ignored
}

TEST(EventList, HandlersThatUnlinkDuringANotificationAreSafe) {
  TEventList list;
  int a = 0, b = 0, c = 0, late = 0;
  std::vector<char> calls;
  list.AddListener(&a, [&](void*) {
    calls.push_back('a');
    list.RemoveListener(&a);  // itself
    list.RemoveListener(&b);  // one still to come
    list.AddListener(&late, [&](void*) { calls.push_back('l'); });
  });
  list.AddListener(&b, [&](void*) { calls.push_back('b'); });
  list.AddListener(&c, [&](void*) { calls.push_back('c'); });
  list.Notify(nullptr);
  EXPECT_EQ(calls, (std::vector<char>{'a', 'c'}));
  calls.clear();
  list.Notify(nullptr);
  EXPECT_EQ(calls, (std::vector<char>{'c', 'l'}));
}

TEST(EventList, IgnoreWordListCarriesStateAndBefore) {
  TParserIgnoreWordEventList list;
  int listener = 0;
  std::vector<std::pair<int32_t, bool>> seen;
  list.AddListener(&listener, [&](void*) { seen.emplace_back(list.State, list.Before); });
  list.State = 7;
  list.Before = true;
  list.Notify(nullptr);
  list.Before = false;
  list.Notify(nullptr);
  EXPECT_EQ(seen, (std::vector<std::pair<int32_t, bool>>{{7, true}, {7, false}}));
  TEventList* base = &list;
  EXPECT_EQ(base->Count(), 1);
}

// ---- Text ------------------------------------------------------------------

TEST(Util, VersionText) { EXPECT_EQ(GetVersionString(), "3.2.0 Pro"); }

TEST(Util, ReplaceFirstReplacesOnlyTheFirstCaseSensitiveMatch) {
  struct Case {
    const char *pattern, *replacement, *source, *result;
  } cases[] = {
      {"%A%", "x", "%A%\\%A%", "x\\%A%"}, {"%A%", "x", "%a%", "%a%"}, {"ab", "", "cabab", "cab"},
      {"zz", "y", "abc", "abc"},          {"", "y", "abc", "abc"},    {"abc", "longer", "abc", "longer"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ReplaceFirst(c.pattern, c.replacement, c.source), c.result) << c.source;
}

TEST(Util, PathPiecesAcceptBothDelimiters) {
  struct Case {
    const char *path, *dir, *name;
  } cases[] = {
      {"C:\\Tools\\app.exe", "C:\\Tools", "app.exe"},
      {"C:\\app.exe", "C:\\", "app.exe"},
      {"/usr/bin/prog", "/usr/bin", "prog"},
      {"\\usr\\bin\\prog", "\\usr\\bin", "prog"},
      {"file.txt", "", "file.txt"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ExtractFileDir(c.path), c.dir) << c.path;
    EXPECT_EQ(ExtractFileName(c.path), c.name) << c.path;
  }
  EXPECT_EQ(ExcludeTrailingPathDelimiter("C:\\a\\"), "C:\\a");
  EXPECT_EQ(ExcludeTrailingPathDelimiter("C:\\a"), "C:\\a");
}

TEST(Util, MinAndMax) {
  EXPECT_EQ(Min(3, -4), -4);
  EXPECT_EQ(Max(3, -4), 3);
  EXPECT_EQ(Min(5, 5), 5);
}

// ---- Macros --------------------------------------------------------------

class Macros : public ::testing::Test {
 protected:
  void SetUp() override {
    exe_ = Platform::ExecutablePath();
    appDir_ = ExtractFileDir(exe_);
    appName_ = ExtractFileName(exe_);
    appName_ = appName_.substr(0, appName_.rfind('.') == std::string::npos ? appName_.size()
                                                                           : appName_.rfind('.'));
    setenv("XDG_CONFIG_HOME", "/cfg/home", 1);
    setenv("HOME", "/home/u", 1);
    setenv("VXTEST_DICTS", "/opt/dicts", 1);
    // The environment would expand a second %UserName%.
    unsetenv("USERNAME");
  }
  std::string exe_, appDir_, appName_;
};

TEST_F(Macros, AppDirAndAppNameComeFromTheExecutable) {
  EXPECT_EQ(ExpandMacros("%AppDir%\\Spell.cfg"), appDir_ + "\\Spell.cfg");
  EXPECT_EQ(ExpandMacros("%AppDir%\\%AppName%.cfg"), appDir_ + "\\" + appName_ + ".cfg");
  EXPECT_EQ(appName_, "vl3Util_test");
}

TEST_F(Macros, EachMacroIsReplacedOnceAndCaseSensitively) {
  std::string user;
  ASSERT_TRUE(Platform::GetUserName(user));
  struct Case {
    std::string path, expanded;
  } cases[] = {
      {"%UserName%-%UserName%", user + "-%UserName%"},
      {"%AppData%\\x|%AppData%", "\\cfg\\home\\x|%AppData%"},
      {"%MyDocuments%\\d", "\\home\\u\\Documents\\d"},
      {"%appdir%", "%appdir%"},
      {"%VXTEST_DICTS%/American.vlm", "/opt/dicts/American.vlm"},
      {"%VXTEST_UNSET_NAME%\\x", "%VXTEST_UNSET_NAME%\\x"},
      {"plain\\path", "plain\\path"},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(ExpandMacros(c.path), c.expanded) << c.path;
}

TEST_F(Macros, MacrosArisingFromReplacementsAreNotExpandedAgain) {
  // %AppName% is replaced in the result, but %UserName% is only looked for in
  // the input: a program folder naming it stays literal.
  setenv("VXTEST_HOLDS_MACRO", "%UserName%", 1);
  EXPECT_EQ(ExpandMacros("%VXTEST_HOLDS_MACRO%"), "%UserName%");
}

TEST_F(Macros, SpecialFoldersLoseTheirTrailingDelimiter) {
  setenv("XDG_CONFIG_HOME", "/cfg/home/", 1);
  EXPECT_EQ(GetSpecialFolder(26), "\\cfg\\home");
  EXPECT_EQ(GetSpecialFolder(-1), "");
}

// ---- Files and folders ---------------------------------------------------

TEST(Util, ForceDirectoriesCreatesEveryMissingLevel) {
  TTestFolder dir;
  std::string deep = dir.File("a\\b\\c");
  EXPECT_TRUE(ForceDirectories(deep + "\\"));
  EXPECT_TRUE(Platform::DirectoryExists(dir.File("a")));
  EXPECT_TRUE(Platform::DirectoryExists(dir.File("a\\b")));
  EXPECT_TRUE(Platform::DirectoryExists(deep));
  EXPECT_TRUE(ForceDirectories(deep));  // already there

  ASSERT_TRUE(Platform::WriteWholeFile(dir.File("file"), "x"));
  EXPECT_FALSE(ForceDirectories(dir.File("file\\sub")));
  EXPECT_FALSE(ForceDirectories(""));
}

TEST(Util, CanCreateFileLeavesOrRemovesANewFile) {
  TTestFolder dir;
  std::string probe = dir.File("probe.vlu");
  EXPECT_TRUE(CanCreateFile(probe, true));
  EXPECT_FALSE(Platform::FileExists(probe));
  EXPECT_TRUE(CanCreateFile(probe, false));
  EXPECT_TRUE(Platform::FileExists(probe));
  EXPECT_FALSE(CanCreateFile(dir.File("missing\\probe.vlu"), false));
}

// ---- Placing forms -------------------------------------------------------

TEST(FormPlacement, FitFormOnMonitorKeepsTheFormInside) {
  const TRect monitor{0, 0, 1024, 768};
  struct Case {
    int32_t w, h, left, top, expectLeft, expectTop;
  } cases[] = {
      {300, 200, -50, 5000, 0, 568},   // the documented example
      {300, 200, 100, 100, 100, 100},  // already inside
      {300, 200, 900, -10, 724, 0},    // off right and top
      {2000, 1000, 10, 10, -976, -232},  // larger than the monitor: right/bottom aligned
      {300, 200, INT32_MIN, INT32_MAX, 0, 568},
  };
  for (const Case& c : cases) {
    TFormPosition p = FitFormOnMonitor(monitor, c.w, c.h, c.left, c.top);
    EXPECT_EQ(p.Left, c.expectLeft) << c.left << "," << c.top;
    EXPECT_EQ(p.Top, c.expectTop) << c.left << "," << c.top;
  }
  TFormPosition second = FitFormOnMonitor(TRect{1024, 0, 2944, 1080}, 300, 200, 0, 0);
  EXPECT_EQ(second.Left, 1024);
}

TEST(FormPlacement, NearRectGoesBelowTheWordOrAboveItAtTheBottomEdge) {
  const TRect monitor{0, 0, 1024, 768};
  const TRect form{10, 20, 310, 220};  // 300 x 200
  struct Case {
    TRect word;
    bool horizontal, vertical;
    int32_t left, top;
  } cases[] = {
      {{100, 100, 160, 118}, true, true, 100, 118},   // below, left-aligned
      {{100, 700, 160, 718}, true, true, 100, 500},   // near the bottom: above
      {{900, 100, 960, 118}, true, true, 724, 118},   // near the right edge
      {{100, 100, 160, 118}, false, true, 10, 118},   // keeps its left
      {{100, 100, 160, 118}, true, false, 100, 20},   // keeps its top
      {{100, 100, 160, 118}, false, false, 10, 20},
  };
  for (const Case& c : cases) {
    TFormPosition p = FormPositionNearRect(monitor, form, c.word, c.horizontal, c.vertical);
    EXPECT_EQ(p.Left, c.left) << c.word.Left << "," << c.word.Top;
    EXPECT_EQ(p.Top, c.top) << c.word.Left << "," << c.word.Top;
  }
}
