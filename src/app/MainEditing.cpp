// The list editing commands of the main window.
#include "app/Main.h"

#include "common/Global.h"
#include "dialogs/AddItem.h"
#include "list/FolderStore.h"
#include "list/ListCommands.h"
#include "resource.h"
#include "ui/MessageBox.h"
#include "ui/Text.h"

namespace dirvane {

namespace {
// What the item dialog holds after OK: a separator when the box is checked,
// whatever the name and path boxes say.
FolderEntry EnteredEntry(const TfrmProperty& dialog) {
    if (dialog.cAddSeparator.Checked()) {
        return FolderEntry::Separator();
    }
    return FolderEntry{dialog.feName.Text(), dialog.fePath.Text()};
}
}  // namespace

void TfrmMain::aAddFolderExecute() {
    TfrmProperty dialog(*this, std::string(), std::string());
    if (dialog.ShowModal() == ui::mrOk) {
        AddEntry(lvMain, kProductKey, EnteredEntry(dialog));
    }
}

void TfrmMain::aEditExecute() {
    const int index = lvMain.Selected();
    if (index < 0) {
        return;
    }
    TfrmProperty dialog(*this, lvMain.Caption(index), lvMain.SubItem(index));
    dialog.SetCaption(ui::LoadStr(IDS_PROP_CAPTION_EDIT));
    if (dialog.ShowModal() == ui::mrOk) {
        ReplaceEntry(lvMain, kProductKey, index, EnteredEntry(dialog));
    }
}

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
