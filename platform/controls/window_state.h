#pragma once
// Per-window state of a standard control, keyed by the window handle.
//
// The state is created at WM_NCCREATE and dropped at WM_NCDESTROY. Handlers
// hold a shared_ptr while they run, so a window destroyed from inside one of its
// own notifications (a parent that destroys the button it was told about) does
// not pull the state out from under the handler; the handler checks IsWindow
// after every message it sends out and stops when the window is gone.
//
// A control's window procedure is one call to `dispatch`, which keeps that
// lifetime and hands every other message, with the state, to the control's own
// handler.

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

    // Creates the state at WM_NCCREATE (then `on_create(state, creation)` fills
    // in what it needs from the creation record, which may be null), drops it at
    // WM_NCDESTROY, and passes everything in between to
    // `handle(hwnd, msg, wp, lp, state)`. A window without state (its creation
    // went past this procedure) gets the default processing.
    template <class Handler, class OnCreate>
    LRESULT dispatch(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, Handler&& handle, OnCreate&& on_create) {
        if (msg == WM_NCCREATE) {
            std::shared_ptr<State> state = create(hwnd);
            on_create(*state, reinterpret_cast<const CREATESTRUCTA*>(lp));
            return DefWindowProcA(hwnd, msg, wp, lp);
        }
        std::shared_ptr<State> state = get(hwnd);  // held while the handler runs
        if (!state) return DefWindowProcA(hwnd, msg, wp, lp);
        if (msg == WM_NCDESTROY) {
            erase(hwnd);
            return DefWindowProcA(hwnd, msg, wp, lp);
        }
        return handle(hwnd, msg, wp, lp, *state);
    }
    template <class Handler>
    LRESULT dispatch(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, Handler&& handle) {
        return dispatch(hwnd, msg, wp, lp, handle, [](State&, const CREATESTRUCTA*) {});
    }

private:
    std::unordered_map<std::uint32_t, std::shared_ptr<State>> states_;
};

}  // namespace controls
