#pragma once
// The item dialog, in pixels (client coordinates, not scaled for DPI).
#include <windows.h>

namespace layout::property {

inline constexpr int kClientWidth = 305;
inline constexpr int kClientHeight = 192;

struct Item {
    int id;
    RECT bounds;  // left, top, right, bottom
};

// In tab order.
inline constexpr Item kGroupBox1{100, {7, 7, 7 + 291, 7 + 100}};
inline constexpr Item kNameLabel{101, {20, 35, 20 + 36, 35 + 16}};
inline constexpr Item kName{102, {58, 32, 58 + 203, 32 + 21}};
inline constexpr Item kPathLabel{103, {20, 70, 20 + 36, 70 + 16}};
inline constexpr Item kPath{104, {58, 67, 58 + 203, 67 + 21}};
inline constexpr Item kBrowse{105, {265, 66, 265 + 22, 66 + 22}};
inline constexpr Item kAddSeparator{106, {12, 120, 12 + 160, 120 + 20}};
inline constexpr Item kOk{IDOK, {140, 157, 140 + 75, 157 + 25}};
inline constexpr Item kCancel{IDCANCEL, {222, 157, 222 + 75, 157 + 25}};

}  // namespace layout::property
