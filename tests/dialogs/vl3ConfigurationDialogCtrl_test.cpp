// The dialog bridge: linked once, harmless while unlinked, and every query
// and command reaching the spell-checker component during real checks.
#include "vl3ConfigurationDialogCtrl.h"

#include <gtest/gtest.h>

#include "../engine/vl3SpellTestHost.h"
#include "../engine/vl3StillForm.h"
#include "vl3Configuration.h"
#include "vl3CustomDictionary.h"
#include "vl3Forms.h"
#include "vl3Help.h"
#include "vl3MainDictionary.h"

using namespace spelltest;

namespace {

class DialogBridge : public TEngineFixture {
 protected:
  // The bridge answers every prompt as a dialog would: the engine's prompt
  // reaches it, and the scripted button presses go through it.
  void AnswerThroughBridge(std::deque<std::function<void(TConfigurationDialogCtrl&)>> presses) {
    presses_ = std::move(presses);
    bridge.Attach(engine.get());
    bridge.OnPromptWord = [this](TVexlorSpell3Base*, const std::string& word, bool repeated) {
      prompts.push_back(repeated ? "[" + word + "]" : word);
      if (presses_.empty()) return bridge.Ignore();
      auto press = presses_.front();
      presses_.pop_front();
      press(bridge);
    };
    engine->OnPromptWord = [this](TVexlorSpell3Base* sender, const std::string& word, bool repeated) {
      bridge.OnPromptWord(sender, word, repeated);
    };
  }

  TStillForm form;
  TConfigurationDialogCtrl& bridge = *new TConfigurationDialogCtrl(&form);  // owned by form
  std::deque<std::function<void(TConfigurationDialogCtrl&)>> presses_;
};

TEST_F(DialogBridge, UnlinkedBridgeIsHarmlessAndAnswersNeutralValues) {
  std::vector<std::string> helped;
  Platform::SetHelpHook([&](const std::string& file, int32_t) { helped.push_back(file); });
  TConfigurationDialogCtrl lone;
  EXPECT_EQ(lone.Name(), "DialogControl");
  EXPECT_EQ(lone.GetMainDictionaryFiles(), nullptr);
  EXPECT_EQ(lone.GetCustomDictionaryFiles(), nullptr);
  EXPECT_EQ(lone.GetMSWordCustomDictionaryFiles(), nullptr);
  EXPECT_TRUE(lone.GetUseExcludeWords());
  EXPECT_FALSE(lone.CanUndo());
  EXPECT_EQ(lone.GetInternalDictionary(), nullptr);
  EXPECT_EQ(lone.GetActiveCustomDictionary(), nullptr);
  EXPECT_TRUE(lone.GetCommandsVisible().Empty());
  EXPECT_TRUE(lone.GetCommandsEnabled().Empty());
  EXPECT_EQ(lone.OpenMainDictionary("Test.vlm"), nullptr);
  EXPECT_EQ(lone.OpenCustomDictionary("User.vlu"), nullptr);
  EXPECT_EQ(lone.GetOptionCaption(soUpcase), "");
  EXPECT_EQ(lone.GetOptionCaption(soUser1), "");
  EXPECT_EQ(lone.GetString(lsSpellDialogCaption), "");
  EXPECT_FALSE(lone.RenameCustomDictionary("User.vlu", "Other"));
  TStringList list;
  list.Add("kept");
  lone.GetSuggestions("teh", list);
  EXPECT_EQ(list.Count(), 1);
  // Commands do nothing, and nothing reaches the engine or the system.
  lone.Ignore(), lone.IgnoreAll(), lone.Change("x"), lone.ChangeAll("x"), lone.Add();
  lone.AutoCorrect("x"), lone.Cancel(), lone.Undo(), lone.IgnoreRepeated(), lone.DeleteRepeated();
  lone.ShowConfigDialog(), lone.ShowCustomDictionariesDialog(), lone.ShowAddDictionaryDir();
  lone.ShowEditCustomDictionaryDialog(nullptr);
  lone.SetCustomDictionaryActive("A.vlu", true), lone.SetMSWordCustomDictionaryActive("B.dic", true);
  lone.DeleteCustomDictionary("User.vlu"), lone.NewCustomDictionary("New");
  lone.ShowSpellDialogHelp(), lone.ShowConfigDialogHelp(), lone.ShowDictionariesDialogHelp();
  lone.ShowDictionaryEditDialogHelp();
  EXPECT_TRUE(helped.empty());
  EXPECT_EQ(lone.Version(), "3.2.0 Pro");
  lone.SetVersion("1.0");
  EXPECT_EQ(lone.Version(), "3.2.0 Pro");
  Platform::SetHelpHook(nullptr);
}

TEST_F(DialogBridge, LinksOnceAndAnnouncesTheConfigurationAndTheDictionary) {
  int configured = 0, dictionaries = 0;
  bridge.OnConfigurationAvailable = [&](TConfigurationDialogCtrl* sender) {
    EXPECT_EQ(sender, &bridge);
    // Everything the set-up needs is in place when it runs.
    EXPECT_EQ(sender->Configuration(), engine->Configuration());
    EXPECT_EQ(sender->GetString(lsSpellDialogCaption), "Spelling");
    ++configured;
  };
  bridge.OnCustomDictionaryAvailable = [&](TConfigurationDialogCtrl*) { ++dictionaries; };
  engine->SetConfigAvailableOptions(TSpellOptions{soUpcase, soRepeated});
  bridge.Attach(nullptr);  // no engine: still unlinked
  EXPECT_EQ(configured, 0);
  bridge.Attach(engine.get());
  EXPECT_EQ(configured, 1);
  EXPECT_EQ(bridge.SpellChecker(), engine.get());
  EXPECT_EQ(bridge.AvailableOptions(), (TSpellOptions{soUpcase, soRepeated}));

  auto other = MakeEngine();
  bridge.Attach(other.get());
  EXPECT_EQ(bridge.SpellChecker(), engine.get());
  EXPECT_EQ(configured, 1);

  TCustomDictionary dictionary;
  bridge.SetCustomDictionary(nullptr);
  EXPECT_EQ(dictionaries, 0);
  bridge.SetCustomDictionary(&dictionary);
  EXPECT_EQ(bridge.CustomDictionary(), &dictionary);
  EXPECT_EQ(dictionaries, 1);
  bridge.SetCustomDictionary(nullptr);
  EXPECT_EQ(bridge.CustomDictionary(), nullptr);
  EXPECT_EQ(dictionaries, 1);
}

TEST_F(DialogBridge, QueriesReadTheLinkedComponent) {
  bridge.Attach(engine.get());
  engine->SetCommandsVisible(TSpellDialogCommands{sdcIgnore, sdcHelp});
  engine->SetCommandsEnabled(TSpellDialogCommands{sdcCancel});
  engine->SetUseExcludeWords(false);
  engine->SetConfigUserOption2("Mind the gap");
  EXPECT_EQ(bridge.GetCommandsVisible(), (TSpellDialogCommands{sdcIgnore, sdcHelp}));
  EXPECT_EQ(bridge.GetCommandsEnabled(), (TSpellDialogCommands{sdcCancel}));
  EXPECT_FALSE(bridge.GetUseExcludeWords());
  EXPECT_EQ(bridge.GetOptionCaption(soUpcase), "Ignore words in &UPPERCASE");
  EXPECT_EQ(bridge.GetOptionCaption(soRepeated), "Prompt on repeated word");
  EXPECT_EQ(bridge.GetOptionCaption(soUser2), "Mind the gap");
  EXPECT_EQ(bridge.GetOptionCaption(soUser3), "");

  engine->SetUILanguage(ltDutch);
  engine->OnGetString = [](TVexlorSpell3Base*, TSpellLanguageString id, std::string& text) {
    if (id == lsCancel) text = "Stop";
  };
  EXPECT_EQ(bridge.GetString(lsIgnore), "Negeren");
  EXPECT_EQ(bridge.GetString(lsCancel), "Stop");

  EXPECT_EQ(bridge.GetMainDictionaryFiles(), engine->GetMainDictionaryFiles());
  EXPECT_TRUE(bridge.GetMainDictionaryFiles()->Contains("Test.vlm"));
  EXPECT_EQ(bridge.GetCustomDictionaryFiles(), engine->GetCustomDictionaryFiles());
  EXPECT_EQ(bridge.GetMSWordCustomDictionaryFiles(), engine->GetMSWordCustomDictionaryFiles());
  auto main = bridge.OpenMainDictionary("Test.vlm");
  ASSERT_NE(main, nullptr);
  EXPECT_TRUE(main->WordExists("cat"));
  EXPECT_EQ(bridge.OpenMainDictionary("Missing.vlm"), nullptr);
  WriteCustom(folder.File("Names.vlu"), {"Zorbly"});
  auto custom = bridge.OpenCustomDictionary("Names.vlu");
  ASSERT_NE(custom, nullptr);
  EXPECT_TRUE(custom->HasIgnore("Zorbly"));

  engine->Configuration()->SetConfigLoaded(true);
  EXPECT_EQ(bridge.GetInternalDictionary(), engine->InternalDictionary());
  EXPECT_NE(bridge.GetActiveCustomDictionary(), nullptr);
  EXPECT_EQ(bridge.GetActiveCustomDictionary(), engine->ActiveCustomDictionary());
}

TEST_F(DialogBridge, ButtonPressesThroughTheBridgeEditTheTextAndTheDictionaries) {
  std::vector<std::string> firstSuggestions;
  AnswerThroughBridge({
      [&](TConfigurationDialogCtrl& b) {  // teh: Change to the first suggestion
        TStringList list;
        b.GetSuggestions("teh", list);
        firstSuggestions = list.ToVector();
        ASSERT_FALSE(firstSuggestions.empty());
        b.Change(list[0]);
      },
      [](TConfigurationDialogCtrl& b) { b.IgnoreAll(); },         // zorbly
      [](TConfigurationDialogCtrl& b) { b.ChangeAll("dog"); },    // dgo
      [](TConfigurationDialogCtrl& b) { b.Add(); },               // quux
      [](TConfigurationDialogCtrl& b) { b.AutoCorrect("cat"); },  // cta
      [](TConfigurationDialogCtrl& b) { b.DeleteRepeated(); },    // [the the]
  });
  EXPECT_EQ(Check("teh zorbly dgo quux cta the the zorbly dgo"), "the zorbly dog quux cat the zorbly dog");
  EXPECT_EQ(prompts, (std::vector<std::string>{"teh", "zorbly", "dgo", "quux", "cta", "[the the]"}));
  EXPECT_EQ(firstSuggestions.front(), "the");
  EXPECT_TRUE(engine->InternalDictionary()->HasIgnore("zorbly"));
  std::string replacement;
  EXPECT_TRUE(engine->InternalDictionary()->LookupAutoCorrect("dgo", replacement));
  // Add and Auto-Correct reached the active custom dictionary's file.
  TCustomDictionary reread;
  reread.SetFilename(folder.File("User.vlu"));
  EXPECT_TRUE(reread.HasIgnore("quux"));
  EXPECT_TRUE(reread.LookupAutoCorrect("cta", replacement));
  EXPECT_EQ(replacement, "cat");
}

TEST_F(DialogBridge, UndoIgnoreRepeatedAndCancelThroughTheBridge) {
  std::vector<bool> couldUndo;
  auto pressAfterNotingUndo = [&](std::function<void(TConfigurationDialogCtrl&)> press) {
    return [&couldUndo, press](TConfigurationDialogCtrl& b) {
      couldUndo.push_back(b.CanUndo());
      press(b);
    };
  };
  AnswerThroughBridge({
      pressAfterNotingUndo([](TConfigurationDialogCtrl& b) { b.Change("cat"); }),  // cta
      pressAfterNotingUndo([](TConfigurationDialogCtrl& b) { b.Undo(); }),         // dgo
      pressAfterNotingUndo([](TConfigurationDialogCtrl& b) { b.Ignore(); }),       // cta again
      [](TConfigurationDialogCtrl& b) { b.Ignore(); },                             // dgo
      [](TConfigurationDialogCtrl& b) { b.IgnoreRepeated(); },                     // [the the]
      [](TConfigurationDialogCtrl& b) { b.Cancel(); },                             // dgo
  });
  EXPECT_EQ(Check("cta dgo the the dgo"), "cta dgo the the dgo");
  // Undo brought "cta" back and the check prompted it again.
  EXPECT_EQ(prompts, (std::vector<std::string>{"cta", "dgo", "cta", "dgo", "[the the]", "dgo"}));
  EXPECT_EQ(couldUndo, (std::vector<bool>{false, true, false}));
  EXPECT_FALSE(engine->Checking());
  EXPECT_TRUE(engine->Cancelled());
}

TEST_F(DialogBridge, OtherDialogsAndDictionaryManagementReachTheComponent) {
  bridge.Attach(engine.get());
  std::vector<std::string> shown;
  auto record = [&](const char* what) {
    return [&shown, this, what](TVexlorSpell3Base* sender, TComponent* owner) {
      EXPECT_EQ(sender, engine.get());
      EXPECT_EQ(owner, &bridge);
      shown.push_back(what);
    };
  };
  engine->OnShowConfigDialog = record("config");
  engine->OnShowCustomDictionariesDialog = record("dictionaries");
  engine->OnShowEditCustomDictionaryDialog = record("edit");
  engine->OnShowAddDictionaryDir = record("folder");
  bridge.ShowConfigDialog();
  bridge.ShowCustomDictionariesDialog();
  bridge.ShowEditCustomDictionaryDialog(engine->InternalDictionary());
  bridge.ShowAddDictionaryDir();
  EXPECT_EQ(shown, (std::vector<std::string>{"config", "dictionaries", "edit", "folder"}));

  bridge.NewCustomDictionary("Notes");
  EXPECT_TRUE(bridge.GetCustomDictionaryFiles()->Contains("Notes.vlu"));
  EXPECT_TRUE(engine->Configuration()->GetCustomDictionaries().Contains("Notes.vlu"));
  bridge.SetCustomDictionaryActive("Notes.vlu", false);
  EXPECT_FALSE(engine->Configuration()->GetCustomDictionaries().Contains("Notes.vlu"));
  bridge.SetCustomDictionaryActive("Notes.vlu", true);
  EXPECT_TRUE(engine->Configuration()->GetCustomDictionaries().Contains("Notes.vlu"));
  EXPECT_TRUE(bridge.RenameCustomDictionary("Notes.vlu", "Letters"));
  EXPECT_TRUE(bridge.GetCustomDictionaryFiles()->Contains("Letters.vlu"));
  bridge.DeleteCustomDictionary("Letters.vlu");
  EXPECT_FALSE(bridge.GetCustomDictionaryFiles()->Contains("Letters.vlu"));
  const std::string wordList = folder.File("Custom.dic");
  TStringList words;
  words.Add("Zorbly");
  ASSERT_TRUE(words.SaveToFile(wordList));
  bridge.SetMSWordCustomDictionaryActive(wordList, true);
  EXPECT_TRUE(engine->Configuration()->GetMSWordCustomDictionaries().Contains(wordList));
  bridge.SetMSWordCustomDictionaryActive(wordList, false);
  EXPECT_FALSE(engine->Configuration()->GetMSWordCustomDictionaries().Contains(wordList));
}

TEST_F(DialogBridge, HelpOpensEachDialogsTopicInTheFormsOrTheComponentsHelpFile) {
  std::vector<std::string> topics;
  Platform::SetHelpHook(
      [&](const std::string& file, int32_t context) { topics.push_back(file + "#" + std::to_string(context)); });
  bridge.Attach(engine.get());
  engine->SetHelpFile("Suite.hlp");
  engine->SetHelpCtxSpellDialog(11);
  engine->SetHelpCtxConfigDialog(12);
  engine->SetHelpCtxDictionariesDialog(13);
  engine->SetHelpCtxDictionaryEditDialog(14);
  bridge.ShowSpellDialogHelp();
  bridge.ShowConfigDialogHelp();
  form.SetHelpFile("Form.hlp");
  bridge.ShowDictionariesDialogHelp();
  bridge.ShowDictionaryEditDialogHelp();
  EXPECT_EQ(topics, (std::vector<std::string>{"Suite.hlp#11", "Suite.hlp#12", "Form.hlp#13", "Form.hlp#14"}));
  Platform::SetHelpHook(nullptr);
}

}  // namespace
