// The list editing commands of the main window.
#include "app/Main.h"

#include "common/Global.h"
#include "list/FolderStore.h"
#include "list/ListCommands.h"
#include "resource.h"
#include "ui/MessageBox.h"
#include "ui/Text.h"

namespace dirvane {

void TfrmMain::aAddFolderExecute() {}
void TfrmMain::aEditExecute() {}

void TfrmMain::aDeleteExecute() {
    const int index = lvMain.Selected();
    if (index < 0) {
        return;
    }
    if (GlobalOptions.AskDelete &&
        ui::ShowMessage(ui::LoadStr(IDS_ASK_DELETE), MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) !=
            IDYES) {
        return;
    }
    DeleteEntry(lvMain, kProductKey, index);
}

void TfrmMain::aItemUpExecute() {
    MoveEntryUp(lvMain, kProductKey, lvMain.Selected());
}

void TfrmMain::aItemDownExecute() {
    MoveEntryDown(lvMain, kProductKey, lvMain.Selected());
}

}  // namespace dirvane
