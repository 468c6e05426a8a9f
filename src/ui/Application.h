#pragma once
// The application object: message loop, idle-time updates, keyboard
// accelerators of the main form, and the default error report.
#include <windows.h>

#include <exception>
#include <functional>
#include <string>
#include <vector>

namespace ui {

class Form;

class Application {
public:
    static Application& Instance();

    void Initialize();  // common controls, COM for the shell dialogs
    void SetTitle(const std::string& title) { title_ = title; }
    const std::string& Title() const { return title_; }

    // The top-level window that owns every form of the program.
    void SetMainForm(Form* form) { mainForm_ = form; }
    Form* MainForm() const { return mainForm_; }
    HWND Handle() const;

    // Keyboard shortcuts of the main form; they act only while it is active.
    void SetAccelerators(HWND target, HACCEL table) {
        accelTarget_ = target;
        accel_ = table;
    }

    // Runs when the message queue has gone idle (action updates).
    // Returns a token for RemoveIdleHandler.
    int AddIdleHandler(std::function<void()> handler);
    void RemoveIdleHandler(int token);
    void Idle();

    // Handles one message, or idles and waits when there is none.
    // Returns false once WM_QUIT arrived (it is posted again for outer loops).
    bool HandleMessage();
    // Handles every queued message without waiting.
    void ProcessMessages();
    // Runs until the main form is gone.
    int Run();
    void Terminate() { PostQuitMessage(0); }

    // The default error report: the exception's text in a message box.
    void ShowException(const std::exception& e);
    void ShowException(const std::string& text);

private:
    bool Dispatch(MSG& msg);

    std::string title_;
    Form* mainForm_ = nullptr;
    HWND accelTarget_ = nullptr;
    HACCEL accel_ = nullptr;
    std::vector<std::pair<int, std::function<void()>>> idle_;
    int nextIdle_ = 1;
    bool quit_ = false;
};

// Runs fn; any exception goes to the default error report. For every entry
// from Win32 into our code, so that no exception crosses a callback.
template <typename Fn>
void Guarded(Fn&& fn) noexcept {
    try {
        fn();
    } catch (const std::exception& e) {
        Application::Instance().ShowException(e);
    } catch (...) {
        Application::Instance().ShowException(std::string("Unknown error"));
    }
}

}  // namespace ui
