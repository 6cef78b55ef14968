// Checking the visible lines and drawing their zigzags: under the word's
// baseline, measured once per format, with the points from vl3Zigzag.
#include "vl3LiveMarks.h"

#include <windows.h>

#include <richedit.h>

#include <algorithm>
#include <cstring>

#include "vl3Gdi_win.h"
#include "vl3LiveControl.h"
#include "vl3LiveIgnoredOnce.h"
#include "vl3LiveLineCaches.h"
#include "vl3LiveRichEdit.h"
#include "vl3ParseEngine.h"
#include "vl3SpellBase.h"
#include "vl3StringParser.h"
#include "vl3Zigzag.h"

namespace {

// The height of dc's current font, external leading included.
int32_t FontLineHeight(HDC dc) {
  TEXTMETRICA tm = {};
  ::GetTextMetricsA(dc, &tm);
  return tm.tmHeight + tm.tmExternalLeading;
}

}  // namespace

TLiveMarker::TLiveMarker(TVexlorLiveRichEdit& owner, TLiveControl& control, TLiveLineCaches& caches,
                         TLiveIgnoredOnce& ignoredOnce)
    : owner_(owner),
      control_(control),
      caches_(caches),
      ignoredOnce_(ignoredOnce),
      stringParser_(std::make_unique<TStringParser>()) {}

TLiveMarker::~TLiveMarker() = default;

void TLiveMarker::FindMisspelled(std::string& text, std::vector<TFoundWord>& found) {
  found.clear();
  TParsingEngine* engine = owner_.ParsingEngine();
  // Words are split with the letters of the spell checker's dictionaries.
  auto* own = dynamic_cast<TMainParsingEngine*>(engine);
  auto* theirs =
      owner_.Spell() ? dynamic_cast<TMainParsingEngine*>(owner_.Spell()->ParsingEngine()) : nullptr;
  if (own && theirs) own->FollowLetters(*theirs);
  stringParser_->Initialize(text);
  engine->Initialize(stringParser_.get(), ctAll);
  std::string previous, word;
  for (;;) {
    engine->GetNextWord(word);
    if (word.empty()) break;
    if (!owner_.IsWordOK(word, previous)) found.push_back({word, stringParser_->X()});
    if (ignoredOnce_.UseContext()) previous = word;
  }
}

void TLiveMarker::DrawMarks(HDC__* dc, TLivePaintArea& area) {
  ignoredOnce_.SetUseContext(owner_.LiveMenuOptions().Contains(spIgnore));
  textHeight_ = -1;
  const int32_t caret = control_.SelectionStart();
  RECT client = {};
  ::GetClientRect(control_.Handle(), &client);
  // Each question about a position makes Wine's rich edit walk its
  // paragraphs from the document's start, so none is asked twice: the paint
  // has just found the first visible line.
  const int32_t firstVisible =
      area.Pending ? area.FirstVisible
                   : static_cast<int32_t>(control_.Query(EM_GETFIRSTVISIBLELINE, 0, 0));
  // The visible lines: from the first down to the one at the client's
  // bottom. Right after the control's own paint only the lines it painted
  // can need marks; the others still show theirs.
  int32_t from = firstVisible;
  int32_t to = 0;
  const bool partial = area.Pending && (area.Top > 0 || area.Bottom < client.bottom);
  if (partial) {
    from = std::max(from, control_.LineAt(0, area.Top));
    to = control_.LineAt(area.Right - 1, std::max(area.Top, area.Bottom - 1));
    ::IntersectClipRect(dc, area.Left, area.Top, area.Right, area.Bottom);
  } else {
    to = control_.LineAt(client.right - 1, client.bottom - 1);
  }
  area.Pending = false;
  std::vector<TVisibleLine> lines;
  control_.ReadLines(from, std::max(from, to), lines);

  {
    TGdiPen pen(::CreatePen(PS_SOLID, 1, owner_.LiveSpellingColor()));
    TSelectedObject penSelected(dc, pen.Get());
    std::vector<TFoundWord> found;
    for (size_t i = 0; i < lines.size(); ++i) {
      TVisibleLine& visible = lines[i];
      const int32_t line = visible.Line;
      TLineCache& cache = caches_.Obtain(line);
      const int32_t lineStart = visible.Start;
      if (cache.Dirty || cache.LineText != visible.Text) {
        cache.LineText = visible.Text;
        cache.Errors.clear();
        bool keepDirty = false;
        if (!owner_.Spell()->IsLineIgnored(visible.Text)) {
          FindMisspelled(visible.Text, found);
          for (const TFoundWord& f : found) {
            if (lineStart + f.After == caret + 1) {
              keepDirty = true;  // the word ends at the caret: it is still being typed
              continue;
            }
            const int32_t length = static_cast<int32_t>(f.Word.size());
            cache.Errors.push_back({f.After - length - 1, f.After - 1});
          }
        }
        cache.Dirty = keepDirty;
      }
      if (!cache.Errors.empty()) {
        const int32_t next =
            i + 1 < lines.size() ? lines[i + 1].Start : control_.LineIndex(line + 1);
        const int32_t y = UnderlineY(dc, line, lineStart, next);
        for (const TSpellingError& e : cache.Errors)
          DrawZigzag(dc, lineStart + e.StartColumn, lineStart + e.EndColumn, y);
      }
    }
  }
  if (partial) ::SelectClipRgn(dc, nullptr);
}

// Measured once per format: creating the font each paint costs more than
// checking the lines.
int32_t TLiveMarker::DefaultTextHeight(HDC__* dc) {
  CHARFORMATA format = {};
  format.cbSize = 60;
  control_.Query(EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
  const int32_t points = format.yHeight / 20;
  const std::string face(format.szFaceName, strnlen(format.szFaceName, sizeof format.szFaceName));
  if (points == measuredSize_ && face == measuredFace_) return measuredHeight_;
  int32_t height = 0;
  {
    TMemoryDC memory(dc);
    TGdiFont font(::CreateFontA(-::MulDiv(points, ::GetDeviceCaps(memory.Get(), LOGPIXELSY), 72), 0,
                                0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                                format.szFaceName));
    TSelectedObject fontSelected(memory.Get(), font.Get());
    height = FontLineHeight(memory.Get());
    TEXTMETRICA metrics = {};
    ::GetTextMetricsA(memory.Get(), &metrics);
    measuredAscent_ = metrics.tmAscent;
  }
  measuredFace_ = face;
  measuredSize_ = points;
  measuredHeight_ = height;
  return height;
}

int32_t TLiveMarker::UnderlineY(HDC__* dc, int32_t line, int32_t start, int32_t next) {
  int32_t x0 = 0, y0 = 0;
  control_.CharPos(start, x0, y0);
  // The height of the control's default text: the window DC alone holds the
  // system font, taller than the text, which would put the zigzag into the
  // next line. Measured once per paint.
  if (textHeight_ < 0) textHeight_ = DefaultTextHeight(dc);
  const int32_t result = y0 + textHeight_;
  // Under the word, not through it: a font with less room below its
  // baseline than the zigzag is tall would have the zigzag cross the
  // letters' feet, so it is lowered towards the baseline plus its height,
  // by at most one row past the line's bottom.
  const auto underWord = [&](int32_t y, int32_t lineBottom) {
    return std::max(y, std::min(y0 + measuredAscent_ + 4, lineBottom + 1));
  };
  if (next == -1) return underWord(result, result);
  int32_t x1 = 0, y1 = 0;
  control_.CharPos(next, x1, y1);
  if (owner_.MeasureBaseline()) return y0 + MeasureBaselineOffset(dc, line, x0, y0, y1);
  return underWord(std::max(result, y1), y1);
}

// Reads the painted line's pixels: the row where most columns last show
// ink is the baseline.
int32_t TLiveMarker::MeasureBaselineOffset(HDC__* dc, int32_t line, int32_t x0, int32_t y0,
                                           int32_t y1) {
  const int32_t h = y1 - y0;
  if (h <= 0) return h;
  TLineCache* cache = caches_.Find(line);
  if (cache && cache->MeasuredHeight == h && cache->BaselineOffset > 0)
    return cache->BaselineOffset;
  std::vector<int32_t> count(static_cast<size_t>(h), 0);
  int32_t hits = 0;
  for (int32_t x = x0;; ++x) {
    bool anyReadable = false, lastReadable = false, haveBackground = false, haveInk = false;
    COLORREF background = 0, ink = 0;
    int32_t row = -1;
    for (int32_t j = 0; j < h; ++j) {
      const COLORREF c = ::GetPixel(dc, x, y0 + j);
      if (c == CLR_INVALID) continue;
      anyReadable = true;
      if (j == h - 1) lastReadable = true;
      if (!haveBackground) {
        haveBackground = true;
        background = c;
      } else if (!haveInk && c != background) {
        haveInk = true;
        ink = c;
      }
      if (haveInk && c == ink) row = j;
    }
    if (!anyReadable) break;
    if (row > 0 && lastReadable) {
      ++hits;
      ++count[static_cast<size_t>(row)];
    }
    if (hits > 100) break;
  }
  const auto best = std::max_element(count.begin(), count.end()) - count.begin();
  if (count[static_cast<size_t>(best)] < 6) return h;
  if (cache) {
    cache->MeasuredHeight = h;
    cache->BaselineOffset = static_cast<int32_t>(best) + 4;
  }
  return static_cast<int32_t>(best) + 4;
}

void TLiveMarker::DrawZigzag(HDC__* dc, int32_t start, int32_t end, int32_t y) {
  int32_t startX = 0, endX = 0, unused = 0;
  control_.CharPos(start, startX, unused);
  control_.CharPos(end, endX, unused);
  const std::vector<TZigzagPoint> zigzag = ZigzagPoints(startX, endX, y);
  if (zigzag.empty()) return;
  std::vector<POINT> points;
  points.reserve(zigzag.size());
  for (const TZigzagPoint& p : zigzag) points.push_back(POINT{p.X, p.Y});
  ::Polyline(dc, points.data(), static_cast<int>(points.size()));
}
