// Painting for live spelling: the marks drawn after the control's own
// paint, or the whole control rendered into a bitmap with them (buffered).
#pragma once

#include <cstdint>

#include "vl3LiveMarks.h"

class TVexlorLiveRichEdit;
class TLiveControl;
class TLiveLineCaches;
struct TLiveMessage;

class TLivePainter {
 public:
  TLivePainter(TVexlorLiveRichEdit& owner, TLiveControl& control, TLiveLineCaches& caches,
               TLiveMarker& marker);
  TLivePainter(const TLivePainter&) = delete;
  TLivePainter& operator=(const TLivePainter&) = delete;

  // The control's window class decides what the buffered paint can rely on.
  void ControlChanged();
  bool BufferedPaintSupported();
  void ForceBufferedPaintSupport(bool supported);
  // Whether this paint may be buffered now (besides the owner's settings).
  bool BufferingPossible();

  // The owner's message entry points; see TVexlorLiveRichEdit.
  bool EraseBackground(const TLiveMessage& message);
  bool Paint(const TLiveMessage& message, bool& drawAfter);
  void DrawMarksOnWindow();
  void Resized();
  void TargetDeviceChanged();
  void SelectionChanged();

 private:
  enum class TBufferedResult { Drawn, NothingRendered };
  // Renders the text from the first visible line into a bitmap, marks it
  // and copies it to the window; leftMargin: where the text starts.
  TBufferedResult PaintBuffered(int32_t firstLine, int32_t& leftMargin);

  TVexlorLiveRichEdit& owner_;
  TLiveControl& control_;
  TLiveLineCaches& caches_;
  TLiveMarker& marker_;
  TLivePaintArea area_;
  bool versionCheckPending_ = true;
  bool bufferedSupported_ = false;
  bool notResized_ = true;
  bool marginDetected_ = false;
  bool bufferingAllowed_ = true;
  bool classLmd_ = false, classDxMemo_ = false, classRx_ = false;
};
