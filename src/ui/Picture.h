#pragma once
// A picture on a form: a bitmap stretched to the control's size, or an icon
// drawn at the control's size. The control owns what it shows.
#include "ui/Control.h"
#include "ui/Gdi.h"

namespace ui {

struct IconDeleter {
    void operator()(HICON h) const { DestroyIcon(h); }
};
using IconHandle = Owned<HICON, IconDeleter>;

class Picture : public Control {
public:
    void Create(HWND parent, int id, const RECT& bounds);

    void SetBitmap(BitmapHandle bitmap);
    void SetIcon(IconHandle icon);
    HBITMAP Bitmap() const { return bitmap_.Get(); }
    HICON Icon() const { return icon_.Get(); }

    bool Reflect(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    void Draw(HDC dc, const RECT& r) const;

    BitmapHandle bitmap_;
    IconHandle icon_;
};

}  // namespace ui
