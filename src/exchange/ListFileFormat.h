#pragma once
// List files: INI text with one section [Dirvane] holding Count and the
// pairs N<i>/P<i>, named with the extension ".dvk".
#include <string>
#include <string_view>

namespace dirvane {

inline constexpr char kListSection[] = "Dirvane";
inline constexpr char kListCountKey[] = "Count";

// The text from the last "." that follows the last "\" or ":" (double-byte
// characters walked whole); empty when there is none.
std::string_view FileExtension(std::string_view fileName);
// The name with ".dvk" appended unless it already ends so, in any case.
std::string WithListFileExtension(std::string_view fileName);

}  // namespace dirvane
