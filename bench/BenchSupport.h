#pragma once
// Shared by the benchmarks: the application set up as the program does,
// a clean product key, a clock, and realistic folder entries.
#include <windows.h>
#include <shlwapi.h>

#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "platform/FileSystem.h"
#include "resource.h"
#include "ui/Application.h"
#include "ui/Text.h"

namespace bench {

using Pairs = std::vector<std::pair<std::string, std::string>>;

inline void StartApplication() {
    auto& app = ui::Application::Instance();
    app.Initialize();
    app.SetTitle(ui::LoadStr(IDS_APP_TITLE));
}

// Nothing of a benchmark stays behind in the prefix.
inline void CleanUp() {
    SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\Dirvane");
    DeleteFileA((platform::ExeDir() + "options.ini").c_str());
}

// A monotonic clock in seconds.
inline double Now() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

inline double Seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// Names as users give them: words in mixed case, some repeated, some
// double-byte, some separators; paths unique.
inline Pairs MakeEntries(int n, unsigned variant) {
    std::mt19937 rng(variant);
    const char* words[] = {
        "Projects",         "photos",           "Music", "backup", "Downloads", "work",
        "\xCE\xC4\xBC\xFE", "\xD7\xC0\xC3\xE6", "Temp",  "src"};
    Pairs out;
    out.reserve(n);
    for (int i = 0; i < n; ++i) {
        if (rng() % 50 == 0) {
            out.emplace_back("*Separator*", "-");
            continue;
        }
        std::string name = words[rng() % std::size(words)];
        if (rng() % 2) {
            name += " " + std::to_string(rng() % 1000);
        }
        out.emplace_back(name, "D:\\Data\\" + name + "\\" + std::to_string(i));
    }
    return out;
}

}  // namespace bench
