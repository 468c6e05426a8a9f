// Sorting the folder list by name: the comparison, the exact exchange order,
// and the command of the main window with its hint and stored result.
#include <gtest/gtest.h>

#include <random>

#include "app/Main.h"
#include "list/Sort.h"
#include "resource.h"
#include "support/TestSupport.h"
#include "ui/Text.h"

using namespace dirvane;
using namespace testing_support;

namespace {

using Pairs = std::vector<std::pair<std::string, std::string>>;

// The exchange loops, written out plainly over whole entries.
void ReferenceSort(Pairs& items, bool ascending) {
    const int n = static_cast<int>(items.size());
    for (int i = 0; i + 1 < n; ++i) {
        if (ascending) {
            for (int j = i + 1; j < n; ++j) {
                if (CompareText(items[i].first, items[j].first) > 0) {
                    std::swap(items[i], items[j]);
                }
            }
        } else {
            for (int j = n - 1; j > i; --j) {
                if (CompareText(items[i].first, items[j].first) < 0) {
                    std::swap(items[i], items[j]);
                }
            }
        }
    }
}

// Names that are often equal under case folding, some sharing long heads
// and some double-byte, with a unique path each to tell entries apart.
Pairs RandomItems(unsigned variant, int n) {
    std::mt19937 rng(variant);
    const char* heads[] = {"",        "a",           "A",        "abcdefgh", "ABCDEFGH",
                           "abcdefg", "*Separator*", "\xB0\xA1", "Z"};
    const char* tails[] = {"a", "A", "b", "B", "_", "\\", "\xB1\x5C"};
    Pairs items;
    for (int k = 0; k < n; ++k) {
        std::string name = heads[rng() % std::size(heads)];
        const int extra = static_cast<int>(rng() % 3);
        for (int t = 0; t < extra; ++t) {
            name += tails[rng() % std::size(tails)];
        }
        if (name.empty()) {
            name = "e";
        }
        items.emplace_back(name, "C:\\p" + std::to_string(k));
    }
    return items;
}

TEST(CompareText, FoldsOnlyAsciiLettersAndComparesUnsignedBytes) {
    struct Case {
        const char* a;
        const char* b;
        int result;
    };
    const Case cases[] = {
        {"abc", "ABC", 0},
        {"a", "B", 'A' - 'B'},
        {"b", "A", 'B' - 'A'},
        {"abc", "ab", 1},  // a prefix sorts first: length difference
        {"", "xyz", -3},
        {"*Separator*", "A", 0x2A - 0x41},  // the asterisk sorts before letters
        {"*Separator*", "0", 0x2A - 0x30},  // ... and before digits
        {"\xB0\xA1", "zzz", 0xB0 - 'Z'},    // double-byte after ASCII
        {"\xB0\xA1", "\xB0\xA2", 0xA1 - 0xA2},
        {"[", "a", '[' - 'A'},  // only a-z fold: "[" stays below "{"
        {"_", "a", '_' - 'A'},
        {"\xE0", "\xC0", 0xE0 - 0xC0},  // no folding outside ASCII
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.a) + " vs " + c.b);
        EXPECT_EQ(CompareText(c.a, c.b), c.result);
        EXPECT_EQ(CompareText(c.b, c.a), -c.result);
    }
}

TEST(SortOrder, FollowsTheExchangeLoopsExactlyAmongEqualNames) {
    for (unsigned variant : {1u, 2u, 3u}) {
        for (bool ascending : {true, false}) {
            SCOPED_TRACE("variant " + std::to_string(variant) +
                         (ascending ? " ascending" : " descending"));
            const Pairs items = RandomItems(variant, 300);
            Pairs expected = items;
            ReferenceSort(expected, ascending);

            std::vector<std::string> names;
            for (const auto& item : items) {
                names.push_back(item.first);
            }
            const std::vector<int> order = SortOrder(names, ascending);
            Pairs got;
            for (int index : order) {
                got.push_back(items[index]);
            }
            EXPECT_EQ(got, expected);
        }
    }
}

class SortCommandTest : public ::testing::Test {
protected:
    static void Reset() {
        ResetProgramState();
    }
    void SetUp() override {
        Reset();
        frm = std::make_unique<TfrmMain>();
    }
    void TearDown() override {
        frm.reset();
        Reset();
    }

    void Fill(const Pairs& items) {
        for (const auto& [name, path] : items) {
            frm->lvMain.Add(name, path);
        }
    }
    Pairs Items() const {
        Pairs out;
        for (int i = 0; i < frm->lvMain.Count(); ++i) {
            out.emplace_back(frm->lvMain.Caption(i), frm->lvMain.SubItem(i));
        }
        return out;
    }

    std::unique_ptr<TfrmMain> frm;
};

TEST_F(SortCommandTest, SortsStoresAndKeepsTheSelectedRow) {
    Fill({{"b", "1"}, {"A", "2"}, {"a", "3"}});
    frm->lvMain.Select(2);
    ASSERT_TRUE(frm->aSort->Execute());
    // A and a are equal: the exchange order puts A first.
    const Pairs sorted{{"A", "2"}, {"a", "3"}, {"b", "1"}};
    EXPECT_EQ(Items(), sorted);
    EXPECT_EQ(StoredPairs(), sorted);
    EXPECT_EQ(frm->lvMain.Selected(), 2);
}

TEST_F(SortCommandTest, DirectionAndHintAlternate) {
    Pairs expected = RandomItems(7, 200);
    expected.emplace_back("*Separator*", "-");
    expected.emplace_back("\xCE\xC4\xBC\xFE", "D:\\\xCE\xC4\xBC\xFE");
    Fill(expected);
    EXPECT_EQ(frm->aSort->Hint(), ui::LoadStr(IDS_SORT_HINT_ASC));

    const bool directions[] = {true, false, true};
    for (bool ascending : directions) {
        SCOPED_TRACE(ascending ? "ascending" : "descending");
        ASSERT_EQ(frm->SortAscending(), ascending);
        frm->aSortExecute();
        ReferenceSort(expected, ascending);
        EXPECT_EQ(Items(), expected);
        EXPECT_EQ(StoredPairs(), expected);
        EXPECT_EQ(frm->SortAscending(), !ascending);
        EXPECT_EQ(frm->aSort->Hint(),
                  ui::LoadStr(ascending ? IDS_SORT_HINT_DESC : IDS_SORT_HINT_ASC));
    }
    // Ascending puts the separator first, the double-byte name last.
    EXPECT_EQ(Items().front().first, "*Separator*");
    EXPECT_EQ(Items().back().first, "\xCE\xC4\xBC\xFE");
}

}  // namespace
