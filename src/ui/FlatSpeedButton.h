#pragma once
// A small flat button beside another control (the "..." of a path box).
// It is no tab stop: the keyboard stays with the boxes.
#include "ui/FlatButton.h"

namespace ui {

class FlatSpeedButton : public FlatButton {
public:
    void Create(HWND parent, int id, const std::string& caption, const RECT& bounds, HFONT font);

protected:
    void Paint(HDC dc, const RECT& r, const DrawState& state) override;
};

}  // namespace ui
