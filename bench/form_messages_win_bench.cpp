// Cost of one message sent to a window of the form layer, beside the same
// message to a plain window of the same class and straight to its procedure.
#include <richedit.h>
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "vl3Controls_win.h"
#include "vl3Form_win.h"
#include "vl3RichEdit.h"
#include "vl3RichEditBox_win.h"

namespace {

constexpr int kDefaultCount = 20000;

// Microseconds per SendMessageA of Msg to Wnd, over Count messages.
double PerSend(HWND Wnd, UINT Msg, int Count) {
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < Count; ++i) ::SendMessageA(Wnd, Msg, 0, 0);
  const std::chrono::duration<double, std::micro> took = std::chrono::steady_clock::now() - start;
  return took.count() / Count;
}

// The same message handed to the class's procedure directly: no chain.
double PerClassCall(HWND Wnd, UINT Msg, int Count) {
  const auto proc = reinterpret_cast<WNDPROC>(::GetClassLongPtrA(Wnd, GCLP_WNDPROC));
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < Count; ++i) ::CallWindowProcA(proc, Wnd, Msg, 0, 0);
  const std::chrono::duration<double, std::micro> took = std::chrono::steady_clock::now() - start;
  return took.count() / Count;
}

HWND PlainWindow(const char* ClassName, DWORD Style, HWND Parent) {
  return ::CreateWindowExA(0, ClassName, "", Style | (Parent ? WS_CHILD : 0), 0, 0, 200, 100, Parent,
                           nullptr, ::GetModuleHandleA(nullptr), nullptr);
}

const char* PlainTopClass() {
  WNDCLASSA wc = {};
  wc.lpfnWndProc = ::DefWindowProcA;
  wc.hInstance = ::GetModuleHandleA(nullptr);
  wc.lpszClassName = "VxBenchPlainTop";
  ::RegisterClassA(&wc);
  return wc.lpszClassName;
}

void Row(const char* Name, const char* MsgName, HWND Framework, HWND Plain, UINT Msg, int Count) {
  std::printf("%-22s %-17s | %9.2f | %9.2f | %9.2f\n", Name, MsgName, PerSend(Framework, Msg, Count),
              PerSend(Plain, Msg, Count), PerClassCall(Plain, Msg, Count));
}

}  // namespace

int main(int argc, char** argv) {
  const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : kDefaultCount;
  ::LoadLibraryA("riched20.dll");
  // Hidden windows: nothing to paint, only the dispatch is measured.
  TForm form;
  form.SetBounds(0, 0, 600, 400);
  auto* edit = new TEdit(&form, &form);
  auto* memo = new TMemo(&form, &form);
  auto* list = new TListBox(&form, &form);
  auto* rich = new TRichEdit(&form, &form);
  auto* live = new TVexlorRichEdit(&form, &form);
  memo->SetText("one\r\ntwo\r\nthree");
  list->Add("one");
  list->Add("two");

  const HWND top = PlainWindow(PlainTopClass(), WS_OVERLAPPEDWINDOW, nullptr);
  const HWND plainEdit = PlainWindow("EDIT", 0, top);
  const HWND plainMemo = PlainWindow("EDIT", ES_MULTILINE, top);
  const HWND plainList = PlainWindow("LISTBOX", 0, top);
  const HWND plainRich = PlainWindow("RichEdit20A", ES_MULTILINE, top);
  ::SetWindowTextA(plainMemo, "one\r\ntwo\r\nthree");

  // Warm up: first calls load and map code.
  PerSend(edit->Handle(), EM_GETSEL, 100);
  PerSend(plainEdit, EM_GETSEL, 100);

  std::printf("Microseconds per message (%d of each). 'framework': a window of the form layer,\n"
              "'plain': the same class without it, 'class proc': CallWindowProcA to the class procedure.\n\n",
              count);
  std::printf("%-22s %-17s | %9s | %9s | %9s\n", "window", "message", "framework", "plain", "class proc");
  Row("TForm", "WM_GETTEXTLENGTH", form.Handle(), top, WM_GETTEXTLENGTH, count);
  Row("TEdit", "EM_GETSEL", edit->Handle(), plainEdit, EM_GETSEL, count);
  Row("TMemo", "WM_GETTEXTLENGTH", memo->Handle(), plainMemo, WM_GETTEXTLENGTH, count);
  Row("TListBox", "LB_GETCOUNT", list->Handle(), plainList, LB_GETCOUNT, count);
  Row("TRichEdit", "EM_GETSEL", rich->Handle(), plainRich, EM_GETSEL, count);
  Row("TVexlorRichEdit", "EM_GETSEL", live->Handle(), plainRich, EM_GETSEL, count);
  ::DestroyWindow(top);
  return 0;
}
