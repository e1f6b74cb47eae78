#pragma once
// Per-window state of a standard control, keyed by the window handle.
//
// The state is created at WM_NCCREATE and dropped at WM_NCDESTROY. Handlers
// hold a shared_ptr while they run, so a window destroyed from inside one of its
// own notifications (a parent that destroys the button it was told about) does
// not pull the state out from under the handler; the handler checks IsWindow
// after every message it sends out and stops when the window is gone.

#include <cstdint>
#include <memory>
#include <unordered_map>

#include "platform/win32.h"

namespace controls {

template <class State>
class WindowStates {
public:
    std::shared_ptr<State> get(HWND hwnd) const {
        auto it = states_.find(hwnd.value);
        return it == states_.end() ? nullptr : it->second;
    }
    std::shared_ptr<State> create(HWND hwnd) {
        auto state = std::make_shared<State>();
        states_[hwnd.value] = state;
        return state;
    }
    void erase(HWND hwnd) { states_.erase(hwnd.value); }

private:
    std::unordered_map<std::uint32_t, std::shared_ptr<State>> states_;
};

}  // namespace controls
