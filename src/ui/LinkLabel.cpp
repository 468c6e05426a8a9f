#include "ui/LinkLabel.h"

#include <commctrl.h>

namespace ui {

namespace {
constexpr UINT_PTR kCursorSubclass = 1;
}

void LinkLabel::Create(HWND parent, int id, const RECT& bounds, const std::string& text,
                       HFONT font) {
    LOGFONTA lf{};
    if (font && GetObjectA(font, sizeof(lf), &lf) == sizeof(lf)) {
        lf.lfUnderline = TRUE;
        underlined_.Reset(CreateFontIndirectA(&lf));
    }
    // SS_NOTIFY: a plain static is transparent to the mouse.
    CreateStatic(parent, id, bounds, text, underlined_ ? underlined_.Get() : font, SS_NOTIFY);
    SetTextColor(kLinkColor);
    if (hwnd_) {
        SetWindowSubclass(hwnd_, &LinkLabel::CursorProc, kCursorSubclass, 0);
    }
    AutoSize();
}

bool LinkLabel::Reflect(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (msg == WM_COMMAND && HIWORD(wp) == STN_CLICKED) {
        if (OnClick) {
            OnClick();
        }
        result = 0;
        return true;
    }
    return StaticText::Reflect(msg, wp, lp, result);
}

LRESULT CALLBACK LinkLabel::CursorProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id,
                                       DWORD_PTR) {
    switch (msg) {
        case WM_SETCURSOR:
            if (LOWORD(lp) == HTCLIENT) {
                SetCursor(LoadCursorA(nullptr, IDC_HAND));
                return TRUE;
            }
            break;
        case WM_NCDESTROY:
            RemoveWindowSubclass(hwnd, &LinkLabel::CursorProc, id);
            break;
        default:
            break;
    }
    return DefSubclassProc(hwnd, msg, wp, lp);
}

}  // namespace ui
