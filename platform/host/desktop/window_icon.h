#pragma once
// GTK 4 takes a window's icon by name from the icon theme, and gives the window
// manager only icons that sit in a theme folder of a known size. Each icon our
// windows carry is written as a PNG into a private "hicolor" folder of its size
// (with an index of its own, for machines without the hicolor theme) whose root
// is added to the theme's search path; the folders go with the host.

#include <cstdint>
#include <string>
#include <vector>

namespace desktop {

class WindowIcons {
public:
    WindowIcons() = default;
    ~WindowIcons();
    WindowIcons(const WindowIcons&) = delete;
    WindowIcons& operator=(const WindowIcons&) = delete;

    // The theme name of an icon with these pixels (0x00RRGGBB; 0xFF00FF is the
    // mask colour and shows as transparent), registering it on first use. Empty
    // when there are no pixels or the icon could not be written.
    std::string name_for(int width, int height, const std::vector<std::uint32_t>& pixels);

private:
    struct Entry {
        std::size_t hash;
        std::string name, root;
        std::vector<std::string> files, folders;  // removed files first, then folders, deepest first
    };
    std::vector<Entry> icons_;
};

}  // namespace desktop
