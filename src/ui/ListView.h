#pragma once
// Report-style list view: items with a caption and one sub-item, single
// whole-row selection. The items are the data; nothing else holds a copy.
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>

#include "ui/Control.h"

namespace ui {

class ListView : public Control {
public:
    void Create(HWND parent, int id, const RECT& bounds, HFONT font);

    void AddColumn(const std::string& caption, int width);
    int ColumnWidth(int column) const;
    void SetColumnWidth(int column, int width);

    int Count() const;
    std::string Caption(int index) const;
    std::string SubItem(int index) const;
    int Add(const std::string& caption, const std::string& subItem);
    void SetItem(int index, const std::string& caption, const std::string& subItem);
    void Delete(int index);
    void Clear();
    // Makes room for n items before a bulk insert.
    void Reserve(int n);

    int Selected() const;    // -1 when none
    void Select(int index);  // -1 clears the selection

    // Bulk changes: redraw is suspended between the two, nested calls allowed.
    void BeginUpdate();
    void EndUpdate();

    void SetBkColor(COLORREF color);
    COLORREF BkColor() const;

    std::function<void()> OnDblClick;

    bool Reflect(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    std::string Text(int index, int subItem) const;
    int updating_ = 0;
};

// Redraw suspended for a scope.
class ListViewUpdate {
public:
    explicit ListViewUpdate(ListView& lv) : lv_(lv) { lv_.BeginUpdate(); }
    ~ListViewUpdate() { lv_.EndUpdate(); }
    ListViewUpdate(const ListViewUpdate&) = delete;
    ListViewUpdate& operator=(const ListViewUpdate&) = delete;

private:
    ListView& lv_;
};

}  // namespace ui
