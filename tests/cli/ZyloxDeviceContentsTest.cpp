// `zylox devices` and `zylox device-contents` over a record kept in a scratch state folder, as a
// send leaves it: no device plugged in.
#include "bankfile/BankFile.h"
#include "midiio/record/DeviceContents.h"
#include "model/FactoryBank.h"
#include "tests/cli/ZyloxFixture.h"
#include "tests/support/KeptAsSent.h"

namespace {

class ZyloxDeviceContentsTest : public ZyloxTest {
protected:
    // The device now holds these blocks of the row's bank, as a complete send of them leaves it.
    void sent(std::size_t row, unsigned blocks)
    {
        ASSERT_TRUE(keptAsSent(m_record, m_contents, row, *m_banks[row], blocks));
    }
    // The bank file the program writes for these banks, to compare with what the command wrote.
    Bytes expected(const std::vector<std::size_t>& rows)
    {
        std::vector<IBank*> banks;
        for (const std::size_t row : rows)
            banks.push_back(m_banks[row].get());
        BankFile file;
        const std::string path = m_folder.file("expected.mid");
        EXPECT_TRUE(rows.size() == 1 ? file.saveBank(*banks.front(), path) : file.saveBanks(banks, path));
        return read("expected.mid");
    }

    // Where zylox, run in the scratch folder, keeps its records.
    DeviceRecord m_record{m_folder.file("state/zylox"), {"Test USB MIDI", "Test USB MIDI MIDI 1"}};
    DeviceContents m_contents{m_record};
    std::vector<std::unique_ptr<IBank>> m_banks = factory::makeBanks();
};

TEST_F(ZyloxDeviceContentsTest, SomeBanksKnownAreWrittenOneToAFileOnceAgreed)
{
    m_banks[1]->setName("Toms");
    m_banks[1]->setContentName(5, "Floor");
    sent(0, kBothBlocks);
    sent(1, kBothBlocks);
    sent(4, kSecondBlock);
    m_banks[1]->setName("renamed since");

    EXPECT_EQ(zylox("devices"), 0) << m_err;
    EXPECT_EQ(m_out, "0: Test USB MIDI:Test USB MIDI MIDI 1: known: S01, S02, S05 (second block)\n");

    // Unanswered, refused, and nothing written.
    EXPECT_EQ(zylox("device-contents --device usb -o banks </dev/null"), 1);
    EXPECT_EQ(m_err, "Not known: S03 to FW.\nWrite the 2 known banks as one-bank files into a new folder banks "
                     "(banks/S01.mid and so on)? [y/N] "
                     "zylox: device Test USB MIDI:Test USB MIDI MIDI 1: not confirmed, nothing written\n");
    EXPECT_FALSE(exists("banks"));
    // A name that reads as a bank file's is a folder all the same, and the question says so first.
    EXPECT_EQ(zylox("device-contents --device usb -o dc.mid </dev/null"), 1);
    EXPECT_TRUE(m_err.starts_with("Not known: S03 to FW.\nWrite the 2 known banks as one-bank files into a new "
                                  "folder dc.mid (dc.mid/S01.mid and so on)? [y/N] "))
        << m_err;
    // A file there cannot become the folder: refused before the question, and left as it is.
    m_folder.write("dc.mid", Bytes{1, 2, 3});
    EXPECT_EQ(zylox("device-contents --device usb -o dc.mid --yes"), 1);
    EXPECT_EQ(m_err, "zylox: dc.mid: not a folder: with banks unknown, the known ones are written one to a file into "
                     "a folder\n");
    EXPECT_EQ(read("dc.mid"), (Bytes{1, 2, 3}));
    EXPECT_EQ(run("echo y | " + std::string(ZYLOX_PROGRAM) + " device-contents --device 0 -o banks"), 0) << m_err;
    // What each file holds, the bank as it was sent, is DeviceContentsTest's.
    EXPECT_EQ(rows(), (std::vector<std::string>{"banks/S01.mid", "banks/S02.mid"}));
    EXPECT_FALSE(exists("banks/S05.mid"));
    EXPECT_EQ(zylox("device-contents --device usb -o banks </dev/null"), 1);
    EXPECT_TRUE(m_err.find("into the folder banks (banks/S01.mid and so on)? [y/N] ") != std::string::npos) << m_err;

    // A name that is no device's is a wrong command line, with the devices listed.
    EXPECT_EQ(zylox("device-contents --device Serial -o x --yes"), 2);
    EXPECT_EQ(m_err, "zylox: --device Serial: no device with a record has this in its name; the devices are:\n"
                     "0: Test USB MIDI:Test USB MIDI MIDI 1\n");
}

// What the copy holds and that it reads back is DeviceContentsTest's; here, the file it becomes.
TEST_F(ZyloxDeviceContentsTest, NoneKnownIsSaidAndAllKnownMakeOneFileOfTheBanksSent)
{
    EXPECT_EQ(zylox("devices"), 0);
    EXPECT_EQ(m_out, "");
    EXPECT_EQ(m_err, "no device has a record yet (a device gets one when banks are sent to it)\n");
    EXPECT_EQ(zylox("device-contents --device USB -o all.mid"), 1);
    EXPECT_EQ(m_err, "zylox: device USB: no device has a record yet (a device gets one when banks are sent to it)\n");
    EXPECT_EQ(zylox("device-contents --device USB"), 2);
    EXPECT_FALSE(exists("all.mid"));

    m_banks[30]->setName("Last");
    // Sent with empty names, which the bank file keeps as empty meta events.
    m_banks[29]->setName("");
    m_banks[29]->setContentName(0, "");
    std::vector<std::size_t> all;
    for (std::size_t row = 0; row < m_banks.size(); ++row) {
        sent(row, kBothBlocks);
        all.push_back(row);
    }
    EXPECT_EQ(zylox("devices"), 0) << m_err;
    EXPECT_EQ(m_out, "0: Test USB MIDI:Test USB MIDI MIDI 1: known: S01 to FW\n");
    ASSERT_EQ(zylox("device-contents --device USB -o all.mid"), 0) << m_err;
    EXPECT_EQ(read("all.mid"), expected(all));
}

} // namespace
