#pragma once
// TfrmAbout: the About box. Name, version and build, the maker's notice,
// and the mail and web addresses as links that open through the shell.
#include <functional>
#include <string>

#include "ui/Bevel.h"
#include "ui/Form.h"
#include "ui/LinkLabel.h"
#include "ui/Picture.h"
#include "ui/PushButton.h"
#include "ui/StaticText.h"

namespace dirvane {

class TfrmAbout : public ui::Form {
public:
    // Centred over owner (the main window); shown with ShowModal.
    explicit TfrmAbout(HWND owner);

    void FormCreate();
    void FormActivate(WORD state);
    void lMailClick();
    void lbEAddressClick();
    void suitempbOKClick();

    // What the links hand to the shell.
    std::string MailTarget() const;  // "mailto:" + the mail address
    std::string WebTarget() const;   // the web address

    // The shell call behind the links; a test puts its own here so that no
    // mail program or browser starts.
    std::function<void(HWND owner, const std::string& target)> OpenDocument;

    ui::Picture Image2;  // banner
    ui::Picture Image1;  // program icon
    ui::StaticText Label1;
    ui::StaticText Label2;
    ui::StaticText lPoweredBy;
    ui::StaticText Label3;
    ui::LinkLabel lMail;
    ui::LinkLabel lbEAddress;
    ui::Bevel Panel2;
    ui::PushButton bOK;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    void MenuCommand(int id) override;

private:
    void CreateComponents();

    ui::FontHandle FNameFont;
};

}  // namespace dirvane
