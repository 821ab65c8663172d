// Transmissions of several banks on the loopback service and the virtual clock: stop at several
// points with the account of what the device holds, failures, the device record, the time left.
#include "midiio/TransmissionRun.h"
#include "content/SysexMessage.h"
#include "flash/FlashEvent.h"
#include "midiio/BankBlocks.h"
#include "midiio/BankTransmitter.h"
#include "midiio/record/DeviceContents.h"
#include "midiio/record/DeviceRecord.h"
#include "model/FirmwareBank.h"
#include "model/SoundBank.h"
#include "tests/support/DeviceSimulator.h"
#include "tests/support/LoopbackMidiService.h"
#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
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
    MidiContext system{service, clock};
    DeviceSimulator& device = service.addDestinationOf<DeviceSimulator>();
    std::shared_ptr<BankTransmitter> wrapper = BankTransmitter::createTransmitter(system, 0);
    SoundBank banks[3]{SoundBank(0), SoundBank(1), SoundBank(2)};
    ScratchFolder scratch{"zylox-run-record"};
    std::string folder = scratch.file("state");
    DeviceRecord record{folder, MidiPortIdentity::of(device.names)};
    TransmissionRun run{*wrapper, clock, 0, &record};
    std::uint64_t start = 0;
};

class TransmissionRunTest : public testing::Test, public Rig { };

// A bank takes 101.9 s here: per message its pause and its wire time. S02 begins at 101.9 s, erases
// its first block at 104.9 s and writes it from 110.9 s to 152.8 s, erases its second block at
// 155.8 s and writes it from 161.8 s to 203.8 s.
TEST_F(TransmissionRunTest, StopEndsWithinASecondAndAccountsForWhatTheDeviceHoldsByBlock)
{
    enum class Block { AsBefore, Unknown, Sent };
    struct Case {
        double stopAt;
        std::optional<std::size_t> incomplete;
        BankBlock incompleteBlock;
        Rows notSent;
        std::vector<RowBlocks> left;
        Rows erased;
        Block first, second; // what the record says of S02's blocks afterwards
    };
    const std::vector<RowBlocks> rest{{2}};
    for (const Case& expected :
         {// the pause before S02's first erase
          Case{104.5, std::nullopt, kNoBlock, {1, 2}, {{1}, {2}}, {0, 1}, Block::AsBefore, Block::AsBefore},
          // between S02's first erase and its write, and during the write
          Case{110.0, 1, kFirstBlock, {2}, {{1}, {2}}, {0, 1, 2}, Block::Unknown, Block::AsBefore},
          Case{130.0, 1, kFirstBlock, {2}, {{1}, {2}}, {0, 1, 2}, Block::Unknown, Block::AsBefore},
          // the pause between S02's blocks: its first has arrived, its second not begun
          Case{
              154.0, std::nullopt, kNoBlock, {1, 2}, {{1, kSecondBlock}, {2}}, {0, 1, 2}, Block::Sent, Block::AsBefore},
          // during S02's second write
          Case{170.0, 1, kSecondBlock, {2}, {{1, kSecondBlock}, {2}}, {0, 1, 2, 3}, Block::Sent, Block::Unknown}}) {
        SCOPED_TRACE(expected.stopAt);
        Rig rig;
        rig.record.remember(2, 41); // what the device held before, for all we know
        rig.record.remember(3, 42);
        rig.clock.at(rig.at(expected.stopAt), [&] { rig.run.stop(); });

        EXPECT_EQ(rig.runThreeBanks(), End::Stopped);

        EXPECT_LE(rig.clock.nowMicroseconds(), rig.at(expected.stopAt + 1));
        const TransmissionAccount& account = rig.run.account();
        EXPECT_EQ(std::tuple(account.complete, account.incomplete, account.incompleteBlock, account.notSent,
                             account.unfinished()),
                  std::tuple(Rows{0}, expected.incomplete, expected.incompleteBlock, expected.notSent, expected.left));
        EXPECT_EQ(rig.device.erasedBlocks(), expected.erased);
        // The record survives in its file: S01 known, S02's blocks unknown once touched, kept if not.
        DeviceRecord reread(rig.folder, MidiPortIdentity::of(rig.device.names));
        EXPECT_EQ(reread.differingBlocks(0, rig.banks[0], 0), kNoBlock);
        const auto blocks = DeviceRecord::blockFingerprints(rig.banks[1], 0);
        const auto says = [](Block block, std::uint64_t before, std::uint64_t sent) {
            return block == Block::AsBefore ? std::optional(before)
                   : block == Block::Sent   ? std::optional(sent)
                                            : std::nullopt;
        };
        EXPECT_EQ(reread.at(2), says(expected.first, 41, blocks[0]));
        EXPECT_EQ(reread.at(3), says(expected.second, 42, blocks[1]));
        EXPECT_EQ(reread.at(4), std::nullopt);
    }
}

// What a bank rebuilt from the kept copy would send, against what the bank itself sends.
std::vector<std::vector<std::uint8_t>> dumpOf(IBank& bank)
{
    std::vector<std::vector<std::uint8_t>> dump;
    for (const FlashEvent* event : bank.createEvents(0))
        dump.push_back(event->getData());
    return dump;
}

// The copy of the device holds every block that arrived completely, with the names it was sent with.
TEST_F(TransmissionRunTest, AStopInTheSecondBlockIsAccountedForKeptInTheCopyAndResumeStartsThere)
{
    banks[1].setName("Kicks");
    banks[1].setContentName(4, "Snare 9");
    clock.at(at(170), [&] { run.stop(); }); // in S02's second write
    runThreeBanks();
    EXPECT_EQ(run.account().describe(),
              "Sent completely: S01.\n"
              "On the device: S02, second block, incomplete (its flash block was erased or partly written: send it "
              "again).\n"
              "Not sent: S03.");
    const DeviceRecord afterStop(folder, MidiPortIdentity::of(device.names));
    const DeviceContents partial(afterStop);
    EXPECT_EQ(partial.knownRows(), Rows{0});
    EXPECT_NE(partial.block(2), nullptr); // S02's first block arrived
    EXPECT_EQ(partial.block(3), nullptr);
    EXPECT_EQ(partial.block(4), nullptr);
    EXPECT_EQ(partial.bank(1), nullptr);
    ASSERT_NE(partial.bank(0), nullptr);
    EXPECT_EQ(dumpOf(*partial.bank(0)), dumpOf(banks[0]));

    // Resuming through a new wrapper sends S02's second block, then S03 whole, and nothing else.
    const std::size_t erasedBefore = device.erasedBlocks().size();
    auto again = BankTransmitter::createTransmitter(system, 0);
    TransmissionRun resume(*again, clock, 0, &record);
    std::vector<RowBank> left;
    for (const RowBlocks& row : run.account().unfinished())
        left.push_back({row.row, &banks[row.row], row.blocks});
    EXPECT_EQ(TransmissionRun::estimateSeconds(left, 0), 51 + 102);

    EXPECT_EQ(resume.run(left), End::Sent);

    EXPECT_EQ(
        Rows(device.erasedBlocks().begin() + static_cast<std::ptrdiff_t>(erasedBefore), device.erasedBlocks().end()),
        (Rows{3, 4, 5}));
    EXPECT_EQ(resume.account().complete, (Rows{1, 2}));
    for (std::size_t row = 0; row < 3; ++row)
        EXPECT_EQ(record.differingBlocks(row, banks[row], 0), kNoBlock) << row;
    EXPECT_EQ(device.block(3), concat({banks[1].getContent(4)->getData(), banks[1].getContent(5)->getData()}));
    // Every bank is known now, byte for byte, with the names it was sent with.
    banks[1].setName("renamed after the send");
    const DeviceRecord reread(folder, MidiPortIdentity::of(device.names));
    const DeviceContents whole(reread);
    EXPECT_EQ(whole.knownRows(), (Rows{0, 1, 2}));
    for (std::size_t row = 0; row < 3; ++row)
        EXPECT_EQ(dumpOf(*whole.bank(row)), dumpOf(banks[row])) << row;
    EXPECT_EQ(whole.bank(1)->getName(), "Kicks");
    EXPECT_EQ(whole.bank(1)->getContentName(4), "Snare 9");
}

// The record's folder goes during S01 (a disk taken away, a folder replaced): a regular file in
// its place refuses every write, root's included.
TEST_F(TransmissionRunTest, ABankWhoseRecordCannotBeMarkedUnknownIsNotSent)
{
    record.remember(2, 42); // the device holds S02's first block as recorded, and so it must stay
    clock.at(at(80), [&] { // during S01's second write
        std::filesystem::rename(folder, folder + ".moved");
        std::ofstream(folder) << "not a folder";
    });

    EXPECT_EQ(runThreeBanks(), End::Failed);

    EXPECT_EQ(std::tuple(run.account().complete, run.account().incomplete, run.account().notSent),
              std::tuple(Rows{0}, std::optional<std::size_t>(), Rows{1, 2}));
    const std::string notWritten = "the device record " + record.path() + " could not be written (Not a directory)";
    EXPECT_EQ(run.account().notSentBecause(), notWritten);
    // S01's second block arrived after the folder went: the record could not say so.
    EXPECT_EQ(run.account().unkept.describe(), notWritten);
    EXPECT_EQ(device.erasedBlocks(), (Rows{0, 1}));
    EXPECT_EQ(DeviceRecord(folder + ".moved", MidiPortIdentity::of(device.names)).at(2), 42u);
}

// A FIFO where the record's file goes stops the send before a byte goes, and says why. Where only
// the copy's file is blocked, the banks go out, the record knows them and the account names the
// copy that does not.
TEST_F(TransmissionRunTest, ARecordOrCopyThatIsNoRegularFileIsNamedInTheAccount)
{
    std::filesystem::create_directories(folder);
    ASSERT_EQ(::mkfifo(record.path().c_str(), 0600), 0);
    EXPECT_EQ(run.run({{0, &banks[0]}}), End::Failed);
    EXPECT_EQ(run.account().notSent, Rows{0});
    EXPECT_EQ(run.account().notSentBecause(),
              "the device record " + record.path() + " could not be written (not a regular file)");
    EXPECT_TRUE(device.erasedBlocks().empty());
    std::filesystem::remove(record.path());

    std::filesystem::create_directory(record.contentsPath());
    EXPECT_EQ(run.run({{0, &banks[0]}}), End::Sent);
    EXPECT_EQ(run.account().unkept.describe(), "the copy of the device's contents " + record.contentsPath()
                                                   + " could not be written (not a regular file)");
    EXPECT_EQ(DeviceRecord(folder, MidiPortIdentity::of(device.names)).differingBlocks(0, banks[0], 0), kNoBlock);
}

TEST_F(TransmissionRunTest, AFirmwareBankWithASlotNoSendCanUseIsNotSentAndTheRecordKeepsWhatItKnew)
{
    const FirmwareBank factory;
    const std::vector<std::uint8_t> leftOver{0xF0, 0x79, 0x08, 0xF7};
    SysexMessage presets(leftOver.data(), leftOver.size());
    FirmwareBank firmware;
    ASSERT_TRUE(firmware.setContents({&presets, const_cast<SlotContent*>(factory.getContent(1))}));
    record.remember(62, 42);

    EXPECT_EQ(run.run({{0, &banks[0]}, {31, &firmware}}), End::Failed);

    EXPECT_EQ(run.account().complete, Rows{0});
    EXPECT_EQ(run.account().notSent, Rows{31});
    EXPECT_EQ(run.account().notSentBecause(), firmware.sendRefusal().value_or(SlotRefusal{}).describe());
    EXPECT_EQ(device.erasedBlocks(), (Rows{0, 1}));
    EXPECT_EQ(record.at(62), 42u);
}

TEST_F(TransmissionRunTest, AStopDuringAWriteCutsItAndFreesTheWire)
{
    clock.at(at(130), [&] { run.stop(); });

    runThreeBanks();

    ASSERT_FALSE(device.faults().empty());
    EXPECT_EQ(device.faults().back().rfind("message broken off after ", 0), 0u);
    // The next message through another wrapper does not wait for the cut one's wire time.
    const std::uint64_t before = clock.nowMicroseconds();
    auto next = BankTransmitter::createTransmitter(system, 0);
    SoundBank sound(5);
    EXPECT_TRUE(next->transmitBank(sound, 0));
    EXPECT_LT(clock.nowMicroseconds() - before, 105'000'000u);
}

TEST_F(TransmissionRunTest, AFailureLeavesTheBankIncompleteAndUnknownAndTheRestUnsent)
{
    clock.at(at(120), [&] { device.vanishAfter(100); }); // S02's second erase breaks off

    EXPECT_EQ(runThreeBanks(), End::Failed);

    const TransmissionAccount& account = run.account();
    EXPECT_EQ(std::tuple(account.complete, account.incomplete, account.incompleteBlock, account.notSent,
                         account.unfinished()),
              std::tuple(Rows{0}, std::optional<std::size_t>(1), kSecondBlock, Rows{2},
                         std::vector<RowBlocks>{{1, kSecondBlock}, {2}}));
    EXPECT_EQ(record.at(2), DeviceRecord::blockFingerprints(banks[1], 0)[0]);
    EXPECT_EQ(record.at(3), std::nullopt);
}

TEST_F(TransmissionRunTest, ACompleteRunRecordsEveryBankAndAChangedBankNoLongerMatches)
{
    EXPECT_EQ(runThreeBanks(), End::Sent);

    EXPECT_EQ(run.account().complete, (Rows{0, 1, 2}));
    EXPECT_TRUE(run.account().unfinished().empty());
    EXPECT_FALSE(run.account().unkept);
    for (std::size_t row = 0; row < 3; ++row)
        EXPECT_EQ(record.differingBlocks(row, banks[row], 0), kNoBlock) << row;
    banks[1].setContentName(0, "renamed"); // names are not sent: the dump is the same
    EXPECT_EQ(record.differingBlocks(1, banks[1], 0), kNoBlock);
    SoundBank other(0); // S01's sounds in S02's place
    other.setIndex(1);
    EXPECT_EQ(record.differingBlocks(1, other, 0), kBothBlocks);
    EXPECT_EQ(record.differingBlocks(1, banks[1], 1), kBothBlocks); // another channel, another dump
    // One changed slot changes the block that holds it, and only that one.
    SoundBank lastSlot(1), firstSlot(1);
    const auto silenced = [](SoundBank& bank, std::uint16_t slot) {
        return bank.putSound(slot, std::vector<std::uint8_t>(bank.getContent(slot)->getSize(), 0x80), "quiet");
    };
    ASSERT_TRUE(silenced(lastSlot, 5));
    ASSERT_TRUE(silenced(firstSlot, 0));
    EXPECT_EQ(record.differingBlocks(1, lastSlot, 0), kSecondBlock);
    EXPECT_EQ(record.differingBlocks(1, firstSlot, 0), kFirstBlock);
    SoundBank fourth(3);
    const std::vector<RowBank> differ
        = record.differing({{0, &banks[0]}, {1, &lastSlot}, {2, &banks[2]}, {3, &fourth}}, 0);
    EXPECT_EQ(bankblocks::rowsOf(differ), (std::vector<RowBlocks>{{1, kSecondBlock}, {3}}));
    // Only the blocks asked about are compared.
    EXPECT_TRUE(record.differing({{1, &lastSlot, kFirstBlock}}, 0).empty());
    EXPECT_EQ(bankblocks::rowsOf(record.differing({{0, &banks[0]}, {2, &banks[2]}}, 1)),
              (std::vector<RowBlocks>{{0}, {2}}));
}

TEST_F(TransmissionRunTest, TimeLeftCoversEveryBankOfTheTransmission)
{
    std::vector<std::pair<std::int64_t, std::uint64_t>> seen;
    for (const double seconds : {0.05, 51.0, 153.0, 250.0})
        clock.at(at(seconds), [&] { seen.emplace_back(run.secondsLeft(), run.percent()); });

    runThreeBanks();

    // Three estimates of 102 s; each bank takes a little less.
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
    EXPECT_EQ(bankblocks::list({}), "none");
    EXPECT_EQ(bankblocks::list({{0}, {1}, {2}, {4, kSecondBlock}, {5}, {6}, {31, kFirstBlock}}),
              "S01 to S03, S05 (second block), S06, S07, FW (first block)");
    EXPECT_EQ(TransmissionAccount::rowList({0, 1, 2, 3, 4, 6, 8, 9, 30, 31}), "S01 to S05, S07, S09, S10, S31, FW");
    EXPECT_EQ(TransmissionRun::durationText(3259), "54 min 19 s");
    EXPECT_EQ(TransmissionRun::durationText(3720), "1 h 2 min");
    EXPECT_EQ(TransmissionRun::durationText(-3), "0 s");
}

} // namespace
