#pragma once
// A form that behaves as a dialog box: Tab walks its controls, Enter and Esc
// arrive as IDOK and IDCANCEL and press its OK and Cancel, and the focused
// control is kept across activation.
#include <string>

#include "ui/DialogFocus.h"
#include "ui/Form.h"

namespace ui {

class DialogForm : public Form {
protected:
    DialogForm() { dialog_ = true; }

    // A fixed-size modal frame owned by `owner`, with the given client size.
    // The caller chooses the font (UseFont) first.
    void CreateDialogWindow(HWND owner, const char* className, const std::string& caption,
                            int clientWidth, int clientHeight);

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
