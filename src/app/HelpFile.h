#pragma once
// Where the help file is: "Dirvane.chm" in the program's own folder.
#include <string>
#include <string_view>

namespace dirvane {

// The folder of the running program, with its trailing backslash, from
// command-line parameter 0. Whoever starts us writes that parameter: a
// command prompt may pass a bare "Dirvane" or a relative path, which would
// make the help path depend on the current folder; then the module's own
// full path decides.
std::string ProgramFolder(std::string_view param0, std::string_view modulePath);

// Full path of the help file of the running program.
std::string HelpFilePath();

}  // namespace dirvane
