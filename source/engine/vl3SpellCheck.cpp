// The spell-checker component's checking run: starting checks, the run loop,
// the user's actions, undo, sequences, smart checks and word counts.
#include <memory>

#include "vl3Configuration.h"
#include "vl3CustomDictionary.h"
#include "vl3ParseEngine.h"
#include "vl3ParserBase.h"
#include "vl3Platform.h"
#include "vl3SpellBase.h"
#include "vl3StringParser.h"
#include "vl3Util.h"

namespace {

constexpr int32_t kNoBound = 2147483647;

// Replace states passed to the parser and the events.
constexpr int32_t kStateChange = 0;
constexpr int32_t kStateChangeAll = 1;
constexpr int32_t kStateAutoCorrect = 2;
constexpr int32_t kStateUndoChange = 3;
constexpr int32_t kStateUndoChangeAll = 4;
constexpr int32_t kStateUndoAutoCorrect = 5;
// Ignore states.
constexpr int32_t kStateIgnore = 10;
constexpr int32_t kStateIgnoreAll = 11;
constexpr int32_t kStateAdd = 12;

}  // namespace

// ---- Starting checks ------------------------------------------------------------

void TVexlorSpell3Base::RunWrapperCheck(TControlParser* parser, TCheckType checkType) {
  const bool owned = ownsParser_;
  CheckParser(parser, checkType);
  if (owned) return;
  // The caller's wrapper made this parser, so it frees it; an asynchronous
  // check still reading it keeps it until it completes.
  if (run_.Checking() && parser_ == parser)
    wrapperParser_.reset(parser);
  else
    delete parser;
}

void TVexlorSpell3Base::CheckString(std::string& text) { RunWrapperCheck(new TStringParser(text), ctAll); }

void TVexlorSpell3Base::CheckWinControl(void* control, TCheckType checkType) {
  if (control == nullptr) return;
  TControlParser* parser = NewWindowParser(control);
  if (parser != nullptr) RunWrapperCheck(parser, checkType);
}

void TVexlorSpell3Base::CheckParser(TControlParser* parser, TCheckType checkType) {
  if (parser == nullptr) return;
  if (run_.Checking() || (run_.SequenceActive() && run_.Cancelled())) {
    if (ownsParser_) delete parser;
    return;
  }
  if (checkType == ctSmart) {
    SmartCheck(parser);
    return;
  }
  run_.Begin();
  EnsureConfigLoaded();

  parser_ = parser;
  int32_t startX = 0, startY = 0;
  parser->GetCursorPosition(startX, startY);
  run_.SetStart(startX, startY);
  run_.ResetPrompt();

  parsingEngine_->Initialize(parser, checkType);
  ClearUndo();
  if (!run_.SequenceActive()) run_.ResetCounters();
  if (dialogShowImmediate_) {
    // A modal dialog is only made ready here; it appears with the first
    // word that needs the user.
    dialog_.SetOpeningAtStart(true);
    ShowSpellDialog();
    dialog_.SetOpeningAtStart(false);
  }
  ResumeCheck();
  while (synchronousCheck_ && run_.Checking()) Platform::ProcessMessages();
}

// ---- The run loop ------------------------------------------------------------------

bool TVexlorSpell3Base::NobodyAnswersPrompts() const {
  return synchronousCheck_ && dialog_.Form() == nullptr && !OnPromptWord;
}

void TVexlorSpell3Base::ResumeCheck() {
  if (!run_.RequestResume()) return;
  std::string& currentWord = run_.CurrentWord();
  for (;;) {
    if (!run_.Checking() || parser_ == nullptr) return;
    THourglass hourglass(useHourglassCursor_);
    TWordCheckType type = wcAccepted;
    for (;;) {
      parsingEngine_->GetNextWord(currentWord);
      if (currentWord.empty()) {
        hourglass.Restore();
        CompleteCheck();
        return;
      }
      if (run_.CountWord()) ReorderMainDictionaries();

      replacement_.clear();
      if (IsWordCorrect(currentWord)) {
        type = wcAccepted;
        if (useExcludeWords_ && IsWordExcluded(currentWord)) {
          type = GetAutoCorrection(currentWord, replacement_) ? wcAutoCorrect : wcExcluded;
        } else if (useAutoCorrectFirst_ && GetAutoCorrection(currentWord, replacement_)) {
          type = wcAutoCorrect;
        } else if (promptRepeated_) {
          std::string& previousWord = run_.PreviousWord();
          if (previousWord == currentWord && IsRepeatedWord(currentWord)) type = wcRepeated;
          previousWord = currentWord;
        }
      } else {
        type = GetAutoCorrection(currentWord, replacement_) ? wcAutoCorrect : wcMisspelled;
      }

      if (OnWordCheck) {
        OnWordCheck(this, currentWord, type, replacement_);
        // A handler may have ended the check.
        if (!run_.Checking() || parser_ == nullptr) return;
      }

      if (type == wcAutoCorrect) {
        parser_->SelectWord(static_cast<int32_t>(currentWord.size()));
        AddUndo(uaChange, replacement_, true);
        ReplaceCurrentWord(replacement_, kStateAutoCorrect);
        if (!run_.Checking() || parser_ == nullptr) return;
      }
      hourglass.Update();
      if (type == wcExcluded || type == wcMisspelled || type == wcRepeated) break;
    }

    hourglass.Restore();
    run_.BeginPrompt(type == wcRepeated);
    parser_->SelectWord(static_cast<int32_t>(currentWord.size()));
    parser_->CenterSelection();
    ShowSpellDialog();
    if (!run_.Checking()) return;

    run_.BeginDispatch();
    PromptWord();
    if (run_.Checking() && !run_.ResumeRequested() && run_.AnswerRefused() && synchronousCheck_ &&
        dialog_.Form() == nullptr) {
      // The host answered only with actions that do not apply to this
      // prompt (a repetition takes no dictionary action and no
      // replacement), and no dialog is there to answer it instead: the word
      // is passed over as Ignore would, rather than waited on for ever.
      Ignore();
    }
    run_.EndDispatch();
    if (run_.Checking() && !run_.ResumeRequested() && NobodyAnswersPrompts()) {
      // Nothing can ever answer this prompt; waiting would never end.
      StopCheck(true);
      return;
    }
    if (!run_.ResumeRequested()) return;
    run_.ClearResumeRequest();
  }
}

void TVexlorSpell3Base::PromptWord() {
  ReorderMainDictionaries();
  if (TSpellDialogBridge* bridge = dialog_.Bridge())
    bridge->RelayPromptWord(this, run_.CurrentWord(), run_.PromptIsRepeated());
  if (OnPromptWord) OnPromptWord(this, run_.CurrentWord(), run_.PromptIsRepeated());
}

void TVexlorSpell3Base::CompleteCheck() {
  if (OnCompleteCheck) OnCompleteCheck(this);
  ShowEndMessage();
  if (parser_ != nullptr && !run_.Cancelled())
    PlaceEndCursor(*parser_, endCursorPosition_, run_.StartX(), run_.StartY());
  if (ownsParser_) delete parser_;
  parser_ = nullptr;
  wrapperParser_.reset();
  HideSpellDialog();
  ClearUndo();
  run_.End();
  CloseDictionaries();
}

void TVexlorSpell3Base::ShowEndMessage() {
  if (uiType_ != suiDialog || run_.SequenceActive()) return;
  bool due = false;
  switch (endMessage_) {
    case emNever:
      break;
    case emAlways:
      due = true;
      break;
    case emExceptCancel:
      due = !run_.Cancelled();
      break;
    case emNoDialog:
      // A modal dialog still waiting for its first word was never seen.
      due = dialog_.Shown() && !dialog_.ModalShowDeferred();
      break;
  }
  if (!due) return;
  if (hideDialogAtEnd_ && dialog_.Form() != nullptr) dialog_.Form()->Hide();
  if (OnShowEndMessage) {
    OnShowEndMessage(this);
    return;
  }
  std::string text, caption;
  GetString(lsCheckComplete, text);
  if (endMessageWordCount_) {
    std::string label;
    GetString(lsWordsChecked, label);
    text += "\r\n\r\n" + label + " " + std::to_string(run_.WordsChecked());
  }
  GetString(lsSpellDialogCaption, caption);
  Platform::MessageBox(text, caption, Platform::kMbOk | Platform::kMbIconInformation);
}

// ---- Editing the text ---------------------------------------------------------------

void TVexlorSpell3Base::ReplaceCurrentWord(const std::string& replacement, int32_t state) {
  if (run_.FirstChange() && OnBeforeChange) OnBeforeChange(this);
  if (OnParserReplaceWord) OnParserReplaceWord(this, true, replacement, state);
  if (parser_ != nullptr) parser_->ReplaceWord(replacement, state);
  if (OnParserReplaceWord) OnParserReplaceWord(this, false, replacement, state);
}

void TVexlorSpell3Base::IgnoreCurrentWord(int32_t state) {
  if (OnParserIgnoreWord) OnParserIgnoreWord(this, true, state);
  ignoreWordListeners_->State = state;
  ignoreWordListeners_->Before = true;
  ignoreWordListeners_->Notify(this);
  if (parser_ != nullptr) parser_->IgnoreWord(state);
  if (OnParserIgnoreWord) OnParserIgnoreWord(this, false, state);
  ignoreWordListeners_->Before = false;
  ignoreWordListeners_->Notify(this);
}

// ---- Undo -------------------------------------------------------------------------------

void TVexlorSpell3Base::NotifyUndo(int32_t undoState, TSpellAction action, int32_t& data) {
  if (OnParserUndoLast) OnParserUndoLast(this, undoState, action, data);
  if (parser_ != nullptr) parser_->UndoLast(undoState, action, data);
}

void TVexlorSpell3Base::AddUndo(TSpellAction action, const std::string& replacement, bool automatic) {
  if (parser_ == nullptr || run_.MaxUndo() == 0) return;
  auto record = std::make_unique<TVexlorUndo>();
  parser_->GetPosition(record->XPos, record->YPos);
  record->Word = run_.CurrentWord();
  record->Action = action;
  record->Replacement = replacement;
  record->Automatic = automatic;
  TVexlorUndo* added = run_.PushUndo(std::move(record));
  NotifyUndo(0, action, added->Data);
  run_.TrimUndo();
}

bool TVexlorSpell3Base::UndoOne() {
  TVexlorUndo* u = run_.LastUndo();
  if (u == nullptr || parser_ == nullptr) return false;
  NotifyUndo(1, u->Action, u->Data);
  if (run_.LastUndo() != u || parser_ == nullptr) return false;

  auto restoreText = [this, u](int32_t state) {
    parser_->SetPosition(u->XPos + static_cast<int32_t>(u->Replacement.size()), u->YPos, ppCurrent);
    parser_->SelectWord(static_cast<int32_t>(u->Replacement.size()));
    ReplaceCurrentWord(u->Word, state);
  };
  switch (u->Action) {
    case uaIgnore:
      break;
    case uaIgnoreAll:
      dictionaries_.Internal()->RemoveIgnore(u->Word);
      break;
    case uaChange:
      restoreText(kStateUndoChange);
      break;
    case uaChangeAll:
      dictionaries_.Internal()->RemoveAutoCorrect(u->Word);
      restoreText(kStateUndoChangeAll);
      break;
    case uaAdd:
      if (TCustomDictionary* active = dictionaries_.ActiveCustom()) active->RemoveIgnore(u->Word);
      break;
    case uaAutoCorrect:
      if (TCustomDictionary* active = dictionaries_.ActiveCustom()) active->RemoveAutoCorrect(u->Word);
      dictionaries_.Internal()->RemoveAutoCorrect(u->Word);
      restoreText(kStateUndoAutoCorrect);
      break;
  }
  if (parser_ != nullptr) parser_->SetPosition(u->XPos, u->YPos, ppCurrent);

  std::unique_ptr<TVexlorUndo> removed = run_.PopUndo();
  NotifyUndo(2, removed->Action, removed->Data);
  return removed->Automatic;
}

void TVexlorSpell3Base::UndoLast() {
  // Automatic corrections made since the last user action go with it; a
  // loop rather than recursion keeps long runs of them off the stack.
  while (UndoOne()) {
  }
}

void TVexlorSpell3Base::ClearUndo() { run_.ClearUndo(); }

bool TVexlorSpell3Base::CanUndo() { return run_.UndoCount() > 0; }

// ---- The user's actions ---------------------------------------------------------------

bool TVexlorSpell3Base::Ignore() {
  if (!run_.TakeAnswer(true)) return false;
  AddUndo(uaIgnore, std::string(), false);
  IgnoreCurrentWord(kStateIgnore);
  ResumeCheck();
  return true;
}

bool TVexlorSpell3Base::IgnoreRepeated() { return Ignore(); }

bool TVexlorSpell3Base::IgnoreAll() {
  if (!run_.TakeAnswer(false)) return false;
  AddUndo(uaIgnoreAll, std::string(), false);
  dictionaries_.Internal()->AddIgnore(run_.CurrentWord());
  IgnoreCurrentWord(kStateIgnoreAll);
  ResumeCheck();
  return true;
}

bool TVexlorSpell3Base::Change(const std::string& replacement) {
  if (!run_.TakeAnswer(false)) return false;
  const std::string word = run_.CurrentWord();
  const std::string copy = replacement;  // the caller's string may be ours
  AddUndo(uaChange, copy, false);
  ReplaceCurrentWord(copy, kStateChange);
  if (recheckReplacedWords_ && parser_ != nullptr) {
    int32_t x = 0, y = 0;
    parser_->GetPosition(x, y);
    parser_->SetPosition(x - static_cast<int32_t>(copy.size()), y, ppCurrent);
  }
  LearnReplacement(word, copy);
  ResumeCheck();
  return true;
}

bool TVexlorSpell3Base::ChangeAll(const std::string& replacement) {
  if (!run_.TakeAnswer(false)) return false;
  const std::string word = run_.CurrentWord();
  const std::string copy = replacement;
  AddUndo(uaChangeAll, copy, false);
  dictionaries_.Internal()->AddAutoCorrect(word, copy);
  ReplaceCurrentWord(copy, kStateChangeAll);
  LearnReplacement(word, copy);
  ResumeCheck();
  return true;
}

bool TVexlorSpell3Base::Add() {
  if (!run_.TakeAnswer(false)) return false;
  AddUndo(uaAdd, std::string(), false);
  if (TCustomDictionary* active = dictionaries_.ActiveCustom()) active->AddIgnore(run_.CurrentWord());
  IgnoreCurrentWord(kStateAdd);
  ResumeCheck();
  return true;
}

bool TVexlorSpell3Base::AutoCorrect(const std::string& replacement) {
  if (!run_.TakeAnswer(false)) return false;
  const std::string word = run_.CurrentWord();
  const std::string copy = replacement;
  AddUndo(uaAutoCorrect, copy, false);
  if (TCustomDictionary* active = dictionaries_.ActiveCustom()) active->AddAutoCorrect(word, copy);
  LearnReplacement(word, copy);
  ReplaceCurrentWord(copy, kStateAutoCorrect);
  ResumeCheck();
  return true;
}

bool TVexlorSpell3Base::DeleteRepeated() {
  if (!run_.PromptIsRepeated()) {
    run_.RefuseAnswer();
    return false;
  }
  if (!run_.TakeAnswer(true)) return false;
  const std::string single = run_.PreviousWord();
  AddUndo(uaChange, single, false);
  ReplaceCurrentWord(single, kStateChange);
  ResumeCheck();
  return true;
}

bool TVexlorSpell3Base::Undo() {
  if (!CanUndo()) {
    run_.RefuseAnswer();
    return false;
  }
  if (!run_.TakeAnswer(true)) return false;
  UndoLast();
  ResumeCheck();
  return true;
}

void TVexlorSpell3Base::Cancel() {
  if (!run_.Checking()) return;
  run_.SetCancelled(true);
  CompleteCheck();
}

void TVexlorSpell3Base::StopCheck(bool flag) {
  if (!run_.Checking()) return;
  run_.SetCancelled(flag);
  CompleteCheck();
}

void TVexlorSpell3Base::Resynchronize() {
  if (!run_.Checking() || parser_ == nullptr) return;
  ClearUndo();
  int32_t x = 0, y = 0;
  parser_->GetPosition(x, y);
  x -= static_cast<int32_t>(run_.CurrentWord().size());
  if (x < 0) x = 0;
  int32_t cx = 0, cy = 0;
  parser_->GetCursorPosition(cx, cy);
  if (cy < y) {
    x = cx;
    y = cy;
  } else if (cy == y && cx < x) {
    x = cx;
  }
  parsingEngine_->MoveTo(x, y);
  ResumeCheck();
}

// ---- Sequences and smart checks -------------------------------------------------------

void TVexlorSpell3Base::StartSequenceCheck() {
  run_.BeginSequence();
  savedHideDialogAtEnd_ = hideDialogAtEnd_;
  savedKeepDictionariesActive_ = keepDictionariesActive_;
  hideDialogAtEnd_ = false;
  keepDictionariesActive_ = true;
}

void TVexlorSpell3Base::StopSequenceCheck() {
  if (!run_.SequenceActive()) return;
  run_.SetSequenceActive(false);
  hideDialogAtEnd_ = true;
  ShowEndMessage();
  CloseDialog();
  hideDialogAtEnd_ = savedHideDialogAtEnd_;
  SetKeepDictionariesActive(savedKeepDictionariesActive_);
}

void TVexlorSpell3Base::SmartCheck(TControlParser* parser) {
  const bool savedSynchronous = synchronousCheck_;
  const bool savedOwnsParser = ownsParser_;
  synchronousCheck_ = true;
  ownsParser_ = false;
  StartSequenceCheck();

  int32_t sx = 0, sy = 0, ex = 0, ey = 0;
  parser->GetSelection(sx, sy, ex, ey);
  run_.SetStart(sx, sy);
  if (sx == ex && sy == ey) {
    CheckParser(parser, ctFromCursor);
    parser->SetPosition(0, 0, ppCurrent);
    parser->SetPosition(sx, sy, ppEnd);
    CheckParser(parser, ctContinue);
  } else {
    CheckParser(parser, ctSelected);
    if (!run_.Cancelled()) {
      std::string question, caption;
      GetString(lsCheckRemainder, question);
      GetString(lsSpellDialogCaption, caption);
      const int answer =
          Platform::MessageBox(question, caption, Platform::kMbYesNo | Platform::kMbIconInformation);
      if (answer == Platform::kIdYes) {
        parser->SetPosition(ex, ey, ppCurrent);
        parser->SetPosition(kNoBound, kNoBound, ppEnd);
        CheckParser(parser, ctContinue);
        parser->SetPosition(0, 0, ppCurrent);
        parser->SetPosition(sx, sy, ppEnd);
        CheckParser(parser, ctContinue);
      } else {
        run_.SetCancelled(true);
      }
    }
  }

  StopSequenceCheck();
  ownsParser_ = savedOwnsParser;
  synchronousCheck_ = savedSynchronous;
  if (ownsParser_) delete parser;
}

// ---- Word counts -------------------------------------------------------------------------

int32_t TVexlorSpell3Base::WordCountParser(TControlParser* parser, TCheckType checkType) {
  if (parser == nullptr) return 0;
  std::unique_ptr<TControlParser> owned(ownsParser_ ? parser : nullptr);
  if (checkType != ctSelected && checkType != ctAll) return 0;

  EnsureConfigLoaded();
  int32_t caretX = 0, caretY = 0;
  parser->GetCursorPosition(caretX, caretY);

  TMainParsingEngine engine;
  ConnectEngineHooks(&engine);
  engine.Initialize(parser, checkType);
  THourglass hourglass(useHourglassCursor_);
  int32_t count = 0;
  std::string word;
  for (;;) {
    engine.GetNextWord(word);
    if (word.empty()) break;
    ++count;
    hourglass.Update();
  }

  PlaceEndCursor(*parser, endCursorPosition_, caretX, caretY);
  return count;
}

int32_t TVexlorSpell3Base::RunWrapperCount(TControlParser* parser, TCheckType checkType) {
  const bool owned = ownsParser_;
  const int32_t count = WordCountParser(parser, checkType);
  if (!owned) delete parser;
  return count;
}

int32_t TVexlorSpell3Base::WordCount(const std::string& text) {
  std::string copy = text;
  return RunWrapperCount(new TStringParser(copy), ctAll);
}

int32_t TVexlorSpell3Base::WordCountWinControl(void* control, TCheckType checkType) {
  if (control == nullptr) return 0;
  TControlParser* parser = NewWindowParser(control);
  return parser != nullptr ? RunWrapperCount(parser, checkType) : 0;
}
