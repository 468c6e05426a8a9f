#pragma once
// A static text label: one line (or wrapped lines) of text in the parent's
// face colour, optionally in a colour of its own.
#include "ui/Control.h"

namespace ui {

class StaticText : public Control {
public:
    void Create(HWND parent, int id, const RECT& bounds, const std::string& text, HFONT font);

    // CLR_INVALID (the default) keeps the system's text colour.
    void SetTextColor(COLORREF color);
    COLORREF TextColor() const { return color_; }
    HFONT Font() const;
    // Fits the width (and height) to the text in the current font, so that
    // the control covers exactly its text.
    void AutoSize();

    bool Reflect(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

protected:
    void CreateStatic(HWND parent, int id, const RECT& bounds, const std::string& text, HFONT font,
                      DWORD extraStyle);

private:
    COLORREF color_ = CLR_INVALID;
};

}  // namespace ui
