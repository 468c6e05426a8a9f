#pragma once
// The About box's geometry in pixels (not scaled for DPI): one row per
// control, client coordinates. Its font is the main window's.
#include <windows.h>

namespace layout::about {

inline constexpr int kClientWidth = 360;
inline constexpr int kClientHeight = 249;

struct Place {
    int id;
    RECT bounds;  // left, top, right, bottom
};

// Banner across the top, program icon at the left below it.
inline constexpr Place kImage2{10, {0, 0, 360, 50}};
inline constexpr Place kImage1{11, {20, 66, 52, 98}};
// Texts beside the icon.
inline constexpr Place kLabel1{12, {70, 64, 340, 82}};       // "Dirvane"
inline constexpr Place kLabel2{13, {70, 86, 340, 102}};      // version and build
inline constexpr Place kPoweredBy{14, {70, 110, 340, 140}};  // notice, up to two lines
inline constexpr Place kLabel3{15, {70, 144, 130, 160}};     // "电子邮件:"
inline constexpr Place kMail{16, {130, 144, 340, 160}};      // fitted to its text
inline constexpr Place kEAddress{17, {70, 166, 340, 182}};   // fitted to its text
// Divider and the button at the lower right.
inline constexpr Place kPanel2{18, {10, 198, 350, 200}};
inline constexpr Place kOK{IDOK, {270, 211, 345, 236}};

}  // namespace layout::about
