#include "ui/ListView.h"

#include <vector>

namespace ui {

void ListView::Create(HWND parent, int id, const RECT& bounds, HFONT font) {
    Control::Create(WC_LISTVIEWA, "",
                    WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | LVS_REPORT | LVS_SINGLESEL |
                        LVS_SHOWSELALWAYS | LVS_NOSORTHEADER,
                    WS_EX_CLIENTEDGE, parent, id, bounds, font);
    const DWORD ex = LVS_EX_FULLROWSELECT | LVS_EX_FLATSB;
    SendMessageA(hwnd_, LVM_SETEXTENDEDLISTVIEWSTYLE, ex, ex);
}

void ListView::AddColumn(const std::string& caption, int width) {
    LVCOLUMNA col{};
    col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    col.pszText = const_cast<char*>(caption.c_str());
    col.cx = width;
    const int index = Header_GetItemCount(ListView_GetHeader(hwnd_));
    col.iSubItem = index;
    SendMessageA(hwnd_, LVM_INSERTCOLUMNA, index, reinterpret_cast<LPARAM>(&col));
}

int ListView::ColumnWidth(int column) const {
    return static_cast<int>(SendMessageA(hwnd_, LVM_GETCOLUMNWIDTH, column, 0));
}

void ListView::SetColumnWidth(int column, int width) {
    SendMessageA(hwnd_, LVM_SETCOLUMNWIDTH, column, MAKELPARAM(width, 0));
}

int ListView::Count() const {
    return static_cast<int>(SendMessageA(hwnd_, LVM_GETITEMCOUNT, 0, 0));
}

std::string ListView::Text(int index, int subItem) const {
    // The control copies at most the buffer's size: grow until it fits.
    std::vector<char> buf(260);
    for (;;) {
        LVITEMA item{};
        item.iSubItem = subItem;
        item.pszText = buf.data();
        item.cchTextMax = static_cast<int>(buf.size());
        const int n = static_cast<int>(
            SendMessageA(hwnd_, LVM_GETITEMTEXTA, index, reinterpret_cast<LPARAM>(&item)));
        if (n < static_cast<int>(buf.size()) - 2) {
            return std::string(buf.data(), n);
        }
        buf.resize(buf.size() * 4);
    }
}

std::string ListView::Caption(int index) const {
    return Text(index, 0);
}

std::string ListView::SubItem(int index) const {
    return Text(index, 1);
}

int ListView::Add(const std::string& caption, const std::string& subItem) {
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = Count();
    item.pszText = const_cast<char*>(caption.c_str());
    const int index =
        static_cast<int>(SendMessageA(hwnd_, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    if (index >= 0) {
        LVITEMA sub{};
        sub.iSubItem = 1;
        sub.pszText = const_cast<char*>(subItem.c_str());
        SendMessageA(hwnd_, LVM_SETITEMTEXTA, index, reinterpret_cast<LPARAM>(&sub));
    }
    return index;
}

void ListView::SetItem(int index, const std::string& caption, const std::string& subItem) {
    LVITEMA item{};
    item.iSubItem = 0;
    item.pszText = const_cast<char*>(caption.c_str());
    SendMessageA(hwnd_, LVM_SETITEMTEXTA, index, reinterpret_cast<LPARAM>(&item));
    item.iSubItem = 1;
    item.pszText = const_cast<char*>(subItem.c_str());
    SendMessageA(hwnd_, LVM_SETITEMTEXTA, index, reinterpret_cast<LPARAM>(&item));
}

void ListView::Delete(int index) {
    SendMessageA(hwnd_, LVM_DELETEITEM, index, 0);
}

void ListView::Clear() {
    SendMessageA(hwnd_, LVM_DELETEALLITEMS, 0, 0);
}

void ListView::Reserve(int n) {
    SendMessageA(hwnd_, LVM_SETITEMCOUNT, n, LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL);
}

int ListView::Selected() const {
    return static_cast<int>(SendMessageA(hwnd_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1),
                                         MAKELPARAM(LVNI_SELECTED, 0)));
}

void ListView::Select(int index) {
    // Single selection: touching only the old and the new item keeps this
    // cheap on long lists (an all-items state change walks every item).
    const int old = Selected();
    if (old == index) {
        return;
    }
    if (old >= 0) {
        LVITEMA clear{};
        clear.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageA(hwnd_, LVM_SETITEMSTATE, old, reinterpret_cast<LPARAM>(&clear));
    }
    if (index >= 0 && index < Count()) {
        LVITEMA set{};
        set.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        set.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageA(hwnd_, LVM_SETITEMSTATE, index, reinterpret_cast<LPARAM>(&set));
        SendMessageA(hwnd_, LVM_ENSUREVISIBLE, index, FALSE);
    }
}

void ListView::BeginUpdate() {
    if (updating_++ == 0) {
        SendMessageA(hwnd_, WM_SETREDRAW, FALSE, 0);
    }
}

void ListView::EndUpdate() {
    if (--updating_ == 0) {
        SendMessageA(hwnd_, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(hwnd_, nullptr, TRUE);
    }
}

void ListView::SetBkColor(COLORREF color) {
    if (BkColor() == color) {
        return;  // painting sets it on every paint; avoid needless repaints
    }
    SendMessageA(hwnd_, LVM_SETBKCOLOR, 0, color);
    SendMessageA(hwnd_, LVM_SETTEXTBKCOLOR, 0, color);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

COLORREF ListView::BkColor() const {
    return static_cast<COLORREF>(SendMessageA(hwnd_, LVM_GETBKCOLOR, 0, 0));
}

bool ListView::Reflect(UINT msg, WPARAM, LPARAM lp, LRESULT& result) {
    if (msg == WM_NOTIFY && reinterpret_cast<NMHDR*>(lp)->code == NM_DBLCLK) {
        if (OnDblClick) {
            OnDblClick();
        }
        result = 0;
        return true;
    }
    return false;
}

}  // namespace ui
