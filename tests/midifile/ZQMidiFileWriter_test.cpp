#include "midifile/ZQMidiFileWriter.h"

#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes concat(std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (const Bytes& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

Bytes header(const char* id, std::uint8_t format, std::uint8_t tracks)
{
    return {static_cast<std::uint8_t>(id[0]), static_cast<std::uint8_t>(id[1]), static_cast<std::uint8_t>(id[2]),
            static_cast<std::uint8_t>(id[3]), 0, 0, 0, 6, 0, format, 0, tracks, 0, 24};
}

Bytes track(const Bytes& events)
{
    const auto n = events.size();
    return concat({{'M', 'T', 'r', 'k', static_cast<std::uint8_t>(n >> 24), static_cast<std::uint8_t>(n >> 16),
                    static_cast<std::uint8_t>(n >> 8), static_cast<std::uint8_t>(n)},
                   events});
}

buffer sysex(std::size_t length)
{
    buffer message(length, 0x11);
    message.front() = 0xF0;
    message.back() = 0xF7;
    return message;
}

class ZQMidiFileWriterTest : public ::testing::Test {
protected:
    ScratchFolder m_folder{"zqwriter"};
    std::string m_path = m_folder.file("out.mid");
};

TEST_F(ZQMidiFileWriterTest, WriterWithoutTracksLeavesAnIncompleteHeader)
{
    {
        ZQMidiFileWriter writer(m_path, 24);
        EXPECT_EQ(writer.tell(), 14u);
    }
    EXPECT_EQ(ScratchFolder::read(m_path), header("MIDI", 0, 0));
}

TEST_F(ZQMidiFileWriterTest, EndingTracksCompletesChunksAndHeader)
{
    {
        ZQMidiFileWriter writer(m_path, 24);
        writer.beginTrack(false);
        writer.endTrack();
        EXPECT_EQ(ScratchFolder::read(m_path), concat({header("MThd", 0, 1), track({0x00, 0xFF, 0x2F, 0x00})}));
        writer.beginTrack(false);
        writer.writeMetaEvent(0x03, buffer{}, false);
        writer.flush();
        EXPECT_EQ(ScratchFolder::read(m_path),
                  concat({header("MThd", 0, 1), track({0x00, 0xFF, 0x2F, 0x00}),
                          {'-', '-', '-', '-', 0, 0, 0, 0, 0x00, 0xFF, 0x03, 0x00}}));
        writer.endTrack();
        EXPECT_EQ(writer.trackCount(), 2);
    }
    EXPECT_EQ(ScratchFolder::read(m_path), concat({header("MThd", 1, 2), track({0x00, 0xFF, 0x2F, 0x00}),
                                                   track({0x00, 0xFF, 0x03, 0x00, 0x00, 0xFF, 0x2F, 0x00})}));
}

TEST_F(ZQMidiFileWriterTest, DeltasCarryPauseAndPreviousLineTime)
{
    {
        ZQMidiFileWriter writer(m_path, 24);
        writer.beginTrack(false);
        writer.writeMetaEvent(0x04, buffer{'a', 'b'}, false);
        writer.writeEvent(sysex(6), 2.0);
        writer.writeEvent(sysex(6), 6.0);
        writer.writeEvent(buffer{0x90, 0x40, 0x7F}, 0.0);
        writer.writeEvent(buffer{}, 5.0);
        writer.writeEvent(buffer{0xC0, 0x05}, 0.0);
        writer.endTrack();
    }
    const Bytes sixBytes{0xF0, 0x05, 0x11, 0x11, 0x11, 0x11, 0xF7};
    EXPECT_EQ(ScratchFolder::read(m_path),
              concat({header("MThd", 0, 1),
                      track(concat({{0x00, 0xFF, 0x04, 0x02, 'a', 'b'},
                                    {0x60}, sixBytes,             // 2 s = 96 ticks
                                    {0x82, 0x21}, sixBytes,       // 6 s + one tick of line time = 289
                                    {0x01, 0x90, 0x40, 0x7F},     // no pause, one tick of line time
                                    {0x01, 0xC0, 0x05},           // the empty message took no time
                                    {0x01, 0xFF, 0x2F, 0x00}}))}));
}

TEST_F(ZQMidiFileWriterTest, LongSystemExclusiveAndContinuedTime)
{
    {
        ZQMidiFileWriter writer(m_path, 24);
        writer.beginTrack(true);
        writer.writeEvent(sysex(6), 2.0); // 6240 + 65 byte units in all
        writer.endTrack();
        writer.beginTrack(true);
        writer.writeEvent(sysex(131078), 0.0);
        writer.writeMetaEvent(0x01, buffer{'x'}, true);
        writer.endTrack();
    }
    const Bytes file = ScratchFolder::read(m_path);
    ASSERT_EQ(file.size(), 14u + 8 + 12 + 8 + 131093);
    // The second track's first delta, 97 ticks, is all of the first track's time.
    const Bytes secondTrackStart(file.begin() + 34, file.begin() + 47);
    EXPECT_EQ(secondTrackStart, (Bytes{'M', 'T', 'r', 'k', 0x00, 0x02, 0x00, 0x15, 0x61, 0xF0, 0x88, 0x80, 0x05}));
    // A timed meta event and the end of track both wait for the message's 2017 ticks on the line.
    const Bytes secondTrackEnd(file.end() - 12, file.end());
    EXPECT_EQ(secondTrackEnd, (Bytes{0xF7, 0x8F, 0x61, 0xFF, 0x01, 0x01, 'x', 0x8F, 0x61, 0xFF, 0x2F, 0x00}));
}

TEST_F(ZQMidiFileWriterTest, TimeConversionsRoundUpToWholeTicks)
{
    ZQMidiFileWriter writer(m_path, 24);
    EXPECT_EQ(writer.secondsToByteUnits(2.0), 6240u);
    EXPECT_EQ(writer.secondsToByteUnits(0.01), 32u);
    EXPECT_EQ(writer.secondsToByteUnits(-1.0), 0u);
    EXPECT_EQ(writer.byteUnitsToTicks(131078), 2017u);
    EXPECT_EQ(writer.byteUnitsToTicks(130), 2u);
    EXPECT_EQ(writer.roundUpToTick(131078), 131105u);
    EXPECT_EQ(writer.roundUpToTick(0), 0u);
}

TEST_F(ZQMidiFileWriterTest, UnencodableTimeFailsTheStream)
{
    ZQMidiFileWriter writer(m_path, 24);
    writer.beginTrack(false);
    writer.writeEvent(sysex(6), 65.0 * 24 * 3600); // beyond the four-byte delta of 2^28 ticks
    EXPECT_TRUE(writer.fail());

    ZQMidiFileWriter noDivision(m_folder.file("zero.mid"), 0);
    EXPECT_TRUE(noDivision.fail());
    ZQMidiFileWriter unwritable(m_folder.file("missing/out.mid"), 24);
    EXPECT_TRUE(unwritable.fail());
}

} // namespace
