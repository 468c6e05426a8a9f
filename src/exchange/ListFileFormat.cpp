#include "exchange/ListFileFormat.h"

#include <windows.h>

namespace dirvane {

namespace {
constexpr char kListExtension[] = ".dvk";
}

std::string_view FileExtension(std::string_view fileName) {
    size_t dot = std::string_view::npos;
    size_t i = 0;
    while (i < fileName.size()) {
        const char c = fileName[i];
        if (IsDBCSLeadByte(static_cast<BYTE>(c)) && i + 1 < fileName.size()) {
            i += 2;  // a trail byte 0x5C is no folder delimiter
            continue;
        }
        if (c == '\\' || c == ':') {
            dot = std::string_view::npos;
        } else if (c == '.') {
            dot = i;
        }
        ++i;
    }
    return dot == std::string_view::npos ? std::string_view() : fileName.substr(dot);
}

std::string WithListFileExtension(std::string_view fileName) {
    const std::string_view ext = FileExtension(fileName);
    const std::string_view want = kListExtension;
    bool same = ext.size() == want.size();
    for (size_t i = 0; same && i < ext.size(); ++i) {
        char c = ext[i];
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
        same = c == want[i];
    }
    std::string out(fileName);
    if (!same) {
        out += kListExtension;
    }
    return out;
}

}  // namespace dirvane
