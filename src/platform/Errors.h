#pragma once
// Errors of the platform layer. Their texts are what the user sees in the
// application's error report, so they are formed here once.
#include <stdexcept>
#include <string>

namespace platform {

class RegistryError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class IniFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// "Invalid data type for 'N0'" and its kin: fmt holds one %s.
std::string FormatError(const char* fmt, const std::string& arg);

}  // namespace platform
