// The vlthes command line as a newcomer meets it: its help, a look-up that
// finds a word, one that does not, and bad usage.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "vl3Platform.h"
#include "vl3ToolRun.h"

namespace {

using TRun = TToolRun;

TRun RunTool(const std::string& arguments) { return RunToolBesideTest("vlthes", arguments); }

TEST(Vlthes, TheCommandLineSaysWhatItDoes) {
  const std::string dir = "/tmp/vlthes_test_" + std::to_string(std::random_device{}());
  ::mkdir(dir.c_str(), 0700);
  ASSERT_TRUE(Platform::WriteWholeFile(dir + "/th.dat",
                                       "UTF-8\n"
                                       "happy|2\n"
                                       "(adj)|glad|content|felicitous (similar term)\n"
                                       "(adj)|well-chosen|felicitous\n"
                                       "house|1\n"
                                       "(noun)|home|dwelling|building (generic term)\n"));
  const std::string vlt = dir + "/t.vlt";
  ASSERT_TRUE(Platform::WriteWholeFile(dir + "/words", "happy\nhapy\nhouse\n"));
  ASSERT_EQ(RunTool("compile --name Small " + dir + "/th.dat " + vlt).status, 0);

  struct {
    std::string arguments;
    int status;
    std::vector<std::string> shown;  // in this order
  } cases[] = {
      {"--help", 0, {"usage: vlthes", "lookup FILE.vlt WORD"}},
      {"lookup " + vlt + " happy", 0,
       {"Small: \"happy\", 2 meanings\n", "1. ", "(adjective)\n   ", "glad", "2. "}},
      {"lookup " + vlt + " hapy", 1, {"Small: \"hapy\" not found in ", "near headwords: happy\n"}},
      {"lookup " + vlt + " zzzzzzzz", 1, {"not found"}},
      {"lookup " + dir + "/German.vlt Haus 2>&1", 2, {"cannot open", "./vx dictionaries German"}},
      {"lookup " + vlt + " < " + dir + "/words", 0, {"happy: yes\n", "hapy: no\n", "house: yes\n"}},
      {"lookup " + vlt + " extra " + vlt, 2, {}},
      {"frobnicate", 2, {}},
  };
  for (const auto& c : cases) {
    const TRun run = RunTool(c.arguments);
    EXPECT_EQ(run.status, c.status) << c.arguments << "\n" << run.out;
    size_t at = 0;
    for (const std::string& text : c.shown) {
      const size_t found = run.out.find(text, at);
      EXPECT_NE(found, std::string::npos) << c.arguments << ": " << text << "\n" << run.out;
      if (found != std::string::npos) at = found + text.size();
    }
    if (c.shown.empty()) {
      EXPECT_EQ(run.out, "") << c.arguments << ": usage goes to standard error";
    }
    // No unlabelled ("1: ...") or empty list lines.
    std::istringstream lines(run.out);
    std::string line;
    while (std::getline(lines, line)) {
      EXPECT_FALSE(line.size() >= 2 && line[0] >= '0' && line[0] <= '9' && line[1] == ':') << line;
      EXPECT_FALSE(!line.empty() && line.back() == ':') << line;
    }
  }
  std::system(("rm -rf '" + dir + "'").c_str());
}

}  // namespace
