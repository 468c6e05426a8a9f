#include "exchange/IniSection.h"

#include <windows.h>

#include "platform/Errors.h"

namespace dirvane {

namespace {
constexpr char kUnableToWrite[] = "Unable to write to %s";
constexpr DWORD kFirstSectionBuffer = 64 * 1024;
constexpr DWORD kFirstValueBuffer = 2048;

// Blanks around keys and values are no part of them, as a look-up of one
// key sees it (some systems hand section lines out untrimmed).
std::string_view TrimBlanks(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return std::string_view();
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}
}  // namespace

std::vector<std::string> ReadIniSection(const std::string& fileName, const std::string& section) {
    // The call reports a buffer too small by returning its size less two.
    std::vector<char> buf(kFirstSectionBuffer);
    DWORD n = 0;
    for (;;) {
        const DWORD size = static_cast<DWORD>(buf.size());
        n = GetPrivateProfileSectionA(section.c_str(), buf.data(), size, fileName.c_str());
        if (n < size - 2) {
            break;
        }
        buf.resize(static_cast<size_t>(size) * 2);
    }
    std::vector<std::string> lines;
    const char* p = buf.data();
    const char* end = buf.data() + n;
    while (p < end && *p) {
        const std::string_view line(p);
        lines.emplace_back(line);
        p += line.size() + 1;
    }
    return lines;
}

void WriteIniSection(const std::string& fileName, const std::string& section,
                     const std::vector<std::string>& lines) {
    std::string block;
    size_t size = 2;
    for (const auto& line : lines) {
        size += line.size() + 1;
    }
    block.reserve(size);
    for (const auto& line : lines) {
        block += line;
        block.push_back('\0');
    }
    block.push_back('\0');
    block.push_back('\0');
    if (!WritePrivateProfileSectionA(section.c_str(), block.data(), fileName.c_str())) {
        throw platform::IniFileError(platform::FormatError(kUnableToWrite, fileName));
    }
}

std::string ReadIniString(const std::string& fileName, const std::string& section,
                          const std::string& key, const std::string& def) {
    // A value cut to the buffer comes back as its size less one.
    std::vector<char> buf(kFirstValueBuffer);
    for (;;) {
        const DWORD size = static_cast<DWORD>(buf.size());
        const DWORD n = GetPrivateProfileStringA(section.c_str(), key.c_str(), def.c_str(),
                                                 buf.data(), size, fileName.c_str());
        if (n < size - 1) {
            return std::string(buf.data(), n);
        }
        buf.resize(static_cast<size_t>(size) * 2);
    }
}

std::string_view LineKey(std::string_view line) {
    return TrimBlanks(line.substr(0, line.find('=')));
}

std::string_view LineValue(std::string_view line) {
    const size_t eq = line.find('=');
    return eq == std::string_view::npos ? std::string_view() : TrimBlanks(line.substr(eq + 1));
}

}  // namespace dirvane
