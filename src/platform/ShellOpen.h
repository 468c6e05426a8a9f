#pragma once
// Hands a document, web address or "mailto:" address to the shell.
#include <windows.h>

#include <string>

namespace platform {

// Verb "Open", no parameters, no working directory, SW_SHOW. Whatever the
// shell makes of it (a missing file, no browser) is all the user sees: the
// result is not looked at.
void ShellOpen(HWND owner, const std::string& target);

}  // namespace platform
