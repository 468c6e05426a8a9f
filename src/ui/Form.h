#pragma once
// A top-level window with one window procedure per form class. The static
// procedure finds the object, hands the message to the form's own
// HandleMessage and catches everything, so no exception crosses into Win32.
// Notifications of child controls are reflected to the control's object.
#include <windows.h>

#include <string>

#include "ui/Gdi.h"

namespace ui {

enum ModalResult { mrNone = 0, mrOk = IDOK, mrCancel = IDCANCEL };

class Form {
public:
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    virtual ~Form();

    HWND Handle() const { return hwnd_; }
    static Form* FromHandle(HWND hwnd);
    bool IsDialog() const { return dialog_; }

    // Shows the form modally over its owner, running a nested message loop
    // until a modal result is set (or the form is closed).
    int ShowModal();
    void SetModalResult(int result) { modalResult_ = result; }
    int GetModalResult() const { return modalResult_; }
    // As the close box: WM_CLOSE.
    void Close();

    void SetCaption(const std::string& text);
    std::string Caption() const;
    HFONT Font() const { return font_.Get(); }
    RECT ClientRect() const;
    RECT WindowRect() const;
    void SetWindowBounds(int left, int top, int width, int height);

protected:
    struct Params {
        const char* className;
        std::string caption;
        DWORD style;
        DWORD exStyle;
        int width;  // outer size when clientSize is false
        int height;
        bool clientSize;  // width and height are the client area's
        HWND owner;
        HICON icon;
        HBRUSH background;
    };
    Form() = default;
    void CreateForm(const Params& p);
    void UseFont(FontHandle font) { font_ = std::move(font); }
    // Centre over the owner (or the screen when there is none).
    void CenterOverOwner();
    void CenterOnScreen();

    // The form's own switch; DefaultHandler for what it leaves.
    virtual LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) = 0;
    LRESULT DefaultHandler(UINT msg, WPARAM wp, LPARAM lp);
    // Menu commands and accelerators (WM_COMMAND without a control).
    virtual void MenuCommand(int) {}

    bool dialog_ = false;  // Tab, Enter and Esc navigate as in a dialog

private:
    static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    bool ReflectToControl(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

    HWND hwnd_ = nullptr;
    FontHandle font_;
    int modalResult_ = mrNone;
    bool inModal_ = false;
};

}  // namespace ui
