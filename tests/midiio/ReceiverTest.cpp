#include "midiio/SysexReceiver.h"
#include "tests/support/Bytes.h"
#include "tests/support/LoopbackMidiService.h"

#include <gtest/gtest.h>

namespace {

// Each packet with a time stamp of its own, so none joins another.
MidiPacketList packetList(const std::vector<Bytes>& packets)
{
    MidiPacketList list(1024);
    std::uint64_t stamp = 0;
    for (const Bytes& packet : packets)
        list.add(stamp++, packet);
    return list;
}

std::vector<Bytes> bytesOf(const std::vector<midi::MidiEvent>& events)
{
    std::vector<Bytes> all;
    for (const midi::MidiEvent& event : events) {
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
    std::shared_ptr<SysexReceiver> receiver
        = SysexReceiver::withClient(service, clock, service.createClient("test"), 0);
    std::vector<midi::MidiEvent> events;
};

TEST_F(ReceiverTest, CollectsWholeMessagesHoweverSplitAndDropsThoseAnotherStatusByteInterrupts)
{
    struct Case {
        const char* name;
        std::vector<std::vector<Bytes>> packetLists;
        std::vector<Bytes> messages;
        bool began;
    };
    const Case cases[] = {
        {"one packet", {{{0xF0, 0x01, 0x02, 0xF7}}}, {{0xF0, 0x01, 0x02, 0xF7}}, true},
        {"split over two lists", {{{0xF0, 0x01}}, {{0x02, 0xF7}}}, {{0xF0, 0x01, 0x02, 0xF7}}, true},
        {"split over packets",
         {{{0xF0}, {0x03}, {0xF7, 0xF0, 0x04, 0xF7}}},
         {{0xF0, 0x03, 0xF7}, {0xF0, 0x04, 0xF7}},
         true},
        {"a timing clock inside", {{{0xF0, 0x01, 0xF8, 0x02, 0xF7}}, {{0xF0, 0x06, 0xF7}}}, {{0xF0, 0x06, 0xF7}}, true},
        {"a note-on inside", {{{0xF0, 0x05, 0x90, 0x3C, 0x40, 0xF7}}}, {}, true},
        {"a note-on in running status", {{{0x90, 0x3C, 0x40, 0x3C, 0x00}}}, {}, false},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        auto fresh = SysexReceiver::withClient(service, clock, 0, 0);
        std::vector<midi::MidiEvent> collected;
        for (const std::vector<Bytes>& packets : test.packetLists)
            fresh->readData(&collected, packetList(packets));
        EXPECT_EQ(bytesOf(collected), test.messages);
        EXPECT_EQ(fresh->didRecordingBegin(), test.began);
    }
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

    EXPECT_FALSE(receiver->waitForRecordOffWithTimeout(2));

    EXPECT_EQ(clock.nowMicroseconds(), 600'000u + 2'000'000u + 300'000u);
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

    EXPECT_GE(clock.nowMicroseconds(), 1'250'000u + 600'000u);
    EXPECT_LE(clock.nowMicroseconds(), 1'250'000u + 900'000u);
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

} // namespace
