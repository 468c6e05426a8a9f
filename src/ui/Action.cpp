#include "ui/Action.h"

namespace ui {

std::string ShortCut::Text() const {
    if (Empty()) {
        return std::string();
    }
    std::string out;
    if (modifiers & FCONTROL) {
        out += "Ctrl+";
    }
    if (modifiers & FSHIFT) {
        out += "Shift+";
    }
    if (modifiers & FALT) {
        out += "Alt+";
    }
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) {
        out += static_cast<char>(key);
    } else if (key >= VK_F1 && key <= VK_F12) {
        out += "F" + std::to_string(key - VK_F1 + 1);
    } else {
        char name[64] = {};
        GetKeyNameTextA(static_cast<LONG>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC) << 16), name,
                        sizeof(name));
        out += name;
    }
    return out;
}

void Action::SetEnabled(bool enabled) {
    if (enabled_ == enabled) {
        return;
    }
    enabled_ = enabled;
    if (OnChange) {
        OnChange(*this);
    }
    for (auto& l : listeners_) {
        l(*this);
    }
}

void Action::Update() {
    if (OnUpdate) {
        OnUpdate(*this);
    }
}

bool Action::Execute() {
    Update();
    if (!enabled_ || !OnExecute) {
        return false;
    }
    OnExecute();
    return true;
}

Action& ActionList::Add(int id, std::string caption, std::string hint, ShortCut shortcut) {
    actions_.push_back(std::make_unique<Action>(id, std::move(caption), std::move(hint), shortcut));
    Action& a = *actions_.back();
    for (auto& l : listeners_) {
        a.listeners_.push_back(l);
    }
    return a;
}

Action* ActionList::Find(int id) {
    for (auto& a : actions_) {
        if (a->Id() == id) {
            return a.get();
        }
    }
    return nullptr;
}

void ActionList::Listen(std::function<void(Action&)> listener) {
    for (auto& a : actions_) {
        a->listeners_.push_back(listener);
    }
    listeners_.push_back(std::move(listener));
}

void ActionList::UpdateAll() {
    for (auto& a : actions_) {
        a->Update();
    }
}

}  // namespace ui
