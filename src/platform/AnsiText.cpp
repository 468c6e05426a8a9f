#include "platform/AnsiText.h"

#include <windows.h>

#include <charconv>

namespace platform {

std::string IntToStr(long long value) {
    return std::to_string(value);
}

int StrToIntDef(std::string_view text, int def) {
    if (text.empty()) {
        return def;
    }
    bool negative = false;
    size_t pos = 0;
    if (text[0] == '-' || text[0] == '+') {
        negative = text[0] == '-';
        pos = 1;
    }
    int base = 10;
    if (text.substr(pos, 1) == "$") {
        base = 16;
        pos += 1;
    } else if (text.substr(pos, 2) == "0x" || text.substr(pos, 2) == "0X") {
        base = 16;
        pos += 2;
    }
    if (pos >= text.size()) {
        return def;
    }
    unsigned long long magnitude = 0;
    const char* first = text.data() + pos;
    const char* last = text.data() + text.size();
    const auto [end, ec] = std::from_chars(first, last, magnitude, base);
    if (ec != std::errc() || end != last) {
        return def;
    }
    if (base == 16) {
        // Hexadecimal is a 32-bit pattern: $FFFFFFFF is -1.
        if (magnitude > 0xFFFFFFFFull) {
            return def;
        }
        const int v = static_cast<int>(static_cast<unsigned int>(magnitude));
        return negative ? -v : v;
    }
    if (negative) {
        if (magnitude > 2147483648ull) {
            return def;
        }
        return static_cast<int>(-static_cast<long long>(magnitude));
    }
    if (magnitude > 2147483647ull) {
        return def;
    }
    return static_cast<int>(magnitude);
}

std::string UpperAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return out;
}

bool EndsWithPathDelimiter(std::string_view text) {
    // Walk character by character: the last character starts at `last`.
    size_t i = 0;
    size_t last = std::string_view::npos;
    while (i < text.size()) {
        last = i;
        const bool lead = IsDBCSLeadByte(static_cast<BYTE>(text[i])) && i + 1 < text.size();
        i += lead ? 2 : 1;
    }
    return last != std::string_view::npos && last == text.size() - 1 && text[last] == '\\';
}

std::string IncludeTrailingBackslash(std::string_view text) {
    std::string out(text);
    if (!EndsWithPathDelimiter(text)) {
        out += '\\';
    }
    return out;
}

std::string ExtractFileDir(std::string_view path) {
    size_t cut = 0;
    size_t i = 0;
    while (i < path.size()) {
        const char c = path[i];
        if (IsDBCSLeadByte(static_cast<BYTE>(c)) && i + 1 < path.size()) {
            i += 2;
            continue;
        }
        if (c == '\\' || c == ':') {
            cut = i + 1;
        }
        ++i;
    }
    return std::string(path.substr(0, cut));
}

}  // namespace platform
