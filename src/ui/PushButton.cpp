#include "ui/PushButton.h"

namespace ui {

void PushButton::Create(HWND parent, int id, const RECT& bounds, const std::string& caption,
                        HFONT font, bool isDefault) {
    Control::Create("BUTTON", caption,
                    WS_VISIBLE | WS_TABSTOP | (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), 0,
                    parent, id, bounds, font);
}

void PushButton::Click() {
    SendMessageA(hwnd_, BM_CLICK, 0, 0);
}

bool PushButton::Reflect(UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
    if (msg != WM_COMMAND || HIWORD(wp) != BN_CLICKED) {
        return false;
    }
    if (OnClick) {
        OnClick();
    }
    result = 0;
    return true;
}

}  // namespace ui
