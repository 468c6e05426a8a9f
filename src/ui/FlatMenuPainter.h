#pragma once
// Draws the drop-down menus of a main menu in a flat style: an icon column
// with the items' images (greyed when disabled), the shortcut text aligned
// right, separators as thin lines, no gradients, system colours. The menu
// bar itself stays the system's.
//
// The items become owner-drawn but keep their texts in the menu. Owner-drawn
// items get no automatic mnemonics, so the owner window hands WM_MENUCHAR
// here as well as WM_MEASUREITEM and WM_DRAWITEM.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "ui/Gdi.h"
#include "ui/MainMenu.h"

namespace ui {

struct FlatMenuStyle {
    int iconWidth = 24;  // the icon column
    int dimLevel = 30;   // per cent of the highlight colour in the selected item's fill
    int greyLevel = 10;  // per cent a disabled image is lightened after greying
};

// The colours of one drawing, taken from the system colours at the time.
struct FlatMenuColors {
    COLORREF background;
    COLORREF iconColumn;
    COLORREF separator;
    COLORREF text;
    COLORREF selectFill;
    COLORREF selectBorder;
    COLORREF selectText;
    COLORREF disabledText;

    static FlatMenuColors FromSystem(const FlatMenuStyle& style);
};

class FlatMenuPainter {
public:
    FlatMenuPainter() = default;
    FlatMenuPainter(const FlatMenuPainter&) = delete;
    FlatMenuPainter& operator=(const FlatMenuPainter&) = delete;

    // Makes every item of the menu's drop-downs owner-drawn. The menu (with
    // its image list) must outlive the painter's use.
    void Attach(const MainMenu& menu, FlatMenuStyle style = {});
    bool Active() const { return menu_ != nullptr; }
    const FlatMenuStyle& Style() const { return style_; }

    // The owner's messages; false (or 0) when the item is not one of ours.
    bool MeasureItem(LPARAM lp);
    bool DrawItem(LPARAM lp);
    // WM_MENUCHAR: finds the item whose mnemonic is the key pressed. Runs it
    // when it is the only one, moves the selection when several share it.
    bool MenuChar(WPARAM wp, LPARAM lp, LRESULT& result) const;

private:
    struct Item {
        HMENU menu;
        UINT position;
        int image;
        bool separator;
    };
    // An item's caption and shortcut text, as the menu holds them.
    static std::string ItemText(HMENU menu, UINT position);
    const Item* Find(ULONG_PTR data) const;
    bool IsOurs(HMENU menu) const;
    SIZE TextSize(const std::string& text) const;

    const MainMenu* menu_ = nullptr;
    FlatMenuStyle style_;
    FontHandle font_;
    std::vector<std::unique_ptr<Item>> items_;
};

}  // namespace ui
