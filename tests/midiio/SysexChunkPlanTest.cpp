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
    for (const Case& test : {Case{131'078, 3125, 513, 6, 41'944'960}, {6, 3125, 1, 6, 1'920}, {512, 3125, 2, 256, 163'840},
                             {131'078, 0, 513, 6, 0}, {0, 3125, 0, 0, 0}}) {
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

} // namespace
