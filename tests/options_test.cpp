// The settings file, the two display options in the product key and the
// options dialog, against the real INI file next to the test program and the
// registry of the test prefix.
#include <gtest/gtest.h>

#include <cstdio>

#include "app/Main.h"
#include "common/Global.h"
#include "common/ReadWriteOptions.h"
#include "dialogs/Options.h"
#include "platform/Errors.h"
#include "platform/IniFile.h"
#include "resource.h"
#include "support/ModalDriver.h"
#include "support/TestSupport.h"
#include "ui/Application.h"
#include "ui/Text.h"

using namespace dirvane;
using namespace testing_support;

namespace {

constexpr int kDesignWidth = 475;
constexpr int kDesignHeight = 396;

void RemoveSettingsFile() {
    const std::string path = OptionsFilePath();
    DeleteFileA(path.c_str());
    RemoveDirectoryA(path.c_str());
}

void WriteSettingsFile(const std::string& text) {
    FILE* f = std::fopen(OptionsFilePath().c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(text.data(), 1, text.size(), f);
    std::fclose(f);
}

// A value as stored in the file, or "<none>".
std::string Stored(const char* section, const char* key) {
    char buf[256] = {};
    GetPrivateProfileStringA(section, key, "<none>", buf, sizeof(buf), OptionsFilePath().c_str());
    return buf;
}

class OptionsTest : public ::testing::Test {
protected:
    void SetUp() override { Reset(); }
    void TearDown() override { Reset(); }
    static void Reset() {
        DeleteProductKey();
        RemoveSettingsFile();
        GlobalOptions = TGlobalOptions{};
    }
};

int Width(const RECT& r) {
    return r.right - r.left;
}
int Height(const RECT& r) {
    return r.bottom - r.top;
}

TEST_F(OptionsTest, SettingsFileIsAppliedAtStart) {
    const int sw = GetSystemMetrics(SM_CXSCREEN);
    const int sh = GetSystemMetrics(SM_CYSCREEN);
    const int centreX = (sw - kDesignWidth) / 2;
    const int centreY = (sh - kDesignHeight) / 2;
    constexpr int kAny = -99999;  // position not looked at
    struct Case {
        const char* what;
        const char* ini;  // nullptr: no file
        int left, top, width, height, c0, c1;
        bool askDelete, maximized;
    };
    const Case cases[] = {
        {"no file", nullptr, centreX, centreY, kDesignWidth, kDesignHeight, 180, 249, true, false},
        {"every key",
         "[Window]\r\nState=1\r\nLeft=10\r\nTop=20\r\nWidth=500\r\nHeight=420\r\n"
         "[ListView]\r\nC0=100\r\nC1=200\r\n[Options]\r\nAskDelete=0\r\n",
         10, 20, 500, 420, 100, 200, false, false},
        // Left is read and applied before Width: its default uses the design width.
        {"only the width", "[Window]\r\nWidth=600\r\n", centreX, centreY, 600, kDesignHeight, 180,
         249, true, false},
        {"hexadecimal",
         "[Window]\r\nLeft=0x10\r\nTop=$20\r\nWidth=0X1F4\r\nHeight=$1a4\r\n"
         "[ListView]\r\nC0=0x64\r\nC1=$C8\r\n[Options]\r\nAskDelete=$0\r\n",
         16, 32, 500, 420, 100, 200, false, false},
        {"junk gives the defaults",
         "[Window]\r\nState=max\r\nLeft=abc\r\nTop=1.5\r\nWidth=12px\r\nHeight=\r\n"
         "[ListView]\r\nC0=-\r\nC1=0x\r\n[Options]\r\nAskDelete=yes\r\n",
         centreX, centreY, kDesignWidth, kDesignHeight, 180, 249, true, false},
        {"AskDelete is any non-zero integer", "[Options]\r\nAskDelete=7\r\n", centreX, centreY,
         kDesignWidth, kDesignHeight, 180, 249, true, false},
        {"minimised opens normally",
         "[Window]\r\nState=2\r\nLeft=10\r\nTop=20\r\nWidth=500\r\nHeight=420\r\n", 10, 20, 500,
         420, 180, 249, true, false},
        // Maximised: geometry and columns are not read; the design values stay.
        {"maximised",
         "[Window]\r\nState=3\r\nLeft=10\r\nTop=20\r\nWidth=300\r\nHeight=200\r\n"
         "[ListView]\r\nC0=50\r\nC1=60\r\n[Options]\r\nAskDelete=0\r\n",
         kAny, kAny, kDesignWidth, kDesignHeight, 175, 240, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        RemoveSettingsFile();
        if (c.ini) {
            WriteSettingsFile(c.ini);
        }
        GlobalOptions = TGlobalOptions{};
        TfrmMain main;
        const RECT r = main.WindowRect();
        if (c.left != kAny) {
            EXPECT_EQ(r.left, c.left);
            EXPECT_EQ(r.top, c.top);
        }
        EXPECT_EQ(Width(r), c.width);
        EXPECT_EQ(Height(r), c.height);
        EXPECT_EQ(main.lvMain.ColumnWidth(0), c.c0);
        EXPECT_EQ(main.lvMain.ColumnWidth(1), c.c1);
        EXPECT_EQ(GlobalOptions.AskDelete, c.askDelete);
        EXPECT_EQ(main.StartMaximized(), c.maximized);
        if (c.maximized) {
            main.Show();
            EXPECT_TRUE(IsZoomed(main.Handle()));
        }
    }
}

TEST_F(OptionsTest, DisplayOptionsAreOffOnlyForExactlyZero) {
    struct Case {
        const char* value;  // nullptr: not stored
        bool on;
    };
    const Case cases[] = {{nullptr, true}, {"", true},   {"0", false},
                          {"00", true},    {" 0", true}, {"1", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value ? c.value : "(missing)");
        DeleteProductKey();
        if (c.value) {
            SetRegString("PicView", c.value);
            SetRegString("ExploerFolder", c.value);
        }
        GlobalOptions = TGlobalOptions{};
        TfrmMain main;
        EXPECT_EQ(GlobalOptions.EnableImage, c.on);
        EXPECT_EQ(GlobalOptions.ExploreFolder, c.on);
    }
}

TEST_F(OptionsTest, SavedSettingsComeBackAtTheNextStart) {
    struct Options {
        bool exploreFolder, askDelete, enableImage;
    };
    for (const Options o : {Options{true, false, false}, Options{false, true, true}}) {
        SCOPED_TRACE(o.askDelete ? "options on" : "options off");
        {
            TfrmMain main;
            main.SetWindowBounds(30, 40, 520, 430);
            main.lvMain.SetColumnWidth(0, 111);
            main.lvMain.SetColumnWidth(1, 222);
            GlobalOptions = {o.exploreFolder, o.askDelete, o.enableImage};
            main.ReadWriteOptions(true);
        }
        EXPECT_EQ(Stored("Window", "State"), "1");
        EXPECT_EQ(Stored("Window", "Left"), "30");
        EXPECT_EQ(Stored("Window", "Top"), "40");
        EXPECT_EQ(Stored("Window", "Width"), "520");
        EXPECT_EQ(Stored("Window", "Height"), "430");
        EXPECT_EQ(Stored("ListView", "C0"), "111");
        EXPECT_EQ(Stored("ListView", "C1"), "222");
        EXPECT_EQ(Stored("Options", "AskDelete"), o.askDelete ? "1" : "0");
        EXPECT_EQ(GetRegString("PicView"), o.enableImage ? "1" : "0");
        EXPECT_EQ(GetRegString("ExploerFolder"), o.exploreFolder ? "1" : "0");

        GlobalOptions = {!o.exploreFolder, !o.askDelete, !o.enableImage};
        TfrmMain next;
        const RECT r = next.WindowRect();
        EXPECT_EQ(r.left, 30);
        EXPECT_EQ(r.top, 40);
        EXPECT_EQ(Width(r), 520);
        EXPECT_EQ(Height(r), 430);
        EXPECT_EQ(next.lvMain.ColumnWidth(0), 111);
        EXPECT_EQ(next.lvMain.ColumnWidth(1), 222);
        EXPECT_EQ(GlobalOptions.AskDelete, o.askDelete);
        EXPECT_EQ(GlobalOptions.EnableImage, o.enableImage);
        EXPECT_EQ(GlobalOptions.ExploreFolder, o.exploreFolder);
    }
}

TEST_F(OptionsTest, ClosingMaximisedReopensMaximisedWithDesignColumns) {
    {
        TfrmMain main;
        main.lvMain.SetColumnWidth(0, 111);
        main.Show();
        ShowWindow(main.Handle(), SW_MAXIMIZE);
        const RECT maximized = main.WindowRect();
        main.Close();
        EXPECT_EQ(Stored("Window", "State"), "3");
        EXPECT_EQ(Stored("Window", "Width"), std::to_string(Width(maximized)));
    }
    TfrmMain next;
    EXPECT_TRUE(next.StartMaximized());
    EXPECT_EQ(next.lvMain.ColumnWidth(0), 175);
    EXPECT_EQ(next.lvMain.ColumnWidth(1), 240);
}

TEST_F(OptionsTest, ClosingMinimisedKeepsTheRestoredSize) {
    {
        TfrmMain main;
        main.Show();
        main.SetWindowBounds(30, 40, 520, 430);
        ShowWindow(main.Handle(), SW_MINIMIZE);
        ASSERT_TRUE(IsIconic(main.Handle()));
        main.Close();
    }
    EXPECT_EQ(Stored("Window", "State"), "2");
    EXPECT_EQ(Stored("Window", "Width"), "520");
    EXPECT_EQ(Stored("Window", "Height"), "430");
}

TEST_F(OptionsTest, UnwritableSettingsFileIsReportedOnceAndTheWindowStillCloses) {
    // A folder of that name: the profile calls cannot write the file (the
    // tests run as root, so a read-only folder would not do).
    ASSERT_TRUE(CreateDirectoryA(OptionsFilePath().c_str(), nullptr));
    TfrmMain main;
    const HWND h = main.Handle();
    std::vector<std::string> reported;
    {
        MessageBoxCollector boxes;
        main.Close();
        Pump(300);
        reported = boxes.Texts();
    }
    EXPECT_FALSE(IsWindow(h));
    EXPECT_EQ(reported, std::vector<std::string>{"Unable to write to " + OptionsFilePath()});
    // The save stopped at its first write: nothing after it was written.
    EXPECT_EQ(GetRegString("PicView"), std::nullopt);
    EXPECT_EQ(GetRegString("ExploerFolder"), std::nullopt);
}

TEST_F(OptionsTest, IniFileReadsLongValuesAndReportsFailedWrites) {
    const std::string path = TestDir() + "ini_test.ini";
    DeleteFileA(path.c_str());
    const std::string longValue(5000, 'v');
    {
        platform::IniFile ini(path);
        ini.WriteString("S", "Long", longValue);
        ini.WriteInteger("S", "Int", -42);
        ini.WriteBool("S", "Bool", true);
        EXPECT_EQ(ini.ReadString("S", "Long", ""), longValue);
        EXPECT_EQ(ini.ReadString("S", "Missing", "dflt"), "dflt");
        EXPECT_EQ(ini.ReadInteger("S", "Int", 0), -42);
        EXPECT_TRUE(ini.ReadBool("S", "Bool", false));
        EXPECT_FALSE(ini.ReadBool("S", "Missing", false));
    }
    DeleteFileA(path.c_str());
    ASSERT_TRUE(CreateDirectoryA(path.c_str(), nullptr));
    platform::IniFile blocked(path);
    try {
        blocked.WriteString("S", "K", "v");
        ADD_FAILURE() << "no error";
    } catch (const platform::IniFileError& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + path);
    }
    RemoveDirectoryA(path.c_str());
}

// --- the options dialog -----------------------------------------------------

TEST_F(OptionsTest, DialogOkStoresTheChecksAndSaves) {
    TfrmMain main;
    GlobalOptions = {false, true, false};
    int saves = 0;
    TfrmOptions dlg(main, [&] {
        ++saves;
        main.ReadWriteOptions(true);
    });
    EXPECT_FALSE(dlg.cbExploreFolder.Checked());
    EXPECT_TRUE(dlg.cbAskDelete.Checked());
    EXPECT_FALSE(dlg.cbEnableImage.Checked());
    const int result = RunModal(dlg, [&] {
        dlg.cbExploreFolder.Click();
        dlg.cbAskDelete.Click();
        dlg.bOK.Click();
    });
    EXPECT_EQ(result, ui::mrOk);
    EXPECT_EQ(saves, 1);
    EXPECT_TRUE(GlobalOptions.ExploreFolder);
    EXPECT_FALSE(GlobalOptions.AskDelete);
    EXPECT_FALSE(GlobalOptions.EnableImage);
    EXPECT_EQ(Stored("Options", "AskDelete"), "0");
    EXPECT_EQ(Stored("Window", "Width"), std::to_string(Width(main.WindowRect())));
    EXPECT_EQ(GetRegString("ExploerFolder"), "1");
    EXPECT_EQ(GetRegString("PicView"), "0");
}

TEST_F(OptionsTest, DialogCancelStoresNothing) {
    TfrmMain main;
    GlobalOptions = {false, true, false};
    int saves = 0;
    TfrmOptions dlg(main, [&] { ++saves; });
    const int result = RunModal(dlg, [&] {
        dlg.cbExploreFolder.Click();
        dlg.cbEnableImage.Click();
        dlg.bCancel.Click();
    });
    EXPECT_EQ(result, ui::mrCancel);
    EXPECT_EQ(saves, 0);
    EXPECT_FALSE(GlobalOptions.ExploreFolder);
    EXPECT_TRUE(GlobalOptions.AskDelete);
    EXPECT_FALSE(GlobalOptions.EnableImage);
    EXPECT_EQ(GetFileAttributesA(OptionsFilePath().c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(OptionsTest, DialogKeyboard) {
    TfrmMain main;
    struct Case {
        const char* what;
        UINT msg;
        WPARAM key;
        int result;
    };
    const Case cases[] = {
        {"Enter", WM_KEYDOWN, VK_RETURN, ui::mrOk},
        {"Esc", WM_KEYDOWN, VK_ESCAPE, ui::mrCancel},
        {"Alt+O", WM_SYSCHAR, 'o', ui::mrOk},
        {"Alt+C", WM_SYSCHAR, 'c', ui::mrCancel},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        int saves = 0;
        TfrmOptions dlg(main, [&] { ++saves; });
        // Tab order: cbExploreFolder, cbAskDelete, cbEnableImage, bOK, bCancel.
        const HWND order[] = {dlg.cbExploreFolder.Handle(), dlg.cbAskDelete.Handle(),
                              dlg.cbEnableImage.Handle(),   dlg.bOK.Handle(),
                              dlg.bCancel.Handle(),         dlg.cbExploreFolder.Handle()};
        for (size_t i = 0; i + 1 < std::size(order); ++i) {
            EXPECT_EQ(GetNextDlgTabItem(dlg.Handle(), order[i], FALSE), order[i + 1]) << i;
        }
        HWND focusAtStart = nullptr;
        const int result = RunModal(dlg, [&] {
            focusAtStart = GetFocus();
            PostMessageA(focusAtStart, c.msg, c.key, 0);
        });
        EXPECT_EQ(focusAtStart, dlg.cbExploreFolder.Handle());
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(saves, c.result == ui::mrOk ? 1 : 0);
    }
}

TEST_F(OptionsTest, MenuItemOpensTheDialogOverTheMainWindow) {
    TfrmMain main;
    main.Show();
    HWND seen = nullptr;
    HWND owner = nullptr;
    RECT where{};
    auto& app = ui::Application::Instance();
    const int token = app.AddIdleHandler([&] {
        HWND w = FindOwnWindow(ui::LoadStr(IDS_OPT_CAPTION));
        if (w && !seen) {
            seen = w;
            owner = GetWindow(w, GW_OWNER);
            GetWindowRect(w, &where);
            PostMessageA(w, WM_KEYDOWN, VK_ESCAPE, 0);
        }
    });
    SendMessageA(main.Handle(), WM_COMMAND, MAKEWPARAM(IDM_OPTIONS, 0), 0);
    app.RemoveIdleHandler(token);
    ASSERT_NE(seen, nullptr);
    EXPECT_FALSE(IsWindow(seen));  // freed after it closed
    EXPECT_EQ(owner, main.Handle());
    const RECT m = main.WindowRect();
    EXPECT_NEAR((where.left + where.right) / 2, (m.left + m.right) / 2, 1);
    EXPECT_NEAR((where.top + where.bottom) / 2, (m.top + m.bottom) / 2, 1);
    EXPECT_EQ(GetFileAttributesA(OptionsFilePath().c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
