// The copy of what a device holds, kept beside its record: read back, and refused when damaged.
#include "midiio/record/DeviceContents.h"
#include "bankfile/BankFile.h"
#include "flash/FlashEvent.h"
#include "midiio/record/DeviceContentsSave.h"
#include "model/IBank.h"
#include "model/SoundBank.h"
#include "tests/support/KeptAsSent.h"
#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/stat.h>
#include <tuple>

namespace {

class DeviceContentsTest : public testing::Test {
protected:
    // S02 kept as it went out on channel 0, and recorded so.
    void keepSecondBank()
    {
        bank.setName("Toms");
        ASSERT_TRUE(keptAsSent(record, contents, 1, bank));
    }
    std::string fileText() const
    {
        std::ifstream in(record.contentsPath(), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    void writeFile(const std::string& text) const
    {
        std::ofstream(record.contentsPath(), std::ios::binary | std::ios::trunc) << text;
    }

    ScratchFolder scratch{"zylox-device-contents"};
    std::string folder = scratch.file("state");
    MidiPortIdentity usb{"Test USB MIDI", "Test USB MIDI MIDI 1"};
    DeviceRecord record{folder, usb};
    DeviceContents contents{record};
    SoundBank bank{1};
};

TEST_F(DeviceContentsTest, AKeptBankReadsBackWithItsNamesAndOnlyWhileTheRecordVouchesForIt)
{
    keepSecondBank();
    const DeviceContents reread(record);
    EXPECT_EQ(reread.knownRows(), std::vector<std::size_t>{1});
    ASSERT_NE(reread.bank(1), nullptr);
    EXPECT_EQ(reread.bank(1)->getName(), "Toms");
    EXPECT_EQ(reread.block(3)->write, bank.createEvents(0)[3]->getData());
    EXPECT_EQ(reread.bank(0), nullptr);
    EXPECT_EQ(reread.block(64), nullptr);

    // The record calls the block unknown before its erase: so does the copy.
    ASSERT_TRUE(record.forget(3));
    EXPECT_NE(reread.block(2), nullptr);
    EXPECT_EQ(reread.block(3), nullptr);
    EXPECT_TRUE(reread.knownRows().empty());
    // Without a folder nothing is kept on disk, and keeping still works in memory.
    DeviceRecord inMemory("", usb);
    DeviceContents memoryOnly(inMemory);
    const std::vector<FlashEvent*>& events = bank.createEvents(0);
    EXPECT_TRUE(memoryOnly.keep(0, *events[0], *events[1], bank));
}

TEST_F(DeviceContentsTest, ADamagedShortOrForeignFileYieldsNothingWrong)
{
    keepSecondBank();
    const std::string good = fileText();
    const std::size_t write3 = good.find("write 3 ");
    const std::size_t write3Bytes = good.find('\n', write3) + 1;
    const std::size_t write3Header = write3Bytes - 1 - write3;
    ASSERT_NE(write3, std::string::npos);
    const auto replaced = [&](std::size_t at, std::size_t length, const std::string& by) {
        return std::string(good).replace(at, length, by);
    };
    std::string flipped = good;
    flipped[write3Bytes + 100] ^= 0x01;
    struct Case {
        const char* what;
        std::string text;
        std::vector<std::size_t> knownBlocks;
    };
    for (const Case& damaged : {
             Case{"intact", good, {2, 3}},
             Case{"empty", "", {}},
             Case{"cut short by a byte", good.substr(0, good.size() - 1), {}},
             Case{"cut inside the second write", good.substr(0, write3Bytes + 10), {}},
             Case{"a length beyond the file", replaced(write3, write3Header, "write 3 99999999999"), {}},
             Case{"a length no number holds", replaced(write3, write3Header, "write 3 999999999999999999999999"), {}},
             Case{"another device's copy", replaced(good.find('\n') + 1, usb.toString().size(), "Other:port"), {}},
             Case{"the copy of the same names in a USB socket",
                  replaced(good.find('\n') + 1, usb.toString().size(), usb.toString() + ":usb-0000\\:00\\:14.0-2"),
                  {}},
             Case{"another header", replaced(0, 5, "zylix"), {}},
             Case{"a block out of range", replaced(write3, 7, "write 64"), {}},
             Case{"an unknown entry", replaced(write3, 5, "wrote"), {}},
             Case{"no line end anywhere", std::string(4096, 'x'), {}},
             Case{"a changed byte in the second write", flipped, {2}},
         }) {
        writeFile(damaged.text);
        const DeviceContents read(record);
        std::vector<std::size_t> known;
        for (std::size_t block = 0; block < DeviceRecord::kBlocks; ++block)
            if (read.block(block) != nullptr)
                known.push_back(block);
        EXPECT_EQ(known, damaged.knownBlocks) << damaged.what;
        EXPECT_EQ(read.bank(1) != nullptr, damaged.knownBlocks.size() == 2) << damaged.what;
    }
}

// What stands where the record's or the copy's file goes and is no regular file is named with
// its file, and left as it is; once it is gone, the write goes through.
TEST_F(DeviceContentsTest, ARecordOrCopyWhoseFileIsNoRegularFileSaysWhichAndWhy)
{
    const std::vector<FlashEvent*>& events = bank.createEvents(0);
    const auto fifo = [](const std::string& path) { ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0); };
    const auto directory = [](const std::string& path) { std::filesystem::create_directory(path); };
    std::filesystem::create_directories(folder);
    for (const auto& [made, what] : {std::pair{+fifo, "a FIFO"}, std::pair{+directory, "a folder"}}) {
        SCOPED_TRACE(what);
        made(record.path());
        EXPECT_FALSE(record.remember(2, 5));
        EXPECT_EQ(record.failure().describe(),
                  "the device record " + record.path() + " could not be written (not a regular file)");
        std::filesystem::remove(record.path());

        ASSERT_TRUE(record.remember(2, DeviceRecord::blockFingerprints(bank, 0)[0]));
        made(record.contentsPath());
        EXPECT_FALSE(contents.keep(2, *events[0], *events[1], bank));
        EXPECT_EQ(contents.failure().describe(), "the copy of the device's contents " + record.contentsPath()
                                                     + " could not be written (not a regular file)");
        EXPECT_FALSE(std::filesystem::is_regular_file(record.contentsPath()));
        std::filesystem::remove(record.contentsPath());
        EXPECT_TRUE(contents.keep(2, *events[0], *events[1], bank));
        EXPECT_FALSE(contents.failure());
        EXPECT_NE(DeviceContents(record).block(2), nullptr);
        std::filesystem::remove(record.contentsPath());
        std::filesystem::remove(record.path());
    }
}

} // namespace

TEST_F(DeviceContentsTest, ASaveOfSomeBanksWritesEachKnownBankToAFileOfItsOwnAndNamesWhatFailed)
{
    EXPECT_TRUE(DeviceContentsSave{DeviceContents(record)}.nothingKnown());
    keepSecondBank();
    DeviceContentsSave save{DeviceContents(record)};
    EXPECT_EQ(std::tuple(save.nothingKnown(), save.oneFile(), save.knownCount(), save.unknownRows().size(),
                         save.unknownRows().front()),
              std::tuple(false, false, 1u, DeviceRecord::kRows - 1, 0u));

    const std::string into = scratch.file("saved/device");
    std::vector<std::string> written;
    ASSERT_TRUE(save.saveEach(into, [&](const std::string& path) { written.push_back(path); }));
    EXPECT_EQ(written, std::vector<std::string>{into + "/S02.mid"});
    SoundBank opened{1};
    BankFile file;
    ASSERT_TRUE(file.openBank(opened, written.front()));
    EXPECT_EQ(opened.getName(), "Toms");

    // A file where the folder would go is named, with why, and nothing is written.
    std::ofstream(scratch.file("taken")) << "not a folder";
    EXPECT_FALSE(save.saveEach(scratch.file("taken"), [&](const std::string& path) { written.push_back(path); }));
    EXPECT_EQ(save.failedPath(), scratch.file("taken"));
    EXPECT_TRUE(save.failure());
    EXPECT_EQ(written.size(), 1u);
}
