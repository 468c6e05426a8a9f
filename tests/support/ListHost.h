#pragma once
// A bare window holding a list view, as the main window holds its list.
#include <string>
#include <utility>
#include <vector>

#include "ui/Form.h"
#include "ui/ListView.h"

namespace testing_support {

class ListHost : public ui::Form {
public:
    ListHost();
    ui::ListView list;

    void Fill(const std::vector<std::pair<std::string, std::string>>& items);
    std::vector<std::pair<std::string, std::string>> Items() const;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override {
        return DefaultHandler(msg, wp, lp);
    }
};

}  // namespace testing_support
