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

TVexlorRichEdit::TVexlorRichEdit(TComponent* AOwner, TParentWindow* AParent)
    : TRichEdit(AOwner, AParent, DerivedClass()), live_(std::make_unique<TVexlorLiveRichEdit>()) {
  if (!handle_) return;
  ::SendMessageA(handle_, EM_SETEVENTMASK, 0, ENM_CHANGE | ENM_SELCHANGE);
  // The window was created before this object could see its WM_CREATE.
  if (!live_->Control()) live_->SetControl(handle_);
}

TVexlorRichEdit::~TVexlorRichEdit() {
  // The live object goes first: it may still repaint the window.
  live_.reset();
}

intptr_t TVexlorRichEdit::Default(uint32_t Msg, uintptr_t WParam, intptr_t LParam) {
  return DefWndProc(Msg, WParam, LParam);
}

bool TVexlorRichEdit::WndProc(uint32_t Msg, uintptr_t WParam, intptr_t LParam, intptr_t& Result) {
  if (!live_) return false;
  const TLiveMessage message{Msg, WParam, LParam};
  switch (Msg) {
    case WM_CREATE:
      Result = Default(Msg, WParam, LParam);
      if (!live_->Control()) live_->SetControl(handle_);
      return true;
    case WM_ERASEBKGND:
      if (live_->EraseBackground(message)) return false;
      Result = 1;
      return true;
    case WM_PAINT: {
      bool drawAfter = false;
      if (live_->Paint(message, drawAfter)) Result = Default(Msg, WParam, LParam);
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
      Result = Default(Msg, WParam, LParam);
      live_->ReadOnlyChanged();
      return true;
    case EM_SETTARGETDEVICE:
      live_->TargetDeviceChanged();
      return false;
    case WM_CHAR:
      Result = Default(Msg, WParam, LParam);
      live_->KeyPressed(static_cast<char>(WParam));
      return true;
    default:
      return false;
  }
}

bool TVexlorRichEdit::Notify(tagNMHDR* Header, intptr_t& Result) {
  const bool handled = TRichEdit::Notify(Header, Result);
  if (Header->code == EN_SELCHANGE && live_) live_->SelectionChanged();
  return handled;
}

void TVexlorRichEdit::Notification(TComponent* Component, TOperation Operation) {
  if (live_) live_->ComponentRemoved(Component, Operation);
  TRichEdit::Notification(Component, Operation);
}

TParsingEngine* TVexlorRichEdit::GetParsingEngine() { return live_->ParsingEngine(); }
void TVexlorRichEdit::SetParsingEngine(TParsingEngine* Engine) { live_->SetParsingEngine(Engine); }
std::string TVexlorRichEdit::GetAutoCorrectChars() { return live_->AutoCorrectChars(); }
void TVexlorRichEdit::SetAutoCorrectChars(const std::string& Value) { live_->SetAutoCorrectChars(Value); }
bool TVexlorRichEdit::GetMeasureBaseline() { return live_->MeasureBaseline(); }
void TVexlorRichEdit::SetMeasureBaseline(bool Value) { live_->SetMeasureBaseline(Value); }
bool TVexlorRichEdit::GetStopBufferingOnMargin() { return live_->StopBufferingOnMargin(); }
void TVexlorRichEdit::SetStopBufferingOnMargin(bool Value) { live_->SetStopBufferingOnMargin(Value); }
bool TVexlorRichEdit::GetLiveSpelling() { return live_->LiveSpelling(); }
void TVexlorRichEdit::SetLiveSpelling(bool Value) { live_->SetLiveSpelling(Value); }
bool TVexlorRichEdit::GetLiveCorrect() { return live_->LiveCorrect(); }
void TVexlorRichEdit::SetLiveCorrect(bool Value) { live_->SetLiveCorrect(Value); }
TVexlorSpell3Base* TVexlorRichEdit::GetVexlorSpell() { return live_->Spell(); }

void TVexlorRichEdit::SetVexlorSpell(TVexlorSpell3Base* Value) {
  // Told when the component goes, so that the property never dangles.
  if (TVexlorSpell3Base* old = live_->Spell()) RemoveFreeNotification(old);
  live_->SetSpell(Value);
  if (Value) FreeNotification(Value);
}

uint32_t TVexlorRichEdit::GetLiveSpellingColor() { return live_->LiveSpellingColor(); }
void TVexlorRichEdit::SetLiveSpellingColor(uint32_t Value) { live_->SetLiveSpellingColor(Value); }
bool TVexlorRichEdit::GetDoubleBuffered() { return live_->DoubleBuffered(); }
void TVexlorRichEdit::SetDoubleBuffered(bool Value) { live_->SetDoubleBuffered(Value); }
bool TVexlorRichEdit::GetLiveSpellingOptions() { return live_->LiveSpellingOptions(); }
void TVexlorRichEdit::SetLiveSpellingOptions(bool Value) { live_->SetLiveSpellingOptions(Value); }
TSpellPopupOptions TVexlorRichEdit::GetLiveMenuOptions() { return live_->LiveMenuOptions(); }
void TVexlorRichEdit::SetLiveMenuOptions(TSpellPopupOptions Value) { live_->SetLiveMenuOptions(Value); }
bool TVexlorRichEdit::GetLiveSpellingReadOnly() { return live_->LiveSpellingReadOnly(); }
void TVexlorRichEdit::SetLiveSpellingReadOnly(bool Value) { live_->SetLiveSpellingReadOnly(Value); }
std::string TVexlorRichEdit::Version() const { return GetVersionString(); }

void TVexlorRichEdit::CheckSpelling(TCheckType CheckType) {
  if (!handle_) return;
  const LRESULT options = ::SendMessageA(handle_, EM_GETOPTIONS, 0, 0);
  SetHideSelection(false);
  live_->CheckSpelling(CheckType);
  if (handle_ && !(options & ECO_NOHIDESEL)) SetHideSelection(true);
}
