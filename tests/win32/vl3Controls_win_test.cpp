// The form layer's richer controls on real windows: list view check marks
// and in-place editing, pages with hidden tabs, lists, group boxes,
// anchors, and rich text loaded into the 2.0 rich edit.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "vl3Application_win.h"
#include "vl3Form_win.h"
#include "vl3Layout_win.h"
#include "vl3DesktopLock_win.h"
#include "vl3ListView_win.h"
#include "vl3PageControl_win.h"
#include "vl3RichEditBox_win.h"

namespace {

[[maybe_unused]] TDesktopLock& desktop = HoldDesktop();

void Pump() { Application().ProcessMessages(); }

const TFormLayout kListsLayout = {"Lists", 400, 300, TFormBorderStyle::bsSizeable,
                                  TPosition::poDesigned};

const TLayoutItem kListsControls[] = {
    {"Group", ckGroupBox, 8, 8, 200, 120, " Dictionaries: ", 0},
    {"Dictionaries", ckListView, 8, 20, 184, 90, nullptr, 0, "Group",
     lfCheckBoxes | lfRowSelect | lfNoHeader | lfEditCaptions | lfShowSelection},
    {"Words", ckListBox, 216, 8, 176, 120, nullptr, 1, nullptr, lfSorted | lfAnchorRight},
    {"Choice", ckComboBox, 8, 140, 200, 21, nullptr, 2},
    {"Text", ckRichEdit, 8, 170, 384, 122, nullptr, 3, nullptr,
     lfAnchorRight | lfAnchorBottom | lfShowSelection},
};

class TListsForm : public TForm {
 public:
  TListsForm() {
    ApplyLayout(*this, kListsLayout, kListsControls);
    Dictionaries = Find<TListView>("Dictionaries");
    Words = Find<TListBox>("Words");
    Choice = Find<TComboBox>("Choice");
    Text = Find<TRichEdit>("Text");
    Dictionaries->AddColumn("Name", 160);
  }
  TListView* Dictionaries;
  TListBox* Words;
  TComboBox* Choice;
  TRichEdit* Text;
};

}  // namespace

TEST(WinControls, ListViewReportsCheckMarksSelectionAndInPlaceEdits) {
  TListsForm form;
  form.Show();
  Pump();
  TListView& list = *form.Dictionaries;
  EXPECT_EQ(list.Parent(), dynamic_cast<TParentWindow*>(form.Find<TGroupBox>("Group")));
  EXPECT_EQ(::GetParent(list.Handle()), form.Find<TGroupBox>("Group")->Handle());

  std::vector<std::pair<int32_t, bool>> checks, selections;
  list.OnItemChecked = [&](TComponent*, int32_t i, bool on) { checks.emplace_back(i, on); };
  list.OnSelectItem = [&](TComponent*, int32_t i, bool on) { selections.emplace_back(i, on); };

  int data[3] = {10, 11, 12};
  list.AddItem("Main.vlu", reinterpret_cast<intptr_t>(&data[0]));
  list.AddItem("Medical.vlu", reinterpret_cast<intptr_t>(&data[1]));
  list.AddItem("C:\\Dicts\\Legal.vlu", reinterpret_cast<intptr_t>(&data[2]));
  EXPECT_EQ(list.Count(), 3);
  EXPECT_TRUE(checks.empty()) << "new rows are no user's check";
  EXPECT_EQ(list.Data(1), reinterpret_cast<intptr_t>(&data[1]));

  list.SetChecked(1, true);
  EXPECT_TRUE(list.Checked(1));
  ASSERT_EQ(checks.size(), 1u);
  EXPECT_EQ(checks[0], std::make_pair(1, true));

  // The user checks a row with the space bar, as with a click on its box.
  list.SetFocus();
  list.SetItemFocused(2);
  ::PostMessageA(list.Handle(), WM_KEYDOWN, VK_SPACE, 1);
  ::PostMessageA(list.Handle(), WM_KEYUP, VK_SPACE, 1 | (3u << 30));
  Pump();
  EXPECT_TRUE(list.Checked(2));
  ASSERT_GE(checks.size(), 2u);
  EXPECT_EQ(checks.back(), std::make_pair(2, true));

  list.SetItemIndex(0);
  EXPECT_EQ(list.ItemIndex(), 0);
  ASSERT_FALSE(selections.empty());
  EXPECT_EQ(selections.back(), std::make_pair(0, true));
  list.SetItemIndex(1);
  EXPECT_EQ(list.ItemIndex(), 1);
  EXPECT_FALSE(list.Selected(0));

  // In-place editing: only rows the handler allows; the handler's text wins.
  list.OnEditing = [&](TComponent*, int32_t i, bool& allow) { allow = i != 2; };
  std::vector<std::string> edited;
  list.OnEdited = [&](TComponent*, int32_t i, std::string& s) {
    edited.push_back(s);
    if (s == "Taken.vlu") s = list.ItemCaption(i);  // a refused rename keeps the old name
  };
  list.EditCaption(2);
  EXPECT_FALSE(list.IsEditing());

  const auto renameTo = [&](int32_t row, const char* text) {
    list.EditCaption(row);
    HWND editor = reinterpret_cast<HWND>(::SendMessageA(list.Handle(), LVM_GETEDITCONTROL, 0, 0));
    ASSERT_NE(editor, nullptr);
    ::SetWindowTextA(editor, text);
    ::PostMessageA(editor, WM_KEYDOWN, VK_RETURN, 1);
    Pump();
    EXPECT_FALSE(list.IsEditing());
  };
  renameTo(0, "Renamed.vlu");
  EXPECT_EQ(list.ItemCaption(0), "Renamed.vlu");
  renameTo(1, "Taken.vlu");
  EXPECT_EQ(list.ItemCaption(1), "Medical.vlu");
  EXPECT_EQ(edited, (std::vector<std::string>{"Renamed.vlu", "Taken.vlu"}));

  list.SetSubItem(0, 1, "ignored: no second column");
  list.DeleteItem(0);
  EXPECT_EQ(list.Count(), 2);
  EXPECT_EQ(list.Data(0), reinterpret_cast<intptr_t>(&data[1])) << "data follows its row";
}

TEST(WinControls, SortedListsComboBoxAndRichTextFile) {
  TListsForm form;
  form.Show();
  Pump();

  TListBox& words = *form.Words;
  int clicks = 0, doubleClicks = 0;
  words.OnClick = [&](TComponent*) { ++clicks; };
  words.OnDblClick = [&](TComponent*) { ++doubleClicks; };
  for (const char* w : {"pear", "Apple", "banana", "apple"}) words.Add(w);
  ASSERT_EQ(words.Count(), 4);
  EXPECT_EQ(words.Items(0), "Apple");
  EXPECT_EQ(words.Items(1), "apple");
  EXPECT_EQ(words.Items(2), "banana");
  EXPECT_EQ(words.Items(3), "pear");
  EXPECT_EQ(words.IndexOf("PEAR"), 3);
  EXPECT_EQ(words.IndexOf("plum"), -1);
  // A click and a double click on the second row, as the mouse sends them.
  const LRESULT height = ::SendMessageA(words.Handle(), LB_GETITEMHEIGHT, 0, 0);
  const LPARAM at = MAKELPARAM(5, static_cast<int>(height + height / 2));
  ::SendMessageA(words.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  ::SendMessageA(words.Handle(), WM_LBUTTONUP, 0, at);
  ::SendMessageA(words.Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
  ::SendMessageA(words.Handle(), WM_LBUTTONUP, 0, at);
  Pump();
  EXPECT_EQ(words.ItemIndex(), 1);
  EXPECT_GE(clicks, 1);
  EXPECT_EQ(doubleClicks, 1);

  TComboBox& choice = *form.Choice;
  int changes = 0;
  choice.OnChange = [&](TComponent*) { ++changes; };
  choice.Add("first.vlu");
  choice.Add("second.vlu");
  choice.SetItemIndex(1);
  EXPECT_EQ(choice.Text(), "second.vlu");
  EXPECT_EQ(changes, 0) << "only the user's choice is a change";
  choice.SetFocus();
  ::PostMessageA(choice.Handle(), WM_KEYDOWN, VK_UP, 1);
  Pump();
  EXPECT_EQ(choice.ItemIndex(), 0);
  EXPECT_EQ(changes, 1);

  // Rich text from a file: the formatting codes are read, not shown.
  char dir[MAX_PATH] = {};
  ::GetTempPathA(MAX_PATH, dir);
  const std::string path = std::string(dir) + "vx_controls_test.rtf";
  const std::string rtf = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs24 Helo {\\b wrld}\\par}";
  HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  ::WriteFile(file, rtf.data(), static_cast<DWORD>(rtf.size()), &written, nullptr);
  ::CloseHandle(file);
  char cls[32] = {};
  ::GetClassNameA(form.Text->Handle(), cls, sizeof cls);
  EXPECT_STREQ(cls, "RichEdit20A");
  EXPECT_TRUE(form.Text->LoadFromFile(path));
  EXPECT_EQ(form.Text->Text().substr(0, 10), "Helo wrld");
  EXPECT_FALSE(form.Text->LoadFromFile(path + ".missing"));
  EXPECT_EQ(form.Text->Text().substr(0, 10), "Helo wrld") << "unchanged by a failed load";
  ::DeleteFileA(path.c_str());

  // Anchored controls follow the form's new size.
  const int32_t listWidth = words.Width(), textHeight = form.Text->Height();
  form.SetClientSize(460, 340);
  EXPECT_EQ(words.Width(), listWidth + 60);
  EXPECT_EQ(form.Text->Height(), textHeight + 40);
  EXPECT_EQ(form.Text->ScreenRect().Width(), 384 + 60);
}

TEST(WinControls, PageControlShowsHiddenTabsPagesAndTheirEvents) {
  TForm form;
  form.SetClientSize(360, 240);
  TPageControl pages(&form);
  pages.SetBounds(4, 4, 352, 232);
  std::vector<std::string> events;
  std::vector<TTabSheet*> sheets;
  for (const char* caption : {"&General", "&Install", "&Done"}) {
    auto* sheet = new TTabSheet(&form, &pages);
    sheet->SetText(caption);
    sheet->OnShow = [&events, caption](TComponent*) {
      events.push_back(std::string("show ") + caption);
    };
    sheet->OnHide = [&events, caption](TComponent*) {
      events.push_back(std::string("hide ") + caption);
    };
    sheets.push_back(sheet);
  }
  TButton next(&form, sheets[0]);
  next.SetBounds(10, 10, 75, 23);
  next.SetText("Next");
  sheets[1]->SetTabVisible(false);
  form.Show();
  Pump();

  EXPECT_EQ(pages.ActivePage(), sheets[0]);
  EXPECT_EQ(::SendMessageA(pages.Handle(), TCM_GETITEMCOUNT, 0, 0), 2);
  EXPECT_TRUE(next.Showing());
  EXPECT_TRUE(sheets[0]->Showing());
  EXPECT_FALSE(sheets[2]->Showing());
  // The pages fill the tab control's display area.
  const TRect area = pages.PageRect();
  EXPECT_EQ(sheets[0]->Width(), area.Width());
  EXPECT_GT(area.Top, 0);

  // A page without a tab can still be the active one.
  pages.SetActivePage(sheets[1]);
  EXPECT_TRUE(sheets[1]->Showing());
  EXPECT_FALSE(sheets[0]->Showing());
  EXPECT_FALSE(next.Showing());
  EXPECT_EQ(::SendMessageA(pages.Handle(), TCM_GETCURSEL, 0, 0), -1);
  EXPECT_EQ(events, (std::vector<std::string>{"show &Install", "hide &General"}));

  // The user picks the last tab by its mnemonic; OnChange follows.
  int changes = 0;
  pages.OnChange = [&](TComponent*) { ++changes; };
  events.clear();
  ::PostMessageA(form.Handle(), WM_SYSCHAR, 'd', 1 << 29);
  Pump();
  EXPECT_EQ(pages.ActivePage(), sheets[2]);
  EXPECT_EQ(::SendMessageA(pages.Handle(), TCM_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(events, (std::vector<std::string>{"show &Done", "hide &Install"}));

  // A form embedded in a page: no border, the page as parent window, its
  // client height kept; Tab walks from the page's controls into it.
  auto* embedded = new TForm(sheets[2]);
  embedded->SetClientSize(200, 120);
  // Deleted with the form, like every control of a container.
  TEdit& first = *new TEdit(embedded);
  TEdit& second = *new TEdit(embedded);
  first.SetBounds(8, 8, 100, 21);
  second.SetBounds(8, 40, 100, 21);
  embedded->SetBorderStyle(TFormBorderStyle::bsNone);
  embedded->SetParentWindow(sheets[2]);
  embedded->SetBounds(0, 0, embedded->Width(), embedded->Height());
  embedded->Show();
  Pump();
  EXPECT_EQ(::GetParent(embedded->Handle()), sheets[2]->Handle());
  EXPECT_EQ(embedded->ClientHeight(), 120);
  EXPECT_EQ(embedded->BoundsRect().Top, sheets[2]->ScreenRect().Top);
  EXPECT_TRUE(first.Showing());
  first.SetFocus();
  ::PostMessageA(first.Handle(), WM_KEYDOWN, VK_TAB, 1);
  Pump();
  EXPECT_TRUE(second.Focused());
  HWND embeddedWnd = embedded->Handle();
  embedded->Release();
  Pump();
  EXPECT_FALSE(::IsWindow(embeddedWnd));
  EXPECT_EQ(sheets[2]->ComponentCount(), 0) << "the released form left its owner";

  // A tab shown again appears in page order.
  sheets[1]->SetTabVisible(true);
  EXPECT_EQ(::SendMessageA(pages.Handle(), TCM_GETITEMCOUNT, 0, 0), 3);
  EXPECT_EQ(::SendMessageA(pages.Handle(), TCM_GETCURSEL, 0, 0), 2);
  EXPECT_EQ(pages.ActivePageIndex(), 2);
}
