#pragma once
// Every message of the program carries the application's title as caption.
#include <windows.h>

#include <string>

namespace ui {

// Owned by the active window of this thread. Returns the button pressed.
int ShowMessage(const std::string& text, UINT flags);

}  // namespace ui
