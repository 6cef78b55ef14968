// The "New Custom Dictionary" dialog: a name box with OK and Cancel, its
// texts taken from the engine when its bridge is linked.
#include "vl3NewCustomDictionaryDialog.h"

#include "vl3ConfigurationDialogCtrl.h"
#include "vl3Layout_win.h"
#include "vl3Spell.h"

namespace {

const TFormLayout kNewForm = {"xxNew Custom Dictionary", 231, 102, TFormBorderStyle::bsDialog,
                              TPosition::poOwnerFormCenter};

}  // namespace

TNewCustomDictionary::TNewCustomDictionary(TComponent* owner) : TForm(owner) {
  // clang-format off
  const TLayoutItem controls[] = {
    // member                  left top width height caption                                    tab parent   flags                         focus
    {VL_CONTROL(EditLabel),       8,  8, 215, 13, "xxEnter the new custom dictionary name:",  -1, nullptr, lfNone,                       &NameEdit_},
    {VL_CONTROL(NameEdit_),       8, 26, 215, 21, "",                                          0},
    {VL_CONTROL(OKButton),       67, 70,  75, 23, "xx&OK",                                     1, nullptr, lfDefault | lfModalOk},
    {VL_CONTROL(CancelButton),  148, 70,  75, 23, "xx&Cancel",                                 2, nullptr, lfCancel | lfModalCancel},
  };
  // clang-format on
  ApplyLayout(*this, kNewForm, controls);
  SetActiveControl(NameEdit_);
  DialogControl_ = new TConfigurationDialogCtrl(this);
  DialogControl_->SetName("DialogControl");
  DialogControl_->OnConfigurationAvailable = [this](TConfigurationDialogCtrl*) {
    ConfigurationAvailable();
  };
  AfterConstruction();
}

void TNewCustomDictionary::ConfigurationAvailable() {
  SetCaption(DialogControl_->GetString(lsNewDictionaryCaption));
  EditLabel->SetText(DialogControl_->GetString(lsEnterNewName));
  OKButton->SetText(DialogControl_->GetString(lsOK));
  CancelButton->SetText(DialogControl_->GetString(lsCancel));
  if (auto* spell = dynamic_cast<TVexlorSpell3*>(DialogControl_->SpellChecker()))
    spell->ApplyUILanguageFonts(this, false);
}
