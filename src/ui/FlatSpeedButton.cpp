#include "ui/FlatSpeedButton.h"

namespace ui {

void FlatSpeedButton::Create(HWND parent, int id, const std::string& caption, const RECT& bounds,
                             HFONT font) {
    CreateButton(parent, id, caption, bounds, font, false);
}

void FlatSpeedButton::Paint(HDC dc, const RECT& r, const DrawState& state) {
    PaintFace(dc, r, state, false);
}

}  // namespace ui
