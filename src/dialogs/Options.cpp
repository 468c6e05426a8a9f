#include "dialogs/Options.h"

#include "common/Global.h"
#include "layout/OptionsLayout.h"
#include "resource.h"
#include "ui/FontCopy.h"
#include "ui/Text.h"

namespace dirvane {

namespace L = layout::options;
using ui::LoadStr;

TfrmOptions::TfrmOptions(ui::Form& owner, std::function<void()> saveOptions)
    : saveOptions_(std::move(saveOptions)) {
    UseFont(ui::CopyFont(owner.Font()));
    CreateDialogWindow(owner.Handle(), "TfrmOptions", LoadStr(IDS_OPT_CAPTION), L::kClientWidth,
                       L::kClientHeight);

    const HWND h = Handle();
    const HFONT font = Font();
    GroupBox1.Create(h, L::kGroupBox1.id, std::string(), L::kGroupBox1.bounds, font);
    cbExploreFolder.Create(h, L::kExploreFolder.id, LoadStr(IDS_OPT_EXPLOREFOLDER),
                           L::kExploreFolder.bounds, font);
    cbAskDelete.Create(h, L::kAskDelete.id, LoadStr(IDS_OPT_ASKDELETE), L::kAskDelete.bounds, font);
    cbEnableImage.Create(h, L::kEnableImage.id, LoadStr(IDS_OPT_ENABLEIMAGE),
                         L::kEnableImage.bounds, font);
    bOK.Create(h, L::kOK.id, LoadStr(IDS_OK), L::kOK.bounds, font);
    bCancel.Create(h, L::kCancel.id, LoadStr(IDS_CANCEL), L::kCancel.bounds, font);
    GroupBox1.AddMember(cbExploreFolder);
    GroupBox1.AddMember(cbAskDelete);
    GroupBox1.AddMember(cbEnableImage);
    bOK.OnClick = [this] { bOKClick(); };
    bCancel.OnClick = [this] { bCancelClick(); };
    SetInitialFocus(cbExploreFolder.Handle());

    CenterOverOwner();
    FormCreate();
}

void TfrmOptions::FormCreate() {
    SyncChecks(false);
}

void TfrmOptions::SyncChecks(bool store) {
    if (store) {
        GlobalOptions.EnableImage = cbEnableImage.Checked();
        GlobalOptions.ExploreFolder = cbExploreFolder.Checked();
        GlobalOptions.AskDelete = cbAskDelete.Checked();
    } else {
        cbEnableImage.SetChecked(GlobalOptions.EnableImage);
        cbExploreFolder.SetChecked(GlobalOptions.ExploreFolder);
        cbAskDelete.SetChecked(GlobalOptions.AskDelete);
    }
}

void TfrmOptions::bOKClick() {
    SyncChecks(true);
    if (saveOptions_) {
        saveOptions_();
    }
    SetModalResult(ui::mrOk);
}

void TfrmOptions::bCancelClick() {
    SetModalResult(ui::mrCancel);
}

}  // namespace dirvane
