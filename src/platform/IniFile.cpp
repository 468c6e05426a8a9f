#include "platform/IniFile.h"

#include "platform/AnsiText.h"
#include "platform/Errors.h"

#include <windows.h>

#include <utility>
#include <vector>

namespace platform {

IniFile::IniFile(std::string fileName) : fileName_(std::move(fileName)) {}

IniFile::IniFile(IniFile&& other) noexcept : fileName_(std::exchange(other.fileName_, {})) {}

IniFile& IniFile::operator=(IniFile&& other) noexcept {
    if (this != &other) {
        fileName_ = std::exchange(other.fileName_, {});
    }
    return *this;
}

IniFile::~IniFile() {
    if (!fileName_.empty()) {
        // All three NULL: write the system's cached copy of this file out.
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, fileName_.c_str());
    }
}

std::string IniFile::ReadString(const std::string& section, const std::string& key,
                                const std::string& def) const {
    // Settings fit the first buffer; list files may hold longer values, so
    // grow until the value is no longer cut (a cut value fills size - 1).
    std::vector<char> buf(2048);
    for (;;) {
        const DWORD n =
            GetPrivateProfileStringA(section.c_str(), key.c_str(), def.c_str(), buf.data(),
                                     static_cast<DWORD>(buf.size()), fileName_.c_str());
        if (n + 1 < buf.size()) {
            return std::string(buf.data(), n);
        }
        buf.resize(buf.size() * 4);
    }
}

int IniFile::ReadInteger(const std::string& section, const std::string& key, int def) const {
    return StrToIntDef(ReadString(section, key, std::string()), def);
}

bool IniFile::ReadBool(const std::string& section, const std::string& key, bool def) const {
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

void IniFile::WriteString(const std::string& section, const std::string& key,
                          const std::string& value) {
    if (!WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(),
                                    fileName_.c_str())) {
        throw IniFileError(FormatError("Unable to write to %s", fileName_));
    }
}

void IniFile::WriteInteger(const std::string& section, const std::string& key, int value) {
    WriteString(section, key, IntToStr(value));
}

void IniFile::WriteBool(const std::string& section, const std::string& key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

}  // namespace platform
