#pragma once
// The process error mode, set for a scope and put back on every path.
#include <windows.h>

namespace platform {

class ErrorModeScope {
public:
    explicit ErrorModeScope(UINT mode) : previous_(SetErrorMode(mode)) {}
    ~ErrorModeScope() { SetErrorMode(previous_); }
    ErrorModeScope(const ErrorModeScope&) = delete;
    ErrorModeScope& operator=(const ErrorModeScope&) = delete;

private:
    UINT previous_;
};

}  // namespace platform
