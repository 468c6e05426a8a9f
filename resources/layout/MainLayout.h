#pragma once
// The main window's geometry and colours, in pixels (not scaled for DPI).
#include <windows.h>

namespace layout::main {

inline constexpr int kWidth = 475;  // outer size at design time
inline constexpr int kHeight = 396;
inline constexpr char kFontFace[] = "MS Shell Dlg 2";
inline constexpr int kFontHeight = -12;  // 9 pt

inline constexpr int kToolBarHeight = 41;
inline constexpr int kToolBarIndent = 10;
inline constexpr SIZE kButtonSize{44, 38};
inline constexpr int kToolImageSize = 32;
inline constexpr int kMenuImageSize = 16;

inline constexpr int kColumnNameWidth = 175;  // design widths; options replace them
inline constexpr int kColumnPathWidth = 240;

inline constexpr COLORREF kToolBarColor = RGB(214, 223, 246);
inline constexpr COLORREF kFormColor = RGB(214, 223, 247);
inline constexpr COLORREF kListColor = RGB(239, 239, 255);

// Control ids
inline constexpr int kToolBarId = 100;
inline constexpr int kListViewId = 101;

}  // namespace layout::main
