#pragma once
// A flat push button: a thin frame on the face colour; the frame takes the
// highlight colour while the mouse is over it, it has the focus or it is
// pressed. Enter presses the focused button; elsewhere in a dialog-like form
// Enter presses the button with id IDOK and Esc the one with id IDCANCEL.
#include "ui/OwnerDrawButton.h"

namespace ui {

class FlatButton : public OwnerDrawButton {
public:
    void Create(HWND parent, int id, const std::string& caption, const RECT& bounds, HFONT font);

protected:
    void Paint(HDC dc, const RECT& r, const DrawState& state) override;
    bool BeforeMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
    void PaintFace(HDC dc, const RECT& r, const DrawState& state, bool focusRect);
};

}  // namespace ui
