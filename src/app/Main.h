#pragma once
// TfrmMain: the program's only top-level window. The folder list lives in
// lvMain; every change is written through to the product key at once.
#include <string>

#include "ui/Action.h"
#include "ui/FileDialog.h"
#include "ui/FlatMenuPainter.h"
#include "ui/Form.h"
#include "ui/ListView.h"
#include "ui/MainMenu.h"
#include "ui/ToolBar.h"

namespace dirvane {

// Posted by a second start to the running instance.
inline constexpr UINT WM_ACTIVATEINSTANCE = WM_USER + 4099;

class TfrmMain : public ui::Form {
public:
    TfrmMain();
    ~TfrmMain() override;

    // First showing: runs FormShow, centres on the screen, shows.
    void Show();

    // Store operations on lvMain and the product key.
    void WriteRegValue(const std::string& key, const std::string& name, const std::string& value);
    void SaveItemRange(const std::string& key, int first, int last);
    void DeleteItemValues(const std::string& key, int index);
    void LoadList();

    void AdjustLayout();
    void ReadWriteOptions(bool save);

    // Event handlers.
    void FormCreate();
    void FormShow();
    void FormPaint();
    void FormResize();
    void FormClose();
    void lvMainDblClick();
    void WMActivateInstance();

    void aAddFolderExecute();
    void aEditExecute();
    void aDeleteExecute();
    void aItemUpExecute();
    void aItemDownExecute();
    void aSortExecute();
    void aExitExecute();
    void aRefreshExecute();
    void aEditUpdate(ui::Action& action);
    void aItemUpUpdate(ui::Action& action);
    void aItemDownUpdate(ui::Action& action);
    void aSortUpdate(ui::Action& action);

    void miOptionsClick();
    void miImportClick();
    void miExportClick();
    void miHelpClick();
    void miHomePageClick();
    void miAboutClick();

    // Components, named as the form's layout names them.
    ui::ToolBar ToolBar1;
    ui::ListView lvMain;
    ui::ActionList ActionList1;
    ui::Action* aAddFolder = nullptr;
    ui::Action* aEdit = nullptr;
    ui::Action* aDelete = nullptr;
    ui::Action* aItemUp = nullptr;
    ui::Action* aItemDown = nullptr;
    ui::Action* aSort = nullptr;
    ui::Action* aExit = nullptr;
    ui::Action* aRefresh = nullptr;
    ui::MainMenu MainMenu1;
    ui::FlatMenuPainter XPMenu1;  // draws MainMenu1's drop-downs flat
    ui::FileDialog OpenDialog1{ui::FileDialog::Kind::Open};
    ui::FileDialog SaveDialog1{ui::FileDialog::Kind::Save};

    bool SortAscending() const { return FSortAscending; }
    bool StartMaximized() const { return FStartMaximized; }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    void MenuCommand(int id) override;

private:
    void CreateComponents();
    void CreateActions();
    void CreateToolButtons();
    void CreateMenu();
    void UpdateActions();

    bool FSortAscending = true;
    bool FStartMaximized = false;
    ui::BrushHandle formBrush_;
    int idleToken_ = 0;
};

}  // namespace dirvane
