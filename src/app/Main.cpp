#include "app/Main.h"

#include "ClassName.h"
#include "common/Global.h"
#include "layout/MainLayout.h"
#include "list/FolderStore.h"
#include "platform/FileSystem.h"
#include "resource.h"
#include "ui/Application.h"
#include "ui/ImageStrip.h"
#include "ui/Text.h"

namespace dirvane {

namespace L = layout::main;
using ui::LoadStr;

TfrmMain::TfrmMain() {
    Params p{};
    p.className = resources::kMainClassName;
    p.caption = LoadStr(IDS_MAIN_CAPTION);
    p.style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    p.width = L::kWidth;
    p.height = L::kHeight;
    p.icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_DIRVANE));
    UseFont(ui::MakeFont(L::kFontFace, L::kFontHeight, GB2312_CHARSET));
    CreateForm(p);
    // The caption and task bar take the icon's own 16-pixel image.
    SendMessageA(Handle(), WM_SETICON, ICON_SMALL,
                 reinterpret_cast<LPARAM>(LoadImageA(GetModuleHandleA(nullptr),
                                                     MAKEINTRESOURCEA(IDI_DIRVANE), IMAGE_ICON, 16,
                                                     16, LR_SHARED)));
    CreateComponents();
    ui::Guarded([this] { FormCreate(); });
}

TfrmMain::~TfrmMain() {
    auto& app = ui::Application::Instance();
    app.RemoveIdleHandler(idleToken_);
    app.SetAccelerators(nullptr, nullptr);
    if (app.MainForm() == this) {
        app.SetMainForm(nullptr);
    }
}

void TfrmMain::CreateComponents() {
    ToolBar1.Create(Handle(), L::kToolBarId, L::kToolBarHeight, L::kToolBarIndent, L::kButtonSize,
                    Font());
    lvMain.Create(Handle(), L::kListViewId, RECT{0, 0, 100, 100}, Font());
    lvMain.AddColumn(LoadStr(IDS_COL_NAME), L::kColumnNameWidth);
    lvMain.AddColumn(LoadStr(IDS_COL_PATH), L::kColumnPathWidth);
    lvMain.OnDblClick = [this] { lvMainDblClick(); };
    CreateActions();
    CreateMenu();
    MainMenu1.SetImages(ui::LoadImageStrip(IDB_MENU16, L::kMenuImageSize));  // ImageList1
    XPMenu1.Attach(MainMenu1);
    ToolBar1.SetImages(ui::LoadImageStrip(IDB_TOOLBAR32, L::kToolImageSize));  // ImageList2
    CreateToolButtons();
    formBrush_.Reset(CreateSolidBrush(L::kFormColor));
    RECT client = ClientRect();
    ToolBar1.SetBounds(0, 0, client.right, L::kToolBarHeight);
    idleToken_ = ui::Application::Instance().AddIdleHandler([this] { UpdateActions(); });
}

void TfrmMain::CreateActions() {
    auto add = [this](int id, UINT caption, UINT hint, ui::ShortCut key) {
        return &ActionList1.Add(id, LoadStr(caption), hint ? LoadStr(hint) : std::string(), key);
    };
    aAddFolder = add(IDM_ADDFOLDER, IDS_ADDFOLDER_CAPTION, IDS_ADDFOLDER_HINT, {FCONTROL, 'A'});
    aEdit = add(IDM_EDIT, IDS_EDIT_CAPTION, IDS_EDIT_HINT, {});
    aDelete = add(IDM_DELETE, IDS_DELETE_CAPTION, IDS_DELETE_HINT, {});
    aItemUp = add(IDM_ITEMUP, IDS_ITEMUP_CAPTION, 0, {FCONTROL, 'U'});
    aItemDown = add(IDM_ITEMDOWN, IDS_ITEMDOWN_CAPTION, 0, {FCONTROL, 'D'});
    aSort = add(IDM_SORT, IDS_SORT_CAPTION, IDS_SORT_HINT_ASC, {});
    aExit = add(IDM_EXIT, IDS_EXIT_CAPTION, IDS_EXIT_HINT, {});
    aRefresh = add(IDM_REFRESH, IDS_REFRESH_CAPTION, IDS_REFRESH_HINT, {});

    aAddFolder->OnExecute = [this] { aAddFolderExecute(); };
    aEdit->OnExecute = [this] { aEditExecute(); };
    aDelete->OnExecute = [this] { aDeleteExecute(); };
    aItemUp->OnExecute = [this] { aItemUpExecute(); };
    aItemDown->OnExecute = [this] { aItemDownExecute(); };
    aSort->OnExecute = [this] { aSortExecute(); };
    aExit->OnExecute = [this] { aExitExecute(); };
    aRefresh->OnExecute = [this] { aRefreshExecute(); };

    aEdit->OnUpdate = [this](ui::Action& a) { aEditUpdate(a); };
    aDelete->OnUpdate = [this](ui::Action& a) { aEditUpdate(a); };
    aItemUp->OnUpdate = [this](ui::Action& a) { aItemUpUpdate(a); };
    aItemDown->OnUpdate = [this](ui::Action& a) { aItemDownUpdate(a); };
    aSort->OnUpdate = [this](ui::Action& a) { aSortUpdate(a); };
}

void TfrmMain::CreateToolButtons() {
    // Images of ImageList2 are in action order: add, edit, delete, up, down,
    // sort, exit, refresh.
    ToolBar1.AddButton(*aAddFolder, 0, LoadStr(IDS_TB_ADD), LoadStr(IDS_TB_ADD_HINT));
    ToolBar1.AddButton(*aEdit, 1, LoadStr(IDS_TB_EDIT), LoadStr(IDS_TB_EDIT_HINT));
    ToolBar1.AddButton(*aDelete, 2, LoadStr(IDS_TB_DELETE), LoadStr(IDS_TB_DELETE_HINT));
    ToolBar1.AddSeparator(8);
    ToolBar1.AddSeparator(6);
    ToolBar1.AddButton(*aItemUp, 3, LoadStr(IDS_TB_UP), LoadStr(IDS_TB_UP_HINT));
    ToolBar1.AddButton(*aItemDown, 4, LoadStr(IDS_TB_DOWN), LoadStr(IDS_TB_DOWN_HINT));
    ToolBar1.AddSeparator(8);
    ToolBar1.AddSeparator(8);
    ToolBar1.AddButton(*aRefresh, 7, LoadStr(IDS_TB_REFRESH), std::string());
    ToolBar1.AddSeparator(8);
    ToolBar1.AddSeparator(8);
    ToolBar1.AddButton(*aExit, 6, LoadStr(IDS_TB_EXIT), std::string());
}

void TfrmMain::CreateMenu() {
    using ui::MenuItemDef;
    auto sep = [] { return MenuItemDef{0, "-", {}, nullptr, -1, {}}; };
    auto act = [](int id, UINT caption, ui::ShortCut key, ui::Action* a, int image) {
        return MenuItemDef{id, LoadStr(caption), key, a, image, {}};
    };
    auto click = [](int id, UINT caption, ui::ShortCut key, std::function<void()> fn) {
        return MenuItemDef{id, LoadStr(caption), key, nullptr, -1, std::move(fn)};
    };
    std::vector<ui::MenuDef> menus;
    menus.push_back(
        {LoadStr(IDS_MENU_FILE),
         {act(IDM_ADDFOLDER, IDS_MI_ADDFOLDER, {FCONTROL, 'A'}, aAddFolder, 0), sep(),
          act(IDM_EDIT, IDS_MI_EDIT, {}, aEdit, 1), act(IDM_DELETE, IDS_MI_DELETE, {}, aDelete, 2),
          sep(), click(IDM_OPTIONS, IDS_MI_OPTIONS, {FCONTROL, 'O'}, [this] { miOptionsClick(); }),
          sep(), click(IDM_IMPORT, IDS_MI_IMPORT, {}, [this] { miImportClick(); }),
          click(IDM_EXPORT, IDS_MI_EXPORT, {}, [this] { miExportClick(); }), sep(),
          act(IDM_EXIT, IDS_MI_EXIT, {}, aExit, 6)}});
    menus.push_back({LoadStr(IDS_MENU_VIEW),
                     {act(IDM_SORT, IDS_MI_SORT, {FCONTROL, 'S'}, aSort, -1), sep(),
                      act(IDM_ITEMUP, IDS_MI_ITEMUP, {FCONTROL, 'U'}, aItemUp, 3),
                      act(IDM_ITEMDOWN, IDS_MI_ITEMDOWN, {FCONTROL, 'D'}, aItemDown, 4), sep(),
                      act(IDM_REFRESH, IDS_MI_REFRESH, {}, aRefresh, 7)}});
    menus.push_back({LoadStr(IDS_MENU_HELP),
                     {click(IDM_HELP, IDS_MI_HELP, {}, [this] { miHelpClick(); }), sep(),
                      click(IDM_HOMEPAGE, IDS_MI_HOMEPAGE, {}, [this] { miHomePageClick(); }),
                      sep(), click(IDM_ABOUT, IDS_MI_ABOUT, {}, [this] { miAboutClick(); })}});
    MainMenu1.Build(Handle(), std::move(menus));
    ui::Application::Instance().SetAccelerators(Handle(), MainMenu1.Accelerators());
}

void TfrmMain::UpdateActions() {
    if (!Handle()) {
        return;
    }
    ActionList1.UpdateAll();
    MainMenu1.SyncWithActions();
}

void TfrmMain::Show() {
    ui::Guarded([this] { FormShow(); });
    CenterOnScreen();
    ShowWindow(Handle(), FStartMaximized ? SW_SHOWMAXIMIZED : SW_SHOW);
    UpdateWindow(Handle());
}

LRESULT TfrmMain::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT result = 0;
    switch (msg) {
        case WM_PAINT:
            FormPaint();
            return 0;
        case WM_ERASEBKGND:
            return 1;  // FormPaint fills the client area
        case WM_SIZE:
            FormResize();
            return 0;
        case WM_CLOSE:
            FormClose();
            return 0;
        case WM_INITMENUPOPUP:
            UpdateActions();
            return 0;
        case WM_MEASUREITEM:
            return XPMenu1.MeasureItem(lp) ? TRUE : DefaultHandler(msg, wp, lp);
        case WM_DRAWITEM:
            return XPMenu1.DrawItem(lp) ? TRUE : DefaultHandler(msg, wp, lp);
        case WM_MENUCHAR:
            return XPMenu1.MenuChar(wp, lp, result) ? result : DefaultHandler(msg, wp, lp);
        case WM_ACTIVATEINSTANCE:
            WMActivateInstance();
            return 0;
        default:
            return DefaultHandler(msg, wp, lp);
    }
}

void TfrmMain::MenuCommand(int id) {
    MainMenu1.Dispatch(id);
}

// --- store operations -----------------------------------------------------

void TfrmMain::WriteRegValue(const std::string& key, const std::string& name,
                             const std::string& value) {
    dirvane::WriteRegValue(key, name, value);
}

void TfrmMain::SaveItemRange(const std::string& key, int first, int last) {
    dirvane::SaveItemRange(lvMain, key, first, last);
}

void TfrmMain::DeleteItemValues(const std::string& key, int index) {
    dirvane::DeleteItemValues(key, index);
}

void TfrmMain::LoadList() {
    dirvane::LoadList(lvMain, kProductKey);
}

// --- layout and painting --------------------------------------------------

void TfrmMain::AdjustLayout() {
    const RECT r = ClientRect();
    const int indent = ToolBar1.Indent();
    const int bar = ToolBar1.Height();
    lvMain.SetBounds(indent, bar, (r.right - r.left) - 2 * indent,
                     (r.bottom - r.top) - bar - indent);
}

void TfrmMain::FormPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(Handle(), &ps);
    ToolBar1.SetColor(L::kToolBarColor);
    const RECT r = ClientRect();
    FillRect(dc, &r, formBrush_.Get());
    lvMain.SetBkColor(L::kListColor);
    EndPaint(Handle(), &ps);
    AdjustLayout();
}

void TfrmMain::FormResize() {
    const RECT r = ClientRect();
    ToolBar1.SetBounds(0, 0, r.right - r.left, ToolBar1.Height());
    AdjustLayout();
}

// --- life cycle -----------------------------------------------------------

void TfrmMain::FormCreate() {
    FSortAscending = true;
    AdjustLayout();
    ReadWriteOptions(false);
    SeedFirstStart(kProductKey);
    if (auto values = ReadStartupValues(kProductKey)) {
        GlobalOptions.EnableImage = values->picView != "0";
        GlobalOptions.ExploreFolder = values->explorerFolder != "0";
        RecordExePath(kProductKey, values->setting, platform::ExePath());
    }
}

void TfrmMain::FormShow() {
    LoadList();
}

void TfrmMain::FormClose() {
    // The window closes even when saving the settings fails: the error is
    // reported once and the program still ends.
    ui::Guarded([this] { ReadWriteOptions(true); });
    DestroyWindow(Handle());
}

void TfrmMain::WMActivateInstance() {
    ShowWindow(Handle(), SW_SHOW);
    if (IsIconic(Handle())) {
        ShowWindow(Handle(), SW_RESTORE);
    }
    SetForegroundWindow(Handle());
}

void TfrmMain::lvMainDblClick() {
    if (lvMain.Selected() >= 0) {
        aEditExecute();
    }
}

// --- actions that belong to the window itself -------------------------------

void TfrmMain::aExitExecute() {
    Close();
}

void TfrmMain::aRefreshExecute() {
    ui::ListViewUpdate update(lvMain);
    lvMain.Clear();
    LoadList();
}

void TfrmMain::aEditUpdate(ui::Action& action) {
    action.SetEnabled(lvMain.Selected() >= 0);
}

void TfrmMain::aItemUpUpdate(ui::Action& action) {
    action.SetEnabled(lvMain.Visible() && lvMain.Selected() > 0);
}

void TfrmMain::aItemDownUpdate(ui::Action& action) {
    const int sel = lvMain.Selected();
    action.SetEnabled(lvMain.Visible() && sel >= 0 && sel < lvMain.Count() - 1);
}

void TfrmMain::aSortUpdate(ui::Action& action) {
    action.SetEnabled(lvMain.Visible() && lvMain.Count() > 1);
}

}  // namespace dirvane
