#pragma once
// A folder entry: a display name and a folder path, or the separator.
#include <string>

namespace dirvane {

inline constexpr char kSeparatorName[] = "*Separator*";
inline constexpr char kSeparatorPath[] = "-";

struct FolderEntry {
    std::string name;
    std::string path;

    bool IsSeparator() const { return name == kSeparatorName && path == kSeparatorPath; }
    static FolderEntry Separator() { return FolderEntry{kSeparatorName, kSeparatorPath}; }
};

}  // namespace dirvane
