// Test programs start like the application: common controls, COM, and the
// title every message box carries.
#include <gtest/gtest.h>

#include "resource.h"
#include "ui/Application.h"
#include "ui/Text.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    auto& app = ui::Application::Instance();
    app.Initialize();
    app.SetTitle(ui::LoadStr(IDS_APP_TITLE));
    return RUN_ALL_TESTS();
}
