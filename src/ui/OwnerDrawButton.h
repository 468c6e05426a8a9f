#pragma once
// Common ground of the flat buttons and the flat check box: a native
// owner-drawn button that paints itself from the reflected WM_DRAWITEM,
// tracks the mouse for its hot state and reports clicks to OnClick.
#include <windows.h>

#include <functional>
#include <string>

#include "ui/Control.h"

namespace ui {

class OwnerDrawButton : public Control {
public:
    OwnerDrawButton() = default;
    ~OwnerDrawButton() override;
    std::function<void()> OnClick;

    // As the user's click (mouse or keyboard).
    void Click();
    bool Hot() const { return hot_; }

    bool Reflect(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

protected:
    struct DrawState {
        bool pressed;
        bool focused;
        bool disabled;
        bool hot;
    };

    void CreateButton(HWND parent, int id, const std::string& text, const RECT& bounds, HFONT font,
                      bool tabStop);
    virtual void Paint(HDC dc, const RECT& r, const DrawState& state) = 0;
    virtual void Clicked();
    virtual void DoubleClicked() {}
    // Messages of the native button before it sees them; true when handled.
    virtual bool BeforeMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
    void Redraw();

private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id,
                                         DWORD_PTR data);
    bool hot_ = false;
};

}  // namespace ui
