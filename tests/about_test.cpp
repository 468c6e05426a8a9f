// The About box: its texts and geometry, the links and how it closes.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "dialogs/About.h"
#include "support/TestSupport.h"

using namespace dirvane;
using testing_support::Pump;

namespace {

// Test literals are UTF-8; the program's texts are code-page-936 bytes.
std::string Cp936(const std::string& utf8) {
    std::wstring wide(utf8.size(), L'\0');
    wide.resize(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()),
                                    wide.data(), static_cast<int>(wide.size())));
    std::string out(wide.size() * 2, '\0');
    out.resize(WideCharToMultiByte(936, 0, wide.data(), static_cast<int>(wide.size()), out.data(),
                                   static_cast<int>(out.size()), nullptr, nullptr));
    return out;
}

LOGFONTA FontOf(HFONT font) {
    LOGFONTA lf{};
    GetObjectA(font, sizeof(lf), &lf);
    return lf;
}

// A visible top-level window standing in for the main window.
struct Owner {
    Owner() {
        hwnd = CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 200, 150,
                               700, 500, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    }
    ~Owner() { DestroyWindow(hwnd); }
    HWND hwnd;
};

TEST(AboutBox, TextsSizeAndPlace) {
    Owner owner;
    TfrmAbout about(owner.hwnd);

    EXPECT_EQ(about.Caption(), Cp936("关于"));
    EXPECT_EQ(about.Label1.Text(), "Dirvane");
    EXPECT_EQ(about.Label2.Text(), Cp936("版本: 1.8.3   构建 20081013"));
    EXPECT_FALSE(about.lPoweredBy.Text().empty());
    EXPECT_EQ(about.Label3.Text(), Cp936("电子邮件:"));
    EXPECT_EQ(about.lMail.Text(), "support@dirvane.example.com");
    EXPECT_EQ(about.lbEAddress.Text(), "http://www.dirvane.example.com/");
    EXPECT_EQ(about.bOK.Text(), Cp936("确定"));

    const RECT client = about.ClientRect();
    EXPECT_EQ(client.right - client.left, 360);
    EXPECT_EQ(client.bottom - client.top, 249);
    const LONG style = GetWindowLongA(about.Handle(), GWL_STYLE);
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
    EXPECT_EQ(GetWindow(about.Handle(), GW_OWNER), owner.hwnd);

    // Centred over the owner.
    RECT o{};
    GetWindowRect(owner.hwnd, &o);
    const RECT a = about.WindowRect();
    EXPECT_NEAR((a.left + a.right) / 2, (o.left + o.right) / 2, 1);
    EXPECT_NEAR((a.top + a.bottom) / 2, (o.top + o.bottom) / 2, 1);

    // The main window's font.
    const LOGFONTA lf = FontOf(about.Label2.Font());
    EXPECT_STREQ(lf.lfFaceName, "MS Shell Dlg 2");
    EXPECT_EQ(lf.lfHeight, -12);
    EXPECT_EQ(lf.lfCharSet, GB2312_CHARSET);

    // Banner decoded from its JPEG at full size across the top; the mail
    // address follows its label on the same line.
    BITMAP bm{};
    ASSERT_TRUE(about.Image2.Bitmap());
    GetObjectA(about.Image2.Bitmap(), sizeof(bm), &bm);
    EXPECT_EQ(bm.bmWidth, 360);
    EXPECT_EQ(bm.bmHeight, 50);
    EXPECT_EQ(about.Image2.Bounds().top, 0);
    EXPECT_TRUE(about.Image1.Icon());
    EXPECT_EQ(about.Label3.Bounds().top, about.lMail.Bounds().top);
    EXPECT_GE(about.lMail.Bounds().left, about.Label3.Bounds().right);
    // Divider above the button, button at the lower right.
    EXPECT_LT(about.Panel2.Bounds().bottom, about.bOK.Bounds().top);
    EXPECT_GT(about.bOK.Bounds().left, 360 / 2);
}

TEST(AboutBox, LinksLookLikeLinksAndOpenTheirTargets) {
    TfrmAbout about(nullptr);
    std::vector<std::pair<HWND, std::string>> opened;
    about.OpenDocument = [&](HWND owner, const std::string& target) {
        opened.emplace_back(owner, target);
    };
    ShowWindow(about.Handle(), SW_SHOWNA);

    struct Case {
        ui::LinkLabel& link;
        std::string target;
    } cases[] = {{about.lMail, "mailto:support@dirvane.example.com"},
                 {about.lbEAddress, "http://www.dirvane.example.com/"}};
    for (auto& c : cases) {
        SCOPED_TRACE(c.target);
        EXPECT_TRUE(FontOf(c.link.Font()).lfUnderline);
        EXPECT_EQ(c.link.TextColor(), RGB(0, 0, 255));

        SendMessageA(c.link.Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(c.link.Handle()),
                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_HAND));

        // The link covers its text only, so the hand shows only over it.
        const RECT r = c.link.Bounds();
        EXPECT_LT(r.right - r.left, 260);
        EXPECT_GT(r.right - r.left, 100);

        opened.clear();
        SendMessageA(c.link.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        SendMessageA(c.link.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
        ASSERT_EQ(opened.size(), 1u);
        EXPECT_EQ(opened[0].first, about.Handle());
        EXPECT_EQ(opened[0].second, c.target);
    }
    // A plain label is no link.
    EXPECT_FALSE(FontOf(about.Label3.Font()).lfUnderline);
}

TEST(AboutBox, OkEnterEscAndCloseBoxEndIt) {
    struct Case {
        const char* what;
        UINT msg;
        WPARAM wp;
        bool toButton;  // else to the form
        int result;
    } cases[] = {
        {"OK button", BM_CLICK, 0, true, ui::mrOk},
        {"Enter", WM_KEYDOWN, VK_RETURN, true, ui::mrOk},
        {"Esc", WM_KEYDOWN, VK_ESCAPE, true, ui::mrCancel},
        {"close box", WM_CLOSE, 0, false, ui::mrCancel},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TfrmAbout about(nullptr);
        PostMessageA(c.toButton ? about.bOK.Handle() : about.Handle(), c.msg, c.wp, 0);
        // Should the box ignore the key, end the modal loop after a while
        // rather than hang the test.
        std::atomic<bool> done{false};
        std::atomic<bool> timedOut{false};
        HWND form = about.Handle();
        std::thread watchdog([&done, &timedOut, form] {
            for (int i = 0; i < 100 && !done; ++i) {
                Sleep(50);
            }
            if (!done) {
                timedOut = true;
                PostMessageA(form, WM_CLOSE, 0, 0);
            }
        });
        const int result = about.ShowModal();
        done = true;
        watchdog.join();
        Pump(20);
        EXPECT_FALSE(timedOut);
        EXPECT_EQ(result, c.result);
    }
}

}  // namespace
