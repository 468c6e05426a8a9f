#include "ui/Application.h"

#include "ui/Form.h"

#include <commctrl.h>
#include <objbase.h>

namespace ui {

Application& Application::Instance() {
    static Application app;
    return app;
}

void Application::Initialize() {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_BAR_CLASSES |
                                              ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    OleInitialize(nullptr);
}

HWND Application::Handle() const {
    return mainForm_ ? mainForm_->Handle() : nullptr;
}

int Application::AddIdleHandler(std::function<void()> handler) {
    idle_.emplace_back(nextIdle_, std::move(handler));
    return nextIdle_++;
}

void Application::RemoveIdleHandler(int token) {
    std::erase_if(idle_, [token](const auto& h) { return h.first == token; });
}

void Application::Idle() {
    // Handlers may add or remove handlers: run over a copy.
    auto handlers = idle_;
    for (auto& h : handlers) {
        Guarded(h.second);
    }
}

bool Application::Dispatch(MSG& msg) {
    if (msg.message == WM_QUIT) {
        quit_ = true;
        // Let outer (modal) loops see it too.
        PostQuitMessage(static_cast<int>(msg.wParam));
        return false;
    }
    HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    if (accel_ && root && root == accelTarget_ && GetActiveWindow() == accelTarget_ &&
        TranslateAcceleratorA(accelTarget_, accel_, &msg)) {
        return true;
    }
    if (Form* form = Form::FromHandle(root);
        form && form->IsDialog() && IsDialogMessageA(root, &msg)) {
        return true;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
    return true;
}

bool Application::HandleMessage() {
    MSG msg;
    if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        return Dispatch(msg);
    }
    Idle();
    // Idle handlers may have posted something; wait only when nothing is left.
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
        WaitMessage();
    }
    return true;
}

void Application::ProcessMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (!Dispatch(msg)) {
            break;
        }
    }
}

int Application::Run() {
    quit_ = false;
    while (mainForm_ && IsWindow(mainForm_->Handle()) && HandleMessage()) {
    }
    return 0;
}

void Application::ShowException(const std::exception& e) {
    ShowException(std::string(e.what()));
}

void Application::ShowException(const std::string& text) {
    HWND owner = GetActiveWindow();
    MessageBoxA(owner, text.c_str(), title_.c_str(), MB_OK | MB_ICONERROR);
}

}  // namespace ui
