#include "exchange/ListFileExport.h"

#include <unordered_map>

#include "exchange/ListFileFormat.h"
#include "exchange/IniSection.h"
#include "platform/AnsiText.h"

namespace dirvane {

namespace {

// The section's lines, with each key's first line found by its key in any
// letter case, as the system finds the key it updates.
class SectionLines {
public:
    explicit SectionLines(std::vector<std::string> lines) : lines_(std::move(lines)) {
        first_.reserve(lines_.size());
        for (size_t k = 0; k < lines_.size(); ++k) {
            first_.try_emplace(platform::UpperAscii(LineKey(lines_[k])), k);
        }
    }

    void Set(const std::string& key, const std::string& value) {
        const auto [at, added] = first_.try_emplace(platform::UpperAscii(key), lines_.size());
        if (added) {
            lines_.push_back(key + "=" + value);
        } else {
            std::string& line = lines_[at->second];
            line = std::string(LineKey(line)) + "=" + value;
        }
    }

    const std::vector<std::string>& Lines() const { return lines_; }

private:
    std::vector<std::string> lines_;
    std::unordered_map<std::string, size_t> first_;
};

std::string IndexedKey(char prefix, size_t index) {
    return prefix + platform::IntToStr(static_cast<long long>(index));
}

}  // namespace

void ExportListFile(const std::vector<FolderEntry>& entries, const std::string& fileName) {
    SectionLines section(ReadIniSection(fileName, kListSection));
    section.Set(kListCountKey, platform::IntToStr(static_cast<long long>(entries.size())));
    for (size_t i = 0; i < entries.size(); ++i) {
        section.Set(IndexedKey('N', i), entries[i].name);
        section.Set(IndexedKey('P', i), entries[i].path);
    }
    WriteIniSection(fileName, kListSection, section.Lines());
}

}  // namespace dirvane
