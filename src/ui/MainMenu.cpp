#include "ui/MainMenu.h"

namespace ui {

void MainMenu::Build(HWND owner, std::vector<MenuDef> menus) {
    menus_ = std::move(menus);
    menu_ = CreateMenu();
    std::vector<ACCEL> keys;
    for (const auto& m : menus_) {
        HMENU popup = CreatePopupMenu();
        for (const auto& item : m.items) {
            if (item.caption == "-") {
                AppendMenuA(popup, MF_SEPARATOR, 0, nullptr);
                continue;
            }
            std::string text = item.caption;
            if (!item.shortcut.Empty()) {
                text += "\t" + item.shortcut.Text();
                keys.push_back(ACCEL{static_cast<BYTE>(item.shortcut.modifiers | FVIRTKEY),
                                     item.shortcut.key, static_cast<WORD>(item.id)});
            }
            AppendMenuA(popup, MF_STRING, item.id, text.c_str());
        }
        AppendMenuA(menu_, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), m.caption.c_str());
    }
    // Shortcuts of actions that no menu item shows still work.
    for (const auto& m : menus_) {
        for (const auto& item : m.items) {
            if (item.action && !item.action->Shortcut().Empty()) {
                const ShortCut s = item.action->Shortcut();
                bool present = false;
                for (const auto& k : keys) {
                    present |= k.key == s.key && (k.fVirt & ~FVIRTKEY) == s.modifiers;
                }
                if (!present) {
                    keys.push_back(ACCEL{static_cast<BYTE>(s.modifiers | FVIRTKEY), s.key,
                                         static_cast<WORD>(item.id)});
                }
            }
        }
    }
    if (!keys.empty()) {
        accel_.Reset(CreateAcceleratorTableA(keys.data(), static_cast<int>(keys.size())));
    }
    SetMenu(owner, menu_);
}

const MenuItemDef* MainMenu::FindItem(int id) const {
    for (const auto& m : menus_) {
        for (const auto& item : m.items) {
            if (item.id == id && item.caption != "-") {
                return &item;
            }
        }
    }
    return nullptr;
}

bool MainMenu::Dispatch(int id) {
    const MenuItemDef* item = FindItem(id);
    if (!item) {
        return false;
    }
    if (item->action) {
        item->action->Execute();
    } else if (item->onClick) {
        item->onClick();
    }
    return true;
}

void MainMenu::SyncWithActions() {
    for (const auto& m : menus_) {
        for (const auto& item : m.items) {
            if (item.action) {
                EnableMenuItem(menu_, item.id,
                               MF_BYCOMMAND | (item.action->Enabled() ? MF_ENABLED : MF_GRAYED));
            }
        }
    }
}

}  // namespace ui
