#pragma once
// The items of a list box or of a combo box's list: texts with their item
// data, the selection, the top item shown, and how a list of them is painted.

#include <string>
#include <vector>

#include "platform/win32.h"

namespace controls {

struct ListItem {
    std::string text;
    LPARAM data = 0;
};

class ListItems {
public:
    int count() const { return static_cast<int>(items_.size()); }
    bool valid(int index) const { return index >= 0 && index < count(); }
    const ListItem* at(int index) const { return valid(index) ? &items_[static_cast<std::size_t>(index)] : nullptr; }
    ListItem* at(int index) { return valid(index) ? &items_[static_cast<std::size_t>(index)] : nullptr; }

    // index -1 (or past the end) appends; returns the new item's index, or -1.
    int insert(int index, const char* text);
    // Keeps the selection on the same item (or none when it was the one removed).
    bool erase(int index);
    void clear();
    // First item whose text starts with (or, exact, equals) text, case-blind,
    // searching after index `after` and wrapping; -1 when none.
    int find(const char* text, int after, bool exact) const;

    int selected = -1;
    int top = 0;

private:
    std::vector<ListItem> items_;
};

struct ListPaint {
    int item_height = 16;
    int highlighted = -1;  // drawn in the highlight colours
    int focus_index = -1;  // gets a focus rectangle
    HFONT font;
    HBRUSH background;      // from WM_CTLCOLORLISTBOX
    COLORREF text_colour = 0;
};
void paint_list(HDC hdc, const RECT& area, const ListItems& items, const ListPaint& how);

// The item under y (client coordinates of the list area), or -1.
int list_item_at(const RECT& area, const ListItems& items, int item_height, int y);

// Pixels for one item in font.
int list_item_height(HFONT font);

}  // namespace controls
