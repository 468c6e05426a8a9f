#pragma once
// A form that behaves as a dialog box: Tab walks its controls, Enter and Esc
// arrive as IDOK and IDCANCEL and press its OK and Cancel, and the focused
// control is kept across activation.
#include "ui/DialogFocus.h"
#include "ui/Form.h"

namespace ui {

class DialogForm : public Form {
protected:
    DialogForm() { dialog_ = true; }

    // The control that has the focus when the dialog first shows.
    void SetInitialFocus(HWND control) { focus_.SetInitial(control); }
    virtual void OkPressed() = 0;
    virtual void CancelPressed() = 0;

    void MenuCommand(int id) override;
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    DialogFocus focus_;
};

}  // namespace ui
