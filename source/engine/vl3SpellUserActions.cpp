// The spell-checker component's answers to a prompt: ignoring, changing,
// adding and auto-correcting the word on screen, and undoing those answers.
#include "vl3SpellUserActions.h"

#include <memory>

#include "vl3CustomDictionary.h"
#include "vl3ParserBase.h"
#include "vl3SpellBase.h"

// ---- Editing the text ---------------------------------------------------------------

void TSpellUserActions::ReplaceCurrentWord(const std::string& replacement, int32_t state) {
  TVexlorSpell3Base& spell = spell_;
  if (spell.run_.FirstChange() && spell.OnBeforeChange) spell.OnBeforeChange(&spell);
  if (spell.OnParserReplaceWord) spell.OnParserReplaceWord(&spell, true, replacement, state);
  if (spell.parser_ != nullptr) spell.parser_->ReplaceWord(replacement, state);
  if (spell.OnParserReplaceWord) spell.OnParserReplaceWord(&spell, false, replacement, state);
}

void TSpellUserActions::IgnoreCurrentWord(int32_t state) {
  TVexlorSpell3Base& spell = spell_;
  TParserIgnoreWordEventList& listeners = *spell.ignoreWordListeners_;
  if (spell.OnParserIgnoreWord) spell.OnParserIgnoreWord(&spell, true, state);
  listeners.State = state;
  listeners.Before = true;
  listeners.Notify(&spell);
  if (spell.parser_ != nullptr) spell.parser_->IgnoreWord(state);
  if (spell.OnParserIgnoreWord) spell.OnParserIgnoreWord(&spell, false, state);
  listeners.Before = false;
  listeners.Notify(&spell);
}

// ---- Undo -------------------------------------------------------------------------------

void TSpellUserActions::NotifyUndo(int32_t undoState, TSpellAction action, int32_t& data) {
  if (spell_.OnParserUndoLast) spell_.OnParserUndoLast(&spell_, undoState, action, data);
  if (spell_.parser_ != nullptr) spell_.parser_->UndoLast(undoState, action, data);
}

void TSpellUserActions::AddUndo(TSpellAction action, const std::string& replacement,
                                bool automatic) {
  TSpellCheckRun& run = spell_.run_;
  if (spell_.parser_ == nullptr || run.MaxUndo() == 0) return;
  auto record = std::make_unique<TVexlorUndo>();
  spell_.parser_->GetPosition(record->XPos, record->YPos);
  record->Word = run.CurrentWord();
  record->Action = action;
  record->Replacement = replacement;
  record->Automatic = automatic;
  TVexlorUndo* added = run.PushUndo(std::move(record));
  spell_.NotifyUndo(0, action, added->Data);
  run.TrimUndo();
}

bool TSpellUserActions::UndoOne() {
  TVexlorSpell3Base& spell = spell_;
  TSpellCheckRun& run = spell.run_;
  TSpellDictionarySet& dictionaries = spell.dictionaries_;
  TVexlorUndo* u = run.LastUndo();
  if (u == nullptr || spell.parser_ == nullptr) return false;
  spell.NotifyUndo(1, u->Action, u->Data);
  if (run.LastUndo() != u || spell.parser_ == nullptr) return false;

  auto restoreText = [&spell, u](int32_t state) {
    spell.parser_->SetPosition(u->XPos + static_cast<int32_t>(u->Replacement.size()), u->YPos,
                               ppCurrent);
    spell.parser_->SelectWord(static_cast<int32_t>(u->Replacement.size()));
    spell.ReplaceCurrentWord(u->Word, state);
  };
  switch (u->Action) {
    case uaIgnore:
      break;
    case uaIgnoreAll:
      dictionaries.Internal()->RemoveIgnore(u->Word);
      break;
    case uaChange:
      restoreText(kStateUndoChange);
      break;
    case uaChangeAll:
      dictionaries.Internal()->RemoveAutoCorrect(u->Word);
      restoreText(kStateUndoChangeAll);
      break;
    case uaAdd:
      if (TCustomDictionary* active = dictionaries.ActiveCustom()) active->RemoveIgnore(u->Word);
      break;
    case uaAutoCorrect:
      if (TCustomDictionary* active = dictionaries.ActiveCustom())
        active->RemoveAutoCorrect(u->Word);
      dictionaries.Internal()->RemoveAutoCorrect(u->Word);
      restoreText(kStateUndoAutoCorrect);
      break;
  }
  if (spell.parser_ != nullptr) spell.parser_->SetPosition(u->XPos, u->YPos, ppCurrent);

  std::unique_ptr<TVexlorUndo> removed = run.PopUndo();
  spell.NotifyUndo(2, removed->Action, removed->Data);
  return removed->Automatic;
}

void TSpellUserActions::UndoLast() {
  // Automatic corrections made since the last user action go with it; a
  // loop rather than recursion keeps long runs of them off the stack.
  while (UndoOne()) {
  }
}

// ---- The answers ------------------------------------------------------------------------

bool TSpellUserActions::Ignore() {
  if (!spell_.run_.TakeAnswer(true)) return false;
  spell_.AddUndo(uaIgnore, std::string(), false);
  spell_.IgnoreCurrentWord(kStateIgnore);
  spell_.ResumeCheck();
  return true;
}

bool TSpellUserActions::IgnoreAll() {
  if (!spell_.run_.TakeAnswer(false)) return false;
  spell_.AddUndo(uaIgnoreAll, std::string(), false);
  spell_.dictionaries_.Internal()->AddIgnore(spell_.run_.CurrentWord());
  spell_.IgnoreCurrentWord(kStateIgnoreAll);
  spell_.ResumeCheck();
  return true;
}

bool TSpellUserActions::Change(const std::string& replacement) {
  if (!spell_.run_.TakeAnswer(false)) return false;
  const std::string word = spell_.run_.CurrentWord();
  const std::string copy = replacement;  // the caller's string may be ours
  spell_.AddUndo(uaChange, copy, false);
  spell_.ReplaceCurrentWord(copy, kStateChange);
  if (spell_.recheckReplacedWords_ && spell_.parser_ != nullptr) {
    int32_t x = 0, y = 0;
    spell_.parser_->GetPosition(x, y);
    spell_.parser_->SetPosition(x - static_cast<int32_t>(copy.size()), y, ppCurrent);
  }
  spell_.LearnReplacement(word, copy);
  spell_.ResumeCheck();
  return true;
}

bool TSpellUserActions::ChangeAll(const std::string& replacement) {
  if (!spell_.run_.TakeAnswer(false)) return false;
  const std::string word = spell_.run_.CurrentWord();
  const std::string copy = replacement;
  spell_.AddUndo(uaChangeAll, copy, false);
  spell_.dictionaries_.Internal()->AddAutoCorrect(word, copy);
  spell_.ReplaceCurrentWord(copy, kStateChangeAll);
  spell_.LearnReplacement(word, copy);
  spell_.ResumeCheck();
  return true;
}

bool TSpellUserActions::Add() {
  if (!spell_.run_.TakeAnswer(false)) return false;
  spell_.AddUndo(uaAdd, std::string(), false);
  if (TCustomDictionary* active = spell_.dictionaries_.ActiveCustom())
    active->AddIgnore(spell_.run_.CurrentWord());
  spell_.IgnoreCurrentWord(kStateAdd);
  spell_.ResumeCheck();
  return true;
}

bool TSpellUserActions::AutoCorrect(const std::string& replacement) {
  if (!spell_.run_.TakeAnswer(false)) return false;
  const std::string word = spell_.run_.CurrentWord();
  const std::string copy = replacement;
  spell_.AddUndo(uaAutoCorrect, copy, false);
  if (TCustomDictionary* active = spell_.dictionaries_.ActiveCustom())
    active->AddAutoCorrect(word, copy);
  spell_.LearnReplacement(word, copy);
  spell_.ReplaceCurrentWord(copy, kStateAutoCorrect);
  spell_.ResumeCheck();
  return true;
}

bool TSpellUserActions::DeleteRepeated() {
  TSpellCheckRun& run = spell_.run_;
  if (!run.PromptIsRepeated()) {
    run.RefuseAnswer();
    return false;
  }
  if (!run.TakeAnswer(true)) return false;
  const std::string single = run.PreviousWord();
  spell_.AddUndo(uaChange, single, false);
  spell_.ReplaceCurrentWord(single, kStateChange);
  spell_.ResumeCheck();
  return true;
}

bool TSpellUserActions::Undo() {
  if (!spell_.CanUndo()) {
    spell_.run_.RefuseAnswer();
    return false;
  }
  if (!spell_.run_.TakeAnswer(true)) return false;
  spell_.UndoLast();
  spell_.ResumeCheck();
  return true;
}
