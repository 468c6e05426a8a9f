#include "list/ListCommands.h"

#include "list/FolderStore.h"

namespace dirvane {

void AddEntry(ui::ListView& list, const std::string& key, const FolderEntry& entry) {
    const int index = list.Add(entry.name, entry.path);
    WriteRegValue(key, NameValueName(index), entry.name);
    WriteRegValue(key, PathValueName(index), entry.path);
}

void ReplaceEntry(ui::ListView& list, const std::string& key, int index, const FolderEntry& entry) {
    if (index < 0 || index >= list.Count()) {
        return;
    }
    list.SetItem(index, entry.name, entry.path);
    WriteRegValue(key, NameValueName(index), entry.name);
    WriteRegValue(key, PathValueName(index), entry.path);
}

void DeleteEntry(ui::ListView& list, const std::string& key, int index) {
    if (index < 0 || index >= list.Count()) {
        return;
    }
    list.Delete(index);
    const int count = list.Count();
    // Shift the later pairs down first and drop the old last pair only then:
    // if a write fails part-way, every entry is still stored (one at worst
    // twice) instead of the last one being gone.
    SaveItemRange(list, key, index, count - 1);
    DeleteItemValues(key, count);
    list.Select(index < count ? index : (count > 0 ? 0 : -1));
}

namespace {
void Swap(ui::ListView& list, int a, int b) {
    const std::string nameA = list.Caption(a);
    const std::string pathA = list.SubItem(a);
    list.SetItem(a, list.Caption(b), list.SubItem(b));
    list.SetItem(b, nameA, pathA);
}
}  // namespace

void MoveEntryUp(ui::ListView& list, const std::string& key, int index) {
    if (index <= 0 || index >= list.Count()) {
        return;
    }
    Swap(list, index, index - 1);
    SaveItemRange(list, key, index - 1, index);
    list.Select(index - 1);
}

void MoveEntryDown(ui::ListView& list, const std::string& key, int index) {
    if (index < 0 || index + 1 >= list.Count()) {
        return;
    }
    Swap(list, index, index + 1);
    SaveItemRange(list, key, index, index + 1);
    list.Select(index + 1);
}

}  // namespace dirvane
