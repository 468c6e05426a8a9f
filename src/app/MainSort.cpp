// Sorting the list by name.
#include "app/Main.h"

namespace dirvane {

void TfrmMain::aSortExecute() {}

}  // namespace dirvane
