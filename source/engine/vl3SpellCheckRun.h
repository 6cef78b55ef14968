// The state of a checking run: the word on screen and the answers it has
// had, the counters, the undo records, the hourglass and the end position.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "vl3Platform.h"
#include "vl3SpellTypes.h"

class TControlParser;

// One undo record. Positions are those of the check's parser.
struct TVexlorUndo {
  int32_t XPos = 0;
  int32_t YPos = 0;
  std::string Word;         // as it stood in the text
  std::string Replacement;  // what was put in its place; empty when the text was left
  TSpellAction Action = uaIgnore;
  bool Automatic = false;  // made by the run loop, not by the user
  int32_t Data = 0;        // the parser's own value, returned at undo time
};

// It reads no text and shows nothing: the component asks it what a run may
// do next and tells it what happened.
class TSpellCheckRun {
 public:
  // The main dictionaries are put in order of hits once this many words in.
  static constexpr int32_t kReorderAfterWords = 100;

  // ---- The run -----------------------------------------------------------------
  // A check starts: not cancelled, no change made yet.
  void Begin();
  // No word before the first one, and no prompt yet.
  void ResetPrompt();
  // The check is over: nothing is prompted or being answered any more.
  void End();
  // Starts a sequence of checks that count their words together.
  void BeginSequence();
  void ResetCounters();
  // One more word read; true when the main dictionaries are due to be reordered.
  bool CountWord();

  bool Checking() const { return checking_; }
  bool Cancelled() const { return cancelled_; }
  void SetCancelled(bool value) { cancelled_ = value; }
  bool SequenceActive() const { return sequenceActive_; }
  void SetSequenceActive(bool value) { sequenceActive_ = value; }
  int32_t WordsChecked() const { return wordsChecked_; }
  void SetReorderCountdown(int32_t value) { reorderCountdown_ = value; }
  int32_t StartX() const { return startX_; }
  int32_t StartY() const { return startY_; }
  void SetStart(int32_t x, int32_t y) { startX_ = x, startY_ = y; }
  // True the first time a run is about to change the text.
  bool FirstChange();

  // ---- The word and its prompt ----------------------------------------------------
  std::string& CurrentWord() { return currentWord_; }
  const std::string& CurrentWord() const { return currentWord_; }
  // The last accepted word, against which a repetition is recognised.
  std::string& PreviousWord() { return previousWord_; }
  // A new prompt: no answer yet; a repeated word is shown doubled.
  void BeginPrompt(bool repeated);
  bool PromptIsRepeated() const { return promptIsRepeated_; }

  // True when an answer may act on the prompt now, and then marks the
  // prompt answered; onRepetition: the action applies to a repeated word.
  bool TakeAnswer(bool onRepetition);
  // An answer that does not apply to the prompt on screen (no repetition to
  // delete, nothing to undo) counts as refused.
  void RefuseAnswer();
  // An answer to the prompt on screen was refused.
  bool AnswerRefused() const { return answerRefused_; }

  // An action called while the prompt is being handed out only asks the
  // run loop to go on, so a host answering every prompt at once does not
  // nest one loop inside the next for each misspelled word.
  void BeginDispatch();
  void EndDispatch() { dispatching_ = false; }
  // True when the caller must go on itself; false when the running dispatch
  // takes the request over.
  bool RequestResume();
  bool ResumeRequested() const { return resumePending_; }
  void ClearResumeRequest() { resumePending_ = false; }

  // ---- Undo -------------------------------------------------------------------------
  // Keeps at most maxUndo records (-1: no limit, 0: none).
  void SetMaxUndo(int32_t value) { maxUndo_ = value; }
  int32_t MaxUndo() const { return maxUndo_; }
  // The new record, or null when no record is kept.
  TVexlorUndo* PushUndo(std::unique_ptr<TVexlorUndo> record);
  // Drops the oldest records over the limit.
  void TrimUndo();
  TVexlorUndo* LastUndo() const { return undo_.empty() ? nullptr : undo_.back().get(); }
  std::unique_ptr<TVexlorUndo> PopUndo();
  void ClearUndo() { undo_.clear(); }
  int UndoCount() const { return static_cast<int>(undo_.size()); }
  const TVexlorUndo& UndoRecord(int index) const { return *undo_[index]; }

 private:
  bool checking_ = false;
  bool cancelled_ = false;
  bool sequenceActive_ = false;
  bool changeNotified_ = false;
  int32_t wordsChecked_ = 0;
  int32_t reorderCountdown_ = kReorderAfterWords;
  int32_t startX_ = 0;
  int32_t startY_ = 0;
  std::string currentWord_;
  std::string previousWord_;
  bool promptIsRepeated_ = false;
  // The prompt on screen has had its answer (further ones would act on its
  // old positions), or an answer to it was refused.
  bool promptAnswered_ = false;
  bool answerRefused_ = false;
  bool dispatching_ = false;
  bool resumePending_ = false;
  int32_t maxUndo_ = -1;
  std::vector<std::unique_ptr<TVexlorUndo>> undo_;
};

// Shows the hourglass after a long uninterrupted stretch of reading and puts
// the previous cursor back however the stretch ends.
class THourglass {
 public:
  explicit THourglass(bool enabled) : enabled_(enabled), started_(Platform::TickCount()) {}
  ~THourglass() { Restore(); }
  THourglass(const THourglass&) = delete;
  THourglass& operator=(const THourglass&) = delete;

  // Called once per word read.
  void Update();
  void Restore();

  static constexpr uint32_t kDelayMs = 1000;

 private:
  // The clock is read every few words only: reading it costs more than
  // accepting a word, and the delay is long by comparison.
  static constexpr uint32_t kWordsPerClockRead = 32;
  bool enabled_;
  uint32_t started_;
  uint32_t calls_ = 0;
  bool shown_ = false;
  Platform::TCursor saved_ = Platform::TCursor::Default;
};

// Puts the caret where a finished check or count leaves it (home, back at
// the start position, or where it is) and selects nothing.
void PlaceEndCursor(TControlParser& parser, TSpellEndPosition where, int32_t startX,
                    int32_t startY);
