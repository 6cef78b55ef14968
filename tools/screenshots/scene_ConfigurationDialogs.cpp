// Scenes of the configuration dialog and the custom dictionary dialogs over
// an engine whose dictionaries live in a scratch folder.
#include <windows.h>

#include <memory>
#include <string>

#include "vl3ConfigurationDialog.h"
#include "vl3CustomDictionariesDialog.h"
#include "vl3CustomDictionary.h"
#include "vl3CustomDictionaryEditDialog.h"
#include "vl3DictionaryCompiler.h"
#include "vl3ListView_win.h"
#include "vl3NewCustomDictionaryDialog.h"
#include "vl3PageControl_win.h"
#include "vl3Platform.h"
#include "vl3SpellBase.h"
#include "vxScenes.h"

namespace {

// Two main dictionaries, two custom dictionaries with a few entries, one
// word processor list, the internal dictionary with an Ignore All word.
class TSceneEngine {
 public:
  TSceneEngine() {
    folder_ = Platform::TempDirectory() + "\\vxscenes_" + std::to_string(::GetCurrentProcessId());
    Platform::CreateDirectory(folder_);
    Compile("AmericanEnglish.vlm", "American English", {"color", "center", "theater"});
    Compile("BritishEnglish.vlm", "British English", {"colour", "centre", "theatre"});
    Platform::WriteWholeFile(folder_ + "\\Custom.dic", "Vexlor\r\nWinAPI\r\n");
    engine.SetConfigStorage(csNone);
    TStringList folders, mains, customs;
    folders.Add(folder_);
    mains.Add("AmericanEnglish.vlm");
    customs.Add("User.vlu");
    engine.SetConfigDictionaryDir(folders);
    engine.SetConfigDefaultMain(mains);
    engine.SetConfigDefaultCustom(customs);
    engine.SetConfigDefaultActiveCustom("User.vlu");
    engine.SetConfigDefaultOptions(TSpellOptions{soLiveSpelling, soUpcase, soNumbers, soInternet});
    engine.NewCustomDictionary("User.vlu");
    engine.NewCustomDictionary("Medical.vlu");
    engine.GetMSWordCustomDictionaryFiles()->Add(folder_ + "\\Custom.dic");
    engine.InternalDictionary()->AddIgnore("Vexlor");
    user = engine.OpenCustomDictionary("User.vlu");
    for (const char* w : {"Vexlor", "WinAPI", "Xvfb", "localhost", "namespace", "stdout"})
      user->AddIgnore(w);
    for (const char* w : {"irregardless", "alot"}) user->AddExclude(w);
    const char* pairs[][2] = {{"teh", "the"}, {"adn", "and"}, {"recieve", "receive"},
                              {"seperate", "separate"}, {"occured", "occurred"}};
    for (const auto& p : pairs) user->AddAutoCorrect(p[0], p[1]);
  }
  ~TSceneEngine() {
    user.reset();
    for (const std::string& f : Platform::FindFiles(folder_ + "\\*"))
      Platform::DeleteFile(folder_ + "\\" + f);
    Platform::RemoveDirectory(folder_);
  }

  TVexlorSpell3Base engine{nullptr};
  std::unique_ptr<TCustomDictionary> user;

 private:
  void Compile(const std::string& name, const std::string& title,
               std::initializer_list<const char*> words) {
    TDictionaryCompiler compiler;
    for (const char* w : words) compiler.AddWord(w);
    TDictionaryCompileOptions options;
    options.title = title;
    std::string error;
    compiler.CompileToFile(options, folder_ + "\\" + name, error);
  }
  std::string folder_;
};

void ShowConfigDialog(TSceneShot& shot) {
  TSceneEngine scene;
  TSpellCheckConfigDialog form;
  scene.engine.AttachDialogControl(&form, nullptr);
  form.Show();
  shot.Capture(form, "TSpellCheckConfigDialog");
}

void ShowDictionariesDialog(TSceneShot& shot) {
  TSceneEngine scene;
  TCustomDictionariesDialog form;
  scene.engine.AttachDialogControl(&form, nullptr);
  form.Show();
  form.CustomDictionaries()->SetItemIndex(1);
  form.CustomDictionaries()->SetFocus();
  shot.Capture(form, "TCustomDictionariesDialog");
}

void ShowNewDictionaryDialog(TSceneShot& shot) {
  TSceneEngine scene;
  TNewCustomDictionary form;
  scene.engine.AttachDialogControl(&form, nullptr);
  form.NameEdit()->SetText("Chemistry");
  form.Show();
  form.NameEdit()->SetFocus();
  form.NameEdit()->SelectAll();
  shot.Capture(form, "TNewCustomDictionary");
}

void ShowEditDialog(TSceneShot& shot) {
  TSceneEngine scene;
  TCustomDictionaryEditDialog form;
  scene.engine.AttachDialogControl(&form, scene.user.get());
  form.Show();
  auto* pages = form.Find<TPageControl>("PageControl");
  form.Added.Edit->SetText("Xvfb");
  form.Added.Edit->SetFocus();
  shot.Capture(form, "TCustomDictionaryEditDialog-added");
  pages->SetActivePageIndex(1);
  form.Find<TEdit>("ReplaceEdit")->SetText("recieve");
  shot.Capture(form, "TCustomDictionaryEditDialog-autocorrect");
  pages->SetActivePageIndex(2);
  form.Excluded.Edit->SetText("alot");
  shot.Capture(form, "TCustomDictionaryEditDialog-excluded");
}

const bool registered = RegisterScene("TSpellCheckConfigDialog", &ShowConfigDialog) &&
                        RegisterScene("TCustomDictionariesDialog", &ShowDictionariesDialog) &&
                        RegisterScene("TNewCustomDictionary", &ShowNewDictionaryDialog) &&
                        RegisterScene("TCustomDictionaryEditDialog", &ShowEditDialog);

}  // namespace
