// Small owners of GDI objects: each releases what it holds when it goes out
// of scope, in the reverse order of declaration, so early returns leak nothing.
#pragma once

#include <windows.h>

// A pen, brush, font or bitmap, deleted with DeleteObject.
template <typename THandle>
class TGdiObject {
 public:
  explicit TGdiObject(THandle handle = nullptr) : handle_(handle) {}
  ~TGdiObject() {
    if (handle_) ::DeleteObject(handle_);
  }
  TGdiObject(const TGdiObject&) = delete;
  TGdiObject& operator=(const TGdiObject&) = delete;

  THandle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }

 private:
  THandle handle_;
};

using TGdiPen = TGdiObject<HPEN>;
using TGdiFont = TGdiObject<HFONT>;
using TGdiBitmap = TGdiObject<HBITMAP>;

// A memory DC compatible with another one, deleted with DeleteDC.
class TMemoryDC {
 public:
  explicit TMemoryDC(HDC compatibleWith) : dc_(::CreateCompatibleDC(compatibleWith)) {}
  ~TMemoryDC() {
    if (dc_) ::DeleteDC(dc_);
  }
  TMemoryDC(const TMemoryDC&) = delete;
  TMemoryDC& operator=(const TMemoryDC&) = delete;

  HDC Get() const { return dc_; }

 private:
  HDC dc_;
};

// A window's client DC (GetDC), given back with ReleaseDC.
class TWindowDC {
 public:
  explicit TWindowDC(HWND wnd) : wnd_(wnd), dc_(::GetDC(wnd)) {}
  ~TWindowDC() { Release(); }
  TWindowDC(const TWindowDC&) = delete;
  TWindowDC& operator=(const TWindowDC&) = delete;

  HDC Get() const { return dc_; }
  // Gives the DC back early, when what was made from it outlives its use.
  void Release() {
    if (dc_) ::ReleaseDC(wnd_, dc_);
    dc_ = nullptr;
  }

 private:
  HWND wnd_;
  HDC dc_;
};

// BeginPaint .. EndPaint of one WM_PAINT.
class TPaintDC {
 public:
  explicit TPaintDC(HWND wnd) : wnd_(wnd), paint_{}, dc_(::BeginPaint(wnd, &paint_)) {}
  ~TPaintDC() { ::EndPaint(wnd_, &paint_); }
  TPaintDC(const TPaintDC&) = delete;
  TPaintDC& operator=(const TPaintDC&) = delete;

  HDC Get() const { return dc_; }

 private:
  HWND wnd_;
  PAINTSTRUCT paint_;
  HDC dc_;
};

// An object selected into a DC; the one it replaced is selected back.
class TSelectedObject {
 public:
  TSelectedObject(HDC dc, HGDIOBJ object)
      : dc_(dc), old_(object ? ::SelectObject(dc, object) : nullptr) {}
  ~TSelectedObject() {
    if (old_) ::SelectObject(dc_, old_);
  }
  TSelectedObject(const TSelectedObject&) = delete;
  TSelectedObject& operator=(const TSelectedObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};
