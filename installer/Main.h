// The installer's only window: an introduction page with the IDEs found on
// the machine, the install log, and the completion page.
#pragma once

#include <windows.h>

#include <string>

#include "InstallSteps.h"

class TInstallForm {
 public:
  // The form works on `installerFolder` (no trailing separator), the folder
  // holding Source, BPL and Help; the program passes its own folder.
  explicit TInstallForm(const std::string& installerFolder);
  ~TInstallForm();
  TInstallForm(const TInstallForm&) = delete;
  TInstallForm& operator=(const TInstallForm&) = delete;

  HWND Handle() const { return handle_; }
  void Show();
  // Shows the form and pumps messages until it is closed; the exit code.
  int Run();

 private:
  enum TPageIndex { kIntroPage, kInstallPage, kFinishedPage, kPageCount };
  struct TPage {
    HWND Window = nullptr;
    std::string Caption;
    bool TabVisible = true;
  };

  void CreateControls();
  void CreateIntroSheet();
  void CreateInstallSheet();
  void CreateFinishedSheet();
  HWND CreateChild(HWND parent, const char* className, const std::string& text, DWORD style, int x,
                   int y, int width, int height, int id = 0, DWORD exStyle = 0);

  void FormCreate();
  void InstallButtonClick();
  bool InstallCheckedPlatforms();  // false when any step failed
  void ShowOutcome(bool succeeded);
  void Log(const std::string& line);

  void SetTabVisible(TPageIndex page, bool visible);
  void SetActivePage(TPageIndex page);
  void RebuildTabs();
  void PageChanged();

  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam);
  void Command(int id, int code);
  static LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK PageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  std::string installerFolder_;
  TIdeState ides_[kIdeCount];

  HWND handle_ = nullptr;
  HFONT font_ = nullptr;
  HFONT boldFont_ = nullptr;
  TPage pages_[kPageCount];
  TPageIndex activePage_ = kIntroPage;
  bool busy_ = false;     // an install is running: hourglass, no closing
  bool running_ = false;  // Run() pumps messages: closing ends it

  HWND PageControl = nullptr;
  HWND IntroMemo = nullptr;
  HWND PlatformList = nullptr;
  HWND IDEHelp = nullptr;
  HWND CloseButton = nullptr;
  HWND InstallButton = nullptr;
  HWND Status = nullptr;
  HWND CompleteIcon = nullptr;
  HWND CompleteDivider = nullptr;
  HWND CompleteLabel = nullptr;
  HWND CompleteMemo = nullptr;
  HWND Button1 = nullptr;
};
