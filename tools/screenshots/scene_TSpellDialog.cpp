// Scenes of the standard spelling dialog during a check of a rich edit: a
// misspelt word with suggestions, a repeated word, and the Russian texts.
#include <windows.h>

#include <string>
#include <vector>

#include "vl3DictionaryCompiler.h"
#include "vl3Form_win.h"
#include "vl3Platform.h"
#include "vl3RichEditBox_win.h"
#include "vl3Spell.h"
#include "vl3SpellDialog.h"
#include "vl3StringList.h"
#include "vxScenes.h"

namespace {

const char* const kText =
    "Spelling checks stop at each word that needs the user.\r\n"
    "The dialog stays beside the word it shows, so the recieve in this line stays in view.\r\n"
    "Suggestions come from the main dictionary.";

const char* const kRepeatedText =
    "Spelling checks stop at each word that needs the user.\r\n"
    "A word written twice, as in the the next line, is offered for deletion.\r\n"
    "Suggestions come from the main dictionary.";

// The words of both texts but the misspelling, and a few of its neighbours.
const std::vector<std::string> kWords = {
    "A", "as", "at", "beside", "checks", "come", "deletion", "dialog", "dictionary", "each", "for",
    "from", "in", "is", "it", "line", "main", "needs", "next", "offered", "recede", "receive",
    "relieve", "reprieve", "review", "shows", "so", "Spelling", "stays", "stop", "Suggestions",
    "that", "The", "the", "this", "twice", "user", "view", "word", "written"};

// A host form with a rich edit, checked by the component on it until the
// dialog shows its first word; the host and the dialog are captured.
void ShowCheck(TSceneShot& shot, const char* name, const char* text, TSpellLanguageType language) {
  const std::string folder = Platform::TempDirectory() + "\\vxscene-spelldialog";
  Platform::CreateDirectory(folder);
  TDictionaryCompiler compiler;
  for (const std::string& w : kWords) compiler.AddWord(w);
  TDictionaryCompileOptions options;
  options.langId = 0x0409;
  std::string error;
  if (!compiler.CompileToFile(options, folder + "\\Scene.vlm", error)) return;

  TForm host;
  host.SetCaption("Document");
  host.SetBounds(60, 60, 560, 200);
  auto* rich = new TRichEdit(&host);
  rich->SetBounds(0, 0, host.ClientWidth(), host.ClientHeight());
  rich->SetText(text);
  rich->SetHideSelection(false);  // the word checked stays marked
  host.Show();

  auto* engine = new TVexlorSpell3(&host);
  engine->SetConfigStorage(csNone);
  TStringList dirs, mains;
  dirs.Add(folder);
  mains.Add("Scene.vlm");
  engine->SetConfigDictionaryDir(dirs);
  engine->SetConfigDefaultMain(mains);
  engine->SetConfigDefaultActiveCustom("Scene.vlu");
  engine->SetSuggestionsLearning(false);
  engine->SetSynchronousCheck(false);
  engine->SetEndMessage(emNever);
  engine->SetDialogInitialPos(ipUnderSelection);
  engine->SetUILanguage(language);
  if (language == ltRussian) {
    TFont font;
    font.Name = "Tahoma";
    font.Charset = RUSSIAN_CHARSET;
    engine->SetUILanguageFontControls(font);
    engine->SetUILanguageFontText(font);
    engine->SetUILanguageUseFonts(true);
  }
  engine->CheckWinControl(rich->Handle(), ctAll);
  if (auto* dialog = dynamic_cast<TSpellDialog*>(engine->SpellDialog()))
    shot.Capture({host.Handle(), dialog->Handle()}, name);
  engine->Cancel();
  Platform::DeleteFile(folder + "\\Scene.vlm");
  Platform::DeleteFile(folder + "\\Scene.vlu");
}

void ShowMisspelling(TSceneShot& shot) { ShowCheck(shot, "TSpellDialog", kText, ltEnglish); }
void ShowRepeated(TSceneShot& shot) { ShowCheck(shot, "TSpellDialog-repeated", kRepeatedText, ltEnglish); }
void ShowRussian(TSceneShot& shot) { ShowCheck(shot, "TSpellDialog-ru", kText, ltRussian); }

const bool registeredMisspelling = RegisterScene("TSpellDialog", &ShowMisspelling);
const bool registeredRepeated = RegisterScene("TSpellDialog-repeated", &ShowRepeated);
const bool registeredRussian = RegisterScene("TSpellDialog-ru", &ShowRussian);

}  // namespace
