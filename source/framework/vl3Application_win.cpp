// The application object: message loop and pumping with the forms' dialog
// keys, the shared cursor, message boxes and WinHelp topics.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <exception>

#include "vl3Application_win.h"
#include "vl3Form_win.h"
#include "vl3MessageDispatch.h"
#include "vl3Platform.h"

TApplication& Application() {
  static TApplication application;
  return application;
}

TApplication::TApplication() {
  Platform::SetMessageDispatcher([](void* msg) { Application().DispatchMsg(msg); });
}

void TApplication::Initialize() {
  if (initialized_) return;
  initialized_ = true;
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
  ::InitCommonControlsEx(&controls);
}

HWND__* TApplication::Handle() {
  if (!handle_)
    handle_ = ::CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                ::GetModuleHandleA(nullptr), nullptr);
  return handle_;
}

int TApplication::Run() {
  Initialize();
  if (mainForm_) mainForm_->Show();
  while (!terminated_ && HandleMessage()) {
  }
  return exitCode_;
}

void TApplication::Terminate() {
  terminated_ = true;
  ::PostQuitMessage(0);
}

void TApplication::DispatchMsg(void* message) {
  auto* msg = static_cast<MSG*>(message);
  // Keys go through the form they are typed in first: Tab, Enter, Escape
  // and mnemonics work in every form as in a dialog box.
  if (msg->hwnd && msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST) {
    if (TForm* form = TForm::FromHandle(::GetAncestor(msg->hwnd, GA_ROOT)))
      if (form->DialogMessage(msg)) return;
  }
  ::TranslateMessage(msg);
  ::DispatchMessageA(msg);
}

bool TApplication::HandleMessage() {
  MSG msg;
  const BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
  if (got == 0 || got == -1) {
    terminated_ = true;
    exitCode_ = got == 0 ? static_cast<int>(msg.wParam) : 1;
    return false;
  }
  DispatchMsg(&msg);
  return true;
}

void TApplication::ProcessMessages() {
  // Bounded, so that a window that keeps posting to itself cannot hold the
  // caller here for ever.
  MSG msg;
  for (int i = 0; i < 10000 && ::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
    if (msg.message == WM_QUIT) {
      terminated_ = true;
      exitCode_ = static_cast<int>(msg.wParam);
      ::PostQuitMessage(exitCode_);  // for the loop that runs the program
      return;
    }
    DispatchMsg(&msg);
  }
}

TAppCursor TApplication::Cursor() const {
  return Platform::GetCursor() == Platform::TCursor::Hourglass ? TAppCursor::crHourGlass
                                                               : TAppCursor::crDefault;
}

void TApplication::SetCursor(TAppCursor value) {
  // The platform seam keeps the state, so that the portable core's hourglass
  // and ours are the same.
  Platform::SetCursor(value == TAppCursor::crHourGlass ? Platform::TCursor::Hourglass
                                                       : Platform::TCursor::Default);
}

TForm* TApplication::ActiveForm() const { return TForm::FromHandle(::GetActiveWindow()); }

int32_t TApplication::MessageBox(const std::string& text, const std::string& caption,
                                 uint32_t flags) {
  TForm* owner = ActiveForm();
  if (!owner) owner = mainForm_;
  HWND wnd = owner && owner->Visible() ? owner->Handle() : nullptr;
  return ::MessageBoxA(wnd, text.c_str(), caption.c_str(), flags);
}

bool TApplication::HelpCommand(uint32_t command, intptr_t data, const std::string& file) {
  if (OnHelp && OnHelp(command, data)) return true;
  const std::string& fileName = file.empty() ? helpFile_ : file;
  if (fileName.empty()) return false;
  TForm* owner = ActiveForm();
  if (!owner) owner = mainForm_;
  HWND wnd = owner ? owner->Handle() : Handle();
  return ::WinHelpA(wnd, fileName.c_str(), command, static_cast<ULONG_PTR>(data)) != FALSE;
}

bool TApplication::HelpContext(int32_t context, const std::string& file) {
  return HelpCommand(HELP_CONTEXT, context, file);
}

void TApplication::ExceptionCaught(const char* where, uint32_t msg) noexcept {
  ++caughtExceptions_;
  try {
    std::string what = "an exception of unknown type";
    try {
      if (const std::exception_ptr caught = std::current_exception())
        std::rethrow_exception(caught);
    } catch (const std::exception& e) {
      what = e.what();
    } catch (...) {
    }
    char number[16];
    std::snprintf(number, sizeof number, "0x%04X", static_cast<unsigned>(msg));
    lastCaughtException_ = std::string(where ? where : "window") + ", message " + number + ": " + what;
    Platform::DebugOutput("Vexlor: caught in a window procedure: " + lastCaughtException_);
  } catch (...) {
    // Out of memory: the count is all there is.
  }
}

void TApplication::ClearCaughtExceptions() {
  caughtExceptions_ = 0;
  lastCaughtException_.clear();
}
