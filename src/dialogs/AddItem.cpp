#include "dialogs/AddItem.h"

#include "common/PickFolder.h"
#include "layout/PropertyLayout.h"
#include "list/FolderEntry.h"
#include "platform/FileSystem.h"
#include "resource.h"
#include "ui/FontCopy.h"
#include "ui/MessageBox.h"
#include "ui/Text.h"

namespace dirvane {

namespace L = layout::property;
using ui::LoadStr;

TfrmProperty::TfrmProperty(ui::Form& owner, const std::string& name, const std::string& path) {
    UseFont(ui::CopyFont(owner.Font()));
    CreateDialogWindow(owner.Handle(), "TfrmProperty", LoadStr(IDS_PROP_CAPTION_ADD),
                       L::kClientWidth, L::kClientHeight);

    const HWND h = Handle();
    const HFONT font = Font();
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    GroupBox1.Create(h, L::kGroupBox1.id, std::string(), L::kGroupBox1.bounds, font);
    Label1.Create(h, L::kNameLabel.id, LoadStr(IDS_PROP_NAME), L::kNameLabel.bounds, font);
    feName.Create(h, L::kName.id, L::kName.bounds, font, face);
    Label2.Create(h, L::kPathLabel.id, LoadStr(IDS_PROP_PATH), L::kPathLabel.bounds, font);
    fePath.Create(h, L::kPath.id, L::kPath.bounds, font, face);
    fsbBrowse.Create(h, L::kBrowse.id, LoadStr(IDS_PROP_BROWSE), L::kBrowse.bounds, font);
    cAddSeparator.Create(h, L::kAddSeparator.id, LoadStr(IDS_PROP_SEPARATOR),
                         L::kAddSeparator.bounds, font);
    fbOk.Create(h, L::kOk.id, LoadStr(IDS_OK), L::kOk.bounds, font);
    fbCancel.Create(h, L::kCancel.id, LoadStr(IDS_CANCEL), L::kCancel.bounds, font);
    GroupBox1.AddMember(feName);
    GroupBox1.AddMember(fePath);
    GroupBox1.AddMember(fsbBrowse);

    cAddSeparator.OnClick = [this] { cAddSeparatorClick(); };
    fsbBrowse.OnClick = [this] { fsbBrowseClick(); };
    fbOk.OnClick = [this] { fbOkClick(); };
    fbCancel.OnClick = [this] { fbCancelClick(); };

    feName.SetText(name);
    fePath.SetText(path);
    if (name == kSeparatorName && path == kSeparatorPath) {
        GroupBox1.SetEnabled(false);
        cAddSeparator.SetChecked(true);
    }
    // A disabled name box hands the first focus to the first tab stop.
    SetInitialFocus(feName.Handle());
    CenterOverOwner();
}

void TfrmProperty::cAddSeparatorClick() {
    GroupBox1.SetEnabled(!cAddSeparator.Checked());
}

void TfrmProperty::fsbBrowseClick() {
    std::string folder;
    if (PickFolder(LoadStr(IDS_BROWSE_TITLE), std::string(), folder)) {
        fePath.SetText(folder);
        feName.SetText(LastPathPart(folder));
    }
}

void TfrmProperty::fbOkClick() {
    if (cAddSeparator.Checked()) {
        SetModalResult(ui::mrOk);
        return;
    }
    const std::string path = fePath.Text();
    if (feName.Text().empty() || path.empty()) {
        ui::ShowMessage(LoadStr(IDS_EMPTY_FIELD), MB_OK | MB_ICONERROR);
        return;
    }
    // Taken as typed: relative to the current folder, blanks included.
    if (platform::DirectoryExists(path)) {
        SetModalResult(ui::mrOk);
        return;
    }
    ui::ShowMessage(path + "," + LoadStr(IDS_PATH_MISSING), MB_OK | MB_ICONERROR);
    fePath.SetFocus();
}

void TfrmProperty::fbCancelClick() {
    SetModalResult(ui::mrCancel);
}

std::string LastPathPart(const std::string& path) {
    // Walk by characters: the second byte of a double-byte character may be
    // 0x5C, which is no path delimiter.
    size_t after = std::string::npos;
    size_t i = 0;
    while (i < path.size()) {
        const auto c = static_cast<BYTE>(path[i]);
        if (IsDBCSLeadByte(c) && i + 1 < path.size()) {
            i += 2;
            continue;
        }
        if (c == '\\') {
            after = i + 1;
        }
        ++i;
    }
    if (after != std::string::npos && after < path.size()) {
        return path.substr(after);
    }
    return path;
}

}  // namespace dirvane
