// A table of built-in modules and their exports. Names compare case-insensitively
// and may carry a ".dll" suffix. Some modules are always loaded; the others
// count their LoadLibraryA calls and unload when FreeLibrary brings them to 0.

#include <strings.h>

#include <cstring>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/user/wm_state.h"

namespace user {

namespace {

template <class F>
FARPROC entry(F* f) {
    return reinterpret_cast<FARPROC>(f);
}

struct Export {
    const char* name;
    FARPROC proc;
};

struct Module {
    const char* name;
    bool always_loaded;
    std::vector<Export> exports;
    int references = 0;
};

std::vector<Module>& modules() {
    static std::vector<Module> table = {
        {"zelvio", true, {}},
        {"user32", true,
         {{"TrackMouseEvent", entry(&TrackMouseEvent)}, {"SendMessageA", entry(&SendMessageA)},
          {"PostMessageA", entry(&PostMessageA)}, {"CallWindowProcA", entry(&CallWindowProcA)},
          {"DefWindowProcA", entry(&DefWindowProcA)}, {"GetWindowLongA", entry(&GetWindowLongA)},
          {"SetWindowLongA", entry(&SetWindowLongA)}, {"GetPropA", entry(&GetPropA)},
          {"SetPropA", entry(&SetPropA)}, {"RemovePropA", entry(&RemovePropA)},
          {"SetWindowRgn", entry(&SetWindowRgn)}, {"RedrawWindow", entry(&RedrawWindow)},
          {"SetTimer", entry(&SetTimer)}, {"KillTimer", entry(&KillTimer)},
          {"GetSystemMetrics", entry(&GetSystemMetrics)}, {"DrawEdge", entry(&DrawEdge)}}},
        {"comctl32", false, {{"_TrackMouseEvent", entry(&_TrackMouseEvent)}}},
        {"kernel32", true,
         {{"GetModuleHandleA", entry(&GetModuleHandleA)}, {"LoadLibraryA", entry(&LoadLibraryA)},
          {"GetProcAddress", entry(&GetProcAddress)}, {"FreeLibrary", entry(&FreeLibrary)},
          {"GetTickCount", entry(&GetTickCount)}}},
        {"gdi32", true,
         {{"CreateCompatibleDC", entry(&CreateCompatibleDC)}, {"DeleteDC", entry(&DeleteDC)},
          {"BitBlt", entry(&BitBlt)}, {"StretchBlt", entry(&StretchBlt)}, {"SelectObject", entry(&SelectObject)},
          {"DeleteObject", entry(&DeleteObject)}, {"CreateRoundRectRgn", entry(&CreateRoundRectRgn)}}},
        {"msimg32", false, {{"AlphaBlend", entry(&AlphaBlend)}}},
        {"oleaut32", false, {{"OleTranslateColor", entry(&OleTranslateColor)}}},
    };
    return table;
}

std::set<std::pair<std::string, std::string>>& hidden_exports() {
    static std::set<std::pair<std::string, std::string>> hidden;
    return hidden;
}

std::string lower(std::string s) {
    for (char& c : s) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    return s;
}

// Module handles are small fixed values, one per table row.
constexpr std::uint32_t kModuleHandleBase = 0x00100000;

int index_of(LPCSTR name) {
    if (!name) return -1;
    std::string n = lower(name);
    if (n.size() > 4 && n.compare(n.size() - 4, 4, ".dll") == 0) n.resize(n.size() - 4);
    auto& table = modules();
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (n == table[i].name) return static_cast<int>(i);
    }
    return -1;
}

int index_of(HMODULE h) {
    if (h.value < kModuleHandleBase) return -1;
    std::uint32_t i = h.value - kModuleHandleBase;
    return i < modules().size() ? static_cast<int>(i) : -1;
}

bool loaded(const Module& m) { return m.always_loaded || m.references > 0; }

HMODULE handle_of(int i) { return HMODULE(kModuleHandleBase + static_cast<std::uint32_t>(i)); }

}  // namespace

void restore_module_exports() {
    hidden_exports().clear();
    for (Module& m : modules()) m.references = 0;
}

void hide_module_export(const std::string& module, const std::string& function, bool hidden) {
    int i = index_of(module.c_str());
    if (i < 0) return;
    auto key = std::make_pair(std::string(modules()[static_cast<std::size_t>(i)].name), function);
    if (hidden) hidden_exports().insert(key);
    else hidden_exports().erase(key);
}

}  // namespace user

using namespace user;

HMODULE GetModuleHandleA(LPCSTR name) {
    if (!name) return handle_of(0);  // the program itself
    int i = index_of(name);
    if (i < 0 || !loaded(modules()[static_cast<std::size_t>(i)])) return HMODULE();
    return handle_of(i);
}

HMODULE LoadLibraryA(LPCSTR name) {
    int i = index_of(name);
    if (i < 0) return HMODULE();
    ++modules()[static_cast<std::size_t>(i)].references;
    return handle_of(i);
}

FARPROC GetProcAddress(HMODULE module, LPCSTR name) {
    int i = index_of(module);
    if (i < 0 || !name || reinterpret_cast<std::uintptr_t>(name) < 0x10000) return nullptr;
    const Module& m = modules()[static_cast<std::size_t>(i)];
    if (!loaded(m)) return nullptr;
    if (hidden_exports().count({m.name, name})) return nullptr;
    for (const Export& e : m.exports) {
        if (std::strcmp(e.name, name) == 0) return e.proc;
    }
    return nullptr;
}

BOOL FreeLibrary(HMODULE module) {
    int i = index_of(module);
    if (i < 0) return FALSE;
    Module& m = modules()[static_cast<std::size_t>(i)];
    if (m.references > 0) {
        --m.references;
        return TRUE;
    }
    return m.always_loaded ? TRUE : FALSE;
}
