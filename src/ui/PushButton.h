#pragma once
// A standard push button with a click handler. The default button of a
// form answers Enter.
#include <functional>

#include "ui/Control.h"

namespace ui {

class PushButton : public Control {
public:
    void Create(HWND parent, int id, const RECT& bounds, const std::string& caption, HFONT font,
                bool isDefault = false);

    std::function<void()> OnClick;
    // As a mouse click on the button.
    void Click();

    bool Reflect(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
};

}  // namespace ui
