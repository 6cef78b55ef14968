// The string grid typed into like any grid, and checked column by column
// through its in-place editor by the spelling helper.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "vl3Application_win.h"
#include "vl3DictionaryCompiler.h"
#include "vl3Form_win.h"
#include "vl3Grid.h"
#include "vl3Platform.h"
#include "vl3SpellBase.h"
#include "vl3StringGrid_win.h"
#include "vl3StringList.h"
#include "vl3DesktopLock_win.h"

namespace {

[[maybe_unused]] TDesktopLock& desktop = HoldDesktop();

void Pump() {
  for (int i = 0; i < 3; ++i) Application().ProcessMessages();
}

// One key as a keyboard delivers it to the focused window.
void TypeKey(UINT vk, char ch) {
  HWND focus = ::GetFocus();
  ::SendMessageA(focus, WM_KEYDOWN, vk, 1);
  if (ch) ::SendMessageA(::GetFocus(), WM_CHAR, static_cast<unsigned char>(ch), 1);
  ::SendMessageA(::GetFocus(), WM_KEYUP, vk, 1 | (3u << 30));
  Pump();
}

void TypeText(const std::string& text) {
  for (char c : text) TypeKey(static_cast<UINT>(::VkKeyScanA(c) & 0xFF), c);
}

void Click(TStringGrid& grid, int32_t col, int32_t row) {
  const TRect r = grid.CellRect(col, row);
  const LPARAM at = MAKELPARAM(r.Left + 5, r.Top + 5);
  ::SendMessageA(grid.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  ::SendMessageA(grid.Handle(), WM_LBUTTONUP, 0, at);
  Pump();
}

}  // namespace

TEST(StringGrid, TypedIntoAndCheckedCellByCellUntilACancel) {
  const std::string folder = Platform::TempDirectory() + "\\vxgrid_" + std::to_string(::GetCurrentProcessId());
  Platform::CreateDirectory(folder);
  TDictionaryCompiler compiler;
  for (const char* w : {"the", "cat", "a", "dog", "sat", "mat", "hello", "world"}) compiler.AddWord(w);
  std::string error;
  ASSERT_TRUE(compiler.CompileToFile(TDictionaryCompileOptions(), folder + "\\Test.vlm", error)) << error;

  TForm form;
  form.SetBounds(60, 60, 420, 260);
  auto grid = std::make_unique<TStringGrid>(&form, &form);
  grid->SetBounds(8, 8, 380, 200);
  grid->SetColCount(3);
  grid->SetRowCount(12);
  grid->SetOptions(grid->Options().Include(TGridOption::goEditing));
  form.Show();
  Pump();

  // Typing: a click picks the cell, the first character opens the editor
  // (a real edit window), Enter ends the edit, arrows move.
  Click(*grid, 2, 1);
  EXPECT_EQ(grid->Col(), 2);
  EXPECT_EQ(grid->Row(), 1);
  TypeText("hello");
  ASSERT_NE(grid->InplaceEditor(), nullptr);
  char cls[32] = {};
  ::GetClassNameA(grid->InplaceEditor(), cls, sizeof cls);
  EXPECT_STREQ(cls, "Edit");
  EXPECT_EQ(::GetFocus(), grid->InplaceEditor());
  TypeKey(VK_RETURN, '\r');
  EXPECT_FALSE(grid->EditorMode());
  EXPECT_EQ(grid->Cells(2, 1), "hello");
  TypeKey(VK_DOWN, 0);
  EXPECT_EQ(grid->Row(), 2);
  TypeText("wrld");
  TypeKey(VK_ESCAPE, 27);
  EXPECT_EQ(grid->Cells(2, 2), "") << "Escape restores the cell";
  TypeKey(VK_F2, 0);
  TypeText("world");
  TypeKey(VK_UP, 0);
  EXPECT_EQ(grid->Cells(2, 2), "world");
  EXPECT_EQ(grid->Row(), 1);
  EXPECT_FALSE(grid->EditorMode()) << "moving ends the edit";
  TypeKey(VK_LEFT, 0);
  EXPECT_EQ(grid->Col(), 1);
  TypeKey(VK_RIGHT, 0);
  // Rows past the visible ones scroll into view.
  grid->FocusCell(1, 11);
  EXPECT_GT(grid->TopRow(), 1);
  grid->FocusCell(2, 2);
  EXPECT_EQ(grid->TopRow(), 2) << "scrolled just far enough";

  const char* column[] = {"Name", "teh cat", "a dog", "zorb sat", "qwv mat"};
  for (int32_t r = 0; r < 5; ++r) grid->SetCells(1, r, column[r]);

  TVexlorSpell3Base spell;
  spell.SetConfigStorage(csNone);
  spell.SetSuggestionsLearning(false);
  TStringList folders, mains;
  folders.Add(folder);
  mains.Add("Test.vlm");
  spell.SetConfigDictionaryDir(folders);
  spell.SetConfigDefaultMain(mains);
  spell.SetConfigDefaultActiveCustom("");
  spell.SetEndMessage(emNever);
  std::vector<std::string> prompts;
  std::map<std::string, std::string> changes = {{"teh", "the"}};
  spell.OnPromptWord = [&](TVexlorSpell3Base* sender, const std::string& word, bool) {
    prompts.push_back(word);
    if (word == "zorb")
      sender->Cancel();
    else if (changes.count(word))
      sender->Change(changes[word]);
    else
      sender->IgnoreAll();
  };

  TVexlorStringGridHelper helper;
  EXPECT_FALSE(helper.ShowCell(1, 1)) << "outside a run nothing happens";
  helper.BeginCheck(grid.get());
  EXPECT_TRUE(grid->Options().Contains(TGridOption::goAlwaysShowEditor));
  spell.StartSequenceCheck();
  helper.CheckColumn(&spell, 1);
  spell.StopSequenceCheck();
  helper.EndCheck();
  EXPECT_EQ(prompts, (std::vector<std::string>{"teh", "zorb"})) << "the cell after the cancel is not checked";
  EXPECT_EQ(grid->Cells(1, 1), "the cat") << "the correction went through the editor into the cell";
  EXPECT_EQ(grid->Cells(1, 3), "zorb sat");
  EXPECT_EQ(grid->Cells(1, 0), "Name");
  EXPECT_FALSE(grid->Options().Contains(TGridOption::goAlwaysShowEditor));
  EXPECT_EQ(grid->Col(), 2);
  EXPECT_EQ(grid->Row(), 2);

  // A grid that had the option keeps it; the whole column is checked.
  grid->SetOptions(grid->Options().Include(TGridOption::goAlwaysShowEditor));
  grid->SetCells(1, 3, "zorb sat");
  changes["zorb"] = "dog";
  prompts.clear();
  spell.OnPromptWord = [&](TVexlorSpell3Base* sender, const std::string& word, bool) {
    prompts.push_back(word);
    if (changes.count(word)) sender->Change(changes[word]);
    else sender->IgnoreAll();
  };
  helper.BeginCheck(grid.get());
  helper.CheckColumn(&spell, 1);
  helper.EndCheck();
  EXPECT_EQ(prompts, (std::vector<std::string>{"zorb", "qwv"}));
  EXPECT_EQ(grid->Cells(1, 3), "dog sat");
  EXPECT_TRUE(grid->Options().Contains(TGridOption::goAlwaysShowEditor));

  grid.reset();
  Platform::DeleteFile(folder + "\\Test.vlm");
  Platform::RemoveDirectory(folder);
}

// While the spelling dialog has the focus, the cell's editor still shows
// the word under check selected; after the run it hides its selection again.
TEST(StringGrid, WordUnderCheckStaysSelectedWhileTheDialogHasTheFocus) {
  const std::string folder = Platform::TempDirectory() + "\\vxgridsel_" + std::to_string(::GetCurrentProcessId());
  Platform::CreateDirectory(folder);
  TDictionaryCompiler compiler;
  for (const char* w : {"a", "glass", "table"}) compiler.AddWord(w);
  std::string error;
  ASSERT_TRUE(compiler.CompileToFile(TDictionaryCompileOptions(), folder + "\\Test.vlm", error)) << error;

  TForm form;
  form.SetBounds(60, 60, 420, 260);
  auto grid = std::make_unique<TStringGrid>(&form, &form);
  grid->SetBounds(8, 8, 380, 200);
  grid->SetColCount(2);
  grid->SetRowCount(3);
  grid->SetColWidths(1, 200);
  grid->SetOptions(grid->Options().Include(TGridOption::goEditing));
  grid->SetCells(1, 1, "a brokne glass");
  form.Show();
  // Stands in for the spelling dialog: another window that takes the focus.
  TForm dialog;
  dialog.SetBounds(60, 340, 200, 100);
  auto* button = new TButton(&dialog, &dialog);
  button->SetBounds(8, 8, 100, 28);
  dialog.Show();
  Pump();

  TVexlorSpell3Base spell;
  spell.SetConfigStorage(csNone);
  spell.SetSuggestionsLearning(false);
  TStringList folders, mains;
  folders.Add(folder);
  mains.Add("Test.vlm");
  spell.SetConfigDictionaryDir(folders);
  spell.SetConfigDefaultMain(mains);
  spell.SetConfigDefaultActiveCustom("");
  spell.SetEndMessage(emNever);
  bool prompted = false, focusElsewhere = false;
  DWORD selStart = 0, selEnd = 0;
  int highlighted = 0;
  spell.OnPromptWord = [&](TVexlorSpell3Base* sender, const std::string& word, bool) {
    prompted = true;
    HWND editor = grid->InplaceEditor();
    ::SetForegroundWindow(dialog.Handle());
    ::SetFocus(button->Handle());
    Pump();
    focusElsewhere = ::GetFocus() == button->Handle();
    ::RedrawWindow(editor, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    ::SendMessageA(editor, EM_GETSEL, reinterpret_cast<WPARAM>(&selStart), reinterpret_cast<LPARAM>(&selEnd));
    // The selection's pixels, read from the screen as the user sees them.
    const LRESULT from = ::SendMessageA(editor, EM_POSFROMCHAR, selStart, 0);
    const LRESULT to = ::SendMessageA(editor, EM_POSFROMCHAR, selEnd, 0);
    RECT client = {};
    ::GetClientRect(editor, &client);
    const COLORREF highlight = ::GetSysColor(COLOR_HIGHLIGHT);
    HDC dc = ::GetDC(editor);
    for (int x = LOWORD(from); x < LOWORD(to); ++x)
      for (int y = 0; y < client.bottom; ++y)
        if (::GetPixel(dc, x, y) == highlight) ++highlighted;
    ::ReleaseDC(editor, dc);
    EXPECT_EQ(word, "brokne");
    sender->Cancel();
  };

  TVexlorStringGridHelper helper;
  helper.BeginCheck(grid.get());
  helper.CheckCell(&spell, 1, 1);
  ASSERT_TRUE(prompted);
  EXPECT_TRUE(focusElsewhere) << "the other window has the focus";
  EXPECT_EQ(selStart, 2u);
  EXPECT_EQ(selEnd, 8u);
  EXPECT_GT(highlighted, 20) << "the word is shown selected";
  EXPECT_FALSE(grid->EditorHideSelection());
  helper.EndCheck();
  EXPECT_TRUE(grid->EditorHideSelection());
  ASSERT_NE(grid->InplaceEditor(), nullptr);
  EXPECT_EQ(::GetWindowLongA(grid->InplaceEditor(), GWL_STYLE) & ES_NOHIDESEL, 0);
  EXPECT_EQ(grid->Cells(1, 1), "a brokne glass");

  grid.reset();
  Platform::DeleteFile(folder + "\\Test.vlm");
  Platform::RemoveDirectory(folder);
}
