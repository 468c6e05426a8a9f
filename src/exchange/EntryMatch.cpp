#include "exchange/EntryMatch.h"

#include <windows.h>

#include "platform/AnsiText.h"

namespace dirvane {

std::string ComparablePath(std::string_view path) {
    std::string out = platform::IncludeTrailingBackslash(path);
    size_t i = 0;
    while (i < out.size()) {
        char& c = out[i];
        if (IsDBCSLeadByte(static_cast<BYTE>(c)) && i + 1 < out.size()) {
            i += 2;
            continue;
        }
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
        ++i;
    }
    return out;
}

bool SamePath(std::string_view a, std::string_view b) {
    return ComparablePath(a) == ComparablePath(b);
}

std::string EntrySet::Key(const FolderEntry& entry) {
    // Names come from list items and INI lines: they hold no NUL.
    std::string key = entry.name;
    key.push_back('\0');
    key += ComparablePath(entry.path);
    return key;
}

bool EntrySet::Insert(const FolderEntry& entry) {
    return keys_.insert(Key(entry)).second;
}

}  // namespace dirvane
