// Import of a 10,000-entry list file into a 10,000-entry list, half of the
// file's entries new; and export of that list, to a new and to an existing file.
#include "BenchSupport.h"

#include "app/Main.h"
#include "exchange/ListFileExport.h"
#include "exchange/ListFileImport.h"
#include "list/FolderStore.h"
#include "list/PairWriter.h"

int main() {
    bench::StartApplication();
    bench::CleanUp();
    const std::string file = platform::ExeDir() + "import_bench.dvk";
    DeleteFileA(file.c_str());
    {
        dirvane::TfrmMain frm;
        const int n = 10000;
        const bench::Pairs listed = bench::MakeEntries(n, 1);
        const bench::Pairs other = bench::MakeEntries(n, 2);
        // The file: every other entry from the list, the rest new.
        std::vector<dirvane::FolderEntry> inFile;
        for (int i = 0; i < n; ++i) {
            const auto& [name, path] = (i % 2 == 0) ? listed[i] : other[i];
            inFile.push_back({name, path + (i % 2 == 0 ? "" : "\\new")});
        }
        auto t = std::chrono::steady_clock::now();
        dirvane::ExportListFile(inFile, file);
        std::printf("export %d entries to a new file: %.3f s\n", n, bench::Seconds(t));
        t = std::chrono::steady_clock::now();
        dirvane::ExportListFile(inFile, file);
        std::printf("export %d entries over that file: %.3f s\n", n, bench::Seconds(t));

        {
            ui::ListViewUpdate update(frm.lvMain);
            for (const auto& [name, path] : listed) {
                frm.lvMain.Add(name, path);
            }
        }
        frm.SaveItemRange(dirvane::kProductKey, 0, n - 1);

        t = std::chrono::steady_clock::now();
        // As the import command stores each appended entry.
        dirvane::PairWriter store(dirvane::kProductKey);
        const int added = dirvane::ImportListFile(
            frm.lvMain, file, [&store](int index, const dirvane::FolderEntry& e) {
                store.Write(index, e.name, e.path);
            });
        const double seconds = bench::Seconds(t);
        std::printf("import %d-entry file into %d entries: %d appended in %.3f s\n", n, n, added,
                    seconds);
    }
    DeleteFileA(file.c_str());
    bench::CleanUp();
    return 0;
}
