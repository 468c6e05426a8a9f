#pragma once
// Shared test helpers: a clean product key, registry access, and an answerer
// for modal message boxes shown by the code under test.
#include <windows.h>

#include <atomic>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace testing_support {

// Deletes the product key with everything under it.
void DeleteProductKey();
// What a main window leaves behind: the product key and the settings file
// next to the test programs.
void ResetProgramState();
// Raw registry access under HKEY_CURRENT_USER\Software\Dirvane.
void SetRegString(const std::string& name, const std::string& value);
void SetRegDword(const std::string& name, DWORD value);
std::optional<std::string> GetRegString(const std::string& name);
// The stored pairs N0/P0.. as they stand, up to the first missing value.
std::vector<std::pair<std::string, std::string>> StoredPairs();

// Presses a button of the next message box (or dialog) of this process whose
// caption is `caption`, and keeps the text of its message. Waits on a thread
// of its own while the test's thread runs the modal loop.
class DialogAnswerer {
public:
    DialogAnswerer(int button, std::string caption = "Dirvane", DWORD timeoutMs = 10000);
    ~DialogAnswerer();
    DialogAnswerer(const DialogAnswerer&) = delete;
    DialogAnswerer& operator=(const DialogAnswerer&) = delete;

    // Waits for the answer to have happened; returns the message text.
    std::string Text();
    bool Answered() const { return answered_; }
    HWND Window() const { return window_; }

private:
    std::thread thread_;
    std::string text_;
    std::atomic<bool> answered_{false};
    std::atomic<bool> stop_{false};
    HWND window_ = nullptr;
};

// Finds a visible top-level window of this process with the given caption.
HWND FindOwnWindow(const std::string& caption, const char* className = nullptr);
// Pumps messages for a while (lets posted work and paints happen).
void Pump(DWORD ms = 50);

// The folder of the test executable, with a trailing backslash.
std::string TestDir();

}  // namespace testing_support
