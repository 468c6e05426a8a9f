#include "platform/FileSystem.h"

#include "platform/AnsiText.h"

#include <windows.h>

#include <vector>

namespace platform {

std::string ExePath() {
    std::vector<char> buf(MAX_PATH);
    for (;;) {
        const DWORD n = GetModuleFileNameA(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
        if (n == 0) {
            return std::string();
        }
        if (n < buf.size()) {
            return std::string(buf.data(), n);
        }
        buf.resize(buf.size() * 2);
    }
}

std::string ExeDir() {
    return ExtractFileDir(ExePath());
}

std::string WindowsDirectory() {
    // Ask for the length first: a fixed buffer can leave a cut or garbage path.
    const UINT need = GetWindowsDirectoryA(nullptr, 0);
    if (need == 0) {
        return std::string();
    }
    std::vector<char> buf(need + 1);
    const UINT n = GetWindowsDirectoryA(buf.data(), static_cast<UINT>(buf.size()));
    if (n == 0 || n >= buf.size()) {
        return std::string();
    }
    return std::string(buf.data(), n);
}

bool DirectoryExists(const std::string& path) {
    const DWORD attr = GetFileAttributesA(path.c_str());
    return attr != INVALID_FILE_ATTRIBUTES && (attr & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool FileExists(const std::string& path) {
    const DWORD attr = GetFileAttributesA(path.c_str());
    return attr != INVALID_FILE_ATTRIBUTES && (attr & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace platform
