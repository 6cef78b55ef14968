// The "New Custom Dictionary" dialog: asks for the name of a custom
// dictionary to create; the dictionaries dialog acts on the answer.
#pragma once

#include "vl3Form_win.h"

class TConfigurationDialogCtrl;
class TLabel;

class TNewCustomDictionary : public TForm {
 public:
  explicit TNewCustomDictionary(TComponent* owner = nullptr);

  TConfigurationDialogCtrl* DialogControl() const { return DialogControl_; }
  TEdit* NameEdit() const { return NameEdit_; }

 private:
  void ConfigurationAvailable();

  TLabel* EditLabel = nullptr;
  TEdit* NameEdit_ = nullptr;
  TButton* OKButton = nullptr;
  TButton* CancelButton = nullptr;
  TConfigurationDialogCtrl* DialogControl_ = nullptr;  // owned by the form
};
