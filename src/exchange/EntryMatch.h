#pragma once
// When an entry of a list file is already in the list: the same name, exactly,
// and the same path as a folder (see ComparablePath).
#include <string>
#include <string_view>
#include <unordered_set>

#include "list/FolderEntry.h"

namespace dirvane {

// A path as import compares it: a "\" appended unless the last character is
// one (the trail byte 0x5C of a double-byte character is not), and the
// single-byte letters a-z upper-cased. Bytes of double-byte characters stay
// as they are: two different characters never become equal.
std::string ComparablePath(std::string_view path);
bool SamePath(std::string_view a, std::string_view b);

// The entries known so far, looked up in constant time.
class EntrySet {
public:
    // False when the entry was there already.
    bool Insert(const FolderEntry& entry);
    void Reserve(size_t n) { keys_.reserve(n); }

private:
    static std::string Key(const FolderEntry& entry);
    std::unordered_set<std::string> keys_;
};

}  // namespace dirvane
