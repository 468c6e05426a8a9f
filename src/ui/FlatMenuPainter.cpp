#include "ui/FlatMenuPainter.h"

#include <algorithm>

#include "ui/ImageStrip.h"

namespace ui {

namespace {

constexpr int kTextGap = 8;       // icon column to caption
constexpr int kShortcutGap = 24;  // caption to shortcut text
constexpr int kRightMargin = 12;
constexpr int kItemPadding = 6;  // above and below the taller of image and text
constexpr int kSeparatorHeight = 5;
constexpr int kSeparatorShade = 70;  // per cent of the face colour: a line that shows

COLORREF Mix(COLORREF a, COLORREF b, int percentOfA) {
    auto ch = [percentOfA](int x, int y) {
        return (x * percentOfA + y * (100 - percentOfA)) / 100;
    };
    return RGB(ch(GetRValue(a), GetRValue(b)), ch(GetGValue(a), GetGValue(b)),
               ch(GetBValue(a), GetBValue(b)));
}

void Fill(HDC dc, const RECT& r, COLORREF color) {
    SetBkColor(dc, color);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
}

void Frame(HDC dc, const RECT& r, COLORREF color) {
    const RECT edges[] = {{r.left, r.top, r.right, r.top + 1},
                          {r.left, r.bottom - 1, r.right, r.bottom},
                          {r.left, r.top, r.left + 1, r.bottom},
                          {r.right - 1, r.top, r.right, r.bottom}};
    for (const RECT& e : edges) {
        Fill(dc, e, color);
    }
}

// "Caption\tShortcut" split at the tab.
std::pair<std::string, std::string> SplitShortcut(const std::string& text) {
    const auto tab = text.find('\t');
    if (tab == std::string::npos) {
        return {text, std::string()};
    }
    return {text.substr(0, tab), text.substr(tab + 1)};
}

// The mnemonic byte of a caption ("&&" is a literal ampersand), or 0.
char Mnemonic(const std::string& caption) {
    for (size_t i = 0; i < caption.size(); ++i) {
        const char c = caption[i];
        if (c == '\t') {
            break;
        }
        if (IsDBCSLeadByte(static_cast<BYTE>(c))) {
            ++i;  // the trail byte is never a mnemonic marker
            continue;
        }
        if (c == '&' && i + 1 < caption.size()) {
            if (caption[i + 1] != '&') {
                return caption[i + 1];
            }
            ++i;
        }
    }
    return 0;
}

char Upper(char c) {
    char s[2] = {c, 0};
    CharUpperBuffA(s, 1);
    return s[0];
}

}  // namespace

FlatMenuColors FlatMenuColors::FromSystem(const FlatMenuStyle& style) {
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    FlatMenuColors c{};
    c.background = face;
    c.iconColumn = face;
    c.separator = Mix(face, RGB(0, 0, 0), kSeparatorShade);
    c.text = GetSysColor(COLOR_MENUTEXT);
    // A light tint of the highlight keeps the menu text readable on it.
    c.selectFill = Mix(highlight, GetSysColor(COLOR_WINDOW), style.dimLevel);
    c.selectBorder = highlight;
    c.selectText = GetSysColor(COLOR_MENUTEXT);
    c.disabledText = GetSysColor(COLOR_INACTIVECAPTION);
    return c;
}

void FlatMenuPainter::Attach(const MainMenu& menu, FlatMenuStyle style) {
    menu_ = &menu;
    style_ = style;
    NONCLIENTMETRICSA ncm{};
    ncm.cbSize = sizeof(ncm);
    if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0)) {
        font_.Reset(CreateFontIndirectA(&ncm.lfMenuFont));
    }
    items_.clear();
    HMENU bar = menu.Handle();
    const int menus = GetMenuItemCount(bar);
    for (int m = 0; m < menus; ++m) {
        HMENU popup = GetSubMenu(bar, m);
        const int count = popup ? GetMenuItemCount(popup) : 0;
        for (int i = 0; i < count; ++i) {
            MENUITEMINFOA info{};
            info.cbSize = sizeof(info);
            info.fMask = MIIM_FTYPE | MIIM_ID;
            if (!GetMenuItemInfoA(popup, i, TRUE, &info)) {
                continue;
            }
            auto item = std::make_unique<Item>();
            item->menu = popup;
            item->position = static_cast<UINT>(i);
            item->separator = (info.fType & MFT_SEPARATOR) != 0;
            const MenuItemDef* def = item->separator ? nullptr : menu.FindItem(info.wID);
            item->image = def ? def->image : -1;
            info.fMask = MIIM_FTYPE | MIIM_DATA;
            info.fType |= MFT_OWNERDRAW;
            info.dwItemData = reinterpret_cast<ULONG_PTR>(item.get());
            SetMenuItemInfoA(popup, i, TRUE, &info);
            items_.push_back(std::move(item));
        }
    }
}

const FlatMenuPainter::Item* FlatMenuPainter::Find(ULONG_PTR data) const {
    for (const auto& item : items_) {
        if (reinterpret_cast<ULONG_PTR>(item.get()) == data) {
            return item.get();
        }
    }
    return nullptr;
}

bool FlatMenuPainter::IsOurs(HMENU menu) const {
    return std::any_of(items_.begin(), items_.end(),
                       [menu](const auto& item) { return item->menu == menu; });
}

std::string FlatMenuPainter::ItemText(HMENU menu, UINT position) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STRING;
    if (!GetMenuItemInfoA(menu, position, TRUE, &info) || info.cch == 0) {
        return std::string();
    }
    std::string text(info.cch + 1, '\0');
    info.dwTypeData = text.data();
    info.cch += 1;
    if (!GetMenuItemInfoA(menu, position, TRUE, &info)) {
        return std::string();
    }
    text.resize(info.cch);
    return text;
}

SIZE FlatMenuPainter::TextSize(const std::string& text) const {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font_ ? font_.Get() : GetStockObject(DEFAULT_GUI_FONT));
    RECT r{0, 0, 0, 0};
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_SINGLELINE | DT_CALCRECT);
    if (text.empty()) {
        TEXTMETRICA tm{};
        GetTextMetricsA(dc, &tm);
        r.bottom = tm.tmHeight;
    }
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

bool FlatMenuPainter::MeasureItem(LPARAM lp) {
    auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
    if (!mis || mis->CtlType != ODT_MENU) {
        return false;
    }
    const Item* item = Find(mis->itemData);
    if (!item) {
        return false;
    }
    if (item->separator) {
        mis->itemWidth = static_cast<UINT>(style_.iconWidth);
        mis->itemHeight = kSeparatorHeight;
        return true;
    }
    const auto [caption, shortcut] = SplitShortcut(ItemText(item->menu, item->position));
    const SIZE cap = TextSize(caption);
    int width = style_.iconWidth + kTextGap + cap.cx + kRightMargin;
    if (!shortcut.empty()) {
        width += kShortcutGap + TextSize(shortcut).cx;
    }
    int imageW = 0;
    int imageH = 0;
    if (HIMAGELIST images = menu_->Images()) {
        ImageList_GetIconSize(images, &imageW, &imageH);
    }
    mis->itemWidth = static_cast<UINT>(width);
    mis->itemHeight = static_cast<UINT>(std::max<int>(imageH, cap.cy) + kItemPadding);
    return true;
}

bool FlatMenuPainter::DrawItem(LPARAM lp) {
    const auto* dis = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
    if (!dis || dis->CtlType != ODT_MENU) {
        return false;
    }
    const Item* item = Find(dis->itemData);
    if (!item) {
        return false;
    }
    const FlatMenuColors colors = FlatMenuColors::FromSystem(style_);
    HDC dc = dis->hDC;
    const RECT rc = dis->rcItem;
    const bool selected = (dis->itemState & ODS_SELECTED) != 0;
    const bool disabled = (dis->itemState & (ODS_GRAYED | ODS_DISABLED)) != 0;
    const int savedDc = SaveDC(dc);

    RECT column = rc;
    column.right = std::min<LONG>(rc.right, rc.left + style_.iconWidth);
    COLORREF underIcon = colors.iconColumn;
    if (selected && !item->separator) {
        // A disabled item shows where the keyboard is, but no fill.
        if (!disabled) {
            Fill(dc, rc, colors.selectFill);
            underIcon = colors.selectFill;
        } else {
            Fill(dc, rc, colors.background);
            Fill(dc, column, colors.iconColumn);
        }
        Frame(dc, rc, colors.selectBorder);
    } else {
        Fill(dc, rc, colors.background);
        Fill(dc, column, colors.iconColumn);
    }

    if (item->separator) {
        const int y = (rc.top + rc.bottom) / 2;
        const RECT line{column.right + kTextGap, y, rc.right, y + 1};
        Fill(dc, line, colors.separator);
        RestoreDC(dc, savedDc);
        return true;
    }

    HIMAGELIST images = menu_->Images();
    if (images && item->image >= 0 && item->image < ImageList_GetImageCount(images)) {
        int w = 0;
        int h = 0;
        ImageList_GetIconSize(images, &w, &h);
        const int x = rc.left + (style_.iconWidth - w) / 2;
        const int y = rc.top + ((rc.bottom - rc.top) - h) / 2;
        if (disabled) {
            DrawImageGreyed(dc, images, item->image, x, y, underIcon, style_.greyLevel);
        } else {
            ImageList_Draw(images, item->image, dc, x, y, ILD_TRANSPARENT);
        }
    }

    const auto [caption, shortcut] = SplitShortcut(ItemText(item->menu, item->position));
    if (font_) {
        SelectObject(dc, font_.Get());
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, disabled ? colors.disabledText : selected ? colors.selectText : colors.text);
    RECT text = rc;
    text.left = column.right + kTextGap;
    text.right -= kRightMargin;
    const UINT hide = (dis->itemState & ODS_NOACCEL) ? DT_HIDEPREFIX : 0;
    DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
              DT_SINGLELINE | DT_VCENTER | DT_LEFT | hide);
    if (!shortcut.empty()) {
        DrawTextA(dc, shortcut.c_str(), static_cast<int>(shortcut.size()), &text,
                  DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOPREFIX);
    }
    RestoreDC(dc, savedDc);
    return true;
}

bool FlatMenuPainter::MenuChar(WPARAM wp, LPARAM lp, LRESULT& result) const {
    HMENU menu = reinterpret_cast<HMENU>(lp);
    if (!menu || !IsOurs(menu)) {
        return false;
    }
    const char key = Upper(static_cast<char>(LOWORD(wp)));
    std::vector<int> matches;
    int current = -1;
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        const UINT state = GetMenuState(menu, i, MF_BYPOSITION);
        if (state & MF_HILITE) {
            current = i;
        }
        if (state & MF_SEPARATOR) {
            continue;
        }
        const char m = Mnemonic(ItemText(menu, static_cast<UINT>(i)));
        if (m && Upper(m) == key) {
            matches.push_back(i);
        }
    }
    if (matches.empty()) {
        result = MAKELRESULT(0, MNC_IGNORE);
    } else if (matches.size() == 1) {
        result = MAKELRESULT(matches.front(), MNC_EXECUTE);
    } else {
        // Several items share the key: each press moves to the next of them.
        auto next =
            std::find_if(matches.begin(), matches.end(), [current](int i) { return i > current; });
        result = MAKELRESULT(next != matches.end() ? *next : matches.front(), MNC_SELECT);
    }
    return true;
}

}  // namespace ui
