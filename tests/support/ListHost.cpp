#include "support/ListHost.h"

namespace testing_support {

ListHost::ListHost() {
    Params p{};
    p.className = "DirvaneTestListHost";
    p.style = WS_OVERLAPPEDWINDOW;
    p.width = 400;
    p.height = 300;
    CreateForm(p);
    list.Create(Handle(), 1, RECT{0, 0, 300, 200}, nullptr);
    list.AddColumn("N", 100);
    list.AddColumn("P", 100);
}

void ListHost::Fill(const std::vector<std::pair<std::string, std::string>>& items) {
    for (const auto& [n, p] : items) {
        list.Add(n, p);
    }
}

std::vector<std::pair<std::string, std::string>> ListHost::Items() const {
    std::vector<std::pair<std::string, std::string>> out;
    for (int i = 0; i < list.Count(); ++i) {
        out.emplace_back(list.Caption(i), list.SubItem(i));
    }
    return out;
}

}  // namespace testing_support
