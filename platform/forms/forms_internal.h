#pragma once
// The forms runtime's pieces: its window classes, the form window's procedure,
// the drive list's contents and the runtime that ties forms to their events.

#include <istream>
#include <memory>
#include <string>
#include <vector>

#include "platform/forms/forms.h"

namespace forms {

inline constexpr const char* kFormClass = "ThunderRT6FormDC";

// The window class a kind of control is made of ("" for Custom).
const char* class_for(ControlKind kind);
// Registers the runtime's classes that do not exist yet (after a headless
// reset they are gone, so every load_form asks again).
void register_form_classes();
LRESULT form_window_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

// Mount points, as listed in the format of /proc/mounts, without the kernel's
// own file systems; never empty ("/" at least).
std::vector<std::string> mount_points_from(std::istream& mounts);
std::vector<std::string> mount_points();

class Runtime {
public:
    static Runtime& instance();

    Form* create(const FormDef& def, FormEvents events);
    Form* form_of(HWND form_window) const;
    void clicked(HWND form_window, HWND control);
    void move_focus(HWND form_window, bool backwards);
    void activated(HWND form_window, bool active);
    void form_destroyed(HWND form_window);
    int live_forms() const;

    void end(int code);
    int run();
    bool ended() const { return ended_; }
    void reset();

private:
    bool build_controls(Form& form);
    std::vector<std::pair<std::string, HWND>> tab_order(const Form& form) const;
    HWND first_tab_stop(const Form& form) const;

    std::vector<std::unique_ptr<Form>> forms_;
    std::vector<std::pair<HWND, HWND>> saved_focus_;  // form window, last focused control
    bool ended_ = false;
    int exit_code_ = 0;
};

}  // namespace forms
