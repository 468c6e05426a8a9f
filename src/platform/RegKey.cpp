#include "platform/RegKey.h"

#include "platform/Errors.h"

#include <vector>

namespace platform {

namespace {
RegKey::WriteFault g_writeFault = nullptr;
}

void RegKey::SetWriteFaultForTesting(WriteFault fails) {
    g_writeFault = fails;
}

std::optional<RegKey> RegKey::Open(const std::string& path, bool create) {
    HKEY key = nullptr;
    LONG rc;
    if (create) {
        rc = RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                             KEY_ALL_ACCESS, nullptr, &key, nullptr);
    } else {
        rc = RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_ALL_ACCESS, &key);
    }
    if (rc != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return RegKey(key);
}

RegKey& RegKey::operator=(RegKey&& other) noexcept {
    if (this != &other) {
        if (key_) {
            RegCloseKey(key_);
        }
        key_ = other.key_;
        other.key_ = nullptr;
    }
    return *this;
}

RegKey::~RegKey() {
    if (key_) {
        RegCloseKey(key_);
    }
}

std::string RegKey::ReadString(const std::string& name) const {
    // Most list values are short: one call with a stack buffer, a second one
    // only when the value is longer.
    char small[512];
    DWORD type = 0;
    DWORD size = sizeof(small);
    LONG rc =
        RegQueryValueExA(key_, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(small), &size);
    if (rc == ERROR_FILE_NOT_FOUND) {
        return std::string();
    }
    std::vector<char> big;
    const char* data = small;
    while (rc == ERROR_MORE_DATA) {
        big.resize(size + 1);
        size = static_cast<DWORD>(big.size());
        rc = RegQueryValueExA(key_, name.c_str(), nullptr, &type,
                              reinterpret_cast<BYTE*>(big.data()), &size);
        data = big.data();
    }
    if (rc == ERROR_FILE_NOT_FOUND) {
        return std::string();
    }
    if (rc != ERROR_SUCCESS) {
        throw RegistryError(FormatError("Failed to get data for '%s'", name));
    }
    if (type != REG_SZ && type != REG_EXPAND_SZ) {
        throw RegistryError(FormatError("Invalid data type for '%s'", name));
    }
    // The stored size may or may not count the terminating NUL; the text
    // ends at the first NUL either way.
    std::string value(data, size);
    const auto nul = value.find('\0');
    if (nul != std::string::npos) {
        value.resize(nul);
    }
    return value;
}

void RegKey::WriteString(const std::string& name, const std::string& value) {
    if (g_writeFault && g_writeFault(name)) {
        throw RegistryError(FormatError("Failed to set data for '%s'", name));
    }
    const LONG rc =
        RegSetValueExA(key_, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>(value.size() + 1));
    if (rc != ERROR_SUCCESS) {
        throw RegistryError(FormatError("Failed to set data for '%s'", name));
    }
}

void RegKey::DeleteValue(const std::string& name) {
    RegDeleteValueA(key_, name.c_str());
}

}  // namespace platform
