// LiveEdit: a form with the live-spelling rich edit, which underlines
// misspelt words as the user types, and a button that offers synonyms.
#include <windows.h>

#include "vl3Application_win.h"
#include "vl3Form_win.h"
#include "vl3RichEdit.h"
#include "vl3SimpleControls_win.h"
#include "vl3Spell.h"
#include "vl3Thesaurus.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  Application().Initialize();
  TForm form;
  form.SetCaption("LiveEdit");
  form.SetBounds(80, 80, 440, 260);

  TVexlorSpell3 spell(&form);
  spell.SetEndMessage(emNever);
  // The settings in the registry, under the key of this program.
  spell.SetConfigStorage(csRegistry);
  spell.SetConfigRegistryKey("Software\\Example Company\\LiveEdit");
  // The user's word lists in %AppData%, not beside the program.
  CreateDirectoryA(ExpandMacros("%AppData%\\LiveEdit").c_str(), nullptr);
  spell.SetConfigDefaultActiveCustom("%AppData%\\LiveEdit\\%ConfigID%.vlu");
  spell.SetSuggestionsLearningDict("%AppData%\\LiveEdit\\%ConfigID%.vll");

  // [guide:live]
  auto* editor = new TVexlorRichEdit(&form, &form);  // owned by the form
  editor->SetBounds(8, 8, 408, 170);
  editor->SetVexlorSpell(&spell);  // its words and menu
  editor->SetLiveSpelling(true);   // underline as the user types
  // [/guide:live]

  // [guide:thesaurus]
  TThesaurus3 thesaurus(&form);
  thesaurus.SetFilename("%AppDir%\\Brevant.vlt");
  auto* synonyms = new TButton(&form, &form);
  synonyms->SetBounds(8, 186, 110, 26);
  synonyms->SetText("Thesaurus...");
  // The word under the caret; the chosen synonym replaces it.
  synonyms->OnClick = [&](TComponent*) { thesaurus.LookupWinControl(editor->Handle()); };
  // [/guide:thesaurus]

  Application().SetMainForm(&form);
  form.Show();
  return Application().Run();
}
