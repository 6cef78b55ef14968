// The live-spelling paint: the update region grows to take in the zigzags
// below changed lines; a buffered paint renders text and marks off screen.
#include "vl3LivePaint.h"

#include <windows.h>

#include <richedit.h>

#include <algorithm>
#include <string>

#include "vl3Gdi_win.h"
#include "vl3LiveControl.h"
#include "vl3LiveLineCaches.h"
#include "vl3LiveRichEdit.h"
#include "vl3Platform.h"

TLivePainter::TLivePainter(TVexlorLiveRichEdit& owner, TLiveControl& control,
                           TLiveLineCaches& caches, TLiveMarker& marker)
    : owner_(owner), control_(control), caches_(caches), marker_(marker) {}

void TLivePainter::ControlChanged() {
  if (!control_.Handle()) return;
  const std::string name = control_.ClassNameLower();
  classLmd_ = name.find("lmd") != std::string::npos;
  classDxMemo_ = name.find("dxmemo") != std::string::npos;
  classRx_ = name.find("rx") != std::string::npos;
  if (classLmd_) bufferingAllowed_ = false;
}

bool TLivePainter::BufferedPaintSupported() {
  if (versionCheckPending_) {
    versionCheckPending_ = false;
    char system[MAX_PATH] = {};
    ::GetSystemDirectoryA(system, MAX_PATH);
    uint32_t ms = 0, ls = 0;
    // The major number and the build number decide; minor and revision do not.
    if (Platform::GetFileVersion(std::string(system) + "\\RichEd32.dll", ms, ls))
      bufferedSupported_ = (ms >> 16) >= 5 && (ls >> 16) >= 1500;
  }
  return bufferedSupported_;
}

void TLivePainter::ForceBufferedPaintSupport(bool supported) {
  versionCheckPending_ = false;
  bufferedSupported_ = supported;
  control_.Repaint();
}

bool TLivePainter::BufferingPossible() {
  const bool supported = BufferedPaintSupported();
  if (!supported || !control_.Handle() || !control_.MultiLine()) return false;
  CHARRANGE range = {};
  control_.Query(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
  return range.cpMax == range.cpMin && notResized_ && bufferingAllowed_;
}

bool TLivePainter::EraseBackground(const TLiveMessage& message) {
  if (::GetObjectType(reinterpret_cast<HGDIOBJ>(message.WParam)) == OBJ_MEMDC) return true;
  return !owner_.UseBufferedPaint();
}

bool TLivePainter::Paint(const TLiveMessage& message, bool& drawAfter) {
  (void)message;
  drawAfter = false;
  HWND wnd = control_.Handle();
  if (!owner_.SpellingActive() || owner_.Busy() || !wnd) return true;
  RECT client = {};
  ::GetClientRect(wnd, &client);
  const int32_t first = static_cast<int32_t>(control_.Query(EM_GETFIRSTVISIBLELINE, 0, 0));
  RECT update = client;
  if (first == area_.FirstVisible) {
    if (::GetUpdateRect(wnd, &update, FALSE)) {
      // The zigzags hang below the last changed line.
      const RECT before = update;
      update.bottom = std::min<LONG>(update.bottom + 4, client.bottom);
      if (!BufferedPaintSupported()) {
        update.left = 0;
        update.right = client.right;
      }
      // Each invalidation is a round trip to the window system: only when
      // it adds something.
      if (!::EqualRect(&before, &update)) ::InvalidateRect(wnd, &update, FALSE);
    }
  } else {
    area_.FirstVisible = first;
    ::InvalidateRect(wnd, nullptr, FALSE);
  }

  if (owner_.UseBufferedPaint()) {
    int32_t leftMargin = 0;
    if (PaintBuffered(first, leftMargin) == TBufferedResult::NothingRendered) {
      // The control rendered nothing into the bitmap (some rich-edit builds
      // cannot): showing the blank bitmap would hide the text, so this
      // control is painted the plain way from now on.
      bufferingAllowed_ = false;
      control_.Repaint();
      return false;
    }
    if (leftMargin > 2 && !marginDetected_ && !classDxMemo_ && !classRx_) {
      marginDetected_ = true;
      if (owner_.StopBufferingOnMargin()) bufferingAllowed_ = false;
      control_.Repaint();
    }
    return false;
  }

  if (!control_.MultiLine()) {
    RECT strip = {0, 0, 1, client.bottom};
    ::InvalidateRect(wnd, &strip, FALSE);
  }
  drawAfter = true;
  notResized_ = true;
  area_.Pending = true;
  area_.Left = update.left;
  area_.Top = update.top;
  area_.Right = update.right;
  area_.Bottom = update.bottom;
  return true;
}

TLivePainter::TBufferedResult TLivePainter::PaintBuffered(int32_t firstLine, int32_t& leftMargin) {
  HWND wnd = control_.Handle();
  RECT client = {};
  ::GetClientRect(wnd, &client);
  TWindowDC screen(wnd);
  TMemoryDC memory(screen.Get());
  TGdiBitmap bitmap(::CreateCompatibleBitmap(screen.Get(), client.right, client.bottom));
  HDC memoryDC = memory.Get();
  TSelectedObject bitmapSelected(memoryDC, bitmap.Get());
  const int32_t twipsX = 1440 / ::GetDeviceCaps(screen.Get(), LOGPIXELSX);
  const int32_t twipsY = 1440 / ::GetDeviceCaps(screen.Get(), LOGPIXELSY);
  screen.Release();
  const int32_t firstChar = control_.LineIndex(firstLine);
  int32_t px = 0, py = 0;
  control_.CharPos(firstChar, px, py);
  if (py < 0) --py;
  leftMargin = px;

  TPaintDC paint(wnd);
  FORMATRANGE range = {};
  range.hdc = memoryDC;
  range.hdcTarget = memoryDC;
  range.rc.left = (marginDetected_ ? 1 : px) * twipsX;
  range.rc.top = py * twipsY;
  range.rc.right = (client.right - 2) * twipsX;
  range.rc.bottom = (client.bottom + 30) * twipsY;
  range.rcPage = RECT{0, range.rc.top, client.right * twipsX, range.rc.bottom};
  range.chrg.cpMin = firstChar;
  range.chrg.cpMax = -1;
  ::FillRect(memoryDC, &client, ::GetSysColorBrush(COLOR_WINDOW));
  ::SendMessageA(wnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(memoryDC), 0);
  ::SendMessageA(wnd, EM_FORMATRANGE, 0, 0);
  const LRESULT rendered = ::SendMessageA(wnd, EM_FORMATRANGE, 1, reinterpret_cast<LPARAM>(&range));
  ::SendMessageA(wnd, EM_FORMATRANGE, 0, 0);
  if (rendered <= firstChar && ::GetWindowTextLengthA(wnd) > firstChar)
    return TBufferedResult::NothingRendered;
  marker_.DrawMarks(memoryDC, area_);
  ::BitBlt(paint.Get(), 0, 0, client.right, client.bottom, memoryDC, 0, 0, SRCCOPY);
  return TBufferedResult::Drawn;
}

void TLivePainter::DrawMarksOnWindow() {
  if (!control_.Handle() || !owner_.Spell()) {
    area_.Pending = false;
    return;
  }
  TWindowDC dc(control_.Handle());
  marker_.DrawMarks(dc.Get(), area_);
}

void TLivePainter::Resized() {
  control_.Repaint();
  notResized_ = false;
}

void TLivePainter::TargetDeviceChanged() {
  bufferingAllowed_ = false;
  control_.Repaint();
}

void TLivePainter::SelectionChanged() {
  HWND wnd = control_.Handle();
  if (!owner_.SpellingActive() || !wnd) return;
  RECT client = {};
  ::GetClientRect(wnd, &client);
  const int32_t caret = control_.SelectionStart();
  const int32_t caretLine = static_cast<int32_t>(control_.Query(EM_EXLINEFROMCHAR, 0, caret));
  const int32_t first = static_cast<int32_t>(control_.Query(EM_GETFIRSTVISIBLELINE, 0, 0));
  const int32_t last = control_.LineAt(client.right - 1, client.bottom - 1);
  const bool supported = BufferedPaintSupported();
  // Only lines that have to change are looked at: a line still holding a
  // word that was being typed, and the caret's line when its text changed.
  const int32_t end = std::min<int32_t>(last, caches_.Count() - 1);
  for (int32_t line = first; line <= end; ++line) {
    TLineCache* cache = caches_.Find(line);
    if (!cache) continue;
    const bool leftWord = cache->Dirty && line != caretLine;
    const bool changedHere =
        !supported && line == caretLine && control_.LineText(line) != cache->LineText;
    if (!leftWord && !changedHere) continue;
    cache->Dirty = true;
    const int32_t start = control_.LineIndex(line);
    if (start < 0) break;
    int32_t x = 0, top = 0;
    control_.CharPos(start, x, top);
    if (top > client.bottom) break;
    const int32_t next = control_.LineIndex(line + 1);
    int32_t bottom = client.bottom;
    if (next >= 0) control_.CharPos(next, x, bottom);
    RECT band = {0, top, client.right, bottom};
    ::InvalidateRect(wnd, &band, TRUE);
  }
}
