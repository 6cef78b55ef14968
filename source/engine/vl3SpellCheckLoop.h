// Runs a spell-checker component's checks: starting them, the loop that reads
// words and prompts, the end of a check, sequences, smart checks, word counts.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "vl3SpellTypes.h"

class TControlParser;
class TVexlorSpell3Base;

// Works on the component's check run, parser and dialog; each step the
// component makes virtual is called back through it, so a descendant's
// override runs.
class TSpellCheckLoop {
 public:
  explicit TSpellCheckLoop(TVexlorSpell3Base& spell);
  ~TSpellCheckLoop();
  TSpellCheckLoop(const TSpellCheckLoop&) = delete;
  TSpellCheckLoop& operator=(const TSpellCheckLoop&) = delete;

  // ---- Starting checks ----------------------------------------------------------
  void CheckString(std::string& text);
  void CheckWinControl(void* control, TCheckType checkType);
  void CheckParser(TControlParser* parser, TCheckType checkType);

  // ---- The run and its end -------------------------------------------------------
  void ResumeCheck();
  void PromptWord();
  void CompleteCheck();
  void ShowEndMessage();
  void StopCheck(bool cancelled);
  void Resynchronize();

  // ---- Sequences and smart checks ---------------------------------------------------
  void StartSequenceCheck();
  void StopSequenceCheck();
  void SmartCheck(TControlParser* parser);

  // ---- Word counts ------------------------------------------------------------------
  int32_t WordCount(const std::string& text);
  int32_t WordCountWinControl(void* control, TCheckType checkType);
  int32_t WordCountParser(TControlParser* parser, TCheckType checkType);

 private:
  bool NobodyAnswersPrompts() const;
  void RunWrapperCheck(TControlParser* parser, TCheckType checkType);
  int32_t RunWrapperCount(TControlParser* parser, TCheckType checkType);

  TVexlorSpell3Base& spell_;
  // Scratch reused by the run loop so that an accepted word costs no allocation.
  std::string replacement_;
  // A parser a wrapper made while OwnsParser is false, still in use by an
  // asynchronous check; freed when that check completes.
  std::unique_ptr<TControlParser> wrapperParser_;
  // The settings a sequence overrides, put back when it stops.
  bool savedHideDialogAtEnd_ = true;
  bool savedKeepDictionariesActive_ = false;
};
