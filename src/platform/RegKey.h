#pragma once
// A registry key under HKEY_CURRENT_USER, opened for full access and closed
// by its destructor on every path. Values are ANSI strings (code-page bytes).
#include <windows.h>

#include <optional>
#include <string>

namespace platform {

class RegKey {
public:
    // Empty when the key cannot be opened (or does not exist and create is false).
    static std::optional<RegKey> Open(const std::string& path, bool create);

    RegKey(RegKey&& other) noexcept : key_(other.key_) { other.key_ = nullptr; }
    RegKey& operator=(RegKey&& other) noexcept;
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;
    ~RegKey();

    // A missing value reads as empty; a value of another type than a string
    // throws "Invalid data type for '<name>'"; a failed read throws
    // "Failed to get data for '<name>'". Values of any length come back whole.
    std::string ReadString(const std::string& name) const;
    // Throws "Failed to set data for '<name>'".
    void WriteString(const std::string& name, const std::string& value);
    // A missing value is no error.
    void DeleteValue(const std::string& name);

    HKEY Handle() const { return key_; }

    // Fault injection for tests: while set, a write of a value for which
    // `fails` returns true fails as a refused registry write would.
    using WriteFault = bool (*)(const std::string& name);
    static void SetWriteFaultForTesting(WriteFault fails);

private:
    explicit RegKey(HKEY key) : key_(key) {}
    HKEY key_ = nullptr;
};

}  // namespace platform
