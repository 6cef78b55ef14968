// The standard thesaurus dialog: the looked-up word with its history, the
// meanings, the words of the chosen meaning and the replacement.
#pragma once

#include <cstdint>
#include <string>

#include "vl3Form_win.h"
#include "vl3ListView_win.h"
#include "vl3ThesaurusDialogCtrl.h"

class TThesDialog : public TForm {
 public:
  explicit TThesDialog(TComponent* owner = nullptr);

  // Controls, owned by the form.
  TLabel* LookedUpLabel;
  TComboBox* LookupCombo;
  TLabel* ContextsLabel;
  TListView* ContextLV;
  TLabel* ReplaceWithLabel;
  TEdit* ReplaceEdit;
  TListView* WordList;
  TButton* PreviousButton;
  TButton* LookupButton;
  TButton* ReplaceButton;
  TButton* CloseButton;
  TThesaurusDialogCtrl* DialogControl;
  TTimer* Timer;

  // Handlers, wired to the controls' and the controller's events.
  void DialogControlActivate(TThesaurusDialogCtrl* sender);
  void DialogControlPromptLookup(TComponent* sender, const std::string& word,
                                 const TThesaurusEntryList& contextList);
  void DialogControlPromptContext(TComponent* sender, const TStringList& words);
  void ContextLVChange(TComponent* sender, int32_t index, bool selected);
  void WordListChange(TComponent* sender, int32_t index, bool selected);
  void WordListDblClick(TComponent* sender);
  void ReplaceEditChange(TComponent* sender);
  void LookupButtonClick(TComponent* sender);
  void LookupComboChange(TComponent* sender);
  void PreviousButtonClick(TComponent* sender);
  void ReplaceButtonClick(TComponent* sender);
  void CloseButtonClick(TComponent* sender);
  void FormCloseQuery(TForm* sender, bool& canClose);
  void TimerTimer(TComponent* sender);

 private:
  std::string Text(TThesaurusLanguageString id);
  bool CommandEnabled(TThesaurusDialogCommand command) const;
  // Column 0 fills the list's width less the scroll bar and the given columns.
  static int32_t RemainingWidth(const TListView& list, int32_t otherColumns);
};
