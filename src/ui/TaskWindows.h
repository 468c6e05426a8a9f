#pragma once
// For the life of the object every visible, enabled top-level window of this
// thread is disabled, as around a modal dialog that is not one of our forms
// (a system dialog). The destructor enables them again and gives the
// activation back to the window that had it.
#include <windows.h>

#include <vector>

namespace ui {

class DisabledTaskWindows {
public:
    DisabledTaskWindows();
    ~DisabledTaskWindows();
    DisabledTaskWindows(const DisabledTaskWindows&) = delete;
    DisabledTaskWindows& operator=(const DisabledTaskWindows&) = delete;

    const std::vector<HWND>& Windows() const { return disabled_; }

private:
    std::vector<HWND> disabled_;
    HWND active_ = nullptr;
};

}  // namespace ui
