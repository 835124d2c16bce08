// SPDX-License-Identifier: MIT
// Resident memory from /proc, its growth after the warm-up, and the
// repeatable weighted draw of the soak's events.
#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "ResidentMemory.h"
#include "SoakEvents.h"

namespace {

TEST(ResidentMemory, ReadsVmRssFromAStatusText) {
    const QByteArray status =
        "Name:\tglomira-soak\nVmPeak:\t  900000 kB\nVmRSS:\t   43216 kB\nRssAnon:\t 20000 kB\n";
    EXPECT_EQ(ParseResidentKiB(status), 43216);
}

TEST(ResidentMemory, AStatusWithoutAUsableVmRssGivesNothing) {
    EXPECT_EQ(ParseResidentKiB("Name:\tx\nVmPeak:\t 1 kB\n"), std::nullopt);
    EXPECT_EQ(ParseResidentKiB("VmRSS:\t 12 MB\n"), std::nullopt);
    EXPECT_EQ(ParseResidentKiB("VmRSS:\t lots kB\n"), std::nullopt);
}

TEST(ResidentMemory, ThisProcessHasSomeAndItFollowsAnAllocation) {
    const std::optional<qint64> before = ResidentKiB();
    ASSERT_TRUE(before);
    EXPECT_GT(*before, 0);
    std::vector<char> block(64 << 20, 1);  // 64 MiB, touched
    const std::optional<qint64> after = ResidentKiB();
    ASSERT_TRUE(after);
    EXPECT_GT(*after, *before + 32 * 1024);
    EXPECT_EQ(block[block.size() / 2], 1);
}

TEST(MemoryGrowth, MeasuresFromTheFirstSampleAfterTheWarmUpToTheLast) {
    MemoryGrowth growth(2000);
    growth.Add(1000, 5000);  // still warming up
    EXPECT_EQ(growth.AtWarmUp(), std::nullopt);
    EXPECT_EQ(growth.GrowthPercent(), std::nullopt);
    growth.Add(2000, 40000);
    growth.Add(3000, 41000);
    growth.Add(4000, 42000);
    EXPECT_EQ(growth.AtWarmUp(), 40000);
    EXPECT_EQ(growth.AtEnd(), 42000);
    ASSERT_TRUE(growth.GrowthPercent());
    EXPECT_DOUBLE_EQ(*growth.GrowthPercent(), 5.0);
}

TEST(MemoryGrowth, ShrinkingIsNegativeGrowth) {
    MemoryGrowth growth(0);
    growth.Add(10, 2000);
    growth.Add(20, 1500);
    EXPECT_DOUBLE_EQ(*growth.GrowthPercent(), -25.0);
}

TEST(EventDraw, TheSameSeedDrawsTheSameEvents) {
    const EventDraw draw(
        {{SoakEvent::RightAnswer, 5}, {SoakEvent::Wait, 3}, {SoakEvent::Close, 2}});
    SoakRandom a(42), b(42), c(43);
    std::vector<SoakEvent> first, second, other;
    for (int i = 0; i < 200; ++i) {
        first.push_back(draw.Next(a));
        second.push_back(draw.Next(b));
        other.push_back(draw.Next(c));
    }
    EXPECT_EQ(first, second);
    EXPECT_NE(first, other);
}

TEST(EventDraw, EventsComeInProportionToTheirWeightsAndWeightlessOnesNever) {
    const EventDraw draw({{SoakEvent::RandomClick, 1},
                          {SoakEvent::Restart, 0},
                          {SoakEvent::DigitKey, 3},
                          {SoakEvent::Release, -2}});
    SoakRandom random(7);
    std::map<SoakEvent, int> counts;
    constexpr int Draws = 40000;
    for (int i = 0; i < Draws; ++i) ++counts[draw.Next(random)];
    EXPECT_EQ(counts.count(SoakEvent::Restart), 0u);
    EXPECT_EQ(counts.count(SoakEvent::Release), 0u);
    EXPECT_NEAR(counts[SoakEvent::RandomClick], Draws / 4, Draws / 100);
    EXPECT_NEAR(counts[SoakEvent::DigitKey], Draws * 3 / 4, Draws / 100);
}

TEST(EventDraw, NeedsSomethingToDraw) {
    EXPECT_THROW(EventDraw({{SoakEvent::Wait, 0}}), std::invalid_argument);
    EXPECT_THROW(EventDraw({}), std::invalid_argument);
}

TEST(EventDraw, BelowStaysInRange) {
    SoakRandom random(1);
    for (int n : {1, 2, 3, 1000}) {
        for (int i = 0; i < 100; ++i) {
            const int k = Below(random, n);
            EXPECT_GE(k, 0);
            EXPECT_LT(k, n);
        }
    }
    EXPECT_EQ(Below(random, 0), 0);
}

}  // namespace
