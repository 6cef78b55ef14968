// The user's answers to a spell-checker component's prompt, the edits they
// make to the text, and the undo records that take them back.
#pragma once

#include <cstdint>
#include <string>

#include "vl3SpellTypes.h"

class TVexlorSpell3Base;

// Works on the component's check run and parser; each step the component
// makes virtual is called back through it, so a descendant's override runs.
class TSpellUserActions {
 public:
  // Replace states passed to the parser and the events.
  static constexpr int32_t kStateChange = 0;
  static constexpr int32_t kStateChangeAll = 1;
  static constexpr int32_t kStateAutoCorrect = 2;
  static constexpr int32_t kStateUndoChange = 3;
  static constexpr int32_t kStateUndoChangeAll = 4;
  static constexpr int32_t kStateUndoAutoCorrect = 5;
  // Ignore states.
  static constexpr int32_t kStateIgnore = 10;
  static constexpr int32_t kStateIgnoreAll = 11;
  static constexpr int32_t kStateAdd = 12;

  explicit TSpellUserActions(TVexlorSpell3Base& spell) : spell_(spell) {}
  TSpellUserActions(const TSpellUserActions&) = delete;
  TSpellUserActions& operator=(const TSpellUserActions&) = delete;

  // ---- Editing the text -----------------------------------------------------------
  void ReplaceCurrentWord(const std::string& replacement, int32_t state);
  void IgnoreCurrentWord(int32_t state);

  // ---- Undo -----------------------------------------------------------------------
  void NotifyUndo(int32_t undoState, TSpellAction action, int32_t& data);
  void AddUndo(TSpellAction action, const std::string& replacement, bool automatic);
  void UndoLast();

  // ---- The answers: true when applied ----------------------------------------------
  bool Ignore();
  bool IgnoreAll();
  bool Change(const std::string& replacement);
  bool ChangeAll(const std::string& replacement);
  bool Add();
  bool AutoCorrect(const std::string& replacement);
  bool DeleteRepeated();
  bool Undo();

 private:
  bool UndoOne();  // one record of UndoLast; true when the next one follows

  TVexlorSpell3Base& spell_;
};
