#include "content/SlotContent.h"
#include "midiio/BankTransmitter.h"
#include "model/FirmwareBank.h"
#include "model/SoundBank.h"
#include "tests/support/Bytes.h"
#include "tests/support/DeviceSimulator.h"
#include "tests/support/LoopbackMidiService.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Kind = VirtualClock::Entry::Kind;
using Steps = std::vector<std::pair<Kind, std::uint64_t>>;

midi::MidiEvent message(std::size_t length, double offset)
{
    midi::MidiEvent event(length, 0x01);
    event.front() = 0xF0;
    event.back() = 0xF7;
    event.m_offset = offset;
    return event;
}

// The transmitter and the wrapper on the loopback service, the virtual clock and the simulator.
class TransportTest : public testing::Test {
protected:
    // The sleeps of its creation are forgotten.
    std::shared_ptr<BankTransmitter> wrapperFor(std::uint16_t destination = 0)
    {
        auto wrapper = BankTransmitter::createTransmitter(system, destination);
        clock.clearTimeline();
        return wrapper;
    }
    Steps steps() const
    {
        Steps all;
        for (const auto& entry : clock.timeline())
            all.emplace_back(entry.kind, entry.amount);
        return all;
    }
    std::vector<std::uint64_t> handOverTimes() const
    {
        std::vector<std::uint64_t> times;
        for (const auto& entry : clock.timeline())
            if (entry.kind == Kind::Handover)
                times.push_back(entry.atMicroseconds);
        return times;
    }

    VirtualClock clock;
    LoopbackMidiService service{clock};
    MidiContext system{service, clock};
    DeviceSimulator& device = service.addDestinationOf<DeviceSimulator>();
};

TEST_F(TransportTest, CreationSilencesTheDestinationWithOnePacketAndWaitsOnlyForItsWireTime)
{
    BankTransmitter::createTransmitter(system, 0);

    Bytes notesOff;
    for (int channel = 0; channel < 17; ++channel) // channel 1 once more at the end
        notesOff.insert(notesOff.end(), {static_cast<std::uint8_t>(0xB0 + channel % 16), 0x7B, 0x00});
    EXPECT_EQ(device.packets(), std::vector<Bytes>{notesOff});
    EXPECT_EQ(steps(), (Steps{{Kind::Handover, 51}, {Kind::Sleep, 16'320}}));
}

// Found wherever it is listed, or not at all: SendCommandTest.TheBanksGoToTheDeviceChosenBeforeTheQuestionOrNowhere.
TEST_F(TransportTest, ATransmitterToAnIdentityGoneWhileItsPortSettledIsNoneAndNeverReachesAnother)
{
    LoopbackDestination& other = service.addDestination({"", "Other", "Other Port"});
    clock.at(clock.nowMicroseconds() + 10'000, [&] { service.unplug(device); });

    EXPECT_EQ(BankTransmitter::createTransmitterTo(system, MidiPortIdentity::of(device.names)), nullptr);

    EXPECT_TRUE(other.packets().empty());
    EXPECT_TRUE(other.sysexMessages().empty());
}

TEST_F(TransportTest, DumpPausesCountInWholeMicrosecondsFromTheEndOfThePreviousMessage)
{
    auto transmitter = wrapperFor()->transmitter();
    const std::vector<midi::MidiEvent> dump{message(6, 0.0000029), message(3125, 0.5), message(10, 1.0)};
    const std::uint64_t start = clock.nowMicroseconds();

    transmitter->transmitDump(dump);
    clock.runPending();

    // 2 µs, not 3; event 0 needs 1,920 µs of wire, event 1 one second.
    EXPECT_EQ(handOverTimes(), (std::vector<std::uint64_t>{start + 2, start + 501'922, start + 2'501'922}));
    EXPECT_EQ(device.otherMessages().size(), 3u);
    EXPECT_FALSE(transmitter->isStillTransmitting());
    EXPECT_FALSE(transmitter->didTransmissionFail());
}

// A bank's estimate (102 s a sound bank, 97 s the firmware) is SendCommandTest's question and
// TransmissionRunTest's time left.
TEST_F(TransportTest, EmptyDumpSendsNothingStaysIdleAndIsEstimatedAtASecond)
{
    auto transmitter = wrapperFor()->transmitter();

    transmitter->transmitDump({});

    EXPECT_FALSE(transmitter->isStillTransmitting());
    EXPECT_TRUE(clock.timeline().empty());
    EXPECT_EQ(BankTransmitter::estimateSeconds({}), 1);
}

TEST_F(TransportTest, EndpointNamesPutTheManufacturerFirst)
{
    service.addDestination({"", "Through", "Midi Through Port-0"});
    service.addSource({"Tarvo", "ZYLOX 515", "MIDI Out"});

    EXPECT_EQ(SysexTransmitter::DestinationNameAt(service, 0), "Tarvo: ZYLOX 515 MIDI In");
    EXPECT_EQ(SysexTransmitter::DestinationNameAt(service, 1), ": Midi Through Port-0");
    EXPECT_EQ(SysexTransmitter::DestinationNameAt(service, 2), ": ");
    EXPECT_EQ(SysexReceiver::SourceNameAt(service, 0), "Tarvo: MIDI Out");
    EXPECT_EQ(SysexReceiver::SourceNameAt(service, 1), ": ");
}

TEST_F(TransportTest, ABankSleepsItsPausesBeforeEachMessageAndGoesOnTheMomentEachIsSent)
{
    auto wrapper = wrapperFor();
    SoundBank sound(0);
    const std::uint64_t start = clock.nowMicroseconds();

    EXPECT_TRUE(wrapper->transmitBank(sound, 0));

    // Pauses in steps of 300 ms, so that a stop ends them. Then the wait for the completion, which
    // looks for a stop every 100 ms and ends with the wire time: 1,920 µs for an erase,
    // 41,944,960 µs for a write.
    Steps expected;
    for (const auto& [pause, bytes, wire] :
         {std::tuple{3, 6, 1'920}, {6, 131078, 41'944'960}, {3, 6, 1'920}, {6, 131078, 41'944'960}}) {
        for (int step = 0; step < pause * 1'000'000 / 300'000; ++step)
            expected.emplace_back(Kind::Sleep, 300'000);
        expected.emplace_back(Kind::Handover, bytes);
        expected.emplace_back(Kind::Sleep, 320);
        for (int waited = 320; waited < wire; waited += 100'000)
            expected.emplace_back(Kind::Sleep, std::min(100'000, wire - waited));
    }
    EXPECT_EQ(steps(), expected);
    EXPECT_TRUE(device.faults().empty());
    // Not a microsecond beyond the pauses and the wire.
    EXPECT_EQ(clock.nowMicroseconds() - start, 18'000'000u + 2 * (1'920 + 41'944'960));
}

TEST_F(TransportTest, CarefulPacingAddsItsGapsToTheSendAndToTheEstimate)
{
    auto wrapper = wrapperFor();
    wrapper->setPacing({32, 20});
    wrapper->setPacing({32, 500}); // no output may be given that: ignored
    SoundBank sound(0);
    const std::uint64_t start = clock.nowMicroseconds();

    EXPECT_TRUE(wrapper->transmitBank(sound, 0));

    // A write goes in 4,097 pieces: 4,096 gaps of 20 ms; an erase in one piece, without a gap.
    const std::uint64_t gaps = 2 * 4'096 * 20'000;
    EXPECT_EQ(clock.nowMicroseconds() - start, 18'000'000u + 2 * (1'920 + 41'944'960) + gaps);
    EXPECT_EQ(BankTransmitter::estimateSeconds(sound.createEvents(0), wrapper->pacing()), 266);
    EXPECT_EQ(BankTransmitter::estimateSeconds(sound.createEvents(0)), 102);
    EXPECT_TRUE(device.faults().empty());
    EXPECT_EQ(device.writtenBlocks(), (std::vector<std::size_t>{0, 1}));
}

TEST_F(TransportTest, BanksArriveIntactOnTheirChannels)
{
    auto wrapper = wrapperFor();
    SoundBank first(0), seventh(7), last(30);
    FirmwareBank firmware;
    // A negative channel is cut to its low bits: -13 is channel 3.
    const bool allSent = wrapper->transmitBank(first, 3) && wrapper->transmitBank(seventh, 3)
                         && wrapper->transmitBank(last, -13) && wrapper->transmitBank(firmware, 3);

    EXPECT_TRUE(allSent);
    for (const IBank* bank : std::initializer_list<const IBank*>{&first, &seventh, &last}) {
        Bytes samples;
        for (std::uint16_t slot = 0; slot < bank->getContentCount(); ++slot)
            samples = concat({samples, bank->getContent(slot)->getData()});
        EXPECT_EQ(concat({device.block(2 * bank->getIndex()), device.block(2 * bank->getIndex() + 1)}), samples)
            << "bank " << bank->getIndex();
    }
    EXPECT_EQ(device.erasedBlocks(), (std::vector<std::size_t>{0, 1, 14, 15, 60, 61, 62, 63}));
    EXPECT_EQ(device.writtenBlocks(), (std::vector<std::size_t>{0, 1, 14, 15, 60, 61}));
    EXPECT_EQ(device.writeChannels(), std::vector<unsigned>(6, 3));
    EXPECT_EQ(device.otherMessages(),
              (std::vector<Bytes>{firmware.getContent(0)->getData(), firmware.getContent(1)->getData()}));
    EXPECT_TRUE(device.faults().empty());
}

TEST_F(TransportTest, AVanishingDeviceFailsTheBankAndStopsIt)
{
    auto wrapper = wrapperFor();
    SoundBank sound(5);
    clock.at(5'000'000, [&] { device.vanishAfter(40'000); }); // after the first erase has gone

    EXPECT_FALSE(wrapper->transmitBank(sound, 0));

    EXPECT_EQ(handOverTimes().size(), 2u);
    EXPECT_FALSE(wrapper->transmitter()->isStillTransmitting());
    EXPECT_TRUE(wrapper->transmitter()->didTransmissionFail());
    EXPECT_EQ(device.erasedBlocks(), std::vector<std::size_t>{10});
    EXPECT_EQ(device.faults(), std::vector<std::string>{"message broken off after 40000 bytes"});

    // The next bank through the same wrapper fails at its first message: the destination is gone.
    clock.clearTimeline();
    const std::uint64_t before = clock.nowMicroseconds();
    EXPECT_FALSE(wrapper->transmitBank(sound, 0));
    EXPECT_TRUE(handOverTimes().empty());
    EXPECT_LT(clock.nowMicroseconds() - before, 4'000'000u);
}

TEST_F(TransportTest, AllWrappersShareOneClientAndAReceiverWrapperSendsNothing)
{
    service.addSource({"Tarvo", "ZYLOX 515", "MIDI Out"});
    wrapperFor();
    auto receiving = BankTransmitter::createReceiver(system, 0);
    SoundBank sound(3);

    EXPECT_FALSE(receiving->transmitBank(sound, 0));

    EXPECT_EQ(service.clientCreations(), 1);
    EXPECT_TRUE(receiving->receiver());
    EXPECT_FALSE(receiving->transmitter());
    EXPECT_TRUE(clock.timeline().empty());
}

} // namespace
