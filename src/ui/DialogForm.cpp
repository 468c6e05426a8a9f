#include "ui/DialogForm.h"

namespace ui {

void DialogForm::CreateDialogWindow(HWND owner, const char* className, const std::string& caption,
                                    int clientWidth, int clientHeight) {
    Params p{};
    p.className = className;
    p.caption = caption;
    p.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    p.exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
    p.width = clientWidth;
    p.height = clientHeight;
    p.clientSize = true;
    p.owner = owner;
    CreateForm(p);
}

void DialogForm::MenuCommand(int id) {
    if (id == IDOK) {
        OkPressed();
    } else if (id == IDCANCEL) {
        CancelPressed();
    }
}

LRESULT DialogForm::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_ACTIVATE) {
        focus_.OnActivate(Handle(), wp);
        return 0;
    }
    return DefaultHandler(msg, wp, lp);
}

}  // namespace ui
