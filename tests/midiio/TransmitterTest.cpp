#include "midiio/ZQMidiInterfaceTransmitter.h"
#include "tests/support/LoopbackMidiService.h"
#include "tests/support/VirtualClock.h"

#include <gtest/gtest.h>

namespace {

using Kind = VirtualClock::Entry::Kind;

midi::event message(std::size_t length, double offset)
{
    midi::event event(length, 0x01);
    event.front() = 0xF0;
    event.back() = 0xF7;
    event.m_offset = offset;
    return event;
}

// Virtual times of the hand-overs of System Exclusive messages (packets are 51 bytes).
std::vector<std::uint64_t> sysexHandOverTimes(const VirtualClock& clock)
{
    std::vector<std::uint64_t> times;
    for (const auto& entry : clock.timeline())
        if (entry.kind == Kind::Handover && entry.amount != 51)
            times.push_back(entry.atMicroseconds);
    return times;
}

class TransmitterTest : public testing::Test {
protected:
    std::shared_ptr<ZQMidiInterfaceTransmitter> create(std::uint16_t destination = 0)
    {
        auto transmitter = ZQMidiInterfaceTransmitter::ZQMidiInterfaceTransmitterWithClient(
            service, clock, service.createClient("test"), destination);
        clock.clearTimeline();
        return transmitter;
    }

    VirtualClock clock;
    LoopbackMidiService service{clock};
    LoopbackDestination& device = service.addDestination({"Tarvo", "ZYLOX 515", "MIDI In"});
};

TEST_F(TransmitterTest, CreationSilencesTheDestinationWithOnePacketBetweenTheFixedWaits)
{
    ZQMidiInterfaceTransmitter::ZQMidiInterfaceTransmitterWithClient(service, clock, service.createClient("test"), 0);

    std::vector<std::uint8_t> expected;
    for (int channel = 0; channel < 16; ++channel)
        expected.insert(expected.end(), {static_cast<std::uint8_t>(0xB0 + channel), 0x7B, 0x00});
    expected.insert(expected.end(), {0xB0, 0x7B, 0x00});
    ASSERT_EQ(device.packets().size(), 1u);
    EXPECT_EQ(device.packets()[0], expected);
    const auto timeline = clock.timeline();
    ASSERT_EQ(timeline.size(), 3u);
    EXPECT_EQ(timeline[0].kind, Kind::Sleep);
    EXPECT_EQ(timeline[0].amount, 600'000u);
    EXPECT_EQ(timeline[1].kind, Kind::Handover);
    EXPECT_EQ(timeline[1].amount, 51u);
    EXPECT_EQ(timeline[2].amount, 300'000u);
}

TEST_F(TransmitterTest, OneMessageIsBusyUntilItsWireTimeHasPassed)
{
    auto transmitter = create();
    const midi::event sixBytes = message(6, 0.0);

    transmitter->transmitMessage(sixBytes);
    EXPECT_TRUE(transmitter->isStillTransmitting());
    clock.sleepMicroseconds(6 * 320 - 321); // 320 µs of the hand-over are gone already
    EXPECT_TRUE(transmitter->isStillTransmitting());
    clock.sleepMicroseconds(1);

    EXPECT_FALSE(transmitter->isStillTransmitting());
    EXPECT_FALSE(transmitter->didTransmissionFail());
    EXPECT_EQ(device.sysexMessages(), std::vector<std::vector<std::uint8_t>>{sixBytes});
    EXPECT_EQ(clock.sleeps().front(), 320u);
}

TEST_F(TransmitterTest, DumpPausesCountFromTheEndOfThePreviousMessage)
{
    auto transmitter = create();
    const std::vector<midi::event> dump{message(6, 0.0), message(3125, 0.5), message(10, 1.0)};

    const std::uint64_t start = clock.nowMicroseconds();
    transmitter->transmitDump(dump);
    clock.runPending();

    // Event 0 at once; it needs 1,920 µs of wire, event 1 (one second of wire) 0.5 s after that.
    EXPECT_EQ(sysexHandOverTimes(clock), (std::vector<std::uint64_t>{start, start + 501'920, start + 2'501'920}));
    EXPECT_EQ(device.sysexMessages().size(), 3u);
    EXPECT_FALSE(transmitter->isStillTransmitting());
    EXPECT_FALSE(transmitter->didTransmissionFail());
}

TEST_F(TransmitterTest, OffsetsAreTruncatedToWholeMicroseconds)
{
    auto transmitter = create();
    const std::vector<midi::event> dump{message(6, 0.0000015), message(6, 0.0000029)};

    transmitter->transmitDump(dump);
    clock.runPending();

    const auto sleeps = clock.sleeps();
    EXPECT_EQ(sleeps, (std::vector<std::uint64_t>{1, 320, 2, 320}));
}

TEST_F(TransmitterTest, EmptyDumpSendsNothingAndStaysIdle)
{
    auto transmitter = create();
    const std::vector<midi::event> nothing;

    transmitter->transmitDump(nothing);

    EXPECT_FALSE(transmitter->isStillTransmitting());
    EXPECT_TRUE(clock.timeline().empty());
}

TEST_F(TransmitterTest, RefusedSendEndsBusyWithAFailure)
{
    auto transmitter = create(5);
    const midi::event sixBytes = message(6, 0.0);

    transmitter->transmitMessage(sixBytes);
    clock.runPending();

    EXPECT_FALSE(transmitter->isStillTransmitting());
    EXPECT_TRUE(transmitter->didTransmissionFail());
    EXPECT_TRUE(device.bytes().empty());
}

TEST_F(TransmitterTest, DestinationVanishingMidDumpStopsTheDump)
{
    auto transmitter = create();
    const std::vector<midi::event> dump{message(6, 0.0), message(1000, 0.0), message(6, 0.0)};
    transmitter->transmitDump(dump);
    device.vanishAfter(0); // takes the first message that has not reached the wire yet
    clock.runPending();

    EXPECT_FALSE(transmitter->isStillTransmitting());
    EXPECT_TRUE(transmitter->didTransmissionFail());
    EXPECT_EQ(sysexHandOverTimes(clock).size(), 2u);
    EXPECT_EQ(device.sysexMessages().size(), 1u);
    EXPECT_EQ(service.destinationCount(), 0u);

    // A new send after the failure starts clean and fails at once: the destination is gone.
    transmitter->transmitMessage(dump[0]);
    clock.runPending();
    EXPECT_FALSE(transmitter->isStillTransmitting());
    EXPECT_TRUE(transmitter->didTransmissionFail());
}

TEST_F(TransmitterTest, DestinationNamesPutTheManufacturerFirst)
{
    service.addDestination({"", "Through", "Midi Through Port-0"});

    EXPECT_EQ(ZQMidiInterfaceTransmitter::DestinationNumber(service), 2u);
    EXPECT_EQ(ZQMidiInterfaceTransmitter::DestinationNameAt(service, 0), "Tarvo: MIDI In");
    EXPECT_EQ(ZQMidiInterfaceTransmitter::DestinationNameAt(service, 1), ": Midi Through Port-0");
    EXPECT_EQ(ZQMidiInterfaceTransmitter::DestinationNameAt(service, 2), ": ");
}

} // namespace
