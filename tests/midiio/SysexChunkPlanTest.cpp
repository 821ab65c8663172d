#include "midiio/SysexChunkPlan.h"

#include <gtest/gtest.h>

namespace {

TEST(SysexChunkPlanTest, AFlashWriteLeavesIn256ByteEventsAtTheWireRate)
{
    const SysexChunkPlan plan(131'078);

    ASSERT_EQ(plan.chunks().size(), 513u);
    std::size_t next = 0;
    for (const auto& chunk : plan.chunks()) {
        EXPECT_EQ(chunk.offset, next);
        EXPECT_LE(chunk.length, 256u);
        EXPECT_EQ(chunk.dueMicroseconds, chunk.offset * 320u); // 320 µs a byte
        next += chunk.length;
    }
    EXPECT_EQ(next, 131'078u);
    EXPECT_EQ(plan.chunks()[1].dueMicroseconds, 81'920u);
    EXPECT_EQ(plan.chunks().back().offset, 131'072u);
    EXPECT_EQ(plan.chunks().back().length, 6u);
    EXPECT_EQ(plan.completionMicroseconds(), 41'944'960u);
}

TEST(SysexChunkPlanTest, ShortAndEmptyMessages)
{
    const SysexChunkPlan erase(6);
    ASSERT_EQ(erase.chunks().size(), 1u);
    EXPECT_EQ(erase.chunks()[0].length, 6u);
    EXPECT_EQ(erase.completionMicroseconds(), 1'920u);

    const SysexChunkPlan exactlyTwo(512);
    ASSERT_EQ(exactlyTwo.chunks().size(), 2u);
    EXPECT_EQ(exactlyTwo.chunks()[1].length, 256u);

    EXPECT_TRUE(SysexChunkPlan(0).chunks().empty());
}

TEST(SysexChunkPlanTest, AnUnpacedWireHandsEverythingOverAtOnce)
{
    const SysexChunkPlan plan(131'078, 0);

    EXPECT_EQ(plan.chunks().size(), 513u);
    for (const auto& chunk : plan.chunks())
        EXPECT_EQ(chunk.dueMicroseconds, 0u);
    EXPECT_EQ(plan.completionMicroseconds(), 0u);
}

} // namespace
