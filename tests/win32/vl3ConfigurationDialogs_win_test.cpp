// The configuration dialog and the custom dictionary dialogs as real forms
// over a real engine: options, dictionary rows, files created, renamed and
// deleted on disk, confirmation boxes answered on screen, word boxes typed in.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "vl3Application_win.h"
#include "vl3Configuration.h"
#include "vl3ConfigurationDialog.h"
#include "vl3ConfigurationDialogCtrl.h"
#include "vl3CustomDictionariesDialog.h"
#include "vl3CustomDictionary.h"
#include "vl3CustomDictionaryEditDialog.h"
#include "vl3DesktopLock_win.h"
#include "vl3DictionaryCompiler.h"
#include "vl3ListView_win.h"
#include "vl3NewCustomDictionaryDialog.h"
#include "vl3PageControl_win.h"
#include "vl3Platform.h"
#include "vl3Spell.h"
#include "vl3SpellDialog.h"

namespace {

[[maybe_unused]] TDesktopLock& desktop = HoldDesktop();

// ---- A user at the keyboard while modal windows run ----------------------------

// Each step runs from a timer (so also inside modal loops) until it reports
// that it did its part. Steps only post clicks, never wait inside one.
class TScriptedUser {
 public:
  using TStep = std::function<bool()>;
  explicit TScriptedUser(std::deque<TStep> steps) : steps_(std::move(steps)) {
    instance_ = this;
    timer_ = ::SetTimer(nullptr, 0, 40, &Tick);
  }
  ~TScriptedUser() {
    ::KillTimer(nullptr, timer_);
    instance_ = nullptr;
  }
  bool Done() const { return steps_.empty(); }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    TScriptedUser* user = instance_;
    if (user == nullptr || user->busy_ || user->steps_.empty()) return;
    user->busy_ = true;
    if (user->steps_.front()()) user->steps_.pop_front();
    user->busy_ = false;
  }
  static TScriptedUser* instance_;
  std::deque<TStep> steps_;
  UINT_PTR timer_;
  bool busy_ = false;
};
TScriptedUser* TScriptedUser::instance_ = nullptr;

// A visible top-level window of this thread with that caption: windows of
// other programs on the display are never touched.
HWND VisibleWindow(const std::string& caption) {
  struct TSearch {
    const std::string* caption;
    HWND found;
  } search = {&caption, nullptr};
  ::EnumThreadWindows(
      ::GetCurrentThreadId(),
      [](HWND wnd, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<TSearch*>(data);
        char text[256] = {};
        ::GetWindowTextA(wnd, text, sizeof text);
        if (!::IsWindowVisible(wnd) || *s->caption != text) return TRUE;
        s->found = wnd;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

template <class T>
T* VisibleForm(const std::string& caption) {
  return dynamic_cast<T*>(TForm::FromHandle(VisibleWindow(caption)));
}

void Press(TControl* button) { ::PostMessageA(button->Handle(), BM_CLICK, 0, 0); }
void PressNow(TControl* button) { ::SendMessageA(button->Handle(), BM_CLICK, 0, 0); }

// Types at the end of the box's text, one character message per key.
void Type(TControl* edit, const std::string& text) {
  const LRESULT length = ::SendMessageA(edit->Handle(), WM_GETTEXTLENGTH, 0, 0);
  ::SendMessageA(edit->Handle(), EM_SETSEL, length, length);
  for (char ch : text) ::SendMessageA(edit->Handle(), WM_CHAR, static_cast<unsigned char>(ch), 0);
}

void Retype(TControl* edit, const std::string& text) {
  ::SendMessageA(edit->Handle(), EM_SETSEL, 0, -1);
  ::SendMessageA(edit->Handle(), WM_CHAR, VK_BACK, 0);
  Type(edit, text);
}

// A step that presses a message box's button once the box is up.
TScriptedUser::TStep AnswerMessageBox(const std::string& caption, int button, std::string* text) {
  return [=]() {
    HWND box = VisibleWindow(caption);
    if (box == nullptr) return false;
    char buffer[512] = {};
    ::GetDlgItemTextA(box, 0xFFFF, buffer, sizeof buffer);
    *text = buffer;
    ::PostMessageA(::GetDlgItem(box, button), BM_CLICK, 0, 0);
    return true;
  };
}

// ---- The fixture ---------------------------------------------------------------------

class ConfigurationDialogsWin : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = Platform::TempDirectory() + "\\vxcfgdlg_" + std::to_string(::GetCurrentProcessId());
    Platform::CreateDirectory(folder);
    Compile("Test.vlm", {"the", "cat", "sat"});
    Compile("Second.vlm", {"dog", "ran"});
    std::string junk = "not a dictionary";
    Platform::WriteWholeFile(folder + "\\Broken.vlm", junk);
    MakeEngine();
    engine->NewCustomDictionary("User.vlu");
    engine->NewCustomDictionary("Medical.vlu");
    engine->SetCustomDictionaryActive("Medical.vlu", false);
  }
  void TearDown() override {
    engine.reset();
    Platform::RegDeleteKey(Platform::TRegistryRoot::CurrentUser, kWordKey);
    for (const std::string& f : Platform::FindFiles(folder + "\\*"))
      Platform::DeleteFile(folder + "\\" + f);
    Platform::RemoveDirectory(folder);
  }

  void Compile(const std::string& name, std::initializer_list<const char*> words) {
    TDictionaryCompiler compiler;
    for (const char* w : words) compiler.AddWord(w);
    std::string error;
    ASSERT_TRUE(compiler.CompileToFile(TDictionaryCompileOptions(), folder + "\\" + name, error))
        << error;
  }

  // An engine storing its configuration in an INI file of the test folder.
  void MakeEngine() {
    engine = std::make_unique<TVexlorSpell3>(nullptr);
    engine->SetConfigStorage(csFile);
    engine->SetConfigFilename(folder + "\\Vexlor.ini");
    TStringList folders, mains, customs;
    folders.Add(folder);
    mains.Add("Test.vlm");
    customs.Add("User.vlu");
    engine->SetConfigDictionaryDir(folders);
    engine->SetConfigDefaultMain(mains);
    engine->SetConfigDefaultCustom(customs);
    engine->SetConfigDefaultActiveCustom("User.vlu");
    engine->SetConfigDefaultOptions(TSpellOptions{soUpcase, soNumbers});
    engine->SetConfigUserOption1("Ignore host words");
  }

  template <class T>
  std::unique_ptr<T> Linked(TCustomDictionary* dictionary = nullptr) {
    auto form = std::make_unique<T>(nullptr);
    engine->AttachDialogControl(form.get(), dictionary);
    return form;
  }

  TVexlorConfig& Config() { return *engine->Configuration(); }
  bool FileThere(const std::string& name) { return Platform::FileExists(folder + "\\" + name); }

  static constexpr const char* kWordKey =
      "Software\\Microsoft\\Shared Tools\\Proofing Tools\\Custom Dictionaries";
  std::string folder;
  std::unique_ptr<TVexlorSpell3> engine;
};

std::vector<TCheckBox*> VisibleOptions(TForm& form) {
  std::vector<TCheckBox*> shown;
  for (int i = 1; i <= TSpellCheckConfigDialog::kOptionRows; ++i) {
    auto* box = form.Find<TCheckBox>("Option" + std::to_string(i));
    if (box->Visible()) shown.push_back(box);
  }
  return shown;
}

TCheckBox* OptionBox(TForm& form, TSpellOption option) {
  for (TCheckBox* box : VisibleOptions(form))
    if (box->Tag == option) return box;
  return nullptr;
}

// ---- Configuration dialog ---------------------------------------------------------------

TEST_F(ConfigurationDialogsWin, OptionsShowTheAvailableOnesInOrderAndTheFormShrinksByHiddenRows) {
  // Three options: three rows, the host's caption for its own option, 7 rows less.
  engine->SetConfigAvailableOptions(TSpellOptions{soUser1, soNumbers, soLiveSpelling});
  auto form = Linked<TSpellCheckConfigDialog>();
  std::vector<TCheckBox*> shown = VisibleOptions(*form);
  ASSERT_EQ(shown.size(), 3u);
  EXPECT_EQ(form->Find<TCheckBox>("Option3"), shown[2]);
  EXPECT_EQ(shown[0]->Tag, soLiveSpelling);
  EXPECT_EQ(shown[1]->Tag, soNumbers);
  EXPECT_EQ(shown[2]->Tag, soUser1);
  EXPECT_EQ(shown[0]->Text(), "Check spelling as you type");
  EXPECT_EQ(shown[2]->Text(), "Ignore host words");
  EXPECT_FALSE(shown[0]->Checked());
  EXPECT_TRUE(shown[1]->Checked());
  EXPECT_EQ(form->ClientHeight(), 397 - 7 * 16);
  EXPECT_EQ(form->Caption(), "Spelling Options");

  // Clicking a box changes the live option set; the stored file follows.
  form->Show();
  PressNow(shown[0]);
  PressNow(shown[1]);
  EXPECT_TRUE(Config().GetSpellOptions().Contains(soLiveSpelling));
  EXPECT_FALSE(Config().GetSpellOptions().Contains(soNumbers));
  form.reset();

  // Twelve options: the first ten by ordinal.
  engine->SetConfigAvailableOptions(TSpellOptions::FromBits(0x0FFF));
  auto twelve = Linked<TSpellCheckConfigDialog>();
  shown = VisibleOptions(*twelve);
  ASSERT_EQ(shown.size(), 10u);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(shown[i]->Tag, i);
  EXPECT_EQ(twelve->ClientHeight(), 397);
}

TEST_F(ConfigurationDialogsWin, MainDictionaryRowsCustomBoxAndHiddenCommands) {
  int folderPicks = 0;
  engine->OnShowAddDictionaryDir = [&](TVexlorSpell3Base*, TComponent*) { ++folderPicks; };
  auto form = Linked<TSpellCheckConfigDialog>();
  form->Show();
  auto* list = form->Find<TListView>("MainDictionaries");
  ASSERT_EQ(list->Count(), 4);
  int broken = -1, second = -1, test = -1;
  for (int i = 0; i < 3; ++i) {
    const std::string file = list->SubItem(i, 1);
    if (file.find("Broken.vlm") != std::string::npos) broken = i;
    if (file.find("Second.vlm") != std::string::npos) second = i;
    if (file.find("Test.vlm") != std::string::npos) test = i;
  }
  ASSERT_TRUE(broken >= 0 && second >= 0 && test >= 0);
  EXPECT_EQ(list->ItemCaption(broken), "???");
  EXPECT_TRUE(list->Checked(test));
  EXPECT_FALSE(list->Checked(second));
  EXPECT_EQ(list->ItemCaption(3), "Locate Dictionaries...");

  // Checking a row (what a click on its box does) selects the dictionary;
  // rows are never highlighted.
  list->SetChecked(second, true);
  EXPECT_GE(Config().GetMainDictionaries().IndexOf(list->SubItem(second, 1)), 0);
  list->SetItemIndex(second);
  EXPECT_EQ(list->ItemIndex(), -1);
  list->SetChecked(test, false);
  EXPECT_LT(Config().GetMainDictionaries().IndexOf(list->SubItem(test, 1)), 0);

  // The folder row opens the picker and never stays checked.
  list->SetChecked(list->Count() - 1, true);
  EXPECT_EQ(folderPicks, 1);
  EXPECT_FALSE(list->Checked(list->Count() - 1));
  EXPECT_EQ(list->ItemCaption(list->Count() - 1), "Locate Dictionaries...");

  // The custom box lists the custom files and picks the active one.
  auto* combo = form->Find<TComboBox>("CustomCombo");
  EXPECT_EQ(combo->Text(), "User.vlu");
  const int32_t medical = combo->IndexOf("Medical.vlu");
  ASSERT_GE(medical, 0);
  combo->SetItemIndex(medical);
  ::SendMessageA(form->Find<TGroupBox>("DictionariesGroup")->ClientHandle(), WM_COMMAND,
                 MAKEWPARAM(::GetDlgCtrlID(combo->Handle()), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo->Handle()));
  EXPECT_EQ(Config().GetActiveCustom(), "Medical.vlu");
  const int32_t listHeight = list->Height();
  form.reset();

  // Without the folder row and the custom dictionary row the list grows down
  // to the Dictionaries button's bottom edge.
  engine->SetCommandsVisible(TSpellDialogCommands::FromBits(kAllSpellDialogCommands) -
                             TSpellDialogCommands{sdcMainDictFolderBrowse, sdcCustomDictionary,
                                                  sdcCustomDictionaries});
  auto bare = Linked<TSpellCheckConfigDialog>();
  list = bare->Find<TListView>("MainDictionaries");
  EXPECT_EQ(list->Count(), 3);
  EXPECT_FALSE(bare->Find<TComboBox>("CustomCombo")->Visible());
  EXPECT_FALSE(bare->Find<TLabel>("CustomLabel")->Visible());
  auto* button = bare->Find<TButton>("DictionariesButton");
  EXPECT_EQ(list->Top() + list->Height(), button->Top() + button->Height());
  EXPECT_GT(list->Height(), listHeight);
}

TEST_F(ConfigurationDialogsWin, ResetDefaultsThenClosingLeavesTheDefaultsStored) {
  engine->SetConfigAvailableOptions(TSpellOptions::FromBits(0x03FF));
  {
    auto form = Linked<TSpellCheckConfigDialog>();
    form->Show();
    ASSERT_TRUE(OptionBox(*form, soUpcase) && OptionBox(*form, soHTML));
    Config().SetSpellOptions(TSpellOptions{soHTML});
    Config().GetMainDictionaries().Add("Second.vlm");
    Config().SetActiveCustom("Medical.vlu");
    PressNow(form->Find<TButton>("ResetButton"));
    EXPECT_EQ(form->Find<TComboBox>("CustomCombo")->Text(), "User.vlu");
    EXPECT_TRUE(OptionBox(*form, soUpcase)->Checked());
    EXPECT_FALSE(OptionBox(*form, soHTML)->Checked());
    PressNow(form->Find<TButton>("OK"));
  }
  engine.reset();  // saves
  MakeEngine();    // reads the INI file again
  EXPECT_TRUE(Config().GetSpellOptions() == (TSpellOptions{soUpcase, soNumbers}));
  EXPECT_EQ(Config().GetMainDictionaries().Count(), 1);
  EXPECT_EQ(Config().GetActiveCustom(), "User.vlu");
}

TEST_F(ConfigurationDialogsWin, EmbeddedInAPageOfAnotherForm) {
  TForm host;
  host.SetBounds(10, 10, 420, 460);
  auto* pages = new TPageControl(&host);
  pages->SetBounds(4, 4, 400, 420);
  auto* sheet = new TTabSheet(&host, pages);
  auto form = Linked<TSpellCheckConfigDialog>();
  form->SetParentWindow(sheet);
  const TRect area = static_cast<TParentWindow*>(sheet)->ClientRect();
  form->SetBounds(0, 0, area.Width(), area.Height());
  host.Show();
  form->Show();
  EXPECT_EQ(::GetParent(form->Handle()), sheet->Handle());
  EXPECT_FALSE(::GetWindowLongA(form->Handle(), GWL_STYLE) & WS_CAPTION);
  // Anchored: the dictionaries take what the options leave.
  auto* group = form->Find<TGroupBox>("DictionariesGroup");
  EXPECT_EQ(group->Top() + group->Height() + 7 + 23 + 6, form->ClientHeight());
  form.reset();
}

// ---- Dictionaries dialog ------------------------------------------------------------------

TEST_F(ConfigurationDialogsWin, DictionaryRowsKindsCheckingDeletingCreatingAndRenaming) {
  const std::string wordFile = folder + "\\Word.dic";
  std::string words = "alpha\r\nbeta\r\n";
  Platform::WriteWholeFile(wordFile, words);
  Platform::RegWriteString(Platform::TRegistryRoot::CurrentUser, kWordKey, "1", wordFile);
  engine->InternalDictionary()->AddIgnore("zork");

  auto form = Linked<TCustomDictionariesDialog>();
  form->Show();
  TListView* list = form->CustomDictionaries();
  auto* edit = form->Find<TButton>("EditButton");
  auto* remove = form->Find<TButton>("DeleteButton");
  ASSERT_EQ(list->Count(), 4);
  EXPECT_EQ(list->ItemCaption(0), "(Ignore All / Change All)");
  const int32_t medical = list->IndexOfCaption("Medical.vlu");
  const int32_t user = list->IndexOfCaption("User.vlu");
  const int32_t word = list->IndexOfCaption("Word.dic");
  ASSERT_TRUE(medical > 0 && user > 0 && word == 3);
  EXPECT_TRUE(list->Checked(user));
  EXPECT_FALSE(list->Checked(medical));

  // The internal row stays checked, cannot be deleted or renamed.
  list->SetChecked(0, false);
  EXPECT_TRUE(list->Checked(0));
  list->SetItemIndex(0);
  EXPECT_TRUE(edit->Enabled());
  EXPECT_FALSE(remove->Enabled());
  list->EditCaption(0);
  EXPECT_FALSE(list->IsEditing());

  // Word processor rows: checked and unchecked, never deleted.
  list->SetChecked(word, true);
  EXPECT_GE(Config().GetMSWordCustomDictionaries().IndexOf(wordFile), 0);
  list->SetItemIndex(word);
  EXPECT_FALSE(remove->Enabled());
  list->SetChecked(medical, true);
  EXPECT_GE(Config().GetCustomDictionaries().IndexOf("Medical.vlu"), 0);
  EXPECT_TRUE(remove->Enabled());  // checking selected the row

  // Renaming in place renames the file; Enter ends the edit, not the dialog.
  list->SetItemFocused(medical);
  list->EditCaption(medical);
  ASSERT_TRUE(list->IsEditing());
  HWND editor = reinterpret_cast<HWND>(::SendMessageA(list->Handle(), LVM_GETEDITCONTROL, 0, 0));
  ::SetWindowTextA(editor, "Clinic");
  ::PostMessageA(editor, WM_KEYDOWN, VK_RETURN, 0);
  ::PostMessageA(editor, WM_CHAR, VK_RETURN, 0);
  Application().ProcessMessages();
  EXPECT_TRUE(form->Visible());
  EXPECT_FALSE(list->IsEditing());
  EXPECT_EQ(list->ItemCaption(medical), "Clinic.vlu");
  EXPECT_TRUE(FileThere("Clinic.vlu"));
  EXPECT_FALSE(FileThere("Medical.vlu"));
  EXPECT_EQ(form->Entry(medical)->FileName, "Clinic.vlu");

  // Deleting asks on screen and removes the real file.
  list->SetItemIndex(user);
  list->SetItemFocused(user);
  std::string question;
  {
    TScriptedUser person({AnswerMessageBox("Confirmation:", IDYES, &question)});
    PressNow(remove);
    EXPECT_TRUE(person.Done());
  }
  EXPECT_EQ(question, "Delete this custom dictionary?");
  EXPECT_FALSE(FileThere("User.vlu"));
  EXPECT_LT(list->IndexOfCaption("User.vlu"), 0);

  // A new name with a folder and another extension becomes name.vlu.
  {
    TScriptedUser person({[] {
      auto* dialog = VisibleForm<TNewCustomDictionary>("New Custom Dictionary");
      if (dialog == nullptr) return false;
      Type(dialog->NameEdit(), "sub\\Notes.txt");
      Press(dialog->Find<TButton>("OKButton"));
      return true;
    }});
    PressNow(form->Find<TButton>("NewButton"));
    EXPECT_TRUE(person.Done());
  }
  EXPECT_TRUE(FileThere("Notes.vlu"));
  EXPECT_FALSE(FileThere("Notes.txt"));
  const int32_t notes = list->IndexOfCaption("Notes.vlu");
  ASSERT_GE(notes, 0);
  EXPECT_TRUE(list->Selected(notes));
  form.reset();
}

// ---- Edit dialog ----------------------------------------------------------------------------

TEST_F(ConfigurationDialogsWin, EditDialogWordPagesAndPairsFollowTheDictionary) {
  std::unique_ptr<TCustomDictionary> dictionary = engine->OpenCustomDictionary("User.vlu");
  ASSERT_TRUE(dictionary);
  for (const char* w : {"gamma", "alpha", "beta"}) dictionary->AddIgnore(w);
  dictionary->AddExclude("wrongo");
  dictionary->AddAutoCorrect("teh", "the");
  dictionary->AddAutoCorrect("adn", "and");

  auto form = Linked<TCustomDictionaryEditDialog>(dictionary.get());
  form->Show();
  EXPECT_EQ(form->Caption(), "User.vlu");
  auto& added = form->Added;
  ASSERT_EQ(added.List->Count(), 3);
  EXPECT_EQ(added.List->Items(0), "alpha");

  // A word held as another kind cannot be added on any page.
  for (const char* other : {"wrongo", "teh"}) {
    Retype(added.Edit, other);
    EXPECT_FALSE(added.AddButton->Enabled()) << other;
  }
  Retype(added.Edit, "delta");
  EXPECT_TRUE(added.AddButton->Enabled());
  PressNow(added.AddButton);
  EXPECT_TRUE(dictionary->HasIgnore("delta"));
  EXPECT_EQ(added.List->Items(added.List->ItemIndex()), "delta");
  EXPECT_TRUE(added.DeleteButton->Enabled());

  // Deleting the last item selects the new last one; the only one empties all.
  Retype(added.Edit, "gamma");
  EXPECT_EQ(added.List->ItemIndex(), 3);
  PressNow(added.DeleteButton);
  EXPECT_FALSE(dictionary->HasIgnore("gamma"));
  EXPECT_EQ(added.List->ItemIndex(), 2);
  EXPECT_EQ(added.Edit->Text(), "delta");
  while (added.List->Count() > 0) PressNow(added.DeleteButton);
  EXPECT_EQ(dictionary->CountIgnored(), 0);
  EXPECT_EQ(added.Edit->Text(), "");
  EXPECT_FALSE(added.DeleteButton->Enabled());

  auto* pages = form->Find<TPageControl>("PageControl");
  pages->SetActivePageIndex(2);
  auto& excluded = form->Excluded;
  ASSERT_EQ(excluded.List->Count(), 1);
  PressNow(added.AddButton);  // disabled: nothing happens
  Retype(added.Edit, "omega");
  PressNow(added.AddButton);
  Retype(excluded.Edit, "omega");
  EXPECT_FALSE(excluded.AddButton->Enabled());
  Retype(excluded.Edit, "adn");
  EXPECT_FALSE(excluded.AddButton->Enabled());

  // Pairs: selecting fills both boxes; typing a replacement rewrites the pair.
  pages->SetActivePageIndex(1);
  auto* pairs = form->Find<TListView>("AutoCorrectList");
  auto* replace = form->Find<TEdit>("ReplaceEdit");
  auto* with = form->Find<TEdit>("WithEdit");
  ASSERT_EQ(pairs->Count(), 2);
  EXPECT_EQ(pairs->ItemCaption(1), "teh");
  pairs->SetItemFocused(1);
  pairs->SetItemIndex(1);
  EXPECT_EQ(replace->Text(), "teh");
  EXPECT_EQ(with->Text(), "the");
  std::string stored;
  for (const char* typed : {"y", "!"}) {
    Type(with, typed);
    ASSERT_TRUE(dictionary->LookupAutoCorrect("teh", stored));
    EXPECT_EQ(stored, with->Text());
    EXPECT_EQ(pairs->SubItem(1, 1), with->Text());
  }
  EXPECT_EQ(stored, "they!");
  Retype(replace, "omega");
  Retype(with, "x");
  EXPECT_FALSE(form->Find<TButton>("AddAutoCorrectButton")->Enabled());
  Retype(replace, "recieve");
  Retype(with, "receive");
  PressNow(form->Find<TButton>("AddAutoCorrectButton"));
  EXPECT_TRUE(dictionary->LookupAutoCorrect("recieve", stored));
  EXPECT_EQ(pairs->ItemCaption(pairs->ItemIndex()), "recieve");
  PressNow(form->Find<TButton>("DeleteAutoCorrectButton"));
  EXPECT_FALSE(dictionary->LookupAutoCorrect("recieve", stored));
  EXPECT_EQ(pairs->Count(), 2);
  EXPECT_EQ(pairs->ItemIndex(), 1);
  form.reset();
}

// Enter as the system queues it for the focused box; what the dialog does
// with it is done when this returns.
void EnterIn(TControl* box) {
  box->SetFocus();
  ::PostMessageA(box->Handle(), WM_KEYDOWN, VK_RETURN, 1);
  ::PostMessageA(box->Handle(), WM_KEYUP, VK_RETURN, 0xC0000001);
  Application().ProcessMessages();
}

TEST_F(ConfigurationDialogsWin, EditDialogBoxesHoldOneEntryAndEnterNeverClosesTheDialog) {
  std::unique_ptr<TCustomDictionary> dictionary = engine->OpenCustomDictionary("User.vlu");
  ASSERT_TRUE(dictionary);
  dictionary->AddAutoCorrect("teh", "the");
  auto form = Linked<TCustomDictionaryEditDialog>(dictionary.get());
  form->Show();
  auto* pages = form->Find<TPageControl>("PageControl");
  auto* pairs = form->Find<TListView>("AutoCorrectList");
  auto* replace = form->Find<TEdit>("ReplaceEdit");
  auto* with = form->Find<TEdit>("WithEdit");
  auto* addPair = form->Find<TButton>("AddAutoCorrectButton");
  std::string paragraph;
  while (paragraph.size() < 700) paragraph += "The quick brown fox jumps over the lazy dog. ";
  const size_t room = VluFormat::kMaxEntryText;

  // A paragraph pasted over a pair's replacement: what fits in the entry goes
  // in, and the dictionary, the row and the box agree.
  pages->SetActivePageIndex(1);
  pairs->SetItemFocused(0);
  pairs->SetItemIndex(0);
  ASSERT_EQ(with->Text(), "the");
  ::SendMessageA(with->Handle(), EM_SETSEL, 0, -1);
  ::SendMessageA(with->Handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(paragraph.c_str()));
  std::string stored;
  ASSERT_TRUE(dictionary->LookupAutoCorrect("teh", stored)) << "the pair is never lost";
  EXPECT_EQ(stored.size(), room - 3);
  EXPECT_EQ(with->Text(), stored);
  EXPECT_EQ(pairs->SubItem(0, 1), stored);
  // Put in the box another way: refused, the stored pair shows again.
  const std::string before = stored;
  with->SetText(paragraph);
  ASSERT_TRUE(dictionary->LookupAutoCorrect("teh", stored));
  EXPECT_EQ(stored, before);
  EXPECT_EQ(with->Text(), before);
  // A new pair too long together cannot be added.
  Retype(replace, "recieve");
  with->SetText(paragraph);
  EXPECT_FALSE(addPair->Enabled());

  // Enter in a box presses Add when Add can act and does nothing else.
  EnterIn(with);
  EnterIn(replace);
  Retype(replace, "");
  EnterIn(replace);
  auto& added = form->Added;
  pages->SetActivePageIndex(0);
  EnterIn(added.Edit);
  ::SendMessageA(added.Edit->Handle(), EM_REPLACESEL, TRUE,
                 reinterpret_cast<LPARAM>(paragraph.c_str()));
  EXPECT_EQ(added.Edit->Text().size(), room);
  Retype(added.Edit, "zebra");
  EnterIn(added.Edit);
  EXPECT_TRUE(dictionary->HasIgnore("zebra"));
  EnterIn(added.Edit);  // now grey: the word is there
  EXPECT_EQ(form->ModalResult(), mrNone) << "Enter in a box closed the dialog";
  EXPECT_EQ(dictionary->CountIgnored(), 1);
  EXPECT_EQ(dictionary->CountAutoCorrect(), 1);
  form.reset();
}

// A key pressed on a control: key down, its character, key up.
void PressKey(TControl* control, UINT key, char ch = 0) {
  ::SendMessageA(control->Handle(), WM_KEYDOWN, key, 1);
  if (ch != 0) ::SendMessageA(control->Handle(), WM_CHAR, static_cast<unsigned char>(ch), 1);
  ::SendMessageA(control->Handle(), WM_KEYUP, key, 0xC0000001);
}

// The lists hold only their number of rows and read the words from the
// dialog: the keyboard must still find, move and fill the boxes.
TEST_F(ConfigurationDialogsWin, EditDialogListsAnswerTheKeyboardLikeListsOfTheirOwn) {
  std::unique_ptr<TCustomDictionary> dictionary = engine->OpenCustomDictionary("User.vlu");
  ASSERT_TRUE(dictionary);
  for (const char* w : {"gamma", "Bravo", "alpha", "beta"}) dictionary->AddIgnore(w);
  for (const char* w : {"adn", "teh", "hte"}) dictionary->AddAutoCorrect(w, "x");
  dictionary->RemoveAutoCorrect("hte");
  dictionary->AddAutoCorrect("hte", "the");

  auto form = Linked<TCustomDictionaryEditDialog>(dictionary.get());
  form->Show();
  auto& added = form->Added;
  ASSERT_EQ(added.List->Count(), 4);
  EXPECT_EQ(::SendMessageA(added.List->Handle(), LB_GETCOUNT, 0, 0), 4);
  added.List->SetFocus();
  // Quick letters narrow the search; the row found fills the word box.
  PressKey(added.List, 'B', 'b');
  EXPECT_EQ(added.Edit->Text(), "beta");
  PressKey(added.List, 'R', 'r');
  EXPECT_EQ(added.List->ItemIndex(), 2);
  EXPECT_EQ(added.Edit->Text(), "Bravo");
  PressKey(added.List, VK_DOWN);
  EXPECT_EQ(added.Edit->Text(), "gamma");
  PressKey(added.List, VK_HOME);
  EXPECT_EQ(added.Edit->Text(), "alpha");
  EXPECT_TRUE(added.DeleteButton->Enabled());
  // A word added goes to its sorted place; the rows after it move down.
  Retype(added.Edit, "bz");
  PressNow(added.AddButton);
  EXPECT_EQ(added.List->ItemIndex(), 3);
  EXPECT_EQ(added.List->Items(2), "Bravo");
  EXPECT_EQ(added.List->Items(4), "gamma");

  form->Find<TPageControl>("PageControl")->SetActivePageIndex(1);
  auto* pairs = form->Find<TListView>("AutoCorrectList");
  auto* replace = form->Find<TEdit>("ReplaceEdit");
  auto* with = form->Find<TEdit>("WithEdit");
  ASSERT_EQ(pairs->Count(), 3);
  EXPECT_EQ(pairs->ItemCaption(1), "hte");
  pairs->SetFocus();
  PressKey(pairs, 'T', 't');
  EXPECT_EQ(pairs->ItemIndex(), 2);
  EXPECT_EQ(replace->Text(), "teh");
  PressKey(pairs, VK_UP);
  EXPECT_EQ(pairs->ItemIndex(), 1);
  EXPECT_EQ(replace->Text(), "hte");
  EXPECT_EQ(with->Text(), "the");
  form.reset();
}

TEST_F(ConfigurationDialogsWin, ShownByTheComponentAndChangesReachTheRunningCheck) {
  engine->InternalDictionary()->AddAutoCorrect("hte", "the");
  EXPECT_FALSE(engine->IsWordCorrect("zzyzx"));
  std::vector<std::string> seen;
  std::string internalTabs;
  bool excludedTab = true;
  TScriptedUser person({
      [&] {
        auto* dialog = VisibleForm<TCustomDictionariesDialog>("Dictionaries");
        if (dialog == nullptr) return false;
        const int32_t row = dialog->CustomDictionaries()->IndexOfCaption("User.vlu");
        dialog->CustomDictionaries()->SetItemFocused(row);
        dialog->CustomDictionaries()->SetItemIndex(row);
        Press(dialog->Find<TButton>("EditButton"));
        return true;
      },
      [&] {
        auto* dialog = VisibleForm<TCustomDictionaryEditDialog>("User.vlu");
        if (dialog == nullptr) return false;
        Type(dialog->Added.Edit, "zzyzx");
        Press(dialog->Added.AddButton);
        return true;
      },
      [&] {
        auto* dialog = VisibleForm<TCustomDictionaryEditDialog>("User.vlu");
        if (dialog == nullptr || dialog->Added.List->Count() == 0) return false;
        Press(dialog->Find<TButton>("OK"));
        return true;
      },
      [&] {
        auto* dialog = VisibleForm<TCustomDictionariesDialog>("Dictionaries");
        if (dialog == nullptr) return false;
        dialog->CustomDictionaries()->SetItemFocused(0);
        dialog->CustomDictionaries()->SetItemIndex(0);
        Press(dialog->Find<TButton>("EditButton"));
        return true;
      },
      [&] {
        auto* dialog =
            VisibleForm<TCustomDictionaryEditDialog>("Words added with Ignore All / Change All");
        if (dialog == nullptr) return false;
        auto* pages = dialog->Find<TPageControl>("PageControl");
        internalTabs = pages->Pages(0)->Text() + "|" + pages->Pages(1)->Text();
        excludedTab = pages->Pages(2)->TabVisible();
        Press(dialog->Find<TButton>("OK"));
        return true;
      },
      [&] {
        auto* dialog = VisibleForm<TCustomDictionariesDialog>("Dictionaries");
        if (dialog == nullptr) return false;
        Press(dialog->Find<TButton>("OK"));
        return true;
      },
  });
  engine->ShowCustomDictionariesDialog();
  EXPECT_TRUE(person.Done());
  EXPECT_EQ(internalTabs, "&Ignore All|&Change All");
  EXPECT_FALSE(excludedTab);
  EXPECT_TRUE(engine->IsWordCorrect("zzyzx"));
}

TEST_F(ConfigurationDialogsWin, TheSpellingDialogsOptionsButtonOpensTheConfigurationDialog) {
  auto spelling = Linked<TSpellDialog>();
  bool shown = false;
  TScriptedUser person({[&] {
    auto* dialog = VisibleForm<TSpellCheckConfigDialog>("Spelling Options");
    if (dialog == nullptr) return false;
    shown = true;
    Press(dialog->Find<TButton>("OK"));
    return true;
  }});
  PressNow(spelling->Find<TButton>("OptionsButton"));
  EXPECT_TRUE(person.Done());
  EXPECT_TRUE(shown);
}

}  // namespace
