// The checking run of the spell-checker component: starting checks, the run
// loop, the user's actions, undo, sequences, smart checks and word counts.
#include <memory>

#include "vl3Configuration.h"
#include "vl3ConfigurationDialogCtrl.h"
#include "vl3CustomDictionary.h"
#include "vl3ParseEngine.h"
#include "vl3ParserBase.h"
#include "vl3Platform.h"
#include "vl3SpellBase.h"
#include "vl3StringParser.h"
#include "vl3Util.h"

namespace {

constexpr uint32_t kHourglassDelayMs = 1000;
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

// Shows the hourglass after a long uninterrupted stretch of reading and puts
// the previous cursor back however the stretch ends.
class THourglass {
 public:
  explicit THourglass(bool enabled) : enabled_(enabled), started_(Platform::TickCount()) {}
  ~THourglass() { Restore(); }
  THourglass(const THourglass&) = delete;
  THourglass& operator=(const THourglass&) = delete;

  void Update() {
    if (!enabled_ || shown_) return;
    // The clock is read every few words only: reading it costs more than
    // accepting a word, and the delay is long by comparison.
    if (++calls_ % kWordsPerClockRead != 0) return;
    if (static_cast<uint32_t>(Platform::TickCount() - started_) <= kHourglassDelayMs) return;
    saved_ = Platform::GetCursor();
    Platform::SetCursor(Platform::TCursor::Hourglass);
    shown_ = true;
  }
  void Restore() {
    if (!shown_) return;
    Platform::SetCursor(saved_);
    shown_ = false;
  }

 private:
  static constexpr uint32_t kWordsPerClockRead = 32;
  bool enabled_;
  uint32_t started_;
  uint32_t calls_ = 0;
  bool shown_ = false;
  Platform::TCursor saved_ = Platform::TCursor::Default;
};

// Puts the caret where a finished check or count leaves it (home, back at
// the start position, or where it is) and selects nothing.
void PlaceEndCursor(TControlParser& parser, TSpellEndPosition where, int32_t startX, int32_t startY) {
  switch (where) {
    case epHome:
      parser.SetPosition(0, 0, ppCurrent);
      break;
    case epOriginal:
      parser.SetPosition(startX, startY, ppCurrent);
      break;
    case epNoModify:
      break;
  }
  parser.SelectWord(0);
}

}  // namespace

// ---- Starting checks ------------------------------------------------------------

void TVexlorSpell3Base::RunWrapperCheck(TControlParser* parser, TCheckType checkType) {
  const bool owned = ownsParser_;
  CheckParser(parser, checkType);
  if (owned) return;
  // The caller's wrapper made this parser, so it frees it; an asynchronous
  // check still reading it keeps it until it completes.
  if (checking_ && parser_ == parser)
    wrapperParser_.reset(parser);
  else
    delete parser;
}

void TVexlorSpell3Base::CheckString(std::string& S) { RunWrapperCheck(new TStringParser(S), ctAll); }

void TVexlorSpell3Base::CheckWinControl(void* Control, TCheckType CheckType) {
  if (Control == nullptr) return;
  TControlParser* parser = NewWindowParser(Control);
  if (parser != nullptr) RunWrapperCheck(parser, CheckType);
}

void TVexlorSpell3Base::CheckParser(TControlParser* Parser, TCheckType CheckType) {
  if (Parser == nullptr) return;
  if (checking_ || (sequenceActive_ && cancelled_)) {
    if (ownsParser_) delete Parser;
    return;
  }
  if (CheckType == ctSmart) {
    SmartCheck(Parser);
    return;
  }
  changeNotified_ = false;
  checking_ = true;
  cancelled_ = false;
  EnsureConfigLoaded();

  parser_ = Parser;
  startX_ = 0;
  startY_ = 0;
  Parser->GetCursorPosition(startX_, startY_);
  previousWord_.clear();
  promptIsRepeated_ = false;
  promptAnswered_ = false;
  answerRefused_ = false;

  parsingEngine_->Initialize(Parser, CheckType);
  ClearUndo();
  if (!sequenceActive_) {
    wordsChecked_ = 0;
    reorderCountdown_ = kReorderAfterWords;
  }
  if (dialogShowImmediate_) {
    // A modal dialog is only made ready here; it appears with the first
    // word that needs the user.
    openingAtStart_ = true;
    ShowSpellDialog();
    openingAtStart_ = false;
  }
  ResumeCheck();
  while (synchronousCheck_ && checking_) Platform::ProcessMessages();
}

// ---- The run loop ------------------------------------------------------------------

bool TVexlorSpell3Base::NobodyAnswersPrompts() const {
  return synchronousCheck_ && spellDialog_ == nullptr && !OnPromptWord;
}

void TVexlorSpell3Base::ResumeCheck() {
  if (promptDispatching_) {
    resumePending_ = true;
    return;
  }
  for (;;) {
    if (!checking_ || parser_ == nullptr) return;
    THourglass hourglass(useHourglassCursor_);
    TWordCheckType type = wcAccepted;
    for (;;) {
      parsingEngine_->GetNextWord(currentWord_);
      if (currentWord_.empty()) {
        hourglass.Restore();
        CompleteCheck();
        return;
      }
      ++wordsChecked_;
      if (reorderCountdown_ > 0 && --reorderCountdown_ == 0) ReorderMainDictionaries();

      replacement_.clear();
      if (IsWordCorrect(currentWord_)) {
        type = wcAccepted;
        if (useExcludeWords_ && IsWordExcluded(currentWord_)) {
          type = GetAutoCorrection(currentWord_, replacement_) ? wcAutoCorrect : wcExcluded;
        } else if (useAutoCorrectFirst_ && GetAutoCorrection(currentWord_, replacement_)) {
          type = wcAutoCorrect;
        } else if (promptRepeated_) {
          if (previousWord_ == currentWord_ && IsRepeatedWord(currentWord_)) type = wcRepeated;
          previousWord_ = currentWord_;
        }
      } else {
        type = GetAutoCorrection(currentWord_, replacement_) ? wcAutoCorrect : wcMisspelled;
      }

      if (OnWordCheck) {
        OnWordCheck(this, currentWord_, type, replacement_);
        // A handler may have ended the check.
        if (!checking_ || parser_ == nullptr) return;
      }

      if (type == wcAutoCorrect) {
        parser_->SelectWord(static_cast<int32_t>(currentWord_.size()));
        AddUndo(uaChange, replacement_, true);
        ReplaceCurrentWord(replacement_, kStateAutoCorrect);
        if (!checking_ || parser_ == nullptr) return;
      }
      hourglass.Update();
      if (type == wcExcluded || type == wcMisspelled || type == wcRepeated) break;
    }

    hourglass.Restore();
    promptIsRepeated_ = type == wcRepeated;
    if (promptIsRepeated_) currentWord_ = currentWord_ + " " + currentWord_;
    parser_->SelectWord(static_cast<int32_t>(currentWord_.size()));
    parser_->CenterSelection();
    promptAnswered_ = false;
    answerRefused_ = false;
    ShowSpellDialog();
    if (!checking_) return;

    promptDispatching_ = true;
    resumePending_ = false;
    PromptWord();
    if (checking_ && !resumePending_ && answerRefused_ && synchronousCheck_ && spellDialog_ == nullptr) {
      // The host answered only with actions that do not apply to this
      // prompt (a repetition takes no dictionary action and no
      // replacement), and no dialog is there to answer it instead: the word
      // is passed over as Ignore would, rather than waited on for ever.
      Ignore();
    }
    promptDispatching_ = false;
    if (checking_ && !resumePending_ && NobodyAnswersPrompts()) {
      // Nothing can ever answer this prompt; waiting would never end.
      StopCheck(true);
      return;
    }
    if (!resumePending_) return;
    resumePending_ = false;
  }
}

void TVexlorSpell3Base::PromptWord() {
  ReorderMainDictionaries();
  if (dialogControl_ != nullptr && dialogControl_->OnPromptWord)
    dialogControl_->OnPromptWord(this, currentWord_, promptIsRepeated_);
  if (OnPromptWord) OnPromptWord(this, currentWord_, promptIsRepeated_);
}

void TVexlorSpell3Base::CompleteCheck() {
  if (OnCompleteCheck) OnCompleteCheck(this);
  ShowEndMessage();
  if (parser_ != nullptr && !cancelled_) PlaceEndCursor(*parser_, endCursorPosition_, startX_, startY_);
  if (ownsParser_) delete parser_;
  parser_ = nullptr;
  wrapperParser_.reset();
  HideSpellDialog();
  ClearUndo();
  checking_ = false;
  promptDispatching_ = false;
  resumePending_ = false;
  promptAnswered_ = false;
  answerRefused_ = false;
  CloseDictionaries();
}

void TVexlorSpell3Base::ShowEndMessage() {
  if (uiType_ != suiDialog || sequenceActive_) return;
  bool due = false;
  switch (endMessage_) {
    case emNever:
      break;
    case emAlways:
      due = true;
      break;
    case emExceptCancel:
      due = !cancelled_;
      break;
    case emNoDialog:
      // A modal dialog still waiting for its first word was never seen.
      due = dialogShown_ && !modalShowDeferred_;
      break;
  }
  if (!due) return;
  if (hideDialogAtEnd_ && spellDialog_ != nullptr) spellDialog_->Hide();
  if (OnShowEndMessage) {
    OnShowEndMessage(this);
    return;
  }
  std::string text, caption;
  GetString(lsCheckComplete, text);
  if (endMessageWordCount_) {
    std::string label;
    GetString(lsWordsChecked, label);
    text += "\r\n\r\n" + label + " " + std::to_string(wordsChecked_);
  }
  GetString(lsSpellDialogCaption, caption);
  Platform::MessageBox(text, caption, Platform::kMbOk | Platform::kMbIconInformation);
}

// ---- Editing the text ---------------------------------------------------------------

void TVexlorSpell3Base::ReplaceCurrentWord(const std::string& Replacement, int32_t State) {
  if (!changeNotified_) {
    changeNotified_ = true;
    if (OnBeforeChange) OnBeforeChange(this);
  }
  if (OnParserReplaceWord) OnParserReplaceWord(this, true, Replacement, State);
  if (parser_ != nullptr) parser_->ReplaceWord(Replacement, State);
  if (OnParserReplaceWord) OnParserReplaceWord(this, false, Replacement, State);
}

void TVexlorSpell3Base::IgnoreCurrentWord(int32_t State) {
  if (OnParserIgnoreWord) OnParserIgnoreWord(this, true, State);
  ignoreWordListeners_->State = State;
  ignoreWordListeners_->Before = true;
  ignoreWordListeners_->Notify(this);
  if (parser_ != nullptr) parser_->IgnoreWord(State);
  if (OnParserIgnoreWord) OnParserIgnoreWord(this, false, State);
  ignoreWordListeners_->Before = false;
  ignoreWordListeners_->Notify(this);
}

// ---- Undo -------------------------------------------------------------------------------

void TVexlorSpell3Base::NotifyUndo(int32_t UndoState, TSpellAction Action, int32_t& Data) {
  if (OnParserUndoLast) OnParserUndoLast(this, UndoState, Action, Data);
  if (parser_ != nullptr) parser_->UndoLast(UndoState, Action, Data);
}

void TVexlorSpell3Base::AddUndo(TSpellAction Action, const std::string& Replacement, bool Automatic) {
  if (parser_ == nullptr || maxUndo_ == 0) return;
  auto record = std::make_unique<TVexlorUndo>();
  parser_->GetPosition(record->XPos, record->YPos);
  record->Word = currentWord_;
  record->Action = Action;
  record->Replacement = Replacement;
  record->Automatic = Automatic;
  TVexlorUndo* added = record.get();
  undoStack_.push_back(std::move(record));
  NotifyUndo(0, Action, added->Data);
  if (maxUndo_ != -1) {
    const size_t limit = maxUndo_ < 0 ? 0 : static_cast<size_t>(maxUndo_);
    if (undoStack_.size() > limit)
      undoStack_.erase(undoStack_.begin(), undoStack_.begin() + static_cast<std::ptrdiff_t>(undoStack_.size() - limit));
  }
}

bool TVexlorSpell3Base::UndoOne() {
  if (undoStack_.empty() || parser_ == nullptr) return false;
  TVexlorUndo* u = undoStack_.back().get();
  NotifyUndo(1, u->Action, u->Data);
  if (undoStack_.empty() || undoStack_.back().get() != u || parser_ == nullptr) return false;

  auto restoreText = [this, u](int32_t state) {
    parser_->SetPosition(u->XPos + static_cast<int32_t>(u->Replacement.size()), u->YPos, ppCurrent);
    parser_->SelectWord(static_cast<int32_t>(u->Replacement.size()));
    ReplaceCurrentWord(u->Word, state);
  };
  switch (u->Action) {
    case uaIgnore:
      break;
    case uaIgnoreAll:
      internalDictionary_->RemoveIgnore(u->Word);
      break;
    case uaChange:
      restoreText(kStateUndoChange);
      break;
    case uaChangeAll:
      internalDictionary_->RemoveAutoCorrect(u->Word);
      restoreText(kStateUndoChangeAll);
      break;
    case uaAdd:
      if (activeCustomDictionary_) activeCustomDictionary_->RemoveIgnore(u->Word);
      break;
    case uaAutoCorrect:
      if (activeCustomDictionary_) activeCustomDictionary_->RemoveAutoCorrect(u->Word);
      internalDictionary_->RemoveAutoCorrect(u->Word);
      restoreText(kStateUndoAutoCorrect);
      break;
  }
  if (parser_ != nullptr) parser_->SetPosition(u->XPos, u->YPos, ppCurrent);

  std::unique_ptr<TVexlorUndo> removed = std::move(undoStack_.back());
  undoStack_.pop_back();
  NotifyUndo(2, removed->Action, removed->Data);
  return removed->Automatic;
}

void TVexlorSpell3Base::UndoLast() {
  // Automatic corrections made since the last user action go with it; a
  // loop rather than recursion keeps long runs of them off the stack.
  while (UndoOne()) {
  }
}

void TVexlorSpell3Base::ClearUndo() { undoStack_.clear(); }

bool TVexlorSpell3Base::CanUndo() { return !undoStack_.empty(); }

// ---- The user's actions ---------------------------------------------------------------

bool TVexlorSpell3Base::TakeAnswer(bool OnRepetition) {
  if (!checking_ || promptAnswered_) return false;
  if (promptIsRepeated_ && !OnRepetition) {
    answerRefused_ = true;
    return false;
  }
  promptAnswered_ = true;
  return true;
}

bool TVexlorSpell3Base::Ignore() {
  if (!TakeAnswer(true)) return false;
  AddUndo(uaIgnore, std::string(), false);
  IgnoreCurrentWord(kStateIgnore);
  ResumeCheck();
  return true;
}

bool TVexlorSpell3Base::IgnoreRepeated() { return Ignore(); }

bool TVexlorSpell3Base::IgnoreAll() {
  if (!TakeAnswer(false)) return false;
  AddUndo(uaIgnoreAll, std::string(), false);
  internalDictionary_->AddIgnore(currentWord_);
  IgnoreCurrentWord(kStateIgnoreAll);
  ResumeCheck();
  return true;
}

bool TVexlorSpell3Base::Change(const std::string& Replacement) {
  if (!TakeAnswer(false)) return false;
  const std::string word = currentWord_;
  const std::string replacement = Replacement;  // the caller's string may be ours
  AddUndo(uaChange, replacement, false);
  ReplaceCurrentWord(replacement, kStateChange);
  if (recheckReplacedWords_ && parser_ != nullptr) {
    int32_t x = 0, y = 0;
    parser_->GetPosition(x, y);
    parser_->SetPosition(x - static_cast<int32_t>(replacement.size()), y, ppCurrent);
  }
  LearnReplacement(word, replacement);
  ResumeCheck();
  return true;
}

bool TVexlorSpell3Base::ChangeAll(const std::string& Replacement) {
  if (!TakeAnswer(false)) return false;
  const std::string word = currentWord_;
  const std::string replacement = Replacement;
  AddUndo(uaChangeAll, replacement, false);
  internalDictionary_->AddAutoCorrect(word, replacement);
  ReplaceCurrentWord(replacement, kStateChangeAll);
  LearnReplacement(word, replacement);
  ResumeCheck();
  return true;
}

bool TVexlorSpell3Base::Add() {
  if (!TakeAnswer(false)) return false;
  AddUndo(uaAdd, std::string(), false);
  if (activeCustomDictionary_) activeCustomDictionary_->AddIgnore(currentWord_);
  IgnoreCurrentWord(kStateAdd);
  ResumeCheck();
  return true;
}

bool TVexlorSpell3Base::AutoCorrect(const std::string& Replacement) {
  if (!TakeAnswer(false)) return false;
  const std::string word = currentWord_;
  const std::string replacement = Replacement;
  AddUndo(uaAutoCorrect, replacement, false);
  if (activeCustomDictionary_) activeCustomDictionary_->AddAutoCorrect(word, replacement);
  LearnReplacement(word, replacement);
  ReplaceCurrentWord(replacement, kStateAutoCorrect);
  ResumeCheck();
  return true;
}

bool TVexlorSpell3Base::DeleteRepeated() {
  if (checking_ && !promptAnswered_ && !promptIsRepeated_) answerRefused_ = true;
  if (!promptIsRepeated_ || !TakeAnswer(true)) return false;
  const std::string single = previousWord_;
  AddUndo(uaChange, single, false);
  ReplaceCurrentWord(single, kStateChange);
  ResumeCheck();
  return true;
}

bool TVexlorSpell3Base::Undo() {
  if (checking_ && !promptAnswered_ && !CanUndo()) answerRefused_ = true;
  if (!CanUndo() || !TakeAnswer(true)) return false;
  UndoLast();
  ResumeCheck();
  return true;
}

void TVexlorSpell3Base::Cancel() {
  if (!checking_) return;
  cancelled_ = true;
  CompleteCheck();
}

void TVexlorSpell3Base::StopCheck(bool Flag) {
  if (!checking_) return;
  cancelled_ = Flag;
  CompleteCheck();
}

void TVexlorSpell3Base::Resynchronize() {
  if (!checking_ || parser_ == nullptr) return;
  ClearUndo();
  int32_t x = 0, y = 0;
  parser_->GetPosition(x, y);
  x -= static_cast<int32_t>(currentWord_.size());
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
  wordsChecked_ = 0;
  reorderCountdown_ = kReorderAfterWords;
  cancelled_ = false;
  sequenceActive_ = true;
  savedHideDialogAtEnd_ = hideDialogAtEnd_;
  savedKeepDictionariesActive_ = keepDictionariesActive_;
  hideDialogAtEnd_ = false;
  keepDictionariesActive_ = true;
}

void TVexlorSpell3Base::StopSequenceCheck() {
  if (!sequenceActive_) return;
  sequenceActive_ = false;
  hideDialogAtEnd_ = true;
  ShowEndMessage();
  CloseDialog();
  hideDialogAtEnd_ = savedHideDialogAtEnd_;
  SetKeepDictionariesActive(savedKeepDictionariesActive_);
}

void TVexlorSpell3Base::SmartCheck(TControlParser* Parser) {
  const bool savedSynchronous = synchronousCheck_;
  const bool savedOwnsParser = ownsParser_;
  synchronousCheck_ = true;
  ownsParser_ = false;
  StartSequenceCheck();

  int32_t sx = 0, sy = 0, ex = 0, ey = 0;
  Parser->GetSelection(sx, sy, ex, ey);
  startX_ = sx;
  startY_ = sy;
  if (sx == ex && sy == ey) {
    CheckParser(Parser, ctFromCursor);
    Parser->SetPosition(0, 0, ppCurrent);
    Parser->SetPosition(sx, sy, ppEnd);
    CheckParser(Parser, ctContinue);
  } else {
    CheckParser(Parser, ctSelected);
    if (!cancelled_) {
      std::string question, caption;
      GetString(lsCheckRemainder, question);
      GetString(lsSpellDialogCaption, caption);
      const int answer =
          Platform::MessageBox(question, caption, Platform::kMbYesNo | Platform::kMbIconInformation);
      if (answer == Platform::kIdYes) {
        Parser->SetPosition(ex, ey, ppCurrent);
        Parser->SetPosition(kNoBound, kNoBound, ppEnd);
        CheckParser(Parser, ctContinue);
        Parser->SetPosition(0, 0, ppCurrent);
        Parser->SetPosition(sx, sy, ppEnd);
        CheckParser(Parser, ctContinue);
      } else {
        cancelled_ = true;
      }
    }
  }

  StopSequenceCheck();
  ownsParser_ = savedOwnsParser;
  synchronousCheck_ = savedSynchronous;
  if (ownsParser_) delete Parser;
}

// ---- Word counts -------------------------------------------------------------------------

int32_t TVexlorSpell3Base::WordCountParser(TControlParser* Parser, TCheckType CheckType) {
  if (Parser == nullptr) return 0;
  std::unique_ptr<TControlParser> owned(ownsParser_ ? Parser : nullptr);
  if (CheckType != ctSelected && CheckType != ctAll) return 0;

  EnsureConfigLoaded();
  int32_t caretX = 0, caretY = 0;
  Parser->GetCursorPosition(caretX, caretY);

  TMainParsingEngine engine;
  ConnectEngineHooks(&engine);
  engine.Initialize(Parser, CheckType);
  THourglass hourglass(useHourglassCursor_);
  int32_t count = 0;
  std::string word;
  for (;;) {
    engine.GetNextWord(word);
    if (word.empty()) break;
    ++count;
    hourglass.Update();
  }

  PlaceEndCursor(*Parser, endCursorPosition_, caretX, caretY);
  return count;
}

int32_t TVexlorSpell3Base::RunWrapperCount(TControlParser* parser, TCheckType checkType) {
  const bool owned = ownsParser_;
  const int32_t count = WordCountParser(parser, checkType);
  if (!owned) delete parser;
  return count;
}

int32_t TVexlorSpell3Base::WordCount(const std::string& S) {
  std::string copy = S;
  return RunWrapperCount(new TStringParser(copy), ctAll);
}

int32_t TVexlorSpell3Base::WordCountWinControl(void* Control, TCheckType CheckType) {
  if (Control == nullptr) return 0;
  TControlParser* parser = NewWindowParser(Control);
  return parser != nullptr ? RunWrapperCount(parser, CheckType) : 0;
}
