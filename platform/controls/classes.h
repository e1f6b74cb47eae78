#pragma once
// The window procedures of the standard classes and their registration, one
// file per control. install_system_classes() calls every register_* routine.

#include "platform/win32.h"

namespace controls {

inline constexpr const char* kFrameClass = "Frame";  // the captioned frame container

LRESULT button_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
LRESULT edit_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
LRESULT static_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
LRESULT frame_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
LRESULT combo_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
LRESULT combo_list_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
LRESULT listbox_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
LRESULT header_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
LRESULT progress_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
LRESULT dialog_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

// Registers a class unless one of that name exists already.
void register_standard_class(const char* name, WNDPROC proc, UINT style, int background, int extra_bytes = 0);

}  // namespace controls
