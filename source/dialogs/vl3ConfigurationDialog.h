// The "Spelling Options" dialog: spelling options, the main dictionaries that
// take part in a check and the active custom dictionary, applied at once.
#pragma once

#include <array>
#include <cstdint>

#include "vl3Form_win.h"

class TConfigurationDialogCtrl;
class TCheckBox;
class TComboBox;
class TGroupBox;
class TLabel;
class TListView;

class TSpellCheckConfigDialog : public TForm {
 public:
  static constexpr int kOptionRows = 10;
  static constexpr int32_t kOptionRowHeight = 16;  // from the top of one option to the next

  explicit TSpellCheckConfigDialog(TComponent* owner = nullptr);

  TConfigurationDialogCtrl* DialogControl() const { return DialogControl_; }

  // Handlers, public so that a host may call them as the controls do.
  void ConfigurationAvailable();
  void FormShow();
  void OptionsClick(TComponent* sender);
  void MainDictionariesChange(int32_t index, bool checked);
  void MainDictionariesClick();
  void MainDictionariesSelectItem(int32_t index, bool selected);
  void CustomComboChange();
  void DictionariesButtonClick();
  void ResetButtonClick();
  void HelpButtonClick();

 private:
  // Returns the number of option check boxes left hidden.
  int FillOptions();
  void FillMainDictionaries();
  void FillCustomCombo();
  void FitFilenameColumn();
  bool HasLocateRow() const;

  TGroupBox* OptionsGroup = nullptr;
  std::array<TCheckBox*, kOptionRows> Options{};
  TGroupBox* DictionariesGroup = nullptr;
  TListView* MainDictionaries = nullptr;
  TLabel* CustomLabel = nullptr;
  TComboBox* CustomCombo = nullptr;
  TButton* DictionariesButton = nullptr;
  TButton* ResetButton = nullptr;
  TButton* HelpButton = nullptr;
  TButton* OK = nullptr;
  TConfigurationDialogCtrl* DialogControl_ = nullptr;  // owned by the form
  bool locateRow_ = false;
};
