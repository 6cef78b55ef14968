// String parser: byte access, movement, end bound and in-place editing of
// the caller's string.
#include "vl3StringParser.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

int32_t XOf(TStringParser& p) {
  int32_t x = -99, y = -99;
  p.GetPosition(x, y);
  EXPECT_EQ(y, 0);
  return x;
}

}  // namespace

TEST(StringParser, InitializeStartsAtFirstByteWithoutEndBound) {
  std::string s = "cat";
  TStringParser p;
  p.Initialize(s);
  EXPECT_EQ(XOf(p), 1);
  EXPECT_FALSE(p.HasEndBound());
  EXPECT_EQ(p.GetChar(), 'c');
}

TEST(StringParser, GetCharYieldsBytesThenZeroOnePastTheEnd) {
  std::string s = "cat";
  TStringParser p(s);
  EXPECT_EQ(p.GetChar(), 'c');
  EXPECT_TRUE(p.MoveNext());
  EXPECT_EQ(p.GetChar(), 'a');
  EXPECT_TRUE(p.MoveNext());
  EXPECT_EQ(p.GetChar(), 't');
  EXPECT_TRUE(p.MoveNext());  // 3 -> 4: onto the position past the text
  EXPECT_EQ(XOf(p), 4);
  EXPECT_EQ(p.GetChar(), '\0');
  EXPECT_FALSE(p.MoveNext());  // 4 -> 5 leaves the text
  EXPECT_EQ(p.GetChar(), '\0');
}

TEST(StringParser, GetCharReadsHighBytesUnchanged) {
  std::string s = "\xE9\x92";
  TStringParser p(s);
  EXPECT_EQ(p.GetChar(), '\xE9');
  p.MoveNext();
  EXPECT_EQ(p.GetChar(), '\x92');
}

TEST(StringParser, MovePreviousStopsAtTheStart) {
  std::string s = "ab";
  TStringParser p(s);
  p.MoveNext();
  EXPECT_TRUE(p.MovePrevious());
  EXPECT_EQ(XOf(p), 1);
  EXPECT_FALSE(p.MovePrevious());
  EXPECT_EQ(XOf(p), 1);
}

TEST(StringParser, SetPositionClampsCurrentToOneAndIgnoresY) {
  struct Case {
    int32_t x, y, expected;
  } cases[] = {{0, 0, 1}, {-5, 3, 1}, {2, 7, 2}, {100, 0, 100}, {INT_MIN, 0, 1}};
  for (const Case& c : cases) {
    std::string s = "text";
    TStringParser p(s);
    p.SetPosition(c.x, c.y, ppCurrent);
    EXPECT_EQ(XOf(p), c.expected) << c.x;
  }
}

TEST(StringParser, SetPositionWithUnknownKindDoesNothing) {
  std::string s = "text";
  TStringParser p(s);
  p.SetPosition(3, 0, static_cast<TParserPositionKind>(7));
  EXPECT_EQ(XOf(p), 1);
  EXPECT_FALSE(p.HasEndBound());
}

TEST(StringParser, EndBoundStopsMoveNextButNotGetChar) {
  std::string s = "cats";
  TStringParser p(s);
  p.SetPosition(3, 0, ppEnd);
  p.SetPosition(2, 0, ppCurrent);
  EXPECT_TRUE(p.MoveNext());   // 2 -> 3
  EXPECT_FALSE(p.MoveNext());  // 3 -> 4 lies beyond the bound
  EXPECT_EQ(XOf(p), 4);
  EXPECT_EQ(p.GetChar(), 's');
}

TEST(StringParser, EndBoundSurvivesSetPositionAndIsClearedOnlyByInitialize) {
  std::string s = "cats";
  TStringParser p(s);
  p.SetPosition(2, 0, ppEnd);
  p.SetPosition(1, 0, ppCurrent);
  EXPECT_TRUE(p.HasEndBound());
  p.Initialize(s);
  EXPECT_FALSE(p.HasEndBound());
  EXPECT_EQ(p.EndX(), 0);
}

TEST(StringParser, GetLineReturnsTheWholeString) {
  std::string s = "> one\r\ntwo";
  TStringParser p(s);
  p.SetPosition(8, 0, ppCurrent);
  std::string line = "stale";
  p.GetLine(line);
  EXPECT_EQ(line, s);
}

TEST(StringParser, ReplaceWordEditsTheCallersStringInPlace) {
  std::string s = "cat dog";
  TStringParser p(s);
  p.SetPosition(4, 0, ppCurrent);
  p.SelectWord(3);
  EXPECT_EQ(XOf(p), 1);
  p.ReplaceWord("bird", 0);
  EXPECT_EQ(s, "bird dog");
  EXPECT_EQ(XOf(p), 5);
}

TEST(StringParser, ReplaceWordMovesTheEndBoundByTheLengthChange) {
  struct Case {
    const char* replacement;
    int32_t endX;
  } cases[] = {{"bird", 9}, {"cow", 8}, {"ox", 7}, {"", 5}};
  for (const Case& c : cases) {
    std::string s = "cat dog";
    TStringParser p(s);
    p.SetPosition(8, 0, ppEnd);
    p.SetPosition(4, 0, ppCurrent);
    p.SelectWord(3);
    p.ReplaceWord(c.replacement, 1);
    EXPECT_EQ(p.EndX(), c.endX) << c.replacement;
    EXPECT_EQ(s, std::string(c.replacement) + " dog");
  }
}

TEST(StringParser, ReplaceWordWithoutSelectionInserts) {
  std::string s = "ab";
  TStringParser p(s);
  p.SetPosition(2, 0, ppCurrent);
  p.ReplaceWord("XY", 2);
  EXPECT_EQ(s, "aXYb");
  EXPECT_EQ(XOf(p), 4);
}

TEST(StringParser, ReplaceWordOutsideTheStringEditsAtItsEnds) {
  // A selection longer than the text before the position, and a position far
  // past the end, must neither crash nor touch memory outside the string.
  std::string s = "abc";
  TStringParser p(s);
  p.SetPosition(2, 0, ppCurrent);
  p.SelectWord(10);
  p.ReplaceWord("Z", 0);
  EXPECT_EQ(s, "Z");

  std::string t = "abc";
  TStringParser q(t);
  q.SetPosition(50, 0, ppCurrent);
  q.SelectWord(2);
  q.ReplaceWord("!", 0);
  EXPECT_EQ(t, "abc!");
  EXPECT_EQ(XOf(q), 5);
}

TEST(StringParser, IgnoreWordStepsOverTheSelectedWord) {
  std::string s = "cat dog";
  TStringParser p(s);
  p.SetPosition(8, 0, ppCurrent);
  p.SelectWord(3);
  EXPECT_EQ(XOf(p), 5);
  p.IgnoreWord(10);
  EXPECT_EQ(XOf(p), 8);
  EXPECT_EQ(s, "cat dog");
}

TEST(StringParser, SelectionIsAlwaysEmptyAtTheCurrentPosition) {
  std::string s = "cat dog";
  TStringParser p(s);
  p.SetPosition(6, 0, ppCurrent);
  p.SelectWord(2);
  int32_t sx = 0, sy = 1, ex = 0, ey = 1;
  p.GetSelection(sx, sy, ex, ey);
  EXPECT_EQ(sx, 4);
  EXPECT_EQ(ex, 4);
  EXPECT_EQ(sy, 0);
  EXPECT_EQ(ey, 0);
  int32_t cx = 0, cy = 1;
  p.GetCursorPosition(cx, cy);
  EXPECT_EQ(cx, 4);
  EXPECT_EQ(cy, 0);
}

TEST(StringParser, HasNoScreenPresence) {
  std::string s = "x";
  TStringParser p(s);
  TRect r{1, 2, 3, 4};
  p.GetControlRect(r);
  EXPECT_EQ(r, (TRect{-1, -1, -1, -1}));
  r = TRect{1, 2, 3, 4};
  p.GetSelectionRect(r);
  EXPECT_EQ(r, (TRect{-1, -1, -1, -1}));
  int32_t data = 42;
  p.CenterSelection();
  p.UndoLast(3, uaChange, data);
  EXPECT_EQ(data, 42);
  EXPECT_EQ(s, "x");
}

TEST(StringParser, UnattachedParserReadsNothingAndEditsNothing) {
  TStringParser p;
  EXPECT_EQ(p.GetChar(), '\0');
  EXPECT_FALSE(p.MoveNext());
  std::string line = "x";
  p.GetLine(line);
  EXPECT_TRUE(line.empty());
  p.SelectWord(1);
  p.ReplaceWord("abc", 0);
  p.IgnoreWord(0);
}

TEST(StringParser, ExtremePositionsDoNotOverflow) {
  std::string s = "ab";
  TStringParser p(s);
  p.SetPosition(INT_MAX, 0, ppCurrent);
  EXPECT_FALSE(p.MoveNext());
  EXPECT_EQ(XOf(p), INT_MAX);
  EXPECT_EQ(p.GetChar(), '\0');
  p.SelectWord(INT_MIN);
  EXPECT_EQ(XOf(p), INT_MAX);
  p.SetPosition(1, 0, ppCurrent);
  p.SelectWord(INT_MAX);
  EXPECT_EQ(p.GetChar(), '\0');
  p.ReplaceWord("z", 0);
  EXPECT_EQ(s, "z");
}
