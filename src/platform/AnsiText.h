#pragma once
// Helpers for ANSI code-page byte strings. Double-byte characters are
// walked with the system's lead-byte table, never one byte per character.
#include <string>
#include <string_view>

namespace platform {

std::string IntToStr(long long value);
// Decimal, or hexadecimal after "0x", "0X" or "$"; an optional sign.
// Anything else (blanks included) gives def.
int StrToIntDef(std::string_view text, int def);
// Maps a-z onto A-Z; every other byte stays.
std::string UpperAscii(std::string_view text);
// True when the last character (not merely the last byte) is a backslash.
bool EndsWithPathDelimiter(std::string_view text);
std::string IncludeTrailingBackslash(std::string_view text);
// Folder part of a path up to and including its last "\" or ":".
std::string ExtractFileDir(std::string_view path);

}  // namespace platform
