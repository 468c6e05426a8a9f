#include "ui/Text.h"

namespace ui {

std::string LoadStr(UINT id) {
    char buf[1024];
    const int n = LoadStringA(GetModuleHandleA(nullptr), id, buf, sizeof(buf));
    return std::string(buf, n > 0 ? n : 0);
}

}  // namespace ui
