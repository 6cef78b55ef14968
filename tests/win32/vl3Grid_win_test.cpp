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
