// The forms runtime: builds a form and its controls from their table, raises
// the load and click events, keeps the tab order and decides when the program
// has ended.

#include <algorithm>
#include <map>

#include "platform/controls/dialog_keys.h"
#include "platform/controls/modal_idle.h"
#include "platform/forms/forms_internal.h"
#include "platform/user/internal.h"

namespace forms {

namespace {

struct KindStyle {
    DWORD style;
    DWORD ex_style;
    bool tab_stop;
};

KindStyle style_for(const ControlDef& def) {
    switch (def.kind) {
    case ControlKind::CommandButton: return {BS_PUSHBUTTON, 0, true};
    case ControlKind::CheckBox: return {BS_AUTOCHECKBOX, 0, true};
    case ControlKind::OptionButton: return {BS_AUTORADIOBUTTON, 0, true};
    case ControlKind::TextBox:
        return {(def.style & ES_MULTILINE) ? ES_AUTOVSCROLL : ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, true};
    case ControlKind::Frame: return {WS_CLIPCHILDREN, 0, false};
    case ControlKind::ComboBox: return {(def.style & 0x3) ? 0 : CBS_DROPDOWN, 0, true};
    case ControlKind::DriveList: return {CBS_DROPDOWNLIST, 0, true};
    case ControlKind::ListBox:
    case ControlKind::DataList: return {WS_VSCROLL | LBS_NOTIFY, WS_EX_CLIENTEDGE, true};
    case ControlKind::Label: return {SS_LEFT, 0, false};
    case ControlKind::ProgressBar: return {0, 0, false};
    case ControlKind::Header: return {HDS_BUTTONS, 0, false};
    case ControlKind::Custom: return {0, 0, (def.style & WS_TABSTOP) != 0};
    }
    return {0, 0, false};
}

HWND holding_control(const Form& form, HWND hwnd, const std::vector<std::pair<std::string, HWND>>& controls) {
    for (HWND h = hwnd; h && h != form.hwnd(); h = GetParent(h)) {
        for (const auto& [name, control] : controls)
            if (control == h) return h;
    }
    return HWND();
}

}  // namespace

int twips_to_pixels(int twips) {
    const int half = kTwipsPerPixel / 2;
    return twips >= 0 ? (twips + half) / kTwipsPerPixel : -((-twips + half) / kTwipsPerPixel);
}

HWND Form::control(const std::string& name) const {
    for (const auto& [n, h] : controls_)
        if (n == name) return IsWindow(h) ? h : HWND();
    return HWND();
}

Runtime& Runtime::instance() {
    static Runtime runtime;
    return runtime;
}

int Runtime::live_forms() const {
    return static_cast<int>(std::count_if(forms_.begin(), forms_.end(), [](const auto& f) { return IsWindow(f->hwnd()); }));
}

Form* Runtime::form_of(HWND form_window) const {
    for (const auto& f : forms_)
        if (f->hwnd_ == form_window && form_window) return f.get();
    return nullptr;
}

bool Runtime::build_controls(Form& form) {
    const std::vector<ControlDef>& table = form.def_.controls;
    // Parents before children: a pass creates every control whose parent exists.
    std::vector<int> order(table.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return table[static_cast<std::size_t>(a)].stacking < table[static_cast<std::size_t>(b)].stacking;
    });
    std::vector<bool> made(table.size(), false);
    std::map<std::string, HWND> by_name;
    std::map<HWND, std::vector<std::pair<int, HWND>>, bool (*)(HWND, HWND)> siblings(
        [](HWND a, HWND b) { return a.value < b.value; });
    const HFONT font = HFONT(GetStockObject(DEFAULT_GUI_FONT));

    for (bool progress = true; progress;) {
        progress = false;
        for (int i : order) {
            const ControlDef& def = table[static_cast<std::size_t>(i)];
            if (made[static_cast<std::size_t>(i)]) continue;
            HWND parent = form.hwnd_;
            if (!def.parent.empty()) {
                auto it = by_name.find(def.parent);
                bool parent_in_table = std::any_of(table.begin(), table.end(), [&](const ControlDef& d) { return d.name == def.parent; });
                if (it != by_name.end()) parent = it->second;
                else if (parent_in_table) continue;  // its parent comes in a later pass
            }
            made[static_cast<std::size_t>(i)] = true;
            progress = true;
            KindStyle ks = style_for(def);
            DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | ks.style | def.style | (ks.tab_stop ? WS_TABSTOP : 0);
            const char* cls = def.kind == ControlKind::Custom ? def.class_name.c_str() : class_for(def.kind);
            const bool list_kind = def.kind == ControlKind::DriveList;
            HWND h = CreateWindowExA(ks.ex_style | def.ex_style, cls, list_kind ? "" : def.caption.c_str(), style,
                                     twips_to_pixels(def.left), twips_to_pixels(def.top), twips_to_pixels(def.width),
                                     twips_to_pixels(def.height), parent, HMENU(static_cast<std::uint32_t>(i + 1)),
                                     HINSTANCE(), nullptr);
            if (!h) continue;  // an unknown custom class: the form goes on without it
            SendMessageA(h, WM_SETFONT, static_cast<WPARAM>(HandleToLong(font)), FALSE);
            if (list_kind) {
                for (const std::string& point : mount_points())
                    SendMessageA(h, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(point.c_str()));
                SendMessageA(h, CB_SETCURSEL, 0, 0);
            }
            if (!def.name.empty()) by_name[def.name] = h;
            form.controls_.emplace_back(def.name, h);
            siblings[parent].emplace_back(def.stacking, h);
        }
    }
    // Whatever order the window manager gives new windows, raise each group of
    // siblings from the bottom up so that stacking 0 ends on top.
    for (auto& [parent, group] : siblings) {
        std::stable_sort(group.begin(), group.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
        for (const auto& [stacking, h] : group)
            SetWindowPos(h, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    return IsWindow(form.hwnd_) != FALSE;
}

std::vector<std::pair<std::string, HWND>> Runtime::tab_order(const Form& form) const {
    std::vector<std::pair<int, std::pair<std::string, HWND>>> ranked;
    const std::vector<ControlDef>& table = form.def_.controls;
    for (const auto& [name, h] : form.controls_) {
        auto def = std::find_if(table.begin(), table.end(), [&](const ControlDef& d) { return d.name == name; });
        ranked.push_back({def == table.end() ? 0 : def->tab_index, {name, h}});
    }
    std::stable_sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::pair<std::string, HWND>> out;
    for (auto& r : ranked) out.push_back(r.second);
    return out;
}

namespace {

bool takes_tab(HWND h) {
    return IsWindow(h) && (GetWindowLongA(h, GWL_STYLE) & WS_TABSTOP) && IsWindowEnabled(h) && IsWindowVisible(h);
}

}  // namespace

HWND Runtime::first_tab_stop(const Form& form) const {
    for (const auto& [name, h] : tab_order(form))
        if (takes_tab(h)) return h;
    return HWND();
}

void Runtime::move_focus(HWND form_window, bool backwards) {
    Form* form = form_of(form_window);
    if (!form || ended_) return;
    auto order = tab_order(*form);
    if (order.empty()) return;
    HWND current = holding_control(*form, GetFocus(), form->controls_);
    const int n = static_cast<int>(order.size());
    int at = -1;
    for (int i = 0; i < n; ++i)
        if (order[static_cast<std::size_t>(i)].second == current) at = i;
    if (at < 0) at = backwards ? 0 : n - 1;
    for (int step = 1; step <= n; ++step) {
        int i = backwards ? ((at - step) % n + n) % n : (at + step) % n;
        HWND h = order[static_cast<std::size_t>(i)].second;
        if (takes_tab(h)) {
            controls::focus_dialog_item(h);
            return;
        }
    }
}

void Runtime::activated(HWND form_window, bool active) {
    Form* form = form_of(form_window);
    if (!form) return;
    auto saved = std::find_if(saved_focus_.begin(), saved_focus_.end(), [&](const auto& p) { return p.first == form_window; });
    if (!active) {
        HWND focus = GetFocus();
        if (focus && IsChild(form_window, focus)) {
            if (saved == saved_focus_.end()) saved_focus_.emplace_back(form_window, focus);
            else saved->second = focus;
        }
        return;
    }
    HWND focus = GetFocus();
    if (focus && IsChild(form_window, focus)) return;
    HWND target = saved != saved_focus_.end() && IsWindow(saved->second) ? saved->second : first_tab_stop(*form);
    if (target) SetFocus(target);
}

void Runtime::clicked(HWND form_window, HWND control) {
    Form* form = form_of(form_window);
    if (!form || ended_ || !form->events_.click) return;
    for (const auto& [name, h] : form->controls_) {
        if (h == control) {
            auto handler = form->events_.click;  // the handler may unload the form
            handler(*form, name);
            return;
        }
    }
}

void Runtime::form_destroyed(HWND form_window) {
    saved_focus_.erase(std::remove_if(saved_focus_.begin(), saved_focus_.end(),
                                      [&](const auto& p) { return p.first == form_window; }),
                       saved_focus_.end());
    Form* form = form_of(form_window);
    if (!form) return;
    form->hwnd_ = HWND();
    if (live_forms() == 0) ended_ = true;  // the last form is gone: so is the program
}

Form* Runtime::create(const FormDef& def, FormEvents events) {
    if (live_forms() == 0) {
        // A new program run begins (tests load form after form).
        ended_ = false;
        exit_code_ = 0;
    }
    if (ended_) return nullptr;
    register_form_classes();
    auto owned = std::unique_ptr<Form>(new Form());
    Form& form = *owned;
    form.def_ = def;
    form.events_ = std::move(events);
    form.hwnd_ = CreateWindowExA(0, kFormClass, def.caption.c_str(),
                                 WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN, 0, 0,
                                 twips_to_pixels(def.client_width), twips_to_pixels(def.client_height), HWND(), HMENU(),
                                 HINSTANCE(), nullptr);
    if (!form.hwnd_) return nullptr;
    forms_.push_back(std::move(owned));
    if (!def.icon.pixels.empty() && def.icon.width > 0 && def.icon.height > 0 &&
        def.icon.pixels.size() == static_cast<std::size_t>(def.icon.width) * static_cast<std::size_t>(def.icon.height))
        user::set_window_icon(form.hwnd_, def.icon.width, def.icon.height, def.icon.pixels);
    if (!build_controls(form)) return &form;

    if (!ended_ && form.events_.load) {
        auto load = form.events_.load;
        load(form);
    }
    if (ended_ || !IsWindow(form.hwnd_)) return &form;
    ShowWindow(form.hwnd_, SW_SHOW);
    if (HWND first = first_tab_stop(form); first && !IsChild(form.hwnd_, GetFocus())) SetFocus(first);
    return &form;
}

void Runtime::end(int code) {
    if (ended_ && live_forms() == 0) return;
    ended_ = true;
    exit_code_ = code;
    for (const auto& f : forms_)
        if (IsWindow(f->hwnd_)) DestroyWindow(f->hwnd_);
}

int Runtime::run() {
    while (!ended_) {
        MSG msg{};
        if (PeekMessageA(&msg, HWND(), 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                end(static_cast<int>(msg.wParam));
                break;
            }
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
            continue;
        }
        int quit_code = 0;
        if (!user::pump_due(&quit_code)) {
            end(quit_code);
            break;
        }
        if (ended_) break;
        MSG peek{};
        if (PeekMessageA(&peek, HWND(), 0, 0, PM_NOREMOVE)) continue;
        // Headless: with nothing queued and no timer running, nothing can happen any more.
        if (controls::wait_for_work() == controls::IdleOutcome::NothingLeft) return exit_code_;
    }
    return exit_code_;
}

void Runtime::reset() {
    ended_ = true;  // no events while the leftovers go
    for (const auto& f : forms_)
        if (IsWindow(f->hwnd_)) DestroyWindow(f->hwnd_);
    forms_.clear();
    saved_focus_.clear();
    ended_ = false;
    exit_code_ = 0;
}

Form* load_form(const FormDef& def, FormEvents events) { return Runtime::instance().create(def, std::move(events)); }
int run() { return Runtime::instance().run(); }
void end_program(int code) { Runtime::instance().end(code); }
bool program_ended() { return Runtime::instance().ended(); }
void reset() { Runtime::instance().reset(); }

}  // namespace forms
