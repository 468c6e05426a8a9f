#pragma once
// A font of one's own, equal to another (a dialog takes its owner's font).
#include <windows.h>

#include "ui/Gdi.h"

namespace ui {

// Null when font is null or not a font.
FontHandle CopyFont(HFONT font);

}  // namespace ui
