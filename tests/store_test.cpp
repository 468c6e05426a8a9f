// The stored folder list against the real registry of the test prefix.
#include <gtest/gtest.h>

#include "list/FolderStore.h"
#include "platform/Errors.h"
#include "platform/FileSystem.h"
#include "support/ListHost.h"
#include "support/TestSupport.h"

using namespace dirvane;
using namespace testing_support;

namespace {

class StoreTest : public ::testing::Test {
protected:
    void SetUp() override { DeleteProductKey(); }
    void TearDown() override { DeleteProductKey(); }

    std::vector<std::pair<std::string, std::string>> Items() { return host.Items(); }
    void Fill(const std::vector<std::pair<std::string, std::string>>& items) { host.Fill(items); }

    ListHost host;
};

using Pairs = std::vector<std::pair<std::string, std::string>>;

TEST_F(StoreTest, LoadStopsAtTheFirstGapOrEmptyValue) {
    struct Case {
        const char* what;
        std::vector<std::pair<const char*, const char*>> values;
        Pairs loaded;
    };
    const Case cases[] = {
        {"nothing stored", {}, {}},
        {"two full pairs",
         {{"N0", "a"}, {"P0", "C:\\a"}, {"N1", "b"}, {"P1", "C:\\b"}},
         {{"a", "C:\\a"}, {"b", "C:\\b"}}},
        {"empty P1 ends the list",
         {{"N0", "a"}, {"P0", "x"}, {"N1", "b"}, {"P1", ""}, {"N2", "c"}, {"P2", "y"}},
         {{"a", "x"}}},
        {"N0 missing", {{"P0", "x"}, {"N1", "b"}, {"P1", "y"}}, {}},
        {"numbering gap", {{"N0", "a"}, {"P0", "x"}, {"N2", "c"}, {"P2", "z"}}, {{"a", "x"}}},
        {"double-byte text",
         {{"N0", "\xCE\xC4\xBC\xFE"}, {"P0", "C:\\\xCE\xC4"}},
         {{"\xCE\xC4\xBC\xFE", "C:\\\xCE\xC4"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        DeleteProductKey();
        host.list.Clear();
        for (auto& [name, value] : c.values) {
            SetRegString(name, value);
        }
        LoadList(host.list, kProductKey);
        EXPECT_EQ(Items(), c.loaded);
    }
}

TEST_F(StoreTest, LoadReadsLongValuesWhole) {
    const std::string longPath = "C:\\" + std::string(5000, 'x');
    SetRegString("N0", "long");
    SetRegString("P0", longPath);
    LoadList(host.list, kProductKey);
    ASSERT_EQ(host.list.Count(), 1);
    EXPECT_EQ(host.list.SubItem(0), longPath);
}

TEST_F(StoreTest, ValueOfAnotherTypeIsAnError) {
    SetRegString("N0", "a");
    SetRegDword("P0", 7);
    try {
        LoadList(host.list, kProductKey);
        FAIL() << "no error";
    } catch (const platform::RegistryError& e) {
        EXPECT_STREQ(e.what(), "Invalid data type for 'P0'");
    }
}

TEST_F(StoreTest, SaveItemRangeWritesOnlyWithinTheList) {
    Fill({{"a", "1"}, {"b", "2"}, {"c", "3"}});
    SaveItemRange(host.list, kProductKey, 3, 3);  // first == count: nothing, key not even created
    EXPECT_FALSE(GetRegString("N3"));
    EXPECT_EQ(StoredPairs(), Pairs{});
    SaveItemRange(host.list, kProductKey, 1, 3);  // last beyond the list: nothing
    EXPECT_EQ(StoredPairs(), Pairs{});
    EXPECT_FALSE(GetRegString("N1"));
    SaveItemRange(host.list, kProductKey, 2, 1);  // last < first: nothing
    EXPECT_FALSE(GetRegString("N2"));
    SaveItemRange(host.list, kProductKey, 0, 2);
    EXPECT_EQ(StoredPairs(), (Pairs{{"a", "1"}, {"b", "2"}, {"c", "3"}}));
    host.list.SetItem(1, "B", "22");
    SaveItemRange(host.list, kProductKey, 1, 1);
    EXPECT_EQ(StoredPairs(), (Pairs{{"a", "1"}, {"B", "22"}, {"c", "3"}}));
}

TEST_F(StoreTest, DeleteItemValuesRemovesOnePair) {
    DeleteItemValues(kProductKey, 0);  // no key: nothing happens, nothing created
    EXPECT_FALSE(GetRegString("N0"));
    SetRegString("N0", "a");
    SetRegString("P0", "1");
    SetRegString("N1", "b");
    SetRegString("P1", "2");
    DeleteItemValues(kProductKey, 1);
    DeleteItemValues(kProductKey, 5);  // missing values are no error
    EXPECT_EQ(StoredPairs(), (Pairs{{"a", "1"}}));
    EXPECT_FALSE(GetRegString("P1"));
}

TEST_F(StoreTest, SeedingRunsOnceAndNeverOverAStoredList) {
    SeedFirstStart(kProductKey);
    const std::string windir = platform::WindowsDirectory();
    ASSERT_FALSE(windir.empty());
    EXPECT_EQ(StoredPairs(), (Pairs{{"Windows Directory", windir}, {"C:\\", "C:\\"}}));

    // Second start: the user's changes stay.
    SetRegString("N0", "mine");
    SeedFirstStart(kProductKey);
    EXPECT_EQ(StoredPairs()[0], (std::pair<std::string, std::string>{"mine", windir}));

    // A stored list without the marker is kept, and the marker gets set.
    DeleteProductKey();
    SetRegString("N0", "kept");
    SetRegString("P0", "D:\\kept");
    SeedFirstStart(kProductKey);
    EXPECT_EQ(StoredPairs(), (Pairs{{"kept", "D:\\kept"}}));
    DeleteProductKey();
    SetRegString("N0", "kept");  // half a pair is no list: seeding runs
    SeedFirstStart(kProductKey);
    EXPECT_EQ(StoredPairs().size(), 2u);
}

TEST_F(StoreTest, SettingIsRewrittenOnlyWhenItDiffers) {
    RecordExePath(kProductKey, "", "C:\\a\\Dirvane.exe");
    EXPECT_EQ(GetRegString("Setting"), "C:\\a\\Dirvane.exe");
    SetRegString("Setting", "C:\\old\\Dirvane.exe");
    RecordExePath(kProductKey, "C:\\old\\Dirvane.exe", "C:\\old\\Dirvane.exe");
    EXPECT_EQ(GetRegString("Setting"), "C:\\old\\Dirvane.exe");
    RecordExePath(kProductKey, "C:\\old\\Dirvane.exe", "C:\\new\\Dirvane.exe");
    EXPECT_EQ(GetRegString("Setting"), "C:\\new\\Dirvane.exe");
    RecordExePath(kProductKey, "c:\\new\\dirvane.exe", "C:\\new\\Dirvane.exe");  // case counts
    EXPECT_EQ(GetRegString("Setting"), "C:\\new\\Dirvane.exe");
}

}  // namespace

// The whole program assumes the Chinese ANSI code page; the test prefix must run with it.
TEST(CodePage, TestsRunWithCodePage936) {
    EXPECT_EQ(GetACP(), 936u);
    EXPECT_TRUE(IsDBCSLeadByte(0xB1));
}
