#pragma once
// A flat check box: a small framed box with a drawn tick, its caption to the
// right. A click (mouse, Space or the caption's mnemonic) toggles it and then
// calls OnClick; SetChecked changes the state without calling OnClick.
// BM_GETCHECK and BM_SETCHECK answer as for a native check box.
#include "ui/OwnerDrawButton.h"

namespace ui {

class FlatCheckBox : public OwnerDrawButton {
public:
    void Create(HWND parent, int id, const std::string& caption, const RECT& bounds, HFONT font);

    bool Checked() const { return checked_; }
    void SetChecked(bool checked);

protected:
    void Paint(HDC dc, const RECT& r, const DrawState& state) override;
    void Clicked() override;
    void DoubleClicked() override;
    bool BeforeMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    bool checked_ = false;
};

}  // namespace ui
