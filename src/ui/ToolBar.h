#pragma once
// A flat tool bar: image-only buttons bound to actions, hints as tool tips,
// a background colour of its own.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "ui/Action.h"
#include "ui/Control.h"
#include "ui/Gdi.h"

namespace ui {

class ToolBar : public Control {
public:
    ToolBar() = default;
    // The window may outlive this object briefly while its parent goes
    // away: the subclass that paints with our brush leaves with us.
    ~ToolBar() override;

    void Create(HWND parent, int id, int height, int indent, SIZE buttonSize, HFONT font);
    int Height() const { return height_; }
    int Indent() const { return indent_; }

    // Takes ownership of the image list (ImageList2).
    void SetImages(ImageListHandle images);
    // A button bound to an action: it runs the action and follows its
    // enabled state. Caption is carried, not drawn; hint is the tool tip.
    void AddButton(Action& action, int image, const std::string& caption, const std::string& hint);
    void AddSeparator(int width);

    int ButtonCount() const;
    bool ButtonEnabled(int commandId) const;
    std::string ButtonHint(int commandId) const;
    std::string ButtonCaption(int commandId) const;

    void SetColor(COLORREF color);
    COLORREF Color() const { return color_; }

    bool Reflect(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    static LRESULT CALLBACK SubclassProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);

    struct Button {
        Action* action;
        std::string caption;
        std::string hint;
    };
    const Button* FindButton(int commandId) const;

    int height_ = 0;
    int indent_ = 0;
    COLORREF color_ = CLR_INVALID;
    BrushHandle brush_;
    ImageListHandle images_;
    std::vector<Button> buttons_;
};

}  // namespace ui
