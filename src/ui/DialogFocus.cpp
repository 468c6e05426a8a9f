#include "ui/DialogFocus.h"

namespace ui {

void DialogFocus::OnActivate(HWND form, WPARAM wp) {
    if (LOWORD(wp) == WA_INACTIVE) {
        HWND focused = GetFocus();
        if (focused && IsChild(form, focused)) {
            focus_ = focused;
        }
        return;
    }
    if (HIWORD(wp)) {
        return;  // minimised
    }
    HWND target = focus_;
    if (!target || !IsWindow(target) || !IsChild(form, target) || !IsWindowEnabled(target) ||
        !IsWindowVisible(target)) {
        target = GetNextDlgTabItem(form, nullptr, FALSE);
    }
    SetFocus(target ? target : form);
}

}  // namespace ui
