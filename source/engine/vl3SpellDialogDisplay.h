// Shows, places and hides a spell-checker component's spelling dialog, and
// stands in for the form's show, activate and deactivate events.
#pragma once

#include <cstdint>

class TComponent;
class TCustomDictionary;
class TSpellDialogBridge;
class TVexlorSpell3Base;

// Works on the component's dialog hosting, parser and configuration; each
// step the component makes virtual is called back through it, so a
// descendant's override runs.
class TSpellDialogDisplay {
 public:
  explicit TSpellDialogDisplay(TVexlorSpell3Base& spell) : spell_(spell) {}
  TSpellDialogDisplay(const TSpellDialogDisplay&) = delete;
  TSpellDialogDisplay& operator=(const TSpellDialogDisplay&) = delete;

  TSpellDialogBridge* AttachDialogControl(TComponent* form, TCustomDictionary* dictionary);
  void ShowSpellDialog();
  void HideSpellDialog();

  // ---- Placement -----------------------------------------------------------------
  void PositionDialog();
  void PlaceDialogNearControl();
  void PlaceDialogNearSelection(bool horizontal, bool vertical);
  void AvoidSelection();

  // ---- The form's events ------------------------------------------------------------
  void DialogShowHook();
  void DialogDeactivateHook();
  void DialogActivateHook();

 private:
  // Moves the form there, kept whole on its monitor.
  void MoveDialogOnScreen(int32_t left, int32_t top);

  TVexlorSpell3Base& spell_;
};
