#include "midiio/ZQMidiInterfaceReceiver.h"
#include "tests/support/LoopbackMidiService.h"
#include "tests/support/VirtualClock.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<std::uint8_t>;

MidiPacketList packetList(std::initializer_list<Bytes> packets)
{
    MidiPacketList list(1024);
    std::uint64_t stamp = 0;
    for (const Bytes& packet : packets)
        list.add(stamp++, packet);
    return list;
}

std::vector<Bytes> bytesOf(const std::vector<midi::event>& events)
{
    std::vector<Bytes> all;
    for (const midi::event& event : events) {
        EXPECT_EQ(event.m_offset, 0.0);
        all.emplace_back(event.begin(), event.end());
    }
    return all;
}

class ReceiverTest : public testing::Test {
protected:
    VirtualClock clock;
    LoopbackMidiService service{clock};
    std::size_t source = service.addSource({"Tarvo", "ZYLOX 515", "MIDI Out"});
    std::shared_ptr<ZQMidiInterfaceReceiver> receiver =
        ZQMidiInterfaceReceiver::ZQMidiInterfaceReceiverWithClient(service, clock, service.createClient("test"), 0);
    std::vector<midi::event> events;
};

TEST_F(ReceiverTest, MessagesAreCollectedHoweverTheyAreSplit)
{
    receiver->readData(&events, packetList({{0xF0, 0x01, 0x02, 0xF7}}));
    EXPECT_TRUE(receiver->didRecordingBegin());

    receiver->readData(&events, packetList({{0xF0, 0x01}}));
    receiver->readData(&events, packetList({{0x02, 0xF7}}));
    receiver->readData(&events, packetList({{0xF0}, {0x03}, {0xF7, 0xF0, 0x04, 0xF7}}));

    EXPECT_EQ(bytesOf(events), (std::vector<Bytes>{{0xF0, 0x01, 0x02, 0xF7},
                                                   {0xF0, 0x01, 0x02, 0xF7},
                                                   {0xF0, 0x03, 0xF7},
                                                   {0xF0, 0x04, 0xF7}}));
}

TEST_F(ReceiverTest, AnyOtherStatusByteAbandonsTheMessage)
{
    receiver->readData(&events, packetList({{0xF0, 0x01, 0xF8, 0x02, 0xF7}}));
    receiver->readData(&events, packetList({{0xF0, 0x05, 0x90, 0x3C, 0x40, 0xF7}}));
    EXPECT_TRUE(events.empty());

    receiver->readData(&events, packetList({{0xF0, 0x06, 0xF7}}));
    EXPECT_EQ(bytesOf(events), (std::vector<Bytes>{{0xF0, 0x06, 0xF7}}));
}

TEST_F(ReceiverTest, OnlySystemExclusiveBytesCountAsActivity)
{
    receiver->recordOn(&events);
    service.emitAt(source, clock.nowMicroseconds() + 100'000, packetList({{0x90, 0x3C, 0x40, 0x3C, 0x00}}));
    EXPECT_FALSE(receiver->isStillRecording());
    EXPECT_FALSE(receiver->didRecordingBegin());

    service.emitAt(source, clock.nowMicroseconds() + 100'000, packetList({{0xF0, 0x01}}));
    EXPECT_TRUE(receiver->isStillRecording());
    EXPECT_TRUE(receiver->didRecordingBegin());
    receiver->recordOff();
    EXPECT_TRUE(events.empty());
}

TEST_F(ReceiverTest, ASilentSourceTimesOutAndIsDisconnected)
{
    receiver->recordOn(&events);
    const std::uint64_t connected = clock.nowMicroseconds();

    EXPECT_FALSE(receiver->waitForRecordOffWithTimeout(2));

    EXPECT_EQ(connected, 600'000u);
    EXPECT_EQ(clock.nowMicroseconds() - connected, 2'000'000u + 300'000u);
    service.emitAt(source, clock.nowMicroseconds(), packetList({{0xF0, 0x01, 0xF7}}));
    clock.runPending();
    EXPECT_TRUE(events.empty());
}

TEST_F(ReceiverTest, RecordingEndsAfterThreeHundredMillisecondsOfSilence)
{
    receiver->recordOn(&events);
    service.emitAt(source, 1'000'000, packetList({{0xF0, 0x01, 0x02}}));
    service.emitAt(source, 1'250'000, packetList({{0x03, 0xF7}}));

    EXPECT_TRUE(receiver->waitForRecordOffWithTimeout(5));

    const std::uint64_t afterLastByte = clock.nowMicroseconds() - 1'250'000;
    EXPECT_GE(afterLastByte, 600'000u);
    EXPECT_LE(afterLastByte, 900'000u);
    EXPECT_EQ(bytesOf(events), (std::vector<Bytes>{{0xF0, 0x01, 0x02, 0x03, 0xF7}}));
}

TEST_F(ReceiverTest, ARecordingDoesNotCompleteAMessageCutOffInTheLastOne)
{
    receiver->recordOn(&events);
    service.emitAt(source, 700'000, packetList({{0xF0, 0x01}}));
    receiver->waitForRecordOffWithTimeout(1);

    receiver->recordOn(&events);
    service.emitAt(source, clock.nowMicroseconds() + 10, packetList({{0x02, 0xF7}}));
    EXPECT_FALSE(receiver->waitForRecordOffWithTimeout(1));

    EXPECT_TRUE(events.empty());
}

TEST_F(ReceiverTest, SourceNamesPutTheManufacturerFirst)
{
    EXPECT_EQ(ZQMidiInterfaceReceiver::SourceNumber(service), 1u);
    EXPECT_EQ(ZQMidiInterfaceReceiver::SourceNameAt(service, 0), "Tarvo: MIDI Out");
    EXPECT_EQ(ZQMidiInterfaceReceiver::SourceNameAt(service, 1), ": ");
}

} // namespace
