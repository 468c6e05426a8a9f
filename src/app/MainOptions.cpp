// Options: the settings file and the options dialog.
#include "app/Main.h"

namespace dirvane {

void TfrmMain::ReadWriteOptions(bool) {}
void TfrmMain::miOptionsClick() {}

}  // namespace dirvane
