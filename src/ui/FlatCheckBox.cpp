#include "ui/FlatCheckBox.h"

#include "ui/FlatPaint.h"
#include "ui/Gdi.h"

#include <algorithm>

namespace ui {

namespace {
constexpr int kBox = 13;     // side of the box
constexpr int kTextGap = 5;  // between box and caption
using PenHandle = Owned<HPEN, GdiDeleter>;
}  // namespace

void FlatCheckBox::Create(HWND parent, int id, const std::string& caption, const RECT& bounds,
                          HFONT font) {
    CreateButton(parent, id, caption, bounds, font, true);
}

void FlatCheckBox::SetChecked(bool checked) {
    if (checked_ != checked) {
        checked_ = checked;
        Redraw();
    }
}

void FlatCheckBox::Clicked() {
    SetChecked(!checked_);
    OwnerDrawButton::Clicked();
}

void FlatCheckBox::DoubleClicked() {
    // The second click of a double click toggles again, as a native box does.
    Clicked();
}

bool FlatCheckBox::BeforeMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    switch (msg) {
        case BM_GETCHECK:
            result = checked_ ? BST_CHECKED : BST_UNCHECKED;
            return true;
        case BM_SETCHECK:
            SetChecked(wp == BST_CHECKED);
            result = 0;
            return true;
        default:
            return OwnerDrawButton::BeforeMessage(msg, wp, lp, result);
    }
}

void FlatCheckBox::Paint(HDC dc, const RECT& r, const DrawState& state) {
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    FillSolid(dc, r, face);

    const int top = r.top + ((r.bottom - r.top) - kBox) / 2;
    const RECT box{r.left, top, r.left + kBox, top + kBox};
    COLORREF fill = GetSysColor(COLOR_WINDOW);
    if (state.disabled) {
        fill = face;
    } else if (state.pressed) {
        fill = Blend(fill, highlight, 30);
    } else if (state.hot) {
        fill = Blend(fill, highlight, 12);
    }
    FillSolid(dc, box, fill);
    const bool lit = !state.disabled && (state.hot || state.focused || state.pressed);
    FrameSolid(dc, box, lit ? highlight : GetSysColor(COLOR_BTNSHADOW));

    if (checked_) {
        const COLORREF ink = GetSysColor(state.disabled ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT);
        PenHandle pen(CreatePen(PS_SOLID, 2, ink));
        Selected selected(dc, pen.Get());
        const POINT tick[] = {
            {box.left + 3, box.top + 6}, {box.left + 5, box.top + 9}, {box.left + 10, box.top + 3}};
        Polyline(dc, tick, 3);
    }

    Selected font(dc, ControlFont(hwnd_));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(state.disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
    const std::string caption = Text();
    RECT text{box.right + kTextGap, r.top, r.right, r.bottom};
    DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    if (state.focused && !state.disabled) {
        RECT measured = text;
        DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &measured,
                  DT_LEFT | DT_SINGLELINE | DT_CALCRECT);
        const int height = measured.bottom - measured.top;
        RECT focus{text.left - 2, r.top + ((r.bottom - r.top) - height) / 2 - 1,
                   std::min<LONG>(measured.right + 2, r.right), 0};
        focus.bottom = focus.top + height + 2;
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
        DrawFocusRect(dc, &focus);
    }
}

}  // namespace ui
