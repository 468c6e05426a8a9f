#include "common/ReadWriteOptions.h"

#include "common/Global.h"
#include "platform/FileSystem.h"
#include "platform/IniFile.h"

#include <windows.h>

namespace dirvane {

namespace {

constexpr char kWindow[] = "Window";
constexpr char kListView[] = "ListView";
constexpr char kOptions[] = "Options";

constexpr int kDefaultNameWidth = 180;
constexpr int kDefaultPathWidth = 249;

static_assert(sizeof(WINDOWPLACEMENT) == 44, "the placement's length field is 44");

int Width(const RECT& r) {
    return r.right - r.left;
}
int Height(const RECT& r) {
    return r.bottom - r.top;
}

void Load(const platform::IniFile& ini, const OptionsTarget& t) {
    if (ini.ReadInteger(kWindow, "State", SW_SHOWNORMAL) == SW_SHOWMAXIMIZED) {
        // The window opens maximised; its restored size stays the design size.
        t.startMaximized = true;
    } else {
        // Each value is applied before the next is read: the centring
        // defaults use the size the window has at that moment.
        RECT r = t.window.WindowRect();
        const int left =
            ini.ReadInteger(kWindow, "Left", (GetSystemMetrics(SM_CXSCREEN) - Width(r)) / 2);
        t.window.SetWindowBounds(left, r.top, Width(r), Height(r));
        r = t.window.WindowRect();
        const int top =
            ini.ReadInteger(kWindow, "Top", (GetSystemMetrics(SM_CYSCREEN) - Height(r)) / 2);
        t.window.SetWindowBounds(r.left, top, Width(r), Height(r));
        r = t.window.WindowRect();
        const int width = ini.ReadInteger(kWindow, "Width", Width(r));
        t.window.SetWindowBounds(r.left, r.top, width, Height(r));
        r = t.window.WindowRect();
        const int height = ini.ReadInteger(kWindow, "Height", Height(r));
        t.window.SetWindowBounds(r.left, r.top, Width(r), height);

        t.list.SetColumnWidth(0, ini.ReadInteger(kListView, "C0", kDefaultNameWidth));
        t.list.SetColumnWidth(1, ini.ReadInteger(kListView, "C1", kDefaultPathWidth));
    }
    GlobalOptions.AskDelete = ini.ReadBool(kOptions, "AskDelete", true);
}

void Save(platform::IniFile& ini, const OptionsTarget& t) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    const bool placed = GetWindowPlacement(t.window.Handle(), &placement) != FALSE;
    if (placed) {
        ini.WriteInteger(kWindow, "State", static_cast<int>(placement.showCmd));
    }
    // The real rectangle, also when maximised. A minimised window's
    // rectangle is its icon's: then the restored one is kept instead, or the
    // next start would open at icon size.
    RECT r = t.window.WindowRect();
    if (placed && IsIconic(t.window.Handle())) {
        r = placement.rcNormalPosition;
    }
    ini.WriteInteger(kWindow, "Left", r.left);
    ini.WriteInteger(kWindow, "Top", r.top);
    ini.WriteInteger(kWindow, "Width", Width(r));
    ini.WriteInteger(kWindow, "Height", Height(r));
    ini.WriteInteger(kListView, "C0", t.list.ColumnWidth(0));
    ini.WriteInteger(kListView, "C1", t.list.ColumnWidth(1));
    ini.WriteBool(kOptions, "AskDelete", GlobalOptions.AskDelete);
    t.writeProductValue("PicView", GlobalOptions.EnableImage ? "1" : "0");
    t.writeProductValue("ExploerFolder", GlobalOptions.ExploreFolder ? "1" : "0");
}

}  // namespace

std::string OptionsFilePath() {
    return platform::ExeDir() + kOptionsFileName;
}

void ReadWriteOptions(bool save, const std::string& fileName, const OptionsTarget& target) {
    platform::IniFile ini(fileName);
    if (save) {
        Save(ini, target);
    } else {
        Load(ini, target);
    }
}

}  // namespace dirvane
