#include "support/ModalDriver.h"

#include "support/TestSupport.h"
#include "ui/Application.h"
#include "ui/Form.h"

namespace testing_support {

int RunModal(ui::Form& form, std::function<void()> step) {
    auto& app = ui::Application::Instance();
    bool done = false;
    const int token = app.AddIdleHandler([&] {
        if (!done && IsWindowVisible(form.Handle())) {
            done = true;
            step();
        }
    });
    const int result = form.ShowModal();
    app.RemoveIdleHandler(token);
    return result;
}

MessageBoxCollector::MessageBoxCollector(int button, std::string caption) {
    thread_ = std::thread([this, button, caption] {
        HWND last = nullptr;
        while (!stop_) {
            HWND w = FindOwnWindow(caption, "#32770");
            if (w && w != last) {
                char text[4096] = {};
                GetDlgItemTextA(w, 0xFFFF, text, sizeof(text));
                {
                    std::lock_guard<std::mutex> lock(mutex_);
                    texts_.emplace_back(text);
                }
                last = w;
                PostMessageA(w, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                             reinterpret_cast<LPARAM>(GetDlgItem(w, button)));
            } else if (!w) {
                last = nullptr;
            }
            Sleep(20);
        }
    });
}

MessageBoxCollector::~MessageBoxCollector() {
    stop_ = true;
    if (thread_.joinable()) {
        thread_.join();
    }
}

std::vector<std::string> MessageBoxCollector::Texts() {
    std::lock_guard<std::mutex> lock(mutex_);
    return texts_;
}

}  // namespace testing_support
