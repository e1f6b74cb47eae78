#pragma once
// Objects behind 32-bit handles. A handle is (generation << 20) | (slot + 1):
// nonzero, below 2^31, never below 2^20 (so small values such as a system-colour
// brush index or HWND_BOTTOM never name an object), and not handed out again for
// a long while after release: a freed slot waits until at least kMinFree others
// are free before it is reused, and its generation moves on each time.

#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

namespace common {

template <class T>
class HandleTable {
public:
    static constexpr std::uint32_t kSlotBits = 20;
    static constexpr std::uint32_t kSlotMask = (1u << kSlotBits) - 1;
    static constexpr std::uint32_t kMaxGeneration = 0x7FF;  // 11 bits: handles stay below 2^31
    static constexpr std::size_t kMinFree = 1024;

    // Stores value and returns its handle, or 0 when the table is full.
    std::uint32_t insert(std::unique_ptr<T> value) {
        std::uint32_t slot;
        if (free_.size() >= kMinFree || (slots_.size() >= kSlotMask && !free_.empty())) {
            slot = free_.front();
            free_.pop_front();
        } else if (slots_.size() < kSlotMask) {
            slot = static_cast<std::uint32_t>(slots_.size());
            slots_.push_back(Slot{});
        } else {
            return 0;
        }
        Slot& s = slots_[slot];
        s.value = std::move(value);
        ++live_;
        return (s.generation << kSlotBits) | (slot + 1);
    }

    // The object behind handle, or null when the handle names nothing alive.
    T* find(std::uint32_t handle) const {
        std::uint32_t index = handle & kSlotMask;
        if (index == 0 || index > slots_.size()) return nullptr;
        const Slot& s = slots_[index - 1];
        if (!s.value || s.generation != (handle >> kSlotBits)) return nullptr;
        return s.value.get();
    }

    // Releases the object; returns false when the handle names nothing alive.
    bool erase(std::uint32_t handle) {
        if (!find(handle)) return false;
        std::uint32_t slot = (handle & kSlotMask) - 1;
        Slot& s = slots_[slot];
        std::unique_ptr<T> doomed = std::move(s.value);  // destroyed after the slot is consistent
        s.generation = s.generation == kMaxGeneration ? 1 : s.generation + 1;
        free_.push_back(slot);
        --live_;
        return true;
    }

    std::size_t size() const { return live_; }

    // Calls f(handle, T&) for every live object. f must not insert or erase.
    template <class F>
    void for_each(F&& f) const {
        for (std::size_t i = 0; i < slots_.size(); ++i) {
            const Slot& s = slots_[i];
            if (s.value) f((s.generation << kSlotBits) | static_cast<std::uint32_t>(i + 1), *s.value);
        }
    }

    // Handles of every live object, for callers that erase while walking.
    std::vector<std::uint32_t> handles() const {
        std::vector<std::uint32_t> out;
        out.reserve(live_);
        for_each([&](std::uint32_t h, const T&) { out.push_back(h); });
        return out;
    }

private:
    struct Slot {
        std::uint32_t generation = 1;
        std::unique_ptr<T> value;
    };
    std::vector<Slot> slots_;
    std::deque<std::uint32_t> free_;
    std::size_t live_ = 0;
};

}  // namespace common
