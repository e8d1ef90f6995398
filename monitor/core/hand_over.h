#pragma once

#include <array>
#include <atomic>
#include <cstddef>

namespace velmorant {

// Blocks that a worker thread hands to the message-loop thread through a posted message.
// The receiver takes a block only if the worker registered it, so a stray or forged message
// can never make it read or free a foreign pointer. Lock-free: one compare-exchange a side.
class BlockHandOver {
public:
    static constexpr std::size_t kSlots = 256;

    // Registers a block about to be posted; false when every slot is taken (the receiver has
    // stopped taking: the caller keeps the block).
    bool Give(void* block);
    // Takes a registered block back; false for anything not registered (or taken already).
    bool Take(void* block);
    std::size_t Pending() const;

private:
    std::array<std::atomic<void*>, kSlots> slots_{};
};

}  // namespace velmorant
