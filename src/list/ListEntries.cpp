#include "list/ListEntries.h"

namespace dirvane {

std::vector<FolderEntry> ReadEntries(const ui::ListView& list) {
    const int n = list.Count();
    std::vector<FolderEntry> out;
    out.reserve(n);
    for (int i = 0; i < n; ++i) {
        out.push_back(FolderEntry{list.Caption(i), list.SubItem(i)});
    }
    return out;
}

}  // namespace dirvane
