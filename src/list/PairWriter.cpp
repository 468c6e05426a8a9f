#include "list/PairWriter.h"

#include "list/FolderStore.h"

namespace dirvane {

void PairWriter::Write(int index, const std::string& name, const std::string& path) {
    if (!opened_) {
        opened_ = true;
        reg_ = platform::RegKey::Open(key_, true);
    }
    if (reg_) {
        reg_->WriteString(NameValueName(index), name);
        reg_->WriteString(PathValueName(index), path);
    }
}

}  // namespace dirvane
