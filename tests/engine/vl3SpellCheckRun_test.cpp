// The run state on its own: which answers a prompt takes, how a resume
// requested during the prompt is deferred, the counters and the undo limit.
#include "vl3SpellCheckRun.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "vl3StringParser.h"

namespace {

TEST(SpellCheckRun, APromptTakesOneAnswerAndARepetitionOnlyItsOwn) {
  TSpellCheckRun run;
  EXPECT_FALSE(run.TakeAnswer(true));  // no check running

  run.Begin();
  run.ResetPrompt();
  run.CurrentWord() = "teh";
  run.BeginPrompt(false);
  EXPECT_EQ(run.CurrentWord(), "teh");
  EXPECT_TRUE(run.TakeAnswer(false));
  EXPECT_FALSE(run.TakeAnswer(true));  // the prompt had its answer
  EXPECT_FALSE(run.AnswerRefused());

  run.CurrentWord() = "the";
  run.BeginPrompt(true);
  EXPECT_EQ(run.CurrentWord(), "the the");
  EXPECT_TRUE(run.PromptIsRepeated());
  EXPECT_FALSE(run.TakeAnswer(false));  // a dictionary action or a replacement
  EXPECT_TRUE(run.AnswerRefused());
  EXPECT_TRUE(run.TakeAnswer(true));  // Ignore or DeleteRepeated still apply

  run.BeginPrompt(false);
  EXPECT_FALSE(run.AnswerRefused());
  run.RefuseAnswer();
  EXPECT_TRUE(run.AnswerRefused());

  run.End();
  EXPECT_FALSE(run.Checking());
  EXPECT_FALSE(run.TakeAnswer(true));
}

TEST(SpellCheckRun, AResumeAskedForDuringThePromptIsLeftToTheRunningLoop) {
  TSpellCheckRun run;
  run.Begin();
  EXPECT_TRUE(run.RequestResume());  // nothing dispatching: the caller goes on
  run.BeginDispatch();
  EXPECT_FALSE(run.RequestResume());
  EXPECT_TRUE(run.ResumeRequested());
  run.EndDispatch();
  run.ClearResumeRequest();
  EXPECT_FALSE(run.ResumeRequested());
  EXPECT_TRUE(run.RequestResume());

  EXPECT_TRUE(run.FirstChange());
  EXPECT_FALSE(run.FirstChange());
  run.Begin();
  EXPECT_TRUE(run.FirstChange());
}

TEST(SpellCheckRun, TheMainDictionariesAreReorderedOnceAfterAHundredWords) {
  TSpellCheckRun run;
  int due = 0;
  for (int i = 0; i < 250; ++i) due += run.CountWord() ? 1 : 0;
  EXPECT_EQ(due, 1);
  EXPECT_EQ(run.WordsChecked(), 250);
  run.ResetCounters();
  EXPECT_EQ(run.WordsChecked(), 0);
  for (int i = 1; i < TSpellCheckRun::kReorderAfterWords; ++i) EXPECT_FALSE(run.CountWord());
  EXPECT_TRUE(run.CountWord());
}

TEST(SpellCheckRun, UndoKeepsTheNewestRecordsUpToItsLimit) {
  struct TCase {
    int32_t maxUndo;
    int pushed, kept;
  } cases[] = {{-1, 5, 5}, {0, 5, 0}, {2, 5, 2}, {-7, 3, 0}};
  for (const TCase& c : cases) {
    TSpellCheckRun run;
    run.SetMaxUndo(c.maxUndo);
    for (int i = 0; i < c.pushed; ++i) {
      auto record = std::make_unique<TVexlorUndo>();
      record->Word = "w" + std::to_string(i);
      TVexlorUndo* added = run.PushUndo(std::move(record));
      EXPECT_EQ(added == nullptr, c.maxUndo == 0);
      run.TrimUndo();
    }
    ASSERT_EQ(run.UndoCount(), c.kept) << c.maxUndo;
    if (c.kept == 0) {
      EXPECT_EQ(run.LastUndo(), nullptr);
      EXPECT_EQ(run.PopUndo(), nullptr);
      continue;
    }
    EXPECT_EQ(run.UndoRecord(0).Word, "w" + std::to_string(c.pushed - c.kept));
    EXPECT_EQ(run.PopUndo()->Word, "w" + std::to_string(c.pushed - 1));
    EXPECT_EQ(run.UndoCount(), c.kept - 1);
    run.ClearUndo();
    EXPECT_EQ(run.UndoCount(), 0);
  }
}

TEST(SpellCheckRun, TheEndCursorGoesWhereTheSettingSays) {
  std::string text = "one two three";
  TStringParser parser(text);
  parser.SetPosition(9, 0, ppCurrent);
  PlaceEndCursor(parser, epNoModify, 5, 0);
  int32_t x = 0, y = 0;
  parser.GetPosition(x, y);
  EXPECT_EQ(x, 9);
  PlaceEndCursor(parser, epOriginal, 5, 0);
  parser.GetPosition(x, y);
  EXPECT_EQ(x, 5);
  PlaceEndCursor(parser, epHome, 5, 0);
  parser.GetPosition(x, y);
  EXPECT_EQ(x, 1);  // a string's first byte
}

}  // namespace
