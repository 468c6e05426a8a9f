#include "ui/FileDialog.h"

#include <commdlg.h>

#include <vector>

namespace ui {

bool FileDialog::Execute(HWND owner) {
    // The filter's "|" become NULs, ending in a double NUL.
    std::string filter = filter_;
    for (char& c : filter) {
        if (c == '|') {
            c = '\0';
        }
    }
    filter.push_back('\0');
    filter.push_back('\0');
    // Room for long paths; the kept name is the starting text.
    std::vector<char> buf(32768, '\0');
    fileName_.copy(buf.data(), std::min(fileName_.size(), buf.size() - 1));

    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = buf.data();
    ofn.nMaxFile = static_cast<DWORD>(buf.size());
    ofn.lpstrTitle = title_.empty() ? nullptr : title_.c_str();
    ofn.Flags = OFN_EXPLORER | OFN_ENABLESIZING | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    const BOOL ok = kind_ == Kind::Open ? GetOpenFileNameA(&ofn) : GetSaveFileNameA(&ofn);
    if (!ok) {
        return false;
    }
    fileName_ = buf.data();
    return true;
}

}  // namespace ui
