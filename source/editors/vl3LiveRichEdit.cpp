// Live spelling for a rich-edit window: line caches, marks drawn after or
// into the control's paint, the suggestion menu and auto-correction.
#include "vl3LiveRichEdit.h"

#include <windows.h>

#include <richedit.h>

#include <algorithm>
#include <cctype>
#include <cstring>

#include "vl3Ansi.h"
#include "vl3Component.h"
#include "vl3Controls_win.h"
#include "vl3CustomDictionary.h"
#include "vl3ParseEngine.h"
#include "vl3Platform.h"
#include "vl3SpellBase.h"
#include "vl3StringList.h"
#include "vl3StringParser.h"
#include "vl3WinAPIParser.h"

namespace {

constexpr int32_t kLineBuffer = 4096;
constexpr int32_t kMaxZigzagPoints = 1024;
constexpr uint32_t kHourglassDelay = 500;  // ms of replace-all work before the hourglass

std::string ClassNameLower(HWND wnd) {
  char name[256] = {};
  ::GetClassNameA(wnd, name, sizeof name);
  std::string s(name);
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

// The height of DC's current font, external leading included.
int32_t FontLineHeight(HDC dc) {
  TEXTMETRICA tm = {};
  ::GetTextMetricsA(dc, &tm);
  return tm.tmHeight + tm.tmExternalLeading;
}

}  // namespace

TVexlorLiveRichEdit::TVexlorLiveRichEdit()
    : stringParser_(std::make_unique<TStringParser>()),
      windowParser_(std::make_unique<TWinAPIControlParser>()),
      engine_(std::make_unique<TMainParsingEngine>()),
      ignoredOnce_(std::make_unique<TCustomDictionary>()) {}

TVexlorLiveRichEdit::~TVexlorLiveRichEdit() { SetSpell(nullptr); }

// ---- Listeners on the spell component ----------------------------------------

void TVexlorLiveRichEdit::OptionsChanged() {
  if (liveSpellingOptions_) UpdateState();
}

void TVexlorLiveRichEdit::DictionariesChanged() {
  if (!spellingActive_ || !control_) return;
  InvalidateCaches();
  Repaint();
}

void TVexlorLiveRichEdit::WordIgnored() {
  if (!spell_ || !control_ || !spellingActive_) return;
  TParserIgnoreWordEventList* list = spell_->IgnoreWordListeners();
  if (list->Before) return;
  CHARRANGE range = {};
  ::SendMessageA(control_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
  const int32_t length = range.cpMax - range.cpMin;
  if (length <= 0 || length >= 4000) return;
  std::string selected(static_cast<size_t>(length) + 1, '\0');
  const LRESULT n = ::SendMessageA(control_, EM_GETSELTEXT, 0, reinterpret_cast<LPARAM>(&selected[0]));
  selected.resize(static_cast<size_t>(std::max<LRESULT>(n, 0)));
  if (selected == spell_->CurrentWord()) IgnoreAction(list->State);
}

// ---- State --------------------------------------------------------------------

bool TVexlorLiveRichEdit::BufferedPaintSupported() {
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

void TVexlorLiveRichEdit::ForceBufferedPaintSupport(bool Value) {
  versionCheckPending_ = false;
  bufferedSupported_ = Value;
  Repaint();
}

bool TVexlorLiveRichEdit::UseBufferedPaint() {
  const bool supported = BufferedPaintSupported();
  if (!spellingActive_ || !doubleBuffered_ || !supported || !control_ || !MultiLine()) return false;
  CHARRANGE range = {};
  Query(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
  return range.cpMax == range.cpMin && notResized_ && bufferingAllowed_;
}

void TVexlorLiveRichEdit::InvalidateCaches() {
  for (auto& cache : caches_)
    if (cache) cache->Dirty = true;
}

bool TVexlorLiveRichEdit::UpdateState() {
  bool a = liveSpelling_, b = liveCorrect_;
  if (spell_ && control_ && liveSpellingOptions_) {
    TSpellOptions available = spell_->ConfigAvailableOptions();
    if (liveSpelling_) available.Include(soLiveSpelling);
    if (liveCorrect_) available.Include(soLiveCorrect);
    spell_->SetConfigAvailableOptions(available);
    const TSpellOptions active = spell_->Configuration()->GetSpellOptions();
    a = active.Contains(soLiveSpelling) && available.Contains(soLiveSpelling);
    b = active.Contains(soLiveCorrect) && available.Contains(soLiveCorrect);
  }
  const bool editable = liveSpellingReadOnly_ || !ReadOnly();
  const bool spelling = a && spell_ && liveSpelling_ && editable;
  const bool correcting = b && spell_ && liveCorrect_ && editable;
  if (spelling != spellingActive_) {
    spellingActive_ = spelling;
    if (!spelling) caches_.clear();
    Repaint();
  }
  correctingActive_ = correcting;
  return correctingActive_;
}

bool TVexlorLiveRichEdit::TTextLess::operator()(const std::string& A, const std::string& B) const {
  return Ansi::CompareText(A, B) < 0;
}

bool TVexlorLiveRichEdit::IsWordOK(const std::string& Word, const std::string& Previous) {
  if (!spell_) return true;
  const bool ok = spell_->IsWordCorrect(Word) && !(spell_->UseExcludeWords() && spell_->IsWordExcluded(Word));
  if (ok || !useIgnoreContext_) return ok;
  // Words ignored once are kept in lower case: the list compares without case.
  if (!ignoredOnce_->HasIgnore(Ansi::LowerCase(Word))) return false;
  auto it = ignoredContext_.find(Word);
  return it != ignoredContext_.end() && it->second->IndexOf(Previous) >= 0;
}

void TVexlorLiveRichEdit::DoBeforeChange() {
  if (OnBeforeLiveChange) OnBeforeLiveChange(control_);
}

void TVexlorLiveRichEdit::SetControl(HWND__* Control) {
  Repaint();
  control_ = Control;
  if (control_) {
    const std::string name = ClassNameLower(control_);
    classLmd_ = name.find("lmd") != std::string::npos;
    classDxMemo_ = name.find("dxmemo") != std::string::npos;
    classRx_ = name.find("rx") != std::string::npos;
    if (classLmd_) bufferingAllowed_ = false;
  }
  UpdateState();
}

void TVexlorLiveRichEdit::SetParsingEngine(TParsingEngine* Engine) {
  if (!Engine) return;
  engine_.reset(Engine);
  if (spell_) ConnectHooks();
}

// The own engine skips what the spell component's filters skip.
void TVexlorLiveRichEdit::ConnectHooks() {
  TVexlorSpell3Base* spell = spell_;
  engine_->OnScanChar = [spell](char ch, TControlParser* parser, bool& skip) {
    spell->ScanCharHook(ch, parser, skip);
  };
  engine_->OnScanWord = [spell](const std::string& word, TControlParser* parser, bool& skip) {
    spell->ScanWordHook(word, parser, skip);
  };
}

void TVexlorLiveRichEdit::SetLiveSpelling(bool Value) {
  liveSpelling_ = Value;
  UpdateState();
}

void TVexlorLiveRichEdit::SetLiveCorrect(bool Value) {
  liveCorrect_ = Value;
  UpdateState();
}

void TVexlorLiveRichEdit::ReleaseSpell() {
  if (!spell_) return;
  spell_->OptionsChangedListeners()->RemoveListener(this);
  spell_->ConfigChangedListeners()->RemoveListener(this);
  spell_->IgnoreWordListeners()->RemoveListener(this);
}

void TVexlorLiveRichEdit::SetSpell(TVexlorSpell3Base* Spell) {
  if (Spell == spell_ && Spell) return;
  ReleaseSpell();
  spell_ = Spell;
  if (!spell_) {
    engine_->OnScanChar = nullptr;
    engine_->OnScanWord = nullptr;
  } else {
    spell_->OptionsChangedListeners()->AddListener(this, [this](void*) { OptionsChanged(); });
    spell_->ConfigChangedListeners()->AddListener(this, [this](void*) { DictionariesChanged(); });
    spell_->IgnoreWordListeners()->AddListener(this, [this](void*) { WordIgnored(); });
    ConnectHooks();
  }
  UpdateState();
}

void TVexlorLiveRichEdit::SetLiveSpellingColor(uint32_t Value) {
  if (Value == liveSpellingColor_) return;
  liveSpellingColor_ = Value;
  Repaint();
}

void TVexlorLiveRichEdit::SetLiveSpellingOptions(bool Value) {
  liveSpellingOptions_ = Value;
  UpdateState();
}

void TVexlorLiveRichEdit::SetLiveSpellingReadOnly(bool Value) {
  liveSpellingReadOnly_ = Value;
  UpdateState();
}

void TVexlorLiveRichEdit::ComponentRemoved(TComponent* Component, TOperation Operation) {
  if (Operation != TOperation::opRemove || !Component || Component != static_cast<TComponent*>(spell_)) return;
  // The component is being destroyed: its listener lists may already be
  // gone, so it is only forgotten.
  spell_ = nullptr;
  SetSpell(nullptr);
}

const TLineCache* TVexlorLiveRichEdit::LineCache(int32_t Line) const {
  if (Line < 0 || static_cast<size_t>(Line) >= caches_.size()) return nullptr;
  return caches_[static_cast<size_t>(Line)].get();
}

// ---- Control access --------------------------------------------------------------

void TVexlorLiveRichEdit::Repaint() {
  if (control_) ::InvalidateRect(control_, nullptr, TRUE);
}

void TVexlorLiveRichEdit::RepaintNow() {
  if (control_) ::RedrawWindow(control_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

bool TVexlorLiveRichEdit::ReadOnly() const {
  return control_ && (::GetWindowLongA(control_, GWL_STYLE) & ES_READONLY) != 0;
}

bool TVexlorLiveRichEdit::MultiLine() const {
  return control_ && (::GetWindowLongA(control_, GWL_STYLE) & ES_MULTILINE) != 0;
}

// A question to the control that changes nothing in it.
intptr_t TVexlorLiveRichEdit::Query(uint32_t Msg, uintptr_t WParam, intptr_t LParam) const {
  return control_ ? ::SendMessageA(control_, Msg, WParam, LParam) : 0;
}

// EM_GETLINE is avoided: Wine's rich edit walks the whole document for it.
std::string TVexlorLiveRichEdit::LineText(int32_t Line) const {
  std::vector<TVisibleLine> lines;
  ReadLines(Line, Line, lines);
  return lines.empty() ? std::string() : lines.front().Text;
}

void TVexlorLiveRichEdit::ReadLines(int32_t From, int32_t To, std::vector<TVisibleLine>& Lines) const {
  Lines.clear();
  if (!control_ || From < 0 || To < From) return;
  const int32_t first = LineIndex(From);
  if (first < 0) return;
  int32_t end = LineIndex(To + 1);
  const bool atEnd = end < 0;
  if (atEnd) end = static_cast<int32_t>(Query(WM_GETTEXTLENGTH, 0, 0));
  if (end < first) end = first;
  const int32_t count = To - From + 1;
  if (end - first > count * (kLineBuffer + 2)) {
    // Very long lines: each is read only as far as a line is ever checked.
    for (int32_t line = From; line <= To; ++line) {
      const int32_t start = line == From ? first : LineIndex(line);
      if (start < 0) break;
      int32_t next = line == To && !atEnd ? end : LineIndex(line + 1);
      if (next < 0) next = static_cast<int32_t>(Query(WM_GETTEXTLENGTH, 0, 0));
      const int32_t stop = std::clamp(next, start, start + kLineBuffer);
      std::string lineText(static_cast<size_t>(stop - start) + 1, '\0');
      TEXTRANGEA part = {{start, stop}, &lineText[0]};
      const intptr_t got = Query(EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&part));
      lineText.resize(static_cast<size_t>(std::clamp<intptr_t>(got, 0, stop - start)));
      while (!lineText.empty() && (lineText.back() == '\r' || lineText.back() == '\n')) lineText.pop_back();
      Lines.push_back({line, start, std::move(lineText)});
    }
    return;
  }
  std::string text(static_cast<size_t>(end - first) + 1, '\0');
  TEXTRANGEA range = {{first, end}, &text[0]};
  const intptr_t n = Query(EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range));
  text.resize(static_cast<size_t>(std::clamp<intptr_t>(n, 0, end - first)));
  // Paragraph breaks split the range; when each paragraph is one display
  // line (no wrapping in the range) the lines are known without asking.
  std::vector<int32_t> breaks;  // offset of each line's start
  breaks.push_back(0);
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    if ((text[i] == '\r' || text[i] == '\n') && (i + 1 < text.size() || atEnd))
      breaks.push_back(static_cast<int32_t>(i + 1));
  }
  if (static_cast<int32_t>(breaks.size()) != count) {
    breaks.clear();
    for (int32_t line = From; line <= To; ++line) {
      const int32_t start = line == From ? first : LineIndex(line);
      if (start < 0) break;
      breaks.push_back(start - first);
    }
  }
  for (size_t i = 0; i < breaks.size(); ++i) {
    const size_t a = std::min(static_cast<size_t>(breaks[i]), text.size());
    const size_t b = i + 1 < breaks.size() ? std::min(static_cast<size_t>(breaks[i + 1]), text.size()) : text.size();
    std::string lineText = text.substr(a, b > a ? b - a : 0);
    if (lineText.size() > static_cast<size_t>(kLineBuffer)) lineText.resize(kLineBuffer);
    while (!lineText.empty() && (lineText.back() == '\r' || lineText.back() == '\n')) lineText.pop_back();
    Lines.push_back({From + static_cast<int32_t>(i), first + static_cast<int32_t>(a), std::move(lineText)});
  }
}

int32_t TVexlorLiveRichEdit::LineAt(int32_t X, int32_t Y) const {
  POINTL at = {X, Y};
  const intptr_t ch = Query(EM_CHARFROMPOS, 0, reinterpret_cast<LPARAM>(&at));
  return static_cast<int32_t>(Query(EM_EXLINEFROMCHAR, 0, ch));
}

int32_t TVexlorLiveRichEdit::LineIndex(int32_t Line) const {
  return static_cast<int32_t>(Query(EM_LINEINDEX, static_cast<WPARAM>(Line), 0));
}

void TVexlorLiveRichEdit::CharPos(int32_t Index, int32_t& X, int32_t& Y) const {
  POINTL pt = {0, 0};
  Query(EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&pt), Index);
  X = pt.x;
  Y = pt.y;
}

void TVexlorLiveRichEdit::NotifyTextChanged() {
  HWND parent = ::GetParent(control_);
  if (parent)
    ::SendMessageA(parent, WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(control_), EN_CHANGE),
                   reinterpret_cast<LPARAM>(control_));
}

// ---- Checking and marking -----------------------------------------------------------

void TVexlorLiveRichEdit::FindMisspelled(std::string& Text, std::vector<TFoundWord>& Found) {
  Found.clear();
  stringParser_->Initialize(Text);
  engine_->Initialize(stringParser_.get(), ctAll);
  std::string previous, word;
  for (;;) {
    engine_->GetNextWord(word);
    if (word.empty()) break;
    if (!IsWordOK(word, previous)) Found.push_back({word, stringParser_->X()});
    if (useIgnoreContext_) previous = word;
  }
}

void TVexlorLiveRichEdit::DrawMarks(HDC__* DC) {
  useIgnoreContext_ = liveMenuOptions_.Contains(spIgnore);
  textHeight_ = -1;
  DWORD caret = 0;
  Query(EM_GETSEL, reinterpret_cast<WPARAM>(&caret), 0);
  RECT client = {};
  ::GetClientRect(control_, &client);
  // Each question about a position makes Wine's rich edit walk its
  // paragraphs from the document's start, so none is asked twice: the paint
  // has just found the first visible line.
  const int32_t firstVisible =
      paintPending_ ? lastFirstVisible_ : static_cast<int32_t>(Query(EM_GETFIRSTVISIBLELINE, 0, 0));
  // The visible lines: from the first down to the one at the client's
  // bottom. Right after the control's own paint only the lines it painted
  // can need marks; the others still show theirs.
  int32_t from = firstVisible;
  int32_t to = 0;
  const bool partial = paintPending_ && (paintTop_ > 0 || paintBottom_ < client.bottom);
  if (partial) {
    from = std::max(from, LineAt(0, paintTop_));
    to = LineAt(paintRight_ - 1, std::max(paintTop_, paintBottom_ - 1));
    ::IntersectClipRect(DC, paintLeft_, paintTop_, paintRight_, paintBottom_);
  } else {
    to = LineAt(client.right - 1, client.bottom - 1);
  }
  paintPending_ = false;
  std::vector<TVisibleLine> lines;
  ReadLines(from, std::max(from, to), lines);

  HPEN pen = ::CreatePen(PS_SOLID, 1, liveSpellingColor_);
  HGDIOBJ oldPen = ::SelectObject(DC, pen);
  std::vector<TFoundWord> found;
  for (size_t i = 0; i < lines.size(); ++i) {
    TVisibleLine& visible = lines[i];
    const int32_t line = visible.Line;
    if (static_cast<size_t>(line) >= caches_.size()) caches_.resize(static_cast<size_t>(line) + 64);
    auto& cache = caches_[static_cast<size_t>(line)];
    if (!cache) cache = std::make_unique<TLineCache>();
    const int32_t lineStart = visible.Start;
    if (cache->Dirty || cache->LineText != visible.Text) {
      cache->LineText = visible.Text;
      cache->Errors.clear();
      bool keepDirty = false;
      if (!spell_->IsLineIgnored(visible.Text)) {
        FindMisspelled(visible.Text, found);
        for (const TFoundWord& f : found) {
          if (lineStart + f.After == static_cast<int32_t>(caret) + 1) {
            keepDirty = true;  // the word ends at the caret: it is still being typed
            continue;
          }
          const int32_t length = static_cast<int32_t>(f.Word.size());
          cache->Errors.push_back({f.After - length - 1, f.After - 1});
        }
      }
      cache->Dirty = keepDirty;
    }
    if (!cache->Errors.empty()) {
      const int32_t next = i + 1 < lines.size() ? lines[i + 1].Start : LineIndex(line + 1);
      const int32_t y = UnderlineY(DC, line, lineStart, next);
      for (const TSpellingError& e : cache->Errors)
        DrawZigzag(DC, lineStart + e.StartColumn, lineStart + e.EndColumn, y);
    }
  }
  ::SelectObject(DC, oldPen);
  ::DeleteObject(pen);
  if (partial) ::SelectClipRgn(DC, nullptr);
}

// Measured once per format: creating the font each paint costs more than
// checking the lines.
int32_t TVexlorLiveRichEdit::DefaultTextHeight(HDC__* DC) {
  CHARFORMATA format = {};
  format.cbSize = 60;
  Query(EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
  const int32_t points = format.yHeight / 20;
  const std::string face(format.szFaceName, strnlen(format.szFaceName, sizeof format.szFaceName));
  if (points == measuredSize_ && face == measuredFace_) return measuredHeight_;
  HDC memory = ::CreateCompatibleDC(DC);
  HFONT font = ::CreateFontA(-::MulDiv(points, ::GetDeviceCaps(memory, LOGPIXELSY), 72), 0, 0, 0, FW_NORMAL, 0,
                             0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, format.szFaceName);
  HGDIOBJ old = ::SelectObject(memory, font);
  const int32_t height = FontLineHeight(memory);
  TEXTMETRICA metrics = {};
  ::GetTextMetricsA(memory, &metrics);
  measuredAscent_ = metrics.tmAscent;
  ::SelectObject(memory, old);
  ::DeleteObject(font);
  ::DeleteDC(memory);
  measuredFace_ = face;
  measuredSize_ = points;
  measuredHeight_ = height;
  return height;
}

int32_t TVexlorLiveRichEdit::UnderlineY(HDC__* DC, int32_t Line) {
  return UnderlineY(DC, Line, LineIndex(Line), LineIndex(Line + 1));
}

// Start and Next: the first characters of the line and of the next one
// (-1: there is none), when the caller knows them already.
int32_t TVexlorLiveRichEdit::UnderlineY(HDC__* DC, int32_t Line, int32_t Start, int32_t Next) {
  const int32_t start = Start;
  int32_t x0 = 0, y0 = 0;
  CharPos(start, x0, y0);
  // The height of the control's default text: the window DC alone holds the
  // system font, taller than the text, which would put the zigzag into the
  // next line. Measured once per paint.
  if (textHeight_ < 0) textHeight_ = DefaultTextHeight(DC);
  const int32_t result = y0 + textHeight_;
  // Under the word, not through it: a font with less room below its
  // baseline than the zigzag is tall would have the zigzag cross the
  // letters' feet, so it is lowered towards the baseline plus its height,
  // by at most one row past the line's bottom.
  const auto underWord = [&](int32_t y, int32_t lineBottom) {
    return std::max(y, std::min(y0 + measuredAscent_ + 4, lineBottom + 1));
  };
  const int32_t next = Next;
  if (next == -1) return underWord(result, result);
  int32_t x1 = 0, y1 = 0;
  CharPos(next, x1, y1);
  if (measureBaseline_) return y0 + MeasureBaselineOffset(DC, Line, x0, y0, y1);
  return underWord(std::max(result, y1), y1);
}

int32_t TVexlorLiveRichEdit::MeasureBaselineOffset(HDC__* DC, int32_t Line, int32_t X0, int32_t Y0, int32_t Y1) {
  const int32_t h = Y1 - Y0;
  if (h <= 0) return h;
  TLineCache* cache = caches_[static_cast<size_t>(Line)].get();
  if (cache && cache->MeasuredHeight == h && cache->BaselineOffset > 0) return cache->BaselineOffset;
  std::vector<int32_t> count(static_cast<size_t>(h), 0);
  int32_t hits = 0;
  for (int32_t x = X0;; ++x) {
    bool anyReadable = false, lastReadable = false, haveBackground = false, haveInk = false;
    COLORREF background = 0, ink = 0;
    int32_t row = -1;
    for (int32_t j = 0; j < h; ++j) {
      const COLORREF c = ::GetPixel(DC, x, Y0 + j);
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

void TVexlorLiveRichEdit::DrawZigzag(HDC__* DC, int32_t Start, int32_t End, int32_t Y) {
  int32_t xs = 0, xe = 0, unused = 0;
  CharPos(Start, xs, unused);
  CharPos(End, xe, unused);
  POINT points[kMaxZigzagPoints];
  int count = 0;
  for (int32_t x = xs; x < xe && count < kMaxZigzagPoints; x += 2, ++count)
    points[count] = POINT{x, (count % 2 == 0) ? Y - 4 : Y - 2};
  if (count == 0) return;
  points[count - 1].x = xe;
  ::MoveToEx(DC, points[0].x, points[0].y, nullptr);
  ::Polyline(DC, points, count);
}

// ---- Painting ------------------------------------------------------------------------

bool TVexlorLiveRichEdit::EraseBackground(const TLiveMessage& Message) {
  if (::GetObjectType(reinterpret_cast<HGDIOBJ>(Message.WParam)) == OBJ_MEMDC) return true;
  return !UseBufferedPaint();
}

bool TVexlorLiveRichEdit::Paint(const TLiveMessage& Message, bool& DrawAfter) {
  (void)Message;
  DrawAfter = false;
  if (!spellingActive_ || busy_ || !control_) return true;
  RECT client = {};
  ::GetClientRect(control_, &client);
  const int32_t first = static_cast<int32_t>(Query(EM_GETFIRSTVISIBLELINE, 0, 0));
  RECT update = client;
  if (first == lastFirstVisible_) {
    if (::GetUpdateRect(control_, &update, FALSE)) {
      // The zigzags hang below the last changed line.
      const RECT before = update;
      update.bottom = std::min<LONG>(update.bottom + 4, client.bottom);
      if (!BufferedPaintSupported()) {
        update.left = 0;
        update.right = client.right;
      }
      // Each invalidation is a round trip to the window system: only when
      // it adds something.
      if (!::EqualRect(&before, &update)) ::InvalidateRect(control_, &update, FALSE);
    }
  } else {
    lastFirstVisible_ = first;
    ::InvalidateRect(control_, nullptr, FALSE);
  }

  if (UseBufferedPaint()) {
    HDC screen = ::GetDC(control_);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, client.right, client.bottom);
    HGDIOBJ oldBitmap = ::SelectObject(memory, bitmap);
    const int32_t twipsX = 1440 / ::GetDeviceCaps(screen, LOGPIXELSX);
    const int32_t twipsY = 1440 / ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(control_, screen);
    const int32_t firstChar = LineIndex(first);
    int32_t px = 0, py = 0;
    CharPos(firstChar, px, py);
    if (py < 0) --py;

    PAINTSTRUCT ps = {};
    HDC paintDC = ::BeginPaint(control_, &ps);
    FORMATRANGE range = {};
    range.hdc = memory;
    range.hdcTarget = memory;
    range.rc.left = (marginDetected_ ? 1 : px) * twipsX;
    range.rc.top = py * twipsY;
    range.rc.right = (client.right - 2) * twipsX;
    range.rc.bottom = (client.bottom + 30) * twipsY;
    range.rcPage = RECT{0, range.rc.top, client.right * twipsX, range.rc.bottom};
    range.chrg.cpMin = firstChar;
    range.chrg.cpMax = -1;
    ::FillRect(memory, &client, ::GetSysColorBrush(COLOR_WINDOW));
    ::SendMessageA(control_, WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory), 0);
    ::SendMessageA(control_, EM_FORMATRANGE, 0, 0);
    const LRESULT rendered = ::SendMessageA(control_, EM_FORMATRANGE, 1, reinterpret_cast<LPARAM>(&range));
    ::SendMessageA(control_, EM_FORMATRANGE, 0, 0);
    if (rendered <= firstChar && ::GetWindowTextLengthA(control_) > firstChar) {
      // The control rendered nothing into the bitmap (some rich-edit builds
      // cannot): showing the blank bitmap would hide the text, so this
      // control is painted the plain way from now on.
      ::EndPaint(control_, &ps);
      ::SelectObject(memory, oldBitmap);
      ::DeleteObject(bitmap);
      ::DeleteDC(memory);
      bufferingAllowed_ = false;
      Repaint();
      return false;
    }
    DrawMarks(memory);
    ::BitBlt(paintDC, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
    ::EndPaint(control_, &ps);
    ::SelectObject(memory, oldBitmap);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    if (px > 2 && !marginDetected_ && !classDxMemo_ && !classRx_) {
      marginDetected_ = true;
      if (stopBufferingOnMargin_) bufferingAllowed_ = false;
      Repaint();
    }
    return false;
  }

  if (!MultiLine()) {
    RECT strip = {0, 0, 1, client.bottom};
    ::InvalidateRect(control_, &strip, FALSE);
  }
  DrawAfter = true;
  notResized_ = true;
  paintPending_ = true;
  paintLeft_ = update.left;
  paintTop_ = update.top;
  paintRight_ = update.right;
  paintBottom_ = update.bottom;
  return true;
}

void TVexlorLiveRichEdit::DrawMarksOnWindow() {
  if (!control_ || !spell_) {
    paintPending_ = false;
    return;
  }
  HDC dc = ::GetDC(control_);
  DrawMarks(dc);
  ::ReleaseDC(control_, dc);
}

void TVexlorLiveRichEdit::Resized() {
  Repaint();
  notResized_ = false;
}

void TVexlorLiveRichEdit::TargetDeviceChanged() {
  bufferingAllowed_ = false;
  Repaint();
}

void TVexlorLiveRichEdit::SelectionChanged() {
  if (!spellingActive_ || !control_) return;
  RECT client = {};
  ::GetClientRect(control_, &client);
  DWORD caret = 0;
  Query(EM_GETSEL, reinterpret_cast<WPARAM>(&caret), 0);
  const int32_t caretLine = static_cast<int32_t>(Query(EM_EXLINEFROMCHAR, 0, caret));
  const int32_t first = static_cast<int32_t>(Query(EM_GETFIRSTVISIBLELINE, 0, 0));
  const int32_t last = LineAt(client.right - 1, client.bottom - 1);
  const bool supported = BufferedPaintSupported();
  // Only lines that have to change are looked at: a line still holding a
  // word that was being typed, and the caret's line when its text changed.
  const int32_t end = std::min<int32_t>(last, static_cast<int32_t>(caches_.size()) - 1);
  for (int32_t line = first; line <= end; ++line) {
    TLineCache* cache = caches_[static_cast<size_t>(line)].get();
    if (!cache) continue;
    const bool leftWord = cache->Dirty && line != caretLine;
    const bool changedHere = !supported && line == caretLine && LineText(line) != cache->LineText;
    if (!leftWord && !changedHere) continue;
    cache->Dirty = true;
    const int32_t start = LineIndex(line);
    if (start < 0) break;
    int32_t x = 0, top = 0;
    CharPos(start, x, top);
    if (top > client.bottom) break;
    const int32_t next = LineIndex(line + 1);
    int32_t bottom = client.bottom;
    if (next >= 0) CharPos(next, x, bottom);
    RECT band = {0, top, client.right, bottom};
    ::InvalidateRect(control_, &band, TRUE);
  }
}

// ---- The suggestion menu ----------------------------------------------------------------

bool TVexlorLiveRichEdit::ContextMenu(const TLiveMessage& Message) {
  if (!spellingActive_ || !control_) return true;
  POINT point = {static_cast<short>(LOWORD(Message.LParam)), static_cast<short>(HIWORD(Message.LParam))};
  if (point.x < 0) {
    DWORD start = 0;
    ::SendMessageA(control_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    int32_t x = 0, y = 0;
    CharPos(static_cast<int32_t>(start), x, y);
    point = POINT{x + 1, y + 1};
  } else {
    ::ScreenToClient(control_, &point);
  }
  RECT client = {};
  ::GetClientRect(control_, &client);
  if (!::PtInRect(&client, point)) return true;

  POINTL at = {point.x, point.y};
  const int32_t ch = static_cast<int32_t>(::SendMessageA(control_, EM_CHARFROMPOS, 0, reinterpret_cast<LPARAM>(&at)));
  const int32_t line = static_cast<int32_t>(::SendMessageA(control_, EM_LINEFROMCHAR, static_cast<WPARAM>(ch), 0));
  const int32_t column = ch - LineIndex(line);
  std::string text = LineText(line);
  if (spell_->IsLineIgnored(text)) return true;
  useIgnoreContext_ = liveMenuOptions_.Contains(spIgnore);
  std::vector<TFoundWord> found;
  FindMisspelled(text, found);
  const TFoundWord* hit = nullptr;
  for (const TFoundWord& f : found) {
    const int32_t length = static_cast<int32_t>(f.Word.size());
    if (f.After - length - 1 <= column && column <= f.After - 1) {
      hit = &f;
      break;
    }
    if (column < f.After) break;
  }
  if (!hit) return true;
  const std::string word = hit->Word;

  windowParser_->Initialize(control_);
  windowParser_->SetPosition(hit->After - 1, line, ppCurrent);
  windowParser_->SelectWord(static_cast<int32_t>(word.size()));
  TRect rect;
  windowParser_->GetSelectionRect(rect);
  std::string replacement = word;
  const TSpellPopupOption action =
      spell_->ShowPopupMenu(TControl::FromHandle(control_), liveMenuOptions_, rect.Left, rect.Bottom, replacement);
  switch (action) {
    case spDialog: {
      const TSpellEndMessage endMessage = spell_->EndMessage();
      const TSpellDialogInitialPos initialPos = spell_->DialogInitialPos();
      spell_->SetEndMessage(emNever);
      spell_->SetDialogInitialPos(ipUnderSelection);
      spell_->CheckWinControl(control_, ctSelected);
      spell_->SetEndMessage(endMessage);
      spell_->SetDialogInitialPos(initialPos);
      break;
    }
    case spAutoCorrect:
      DoBeforeChange();
      windowParser_->ReplaceWord(replacement, 2);
      break;
    case spChangeAll:
      DoBeforeChange();
      windowParser_->ReplaceWord(replacement, 1);
      ReplaceAll(word, replacement);
      break;
    case spAdd:
    case spIgnoreAll:
      InvalidateCaches();
      Repaint();
      break;
    case spIgnore:
      IgnoreAction(10);
      break;
    case spReplace:
      DoBeforeChange();
      windowParser_->ReplaceWord(replacement, 0);
      break;
    default:
      break;
  }
  if (control_ && ::IsWindow(control_)) {
    POINT top = {rect.Left, rect.Top - 1}, bottom = {rect.Right, rect.Bottom + 1};
    ::ScreenToClient(control_, &top);
    ::ScreenToClient(control_, &bottom);
    RECT band = {0, top.y, client.right, bottom.y};
    ::InvalidateRect(control_, &band, TRUE);
  }
  return false;
}

void TVexlorLiveRichEdit::IgnoreAction(int32_t State) {
  if (!spellingActive_ || !control_) return;
  if (State == 11 || State == 12) {
    DWORD start = 0;
    ::SendMessageA(control_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    ::SendMessageA(control_, EM_SETSEL, start, start);
    InvalidateCaches();
    RepaintNow();
    return;
  }
  if (State != 10) return;
  windowParser_->Initialize(control_);
  int32_t x = 0, y = 0;
  windowParser_->GetCursorPosition(x, y);
  engine_->Initialize(windowParser_.get(), ctAll);
  engine_->MoveTo(x, y);
  std::string word;
  engine_->GetNextWord(word);
  if (word.empty()) return;
  CHARRANGE range = {};
  ::SendMessageA(control_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
  const int32_t length = range.cpMax - range.cpMin;
  if (length <= 0 || length >= 4000) return;
  std::string selected(static_cast<size_t>(length) + 1, '\0');
  const LRESULT n = ::SendMessageA(control_, EM_GETSELTEXT, 0, reinterpret_cast<LPARAM>(&selected[0]));
  selected.resize(static_cast<size_t>(std::max<LRESULT>(n, 0)));
  if (word != selected) return;

  // The word before it on its line gives the context of this ignore.
  engine_->MoveTo(0, y);
  std::string previous, reached;
  for (;;) {
    std::string w;
    engine_->GetNextWord(w);
    if (w.empty()) break;
    int32_t px = 0, py = 0;
    windowParser_->GetPosition(px, py);
    if (py != y) break;
    if (px - static_cast<int32_t>(w.size()) < x) {
      previous = w;
      continue;
    }
    reached = w;
    break;
  }
  if (reached != word) return;
  windowParser_->SelectWord(static_cast<int32_t>(word.size()));
  ignoredOnce_->AddIgnore(Ansi::LowerCase(word));
  auto& list = ignoredContext_[word];
  if (!list) {
    list = std::make_unique<TStringList>();
    list->SetSorted(true);
  }
  list->Add(previous);
  // Every line is checked again: the same word after the same preceding
  // word elsewhere is now accepted too.
  InvalidateCaches();
  Repaint();
}

// ---- Typing ------------------------------------------------------------------------------

void TVexlorLiveRichEdit::KeyReleased() {
  const char ch = lastChar_;
  lastChar_ = '\0';
  if (!ch || !correctingActive_ || !control_ || autoCorrectChars_.find(ch) == std::string::npos) return;
  DWORD s = 0, e = 0;
  Query(EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
  if (s != e) return;
  if (s == 0) return;
  // The typed character's own line: a wrapping space may have taken the
  // caret to the next one.
  const int32_t line = static_cast<int32_t>(Query(EM_EXLINEFROMCHAR, 0, s - 1));
  const int32_t typedColumn = static_cast<int32_t>(s - 1) - LineIndex(line);
  windowParser_->Initialize(control_);
  engine_->Initialize(windowParser_.get(), ctAll);
  engine_->MoveTo(typedColumn - 1, line);
  std::string word;
  engine_->GetNextWord(word);
  if (word.empty()) return;
  // Only a word that ends right at the typed character was just typed: after
  // a space or at a line's start the next word found lies after the caret.
  int32_t endX = 0, endY = 0;
  windowParser_->GetPosition(endX, endY);
  if (endY != line || endX != typedColumn) return;
  std::string replacement;
  if (IsWordOK(word, std::string()) && !spell_->UseAutoCorrectFirst()) return;
  if (!spell_->GetAutoCorrection(word, replacement)) return;
  ::SendMessageA(control_, WM_SETREDRAW, FALSE, 0);
  DoBeforeChange();
  windowParser_->SelectWord(static_cast<int32_t>(word.size()));
  windowParser_->ReplaceWord(replacement, 2);
  const DWORD caret = s + static_cast<DWORD>(replacement.size()) - static_cast<DWORD>(word.size());
  ::SendMessageA(control_, EM_SETSEL, caret, caret);
  ::SendMessageA(control_, WM_SETREDRAW, TRUE, 0);
  RepaintNow();
  NotifyTextChanged();
}

void TVexlorLiveRichEdit::ReplaceAll(const std::string& Word, const std::string& Replacement) {
  if (Word == Replacement || busy_ || !control_) return;
  CHARRANGE saved = {};
  ::SendMessageA(control_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&saved));
  busy_ = true;
  ::SendMessageA(control_, WM_SETREDRAW, FALSE, 0);
  const uint32_t started = Platform::TickCount();
  HCURSOR oldCursor = nullptr;
  bool hourglass = false;
  TWinAPIControlParser parser(control_);
  engine_->Initialize(&parser, ctAll);
  std::string word;
  for (;;) {
    engine_->GetNextWord(word);
    if (word.empty()) break;
    if (word == Word) {
      DoBeforeChange();
      parser.SelectWord(static_cast<int32_t>(word.size()));
      parser.ReplaceWord(Replacement, 0);
    }
    if (!hourglass && Platform::TickCount() - started >= kHourglassDelay) {
      hourglass = true;
      oldCursor = ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
    }
  }
  ::SendMessageA(control_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&saved));
  ::SendMessageA(control_, WM_SETREDRAW, TRUE, 0);
  NotifyTextChanged();
  busy_ = false;
  if (hourglass) ::SetCursor(oldCursor);
  RepaintNow();
}

void TVexlorLiveRichEdit::CheckSpelling(TCheckType CheckType) {
  if (!spell_ || !control_) return;
  checkParser_.reset();
  auto parser = std::make_unique<TWinAPIControlParser>(control_);
  if (spell_->OwnsParser()) {
    spell_->CheckParser(parser.release(), CheckType);
  } else {
    // The engine may still use it (an asynchronous check): kept until the next check.
    TWinAPIControlParser* raw = parser.get();
    checkParser_ = std::move(parser);
    spell_->CheckParser(raw, CheckType);
  }
}
