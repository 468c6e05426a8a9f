// The help menu: help file, home page, About box.
#include "app/Main.h"

namespace dirvane {

void TfrmMain::miHelpClick() {}
void TfrmMain::miHomePageClick() {}
void TfrmMain::miAboutClick() {}

}  // namespace dirvane
