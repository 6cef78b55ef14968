// The state of a checking run: the prompt and its answers, the counters and
// the undo records; also the run's hourglass and end position of the caret.
#include "vl3SpellCheckRun.h"

#include "vl3ParserBase.h"

// ---- The run -------------------------------------------------------------------------

void TSpellCheckRun::Begin() {
  changeNotified_ = false;
  checking_ = true;
  cancelled_ = false;
}

void TSpellCheckRun::ResetPrompt() {
  previousWord_.clear();
  promptIsRepeated_ = false;
  promptAnswered_ = false;
  answerRefused_ = false;
}

void TSpellCheckRun::End() {
  checking_ = false;
  dispatching_ = false;
  resumePending_ = false;
  promptAnswered_ = false;
  answerRefused_ = false;
}

void TSpellCheckRun::BeginSequence() {
  ResetCounters();
  cancelled_ = false;
  sequenceActive_ = true;
}

void TSpellCheckRun::ResetCounters() {
  wordsChecked_ = 0;
  reorderCountdown_ = kReorderAfterWords;
}

bool TSpellCheckRun::CountWord() {
  ++wordsChecked_;
  return reorderCountdown_ > 0 && --reorderCountdown_ == 0;
}

bool TSpellCheckRun::FirstChange() {
  if (changeNotified_) return false;
  changeNotified_ = true;
  return true;
}

// ---- The prompt and its answers ----------------------------------------------------------

void TSpellCheckRun::BeginPrompt(bool repeated) {
  promptIsRepeated_ = repeated;
  if (repeated) currentWord_ = currentWord_ + " " + currentWord_;
  promptAnswered_ = false;
  answerRefused_ = false;
}

bool TSpellCheckRun::TakeAnswer(bool onRepetition) {
  if (!checking_ || promptAnswered_) return false;
  if (promptIsRepeated_ && !onRepetition) {
    answerRefused_ = true;
    return false;
  }
  promptAnswered_ = true;
  return true;
}

void TSpellCheckRun::RefuseAnswer() {
  if (checking_ && !promptAnswered_) answerRefused_ = true;
}

void TSpellCheckRun::BeginDispatch() {
  dispatching_ = true;
  resumePending_ = false;
}

bool TSpellCheckRun::RequestResume() {
  if (!dispatching_) return true;
  resumePending_ = true;
  return false;
}

// ---- Undo ---------------------------------------------------------------------------------

TVexlorUndo* TSpellCheckRun::PushUndo(std::unique_ptr<TVexlorUndo> record) {
  if (maxUndo_ == 0 || !record) return nullptr;
  undo_.push_back(std::move(record));
  return undo_.back().get();
}

void TSpellCheckRun::TrimUndo() {
  if (maxUndo_ == -1) return;
  const size_t limit = maxUndo_ < 0 ? 0 : static_cast<size_t>(maxUndo_);
  if (undo_.size() > limit)
    undo_.erase(undo_.begin(), undo_.begin() + static_cast<std::ptrdiff_t>(undo_.size() - limit));
}

std::unique_ptr<TVexlorUndo> TSpellCheckRun::PopUndo() {
  if (undo_.empty()) return nullptr;
  std::unique_ptr<TVexlorUndo> last = std::move(undo_.back());
  undo_.pop_back();
  return last;
}

// ---- Hourglass and end position -------------------------------------------------------------

void THourglass::Update() {
  if (!enabled_ || shown_) return;
  if (++calls_ % kWordsPerClockRead != 0) return;
  if (static_cast<uint32_t>(Platform::TickCount() - started_) <= kDelayMs) return;
  saved_ = Platform::GetCursor();
  Platform::SetCursor(Platform::TCursor::Hourglass);
  shown_ = true;
}

void THourglass::Restore() {
  if (!shown_) return;
  Platform::SetCursor(saved_);
  shown_ = false;
}

void PlaceEndCursor(TControlParser& parser, TSpellEndPosition where, int32_t startX,
                    int32_t startY) {
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
