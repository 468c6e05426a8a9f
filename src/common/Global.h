#pragma once
// The three user options, shared by the main window and the options dialog.
namespace dirvane {

struct TGlobalOptions {
    bool ExploreFolder = false;  // stored as "ExploerFolder" in the product key
    bool AskDelete = false;      // stored in options.ini
    bool EnableImage = false;    // stored as "PicView" in the product key
};

extern TGlobalOptions GlobalOptions;

}  // namespace dirvane
