// The spell-checker component's checking run: starting checks, the run loop,
// the end of a check, sequences, smart checks and word counts.
#include "vl3SpellCheckLoop.h"

#include "vl3Configuration.h"
#include "vl3ParseEngine.h"
#include "vl3ParserBase.h"
#include "vl3Platform.h"
#include "vl3SpellBase.h"
#include "vl3StringParser.h"

namespace {

constexpr int32_t kNoBound = 2147483647;

}  // namespace

TSpellCheckLoop::TSpellCheckLoop(TVexlorSpell3Base& spell) : spell_(spell) {}

TSpellCheckLoop::~TSpellCheckLoop() = default;

// ---- Starting checks ------------------------------------------------------------

void TSpellCheckLoop::RunWrapperCheck(TControlParser* parser, TCheckType checkType) {
  const bool owned = spell_.ownsParser_;
  spell_.CheckParser(parser, checkType);
  if (owned) return;
  // The caller's wrapper made this parser, so it frees it; an asynchronous
  // check still reading it keeps it until it completes.
  if (spell_.run_.Checking() && spell_.parser_ == parser)
    wrapperParser_.reset(parser);
  else
    delete parser;
}

void TSpellCheckLoop::CheckString(std::string& text) {
  RunWrapperCheck(new TStringParser(text), ctAll);
}

void TSpellCheckLoop::CheckWinControl(void* control, TCheckType checkType) {
  if (control == nullptr) return;
  TControlParser* parser = TVexlorSpell3Base::NewWindowParser(control);
  if (parser != nullptr) RunWrapperCheck(parser, checkType);
}

void TSpellCheckLoop::CheckParser(TControlParser* parser, TCheckType checkType) {
  TVexlorSpell3Base& spell = spell_;
  TSpellCheckRun& run = spell.run_;
  if (parser == nullptr) return;
  if (run.Checking() || (run.SequenceActive() && run.Cancelled())) {
    if (spell.ownsParser_) delete parser;
    return;
  }
  if (checkType == ctSmart) {
    spell.SmartCheck(parser);
    return;
  }
  run.Begin();
  spell.EnsureConfigLoaded();

  spell.parser_ = parser;
  int32_t startX = 0, startY = 0;
  parser->GetCursorPosition(startX, startY);
  run.SetStart(startX, startY);
  run.ResetPrompt();

  spell.parsingEngine_->Initialize(parser, checkType);
  spell.ClearUndo();
  if (!run.SequenceActive()) run.ResetCounters();
  if (spell.dialogShowImmediate_) {
    // A modal dialog is only made ready here; it appears with the first
    // word that needs the user.
    spell.dialog_.SetOpeningAtStart(true);
    spell.ShowSpellDialog();
    spell.dialog_.SetOpeningAtStart(false);
  }
  spell.ResumeCheck();
  // Waits for the user's answers; a program that quits meanwhile cancels
  // the check, or it would never end.
  while (spell.synchronousCheck_ && run.Checking()) {
    if (!Platform::ProcessMessages()) {
      spell.Cancel();
      break;
    }
    if (run.Checking()) Platform::WaitForMessages();
  }
}

// ---- The run loop ------------------------------------------------------------------

bool TSpellCheckLoop::NobodyAnswersPrompts() const {
  return spell_.synchronousCheck_ && spell_.dialog_.Form() == nullptr && !spell_.OnPromptWord;
}

void TSpellCheckLoop::ResumeCheck() {
  TVexlorSpell3Base& spell = spell_;
  TSpellCheckRun& run = spell.run_;
  if (!run.RequestResume()) return;
  std::string& currentWord = run.CurrentWord();
  for (;;) {
    if (!run.Checking() || spell.parser_ == nullptr) return;
    THourglass hourglass(spell.useHourglassCursor_);
    TWordCheckType type = wcAccepted;
    for (;;) {
      spell.parsingEngine_->GetNextWord(currentWord);
      if (currentWord.empty()) {
        hourglass.Restore();
        spell.CompleteCheck();
        return;
      }
      if (run.CountWord()) spell.ReorderMainDictionaries();

      replacement_.clear();
      if (spell.IsWordCorrect(currentWord)) {
        type = wcAccepted;
        if (spell.useExcludeWords_ && spell.IsWordExcluded(currentWord)) {
          type = spell.GetAutoCorrection(currentWord, replacement_) ? wcAutoCorrect : wcExcluded;
        } else if (spell.useAutoCorrectFirst_ &&
                   spell.GetAutoCorrection(currentWord, replacement_)) {
          type = wcAutoCorrect;
        } else if (spell.promptRepeated_) {
          std::string& previousWord = run.PreviousWord();
          if (previousWord == currentWord && spell.IsRepeatedWord(currentWord)) type = wcRepeated;
          previousWord = currentWord;
        }
      } else {
        type = spell.GetAutoCorrection(currentWord, replacement_) ? wcAutoCorrect : wcMisspelled;
      }

      if (spell.OnWordCheck) {
        spell.OnWordCheck(&spell, currentWord, type, replacement_);
        // A handler may have ended the check.
        if (!run.Checking() || spell.parser_ == nullptr) return;
      }

      if (type == wcAutoCorrect) {
        spell.parser_->SelectWord(static_cast<int32_t>(currentWord.size()));
        spell.AddUndo(uaChange, replacement_, true);
        spell.ReplaceCurrentWord(replacement_, TSpellUserActions::kStateAutoCorrect);
        if (!run.Checking() || spell.parser_ == nullptr) return;
      }
      hourglass.Update();
      if (type == wcExcluded || type == wcMisspelled || type == wcRepeated) break;
    }

    hourglass.Restore();
    run.BeginPrompt(type == wcRepeated);
    spell.parser_->SelectWord(static_cast<int32_t>(currentWord.size()));
    spell.parser_->CenterSelection();
    spell.ShowSpellDialog();
    if (!run.Checking()) return;

    run.BeginDispatch();
    spell.PromptWord();
    if (run.Checking() && !run.ResumeRequested() && run.AnswerRefused() &&
        spell.synchronousCheck_ && spell.dialog_.Form() == nullptr) {
      // The host answered only with actions that do not apply to this
      // prompt (a repetition takes no dictionary action and no
      // replacement), and no dialog is there to answer it instead: the word
      // is passed over as Ignore would, rather than waited on for ever.
      spell.Ignore();
    }
    run.EndDispatch();
    if (run.Checking() && !run.ResumeRequested() && NobodyAnswersPrompts()) {
      // Nothing can ever answer this prompt; waiting would never end.
      spell.StopCheck(true);
      return;
    }
    if (!run.ResumeRequested()) return;
    run.ClearResumeRequest();
  }
}

void TSpellCheckLoop::PromptWord() {
  TVexlorSpell3Base& spell = spell_;
  const TSpellCheckRun& run = spell.run_;
  spell.ReorderMainDictionaries();
  if (TSpellDialogBridge* bridge = spell.dialog_.Bridge())
    bridge->RelayPromptWord(&spell, run.CurrentWord(), run.PromptIsRepeated());
  if (spell.OnPromptWord) spell.OnPromptWord(&spell, run.CurrentWord(), run.PromptIsRepeated());
}

void TSpellCheckLoop::CompleteCheck() {
  TVexlorSpell3Base& spell = spell_;
  TSpellCheckRun& run = spell.run_;
  if (spell.OnCompleteCheck) spell.OnCompleteCheck(&spell);
  spell.ShowEndMessage();
  if (spell.parser_ != nullptr && !run.Cancelled())
    PlaceEndCursor(*spell.parser_, spell.endCursorPosition_, run.StartX(), run.StartY());
  if (spell.ownsParser_) delete spell.parser_;
  spell.parser_ = nullptr;
  wrapperParser_.reset();
  spell.HideSpellDialog();
  spell.ClearUndo();
  run.End();
  spell.CloseDictionaries();
}

void TSpellCheckLoop::ShowEndMessage() {
  TVexlorSpell3Base& spell = spell_;
  if (spell.uiType_ != suiDialog || spell.run_.SequenceActive()) return;
  bool due = false;
  switch (spell.endMessage_) {
    case emNever:
      break;
    case emAlways:
      due = true;
      break;
    case emExceptCancel:
      due = !spell.run_.Cancelled();
      break;
    case emNoDialog:
      // A modal dialog still waiting for its first word was never seen.
      due = spell.dialog_.Shown() && !spell.dialog_.ModalShowDeferred();
      break;
  }
  if (!due) return;
  if (spell.hideDialogAtEnd_ && spell.dialog_.Form() != nullptr) spell.dialog_.Form()->Hide();
  if (spell.OnShowEndMessage) {
    spell.OnShowEndMessage(&spell);
    return;
  }
  std::string text, caption;
  spell.GetString(lsCheckComplete, text);
  if (spell.endMessageWordCount_) {
    std::string label;
    spell.GetString(lsWordsChecked, label);
    text += "\r\n\r\n" + label + " " + std::to_string(spell.run_.WordsChecked());
  }
  spell.GetString(lsSpellDialogCaption, caption);
  Platform::MessageBox(text, caption, Platform::kMbOk | Platform::kMbIconInformation);
}

void TSpellCheckLoop::StopCheck(bool cancelled) {
  if (!spell_.run_.Checking()) return;
  spell_.run_.SetCancelled(cancelled);
  spell_.CompleteCheck();
}

void TSpellCheckLoop::Resynchronize() {
  TVexlorSpell3Base& spell = spell_;
  TControlParser* parser = spell.parser_;
  if (!spell.run_.Checking() || parser == nullptr) return;
  spell.ClearUndo();
  int32_t x = 0, y = 0;
  parser->GetPosition(x, y);
  x -= static_cast<int32_t>(spell.run_.CurrentWord().size());
  if (x < 0) x = 0;
  int32_t cx = 0, cy = 0;
  parser->GetCursorPosition(cx, cy);
  if (cy < y) {
    x = cx;
    y = cy;
  } else if (cy == y && cx < x) {
    x = cx;
  }
  spell.parsingEngine_->MoveTo(x, y);
  spell.ResumeCheck();
}

// ---- Sequences and smart checks -------------------------------------------------------

void TSpellCheckLoop::StartSequenceCheck() {
  spell_.run_.BeginSequence();
  savedHideDialogAtEnd_ = spell_.hideDialogAtEnd_;
  savedKeepDictionariesActive_ = spell_.keepDictionariesActive_;
  spell_.hideDialogAtEnd_ = false;
  spell_.keepDictionariesActive_ = true;
}

void TSpellCheckLoop::StopSequenceCheck() {
  TVexlorSpell3Base& spell = spell_;
  if (!spell.run_.SequenceActive()) return;
  spell.run_.SetSequenceActive(false);
  spell.hideDialogAtEnd_ = true;
  spell.ShowEndMessage();
  spell.CloseDialog();
  spell.hideDialogAtEnd_ = savedHideDialogAtEnd_;
  spell.SetKeepDictionariesActive(savedKeepDictionariesActive_);
}

void TSpellCheckLoop::SmartCheck(TControlParser* parser) {
  TVexlorSpell3Base& spell = spell_;
  const bool savedSynchronous = spell.synchronousCheck_;
  const bool savedOwnsParser = spell.ownsParser_;
  spell.synchronousCheck_ = true;
  spell.ownsParser_ = false;
  spell.StartSequenceCheck();

  int32_t sx = 0, sy = 0, ex = 0, ey = 0;
  parser->GetSelection(sx, sy, ex, ey);
  spell.run_.SetStart(sx, sy);
  if (sx == ex && sy == ey) {
    spell.CheckParser(parser, ctFromCursor);
    parser->SetPosition(0, 0, ppCurrent);
    parser->SetPosition(sx, sy, ppEnd);
    spell.CheckParser(parser, ctContinue);
  } else {
    spell.CheckParser(parser, ctSelected);
    if (!spell.run_.Cancelled()) {
      std::string question, caption;
      spell.GetString(lsCheckRemainder, question);
      spell.GetString(lsSpellDialogCaption, caption);
      const int answer = Platform::MessageBox(question, caption,
                                              Platform::kMbYesNo | Platform::kMbIconInformation);
      if (answer == Platform::kIdYes) {
        parser->SetPosition(ex, ey, ppCurrent);
        parser->SetPosition(kNoBound, kNoBound, ppEnd);
        spell.CheckParser(parser, ctContinue);
        parser->SetPosition(0, 0, ppCurrent);
        parser->SetPosition(sx, sy, ppEnd);
        spell.CheckParser(parser, ctContinue);
      } else {
        spell.run_.SetCancelled(true);
      }
    }
  }

  spell.StopSequenceCheck();
  spell.ownsParser_ = savedOwnsParser;
  spell.synchronousCheck_ = savedSynchronous;
  if (spell.ownsParser_) delete parser;
}

// ---- Word counts -------------------------------------------------------------------------

int32_t TSpellCheckLoop::WordCountParser(TControlParser* parser, TCheckType checkType) {
  TVexlorSpell3Base& spell = spell_;
  if (parser == nullptr) return 0;
  std::unique_ptr<TControlParser> owned(spell.ownsParser_ ? parser : nullptr);
  if (checkType != ctSelected && checkType != ctAll) return 0;

  spell.EnsureConfigLoaded();
  int32_t caretX = 0, caretY = 0;
  parser->GetCursorPosition(caretX, caretY);

  TMainParsingEngine engine;
  spell.ConnectEngineHooks(&engine);
  engine.Initialize(parser, checkType);
  THourglass hourglass(spell.useHourglassCursor_);
  int32_t count = 0;
  std::string word;
  for (;;) {
    engine.GetNextWord(word);
    if (word.empty()) break;
    ++count;
    hourglass.Update();
  }

  PlaceEndCursor(*parser, spell.endCursorPosition_, caretX, caretY);
  return count;
}

int32_t TSpellCheckLoop::RunWrapperCount(TControlParser* parser, TCheckType checkType) {
  const bool owned = spell_.ownsParser_;
  const int32_t count = spell_.WordCountParser(parser, checkType);
  if (!owned) delete parser;
  return count;
}

int32_t TSpellCheckLoop::WordCount(const std::string& text) {
  std::string copy = text;
  return RunWrapperCount(new TStringParser(copy), ctAll);
}

int32_t TSpellCheckLoop::WordCountWinControl(void* control, TCheckType checkType) {
  if (control == nullptr) return 0;
  TControlParser* parser = TVexlorSpell3Base::NewWindowParser(control);
  return parser != nullptr ? RunWrapperCount(parser, checkType) : 0;
}
