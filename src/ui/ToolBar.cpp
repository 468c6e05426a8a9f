#include "ui/ToolBar.h"

#include "ui/Application.h"

namespace ui {

void ToolBar::Create(HWND parent, int id, int height, int indent, SIZE buttonSize, HFONT font) {
    height_ = height;
    indent_ = indent;
    RECT r{0, 0, 0, height};
    Control::Create(TOOLBARCLASSNAMEA, "",
                    WS_VISIBLE | WS_CLIPSIBLINGS | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS |
                        CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER | CCS_TOP,
                    0, parent, id, r, font);
    SendMessageA(hwnd_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageA(hwnd_, TB_SETINDENT, indent, 0);
    SendMessageA(hwnd_, TB_SETBUTTONSIZE, 0, MAKELPARAM(buttonSize.cx, buttonSize.cy));
    SetWindowSubclass(hwnd_, &ToolBar::SubclassProc, 1, reinterpret_cast<DWORD_PTR>(this));
    AttachHelper(reinterpret_cast<HWND>(SendMessageA(hwnd_, TB_GETTOOLTIPS, 0, 0)));
}

ToolBar::~ToolBar() {
    if (hwnd_ && IsWindow(hwnd_)) {
        RemoveWindowSubclass(hwnd_, &ToolBar::SubclassProc, 1);
    }
}

void ToolBar::SetImages(ImageListHandle images) {
    images_ = std::move(images);
    SendMessageA(hwnd_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_.Get()));
}

void ToolBar::AddButton(Action& action, int image, const std::string& caption,
                        const std::string& hint) {
    buttons_.push_back(Button{&action, caption, hint});
    TBBUTTON b{};
    b.iBitmap = image;
    b.idCommand = action.Id();
    b.fsState = action.Enabled() ? TBSTATE_ENABLED : 0;
    b.fsStyle = BTNS_BUTTON;
    b.iString = -1;  // the caption is carried by us, not drawn
    SendMessageA(hwnd_, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&b));
    HWND bar = hwnd_;
    const int id = action.Id();
    action.OnChange = [bar, id](Action& a) {
        SendMessageA(bar, TB_ENABLEBUTTON, id, MAKELPARAM(a.Enabled() ? TRUE : FALSE, 0));
    };
}

void ToolBar::AddSeparator(int width) {
    TBBUTTON b{};
    b.iBitmap = width;
    b.fsStyle = BTNS_SEP;
    b.iString = -1;
    SendMessageA(hwnd_, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&b));
}

int ToolBar::ButtonCount() const {
    return static_cast<int>(SendMessageA(hwnd_, TB_BUTTONCOUNT, 0, 0));
}

bool ToolBar::ButtonEnabled(int commandId) const {
    return SendMessageA(hwnd_, TB_ISBUTTONENABLED, commandId, 0) != 0;
}

const ToolBar::Button* ToolBar::FindButton(int commandId) const {
    for (const auto& b : buttons_) {
        if (b.action->Id() == commandId) {
            return &b;
        }
    }
    return nullptr;
}

std::string ToolBar::ButtonHint(int commandId) const {
    const Button* b = FindButton(commandId);
    if (!b) {
        return std::string();
    }
    return b->hint.empty() ? b->action->Hint() : b->hint;
}

std::string ToolBar::ButtonCaption(int commandId) const {
    const Button* b = FindButton(commandId);
    return b ? b->caption : std::string();
}

void ToolBar::SetColor(COLORREF color) {
    if (color == color_) {
        return;
    }
    color_ = color;
    brush_.Reset(CreateSolidBrush(color));
    InvalidateRect(hwnd_, nullptr, TRUE);
}

LRESULT CALLBACK ToolBar::SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                       DWORD_PTR data) {
    auto* self = reinterpret_cast<ToolBar*>(data);
    if (msg == WM_ERASEBKGND && self->brush_) {
        RECT r;
        GetClientRect(hwnd, &r);
        FillRect(reinterpret_cast<HDC>(wp), &r, self->brush_.Get());
        return 1;
    }
    if (msg == WM_NCDESTROY) {
        RemoveWindowSubclass(hwnd, &ToolBar::SubclassProc, 1);
    }
    return DefSubclassProc(hwnd, msg, wp, lp);
}

bool ToolBar::Reflect(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (msg == WM_COMMAND) {
        for (const auto& b : buttons_) {
            if (b.action->Id() == LOWORD(wp)) {
                b.action->Execute();
                break;
            }
        }
        result = 0;
        return true;
    }
    if (msg == WM_NOTIFY) {
        auto* hdr = reinterpret_cast<NMHDR*>(lp);
        if (hdr->code == TTN_GETDISPINFOA) {
            auto* info = reinterpret_cast<NMTTDISPINFOA*>(lp);
            static std::string tip;  // must outlive the notification
            tip = ButtonHint(static_cast<int>(hdr->idFrom));
            info->lpszText = const_cast<char*>(tip.c_str());
            result = 0;
            return true;
        }
    }
    return false;
}

}  // namespace ui
