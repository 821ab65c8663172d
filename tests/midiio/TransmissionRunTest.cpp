// Transmissions of several banks on the loopback service and the virtual clock: stop at several
// points with the account of what the device holds, failures, the device record, the time left.
#include "midiio/DeviceRecord.h"
#include "midiio/TransmissionRun.h"
#include "midiio/WrapperZQMidiInterface.h"
#include "content/CMessage.h"
#include "model/CFirmware.h"
#include "model/CSound.h"
#include "tests/support/DeviceSimulator.h"
#include "tests/support/LoopbackMidiService.h"
#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <thread>

namespace {

using Rows = std::vector<std::size_t>;
using End = TransmissionAccount::End;

// Three banks to one device simulator, with the device record in a folder of its own.
struct Rig {
    // Runs banks S01 to S03; the run's virtual time starts now.
    End runThreeBanks()
    {
        start = clock.nowMicroseconds();
        return run.run({{0, &banks[0]}, {1, &banks[1]}, {2, &banks[2]}});
    }
    // A virtual time counted from now, or from the start of the run once it has begun.
    std::uint64_t at(double seconds) const
    {
        return (start ? start : clock.nowMicroseconds()) + static_cast<std::uint64_t>(seconds * 1e6);
    }
    std::uint64_t fingerprint(std::size_t row) { return DeviceRecord::fingerprint(banks[row], 0); }

    VirtualClock clock;
    LoopbackMidiService service{clock};
    ZQMidiSystem system{service, clock};
    DeviceSimulator& device = service.addDestinationOf<DeviceSimulator>();
    std::shared_ptr<WrapperZQMidiInterface> wrapper = WrapperZQMidiInterface::createTransmitter(system, 0);
    CSound banks[3]{CSound(0), CSound(1), CSound(2)};
    ScratchFolder scratch{"zylox-run-record"};
    std::string folder = scratch.file("state");
    DeviceRecord record{folder, MidiPortIdentity::of(device.names)};
    TransmissionRun run{*wrapper, clock, 0, &record};
    std::uint64_t start = 0;
};

class TransmissionRunTest : public testing::Test, public Rig {};

// A bank takes 103.8 s here: per message its pause, its wire time rounded up to 300 ms polls.
// S02 begins at 103.8 s, erases at 106.8 s and starts writing at 113.4 s.
TEST_F(TransmissionRunTest, StopEndsWithinASecondAndAccountsForWhatTheDeviceHolds)
{
    struct Case {
        double stopAt;
        std::optional<std::size_t> incomplete;
        Rows notSent;
        std::vector<std::size_t> erased;
    };
    for (const Case& expected : {Case{104.5, std::nullopt, {1, 2}, {0, 1}},  // the pause before S02's first erase
                                 Case{110.0, 1, {2}, {0, 1, 2}},               // between S02's erase and write
                                 Case{130.0, 1, {2}, {0, 1, 2}}}) {            // during S02's first write
        SCOPED_TRACE(expected.stopAt);
        Rig rig;
        rig.record.remember(1, 42); // what the device held before, for all we know
        rig.clock.at(rig.at(expected.stopAt), [&] { rig.run.stop(); });

        EXPECT_EQ(rig.runThreeBanks(), End::Stopped);

        EXPECT_LE(rig.clock.nowMicroseconds(), rig.at(expected.stopAt + 1));
        const TransmissionAccount& account = rig.run.account();
        EXPECT_EQ(account.complete, Rows{0});
        EXPECT_EQ(account.incomplete, expected.incomplete);
        EXPECT_EQ(account.notSent, expected.notSent);
        EXPECT_EQ(rig.device.erasedBlocks(), expected.erased);
        EXPECT_EQ(rig.device.writtenBlocks(), (Rows{0, 1}));
        // The record survives in its file: S01 known, S02 unknown once touched, kept if not.
        DeviceRecord reread(rig.folder, MidiPortIdentity::of(rig.device.names));
        EXPECT_TRUE(reread.holds(0, rig.fingerprint(0)));
        EXPECT_EQ(reread.at(1), expected.incomplete ? std::nullopt : std::optional<std::uint64_t>(42));
        EXPECT_EQ(reread.at(2), std::nullopt);
    }
}

// The record's folder goes during S01 (a disk taken away, a folder replaced): a regular file in
// its place refuses every write, root's included.
TEST_F(TransmissionRunTest, ABankWhoseRecordCannotBeMarkedUnknownIsNotSent)
{
    record.remember(1, 42); // the device holds S02 as recorded, and so it must stay
    clock.at(at(50), [&] {
        std::filesystem::rename(folder, folder + ".moved");
        std::ofstream(folder) << "not a folder";
    });

    EXPECT_EQ(runThreeBanks(), End::Failed);

    EXPECT_EQ(run.account().complete, Rows{0});
    EXPECT_EQ(run.account().incomplete, std::nullopt);
    EXPECT_EQ(run.account().notSent, (Rows{1, 2}));
    EXPECT_EQ(run.account().notSentBecause, "the device record in " + folder + " could not be written (Not a directory)");
    EXPECT_EQ(device.erasedBlocks(), (Rows{0, 1}));
    EXPECT_EQ(DeviceRecord(folder + ".moved", MidiPortIdentity::of(device.names)).at(1), 42u);
}

TEST_F(TransmissionRunTest, AFirmwareBankWithASlotNoSendCanUseIsNotSentAndTheRecordKeepsWhatItKnew)
{
    const CFirmware factory;
    const std::vector<std::uint8_t> leftOver{0xF0, 0x79, 0x08, 0xF7};
    CMessage presets(leftOver.data(), leftOver.size());
    CFirmware firmware;
    ASSERT_TRUE(firmware.setContents({&presets, const_cast<CContent*>(factory.getContent(1))}));
    record.remember(31, 42);

    EXPECT_EQ(run.run({{0, &banks[0]}, {31, &firmware}}), End::Failed);

    EXPECT_EQ(run.account().complete, Rows{0});
    EXPECT_EQ(run.account().notSent, Rows{31});
    EXPECT_EQ(run.account().notSentBecause, firmware.sendRefusal());
    EXPECT_EQ(device.erasedBlocks(), (Rows{0, 1}));
    EXPECT_EQ(record.at(31), 42u);
}

TEST_F(TransmissionRunTest, AStopDuringAWriteCutsItAndFreesTheWire)
{
    clock.at(at(130), [&] { run.stop(); });

    runThreeBanks();

    ASSERT_FALSE(device.faults().empty());
    EXPECT_EQ(device.faults().back().rfind("message broken off after ", 0), 0u);
    // The next message through another wrapper does not wait for the cut one's wire time.
    const std::uint64_t before = clock.nowMicroseconds();
    auto next = WrapperZQMidiInterface::createTransmitter(system, 0);
    CSound sound(5);
    EXPECT_TRUE(next->transmitBank(sound, 0));
    EXPECT_LT(clock.nowMicroseconds() - before, 105'000'000u);
}

TEST_F(TransmissionRunTest, AFailureLeavesTheBankIncompleteAndUnknownAndTheRestUnsent)
{
    clock.at(at(120), [&] { device.vanishAfter(100); }); // S02's second erase breaks off

    EXPECT_EQ(runThreeBanks(), End::Failed);

    EXPECT_EQ(run.account().complete, Rows{0});
    EXPECT_EQ(run.account().incomplete, 1u);
    EXPECT_EQ(run.account().notSent, Rows{2});
    EXPECT_EQ(run.account().unfinished(), (Rows{1, 2}));
    EXPECT_EQ(record.at(1), std::nullopt);
    EXPECT_EQ(run.account().describe(),
              "Sent completely: S01.\n"
              "Incomplete on the device: S02 (its flash blocks were erased or partly written: send it again).\n"
              "Not sent: S03.");
}

TEST_F(TransmissionRunTest, ACompleteRunRecordsEveryBankAndAChangedBankNoLongerMatches)
{
    EXPECT_EQ(runThreeBanks(), End::Sent);

    EXPECT_EQ(run.account().complete, (Rows{0, 1, 2}));
    EXPECT_TRUE(run.account().unfinished().empty());
    for (std::size_t row = 0; row < 3; ++row)
        EXPECT_TRUE(record.holds(row, fingerprint(row))) << row;
    banks[1].setContentName(0, "renamed"); // names are not sent: the dump is the same
    EXPECT_TRUE(record.holds(1, fingerprint(1)));
    CSound other(0); // S01's sounds in S02's place
    other.setIndex(1);
    EXPECT_FALSE(record.holds(1, DeviceRecord::fingerprint(other, 0)));
    EXPECT_FALSE(record.holds(1, DeviceRecord::fingerprint(banks[1], 1))); // another channel, another dump
    CSound fourth(3);
    EXPECT_EQ(record.differing({{0, &banks[0]}, {1, &other}, {2, &banks[2]}, {3, &fourth}}, 0), (Rows{1, 3}));
    EXPECT_EQ(record.differing({{0, &banks[0]}, {2, &banks[2]}}, 1), (Rows{0, 2}));
}

TEST_F(TransmissionRunTest, TimeLeftCoversEveryBankOfTheTransmission)
{
    std::vector<std::pair<std::int64_t, std::uint64_t>> seen;
    for (const double seconds : {0.05, 51.0, 153.0, 250.0})
        clock.at(at(seconds), [&] { seen.emplace_back(run.secondsLeft(), run.percent()); });

    runThreeBanks();

    // Three estimates of 102 s; each bank overruns its estimate by about two seconds.
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(seen[0], (std::pair<std::int64_t, std::uint64_t>{306, 0}));
    EXPECT_NEAR(seen[1].first, 255, 1);
    EXPECT_NEAR(seen[2].first, 153, 2);
    EXPECT_NEAR(seen[3].first, 58, 4);
    EXPECT_NEAR(static_cast<double>(seen[3].second), 81, 2);
    EXPECT_EQ(run.secondsLeft(), 0);
    EXPECT_EQ(run.percent(), 100u);
}

// The editor's window reads how far a transmission has come while its worker sends.
TEST_F(TransmissionRunTest, ProgressReadFromAnotherThreadStaysInBoundsAndEndsComplete)
{
    std::atomic<bool> done{false};
    std::thread worker([&] {
        runThreeBanks();
        done = true;
    });
    bool inBounds = true;
    while (!done)
        inBounds = inBounds && run.percent() <= 100 && run.secondsLeft() >= 0 && run.secondsLeft() <= 306;
    worker.join();

    EXPECT_TRUE(inBounds);
    EXPECT_EQ(run.percent(), 100u);
    EXPECT_EQ(run.secondsLeft(), 0);
    EXPECT_EQ(device.writtenBlocks(), (Rows{0, 1, 2, 3, 4, 5}));
}

TEST(TransmissionAccountTest, NamesRowsAndJoinsRuns)
{
    EXPECT_EQ(TransmissionAccount::rowList({}), "none");
    EXPECT_EQ(TransmissionAccount::rowList({0, 1, 2, 3, 4, 6, 8, 9, 30, 31}), "S01 to S05, S07, S09, S10, S31, FW");
    EXPECT_EQ(TransmissionRun::durationText(3259), "54 min 19 s");
    EXPECT_EQ(TransmissionRun::durationText(3720), "1 h 2 min");
    EXPECT_EQ(TransmissionRun::durationText(-3), "0 s");
}

} // namespace
