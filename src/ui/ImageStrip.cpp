#include "ui/ImageStrip.h"

#include <algorithm>

namespace ui {

ImageListHandle LoadImageStrip(UINT bitmapId, int imageSize) {
    BitmapHandle strip(
        static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(bitmapId),
                                        IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    BITMAP info{};
    if (!strip || !GetObjectA(strip.Get(), sizeof(info), &info) || imageSize <= 0 ||
        info.bmWidth % imageSize != 0 || info.bmHeight != imageSize) {
        return ImageListHandle();
    }
    const int count = info.bmWidth / imageSize;
    ImageListHandle list(ImageList_Create(imageSize, imageSize, ILC_COLOR32, count, 0));
    if (list && ImageList_Add(list.Get(), strip.Get(), nullptr) < 0) {
        list.Reset();
    }
    return list;
}

namespace {

// A top-down 32-bit DIB section with direct access to its pixels.
struct Canvas {
    Canvas(HDC ref, int w, int h) : dc(CreateCompatibleDC(ref)) {
        BITMAPINFO bi{};
        bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
        bi.bmiHeader.biWidth = w;
        bi.bmiHeader.biHeight = -h;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        bi.bmiHeader.biCompression = BI_RGB;
        void* p = nullptr;
        bitmap.Reset(CreateDIBSection(ref, &bi, DIB_RGB_COLORS, &p, nullptr, 0));
        bits = static_cast<DWORD*>(p);
        old = SelectObject(dc, bitmap.Get());
    }
    ~Canvas() {
        SelectObject(dc, old);
        DeleteDC(dc);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc;
    BitmapHandle bitmap;
    DWORD* bits = nullptr;
    HGDIOBJ old = nullptr;
};

int Channel(DWORD px, int shift) {
    return static_cast<int>((px >> shift) & 0xFF);
}

}  // namespace

void DrawImageGreyed(HDC dc, HIMAGELIST images, int index, int x, int y, COLORREF background,
                     int greyLevel) {
    int w = 0;
    int h = 0;
    if (!ImageList_GetIconSize(images, &w, &h) || w <= 0 || h <= 0) {
        return;
    }
    // Drawn once over black and once over white, the image gives away its
    // coverage (the difference) and its colour, whatever the list's format.
    Canvas black(dc, w, h);
    Canvas white(dc, w, h);
    if (!black.bits || !white.bits) {
        return;
    }
    GdiFlush();
    std::fill(black.bits, black.bits + w * h, 0x000000u);
    std::fill(white.bits, white.bits + w * h, 0xFFFFFFu);
    ImageList_Draw(images, index, black.dc, 0, 0, ILD_NORMAL);
    ImageList_Draw(images, index, white.dc, 0, 0, ILD_NORMAL);
    GdiFlush();
    const int bgR = GetRValue(background);
    const int bgG = GetGValue(background);
    const int bgB = GetBValue(background);
    for (int i = 0; i < w * h; ++i) {
        const DWORD b = black.bits[i];
        const DWORD t = white.bits[i];
        const int alpha = std::clamp(255 - (Channel(t, 8) - Channel(b, 8)), 0, 255);
        int grey = 0;
        if (alpha > 0) {
            // Over black the colour is already weighted by coverage.
            const int lum = (Channel(b, 16) * 30 + Channel(b, 8) * 59 + Channel(b, 0) * 11) / 100;
            grey = std::min(255, lum * 255 / alpha);
            grey += (255 - grey) * greyLevel / 100;
        }
        auto mix = [alpha, grey](int bg) { return (grey * alpha + bg * (255 - alpha)) / 255; };
        black.bits[i] = RGB(mix(bgB), mix(bgG), mix(bgR));  // DIB order: blue in the low byte
    }
    BitBlt(dc, x, y, w, h, black.dc, 0, 0, SRCCOPY);
}

}  // namespace ui
