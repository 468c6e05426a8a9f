#include "list/FolderStore.h"

#include "platform/FileSystem.h"
#include "platform/RegKey.h"

namespace dirvane {

using platform::RegKey;

namespace {
std::string IndexedName(char prefix, int index) {
    char buf[16];
    const int n = wsprintfA(buf, "%c%d", prefix, index);
    return std::string(buf, n);
}
}  // namespace

std::string NameValueName(int index) {
    return IndexedName('N', index);
}

std::string PathValueName(int index) {
    return IndexedName('P', index);
}

void WriteRegValue(const std::string& key, const std::string& name, const std::string& value) {
    auto reg = RegKey::Open(key, true);
    if (reg) {
        reg->WriteString(name, value);
    }
}

void SaveItemRange(const ui::ListView& list, const std::string& key, int first, int last) {
    const int count = list.Count();
    if (first >= count) {
        return;
    }
    auto reg = RegKey::Open(key, true);
    if (!reg || last < first || last >= count) {
        return;
    }
    for (int i = first; i <= last; ++i) {
        reg->WriteString(NameValueName(i), list.Caption(i));
        reg->WriteString(PathValueName(i), list.SubItem(i));
    }
}

void DeleteItemValues(const std::string& key, int index) {
    auto reg = RegKey::Open(key, false);
    if (!reg) {
        return;
    }
    reg->DeleteValue(NameValueName(index));
    reg->DeleteValue(PathValueName(index));
}

void LoadList(ui::ListView& list, const std::string& key) {
    auto reg = RegKey::Open(key, true);
    if (!reg) {
        return;
    }
    ui::ListViewUpdate update(list);
    DWORD values = 0;
    if (RegQueryInfoKeyA(reg->Handle(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                         &values, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS) {
        list.Reserve(list.Count() + static_cast<int>(values / 2));
    }
    for (int i = 0;; ++i) {
        const std::string name = reg->ReadString(NameValueName(i));
        const std::string path = reg->ReadString(PathValueName(i));
        if (name.empty() || path.empty()) {
            break;
        }
        list.Add(name, path);
    }
}

void SeedFirstStart(const std::string& key) {
    if (auto marker = RegKey::Open(kMarkerKey, false)) {
        if (!marker->ReadString(kMarkerValue).empty()) {
            return;
        }
    }
    // A stored list without our marker (an older installation, or a marker
    // removed by hand) is kept: seeding would overwrite its first two entries.
    bool hasList = false;
    if (auto reg = RegKey::Open(key, false)) {
        hasList = !reg->ReadString(NameValueName(0)).empty() &&
                  !reg->ReadString(PathValueName(0)).empty();
    }
    if (!hasList) {
        WriteRegValue(key, NameValueName(0), "Windows Directory");
        WriteRegValue(key, PathValueName(0), platform::WindowsDirectory());
        WriteRegValue(key, NameValueName(1), "C:\\");
        WriteRegValue(key, PathValueName(1), "C:\\");
    }
    WriteRegValue(kMarkerKey, kMarkerValue, "1");
}

std::optional<StartupValues> ReadStartupValues(const std::string& key) {
    auto reg = RegKey::Open(key, true);
    if (!reg) {
        return std::nullopt;
    }
    StartupValues v;
    v.picView = reg->ReadString("PicView");
    v.explorerFolder = reg->ReadString("ExploerFolder");
    v.setting = reg->ReadString("Setting");
    return v;
}

void RecordExePath(const std::string& key, const std::string& stored, const std::string& exePath) {
    if (stored.empty() || stored != exePath) {
        WriteRegValue(key, "Setting", exePath);
    }
}

}  // namespace dirvane
