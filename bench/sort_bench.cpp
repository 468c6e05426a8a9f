// The sort command at 2,000 and 10,000 entries (list view and registry
// included), against the same exchange loops over bare strings. Each figure
// is the best of three runs on the same input; the registry rewrite (every
// pair, by design) is also timed on its own.
#include "BenchSupport.h"

#include <algorithm>

#include "app/Main.h"
#include "list/FolderStore.h"
#include "list/Sort.h"

namespace {

// The floor: the loops as written, swapping whole entries held as strings.
void BareSort(bench::Pairs& items, bool ascending) {
    const int n = static_cast<int>(items.size());
    for (int i = 0; i + 1 < n; ++i) {
        if (ascending) {
            for (int j = i + 1; j < n; ++j) {
                if (dirvane::CompareText(items[i].first, items[j].first) > 0) {
                    std::swap(items[i], items[j]);
                }
            }
        } else {
            for (int j = n - 1; j > i; --j) {
                if (dirvane::CompareText(items[i].first, items[j].first) < 0) {
                    std::swap(items[i], items[j]);
                }
            }
        }
    }
}

void Fill(ui::ListView& list, const bench::Pairs& items) {
    ui::ListViewUpdate update(list);
    list.Clear();
    for (const auto& [name, path] : items) {
        list.Add(name, path);
    }
}

template <typename Fn>
double Best(Fn&& fn) {
    double best = 1e9;
    for (int run = 0; run < 3; ++run) {
        best = std::min(best, fn());
    }
    return best;
}

}  // namespace

int main() {
    bench::StartApplication();
    bench::CleanUp();
    {
        dirvane::TfrmMain frm;
        for (int n : {2000, 10000}) {
            const bench::Pairs random = bench::MakeEntries(n, 1);
            bench::Pairs ascendingOrder = random;
            BareSort(ascendingOrder, true);
            // As the user meets them: ascending from the loaded order, then
            // descending from the ascending result.
            for (bool ascending : {true, false}) {
                const bench::Pairs& input = ascending ? random : ascendingOrder;
                const double floor = Best([&] {
                    bench::Pairs bare = input;
                    const auto t = std::chrono::steady_clock::now();
                    BareSort(bare, ascending);
                    return bench::Seconds(t);
                });
                const double command = Best([&] {
                    Fill(frm.lvMain, input);
                    if (frm.SortAscending() != ascending) {
                        frm.aSortExecute();  // to the direction wanted
                        Fill(frm.lvMain, input);
                    }
                    const auto t = std::chrono::steady_clock::now();
                    frm.aSortExecute();
                    return bench::Seconds(t);
                });
                const double store = Best([&] {
                    const auto t = std::chrono::steady_clock::now();
                    frm.SaveItemRange(dirvane::kProductKey, 0, n - 1);
                    return bench::Seconds(t);
                });
                std::printf(
                    "sort %5d %-10s: command %.3f s = registry rewrite %.3f s + the rest %.3f s; "
                    "bare loops %.3f s; ratio command/bare %.2f, rest/bare %.2f\n",
                    n, ascending ? "ascending" : "descending", command, store, command - store,
                    floor, command / floor, (command - store) / floor);
            }
        }
    }
    bench::CleanUp();
    return 0;
}
