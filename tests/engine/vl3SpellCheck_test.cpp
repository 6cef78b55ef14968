// Silent checks of strings answered through OnPromptWord: every action and
// its effect on the text and dictionaries, undo, repeated words, sequences.
#include <gtest/gtest.h>

#include <map>

#include "vl3Configuration.h"
#include "vl3SpellTestHost.h"
#include "vl3StringParser.h"

using namespace spelltest;

namespace {

using Step = std::function<void(TVexlorSpell3Base*)>;
Step DoIgnore() { return [](TVexlorSpell3Base* e) { e->Ignore(); }; }
Step DoIgnoreAll() { return [](TVexlorSpell3Base* e) { e->IgnoreAll(); }; }
Step DoChange(const std::string& r) { return [r](TVexlorSpell3Base* e) { e->Change(r); }; }
Step DoChangeAll(const std::string& r) { return [r](TVexlorSpell3Base* e) { e->ChangeAll(r); }; }
Step DoAdd() { return [](TVexlorSpell3Base* e) { e->Add(); }; }
Step DoAutoCorrect(const std::string& r) { return [r](TVexlorSpell3Base* e) { e->AutoCorrect(r); }; }
Step DoUndo() { return [](TVexlorSpell3Base* e) { e->Undo(); }; }
Step DoCancel() { return [](TVexlorSpell3Base* e) { e->Cancel(); }; }
Step DoDeleteRepeated() { return [](TVexlorSpell3Base* e) { e->DeleteRepeated(); }; }

// A string parser whose source reports a selection (a string never has one).
class TSelectionParser : public TStringParser {
 public:
  TSelectionParser(std::string& text, int32_t start, int32_t end) : TStringParser(text), start_(start), end_(end) {}
  void GetSelection(int32_t& sx, int32_t& sy, int32_t& ex, int32_t& ey) override {
    sx = start_;
    ex = end_;
    sy = ey = 0;
  }
  void GetCursorPosition(int32_t& x, int32_t& y) override {
    x = start_;
    y = 0;
  }

 private:
  int32_t start_, end_;
};

using SpellCheck = TEngineFixture;

TEST_F(SpellCheck, AcceptedTextRaisesNoPrompt) {
  EXPECT_EQ(Check("The quick brown fox jumps over the lazy dog."), "The quick brown fox jumps over the lazy dog.");
  EXPECT_TRUE(prompts.empty());
  EXPECT_FALSE(engine->Checking());
  EXPECT_EQ(engine->WordsChecked(), 9);
}

TEST_F(SpellCheck, IgnoreLeavesTheTextAndPromptsEveryOccurrence) {
  script = {DoIgnore(), DoIgnore()};
  EXPECT_EQ(Check("teh cat teh"), "teh cat teh");
  EXPECT_EQ(prompts, (std::vector<std::string>{"teh", "teh"}));
}

TEST_F(SpellCheck, IgnoreAllAlsoAcceptsCapitalisedForms) {
  script = {DoIgnoreAll()};
  EXPECT_EQ(Check("teh cat Teh TEH teh"), "teh cat Teh TEH teh");
  EXPECT_EQ(prompts, (std::vector<std::string>{"teh"}));
  // The word lasts for the component's life.
  prompts.clear();
  Check("teh");
  EXPECT_TRUE(prompts.empty());
}

TEST_F(SpellCheck, IgnoreAllOfCapitalisedWordDoesNotAcceptLowerCase) {
  script = {DoIgnoreAll(), DoIgnore()};
  Check("Teh teh");
  EXPECT_EQ(prompts, (std::vector<std::string>{"Teh", "teh"}));
}

TEST_F(SpellCheck, ChangeReplacesTheWordAndChecksTheReplacementAgain) {
  script = {DoChange("dgo"), DoChange("dog")};
  EXPECT_EQ(Check("the cta sat"), "the dog sat");
  EXPECT_EQ(prompts, (std::vector<std::string>{"cta", "dgo"}));
}

TEST_F(SpellCheck, ChangeWithoutRecheckMovesOn) {
  engine->SetRecheckReplacedWords(false);
  script = {DoChange("dgo")};
  EXPECT_EQ(Check("the cta sat"), "the dgo sat");
  EXPECT_EQ(prompts, (std::vector<std::string>{"cta"}));
}

TEST_F(SpellCheck, ChangeAllReplacesOnlyTheExactForm) {
  script = {DoChangeAll("the"), DoIgnore()};
  EXPECT_EQ(Check("teh cat teh Teh teh"), "the cat the Teh the");
  EXPECT_EQ(prompts, (std::vector<std::string>{"teh", "Teh"}));
}

TEST_F(SpellCheck, AddStoresTheWordInTheActiveCustomDictionary) {
  script = {DoAdd()};
  Check("zorbly cat zorbly");
  EXPECT_EQ(prompts, (std::vector<std::string>{"zorbly"}));
  ASSERT_NE(engine->ActiveCustomDictionary(), nullptr);
  EXPECT_TRUE(engine->ActiveCustomDictionary()->HasIgnore("zorbly"));
  // The end of the check saved it to the file.
  TCustomDictionary reread;
  reread.SetFilename(folder.File("User.vlu"));
  EXPECT_TRUE(reread.HasIgnore("zorbly"));
}

TEST_F(SpellCheck, AutoCorrectStoresThePairAndReplacesLaterOccurrences) {
  script = {DoAutoCorrect("the")};
  EXPECT_EQ(Check("teh cat teh"), "the cat the");
  EXPECT_EQ(prompts, (std::vector<std::string>{"teh"}));
  std::string replacement;
  ASSERT_NE(engine->ActiveCustomDictionary(), nullptr);
  EXPECT_TRUE(engine->ActiveCustomDictionary()->LookupAutoCorrect("teh", replacement));
  EXPECT_EQ(replacement, "the");
}

TEST_F(SpellCheck, AddAndAutoCorrectWithoutActiveDictionaryStillEditTheText) {
  engine->SetConfigDefaultActiveCustom("");
  script = {DoAdd(), DoAutoCorrect("dog")};
  EXPECT_EQ(Check("zorbly dgo"), "zorbly dog");
  EXPECT_EQ(engine->ActiveCustomDictionary(), nullptr);
}

TEST_F(SpellCheck, OneUndoRevertsAutomaticCorrectionsAndThenTheUserAction) {
  // A Change, an automatic correction further on, then a prompt.
  std::string text = "cta teh zzz";
  ASSERT_TRUE(engine->IsWordInDictionaries("cat"));
  engine->InternalDictionary()->AddAutoCorrect("teh", "the");
  int seen = 0;
  engine->OnPromptWord = [&](TVexlorSpell3Base* e, const std::string& word, bool) {
    prompts.push_back(word + "@" + text);
    ++seen;
    if (seen == 1) e->Change("cat");
    else if (seen == 2) e->Undo();
    else e->Cancel();
  };
  engine->CheckString(text);
  ASSERT_EQ(prompts.size(), 3u);
  EXPECT_EQ(prompts[0], "cta@cta teh zzz");
  EXPECT_EQ(prompts[1], "zzz@cat the zzz");
  // Both the automatic correction and the Change are gone; the check is
  // back at the changed word.
  EXPECT_EQ(prompts[2], "cta@cta teh zzz");
}

TEST_F(SpellCheck, UndoAfterAutomaticCorrectionAndChangeRevertsOnlyTheChange) {
  std::string text = "teh cta zzz";
  engine->InternalDictionary()->AddAutoCorrect("teh", "the");
  int seen = 0;
  engine->OnPromptWord = [&](TVexlorSpell3Base* e, const std::string& word, bool) {
    prompts.push_back(word + "@" + text);
    ++seen;
    if (seen == 1) e->Change("cat");
    else if (seen == 2) e->Undo();
    else e->Cancel();
  };
  engine->CheckString(text);
  ASSERT_EQ(prompts.size(), 3u);
  EXPECT_EQ(prompts[1], "zzz@the cat zzz");
  EXPECT_EQ(prompts[2], "cta@the cta zzz");
}

TEST_F(SpellCheck, UndoOfIgnoreAllAndAddForgetsTheWord) {
  script = {DoIgnoreAll(), DoUndo(), DoAdd(), DoUndo(), DoCancel()};
  Check("zorbly zzz");
  EXPECT_EQ(prompts, (std::vector<std::string>{"zorbly", "zzz", "zorbly", "zzz", "zorbly"}));
  EXPECT_FALSE(engine->InternalDictionary()->HasIgnore("zorbly"));
  EXPECT_FALSE(engine->ActiveCustomDictionary()->HasIgnore("zorbly"));
}

TEST_F(SpellCheck, UndoOfChangeAllAndAutoCorrectRestoresTextAndDictionaries) {
  std::vector<std::string> texts;
  std::string text = "teh cta";
  int seen = 0;
  engine->OnPromptWord = [&](TVexlorSpell3Base* e, const std::string& word, bool) {
    prompts.push_back(word);
    texts.push_back(text);
    switch (seen++) {
      case 0: e->ChangeAll("the"); break;
      case 1: e->Undo(); break;
      case 2: e->AutoCorrect("the"); break;
      case 3: e->Undo(); break;
      default: e->Cancel(); break;
    }
  };
  engine->CheckString(text);
  EXPECT_EQ(prompts, (std::vector<std::string>{"teh", "cta", "teh", "cta", "teh"}));
  EXPECT_EQ(texts[3], "the cta");
  EXPECT_EQ(texts[4], "teh cta");
  std::string r;
  EXPECT_FALSE(engine->InternalDictionary()->LookupAutoCorrect("teh", r));
  EXPECT_FALSE(engine->ActiveCustomDictionary()->LookupAutoCorrect("teh", r));
}

struct TMaxUndoCase {
  int32_t maxUndo;
  int expected;
};

class SpellCheckMaxUndo : public TEngineFixture, public ::testing::WithParamInterface<TMaxUndoCase> {};

TEST_P(SpellCheckMaxUndo, KeepsOnlyTheNewestRecords) {
  engine->SetMaxUndo(GetParam().maxUndo);
  int count = -1;
  bool canUndo = true;
  int seen = 0;
  engine->OnPromptWord = [&](TVexlorSpell3Base* e, const std::string&, bool) {
    if (++seen <= 5) {
      e->Ignore();
      return;
    }
    count = e->UndoCount();
    canUndo = e->CanUndo();
    e->Cancel();
  };
  Check("aa bb cc dd ee ff");
  EXPECT_EQ(count, GetParam().expected);
  EXPECT_EQ(canUndo, GetParam().expected > 0);
}

INSTANTIATE_TEST_SUITE_P(Depths, SpellCheckMaxUndo,
                         ::testing::Values(TMaxUndoCase{0, 0}, TMaxUndoCase{2, 2}, TMaxUndoCase{-1, 5}));

TEST_F(SpellCheck, RepeatedWordIsPromptedWithBothCopies) {
  script = {DoDeleteRepeated()};
  EXPECT_EQ(Check("the the cat"), "the cat");
  EXPECT_EQ(prompts, (std::vector<std::string>{"[the the]"}));
}

// A repeated-word prompt takes Ignore, IgnoreRepeated and DeleteRepeated;
// the actions for one word (Ignore All, Change, Change All, Add,
// Auto-Correct) do nothing there and say so. An asynchronous check then
// waits for an answer that applies; a synchronous one, whose host has no
// other way to answer, passes the repetition over instead of waiting.
TEST_F(SpellCheck, ARepetitionTakesOnlyTheRepeatedWordAnswers) {
  struct TCase {
    const char* name;
    std::function<bool(TVexlorSpell3Base*)> answer;
    bool applies;
    const char* expected;
  };
  const TCase cases[] = {
      {"Ignore", [](TVexlorSpell3Base* e) { return e->Ignore(); }, true, "the the cat"},
      {"IgnoreRepeated", [](TVexlorSpell3Base* e) { return e->IgnoreRepeated(); }, true, "the the cat"},
      {"DeleteRepeated", [](TVexlorSpell3Base* e) { return e->DeleteRepeated(); }, true, "the cat"},
      {"IgnoreAll", [](TVexlorSpell3Base* e) { return e->IgnoreAll(); }, false, "the the cat"},
      {"Add", [](TVexlorSpell3Base* e) { return e->Add(); }, false, "the the cat"},
      {"Change", [](TVexlorSpell3Base* e) { return e->Change("the"); }, false, "the the cat"},
      {"ChangeAll", [](TVexlorSpell3Base* e) { return e->ChangeAll("a"); }, false, "the the cat"},
      {"AutoCorrect", [](TVexlorSpell3Base* e) { return e->AutoCorrect("the"); }, false, "the the cat"},
  };
  for (const TCase& c : cases) {
    for (bool synchronous : {false, true}) {
      SCOPED_TRACE(std::string(c.name) + (synchronous ? " synchronous" : " asynchronous"));
      engine->SetSynchronousCheck(synchronous);
      prompts.clear();
      std::vector<bool> results;
      engine->OnPromptWord = [&](TVexlorSpell3Base* e, const std::string& word, bool repeated) {
        prompts.push_back(repeated ? "[" + word + "]" : word);
        if (prompts.size() == 1)
          results.push_back(c.answer(e));
        else
          e->Cancel();  // a second prompt is a fault: end the check
      };
      std::string text = "the the cat";
      engine->CheckString(text);
      EXPECT_EQ(results, std::vector<bool>{c.applies});
      if (!synchronous && !c.applies) {
        // Still at the repetition, text untouched, until an answer applies.
        EXPECT_TRUE(engine->Checking());
        EXPECT_TRUE(engine->PromptIsRepeated());
        EXPECT_EQ(text, "the the cat");
        EXPECT_TRUE(engine->Ignore());
      }
      EXPECT_FALSE(engine->Checking());
      EXPECT_EQ(text, c.expected);
      EXPECT_EQ(prompts, (std::vector<std::string>{"[the the]"}));
      EXPECT_FALSE(engine->Cancelled());
    }
  }
  // Nothing was stored for the repetition: it is prompted again, and no
  // dictionary holds an entry for it.
  prompts.clear();
  engine->SetSynchronousCheck(true);
  engine->OnPromptWord = [&](TVexlorSpell3Base* e, const std::string& word, bool repeated) {
    prompts.push_back(repeated ? "[" + word + "]" : word);
    e->Ignore();
  };
  EXPECT_EQ(Check("the the"), "the the");
  EXPECT_EQ(prompts, (std::vector<std::string>{"[the the]"}));
  ASSERT_NE(engine->ActiveCustomDictionary(), nullptr);
  for (TCustomDictionary* d : {engine->ActiveCustomDictionary(), engine->InternalDictionary()}) {
    EXPECT_EQ(d->CountIgnored(), 0);
    EXPECT_EQ(d->CountAutoCorrect(), 0);
  }
}

// A host that answers one prompt with every action in turn: only the first
// that applies acts, on the prompt's own word; the others, and answers
// given from events before the next prompt, do nothing and return false.
TEST_F(SpellCheck, OnlyTheFirstAnswerToAPromptActs) {
  std::vector<std::string> answers;
  auto everyAction = [&answers](TVexlorSpell3Base* e) {
    const std::pair<const char*, std::function<bool()>> actions[] = {
        {"Change", [e] { return e->Change("dog"); }},
        {"ChangeAll", [e] { return e->ChangeAll("xyz"); }},
        {"IgnoreAll", [e] { return e->IgnoreAll(); }},
        {"Add", [e] { return e->Add(); }},
        {"AutoCorrect", [e] { return e->AutoCorrect("xyz"); }},
        {"DeleteRepeated", [e] { return e->DeleteRepeated(); }},
        {"Undo", [e] { return e->Undo(); }},
        {"Ignore", [e] { return e->Ignore(); }},
    };
    std::string applied;
    for (const auto& a : actions)
      if (a.second()) applied += std::string(applied.empty() ? "" : "+") + a.first;
    answers.push_back(applied);
  };
  for (bool synchronous : {true, false}) {
    SCOPED_TRACE(synchronous ? "synchronous" : "asynchronous");
    engine->SetSynchronousCheck(synchronous);
    answers.clear();
    prompts.clear();
    int lateAnswers = 0;
    engine->OnParserReplaceWord = [&](TVexlorSpell3Base* e, bool, const std::string&, int32_t) {
      lateAnswers += e->Ignore() + e->Change("late");
    };
    engine->OnWordCheck = [&](TVexlorSpell3Base* e, const std::string&, TWordCheckType&, std::string&) {
      if (!answers.empty()) lateAnswers += e->Ignore() + e->IgnoreAll();
    };
    engine->OnPromptWord = [&](TVexlorSpell3Base* e, const std::string& word, bool repeated) {
      prompts.push_back(repeated ? "[" + word + "]" : word);
      everyAction(e);
    };
    std::string text = "the the cat teh dog";
    engine->CheckString(text);
    EXPECT_FALSE(engine->Checking());
    // "teh" becomes "dog", which then repeats the next word.
    EXPECT_EQ(text, "the cat dog");
    EXPECT_EQ(prompts, (std::vector<std::string>{"[the the]", "teh", "[dog dog]"}));
    EXPECT_EQ(answers, (std::vector<std::string>{"DeleteRepeated", "Change", "DeleteRepeated"}));
    EXPECT_EQ(lateAnswers, 0);
    EXPECT_EQ(engine->InternalDictionary()->CountIgnored(), 0);
    EXPECT_EQ(engine->InternalDictionary()->CountAutoCorrect(), 0);
    EXPECT_EQ(engine->ActiveCustomDictionary()->CountIgnored(), 0);
    EXPECT_EQ(engine->ActiveCustomDictionary()->CountAutoCorrect(), 0);
  }
}

// A replacement that makes a new repetition is prompted once as such and
// the check then goes on; the prompts are counted so that a check going
// round in circles ends with a failure instead of running for ever.
TEST_F(SpellCheck, ChangesThatMakeARepetitionArePromptedOnce) {
  struct TCase {
    const char* text;
    std::map<std::string, std::string> changes;  // prompt -> replacement; others: Ignore All
    bool recheck;
    const char* expected;
    std::vector<std::string> prompts;
  };
  const TCase cases[] = {
      // The replacement is read again and found to repeat the next word.
      {"zorb sat mat", {{"zorb", "sat"}}, true, "sat sat mat", {"zorb", "[sat sat]"}},
      // Change does not apply to a repetition: passed over, nothing replaced.
      {"the the cat", {{"[the the]", "cat"}}, true, "the the cat", {"[the the]"}},
      {"the the cat", {{"[the the]", "cat"}}, false, "the the cat", {"[the the]"}},
      // A host that answers a repetition with the repetition itself.
      {"a the the cat", {{"[the the]", "the the"}}, true, "a the the cat", {"[the the]"}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.text);
    engine->SetRecheckReplacedWords(c.recheck);
    prompts.clear();
    engine->OnPromptWord = [&](TVexlorSpell3Base* e, const std::string& word, bool repeated) {
      const std::string shown = repeated ? "[" + word + "]" : word;
      prompts.push_back(shown);
      if (prompts.size() > 5) {
        ADD_FAILURE() << "the check goes round in circles";
        e->Cancel();
      } else if (c.changes.count(shown)) {
        e->Change(c.changes.at(shown));
      } else if (repeated && shown == "[cat cat]") {
        e->DeleteRepeated();
      } else {
        e->IgnoreAll();
      }
    };
    EXPECT_EQ(Check(c.text), c.expected);
    EXPECT_EQ(prompts, c.prompts);
    EXPECT_FALSE(engine->Checking());
  }
}

// An Undo of a replaced repetition puts both copies back and prompts the
// repetition again.
TEST_F(SpellCheck, UndoOfAReplacedRepetitionRestoresBothCopies) {
  script = {DoDeleteRepeated(), DoUndo(), DoDeleteRepeated()};
  engine->SetRecheckReplacedWords(false);
  EXPECT_EQ(Check("the the zzz"), "the zzz");
  EXPECT_EQ(prompts, (std::vector<std::string>{"[the the]", "zzz", "[the the]", "zzz"}));
}

TEST_F(SpellCheck, OnlyOneSpaceBetweenCopiesMakesARepetition) {
  for (const char* text : {"the  the", "the,the", "the\tthe", "the\r\nthe"}) {
    prompts.clear();
    Check(text);
    EXPECT_TRUE(prompts.empty()) << text;
  }
}

TEST_F(SpellCheck, RepeatedWordsAreNotPromptedWithoutTheOption) {
  engine->Configuration()->SetConfigLoaded(true);
  engine->Configuration()->SetSpellOptions(TSpellOptions{soInternet});
  Check("the the cat");
  EXPECT_TRUE(prompts.empty());
}

TEST_F(SpellCheck, ExcludedWordIsPromptedOnlyWhileExclusionsAreUsed) {
  WriteCustom(folder.File("User.vlu"), {}, {"colour"});
  Check("colour");
  EXPECT_EQ(prompts, (std::vector<std::string>{"colour"}));
  prompts.clear();
  engine->SetUseExcludeWords(false);
  Check("colour");
  EXPECT_TRUE(prompts.empty());
}

TEST_F(SpellCheck, MappingPairsReplaceOrPrompt) {
  WriteCustom(folder.File("Map.vlu"), {}, {}, {{"color", "colour"}});
  engine->SetMappingDictionaryName("Map.vlu");
  EXPECT_EQ(Check("color"), "colour");
  EXPECT_TRUE(prompts.empty());

  engine->SetMappingAutoReplace(false);
  EXPECT_EQ(Check("color"), "color");
  EXPECT_EQ(prompts, (std::vector<std::string>{"color"}));

  TStringList suggestions;
  engine->GetSuggestions("color", suggestions);
  EXPECT_EQ(suggestions.ToVector(), (std::vector<std::string>{"colour"}));
}

TEST_F(SpellCheck, AutoCorrectFirstReplacesCorrectWords) {
  WriteCustom(folder.File("User.vlu"), {}, {}, {{"color", "colour"}});
  EXPECT_EQ(Check("color"), "color");
  engine->SetUseAutoCorrectFirst(true);
  EXPECT_EQ(Check("color"), "colour");
  EXPECT_TRUE(prompts.empty());
}

TEST_F(SpellCheck, WordCheckHandlerDecidesTheVerdict) {
  engine->OnWordCheck = [](TVexlorSpell3Base*, const std::string& word, TWordCheckType& type, std::string& r) {
    if (word == "cat") type = wcMisspelled;
    if (word == "zzz") type = wcAccepted;
    if (word == "dgo") {
      type = wcAutoCorrect;
      r = "dog";
    }
  };
  EXPECT_EQ(Check("zzz cat dgo"), "zzz cat dog");
  EXPECT_EQ(prompts, (std::vector<std::string>{"cat"}));
}

TEST_F(SpellCheck, EventsComeInTheDocumentedOrder) {
  std::vector<std::string> events;
  engine->OnWordCheck = [&](TVexlorSpell3Base*, const std::string& w, TWordCheckType&, std::string&) {
    events.push_back("check " + w);
  };
  engine->OnPromptWord = [&](TVexlorSpell3Base* e, const std::string& w, bool) {
    events.push_back("prompt " + w);
    e->Change("cat");
  };
  engine->OnParserUndoLast = [&](TVexlorSpell3Base*, int32_t state, TSpellAction, int32_t) {
    events.push_back("undo " + std::to_string(state));
  };
  engine->OnBeforeChange = [&](TVexlorSpell3Base*) { events.push_back("before change"); };
  engine->OnParserReplaceWord = [&](TVexlorSpell3Base*, bool before, const std::string& r, int32_t state) {
    events.push_back(std::string(before ? "replace> " : "replace< ") + r + " " + std::to_string(state));
  };
  engine->OnCompleteCheck = [&](TVexlorSpell3Base*) { events.push_back("complete"); };
  Check("the cta sat");
  EXPECT_EQ(events, (std::vector<std::string>{"check the", "check cta", "prompt cta", "undo 0", "before change",
                                              "replace> cat 0", "replace< cat 0", "check cat", "check sat",
                                              "complete"}));
}

TEST_F(SpellCheck, IgnoreNotifiesListenersBeforeAndAfter) {
  std::vector<std::string> events;
  engine->IgnoreWordListeners()->AddListener(this, [&](void*) {
    events.push_back(std::to_string(engine->IgnoreWordListeners()->State) +
                     (engine->IgnoreWordListeners()->Before ? " before" : " after"));
  });
  script = {DoIgnoreAll()};
  Check("zorbly");
  EXPECT_EQ(events, (std::vector<std::string>{"11 before", "11 after"}));
}

TEST_F(SpellCheck, CancelEndsTheCheckAndRefusesNothingAfterwards) {
  script = {DoCancel()};
  Check("zzz yyy");
  EXPECT_EQ(prompts, (std::vector<std::string>{"zzz"}));
  EXPECT_TRUE(engine->Cancelled());
  EXPECT_FALSE(engine->Checking());
  prompts.clear();
  Check("yyy");
  EXPECT_EQ(prompts, (std::vector<std::string>{"yyy"}));
}

TEST_F(SpellCheck, ActionsOutsideACheckDoNothing) {
  engine->Ignore();
  engine->Change("x");
  engine->Undo();
  engine->Cancel();
  EXPECT_FALSE(engine->Checking());
  EXPECT_FALSE(engine->Cancelled());
}

TEST_F(SpellCheck, ASecondCheckDuringACheckIsRefused) {
  int inner = 0;
  engine->OnPromptWord = [&](TVexlorSpell3Base* e, const std::string&, bool) {
    std::string other = "qqq";
    e->CheckString(other);
    ++inner;
    e->Ignore();
  };
  Check("zzz");
  EXPECT_EQ(inner, 1);
}

TEST_F(SpellCheck, CheckWithNobodyToAnswerEndsCancelled) {
  engine->OnPromptWord = nullptr;
  EXPECT_EQ(Check("zzz cat"), "zzz cat");
  EXPECT_FALSE(engine->Checking());
  EXPECT_TRUE(engine->Cancelled());
}

TEST_F(SpellCheck, AsynchronousCheckContinuesThroughLaterActions) {
  engine->SetSynchronousCheck(false);
  engine->OnPromptWord = [&](TVexlorSpell3Base*, const std::string& w, bool) { prompts.push_back(w); };
  std::string text = "zzz cat yyy";
  engine->CheckString(text);
  EXPECT_TRUE(engine->Checking());
  EXPECT_EQ(engine->CurrentWord(), "zzz");
  engine->Change("dog");
  EXPECT_EQ(engine->CurrentWord(), "yyy");
  engine->Change("sat");
  EXPECT_FALSE(engine->Checking());
  EXPECT_EQ(text, "dog cat sat");
}

TEST_F(SpellCheck, ManyPromptsAnsweredAtOnceDoNotNest) {
  std::string text;
  for (int i = 0; i < 20000; ++i) text += "zq ";
  int count = 0;
  engine->OnPromptWord = [&](TVexlorSpell3Base* e, const std::string&, bool) {
    ++count;
    e->Ignore();
  };
  engine->CheckString(text);
  EXPECT_EQ(count, 20000);
  EXPECT_FALSE(engine->Checking());
}

TEST_F(SpellCheck, EndMessageFollowsTheSetting) {
  engine->SetUIType(suiDialog);
  engine->OnPromptWord = [](TVexlorSpell3Base* e, const std::string&, bool) { e->Cancel(); };
  Check("");
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0], "Spelling|The spelling check is complete.|64");

  messages.clear();
  engine->SetEndMessageWordCount(true);
  Check("cat dog");
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0], "Spelling|The spelling check is complete.\r\n\r\nWords checked: 2|64");

  messages.clear();
  Check("zzz");  // cancelled
  EXPECT_TRUE(messages.empty());

  engine->SetEndMessage(emNoDialog);
  Check("cat");
  EXPECT_TRUE(messages.empty());

  engine->SetEndMessage(emAlways);
  int custom = 0;
  engine->OnShowEndMessage = [&](TVexlorSpell3Base*) { ++custom; };
  Check("cat");
  EXPECT_EQ(custom, 1);
  EXPECT_TRUE(messages.empty());
}

TEST_F(SpellCheck, SilentChecksShowNoEndMessage) {
  engine->SetEndMessage(emAlways);
  Check("cat");
  EXPECT_TRUE(messages.empty());
}

TEST_F(SpellCheck, SequenceStopsCheckingAfterACancel) {
  engine->SetUIType(suiDialog);
  engine->StartSequenceCheck();
  std::vector<std::string> texts = {"zz one", "yy two", "xx three", "ww four"};
  int seen = 0;
  engine->OnPromptWord = [&](TVexlorSpell3Base* e, const std::string& w, bool) {
    prompts.push_back(w);
    if (seen++ == 0) e->Ignore();
    else e->Cancel();
  };
  for (auto& t : texts) engine->CheckString(t);
  EXPECT_EQ(prompts, (std::vector<std::string>{"zz", "yy"}));
  EXPECT_EQ(engine->WordsChecked(), 3);
  engine->StopSequenceCheck();
  EXPECT_TRUE(messages.empty());
  EXPECT_FALSE(engine->KeepDictionariesActive());
}

TEST_F(SpellCheck, SequenceCountsWordsAcrossChecksAndShowsOneMessage) {
  engine->SetUIType(suiDialog);
  engine->SetEndMessageWordCount(true);
  engine->StartSequenceCheck();
  EXPECT_TRUE(engine->KeepDictionariesActive());
  Check("one two");
  Check("three");
  EXPECT_TRUE(messages.empty());
  engine->StopSequenceCheck();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find("Words checked: 3"), std::string::npos);
}

TEST_F(SpellCheck, SmartCheckWithoutSelectionChecksFromTheCaretThenTheStart) {
  std::string text = "aaa bbb ccc ddd";
  engine->OnPromptWord = [&](TVexlorSpell3Base* e, const std::string& w, bool) {
    prompts.push_back(w);
    e->Ignore();
  };
  engine->CheckParser(new TSelectionParser(text, 9, 9), ctSmart);
  EXPECT_EQ(prompts, (std::vector<std::string>{"ccc", "ddd", "aaa", "bbb"}));
  EXPECT_FALSE(engine->Checking());
  EXPECT_FALSE(engine->SequenceActive());
}

TEST_F(SpellCheck, SmartCheckWithSelectionAsksBeforeTheRest) {
  std::string text = "aaa bbb ccc ddd";
  engine->OnPromptWord = [&](TVexlorSpell3Base* e, const std::string& w, bool) {
    prompts.push_back(w);
    e->Ignore();
  };
  messageAnswer = Platform::kIdYes;
  engine->CheckParser(new TSelectionParser(text, 5, 12), ctSmart);
  EXPECT_EQ(prompts, (std::vector<std::string>{"bbb", "ccc", "ddd", "aaa"}));
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0],
            "Spelling|The selection has been checked.  Would you like to check the remainder of the document?|68");
  EXPECT_FALSE(engine->Cancelled());
}

TEST_F(SpellCheck, SmartCheckAnsweredNoChecksOnlyTheSelectionAndCountsAsCancelled) {
  std::string text = "aaa bbb ccc ddd";
  engine->OnPromptWord = [&](TVexlorSpell3Base* e, const std::string& w, bool) {
    prompts.push_back(w);
    e->Ignore();
  };
  messageAnswer = Platform::kIdNo;
  engine->CheckParser(new TSelectionParser(text, 5, 12), ctSmart);
  EXPECT_EQ(prompts, (std::vector<std::string>{"bbb", "ccc"}));
  EXPECT_TRUE(engine->Cancelled());
}

TEST_F(SpellCheck, WordCounts) {
  EXPECT_EQ(engine->WordCount(""), 0);
  EXPECT_EQ(engine->WordCount("one two three"), 3);
  EXPECT_EQ(engine->WordCount("zzz, yyy. e.g. 3.14"), 4);
  std::string text = "one two";
  EXPECT_EQ(engine->WordCountParser(new TStringParser(text), ctFromCursor), 0);
  EXPECT_EQ(engine->WordCountWinControl(nullptr, ctAll), 0);
}

TEST_F(SpellCheck, CaretGoesBackAsEndCursorPositionSays) {
  struct TCase {
    TSpellEndPosition position;
    int32_t expected;
  };
  for (TCase c : {TCase{epHome, 1}, TCase{epOriginal, 5}, TCase{epNoModify, 9}}) {
    std::string text = "cat dog";
    auto* parser = new TStringParser(text);
    parser->SetPosition(5, 0, ppCurrent);
    engine->SetOwnsParser(false);
    engine->SetEndCursorPosition(c.position);
    engine->CheckParser(parser, ctAll);
    EXPECT_EQ(parser->X(), c.expected) << c.position;
    delete parser;
  }
}
}  // namespace
