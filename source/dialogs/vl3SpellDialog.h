// The standard spelling dialog: the word not found, a replacement, the
// suggestions and the command buttons, driven through its DialogControl.
#pragma once

#include <string>

#include "vl3Form_win.h"
#include "vl3SpellTypes.h"

class TConfigurationDialogCtrl;
class TVexlorSpell3Base;

class TSpellDialog : public TForm {
 public:
  // With an owner that sits on a form, the dialog's window is owned by that
  // form's window: it stays above the host form and hides with it.
  explicit TSpellDialog(TComponent* owner = nullptr);

  // Published controls; all owned by the form.
  TLabel* NotFoundText;
  TEdit* NotFoundEdit;
  TLabel* ReplaceWithText;
  TEdit* ReplaceWithEdit;
  TLabel* SuggestionsText;
  TListBox* SuggestionsListbox;
  TButton* IgnoreButton;
  TButton* IgnoreAllButton;
  TButton* ChangeButton;
  TButton* ChangeAllButton;
  TButton* AddButton;
  TButton* AutoCorrectButton;
  TButton* HelpButton;
  TButton* UndoButton;
  TButton* CancelButton;
  TButton* OptionsButton;
  TConfigurationDialogCtrl* DialogControl;

  bool RepeatedMode() const { return repeated_; }

  // ---- Handlers --------------------------------------------------------------
  void DialogControlConfigurationAvailable();
  void DialogControlPromptWord(const std::string& word, bool repeated);
  void IgnoreButtonClick();
  void IgnoreAllButtonClick();
  void ChangeButtonClick();
  void ChangeAllButtonClick();
  void AddButtonClick();
  void AutoCorrectButtonClick();
  void UndoButtonClick();
  void OptionsButtonClick();
  void HelpButtonClick();
  void CancelButtonClick();
  void SuggestionsListboxClick();
  void SuggestionsListboxDblClick();
  void ReplaceWithEditChange();
  void FormActivate();
  void FormDeactivate();
  void FormCloseQuery(bool& canClose);

 private:
  // Greys or restores the command controls by the commands enabled.
  void EnableControls(bool enable);
  // The enabling of the mode shown: in repeated-word mode only Ignore,
  // Change, Options and Undo are usable.
  void EnableForMode();
  bool CommandEnabled(TSpellDialogCommand command);
  bool HasActiveCustomDictionary();

  bool repeated_ = false;
  bool deactivated_ = false;
};
