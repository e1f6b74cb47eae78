// Window properties: a small flat list per window, names compared exactly.
// Look-ups compare lengths before bytes; the skin reads a property on every message.

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/user/wm_state.h"

using namespace user;

namespace {

// Names are kept to the length of an atom name. A "name" below 0x10000 is an
// integer atom, as on the original platform; it is keyed by its number.
constexpr std::size_t kMaxNameLength = 255;

bool is_integer_atom(LPCSTR name) { return reinterpret_cast<std::uintptr_t>(name) < 0x10000; }

// Returns false for names that can never name a property.
bool property_key(LPCSTR name, const char** data, std::size_t* size, char (&atom_buffer)[16]) {
    if (!name) return false;
    if (is_integer_atom(name)) {
        int n = std::snprintf(atom_buffer, sizeof atom_buffer, "#%u",
                              static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(name)));
        *data = atom_buffer;
        *size = static_cast<std::size_t>(n);
        return true;
    }
    std::size_t n = strnlen(name, kMaxNameLength + 1);
    if (n == 0 || n > kMaxNameLength) return false;
    *data = name;
    *size = n;
    return true;
}

Property* find_property(Window* w, const char* data, std::size_t size) {
    for (Property& p : w->props) {
        if (p.name.size() == size && std::memcmp(p.name.data(), data, size) == 0) return &p;
    }
    return nullptr;
}

// The window's property of that name; null for a dead window, a name that can
// never name a property, or a name never set.
Property* existing_property(Window* w, LPCSTR name) {
    const char* data;
    std::size_t size;
    char atom[16];
    if (!w || !property_key(name, &data, &size, atom)) return nullptr;
    return find_property(w, data, size);
}

}  // namespace

BOOL SetPropA(HWND hwnd, LPCSTR name, LONG_PTR value) {
    Window* w = find_window(hwnd);
    const char* data;
    std::size_t size;
    char atom[16];
    if (!w || !property_key(name, &data, &size, atom)) return FALSE;
    if (Property* p = find_property(w, data, size)) {
        p->value = value;
        return TRUE;
    }
    w->props.push_back(Property{std::string(data, size), value});
    return TRUE;
}

LONG_PTR GetPropA(HWND hwnd, LPCSTR name) {
    Property* p = existing_property(find_window(hwnd), name);
    return p ? p->value : 0;
}

LONG_PTR RemovePropA(HWND hwnd, LPCSTR name) {
    Window* w = find_window(hwnd);
    Property* p = existing_property(w, name);
    if (!p) return 0;
    LONG_PTR value = p->value;
    w->props.erase(w->props.begin() + (p - w->props.data()));
    return value;
}
