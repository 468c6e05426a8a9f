#include "ui/Control.h"

#include <unordered_map>
#include <vector>

namespace ui {

namespace {
// The object behind each control window (and its helpers). Every reflected
// notification looks its control up here; a window property would cost two
// round trips to the window server per message, which made bulk changes of a
// list view (one notification per item) several times slower. Used on the
// user-interface thread only; never freed, so that controls outliving
// static destruction still find it.
std::unordered_map<HWND, Control*>& Objects() {
    static auto* objects = new std::unordered_map<HWND, Control*>();
    return *objects;
}
}  // namespace

Control::~Control() {
    // The parent window owns the native control; only forget the object.
    auto& objects = Objects();
    for (auto it = objects.begin(); it != objects.end();) {
        it = it->second == this ? objects.erase(it) : std::next(it);
    }
}

void Control::Create(const char* className, const std::string& text, DWORD style, DWORD exStyle,
                     HWND parent, int id, const RECT& r, HFONT font) {
    hwnd_ = CreateWindowExA(exStyle, className, text.c_str(), style | WS_CHILD, r.left, r.top,
                            r.right - r.left, r.bottom - r.top, parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                            GetModuleHandleA(nullptr), nullptr);
    if (hwnd_) {
        Objects()[hwnd_] = this;
        if (font) {
            SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        }
    }
}

void Control::AttachHelper(HWND helper) {
    if (helper) {
        Objects()[helper] = this;
    }
}

Control* Control::FromHandle(HWND hwnd) {
    if (!hwnd) {
        return nullptr;
    }
    const auto& objects = Objects();
    const auto it = objects.find(hwnd);
    return it == objects.end() ? nullptr : it->second;
}

bool Control::Reflect(UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}

void Control::SetBounds(int left, int top, int width, int height) {
    SetWindowPos(hwnd_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT Control::Bounds() const {
    RECT r{};
    GetWindowRect(hwnd_, &r);
    MapWindowPoints(nullptr, GetParent(hwnd_), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void Control::SetEnabled(bool enabled) {
    EnableWindow(hwnd_, enabled ? TRUE : FALSE);
}

bool Control::Enabled() const {
    return IsWindowEnabled(hwnd_) != FALSE;
}

void Control::SetVisible(bool visible) {
    ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE);
}

bool Control::Visible() const {
    return (GetWindowLongA(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0;
}

void Control::SetText(const std::string& text) {
    SetWindowTextA(hwnd_, text.c_str());
}

std::string WindowText(HWND hwnd) {
    const int n = GetWindowTextLengthA(hwnd);
    std::vector<char> buf(n + 2);
    const int got = GetWindowTextA(hwnd, buf.data(), n + 1);
    return std::string(buf.data(), got > 0 ? got : 0);
}

std::string Control::Text() const {
    return WindowText(hwnd_);
}

void Control::SetFocus() {
    ::SetFocus(hwnd_);
}

}  // namespace ui
