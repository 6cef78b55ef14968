// The application object of the Windows form layer: the message loop with
// dialog keys, the main form, the application-wide cursor, message boxes
// and help topics.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "vl3Geometry.h"

// <windows.h> maps MessageBox to MessageBoxA; the application keeps the name.
#undef MessageBox

struct HWND__;
class TForm;

enum class TAppCursor : unsigned char { crDefault, crHourGlass };

// Replaces the help system: command is a WinHelp command, data its argument;
// return true when handled.
using THelpEvent = std::function<bool(uint32_t command, intptr_t data)>;

class TApplication {
 public:
  TApplication(const TApplication&) = delete;
  TApplication& operator=(const TApplication&) = delete;

  // Registers the window classes and loads the common controls; every
  // form and control calls it, so calling it is optional.
  void Initialize();

  // The form whose closing ends Run; not owned.
  TForm* MainForm() const { return mainForm_; }
  void SetMainForm(TForm* form) { mainForm_ = form; }
  // Shows the main form and runs the message loop until Terminate or the
  // main form closes; returns the exit code.
  int Run();
  void Terminate();
  bool Terminated() const { return terminated_; }
  // Handles every message already queued, then returns.
  void ProcessMessages();
  // Waits for one message and handles it; false once the quit message came.
  bool HandleMessage();
  // Dialog keys for the form the message is meant for, then dispatch.
  void DispatchMsg(void* message);

  // The cursor every window of the application shows (the hourglass while
  // the program is busy).
  TAppCursor Cursor() const;
  void SetCursor(TAppCursor value);

  // The form that is active now, or null.
  TForm* ActiveForm() const;
  // A system message box owned by the active form (the main form when none
  // is active); returns the button pressed (IDOK, IDYES, ...).
  int32_t MessageBox(const std::string& text, const std::string& caption, uint32_t flags);

  // The default help file for help topics.
  const std::string& HelpFile() const { return helpFile_; }
  void SetHelpFile(const std::string& value) { helpFile_ = value; }
  // Opens a topic of file (HelpFile when empty) through WinHelp.
  bool HelpContext(int32_t context, const std::string& file = std::string());
  bool HelpCommand(uint32_t command, intptr_t data, const std::string& file = std::string());
  THelpEvent OnHelp;

  // A window of our own that never shows, for owning and messages.
  HWND__* Handle();

  // No exception leaves a window procedure of this layer. What one catches
  // is counted here, kept as "<where>, message 0x<msg>: <what>" and written
  // to the debug output, so that a program or a test sees that nothing was
  // swallowed. Call ExceptionCaught from the catch block.
  void ExceptionCaught(const char* where, uint32_t msg) noexcept;
  int32_t CaughtExceptionCount() const { return caughtExceptions_; }
  const std::string& LastCaughtException() const { return lastCaughtException_; }
  void ClearCaughtExceptions();

 private:
  friend TApplication& Application();
  // Installs DispatchMsg as the platform's message dispatcher, so that the
  // portable core's message pumping gives the forms their dialog keys.
  TApplication();
  TForm* mainForm_ = nullptr;
  bool initialized_ = false, terminated_ = false;
  int exitCode_ = 0;
  int32_t caughtExceptions_ = 0;
  std::string lastCaughtException_;
  std::string helpFile_;
  HWND__* handle_ = nullptr;
};

// The one application object of the program.
TApplication& Application();
