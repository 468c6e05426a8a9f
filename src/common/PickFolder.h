#pragma once
// The system's folder-browse dialog, modal over the whole application and
// centred on the screen.
#include <windows.h>

#include <string>

namespace dirvane {

// title: shown above the folder tree. root: top of the tree (empty: the
// desktop). folder: in, a starting folder, cleared when it does not exist
// (it preselects nothing); out, the chosen folder's path. True when a
// file-system folder was chosen; folder is unchanged otherwise.
bool PickFolder(const std::string& title, const std::string& root, std::string& folder);

// The dialog's callback: centres the dialog, by its client area, on the
// primary screen once it is initialised. Always 0.
int CALLBACK CenterBrowseCallback(HWND window, UINT message, LPARAM param, LPARAM data);

}  // namespace dirvane
