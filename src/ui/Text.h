#pragma once
// Texts from the resource string table, as code-page bytes.
#include <windows.h>

#include <string>

namespace ui {

std::string LoadStr(UINT id);

}  // namespace ui
