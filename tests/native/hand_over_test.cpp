#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "monitor/core/hand_over.h"

using velmorant::BlockHandOver;

TEST(BlockHandOver, TakesOnlyWhatWasGivenAndOnlyOnce) {
    BlockHandOver h;
    int a = 0, b = 0, forged = 0;
    EXPECT_FALSE(h.Give(nullptr));
    ASSERT_TRUE(h.Give(&a));
    ASSERT_TRUE(h.Give(&b));
    EXPECT_FALSE(h.Take(&forged));
    EXPECT_FALSE(h.Take(nullptr));
    EXPECT_TRUE(h.Take(&b));
    EXPECT_FALSE(h.Take(&b));
    EXPECT_EQ(h.Pending(), 1u);
    EXPECT_TRUE(h.Take(&a));
}

TEST(BlockHandOver, FullRefusesAndConcurrentUseLosesNothing) {
    BlockHandOver h;
    std::vector<int> blocks(BlockHandOver::kSlots + 1);
    for (std::size_t k = 0; k < BlockHandOver::kSlots; ++k) ASSERT_TRUE(h.Give(&blocks[k]));
    EXPECT_FALSE(h.Give(&blocks.back()));
    for (std::size_t k = 0; k < BlockHandOver::kSlots; ++k) ASSERT_TRUE(h.Take(&blocks[k]));

    // A giver and a taker racing: every block given is taken exactly once.
    constexpr int kCount = 20000;
    std::vector<int> many(kCount);
    std::atomic<int> taken{0};
    std::thread giver([&] {
        for (int& m : many)
            while (!h.Give(&m)) std::this_thread::yield();
    });
    std::thread taker([&] {
        int next = 0;
        while (next < kCount)
            if (h.Take(&many[static_cast<std::size_t>(next)])) ++next, ++taken;
    });
    giver.join();
    taker.join();
    EXPECT_EQ(taken.load(), kCount);
    EXPECT_EQ(h.Pending(), 0u);
}
