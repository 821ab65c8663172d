#include "midiio/NoteOnParser.h"
#include "tests/support/Bytes.h"

#include <gtest/gtest.h>

#include <random>

namespace {

std::vector<std::uint8_t> notesIn(NoteOnParser& parser, const Bytes& stream)
{
    std::vector<std::uint8_t> notes;
    for (const std::uint8_t byte : stream)
        if (const auto note = parser.noteOnIn(byte))
            notes.push_back(*note);
    return notes;
}

// A stream of every kind of message a controller or a device may send, in running status where a
// sender may use it, with real-time bytes between any two bytes; and the Note Ons of velocity 1 or
// more it holds, which the parser must find and nothing else.
class RandomStream {
public:
    explicit RandomStream(std::uint32_t seed)
        : m_random(seed)
    {
    }

    void add()
    {
        switch (pick(0, 9)) {
        case 0:
        case 1: {
            const std::uint8_t note = data();
            const std::uint8_t velocity = pick(0, 3) == 0 ? 0 : data();
            channelMessage(0x90, {note, velocity});
            if (velocity > 0)
                expected.push_back(note);
            break;
        }
        case 2:
            channelMessage(static_cast<std::uint8_t>(0x80 | (pick(0, 3) == 0 ? 0x20 : 0)), {data(), data()});
            break;
        case 3:
            channelMessage(pick(0, 1) ? 0xB0 : 0xE0, {data(), data()}); // controller, pitch bend
            break;
        case 4:
            channelMessage(static_cast<std::uint8_t>(0xC0 | (pick(0, 1) << 4)), {data()}); // program, pressure
            break;
        case 5: {
            // Note Ons' very bytes inside a System Exclusive message play nothing.
            Bytes message{0xF0};
            for (int count = pick(0, 12); count > 0; --count)
                message.push_back(pick(0, 2) == 0 ? 0x1F : data());
            message.push_back(0xF7);
            systemMessage(message);
            break;
        }
        case 6:
            systemMessage(Bytes{0xF2, data(), data()}); // song position
            break;
        case 7:
            systemMessage(pick(0, 1) ? Bytes{0xF1, data()} : Bytes{0xF3, data()}); // quarter frame, song select
            break;
        case 8:
            systemMessage(Bytes{static_cast<std::uint8_t>(pick(0xF4, 0xF6))}); // undefined, tune request
            break;
        default:
            stream.push_back(static_cast<std::uint8_t>(pick(0xF8, 0xFF)));
        }
    }

    Bytes stream;
    std::vector<std::uint8_t> expected;

private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
    std::uint8_t data() { return static_cast<std::uint8_t>(pick(0, 127)); }

    void channelMessage(std::uint8_t kind, const Bytes& dataBytes)
    {
        const auto status = static_cast<std::uint8_t>(kind | pick(0, 15));
        // Running status: the status left out when it repeats the last one, as senders do.
        if (status != m_runningStatus || pick(0, 1) == 0)
            put(status);
        m_runningStatus = status;
        for (const std::uint8_t byte : dataBytes)
            put(byte);
    }
    void systemMessage(const Bytes& message)
    {
        m_runningStatus = 0;
        for (const std::uint8_t byte : message)
            put(byte);
    }
    void put(std::uint8_t byte)
    {
        if (pick(0, 7) == 0)
            stream.push_back(static_cast<std::uint8_t>(pick(0xF8, 0xFF)));
        stream.push_back(byte);
    }

    std::mt19937 m_random;
    std::uint8_t m_runningStatus = 0;
};

} // namespace

TEST(NoteOnParserTest, FindsExactlyTheNoteOnsWithAVelocityInAnyMixOfMessages)
{
    for (std::uint32_t seed = 1; seed <= 200; ++seed) {
        SCOPED_TRACE(seed);
        RandomStream random(seed);
        for (int message = 0; message < 60; ++message)
            random.add();
        NoteOnParser parser;
        EXPECT_EQ(notesIn(parser, random.stream), random.expected);
    }
}

TEST(NoteOnParserTest, AnyBytesWhateverLeaveTheNextWholeNoteOnToBeFoundAtItsLastByteAndNotBefore)
{
    std::mt19937 random(515);
    for (int round = 0; round < 2000; ++round) {
        Bytes garbage(std::uniform_int_distribution<std::size_t>(0, 40)(random));
        for (std::uint8_t& byte : garbage)
            byte = static_cast<std::uint8_t>(random());
        NoteOnParser parser;
        notesIn(parser, garbage);
        const auto channel = static_cast<std::uint8_t>(round % 16);
        const auto note = static_cast<std::uint8_t>(round % 128);
        EXPECT_EQ(notesIn(parser, {static_cast<std::uint8_t>(0x90 | channel), note}), std::vector<std::uint8_t>{});
        EXPECT_EQ(notesIn(parser, {0x64}), std::vector<std::uint8_t>{note});
    }
}

TEST(NoteOnParserTest, ResetForgetsAMessageBegunAndItsRunningStatus)
{
    NoteOnParser parser;
    EXPECT_EQ(notesIn(parser, {0x99, 0x2A}), std::vector<std::uint8_t>{});
    parser.reset();
    EXPECT_EQ(notesIn(parser, {0x40, 0x2E, 0x40}), std::vector<std::uint8_t>{});
    EXPECT_EQ(notesIn(parser, {0x99, 0x2E, 0x40, 0x2A, 0x40}), (std::vector<std::uint8_t>{0x2E, 0x2A}));
}
