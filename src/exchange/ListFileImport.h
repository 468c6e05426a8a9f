#pragma once
// Merging a list file into the folder list.
#include <functional>
#include <string>
#include <vector>

#include "list/FolderEntry.h"
#include "ui/ListView.h"

namespace dirvane {

// The entries 0 .. Count - 1 of the file's [Dirvane] section, in index order.
// Count missing or not a number reads as 0. Pairs with a missing or empty
// name or path are left out: stored, an empty value would end the list
// there. Only keys the section holds are looked at, so a huge Count over a
// few pairs costs nothing. A missing file or section gives no entries.
std::vector<FolderEntry> ReadListFile(const std::string& fileName);

// Stores the entry just appended at `index` (into the product key).
using StoreAppended = std::function<void(int index, const FolderEntry& entry)>;

// Appends each entry of the file that the list does not hold yet (same name,
// same path as a folder; entries appended earlier count too) and stores it
// at once. Any error ends the import silently; what was appended stays.
// Returns the number of entries appended.
int ImportListFile(ui::ListView& list, const std::string& fileName,
                   const StoreAppended& store) noexcept;

}  // namespace dirvane
