// Live spelling in a rich edit (marks, and the suggestion menu open on a
// misspelled word) and a string grid check stopped in a cell.
#include <windows.h>

#include <memory>

#include "vl3Form_win.h"
#include "vl3Grid.h"
#include "vl3RichEdit.h"
#include "vl3SpellBase.h"
#include "vl3StringGrid_win.h"
#include "vxScenes.h"

namespace {

const char kNote[] =
    "Dear Anna,\r\n\r\n"
    "Thank you for the wonderfull afternoon in the garden.\r\n"
    "The roses were at their best, and the tea was just rigth.\r\n"
    "I will send the photograps as soon as they are ready.\r\n"
    "> quoted lines like this one are never checcked\r\n\r\n"
    "With best wishes,\r\nMartin";

void SetUpSpeller(TVexlorSpell3Base& speller) {
  UseShippedDictionary(speller);
  speller.SetConfigDefaultOptions({soLiveSpelling, soLiveCorrect, soQuoted});
}

// The host form with a live-spelling rich edit holding the note.
struct TNoteForm {
  TNoteForm() {
    host.SetCaption("Note");
    host.SetBounds(40, 40, 460, 250);
    SetUpSpeller(speller);
    edit = new TVexlorRichEdit(&host, &host);
    edit->SetBounds(8, 8, 436, 202);
    edit->SetVexlorSpell(&speller);
    edit->SetText(kNote);
    host.Show();
  }
  TForm host;
  TVexlorSpell3Base speller;
  TVexlorRichEdit* edit;
};

void ShowLiveSpelling(TSceneShot& shot) {
  TNoteForm note;
  shot.Capture(note.host, "TVexlorRichEdit");
}

TSceneShot* menuShot = nullptr;
HWND menuHost = nullptr;

// Runs inside the menu's own loop: pictures the open menu, then closes it.
void CALLBACK CaptureMenu(HWND, UINT, UINT_PTR id, DWORD) {
  HWND menu = ::FindWindowA("#32768", nullptr);
  if (!menu || !::IsWindowVisible(menu)) return;
  ::KillTimer(nullptr, id);
  menuShot->Capture({menuHost, menu}, "TVexlorRichEdit-menu");
  ::EndMenu();
}

void ShowLiveMenu(TSceneShot& shot) {
  TNoteForm note;
  menuShot = &shot;
  menuHost = note.host.Handle();
  // A right click on "wonderfull".
  const LRESULT line = ::SendMessageA(note.edit->Handle(), EM_LINEINDEX, 2, 0);
  POINTL p = {0, 0};
  ::SendMessageA(note.edit->Handle(), EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&p), line + 20);
  POINT at = {p.x, p.y + 4};
  ::ClientToScreen(note.edit->Handle(), &at);
  ::UpdateWindow(note.edit->Handle());
  ::SetTimer(nullptr, 0, 300, &CaptureMenu);
  ::SendMessageA(note.edit->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(note.edit->Handle()),
                 MAKELPARAM(at.x, at.y));
}

void ShowGridCheck(TSceneShot& shot) {
  TForm host;
  host.SetCaption("Orders");
  host.SetBounds(40, 40, 360, 200);
  auto* grid = new TStringGrid(&host, &host);
  grid->SetBounds(8, 8, 336, 150);
  grid->SetColCount(3);
  grid->SetRowCount(5);
  grid->SetColWidths(1, 150);
  grid->SetColWidths(2, 100);
  const char* items[][2] = {{"Item", "Note"}, {"Garden chair", "delivered"}, {"Table lamp", "brokne glass"},
                            {"Teapot", "gift"}, {"Roses", "red"}};
  for (int r = 0; r < 5; ++r) {
    grid->SetCells(1, r, items[r][0]);
    grid->SetCells(2, r, items[r][1]);
  }
  host.Show();
  TVexlorSpell3Base speller;
  SetUpSpeller(speller);
  speller.OnPromptWord = [&](TVexlorSpell3Base* sender, const std::string&, bool) {
    shot.Capture(host, "TStringGrid-check");
    sender->Cancel();
  };
  TVexlorStringGridHelper helper;
  helper.BeginCheck(grid);
  helper.CheckColumn(&speller, 2);
  helper.EndCheck();
}

const bool registered = RegisterScene("TVexlorRichEdit", &ShowLiveSpelling) &&
                        RegisterScene("TVexlorRichEdit-menu", &ShowLiveMenu) &&
                        RegisterScene("TStringGrid-check", &ShowGridCheck);

}  // namespace
