#pragma once
// A label that acts as a link: blue, underlined, the hand cursor over it,
// and a click handler. It covers exactly its text, so the hand shows only
// where a click does something.
#include <functional>

#include "ui/Gdi.h"
#include "ui/StaticText.h"

namespace ui {

class LinkLabel : public StaticText {
public:
    static constexpr COLORREF kLinkColor = RGB(0, 0, 255);

    // font is the parent's; the link draws with an underlined copy it owns.
    void Create(HWND parent, int id, const RECT& bounds, const std::string& text, HFONT font);

    std::function<void()> OnClick;

    bool Reflect(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    static LRESULT CALLBACK CursorProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id,
                                       DWORD_PTR data);
    FontHandle underlined_;
};

}  // namespace ui
