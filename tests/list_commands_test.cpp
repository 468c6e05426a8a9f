// The editing commands on a list view and the real registry of the test prefix.
#include <gtest/gtest.h>

#include "list/FolderStore.h"
#include "list/ListCommands.h"
#include "platform/Errors.h"
#include "platform/RegKey.h"
#include "support/ListHost.h"
#include "support/TestSupport.h"

using namespace dirvane;
using namespace testing_support;

namespace {

using Pairs = std::vector<std::pair<std::string, std::string>>;
const Pairs kThree{{"a", "C:\\a"}, {"b", "C:\\b"}, {"c", "C:\\c"}};

class ListCommandsTest : public ::testing::Test {
protected:
    void SetUp() override { DeleteProductKey(); }
    void TearDown() override {
        platform::RegKey::SetWriteFaultForTesting(nullptr);
        DeleteProductKey();
    }
    // A list shown and stored alike.
    void Start(const Pairs& items) {
        host.list.Clear();
        DeleteProductKey();
        host.Fill(items);
        SaveItemRange(host.list, kProductKey, 0, host.list.Count() - 1);
    }

    ListHost host;
};

TEST_F(ListCommandsTest, DeleteShiftsTheTailAndSelects) {
    struct Case {
        Pairs before;
        int index;
        Pairs after;
        int selected;
    };
    const Case cases[] = {
        {{{"a", "C:\\a"}}, 0, {}, -1},
        {kThree, 0, {{"b", "C:\\b"}, {"c", "C:\\c"}}, 0},
        {kThree, 1, {{"a", "C:\\a"}, {"c", "C:\\c"}}, 1},
        {kThree, 2, {{"a", "C:\\a"}, {"b", "C:\\b"}}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.index);
        Start(c.before);
        DeleteEntry(host.list, kProductKey, c.index);
        EXPECT_EQ(host.Items(), c.after);
        EXPECT_EQ(host.list.Selected(), c.selected);
        EXPECT_EQ(StoredPairs(), c.after);
        // The old last pair is gone, not merely hidden behind a gap.
        const std::string last = std::to_string(c.before.size() - 1);
        EXPECT_FALSE(GetRegString("N" + last));
        EXPECT_FALSE(GetRegString("P" + last));
    }
}

TEST_F(ListCommandsTest, DeleteThatFailsPartWayLosesNoStoredEntry) {
    Start({{"a", "1"}, {"b", "2"}, {"c", "3"}, {"d", "4"}, {"e", "5"}});
    // The write of pair 2 is refused in the middle of the shift.
    platform::RegKey::SetWriteFaultForTesting([](const std::string& name) { return name == "N2"; });
    EXPECT_THROW(DeleteEntry(host.list, kProductKey, 0), platform::RegistryError);
    platform::RegKey::SetWriteFaultForTesting(nullptr);

    // Every entry but the deleted one is still in the stored list.
    const Pairs stored = StoredPairs();
    for (const auto& entry : Pairs{{"b", "2"}, {"c", "3"}, {"d", "4"}, {"e", "5"}}) {
        EXPECT_NE(std::find(stored.begin(), stored.end(), entry), stored.end()) << entry.first;
    }
    EXPECT_EQ(stored.size(), 5u);  // "c" twice: at worst one entry shows twice
}

TEST_F(ListCommandsTest, MoveUpAndDownAtTheBoundaries) {
    struct Case {
        bool up;
        int index;
        Pairs after;
        int selected;  // -2: selection untouched
    };
    const Case cases[] = {
        {true, 0, kThree, -2},  // first entry cannot move up
        {true, 2, {{"a", "C:\\a"}, {"c", "C:\\c"}, {"b", "C:\\b"}}, 1},
        {false, 0, {{"b", "C:\\b"}, {"a", "C:\\a"}, {"c", "C:\\c"}}, 1},
        {false, 2, kThree, -2},  // last entry cannot move down
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.up ? "up " : "down ") + std::to_string(c.index));
        Start(kThree);
        host.list.Select(c.index);
        if (c.up) {
            MoveEntryUp(host.list, kProductKey, c.index);
        } else {
            MoveEntryDown(host.list, kProductKey, c.index);
        }
        EXPECT_EQ(host.Items(), c.after);
        EXPECT_EQ(StoredPairs(), c.after);
        EXPECT_EQ(host.list.Selected(), c.selected == -2 ? c.index : c.selected);
    }
}

TEST_F(ListCommandsTest, AddAndReplaceStoreExactlyTheirPair) {
    Start({{"a", "C:\\a"}});
    host.list.Select(0);
    AddEntry(host.list, kProductKey, FolderEntry{"b", "C:\\b\\"});
    AddEntry(host.list, kProductKey, FolderEntry::Separator());
    EXPECT_EQ(StoredPairs(), (Pairs{{"a", "C:\\a"}, {"b", "C:\\b\\"}, {"*Separator*", "-"}}));
    EXPECT_EQ(host.list.Selected(), 0);  // the new entry is not selected

    ReplaceEntry(host.list, kProductKey, 0, FolderEntry::Separator());
    ReplaceEntry(host.list, kProductKey, 2, FolderEntry{"c", "D:\\c"});
    const Pairs expected{{"*Separator*", "-"}, {"b", "C:\\b\\"}, {"c", "D:\\c"}};
    EXPECT_EQ(host.Items(), expected);
    EXPECT_EQ(StoredPairs(), expected);
}

}  // namespace
