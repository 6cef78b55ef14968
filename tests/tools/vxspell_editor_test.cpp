// vxspell started the way an editor's ispell support starts it: the version
// question, the flags every client passes, terse mode, escaped lines, and
// words accepted for the session or kept in the personal dictionary.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "vl3CommandLineChecker.h"
#include "vl3DictionaryCompiler.h"
#include "vl3Platform.h"
#include "vl3ToolRun.h"

namespace {

std::string VxspellPath() { return ToolBesideTest("vxspell"); }

struct TRun {
  int status = -1;
  std::string out;  // standard output and error, in that order per line as written
  std::vector<std::string> lines;
};

class VxspellAsIspell : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = "/tmp/vxspell_editor_" + std::to_string(std::random_device{}());
    ::mkdir(dir_.c_str(), 0700);
    TDictionaryCompiler compiler;
    for (const char* w : {"the", "quick", "brown", "fox", "jumps", "over", "lazy", "dog", "hello",
                          "world", "word", "words", "editor", "line"})
      compiler.AddWord(w);
    std::string error;
    ASSERT_TRUE(compiler.CompileToFile(TDictionaryCompileOptions(), dir_ + "/Small.vlm", error))
        << error;
  }
  void TearDown() override { std::system(("rm -rf '" + dir_ + "'").c_str()); }

  // Runs vxspell with the arguments, the input on standard input and HOME
  // in the test folder.
  TRun Run(const std::string& arguments, const std::string& input) {
    Platform::WriteWholeFile(dir_ + "/input.txt", input);
    const std::string command = "cd '" + dir_ + "' && HOME='" + dir_ + "' LANG=C.UTF-8 '" +
                                VxspellPath() + "' " + arguments + " < input.txt 2>&1";
    const TToolRun raw = RunShellCommand(command);
    TRun run;
    run.status = raw.status;
    run.out = raw.out;
    std::stringstream lines(run.out);
    std::string line;
    while (std::getline(lines, line)) run.lines.push_back(line);
    return run;
  }

  std::string dir_;
};

TEST_F(VxspellAsIspell, AnEditorSessionFromVersionQuestionToSavedPersonalWords) {
  // The version question every client asks first.
  for (const char* flag : {"-v", "-vv"}) {
    const TRun version = Run(flag, "");
    EXPECT_EQ(version.status, 0) << flag;
    ASSERT_EQ(version.lines.size(), 1u) << version.out;
    EXPECT_EQ(version.lines[0], TCommandLineChecker::Banner());
    EXPECT_NE(version.out.find("Ispell Version 3.1"), std::string::npos);
  }

  // The session: terse mode, lines escaped with '^', a word accepted for the
  // session ('@'), one for the personal dictionary ('*'), lower-cased ('&'),
  // saved ('#').
  const std::string flags = "-a -m -B -S -C -d ./Small.vlm -p mine.vlu -T tex -w \"'\" --encoding=utf-8";
  const TRun session = Run(flags,
                           "!\n"
                           "^the quick brown fox\n"
                           "^the qiuck brwn fox\n"
                           "@Vexlor\n"
                           "^Vexlor and Zorbl\n"
                           "*Zorbl\n"
                           "&Quux\n"
                           "^Zorbl quux Quux\n"
                           "#\n"
                           "%\n"
                           "^hello helloworld\n");
  EXPECT_EQ(session.status, 0) << session.out;
  ASSERT_GE(session.lines.size(), 1u);
  EXPECT_EQ(session.lines[0], TCommandLineChecker::Banner());
  const std::string answers = session.out.substr(session.out.find('\n') + 1);
  EXPECT_EQ(answers,
            // Correct words say nothing in terse mode; offsets count the '^'
            // as the editor sent it.
            "\n"
            "& qiuck 1 5: quick\n"
            "& brwn 1 11: brown\n"
            "\n"
            // "Vexlor" is accepted for the session, "and" is not in the
            // small dictionary.
            "# and 8\n"
            "# Zorbl 12\n"
            "\n"
            // Personal words, and the lower-case one in both cases.
            "\n"
            // Verbose again; -C accepts two words run together.
            "*\n"
            "*\n"
            "\n");

  // The personal dictionary was saved on '#'; the session word was not.
  const TRun next = Run("-a -d ./Small.vlm -p mine.vlu", "!\nZorbl quux Vexlor\n");
  ASSERT_EQ(next.lines.size(), 3u) << next.out;
  EXPECT_EQ(next.lines[1], "# Vexlor 11");
  EXPECT_EQ(next.lines[2], "");
}

TEST_F(VxspellAsIspell, WithoutPersonalDictionaryTheWordsGoToTheHomeFolder) {
  EXPECT_EQ(Run("-a -d ./Small.vlm", "*Zorbl\n#\n").status, 0);
  struct stat info;
  EXPECT_EQ(::stat((dir_ + "/.vxspell.vlu").c_str(), &info), 0);
  const TRun next = Run("-l -d ./Small.vlm", "Zorbl Quux\n");
  EXPECT_EQ(next.out, "Quux\n");
}

TEST_F(VxspellAsIspell, LanguageNamesFindTheBuiltDictionariesAndUnknownOnesAreClearErrors) {
  const TRun american = Run("-a -m -B -d american", "!\nthe qiuck fox\n");
  EXPECT_EQ(american.status, 0) << american.out;
  ASSERT_EQ(american.lines.size(), 3u) << american.out;
  EXPECT_EQ(american.lines[1].rfind("& qiuck ", 0), 0u) << american.lines[1];
  EXPECT_NE(american.lines[1].find("quick"), std::string::npos) << american.lines[1];

  const TRun unknown = Run("-a -d klingon", "");
  EXPECT_EQ(unknown.status, 2);
  EXPECT_NE(unknown.out.find("unknown dictionary 'klingon'"), std::string::npos) << unknown.out;
  const TRun badFlag = Run("-a -Q", "");
  EXPECT_EQ(badFlag.status, 2);
  EXPECT_NE(badFlag.out.find("unknown argument '-Q'"), std::string::npos) << badFlag.out;
}

// What a newcomer meets first: the help, an option that only list mode can
// show, a language whose dictionary is not built.
TEST_F(VxspellAsIspell, TheCommandLineSaysWhatItDoes) {
  struct {
    const char* arguments;
    const char* input;
    int status;
    std::vector<std::string> shown;     // in the output, in this order
    std::vector<std::string> notShown;
  } cases[] = {
      // Working flags are documented as working, not among the ignored ones.
      {"--help", "", 0, {"--lang=DICT", "--personal=FILE.vlu", "--encoding=E", "-T html", "ignored"},
       {"--lang=L,", "--master=D,", "--personal=F,", "--mode=M,"}},
      // Repetitions are listed when asked for, and only then.
      {"-l -d ./Small.vlm --options repeated", "the the fox\n", 0, {"the the\n"}, {}},
      {"-l -d ./Small.vlm", "the the fox\n", 0, {}, {"the"}},
      // A missing dictionary names where it was looked for and how to build it.
      {"-l -d German.vlm", "", 2,
       {"cannot open dictionary 'German.vlm'", "not found in ", VX_DATA_DIR,
        "./vx dictionaries German"}, {}},
      {"-l -d ./Nowhere.vlm", "", 2, {"'./Nowhere.vlm': no such file"}, {"./vx"}},
  };
  for (const auto& c : cases) {
    // Someone may have built German here: the case then has nothing to show.
    if (std::string(c.arguments).find("German") != std::string::npos &&
        Platform::FileExists(std::string(VX_DATA_DIR) + "/German.vlm"))
      continue;
    const TRun run = Run(c.arguments, c.input);
    EXPECT_EQ(run.status, c.status) << c.arguments << "\n" << run.out;
    size_t at = 0;
    for (const std::string& text : c.shown) {
      const size_t found = run.out.find(text, at);
      EXPECT_NE(found, std::string::npos) << c.arguments << ": " << text << "\n" << run.out;
      if (found != std::string::npos) at = found + text.size();
    }
    for (const std::string& text : c.notShown)
      EXPECT_EQ(run.out.find(text), std::string::npos) << c.arguments << ": " << text << "\n" << run.out;
  }
}

}  // namespace
