#pragma once
// Small painting helpers shared by the flat controls: a device context that
// is released on every path, a selected GDI object that is put back, and
// solid fills and frames in a colour.
#include <windows.h>

namespace ui {

// GetWindowDC / ReleaseDC (the whole window, frame included).
class WindowDC {
public:
    explicit WindowDC(HWND hwnd) : hwnd_(hwnd), dc_(GetWindowDC(hwnd)) {}
    ~WindowDC() {
        if (dc_) {
            ReleaseDC(hwnd_, dc_);
        }
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC Get() const { return dc_; }

private:
    HWND hwnd_;
    HDC dc_;
};

// BeginPaint / EndPaint.
class PaintDC {
public:
    explicit PaintDC(HWND hwnd) : hwnd_(hwnd) { dc_ = BeginPaint(hwnd, &ps_); }
    ~PaintDC() { EndPaint(hwnd_, &ps_); }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;
    HDC Get() const { return dc_; }

private:
    HWND hwnd_;
    PAINTSTRUCT ps_{};
    HDC dc_ = nullptr;
};

// Selects an object into a DC for a scope.
class Selected {
public:
    Selected(HDC dc, HGDIOBJ obj) : dc_(dc), old_(obj ? SelectObject(dc, obj) : nullptr) {}
    ~Selected() {
        if (old_) {
            SelectObject(dc_, old_);
        }
    }
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

// a mixed with b; weight of b in percent.
COLORREF Blend(COLORREF a, COLORREF b, int percentB);
void FillSolid(HDC dc, const RECT& r, COLORREF color);
// A one-pixel frame just inside r.
void FrameSolid(HDC dc, const RECT& r, COLORREF color);
// The font a control was given (WM_GETFONT), or the system's GUI font.
HFONT ControlFont(HWND hwnd);

}  // namespace ui
