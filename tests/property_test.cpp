// The item dialog: the default name taken from a path, the checks made by
// OK, the separator state, the keyboard, and the folder-browse dialog.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include <shlobj.h>

#include "dialogs/AddItem.h"
#include "platform/FileSystem.h"
#include "support/ModalDriver.h"
#include "support/TestSupport.h"
#include "ui/Application.h"
#include "ui/Gdi.h"

using namespace dirvane;
using namespace testing_support;

namespace {

// UTF-8 source text as the program's code-page bytes.
std::string Ansi(const char* utf8) {
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0);
    std::wstring wide(n, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8, -1, wide.data(), n);
    const int m = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string out(m, '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, out.data(), m, nullptr, nullptr);
    out.resize(m - 1);
    return out;
}

// The owner, standing in for the main window.
class Owner : public ui::Form {
public:
    Owner() {
        Params p{};
        p.className = "DirvaneTestOwner";
        p.style = WS_OVERLAPPEDWINDOW;
        p.width = 475;
        p.height = 396;
        UseFont(ui::MakeFont("MS Shell Dlg 2", -12, GB2312_CHARSET));
        CreateForm(p);
    }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override {
        return DefaultHandler(msg, wp, lp);
    }
};

TEST(LastPathPart, TakesTheTextAfterTheLastBackslash) {
    ASSERT_EQ(GetACP(), 936u);
    const struct {
        const char* path;
        const char* part;
    } cases[] = {
        {"C:\\Windows\\System32", "System32"},
        {"C:\\", "C:\\"},
        {"\\\\server\\share", "share"},
        {"D:", "D:"},
        {"C:\\Windows\\", "C:\\Windows\\"},
        {"", ""},
        {"C:\\\xCE\xC4\xBC\xFE", "\xCE\xC4\xBC\xFE"},
        // The second byte of this character is 0x5C: it is no delimiter.
        {"C:\\dir\\\x81\x5C", "\x81\x5C"},
        {"C:\\dir\\\x81\x5C"
         "abc",
         "\x81\x5C"
         "abc"},
        {"C:\\dir\\b\x81", "b\x81"},  // a lead byte cut off at the end
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LastPathPart(c.path), c.part) << c.path;
    }
}

class PropertyTest : public ::testing::Test {
protected:
    Owner owner;
};

TEST_F(PropertyTest, OkChecksTheBoxesBeforeItCloses) {
    const std::string windir = platform::WindowsDirectory();
    ASSERT_FALSE(windir.empty());
    // A folder relative to the current one.
    const std::string relative = "property_test_dir";
    char cwd[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, cwd);
    SetCurrentDirectoryA(TestDir().c_str());
    CreateDirectoryA(relative.c_str(), nullptr);

    const std::string empty = Ansi("别名或路径为空. 请在此输入别名或路径.");
    const std::string missing = "C:\\Missing\\Nowhere";
    const struct {
        const char* what;
        bool separator;
        std::string name, path;
        std::string message;  // empty: none
        bool closes;
    } cases[] = {
        {"separator with empty boxes", true, "", "", "", true},
        {"empty name", false, "", windir, empty, false},
        {"empty path", false, "win", "", empty, false},
        {"existing folder", false, "win", windir, "", true},
        {"trailing backslash", false, "win", windir + "\\", "", true},
        {"relative folder", false, "rel", relative, "", true},
        {"missing folder", false, "x", missing, missing + Ansi(",所输入的路径不存在."), false},
    };
    TfrmProperty dlg(owner, "", "");
    std::vector<std::string> results;
    MessageBoxCollector boxes;
    RunModal(dlg, [&] {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.what);
            const size_t before = boxes.Texts().size();
            dlg.cAddSeparator.SetChecked(c.separator);
            dlg.feName.SetText(c.name);
            dlg.fePath.SetText(c.path);
            dlg.fbOkClick();
            const auto texts = boxes.Texts();
            EXPECT_EQ(texts.size(), before + (c.message.empty() ? 0 : 1));
            if (!c.message.empty() && texts.size() > before) {
                EXPECT_EQ(texts.back(), c.message);
            }
            EXPECT_EQ(dlg.GetModalResult(), c.closes ? ui::mrOk : ui::mrNone);
            if (c.path == missing) {
                EXPECT_EQ(GetFocus(), dlg.fePath.Handle());
            }
            // Stored as typed.
            EXPECT_EQ(dlg.fePath.Text(), c.path);
            dlg.SetModalResult(ui::mrNone);
        }
        dlg.fbCancel.Click();
    });
    RemoveDirectoryA((TestDir() + relative).c_str());
    SetCurrentDirectoryA(cwd);
}

TEST_F(PropertyTest, SeparatorEntryOpensWithTheGroupDisabled) {
    TfrmProperty dlg(owner, "*Separator*", "-");
    EXPECT_EQ(dlg.Caption(), Ansi("添加项目"));
    EXPECT_TRUE(dlg.cAddSeparator.Checked());
    EXPECT_FALSE(dlg.GroupBox1.Enabled());
    EXPECT_FALSE(dlg.feName.Enabled());
    EXPECT_FALSE(dlg.fePath.Enabled());
    EXPECT_FALSE(dlg.fsbBrowse.Enabled());

    MessageBoxCollector boxes;
    const int result = RunModal(dlg, [&] {
        dlg.cAddSeparator.Click();
        EXPECT_FALSE(dlg.cAddSeparator.Checked());
        EXPECT_TRUE(dlg.GroupBox1.Enabled());
        EXPECT_TRUE(dlg.feName.Enabled());
        EXPECT_TRUE(dlg.fePath.Enabled());
        EXPECT_TRUE(dlg.fsbBrowse.Enabled());
        EXPECT_EQ(dlg.feName.Text(), "*Separator*");
        dlg.fbOk.Click();  // "-" is no folder
        dlg.fbCancel.Click();
    });
    EXPECT_EQ(result, ui::mrCancel);
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"-" + Ansi(",所输入的路径不存在.")});

    // An ordinary entry opens with the group enabled.
    TfrmProperty plain(owner, "a", "C:\\");
    EXPECT_FALSE(plain.cAddSeparator.Checked());
    EXPECT_TRUE(plain.feName.Enabled());
}

TEST_F(PropertyTest, KeyboardStartsInTheNameBox) {
    const struct {
        const char* what;
        UINT msg;
        WPARAM key;
        int result;
    } cases[] = {
        {"Enter presses OK", WM_KEYDOWN, VK_RETURN, ui::mrOk},
        {"Esc cancels", WM_KEYDOWN, VK_ESCAPE, ui::mrCancel},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TfrmProperty dlg(owner, "win", platform::WindowsDirectory());
        HWND focusAtStart = nullptr;
        const int result = RunModal(dlg, [&] {
            focusAtStart = GetFocus();
            PostMessageA(focusAtStart, c.msg, c.key, 0);
        });
        EXPECT_EQ(focusAtStart, dlg.feName.Handle());
        EXPECT_EQ(result, c.result);
    }
}

// The browse dialog of this process: a dialog holding a folder tree.
HWND FindBrowseDialog() {
    struct Search {
        HWND found = nullptr;
    } s;
    EnumWindows(
        [](HWND w, LPARAM p) -> BOOL {
            DWORD pid = 0;
            GetWindowThreadProcessId(w, &pid);
            char cls[64] = {};
            GetClassNameA(w, cls, sizeof(cls));
            if (pid == GetCurrentProcessId() && IsWindowVisible(w) &&
                lstrcmpA(cls, "#32770") == 0 &&
                FindWindowExA(w, nullptr, "SysTreeView32", nullptr)) {
                reinterpret_cast<Search*>(p)->found = w;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&s));
    return s.found;
}

TEST_F(PropertyTest, BrowseDialogIsCentredAndFillsBothBoxes) {
    auto& app = ui::Application::Instance();
    app.SetMainForm(&owner);
    ShowWindow(owner.Handle(), SW_SHOW);
    const std::string windir = platform::WindowsDirectory();
    const struct {
        const char* what;
        std::string choose;  // empty: cancel
        std::string name, path;
    } cases[] = {
        {"cancel", "", "old", "C:\\old"},
        {"choose", windir, LastPathPart(windir), windir},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TfrmProperty dlg(owner, "old", "C:\\old");
        std::atomic<bool> seen{false};
        RECT where{};
        RECT client{};
        bool ownWindowsDisabled = false;
        UINT errorMode = 0;
        std::thread answer([&] {
            HWND w = nullptr;
            for (int i = 0; i < 500 && !w; ++i) {
                Sleep(20);
                w = FindBrowseDialog();
            }
            if (!w) {
                return;
            }
            Sleep(200);
            GetWindowRect(w, &where);
            GetClientRect(w, &client);
            ownWindowsDisabled = !IsWindowEnabled(dlg.Handle());
            errorMode = GetErrorMode();
            seen = true;
            if (!c.choose.empty()) {
                SendMessageA(w, BFFM_SETSELECTIONA, TRUE,
                             reinterpret_cast<LPARAM>(c.choose.c_str()));
                Sleep(100);
            }
            const int button = c.choose.empty() ? IDCANCEL : IDOK;
            PostMessageA(w, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(w, button)));
        });
        bool enabledAfter = false;
        UINT errorModeAfter = 0;
        const UINT previousMode = SetErrorMode(SEM_NOGPFAULTERRORBOX);
        RunModal(dlg, [&] {
            dlg.fsbBrowse.Click();
            enabledAfter = IsWindowEnabled(dlg.Handle()) != FALSE;
            errorModeAfter = GetErrorMode();
            dlg.fbCancel.Click();
        });
        SetErrorMode(previousMode);
        answer.join();
        ASSERT_TRUE(seen);
        EXPECT_EQ(where.left, (GetSystemMetrics(SM_CXSCREEN) - client.right) / 2);
        EXPECT_EQ(where.top, (GetSystemMetrics(SM_CYSCREEN) - client.bottom) / 2);
        EXPECT_TRUE(ownWindowsDisabled);
        EXPECT_EQ(errorMode, static_cast<UINT>(SEM_FAILCRITICALERRORS));
        EXPECT_TRUE(enabledAfter);
        EXPECT_EQ(errorModeAfter, static_cast<UINT>(SEM_NOGPFAULTERRORBOX));
        EXPECT_EQ(dlg.feName.Text(), c.name);
        EXPECT_EQ(dlg.fePath.Text(), c.path);
    }
    app.SetMainForm(nullptr);
}

}  // namespace
