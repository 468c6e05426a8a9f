#include "platform/Errors.h"

#include <cstring>

namespace platform {

std::string FormatError(const char* fmt, const std::string& arg) {
    std::string out;
    const char* mark = std::strstr(fmt, "%s");
    if (!mark) {
        return fmt;
    }
    out.assign(fmt, mark);
    out += arg;
    out += mark + 2;
    return out;
}

}  // namespace platform
