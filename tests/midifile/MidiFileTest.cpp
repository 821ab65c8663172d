#include "midifile/MidiFileReader.h"
#include "midifile/MidiFileWriter.h"

#include "tests/support/Bytes.h"
#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

namespace {

TEST(MidiFileWriter, ChunksStayPlaceholdersUntilTheTrackEndsAndNoDeltaOverflows)
{
    ScratchFolder folder("zqwriter");
    const std::string path = folder.file("out.mid");
    MidiFileWriter writer(path, 24);
    writer.beginTrack(false);
    writer.writeEvent(ByteBuffer{0xF8}, 5592405.3125); // 0xFFFFFFF ticks, the longest delta there is
    writer.writeEvent(ByteBuffer{0x90, 0x40, 0x7F}, 2.64); // 128 ticks with the 0xF8's line time, rounded up
    writer.flush();
    const Bytes events{0xFF, 0xFF, 0xFF, 0x7F, 0xF8, 0x81, 0x00, 0x90, 0x40, 0x7F};
    EXPECT_EQ(ScratchFolder::read(path),
              concat({chunk("MIDI", {0, 0, 0, 0, 0, 24}), {'-', '-', '-', '-', 0, 0, 0, 0}, events}));
    writer.endTrack();
    writer.close();
    EXPECT_EQ(ScratchFolder::read(path),
              concat({chunk("MThd", {0, 0, 0, 1, 0, 24}), chunk("MTrk", concat({events, {0x01, 0xFF, 0x2F, 0x00}}))}));

    MidiFileWriter tooLong(folder.file("long.mid"), 24);
    tooLong.beginTrack(false);
    tooLong.writeEvent(ByteBuffer{0xF8}, 5592405.34); // past 0xFFFFFFF ticks
    EXPECT_TRUE(tooLong.fail());
    EXPECT_TRUE(MidiFileWriter(folder.file("zero.mid"), 0).fail());
}

TEST(MidiFileReader, PausesOfEveryTrackComeBackFromOneTimeLine)
{
    std::vector<midi::MidiEvent> sent{
        {0xF0, 0x31, 0x0D, 0x79, 0x00, 0xF7}, midi::MidiEvent(131078, 0x22), {0xF0, 0x31, 0xF7}};
    sent[1].front() = 0xF0;
    sent[1].back() = 0xF7;
    sent[0].m_offset = 1.0;
    sent[1].m_offset = 6.0;
    sent[2].m_offset = 3.0; // after the long message's 2017 ticks on the line
    ScratchFolder folder("zqreader");
    const std::string path = folder.file("written.mid");
    {
        MidiFileWriter writer(path, 24);
        for (int track = 0; track < 3; ++track) {
            writer.beginTrack(true);
            writer.writeMetaEvent(0x03, ByteBuffer{'S', '0', '5'}, false);
            writer.writeEvents(sent);
            writer.endTrack();
        }
    }
    MidiFileReader reader(path);
    for (int track = 0; track < 3; ++track) {
        SCOPED_TRACE(track);
        ASSERT_TRUE(reader.readTrackHeader());
        std::vector<midi::MidiEvent> events;
        EXPECT_TRUE(reader.readTrack(events));
        ASSERT_EQ(events, sent);
        for (std::size_t i = 0; i < sent.size(); ++i)
            EXPECT_EQ(events[i].m_offset, sent[i].m_offset) << i;
        EXPECT_TRUE(reader.readEndOfTrack());
    }
}

TEST(MidiFileReader, RefusesMalformedFilesWithoutAllocatingForThem)
{
    const Bytes header = chunk("MThd", {0, 0, 0, 1, 0, 24});
    const auto track = [&header](const Bytes& events) { return concat({header, chunk("MTrk", events)}); };
    struct Case {
        const char* reason;
        Bytes file;
        bool hasTrack;
        std::vector<ByteBuffer> wholeMessages = {};
    };
    const std::vector<Case> cases{
        {"header MIDI: the writer stopped before a track ended", chunk("MIDI", {0, 0, 0, 1, 0, 24}), false},
        {"header cut before the division", Bytes(header.begin(), header.end() - 2), false},
        {"division 0", chunk("MThd", {0, 0, 0, 1, 0, 0}), false},
        {"division 1563", chunk("MThd", {0, 0, 0, 1, 0x06, 0x1B}), false},
        {"unfinished track ----", concat({header, {'-', '-', '-', '-', 0, 0, 0, 0, 0x00, 0xFF, 0x2F, 0x00}}), false},
        // Each status byte gives its message's length; the System Exclusive search for 0xF7 starts
        // seven eighths into the declared length, past the 0xF7 in its data. Four delta bytes are fine.
        {"running status",
         track({0xFF, 0xFF, 0xFF, 0x7F, 0xF0, 0x09, 1,    0xF7, 3,    4,    5,    6,    7,    8,    0xF7, 0x00, 0x90,
                0x40, 0x7F, 0x00, 0xC5, 0x01, 0x00, 0xF2, 0x01, 0x02, 0x00, 0xF8, 0x00, 0xF7, 0x00, 0x41, 0x7F}),
         true,
         {{0xF0, 1, 0xF7, 3, 4, 5, 6, 7, 8, 0xF7},
          {0x90, 0x40, 0x7F},
          {0xC5, 0x01},
          {0xF2, 0x01, 0x02},
          {0xF8},
          {0xF7}}},
        {"truncated System Exclusive", track({0x00, 0xF0, 0x05, 0x31, 0x0D, 0x79}), true},
        {"five-byte delta", track({0x80, 0x80, 0x80, 0x80, 0x00, 0xF8}), true},
        {"five-byte length", track({0x00, 0xF0, 0x80, 0x80, 0x80, 0x80, 0x05, 0x31, 0xF7}), true},
        {"delta cut off", track({0x81}), true},
        {"length far beyond the file", track({0x00, 0xF0, 0xFF, 0xFF, 0xFF, 0x7F, 0x31, 0xF7}), true},
        {"meta length far beyond the file", track({0x00, 0xFF, 0x03, 0xFF, 0xFF, 0xFF, 0x7F, 'S', '0', '5'}), true},
    };
    ScratchFolder folder("zqreader");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reason);
        MidiFileReader reader(folder.write("in.mid", c.file));
        EXPECT_EQ(reader.readTrackHeader(), c.hasTrack);
        ByteBuffer message;
        double seconds = 0.0;
        for (const ByteBuffer& whole : c.wholeMessages) {
            ASSERT_TRUE(reader.readEvent(message, seconds));
            EXPECT_EQ(message, whole);
        }
        std::uint8_t type = 0;
        ByteBuffer refused;
        EXPECT_FALSE(reader.readMetaEvent(type, refused));
        EXPECT_FALSE(reader.readEvent(refused, seconds));
        EXPECT_EQ(refused.capacity(), 0u);
        EXPECT_FALSE(reader.readEndOfTrack());
    }
}

// An empty name is an empty meta event, as the writer writes it; only the end of the track, whose
// body is empty too, ends the meta events.
TEST(MidiFileReader, ReadsEmptyMetaEventsUpToTheEndOfTheTrack)
{
    ScratchFolder folder("zqreader");
    const std::string path = folder.file("names.mid");
    {
        MidiFileWriter writer(path, 24);
        writer.beginTrack(false);
        writer.writeMetaEvent(0x03, {}, false);
        writer.writeMetaEvent(0x01, std::vector<std::uint8_t>{'x'}, false);
        writer.endTrack();
        writer.close();
        ASSERT_FALSE(writer.fail());
    }
    MidiFileReader reader(path);
    ASSERT_TRUE(reader.readTrackHeader());
    std::uint8_t type = 0;
    ByteBuffer body{'o', 'l', 'd'};
    ASSERT_TRUE(reader.readMetaEvent(type, body));
    EXPECT_EQ(type, 0x03);
    EXPECT_TRUE(body.empty());
    ASSERT_TRUE(reader.readMetaEvent(type, body));
    EXPECT_EQ(type, 0x01);
    EXPECT_EQ(body, ByteBuffer{'x'});
    EXPECT_FALSE(reader.readMetaEvent(type, body));
    EXPECT_TRUE(reader.readEndOfTrack());
}

} // namespace
