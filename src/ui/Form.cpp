#include "ui/Form.h"

#include "ui/Application.h"
#include "ui/Control.h"

#include <vector>

namespace ui {

Form::~Form() {
    if (hwnd_) {
        // Messages sent while the window goes away no longer reach the
        // (partly destroyed) object.
        SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
        HWND h = hwnd_;
        hwnd_ = nullptr;
        DestroyWindow(h);
    }
}

Form* Form::FromHandle(HWND hwnd) {
    if (!hwnd) {
        return nullptr;
    }
    // Only our own windows carry a Form pointer.
    if (GetClassLongPtrA(hwnd, GCLP_WNDPROC) != reinterpret_cast<ULONG_PTR>(&Form::WndProc)) {
        return nullptr;
    }
    return reinterpret_cast<Form*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

void Form::CreateForm(const Params& p) {
    HINSTANCE inst = GetModuleHandleA(nullptr);
    WNDCLASSEXA wc{};
    if (!GetClassInfoExA(inst, p.className, &wc)) {
        wc = WNDCLASSEXA{};
        wc.cbSize = sizeof(wc);
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = &Form::WndProc;
        wc.hInstance = inst;
        wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        wc.hbrBackground = p.background ? p.background : GetSysColorBrush(COLOR_BTNFACE);
        wc.hIcon = p.icon;
        wc.hIconSm = p.icon;
        wc.lpszClassName = p.className;
        RegisterClassExA(&wc);
    }
    int w = p.width;
    int h = p.height;
    if (p.clientSize) {
        RECT r{0, 0, p.width, p.height};
        AdjustWindowRectEx(&r, p.style, FALSE, p.exStyle);
        w = r.right - r.left;
        h = r.bottom - r.top;
    }
    CreateWindowExA(p.exStyle, p.className, p.caption.c_str(), p.style, CW_USEDEFAULT,
                    CW_USEDEFAULT, w, h, p.owner, nullptr, inst, this);
}

LRESULT CALLBACK Form::WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    Form* self = nullptr;
    if (msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTA*>(lp);
        self = static_cast<Form*>(cs->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<Form*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    }
    if (!self) {
        return DefWindowProcA(hwnd, msg, wp, lp);
    }
    LRESULT result = 0;
    try {
        if (!self->ReflectToControl(msg, wp, lp, result)) {
            result = self->HandleMessage(msg, wp, lp);
        }
    } catch (const std::exception& e) {
        Application::Instance().ShowException(e);
    } catch (...) {
        Application::Instance().ShowException(std::string("Unknown error"));
    }
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
    }
    return result;
}

bool Form::ReflectToControl(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    HWND child = nullptr;
    switch (msg) {
        case WM_COMMAND:
            if (lp == 0) {
                // Menu item or accelerator.
                MenuCommand(LOWORD(wp));
                result = 0;
                return true;
            }
            child = reinterpret_cast<HWND>(lp);
            break;
        case WM_NOTIFY:
            child = reinterpret_cast<NMHDR*>(lp)->hwndFrom;
            break;
        case WM_DRAWITEM:
            if (wp == 0) {
                return false;  // menus are the form's own business
            }
            child = reinterpret_cast<DRAWITEMSTRUCT*>(lp)->hwndItem;
            break;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORLISTBOX:
            child = reinterpret_cast<HWND>(lp);
            break;
        default:
            return false;
    }
    Control* control = Control::FromHandle(child);
    return control && control->Reflect(msg, wp, lp, result);
}

LRESULT Form::DefaultHandler(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_CLOSE && inModal_) {
        modalResult_ = mrCancel;
        return 0;
    }
    if (msg == WM_COMMAND && dialog_ && lp == 0) {
        return 0;
    }
    return DefWindowProcA(hwnd_, msg, wp, lp);
}

int Form::ShowModal() {
    HWND owner = GetWindow(hwnd_, GW_OWNER);
    // Every other top-level window of this thread is disabled meanwhile.
    std::vector<HWND> disabled;
    std::pair<HWND, std::vector<HWND>*> search{hwnd_, &disabled};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND w, LPARAM param) -> BOOL {
            auto* list = reinterpret_cast<std::pair<HWND, std::vector<HWND>*>*>(param);
            if (w != list->first && IsWindowVisible(w) && IsWindowEnabled(w)) {
                list->second->push_back(w);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    for (HWND w : disabled) {
        EnableWindow(w, FALSE);
    }
    modalResult_ = mrNone;
    inModal_ = true;
    ShowWindow(hwnd_, SW_SHOW);
    SetForegroundWindow(hwnd_);
    auto& app = Application::Instance();
    while (modalResult_ == mrNone && hwnd_ && IsWindow(hwnd_)) {
        if (!app.HandleMessage()) {
            modalResult_ = mrCancel;
            break;
        }
    }
    inModal_ = false;
    for (HWND w : disabled) {
        if (IsWindow(w)) {
            EnableWindow(w, TRUE);
        }
    }
    if (hwnd_) {
        ShowWindow(hwnd_, SW_HIDE);
    }
    if (owner && IsWindow(owner)) {
        SetActiveWindow(owner);
    }
    return modalResult_;
}

void Form::Close() {
    SendMessageA(hwnd_, WM_CLOSE, 0, 0);
}

void Form::SetCaption(const std::string& text) {
    SetWindowTextA(hwnd_, text.c_str());
}

std::string Form::Caption() const {
    return WindowText(hwnd_);
}

RECT Form::ClientRect() const {
    RECT r{};
    GetClientRect(hwnd_, &r);
    return r;
}

RECT Form::WindowRect() const {
    RECT r{};
    GetWindowRect(hwnd_, &r);
    return r;
}

void Form::SetWindowBounds(int left, int top, int width, int height) {
    SetWindowPos(hwnd_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::CenterOverOwner() {
    HWND owner = GetWindow(hwnd_, GW_OWNER);
    RECT me = WindowRect();
    const int w = me.right - me.left;
    const int h = me.bottom - me.top;
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (owner && IsWindowVisible(owner) && !IsIconic(owner)) {
        GetWindowRect(owner, &area);
    }
    const int x = area.left + ((area.right - area.left) - w) / 2;
    const int y = area.top + ((area.bottom - area.top) - h) / 2;
    SetWindowPos(hwnd_, nullptr, x, y, 0, 0, SWP_NOZORDER | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Form::CenterOnScreen() {
    RECT me = WindowRect();
    const int x = (GetSystemMetrics(SM_CXSCREEN) - (me.right - me.left)) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - (me.bottom - me.top)) / 2;
    SetWindowPos(hwnd_, nullptr, x, y, 0, 0, SWP_NOZORDER | SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace ui
