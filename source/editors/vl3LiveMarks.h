// Marking for live spelling: the visible lines are checked where their
// cache is stale and each misspelled word gets a zigzag under it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct HDC__;
class TVexlorLiveRichEdit;
class TLiveControl;
class TLiveLineCaches;
class TLiveIgnoredOnce;
class TStringParser;

// What the control's own paint covered, for the marks drawn after it.
struct TLivePaintArea {
  bool Pending = false;
  int32_t FirstVisible = 0;  // the first visible line that paint found
  int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
};

// A word the checker rejected, with the string parser's 1-based position
// just after it.
struct TFoundWord {
  std::string Word;
  int32_t After;
};

class TLiveMarker {
 public:
  TLiveMarker(TVexlorLiveRichEdit& owner, TLiveControl& control, TLiveLineCaches& caches,
              TLiveIgnoredOnce& ignoredOnce);
  ~TLiveMarker();
  TLiveMarker(const TLiveMarker&) = delete;
  TLiveMarker& operator=(const TLiveMarker&) = delete;

  // Parses text and collects the words the owner's IsWordOK rejects.
  void FindMisspelled(std::string& text, std::vector<TFoundWord>& found);
  // Checks (where needed) and underlines the visible lines on dc; a pending
  // area limits it to the lines that paint covered and is then done with.
  void DrawMarks(HDC__* dc, TLivePaintArea& area);

 private:
  // start and next: the first characters of the line and of the next one
  // (-1: there is none).
  int32_t UnderlineY(HDC__* dc, int32_t line, int32_t start, int32_t next);
  int32_t DefaultTextHeight(HDC__* dc);
  int32_t MeasureBaselineOffset(HDC__* dc, int32_t line, int32_t x0, int32_t y0, int32_t y1);
  void DrawZigzag(HDC__* dc, int32_t start, int32_t end, int32_t y);

  TVexlorLiveRichEdit& owner_;
  TLiveControl& control_;
  TLiveLineCaches& caches_;
  TLiveIgnoredOnce& ignoredOnce_;
  std::unique_ptr<TStringParser> stringParser_;
  int32_t textHeight_ = -1;  // of the default text, during one DrawMarks
  // The default text's height, kept with the format it was measured for.
  std::string measuredFace_;
  int32_t measuredSize_ = -1;
  int32_t measuredHeight_ = 0;
  int32_t measuredAscent_ = 0;
};
