#pragma once
// Keyboard focus of a dialog-like form across activation, as a dialog box
// keeps it: on deactivation the focused control is remembered and gets the
// focus back when the form is activated again; the first time, the initial
// control (or the first tab stop) gets it. Call from the form's WM_ACTIVATE
// instead of the default handling, which would focus the form itself.
#include <windows.h>

namespace ui {

class DialogFocus {
public:
    void SetInitial(HWND control) { focus_ = control; }
    void OnActivate(HWND form, WPARAM wp);

private:
    HWND focus_ = nullptr;
};

}  // namespace ui
