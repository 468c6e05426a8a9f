#pragma once
// The stored folder list: pairs N<i>/P<i> of string values under the
// product key in HKEY_CURRENT_USER. The list read back is the longest run
// i = 0, 1, 2, ... whose both values exist and are non-empty. Each
// operation opens the key itself and closes it before returning.
#include <optional>
#include <string>

#include "ui/ListView.h"

namespace dirvane {

// The product key, under HKEY_CURRENT_USER.
inline constexpr char kProductKey[] = "Software\\Dirvane";
// Our own first-start marker, beside the values other software reads.
inline constexpr char kMarkerKey[] = "Software\\Dirvane\\Program";
inline constexpr char kMarkerValue[] = "Seeded";

std::string NameValueName(int index);  // "N" + index
std::string PathValueName(int index);  // "P" + index

// Opens (creating) the key and writes the string; no-op if it cannot open.
void WriteRegValue(const std::string& key, const std::string& name, const std::string& value);
// Rewrites pairs first..last from the list view's items.
void SaveItemRange(const ui::ListView& list, const std::string& key, int first, int last);
// Removes the pair N<index>/P<index>; missing values are no error.
void DeleteItemValues(const std::string& key, int index);
// Appends the stored list to the list view.
void LoadList(ui::ListView& list, const std::string& key);

// First start for this user: stores entries 0 and 1, unless a stored list is
// already there. Runs once; the marker remembers it.
void SeedFirstStart(const std::string& key);

// Values read at start-up in one opening of the product key.
struct StartupValues {
    std::string picView;
    std::string explorerFolder;
    std::string setting;
};
std::optional<StartupValues> ReadStartupValues(const std::string& key);
// Rewrites "Setting" when it is empty or names another executable.
void RecordExePath(const std::string& key, const std::string& stored, const std::string& exePath);

}  // namespace dirvane
