// The dictionary set on its own: which dictionaries answer a look-up, in
// which order, and the rules for numbers, possessives and capitals.
#include "vl3SpellDictionarySet.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "vl3CustomDictionary.h"
#include "vl3DictionaryCompiler.h"
#include "vl3MainDictionary.h"
#include "vl3Platform.h"

namespace {

// A main dictionary compiled from a few words into a file of its own.
class TCompiledMain {
 public:
  TCompiledMain(const std::vector<std::string>& words, uint32_t langId) {
    static int serial = 0;
    path_ = Platform::TempDirectory() + "\\vxdictset_" + std::to_string(::getpid()) + "_" +
            std::to_string(++serial) + ".vlm";
    TDictionaryCompiler compiler;
    for (const std::string& w : words) compiler.AddWord(w);
    TDictionaryCompileOptions options;
    options.langId = langId;
    std::string error;
    compiled_ = compiler.CompileToFile(options, path_, error);
  }
  ~TCompiledMain() { Platform::DeleteFile(path_); }

  std::unique_ptr<TMainDictionary> Open() const {
    auto dictionary = std::make_unique<TMainDictionary>();
    dictionary->Open(path_);
    return dictionary;
  }
  bool Compiled() const { return compiled_; }

 private:
  std::string path_;
  bool compiled_ = false;
};

std::unique_ptr<TCustomDictionary> Custom(
    const std::vector<std::string>& ignore, const std::vector<std::string>& exclude = {},
    const std::vector<std::pair<std::string, std::string>>& autoCorrect = {}) {
  auto dictionary = std::make_unique<TCustomDictionary>();
  for (const auto& w : ignore) dictionary->AddIgnore(w);
  for (const auto& w : exclude) dictionary->AddExclude(w);
  for (const auto& p : autoCorrect) dictionary->AddAutoCorrect(p.first, p.second);
  return dictionary;
}

TEST(SpellDictionarySet, LooksUpInMainCustomAndInternalDictionariesAndReordersByHits) {
  TCompiledMain english({"cat", "dog", "hello"}, 0x0409);
  TCompiledMain german({"hund", "katze"}, 0x0407);
  ASSERT_TRUE(english.Compiled() && german.Compiled());

  TSpellDictionarySet set;
  EXPECT_EQ(set.Language(), 0u);
  EXPECT_FALSE(set.PossessiveRule());
  set.AddMain(german.Open());
  EXPECT_FALSE(set.PossessiveRule());
  set.AddMain(english.Open());
  EXPECT_TRUE(set.PossessiveRule());
  EXPECT_EQ(set.Language(), 0x0407u);

  set.SetActiveCustom(Custom({"vexlor"}, {"colour"}, {{"teh", "the"}}));
  set.AddCustom(Custom({"wordlist"}, {"ain't"}, {{"recieve", "receive"}}));
  set.AddMSWordCustom(Custom({"memo"}));
  set.Internal()->AddIgnore("zorbly");
  set.Internal()->AddAutoCorrect("teh", "tea");  // the active dictionary's comes first
  set.SetMapping(Custom({}, {}, {{"color", "colour"}}));
  set.SetLearning(Custom({}, {}, {{"wrod", "word"}}));

  struct TCase {
    const char* word;
    bool inMain, anywhere, excluded;
  } cases[] = {
      {"cat", true, true, false},     {"hund", true, true, false},
      {"vexlor", false, true, false}, {"wordlist", false, true, false},
      {"memo", false, true, false},   {"zorbly", false, true, false},
      {"colour", false, false, true}, {"ain't", false, false, true},
      {"color", false, false, true},  {"Cat", false, false, false},
      {"", false, false, false},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(set.FindInMain(c.word), c.inMain) << c.word;
    EXPECT_EQ(set.FindAnywhere(c.word), c.anywhere) << c.word;
    EXPECT_EQ(set.IsExcluded(c.word), c.excluded) << c.word;
  }

  std::string replacement;
  EXPECT_TRUE(set.FindAutoCorrection("teh", replacement, false, false));
  EXPECT_EQ(replacement, "the");
  EXPECT_TRUE(set.FindAutoCorrection("recieve", replacement, false, false));
  EXPECT_EQ(replacement, "receive");
  EXPECT_FALSE(set.FindAutoCorrection("color", replacement, false, false));
  EXPECT_TRUE(set.FindAutoCorrection("color", replacement, true, false));
  EXPECT_EQ(replacement, "colour");
  EXPECT_FALSE(set.FindAutoCorrection("wrod", replacement, true, false));
  EXPECT_TRUE(set.FindAutoCorrection("wrod", replacement, false, true));
  EXPECT_EQ(replacement, "word");

  // One more hit than the German dictionary had above.
  EXPECT_TRUE(set.FindInMain("dog"));
  set.ReorderByHits();
  EXPECT_EQ(set.Language(), 0x0409u);
  EXPECT_EQ(set.MainCount(), 2);
  set.ClearMain();
  EXPECT_EQ(set.MainCount(), 0);
  EXPECT_FALSE(set.PossessiveRule());
  EXPECT_FALSE(set.FindInMain("cat"));
  EXPECT_TRUE(set.FindAnywhere("zorbly"));
}

TEST(SpellDictionarySet, NumbersPossessivesAndLowerCaseForms) {
  struct TNumber {
    const char* word;
    bool number;
  } numbers[] = {{"42", true},   {"-3.5", true}, {"+.5", true},   {"1e5", true},
                 {"2E-3", true}, {"1e", false},  {"0x10", false}, {"12ab", false},
                 {".", false},   {"", false},    {"-", false}};
  for (const TNumber& n : numbers)
    EXPECT_EQ(TSpellDictionarySet::IsNumber(n.word), n.number) << n.word;

  TCompiledMain english({"dog", "Paris"}, 0x0409);
  ASSERT_TRUE(english.Compiled());
  TSpellDictionarySet set;
  set.AddMain(english.Open());
  EXPECT_TRUE(set.IsPossessiveOfKnownWord("dog's"));
  EXPECT_TRUE(set.IsPossessiveOfKnownWord("DOG'S"));
  EXPECT_TRUE(set.IsPossessiveOfKnownWord("Paris's"));
  EXPECT_FALSE(set.IsPossessiveOfKnownWord("cat's"));
  EXPECT_FALSE(set.IsPossessiveOfKnownWord("dog's's"));
  EXPECT_FALSE(set.IsPossessiveOfKnownWord("'s"));

  std::string lower;
  std::vector<std::string> tried;
  auto record = [&tried](const std::string& form) {
    tried.push_back(form);
    return form == "dog";
  };
  EXPECT_TRUE(set.AnyLowerCaseForm("DOG", lower, record));
  EXPECT_FALSE(set.AnyLowerCaseForm("dog", lower, record));  // no capitals: nothing to try
  EXPECT_EQ(tried, std::vector<std::string>({"dog"}));
}

}  // namespace
