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
  void DialogControlActivate(TThesaurusDialogCtrl* Sender);
  void DialogControlPromptLookup(TComponent* Sender, const std::string& Word,
                                 const TThesaurusEntryList& ContextList);
  void DialogControlPromptContext(TComponent* Sender, const TStringList& Words);
  void ContextLVChange(TComponent* Sender, int32_t Index, bool Selected);
  void WordListChange(TComponent* Sender, int32_t Index, bool Selected);
  void WordListDblClick(TComponent* Sender);
  void ReplaceEditChange(TComponent* Sender);
  void LookupButtonClick(TComponent* Sender);
  void LookupComboChange(TComponent* Sender);
  void PreviousButtonClick(TComponent* Sender);
  void ReplaceButtonClick(TComponent* Sender);
  void CloseButtonClick(TComponent* Sender);
  void FormCloseQuery(TForm* Sender, bool& CanClose);
  void TimerTimer(TComponent* Sender);

 private:
  std::string Text(TThesaurusLanguageString Id);
  bool CommandEnabled(TThesaurusDialogCommand Command) const;
  // Column 0 fills the list's width less the scroll bar and the given columns.
  static int32_t RemainingWidth(const TListView& List, int32_t OtherColumns);
};
