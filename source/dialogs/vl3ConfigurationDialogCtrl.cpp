// The dialog bridge: linking and the relayed prompt.
#include "vl3ConfigurationDialogCtrl.h"

#include "vl3SpellBase.h"

TConfigurationDialogCtrl::TConfigurationDialogCtrl(TComponent* AOwner) : TComponent(AOwner) {
  SetName("DialogControl");
}

void TConfigurationDialogCtrl::Attach(TVexlorSpell3Base* Engine) {
  if (spellChecker_ != nullptr) return;
  spellChecker_ = Engine;
  if (Engine == nullptr) return;
  configuration_ = Engine->Configuration();
  availableOptions_ = Engine->ConfigAvailableOptions();
  if (OnConfigurationAvailable) OnConfigurationAvailable(this);
}

void TConfigurationDialogCtrl::SetCustomDictionary(TCustomDictionary* Dictionary) {
  customDictionary_ = Dictionary;
  if (Dictionary != nullptr && OnCustomDictionaryAvailable) OnCustomDictionaryAvailable(this);
}
