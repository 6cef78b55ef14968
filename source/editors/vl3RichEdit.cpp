// The spell-aware rich edit: a window class of its own derived from the 2.0
// rich edit, routing paint, keys, menus and state changes to live spelling.
#include "vl3RichEdit.h"

#include <windows.h>

#include <commctrl.h>
#include <richedit.h>

#include "vl3SpellBase.h"
#include "vl3Util.h"

const char* const TVexlorRichEdit::kClassName = "TVexlorRichEdit";

namespace {

// Registers the derived class once: the rich edit's own procedure and
// storage under our name.
const char* DerivedClass() {
  static const bool registered = [] {
    ::LoadLibraryA("riched20.dll");
    WNDCLASSEXA base = {};
    base.cbSize = sizeof base;
    if (!::GetClassInfoExA(nullptr, "RichEdit20A", &base)) return false;
    base.hInstance = ::GetModuleHandleA(nullptr);
    base.lpszClassName = TVexlorRichEdit::kClassName;
    base.style &= ~static_cast<UINT>(CS_GLOBALCLASS);
    return ::RegisterClassExA(&base) != 0;
  }();
  return registered ? TVexlorRichEdit::kClassName : "RichEdit20A";
}

}  // namespace

TVexlorRichEdit::TVexlorRichEdit(TComponent* owner, TParentWindow* parent)
    : TRichEdit(owner, parent, DerivedClass()), live_(std::make_unique<TVexlorLiveRichEdit>()) {
  if (!handle_) return;
  ::SendMessageA(handle_, EM_SETEVENTMASK, 0, ENM_CHANGE | ENM_SELCHANGE);
  // The window was created before this object could see its WM_CREATE.
  if (!live_->Control()) live_->SetControl(handle_);
}

TVexlorRichEdit::~TVexlorRichEdit() {
  // The live object goes first: it may still repaint the window.
  live_.reset();
}

intptr_t TVexlorRichEdit::Default(uint32_t msg, uintptr_t wParam, intptr_t lParam) {
  return DefWndProc(msg, wParam, lParam);
}

bool TVexlorRichEdit::WndProc(uint32_t msg, uintptr_t wParam, intptr_t lParam, intptr_t& result) {
  if (!live_) return false;
  const TLiveMessage message{msg, wParam, lParam};
  switch (msg) {
    case WM_CREATE:
      result = Default(msg, wParam, lParam);
      if (!live_->Control()) live_->SetControl(handle_);
      return true;
    case WM_ERASEBKGND:
      if (live_->EraseBackground(message)) return false;
      result = 1;
      return true;
    case WM_PAINT: {
      bool drawAfter = false;
      if (live_->Paint(message, drawAfter)) result = Default(msg, wParam, lParam);
      if (drawAfter) live_->DrawMarksOnWindow();
      return true;
    }
    case WM_CONTEXTMENU:
      return !live_->ContextMenu(message);
    case WM_SIZE:
      live_->Resized();
      return false;
    case WM_KEYUP:
      live_->KeyReleased();
      return false;
    case EM_SETREADONLY:
      result = Default(msg, wParam, lParam);
      live_->ReadOnlyChanged();
      return true;
    case EM_SETTARGETDEVICE:
      live_->TargetDeviceChanged();
      return false;
    case WM_CHAR:
      result = Default(msg, wParam, lParam);
      live_->KeyPressed(static_cast<char>(wParam));
      return true;
    default:
      return false;
  }
}

bool TVexlorRichEdit::Notify(tagNMHDR* header, intptr_t& result) {
  const bool handled = TRichEdit::Notify(header, result);
  if (header->code == EN_SELCHANGE && live_) live_->SelectionChanged();
  return handled;
}

void TVexlorRichEdit::Notification(TComponent* component, TOperation operation) {
  if (live_) live_->ComponentRemoved(component, operation);
  TRichEdit::Notification(component, operation);
}

TParsingEngine* TVexlorRichEdit::GetParsingEngine() { return live_->ParsingEngine(); }
void TVexlorRichEdit::SetParsingEngine(TParsingEngine* engine) { live_->SetParsingEngine(engine); }
std::string TVexlorRichEdit::GetAutoCorrectChars() { return live_->AutoCorrectChars(); }
void TVexlorRichEdit::SetAutoCorrectChars(const std::string& value) {
  live_->SetAutoCorrectChars(value);
}
bool TVexlorRichEdit::GetMeasureBaseline() { return live_->MeasureBaseline(); }
void TVexlorRichEdit::SetMeasureBaseline(bool value) { live_->SetMeasureBaseline(value); }
bool TVexlorRichEdit::GetStopBufferingOnMargin() { return live_->StopBufferingOnMargin(); }
void TVexlorRichEdit::SetStopBufferingOnMargin(bool value) {
  live_->SetStopBufferingOnMargin(value);
}
bool TVexlorRichEdit::GetLiveSpelling() { return live_->LiveSpelling(); }
void TVexlorRichEdit::SetLiveSpelling(bool value) { live_->SetLiveSpelling(value); }
bool TVexlorRichEdit::GetLiveCorrect() { return live_->LiveCorrect(); }
void TVexlorRichEdit::SetLiveCorrect(bool value) { live_->SetLiveCorrect(value); }
TVexlorSpell3Base* TVexlorRichEdit::GetVexlorSpell() { return live_->Spell(); }

void TVexlorRichEdit::SetVexlorSpell(TVexlorSpell3Base* value) {
  // Told when the component goes, so that the property never dangles.
  if (TVexlorSpell3Base* old = live_->Spell()) RemoveFreeNotification(old);
  live_->SetSpell(value);
  if (value) FreeNotification(value);
}

uint32_t TVexlorRichEdit::GetLiveSpellingColor() { return live_->LiveSpellingColor(); }
void TVexlorRichEdit::SetLiveSpellingColor(uint32_t value) { live_->SetLiveSpellingColor(value); }
bool TVexlorRichEdit::GetDoubleBuffered() { return live_->DoubleBuffered(); }
void TVexlorRichEdit::SetDoubleBuffered(bool value) { live_->SetDoubleBuffered(value); }
bool TVexlorRichEdit::GetLiveSpellingOptions() { return live_->LiveSpellingOptions(); }
void TVexlorRichEdit::SetLiveSpellingOptions(bool value) { live_->SetLiveSpellingOptions(value); }
TSpellPopupOptions TVexlorRichEdit::GetLiveMenuOptions() { return live_->LiveMenuOptions(); }
void TVexlorRichEdit::SetLiveMenuOptions(TSpellPopupOptions value) {
  live_->SetLiveMenuOptions(value);
}
bool TVexlorRichEdit::GetLiveSpellingReadOnly() { return live_->LiveSpellingReadOnly(); }
void TVexlorRichEdit::SetLiveSpellingReadOnly(bool value) { live_->SetLiveSpellingReadOnly(value); }
std::string TVexlorRichEdit::Version() const { return GetVersionString(); }

void TVexlorRichEdit::CheckSpelling(TCheckType checkType) {
  if (!handle_) return;
  const LRESULT options = ::SendMessageA(handle_, EM_GETOPTIONS, 0, 0);
  SetHideSelection(false);
  live_->CheckSpelling(checkType);
  if (handle_ && !(options & ECO_NOHIDESEL)) SetHideSelection(true);
}
