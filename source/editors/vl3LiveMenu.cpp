// The live-spelling menu: finds the marked word under the point, shows the
// spell component's menu under it and carries out the chosen entry.
#include "vl3LiveMenu.h"

#include <windows.h>

#include <richedit.h>

#include <string>
#include <vector>

#include "vl3Controls_win.h"
#include "vl3LiveControl.h"
#include "vl3LiveIgnoredOnce.h"
#include "vl3LiveMarks.h"
#include "vl3LiveRichEdit.h"
#include "vl3ParseEngine.h"
#include "vl3SpellBase.h"
#include "vl3WinAPIParser.h"

namespace {

// The states the spell component's ignore listeners are told.
constexpr int32_t kStateIgnore = 10;
constexpr int32_t kStateIgnoreAll = 11;
constexpr int32_t kStateAdd = 12;

}  // namespace

TLiveMenu::TLiveMenu(TVexlorLiveRichEdit& owner, TLiveControl& control, TLiveMarker& marker,
                     TLiveIgnoredOnce& ignoredOnce)
    : owner_(owner),
      control_(control),
      marker_(marker),
      ignoredOnce_(ignoredOnce),
      windowParser_(std::make_unique<TWinAPIControlParser>()) {}

TLiveMenu::~TLiveMenu() = default;

bool TLiveMenu::ContextMenu(const TLiveMessage& message) {
  HWND wnd = control_.Handle();
  if (!owner_.SpellingActive() || !wnd) return true;
  POINT point = {static_cast<short>(LOWORD(message.LParam)),
                 static_cast<short>(HIWORD(message.LParam))};
  if (point.x < 0) {
    // From the keyboard: the menu opens at the caret.
    int32_t x = 0, y = 0;
    control_.CharPos(control_.SelectionStart(), x, y);
    point = POINT{x + 1, y + 1};
  } else {
    ::ScreenToClient(wnd, &point);
  }
  RECT client = {};
  ::GetClientRect(wnd, &client);
  if (!::PtInRect(&client, point)) return true;

  POINTL at = {point.x, point.y};
  const int32_t ch =
      static_cast<int32_t>(control_.Query(EM_CHARFROMPOS, 0, reinterpret_cast<LPARAM>(&at)));
  const int32_t line =
      static_cast<int32_t>(control_.Query(EM_LINEFROMCHAR, static_cast<WPARAM>(ch), 0));
  const int32_t column = ch - control_.LineIndex(line);
  std::string text = control_.LineText(line);
  TVexlorSpell3Base* spell = owner_.Spell();
  if (spell->IsLineIgnored(text)) return true;
  const TSpellPopupOptions options = owner_.LiveMenuOptions();
  ignoredOnce_.SetUseContext(options.Contains(spIgnore));
  std::vector<TFoundWord> found;
  marker_.FindMisspelled(text, found);
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

  windowParser_->Initialize(wnd);
  windowParser_->SetPosition(hit->After - 1, line, ppCurrent);
  windowParser_->SelectWord(static_cast<int32_t>(word.size()));
  TRect rect;
  windowParser_->GetSelectionRect(rect);
  std::string replacement = word;
  const TSpellPopupOption action =
      spell->ShowPopupMenu(TControl::FromHandle(wnd), options, rect.Left, rect.Bottom, replacement);
  switch (action) {
    case spDialog: {
      const TSpellEndMessage endMessage = spell->EndMessage();
      const TSpellDialogInitialPos initialPos = spell->DialogInitialPos();
      spell->SetEndMessage(emNever);
      spell->SetDialogInitialPos(ipUnderSelection);
      spell->CheckWinControl(wnd, ctSelected);
      spell->SetEndMessage(endMessage);
      spell->SetDialogInitialPos(initialPos);
      break;
    }
    case spAutoCorrect:
      owner_.DoBeforeChange();
      windowParser_->ReplaceWord(replacement, 2);
      break;
    case spChangeAll:
      owner_.DoBeforeChange();
      windowParser_->ReplaceWord(replacement, 1);
      owner_.ReplaceAll(word, replacement);
      break;
    case spAdd:
    case spIgnoreAll:
      owner_.InvalidateCaches();
      control_.Repaint();
      break;
    case spIgnore:
      owner_.IgnoreAction(kStateIgnore);
      break;
    case spReplace:
      owner_.DoBeforeChange();
      windowParser_->ReplaceWord(replacement, 0);
      break;
    default:
      break;
  }
  // The menu may have closed the window (the host reacting to a change).
  wnd = control_.Handle();
  if (wnd && ::IsWindow(wnd)) {
    POINT top = {rect.Left, rect.Top - 1}, bottom = {rect.Right, rect.Bottom + 1};
    ::ScreenToClient(wnd, &top);
    ::ScreenToClient(wnd, &bottom);
    RECT band = {0, top.y, client.right, bottom.y};
    ::InvalidateRect(wnd, &band, TRUE);
  }
  return false;
}

void TLiveMenu::IgnoreAction(int32_t state) {
  HWND wnd = control_.Handle();
  if (!owner_.SpellingActive() || !wnd) return;
  if (state == kStateIgnoreAll || state == kStateAdd) {
    const int32_t start = control_.SelectionStart();
    ::SendMessageA(wnd, EM_SETSEL, start, start);
    owner_.InvalidateCaches();
    control_.RepaintNow();
    return;
  }
  if (state != kStateIgnore) return;
  TParsingEngine* engine = owner_.ParsingEngine();
  windowParser_->Initialize(wnd);
  int32_t x = 0, y = 0;
  windowParser_->GetCursorPosition(x, y);
  engine->Initialize(windowParser_.get(), ctAll);
  engine->MoveTo(x, y);
  std::string word;
  engine->GetNextWord(word);
  if (word.empty()) return;
  std::string selected;
  if (!control_.SelectedText(selected) || word != selected) return;

  // The word before it on its line gives the context of this ignore.
  engine->MoveTo(0, y);
  std::string previous, reached;
  for (;;) {
    std::string w;
    engine->GetNextWord(w);
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
  ignoredOnce_.Add(word, previous);
  // Every line is checked again: the same word after the same preceding
  // word elsewhere is now accepted too.
  owner_.InvalidateCaches();
  control_.Repaint();
}
