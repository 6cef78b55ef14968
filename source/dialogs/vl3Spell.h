// The spell-checker component applications place on their forms: the engine
// with the standard spelling dialog, the folder picker and per-language fonts.
#pragma once

#include <cstdint>
#include <memory>

#include "vl3Controls_win.h"
#include "vl3SpellBase.h"


class TForm;

class TVexlorSpell3 : public TVexlorSpell3Base {
 public:
  // Dialog mode by default (the base component is silent).
  explicit TVexlorSpell3(TComponent* owner = nullptr);

  // ---- Virtual operations, in slot order after the base's -----------------
  // A TSpellDialog owned by the component, with the language fonts applied.
  TCustomForm* CreateSpellDialog() override;
  // The shell's folder browser; the folder picked joins the configuration's
  // added dictionary folders.
  // The standard configuration, dictionaries and dictionary edit dialogs,
  // unless the application's event replaces them; the edit dialog ends with
  // the dictionaries reopened, so the running check sees the edits.
  void ShowConfigDialog(TComponent* owner) override;
  void ShowCustomDictionariesDialog(TComponent* owner) override;
  void ShowEditCustomDictionaryDialog(TComponent* owner, TCustomDictionary* dictionary) override;
  void ShowAddDictionaryDir(TComponent* owner) override;
  using TVexlorSpell3Base::ShowAddDictionaryDir;
  using TVexlorSpell3Base::ShowConfigDialog;
  using TVexlorSpell3Base::ShowCustomDictionariesDialog;
  using TVexlorSpell3Base::ShowEditCustomDictionaryDialog;
  // Gives the form's controls copies of the language fonts when
  // UILanguageUseFonts is set: text controls get the text font only when
  // textFonts is true, the controls font otherwise.
  virtual void ApplyUILanguageFonts(TCustomForm* form, bool textFonts);

  // Labels, buttons, check boxes, group boxes and page controls.
  const TFont& UILanguageFontControls() const { return fontControls_; }
  void SetUILanguageFontControls(const TFont& value) { fontControls_ = value; }
  // Edit boxes, list boxes, list views and combo boxes.
  const TFont& UILanguageFontText() const { return fontText_; }
  void SetUILanguageFontText(const TFont& value) { fontText_ = value; }
  bool UILanguageUseFonts() const { return useFonts_; }
  void SetUILanguageUseFonts(bool value) { useFonts_ = value; }

 private:
  TFont fontControls_;
  TFont fontText_;
  bool useFonts_ = false;

  // Fonts, link, help topic, modal, free.
  void ShowStandardDialog(std::unique_ptr<TForm> form, bool textFonts,
                          TCustomDictionary* dictionary, int32_t helpContext);
};
