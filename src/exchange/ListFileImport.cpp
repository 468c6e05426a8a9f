#include "exchange/ListFileImport.h"

#include <limits>
#include <map>

#include "exchange/EntryMatch.h"
#include "exchange/ListFileFormat.h"
#include "exchange/IniSection.h"
#include "list/ListEntries.h"
#include "platform/AnsiText.h"

namespace dirvane {

namespace {

// Reads "N12" or "p0" (the letter in either case, as INI keys match) into
// its letter and index. Only the spelling a look-up of "N" + i would find
// counts: decimal digits, no sign, no leading zeros.
bool ParseIndexedKey(std::string_view key, char& letter, int& index) {
    if (key.size() < 2 || key.size() > 11) {
        return false;
    }
    letter = key[0] == 'n' ? 'N' : (key[0] == 'p' ? 'P' : key[0]);
    if (letter != 'N' && letter != 'P') {
        return false;
    }
    const std::string_view digits = key.substr(1);
    if (digits.size() > 1 && digits[0] == '0') {
        return false;
    }
    long long value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') {
            return false;
        }
        value = value * 10 + (c - '0');
    }
    if (value > std::numeric_limits<int>::max()) {
        return false;
    }
    index = static_cast<int>(value);
    return true;
}

}  // namespace

std::vector<FolderEntry> ReadListFile(const std::string& fileName) {
    const int count =
        platform::StrToIntDef(ReadIniString(fileName, kListSection, kListCountKey, ""), 0);
    if (count <= 0) {
        return {};
    }
    // The first line of a key is the one a look-up finds.
    struct Pair {
        bool hasName = false;
        bool hasPath = false;
        FolderEntry entry;
    };
    std::map<int, Pair> pairs;
    for (const std::string& line : ReadIniSection(fileName, kListSection)) {
        char letter = 0;
        int index = 0;
        if (!ParseIndexedKey(LineKey(line), letter, index) || index >= count) {
            continue;
        }
        Pair& pair = pairs[index];
        if (letter == 'N' && !pair.hasName) {
            pair.hasName = true;
            pair.entry.name = LineValue(line);
        } else if (letter == 'P' && !pair.hasPath) {
            pair.hasPath = true;
            pair.entry.path = LineValue(line);
        }
    }
    std::vector<FolderEntry> entries;
    entries.reserve(pairs.size());
    for (auto& [index, pair] : pairs) {
        if (!pair.entry.name.empty() && !pair.entry.path.empty()) {
            entries.push_back(std::move(pair.entry));
        }
    }
    return entries;
}

int ImportListFile(ui::ListView& list, const std::string& fileName,
                   const StoreAppended& store) noexcept {
    int appended = 0;
    try {
        const std::vector<FolderEntry> incoming = ReadListFile(fileName);
        if (incoming.empty()) {
            return 0;
        }
        const std::vector<FolderEntry> current = ReadEntries(list);
        EntrySet known;
        known.Reserve(current.size() + incoming.size());
        for (const auto& e : current) {
            known.Insert(e);
        }
        ui::ListViewUpdate update(list);
        list.Reserve(static_cast<int>(current.size() + incoming.size()));
        for (const auto& e : incoming) {
            if (!known.Insert(e)) {
                continue;
            }
            if (list.Add(e.name, e.path) < 0) {
                break;
            }
            ++appended;
            store(list.Count() - 1, e);
        }
    } catch (...) {
        // Import reports nothing: what was appended and stored stays.
    }
    return appended;
}

}  // namespace dirvane
