// What the spell-checker component needs of the bridge a dialog form carries:
// linking it, handing it a dictionary and relaying a prompt to its dialog.
#pragma once

#include <string>

class TVexlorSpell3Base;
class TCustomDictionary;

// The dialogs implement it; the engine finds it among a form's components.
class TSpellDialogBridge {
 public:
  virtual ~TSpellDialogBridge() = default;

  // Links the bridge to the component (once for the bridge's lifetime).
  virtual void Attach(TVexlorSpell3Base* engine) = 0;
  // The dictionary a dictionary dialog works on; null for none.
  virtual void SetCustomDictionary(TCustomDictionary* dictionary) = 0;
  // The word the component stops at, for the dialog to present.
  virtual void RelayPromptWord(TVexlorSpell3Base* sender, const std::string& word,
                               bool repeated) = 0;
};
