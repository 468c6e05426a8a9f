// Editing commands at 10,000 entries: deleting the first entry (which
// rewrites the whole stored tail) and moving an entry down.
#include <windows.h>
#include <shlwapi.h>

#include <cstdio>
#include <string>

#include "list/FolderStore.h"
#include "list/ListCommands.h"
#include "ui/Application.h"
#include "BenchSupport.h"
#include "support/ListHost.h"
#include "ui/ListView.h"

namespace {

constexpr int kEntries = 10000;
constexpr char kKey[] = "Software\\DirvaneBench";

}  // namespace

int main() {
    ui::Application::Instance().Initialize();
    testing_support::ListHost host;
    {
        ui::ListViewUpdate update(host.list);
        for (int i = 0; i < kEntries + 1; ++i) {
            host.list.Add("Folder " + std::to_string(i),
                          "C:\\Data\\Projects\\Folder" + std::to_string(i));
        }
    }
    dirvane::SaveItemRange(host.list, kKey, 0, kEntries);

    double t = bench::Now();
    dirvane::DeleteEntry(host.list, kKey, 0);
    const double del = bench::Now() - t;

    double move = 1e9;
    for (int round = 0; round < 5; ++round) {
        host.list.Select(kEntries / 2);
        t = bench::Now();
        dirvane::MoveEntryDown(host.list, kKey, kEntries / 2);
        move = std::min(move, bench::Now() - t);
    }
    std::printf("delete of the first of %d entries: %.1f ms\n", kEntries + 1, del * 1000);
    std::printf("move down at %d entries: %.3f ms\n", kEntries, move * 1000);
    SHDeleteKeyA(HKEY_CURRENT_USER, kKey);
    return 0;
}
