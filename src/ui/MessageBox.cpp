#include "ui/MessageBox.h"

#include "ui/Application.h"

namespace ui {

int ShowMessage(const std::string& text, UINT flags) {
    return MessageBoxA(GetActiveWindow(), text.c_str(), Application::Instance().Title().c_str(),
                       flags);
}

}  // namespace ui
