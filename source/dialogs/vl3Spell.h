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
  explicit TVexlorSpell3(TComponent* AOwner = nullptr);

  // ---- Virtual operations, in slot order after the base's -----------------
  // A TSpellDialog owned by the component, with the language fonts applied.
  TCustomForm* CreateSpellDialog() override;
  // The shell's folder browser; the folder picked joins the configuration's
  // added dictionary folders.
  // The standard configuration, dictionaries and dictionary edit dialogs,
  // unless the application's event replaces them; the edit dialog ends with
  // the dictionaries reopened, so the running check sees the edits.
  void ShowConfigDialog(TComponent* AOwner) override;
  void ShowCustomDictionariesDialog(TComponent* AOwner) override;
  void ShowEditCustomDictionaryDialog(TComponent* AOwner, TCustomDictionary* Dictionary) override;
  void ShowAddDictionaryDir(TComponent* AOwner) override;
  using TVexlorSpell3Base::ShowAddDictionaryDir;
  using TVexlorSpell3Base::ShowConfigDialog;
  using TVexlorSpell3Base::ShowCustomDictionariesDialog;
  using TVexlorSpell3Base::ShowEditCustomDictionaryDialog;
  // Gives the form's controls copies of the language fonts when
  // UILanguageUseFonts is set: text controls get the text font only when
  // TextFonts is true, the controls font otherwise.
  virtual void ApplyUILanguageFonts(TCustomForm* Form, bool TextFonts);

  // Labels, buttons, check boxes, group boxes and page controls.
  const TFont& UILanguageFontControls() const { return fontControls_; }
  void SetUILanguageFontControls(const TFont& Value) { fontControls_ = Value; }
  // Edit boxes, list boxes, list views and combo boxes.
  const TFont& UILanguageFontText() const { return fontText_; }
  void SetUILanguageFontText(const TFont& Value) { fontText_ = Value; }
  bool UILanguageUseFonts() const { return useFonts_; }
  void SetUILanguageUseFonts(bool Value) { useFonts_ = Value; }

 private:
  TFont fontControls_;
  TFont fontText_;
  bool useFonts_ = false;

  // Fonts, link, help topic, modal, free.
  void ShowStandardDialog(std::unique_ptr<TForm> Form, bool TextFonts,
                          TCustomDictionary* Dictionary, int32_t HelpContext);
};
