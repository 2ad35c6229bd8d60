// Small owners for the GDI objects the painters make.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace tessaly::skin {

struct GdiObjectDeleter {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
template <typename Handle>
using GdiObject = std::unique_ptr<std::remove_pointer_t<Handle>, GdiObjectDeleter>;
using Brush = GdiObject<HBRUSH>;
using Pen = GdiObject<HPEN>;
using Bitmap = GdiObject<HBITMAP>;

struct MemoryDcDeleter {
  void operator()(HDC dc) const { DeleteDC(dc); }
};
using MemoryDc = std::unique_ptr<std::remove_pointer_t<HDC>, MemoryDcDeleter>;

// A window DC from GetDC/GetWindowDC, released on scope exit.
class WindowDc {
 public:
  WindowDc(HWND window, HDC dc) : window_(window), dc_(dc) {}
  ~WindowDc() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// Selects an object into a DC for the scope.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ object)
      : dc_(dc), previous_(object ? SelectObject(dc, object) : nullptr) {}
  ~Selection() {
    if (previous_) SelectObject(dc_, previous_);
  }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// An off-screen copy of a rectangle: paint into dc(), then show() blits it.
class BackBuffer {
 public:
  BackBuffer(HDC target, const RECT& area)
      : target_(target),
        area_(area),
        dc_(CreateCompatibleDC(target)),
        bitmap_(CreateCompatibleBitmap(target, width(), height())),
        selection_(dc_.get(), bitmap_.get()) {
    SetWindowOrgEx(dc_.get(), area.left, area.top, nullptr);
  }
  bool ok() const { return dc_ && bitmap_; }
  HDC dc() const { return dc_.get(); }
  void show() const {
    BitBlt(target_, area_.left, area_.top, width(), height(), dc_.get(), area_.left, area_.top,
           SRCCOPY);
  }

 private:
  int width() const { return area_.right - area_.left > 0 ? area_.right - area_.left : 1; }
  int height() const { return area_.bottom - area_.top > 0 ? area_.bottom - area_.top : 1; }
  HDC target_;
  RECT area_;
  MemoryDc dc_;
  Bitmap bitmap_;
  Selection selection_;
};

}  // namespace tessaly::skin
