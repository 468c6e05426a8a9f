#pragma once
// TfrmOptions: the three user options as check boxes. OK copies them into
// GlobalOptions and has the caller save the settings; Cancel changes nothing.
#include <functional>

#include "ui/DialogForm.h"
#include "ui/FlatButton.h"
#include "ui/FlatCheckBox.h"
#include "ui/Form.h"
#include "ui/GroupBox.h"

namespace dirvane {

class TfrmOptions : public ui::DialogForm {
public:
    // saveOptions runs after OK has stored the checks (the main window's
    // ReadWriteOptions(true)).
    TfrmOptions(ui::Form& owner, std::function<void()> saveOptions);

    void FormCreate();
    void bOKClick();
    void bCancelClick();
    // Store false: check boxes from GlobalOptions; true: the other way.
    void SyncChecks(bool store);

    ui::GroupBox GroupBox1;
    ui::FlatCheckBox cbEnableImage;
    ui::FlatCheckBox cbExploreFolder;
    ui::FlatCheckBox cbAskDelete;
    ui::FlatButton bOK;
    ui::FlatButton bCancel;

protected:
    void OkPressed() override { bOKClick(); }
    void CancelPressed() override { bCancelClick(); }

private:
    std::function<void()> saveOptions_;
};

}  // namespace dirvane
