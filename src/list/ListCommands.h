#pragma once
// The editing commands on the folder list: each changes the list view and
// then writes exactly the pairs it affected to the product key.
#include <string>

#include "list/FolderEntry.h"
#include "ui/ListView.h"

namespace dirvane {

// Appends the entry and stores it as the new last pair. The selection stays.
void AddEntry(ui::ListView& list, const std::string& key, const FolderEntry& entry);
// Replaces entry `index` and stores its pair.
void ReplaceEntry(ui::ListView& list, const std::string& key, int index, const FolderEntry& entry);
// Removes entry `index`, moves the later pairs down by one and removes the
// pair that held the last entry. Selects the entry now at `index`, or the
// first one when the last was removed.
void DeleteEntry(ui::ListView& list, const std::string& key, int index);
// Swap the entry with its neighbour, store both pairs, select where it went.
void MoveEntryUp(ui::ListView& list, const std::string& key, int index);
void MoveEntryDown(ui::ListView& list, const std::string& key, int index);

}  // namespace dirvane
