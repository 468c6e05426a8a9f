#include "app/HelpFile.h"

#include <cstdlib>

#include "platform/AnsiText.h"
#include "platform/FileSystem.h"
#include "resource.h"
#include "ui/Text.h"

namespace dirvane {

namespace {

// "X:\..." or a UNC path "\\server\share\...".
bool IsFullPath(std::string_view path) {
    const bool drive = path.size() >= 3 &&
                       ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z')) &&
                       path[1] == ':' && path[2] == '\\';
    return drive || path.starts_with("\\\\");
}

}  // namespace

std::string ProgramFolder(std::string_view param0, std::string_view modulePath) {
    return platform::ExtractFileDir(IsFullPath(param0) ? param0 : modulePath);
}

std::string HelpFilePath() {
    const char* param0 = (__argc > 0 && __argv && __argv[0]) ? __argv[0] : "";
    return ProgramFolder(param0, platform::ExePath()) + ui::LoadStr(IDS_HELP_FILE);
}

}  // namespace dirvane
