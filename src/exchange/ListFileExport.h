#pragma once
// Writing the folder list into a list file.
#include <string>
#include <vector>

#include "list/FolderEntry.h"

namespace dirvane {

// Writes Count and then N<i>/P<i> for every entry into the file's [Dirvane]
// section. An existing file is updated in place: keys already there keep
// their place, new keys go to the end of the section in the order Count, N0,
// P0, N1, ..., and other keys and sections stay (import reads only up to
// Count). Throws platform::IniFileError "Unable to write to <file>".
void ExportListFile(const std::vector<FolderEntry>& entries, const std::string& fileName);

}  // namespace dirvane
