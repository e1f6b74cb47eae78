#pragma once
// What the combo box and its list window ("ComboLBox") share.

#include <memory>

#include "platform/controls/list_items.h"
#include "platform/win32.h"

namespace controls {

struct ComboState {
    ListItems items;
    HWND list;  // the "ComboLBox": an owned pop-up, or a child for CBS_SIMPLE
    HWND edit;  // the "Edit" child of CBS_SIMPLE and CBS_DROPDOWN
    bool dropped = false;
    int hot = -1;  // the item lit in the dropped list
    bool focused = false;
    HFONT font;
    int item_height = 0;
    int drop_height = 0;  // extra height given at creation, for the list
    bool filling_edit = false;  // we are setting the edit field's text ourselves
};

std::shared_ptr<ComboState> combo_state(HWND combo);
int combo_item_height(ComboState& s);
// Closes the dropped list; choose takes the lit item as the new selection.
void combo_close(HWND combo, bool choose);
// A click in a CBS_SIMPLE list, or a lit item chosen: select it and tell the parent.
void combo_select_by_user(HWND combo, int index);

}  // namespace controls
