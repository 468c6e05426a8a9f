// The help menu: help file, home page, About box.
#include "app/HelpFile.h"
#include "app/Main.h"
#include "dialogs/About.h"
#include "platform/ShellOpen.h"
#include "resource.h"
#include "ui/Text.h"

namespace dirvane {

void TfrmMain::miHelpClick() {
    platform::ShellOpen(Handle(), HelpFilePath());
}

void TfrmMain::miHomePageClick() {
    platform::ShellOpen(Handle(), ui::LoadStr(IDS_ABOUT_WEB));
}

void TfrmMain::miAboutClick() {
    TfrmAbout about(Handle());
    about.ShowModal();
}

}  // namespace dirvane
