// Loading 10,000 stored entries into the main window's list view, against
// the floor: reading the same 20,000 values and inserting them into a bare
// list view with plain Win32 calls.
#include <windows.h>
#include <commctrl.h>
#include <shlwapi.h>

#include <cstdio>
#include <string>

#include "list/FolderStore.h"
#include "ui/Application.h"
#include "BenchSupport.h"
#include "support/ListHost.h"
#include "ui/ListView.h"

namespace {

constexpr int kEntries = 10000;
constexpr char kKey[] = "Software\\DirvaneBench";

void Floor(HWND bare) {
    HKEY key;
    RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_READ, &key);
    SendMessageA(bare, WM_SETREDRAW, FALSE, 0);
    char name[512], path[512], vn[16];
    for (int i = 0; i < kEntries; ++i) {
        DWORD size = sizeof(name);
        wsprintfA(vn, "N%d", i);
        RegQueryValueExA(key, vn, nullptr, nullptr, reinterpret_cast<BYTE*>(name), &size);
        size = sizeof(path);
        wsprintfA(vn, "P%d", i);
        RegQueryValueExA(key, vn, nullptr, nullptr, reinterpret_cast<BYTE*>(path), &size);
        LVITEMA item{};
        item.mask = LVIF_TEXT;
        item.iItem = i;
        item.pszText = name;
        SendMessageA(bare, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
        item.iSubItem = 1;
        item.pszText = path;
        SendMessageA(bare, LVM_SETITEMTEXTA, i, reinterpret_cast<LPARAM>(&item));
    }
    SendMessageA(bare, WM_SETREDRAW, TRUE, 0);
    RegCloseKey(key);
}

}  // namespace

int main() {
    ui::Application::Instance().Initialize();
    HKEY key;
    RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    for (int i = 0; i < kEntries; ++i) {
        const std::string n = "Folder " + std::to_string(i);
        const std::string p = "C:\\Data\\Projects\\Folder" + std::to_string(i);
        RegSetValueExA(key, ("N" + std::to_string(i)).c_str(), 0, REG_SZ,
                       reinterpret_cast<const BYTE*>(n.c_str()), static_cast<DWORD>(n.size() + 1));
        RegSetValueExA(key, ("P" + std::to_string(i)).c_str(), 0, REG_SZ,
                       reinterpret_cast<const BYTE*>(p.c_str()), static_cast<DWORD>(p.size() + 1));
    }
    RegCloseKey(key);

    testing_support::ListHost host;
    HWND bare = CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0, 500,
                                300, host.Handle(), nullptr, nullptr, nullptr);
    LVCOLUMNA col{};
    col.mask = LVCF_WIDTH;
    col.cx = 150;
    SendMessageA(bare, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&col));
    SendMessageA(bare, LVM_INSERTCOLUMNA, 1, reinterpret_cast<LPARAM>(&col));
    double best = 1e9, bestFloor = 1e9;
    for (int round = 0; round < 5; ++round) {
        host.list.Clear();
        double t = bench::Now();
        dirvane::LoadList(host.list, kKey);
        best = std::min(best, bench::Now() - t);
        SendMessageA(bare, LVM_DELETEALLITEMS, 0, 0);
        t = bench::Now();
        Floor(bare);
        bestFloor = std::min(bestFloor, bench::Now() - t);
    }
    std::printf("load of %d entries: %.1f ms (floor %.1f ms), ratio %.2f, loaded %d\n", kEntries,
                best * 1000, bestFloor * 1000, best / bestFloor, host.list.Count());
    SHDeleteKeyA(HKEY_CURRENT_USER, kKey);
    return 0;
}
