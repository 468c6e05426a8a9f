// Program entry: one instance per desktop. A second start hands over to the
// running instance (found by its window class name) and exits.
#include <windows.h>

#include "ClassName.h"
#include "app/Main.h"
#include "resource.h"
#include "ui/Application.h"
#include "ui/Text.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    if (HWND running = FindWindowA(resources::kMainClassName, nullptr)) {
        PostMessageA(running, dirvane::WM_ACTIVATEINSTANCE, 0, 0);
        SetForegroundWindow(running);
        return 0;
    }
    auto& app = ui::Application::Instance();
    app.Initialize();
    app.SetTitle(ui::LoadStr(IDS_APP_TITLE));
    dirvane::TfrmMain main;
    app.SetMainForm(&main);
    main.Show();
    app.Run();
    return 0;
}
