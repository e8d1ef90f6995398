#include "monitor/core/hand_over.h"

namespace velmorant {

bool BlockHandOver::Give(void* block) {
    if (block == nullptr) return false;
    for (auto& slot : slots_) {
        void* expected = nullptr;
        if (slot.compare_exchange_strong(expected, block, std::memory_order_acq_rel))
            return true;
    }
    return false;
}

bool BlockHandOver::Take(void* block) {
    if (block == nullptr) return false;
    for (auto& slot : slots_) {
        void* expected = block;
        if (slot.compare_exchange_strong(expected, nullptr, std::memory_order_acq_rel))
            return true;
    }
    return false;
}

std::size_t BlockHandOver::Pending() const {
    std::size_t n = 0;
    for (const auto& slot : slots_) n += slot.load(std::memory_order_acquire) != nullptr;
    return n;
}

}  // namespace velmorant
