#pragma once
// The entries of a list view, copied out for work that looks at all of them.
#include <vector>

#include "list/FolderEntry.h"
#include "ui/ListView.h"

namespace dirvane {

std::vector<FolderEntry> ReadEntries(const ui::ListView& list);

}  // namespace dirvane
