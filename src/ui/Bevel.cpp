#include "ui/Bevel.h"

namespace ui {

void Bevel::Create(HWND parent, int id, const RECT& bounds) {
    Control::Create("STATIC", std::string(), WS_VISIBLE | SS_OWNERDRAW, 0, parent, id, bounds,
                    nullptr);
}

bool Bevel::Reflect(UINT msg, WPARAM, LPARAM lp, LRESULT& result) {
    if (msg != WM_DRAWITEM) {
        return false;
    }
    const auto* di = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
    RECT r = di->rcItem;
    FillRect(di->hDC, &r, GetSysColorBrush(COLOR_BTNFACE));
    DrawEdge(di->hDC, &r, BDR_SUNKENOUTER, BF_RECT);
    result = TRUE;
    return true;
}

}  // namespace ui
