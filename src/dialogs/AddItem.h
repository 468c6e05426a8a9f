#pragma once
// TfrmProperty: the dialog in which one folder entry is entered, a name and
// a folder path, or instead a separator. It validates its input before it
// closes with OK; the caller reads the fields afterwards. It never touches
// the list or the registry.
#include <string>

#include "ui/DialogForm.h"
#include "ui/FlatButton.h"
#include "ui/FlatCheckBox.h"
#include "ui/FlatEdit.h"
#include "ui/FlatSpeedButton.h"
#include "ui/Form.h"
#include "ui/GroupBox.h"
#include "ui/Label.h"

namespace dirvane {

class TfrmProperty : public ui::DialogForm {
public:
    // The boxes start with name and path; the separator entry opens with the
    // box checked and the group disabled. Caption "添加项目" (the edit command
    // sets its own with SetCaption).
    TfrmProperty(ui::Form& owner, const std::string& name, const std::string& path);

    void cAddSeparatorClick();
    void fsbBrowseClick();
    void fbOkClick();
    void fbCancelClick();

    // Results, read after ShowModal() == ui::mrOk.
    ui::FlatCheckBox cAddSeparator;
    ui::FlatEdit feName;
    ui::FlatEdit fePath;

    ui::GroupBox GroupBox1;
    ui::Label Label1;  // "别名"
    ui::Label Label2;  // "路径"
    ui::FlatSpeedButton fsbBrowse;
    ui::FlatButton fbOk;
    ui::FlatButton fbCancel;

protected:
    void OkPressed() override { fbOkClick(); }
    void CancelPressed() override { fbCancelClick(); }
};

// The text after the last "\" of a folder path, or the whole path when there
// is none or nothing follows it ("C:\Windows\System32" gives "System32",
// "C:\" stays "C:\"). Double-byte characters are walked whole.
std::string LastPathPart(const std::string& path);

}  // namespace dirvane
