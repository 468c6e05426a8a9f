// Sorting the list by name.
#include "app/Main.h"

#include "list/FolderStore.h"
#include "list/Sort.h"
#include "resource.h"
#include "ui/Text.h"

namespace dirvane {

void TfrmMain::aSortExecute() {
    SortListByName(lvMain, FSortAscending);
    FSortAscending = !FSortAscending;
    // The hint announces the direction of the next sort.
    aSort->SetHint(ui::LoadStr(FSortAscending ? IDS_SORT_HINT_ASC : IDS_SORT_HINT_DESC));
    SaveItemRange(kProductKey, 0, lvMain.Count() - 1);
}

}  // namespace dirvane
