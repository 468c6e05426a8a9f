#include "ui/FlatPaint.h"

namespace ui {

COLORREF Blend(COLORREF a, COLORREF b, int percentB) {
    auto mix = [percentB](int x, int y) { return (x * (100 - percentB) + y * percentB) / 100; };
    return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)),
               mix(GetBValue(a), GetBValue(b)));
}

void FillSolid(HDC dc, const RECT& r, COLORREF color) {
    // ExtTextOut with an opaque rectangle fills without a brush to own.
    const COLORREF old = SetBkColor(dc, color);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
    SetBkColor(dc, old);
}

void FrameSolid(HDC dc, const RECT& r, COLORREF color) {
    FillSolid(dc, RECT{r.left, r.top, r.right, r.top + 1}, color);
    FillSolid(dc, RECT{r.left, r.bottom - 1, r.right, r.bottom}, color);
    FillSolid(dc, RECT{r.left, r.top, r.left + 1, r.bottom}, color);
    FillSolid(dc, RECT{r.right - 1, r.top, r.right, r.bottom}, color);
}

HFONT ControlFont(HWND hwnd) {
    auto font = reinterpret_cast<HFONT>(SendMessageA(hwnd, WM_GETFONT, 0, 0));
    return font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

}  // namespace ui
