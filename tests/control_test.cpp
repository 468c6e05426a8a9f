// Notifications of child controls reach their objects, and only while the
// objects live.
#include <gtest/gtest.h>

#include <memory>

#include "support/TestSupport.h"
#include "ui/Form.h"
#include "ui/ListView.h"

namespace {

class Host : public ui::Form {
public:
    Host() {
        Params p{};
        p.className = "DirvaneTestControlHost";
        p.style = WS_OVERLAPPEDWINDOW;
        p.width = 300;
        p.height = 200;
        CreateForm(p);
    }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override {
        return DefaultHandler(msg, wp, lp);
    }
};

TEST(Control, NotificationsAreReflectedToTheLivingObject) {
    Host host;
    auto list = std::make_unique<ui::ListView>();
    list->Create(host.Handle(), 7, RECT{0, 0, 200, 100}, nullptr);
    int clicks = 0;
    list->OnDblClick = [&clicks] { ++clicks; };
    const HWND hwnd = list->Handle();
    EXPECT_EQ(ui::Control::FromHandle(hwnd), list.get());

    NMHDR hdr{hwnd, 7, static_cast<UINT>(NM_DBLCLK)};
    SendMessageA(host.Handle(), WM_NOTIFY, 7, reinterpret_cast<LPARAM>(&hdr));
    EXPECT_EQ(clicks, 1);

    list.reset();  // the window stays with its parent; the object is gone
    EXPECT_TRUE(IsWindow(hwnd));
    EXPECT_EQ(ui::Control::FromHandle(hwnd), nullptr);
    SendMessageA(host.Handle(), WM_NOTIFY, 7, reinterpret_cast<LPARAM>(&hdr));
    EXPECT_EQ(clicks, 1);
}

}  // namespace
