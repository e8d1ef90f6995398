#include "monitor/core/frame_store.h"

#include <algorithm>

namespace velmorant {

bool StoreFrame(FrameRecord& record, int n, const FrameBitBuffer& bits, double storedAt) {
    if (n < 1 || n > kMaxFrames) return false;
    RecordedFrame& f = record[n];
    for (int b = 1; b <= 10; ++b)
        f.DataBytes[static_cast<std::size_t>(b - 1)] = BitsToByte(bits, b);
    for (int m = 1; m <= 12; ++m)
        f.IdentBits[static_cast<std::size_t>(m - 1)] =
            bits[static_cast<std::size_t>(kIdentBitBase + m - 1)];
    for (int b = 0; b < 8; ++b) {
        f.Byte11Bits[static_cast<std::size_t>(b)] =
            bits[static_cast<std::size_t>(80 + b)] != 0 ? 1 : 0;
        f.Byte12Bits[static_cast<std::size_t>(b)] =
            bits[static_cast<std::size_t>(88 + b)] != 0 ? 1 : 0;
    }
    f.StoredAt = storedAt;
    return true;
}

FrameStoreResult StoreNextFrame(FrameRecord& record, std::atomic<std::int32_t>& frameCount,
                                const FrameBitBuffer& bits, double now) {
    const std::int32_t n = frameCount.load();
    FrameStoreResult r;
    r.Index = n;
    if (!StoreFrame(record, n, bits, now)) return r;
    r.Stored = true;
    frameCount.store(n + 1);
    r.RecordFull = n + 1 > kMaxFrames;
    return r;
}

void ClearFrames(FrameRecord& record, double now) {
    record.Frames.fill(RecordedFrame{});
    record[1].StoredAt = now;
}

FrameDeletion DeleteFrame(FrameRecord& record, int position, int maximum) {
    maximum = std::clamp(maximum, 1, kMaxFrames);
    position = std::clamp(position, 1, maximum);
    if (maximum == 1) return {false, maximum, position};
    for (int k = position + 1; k <= maximum; ++k) record[k - 1] = record[k];
    const int m = maximum - 1;
    return {true, m, std::min(position, m)};
}

std::string ZoomTextAfterDeletion(std::string_view text, int count) {
    return text == std::to_string(count + 1) ? std::to_string(count) : std::string(text);
}

std::vector<std::string> ZoomItemsAfterDeletion(int count) {
    std::vector<std::string> items{"5"};
    if (count > 9) items.push_back("10");
    for (int size : {20, 50, 100, 200, 500, 1000, 2000})
        if (count >= size) items.push_back(std::to_string(size));
    if (count > 5) items.push_back(std::to_string(count));
    return items;
}

}  // namespace velmorant
