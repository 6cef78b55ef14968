// Scenes of the sample application: its own spelling form in the middle of
// a check, its icons as Windows draws them, and its rich-text files.
#include <windows.h>

#include <string>

#include "SpellForm.h"
#include "vl3Form_win.h"
#include "vl3Layout_win.h"
#include "vl3Platform.h"
#include "vl3RichEditBox_win.h"
#include "vl3Spell.h"
#include "vxScenes.h"

namespace {

const char* const kText =
    "This memo is checked with a spelling form that the application designed\r\n"
    "itself. It takes the place of the standard dialog, so a wierd word like\r\n"
    "this one is shown in the tall form beside the text.";

// The sample's custom check: the component creates a TSpellingForm owned by
// the host form and releases it when the check ends.
void ShowSpellingForm(TSceneShot& shot) {
  TForm host;
  host.SetCaption("Custom UI");
  host.SetBounds(40, 60, 520, 150);
  auto* memo = new TMemo(&host);
  memo->SetBounds(0, 0, host.ClientWidth(), host.ClientHeight());
  host.Show();

  auto* speller = new TVexlorSpell3(&host);
  UseShippedDictionary(*speller);
  // A custom dictionary of the user's, so that Add and Auto-Correct are on
  // as in the sample; nothing is added to it.
  const std::string custom = Platform::TempDirectory() + "\\vxscene-spellingform.vlu";
  speller->SetConfigDefaultActiveCustom(custom);
  speller->SetSynchronousCheck(false);
  speller->SetDialogInitialPos(ipAvoidControl);
  speller->OnCreateSpellDialog = [&host](TVexlorSpell3Base*, TCustomForm*& form, bool create) {
    if (create)
      form = new TSpellingForm(&host);
    else if (form != nullptr)
      form->Release();
  };
  memo->SetText(kText);
  speller->CheckWinControl(memo->Handle(), ctAll);
  if (auto* form = dynamic_cast<TSpellingForm*>(speller->SpellDialog()))
    shot.Capture({host.Handle(), form->Handle()}, "TSpellingForm");
  speller->Cancel();
  Platform::DeleteFile(custom);
}

// The icons made from the pixel art in sample/icons, each at both sizes.
void ShowIcons(TSceneShot& shot) {
  const char* const names[] = {"vxdemo", "SpellCheck", "Thesaurus", "LiveSpelling", "OtherFeatures"};
  TForm form;
  form.SetCaption("vxdemo icons");
  form.SetBounds(60, 60, 380, 120);
  int left = 12;
  for (const char* name : names) {
    const std::string file = std::string(VXDEMO_ICON_DIR) + "\\" + name + ".ico";
    int top = 12;
    for (int size : {32, 16}) {
      auto* image = new TImage(&form);
      image->SetBounds(left + (32 - size) / 2, top, size, size);
      image->SetIcon(static_cast<HICON>(::LoadImageA(nullptr, file.c_str(), IMAGE_ICON, size, size, LR_LOADFROMFILE)));
      top += 44;
    }
    left += 56;
  }
  form.Show();
  shot.Capture(form, "vxdemo-icons");
}

// The three rich-text files shipped beside the program, as its pages show them.
void ShowTexts(TSceneShot& shot) {
  TForm form;
  form.SetCaption("vxdemo texts");
  form.SetBounds(20, 20, 900, 420);
  int left = 0;
  for (const char* name : {"SpellText.rtf", "ThesaurusText.rtf", "LiveSpellingText.rtf"}) {
    auto* rich = new TRichEdit(&form);
    rich->SetBounds(left, 0, form.ClientWidth() / 3 - 4, form.ClientHeight());
    rich->LoadFromFile(std::string(VXDEMO_DATA_DIR) + "\\" + name);
    left += form.ClientWidth() / 3;
  }
  form.Show();
  shot.Capture(form, "vxdemo-texts");
}

const bool registeredForm = RegisterScene("TSpellingForm", &ShowSpellingForm);
const bool registeredIcons = RegisterScene("vxdemo-icons", &ShowIcons);
const bool registeredTexts = RegisterScene("vxdemo-texts", &ShowTexts);

}  // namespace
