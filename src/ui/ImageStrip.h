#pragma once
// Image lists from bitmap strips in the resources: square images side by
// side, 32-bit with straight alpha, as the artwork script writes them.
#include <windows.h>

#include "ui/Gdi.h"

namespace ui {

// The strip's images, imageSize x imageSize each. An empty handle when the
// bitmap is missing or its width is not a multiple of imageSize.
ImageListHandle LoadImageStrip(UINT bitmapId, int imageSize);

// Draws image `index` greyed, as for a disabled command: its own alpha kept,
// its colours turned to grey and lightened by greyLevel per cent, then laid
// over `background`.
void DrawImageGreyed(HDC dc, HIMAGELIST images, int index, int x, int y, COLORREF background,
                     int greyLevel);

}  // namespace ui
