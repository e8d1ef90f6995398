#include "monitor/core/check_result.h"

#include <gtest/gtest.h>

#include <array>

using namespace velmorant;

TEST(CheckResult, StepTargetsAndLatenessesInTicks) {
    struct Case {
        std::int64_t frequency;
        int step;
        std::int64_t now;
        std::int64_t target;
        std::int64_t late;
    };
    const Case cases[] = {
        {1'000'000, 1, 1'250, 1'000, 250},
        {3'579'545, 1, 3'580, 3'580, 0},  // 3579.545 ticks: late by 0.455
        {3'579'545, 2, 7'160, 7'159, 1},  // 7159.09: late by 0.91
        {2'000'000'000, 999, 1'998'000'004, 1'998'000'000, 4},
        {10'000'000, 1000, 10'000'000, 10'000'000, 0},
        // Halves go to the even neighbour, for the target and the lateness alike.
        {2'500, 1, 3, 2, 0},   // 2.5 ticks: target 2, late by 0.5
        {2'500, 1, 4, 2, 2},   // late by 1.5
        {2'500, 3, 10, 8, 2},  // 7.5 ticks: target 8, late by 2.5
    };
    const std::int64_t start = 1'000'000'000;
    for (const Case& c : cases) {
        EXPECT_EQ(CheckStepTarget(start, c.frequency, c.step), start + c.target) << c.frequency;
        EXPECT_EQ(CheckStepLateness(start + c.now, start, c.frequency, c.step), c.late)
            << c.frequency << " step " << c.step;
    }
}

TEST(CheckResult, TextGivesAverageAndMaximumInMilliseconds) {
    std::array<std::int64_t, kCheckSteps> late{};
    late.fill(250);
    EXPECT_EQ(CheckResultTextOf(late, 1'000'000, '.'),
              "Average discrepancy of readout - 0.2500ms. Max - 0.2500ms. At discrepancy 2 ms. "
              "failures also are more possible");

    // One step 2 ms late on the ACPI timer's frequency, the others on time.
    late.fill(0);
    late[500] = 7'159;
    EXPECT_EQ(CheckResultTextOf(late, 3'579'545, ','),
              "Average discrepancy of readout - 0,0020ms. Max - 2,0000ms. At discrepancy 2 ms. "
              "failures also are more possible");

    // The largest lateness is found wherever it is, the first step included.
    late.fill(10);
    late[0] = 30'000;
    EXPECT_EQ(CheckResultTextOf(late, 10'000'000, '.'),
              "Average discrepancy of readout - 0.0040ms. Max - 3.0000ms. At discrepancy 2 ms. "
              "failures also are more possible");
}
