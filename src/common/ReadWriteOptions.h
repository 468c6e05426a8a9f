#pragma once
// The settings file "options.ini" next to the executable: the main window's
// geometry, the list's column widths and the AskDelete option; and, on
// saving, the two display options in the product key.
#include <functional>
#include <string>

#include "ui/Form.h"
#include "ui/ListView.h"

namespace dirvane {

inline constexpr char kOptionsFileName[] = "options.ini";

// Full name of the settings file.
std::string OptionsFilePath();

// The parts of the main window the settings describe.
struct OptionsTarget {
    ui::Form& window;
    ui::ListView& list;    // its columns 0 ("别名") and 1 ("路径")
    bool& startMaximized;  // set when the saved state was maximised
    // Writes one value of the product key.
    std::function<void(const std::string& name, const std::string& value)> writeProductValue;
};

// Load (save false) or save (save true) everything the settings hold.
// A failed write throws platform::IniFileError and ends the save there.
void ReadWriteOptions(bool save, const std::string& fileName, const OptionsTarget& target);

}  // namespace dirvane
