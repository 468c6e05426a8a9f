#pragma once
// The main menu, built from one table. Items bound to an action take its
// enabled state and run through it; the others call their own handler.
// Shortcut texts and the accelerator table come from the same keys.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/Action.h"
#include "ui/Gdi.h"

namespace ui {

struct MenuItemDef {
    int id = 0;           // 0 for a separator
    std::string caption;  // "-" for a separator
    ShortCut shortcut;    // shown after a tab and added to the accelerators
    Action* action = nullptr;
    int image = -1;                 // index into the menu image list, -1 for none
    std::function<void()> onClick;  // for items without an action
};

struct MenuDef {
    std::string caption;
    std::vector<MenuItemDef> items;
};

class MainMenu {
public:
    void Build(HWND owner, std::vector<MenuDef> menus);
    HMENU Handle() const { return menu_; }
    const std::vector<MenuDef>& Menus() const { return menus_; }
    const MenuItemDef* FindItem(int id) const;

    // Runs the item's action (if enabled) or its handler. False if unknown.
    bool Dispatch(int id);
    // Brings the items' enabled state in line with their actions.
    void SyncWithActions();
    HACCEL Accelerators() const { return accel_.Get(); }

    // Menu images (ImageList1), owned here.
    void SetImages(ImageListHandle images) { images_ = std::move(images); }
    HIMAGELIST Images() const { return images_.Get(); }

private:
    HMENU menu_ = nullptr;  // owned by the window it is attached to
    std::vector<MenuDef> menus_;
    AccelHandle accel_;
    ImageListHandle images_;
};

}  // namespace ui
