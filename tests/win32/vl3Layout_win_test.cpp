// Layout rows bound to a form's members: each control lands in its typed
// member under the member's name, handlers reach the form, references to
// other rows follow the members, and edge-only anchoring comes from flags.
#include <gtest/gtest.h>

#include <string>

#include "vl3Application_win.h"
#include "vl3DesktopLock_win.h"
#include "vl3Form_win.h"
#include "vl3Layout_win.h"
#include "vl3PageControl_win.h"
#include "vl3StringGrid_win.h"

namespace {

[[maybe_unused]] TDesktopLock& desktop = HoldDesktop();

const TFormLayout kBoundLayout = {"Bound", 300, 200, TFormBorderStyle::bsSizeable,
                                  TPosition::poDesigned};

class TBoundForm : public TForm {
 public:
  TBoundForm() {
    using F = TBoundForm;
    // clang-format off
    const TLayoutItem controls[] = {
      {VL_CONTROL(Pages),         0,   0, 300, 160, nullptr,  0, nullptr,   lfAnchorRight | lfAnchorBottom},
      {VL_CONTROL(FirstSheet),    0,   0,   0,   0, "First", -1, &Pages},
      {VL_CONTROL(SecondSheet),   0,   0,   0,   0, "Second",-1, &Pages,    lfNone,             &F::SecondSheetShow},
      {VL_CONTROL(WordLabel),     8,   8,  60,  13, "&Word:", -1, &FirstSheet, lfNone,          &WordEdit_},
      {VL_CONTROL(WordEdit_),    72,   6, 120,  21, "",       0, &FirstSheet, lfNone,           &F::WordEditChange},
      {VL_CONTROL(Whole),         8,  40, 120,  17, "Whole",  1, &FirstSheet, lfNone,           &F::WholeClick},
      {VL_CONTROL(Grid),          8,   8, 200, 100, nullptr,  0, &SecondSheet},
      {VL_CONTROL(OKButton),    216, 168,  75,  23, "OK",     1, nullptr,   lfAnchorRightOnly | lfAnchorBottomOnly, &F::OKButtonClick},
      {VL_CONTROL(HelpButton),    8, 168,  75,  23, "Help",   2, nullptr,   lfAnchorBottomOnly},
    };
    // clang-format on
    ApplyLayout(*this, kBoundLayout, controls);
  }

  void SecondSheetShow() { ++shown; }
  void WordEditChange() { ++changes; }
  void WholeClick(TComponent* sender) { clickedBy = sender; }
  void OKButtonClick() { ++presses; }

  TPageControl* Pages = nullptr;
  TTabSheet* FirstSheet = nullptr;
  TTabSheet* SecondSheet = nullptr;
  TLabel* WordLabel = nullptr;
  TEdit* WordEdit_ = nullptr;
  TCheckBox* Whole = nullptr;
  TStringGrid* Grid = nullptr;
  TButton* OKButton = nullptr;
  TButton* HelpButton = nullptr;

  int shown = 0, changes = 0, presses = 0;
  TComponent* clickedBy = nullptr;
};

}  // namespace

TEST(WinLayout, BoundRowsFillTypedMembersNameThemOnceAndWireTheirHandlers) {
  TBoundForm form;
  form.Show();
  Application().ProcessMessages();

  // Every member is filled, and a test still finds each control by name; a
  // member behind an accessor keeps its name without the underscore.
  EXPECT_EQ(form.Find<TPageControl>("Pages"), form.Pages);
  EXPECT_EQ(form.Find<TEdit>("WordEdit"), form.WordEdit_);
  EXPECT_EQ(form.FindControl("WordEdit_"), nullptr);
  EXPECT_EQ(form.Find<TStringGrid>("Grid"), form.Grid) << "a class the layout does not know";
  EXPECT_EQ(form.Find<TButton>("HelpButton"), form.HelpButton);

  // Parents and focus controls follow the members of earlier and later rows.
  EXPECT_EQ(form.Pages->PageCount(), 2);
  EXPECT_EQ(form.WordEdit_->Parent(), static_cast<TParentWindow*>(form.FirstSheet));
  EXPECT_EQ(form.Grid->Parent(), static_cast<TParentWindow*>(form.SecondSheet));
  EXPECT_EQ(form.WordLabel->FocusControl(), form.WordEdit_);

  // Each handler goes to the main event of its control's kind.
  form.WordEdit_->SetText("word");
  EXPECT_EQ(form.changes, 1);
  form.Whole->SetChecked(true);
  EXPECT_EQ(form.clickedBy, form.Whole);
  form.OKButton->Click();
  EXPECT_EQ(form.presses, 1);
  form.Pages->SetActivePage(form.SecondSheet);
  EXPECT_EQ(form.shown, 1);

  // Edge-only anchoring: the buttons keep their size and follow the edges
  // their flags name.
  using A = TAnchorKind;
  EXPECT_EQ(form.OKButton->Anchors(), (TAnchors{A::akRight, A::akBottom}));
  EXPECT_EQ(form.HelpButton->Anchors(), (TAnchors{A::akLeft, A::akBottom}));
  const int32_t okLeft = form.OKButton->Left(), okTop = form.OKButton->Top();
  const int32_t helpTop = form.HelpButton->Top();
  form.SetClientSize(form.ClientWidth() + 40, form.ClientHeight() + 30);
  Application().ProcessMessages();
  EXPECT_EQ(form.OKButton->Left(), okLeft + 40);
  EXPECT_EQ(form.OKButton->Top(), okTop + 30);
  EXPECT_EQ(form.OKButton->Width(), 75);
  EXPECT_EQ(form.HelpButton->Left(), 8);
  EXPECT_EQ(form.HelpButton->Top(), helpTop + 30);
  form.Hide();
}
