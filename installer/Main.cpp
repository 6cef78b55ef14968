// The installer's only window: an introduction page with the IDEs found on
// the machine, the install log, and the completion page.
#include "Main.h"

#include <commctrl.h>

namespace {

constexpr int kClientWidth = 433;
constexpr int kClientHeight = 227;
constexpr int kMargin = 8;
constexpr int kButtonWidth = 72;
constexpr int kButtonHeight = 25;
constexpr int kRightColumnWidth = 150;  // the list's one 142-wide column and its frame

// Control identifiers. Enter presses the Install button (IDOK) and Escape
// the Close buttons (IDCANCEL), as the keyboard does in dialogs.
constexpr int kInstallButtonId = IDOK;
constexpr int kCloseButtonId = IDCANCEL;
constexpr int kButton1Id = 100;
constexpr int kIDEHelpId = 101;
constexpr int kPlatformListId = 102;
constexpr int kIntroMemoId = 103;
constexpr int kStatusId = 104;
constexpr int kCompleteMemoId = 105;
constexpr int kPageControlId = 106;

const char kFormClass[] = "TInstallForm";
const char kPageClass[] = "TTabSheet";

// Paragraphs are single lines: the memo wraps them to its width, whatever
// the width of the font.
const char kIntroText[] =
    "Thank you for purchasing Vexlor!\r\n"
    "\r\n"
    "This program will install the Vexlor component packages and context sensitive help for "
    "Delphi and C++Builder.\r\n"
    "\r\n"
    "Please ensure that Delphi and C++Builder are not running during this installation.\r\n"
    "\r\n"
    "Windows NT and Windows 2000 users need full rights on this machine to install.";

const char kCompleteText[] =
    "Vexlor should now be installed into your development environment.\r\n"
    "\r\n"
    "Thank you for choosing Vexlor. If you have any questions, please contact us at "
    "support@vexlor.example.\r\n"
    "\r\n"
    "Thanks again!";

const char kCompleteTitle[] = "Installation Complete !!";
const char kFailedTitle[] = "Installation Failed";
const char kFailedText[] =
    "Some steps failed; the lines marked ** on the Install page say which.\r\n"
    "\r\n"
    "Close Delphi, C++Builder and any program that uses these files, make sure that you have "
    "full rights on this machine, then press Install >> on the Introduction page again. If it "
    "still fails, please contact us at support@vexlor.example.";

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Memos wrap between words only, never inside "C++Builder" or an address.
int CALLBACK BreakAtBlanks(LPSTR text, int current, int length, int action) {
  switch (action) {
    case WB_ISDELIMITER:
      return current >= 0 && current < length && IsBlank(text[current]);
    case WB_LEFT: {
      int at = current > 0 ? current - 1 : 0;
      while (at > 0 && IsBlank(text[at])) --at;
      while (at > 0 && !IsBlank(text[at - 1])) --at;
      return at;
    }
    case WB_RIGHT: {
      int at = current;
      while (at < length && !IsBlank(text[at])) ++at;
      while (at < length && IsBlank(text[at])) ++at;
      return at;
    }
  }
  return 0;
}

void RegisterClassOnce(HINSTANCE instance, const char* name, WNDPROC procedure) {
  WNDCLASSEXA windowClass = {};
  windowClass.cbSize = sizeof(windowClass);
  if (::GetClassInfoExA(instance, name, &windowClass)) return;
  windowClass = {};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
  windowClass.hIcon = ::LoadIcon(nullptr, IDI_APPLICATION);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = name;
  ::RegisterClassExA(&windowClass);
}

HFONT CreateBoldFont(HFONT base) {
  LOGFONTA font = {};
  ::GetObjectA(base, sizeof(font), &font);
  font.lfWeight = FW_BOLD;
  font.lfHeight = font.lfHeight < 0 ? font.lfHeight - 3 : -14;
  return ::CreateFontIndirectA(&font);
}

}  // namespace

TInstallForm::TInstallForm(const std::string& installerFolder) : installerFolder_(installerFolder) {
  INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES};
  ::InitCommonControlsEx(&controls);
  HINSTANCE instance = ::GetModuleHandleA(nullptr);
  RegisterClassOnce(instance, kFormClass, FormProc);
  RegisterClassOnce(instance, kPageClass, PageProc);

  // Dialog border with only the system menu; the client area has a fixed size.
  const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_CLIPCHILDREN;
  const DWORD exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
  RECT frame = {0, 0, kClientWidth, kClientHeight};
  ::AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  RECT desktop = {};
  ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &desktop, 0);
  const int x = desktop.left + (desktop.right - desktop.left - width) / 2;
  const int y = desktop.top + (desktop.bottom - desktop.top - height) / 2;
  handle_ = ::CreateWindowExA(exStyle, kFormClass, "Vexlor 3 Install", style, x, y, width, height,
                              nullptr, nullptr, instance, this);
  if (!handle_) return;
  font_ = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
  boldFont_ = CreateBoldFont(font_);
  CreateControls();
  FormCreate();
}

TInstallForm::~TInstallForm() {
  if (handle_ && ::IsWindow(handle_)) {
    ::SetWindowLongPtrA(handle_, GWLP_USERDATA, 0);
    ::DestroyWindow(handle_);
  }
  if (boldFont_) ::DeleteObject(boldFont_);
}

void TInstallForm::Show() {
  ::ShowWindow(handle_, SW_SHOW);
  ::UpdateWindow(handle_);
  ::SetFocus(InstallButton);
}

int TInstallForm::Run() {
  if (!handle_) return 1;
  Show();
  running_ = true;
  MSG message;
  while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (::IsWindow(handle_) && ::IsDialogMessageA(handle_, &message)) continue;
    ::TranslateMessage(&message);
    ::DispatchMessageA(&message);
  }
  running_ = false;
  return 0;
}

// ---- Controls ---------------------------------------------------------------

HWND TInstallForm::CreateChild(HWND parent, const char* className, const std::string& text,
                               DWORD style, int x, int y, int width, int height, int id,
                               DWORD exStyle) {
  HWND child = ::CreateWindowExA(
      exStyle, className, text.c_str(), WS_CHILD | WS_VISIBLE | style, x, y, width, height, parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleA(nullptr), nullptr);
  ::SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  return child;
}

void TInstallForm::CreateControls() {
  PageControl = CreateChild(handle_, WC_TABCONTROLA, "", WS_CLIPSIBLINGS | WS_TABSTOP, 0, 0,
                            kClientWidth, kClientHeight, kPageControlId);
  const char* captions[kPageCount] = {"Introduction", "Install", "Finished"};
  for (int page = 0; page < kPageCount; ++page) {
    pages_[page].Caption = captions[page];
    pages_[page].Window = ::CreateWindowExA(WS_EX_CONTROLPARENT, kPageClass, captions[page],
                                            WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0, handle_,
                                            nullptr, ::GetModuleHandleA(nullptr), this);
  }
  RebuildTabs();
  // The pages cover the tab control's display area, above it.
  RECT display = {0, 0, kClientWidth, kClientHeight};
  TabCtrl_AdjustRect(PageControl, FALSE, &display);
  for (TPage& page : pages_) {
    ::SetWindowPos(page.Window, HWND_TOP, display.left, display.top, display.right - display.left,
                   display.bottom - display.top, 0);
  }
  CreateIntroSheet();
  CreateInstallSheet();
  CreateFinishedSheet();
  SetActivePage(kIntroPage);
}

void TInstallForm::CreateIntroSheet() {
  HWND sheet = pages_[kIntroPage].Window;
  RECT area;
  ::GetClientRect(sheet, &area);
  const int right = area.right - kMargin;
  const int bottom = area.bottom - kMargin;
  const int column = right - kRightColumnWidth;

  IntroMemo =
      CreateChild(sheet, "EDIT", kIntroText, ES_MULTILINE | ES_READONLY | WS_TABSTOP, kMargin,
                  kMargin, column - 2 * kMargin, bottom - kMargin, kIntroMemoId, WS_EX_CLIENTEDGE);
  ::SendMessageA(IntroMemo, EM_SETWORDBREAKPROC, 0, reinterpret_cast<LPARAM>(BreakAtBlanks));

  const int buttonTop = bottom - kButtonHeight;
  const int checkTop = buttonTop - 8 - 20;
  PlatformList = CreateChild(
      sheet, WC_LISTVIEWA, "",
      LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER | WS_TABSTOP, column,
      kMargin, kRightColumnWidth, checkTop - 4 - kMargin, kPlatformListId, WS_EX_CLIENTEDGE);
  ListView_SetExtendedListViewStyle(PlatformList, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
  LVCOLUMNA column0 = {};
  column0.mask = LVCF_TEXT | LVCF_WIDTH;
  column0.cx = 142;
  column0.pszText = const_cast<char*>("Installation Platform");
  ::SendMessageA(PlatformList, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column0));

  IDEHelp = CreateChild(sheet, "BUTTON", "Install Help into IDE", BS_AUTOCHECKBOX | WS_TABSTOP,
                        column, checkTop, kRightColumnWidth, 20, kIDEHelpId);
  ::SendMessageA(IDEHelp, BM_SETCHECK, BST_CHECKED, 0);

  const int gap = kRightColumnWidth - 2 * kButtonWidth;
  CloseButton = CreateChild(sheet, "BUTTON", "Close", BS_PUSHBUTTON | WS_TABSTOP, column, buttonTop,
                            kButtonWidth, kButtonHeight, kCloseButtonId);
  InstallButton = CreateChild(sheet, "BUTTON", "Install >>", BS_DEFPUSHBUTTON | WS_TABSTOP,
                              column + kButtonWidth + gap, buttonTop, kButtonWidth, kButtonHeight,
                              kInstallButtonId);
}

void TInstallForm::CreateInstallSheet() {
  HWND sheet = pages_[kInstallPage].Window;
  RECT area;
  ::GetClientRect(sheet, &area);
  Status = CreateChild(sheet, "EDIT", "",
                       ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP,
                       kMargin, kMargin, area.right - 2 * kMargin, area.bottom - 2 * kMargin,
                       kStatusId, WS_EX_CLIENTEDGE);
  ::SendMessageA(Status, EM_SETLIMITTEXT, 0, 0);
}

void TInstallForm::CreateFinishedSheet() {
  HWND sheet = pages_[kFinishedPage].Window;
  RECT area;
  ::GetClientRect(sheet, &area);
  const int right = area.right - kMargin;
  const int bottom = area.bottom - kMargin;

  CompleteIcon = CreateChild(sheet, "STATIC", "", SS_ICON, kMargin, kMargin, 32, 32);
  ::SendMessageA(CompleteIcon, STM_SETICON,
                 reinterpret_cast<WPARAM>(::LoadIcon(nullptr, IDI_INFORMATION)), 0);
  CompleteLabel = CreateChild(sheet, "STATIC", kCompleteTitle, SS_LEFT, kMargin + 32 + 12,
                              kMargin + 8, right - kMargin - 44, 20);
  ::SendMessageA(CompleteLabel, WM_SETFONT, reinterpret_cast<WPARAM>(boldFont_), FALSE);
  const int dividerTop = kMargin + 32 + 8;
  CompleteDivider =
      CreateChild(sheet, "STATIC", "", SS_ETCHEDHORZ, kMargin, dividerTop, right - kMargin, 2);
  const int buttonTop = bottom - kButtonHeight;
  CompleteMemo = CreateChild(sheet, "EDIT", kCompleteText, ES_MULTILINE | ES_READONLY | WS_TABSTOP,
                             kMargin, dividerTop + 10, right - kMargin,
                             buttonTop - 8 - dividerTop - 10, kCompleteMemoId, WS_EX_CLIENTEDGE);
  ::SendMessageA(CompleteMemo, EM_SETWORDBREAKPROC, 0, reinterpret_cast<LPARAM>(BreakAtBlanks));
  Button1 = CreateChild(sheet, "BUTTON", "Close", BS_PUSHBUTTON | WS_TABSTOP, right - kButtonWidth,
                        buttonTop, kButtonWidth, kButtonHeight, kButton1Id);
}

// ---- Pages ------------------------------------------------------------------

void TInstallForm::RebuildTabs() {
  TabCtrl_DeleteAllItems(PageControl);
  int tab = 0;
  for (int page = 0; page < kPageCount; ++page) {
    if (!pages_[page].TabVisible) continue;
    TCITEMA item = {};
    item.mask = TCIF_TEXT | TCIF_PARAM;
    item.pszText = const_cast<char*>(pages_[page].Caption.c_str());
    item.lParam = page;
    ::SendMessageA(PageControl, TCM_INSERTITEMA, tab, reinterpret_cast<LPARAM>(&item));
    if (page == activePage_) TabCtrl_SetCurSel(PageControl, tab);
    ++tab;
  }
}

void TInstallForm::SetTabVisible(TPageIndex page, bool visible) {
  if (pages_[page].TabVisible == visible) return;
  pages_[page].TabVisible = visible;
  RebuildTabs();
}

void TInstallForm::SetActivePage(TPageIndex page) {
  activePage_ = page;
  RebuildTabs();
  for (int other = 0; other < kPageCount; ++other) {
    ::ShowWindow(pages_[other].Window, other == page ? SW_SHOW : SW_HIDE);
  }
  ::UpdateWindow(handle_);
}

// The user picked a tab.
void TInstallForm::PageChanged() {
  const int tab = TabCtrl_GetCurSel(PageControl);
  TCITEMA item = {};
  item.mask = TCIF_PARAM;
  if (tab < 0 || !::SendMessageA(PageControl, TCM_GETITEMA, tab, reinterpret_cast<LPARAM>(&item)))
    return;
  SetActivePage(static_cast<TPageIndex>(item.lParam));
}

// ---- Behaviour --------------------------------------------------------------

void TInstallForm::FormCreate() {
  SetTabVisible(kInstallPage, false);
  SetTabVisible(kFinishedPage, false);

  for (int index = 0; index < kIdeCount; ++index) ides_[index] = ScanIde(index, installerFolder_);
  for (int index = 0; index < kIdeCount; ++index) {
    if (!ides_[index].PackagesAvailable || !ides_[index].Installed) continue;
    LVITEMA row = {};
    row.mask = LVIF_TEXT | LVIF_PARAM;
    row.iItem = ListView_GetItemCount(PlatformList);
    row.pszText = const_cast<char*>(kIdes[index].DisplayName);
    row.lParam = index;
    const int at = static_cast<int>(
        ::SendMessageA(PlatformList, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&row)));
    if (at >= 0) ListView_SetCheckState(PlatformList, at, TRUE);
  }
}

void TInstallForm::InstallButtonClick() {
  ::EnableWindow(InstallButton, FALSE);
  busy_ = true;
  ::SetCursor(::LoadCursor(nullptr, IDC_WAIT));
  bool succeeded = false;
  try {
    SetTabVisible(kInstallPage, true);
    SetActivePage(kInstallPage);
    ::SetWindowTextA(Status, "");
    ::UpdateWindow(handle_);
    succeeded = InstallCheckedPlatforms();
  } catch (...) {
    // Whatever stopped the install, the user gets the form back and hears of it.
    try {
      Log("** The installation stopped at an unexpected error.");
    } catch (...) {
    }
  }
  ::EnableWindow(InstallButton, TRUE);
  busy_ = false;
  ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
  ::MessageBeep(0);
  ShowOutcome(succeeded);
  SetTabVisible(kFinishedPage, true);
  SetActivePage(kFinishedPage);
  // The keyboard follows the user to the visible page (Enter or Escape closes).
  ::SetFocus(Button1);
}

// The last page tells whether everything went in; an install repeated
// after a failure may end as a success.
void TInstallForm::ShowOutcome(bool succeeded) {
  ::SendMessageA(
      CompleteIcon, STM_SETICON,
      reinterpret_cast<WPARAM>(::LoadIcon(nullptr, succeeded ? IDI_INFORMATION : IDI_WARNING)), 0);
  ::SetWindowTextA(CompleteLabel, succeeded ? kCompleteTitle : kFailedTitle);
  ::SetWindowTextA(CompleteMemo, succeeded ? kCompleteText : kFailedText);
}

bool TInstallForm::InstallCheckedPlatforms() {
  TInstallRequest request;
  request.Owner = handle_;
  request.InstallerFolder = installerFolder_;
  request.WithHelp = ::SendMessageA(IDEHelp, BM_GETCHECK, 0, 0) == BST_CHECKED;
  const TInstallLog log = [this](const std::string& line) { Log(line); };
  bool succeeded = true;

  const int rows = ListView_GetItemCount(PlatformList);
  for (int row = 0; row < rows; ++row) {
    if (!ListView_GetCheckState(PlatformList, row)) continue;
    LVITEMA item = {};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    if (!::SendMessageA(PlatformList, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item))) continue;
    const int index = static_cast<int>(item.lParam);
    if (index < 0 || index >= kIdeCount) continue;
    succeeded = InstallIde(request, index, ides_[index], log) && succeeded;
  }
  if (request.WithHelp) succeeded = InstallWindowsHelp(installerFolder_, log) && succeeded;
  return succeeded;
}

void TInstallForm::Log(const std::string& line) {
  const std::string text = line + "\r\n";
  const LRESULT end = ::GetWindowTextLengthA(Status);
  ::SendMessageA(Status, EM_SETSEL, end, end);
  ::SendMessageA(Status, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
  ::UpdateWindow(Status);
}

void TInstallForm::Command(int id, int code) {
  if (code != BN_CLICKED) return;
  switch (id) {
    case kInstallButtonId:
      // Enter reaches here from any page; only the visible, enabled button installs.
      if (activePage_ == kIntroPage && ::IsWindowEnabled(InstallButton)) InstallButtonClick();
      break;
    case kCloseButtonId:
    case kButton1Id:
      ::SendMessageA(handle_, WM_CLOSE, 0, 0);
      break;
  }
}

// ---- Window procedures ------------------------------------------------------

LRESULT TInstallForm::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      Command(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_NOTIFY: {
      const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header->hwndFrom == PageControl && header->code == TCN_SELCHANGE) PageChanged();
      return 0;
    }
    case DM_GETDEFID:
      return MAKELRESULT(kInstallButtonId, DC_HASDEFID);
    case WM_CTLCOLORSTATIC:
      // Read-only memos keep the white of a memo, not the grey of a label.
      if (reinterpret_cast<HWND>(lParam) == IntroMemo || reinterpret_cast<HWND>(lParam) == Status ||
          reinterpret_cast<HWND>(lParam) == CompleteMemo) {
        ::SetBkColor(reinterpret_cast<HDC>(wParam), ::GetSysColor(COLOR_WINDOW));
        return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_WINDOW));
      }
      break;
    case WM_SETCURSOR:
      if (busy_) {
        ::SetCursor(::LoadCursor(nullptr, IDC_WAIT));
        return TRUE;
      }
      break;
    case WM_CLOSE:
      // Closing in the middle of an install would pull the log from under it.
      if (!busy_) ::DestroyWindow(handle_);
      return 0;
    case WM_DESTROY:
      if (running_) ::PostQuitMessage(0);
      return 0;
  }
  return ::DefWindowProcA(handle_, message, wParam, lParam);
}

LRESULT CALLBACK TInstallForm::FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    auto* form = static_cast<TInstallForm*>(create->lpCreateParams);
    form->handle_ = window;
    ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
  }
  auto* form = reinterpret_cast<TInstallForm*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!form) return ::DefWindowProcA(window, message, wParam, lParam);
  try {
    return form->WndProc(message, wParam, lParam);
  } catch (...) {
    return 0;
  }
}

// A page passes its controls' notifications on to the form.
LRESULT CALLBACK TInstallForm::PageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
      return ::SendMessageA(::GetParent(window), message, wParam, lParam);
  }
  return ::DefWindowProcA(window, message, wParam, lParam);
}
