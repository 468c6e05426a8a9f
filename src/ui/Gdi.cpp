#include "ui/Gdi.h"

namespace ui {

FontHandle MakeFont(const char* face, int height, BYTE charset, bool underline, int weight) {
    LOGFONTA lf{};
    lf.lfHeight = height;
    lf.lfWeight = weight;
    lf.lfUnderline = underline ? TRUE : FALSE;
    lf.lfCharSet = charset;
    lf.lfQuality = DEFAULT_QUALITY;
    lstrcpynA(lf.lfFaceName, face, LF_FACESIZE);
    return FontHandle(CreateFontIndirectA(&lf));
}

}  // namespace ui
