// The list editing commands of the main window.
#include "app/Main.h"

namespace dirvane {

void TfrmMain::aAddFolderExecute() {}
void TfrmMain::aEditExecute() {}
void TfrmMain::aDeleteExecute() {}
void TfrmMain::aItemUpExecute() {}
void TfrmMain::aItemDownExecute() {}

}  // namespace dirvane
