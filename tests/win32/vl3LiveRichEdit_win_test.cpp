// Live spelling in a real rich edit under the system: typed keys, painted
// zigzags read back as pixels, the suggestion menu and its every action.
#include <windows.h>

#include <commctrl.h>
#include <richedit.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "vl3Application_win.h"
#include "vl3CustomDictionary.h"
#include "vl3DictionaryCompiler.h"
#include "vl3Form_win.h"
#include "vl3Platform.h"
#include "vl3RichEdit.h"
#include "vl3SpellBase.h"
#include "vl3StringList.h"
#include "vl3DesktopLock_win.h"

namespace {

[[maybe_unused]] TDesktopLock& desktop = HoldDesktop();

void Pump() {
  for (int i = 0; i < 3; ++i) Application().ProcessMessages();
}

// One key as a keyboard delivers it to the focused control.
void TypeKey(HWND wnd, UINT vk, char ch) {
  ::SendMessageA(wnd, WM_KEYDOWN, vk, 1);
  if (ch) ::SendMessageA(wnd, WM_CHAR, static_cast<unsigned char>(ch), 1);
  ::SendMessageA(wnd, WM_KEYUP, vk, 1 | (3u << 30));
  Pump();
}

void TypeText(HWND wnd, const std::string& text) {
  for (char c : text) {
    const SHORT vk = ::VkKeyScanA(c);
    TypeKey(wnd, static_cast<UINT>(vk & 0xFF), c);
  }
}

// The form and the spell component shared by every test: few top-level
// windows keep the display fast.
struct TShared {
  TShared() {
    folder = Platform::TempDirectory() + "\\vxlive_" + std::to_string(::GetCurrentProcessId());
    Platform::CreateDirectory(folder);
    TDictionaryCompiler compiler;
    for (const char* w : {"the", "cat", "sat", "on", "mat", "a", "dog", "was", "my", "too", "again", "quoted",
                          "line", "color", "here", "is", "text"})
      compiler.AddWord(w);
    std::string error;
    EXPECT_TRUE(compiler.CompileToFile(TDictionaryCompileOptions(), folder + "\\Test.vlm", error)) << error;
    form = std::make_unique<TForm>();
    form->SetBounds(40, 40, 520, 320);
    form->Show();
    Pump();
  }
  ~TShared() {
    form.reset();
    Platform::DeleteFile(folder + "\\Test.vlm");
    Platform::DeleteFile(folder + "\\User.vlu");
    Platform::RemoveDirectory(folder);
  }
  std::string folder;
  std::unique_ptr<TForm> form;
};

TShared& Shared() {
  static TShared shared;
  return shared;
}

class LiveRichEdit : public ::testing::Test {
 protected:
  void SetUp() override {
    spell = std::make_unique<TVexlorSpell3Base>();
    spell->SetConfigStorage(csNone);
    spell->SetSuggestionsLearning(false);
    TStringList folders, mains;
    folders.Add(Shared().folder);
    mains.Add("Test.vlm");
    spell->SetConfigDictionaryDir(folders);
    spell->SetConfigDefaultMain(mains);
    spell->SetConfigDefaultActiveCustom("User.vlu");
    spell->SetConfigDefaultOptions({soLiveSpelling, soLiveCorrect, soQuoted});
    spell->IsWordCorrect("a");  // loads the configuration and dictionaries
    spell->Configuration()->SetSpellOptions({soLiveSpelling, soLiveCorrect, soQuoted});
    edit = std::make_unique<TVexlorRichEdit>(Shared().form.get(), Shared().form.get());
    edit->SetBounds(8, 8, 480, 260);
    handle = edit->Handle();
  }
  void TearDown() override {
    edit.reset();
    spell.reset();
    Pump();
  }

  void SetText(const char* text) {
    ::SendMessageA(handle, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    ::SendMessageA(handle, EM_SETSEL, 0, 0);
    Paint();
  }
  void Paint() {
    ::RedrawWindow(handle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    Pump();
  }
  std::string Text() const { return VxWin::WindowText(handle); }
  int32_t Find(const std::string& what, int nth = 0) const {
    std::string text = Text();
    std::string flat;
    for (char c : text)
      if (c != '\n') flat += c;  // the control counts CR only
    size_t at = flat.find(what);
    while (nth-- > 0 && at != std::string::npos) at = flat.find(what, at + 1);
    return at == std::string::npos ? -1 : static_cast<int32_t>(at);
  }
  POINT Pos(int32_t index) const {
    POINTL p = {0, 0};
    ::SendMessageA(handle, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&p), index);
    return POINT{p.x, p.y};
  }
  // Pure red pixels under the characters [start, end): from the line's top
  // to the next line's top.
  int RedPixelsUnder(int32_t start, int32_t end) const {
    const POINT a = Pos(start), b = Pos(end);
    const LRESULT line = ::SendMessageA(handle, EM_LINEFROMCHAR, start, 0);
    const LRESULT next = ::SendMessageA(handle, EM_LINEINDEX, line + 1, 0);
    const int32_t bottom = next >= 0 ? Pos(static_cast<int32_t>(next)).y : a.y + 20;
    HDC dc = ::GetDC(handle);
    int red = 0;
    for (int32_t x = a.x; x < b.x; ++x)
      for (int32_t y = a.y; y < bottom; ++y)
        if (::GetPixel(dc, x, y) == RGB(255, 0, 0)) ++red;
    ::ReleaseDC(handle, dc);
    return red;
  }
  int Red(const std::string& word, int nth = 0) const {
    const int32_t at = Find(word, nth);
    EXPECT_GE(at, 0) << word;
    return RedPixelsUnder(at, at + static_cast<int32_t>(word.size()));
  }
  // Asks for the menu at the word's middle, as a right click does.
  void RightClick(const std::string& word, int nth = 0) {
    const int32_t at = Find(word, nth);
    POINT p = Pos(at + 1);
    p.y += 3;
    ::ClientToScreen(handle, &p);
    ::SendMessageA(handle, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(handle), MAKELPARAM(p.x, p.y));
    Pump();
  }

  std::unique_ptr<TVexlorSpell3Base> spell;
  std::unique_ptr<TVexlorRichEdit> edit;
  HWND handle = nullptr;
};

// Answers the suggestion menu without showing it: records the captions and
// picks the item with the given caption.
void AnswerMenu(TVexlorSpell3Base& spell, std::vector<std::string>& captions, const std::string& choose) {
  spell.OnPopupDoMenu = [&captions, choose](TVexlorSpell3Base*, TPopupMenu* menu, int32_t, int32_t,
                                            int32_t& action, std::string& word) {
    captions.clear();
    std::vector<TMenuItem*> items;
    for (int i = 0; i < menu->Count(); ++i) items.push_back(menu->Items(i));
    for (size_t i = 0; i < items.size(); ++i) {
      TMenuItem* item = items[i];
      captions.push_back(item->Caption);
      for (int j = 0; j < item->Count(); ++j) {
        captions.push_back(item->Caption + ">" + item->Items(j)->Caption);
        if (item->Caption + ">" + item->Items(j)->Caption == choose) {
          action = item->Items(j)->Tag;
          word = item->Items(j)->Caption;
        }
      }
      if (item->Caption == choose) {
        action = item->Tag;
        word = item->Caption;
      }
    }
  };
}

}  // namespace

TEST_F(LiveRichEdit, PaintedZigzagsTypingAndAutoCorrection) {
  edit->SetVexlorSpell(spell.get());
  SetText("the cat zorb on the mat\r\n> the qwv quoted line\r\na dog sat");
  EXPECT_TRUE(edit->Live()->SpellingActive());
  EXPECT_GT(Red("zorb"), 5) << "a misspelled word is underlined";
  EXPECT_EQ(Red("cat"), 0);
  EXPECT_EQ(Red("mat"), 0);
  EXPECT_EQ(Red("qwv"), 0) << "quoted lines are never marked";
  // The zigzag sits under the word: nothing red in the upper half of the line.
  {
    const int32_t at = Find("zorb");
    const POINT top = Pos(at);
    const LRESULT next = ::SendMessageA(handle, EM_LINEINDEX, 1, 0);
    const int32_t half = (Pos(static_cast<int32_t>(next)).y - top.y) / 2;
    HDC dc = ::GetDC(handle);
    int upper = 0;
    for (int32_t x = top.x; x < Pos(at + 4).x; ++x)
      for (int32_t y = top.y; y < top.y + half; ++y)
        if (::GetPixel(dc, x, y) == RGB(255, 0, 0)) ++upper;
    ::ReleaseDC(handle, dc);
    EXPECT_EQ(upper, 0);
  }

  // A word being typed stays unmarked until the caret leaves it.
  ::SetFocus(handle);
  const LRESULT length = ::GetWindowTextLengthA(handle);
  ::SendMessageA(handle, EM_SETSEL, length, length);
  TypeText(handle, " blorf");
  Paint();
  EXPECT_EQ(Red("blorf"), 0);
  TypeKey(handle, VK_UP, 0);
  Paint();
  EXPECT_GT(Red("blorf"), 5) << "marked once the caret moved to another line";

  // "teh" then a space: corrected at key release, the caret after the space.
  spell->InternalDictionary()->AddAutoCorrect("teh", "the");
  const LRESULT end = ::GetWindowTextLengthA(handle);
  ::SendMessageA(handle, EM_SETSEL, end, end);
  TypeText(handle, " teh ");
  EXPECT_NE(Text().find("a dog sat blorf the "), std::string::npos) << Text();
  DWORD s = 0, e = 0;
  ::SendMessageA(handle, EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
  EXPECT_EQ(s, static_cast<DWORD>(Find("blorf the ") + 10));
  EXPECT_EQ(s, e);

  // Read-only switches the marks off, and back on.
  edit->SetReadOnly(true);
  EXPECT_FALSE(edit->Live()->SpellingActive());
  Paint();
  EXPECT_EQ(Red("zorb"), 0);
  edit->SetReadOnly(false);
  Paint();
  EXPECT_GT(Red("zorb"), 5);

  // The user's options rule while LiveSpellingOptions is on.
  spell->Configuration()->SetSpellOptions({soLiveCorrect, soQuoted});
  edit->Live()->UpdateState();
  Paint();
  EXPECT_TRUE(edit->LiveSpelling());
  EXPECT_EQ(Red("zorb"), 0);
  spell->Configuration()->SetSpellOptions({soLiveSpelling, soLiveCorrect, soQuoted});
  edit->Live()->UpdateState();
  Paint();
  EXPECT_GT(Red("zorb"), 5);

  // The buffered path renders the text into a bitmap and marks it the same
  // way; where the control cannot render into a bitmap it falls back to the
  // plain path, and the text stays visible either way.
  edit->Live()->ForceBufferedPaintSupport(true);
  ::SendMessageA(handle, EM_SETSEL, 0, 0);
  Paint();
  Paint();
  EXPECT_GT(Red("zorb"), 5);
  {
    const POINT a = Pos(Find("cat")), b = Pos(Find("cat") + 3);
    HDC dc = ::GetDC(handle);
    int ink = 0;
    for (int32_t x = a.x; x < b.x; ++x)
      for (int32_t y = a.y; y < a.y + 10; ++y)
        if (::GetPixel(dc, x, y) == RGB(0, 0, 0)) ++ink;
    ::ReleaseDC(handle, dc);
    EXPECT_GT(ink, 5) << "the text is painted";
  }
  EXPECT_EQ(Red("cat"), 0);
  EXPECT_EQ(Red("qwv"), 0);

  // Removing the spell component leaves a plain rich edit.
  spell.reset();
  EXPECT_EQ(edit->VexlorSpell(), nullptr);
  Paint();
  EXPECT_FALSE(edit->Live()->SpellingActive());
  EXPECT_EQ(Red("zorb"), 0);
}

// A trigger character corrects only the word that ends right before it: a
// space typed at a line's start or after another space leaves the words
// after the caret alone, and the caret where the user put the character.
TEST_F(LiveRichEdit, AutoCorrectionChangesOnlyTheWordJustTyped) {
  edit->SetVexlorSpell(spell.get());
  spell->InternalDictionary()->AddAutoCorrect("teh", "the");
  ::SetFocus(handle);
  struct TCase {
    const char* text;
    const char* caretBefore;  // the caret goes before this text's first occurrence
    char typed;
    const char* expected;
  };
  const TCase cases[] = {
      {"a dog\r\nteh cat", "a dog", ' ', " a dog\r\nteh cat"},      // the first line's start
      {"a dog\r\nteh cat\r\nteh", "teh cat", ' ', "a dog\r\n teh cat\r\nteh"},  // a later line's start
      {"a dog teh cat", "teh cat", ' ', "a dog  teh cat"},             // after another space
      {"a dog teh cat", "teh cat", ',', "a dog ,teh cat"},
      {"a dog teh cat", " cat", ',', "a dog the, cat"},                // the word just typed
      {"teh\r\na dog", "\r\na dog", ' ', "the \r\na dog"},
  };
  for (const TCase& c : cases) {
    SetText(c.text);
    const std::string text = c.text;
    std::string flat;  // the control counts a line break as one character
    for (char ch : text.substr(0, text.find(c.caretBefore)))
      if (ch != '\n') flat += ch;
    const DWORD caret = static_cast<DWORD>(flat.size());
    ::SendMessageA(handle, EM_SETSEL, caret, caret);
    TypeText(handle, std::string(1, c.typed));
    std::string expected = c.expected;
    EXPECT_EQ(Text(), expected) << c.text << " / " << c.caretBefore;
    const int32_t grown = static_cast<int32_t>(expected.size()) - static_cast<int32_t>(text.size()) - 1;
    DWORD s = 0, e = 0;
    ::SendMessageA(handle, EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
    EXPECT_EQ(s, caret + 1 + static_cast<DWORD>(grown)) << c.text << " / " << c.caretBefore;
    EXPECT_EQ(s, e);
  }
}

TEST_F(LiveRichEdit, ContextMenuOffersSuggestionsAndEveryEntryActs) {
  edit->SetVexlorSpell(spell.get());
  SetText("the colr sat\r\nmy colr too colr\r\nthe cat");
  std::vector<std::string> captions;

  // A correct word: the control's normal handling, which hands the request
  // to the parent window.
  int parentMenus = 0;
  auto watch = [](HWND w, UINT m, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) -> LRESULT {
    if (m == WM_CONTEXTMENU) ++*reinterpret_cast<int*>(data);
    return ::DefSubclassProc(w, m, wp, lp);
  };
  ::SetWindowSubclass(Shared().form->Handle(), watch, 77, reinterpret_cast<DWORD_PTR>(&parentMenus));
  AnswerMenu(*spell, captions, "");
  RightClick("sat");
  EXPECT_TRUE(captions.empty());
  EXPECT_EQ(parentMenus, 1);

  // The misspelled word: its suggestions first, then the actions.
  RightClick("colr");
  EXPECT_EQ(parentMenus, 1);
  ASSERT_FALSE(captions.empty());
  EXPECT_EQ(captions[0], "color");

  const std::vector<std::string> expected = {"I&gnore", "&Ignore All", "&Add", "&Change All>color", "A&uto Correct>color"};
  for (const std::string& c : expected)
    EXPECT_NE(std::find(captions.begin(), captions.end(), c), captions.end()) << c;
  EXPECT_NE(std::find(captions.begin(), captions.end(), "&Spelling ..."), captions.end());

  // Replace: only this occurrence.
  AnswerMenu(*spell, captions, "color");
  RightClick("colr");
  EXPECT_EQ(Text(), "the color sat\r\nmy colr too colr\r\nthe cat");
  // Change all: every occurrence.
  SetText("the colr sat\r\nmy colr too colr\r\nthe cat");
  AnswerMenu(*spell, captions, "&Change All>color");
  RightClick("colr", 1);
  EXPECT_EQ(Text(), "the color sat\r\nmy color too color\r\nthe cat");
  // Auto-correct: replaced and remembered in the user's dictionary.
  SetText("the colr sat");
  AnswerMenu(*spell, captions, "A&uto Correct>color");
  RightClick("colr");
  EXPECT_EQ(Text(), "the color sat");
  std::string replacement;
  EXPECT_TRUE(spell->GetAutoCorrection("colr", replacement));
  // Add and Ignore All: the word is accepted everywhere at once.
  SetText("the zorb sat\r\nmy qwv too zorb");
  EXPECT_GT(Red("zorb", 1), 5);
  AnswerMenu(*spell, captions, "&Add");
  RightClick("zorb");
  Paint();
  EXPECT_EQ(Red("zorb", 1), 0);
  EXPECT_GT(Red("qwv"), 5);
  AnswerMenu(*spell, captions, "&Ignore All");
  RightClick("qwv");
  Paint();
  EXPECT_EQ(Red("qwv"), 0);

  // Ignore with context: only after the same preceding word.
  SetText("the colour was\r\nmy colour too\r\nthe colour again");
  EXPECT_GT(Red("colour", 0), 5);
  AnswerMenu(*spell, captions, "I&gnore");
  RightClick("colour");
  Paint();
  EXPECT_EQ(Red("colour", 0), 0);
  EXPECT_GT(Red("colour", 1), 5) << "after another word it stays marked";
  EXPECT_EQ(Red("colour", 2), 0) << "after the same word it is ignored too";
  EXPECT_EQ(Text(), "the colour was\r\nmy colour too\r\nthe colour again");

  // The words ignored once are compared without case: "Flavour" ignored
  // after "the" also hides "flavour" after "The".
  SetText("the Flavour was\r\nThe flavour again\r\nmy flavour too");
  EXPECT_GT(Red("flavour"), 5);
  AnswerMenu(*spell, captions, "I&gnore");
  RightClick("Flavour");
  Paint();
  EXPECT_EQ(Red("Flavour"), 0);
  EXPECT_EQ(Red("flavour"), 0) << "another case of the ignored word";
  EXPECT_GT(Red("flavour", 1), 5) << "after another word it stays marked";
  SetText("the colour was\r\nmy colour too\r\nthe colour again");

  // Dismissing the menu changes nothing.
  AnswerMenu(*spell, captions, "");
  RightClick("colour", 1);
  EXPECT_EQ(Text(), "the colour was\r\nmy colour too\r\nthe colour again");
  ::RemoveWindowSubclass(Shared().form->Handle(), watch, 77);

  // Without a spell component the menu is the control's own.
  edit->SetVexlorSpell(nullptr);
  RightClick("colour", 1);
  EXPECT_EQ(parentMenus, 1);  // the subclass is gone; nothing crashed either
}

// Lines are read for a whole window at once; a paragraph wrapped over
// several display lines still gets its marks under the right words, and so
// does a long document scrolled to its middle.
TEST_F(LiveRichEdit, WrappedAndScrolledLinesAreMarkedWhereTheyShow) {
  edit->SetVexlorSpell(spell.get());
  edit->SetBounds(8, 8, 160, 260);
  SetText("the cat sat on the mat the cat sat on the mat blarg the cat\r\nfnord sat");
  const LRESULT blargLine = ::SendMessageA(handle, EM_EXLINEFROMCHAR, 0, Find("blarg"));
  ASSERT_GT(blargLine, 0) << "the first paragraph wraps";
  EXPECT_GT(Red("blarg"), 5);
  EXPECT_GT(Red("fnord"), 5);
  EXPECT_EQ(Red("mat", 1), 0);

  edit->SetBounds(8, 8, 480, 260);
  std::string text;
  for (int i = 0; i < 400; ++i) text += (i % 4 == 2) ? "a dog blarg here\r\n" : "the cat sat on the mat\r\n";
  ::SendMessageA(handle, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  ::SendMessageA(handle, EM_SETSEL, 0, 0);
  ::SendMessageA(handle, EM_LINESCROLL, 0, 200);
  Paint();
  const LRESULT first = ::SendMessageA(handle, EM_GETFIRSTVISIBLELINE, 0, 0);
  ASSERT_GE(first, 190);
  int marked = 0, clean = 0;
  for (LRESULT line = first; line < first + 8; ++line) {
    const int32_t start = static_cast<int32_t>(::SendMessageA(handle, EM_LINEINDEX, line, 0));
    if (line % 4 == 2) {
      marked += RedPixelsUnder(start + 6, start + 11) > 5;
      clean += RedPixelsUnder(start, start + 5) == 0;
    } else {
      clean += RedPixelsUnder(start, start + 22) == 0;
    }
  }
  EXPECT_EQ(marked, 2);
  EXPECT_EQ(clean, 8);
}
