#include "ui/DialogForm.h"

namespace ui {

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
