// The vldict command line as scripts and the data build drive it: output
// formats, exit statuses and messages for bad input.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "vl3Platform.h"
#include "vl3ToolRun.h"

namespace {

using TRun = TToolRun;

std::string ToolPath() { return ToolBesideTest("vldict"); }

TRun RunTool(const std::string& arguments) { return RunToolBesideTest("vldict", arguments); }

class Vldict : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = "/tmp/vldict_test_" + std::to_string(std::random_device{}());
    ::mkdir(dir_.c_str(), 0700);
  }
  void TearDown() override { std::system(("rm -rf '" + dir_ + "'").c_str()); }
  std::string File(const std::string& name, const std::string& contents) {
    const std::string path = dir_ + "/" + name;
    Platform::WriteWholeFile(path, contents);
    return path;
  }
  std::string Path(const std::string& name) const { return dir_ + "/" + name; }
  std::string dir_;
};

TEST_F(Vldict, CompiledDictionaryAnswersInfoLookupAndWords) {
  const std::string list = File("words.txt", "cat\r\ndog\n\ncat\nA\nca\n");
  const std::string dict = Path("t.vlm");
  EXPECT_EQ(RunTool("compile --lang 0x0809 --title 'Test List' " + list + " " + dict).status, 0);
  TRun info = RunTool("info " + dict);
  EXPECT_EQ(info.status, 0);
  EXPECT_EQ(info.out, "title: Test List\nlanguage: 0x0809\nwords: 4\nnodes: 8\nlayout: compact\n");
  const std::string probes = File("probes.txt", "cat\nCat\nc\nA\ncats\r\n");
  TRun lookup = RunTool("lookup " + dict + " < " + probes);
  EXPECT_EQ(lookup.status, 0);
  // Capitals as the spell checker takes them: "Cat" is "cat".
  EXPECT_EQ(lookup.out, "cat\tyes\nCat\tyes\nc\tno\nA\tyes\ncats\tno\n");
  TRun words = RunTool("words " + dict);
  EXPECT_EQ(words.status, 0);
  EXPECT_EQ(words.out, "A\nca\ncat\ndog\n");
}

// Each thing a newcomer tried, with what the tool now says or does.
TEST_F(Vldict, TheCommandLineSaysWhatItDoes) {
  const std::string dict = Path("t.vlm");
  ASSERT_EQ(RunTool("compile " + File("w.txt", "Paris\nna\xC3\xAFve\nzebra\nApple\nbanana\napple\n") +
                    " " + dict).status, 0);
  const std::string both = " 2>&1";
  struct {
    std::string arguments;
    int status;
    std::string out;  // standard output and error
  } cases[] = {
      // The words come on standard input; the tool says so.
      {"lookup " + dict + " na\xC3\xAFve" + both, 2, "vldict: lookup reads the words from standard input"},
      // As the component decides: capitals of a lower-case word pass, not the reverse; UTF-8 is read.
      {"lookup " + dict + " < " + File("p.txt", "ZEBRA\nparis\nNa\xC3\xAFve\nna\xEFve\n"), 0,
       "ZEBRA\tyes\nparis\tno\nNa\xC3\xAFve\tyes\nna\xEFve\tyes\n"},
      // Alphabetical; the UTF-8 list was noticed and converted, and is
      // printed in the terminal's encoding (UTF-8, or as -i names it).
      {"words " + dict, 0, "Apple\napple\nbanana\nna\xC3\xAFve\nParis\nzebra\n"},
      {"words -i cp1252 " + dict, 0, "Apple\napple\nbanana\nna\xEFve\nParis\nzebra\n"},
      {"lookup --encoding=latin1 " + dict + " < " + File("l.txt", "na\xEFve\n"), 0, "na\xEFve\tyes\n"},
      {"compile " + File("u.txt", "caf\xC3\xA9\n") + " " + Path("u.vlm") + both, 0, "is UTF-8: converted"},
      {"compile --ansi " + File("a.txt", "caf\xC3\xA9\n") + " " + Path("a.vlm") + " >/dev/null; " +
           ToolPath() + " words -i cp1252 " + Path("a.vlm"), 0, "caf\xC3\xA9\n"},
      // A language not built: where it was looked for, and how to build it.
      {"info Afrikaans.vlm" + both, 1, "not found in the current folder, " VX_DATA_DIR},
  };
  for (const auto& c : cases) {
    if (c.arguments.find("Afrikaans") != std::string::npos &&
        Platform::FileExists(std::string(VX_DATA_DIR) + "/Afrikaans.vlm"))
      continue;  // built here: nothing to show
    const TRun run = RunTool(c.arguments);
    EXPECT_EQ(run.status, c.status) << c.arguments << "\n" << run.out;
    if (c.status == 0 && c.arguments.find(both) == std::string::npos) {
      EXPECT_EQ(run.out, c.out) << c.arguments;
    } else {
      EXPECT_NE(run.out.find(c.out), std::string::npos) << c.arguments << "\n" << run.out;
    }
  }
  const TRun missing = RunTool("info Afrikaans.vlm 2>&1");
  if (missing.status == 1) {
    EXPECT_NE(missing.out.find("./vx dictionaries Afrikaans"), std::string::npos) << missing.out;
  }
}

TEST_F(Vldict, LanguageIsDecimalOrHexadecimalAndDefaultsToAmerican) {
  const std::string list = File("words.txt", "word\n");
  struct {
    std::string option;
    std::string shown;
  } cases[] = {{"", "0x0409"}, {"--lang 1031", "0x0407"}, {"--lang 0X40c", "0x040C"}};
  for (const auto& c : cases) {
    ASSERT_EQ(RunTool("compile " + c.option + " " + list + " " + Path("l.vlm")).status, 0)
        << c.option;
    EXPECT_NE(RunTool("info " + Path("l.vlm")).out.find("language: " + c.shown + "\n"),
              std::string::npos)
        << c.option;
  }
}

TEST_F(Vldict, Utf8ListsAreConvertedToTheAnsiCodePage) {
  const std::string list = File("words.txt", "caf\xC3\xA9\n\xCE\xA9mega\n");
  ASSERT_EQ(RunTool("compile --utf8 " + list + " " + Path("u.vlm")).status, 0);
  EXPECT_EQ(RunTool("words --encoding cp1252 " + Path("u.vlm")).out, "caf\xE9\n");
  EXPECT_EQ(RunTool("words " + Path("u.vlm")).out, "caf\xC3\xA9\n");
}

TEST_F(Vldict, BadUsageExitsWithTwo) {
  const std::string list = File("words.txt", "word\n");
  const std::string cases[] = {"",
                               "frobnicate",
                               "compile " + list,
                               "compile --lang 0xZZ " + list + " " + Path("x.vlm"),
                               "compile --lang 99999999999 " + list + " " + Path("x.vlm"),
                               "compile --title",
                               "compile --bogus " + list + " " + Path("x.vlm"),
                               "info",
                               "lookup a b",
                               "words"};
  for (const std::string& arguments : cases) EXPECT_EQ(RunTool(arguments).status, 2) << arguments;
}

TEST_F(Vldict, UnusableFilesExitWithOne) {
  const std::string list = File("words.txt", "alpha\nbeta\n");
  ASSERT_EQ(RunTool("compile " + list + " " + Path("good.vlm")).status, 0);
  std::string image;
  Platform::ReadWholeFile(Path("good.vlm"), image);
  const std::string truncated = File("short.vlm", image.substr(0, image.size() - 100));
  const std::string text = File("text.vlm", std::string(3000, 'x'));
  const std::string cases[] = {"info " + Path("missing.vlm"),
                               "words " + text,
                               "lookup " + truncated,
                               "info " + truncated,
                               "compile " + Path("missing.txt") + " " + Path("o.vlm"),
                               "compile " + File("empty.txt", "\n\n") + " " + Path("o.vlm")};
  for (const std::string& arguments : cases) EXPECT_EQ(RunTool(arguments).status, 1) << arguments;
}

TEST_F(Vldict, CustomCommandsAreHandedOn) {
  const std::string custom = Path("user.vlu");
  EXPECT_EQ(RunTool("custom add " + custom + " I colour").status, 0);
  TRun list = RunTool("custom list " + custom);
  EXPECT_EQ(list.status, 0);
  EXPECT_EQ(list.out, "I\tcolour\n");
  EXPECT_EQ(RunTool("custom").status, 2);
}

}  // namespace
