#include "ui/FlatEdit.h"

#include <commctrl.h>

#include <algorithm>

#include "ui/Application.h"
#include "ui/FlatPaint.h"

namespace ui {

namespace {
constexpr UINT_PTR kSubclassId = 1;
constexpr int kMarginX = 2;
}  // namespace

FlatEdit::~FlatEdit() {
    if (hwnd_ && IsWindow(hwnd_)) {
        RemoveWindowSubclass(hwnd_, &FlatEdit::SubclassProc, kSubclassId);
    }
}

void FlatEdit::Create(HWND parent, int id, const RECT& bounds, HFONT font, COLORREF background) {
    SetColor(background);
    // The frame is ours, not WS_BORDER (which the edit control paints itself).
    Control::Create("EDIT", "", WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | ES_AUTOHSCROLL, 0,
                    parent, id, bounds, font);
    if (!hwnd_) {
        return;
    }
    {
        HDC dc = GetDC(hwnd_);
        Selected selected(dc, ControlFont(hwnd_));
        TEXTMETRICA tm{};
        GetTextMetricsA(dc, &tm);
        ReleaseDC(hwnd_, dc);
        padY_ = std::max<int>(0, ((bounds.bottom - bounds.top) - 2 - tm.tmHeight) / 2);
    }
    SendMessageA(hwnd_, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN,
                 MAKELPARAM(kMarginX, kMarginX));
    SetWindowSubclass(hwnd_, &FlatEdit::SubclassProc, kSubclassId,
                      reinterpret_cast<DWORD_PTR>(this));
    // Recompute the frame now that the subclass answers WM_NCCALCSIZE.
    SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void FlatEdit::SetColor(COLORREF background) {
    color_ = background;
    brush_.Reset(CreateSolidBrush(background));
    if (hwnd_) {
        InvalidateRect(hwnd_, nullptr, TRUE);
        RedrawFrame();
    }
}

bool FlatEdit::Reflect(UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
    if (msg != WM_CTLCOLOREDIT && msg != WM_CTLCOLORSTATIC) {
        return false;
    }
    HDC dc = reinterpret_cast<HDC>(wp);
    SetBkColor(dc, color_);
    SetTextColor(dc, GetSysColor(Enabled() ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    result = reinterpret_cast<LRESULT>(brush_.Get());
    return true;
}

void FlatEdit::RedrawFrame() {
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN);
}

void FlatEdit::PaintFrame() {
    WindowDC dc(hwnd_);
    RECT origin{};
    GetWindowRect(hwnd_, &origin);
    const RECT window{0, 0, origin.right - origin.left, origin.bottom - origin.top};
    // The client area in window coordinates: everything else is frame.
    RECT client{};
    GetClientRect(hwnd_, &client);
    MapWindowPoints(hwnd_, nullptr, reinterpret_cast<POINT*>(&client), 2);
    OffsetRect(&client, -origin.left, -origin.top);
    ExcludeClipRect(dc.Get(), client.left, client.top, client.right, client.bottom);
    FillSolid(dc.Get(), window, color_);
    const bool lit = Enabled() && (hot_ || GetFocus() == hwnd_);
    FrameSolid(dc.Get(), window, GetSysColor(lit ? COLOR_HIGHLIGHT : COLOR_BTNSHADOW));
}

bool FlatEdit::BeforeMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    switch (msg) {
        case WM_NCCALCSIZE: {
            RECT* r = wp ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lp)->rgrc[0]
                         : reinterpret_cast<RECT*>(lp);
            r->left += 1;
            r->right -= 1;
            r->top += 1 + padY_;
            r->bottom -= 1 + padY_;
            r->right = std::max(r->right, r->left);
            r->bottom = std::max(r->bottom, r->top);
            result = 0;
            return true;
        }
        case WM_NCPAINT:
            PaintFrame();
            result = 0;
            return true;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_ENABLE:
            result = DefSubclassProc(hwnd_, msg, wp, lp);
            RedrawFrame();
            return true;
        case WM_MOUSEMOVE:
            if (!hot_) {
                hot_ = true;
                TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, hwnd_, 0};
                TrackMouseEvent(&tme);
                RedrawFrame();
            }
            return false;
        case WM_MOUSELEAVE:
            hot_ = false;
            RedrawFrame();
            return false;
        default:
            return false;
    }
}

LRESULT CALLBACK FlatEdit::SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                        DWORD_PTR data) {
    if (msg == WM_NCDESTROY) {
        RemoveWindowSubclass(hwnd, &FlatEdit::SubclassProc, kSubclassId);
        return DefSubclassProc(hwnd, msg, wp, lp);
    }
    auto* self = reinterpret_cast<FlatEdit*>(data);
    LRESULT result = 0;
    bool handled = false;
    Guarded([&] { handled = self->BeforeMessage(msg, wp, lp, result); });
    return handled ? result : DefSubclassProc(hwnd, msg, wp, lp);
}

}  // namespace ui
