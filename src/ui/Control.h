#pragma once
// A child control: a native window owned by its parent window (which
// destroys it), with the parent's notifications reflected back to it.
#include <windows.h>

#include <functional>
#include <string>

namespace ui {

// The window's text, whatever its length.
std::string WindowText(HWND hwnd);

class Control {
public:
    Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control();

    HWND Handle() const { return hwnd_; }
    int Id() const { return GetDlgCtrlID(hwnd_); }

    void SetBounds(int left, int top, int width, int height);
    RECT Bounds() const;  // in the parent's client coordinates
    void SetEnabled(bool enabled);
    bool Enabled() const;
    void SetVisible(bool visible);
    bool Visible() const;
    void SetText(const std::string& text);
    std::string Text() const;
    void SetFocus();

    // The object behind a control window created by this layer.
    static Control* FromHandle(HWND hwnd);

    // Reflected WM_COMMAND, WM_NOTIFY, WM_DRAWITEM, WM_CTLCOLOR*, WM_MEASUREITEM.
    // Return true when handled; result is the message's result.
    virtual bool Reflect(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

protected:
    void Create(const char* className, const std::string& text, DWORD style, DWORD exStyle,
                HWND parent, int id, const RECT& bounds, HFONT font);

    // Notifications from a helper window (a tooltip) reach this object too.
    void AttachHelper(HWND helper);

    HWND hwnd_ = nullptr;
};

}  // namespace ui
