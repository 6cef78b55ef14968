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

// clang-format off
const TLayoutItem kControls[] = {
  // name           kind        left top  width height caption                tab parent     flags                                      focus
  {"WordLabel",     ckLabel,       8,   8,  80, 13, "&Word:",                -1, nullptr,   lfNone,                                    "WordEdit"},
  {"WordEdit",      ckEdit,       96,   6, 150, 21, "recieve",                0},
  {"ReplaceLabel",  ckLabel,       8,  36,  80, 13, "&Replace with:",       -1, nullptr,   lfNone,                                    "ReplaceEdit"},
  {"ReplaceEdit",   ckEdit,       96,  34, 150, 21, "receive",                1},
  {"SuggestLabel",  ckLabel,       8,  64,  80, 13, "&Suggestions:",        -1, nullptr,   lfNone,                                    "SuggestList"},
  {"SuggestList",   ckListBox,    96,  62, 150, 80, nullptr,                  2},
  {"LanguageCombo", ckComboBox,   96, 150, 150, 21, nullptr,                  3},
  {"OptionsGroup",  ckGroupBox,    8, 180, 238, 72, " Options: ",             4},
  {"UpperCheck",    ckCheckBox,   12,  18, 200, 17, "Ignore &upper case",     0, "OptionsGroup"},
  {"NumbersCheck",  ckCheckBox,   12,  38, 200, 17, "Ignore &numbers",        1, "OptionsGroup"},
  {"Dictionaries",  ckListView,  256,   6, 156, 166, nullptr,                 5, nullptr,   lfCheckBoxes | lfRowSelect | lfShowSelection},
  {"OKButton",      ckButton,    256, 200,  75, 23, "OK",                     6, nullptr,   lfDefault | lfModalOk},
  {"CancelButton",  ckButton,    337, 200,  75, 23, "Cancel",                 7, nullptr,   lfCancel | lfModalCancel},
  {"NoteEdit",      ckEdit,      256, 230, 156, 21, "read-only note",        -1, nullptr,   lfReadOnly | lfNoTabStop},
};
// clang-format on

void ShowControlsForm(TSceneShot& shot) {
  TForm form;
  ApplyLayout(form, kControlsForm, kControls);
  auto* list = form.Find<TListBox>("SuggestList");
  for (const char* w : {"receive", "relieve", "recede", "reprieve"}) list->Add(w);
  list->SetItemIndex(0);
  auto* combo = form.Find<TComboBox>("LanguageCombo");
  combo->Add("English (United States)");
  combo->Add("English (United Kingdom)");
  combo->SetItemIndex(0);
  form.Find<TCheckBox>("UpperCheck")->SetChecked(true);
  auto* dictionaries = form.Find<TListView>("Dictionaries");
  dictionaries->AddColumn("Dictionary", 130);
  for (const char* d : {"American.vlm", "British.vlm", "Medical.vlu"}) dictionaries->AddItem(d);
  dictionaries->SetChecked(0, true);
  dictionaries->SetChecked(2, true);
  dictionaries->SetItemIndex(2);
  form.Show();
  form.Find<TEdit>("ReplaceEdit")->SetFocus();
  shot.Capture(form, "TForm-controls");
}

const TFormLayout kPagesForm = {"Form Layer Pages", 460, 300, TFormBorderStyle::bsSizeable,
                                TPosition::poScreenCenter};

// clang-format off
const TLayoutItem kPages[] = {
  // name        kind            left top  width height caption          tab parent    flags
  {"Pages",      ckPageControl,     4,   4, 452, 292, nullptr,            0, nullptr,  lfAnchorRight | lfAnchorBottom},
  {"TextSheet",  ckTabSheet,        0,   0,   0,   0, "Rich Text",       -1, "Pages"},
  {"HiddenSheet",ckTabSheet,        0,   0,   0,   0, "Hidden",          -1, "Pages",  lfTabHidden},
  {"MoreSheet",  ckTabSheet,        0,   0,   0,   0, "Other Features",  -1, "Pages"},
  {"Icon",       ckImage,           8,   8,  32,  32, nullptr,           -1, "TextSheet"},
  {"Title",      ckLabel,          48,  16, 200,  13, "TRichEdit",       -1, "TextSheet"},
  {"Divider",    ckBevel,           8,  46, 428,   2, nullptr,           -1, "TextSheet"},
  {"Text",       ckRichEdit,        8,  56, 340, 200, nullptr,            0, "TextSheet", lfShowSelection},
  {"CheckButton",ckButton,        356,  56,  80,  23, "&Spell Check",     1, "TextSheet"},
};
// clang-format on

void ShowPagesForm(TSceneShot& shot) {
  TForm form;
  ApplyLayout(form, kPagesForm, kPages);
  form.Find<TImage>("Icon")->LoadSystemIcon(32516);  // IDI_INFORMATION
  form.Find<TBevel>("Divider")->SetShape(TBevelShape::bsTopLine);
  auto* text = form.Find<TRichEdit>("Text");
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
