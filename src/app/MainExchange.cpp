// Export of the list to a list file and import from one.
#include "app/Main.h"

#include "exchange/ListFileExport.h"
#include "exchange/ListFileFormat.h"
#include "exchange/ListFileImport.h"
#include "list/FolderStore.h"
#include "list/ListEntries.h"
#include "list/PairWriter.h"
#include "platform/FileSystem.h"
#include "resource.h"
#include "ui/MessageBox.h"
#include "ui/Text.h"

namespace dirvane {

void TfrmMain::miImportClick() {
    OpenDialog1.SetTitle(ui::LoadStr(IDS_IMPORT_TITLE));
    OpenDialog1.SetFilter(ui::LoadStr(IDS_DVK_FILTER));
    if (!OpenDialog1.Execute(Handle())) {
        return;
    }
    // Each appended entry is stored at once, through one opening of the key.
    PairWriter store(kProductKey);
    ImportListFile(lvMain, OpenDialog1.FileName(), [&store](int index, const FolderEntry& entry) {
        store.Write(index, entry.name, entry.path);
    });
}

void TfrmMain::miExportClick() {
    SaveDialog1.SetTitle(ui::LoadStr(IDS_EXPORT_TITLE));
    SaveDialog1.SetFilter(ui::LoadStr(IDS_DVK_FILTER));
    if (!SaveDialog1.Execute(Handle())) {
        return;
    }
    const std::string fileName = WithListFileExtension(SaveDialog1.FileName());
    if (platform::FileExists(fileName) &&
        ui::ShowMessage(fileName + ui::LoadStr(IDS_FILE_EXISTS),
                        MB_YESNO | MB_ICONINFORMATION | MB_DEFBUTTON2) != IDYES) {
        return;
    }
    ExportListFile(ReadEntries(lvMain), fileName);
}

}  // namespace dirvane
