// Scenes of the form layer itself: a dialog-style form with the common
// controls, and a sizeable form with pages, rich text, icon and bevel.
#include <windows.h>

#include "vl3Form_win.h"
#include "vl3Layout_win.h"
#include "vl3ListView_win.h"
#include "vl3PageControl_win.h"
#include "vl3RichEditBox_win.h"
#include "vxScenes.h"

namespace {

const TFormLayout kControlsForm = {"Form Layer Controls", 420, 260, TFormBorderStyle::bsDialog,
                                   TPosition::poScreenCenter};

// A dialog-style form with the common controls.
class TControlsForm : public TForm {
 public:
  TControlsForm() {
    // clang-format off
    const TLayoutItem controls[] = {
      // member                  left top  width height caption                tab parent          flags                                      focus
      {VL_CONTROL(WordLabel),       8,   8,  80, 13, "&Word:",                -1, nullptr,        lfNone,                                    &WordEdit},
      {VL_CONTROL(WordEdit),       96,   6, 150, 21, "recieve",                0},
      {VL_CONTROL(ReplaceLabel),    8,  36,  80, 13, "&Replace with:",       -1, nullptr,        lfNone,                                    &ReplaceEdit},
      {VL_CONTROL(ReplaceEdit),    96,  34, 150, 21, "receive",                1},
      {VL_CONTROL(SuggestLabel),    8,  64,  80, 13, "&Suggestions:",        -1, nullptr,        lfNone,                                    &SuggestList},
      {VL_CONTROL(SuggestList),    96,  62, 150, 80, nullptr,                  2},
      {VL_CONTROL(LanguageCombo),  96, 150, 150, 21, nullptr,                  3},
      {VL_CONTROL(OptionsGroup),    8, 180, 238, 72, " Options: ",             4},
      {VL_CONTROL(UpperCheck),     12,  18, 200, 17, "Ignore &upper case",     0, &OptionsGroup},
      {VL_CONTROL(NumbersCheck),   12,  38, 200, 17, "Ignore &numbers",        1, &OptionsGroup},
      {VL_CONTROL(Dictionaries),  256,   6, 156, 166, nullptr,                 5, nullptr,        lfCheckBoxes | lfRowSelect | lfShowSelection},
      {VL_CONTROL(OKButton),      256, 200,  75, 23, "OK",                     6, nullptr,        lfDefault | lfModalOk},
      {VL_CONTROL(CancelButton),  337, 200,  75, 23, "Cancel",                 7, nullptr,        lfCancel | lfModalCancel},
      {VL_CONTROL(NoteEdit),      256, 230, 156, 21, "read-only note",        -1, nullptr,        lfReadOnly | lfNoTabStop},
    };
    // clang-format on
    ApplyLayout(*this, kControlsForm, controls);
  }

  TLabel* WordLabel = nullptr;
  TEdit* WordEdit = nullptr;
  TLabel* ReplaceLabel = nullptr;
  TEdit* ReplaceEdit = nullptr;
  TLabel* SuggestLabel = nullptr;
  TListBox* SuggestList = nullptr;
  TComboBox* LanguageCombo = nullptr;
  TGroupBox* OptionsGroup = nullptr;
  TCheckBox* UpperCheck = nullptr;
  TCheckBox* NumbersCheck = nullptr;
  TListView* Dictionaries = nullptr;
  TButton* OKButton = nullptr;
  TButton* CancelButton = nullptr;
  TEdit* NoteEdit = nullptr;
};

void ShowControlsForm(TSceneShot& shot) {
  TControlsForm form;
  for (const char* w : {"receive", "relieve", "recede", "reprieve"}) form.SuggestList->Add(w);
  form.SuggestList->SetItemIndex(0);
  form.LanguageCombo->Add("English (United States)");
  form.LanguageCombo->Add("English (United Kingdom)");
  form.LanguageCombo->SetItemIndex(0);
  form.UpperCheck->SetChecked(true);
  TListView* dictionaries = form.Dictionaries;
  dictionaries->AddColumn("Dictionary", 130);
  for (const char* d : {"American.vlm", "British.vlm", "Medical.vlu"}) dictionaries->AddItem(d);
  dictionaries->SetChecked(0, true);
  dictionaries->SetChecked(2, true);
  dictionaries->SetItemIndex(2);
  form.Show();
  form.ReplaceEdit->SetFocus();
  shot.Capture(form, "TForm-controls");
}

const TFormLayout kPagesForm = {"Form Layer Pages", 460, 300, TFormBorderStyle::bsSizeable,
                                TPosition::poScreenCenter};

// A sizeable form with pages, rich text, icon and bevel.
class TPagesForm : public TForm {
 public:
  TPagesForm() {
    // clang-format off
    const TLayoutItem controls[] = {
      // member                left top  width height caption          tab parent      flags
      {VL_CONTROL(Pages),         4,   4, 452, 292, nullptr,            0, nullptr,    lfAnchorRight | lfAnchorBottom},
      {VL_CONTROL(TextSheet),     0,   0,   0,   0, "Rich Text",       -1, &Pages},
      {VL_CONTROL(HiddenSheet),   0,   0,   0,   0, "Hidden",          -1, &Pages,     lfTabHidden},
      {VL_CONTROL(MoreSheet),     0,   0,   0,   0, "Other Features",  -1, &Pages},
      {VL_CONTROL(Icon),          8,   8,  32,  32, nullptr,           -1, &TextSheet},
      {VL_CONTROL(Title),        48,  16, 200,  13, "TRichEdit",       -1, &TextSheet},
      {VL_CONTROL(Divider),       8,  46, 428,   2, nullptr,           -1, &TextSheet},
      {VL_CONTROL(Text),          8,  56, 340, 200, nullptr,            0, &TextSheet, lfShowSelection},
      {VL_CONTROL(CheckButton), 356,  56,  80,  23, "&Spell Check",     1, &TextSheet},
    };
    // clang-format on
    ApplyLayout(*this, kPagesForm, controls);
  }

  TPageControl* Pages = nullptr;
  TTabSheet* TextSheet = nullptr;
  TTabSheet* HiddenSheet = nullptr;
  TTabSheet* MoreSheet = nullptr;
  TImage* Icon = nullptr;
  TLabel* Title = nullptr;
  TBevel* Divider = nullptr;
  TRichEdit* Text = nullptr;
  TButton* CheckButton = nullptr;
};

void ShowPagesForm(TSceneShot& shot) {
  TPagesForm form;
  form.Icon->LoadSystemIcon(32516);  // IDI_INFORMATION
  form.Divider->SetShape(TBevelShape::bsTopLine);
  TRichEdit* text = form.Text;
  text->LoadFromText(
      "{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}}\\f0\\fs20 "
      "This rich edit holds {\\b formatted} text with a mispelled word and "
      "{\\i italic} words.\\par Each paragraph keeps its own format.\\par}");
  text->SetSel(43, 9);  // the misspelt word
  form.Show();
  shot.Capture(form, "TForm-pages");
}

const bool registeredControls = RegisterScene("TForm-controls", &ShowControlsForm);
const bool registeredPages = RegisterScene("TForm-pages", &ShowPagesForm);

}  // namespace
