// The sample's own spelling form during real checks of a memo: created by
// the spell checker's OnCreateSpellDialog, answered by pressing its buttons
// and keys, and read back from its windows.
#include "SpellForm.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "../platform/vl3TestFolder.h"
#include "../win32/vl3DesktopLock_win.h"
#include "../win32/vl3UserInput_win.h"
#include "vl3Application_win.h"
#include "vl3ConfigurationDialogCtrl.h"
#include "vl3CustomDictionary.h"
#include "vl3DictionaryCompiler.h"
#include "vl3Platform.h"
#include "vl3Spell.h"

namespace {

[[maybe_unused]] TDesktopLock& desktop = HoldDesktop();

[[maybe_unused]] const bool windowsUnmanaged = MakeWindowsUnmanaged();

std::string TextOf(TControl* c) {
  char buffer[1024] = {};
  ::GetWindowTextA(c->Handle(), buffer, sizeof buffer);
  return buffer;
}

std::vector<std::string> Items(TListBox* list) {
  std::vector<std::string> items;
  for (int i = 0; i < list->Count(); ++i) items.push_back(list->Items(i));
  return items;
}

const std::vector<std::string> kWords = {"a",   "the", "cat", "sat", "on",   "mat",  "dog",  "do",
                                         "go",  "is",  "in",  "one", "and",  "here", "quick", "brown",
                                         "fox", "box", "over", "lazy", "word", "text", "with"};

// A host form with a memo and the component on it, whose OnCreateSpellDialog
// hands it a TSpellingForm as the sample's main form does. Checks run
// asynchronously: a check returns at its first prompt and every press of a
// button returns once the next word is shown.
class SpellFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TDictionaryCompiler compiler;
    for (const auto& w : kWords) compiler.AddWord(w);
    TDictionaryCompileOptions options;
    options.langId = 0x0409;
    std::string error;
    ASSERT_TRUE(compiler.CompileToFile(options, folder.File("Test.vlm"), error)) << error;

    host = std::make_unique<TForm>();
    host->SetCaption("Host");
    host->SetBounds(40, 40, 520, 240);
    memo = new TMemo(host.get());
    memo->SetBounds(8, 8, 490, 180);
    host->Show();

    engine = new TVexlorSpell3(host.get());
    engine->SetConfigStorage(csNone);
    TStringList dirs, mains;
    dirs.Add(folder.Path());
    mains.Add("Test.vlm");
    engine->SetConfigDictionaryDir(dirs);
    engine->SetConfigDefaultMain(mains);
    engine->SetConfigDefaultActiveCustom("User.vlu");
    engine->SetSuggestionsLearning(false);
    engine->SetSynchronousCheck(false);
    engine->SetEndMessage(emNever);
    engine->SetDialogInitialPos(ipAvoidControl);
    engine->OnCreateSpellDialog = [this](TVexlorSpell3Base*, TCustomForm*& form, bool create) {
      if (create) {
        form = new TSpellingForm(host.get());
        ++created;
      } else if (form != nullptr) {
        form->Release();
        ++released;
      }
    };
  }

  void TearDown() override {
    if (engine->Checking()) engine->Cancel();
    Pump();
    host.reset();
    Pump();
  }

  // Starts a check of the memo holding text; returns at the first prompt.
  TSpellingForm* Start(const std::string& text) {
    memo->SetText(text);
    engine->CheckWinControl(memo->Handle(), ctAll);
    Pump();
    return dynamic_cast<TSpellingForm*>(engine->SpellDialog());
  }

  std::vector<TButton*> Buttons(TSpellingForm* f) {
    return {f->IgnoreButton,      f->IgnoreAllButton, f->ChangeButton,  f->ChangeAllButton, f->AddButton,
            f->AutoCorrectButton, f->UndoButton,      f->OptionsButton, f->CancelButton};
  }

  TTestFolder folder;
  std::unique_ptr<TForm> host;
  TMemo* memo = nullptr;            // owned by host
  TVexlorSpell3* engine = nullptr;  // owned by host
  int created = 0, released = 0;
};

TEST_F(SpellFormTest, CheckAnsweredWithTheFormsButtonsWhateverTheCommandSetsSay) {
  // The form ignores the component's command sets: every button is shown
  // and usable although the host hides and disables them all.
  engine->SetCommandsVisible(TSpellDialogCommands{});
  engine->SetCommandsEnabled(TSpellDialogCommands{});
  TSpellingForm* f = Start("A cta sat on the mat with a dgo and one zqxjv and one brwn fox.");
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(created, 1);
  EXPECT_TRUE(f->Visible());
  EXPECT_EQ(::GetWindow(f->Handle(), GW_OWNER), host->Handle());
  EXPECT_EQ(f->Caption(), "Spelling");
  EXPECT_EQ(f->ClientWidth(), 281);
  EXPECT_EQ(f->ClientHeight(), 293);
  EXPECT_NE(::GetWindowLongA(f->Handle(), GWL_STYLE) & WS_THICKFRAME, 0) << "sizeable";
  EXPECT_EQ(f->FindControl("HelpButton"), nullptr);

  struct TRow {
    TControl* control;
    int left, top;
    const char* text;
  };
  const TRow rows[] = {
      {f->NotFoundText, 8, 8, "Not Found:"},        {f->NotFoundEdit, 8, 24, "cta"},
      {f->ReplaceWithText, 8, 52, "Replace With:"}, {f->ReplaceWithEdit, 8, 67, "cat"},
      {f->SuggestionsText, 8, 96, "Suggestions:"},  {f->SuggestionsListbox, 8, 110, nullptr},
      {f->IgnoreButton, 192, 24, "Ignore"},         {f->IgnoreAllButton, 192, 56, "Ignore All"},
      {f->ChangeButton, 192, 88, "Change"},         {f->ChangeAllButton, 192, 120, "Change All"},
      {f->AddButton, 192, 152, "Add"},              {f->AutoCorrectButton, 192, 184, "Auto-Correct"},
      {f->UndoButton, 8, 264, "Undo"},              {f->OptionsButton, 100, 264, "Options"},
      {f->CancelButton, 192, 264, "Cancel"},
  };
  for (const TRow& row : rows) {
    SCOPED_TRACE(row.control->Name());
    EXPECT_TRUE(::IsWindowVisible(row.control->Handle()));
    EXPECT_EQ(row.control->Left(), row.left);
    EXPECT_EQ(row.control->Top(), row.top);
    if (row.text) {
      EXPECT_EQ(TextOf(row.control), row.text);
    }
  }
  EXPECT_FALSE(f->NotFoundEdit->TabStop());
  EXPECT_TRUE(f->CancelButton->Cancel());
  EXPECT_EQ(Items(f->SuggestionsListbox).front(), "cat");
  EXPECT_EQ(f->SuggestionsListbox->ItemIndex(), 0);
  for (TButton* b : Buttons(f)) {
    if (b == f->UndoButton)
      EXPECT_FALSE(Usable(b)) << "nothing to undo yet";
    else
      EXPECT_TRUE(Usable(b)) << b->Name();
  }

  Press(f->ChangeButton);
  EXPECT_EQ(memo->Text().substr(0, 10), "A cat sat ");
  EXPECT_EQ(TextOf(f->NotFoundEdit), "dgo");
  EXPECT_TRUE(Usable(f->UndoButton));
  Press(f->IgnoreButton);

  // No suggestions: a grey "(no suggestions)" and nothing to change to
  // until the user types a replacement.
  EXPECT_EQ(TextOf(f->NotFoundEdit), "zqxjv");
  EXPECT_EQ(Items(f->SuggestionsListbox), (std::vector<std::string>{"(no suggestions)"}));
  EXPECT_FALSE(::IsWindowEnabled(f->SuggestionsListbox->Handle()));
  EXPECT_EQ(TextOf(f->ReplaceWithEdit), "");
  EXPECT_FALSE(Usable(f->ChangeButton));
  EXPECT_FALSE(Usable(f->ChangeAllButton));
  EXPECT_FALSE(Usable(f->AutoCorrectButton));
  EXPECT_TRUE(Usable(f->AddButton));
  TypeInto(f->ReplaceWithEdit, "box");
  EXPECT_TRUE(Usable(f->ChangeButton));
  EXPECT_TRUE(Usable(f->ChangeAllButton));
  EXPECT_TRUE(Usable(f->AutoCorrectButton));
  Press(f->AddButton);

  EXPECT_EQ(TextOf(f->NotFoundEdit), "brwn");
  EXPECT_EQ(TextOf(f->ReplaceWithEdit), "brown");

  // Made larger, the form gives the room to the word and the suggestions;
  // the buttons keep to the right and bottom edges.
  f->SetClientSize(381, 393);
  Pump();
  EXPECT_EQ(f->ReplaceWithEdit->Width(), 273);
  EXPECT_EQ(f->SuggestionsListbox->Width(), 273);
  EXPECT_EQ(f->SuggestionsListbox->Height(), 247);
  EXPECT_EQ(f->IgnoreButton->Left(), 292);
  EXPECT_EQ(f->IgnoreButton->Top(), 24);
  EXPECT_EQ(f->OptionsButton->Left(), 100);
  EXPECT_EQ(f->OptionsButton->Top(), 364);
  EXPECT_EQ(f->CancelButton->Left(), 292);
  EXPECT_EQ(f->CancelButton->Top(), 364);
  Press(f->CancelButton);
  EXPECT_FALSE(engine->Checking());
  EXPECT_TRUE(engine->Cancelled());
  EXPECT_EQ(memo->Text(), "A cat sat on the mat with a dgo and one zqxjv and one brwn fox.");
  // The component handed the form back to the application, which released it.
  EXPECT_EQ(released, 1);
  EXPECT_EQ(engine->SpellDialog(), nullptr);
  Pump();

  // The added word reached the active custom dictionary.
  TCustomDictionary saved;
  saved.SetFilename(folder.File("User.vlu"));
  EXPECT_TRUE(saved.HasIgnore("zqxjv"));
}

TEST_F(SpellFormTest, RepeatedWordModeThenNormalModeAndOptionsOnlyShowTheConfiguration) {
  int configShown = 0;
  engine->OnShowConfigDialog = [&](TVexlorSpell3Base* sender, TComponent*) {
    ++configShown;
    sender->SetMaxSuggestions(1);
  };
  TSpellingForm* f = Start("the the cat sat on a dgo");
  ASSERT_NE(f, nullptr);
  EXPECT_TRUE(f->RepeatedMode());
  EXPECT_EQ(TextOf(f->NotFoundText), "Repeated Word");
  EXPECT_EQ(TextOf(f->NotFoundEdit), "the the");
  EXPECT_EQ(TextOf(f->ReplaceWithEdit), "the");
  EXPECT_EQ(f->SuggestionsListbox->Count(), 0);
  EXPECT_FALSE(::IsWindowEnabled(f->SuggestionsListbox->Handle()));
  // The mode's rule holds on the prompt and again after the user has been
  // in the document and come back.
  for (bool comeBack : {false, true}) {
    SCOPED_TRACE(comeBack ? "back from the document" : "prompted");
    if (comeBack) {
      ::SetActiveWindow(host->Handle());
      Pump();
      ::SetActiveWindow(f->Handle());
      Pump();
      EXPECT_TRUE(f->RepeatedMode());
      EXPECT_EQ(TextOf(f->NotFoundEdit), "the the");
    }
    EXPECT_FALSE(::IsWindowEnabled(f->SuggestionsListbox->Handle()));
    EXPECT_FALSE(::IsWindowEnabled(f->ReplaceWithEdit->Handle()));
    for (TButton* b : {f->IgnoreButton, f->ChangeButton, f->OptionsButton, f->CancelButton})
      EXPECT_TRUE(Usable(b)) << b->Name();
    for (TButton* b : {f->IgnoreAllButton, f->ChangeAllButton, f->AddButton, f->AutoCorrectButton, f->UndoButton})
      EXPECT_FALSE(Usable(b)) << b->Name();
  }

  Press(f->ChangeButton);  // deletes the repetition
  EXPECT_EQ(memo->Text(), "the cat sat on a dgo");

  // The misspelling that follows: normal mode again, the label without colon.
  EXPECT_FALSE(f->RepeatedMode());
  EXPECT_EQ(TextOf(f->NotFoundText), "Not Found");
  EXPECT_EQ(TextOf(f->NotFoundEdit), "dgo");
  EXPECT_EQ(TextOf(f->ReplaceWithEdit), "dog");
  for (TButton* b : Buttons(f)) EXPECT_TRUE(Usable(b)) << b->Name();
  const std::vector<std::string> suggestions = Items(f->SuggestionsListbox);
  ASSERT_GE(suggestions.size(), 2u);

  // Options shows the configuration and nothing more: the list stays as it
  // was although the setting changed.
  Press(f->OptionsButton);
  EXPECT_EQ(configShown, 1);
  EXPECT_EQ(Items(f->SuggestionsListbox), suggestions);

  Press(f->UndoButton);  // the repetition comes back
  EXPECT_EQ(memo->Text(), "the the cat sat on a dgo");
  EXPECT_TRUE(f->RepeatedMode());
  EXPECT_EQ(TextOf(f->NotFoundText), "Repeated Word");
  Press(f->IgnoreButton);  // leaves it
  EXPECT_EQ(TextOf(f->NotFoundEdit), "dgo");
  EXPECT_EQ(Items(f->SuggestionsListbox), (std::vector<std::string>{"dog"}));

  // Escape is the Cancel button's key.
  f->ReplaceWithEdit->SetFocus();
  PressKey(VK_ESCAPE);
  EXPECT_FALSE(engine->Checking());
  EXPECT_TRUE(engine->Cancelled());
  EXPECT_EQ(memo->Text(), "the the cat sat on a dgo");
}

TEST_F(SpellFormTest, EveryDeactivationDisablesAndEveryActivationEnables) {
  TSpellingForm* f = Start("A cta sat on the mat with a dgo.");
  ASSERT_NE(f, nullptr);
  Press(f->ChangeButton);
  ASSERT_EQ(TextOf(f->NotFoundEdit), "dgo");
  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE(round);
    // The user goes back to the document: the whole form greys.
    ::SetActiveWindow(host->Handle());
    Pump();
    for (TButton* b : Buttons(f)) {
      if (b == f->CancelButton) continue;  // cancelling stays possible
      EXPECT_FALSE(Usable(b)) << b->Name();
    }
    EXPECT_FALSE(::IsWindowEnabled(f->ReplaceWithEdit->Handle()));
    EXPECT_FALSE(::IsWindowEnabled(f->SuggestionsListbox->Handle()));

    // And back to the form: usable again, the word shown afresh. The text
    // may have been edited meanwhile, so the component forgot what it could
    // undo.
    ::SetActiveWindow(f->Handle());
    Pump();
    for (TButton* b : Buttons(f)) {
      if (b == f->UndoButton)
        EXPECT_FALSE(Usable(b));
      else
        EXPECT_TRUE(Usable(b)) << b->Name();
    }
    EXPECT_TRUE(::IsWindowEnabled(f->ReplaceWithEdit->Handle()));
    EXPECT_TRUE(::IsWindowEnabled(f->SuggestionsListbox->Handle()));
    EXPECT_EQ(TextOf(f->NotFoundEdit), "dgo");
    EXPECT_EQ(TextOf(f->ReplaceWithEdit), "dog");
  }
  // Closing the window by its close box cancels like Cancel.
  ::SendMessageA(f->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
  Pump();
  EXPECT_FALSE(engine->Checking());
  EXPECT_TRUE(engine->Cancelled());
  EXPECT_EQ(memo->Text(), "A cat sat on the mat with a dgo.");
  EXPECT_EQ(released, 1);

  // A later check gets a fresh form of its own.
  f = Start("One cta here.");
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(created, 2);
  EXPECT_FALSE(f->RepeatedMode());
  Press(f->IgnoreAllButton);
  EXPECT_FALSE(engine->Checking());
  EXPECT_EQ(released, 2);
}

}  // namespace
