// The "Dictionaries" dialog: which custom dictionaries take part in checks,
// and creating, deleting, renaming and editing them.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "vl3Form_win.h"

class TConfigurationDialogCtrl;
class TGroupBox;
class TListView;

// What one row of the list stands for.
struct TListEntry {
  bool Checked = true;  // last known check state of the row
  bool Internal = false;
  bool WordProcessor = false;
  bool Renamable = false;  // listed by a bare file name, so the caption may be edited
  std::string FileName;    // as the engine lists it
};

class TCustomDictionariesDialog : public TForm {
 public:
  explicit TCustomDictionariesDialog(TComponent* owner = nullptr);

  TConfigurationDialogCtrl* DialogControl() const { return DialogControl_; }
  TListView* CustomDictionaries() const { return CustomDictionaries_; }
  // The row's entry, null for a row without one.
  TListEntry* Entry(int32_t index) const;

  // Handlers, public so that a host may call them as the controls do.
  void ConfigurationAvailable();
  void CustomDictionariesChange(int32_t index, bool checked);
  void CustomDictionariesSelectItem(int32_t index, bool selected);
  void CustomDictionariesEditing(int32_t index, bool& allowEdit);
  void CustomDictionariesEdited(int32_t index, std::string& s);
  void EditButtonClick();
  void DeleteButtonClick();
  void NewButtonClick();
  void HelpButtonClick();

 private:
  int32_t AddRow(const std::string& caption, std::unique_ptr<TListEntry> entry);
  void SelectRow(int32_t index);

  TGroupBox* CustomGroup = nullptr;
  TListView* CustomDictionaries_ = nullptr;
  TButton* EditButton = nullptr;
  TButton* DeleteButton = nullptr;
  TButton* NewButton = nullptr;
  TButton* HelpButton = nullptr;
  TButton* OK = nullptr;
  TConfigurationDialogCtrl* DialogControl_ = nullptr;  // owned by the form
  // The rows point at these; kept for the dialog's lifetime.
  std::vector<std::unique_ptr<TListEntry>> entries_;
};
