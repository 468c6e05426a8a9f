#include "ui/Label.h"

namespace ui {

void Label::Create(HWND parent, int id, const std::string& caption, const RECT& bounds,
                   HFONT font) {
    Control::Create("STATIC", caption, WS_VISIBLE | WS_CLIPSIBLINGS | SS_LEFT, 0, parent, id,
                    bounds, font);
}

bool Label::Reflect(UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
    if (msg != WM_CTLCOLORSTATIC) {
        return false;
    }
    HDC dc = reinterpret_cast<HDC>(wp);
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    SetTextColor(dc, GetSysColor(Enabled() ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    result = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    return true;
}

}  // namespace ui
