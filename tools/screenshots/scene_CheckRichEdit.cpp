// A check of a rich edit stopped at a misspelled word: the host form with the
// word selected, and a plain spelling form placed beside it by the component.
#include <windows.h>

#include "vl3ConfigurationDialogCtrl.h"
#include "vl3Form_win.h"
#include "vl3Layout_win.h"
#include "vl3RichEditBox_win.h"
#include "vl3SpellBase.h"
#include "vxScenes.h"

namespace {

const TFormLayout kSpellFormLayout = {"Spelling", 330, 150, TFormBorderStyle::bsDialog, TPosition::poDesigned};

// clang-format off
const TLayoutItem kSpellFormControls[] = {
  // name              kind       left top width height caption               tab parent   flags                    focus
  {"WordText",         ckLabel,      8,  10, 100, 13, "Not in dictionary:", -1, nullptr, lfNone,                  "WordEdit"},
  {"WordEdit",         ckEdit,     110,   6, 120, 21, "",                   -1, nullptr, lfReadOnly | lfNoTabStop},
  {"ChangeText",       ckLabel,      8,  38, 100, 13, "C&hange to:",        -1, nullptr, lfNone,                  "ChangeEdit"},
  {"ChangeEdit",       ckEdit,     110,  34, 120, 21, "",                    0},
  {"SuggestionsText",  ckLabel,      8,  66, 100, 13, "&Suggestions:",      -1, nullptr, lfNone,                  "SuggestionsList"},
  {"SuggestionsList",  ckListBox,  110,  62, 120, 80, nullptr,               1},
  {"IgnoreButton",     ckButton,   240,   6,  82, 23, "&Ignore",             2},
  {"ChangeButton",     ckButton,   240,  34,  82, 23, "&Change",             3, nullptr, lfDefault},
  {"CancelButton",     ckButton,   240, 119,  82, 23, "Cancel",              4, nullptr, lfCancel},
};
// clang-format on

const char kLetter[] =
    "Dear Anna,\r\n\r\n"
    "Thank you for the wonderfull afternoon in the garden. The roses were at their best, and the "
    "tea was just right.\r\n\r\n"
    "I will send the photographs as soon as they are ready.\r\n\r\n"
    "With best wishes,\r\nMartin";

// A spelling form that shows the word and its suggestions; the scene takes
// its picture at the first word and then cancels the check.
class TSceneSpellForm : public TForm {
 public:
  TSceneSpellForm(TComponent* owner, TSceneShot& shot, HWND__* host) : TForm(owner) {
    ApplyLayout(*this, kSpellFormLayout, kSpellFormControls);
    auto* bridge = new TConfigurationDialogCtrl(this);
    bridge->OnPromptWord = [this, &shot, host](TVexlorSpell3Base* engine, const std::string& word, bool) {
      Find<TEdit>("WordEdit")->SetText(word);
      TStringList suggestions;
      engine->GetSuggestions(word, suggestions);
      std::vector<std::string> items;
      for (int i = 0; i < suggestions.Count(); ++i) items.push_back(suggestions[i]);
      Find<TListBox>("SuggestionsList")->SetItems(items);
      Find<TListBox>("SuggestionsList")->SetItemIndex(0);
      Find<TEdit>("ChangeEdit")->SetText(items.empty() ? word : items[0]);
      shot.Capture({host, Handle()}, "check-rich-edit");
      engine->Cancel();
    };
    AfterConstruction();
  }
};

class TSceneSpeller : public TVexlorSpell3Base {
 public:
  TSceneSpeller(TComponent* owner, TSceneShot& shot, HWND__* host)
      : TVexlorSpell3Base(owner), shot_(shot), host_(host) {}
  TCustomForm* CreateSpellDialog() override { return new TSceneSpellForm(this, shot_, host_); }

 private:
  TSceneShot& shot_;
  HWND__* host_;
};

void ShowCheckRichEdit(TSceneShot& shot) {
  TForm host;
  host.SetCaption("Letter");
  host.SetBounds(40, 40, 520, 300);
  auto* rich = new TRichEdit(&host);
  rich->SetBounds(8, 8, 496, 252);
  rich->SetAnchors(TAnchors{TAnchorKind::akLeft, TAnchorKind::akTop, TAnchorKind::akRight, TAnchorKind::akBottom});
  TFont font = rich->Font();
  font.Height = -16;
  rich->SetFont(font);
  rich->SetText(kLetter);
  rich->SetHideSelection(false);
  host.Show();

  TSceneSpeller speller(&host, shot, host.Handle());
  speller.SetUIType(suiDialog);
  UseShippedDictionary(speller);
  speller.CheckWinControl(rich->Handle(), ctAll);
}

const bool registered = RegisterScene("check-rich-edit", &ShowCheckRichEdit);

}  // namespace
