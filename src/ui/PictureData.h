#pragma once
// Pictures held as file bytes (JPEG, GIF, BMP), decoded into a bitmap of
// our own by the system's picture loader.
#include <windows.h>

#include <cstddef>

#include "ui/Gdi.h"

namespace ui {

// An empty handle when the bytes are no picture the loader knows.
BitmapHandle DecodePicture(const void* data, std::size_t size);
// The same for a resource of type RT_RCDATA of the given module.
BitmapHandle LoadPictureResource(HMODULE module, int id);

}  // namespace ui
