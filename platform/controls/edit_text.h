#pragma once
// The text model of the edit box, free of windows: moving by whole UTF-8
// characters (a CR LF pair counts as one), assembling characters that arrive
// one byte at a time, and breaking text into lines.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace controls::edit_text {

// The position after / before the character at pos; CR LF is one step.
std::size_t next_char(std::string_view text, std::size_t pos);
std::size_t prev_char(std::string_view text, std::size_t pos);
// pos moved back onto the start of the character that holds it.
std::size_t char_start(std::string_view text, std::size_t pos);
// Start and end of the word around pos (letters, digits and non-ASCII), for double-clicks.
std::size_t word_start(std::string_view text, std::size_t pos);
std::size_t word_end(std::string_view text, std::size_t pos);

// The code point of the character starting at pos (U+FFFD for a broken sequence).
std::uint32_t code_point_at(std::string_view text, std::size_t pos);

// Collects WM_CHAR bytes into whole UTF-8 characters. feed() returns the
// character once its last byte arrived, an empty string while it waits for
// more; a byte that cannot continue what was pending drops the broken part.
class Utf8Assembler {
public:
    std::string feed(unsigned char byte);
    void clear() { pending_.clear(); need_ = 0; }

private:
    std::string pending_;
    int need_ = 0;
};

// Only the first line of text (for pasting into a single-line box).
std::string first_line(std::string_view text);
// Keeps every line break as CR LF (lone LF or CR become CR LF).
std::string normalise_line_breaks(std::string_view text);

struct Line {
    std::size_t start = 0;  // first byte of the line
    std::size_t end = 0;    // end of what is shown (before a hard break)
    std::size_t next = 0;   // start of the next line
};

// Width in pixels of the character at pos (never called for line breaks).
using CharWidth = std::function<int(std::string_view text, std::size_t pos)>;

// Lines of text: breaks at CR LF (or LF), and when wrap_width > 0 at the last
// blank that keeps a line within wrap_width (a word longer than the line is
// cut where it overflows). Always at least one line.
std::vector<Line> layout_lines(std::string_view text, int wrap_width, const CharWidth& width);

}  // namespace controls::edit_text
