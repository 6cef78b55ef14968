// The "Custom Dictionary" dialog: edits one dictionary's added words,
// auto-correct pairs and excluded words, each change stored at once.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "vl3Form_win.h"

class TConfigurationDialogCtrl;
class TCustomDictionary;
class TLabel;
class TListBox;
class TListView;
class TPageControl;
class TTabSheet;
class TTimer;

class TCustomDictionaryEditDialog : public TForm {
 public:
  // A page of single words (added or excluded): its controls and the
  // dictionary operations of its kind.
  struct TWordPage {
    TTabSheet* Sheet = nullptr;
    TEdit* Edit = nullptr;
    TListBox* List = nullptr;
    TButton* AddButton = nullptr;
    TButton* DeleteButton = nullptr;
    bool (TCustomDictionary::*Has)(const std::string&) = nullptr;
    bool (TCustomDictionary::*HasOther)(const std::string&) = nullptr;  // the other single-word kind
    bool (TCustomDictionary::*AddWord)(const std::string&) = nullptr;
    bool (TCustomDictionary::*RemoveWord)(const std::string&) = nullptr;
    int (TCustomDictionary::*Count)() = nullptr;
    std::string (TCustomDictionary::*WordAt)(int) = nullptr;
    // The list's rows in its order (case-insensitive); the list box holds
    // only their number.
    std::vector<std::string> Words;
  };

  explicit TCustomDictionaryEditDialog(TComponent* owner = nullptr);

  TConfigurationDialogCtrl* DialogControl() const { return DialogControl_; }
  TCustomDictionary* Dictionary() const;

  // Handlers, public so that a host may call them as the controls do.
  void ConfigurationAvailable();
  void CustomDictionaryAvailable();
  void FormShow();
  void PageShow(TTabSheet* sheet);
  void WordEditChange(TWordPage& page);
  void WordListClick(TWordPage& page);
  void AddWordClick(TWordPage& page);
  void DeleteWordClick(TWordPage& page);
  void ReplaceEditChange();
  void WithEditChange();
  void AutoCorrectListSelectItem(int32_t index, bool selected);
  void AddAutoCorrectClick();
  void DeleteAutoCorrectClick();
  void TimerTick();
  void HelpButtonClick();

  TWordPage Added, Excluded;

 private:
  void FillWordPage(TWordPage& page);
  void FillAutoCorrect();
  void FitWithColumn();
  void FitPairBoxes();
  void FocusPair(int32_t index);

  TPageControl* PageControl = nullptr;
  TLabel* AddedWordsExplain = nullptr;
  TLabel* IgnoreEditLabel = nullptr;
  TTabSheet* AutoCorrectWordsSheet = nullptr;
  TLabel* AutoCorrectWordsExplain = nullptr;
  TLabel* ReplaceEditLabel = nullptr;
  TLabel* WithEditLabel = nullptr;
  TLabel* ExcludeWordsExplanation = nullptr;
  TLabel* ExcludeEditLabel = nullptr;
  TEdit* ReplaceEdit = nullptr;
  TEdit* WithEdit = nullptr;
  TListView* AutoCorrectList = nullptr;
  TButton* AddAutoCorrectButton = nullptr;
  TButton* DeleteAutoCorrectButton = nullptr;
  TButton* HelpButton = nullptr;
  TButton* OK = nullptr;
  TTimer* Timer = nullptr;
  // The auto-correct list's rows in caption order; the list view holds only
  // their number.
  std::vector<std::pair<std::string, std::string>> Pairs;
  TConfigurationDialogCtrl* DialogControl_ = nullptr;  // owned by the form
};
