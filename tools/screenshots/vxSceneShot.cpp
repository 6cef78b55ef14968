// Captures windows from the screen into 24-bit bitmap files once they have
// painted.
#include "vxSceneShot.h"

#include <windows.h>

#include <fstream>

#include "vl3Application_win.h"
#include "vl3Form_win.h"

namespace {

// A bottom-up 24-bit BMP file of a device-independent bitmap.
bool SaveBitmap(HDC dc, HBITMAP bitmap, int width, int height, const std::string& path) {
  BITMAPINFOHEADER info = {};
  info.biSize = sizeof info;
  info.biWidth = width;
  info.biHeight = height;
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  const DWORD stride = ((static_cast<DWORD>(width) * 3 + 3) / 4) * 4;
  info.biSizeImage = stride * static_cast<DWORD>(height);
  std::vector<char> pixels(info.biSizeImage);
  if (!::GetDIBits(dc, bitmap, 0, static_cast<UINT>(height), pixels.data(),
                   reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS))
    return false;
  BITMAPFILEHEADER file = {};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + info.biSizeImage;
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&info), sizeof info);
  out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
  return static_cast<bool>(out);
}

// Lets the windows appear and paint: Wine maps and draws asynchronously.
void Settle(const std::vector<HWND>& windows) {
  for (int round = 0; round < 5; ++round) {
    for (HWND w : windows)
      ::RedrawWindow(w, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Application().ProcessMessages();
    ::Sleep(100);
  }
}

}  // namespace

bool TSceneShot::Capture(TForm& form, const std::string& name) {
  return Capture({form.Handle()}, name);
}

bool TSceneShot::Capture(const std::vector<HWND__*>& handles, const std::string& name) {
  std::vector<HWND> windows(handles.begin(), handles.end());
  if (windows.empty()) return false;
  Settle(windows);
  RECT area = {};
  bool first = true;
  for (HWND w : windows) {
    RECT r = {};
    if (!::GetWindowRect(w, &r)) continue;
    if (first)
      area = r;
    else
      ::UnionRect(&area, &area, &r);
    first = false;
  }
  const int width = area.right - area.left, height = area.bottom - area.top;
  if (first || width <= 0 || height <= 0) return false;
  HDC screen = ::GetDC(nullptr);
  HDC memory = ::CreateCompatibleDC(screen);
  HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = ::SelectObject(memory, bitmap);
  const bool copied =
      ::BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY) != FALSE;
  ::SelectObject(memory, old);
  const bool saved = copied && SaveBitmap(memory, bitmap, width, height, name + ".bmp");
  ::DeleteObject(bitmap);
  ::DeleteDC(memory);
  ::ReleaseDC(nullptr, screen);
  if (saved) saved_.push_back(name);
  return saved;
}
