#include "platform/controls/edit_text.h"

namespace controls::edit_text {

namespace {

bool is_continuation(unsigned char c) { return (c & 0xC0) == 0x80; }

int sequence_length(unsigned char lead) {
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) return 2;
    if ((lead & 0xF0) == 0xE0) return 3;
    if ((lead & 0xF8) == 0xF0) return 4;
    return 1;  // a stray continuation byte or an invalid lead stands alone
}

bool is_word_char(std::string_view text, std::size_t pos) {
    unsigned char c = static_cast<unsigned char>(text[pos]);
    if (c >= 0x80) return true;
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

}  // namespace

std::size_t next_char(std::string_view text, std::size_t pos) {
    if (pos >= text.size()) return text.size();
    if (text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') return pos + 2;
    std::size_t n = static_cast<std::size_t>(sequence_length(static_cast<unsigned char>(text[pos])));
    std::size_t end = pos + 1;
    while (end < pos + n && end < text.size() && is_continuation(static_cast<unsigned char>(text[end]))) ++end;
    return end;
}

std::size_t char_start(std::string_view text, std::size_t pos) {
    if (pos >= text.size()) return text.size();
    std::size_t start = pos;
    // At most three continuation bytes belong to one character.
    while (start > 0 && pos - start < 3 && is_continuation(static_cast<unsigned char>(text[start]))) --start;
    if (next_char(text, start) <= pos) return pos;  // pos was a stray continuation byte
    if (start > 0 && text[start] == '\n' && text[start - 1] == '\r') --start;
    return start;
}

std::size_t prev_char(std::string_view text, std::size_t pos) {
    if (pos == 0) return 0;
    if (pos > text.size()) pos = text.size();
    return char_start(text, pos - 1);
}

std::size_t word_start(std::string_view text, std::size_t pos) {
    pos = char_start(text, pos);
    while (pos > 0) {
        std::size_t prev = prev_char(text, pos);
        if (!is_word_char(text, prev)) break;
        pos = prev;
    }
    return pos;
}

std::size_t word_end(std::string_view text, std::size_t pos) {
    pos = char_start(text, pos);
    while (pos < text.size() && is_word_char(text, pos)) pos = next_char(text, pos);
    return pos;
}

std::uint32_t code_point_at(std::string_view text, std::size_t pos) {
    if (pos >= text.size()) return 0;
    unsigned char lead = static_cast<unsigned char>(text[pos]);
    int n = sequence_length(lead);
    if (n == 1) return lead < 0x80 ? lead : 0xFFFD;
    if (next_char(text, pos) != pos + static_cast<std::size_t>(n)) return 0xFFFD;
    std::uint32_t cp = lead & (0x7F >> n);
    for (int i = 1; i < n; ++i) cp = (cp << 6) | (static_cast<unsigned char>(text[pos + i]) & 0x3F);
    return cp;
}

std::string Utf8Assembler::feed(unsigned char byte) {
    if (is_continuation(byte)) {
        if (need_ == 0) return {};  // nothing to continue: drop it
        pending_.push_back(static_cast<char>(byte));
        if (--need_ > 0) return {};
        std::string done;
        done.swap(pending_);
        return done;
    }
    // A new lead byte abandons any unfinished character.
    pending_.clear();
    need_ = 0;
    int n = sequence_length(byte);
    if (n == 1) return byte < 0x80 ? std::string(1, static_cast<char>(byte)) : std::string();
    pending_.push_back(static_cast<char>(byte));
    need_ = n - 1;
    return {};
}

std::string first_line(std::string_view text) {
    std::size_t cut = text.find_first_of("\r\n");
    return std::string(text.substr(0, cut));
}

std::string normalise_line_breaks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r') {
            out += "\r\n";
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else if (c == '\n') {
            out += "\r\n";
        } else {
            out.push_back(c);
        }
    }
    return out;
}

std::vector<Line> layout_lines(std::string_view text, int wrap_width, const CharWidth& width) {
    std::vector<Line> lines;
    std::size_t start = 0;
    while (true) {
        std::size_t pos = start;
        int x = 0;
        std::size_t after_blank = std::string_view::npos;  // where a line may break
        Line line{start, text.size(), text.size()};
        bool last = true;
        while (pos < text.size()) {
            char c = text[pos];
            if (c == '\n' || (c == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n')) {
                line.end = pos;
                line.next = next_char(text, pos);
                last = false;
                break;
            }
            std::size_t next = next_char(text, pos);
            int w = width(text, pos);
            if (wrap_width > 0 && x + w > wrap_width && pos > start) {
                std::size_t cut = after_blank != std::string_view::npos ? after_blank : pos;
                line.end = cut;
                line.next = cut;
                last = false;
                break;
            }
            x += w;
            if (c == ' ' || c == '\t') after_blank = next;
            pos = next;
        }
        lines.push_back(line);
        if (last) break;
        start = line.next;
    }
    return lines;
}

}  // namespace controls::edit_text
