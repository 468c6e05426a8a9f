// The main window's editing commands, driven through its actions.
#include <gtest/gtest.h>

#include "app/Main.h"
#include "common/Global.h"
#include "dialogs/AddItem.h"
#include "platform/FileSystem.h"
#include "ui/Application.h"
#include "list/FolderStore.h"
#include "support/TestSupport.h"

using namespace dirvane;
using namespace testing_support;

namespace {

using Pairs = std::vector<std::pair<std::string, std::string>>;

// Runs `step` on the item dialog as soon as a command has shown it modally.
class OnItemDialog {
public:
    explicit OnItemDialog(std::function<void(TfrmProperty&)> step) : step_(std::move(step)) {
        token_ = ui::Application::Instance().AddIdleHandler([this] {
            auto* dialog = dynamic_cast<TfrmProperty*>(ui::Form::FromHandle(GetActiveWindow()));
            if (dialog && !ran_) {
                ran_ = true;
                step_(*dialog);
            }
        });
    }
    ~OnItemDialog() { ui::Application::Instance().RemoveIdleHandler(token_); }
    bool Ran() const { return ran_; }

private:
    std::function<void(TfrmProperty&)> step_;
    int token_ = 0;
    bool ran_ = false;
};

class MainEditingTest : public ::testing::Test {
protected:
    void SetUp() override {
        Reset();
        // A user who is not new: the stored list is taken as it stands.
        SetRegString("N0", "a");
        SetRegString("P0", "C:\\a");
        SetRegString("N1", "b");
        SetRegString("P1", "C:\\b");
        SetRegString("N2", "c");
        SetRegString("P2", "C:\\c");
        main_ = std::make_unique<TfrmMain>();
        main_->Show();
    }
    void TearDown() override {
        main_.reset();
        Reset();
    }
    static void Reset() {
        ResetProgramState();
    }
    Pairs Items() const {
        Pairs out;
        for (int i = 0; i < main_->lvMain.Count(); ++i) {
            out.emplace_back(main_->lvMain.Caption(i), main_->lvMain.SubItem(i));
        }
        return out;
    }

    std::unique_ptr<TfrmMain> main_;
};

TEST_F(MainEditingTest, DeleteAsksWhenTheOptionSaysSo) {
    const Pairs three{{"a", "C:\\a"}, {"b", "C:\\b"}, {"c", "C:\\c"}};
    ASSERT_EQ(Items(), three);
    main_->lvMain.Select(1);

    GlobalOptions.AskDelete = true;
    {
        DialogAnswerer no(IDNO);
        EXPECT_TRUE(main_->aDelete->Execute());
        EXPECT_EQ(no.Text(),
                  "\xC4\xFA\xC8\xB7\xB6\xA8\xD2\xAA\xC9\xBE\xB3\xFD\xD1\xA1\xB6\xA8"
                  "\xCF\xEE\xC4\xBF\xC2\xF0?");  // 您确定要删除选定项目吗?
    }
    EXPECT_EQ(Items(), three);
    EXPECT_EQ(StoredPairs(), three);
    {
        DialogAnswerer yes(IDYES);
        main_->aDelete->Execute();
        EXPECT_TRUE(yes.Answered());
    }
    const Pairs two{{"a", "C:\\a"}, {"c", "C:\\c"}};
    EXPECT_EQ(Items(), two);
    EXPECT_EQ(StoredPairs(), two);

    GlobalOptions.AskDelete = false;  // no question at all
    main_->aDelete->Execute();
    EXPECT_EQ(Items(), (Pairs{{"a", "C:\\a"}}));
    EXPECT_EQ(StoredPairs(), (Pairs{{"a", "C:\\a"}}));
    EXPECT_EQ(main_->lvMain.Selected(), 0);
}

TEST_F(MainEditingTest, AddStoresTheEnteredEntryOrASeparator) {
    const std::string windir = platform::WindowsDirectory();
    main_->lvMain.Select(1);
    {
        OnItemDialog fill([&](TfrmProperty& d) {
            d.feName.SetText("Windows");
            d.fePath.SetText(windir + "\\");
            d.fbOkClick();
        });
        EXPECT_TRUE(main_->aAddFolder->Execute());
        EXPECT_TRUE(fill.Ran());
    }
    {
        OnItemDialog separator([](TfrmProperty& d) {
            d.feName.SetText("ignored");
            d.cAddSeparator.SetChecked(true);
            d.cAddSeparatorClick();
            d.fbOkClick();
        });
        main_->aAddFolder->Execute();
    }
    {
        OnItemDialog cancel([](TfrmProperty& d) {
            d.feName.SetText("not added");
            d.fbCancelClick();
        });
        main_->aAddFolder->Execute();
        EXPECT_TRUE(cancel.Ran());
    }
    const Pairs expected{{"a", "C:\\a"},
                         {"b", "C:\\b"},
                         {"c", "C:\\c"},
                         {"Windows", windir + "\\"},
                         {"*Separator*", "-"}};
    EXPECT_EQ(Items(), expected);
    EXPECT_EQ(StoredPairs(), expected);
    EXPECT_EQ(main_->lvMain.Selected(), 1);  // adding leaves the selection alone
}

TEST_F(MainEditingTest, EditIntoASeparatorAndBack) {
    const std::string windir = platform::WindowsDirectory();
    main_->lvMain.Select(1);
    {
        OnItemDialog toSeparator([](TfrmProperty& d) {
            EXPECT_EQ(d.feName.Text(), "b");
            EXPECT_EQ(d.fePath.Text(), "C:\\b");
            EXPECT_EQ(d.Caption(), "\xB1\xE0\xBC\xAD\xCF\xEE\xC4\xBF");  // 编辑项目
            d.cAddSeparator.SetChecked(true);
            d.cAddSeparatorClick();
            d.fbOkClick();
        });
        EXPECT_TRUE(main_->aEdit->Execute());
        EXPECT_TRUE(toSeparator.Ran());
    }
    EXPECT_EQ(StoredPairs()[1], (std::pair<std::string, std::string>{"*Separator*", "-"}));
    {
        OnItemDialog back([&](TfrmProperty& d) {
            EXPECT_TRUE(d.cAddSeparator.Checked());
            EXPECT_FALSE(d.feName.Enabled());
            d.cAddSeparator.SetChecked(false);
            d.cAddSeparatorClick();
            EXPECT_TRUE(d.feName.Enabled());
            d.feName.SetText("win");
            d.fePath.SetText(windir);
            d.fbOkClick();
        });
        main_->lvMainDblClick();  // double-click edits the selected entry
        EXPECT_TRUE(back.Ran());
    }
    const Pairs expected{{"a", "C:\\a"}, {"win", windir}, {"c", "C:\\c"}};
    EXPECT_EQ(Items(), expected);
    EXPECT_EQ(StoredPairs(), expected);
    EXPECT_EQ(main_->lvMain.Selected(), 1);

    // Nothing selected: double-click does nothing, edit is disabled.
    main_->lvMain.Select(-1);
    main_->lvMainDblClick();
    EXPECT_FALSE(main_->aEdit->Execute());
}

TEST_F(MainEditingTest, ReloadShowsWhatTheRegistryHoldsNow) {
    main_->lvMain.Select(2);
    SetRegString("N1", "changed");
    SetRegString("P3", "no name: not part of the list");
    EXPECT_TRUE(main_->aRefresh->Execute());
    EXPECT_EQ(Items(), (Pairs{{"a", "C:\\a"}, {"changed", "C:\\b"}, {"c", "C:\\c"}}));
    EXPECT_EQ(main_->lvMain.Selected(), -1);
}

TEST_F(MainEditingTest, MovesFollowTheSelection) {
    main_->lvMain.Select(0);
    EXPECT_FALSE(main_->aItemUp->Execute());  // disabled at the top
    EXPECT_TRUE(main_->aItemDown->Execute());
    EXPECT_TRUE(main_->aItemDown->Execute());
    EXPECT_FALSE(main_->aItemDown->Execute());  // disabled at the bottom
    const Pairs moved{{"b", "C:\\b"}, {"c", "C:\\c"}, {"a", "C:\\a"}};
    EXPECT_EQ(Items(), moved);
    EXPECT_EQ(StoredPairs(), moved);
    EXPECT_EQ(main_->lvMain.Selected(), 2);
}

}  // namespace
