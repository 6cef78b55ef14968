// Auto-correction as the user types, and replace-all: words are found with
// the own parsing engine and replaced through the window-control parser.
#include "vl3LiveTyping.h"

#include <windows.h>

#include <richedit.h>

#include "vl3LiveControl.h"
#include "vl3LiveRichEdit.h"
#include "vl3ParseEngine.h"
#include "vl3Platform.h"
#include "vl3SpellBase.h"
#include "vl3WinAPIParser.h"

namespace {

constexpr uint32_t kHourglassDelay = 500;  // ms of replace-all work before the hourglass

}  // namespace

TLiveTyping::TLiveTyping(TVexlorLiveRichEdit& owner, TLiveControl& control)
    : owner_(owner), control_(control), windowParser_(std::make_unique<TWinAPIControlParser>()) {}

TLiveTyping::~TLiveTyping() = default;

void TLiveTyping::KeyReleased() {
  const char ch = lastChar_;
  lastChar_ = '\0';
  HWND wnd = control_.Handle();
  if (!ch || !owner_.CorrectingActive() || !wnd ||
      owner_.AutoCorrectChars().find(ch) == std::string::npos)
    return;
  DWORD s = 0, e = 0;
  control_.Query(EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
  if (s != e) return;
  if (s == 0) return;
  // The typed character's own line: a wrapping space may have taken the
  // caret to the next one.
  const int32_t line = static_cast<int32_t>(control_.Query(EM_EXLINEFROMCHAR, 0, s - 1));
  const int32_t typedColumn = static_cast<int32_t>(s - 1) - control_.LineIndex(line);
  TParsingEngine* engine = owner_.ParsingEngine();
  windowParser_->Initialize(wnd);
  engine->Initialize(windowParser_.get(), ctAll);
  engine->MoveTo(typedColumn - 1, line);
  std::string word;
  engine->GetNextWord(word);
  if (word.empty()) return;
  // Only a word that ends right at the typed character was just typed: after
  // a space or at a line's start the next word found lies after the caret.
  int32_t endX = 0, endY = 0;
  windowParser_->GetPosition(endX, endY);
  if (endY != line || endX != typedColumn) return;
  TVexlorSpell3Base* spell = owner_.Spell();
  std::string replacement;
  if (owner_.IsWordOK(word, std::string()) && !spell->UseAutoCorrectFirst()) return;
  if (!spell->GetAutoCorrection(word, replacement)) return;
  ::SendMessageA(wnd, WM_SETREDRAW, FALSE, 0);
  owner_.DoBeforeChange();
  windowParser_->SelectWord(static_cast<int32_t>(word.size()));
  windowParser_->ReplaceWord(replacement, 2);
  const DWORD caret = s + static_cast<DWORD>(replacement.size()) - static_cast<DWORD>(word.size());
  ::SendMessageA(wnd, EM_SETSEL, caret, caret);
  ::SendMessageA(wnd, WM_SETREDRAW, TRUE, 0);
  control_.RepaintNow();
  control_.NotifyTextChanged();
}

void TLiveTyping::ReplaceAll(const std::string& word, const std::string& replacement) {
  HWND wnd = control_.Handle();
  if (word == replacement || busy_ || !wnd) return;
  CHARRANGE saved = {};
  ::SendMessageA(wnd, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&saved));
  busy_ = true;
  ::SendMessageA(wnd, WM_SETREDRAW, FALSE, 0);
  const uint32_t started = Platform::TickCount();
  HCURSOR oldCursor = nullptr;
  bool hourglass = false;
  TParsingEngine* engine = owner_.ParsingEngine();
  TWinAPIControlParser parser(wnd);
  engine->Initialize(&parser, ctAll);
  std::string found;
  for (;;) {
    engine->GetNextWord(found);
    if (found.empty()) break;
    if (found == word) {
      owner_.DoBeforeChange();
      parser.SelectWord(static_cast<int32_t>(found.size()));
      parser.ReplaceWord(replacement, 0);
    }
    if (!hourglass && Platform::TickCount() - started >= kHourglassDelay) {
      hourglass = true;
      oldCursor = ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
    }
  }
  ::SendMessageA(wnd, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&saved));
  ::SendMessageA(wnd, WM_SETREDRAW, TRUE, 0);
  control_.NotifyTextChanged();
  busy_ = false;
  if (hourglass) ::SetCursor(oldCursor);
  control_.RepaintNow();
}
