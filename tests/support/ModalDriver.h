#pragma once
// Driving modal forms from a test: a step that runs inside the form's modal
// loop, and a collector that answers every message box of this process.
#include <windows.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace ui {
class Form;
}

namespace testing_support {

// Shows form modally; step runs once, inside the modal loop, as soon as the
// loop first goes idle (the form is shown and active by then). Returns the
// modal result.
int RunModal(ui::Form& form, std::function<void()> step);

// Presses `button` on every message box with caption `caption` shown by this
// process while the object lives, and keeps their texts in order.
class MessageBoxCollector {
public:
    explicit MessageBoxCollector(int button = IDOK, std::string caption = "Dirvane");
    ~MessageBoxCollector();
    MessageBoxCollector(const MessageBoxCollector&) = delete;
    MessageBoxCollector& operator=(const MessageBoxCollector&) = delete;

    std::vector<std::string> Texts();

private:
    std::thread thread_;
    std::mutex mutex_;
    std::vector<std::string> texts_;
    std::atomic<bool> stop_{false};
};

}  // namespace testing_support
