#pragma once
// The options dialog, in pixels (client coordinates, not scaled for DPI).
#include <windows.h>

namespace layout::options {

inline constexpr int kClientWidth = 340;
inline constexpr int kClientHeight = 188;

struct Item {
    int id;
    RECT bounds;  // left, top, right, bottom
};

// Listed in tab order; the check boxes stand top to bottom as
// cbEnableImage, cbExploreFolder, cbAskDelete.
inline constexpr Item kGroupBox1{100, {8, 8, 8 + 321, 8 + 131}};
inline constexpr Item kExploreFolder{101, {24, 62, 24 + 290, 62 + 20}};
inline constexpr Item kAskDelete{102, {24, 96, 24 + 290, 96 + 20}};
inline constexpr Item kEnableImage{103, {24, 28, 24 + 290, 28 + 20}};
inline constexpr Item kOK{IDOK, {172, 152, 172 + 75, 152 + 25}};
inline constexpr Item kCancel{IDCANCEL, {254, 152, 254 + 75, 152 + 25}};

}  // namespace layout::options
