#include "midifile/ZQMidiFileReader.h"
#include "midifile/ZQMidiFileWriter.h"

#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

const Bytes oneTrackHeader{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 24};
const Bytes trackHeader{'M', 'T', 'r', 'k', 0, 0, 0, 0};

Bytes oneTrackFile(const Bytes& events)
{
    Bytes file = oneTrackHeader;
    file.insert(file.end(), trackHeader.begin(), trackHeader.end());
    file.insert(file.end(), events.begin(), events.end());
    return file;
}

buffer sysex(std::size_t length, std::uint8_t fill)
{
    buffer message(length, fill);
    message.front() = 0xF0;
    message.back() = 0xF7;
    return message;
}

class ZQMidiFileReaderTest : public ::testing::Test {
protected:
    std::string fileWith(const Bytes& bytes) { return m_folder.write("in-" + std::to_string(m_count++) + ".mid", bytes); }

    ScratchFolder m_folder{"zqreader"};
    int m_count = 0;
};

TEST_F(ZQMidiFileReaderTest, ReadsBackWhatTheWriterWrote)
{
    const std::vector<buffer> messages{sysex(6, 0x21), sysex(131078, 0x22), sysex(6, 0x23), sysex(131078, 0x24)};
    const std::vector<double> pauses{2.0, 6.0, 3.0, 6.0};
    const std::string path = m_folder.file("written.mid");
    {
        ZQMidiFileWriter writer(path, 24);
        writer.beginTrack(true);
        writer.writeMetaEvent(0x03, buffer{'S', '0', '5'}, false);
        writer.writeMetaEvent(0x04, buffer{'d'}, false);
        writer.writeMetaEvent(0x7F, buffer{0x31, 0x00}, false);
        for (std::size_t i = 0; i < messages.size(); ++i)
            writer.writeEvent(messages[i], pauses[i]);
        writer.endTrack();
    }
    ZQMidiFileReader reader(path);
    EXPECT_EQ(reader.format(), 0);
    EXPECT_EQ(reader.trackCount(), 1);
    EXPECT_EQ(reader.division(), 24);
    ASSERT_TRUE(reader.readTrackHeader());
    std::uint8_t type = 0;
    buffer body;
    ASSERT_TRUE(reader.readMetaEvent(type, body));
    EXPECT_EQ(type, 0x03);
    EXPECT_EQ(body, (buffer{'S', '0', '5'}));
    ASSERT_TRUE(reader.readMetaEvent(type, body));
    EXPECT_EQ(type, 0x04);
    ASSERT_TRUE(reader.readMetaEvent(type, body));
    EXPECT_EQ(type, 0x7F);
    EXPECT_EQ(body, (buffer{0x31, 0x00}));
    EXPECT_FALSE(reader.readMetaEvent(type, body));
    buffer message;
    double seconds = -1.0;
    for (std::size_t i = 0; i < messages.size(); ++i) {
        ASSERT_TRUE(reader.readEvent(message, seconds)) << i;
        EXPECT_EQ(message, messages[i]) << i;
        EXPECT_EQ(seconds, pauses[i]) << i;
    }
    EXPECT_FALSE(reader.readEvent(message, seconds));
    EXPECT_TRUE(reader.readEndOfTrack());
    EXPECT_FALSE(reader.readTrackHeader());
}

TEST_F(ZQMidiFileReaderTest, PausesOfEveryTrackOnOneTimeLine)
{
    const std::string path = m_folder.file("tracks.mid");
    {
        ZQMidiFileWriter writer(path, 24);
        for (int track = 0; track < 4; ++track) {
            writer.beginTrack(true);
            writer.writeEvent(sysex(6, 0x01), track == 0 ? 2.0 : 0.0);
            writer.writeEvent(sysex(131078, 0x02), 6.0);
            writer.writeEvent(sysex(6, 0x03), 3.0);
            writer.endTrack();
        }
    }
    ZQMidiFileReader reader(path);
    ASSERT_EQ(reader.trackCount(), 4);
    EXPECT_EQ(reader.format(), 1);
    for (int track = 0; track < 4; ++track) {
        ASSERT_TRUE(reader.readTrackHeader()) << track;
        std::vector<midi::event> events;
        EXPECT_TRUE(reader.readTrack(events));
        ASSERT_EQ(events.size(), 3u) << track;
        EXPECT_EQ(events[0].m_offset, track == 0 ? 2.0 : 0.0) << track;
        EXPECT_EQ(events[1].m_offset, 6.0) << track;
        EXPECT_EQ(events[2].m_offset, 3.0) << track;
        EXPECT_TRUE(reader.readEndOfTrack()) << track;
    }
}

TEST_F(ZQMidiFileReaderTest, MessageLengthsFollowTheStatusByte)
{
    ZQMidiFileReader reader(fileWith(oneTrackFile({
        0x00, 0xF0, 0x05, 0x31, 0x0D, 0x79, 0x00, 0xF7, //
        0x00, 0x90, 0x40, 0x7F, 0x00, 0xC5, 0x01, 0x00, 0xF2, 0x01, 0x02, 0x00, 0xF8, 0x00, 0xF7, //
        0x00, 0xFF, 0x2F, 0x00,
    })));
    ASSERT_TRUE(reader.readTrackHeader());
    const std::vector<buffer> expected{
        {0xF0, 0x31, 0x0D, 0x79, 0x00, 0xF7}, {0x90, 0x40, 0x7F}, {0xC5, 0x01}, {0xF2, 0x01, 0x02}, {0xF8}, {0xF7}};
    buffer message;
    double seconds = 0.0;
    for (const buffer& want : expected) {
        ASSERT_TRUE(reader.readEvent(message, seconds));
        EXPECT_EQ(message, want);
    }
    EXPECT_FALSE(reader.readEvent(message, seconds));
    EXPECT_TRUE(reader.readEndOfTrack());
}

TEST_F(ZQMidiFileReaderTest, SystemExclusiveSearchStartsSevenEighthsIn)
{
    // The 0xF7 inside the data lies before the search start and is passed over.
    ZQMidiFileReader reader(fileWith(oneTrackFile({0x00, 0xF0, 0x09, 1, 0xF7, 3, 4, 5, 6, 7, 8, 0xF7, 0x00, 0xFF, 0x2F, 0x00})));
    ASSERT_TRUE(reader.readTrackHeader());
    buffer message;
    double seconds = 0.0;
    ASSERT_TRUE(reader.readEvent(message, seconds));
    EXPECT_EQ(message, (buffer{0xF0, 1, 0xF7, 3, 4, 5, 6, 7, 8, 0xF7}));
    EXPECT_TRUE(reader.readEndOfTrack());
}

TEST_F(ZQMidiFileReaderTest, RefusedHeaders)
{
    Bytes unfinished = oneTrackHeader;
    unfinished[1] = 'I';
    unfinished[2] = 'D';
    unfinished[3] = 'I';
    const std::vector<Bytes> refused{
        unfinished,                                  // "MIDI": the writer stopped before a track ended
        {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1}, // cut off before the division
        {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 0}, // division 0
        {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0x06, 0x1B}, // division 1563
        {},
    };
    for (const Bytes& bytes : refused) {
        ZQMidiFileReader reader(fileWith(bytes));
        EXPECT_FALSE(reader.readTrackHeader()) << bytes.size();
        std::uint8_t type = 0;
        buffer body;
        EXPECT_FALSE(reader.readMetaEvent(type, body));
        EXPECT_FALSE(reader.readEndOfTrack());
    }
    EXPECT_EQ(ZQMidiFileReader(fileWith(unfinished)).trackCount(), 0);
    EXPECT_EQ(ZQMidiFileReader(m_folder.file("missing.mid")).trackCount(), 0);

    Bytes unfinishedTrack = oneTrackHeader;
    unfinishedTrack.insert(unfinishedTrack.end(), {'-', '-', '-', '-', 0, 0, 0, 0, 0x00, 0xFF, 0x2F, 0x00});
    ZQMidiFileReader reader(fileWith(unfinishedTrack));
    EXPECT_EQ(reader.trackCount(), 1);
    EXPECT_FALSE(reader.readTrackHeader());
}

TEST_F(ZQMidiFileReaderTest, EmptyMetaEventEndsTheMetaPhaseInPlace)
{
    ZQMidiFileReader reader(fileWith(oneTrackFile({0x00, 0xFF, 0x03, 0x00, 0x00, 0xFF, 0x2F, 0x00})));
    ASSERT_TRUE(reader.readTrackHeader());
    const std::uint64_t before = reader.tell();
    std::uint8_t type = 0;
    buffer body;
    EXPECT_FALSE(reader.readMetaEvent(type, body));
    EXPECT_EQ(reader.tell(), before);
    EXPECT_FALSE(reader.readEndOfTrack());
    EXPECT_EQ(reader.tell(), before);
}

TEST_F(ZQMidiFileReaderTest, MalformedEventsFailWithoutAllocatingForThem)
{
    struct Case {
        const char* reason;
        Bytes events;
        bool firstMessageIsWhole = false;
    };
    const std::vector<Case> cases{
        {"running status", {0x00, 0x90, 0x40, 0x7F, 0x00, 0x41, 0x7F}, true},
        {"truncated System Exclusive", {0x00, 0xF0, 0x05, 0x31, 0x0D, 0x79}},
        {"five-byte delta", {0x80, 0x80, 0x80, 0x80, 0x00, 0xF8}},
        {"five-byte length", {0x00, 0xF0, 0x80, 0x80, 0x80, 0x80, 0x05, 0x31, 0xF7}},
        {"length far beyond the file", {0x00, 0xF0, 0xFF, 0xFF, 0xFF, 0x7F, 0x31, 0xF7}},
        {"delta cut off", {0x81}},
    };
    for (const Case& c : cases) {
        ZQMidiFileReader reader(fileWith(oneTrackFile(c.events)));
        ASSERT_TRUE(reader.readTrackHeader()) << c.reason;
        buffer message;
        double seconds = 0.0;
        if (c.firstMessageIsWhole) {
            EXPECT_TRUE(reader.readEvent(message, seconds));
        }
        message = buffer{};
        EXPECT_FALSE(reader.readEvent(message, seconds)) << c.reason;
        EXPECT_LE(message.capacity(), c.events.size()) << c.reason;
        EXPECT_FALSE(reader.readEndOfTrack()) << c.reason;
    }

    ZQMidiFileReader hugeMeta(fileWith(oneTrackFile({0x00, 0xFF, 0x03, 0xFF, 0xFF, 0xFF, 0x7F, 'S', '0', '5'})));
    ASSERT_TRUE(hugeMeta.readTrackHeader());
    std::uint8_t type = 0;
    buffer body;
    EXPECT_FALSE(hugeMeta.readMetaEvent(type, body));
    EXPECT_EQ(body.capacity(), 0u);
}

} // namespace
