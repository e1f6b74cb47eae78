#pragma once
// The headless host and test harness. Nothing is shown; the clock is virtual and
// moves only when a test moves it. Input enters through the same path as the
// desktop host's. Positions are screen coordinates: a top-level window created
// at 0, 0 has its client area's origin there.

#include <cstdint>
#include <string>

#include "platform/win32.h"

namespace headless {

// Destroys every window, empties the queue, kills timers, releases capture and
// focus, restores hidden module exports, sets the clock to 0 and makes the
// headless host current. Stock objects survive.
void reset();

// Delivers everything that is due now (posted messages, input, paints, timers
// whose time has come) until nothing is left. A WM_QUIT stays in the queue
// for PeekMessageA / GetMessageA to find.
void pump();

// Moves the virtual clock by ms, delivering each timer tick as it falls due.
void advance(std::uint32_t ms);

// Milliseconds on the virtual clock.
std::uint64_t now();

// Mouse input at screen position x, y; each call queues the input and pumps.
void mouse_move(int x, int y);
void mouse_down(int x, int y, int button = 0);  // 0 left, 1 right, 2 middle
void mouse_up(int x, int y, int button = 0);
void click(int x, int y);  // down and up at the same place

// Keys by virtual-key code to the focus window; type_text sends the WM_CHARs of
// UTF-8 text (one per byte). Each call pumps.
void key_down(int vk);
void key_up(int vk);
void key_press(int vk);  // down and up
void type_text(const std::string& utf8);

// The headless clipboard (the desktop host uses the real one).
void set_clipboard_text(const std::string& utf8);
std::string clipboard_text();

// Writes what the top-level window's screen surface shows (its whole rectangle).
bool save_png(HWND top_level, const std::string& path);
// Any bitmap, or the bitmap selected into a memory DC.
bool save_bitmap_png(HBITMAP bitmap, const std::string& path);
bool save_dc_png(HDC dc, const std::string& path);

// Live objects: GDI objects created and not yet deleted (stock objects do not
// count), and windows that exist.
int gdi_object_count();
int window_count();

// Hides or restores an export of a built-in module, to reach the fallback path.
void hide_export(const std::string& module, const std::string& function, bool hidden = true);

}  // namespace headless
