// A descendant's overrides of the component's virtual steps take part in the
// work its collaborators do: checking, answering, undo, files, suggestions.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "vl3SpellTestHost.h"

using namespace spelltest;

namespace {

class TRecordingSpell : public TVexlorSpell3Base {
 public:
  std::vector<std::string> log;
  int existenceTests = 0;

  bool IsWordCorrect(const std::string& word) override {
    return word == "zorbly" || TVexlorSpell3Base::IsWordCorrect(word);
  }
  void ShowSpellDialog() override {
    log.push_back("show");
    TVexlorSpell3Base::ShowSpellDialog();
  }
  void PromptWord() override {
    log.push_back("prompt " + CurrentWord());
    TVexlorSpell3Base::PromptWord();
  }
  void AddUndo(TSpellAction action, const std::string& replacement, bool automatic) override {
    log.push_back("undo record " + std::to_string(action));
    TVexlorSpell3Base::AddUndo(action, replacement, automatic);
  }
  void ReplaceCurrentWord(const std::string& replacement, int32_t state) override {
    log.push_back("replace " + replacement);
    TVexlorSpell3Base::ReplaceCurrentWord(replacement, state);
  }
  void UndoLast() override {
    log.push_back("undo");
    TVexlorSpell3Base::UndoLast();
  }
  void CompleteCheck() override {
    log.push_back("complete");
    TVexlorSpell3Base::CompleteCheck();
  }
  std::unique_ptr<TCustomDictionary> OpenCustomDictionary(const std::string& name) override {
    log.push_back("open " + name);
    return TVexlorSpell3Base::OpenCustomDictionary(name);
  }
  void SuggestionWordExists(const std::string& word, bool& exists) override {
    ++existenceTests;
    TVexlorSpell3Base::SuggestionWordExists(word, exists);
  }
};

using SpellOverrides = TEngineFixture;

TEST_F(SpellOverrides, CollaboratorsCallTheDescendantsSteps) {
  TRecordingSpell spell;
  spell.SetConfigStorage(csNone);
  spell.SetConfigDictionaryDir(List({folder.Path()}));
  spell.SetConfigDefaultMain(List({"Test.vlm"}));
  spell.SetConfigDefaultActiveCustom("User.vlu");
  spell.SetSuggestionsLearning(false);
  int answers = 0;
  spell.OnPromptWord = [&answers](TVexlorSpell3Base* sender, const std::string&, bool) {
    switch (answers++) {
      case 0:
        sender->Change("the");
        break;
      case 1:
        sender->Undo();
        break;
      default:
        sender->Ignore();
    }
  };

  // The first load opens the set through the override; the run loop asks
  // the override whether a word is correct, and the answers and undo go
  // through the overrides too.
  std::string text = "zorbly teh cta";
  spell.CheckString(text);
  EXPECT_EQ(text, "zorbly teh cta");
  EXPECT_EQ(spell.log, (std::vector<std::string>{
                           "open User.vlu", "show", "prompt teh", "undo record 2", "replace the",
                           "show", "prompt cta", "undo", "replace teh", "show", "prompt teh",
                           "undo record 0", "show", "prompt cta", "undo record 0", "complete"}));

  TStringList suggestions;
  spell.GetSuggestions("dgo", suggestions);
  EXPECT_GT(spell.existenceTests, 0);
  EXPECT_GE(suggestions.IndexOf("dog"), 0);

  // Made active once it opens; the set is then opened again with it.
  spell.log.clear();
  spell.SetCustomDictionaryActive("Other.vlu", true);
  EXPECT_EQ(spell.log,
            (std::vector<std::string>{"open Other.vlu", "open Other.vlu", "open User.vlu"}));
}

}  // namespace
