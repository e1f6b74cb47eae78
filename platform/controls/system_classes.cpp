#include "platform/controls/system_classes.h"

#include "platform/controls/classes.h"

namespace controls {

void register_standard_class(const char* name, WNDPROC proc, UINT style, int background, int extra_bytes) {
    WNDCLASSA existing{};
    if (GetClassInfoA(HINSTANCE(), name, &existing)) return;
    WNDCLASSA wc{};
    wc.style = style | CS_GLOBALCLASS;
    wc.lpfnWndProc = proc;
    wc.cbWndExtra = extra_bytes;
    // background < 0: the control paints every pixel itself.
    wc.hbrBackground = background < 0 ? HBRUSH() : HBRUSH(static_cast<std::uint32_t>(background + 1));
    wc.lpszClassName = name;
    RegisterClassA(&wc);
}

void install_system_classes() {
    register_standard_class("Button", button_proc, CS_DBLCLKS, -1);
    register_standard_class("Edit", edit_proc, CS_DBLCLKS, -1);
    register_standard_class("Static", static_proc, 0, -1);
    register_standard_class(kFrameClass, frame_proc, 0, -1);
    register_standard_class("ComboBox", combo_proc, CS_DBLCLKS, -1);
    register_standard_class("ComboLBox", combo_list_proc, CS_DBLCLKS | CS_SAVEBITS, -1);
    register_standard_class("ListBox", listbox_proc, CS_DBLCLKS, -1);
    register_standard_class("SysHeader32", header_proc, CS_DBLCLKS, -1);
    register_standard_class("msctls_progress32", progress_proc, 0, -1);
    // Dialog boxes keep their procedure's message result in the first extra slot
    // (DWL_MSGRESULT), as dialog procedures expect.
    register_standard_class("#32770", dialog_proc, CS_DBLCLKS | CS_SAVEBITS, COLOR_BTNFACE,
                            static_cast<int>(3 * sizeof(LONG_PTR)));
}

}  // namespace controls
