#pragma once
// Ordering the folder list by name, ascending and descending in turn.
#include <string>
#include <string_view>
#include <vector>

#include "ui/ListView.h"

namespace dirvane {

// Names compare byte by byte with only a-z folded onto A-Z: the unsigned
// difference at the first unequal pair, else the difference of the lengths.
// So double-byte names sort after every name that starts with ASCII.
int CompareText(std::string_view a, std::string_view b);

// Where the exchange sort moves each name: result[k] is the index in `names`
// of the name that ends at position k. The sort is not stable; entries with
// equal names end where these exact exchange loops put them:
//   ascending:  for i < j, swap when CompareText(name[i], name[j]) > 0;
//   descending: for i, j from the end down to i + 1, swap when < 0.
std::vector<int> SortOrder(const std::vector<std::string>& names, bool ascending);

// Sorts the list view's entries by name. Redraw is suspended and only rows
// whose content changed are rewritten; the selected row index stays.
void SortListByName(ui::ListView& list, bool ascending);

}  // namespace dirvane
