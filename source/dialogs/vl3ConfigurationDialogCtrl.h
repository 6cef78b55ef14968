// The bridge every dialog form carries (as "DialogControl"): it is linked to
// the spell-checker component and relays the words the component prompts.
#pragma once

#include <functional>
#include <string>

#include "vl3Component.h"
#include "vl3SpellTypes.h"

class TVexlorSpell3Base;
class TCustomDictionary;
class TVexlorConfig;

using TWordPromptEvent = std::function<void(TVexlorSpell3Base* Sender, const std::string& Word, bool Repeated)>;

class TConfigurationDialogCtrl : public TComponent {
 public:
  using TNotifyEvent = std::function<void(TConfigurationDialogCtrl* Sender)>;

  explicit TConfigurationDialogCtrl(TComponent* AOwner = nullptr);

  // Links the bridge once for its lifetime; raises OnConfigurationAvailable.
  void Attach(TVexlorSpell3Base* Engine);
  void SetCustomDictionary(TCustomDictionary* Dictionary);

  TVexlorSpell3Base* SpellChecker() const { return spellChecker_; }
  TCustomDictionary* CustomDictionary() const { return customDictionary_; }
  TVexlorConfig* Configuration() const { return configuration_; }
  TSpellOptions AvailableOptions() const { return availableOptions_; }

  TNotifyEvent OnConfigurationAvailable;
  TNotifyEvent OnCustomDictionaryAvailable;
  TWordPromptEvent OnPromptWord;

 private:
  TVexlorSpell3Base* spellChecker_ = nullptr;   // not owned
  TCustomDictionary* customDictionary_ = nullptr;  // not owned
  TVexlorConfig* configuration_ = nullptr;      // not owned: the engine's
  TSpellOptions availableOptions_;
};
