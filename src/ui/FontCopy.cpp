#include "ui/FontCopy.h"

namespace ui {

FontHandle CopyFont(HFONT font) {
    LOGFONTA lf{};
    if (!font || GetObjectA(font, sizeof(lf), &lf) != sizeof(lf)) {
        return FontHandle();
    }
    return FontHandle(CreateFontIndirectA(&lf));
}

}  // namespace ui
