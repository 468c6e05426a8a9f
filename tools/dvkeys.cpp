// dvkeys: types keys into a running Dirvane, for screenshots of its menus.
//   dvkeys KEY...   e.g.  dvkeys alt+f down down   |   dvkeys esc esc
// A key is a letter or digit, or one of down up left right enter esc tab
// space home end, optionally with ctrl+, alt+ or shift+ in front.
// "click@X,Y" clicks the list view at client point X,Y (selects a row).
#include <windows.h>

#include <cctype>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "ClassName.h"

namespace {

WORD NamedKey(const std::string& name) {
    static const struct {
        const char* name;
        WORD vk;
    } keys[] = {{"down", VK_DOWN},    {"up", VK_UP},      {"left", VK_LEFT}, {"right", VK_RIGHT},
                {"enter", VK_RETURN}, {"esc", VK_ESCAPE}, {"tab", VK_TAB},   {"space", VK_SPACE},
                {"home", VK_HOME},    {"end", VK_END}};
    for (const auto& k : keys) {
        if (name == k.name) {
            return k.vk;
        }
    }
    if (name.size() == 1 && std::isalnum(static_cast<unsigned char>(name[0]))) {
        return static_cast<WORD>(std::toupper(static_cast<unsigned char>(name[0])));
    }
    return 0;
}

void Press(WORD vk, bool down) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    SendInput(1, &in, sizeof(in));
    Sleep(60);
}

void Click(HWND main, int x, int y) {
    HWND list = FindWindowExA(main, nullptr, "SysListView32", nullptr);
    POINT p{x, y};
    ClientToScreen(list ? list : main, &p);
    SetCursorPos(p.x, p.y);
    Sleep(60);
    INPUT in[2]{};
    in[0].type = in[1].type = INPUT_MOUSE;
    in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, in, sizeof(INPUT));
    Sleep(250);
}

}  // namespace

int main(int argc, char** argv) {
    HWND w = FindWindowA(resources::kMainClassName, nullptr);
    if (!w) {
        std::fprintf(stderr, "Dirvane is not running\n");
        return 1;
    }
    SetForegroundWindow(w);
    Sleep(200);
    for (int i = 1; i < argc; ++i) {
        std::string spec = argv[i];
        int x = 0;
        int y = 0;
        if (std::sscanf(spec.c_str(), "click@%d,%d", &x, &y) == 2) {
            Click(w, x, y);
            continue;
        }
        std::vector<WORD> mods;
        for (;;) {
            const auto plus = spec.find('+');
            if (plus == std::string::npos) {
                break;
            }
            const std::string mod = spec.substr(0, plus);
            mods.push_back(mod == "ctrl" ? VK_CONTROL : mod == "alt" ? VK_MENU : VK_SHIFT);
            spec = spec.substr(plus + 1);
        }
        const WORD vk = NamedKey(spec);
        if (!vk) {
            std::fprintf(stderr, "unknown key: %s\n", argv[i]);
            return 2;
        }
        for (WORD m : mods) {
            Press(m, true);
        }
        Press(vk, true);
        Press(vk, false);
        for (auto it = mods.rbegin(); it != mods.rend(); ++it) {
            Press(*it, false);
        }
        Sleep(250);
    }
    return 0;
}
