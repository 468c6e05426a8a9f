#include "support/TestSupport.h"

#include "platform/FileSystem.h"

#include <shlwapi.h>

#include <vector>

namespace testing_support {

namespace {
constexpr char kKey[] = "Software\\Dirvane";

HKEY OpenKey() {
    HKEY key = nullptr;
    RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    return key;
}
}  // namespace

void DeleteProductKey() {
    SHDeleteKeyA(HKEY_CURRENT_USER, kKey);
}

void ResetProgramState() {
    DeleteProductKey();
    DeleteFileA((TestDir() + "options.ini").c_str());
}

void SetRegString(const std::string& name, const std::string& value) {
    HKEY key = OpenKey();
    RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
    RegCloseKey(key);
}

void SetRegDword(const std::string& name, DWORD value) {
    HKEY key = OpenKey();
    RegSetValueExA(key, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                   sizeof(value));
    RegCloseKey(key);
}

std::optional<std::string> GetRegString(const std::string& name) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    DWORD size = 0;
    DWORD type = 0;
    std::optional<std::string> out;
    if (RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
        std::vector<char> buf(size + 1, '\0');
        RegQueryValueExA(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buf.data()),
                         &size);
        out = std::string(buf.data());
    }
    RegCloseKey(key);
    return out;
}

std::vector<std::pair<std::string, std::string>> StoredPairs() {
    std::vector<std::pair<std::string, std::string>> out;
    for (int i = 0;; ++i) {
        auto n = GetRegString("N" + std::to_string(i));
        auto p = GetRegString("P" + std::to_string(i));
        if (!n || !p) {
            break;
        }
        out.emplace_back(*n, *p);
    }
    return out;
}

HWND FindOwnWindow(const std::string& caption, const char* className) {
    struct Search {
        std::string caption;
        const char* cls;
        HWND found;
    } s{caption, className, nullptr};
    EnumWindows(
        [](HWND w, LPARAM p) -> BOOL {
            auto* q = reinterpret_cast<Search*>(p);
            DWORD pid = 0;
            GetWindowThreadProcessId(w, &pid);
            if (pid != GetCurrentProcessId() || !IsWindowVisible(w)) {
                return TRUE;
            }
            char text[512] = {};
            GetWindowTextA(w, text, sizeof(text));
            if (q->caption != text) {
                return TRUE;
            }
            if (q->cls) {
                char cls[256] = {};
                GetClassNameA(w, cls, sizeof(cls));
                if (lstrcmpiA(cls, q->cls) != 0) {
                    return TRUE;
                }
            }
            q->found = w;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&s));
    return s.found;
}

DialogAnswerer::DialogAnswerer(int button, std::string caption, DWORD timeoutMs) {
    thread_ = std::thread([this, button, caption, timeoutMs] {
        const DWORD start = GetTickCount();
        while (!stop_ && GetTickCount() - start < timeoutMs) {
            HWND w = FindOwnWindow(caption, "#32770");
            if (w) {
                window_ = w;
                // A message box keeps its text in the static with id 0xFFFF.
                char text[4096] = {};
                GetDlgItemTextA(w, 0xFFFF, text, sizeof(text));
                text_ = text;
                Sleep(50);
                PostMessageA(w, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                             reinterpret_cast<LPARAM>(GetDlgItem(w, button)));
                answered_ = true;
                return;
            }
            Sleep(20);
        }
    });
}

DialogAnswerer::~DialogAnswerer() {
    stop_ = true;
    if (thread_.joinable()) {
        thread_.join();
    }
}

std::string DialogAnswerer::Text() {
    if (thread_.joinable()) {
        thread_.join();
    }
    return text_;
}

void Pump(DWORD ms) {
    const DWORD start = GetTickCount();
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(5);
    } while (GetTickCount() - start < ms);
}

std::string TestDir() {
    return platform::ExeDir();
}

}  // namespace testing_support
