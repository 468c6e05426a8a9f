#pragma once
// Whole-section access to private-profile (INI) files through the system's
// calls. A list file holds two keys per entry; asking for them one by one
// makes the system search the section (and on writes, rewrite the file) each
// time, which takes minutes for thousands of entries. One section read or
// write does the same work once.
#include <string>
#include <string_view>
#include <vector>

namespace dirvane {

// The section's lines ("key=value") as the system reads them, values whole
// whatever their length; none when the file or the section is missing.
std::vector<std::string> ReadIniSection(const std::string& fileName, const std::string& section);
// Replaces the section's lines, creating the file and the section as needed;
// other sections stay. Throws platform::IniFileError "Unable to write to <file>".
void WriteIniSection(const std::string& fileName, const std::string& section,
                     const std::vector<std::string>& lines);
// One value (surrounding quotes removed, as the system does), whole whatever
// its length; def when the file, section or key is missing.
std::string ReadIniString(const std::string& fileName, const std::string& section,
                          const std::string& key, const std::string& def);

// The key of a section line: the text before its first "=" (all of it when
// there is none), without surrounding blanks.
std::string_view LineKey(std::string_view line);
// The value of a section line: the text after its first "=", without
// surrounding blanks.
std::string_view LineValue(std::string_view line);

}  // namespace dirvane
