#include "dialogs/About.h"

#include "layout/AboutLayout.h"
#include "layout/MainLayout.h"
#include "platform/ShellOpen.h"
#include "resource.h"
#include "ui/Application.h"
#include "ui/PictureData.h"
#include "ui/Text.h"

namespace dirvane {

namespace L = layout::about;
using ui::LoadStr;

TfrmAbout::TfrmAbout(HWND owner) : OpenDocument(&platform::ShellOpen) {
    dialog_ = true;  // Enter and Esc close it, Tab walks the controls
    Params p{};
    p.className = "TfrmAbout";
    p.caption = LoadStr(IDS_ABOUT_CAPTION);
    // Fixed size: no sizing border, no minimise or maximise box.
    p.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    p.exStyle = WS_EX_DLGMODALFRAME;
    p.width = L::kClientWidth;
    p.height = L::kClientHeight;
    p.clientSize = true;
    p.owner = owner;
    UseFont(ui::MakeFont(layout::main::kFontFace, layout::main::kFontHeight, GB2312_CHARSET));
    CreateForm(p);
    CreateComponents();
    ui::Guarded([this] { FormCreate(); });
    CenterOverOwner();
}

void TfrmAbout::CreateComponents() {
    HWND h = Handle();
    Image2.Create(h, L::kImage2.id, L::kImage2.bounds);
    Image1.Create(h, L::kImage1.id, L::kImage1.bounds);
    FNameFont = ui::MakeFont(layout::main::kFontFace, layout::main::kFontHeight, GB2312_CHARSET,
                             false, FW_BOLD);
    Label1.Create(h, L::kLabel1.id, L::kLabel1.bounds, LoadStr(IDS_ABOUT_NAME), FNameFont.Get());
    Label2.Create(h, L::kLabel2.id, L::kLabel2.bounds, LoadStr(IDS_ABOUT_VERSION), Font());
    lPoweredBy.Create(h, L::kPoweredBy.id, L::kPoweredBy.bounds, LoadStr(IDS_ABOUT_NOTICE), Font());
    Label3.Create(h, L::kLabel3.id, L::kLabel3.bounds, LoadStr(IDS_ABOUT_MAIL_LABEL), Font());
    lMail.Create(h, L::kMail.id, L::kMail.bounds, LoadStr(IDS_ABOUT_MAIL), Font());
    lbEAddress.Create(h, L::kEAddress.id, L::kEAddress.bounds, LoadStr(IDS_ABOUT_WEB), Font());
    Panel2.Create(h, L::kPanel2.id, L::kPanel2.bounds);
    bOK.Create(h, L::kOK.id, L::kOK.bounds, LoadStr(IDS_ABOUT_OK), Font(), true);

    lMail.OnClick = [this] { lMailClick(); };
    lbEAddress.OnClick = [this] { lbEAddressClick(); };
    bOK.OnClick = [this] { suitempbOKClick(); };
}

void TfrmAbout::FormCreate() {
    HMODULE module = GetModuleHandleA(nullptr);
    Image2.SetBitmap(ui::LoadPictureResource(module, IDR_BANNER_JPG));
    HICON icon = static_cast<HICON>(
        LoadImageA(module, MAKEINTRESOURCEA(IDI_DIRVANE), IMAGE_ICON, 32, 32, LR_DEFAULTCOLOR));
    if (!icon) {
        // A build without the program icon still shows an icon there.
        icon = CopyIcon(LoadIconA(nullptr, IDI_APPLICATION));
    }
    Image1.SetIcon(ui::IconHandle(icon));
}

std::string TfrmAbout::MailTarget() const {
    return "mailto:" + lMail.Text();
}

std::string TfrmAbout::WebTarget() const {
    return lbEAddress.Text();
}

void TfrmAbout::lMailClick() {
    if (OpenDocument) {
        OpenDocument(Handle(), MailTarget());
    }
}

void TfrmAbout::lbEAddressClick() {
    if (OpenDocument) {
        OpenDocument(Handle(), WebTarget());
    }
}

void TfrmAbout::suitempbOKClick() {
    SetModalResult(ui::mrOk);
}

LRESULT TfrmAbout::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_ACTIVATE:
            FormActivate(LOWORD(wp));
            return 0;
        default:
            return DefaultHandler(msg, wp, lp);
    }
}

void TfrmAbout::FormActivate(WORD state) {
    // The only control that takes the focus; Enter presses it.
    if (state != WA_INACTIVE) {
        bOK.SetFocus();
    }
}

void TfrmAbout::MenuCommand(int id) {
    // Esc arrives as IDCANCEL (there is no Cancel button to reflect it to).
    if (id == IDCANCEL) {
        SetModalResult(ui::mrCancel);
    }
}

}  // namespace dirvane
