#pragma once
// File-system and process facts, as ANSI code-page paths.
#include <string>

namespace platform {

// Full path of the running executable, whatever its length.
std::string ExePath();
// Folder of the running executable, with its trailing backslash.
std::string ExeDir();
// The Windows directory as the system reports it, whatever its length.
std::string WindowsDirectory();
bool DirectoryExists(const std::string& path);
bool FileExists(const std::string& path);

}  // namespace platform
