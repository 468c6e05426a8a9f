#include "ui/OwnerDrawButton.h"

#include <commctrl.h>

#include "ui/Application.h"

namespace ui {

namespace {
constexpr UINT_PTR kSubclassId = 1;
}

OwnerDrawButton::~OwnerDrawButton() {
    // The window may outlive this object (the parent destroys it later).
    if (hwnd_ && IsWindow(hwnd_)) {
        RemoveWindowSubclass(hwnd_, &OwnerDrawButton::SubclassProc, kSubclassId);
    }
}

void OwnerDrawButton::CreateButton(HWND parent, int id, const std::string& text, const RECT& bounds,
                                   HFONT font, bool tabStop) {
    Control::Create("BUTTON", text,
                    WS_VISIBLE | WS_CLIPSIBLINGS | BS_OWNERDRAW | (tabStop ? WS_TABSTOP : 0), 0,
                    parent, id, bounds, font);
    if (hwnd_) {
        SetWindowSubclass(hwnd_, &OwnerDrawButton::SubclassProc, kSubclassId,
                          reinterpret_cast<DWORD_PTR>(this));
    }
}

void OwnerDrawButton::Click() {
    SendMessageA(hwnd_, BM_CLICK, 0, 0);
}

void OwnerDrawButton::Clicked() {
    if (OnClick) {
        OnClick();
    }
}

void OwnerDrawButton::Redraw() {
    InvalidateRect(hwnd_, nullptr, FALSE);
}

bool OwnerDrawButton::Reflect(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    switch (msg) {
        case WM_DRAWITEM: {
            const auto* dis = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
            const DrawState state{(dis->itemState & ODS_SELECTED) != 0,
                                  (dis->itemState & ODS_FOCUS) != 0,
                                  (dis->itemState & ODS_DISABLED) != 0, hot_};
            Paint(dis->hDC, dis->rcItem, state);
            result = TRUE;
            return true;
        }
        case WM_COMMAND:
            if (HIWORD(wp) == BN_CLICKED) {
                Clicked();
            } else if (HIWORD(wp) == BN_DOUBLECLICKED) {
                DoubleClicked();
            }
            result = 0;
            return true;
        default:
            return false;
    }
}

bool OwnerDrawButton::BeforeMessage(UINT msg, WPARAM, LPARAM, LRESULT&) {
    switch (msg) {
        case WM_MOUSEMOVE:
            if (!hot_) {
                hot_ = true;
                TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, hwnd_, 0};
                TrackMouseEvent(&tme);
                Redraw();
            }
            return false;
        case WM_MOUSELEAVE:
            hot_ = false;
            Redraw();
            return false;
        default:
            return false;
    }
}

LRESULT CALLBACK OwnerDrawButton::SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                               DWORD_PTR data) {
    if (msg == WM_NCDESTROY) {
        RemoveWindowSubclass(hwnd, &OwnerDrawButton::SubclassProc, kSubclassId);
        return DefSubclassProc(hwnd, msg, wp, lp);
    }
    auto* self = reinterpret_cast<OwnerDrawButton*>(data);
    LRESULT result = 0;
    bool handled = false;
    Guarded([&] { handled = self->BeforeMessage(msg, wp, lp, result); });
    return handled ? result : DefSubclassProc(hwnd, msg, wp, lp);
}

}  // namespace ui
