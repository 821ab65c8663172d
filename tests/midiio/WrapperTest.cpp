#include "midiio/WrapperZQMidiInterface.h"
#include "model/CFirmware.h"
#include "model/CSound.h"
#include "tests/support/DeviceSimulator.h"
#include "tests/support/LoopbackMidiService.h"
#include "tests/support/VirtualClock.h"
#include "content/CContent.h"
#include "flash/CEvent.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

using Kind = VirtualClock::Entry::Kind;
using Bytes = std::vector<std::uint8_t>;

class WrapperTest : public testing::Test {
protected:
    std::shared_ptr<WrapperZQMidiInterface> transmitterFor(std::uint16_t destination = 0)
    {
        auto wrapper = WrapperZQMidiInterface::createTransmitter(system, destination);
        clock.clearTimeline();
        return wrapper;
    }

    VirtualClock clock;
    LoopbackMidiService service{clock};
    ZQMidiSystem system{service, clock};
    DeviceSimulator& device = service.addDestinationOf<DeviceSimulator>();
};

Bytes sampleBytesOf(const IBank& bank)
{
    Bytes all;
    for (std::uint16_t slot = 0; slot < bank.getContentCount(); ++slot)
        all.insert(all.end(), bank.getContent(slot)->getData().begin(), bank.getContent(slot)->getData().end());
    return all;
}

TEST_F(WrapperTest, EstimatesCountPausesAndBytesAtTheWireRate)
{
    auto wrapper = transmitterFor();
    CSound sound(4);
    CFirmware firmware;

    wrapper->setTime({});
    EXPECT_EQ(wrapper->timeDuration(), 1);
    wrapper->setTime(sound.createEvents(0));
    EXPECT_EQ(wrapper->timeDuration(), 102);
    wrapper->setTime(firmware.createEvents(0));
    EXPECT_EQ(wrapper->timeDuration(), 97);
}

TEST_F(WrapperTest, ABankSleepsItsPausesBeforeEachMessageAndPollsUntilEachIsSent)
{
    auto wrapper = transmitterFor();
    CSound sound(0);

    EXPECT_TRUE(wrapper->transmitBank(sound, 0));

    // Erase: 6 bytes, sent within the first poll. Write: 41,944,960 µs of wire, 140 polls busy.
    std::vector<std::pair<Kind, std::uint64_t>> expected;
    for (const auto& [pause, bytes, polls] : {std::tuple{3, 6, 2}, {6, 131078, 141}, {3, 6, 2}, {6, 131078, 141}}) {
        expected.emplace_back(Kind::Sleep, pause * 1'000'000u);
        expected.emplace_back(Kind::Handover, bytes);
        expected.emplace_back(Kind::Sleep, 320);
        for (int poll = 0; poll < polls; ++poll)
            expected.emplace_back(Kind::Sleep, 300'000);
    }
    std::vector<std::pair<Kind, std::uint64_t>> actual;
    for (const auto& entry : clock.timeline())
        actual.emplace_back(entry.kind, entry.amount);
    EXPECT_EQ(actual, expected);
    EXPECT_TRUE(device.faults().empty());
}

TEST_F(WrapperTest, ProgressIsThePercentOfTheEstimateElapsed)
{
    service.addDestinationOf<DeviceSimulator>(1000);
    auto wrapper = transmitterFor(1);
    CSound sound(2);
    const std::uint64_t begin = clock.nowMicroseconds();
    std::uint64_t atStart = 1, at51 = 0, at204 = 0;
    clock.at(begin, [&] { atStart = wrapper->Progress(); });
    clock.at(begin + 51'000'000, [&] { at51 = wrapper->Progress(); });
    clock.at(begin + 204'000'000, [&] { at204 = wrapper->Progress(); });

    EXPECT_EQ(wrapper->Progress(), 0u);
    EXPECT_TRUE(wrapper->transmitBank(sound, 0));

    EXPECT_EQ(atStart, 0u);
    EXPECT_EQ(at51, 50u);
    EXPECT_EQ(at204, 200u);
    EXPECT_EQ(wrapper->Progress(), 0u);
}

TEST_F(WrapperTest, BanksArriveIntactInTheDevice)
{
    auto wrapper = transmitterFor();
    for (const std::uint16_t index : {0, 7, 30}) {
        CSound sound(index);
        ASSERT_TRUE(wrapper->transmitBank(sound, 3));
        const Bytes samples = sampleBytesOf(sound);
        Bytes blocks = device.block(2 * index);
        const Bytes second = device.block(2 * index + 1);
        blocks.insert(blocks.end(), second.begin(), second.end());
        EXPECT_EQ(blocks, samples) << "bank " << index;
    }
    EXPECT_EQ(device.erasedBlocks(), (std::vector<std::size_t>{0, 1, 14, 15, 60, 61}));
    EXPECT_EQ(device.writtenBlocks(), (std::vector<std::size_t>{0, 1, 14, 15, 60, 61}));
    EXPECT_EQ(device.writeChannels(), std::vector<unsigned>(6, 3));
    EXPECT_TRUE(device.otherMessages().empty());
    EXPECT_TRUE(device.faults().empty());
}

TEST_F(WrapperTest, TheFirmwareBankArrivesAsStored)
{
    auto wrapper = transmitterFor();
    CFirmware firmware;

    ASSERT_TRUE(wrapper->transmitBank(firmware, 9));

    EXPECT_EQ(device.erasedBlocks(), (std::vector<std::size_t>{62, 63}));
    EXPECT_TRUE(device.writtenBlocks().empty());
    EXPECT_EQ(device.otherMessages(), (std::vector<Bytes>{firmware.getContent(0)->getData(),
                                                          firmware.getContent(1)->getData()}));
    EXPECT_TRUE(device.faults().empty());
}

TEST_F(WrapperTest, ANegativeChannelIsCutToItsLowBits)
{
    auto wrapper = transmitterFor();
    CSound sound(1);

    ASSERT_TRUE(wrapper->transmitBank(sound, -13));

    EXPECT_EQ(device.writeChannels(), (std::vector<unsigned>{3, 3}));
}

TEST_F(WrapperTest, AVanishingDeviceFailsTheBankAndStopsIt)
{
    auto wrapper = transmitterFor();
    CSound sound(5);
    clock.at(5'000'000, [&] { device.vanishAfter(40'000); }); // after the first erase has gone

    EXPECT_FALSE(wrapper->transmitBank(sound, 0));

    std::size_t handOvers = 0;
    for (const auto& entry : clock.timeline())
        handOvers += entry.kind == Kind::Handover;
    EXPECT_EQ(handOvers, 2u);
    EXPECT_FALSE(wrapper->transmitter()->isStillTransmitting());
    EXPECT_EQ(wrapper->Progress(), 0u);
    EXPECT_EQ(device.bytes().size(), 51u + 6u + 40'000u);
    EXPECT_EQ(device.faults(), std::vector<std::string>{"message broken off after 40000 bytes"});

    // The next bank through the same wrapper fails at once: the destination is gone.
    clock.clearTimeline();
    EXPECT_FALSE(wrapper->transmitBank(sound, 0));
    EXPECT_TRUE(clock.timeline().size() < 5u);
}

TEST_F(WrapperTest, AllWrappersShareOneClientAndAReceiverWrapperSendsNothing)
{
    service.addSource({"Tarvo", "ZYLOX 515", "MIDI Out"});
    auto first = WrapperZQMidiInterface::createTransmitter(system, 0);
    auto second = WrapperZQMidiInterface::createReceiver(system, 0);
    clock.clearTimeline();
    CSound sound(3);

    EXPECT_FALSE(second->transmitBank(sound, 0));

    EXPECT_EQ(service.clientCreations(), 1);
    EXPECT_TRUE(second->receiver());
    EXPECT_FALSE(second->transmitter());
    EXPECT_TRUE(clock.timeline().empty());
}

TEST_F(WrapperTest, ProgressReadsSafelyFromAnotherThreadDuringAllBanks)
{
    auto wrapper = transmitterFor();
    std::atomic<bool> done{false};
    std::atomic<bool> allSent{true};
    std::thread worker([&] {
        for (std::uint16_t index = 0; index < 3; ++index) {
            CSound sound(index);
            allSent = allSent && wrapper->transmitBank(sound, 0);
        }
        CFirmware firmware;
        allSent = allSent && wrapper->transmitBank(firmware, 0);
        done = true;
    });
    std::uint64_t highest = 0;
    while (!done)
        highest = std::max(highest, wrapper->Progress());
    worker.join();

    EXPECT_TRUE(allSent);
    EXPECT_LE(highest, 110u);
    EXPECT_EQ(device.writtenBlocks(), (std::vector<std::size_t>{0, 1, 2, 3, 4, 5}));
}

} // namespace
