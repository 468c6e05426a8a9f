#include "platform/ShellOpen.h"

#include <shellapi.h>

namespace platform {

void ShellOpen(HWND owner, const std::string& target) {
    ShellExecuteA(owner, "Open", target.c_str(), nullptr, nullptr, SW_SHOW);
}

}  // namespace platform
