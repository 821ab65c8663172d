#include "midiio/SysexChunkPlan.h"

#include <gtest/gtest.h>

namespace {

TEST(SysexChunkPlanTest, MessagesLeaveIn256ByteEventsAtTheWireRate)
{
    struct Case {
        std::size_t bytes;
        std::uint64_t bytesPerSecond;
        std::size_t chunks;
        std::size_t lastLength;
        std::uint64_t completionMicroseconds;
    };
    // A flash write, an erase, exactly two events, an unpaced wire, nothing.
    for (const Case& test : {Case{131'078, 3125, 513, 6, 41'944'960},
                             {6, 3125, 1, 6, 1'920},
                             {512, 3125, 2, 256, 163'840},
                             {131'078, 0, 513, 6, 0},
                             {0, 3125, 0, 0, 0}}) {
        SCOPED_TRACE(testing::Message() << test.bytes << " bytes at " << test.bytesPerSecond << " bytes/s");
        const SysexChunkPlan plan(test.bytes, test.bytesPerSecond);
        ASSERT_EQ(plan.chunks().size(), test.chunks);
        std::size_t next = 0;
        for (const auto& chunk : plan.chunks()) {
            EXPECT_EQ(chunk.offset, next);
            EXPECT_EQ(chunk.length, &chunk == &plan.chunks().back() ? test.lastLength : 256u);
            EXPECT_EQ(chunk.dueMicroseconds, test.bytesPerSecond == 0 ? 0 : chunk.offset * 320u); // 320 µs a byte
            next += chunk.length;
        }
        EXPECT_EQ(next, test.bytes);
        EXPECT_EQ(plan.completionMicroseconds(), test.completionMicroseconds);
    }
}

TEST(SysexChunkPlanTest, CarefulPacingCutsSmallerPiecesWithAGapBetweenThem)
{
    // 100 bytes in pieces of 32 with 20 ms gaps: three gaps, none after the last piece.
    const SysexChunkPlan plan(100, 3125, OutputPacing{32, 20});
    ASSERT_EQ(plan.chunks().size(), 4u);
    for (std::size_t k = 0; k < 4; ++k) {
        EXPECT_EQ(plan.chunks()[k].offset, 32 * k);
        EXPECT_EQ(plan.chunks()[k].length, k < 3 ? 32u : 4u);
        EXPECT_EQ(plan.chunks()[k].dueMicroseconds, 32 * k * 320 + k * 20'000);
    }
    EXPECT_EQ(plan.completionMicroseconds(), 100u * 320 + 3 * 20'000);
    // A message cut after two pieces took their wire and their gaps; a whole one never more than all.
    EXPECT_EQ(plan.takenMicroseconds(64), 64u * 320 + 2 * 20'000);
    EXPECT_EQ(plan.takenMicroseconds(100), plan.completionMicroseconds());

    // A pacing no output may be given is the wire's own.
    for (const OutputPacing& wrong : {OutputPacing{8, 0}, OutputPacing{512, 0}, OutputPacing{32, 101}}) {
        const SysexChunkPlan unpaced(600, 3125, wrong);
        EXPECT_EQ(unpaced.chunks().size(), 3u);
        EXPECT_EQ(unpaced.completionMicroseconds(), 600u * 320);
    }
}

} // namespace
