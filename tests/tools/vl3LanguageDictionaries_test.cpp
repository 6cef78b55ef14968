// Main dictionaries of the user-interface languages as the build makes them:
// a word list in UTF-8, compiled in the language's code page with its
// language identifier, checked and corrected through vxspell's engine.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "vl3Codepage.h"
#include "vl3CommandLineChecker.h"
#include "vl3DictionaryCompiler.h"
#include "vl3MainDictionary.h"
#include "vl3Platform.h"

namespace {

struct TLanguageCase {
  const char* name;
  uint32_t langId;
  int codePage;
  std::vector<std::string> words;  // UTF-8
  std::string misspelling;
  std::string correction;
};

const std::vector<TLanguageCase> kLanguages = {
    {"English", 0x0409, 1252, {"receive", "believe", "weird"}, "recieve", "receive"},
    {"German", 0x0407, 1252, {"Mädchen", "Straße", "schön", "über"}, "Madchen", "Mädchen"},
    {"French", 0x040C, 1252, {"garçon", "été", "élève", "œuvre"}, "garcon", "garçon"},
    {"Spanish", 0x0C0A, 1252, {"mañana", "niño", "canción"}, "manana", "mañana"},
    {"Swedish", 0x041D, 1252, {"kärlek", "sjö", "får"}, "karlek", "kärlek"},
    {"Danish", 0x0406, 1252, {"blåbær", "rødgrød", "æble"}, "blabær", "blåbær"},
    {"Dutch", 0x0413, 1252, {"fiets", "ideeën", "één"}, "fiest", "fiets"},
    {"Polish", 0x0415, 1250, {"żółw", "źródło", "łódź", "gęś"}, "żołw", "żółw"},
    {"Brazilian", 0x0416, 1252, {"coração", "ação", "não"}, "coracão", "coração"},
    {"Russian", 0x0419, 1251, {"молоко", "хорошо", "спасибо"}, "малоко", "молоко"},
    {"Czech", 0x0405, 1250, {"žena", "šťastný", "čokoláda", "řeka"}, "zena", "žena"},
    {"Afrikaans", 0x0436, 1252, {"môre", "nie", "ook"}, "more", "môre"},
};

class LanguageDictionaries : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = Platform::TempDirectory() + "\\languages_" + std::to_string(::getpid());
    ASSERT_TRUE(Platform::CreateDirectory(folder_));
  }
  void TearDown() override {
    std::string path = folder_;
    for (char& c : path)
      if (c == '\\') c = '/';
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }

  // Compiles the words as the data build does and opens vxspell's engine on
  // the file, reading and writing UTF-8.
  std::unique_ptr<TCommandLineChecker> Checker(const TLanguageCase& c, uint32_t langId,
                                               const std::string& titleUtf8 = "",
                                               TSuggestionMode mode = smAccurate) {
    std::string list;
    for (const std::string& w : c.words) list += w + "\n";
    TDictionaryCompiler compiler;
    compiler.AddWordList(list, true, c.codePage);
    TDictionaryCompileOptions options;
    options.langId = langId;
    options.codePage = c.codePage;
    Codepage::FromUtf8(titleUtf8, c.codePage, options.title);
    const std::string file = folder_ + "\\" + c.name + ".vlm";
    std::string error;
    EXPECT_TRUE(compiler.CompileToFile(options, file, error)) << error;
    TCheckerSettings settings;
    settings.Dictionaries = {file};
    settings.Utf8 = true;
    settings.Suggestions = mode;
    auto checker = std::make_unique<TCommandLineChecker>();
    EXPECT_TRUE(checker->Open(settings, error)) << error;
    return checker;
  }

  // The suggestions vxspell's pipe offers for one word, in order.
  static std::vector<std::string> Suggestions(TCommandLineChecker& checker,
                                              const std::string& word) {
    std::istringstream in(word + "\n");
    std::ostringstream out;
    checker.RunPipe(in, out);
    const std::string answer = out.str().substr(out.str().find('\n') + 1);
    std::vector<std::string> suggestions;
    const size_t colon = answer.find(": ");
    if (answer.rfind("& ", 0) != 0 || colon == std::string::npos) return suggestions;
    std::stringstream items(answer.substr(colon + 2, answer.find('\n') - colon - 2));
    std::string item;
    while (std::getline(items, item, ',')) suggestions.push_back(item.substr(item[0] == ' '));
    return suggestions;
  }

  std::string folder_;
};

TEST_F(LanguageDictionaries, EachLanguageChecksAndCorrectsInItsCodePage) {
  for (const TLanguageCase& c : kLanguages) {
    std::unique_ptr<TCommandLineChecker> checker = Checker(c, c.langId);
    std::string text;
    for (const std::string& w : c.words) text += w + " ";
    std::istringstream in(text + c.misspelling + "\n");
    std::ostringstream out;
    checker->ListMisspelled(in, out);
    EXPECT_EQ(out.str(), c.misspelling + "\n") << c.name << ": every listed word is known";
    const std::vector<std::string> suggestions = Suggestions(*checker, c.misspelling);
    ASSERT_FALSE(suggestions.empty()) << c.name;
    EXPECT_EQ(suggestions[0], c.correction) << c.name;
  }
}

TEST_F(LanguageDictionaries, TitlesAreShownInTheCodePageOfTheirLanguage) {
  const std::vector<std::pair<size_t, std::string>> titles = {
      {9, "Русский"}, {10, "Čeština"}, {7, "Polski"}, {2, "Français"}};
  for (const auto& [index, title] : titles) {
    const TLanguageCase& c = kLanguages[index];
    Checker(c, c.langId, title);
    TMainDictionary dictionary;
    const std::string file = folder_ + "\\" + c.name + ".vlm";
    dictionary.Open(file);
    ASSERT_EQ(dictionary.SourcePath(), file);
    EXPECT_EQ(Codepage::ToUtf8(dictionary.DisplayTitle(), c.codePage), title) << c.name;
  }
}

TEST_F(LanguageDictionaries, CzechLettersBeyondTheCommonSetAreTriedFirstOnlyInCzech) {
  const TLanguageCase& czech = kLanguages[10];
  ASSERT_STREQ(czech.name, "Czech");
  // "ž" (0x9E in Windows-1250) lies outside the letters every language
  // tries as a first character in the standard mode.
  std::unique_ptr<TCommandLineChecker> checker = Checker(czech, czech.langId, "", smStandard);
  EXPECT_EQ(Suggestions(*checker, "zena"), (std::vector<std::string>{"žena"}));
  EXPECT_EQ(Suggestions(*checker, "sťastný"), (std::vector<std::string>{"šťastný"}));
  checker = Checker(czech, 0x041B, "", smStandard);  // Slovak: same code page, no Czech additions
  EXPECT_TRUE(Suggestions(*checker, "zena").empty());
}

}  // namespace
