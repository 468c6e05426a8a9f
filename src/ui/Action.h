#pragma once
// Actions: one command each, with its caption, hint, shortcut, execute and
// update handlers. Menu items and tool buttons bind to an action and follow
// its enabled state. A disabled action never runs, however it is triggered:
// Execute re-evaluates the update handler and refuses when disabled.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ui {

struct ShortCut {
    BYTE modifiers = 0;  // FCONTROL, FSHIFT, FALT
    WORD key = 0;        // virtual key; 0 = none
    bool Empty() const { return key == 0; }
    std::string Text() const;  // "Ctrl+A"
};

class Action {
public:
    Action(int id, std::string caption, std::string hint, ShortCut shortcut)
        : id_(id), caption_(std::move(caption)), hint_(std::move(hint)), shortcut_(shortcut) {}

    int Id() const { return id_; }
    const std::string& Caption() const { return caption_; }
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint) { hint_ = hint; }
    ShortCut Shortcut() const { return shortcut_; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    std::function<void()> OnExecute;
    std::function<void(Action&)> OnUpdate;
    // Told when the enabled state changes (menu items, tool buttons).
    std::function<void(Action&)> OnChange;

    void Update();
    // Runs the action if it is enabled after an update; true if it ran.
    bool Execute();

private:
    int id_;
    std::string caption_;
    std::string hint_;
    ShortCut shortcut_;
    bool enabled_ = true;
    std::vector<std::function<void(Action&)>> listeners_;

    friend class ActionList;
};

class ActionList {
public:
    Action& Add(int id, std::string caption, std::string hint, ShortCut shortcut = {});
    Action* Find(int id);
    const std::vector<std::unique_ptr<Action>>& Items() const { return actions_; }
    // The idle-time update cycle.
    void UpdateAll();
    // Observers of every action's enabled state.
    void Listen(std::function<void(Action&)> listener);

private:
    std::vector<std::unique_ptr<Action>> actions_;
    std::vector<std::function<void(Action&)>> listeners_;
};

}  // namespace ui
