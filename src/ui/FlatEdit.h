#pragma once
// A single-line edit box with a thin flat frame (highlighted while focused
// or under the mouse) and a background colour of its own. The text sits
// vertically centred: the frame reserves the space above and below it.
#include <windows.h>

#include "ui/Control.h"
#include "ui/Gdi.h"

namespace ui {

class FlatEdit : public Control {
public:
    FlatEdit() = default;
    ~FlatEdit() override;

    void Create(HWND parent, int id, const RECT& bounds, HFONT font, COLORREF background);
    void SetColor(COLORREF background);
    COLORREF Color() const { return color_; }

    // WM_CTLCOLOREDIT, and WM_CTLCOLORSTATIC while disabled.
    bool Reflect(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id,
                                         DWORD_PTR data);
    bool BeforeMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
    void PaintFrame();
    void RedrawFrame();

    COLORREF color_ = CLR_INVALID;
    BrushHandle brush_;
    int padY_ = 0;  // blank rows above and below the text, inside the frame
    bool hot_ = false;
};

}  // namespace ui
