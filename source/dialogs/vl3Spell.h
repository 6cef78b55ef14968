// The spell-checker component applications place on their forms: the engine
// with the standard spelling dialog, the folder picker and per-language fonts.
#pragma once

#include <cstdint>
#include <memory>

#include "vl3Controls_win.h"
#include "vl3SpellBase.h"

class TForm;
struct HWND__;

/// The spell-checker component with the standard dialogs.
class TVexlorSpell3 : public TVexlorSpell3Base {
 public:
  // Dialog mode by default (the base component is silent).
  /// Creates the component in dialog mode.
  explicit TVexlorSpell3(TComponent* owner = nullptr);

  // ---- Virtual operations, in slot order after the base's -----------------
  // A TSpellDialog owned by the component, with the language fonts applied.
  /// Creates the standard spelling dialog.
  TCustomForm* CreateSpellDialog() override;
  // The shell's folder browser; the folder picked joins the configuration's
  // added dictionary folders.
  // The standard configuration, dictionaries and dictionary edit dialogs,
  // unless the application's event replaces them; the edit dialog ends with
  // the dictionaries reopened, so the running check sees the edits.
  /// Shows the standard configuration dialog.
  void ShowConfigDialog(TComponent* owner) override;
  /// Shows the standard custom dictionaries dialog.
  void ShowCustomDictionariesDialog(TComponent* owner) override;
  /// Shows the standard dialog that edits one custom dictionary.
  void ShowEditCustomDictionaryDialog(TComponent* owner, TCustomDictionary* dictionary) override;
  /// Shows the folder browser and adds the folder picked to the dictionary folders.
  void ShowAddDictionaryDir(TComponent* owner) override;
  using TVexlorSpell3Base::ShowAddDictionaryDir;
  using TVexlorSpell3Base::ShowConfigDialog;
  using TVexlorSpell3Base::ShowCustomDictionariesDialog;
  using TVexlorSpell3Base::ShowEditCustomDictionaryDialog;
  // Gives the form's controls copies of the language fonts when
  // UILanguageUseFonts is set: text controls get the text font only when
  // textFonts is true, the controls font otherwise.
  /// Gives a dialog's controls the language fonts.
  virtual void ApplyUILanguageFonts(TCustomForm* form, bool textFonts);

  // ---- Window handles ------------------------------------------------------
  // The base takes a window as void* (its core never sees <windows.h>); these
  // take the HWND an application holds and do the same.
  using TVexlorSpell3Base::CheckWinControl;
  using TVexlorSpell3Base::WordCountWinControl;
  /// Checks a window control, an edit or rich edit, given by its handle.
  void CheckWinControl(HWND__* control, TCheckType checkType) {
    CheckWinControl(static_cast<void*>(control), checkType);
  }
  /// Counts the words of a window control given by its handle.
  int32_t WordCountWinControl(HWND__* control, TCheckType checkType) {
    return WordCountWinControl(static_cast<void*>(control), checkType);
  }

  // Labels, buttons, check boxes, group boxes and page controls.
  /// The font of labels, buttons and other controls of the dialogs. @{
  const TFont& UILanguageFontControls() const { return fontControls_; }
  void SetUILanguageFontControls(const TFont& value) { fontControls_ = value; }
  /// @}
  // Edit boxes, list boxes, list views and combo boxes.
  /// The font of the dialogs' text controls (edits, lists). @{
  const TFont& UILanguageFontText() const { return fontText_; }
  void SetUILanguageFontText(const TFont& value) { fontText_ = value; }
  /// @}
  /// Whether the dialogs use the language fonts. @{
  bool UILanguageUseFonts() const { return useFonts_; }
  void SetUILanguageUseFonts(bool value) { useFonts_ = value; }
  /// @}

 private:
  TFont fontControls_;
  TFont fontText_;
  bool useFonts_ = false;

  // Fonts, link, help topic, modal, free.
  void ShowStandardDialog(std::unique_ptr<TForm> form, bool textFonts,
                          TCustomDictionary* dictionary, int32_t helpContext);
};
