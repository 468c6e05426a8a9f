#include "list/Sort.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "list/ListEntries.h"

namespace dirvane {

namespace {

inline unsigned char Fold(char c) {
    const auto b = static_cast<unsigned char>(c);
    return (b >= 'a' && b <= 'z') ? static_cast<unsigned char>(b - 'a' + 'A') : b;
}

// A name prepared for the exchange loops, which make about n * n / 2
// comparisons: the folded bytes live in one shared buffer, and the first
// eight of them, big-endian and zero-padded, decide most comparisons in one
// integer compare. Zero padding agrees with CompareText: where the shorter
// name has run out, the longer one's byte is compared against 0, and a
// shorter name that is a prefix sorts first either way.
struct SortKey {
    std::uint64_t head;
    const unsigned char* folded;
    std::size_t length;
    int index;
};

// The sign of CompareText on the keys' names.
inline int Compare(const SortKey& a, const SortKey& b) {
    if (a.head != b.head) {
        return a.head < b.head ? -1 : 1;
    }
    const std::size_t common = std::min(a.length, b.length);
    if (common > 8) {
        const int r = std::memcmp(a.folded + 8, b.folded + 8, common - 8);
        if (r != 0) {
            return r;
        }
    }
    return a.length < b.length ? -1 : (a.length > b.length ? 1 : 0);
}

}  // namespace

int CompareText(std::string_view a, std::string_view b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const unsigned char x = Fold(a[i]);
        const unsigned char y = Fold(b[i]);
        if (x != y) {
            return static_cast<int>(x) - static_cast<int>(y);
        }
    }
    return static_cast<int>(a.size()) - static_cast<int>(b.size());
}

std::vector<int> SortOrder(const std::vector<std::string>& names, bool ascending) {
    const int n = static_cast<int>(names.size());
    std::size_t total = 0;
    for (const auto& s : names) {
        total += s.size();
    }
    std::vector<unsigned char> buffer(total + 1);
    std::vector<SortKey> keys(n);
    std::size_t at = 0;
    for (int k = 0; k < n; ++k) {
        const std::string& s = names[k];
        unsigned char* folded = buffer.data() + at;
        std::uint64_t head = 0;
        for (std::size_t i = 0; i < s.size(); ++i) {
            folded[i] = Fold(s[i]);
        }
        for (std::size_t i = 0; i < 8; ++i) {
            head = (head << 8) | (i < s.size() ? folded[i] : 0u);
        }
        keys[k] = SortKey{head, folded, s.size(), k};
        at += s.size();
    }

    // Swapping keys is swapping the entries: the loops see the same names in
    // the same places as if the items themselves were exchanged one by one.
    if (ascending) {
        for (int i = 0; i < n - 1; ++i) {
            SortKey current = keys[i];
            for (int j = i + 1; j < n; ++j) {
                if (Compare(current, keys[j]) > 0) {
                    std::swap(current, keys[j]);
                }
            }
            keys[i] = current;
        }
    } else {
        for (int i = 0; i < n - 1; ++i) {
            SortKey current = keys[i];
            for (int j = n - 1; j > i; --j) {
                if (Compare(current, keys[j]) < 0) {
                    std::swap(current, keys[j]);
                }
            }
            keys[i] = current;
        }
    }

    std::vector<int> order(n);
    for (int k = 0; k < n; ++k) {
        order[k] = keys[k].index;
    }
    return order;
}

void SortListByName(ui::ListView& list, bool ascending) {
    const std::vector<FolderEntry> entries = ReadEntries(list);
    std::vector<std::string> names;
    names.reserve(entries.size());
    for (const auto& e : entries) {
        names.push_back(e.name);
    }
    const std::vector<int> order = SortOrder(names, ascending);

    ui::ListViewUpdate update(list);
    for (int k = 0; k < static_cast<int>(order.size()); ++k) {
        const FolderEntry& now = entries[order[k]];
        const FolderEntry& was = entries[k];
        if (now.name != was.name || now.path != was.path) {
            list.SetItem(k, now.name, now.path);
        }
    }
}

}  // namespace dirvane
