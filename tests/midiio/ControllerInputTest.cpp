#include "midiio/ControllerInput.h"
#include "model/FactoryTables.h"
#include "tests/support/Bytes.h"
#include "tests/support/LoopbackMidiService.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

const MidiEndpointNames kPadKit{"", "Pad Kit", "Pad Kit MIDI 1"};
const MidiEndpointNames kKeyboard{"", "Keys 49", "Keys 49 MIDI 1"};

// The sound bank's labels last to first: a pad is found by its label, wherever it stands.
std::vector<std::string> labelsBackwards()
{
    std::vector<std::string> labels;
    for (std::uint16_t slot = factory::kSoundSlotCount; slot > 0; --slot)
        labels.push_back(factory::contentName(slot - 1));
    return labels;
}

class ControllerInputTest : public testing::Test {
protected:
    using Hits = std::vector<std::uint16_t>;

    std::uint16_t padOf(const std::string& label) const
    {
        return static_cast<std::uint16_t>(std::find(labels.begin(), labels.end(), label) - labels.begin());
    }
    // The bytes as the source sends them, in packets of the sizes given (the rest in the last),
    // and the pads they hit.
    Hits play(const Bytes& bytes, std::size_t sourceIndex = 0, const std::vector<std::size_t>& packetSizes = {})
    {
        hits.clear();
        std::size_t start = 0;
        for (const std::size_t size : packetSizes) {
            send(sourceIndex, Bytes(bytes.begin() + start, bytes.begin() + start + size));
            start += size;
        }
        send(sourceIndex, Bytes(bytes.begin() + start, bytes.end()));
        clock.runPending();
        return hits;
    }
    void send(std::size_t sourceIndex, const Bytes& bytes)
    {
        MidiPacketList packets(bytes.size());
        packets.add(0, bytes);
        service.emitAt(sourceIndex, clock.nowMicroseconds() + 1000, packets);
    }

    VirtualClock clock;
    LoopbackMidiService service{clock};
    std::size_t padKit = service.addSource(kPadKit);
    const std::vector<std::string> labels = labelsBackwards();
    Hits hits;
    std::vector<std::pair<std::uint16_t, std::uint8_t>> taught;
    ControllerInput input{service, service.createClient("test"), labels,
                          [this](std::uint16_t pad) { hits.push_back(pad); },
                          [this](std::uint16_t pad, std::uint8_t note) { taught.emplace_back(pad, note); }};
};

} // namespace

TEST_F(ControllerInputTest, GeneralMidiDrumNotesPlayTheirPadsOnAnyChannelAndOtherNotesNone)
{
    input.choose(MidiPortIdentity::of(kPadKit));
    ASSERT_TRUE(input.isConnected());
    const std::pair<std::uint8_t, const char*> drums[] = {
        {42, "CLOSED HI HAT"}, {46, "OPEN HI HAT"}, {39, "CLAP"}, {37, "RIM SHOT"}, {49, "CRASH"}, {51, "RIDE"},
    };
    std::uint8_t channel = 0;
    for (const auto& [note, label] : drums) {
        SCOPED_TRACE(label);
        EXPECT_EQ(play({static_cast<std::uint8_t>(0x90 | channel), note, 0x64}), Hits{padOf(label)});
        channel = static_cast<std::uint8_t>(channel + 3) % 16;
    }
    EXPECT_EQ(play({0x99, 36, 0x64, 0x99, 38, 0x64, 0x99, 0x2B, 0x7F}), Hits{});
}

TEST_F(ControllerInputTest, ALearningPadTakesTheNextNoteOnAndKeepsItUntilTaughtAnother)
{
    input.choose(MidiPortIdentity::of(kPadKit));
    const std::uint16_t clap = padOf("CLAP");
    const std::uint16_t crash = padOf("CRASH");

    input.learn(clap);
    EXPECT_EQ(play({0x89, 36, 0x40, 0x99, 36, 0x00}), Hits{}) << "a note off teaches nothing";
    EXPECT_EQ(play({0x99, 36, 0x64}), Hits{clap}) << "the note taught plays its pad at once";
    EXPECT_EQ(taught, (std::vector<std::pair<std::uint16_t, std::uint8_t>>{{clap, 36}}));
    EXPECT_FALSE(input.learning());
    EXPECT_EQ(play({0x99, 36, 0x64, 39, 0x64}), Hits{clap}) << "the former note plays nothing any more";
    EXPECT_EQ(input.notes().noteOf("CLAP"), 36);

    // A note taught to a second pad plays both.
    input.learn(crash);
    play({0x99, 36, 0x64});
    EXPECT_EQ(play({0x99, 36, 0x64}), (Hits{crash, clap})) << "in the pads' order";

    input.learn(crash);
    input.cancelLearning();
    EXPECT_EQ(play({0x99, 42, 0x64}), Hits{padOf("CLOSED HI HAT")});
    EXPECT_EQ(taught.size(), 2u);
}

TEST_F(ControllerInputTest, NotesKeptByTheirLabelsPlayTheSamePadsWhereverTheLabelsStand)
{
    PadNotes kept = PadNotes::generalMidi();
    kept.teach("RIDE", 60);
    kept.teach("CLAP", 128);
    EXPECT_EQ(kept.noteOf("CLAP"), 39) << "128 is no note";
    input.setNotes(kept);
    input.choose(MidiPortIdentity::of(kPadKit));
    EXPECT_EQ(play({0x90, 60, 0x64, 51, 0x64}), Hits{padOf("RIDE")});

    // Another order of the same labels: the notes follow the labels, not the positions.
    Hits forwards;
    std::vector<std::string> inOrder(labels.rbegin(), labels.rend());
    ControllerInput second(
        service, service.createClient("second"), inOrder, [&forwards](std::uint16_t pad) { forwards.push_back(pad); },
        [](std::uint16_t, std::uint8_t) {});
    second.setNotes(kept);
    second.choose(MidiPortIdentity::of(kPadKit));
    play({0x90, 60, 0x64, 42, 0x64});
    EXPECT_EQ(forwards, (Hits{5, 1}));
}

TEST_F(ControllerInputTest, TheChosenControllerPlaysAgainWhenPluggedBackInWhereverItIsListed)
{
    input.choose(MidiPortIdentity::of(kKeyboard));
    EXPECT_FALSE(input.isConnected());
    EXPECT_EQ(play({0x99, 42, 0x64}, padKit), Hits{}) << "another controller plays nothing";

    std::size_t keyboard = service.plugInSource(kKeyboard);
    input.refresh();
    EXPECT_TRUE(input.isConnected());
    const std::uint16_t closed = padOf("CLOSED HI HAT");
    EXPECT_EQ(play({0x99, 42, 0x64}, keyboard), Hits{closed});

    // Unplugged half way through a message: the half is forgotten with it.
    play({0x99, 42}, keyboard);
    service.unplugSource(keyboard);
    input.refresh();
    EXPECT_FALSE(input.isConnected());
    service.addSource({"", "Mixer", "Mixer MIDI 1"});
    keyboard = service.plugInSource(kKeyboard);
    input.refresh();
    EXPECT_TRUE(input.isConnected());
    EXPECT_EQ(play({0x64, 42, 0x64}, keyboard), Hits{}) << "no running status from before the unplugging";
    EXPECT_EQ(play({0x99, 42, 0x64}, keyboard), Hits{closed});
    input.refresh();
    EXPECT_EQ(play({0x99, 42, 0x64}, keyboard), Hits{closed}) << "a refresh keeps a connection as it is";

    input.choose({});
    EXPECT_FALSE(input.isConnected());
    EXPECT_EQ(play({0x99, 42, 0x64}, keyboard), Hits{});
}

TEST_F(ControllerInputTest, RandomStreamsInRandomPacketsHitOnlyThePadsOfTheirNoteOns)
{
    input.choose(MidiPortIdentity::of(kPadKit));
    const PadNotes notes = PadNotes::generalMidi();
    std::mt19937 random(515);
    const std::uint8_t drumNotes[] = {42, 46, 39, 37, 49, 51, 36, 38};
    for (int round = 0; round < 100; ++round) {
        Bytes stream;
        Hits expected;
        std::vector<std::size_t> packetSizes;
        for (int message = 0; message < 30; ++message) {
            const std::uint8_t note = drumNotes[random() % std::size(drumNotes)];
            const auto velocity = static_cast<std::uint8_t>(random() % 3 == 0 ? 0 : 1 + random() % 127);
            const auto status = static_cast<std::uint8_t>((random() % 2 ? 0x90 : 0x80) | random() % 16);
            stream.insert(stream.end(), {status, note, velocity});
            if ((status & 0xF0) == 0x90 && velocity > 0)
                for (const auto& [label, taughtNote] : notes.taught())
                    if (taughtNote == note)
                        expected.push_back(padOf(label));
            if (random() % 4 == 0)
                packetSizes.push_back(1 + random() % 4);
        }
        std::size_t total = 0;
        std::erase_if(packetSizes, [&](std::size_t size) { return (total += size) > stream.size(); });
        SCOPED_TRACE(round);
        EXPECT_EQ(play(stream, padKit, packetSizes), expected);
    }
}
