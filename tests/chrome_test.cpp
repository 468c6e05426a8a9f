// The main window's chrome: action enable rules as menu, tool bar and
// shortcuts see them, the menu's structure and flat drawing, the layout
// under resizes, and the resources built into the program.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/Main.h"
#include "resource.h"
#include "support/TestSupport.h"
#include "ui/Application.h"

using namespace testing_support;

namespace {

// Expected texts are written as UTF-8 here and compared in the ANSI code page.
std::string Ansi(const char8_t* utf8) {
    const char* s = reinterpret_cast<const char*>(utf8);
    std::wstring wide(MultiByteToWideChar(CP_UTF8, 0, s, -1, nullptr, 0), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, s, -1, wide.data(), static_cast<int>(wide.size()));
    std::string out(WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr),
                    '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, out.data(), static_cast<int>(out.size()),
                        nullptr, nullptr);
    out.resize(out.size() - 1);
    return out;
}

// One drop-down as the menu itself holds it: "-" for a separator, else the
// text with its shortcut after a tab.
std::vector<std::string> PopupEntries(HMENU popup) {
    std::vector<std::string> out;
    for (int i = 0; i < GetMenuItemCount(popup); ++i) {
        char buf[256] = {};
        MENUITEMINFOA info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_STRING;
        info.dwTypeData = buf;
        info.cch = sizeof(buf);
        GetMenuItemInfoA(popup, i, TRUE, &info);
        out.push_back((info.fType & MFT_SEPARATOR) ? std::string("-") : std::string(buf));
    }
    return out;
}

std::string MenuText(HMENU menu, int position) {
    char buf[256] = {};
    GetMenuStringA(menu, position, buf, sizeof(buf), MF_BYPOSITION);
    return buf;
}

class ChromeTest : public ::testing::Test {
protected:
    void SetUp() override {
        Reset();
        form = std::make_unique<dirvane::TfrmMain>();
        ui::Application::Instance().SetMainForm(form.get());
    }
    void TearDown() override {
        form.reset();
        Reset();
    }
    static void Reset() {
        ResetProgramState();
    }

    // Shown, active, list holding `count` entries with `selected` selected.
    void ShowWithList(int count, int selected) {
        form->Show();
        SetForegroundWindow(form->Handle());
        SetActiveWindow(form->Handle());
        Pump();
        SetList(count, selected);
    }
    void SetList(int count, int selected) {
        form->lvMain.Clear();
        for (int i = 0; i < count; ++i) {
            form->lvMain.Add("E" + std::to_string(i), "C:\\E" + std::to_string(i));
        }
        form->lvMain.Select(selected);
    }
    bool MenuEnabled(int id) const {
        return !(GetMenuState(form->MainMenu1.Handle(), id, MF_BYCOMMAND) &
                 (MF_GRAYED | MF_DISABLED));
    }

    std::unique_ptr<dirvane::TfrmMain> form;
};

TEST_F(ChromeTest, EnableRulesFollowTheListInActionsMenuAndToolBar) {
    struct Case {
        const char* state;
        int count;
        int selected;
        bool visible;
        bool edit, up, down, sort;
    };
    const Case cases[] = {
        {"empty", 0, -1, true, false, false, false, false},
        {"one entry, none selected", 1, -1, true, false, false, false, false},
        {"one entry selected", 1, 0, true, true, false, false, false},
        {"first of three", 3, 0, true, true, false, true, true},
        {"middle of three", 3, 1, true, true, true, true, true},
        {"last of three", 3, 2, true, true, true, false, true},
        {"three, none selected", 3, -1, true, false, false, false, true},
        {"list hidden, middle selected", 3, 1, false, true, false, false, false},
    };
    auto* f = form.get();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.state);
        SetList(c.count, c.selected);
        f->lvMain.SetVisible(c.visible);
        ui::Application::Instance().Idle();  // the update cycle
        const struct {
            ui::Action* action;
            bool enabled;
            bool onToolBar;
        } expect[] = {
            {f->aEdit, c.edit, true},     {f->aDelete, c.edit, true}, {f->aItemUp, c.up, true},
            {f->aItemDown, c.down, true}, {f->aSort, c.sort, false},  {f->aAddFolder, true, true},
            {f->aExit, true, true},       {f->aRefresh, true, true},
        };
        for (const auto& e : expect) {
            SCOPED_TRACE(e.action->Caption());
            EXPECT_EQ(e.action->Enabled(), e.enabled);
            EXPECT_EQ(MenuEnabled(e.action->Id()), e.enabled);
            if (e.onToolBar) {
                EXPECT_EQ(f->ToolBar1.ButtonEnabled(e.action->Id()), e.enabled);
            }
        }
    }
}

// Every way of triggering a command: the keyboard shortcut through the
// application's accelerator handling, the menu command, the tool button.
TEST_F(ChromeTest, DisabledCommandsNeverRunEnabledOnesRunOnce) {
    ShowWithList(2, 1);
    ASSERT_EQ(GetActiveWindow(), form->Handle());
    auto* f = form.get();
    int runs = 0;
    for (ui::Action* a : {f->aAddFolder, f->aEdit, f->aDelete, f->aItemUp, f->aItemDown, f->aSort,
                          f->aExit, f->aRefresh}) {
        a->OnExecute = [&runs] { ++runs; };
    }
    auto shortcut = [&](WORD key) {
        BYTE keys[256];
        GetKeyboardState(keys);
        BYTE pressed[256];
        std::copy(std::begin(keys), std::end(keys), pressed);
        pressed[VK_CONTROL] = pressed[VK_LCONTROL] = 0x80;
        SetKeyboardState(pressed);
        PostMessageA(f->lvMain.Handle(), WM_KEYDOWN, key, 1);
        ui::Application::Instance().ProcessMessages();
        SetKeyboardState(keys);
    };
    auto menu = [&](int id) { SendMessageA(f->Handle(), WM_COMMAND, MAKEWPARAM(id, 0), 0); };
    auto button = [&](int id) {
        SendMessageA(f->Handle(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(f->ToolBar1.Handle()));
    };
    struct Case {
        const char* what;
        int count;
        int selected;
        std::function<void()> trigger;
        int expectedRuns;
    };
    const Case cases[] = {
        {"Ctrl+U on the second entry", 2, 1, [&] { shortcut('U'); }, 1},
        {"Ctrl+U on the first entry", 2, 0, [&] { shortcut('U'); }, 0},
        {"Ctrl+D on the first entry", 2, 0, [&] { shortcut('D'); }, 1},
        {"Ctrl+D on the last entry", 2, 1, [&] { shortcut('D'); }, 0},
        {"Ctrl+S (the menu item's key) with two entries", 2, 0, [&] { shortcut('S'); }, 1},
        {"Ctrl+S with one entry", 1, 0, [&] { shortcut('S'); }, 0},
        {"Ctrl+A with an empty list", 0, -1, [&] { shortcut('A'); }, 1},
        {"Ctrl+Q (no such shortcut)", 2, 0, [&] { shortcut('Q'); }, 0},
        {"menu: edit, nothing selected", 2, -1, [&] { menu(IDM_EDIT); }, 0},
        {"menu: delete, an entry selected", 2, 0, [&] { menu(IDM_DELETE); }, 1},
        {"menu: sort, empty list", 0, -1, [&] { menu(IDM_SORT); }, 0},
        {"tool button: down on the last entry", 2, 1, [&] { button(IDM_ITEMDOWN); }, 0},
        {"tool button: refresh", 0, -1, [&] { button(IDM_REFRESH); }, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        // The update cycle last saw every command enabled: the list changed
        // since, and the command must judge the list as it is now.
        SetList(3, 1);
        ui::Application::Instance().Idle();
        SetList(c.count, c.selected);
        runs = 0;
        c.trigger();
        EXPECT_EQ(runs, c.expectedRuns);
    }
}

TEST_F(ChromeTest, MenuHoldsCaptionsSeparatorsAndShortcutsInOrder) {
    HMENU bar = form->MainMenu1.Handle();
    ASSERT_EQ(GetMenu(form->Handle()), bar);
    ASSERT_EQ(GetMenuItemCount(bar), 3);
    EXPECT_EQ(MenuText(bar, 0), Ansi(u8"文件(&F)"));
    EXPECT_EQ(MenuText(bar, 1), Ansi(u8"查看(&V)"));
    EXPECT_EQ(MenuText(bar, 2), Ansi(u8"帮助(&H)"));
    const std::vector<std::vector<std::string>> expected = {
        {Ansi(u8"加入列表(&A)...\tCtrl+A"), "-", Ansi(u8"编辑项目(&E)..."), Ansi(u8"删除项目(&D)"),
         "-", Ansi(u8"选项(&O)...\tCtrl+O"), "-", Ansi(u8"导入(&I)..."), Ansi(u8"导出(&X)..."), "-",
         Ansi(u8"退出(&E)")},
        {Ansi(u8"按别名排序(&S)\tCtrl+S"), "-", Ansi(u8"上移项目(&U)\tCtrl+U"),
         Ansi(u8"下移项目(&D)\tCtrl+D"), "-", Ansi(u8"刷新(&R)")},
        {Ansi(u8"帮助(&H)"), "-", Ansi(u8"官方主页(&H)"), "-", Ansi(u8"关于(&A)...")},
    };
    for (int m = 0; m < 3; ++m) {
        SCOPED_TRACE(m);
        HMENU popup = GetSubMenu(bar, m);
        EXPECT_EQ(PopupEntries(popup), expected[m]);
        // The drop-downs are drawn flat, the bar stays the system's.
        for (int i = 0; i < GetMenuItemCount(popup); ++i) {
            EXPECT_TRUE(GetMenuState(popup, i, MF_BYPOSITION) & MF_OWNERDRAW) << i;
        }
        MENUITEMINFOA info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE;
        GetMenuItemInfoA(bar, m, TRUE, &info);
        EXPECT_FALSE(info.fType & MFT_OWNERDRAW);
    }
}

// Owner-drawn items lose the system's mnemonics: Alt+F then I must still
// import, and a key two items share must move between them, not run one.
TEST_F(ChromeTest, MnemonicsWorkOnTheFlatDropDowns) {
    HMENU file = GetSubMenu(form->MainMenu1.Handle(), 0);
    HMENU help = GetSubMenu(form->MainMenu1.Handle(), 2);
    auto menuChar = [&](char key, HMENU popup) {
        return static_cast<DWORD>(SendMessageA(form->Handle(), WM_MENUCHAR,
                                               MAKEWPARAM(key, MF_POPUP),
                                               reinterpret_cast<LPARAM>(popup)));
    };
    const struct {
        char key;
        HMENU popup;
        DWORD expected;
    } cases[] = {
        {'i', file, MAKELONG(7, MNC_EXECUTE)}, {'X', file, MAKELONG(8, MNC_EXECUTE)},
        {'o', file, MAKELONG(5, MNC_EXECUTE)}, {'e', file, MAKELONG(2, MNC_SELECT)},
        {'a', help, MAKELONG(4, MNC_EXECUTE)}, {'h', help, MAKELONG(0, MNC_SELECT)},
        {'z', file, MAKELONG(0, MNC_IGNORE)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(menuChar(c.key, c.popup), c.expected);
    }
    // With the first of two sharing the key highlighted, the next press
    // moves to the second.
    MENUITEMINFOA hilite{};
    hilite.cbSize = sizeof(hilite);
    hilite.fMask = MIIM_STATE;
    hilite.fState = MFS_HILITE;
    SetMenuItemInfoA(file, 2, TRUE, &hilite);
    EXPECT_EQ(menuChar('E', file), static_cast<DWORD>(MAKELONG(10, MNC_SELECT)));
}

// Draws single items into a bitmap and looks at the pixels: the selection
// frame in the highlight colour, the face colour elsewhere, icons in colour
// when enabled and grey when disabled, none for the sort command.
TEST_F(ChromeTest, DropDownItemsAreDrawnFlatWithGreyedDisabledIcons) {
    constexpr int kW = 200;
    constexpr int kH = 22;
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), kW, -kH, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bmp = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bmp);
    auto pixel = [&](int x, int y) {
        const DWORD p = static_cast<DWORD*>(bits)[y * kW + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    };
    // Pixels of the icon column, inside a selection frame, that are clearly
    // coloured (not grey).
    auto colouredIconPixels = [&] {
        int n = 0;
        for (int y = 1; y < kH - 1; ++y) {
            for (int x = 1; x < 24; ++x) {
                const COLORREF c = pixel(x, y);
                const int hi = std::max({GetRValue(c), GetGValue(c), GetBValue(c)});
                const int lo = std::min({GetRValue(c), GetGValue(c), GetBValue(c)});
                n += hi - lo > 40;
            }
        }
        return n;
    };
    auto nonFaceIconPixels = [&] {
        int n = 0;
        for (int y = 0; y < kH; ++y) {
            for (int x = 0; x < 24; ++x) {
                n += pixel(x, y) != GetSysColor(COLOR_BTNFACE);
            }
        }
        return n;
    };
    HMENU file = GetSubMenu(form->MainMenu1.Handle(), 0);
    HMENU view = GetSubMenu(form->MainMenu1.Handle(), 1);
    auto draw = [&](HMENU popup, int position, UINT state) {
        MENUITEMINFOA info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_DATA | MIIM_ID;
        GetMenuItemInfoA(popup, position, TRUE, &info);
        DRAWITEMSTRUCT dis{};
        dis.CtlType = ODT_MENU;
        dis.itemID = info.wID;
        dis.itemAction = ODA_DRAWENTIRE;
        dis.itemState = state;
        dis.hwndItem = reinterpret_cast<HWND>(popup);
        dis.hDC = dc;
        dis.rcItem = RECT{0, 0, kW, kH};
        dis.itemData = info.dwItemData;
        std::fill_n(static_cast<DWORD*>(bits), kW * kH, 0x00FF00FFu);
        GdiFlush();
        EXPECT_TRUE(SendMessageA(form->Handle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&dis)));
        GdiFlush();
    };
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);

    draw(file, 0, 0);  // add, enabled
    EXPECT_EQ(pixel(kW - 2, 0), face);
    EXPECT_EQ(pixel(kW - 2, 1), face);
    EXPECT_GT(colouredIconPixels(), 20);

    draw(file, 0, ODS_SELECTED);
    EXPECT_EQ(pixel(kW - 2, 0), highlight);
    EXPECT_EQ(pixel(kW - 1, kH / 2), highlight);
    EXPECT_NE(pixel(kW - 2, 1), face);
    EXPECT_GT(colouredIconPixels(), 20);

    for (UINT state : {UINT(ODS_GRAYED), UINT(ODS_GRAYED | ODS_SELECTED)}) {
        SCOPED_TRACE(state);
        draw(file, 2, state);  // edit, disabled
        EXPECT_GT(nonFaceIconPixels(), 20);
        EXPECT_EQ(colouredIconPixels(), 0);
    }

    draw(view, 0, 0);  // sort: no icon
    EXPECT_EQ(nonFaceIconPixels(), 0);

    draw(file, 1, 0);  // separator: a line across the text part only
    EXPECT_EQ(pixel(kW / 2, 0), face);
    int lineRows = 0;
    for (int y = 0; y < kH; ++y) {
        lineRows += pixel(kW / 2, y) != face;
    }
    EXPECT_EQ(lineRows, 1);
    EXPECT_EQ(nonFaceIconPixels(), 0);

    SelectObject(dc, old);
    DeleteObject(bmp);
    DeleteDC(dc);
}

TEST_F(ChromeTest, ListStaysTenPixelsFromTheEdgesUnderTheToolBar) {
    ShowWithList(0, -1);
    for (SIZE size : {SIZE{475, 396}, SIZE{800, 600}, SIZE{260, 200}, SIZE{1000, 300}}) {
        SCOPED_TRACE(size.cx);
        form->SetWindowBounds(10, 10, size.cx, size.cy);
        Pump();
        const RECT client = form->ClientRect();
        const RECT list = form->lvMain.Bounds();
        EXPECT_EQ(list.left, 10);
        EXPECT_EQ(list.top, 41);
        EXPECT_EQ(list.right, client.right - 10);
        EXPECT_EQ(list.bottom, client.bottom - 10);
        const RECT bar = form->ToolBar1.Bounds();
        EXPECT_EQ(bar.top, 0);
        EXPECT_EQ(bar.bottom, 41);
        EXPECT_EQ(bar.right, client.right);
    }
}

TEST_F(ChromeTest, ImagesAndIconAreLoaded) {
    int w = 0;
    int h = 0;
    HIMAGELIST menuImages = form->MainMenu1.Images();
    ASSERT_TRUE(menuImages);
    ImageList_GetIconSize(menuImages, &w, &h);
    EXPECT_EQ(w, 16);
    EXPECT_EQ(h, 16);
    EXPECT_EQ(ImageList_GetImageCount(menuImages), 8);

    auto toolImages =
        reinterpret_cast<HIMAGELIST>(SendMessageA(form->ToolBar1.Handle(), TB_GETIMAGELIST, 0, 0));
    ASSERT_TRUE(toolImages);
    ImageList_GetIconSize(toolImages, &w, &h);
    EXPECT_EQ(w, 32);
    EXPECT_EQ(h, 32);
    EXPECT_EQ(ImageList_GetImageCount(toolImages), 8);
    const DWORD button =
        static_cast<DWORD>(SendMessageA(form->ToolBar1.Handle(), TB_GETBUTTONSIZE, 0, 0));
    EXPECT_EQ(LOWORD(button), 44);
    EXPECT_EQ(HIWORD(button), 38);

    EXPECT_TRUE(SendMessageA(form->Handle(), WM_GETICON, ICON_SMALL, 0));
    EXPECT_TRUE(GetClassLongPtrA(form->Handle(), GCLP_HICON));
}

}  // namespace

// The built program carries its version, icon sizes and the manifest that
// selects the version 6 common controls.
TEST(ProgramResources, VersionIconAndManifestAreInTheExecutable) {
    const std::string exe = TestDir() + "..\\Dirvane.exe";
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(exe.c_str(), &handle);
    ASSERT_GT(size, 0u) << exe;
    std::vector<char> data(size);
    ASSERT_TRUE(GetFileVersionInfoA(exe.c_str(), 0, size, data.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT len = 0;
    ASSERT_TRUE(VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &len));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010008u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0x00030000u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010008u);
    auto value = [&](const char* name) {
        char* text = nullptr;
        UINT n = 0;
        const std::string path = std::string("\\StringFileInfo\\080403a8\\") + name;
        if (!VerQueryValueA(data.data(), path.c_str(), reinterpret_cast<void**>(&text), &n)) {
            return std::string();
        }
        return std::string(text);
    };
    EXPECT_EQ(value("FileVersion"), "1.8.3");
    EXPECT_EQ(value("ProductVersion"), "1.8.3");
    EXPECT_EQ(value("ProductName"), "Dirvane");
    EXPECT_EQ(value("CompanyName"), Ansi(u8"Kelmora 软件"));
    EXPECT_EQ(value("FileDescription"), Ansi(u8"Dirvane 收藏目录列表"));

    HMODULE module = LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_TRUE(module);
    HRSRC manifest = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    ASSERT_TRUE(manifest);
    const std::string xml(static_cast<const char*>(LockResource(LoadResource(module, manifest))),
                          SizeofResource(module, manifest));
    EXPECT_NE(xml.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(xml.find("version=\"6.0.0.0\""), std::string::npos);

    // The icon directory lists the three sizes drawn for it.
    HRSRC group = FindResourceA(module, MAKEINTRESOURCEA(IDI_DIRVANE), RT_GROUP_ICON);
    ASSERT_TRUE(group);
    const auto* dir = static_cast<const BYTE*>(LockResource(LoadResource(module, group)));
    const int count = dir[4] | (dir[5] << 8);
    std::vector<int> sizes;
    for (int i = 0; i < count; ++i) {
        sizes.push_back(dir[6 + 14 * i]);  // GRPICONDIRENTRY: width first
    }
    std::sort(sizes.begin(), sizes.end());
    EXPECT_EQ(sizes, (std::vector<int>{16, 32, 48}));
    FreeLibrary(module);
}
