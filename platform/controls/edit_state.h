#pragma once
// The edit box's state and geometry, shared by its behaviour (edit.cpp) and
// its painting (edit_paint.cpp).

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/controls/edit_text.h"
#include "platform/win32.h"

namespace controls {

struct EditState {
    std::string text;
    std::size_t caret = 0;   // where typing goes; one end of the selection
    std::size_t anchor = 0;  // the other end of the selection
    int first_line = 0;      // multi-line: top line shown
    int scroll_x = 0;        // pixels scrolled to the left
    HFONT font;
    bool focused = false;
    bool dragging = false;
    bool modified = false;
    std::size_t limit = 0x7FFFFFFE;
    edit_text::Utf8Assembler typing;

    // Layout, rebuilt when the text, the font or the width changes.
    std::vector<edit_text::Line> lines;
    bool layout_valid = false;
    int line_height = 0;
    std::unordered_map<std::uint32_t, int> char_widths;  // for the current font
    SCROLLINFO shown_scroll{};                           // what the scroll bar last showed

    std::size_t sel_min() const { return caret < anchor ? caret : anchor; }
    std::size_t sel_max() const { return caret < anchor ? anchor : caret; }
    bool has_selection() const { return caret != anchor; }
};

namespace edit_geometry {

inline constexpr int kMarginX = 2;
inline constexpr int kMarginTop = 1;

bool is_multiline(HWND hwnd);
// ES_PASSWORD on a single-line box: every character shows as kPasswordChar.
bool is_password(HWND hwnd);
inline constexpr char kPasswordChar = '*';
// Where text is shown, in client coordinates.
RECT text_area(HWND hwnd);
void ensure_layout(HWND hwnd, EditState& s);
int char_width(HWND hwnd, EditState& s, std::string_view text, std::size_t pos);
int text_width(HWND hwnd, EditState& s, std::size_t from, std::size_t to);
int line_of(const EditState& s, std::size_t pos);
int visible_lines(HWND hwnd, const EditState& s);

}  // namespace edit_geometry

void paint_edit(HWND hwnd, EditState& s);

}  // namespace controls
