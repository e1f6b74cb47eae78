#include "platform/controls/list_items.h"

#include <cctype>

#include "platform/controls/classic_look.h"
#include "platform/controls/control_util.h"

namespace controls {

int ListItems::insert(int index, const char* text) {
    if (index < 0 || index > count()) index = count();
    items_.insert(items_.begin() + index, ListItem{text ? text : "", 0});
    if (selected >= index) ++selected;
    return index;
}

bool ListItems::erase(int index) {
    if (!valid(index)) return false;
    items_.erase(items_.begin() + index);
    if (selected == index) selected = -1;
    else if (selected > index) --selected;
    if (top >= count()) top = count() > 0 ? count() - 1 : 0;
    return true;
}

void ListItems::clear() {
    items_.clear();
    selected = -1;
    top = 0;
}

int ListItems::find(const char* text, int after, bool exact) const {
    if (!text || items_.empty()) return -1;
    std::string wanted(text);
    int n = count();
    int start = (after < -1 || after >= n) ? -1 : after;
    for (int step = 1; step <= n; ++step) {
        const std::string& s = items_[static_cast<std::size_t>((start + step) % n)].text;
        if (exact ? s.size() != wanted.size() : s.size() < wanted.size()) continue;
        bool same = true;
        for (std::size_t i = 0; i < wanted.size() && same; ++i)
            same = std::tolower(static_cast<unsigned char>(s[i])) == std::tolower(static_cast<unsigned char>(wanted[i]));
        if (same) return (start + step) % n;
    }
    return -1;
}

void paint_list(HDC hdc, const RECT& area, const ListItems& items, const ListPaint& how) {
    FillRect(hdc, &area, how.background);
    HGDIOBJ old_font = SelectObject(hdc, font_or_default(how.font));
    int old_mode = SetBkMode(hdc, TRANSPARENT);
    for (int i = items.top; i < items.count(); ++i) {
        int y = area.top + (i - items.top) * how.item_height;
        if (y >= area.bottom) break;
        RECT row{area.left, y, area.right, y + how.item_height};
        bool lit = i == how.highlighted;
        if (lit) fill_rect(hdc, row, COLOR_HIGHLIGHT);
        SetTextColor(hdc, lit ? GetSysColor(COLOR_HIGHLIGHTTEXT) : how.text_colour);
        RECT text = row;
        text.left += 2;
        const std::string& s = items.at(i)->text;
        DrawTextA(hdc, s.data(), static_cast<int>(s.size()), &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        if (i == how.focus_index) draw_focus(hdc, row);
    }
    SetBkMode(hdc, old_mode);
    SelectObject(hdc, old_font);
}

int list_item_at(const RECT& area, const ListItems& items, int item_height, int y) {
    if (item_height <= 0 || y < area.top || y >= area.bottom) return -1;
    int index = items.top + (y - area.top) / item_height;
    return items.valid(index) ? index : -1;
}

int list_item_height(HFONT font) { return font_line_height(font) + 2; }

}  // namespace controls
