// The DLL as a program of another compiler uses it: loaded with LoadLibrary,
// every function found by its bare name with GetProcAddress, and an edit
// control of the program checked silently and through the standard dialog.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "../win32/vl3DesktopLock_win.h"
#include "vl3CApi.h"  // constants and handle types; nothing is imported

namespace {

// Shows the spelling dialog and presses its buttons: one program on the
// display at a time.
[[maybe_unused]] TDesktopLock& desktop = HoldDesktop();

// The signatures as a foreign program declares them from the header's
// documentation; checked against the header below.
using FnGetVersion = int(WINAPI*)(char*, int);
using FnSpellCreate = int(WINAPI*)(VXSPELL*);
using FnSpellFree = int(WINAPI*)(VXSPELL);
using FnSpellSetList = int(WINAPI*)(VXSPELL, const char* const*, int);
using FnSpellSetInt2 = int(WINAPI*)(VXSPELL, int, int);
using FnSpellSetPrompt = int(WINAPI*)(VXSPELL, VxPromptWordProc, void*);
using FnSpellSetChanged = int(WINAPI*)(VXSPELL, VxWordChangedProc, void*);
using FnSpellSetComplete = int(WINAPI*)(VXSPELL, VxCheckCompleteProc, void*);
using FnSpellCheckWindow = int(WINAPI*)(VXSPELL, HWND, int);
using FnSpellCheckString = int(WINAPI*)(VXSPELL, const char*, char*, int);
using FnSpellAnswer = int(WINAPI*)(VXSPELL, int, const char*);
using FnSpellWord = int(WINAPI*)(VXSPELL, const char*);
using FnThesCreate = int(WINAPI*)(VXTHES*);
using FnThesFree = int(WINAPI*)(VXTHES);
using FnThesText = int(WINAPI*)(VXTHES, const char*);
using FnThesGetMeaning = int(WINAPI*)(VXTHES, int, int, char*, int);

static_assert(std::is_same<FnSpellCreate, decltype(&vxSpellCreate)>::value, "header changed");
static_assert(std::is_same<FnSpellSetList, decltype(&vxSpellSetMainDictionaries)>::value,
              "header changed");
static_assert(std::is_same<FnSpellSetPrompt, decltype(&vxSpellSetPromptWordProc)>::value,
              "header changed");
static_assert(std::is_same<FnSpellCheckWindow, decltype(&vxSpellCheckWindow)>::value,
              "header changed");
static_assert(std::is_same<FnSpellCheckString, decltype(&vxSpellCheckString)>::value,
              "header changed");
static_assert(std::is_same<FnSpellAnswer, decltype(&vxSpellAnswer)>::value, "header changed");
static_assert(std::is_same<FnThesGetMeaning, decltype(&vxThesGetMeaning)>::value, "header changed");

const char kDll[] = "vl3capi.dll";
const char kText[] = "This sentense has a mispelled wrod";
const char kCorrected[] = "This sentence has a misspelled word";

struct TApi {
  HMODULE Module = nullptr;
  FnGetVersion GetVersion = nullptr;
  FnSpellCreate SpellCreate = nullptr;
  FnSpellFree SpellFree = nullptr;
  FnSpellSetList SetDictionaryFolders = nullptr, SetMainDictionaries = nullptr;
  FnSpellSetInt2 SetProperty = nullptr, SetOption = nullptr;
  int(WINAPI* GetProperty)(VXSPELL, int, int*) = nullptr;
  FnSpellSetPrompt SetPromptWordProc = nullptr;
  FnSpellSetChanged SetWordChangedProc = nullptr;
  FnSpellSetComplete SetCheckCompleteProc = nullptr;
  FnSpellCheckWindow CheckWindow = nullptr;
  FnSpellCheckString CheckString = nullptr;
  FnSpellAnswer Answer = nullptr;
  FnSpellWord IsWordCorrect = nullptr;
  FnSpellCheckString GetSuggestions = nullptr;
  FnThesCreate ThesCreate = nullptr;
  FnThesFree ThesFree = nullptr;
  FnThesText ThesSetFile = nullptr, ThesLookup = nullptr;
  FnThesGetMeaning ThesGetMeaning = nullptr;
  std::vector<std::string> Missing;

  template <class F>
  void Find(F& function, const char* name) {
    function = reinterpret_cast<F>(reinterpret_cast<void (*)()>(::GetProcAddress(Module, name)));
    if (function == nullptr) Missing.push_back(name);
  }
};

TApi api;

std::string TextOf(HWND window) {
  char text[256] = {};
  ::GetWindowTextA(window, text, sizeof text);
  return text;
}

// Suggestions come one a line; the first is the best.
std::string FirstSuggestion(VXSPELL spell, const char* word) {
  char list[1024] = {};
  const int needed = api.GetSuggestions(spell, word, list, sizeof list);
  if (needed <= 0 || needed > static_cast<int>(sizeof list)) return "";
  const std::string all = list;
  return all.substr(0, all.find('\n'));
}

// Under an X server without a window manager Wine waits for one each time a
// managed window hides; this program's windows are left unmanaged.
[[maybe_unused]] const bool unmanaged = [] {
  HKEY key = nullptr;
  if (::RegCreateKeyExA(HKEY_CURRENT_USER,
                        "Software\\Wine\\AppDefaults\\vl3capi_load.exe\\X11 Driver", 0, nullptr, 0,
                        KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
    return false;
  ::RegSetValueExA(key, "Managed", 0, REG_SZ, reinterpret_cast<const BYTE*>("N"), 2);
  ::RegCloseKey(key);
  return true;
}();

// What the events saw.
struct TEvents {
  std::vector<std::string> Prompts;
  std::vector<std::pair<std::string, std::string>> Changes;
  int Completed = 0;
  bool AnswerWithFirstSuggestion = false;
  bool FreeOnPrompt = false;
  bool FreeOnChange = false;
};

void WINAPI OnPrompt(VXSPELL spell, const char* word, int, void* data) {
  auto& events = *static_cast<TEvents*>(data);
  events.Prompts.push_back(word);
  if (events.FreeOnPrompt) api.SpellFree(spell);
  if (events.AnswerWithFirstSuggestion)
    api.Answer(spell, VX_ACTION_CHANGE, FirstSuggestion(spell, word).c_str());
}

void WINAPI OnChanged(VXSPELL spell, const char* oldWord, const char* newWord, void* data) {
  auto& events = *static_cast<TEvents*>(data);
  events.Changes.emplace_back(oldWord, newWord);
  if (events.FreeOnChange) api.SpellFree(spell);
}

void WINAPI OnComplete(VXSPELL, int, void* data) { ++static_cast<TEvents*>(data)->Completed; }

// The DLL loaded for each test and freed after it: every test after the
// first also shows that it survives being freed and loaded again.
class CApiLoad : public ::testing::Test {
 protected:
  void SetUp() override {
    api = TApi();
    api.Module = ::LoadLibraryA(kDll);
    ASSERT_NE(api.Module, nullptr) << kDll << " not found";
    api.Find(api.GetVersion, "vxGetVersion");
    api.Find(api.SpellCreate, "vxSpellCreate");
    api.Find(api.SpellFree, "vxSpellFree");
    api.Find(api.SetDictionaryFolders, "vxSpellSetDictionaryFolders");
    api.Find(api.SetMainDictionaries, "vxSpellSetMainDictionaries");
    api.Find(api.SetProperty, "vxSpellSetProperty");
    api.Find(api.SetOption, "vxSpellSetOption");
    api.Find(api.GetProperty, "vxSpellGetProperty");
    api.Find(api.SetPromptWordProc, "vxSpellSetPromptWordProc");
    api.Find(api.SetWordChangedProc, "vxSpellSetWordChangedProc");
    api.Find(api.SetCheckCompleteProc, "vxSpellSetCheckCompleteProc");
    api.Find(api.CheckWindow, "vxSpellCheckWindow");
    api.Find(api.CheckString, "vxSpellCheckString");
    api.Find(api.Answer, "vxSpellAnswer");
    api.Find(api.IsWordCorrect, "vxSpellIsWordCorrect");
    api.Find(api.GetSuggestions, "vxSpellGetSuggestions");
    api.Find(api.ThesCreate, "vxThesCreate");
    api.Find(api.ThesFree, "vxThesFree");
    api.Find(api.ThesSetFile, "vxThesSetFile");
    api.Find(api.ThesLookup, "vxThesLookup");
    api.Find(api.ThesGetMeaning, "vxThesGetMeaning");
    ASSERT_TRUE(api.Missing.empty()) << "not exported by its bare name: " << api.Missing[0];
    edit = ::CreateWindowExA(0, "EDIT", kText, WS_OVERLAPPEDWINDOW | WS_VISIBLE | ES_MULTILINE, 40,
                             40, 420, 120, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(edit, nullptr);
  }
  void TearDown() override {
    if (spell != nullptr) {
      EXPECT_EQ(api.SpellFree(spell), VX_OK);
    }
    ::DestroyWindow(edit);
    // Its window classes live on under the program's instance and point
    // into it: the DLL stays loaded, and the next test loads it again.
    ::FreeLibrary(api.Module);
    EXPECT_NE(::GetModuleHandleA(kDll), nullptr);
  }

  // A spell checker over the shipped American dictionary; nothing stored.
  void CreateSpell(int uiType) {
    ASSERT_EQ(api.SpellCreate(&spell), VX_OK);
    const char* folders[] = {VX_DATA_DIR};
    const char* mains[] = {"American.vlm"};
    ASSERT_EQ(api.SetDictionaryFolders(spell, folders, 1), VX_OK);
    ASSERT_EQ(api.SetMainDictionaries(spell, mains, 1), VX_OK);
    ASSERT_EQ(api.SetProperty(spell, VX_PROP_UI_TYPE, uiType), VX_OK);
    ASSERT_EQ(api.SetProperty(spell, VX_PROP_END_MESSAGE, 0), VX_OK);
    ASSERT_EQ(api.IsWordCorrect(spell, "sentence"), 1) << "American.vlm is in " VX_DATA_DIR;
    ASSERT_EQ(api.SetPromptWordProc(spell, &OnPrompt, &events), VX_OK);
    ASSERT_EQ(api.SetWordChangedProc(spell, &OnChanged, &events), VX_OK);
    ASSERT_EQ(api.SetCheckCompleteProc(spell, &OnComplete, &events), VX_OK);
  }

  HWND edit = nullptr;
  VXSPELL spell = nullptr;
  TEvents events;
};

}  // namespace

TEST_F(CApiLoad, SilentCheckOfAnEditControlAnswersEachPromptWithTheFirstSuggestion) {
  char version[16] = {};
  EXPECT_EQ(api.GetVersion(version, sizeof version), 10);
  EXPECT_STREQ(version, "3.2.0 Pro");
  CreateSpell(1);
  events.AnswerWithFirstSuggestion = true;
  ASSERT_EQ(api.CheckWindow(spell, edit, VX_CHECK_ALL), VX_OK);
  EXPECT_EQ(TextOf(edit), kCorrected);
  EXPECT_EQ(events.Prompts, (std::vector<std::string>{"sentense", "mispelled", "wrod"}));
  using TPair = std::pair<std::string, std::string>;
  EXPECT_EQ(events.Changes,
            (std::vector<TPair>{
                {"sentense", "sentence"}, {"mispelled", "misspelled"}, {"wrod", "word"}}));
  EXPECT_EQ(events.Completed, 1);
  // Nothing was stored where the component would keep settings by default.
  HKEY key = nullptr;
  EXPECT_NE(::RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Torvane Software\\vl3capi_load", 0,
                            KEY_READ, &key),
            ERROR_SUCCESS);
}

// The standard dialog, found by its caption among this thread's windows and
// answered with its Change button, as a user would. The timer's ticks come
// while the check waits for the answer.
struct TDialogUser {
  static int Presses;
  static int Ticks;

  static BOOL CALLBACK FindDialog(HWND w, LPARAM found) {
    if (!::IsWindowVisible(w) || TextOf(w) != "Spelling") return TRUE;
    *reinterpret_cast<HWND*>(found) = w;
    return FALSE;
  }
  static BOOL CALLBACK FindButton(HWND w, LPARAM data) {
    auto& target = *reinterpret_cast<std::pair<const char*, HWND>*>(data);
    if (TextOf(w) != target.first || !::IsWindowVisible(w) || !::IsWindowEnabled(w)) return TRUE;
    target.second = w;
    return FALSE;
  }
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    HWND dialog = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), &FindDialog, reinterpret_cast<LPARAM>(&dialog));
    if (dialog == nullptr) return;
    // Stuck for ten seconds: cancel rather than hang.
    std::pair<const char*, HWND> target{++Ticks > 200 ? "Cancel" : "C&hange", nullptr};
    ::EnumChildWindows(dialog, &FindButton, reinterpret_cast<LPARAM>(&target));
    if (target.second == nullptr) return;
    ++Presses;
    ::SendMessageA(target.second, BM_CLICK, 0, 0);
  }
};
int TDialogUser::Presses = 0;
int TDialogUser::Ticks = 0;

TEST_F(CApiLoad, DialogCheckOfAnEditControlIsAnsweredWithTheDialogsButtons) {
  CreateSpell(0);
  const UINT_PTR timer = ::SetTimer(nullptr, 0, 50, &TDialogUser::Tick);
  ASSERT_EQ(api.CheckWindow(spell, edit, VX_CHECK_ALL), VX_OK);
  ::KillTimer(nullptr, timer);
  EXPECT_EQ(TextOf(edit), kCorrected);
  EXPECT_EQ(TDialogUser::Presses, 3);
  EXPECT_EQ(events.Prompts, (std::vector<std::string>{"sentense", "mispelled", "wrod"}));
  EXPECT_EQ(events.Completed, 1);
}

// Not synchronous: the check returns at its first prompt and the program
// answers later; freed from the event of its last answer, the checker goes
// once that answer's call has returned.
TEST_F(CApiLoad, AsynchronousCheckIsAnsweredAfterTheCallReturns) {
  CreateSpell(1);
  ASSERT_EQ(api.SetProperty(spell, VX_PROP_SYNCHRONOUS_CHECK, 0), VX_OK);
  ASSERT_EQ(api.CheckWindow(spell, edit, VX_CHECK_ALL), VX_OK);
  int checking = 0;
  EXPECT_EQ(api.GetProperty(spell, VX_PROP_CHECKING, &checking), VX_OK);
  EXPECT_EQ(checking, 1);
  EXPECT_EQ(api.SetProperty(spell, VX_PROP_SYNCHRONOUS_CHECK, 1), VX_E_BUSY);
  EXPECT_EQ(api.CheckWindow(spell, edit, VX_CHECK_ALL), VX_E_BUSY);
  EXPECT_EQ(api.Answer(spell, VX_ACTION_CHANGE, "sentence"), VX_OK);
  EXPECT_EQ(api.Answer(spell, VX_ACTION_IGNORE, nullptr), VX_OK);
  events.FreeOnChange = true;
  EXPECT_EQ(api.Answer(spell, VX_ACTION_CHANGE, "word"), VX_OK);
  EXPECT_EQ(events.Prompts, (std::vector<std::string>{"sentense", "mispelled", "wrod"}));
  EXPECT_EQ(TextOf(edit), "This sentence has a mispelled word");
  EXPECT_EQ(api.GetProperty(spell, VX_PROP_CHECKING, &checking), VX_E_INVALID_HANDLE);
  spell = nullptr;
}

// A string check hands back the corrected text under the buffer rule, and
// the calls a careless program makes are refused, not followed.
TEST_F(CApiLoad, StringCheckAndRefusedCalls) {
  CreateSpell(1);
  events.AnswerWithFirstSuggestion = true;
  char small[8] = "x";
  const int needed = api.CheckString(spell, kText, small, sizeof small);
  EXPECT_EQ(needed, static_cast<int>(sizeof kCorrected));
  EXPECT_STREQ(small, "");
  auto* getChecked = reinterpret_cast<int(WINAPI*)(VXSPELL, char*, int)>(
      reinterpret_cast<void (*)()>(::GetProcAddress(api.Module, "vxSpellGetCheckedString")));
  ASSERT_NE(getChecked, nullptr);
  std::string result(static_cast<size_t>(needed), '\0');
  EXPECT_EQ(getChecked(spell, &result[0], needed), needed);
  EXPECT_STREQ(result.c_str(), kCorrected);

  const char* nullList[] = {nullptr};
  const struct {
    const char* what;
    int result;
    int expected;
  } cases[] = {
      {"unknown handle", api.SetProperty(reinterpret_cast<VXSPELL>(&events), VX_PROP_UI_TYPE, 1),
       VX_E_INVALID_HANDLE},
      {"null handle", api.CheckWindow(nullptr, edit, VX_CHECK_ALL), VX_E_INVALID_HANDLE},
      {"no window", api.CheckWindow(spell, reinterpret_cast<HWND>(1), VX_CHECK_ALL),
       VX_E_INVALID_ARGUMENT},
      {"check type out of range", api.CheckWindow(spell, edit, 9), VX_E_INVALID_ARGUMENT},
      {"null text", api.CheckString(spell, nullptr, nullptr, 0), VX_E_INVALID_ARGUMENT},
      {"null in a list", api.SetMainDictionaries(spell, nullList, 1), VX_E_INVALID_ARGUMENT},
      {"option out of range", api.SetOption(spell, 14, 1), VX_E_INVALID_ARGUMENT},
      {"read-only property", api.SetProperty(spell, VX_PROP_CHECKING, 1), VX_E_INVALID_ARGUMENT},
      {"end message out of range", api.SetProperty(spell, VX_PROP_END_MESSAGE, 4),
       VX_E_INVALID_ARGUMENT},
      {"answer without a check", api.Answer(spell, VX_ACTION_IGNORE, nullptr), VX_E_NOT_APPLIED},
      {"change without a word", api.Answer(spell, VX_ACTION_CHANGE, nullptr),
       VX_E_INVALID_ARGUMENT},
  };
  for (const auto& c : cases) EXPECT_EQ(c.result, c.expected) << c.what;
}

// A program that frees the checker from inside its own prompt: the check
// ends, the window keeps its text, and the handle is dead afterwards.
TEST_F(CApiLoad, FreeFromInsideThePromptEndsTheCheck) {
  CreateSpell(1);
  events.FreeOnPrompt = true;
  events.AnswerWithFirstSuggestion = true;  // refused: the handle is gone
  EXPECT_EQ(api.CheckWindow(spell, edit, VX_CHECK_ALL), VX_OK);
  EXPECT_EQ(events.Prompts, std::vector<std::string>{"sentense"});
  EXPECT_TRUE(events.Changes.empty());
  EXPECT_EQ(TextOf(edit), kText);
  EXPECT_EQ(api.SetProperty(spell, VX_PROP_UI_TYPE, 0), VX_E_INVALID_HANDLE);
  spell = nullptr;
}

TEST_F(CApiLoad, ThesaurusLooksUpMeaningsWithoutADialog) {
  VXTHES thes = nullptr;
  ASSERT_EQ(api.ThesCreate(&thes), VX_OK);
  ASSERT_EQ(api.ThesSetFile(thes, VX_DATA_DIR "\\Brevant.vlt"), VX_OK);
  ASSERT_EQ(api.ThesLookup(thes, "happy"), 4);  // the four senses of its source
  char text[1024] = {};
  EXPECT_GT(api.ThesGetMeaning(thes, 0, VX_MEANING_HEADWORD, text, sizeof text), 0);
  EXPECT_STREQ(text, "happy");
  EXPECT_GT(api.ThesGetMeaning(thes, 0, VX_MEANING_CATEGORY, text, sizeof text), 0);
  EXPECT_STREQ(text, "adjective");
  EXPECT_GT(api.ThesGetMeaning(thes, 0, VX_MEANING_WORDS, text, sizeof text), 0);
  EXPECT_NE((std::string("\n") + text + "\n").find("\nglad\n"), std::string::npos) << text;
  EXPECT_EQ(api.ThesGetMeaning(thes, 4, VX_MEANING_WORDS, text, sizeof text), VX_E_NOT_FOUND);
  EXPECT_EQ(api.ThesLookup(thes, "qwxzt"), 0);
  EXPECT_EQ(api.ThesFree(thes), VX_OK);
  EXPECT_EQ(api.ThesFree(thes), VX_E_INVALID_HANDLE);
}
