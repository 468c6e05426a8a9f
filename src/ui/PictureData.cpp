#include "ui/PictureData.h"

#include <objbase.h>
#include <ocidl.h>
#include <olectl.h>

#include <cstring>

namespace ui {

namespace {

// Releases a COM interface on every path.
template <typename T>
class ComRef {
public:
    ComRef() = default;
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    ~ComRef() {
        if (p_) {
            p_->Release();
        }
    }
    T** Out() { return &p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }

private:
    T* p_ = nullptr;
};

}  // namespace

BitmapHandle DecodePicture(const void* data, std::size_t size) {
    if (!data || size == 0 || size > 0x7FFFFFFF) {
        return {};
    }
    HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!mem) {
        return {};
    }
    void* dst = GlobalLock(mem);
    if (!dst) {
        GlobalFree(mem);
        return {};
    }
    std::memcpy(dst, data, size);
    GlobalUnlock(mem);

    ComRef<IStream> stream;
    // The stream owns the memory from here on and frees it on release.
    if (FAILED(CreateStreamOnHGlobal(mem, TRUE, stream.Out()))) {
        GlobalFree(mem);
        return {};
    }
    ComRef<IPicture> picture;
    if (FAILED(OleLoadPicture(stream.operator->(), static_cast<LONG>(size), FALSE, IID_IPicture,
                              reinterpret_cast<void**>(picture.Out()))) ||
        !picture) {
        return {};
    }
    SHORT type = PICTYPE_NONE;
    OLE_HANDLE handle = 0;
    if (FAILED(picture->get_Type(&type)) || type != PICTYPE_BITMAP ||
        FAILED(picture->get_Handle(&handle)) || !handle) {
        return {};
    }
    // The picture object owns its bitmap: keep a copy of our own.
    HANDLE copy = CopyImage(reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle)), IMAGE_BITMAP,
                            0, 0, LR_CREATEDIBSECTION);
    return BitmapHandle(static_cast<HBITMAP>(copy));
}

BitmapHandle LoadPictureResource(HMODULE module, int id) {
    HRSRC res = FindResourceA(module, MAKEINTRESOURCEA(id), RT_RCDATA);
    if (!res) {
        return {};
    }
    HGLOBAL loaded = LoadResource(module, res);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    return DecodePicture(bytes, SizeofResource(module, res));
}

}  // namespace ui
