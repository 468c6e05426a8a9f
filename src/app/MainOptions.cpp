// Options: the settings file and the options dialog.
#include "app/Main.h"

#include "common/ReadWriteOptions.h"
#include "dialogs/Options.h"
#include "list/FolderStore.h"

namespace dirvane {

void TfrmMain::ReadWriteOptions(bool save) {
    const OptionsTarget target{*this, lvMain, FStartMaximized,
                               [this](const std::string& name, const std::string& value) {
                                   WriteRegValue(kProductKey, name, value);
                               }};
    dirvane::ReadWriteOptions(save, OptionsFilePath(), target);
}

void TfrmMain::miOptionsClick() {
    TfrmOptions options(*this, [this] { ReadWriteOptions(true); });
    options.ShowModal();
}

}  // namespace dirvane
