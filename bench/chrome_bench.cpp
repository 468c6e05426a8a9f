// The main window's chrome with a list of 10,000 entries: the idle-time
// update of actions, menu and tool bar; drawing a flat drop-down; a resize.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "app/Main.h"
#include "resource.h"
#include "ui/Application.h"
#include "ui/Text.h"

namespace {

template <typename Fn>
double MillisecondsPer(int runs, Fn&& fn) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < runs; ++i) {
        fn();
    }
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    return took.count() / runs;
}

}  // namespace

int main() {
    auto& app = ui::Application::Instance();
    app.Initialize();
    app.SetTitle(ui::LoadStr(IDS_APP_TITLE));
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Dirvane");
    {
        dirvane::TfrmMain form;
        app.SetMainForm(&form);
        form.Show();
        constexpr int kEntries = 10000;
        {
            ui::ListViewUpdate update(form.lvMain);
            form.lvMain.Clear();
            for (int i = 0; i < kEntries; ++i) {
                form.lvMain.Add("Entry " + std::to_string(i), "C:\\Folder\\" + std::to_string(i));
            }
        }
        form.lvMain.Select(kEntries - 1);
        app.ProcessMessages();

        const double idle = MillisecondsPer(200, [&] { app.Idle(); });
        const double popup = MillisecondsPer(200, [&] {
            SendMessageA(form.Handle(), WM_INITMENUPOPUP,
                         reinterpret_cast<WPARAM>(GetSubMenu(form.MainMenu1.Handle(), 1)), 1);
        });

        HMENU file = GetSubMenu(form.MainMenu1.Handle(), 0);
        HDC screen = GetDC(nullptr);
        HDC dc = CreateCompatibleDC(screen);
        HBITMAP bmp = CreateCompatibleBitmap(screen, 240, 24);
        ReleaseDC(nullptr, screen);
        HGDIOBJ old = SelectObject(dc, bmp);
        const int items = GetMenuItemCount(file);
        const double draw = MillisecondsPer(50, [&] {
            for (int i = 0; i < items; ++i) {
                MENUITEMINFOA info{};
                info.cbSize = sizeof(info);
                info.fMask = MIIM_DATA | MIIM_ID | MIIM_STATE;
                GetMenuItemInfoA(file, i, TRUE, &info);
                DRAWITEMSTRUCT dis{};
                dis.CtlType = ODT_MENU;
                dis.itemID = info.wID;
                dis.itemAction = ODA_DRAWENTIRE;
                dis.itemState = (info.fState & MFS_GRAYED) ? ODS_GRAYED : 0;
                dis.hwndItem = reinterpret_cast<HWND>(file);
                dis.hDC = dc;
                dis.rcItem = RECT{0, 0, 240, 24};
                dis.itemData = info.dwItemData;
                SendMessageA(form.Handle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&dis));
            }
        });
        SelectObject(dc, old);
        DeleteObject(bmp);
        DeleteDC(dc);

        int step = 0;
        const double resize = MillisecondsPer(50, [&] {
            form.SetWindowBounds(0, 0, 500 + (step++ % 2) * 200, 400);
            app.ProcessMessages();
        });

        std::printf("entries: %d (last selected)\n", kEntries);
        std::printf("idle update (actions, menu, tool bar): %.3f ms\n", idle);
        std::printf("menu opened (WM_INITMENUPOPUP):        %.3f ms\n", popup);
        std::printf("File drop-down drawn (%d items):       %.3f ms\n", items, draw);
        std::printf("resize with layout and repaint:        %.3f ms\n", resize);
        app.SetMainForm(nullptr);
    }
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Dirvane");
    return 0;
}
