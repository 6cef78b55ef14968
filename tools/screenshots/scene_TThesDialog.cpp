// The standard thesaurus dialog over a rich edit: "happy" looked up in the
// sample thesaurus from the word at the caret, a meaning chosen.
#include <windows.h>

#include <functional>

#include "vl3Form_win.h"
#include "vl3RichEditBox_win.h"
#include "vl3Thesaurus.h"
#include "vl3ThesaurusDialog.h"
#include "vxScenes.h"

namespace {

const char kNote[] =
    "Dear Anna,\r\n\r\n"
    "We are so happy that you could come to the garden last Sunday. The roses were at their "
    "best, and the tea was just right.\r\n\r\n"
    "With best wishes,\r\nMartin";

// Runs once the modal dialog is up, from a timer inside its message loop.
std::function<void()> gWhenUp;
void CALLBACK RunWhenUp(HWND, UINT, UINT_PTR id, DWORD) {
  ::KillTimer(nullptr, id);
  auto steps = std::move(gWhenUp);
  gWhenUp = nullptr;
  if (steps) steps();
}

void ShowThesDialog(TSceneShot& shot) {
  TForm host;
  host.SetCaption("Letter");
  host.SetBounds(40, 40, 520, 300);
  auto* rich = new TRichEdit(&host);
  rich->SetBounds(8, 8, 496, 252);
  TFont font = rich->Font();
  font.Height = -16;
  rich->SetFont(font);
  rich->SetText(kNote);
  rich->SetHideSelection(false);
  const std::string text = rich->Text();
  rich->SetSel(static_cast<int32_t>(text.find("happy")) + 2, 0);
  host.Show();

  TThesaurus3 thesaurus(&host);
  thesaurus.SetFilename(std::string(VX_DATA_DIR) + "\\Brevant.vlt");
  gWhenUp = [&] {
    auto* dialog = dynamic_cast<TThesDialog*>(thesaurus.DialogForm());
    if (dialog == nullptr) return;
    // The meaning "glad, happy, willing": the looked-up word stands chosen.
    const int32_t meaning = dialog->ContextLV->Count() > 2 ? 2 : 0;
    dialog->ContextLV->SetFocus();
    dialog->ContextLV->SetItemIndex(meaning);
    dialog->ContextLV->SetItemFocused(meaning);
    shot.Capture({host.Handle(), dialog->Handle()}, "TThesDialog");
    dialog->DialogControl->Close();
  };
  ::SetTimer(nullptr, 0, 50, RunWhenUp);
  thesaurus.LookupWinControl(rich->Handle());
  gWhenUp = nullptr;
}

const bool registered = RegisterScene("TThesDialog", &ShowThesDialog);

}  // namespace
