#pragma once
// The window manager's own records: classes, windows and the state every part of
// platform/user/ shares (queue, focus, capture, timers). Internal to platform/user/.

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "platform/common/handle_table.h"
#include "platform/gdi/region.h"
#include "platform/gdi/surface.h"
#include "platform/win32.h"

namespace user {

struct WindowClass {
    std::string name;
    ATOM atom = 0;
    UINT style = 0;
    WNDPROC proc = nullptr;
    int class_extra = 0;
    int window_extra = 0;
    HINSTANCE instance;
    HICON icon;
    HICON small_icon;
    HCURSOR cursor;
    HBRUSH background;  // a brush, or HBRUSH(COLOR_xxx + 1)
    std::string menu_name;
    bool system = false;  // one of the standard controls' classes
    int live_windows = 0;
};

struct Property {
    std::string name;
    LONG_PTR value = 0;
};

struct ScrollBarState {
    int min = 0;
    int max = 100;
    UINT page = 0;
    int pos = 0;
    int track_pos = 0;
};

struct Window {
    HWND self;
    std::shared_ptr<WindowClass> cls;
    WNDPROC proc = nullptr;
    DWORD style = 0;
    DWORD ex_style = 0;
    LONG_PTR id = 0;
    LONG_PTR user_data = 0;
    HINSTANCE instance;
    std::vector<std::uint8_t> extra;
    std::string text;

    HWND parent;  // 0 for top-level windows
    HWND owner;   // top-level windows only
    std::vector<HWND> children;  // front (top of the z-order) first

    // Window rectangle: parent's client coordinates for a child, screen
    // coordinates for a top-level window.
    RECT rect{};
    // Client rectangle relative to the window rectangle's top-left corner.
    RECT client{};

    std::vector<Property> props;

    // Painting. The update region is in client coordinates.
    gdi::Region update;
    bool erase_pending = false;
    bool frame_pending = false;
    bool internal_paint = false;
    bool began_paint = false;  // BeginPaint or ValidateRect seen during the current WM_PAINT

    // SetWindowRgn: the region object the window owns, and its shape in window coordinates.
    HRGN region_object;
    std::unique_ptr<gdi::Region> shape;

    gdi::SurfacePtr surface;  // top-level windows only
    std::vector<HDC> dcs;     // window DCs handed out and not yet released

    ScrollBarState vscroll, hscroll;

    int icon_width = 0, icon_height = 0;
    std::vector<std::uint32_t> icon_pixels;

    int busy = 0;            // deliveries in progress
    bool destroying = false; // DestroyWindow has begun
    bool dead = false;       // destroyed: the handle names nothing any more

    bool is_child() const { return (style & WS_CHILD) != 0; }
    bool visible_bit() const { return (style & WS_VISIBLE) != 0; }
    int width() const { return rect.right - rect.left; }
    int height() const { return rect.bottom - rect.top; }
};

struct Timer {
    HWND hwnd;
    UINT_PTR id = 0;
    UINT period = 0;
    TIMERPROC proc = nullptr;
    std::uint64_t due = 0;
    bool pending = false;  // one WM_TIMER waits to be delivered
};

// The window that asked for one WM_MOUSELEAVE (TrackMouseEvent with TME_LEAVE).
struct TrackedLeave {
    HWND hwnd;
};

struct State {
    common::HandleTable<Window> windows;
    std::vector<std::shared_ptr<WindowClass>> classes;
    ATOM next_atom = 0xC000;
    std::vector<HWND> top_levels;  // front first

    std::deque<MSG> posted;
    std::deque<MSG> input;
    bool quit_posted = false;
    int quit_code = 0;
    DWORD message_time = 0;

    std::vector<Timer> timers;
    UINT_PTR next_thread_timer_id = 1;

    HWND capture, focus, active;
    POINT cursor{};
    TrackedLeave leave;
    std::uint8_t key_down[256] = {};
    std::uint8_t key_toggled[256] = {};
    int buttons_down = 0;  // MK_LBUTTON | MK_RBUTTON | MK_MBUTTON

    // Double-click detection: the last press.
    HWND last_press_window;
    int last_press_button = -1;
    POINT last_press_point{};
    std::uint64_t last_press_time = 0;
    bool last_press_valid = false;

    int live_window_count = 0;

    // Whether the delivery about to start, and the one running, came from the queue.
    bool next_delivery_posted = false;
    bool current_delivery_posted = false;
    int dispatch_depth = 0;  // DispatchMessageA calls running
};

State& state();

// Coordinate arithmetic on caller-supplied values wraps as 32-bit integers
// instead of overflowing.
constexpr LONG wrap_add(LONG a, LONG b) {
    return static_cast<LONG>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}
constexpr LONG wrap_sub(LONG a, LONG b) {
    return static_cast<LONG>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b));
}

// Live window behind a handle, or null (dead, destroyed, 0).
Window* find_window(HWND h);
// The top-level window a window belongs to (itself when it is top-level).
Window* top_level_of(Window* w);
// True when a and all its ancestors have WS_VISIBLE.
bool is_really_visible(const Window* w);
bool is_descendant(const Window* ancestor, const Window* w);  // w inside ancestor's tree (not equal)

// Window and client rectangles in screen coordinates.
RECT window_rect_on_screen(const Window* w);
RECT client_rect_on_screen(const Window* w);
// Where the window's top-left corner lies on its top-level's surface.
POINT window_origin_on_surface(const Window* w);

// Calls the window procedure, keeping the window alive across the call.
LRESULT deliver(Window* w, UINT msg, WPARAM wp, LPARAM lp);
// Frees a destroyed window once nothing is delivering to it any more.
void release_if_unused(Window* w);

// Siblings list the window sits in (its parent's children or the top-level list).
std::vector<HWND>& sibling_list(Window* w);

// Keeps a window's rectangle within what coordinates and surfaces can hold:
// positions within +-32767, sizes from 0 to 32767, and a top-level window's
// size (its screen surface) at most 4096 x 4096.
void clamp_geometry(bool top_level, int* x, int* y, int* width, int* height);

// Recomputes the client rectangle through WM_NCCALCSIZE.
void recalc_client(Window* w);
// Makes sure a top-level window's surface matches its size.
void sync_surface(Window* w);

// Invalidation (painting.cpp). client_area is in w's client coordinates (null: all of it).
void invalidate_window(Window* w, const gdi::Region* client_area, bool erase, bool frame, bool children);
// Invalidates what of the screen-area region (screen coordinates) lies over w
// and its descendants.
void invalidate_screen_area(Window* w, const gdi::Region& screen_area);
void notify_damage();

// Focus and activation helpers (focus.cpp).
void activate_window(Window* top, bool by_click);
void window_going_away(Window* w);  // capture, focus and activation leave w's tree
void activate_another(Window* except);

// Timers and tracking of a window being destroyed.
void kill_timers_of(HWND h);
void cancel_tracking_of(HWND h);
// Posts the tracked window's WM_MOUSELEAVE if the cursor is no longer over it.
void recheck_leave();

// Non-client geometry (nonclient.cpp).
RECT nonclient_client_rect(const Window* w, const RECT& window_rect);  // parent coords in, parent coords out
bool has_own_frame(const Window* w);
void paint_nonclient(Window* w, HDC hdc);
LRESULT nonclient_hit_test(Window* w, POINT screen);
// Presses on the scroll bars of w (screen positions). A press on an arrow or the
// track queues its scroll message; a press on the thumb starts a drag that
// queues SB_THUMBTRACK as the mouse moves; the release ends with SB_ENDSCROLL.
bool scroll_bar_press(Window* w, POINT screen);
bool scroll_bar_drag(POINT screen);     // true while a press on a bar is held
bool scroll_bar_release(POINT screen);  // true when it ended one
void scroll_bar_cancel();

// The paint pass (painting.cpp): the next window wanting WM_PAINT or only its
// frame repainted, parents first; delivering both; screen DCs of GetDC(0).
Window* next_paint_target();
void send_frame_paint(Window* w);
void paint_now(Window* w, bool from_queue);
void release_screen_dcs();

// DCs (painting.cpp).
HDC make_window_dc(Window* w, bool client_only, const gdi::Region* limit);

// Class lookup (classes.cpp).
std::shared_ptr<WindowClass> find_class(const char* name);
void unregister_all_classes();

// Modules (modules.cpp).
void restore_module_exports();
void hide_module_export(const std::string& module, const std::string& function, bool hidden);

// Full reset of the window manager (destroys everything).
void reset_window_manager();

}  // namespace user
