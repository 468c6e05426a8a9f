#include "ui/TaskWindows.h"

namespace ui {

DisabledTaskWindows::DisabledTaskWindows() : active_(GetActiveWindow()) {
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND w, LPARAM param) -> BOOL {
            if (IsWindowVisible(w) && IsWindowEnabled(w)) {
                reinterpret_cast<std::vector<HWND>*>(param)->push_back(w);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&disabled_));
    for (HWND w : disabled_) {
        EnableWindow(w, FALSE);
    }
}

DisabledTaskWindows::~DisabledTaskWindows() {
    for (HWND w : disabled_) {
        if (IsWindow(w)) {
            EnableWindow(w, TRUE);
        }
    }
    // The system dialog went away while everything was disabled, so nothing
    // of ours was activated in its place.
    if (active_ && IsWindow(active_) && IsWindowEnabled(active_)) {
        SetActiveWindow(active_);
    }
}

}  // namespace ui
