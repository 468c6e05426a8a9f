#pragma once
// A sunken panel: a one-pixel lowered edge, dark above and left, light below
// and right. Two pixels high it makes a divider line.
#include "ui/Control.h"

namespace ui {

class Bevel : public Control {
public:
    void Create(HWND parent, int id, const RECT& bounds);

    bool Reflect(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
};

}  // namespace ui
