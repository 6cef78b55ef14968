// The sample's own spelling dialog: a tall, sizeable window with fixed
// English texts that the spell checker drives through its DialogControl.
#pragma once

#include <string>

#include "vl3Form_win.h"

class TConfigurationDialogCtrl;

// An application-made form for the spell checker's OnCreateSpellDialog: the
// checker finds the bridge among the form's components, links it and prompts
// each word through it. Unlike the standard dialog it shows every button
// whatever the checker's command sets say, and has no Help button.
class TSpellingForm : public TForm {
 public:
  explicit TSpellingForm(TComponent* owner = nullptr);

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
  TButton* UndoButton;
  TButton* OptionsButton;
  TButton* CancelButton;
  TConfigurationDialogCtrl* DialogControl;

  bool RepeatedMode() const { return repeated_; }

  // ---- Handlers --------------------------------------------------------------
  void DialogControlPromptWord(const std::string& word, bool repeated);
  void IgnoreButtonClick();
  void IgnoreAllButtonClick();
  void ChangeButtonClick();
  void ChangeAllButtonClick();
  void AddButtonClick();
  void AutoCorrectButtonClick();
  void UndoButtonClick();
  void OptionsButtonClick();
  void CancelButtonClick();
  void SuggestionsListboxClick();
  void SuggestionsListboxDblClick();
  void ReplaceWithEditChange();
  void FormActivate();
  void FormDeactivate();
  void FormCloseQuery(bool& canClose);

 private:
  // Greys or restores the command controls; only Undo and the dictionary
  // commands have a further condition.
  void EnableControls(bool enable);
  // The enabling of the mode shown: in repeated-word mode only Ignore,
  // Change, Options and Undo are usable.
  void EnableForMode();
  bool HasActiveCustomDictionary();

  bool repeated_ = false;
};
