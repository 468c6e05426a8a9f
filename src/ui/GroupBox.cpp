#include "ui/GroupBox.h"

#include <commctrl.h>

#include <algorithm>

#include "ui/Application.h"
#include "ui/FlatPaint.h"

namespace ui {

namespace {
constexpr UINT_PTR kSubclassId = 1;
constexpr int kCaptionIndent = 8;
}  // namespace

GroupBox::~GroupBox() {
    if (hwnd_ && IsWindow(hwnd_)) {
        RemoveWindowSubclass(hwnd_, &GroupBox::SubclassProc, kSubclassId);
    }
}

void GroupBox::Create(HWND parent, int id, const std::string& caption, const RECT& bounds,
                      HFONT font) {
    Control::Create("BUTTON", caption, WS_VISIBLE | WS_CLIPSIBLINGS | BS_GROUPBOX, 0, parent, id,
                    bounds, font);
    if (!hwnd_) {
        return;
    }
    SetWindowSubclass(hwnd_, &GroupBox::SubclassProc, kSubclassId,
                      reinterpret_cast<DWORD_PTR>(this));
    SendToBack();
}

void GroupBox::SendToBack() {
    // Below every sibling: the controls inside the frame paint over it. It
    // is no tab stop, so the tab order of the others does not change.
    SetWindowPos(hwnd_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void GroupBox::AddMember(Control& member) {
    members_.push_back(&member);
    // New siblings are placed below the older ones: stay under the member.
    SendToBack();
}

void GroupBox::SetEnabled(bool enabled) {
    Control::SetEnabled(enabled);
    for (Control* c : members_) {
        c->SetEnabled(enabled);
    }
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void GroupBox::Paint(HDC dc) {
    RECT r{};
    GetClientRect(hwnd_, &r);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    FillSolid(dc, r, face);
    Selected font(dc, ControlFont(hwnd_));
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    RECT frame = r;
    frame.top += tm.tmHeight / 2;
    FrameSolid(dc, frame, GetSysColor(COLOR_BTNSHADOW));

    const std::string caption = Text();
    if (!caption.empty()) {
        RECT text{r.left + kCaptionIndent, r.top, r.right - kCaptionIndent, r.top + tm.tmHeight};
        RECT measured = text;
        DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &measured,
                  DT_LEFT | DT_SINGLELINE | DT_CALCRECT);
        text.right = std::min(text.right, measured.right + 4);
        FillSolid(dc, text, face);
        text.left += 2;
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(Enabled() ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
        DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
                  DT_LEFT | DT_SINGLELINE);
    }
}

LRESULT CALLBACK GroupBox::SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                        DWORD_PTR data) {
    auto* self = reinterpret_cast<GroupBox*>(data);
    switch (msg) {
        case WM_ERASEBKGND:
            return 1;  // WM_PAINT fills everything
        case WM_PAINT: {
            PaintDC dc(hwnd);
            Guarded([&] { self->Paint(dc.Get()); });
            return 0;
        }
        case WM_ENABLE:
            InvalidateRect(hwnd, nullptr, TRUE);
            return 0;
        case WM_NCDESTROY:
            RemoveWindowSubclass(hwnd, &GroupBox::SubclassProc, kSubclassId);
            break;
        default:
            break;
    }
    return DefSubclassProc(hwnd, msg, wp, lp);
}

}  // namespace ui
