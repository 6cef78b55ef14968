// vxspell's checking as scripts and editors see it: list mode, the ispell
// pipe protocol, UTF-8 text, the personal dictionary and bad command lines.
#include "vl3CommandLineChecker.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "vl3CustomDictionary.h"
#include "vl3DictionaryCompiler.h"
#include "vl3DictionaryNames.h"
#include "vl3Platform.h"

namespace {

// Windows-1252 bytes of the accented test words.
const std::string kCafeAnsi = "caf\xE9";
const std::string kNaiveAnsi = "na\xEFve";
// The same words in UTF-8, and a character no single-byte code page has.
const std::string kCafeUtf8 = "caf\xC3\xA9";
const std::string kNaiveUtf8 = "na\xC3\xAFve";
const std::string kCjkUtf8 = "\xE4\xB8\x96";

std::string SystemPath(std::string path) {
  for (char& c : path)
    if (c == '\\') c = '/';
  return path;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::stringstream in(text);
  std::string line;
  while (std::getline(in, line)) lines.push_back(line);
  return lines;
}

class CommandLineChecker : public ::testing::Test {
 protected:
  void SetUp() override {
    static int serial = 0;
    folder_ = Platform::TempDirectory() + "\\vxspell_" + std::to_string(::getpid()) + "_" +
              std::to_string(++serial);
    ASSERT_TRUE(Platform::CreateDirectory(folder_));
    TDictionaryCompiler compiler;
    for (const char* w :
         {"this", "is", "a", "test", "tests", "the", "hello", "help", "held", "world", "word",
          "again", "line", "text", "spell", "checker", "yes", "zebra"})
      compiler.AddWord(w);
    compiler.AddWord(kCafeAnsi);
    compiler.AddWord(kNaiveAnsi);
    TDictionaryCompileOptions options;
    std::string error;
    ASSERT_TRUE(compiler.CompileToFile(options, File("main.vlm"), error)) << error;

    settings_.Dictionaries = {File("main.vlm")};
    settings_.DictionaryFolders = {folder_};
  }
  void TearDown() override {
    checker_.reset();
    std::error_code ignored;
    std::filesystem::remove_all(SystemPath(folder_), ignored);
  }

  std::string File(const std::string& name) const { return folder_ + "\\" + name; }

  void Open() {
    checker_ = std::make_unique<TCommandLineChecker>();
    std::string error;
    ASSERT_TRUE(checker_->Open(settings_, error)) << error;
  }
  std::string List(const std::string& text) {
    std::istringstream in(text);
    std::ostringstream out;
    checker_->ListMisspelled(in, out);
    return out.str();
  }
  // The pipe's answers without the banner line.
  std::string Pipe(const std::string& input) {
    std::istringstream in(input);
    std::ostringstream out;
    checker_->RunPipe(in, out);
    const std::string all = out.str();
    const size_t end = all.find('\n');
    EXPECT_EQ(all.substr(0, end), TCommandLineChecker::Banner());
    return end == std::string::npos ? std::string() : all.substr(end + 1);
  }

  std::string folder_;
  TCheckerSettings settings_;
  std::unique_ptr<TCommandLineChecker> checker_;
};

// ---- List mode ----------------------------------------------------------------------

TEST_F(CommandLineChecker, ListPrintsEveryMisspelledOccurrenceInTextOrder) {
  Open();
  EXPECT_EQ(List("Helo wrld, this is a tesst.\nhelo again, wrld\n"),
            "Helo\nwrld\ntesst\nhelo\nwrld\n");
}

TEST_F(CommandLineChecker, ListPrintsNothingForCorrectText) {
  Open();
  EXPECT_EQ(List("This is a test.\nHello world, again.\n"), "");
  EXPECT_EQ(List(""), "");
}

TEST_F(CommandLineChecker, ListDoesNotReportRepeatedWords) {
  Open();
  EXPECT_EQ(List("this is is a test test\n"), "");
}

TEST_F(CommandLineChecker, ListReportsAutoCorrectionsOfThePersonalDictionary) {
  {
    TCustomDictionary personal;
    personal.AddAutoCorrect("teh", "the");
    ASSERT_TRUE(personal.SaveCopyAs(File("me.vlu")));
  }
  settings_.PersonalDictionary = File("me.vlu");
  Open();
  std::string text = "teh test\n";
  EXPECT_EQ(List(text), "teh\n");
  EXPECT_EQ(List("teh teh\n"), "teh\nteh\n") << "a correction is reported, never applied";
}

TEST_F(CommandLineChecker, DictionariesAreFoundByNameInTheFolders) {
  settings_.Dictionaries = {"main.vlm"};
  Open();
  EXPECT_EQ(List("hello wrld"), "wrld\n");
}

TEST_F(CommandLineChecker, PathsWithForwardSlashesWork) {
  settings_.Dictionaries = {SystemPath(File("main.vlm"))};
  Open();
  EXPECT_EQ(List("hello wrld"), "wrld\n");
}

TEST_F(CommandLineChecker, OptionsReachTheEngine) {
  Open();
  EXPECT_EQ(List("QQXZ test"), "QQXZ\n");
  std::string error;
  ASSERT_TRUE(ParseOptionList("upcase,repeated", settings_.Options, error)) << error;
  settings_.OptionsGiven = true;
  Open();
  EXPECT_EQ(List("QQXZ test"), "");
}

// ---- Pipe mode ----------------------------------------------------------------------

TEST_F(CommandLineChecker, PipeAnswersEveryWordThenAnEmptyLine) {
  Open();
  const std::vector<std::string> lines = Lines(Pipe("Helo wrld, this is a tesst.\n"));
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(lines[0].rfind("& Helo ", 0), 0u) << lines[0];
  EXPECT_EQ(lines[1].rfind("& wrld ", 0), 0u) << lines[1];
  EXPECT_EQ(lines[2], "*");
  EXPECT_EQ(lines[3], "*");
  EXPECT_EQ(lines[4], "*");
  EXPECT_EQ(lines[5].rfind("& tesst ", 0), 0u) << lines[5];
  EXPECT_EQ(lines[6], "");
}

TEST_F(CommandLineChecker, PipeSuggestionLineHasCountOffsetAndSuggestions) {
  Open();
  const std::vector<std::string> lines = Lines(Pipe("this wrld\n"));
  ASSERT_EQ(lines.size(), 3u);
  // & word count offset: s1, s2, ...
  std::istringstream fields(lines[1]);
  std::string amp, word, offset;
  int count = 0;
  fields >> amp >> word >> count >> offset;
  EXPECT_EQ(amp, "&");
  EXPECT_EQ(word, "wrld");
  EXPECT_EQ(offset, "5:");
  std::string rest;
  std::getline(fields, rest);
  std::vector<std::string> suggestions;
  std::stringstream items(rest);
  std::string item;
  while (std::getline(items, item, ',')) suggestions.push_back(item.substr(1));
  EXPECT_EQ(static_cast<int>(suggestions.size()), count);
  ASSERT_FALSE(suggestions.empty());
  EXPECT_EQ(suggestions[0], "world");
}

TEST_F(CommandLineChecker, PipeReportsWordsWithoutSuggestionsWithHash) {
  Open();
  EXPECT_EQ(Pipe("yes qqqqxxxxjjjj\n"), "*\n# qqqqxxxxjjjj 4\n\n");
}

TEST_F(CommandLineChecker, PipeMaxSuggestionsLimitsTheList) {
  settings_.MaxSuggestions = 1;
  Open();
  EXPECT_EQ(Pipe("helo\n").rfind("& helo 1 0: ", 0), 0u);
}

TEST_F(CommandLineChecker, PipeAnswersAnEmptyLineWithAnEmptyLine) {
  Open();
  EXPECT_EQ(Pipe("\n\n"), "\n\n");
}

TEST_F(CommandLineChecker, PipeTerseModeDropsCorrectWords) {
  Open();
  const std::string out = Pipe("!\nthis is qqqqxxxxjjjj\n%\nthis\n");
  EXPECT_EQ(out, "# qqqqxxxxjjjj 8\n\n*\n\n");
}

TEST_F(CommandLineChecker, PipeCaretEscapesACommandCharacterAndCountsInOffsets) {
  Open();
  EXPECT_EQ(Pipe("^*qqqqxxxxjjjj\n"), "# qqqqxxxxjjjj 2\n\n");
  EXPECT_EQ(Pipe("^this\n"), "*\n\n");
}

TEST_F(CommandLineChecker, PipeAtWordAcceptsForTheSessionOnly) {
  settings_.PersonalDictionary = File("me.vlu");
  Open();
  EXPECT_EQ(Pipe("@qqqqxxxxjjjj\nqqqqxxxxjjjj\n#\n"), "*\n\n");
  checker_.reset();
  TCustomDictionary saved;
  saved.SetFilename(File("me.vlu"));
  saved.SetActive(true);
  EXPECT_FALSE(saved.HasIgnore("qqqqxxxxjjjj"));
}

TEST_F(CommandLineChecker, PipeStarWordAddsToThePersonalDictionaryAndHashSavesIt) {
  settings_.PersonalDictionary = File("me.vlu");
  Open();
  EXPECT_EQ(Pipe("*qqqqxxxxjjjj\nqqqqxxxxjjjj\n#\n"), "*\n\n");
  {
    TCustomDictionary saved;
    saved.SetFilename(File("me.vlu"));
    saved.SetActive(true);
    EXPECT_TRUE(saved.HasIgnore("qqqqxxxxjjjj"));
  }
  // A new run reads the word back.
  Open();
  EXPECT_EQ(List("qqqqxxxxjjjj"), "");
}

TEST_F(CommandLineChecker, PipeStarWordWithoutPersonalDictionaryLastsTheSession) {
  Open();
  EXPECT_EQ(Pipe("*qqqqxxxxjjjj\nqqqqxxxxjjjj\n#\n"), "*\n\n");
}

TEST_F(CommandLineChecker, PipeIgnoresCommandsItDoesNotHave) {
  Open();
  EXPECT_EQ(Pipe("+\n-\n~tex\n$$cr\nthis\n"), "*\n\n");
}

// ---- Flags of other checkers -------------------------------------------------------

TEST_F(CommandLineChecker, RunTogetherWordsAreErrorsUnlessAllowed) {
  Open();
  EXPECT_EQ(List("helloworld spellchecker thistest isa\n"), "helloworld\nspellchecker\nthistest\nisa\n");
  settings_.RunTogetherLegal = true;
  Open();
  // Parts of fewer than three letters do not make a compound.
  EXPECT_EQ(List("helloworld spellchecker Helloworld thistest isa hellowrld\n"), "isa\nhellowrld\n");
  EXPECT_EQ(Pipe("helloworld\n"), "*\n\n");
}

TEST_F(CommandLineChecker, MarkupFlagSkipsTags) {
  Open();
  EXPECT_NE(List("<qqqqxxxxjjjj>this</qqqqxxxxjjjj>\n"), "");
  settings_.ExtraOptions.Include(soHTML);
  Open();
  EXPECT_EQ(List("<qqqqxxxxjjjj>this</qqqqxxxxjjjj> tesst\n"), "tesst\n");
}

// ---- Encodings ----------------------------------------------------------------------

TEST_F(CommandLineChecker, Utf8AccentedWordsAreCheckedAndPrintedInUtf8) {
  settings_.Utf8 = true;
  Open();
  EXPECT_EQ(List(kCafeUtf8 + " " + kNaiveUtf8 + " n\xC3\xAFvx\n"), "n\xC3\xAFvx\n");
  const std::vector<std::string> lines = Lines(Pipe(kCafeUtf8 + " cafx\n"));
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], "*");
  // Offsets count characters, not bytes.
  EXPECT_EQ(lines[1].rfind("& cafx ", 0), 0u) << lines[1];
  EXPECT_NE(lines[1].find(" 5: "), std::string::npos) << lines[1];
  EXPECT_NE(lines[1].find(kCafeUtf8), std::string::npos) << lines[1];
}

TEST_F(CommandLineChecker, Utf8CharacterWithoutSingleByteFormSeparatesWords) {
  settings_.Utf8 = true;
  Open();
  EXPECT_EQ(List("hello" + kCjkUtf8 + "world\n"), "");
  EXPECT_EQ(Pipe("tesst" + kCjkUtf8 + "qqqqxxxxjjjj\n"), Pipe("tesst qqqqxxxxjjjj\n"));
  const std::vector<std::string> lines = Lines(Pipe(kCafeUtf8 + kCjkUtf8 + "qqqqxxxxjjjj\n"));
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[1], "# qqqqxxxxjjjj 5");
}

TEST_F(CommandLineChecker, AnsiTextIsPassedThroughUnchanged) {
  settings_.Utf8 = false;
  Open();
  EXPECT_EQ(List(kCafeAnsi + " n\xEFvx\n"), "n\xEFvx\n");
}

// ---- Opening -------------------------------------------------------------------------

TEST_F(CommandLineChecker, OpenFailsForDictionariesThatCannotBeUsed) {
  ASSERT_TRUE(Platform::WriteWholeFile(File("junk.vlm"), std::string(4000, 'x')));
  const std::vector<std::vector<std::string>> cases = {{File("missing.vlm")},
                                                       {"missing.vlm"},
                                                       {File("junk.vlm")},
                                                       {File("main.vlm"), "missing.vlm"}};
  for (const auto& dictionaries : cases) {
    settings_.Dictionaries = dictionaries;
    TCommandLineChecker checker;
    std::string error;
    EXPECT_FALSE(checker.Open(settings_, error)) << dictionaries.back();
    EXPECT_NE(error.find("dictionary"), std::string::npos) << error;
  }
}

// ---- Command line --------------------------------------------------------------------

TEST(CommandLineArguments, BadUsageIsAnError) {
  const std::vector<std::vector<std::string>> cases = {
      {},
      {"-l", "-a"},
      {"-d"},
      {"-l", "-d", ","},
      {"-l", "-p"},
      {"-l", "-i", "koi8-r"},
      {"-l", "--options", "upcase,bogus"},
      {"-l", "--max-suggestions", "x"},
      {"-l", "--max-suggestions", "-1"},
      {"-l", "--max-suggestions", ""},
      {"-a", "file.txt"},
      {"-l", "--frobnicate"},
      {"-l", "-Q"},
      {"-l", "--lang"},
      {"-l", "--encoding=koi8-r"},
      {"-a", "-T"},
      {"-a", "-w"},
      {"-a", "-W"},
      {"-a", "-d", "klingon"},
      {"-a", "--lang=klingon"},
      {"-a", "-d", "american,klingon"},
  };
  for (const auto& args : cases) {
    TCheckerSettings settings;
    TCheckerMode mode = cmNone;
    std::vector<std::string> files;
    std::string error;
    std::string joined;
    for (const auto& a : args) joined += a + " ";
    EXPECT_FALSE(ParseCommandLine(args, settings, mode, files, error)) << joined;
    EXPECT_FALSE(error.empty()) << joined;
  }
}

TEST(CommandLineArguments, GoodUsageFillsTheSettings) {
  TCheckerSettings settings;
  TCheckerMode mode = cmNone;
  std::vector<std::string> files;
  std::string error;
  ASSERT_TRUE(
      ParseCommandLine({"-l", "-d", "a.vlm,b.vlm", "-p", "me.vlu", "-i", "UTF-8", "--options",
                        "upcase,numbers", "--max-suggestions", "7", "one.txt", "-"},
                       settings, mode, files, error))
      << error;
  EXPECT_EQ(mode, cmList);
  EXPECT_EQ(settings.Dictionaries, (std::vector<std::string>{"a.vlm", "b.vlm"}));
  EXPECT_EQ(settings.PersonalDictionary, "me.vlu");
  EXPECT_TRUE(settings.Utf8);
  EXPECT_TRUE(settings.OptionsGiven);
  EXPECT_TRUE(settings.Options.Contains(soUpcase));
  EXPECT_TRUE(settings.Options.Contains(soNumbers));
  EXPECT_FALSE(settings.Options.Contains(soRepeated));
  EXPECT_EQ(settings.MaxSuggestions, 7);
  EXPECT_EQ(files, (std::vector<std::string>{"one.txt", "-"}));

  ASSERT_TRUE(ParseCommandLine({"-a", "-i", "cp1252"}, settings, mode, files, error));
  EXPECT_EQ(mode, cmPipe);
  EXPECT_FALSE(settings.Utf8);
  ASSERT_TRUE(ParseCommandLine({"-l", "--help"}, settings, mode, files, error));
  EXPECT_EQ(mode, cmHelp);
}

TEST(CommandLineArguments, OptionNamesAreCaseInsensitiveAndEmptyItemsSkipped) {
  TSpellOptions options;
  std::string error;
  ASSERT_TRUE(ParseOptionList("HTML,,Internet,quoted,abbreviations,primaryonly", options, error));
  for (TSpellOption o : {soHTML, soInternet, soQuoted, soAbbreviations, soPrimaryOnly})
    EXPECT_TRUE(options.Contains(o)) << o;
  EXPECT_FALSE(options.Contains(soUpcase));
  EXPECT_FALSE(ParseOptionList("upcase,nope", options, error));
  EXPECT_NE(error.find("nope"), std::string::npos);
}

TEST(CommandLineArguments, VersionQuestionNeedsNothingElse) {
  for (const char* flag : {"-v", "-vv", "--version"}) {
    TCheckerSettings settings;
    TCheckerMode mode = cmNone;
    std::vector<std::string> files;
    std::string error;
    EXPECT_TRUE(ParseCommandLine({flag}, settings, mode, files, error)) << flag;
    EXPECT_EQ(mode, cmVersion) << flag;
  }
}

TEST(CommandLineArguments, FlagsOfOtherCheckersAreAcceptedOrMapped) {
  TCheckerSettings settings;
  TCheckerMode mode = cmNone;
  std::vector<std::string> files;
  std::string error;
  ASSERT_TRUE(ParseCommandLine({"-a", "-m", "-B", "-P", "-S", "-t", "-n", "-x", "-T", "tex", "-w",
                                "'-", "-W", "2", "--encoding=utf-8", "--sug-mode=normal", "-M"},
                               settings, mode, files, error))
      << error;
  EXPECT_EQ(mode, cmPipe);
  EXPECT_TRUE(files.empty());
  EXPECT_TRUE(settings.Utf8);
  EXPECT_FALSE(settings.RunTogetherLegal);
  EXPECT_FALSE(settings.ExtraOptions.Contains(soHTML));

  ASSERT_TRUE(ParseCommandLine({"-a", "-C", "-H", "-i", "ISO-8859-1"}, settings, mode, files, error))
      << error;
  EXPECT_TRUE(settings.RunTogetherLegal);
  EXPECT_TRUE(settings.ExtraOptions.Contains(soHTML));
  EXPECT_FALSE(settings.Utf8);

  TCheckerSettings markup;
  ASSERT_TRUE(ParseCommandLine({"-l", "--mode=html"}, markup, mode, files, error)) << error;
  EXPECT_TRUE(markup.ExtraOptions.Contains(soHTML));
  TCheckerSettings sgml;
  ASSERT_TRUE(ParseCommandLine({"-l", "-T", "sgml"}, sgml, mode, files, error)) << error;
  EXPECT_TRUE(sgml.ExtraOptions.Contains(soHTML));
}

TEST(CommandLineArguments, DictionaryNamesOfClientsResolveToOurFiles) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"american", "American.vlm"},  {"en_US", "American.vlm"},   {"en", "American.vlm"},
      {"british", "British.vlm"},    {"en_GB", "British.vlm"},    {"deutsch", "German.vlm"},
      {"de_DE", "German.vlm"},       {"de-AT", "German.vlm"},     {"de_DE.UTF-8", "German.vlm"},
      {"German", "German.vlm"},      {"francais", "French.vlm"},  {"fr_CA", "French.vlm"},
      {"es_CO", "Spanish.vlm"},      {"svenska", "Swedish.vlm"},  {"da_DK", "Danish.vlm"},
      {"nederlands", "Dutch.vlm"},   {"pl_PL", "Polish.vlm"},     {"pt_BR", "Brazilian.vlm"},
      {"brasileiro", "Brazilian.vlm"}, {"ru_RU", "Russian.vlm"}, {"russian", "Russian.vlm"},
      {"cs_CZ", "Czech.vlm"},        {"czech", "Czech.vlm"},      {"af_ZA", "Afrikaans.vlm"},
      {"sk_SK", ""},                 {"klingon", ""},             {"", ""},
  };
  for (const auto& c : cases) {
    std::string file;
    EXPECT_EQ(DictionaryFileForLanguage(c.first, file), !c.second.empty()) << c.first;
    if (!c.second.empty()) {
      EXPECT_EQ(file, c.second) << c.first;
    }
  }

  TCheckerSettings settings;
  TCheckerMode mode = cmNone;
  std::vector<std::string> files;
  std::string error;
  ASSERT_TRUE(ParseCommandLine({"-l", "-d", "de_DE,mine.vlm,../x/Own.VLM,american"}, settings,
                               mode, files, error))
      << error;
  EXPECT_EQ(settings.Dictionaries,
            (std::vector<std::string>{"German.vlm", "mine.vlm", "../x/Own.VLM", "American.vlm"}));
  ASSERT_TRUE(ParseCommandLine({"-l", "--lang=ru"}, settings, mode, files, error)) << error;
  EXPECT_EQ(settings.Dictionaries, (std::vector<std::string>{"Russian.vlm"}));
  EXPECT_FALSE(ParseCommandLine({"-l", "-d", "klingon"}, settings, mode, files, error));
  EXPECT_NE(error.find("klingon"), std::string::npos) << error;
  EXPECT_NE(error.find("american"), std::string::npos) << "the message names what is known";
}

}  // namespace
