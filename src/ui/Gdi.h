#pragma once
// Move-only owners of GDI objects and image lists.
#include <windows.h>
#include <commctrl.h>

#include <utility>

namespace ui {

template <typename H, typename Deleter>
class Owned {
public:
    Owned() = default;
    explicit Owned(H h) : h_(h) {}
    Owned(Owned&& o) noexcept : h_(std::exchange(o.h_, nullptr)) {}
    Owned& operator=(Owned&& o) noexcept {
        if (this != &o) {
            Reset(std::exchange(o.h_, nullptr));
        }
        return *this;
    }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    ~Owned() { Reset(); }

    void Reset(H h = nullptr) {
        if (h_) {
            Deleter{}(h_);
        }
        h_ = h;
    }
    H Get() const { return h_; }
    explicit operator bool() const { return h_ != nullptr; }

private:
    H h_ = nullptr;
};

struct GdiDeleter {
    void operator()(HGDIOBJ h) const { DeleteObject(h); }
};
struct ImageListDeleter {
    void operator()(HIMAGELIST h) const { ImageList_Destroy(h); }
};
struct AccelDeleter {
    void operator()(HACCEL h) const { DestroyAcceleratorTable(h); }
};
struct MenuDeleter {
    void operator()(HMENU h) const { DestroyMenu(h); }
};

using FontHandle = Owned<HFONT, GdiDeleter>;
using BrushHandle = Owned<HBRUSH, GdiDeleter>;
using BitmapHandle = Owned<HBITMAP, GdiDeleter>;
using ImageListHandle = Owned<HIMAGELIST, ImageListDeleter>;
using AccelHandle = Owned<HACCEL, AccelDeleter>;
using MenuHandle = Owned<HMENU, MenuDeleter>;

// The forms' font: face and pixel height, GB2312 character set.
FontHandle MakeFont(const char* face, int height, BYTE charset, bool underline = false,
                    int weight = FW_NORMAL);

}  // namespace ui
