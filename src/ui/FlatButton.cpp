#include "ui/FlatButton.h"

#include "ui/FlatPaint.h"

namespace ui {

void FlatButton::Create(HWND parent, int id, const std::string& caption, const RECT& bounds,
                        HFONT font) {
    CreateButton(parent, id, caption, bounds, font, true);
}

void FlatButton::Paint(HDC dc, const RECT& r, const DrawState& state) {
    PaintFace(dc, r, state, true);
}

void FlatButton::PaintFace(HDC dc, const RECT& r, const DrawState& state, bool focusRect) {
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    const bool active = !state.disabled && (state.pressed || state.hot);
    COLORREF fill = face;
    if (active) {
        fill = Blend(face, highlight, state.pressed ? 35 : 15);
    }
    FillSolid(dc, r, fill);
    const bool lit = !state.disabled && (state.pressed || state.hot || state.focused);
    FrameSolid(dc, r, lit ? highlight : GetSysColor(COLOR_BTNSHADOW));

    RECT text = r;
    if (state.pressed) {
        OffsetRect(&text, 1, 1);
    }
    Selected font(dc, ControlFont(hwnd_));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(state.disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
    const std::string caption = Text();
    DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (focusRect && state.focused && !state.disabled) {
        RECT f = r;
        InflateRect(&f, -3, -3);
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
        DrawFocusRect(dc, &f);
    }
}

bool FlatButton::BeforeMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    switch (msg) {
        case WM_GETDLGCODE:
            // The dialog manager presses a focused default button on Enter;
            // otherwise it presses IDOK.
            result =
                DLGC_BUTTON | (GetFocus() == hwnd_ ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
            return true;
        case BM_SETSTYLE:
            // The dialog manager moves the default style between push
            // buttons; the button must stay owner-drawn.
            Redraw();
            result = 0;
            return true;
        default:
            return OwnerDrawButton::BeforeMessage(msg, wp, lp, result);
    }
}

}  // namespace ui
