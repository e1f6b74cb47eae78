#pragma once
// The forms runtime: a form described by data (caption, client size, icon and a
// table of controls in twips) becomes a top-level window with child controls.
// It raises the load event after every control exists and before the form is
// shown, a control's click event for BN_CLICKED, moves the focus by tab index on
// Tab and Shift+Tab, and ends the program on request or when the last form is
// closed and destroyed. It knows nothing of the skin.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/win32.h"

namespace forms {

inline constexpr int kTwipsPerPixel = 15;
// Twips to pixels, rounded to the nearest pixel.
int twips_to_pixels(int twips);

// The kinds of control a form can hold, and the window class each is made of.
enum class ControlKind {
    CommandButton,  // "ThunderRT6CommandButton" (a push button)
    CheckBox,       // "ThunderRT6CheckBox" (an auto check box)
    OptionButton,   // "ThunderRT6OptionButton" (an auto radio button)
    TextBox,        // "ThunderRT6TextBox" (an edit box)
    Frame,          // "ThunderRT6Frame" (the frame container with a caption)
    ComboBox,       // "ThunderRT6ComboBox"
    ListBox,        // "ThunderRT6ListBox"
    DriveList,      // "ThunderRT6DriveListBox" (a drop-down list of mount points)
    Label,          // "ThunderRT6Label"-like static text
    ProgressBar,    // "ProgressBar20WndClass"
    Header,         // "msvb_lib_header"
    DataList,       // "DataListWndClass" (a list box)
    Custom,         // a window of class_name, registered by someone else
};

struct ControlDef {
    ControlKind kind = ControlKind::Custom;
    std::string name;    // "Command1"
    std::string parent;  // empty: the form itself; else the name of a Frame
    int left = 0, top = 0, width = 0, height = 0;  // twips, relative to the parent's client area
    std::string caption;                           // caption or text
    int tab_index = 0;
    int stacking = 0;  // among siblings, 0 is topmost
    DWORD style = 0;   // extra style bits (ES_MULTILINE, WS_VSCROLL, ES_READONLY, ...)
    DWORD ex_style = 0;
    std::string class_name;  // Custom only
};

struct Icon {
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels;  // 0x00RRGGBB, row-major (24-bit colour)
};

struct FormDef {
    std::string name = "Form1";
    std::string caption;
    int client_width = 0, client_height = 0;  // twips
    Icon icon;
    std::vector<ControlDef> controls;
};

class Form;

struct FormEvents {
    std::function<void(Form&)> load;
    std::function<void(Form&, const std::string& control)> click;
};

class Form {
public:
    HWND hwnd() const { return hwnd_; }
    // The window of a control by name, 0 when there is none.
    HWND control(const std::string& name) const;
    const FormDef& definition() const { return def_; }

    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

private:
    friend class Runtime;
    Form() = default;
    HWND hwnd_;
    FormDef def_;
    FormEvents events_;
    std::vector<std::pair<std::string, HWND>> controls_;
};

// Creates the form (hidden), its controls in the stacking order the table gives,
// raises load, then shows the form. Returns null when the form could not be made.
Form* load_form(const FormDef& def, FormEvents events);

// Runs the message loop until the program ends; returns the exit code.
int run();

// Ends the program at once: no further event of any form is raised, no form is
// asked whether it may close; every form is destroyed and run() returns code.
void end_program(int code = 0);

// True once end_program was called or the last form went away (until reset).
bool program_ended();

// Forgets every form (they must be destroyed already); for tests.
void reset();

}  // namespace forms
