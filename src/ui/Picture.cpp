#include "ui/Picture.h"

namespace ui {

void Picture::Create(HWND parent, int id, const RECT& bounds) {
    Control::Create("STATIC", std::string(), WS_VISIBLE | SS_OWNERDRAW, 0, parent, id, bounds,
                    nullptr);
}

void Picture::SetBitmap(BitmapHandle bitmap) {
    bitmap_ = std::move(bitmap);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void Picture::SetIcon(IconHandle icon) {
    icon_ = std::move(icon);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

bool Picture::Reflect(UINT msg, WPARAM, LPARAM lp, LRESULT& result) {
    if (msg != WM_DRAWITEM) {
        return false;
    }
    const auto* di = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
    Draw(di->hDC, di->rcItem);
    result = TRUE;
    return true;
}

void Picture::Draw(HDC dc, const RECT& r) const {
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    const int w = r.right - r.left;
    const int h = r.bottom - r.top;
    if (bitmap_) {
        BITMAP bm{};
        GetObjectA(bitmap_.Get(), sizeof(bm), &bm);
        HDC mem = CreateCompatibleDC(dc);
        if (mem) {
            HGDIOBJ old = SelectObject(mem, bitmap_.Get());
            const int oldMode = SetStretchBltMode(dc, HALFTONE);
            StretchBlt(dc, r.left, r.top, w, h, mem, 0, 0, bm.bmWidth, bm.bmHeight, SRCCOPY);
            SetStretchBltMode(dc, oldMode);
            SelectObject(mem, old);
            DeleteDC(mem);
        }
    }
    if (icon_) {
        DrawIconEx(dc, r.left, r.top, icon_.Get(), w, h, 0, nullptr, DI_NORMAL);
    }
}

}  // namespace ui
