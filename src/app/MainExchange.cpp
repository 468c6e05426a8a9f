// Export of the list to a list file and import from one.
#include "app/Main.h"

namespace dirvane {

void TfrmMain::miImportClick() {}
void TfrmMain::miExportClick() {}

}  // namespace dirvane
