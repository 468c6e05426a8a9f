#pragma once
// Writing many pairs N<i>/P<i> of the stored list in a row, through one
// opening of the key. For bulk appends: opening the key again for every value,
// as WriteRegValue does, costs more than the writes themselves.
#include <optional>
#include <string>

#include "platform/RegKey.h"

namespace dirvane {

class PairWriter {
public:
    explicit PairWriter(std::string key) : key_(std::move(key)) {}

    // Opens the key (creating it) on first use. As WriteRegValue: nothing is
    // written when it cannot be opened; a failed write throws.
    void Write(int index, const std::string& name, const std::string& path);

private:
    std::string key_;
    std::optional<platform::RegKey> reg_;
    bool opened_ = false;
};

}  // namespace dirvane
