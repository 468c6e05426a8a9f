#include "ui/StaticText.h"

namespace ui {

void StaticText::Create(HWND parent, int id, const RECT& bounds, const std::string& text,
                        HFONT font) {
    CreateStatic(parent, id, bounds, text, font, 0);
}

void StaticText::CreateStatic(HWND parent, int id, const RECT& bounds, const std::string& text,
                              HFONT font, DWORD extraStyle) {
    // No prefix: an "&" in a file name or address is text, not a mnemonic.
    Control::Create("STATIC", text, WS_VISIBLE | SS_LEFT | SS_NOPREFIX | extraStyle, 0, parent, id,
                    bounds, font);
}

void StaticText::SetTextColor(COLORREF color) {
    color_ = color;
    InvalidateRect(hwnd_, nullptr, TRUE);
}

HFONT StaticText::Font() const {
    return reinterpret_cast<HFONT>(SendMessageA(hwnd_, WM_GETFONT, 0, 0));
}

void StaticText::AutoSize() {
    const std::string text = Text();
    HDC dc = GetDC(hwnd_);
    if (!dc) {
        return;
    }
    HGDIOBJ old = SelectObject(dc, Font() ? Font() : GetStockObject(DEFAULT_GUI_FONT));
    RECT r{0, 0, 0, 0};
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r,
              DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, old);
    ReleaseDC(hwnd_, dc);
    const RECT b = Bounds();
    SetBounds(b.left, b.top, r.right - r.left, r.bottom - r.top);
}

bool StaticText::Reflect(UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
    if (msg != WM_CTLCOLORSTATIC || color_ == CLR_INVALID) {
        return false;
    }
    HDC dc = reinterpret_cast<HDC>(wp);
    ::SetTextColor(dc, color_);
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    result = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    return true;
}

}  // namespace ui
