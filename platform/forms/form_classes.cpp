// The forms runtime's window classes: each control class is a superclass of a
// standard one (same procedure, a name of its own), so the skin engine can
// tell the runtime's controls apart by class name.

#include "platform/controls/classes.h"
#include "platform/controls/system_classes.h"
#include "platform/forms/forms_internal.h"

namespace forms {

namespace {

struct Superclass {
    const char* name;
    const char* base;
};

constexpr Superclass kSuperclasses[] = {
    {"ThunderRT6CommandButton", "Button"},
    {"ThunderRT6CheckBox", "Button"},
    {"ThunderRT6OptionButton", "Button"},
    {"ThunderRT6TextBox", "Edit"},
    {"ThunderRT6Frame", controls::kFrameClass},
    {"ThunderRT6ComboBox", "ComboBox"},
    {"ThunderRT6ListBox", "ListBox"},
    {"ThunderRT6DriveListBox", "ComboBox"},
    {"ThunderRT6Label", "Static"},
    {"ProgressBar20WndClass", "msctls_progress32"},
    {"msvb_lib_header", "SysHeader32"},
    {"DataListWndClass", "ListBox"},
};

bool registered(const char* name) {
    WNDCLASSA wc{};
    return GetClassInfoA(HINSTANCE(), name, &wc) != FALSE;
}

}  // namespace

const char* class_for(ControlKind kind) {
    switch (kind) {
    case ControlKind::CommandButton: return "ThunderRT6CommandButton";
    case ControlKind::CheckBox: return "ThunderRT6CheckBox";
    case ControlKind::OptionButton: return "ThunderRT6OptionButton";
    case ControlKind::TextBox: return "ThunderRT6TextBox";
    case ControlKind::Frame: return "ThunderRT6Frame";
    case ControlKind::ComboBox: return "ThunderRT6ComboBox";
    case ControlKind::ListBox: return "ThunderRT6ListBox";
    case ControlKind::DriveList: return "ThunderRT6DriveListBox";
    case ControlKind::Label: return "ThunderRT6Label";
    case ControlKind::ProgressBar: return "ProgressBar20WndClass";
    case ControlKind::Header: return "msvb_lib_header";
    case ControlKind::DataList: return "DataListWndClass";
    case ControlKind::Custom: return "";
    }
    return "";
}

void register_form_classes() {
    controls::install_system_classes();
    for (const char* name : {kFormClass, "ThunderFormDC"}) {
        if (registered(name)) continue;
        WNDCLASSA wc{};
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = form_window_proc;
        wc.hbrBackground = HBRUSH(static_cast<std::uint32_t>(COLOR_BTNFACE + 1));
        wc.lpszClassName = name;
        RegisterClassA(&wc);
    }
    for (const Superclass& sc : kSuperclasses) {
        if (registered(sc.name)) continue;
        WNDCLASSA wc{};
        if (!GetClassInfoA(HINSTANCE(), sc.base, &wc)) continue;
        wc.lpszClassName = sc.name;
        wc.style |= CS_DBLCLKS;
        wc.style &= ~CS_GLOBALCLASS;
        RegisterClassA(&wc);
    }
}

}  // namespace forms
