// The standard spelling dialog during real checks of memo and rich-edit
// controls: the user's button presses, clicks and keys, read back from the
// dialog's windows, and their effect on the text and the dictionaries.
#include "vl3SpellDialog.h"

#include <windows.h>

#include <shlobj.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "../platform/vl3TestFolder.h"
#include "vl3Application_win.h"
#include "vl3ConfigurationDialogCtrl.h"
#include "vl3CustomDictionary.h"
#include "vl3DesktopLock_win.h"
#include "vl3UserInput_win.h"
#include "vl3DictionaryCompiler.h"
#include "vl3Help.h"
#include "vl3Platform.h"
#include "vl3RichEditBox_win.h"
#include "vl3Spell.h"
#include "vl3SpellLanguages.h"

namespace {

[[maybe_unused]] TDesktopLock& desktop = HoldDesktop();

// A click or double click in the middle of a list box item.
void ClickItem(TListBox* list, int index, bool twice = false) {
  RECT r = {};
  ::SendMessageA(list->Handle(), LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
  const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  ::SendMessageA(list->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  ::SendMessageA(list->Handle(), WM_LBUTTONUP, 0, at);
  if (twice) {
    ::SendMessageA(list->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    ::SendMessageA(list->Handle(), WM_LBUTTONUP, 0, at);
  }
  Pump();
}

std::vector<std::string> Items(TListBox* list) {
  std::vector<std::string> items;
  for (int i = 0; i < list->Count(); ++i) items.push_back(list->Items(i));
  return items;
}

uint8_t CharsetOf(TControl* c) {
  LOGFONTA font = {};
  HFONT handle = reinterpret_cast<HFONT>(::SendMessageA(c->Handle(), WM_GETFONT, 0, 0));
  ::GetObjectA(handle, sizeof font, &font);
  return font.lfCharSet;
}

const std::vector<std::string> kWords = {"a",   "the", "cat", "sat", "on",  "mat",  "dog",  "do",
                                         "go",  "is",  "in",  "one", "and", "here", "quick", "brown",
                                         "fox", "box", "over", "lazy", "word", "text", "cut",  "act"};

// A host form with a memo and a rich edit, and the component on the form,
// checking asynchronously: a check returns at its first prompt and every
// press of a dialog button returns once the next word is shown.
class SpellDialogTest : public ::testing::Test {
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
    host->SetBounds(40, 40, 520, 360);
    memo = new TMemo(host.get());
    memo->SetBounds(8, 8, 490, 140);
    rich = new TRichEdit(host.get());
    rich->SetBounds(8, 156, 490, 150);
    host->Show();

    engine = new TVexlorSpell3(host.get());
    engine->SetConfigStorage(csNone);
    TStringList dirs, mains;
    dirs.Add(folder.Path());
    mains.Add("Test.vlm");
    engine->SetConfigDictionaryDir(dirs);
    engine->SetConfigDefaultMain(mains);
    engine->SetConfigDefaultActiveCustom("User.vlu");
    engine->SetSuggestionsLearningDict(folder.File("learn.vll"));
    engine->SetSynchronousCheck(false);
    engine->SetEndMessage(emNever);
    engine->SetDialogInitialPos(ipAvoidControl);
    Platform::SetMessageBoxHook([](const std::string&, const std::string&, uint32_t) { return Platform::kIdOk; });
  }

  void TearDown() override {
    if (engine->Checking()) engine->Cancel();
    Pump();
    host.reset();
    Pump();
    Platform::SetMessageBoxHook(nullptr);
    Platform::SetHelpHook(nullptr);
  }

  // Starts a check of the control holding text; returns at the first prompt.
  TSpellDialog* Start(TControl* control, const std::string& text) {
    control->SetText(text);
    engine->CheckWinControl(control->Handle(), ctAll);
    Pump();
    return dynamic_cast<TSpellDialog*>(engine->SpellDialog());
  }

  std::string MemoText() const { return memo->Text(); }

  TTestFolder folder;
  std::unique_ptr<TForm> host;
  TMemo* memo = nullptr;      // owned by host
  TRichEdit* rich = nullptr;  // owned by host
  TVexlorSpell3* engine = nullptr;  // owned by host
};

TEST_F(SpellDialogTest, DefaultCommandsShowEveryButtonInItsPlaceWithTheLocalisedTexts) {
  EXPECT_EQ(engine->UIType(), suiDialog);
  TSpellDialog* d = Start(memo, "The cta sat.");
  ASSERT_NE(d, nullptr);
  EXPECT_TRUE(d->Visible());
  // Owned by the host form's window: stays above it and hides with it.
  EXPECT_EQ(::GetWindow(d->Handle(), GW_OWNER), host->Handle());
  EXPECT_EQ(d->ClientWidth(), 432);
  EXPECT_EQ(d->ClientHeight(), 165);
  EXPECT_EQ(d->Caption(), "Spelling");

  struct TRow {
    TControl* control;
    int left, top, tabOrder;
    const char* text;
  };
  const TRow rows[] = {
      {d->NotFoundText, 8, 8, -1, "Not Found:"},           {d->NotFoundEdit, 104, 8, 0, "cta"},
      {d->ReplaceWithText, 8, 36, -1, "&Replace With:"},   {d->ReplaceWithEdit, 104, 35, 1, "cat"},
      {d->SuggestionsText, 8, 64, -1, "&Suggestions:"},    {d->SuggestionsListbox, 104, 62, 2, nullptr},
      {d->IgnoreButton, 252, 8, 3, "I&gnore"},             {d->IgnoreAllButton, 340, 8, 4, "&Ignore All"},
      {d->ChangeButton, 252, 35, 5, "C&hange"},            {d->ChangeAllButton, 340, 35, 6, "&Change All"},
      {d->AddButton, 252, 62, 7, "&Add"},                  {d->AutoCorrectButton, 340, 62, 8, "Au&to-Correct"},
      {d->HelpButton, 252, 138, 9, "&Help"},               {d->UndoButton, 8, 111, 10, "&Undo"},
      {d->CancelButton, 340, 138, 11, "Cancel"},           {d->OptionsButton, 8, 138, 12, "&Options"},
  };
  for (const TRow& row : rows) {
    SCOPED_TRACE(row.control->Name());
    EXPECT_TRUE(::IsWindowVisible(row.control->Handle()));
    EXPECT_EQ(row.control->Left(), row.left);
    EXPECT_EQ(row.control->Top(), row.top);
    if (row.tabOrder >= 0) {
      EXPECT_EQ(row.control->TabOrder(), row.tabOrder);
    }
    if (row.text) {
      EXPECT_EQ(TextOf(row.control->Handle()), row.text);
    }
    if (dynamic_cast<TButton*>(row.control)) {
      EXPECT_EQ(row.control->Width(), 85);
      EXPECT_EQ(row.control->Height(), 23);
    }
  }
  EXPECT_FALSE(d->NotFoundEdit->TabStop());
  EXPECT_TRUE(d->CancelButton->Cancel());
  EXPECT_EQ(Items(d->SuggestionsListbox).front(), "cat");
  EXPECT_EQ(d->SuggestionsListbox->ItemIndex(), 0);
  // Nothing to undo yet; everything else is usable.
  EXPECT_FALSE(Usable(d->UndoButton));
  for (TButton* b : {d->IgnoreButton, d->IgnoreAllButton, d->ChangeButton, d->ChangeAllButton, d->AddButton,
                     d->AutoCorrectButton, d->HelpButton, d->CancelButton, d->OptionsButton})
    EXPECT_TRUE(Usable(b)) << b->Name();

  Press(d->ChangeButton);
  EXPECT_EQ(MemoText(), "The cat sat.");
  EXPECT_FALSE(engine->Checking());
  Pump();  // the released dialog goes
  EXPECT_EQ(engine->SpellDialog(), nullptr);
}

TEST_F(SpellDialogTest, WithoutOptionsUndoTakesItsPlaceAndBringsTheWordBack) {
  TSpellDialogCommands visible = engine->CommandsVisible();
  engine->SetCommandsVisible(visible.Exclude(sdcOptions));
  TSpellDialog* d = Start(rich, "One cta and one dgo here.");
  ASSERT_NE(d, nullptr);
  EXPECT_FALSE(::IsWindowVisible(d->OptionsButton->Handle()));
  EXPECT_EQ(d->UndoButton->Top(), 138);
  EXPECT_EQ(d->UndoButton->Left(), 8);

  Press(d->ChangeButton);  // cta -> cat
  EXPECT_EQ(TextOf(d->NotFoundEdit->Handle()), "dgo");
  EXPECT_EQ(rich->Text().substr(0, 11), "One cat and");
  ASSERT_TRUE(Usable(d->UndoButton));
  Press(d->UndoButton);
  EXPECT_EQ(TextOf(d->NotFoundEdit->Handle()), "cta");
  EXPECT_EQ(rich->Text().substr(0, 11), "One cta and");
  EXPECT_FALSE(Usable(d->UndoButton));
  Press(d->IgnoreButton);
  EXPECT_EQ(TextOf(d->NotFoundEdit->Handle()), "dgo");
  Press(d->CancelButton);
  EXPECT_FALSE(engine->Checking());
  EXPECT_TRUE(engine->Cancelled());
}

TEST_F(SpellDialogTest, WordWithoutSuggestionsWaitsForATypedReplacement) {
  TSpellDialog* d = Start(memo, "A zqxjv fox.");
  ASSERT_NE(d, nullptr);
  EXPECT_EQ(Items(d->SuggestionsListbox), (std::vector<std::string>{"(no suggestions)"}));
  EXPECT_FALSE(::IsWindowEnabled(d->SuggestionsListbox->Handle()));
  EXPECT_EQ(TextOf(d->ReplaceWithEdit->Handle()), "");
  EXPECT_FALSE(Usable(d->ChangeButton));
  EXPECT_FALSE(Usable(d->ChangeAllButton));
  EXPECT_FALSE(Usable(d->AutoCorrectButton));
  EXPECT_TRUE(Usable(d->AddButton));

  TypeInto(d->ReplaceWithEdit, "box");
  EXPECT_TRUE(Usable(d->ChangeButton));
  EXPECT_TRUE(Usable(d->ChangeAllButton));
  EXPECT_TRUE(Usable(d->AutoCorrectButton));  // a custom dictionary is active
  Press(d->AutoCorrectButton);
  EXPECT_EQ(MemoText(), "A box fox.");
  EXPECT_FALSE(engine->Checking());

  // The pair reached the active custom dictionary's file when the check ended.
  TCustomDictionary saved;
  saved.SetFilename(folder.File("User.vlu"));
  std::string replacement;
  EXPECT_TRUE(saved.LookupAutoCorrect("zqxjv", replacement));
  EXPECT_EQ(replacement, "box");
}

TEST_F(SpellDialogTest, RepeatedWordModeOffersOnlyIgnoreAndChangeUntilTheNextWord) {
  TSpellDialog* d = Start(memo, "the the cat sat on the the mat cta");
  ASSERT_NE(d, nullptr);
  EXPECT_TRUE(d->RepeatedMode());
  EXPECT_EQ(TextOf(d->NotFoundText->Handle()), "Repeated Word:");
  EXPECT_EQ(TextOf(d->NotFoundEdit->Handle()), "the the");
  EXPECT_EQ(TextOf(d->ReplaceWithEdit->Handle()), "the");
  EXPECT_EQ(d->SuggestionsListbox->Count(), 0);
  EXPECT_FALSE(::IsWindowEnabled(d->SuggestionsListbox->Handle()));
  // The mode's rule holds on the prompt and again after the user has been
  // in the document and come back.
  for (bool comeBack : {false, true}) {
    SCOPED_TRACE(comeBack ? "back from the document" : "prompted");
    if (comeBack) {
      ::SetActiveWindow(host->Handle());
      Pump();
      ::SetActiveWindow(d->Handle());
      Pump();
      EXPECT_TRUE(d->RepeatedMode());
      EXPECT_EQ(TextOf(d->NotFoundEdit->Handle()), "the the");
    }
    EXPECT_FALSE(::IsWindowEnabled(d->SuggestionsListbox->Handle()));
    EXPECT_FALSE(::IsWindowEnabled(d->ReplaceWithEdit->Handle()));
    EXPECT_TRUE(Usable(d->IgnoreButton));
    EXPECT_TRUE(Usable(d->ChangeButton));
    EXPECT_TRUE(Usable(d->OptionsButton));
    for (TButton* b : {d->IgnoreAllButton, d->ChangeAllButton, d->AddButton, d->AutoCorrectButton, d->UndoButton})
      EXPECT_FALSE(Usable(b)) << b->Name();
  }

  Press(d->ChangeButton);  // deletes the repetition
  EXPECT_EQ(MemoText(), "the cat sat on the the mat cta");
  EXPECT_TRUE(d->RepeatedMode());
  Press(d->IgnoreButton);  // leaves the second one
  EXPECT_EQ(MemoText(), "the cat sat on the the mat cta");

  // The next word is a misspelling: normal mode again.
  EXPECT_FALSE(d->RepeatedMode());
  EXPECT_EQ(TextOf(d->NotFoundText->Handle()), "Not Found:");
  EXPECT_EQ(TextOf(d->NotFoundEdit->Handle()), "cta");
  EXPECT_EQ(TextOf(d->ReplaceWithEdit->Handle()), "cat");
  EXPECT_TRUE(::IsWindowEnabled(d->SuggestionsListbox->Handle()));
  for (TButton* b : {d->IgnoreButton, d->IgnoreAllButton, d->ChangeButton, d->ChangeAllButton, d->AddButton,
                     d->AutoCorrectButton, d->UndoButton})
    EXPECT_TRUE(Usable(b)) << b->Name();
  Press(d->AddButton);
  EXPECT_FALSE(engine->Checking());
  TCustomDictionary saved;
  saved.SetFilename(folder.File("User.vlu"));
  EXPECT_TRUE(saved.HasIgnore("cta"));
}

TEST_F(SpellDialogTest, SuggestionClicksFillTheReplacementAndADoubleClickChangesWithoutTheChangeCommand) {
  TSpellDialogCommands enabled = engine->CommandsEnabled();
  engine->SetCommandsEnabled(enabled.Exclude(sdcChange).Exclude(sdcIgnoreAll));
  TSpellDialog* d = Start(rich, "A dgo and a dgo.");
  ASSERT_NE(d, nullptr);
  EXPECT_FALSE(Usable(d->ChangeButton));
  EXPECT_FALSE(Usable(d->IgnoreAllButton));
  const std::vector<std::string> suggestions = Items(d->SuggestionsListbox);
  ASSERT_GE(suggestions.size(), 2u);
  EXPECT_EQ(suggestions[0], "dog");

  ClickItem(d->SuggestionsListbox, 1);
  EXPECT_EQ(TextOf(d->ReplaceWithEdit->Handle()), suggestions[1]);
  EXPECT_FALSE(Usable(d->ChangeButton));  // still not enabled by the host
  ClickItem(d->SuggestionsListbox, 0, true);
  EXPECT_EQ(rich->Text().substr(0, 10), "A dog and ");
  EXPECT_EQ(TextOf(d->NotFoundEdit->Handle()), "dgo");

  // Change All stores the pair for the rest of the component's life.
  Press(d->ChangeAllButton);
  EXPECT_FALSE(engine->Checking());
  std::string replacement;
  EXPECT_TRUE(engine->InternalDictionary()->LookupAutoCorrect("dgo", replacement));
}

TEST_F(SpellDialogTest, CloseBoxCancelsLikeCancelAndOptionsRebuildTheSuggestions) {
  engine->OnShowConfigDialog = [](TVexlorSpell3Base* sender, TComponent*) { sender->SetMaxSuggestions(1); };
  std::vector<std::string> topics;
  Platform::SetHelpHook(
      [&](const std::string& file, int32_t context) { topics.push_back(file + "#" + std::to_string(context)); });
  engine->SetHelpFile("Spell.hlp");
  engine->SetHelpCtxSpellDialog(42);
  TSpellDialog* d = Start(memo, "A dgo and a cta.");
  ASSERT_NE(d, nullptr);
  EXPECT_GE(d->SuggestionsListbox->Count(), 2);
  Press(d->OptionsButton);
  EXPECT_EQ(Items(d->SuggestionsListbox), (std::vector<std::string>{"dog"}));
  EXPECT_EQ(TextOf(d->NotFoundEdit->Handle()), "dgo");
  Press(d->HelpButton);
  EXPECT_EQ(topics, (std::vector<std::string>{"Spell.hlp#42"}));

  Press(d->IgnoreButton);
  EXPECT_EQ(TextOf(d->NotFoundEdit->Handle()), "cta");
  ::SendMessageA(d->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
  Pump();
  EXPECT_FALSE(engine->Checking());
  EXPECT_TRUE(engine->Cancelled());
  EXPECT_EQ(MemoText(), "A dgo and a cta.");
  EXPECT_EQ(engine->SpellDialog(), nullptr);
}

TEST_F(SpellDialogTest, LanguageFontsOfTheMatchingCharacterSetsCarryRussianAndCzechTexts) {
  struct TCase {
    TSpellLanguageType language;
    uint8_t charset;
  };
  for (const TCase& c : {TCase{ltRussian, RUSSIAN_CHARSET}, TCase{ltCzech, EASTEUROPE_CHARSET}}) {
    SCOPED_TRACE(static_cast<int>(c.language));
    engine->SetUILanguage(c.language);
    engine->SetUILanguageUseFonts(true);
    TFont controls;
    controls.Name = "Tahoma";
    controls.Charset = c.charset;
    TFont text = controls;
    text.Height = -12;
    engine->SetUILanguageFontControls(controls);
    engine->SetUILanguageFontText(text);
    TSpellDialog* d = Start(memo, "A cta.");
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->Caption(), SpellLanguageText(lsSpellDialogCaption, c.language));
    EXPECT_EQ(TextOf(d->IgnoreButton->Handle()), SpellLanguageText(lsIgnore, c.language));
    EXPECT_EQ(TextOf(d->CancelButton->Handle()), SpellLanguageText(lsCancel, c.language));
    EXPECT_EQ(TextOf(d->NotFoundText->Handle()), SpellLanguageText(lsNotFound, c.language));
    for (TControl* control : {static_cast<TControl*>(d->NotFoundText), static_cast<TControl*>(d->ChangeButton),
                              static_cast<TControl*>(d->NotFoundEdit), static_cast<TControl*>(d->SuggestionsListbox)})
      EXPECT_EQ(CharsetOf(control), c.charset) << control->Name();
    EXPECT_EQ(d->ChangeButton->Font(), controls);
    EXPECT_EQ(d->SuggestionsListbox->Font(), text);
    EXPECT_EQ(d->ReplaceWithEdit->Font(), text);
    Press(d->CancelButton);
    Pump();
  }
}

// The shell's folder browser of this thread, once it is on the screen.
HWND FindFolderBrowser() {
  HWND found = nullptr;
  ::EnumThreadWindows(
      ::GetCurrentThreadId(),
      [](HWND wnd, LPARAM data) {
        char name[64] = {};
        ::GetClassNameA(wnd, name, sizeof name);
        if (std::string(name) != "#32770" || !::IsWindowVisible(wnd)) return TRUE;
        *reinterpret_cast<HWND*>(data) = wnd;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

// Whether a window holds a child showing exactly this text.
bool ShowsText(HWND wnd, const std::string& text) {
  struct TSearch {
    std::string text;
    bool found = false;
  } search{text};
  ::EnumChildWindows(
      wnd,
      [](HWND child, LPARAM data) {
        auto* s = reinterpret_cast<TSearch*>(data);
        if (TextOf(child) == s->text) s->found = true;
        return s->found ? FALSE : TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// The user's answer to the folder browser, given from a timer while the
// browser's own loop runs: OK on the folder it shows selected (the desktop,
// its root), or Cancel.
struct TBrowserAnswer {
  bool ok = false;
  bool titled = false, answered = false;
};
TBrowserAnswer gBrowserAnswer;

void CALLBACK AnswerFolderBrowser(HWND, UINT, UINT_PTR, DWORD) {
  HWND browser = FindFolderBrowser();
  if (!browser || gBrowserAnswer.answered) return;
  gBrowserAnswer.answered = true;
  gBrowserAnswer.titled = ShowsText(browser, "Choose Folder Containing Dictionaries");
  ::SendMessageA(browser, WM_COMMAND, gBrowserAnswer.ok ? IDOK : IDCANCEL, 0);
}

TEST_F(SpellDialogTest, FolderPickedInTheShellBrowserJoinsTheDictionaryFolders) {
  engine->Configuration()->SetConfigLoaded(true);
  char desktop[MAX_PATH] = {};
  ASSERT_TRUE(::SHGetSpecialFolderPathA(nullptr, desktop, CSIDL_DESKTOPDIRECTORY, FALSE));
  for (bool ok : {false, true}) {
    gBrowserAnswer = TBrowserAnswer{ok};
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 50, AnswerFolderBrowser);
    engine->ShowAddDictionaryDir();
    ::KillTimer(nullptr, timer);
    EXPECT_TRUE(gBrowserAnswer.answered);
    EXPECT_TRUE(gBrowserAnswer.titled);
    EXPECT_EQ(engine->Configuration()->GetNewDictionaryPaths().Count(), ok ? 1 : 0);
  }
  EXPECT_EQ(engine->Configuration()->GetNewDictionaryPaths().Text(), std::string(desktop) + "\r\n");

  // A host's handler replaces the browser.
  int asked = 0;
  engine->OnShowAddDictionaryDir = [&](TVexlorSpell3Base*, TComponent* owner) {
    EXPECT_EQ(owner, engine);
    ++asked;
  };
  engine->ShowAddDictionaryDir();
  EXPECT_EQ(asked, 1);
}

}  // namespace
