#pragma once
// The system's open and save dialogs. The chosen file name is kept between
// uses, as the starting name of the next one.
#include <windows.h>

#include <string>

namespace ui {

class FileDialog {
public:
    enum class Kind { Open, Save };
    explicit FileDialog(Kind kind) : kind_(kind) {}

    void SetTitle(const std::string& title) { title_ = title; }
    // "Text|pattern|Text|pattern", as the filter list reads.
    void SetFilter(const std::string& filter) { filter_ = filter; }
    const std::string& Title() const { return title_; }
    const std::string& Filter() const { return filter_; }
    const std::string& FileName() const { return fileName_; }
    void SetFileName(const std::string& name) { fileName_ = name; }

    // True when the user chose a file.
    bool Execute(HWND owner);

private:
    Kind kind_;
    std::string title_;
    std::string filter_;
    std::string fileName_;
};

}  // namespace ui
