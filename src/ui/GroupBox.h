#pragma once
// A flat group frame with an optional caption. The controls shown inside it
// are siblings, not children (their notifications reach the form), so the
// group keeps a list of them: enabling or disabling the group does the same
// to every member.
#include <windows.h>

#include <string>
#include <vector>

#include "ui/Control.h"

namespace ui {

class GroupBox : public Control {
public:
    GroupBox() = default;
    ~GroupBox() override;

    void Create(HWND parent, int id, const std::string& caption, const RECT& bounds, HFONT font);
    // Controls inside the frame; they are drawn above it.
    void AddMember(Control& member);
    void SendToBack();
    // The group and all its members.
    void SetEnabled(bool enabled);

private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id,
                                         DWORD_PTR data);
    void Paint(HDC dc);

    std::vector<Control*> members_;
};

}  // namespace ui
