#pragma once
// A line of static text on the form's face colour.
#include <windows.h>

#include <string>

#include "ui/Control.h"

namespace ui {

class Label : public Control {
public:
    void Create(HWND parent, int id, const std::string& caption, const RECT& bounds, HFONT font);

    // WM_CTLCOLORSTATIC: text on the face colour.
    bool Reflect(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
};

}  // namespace ui
