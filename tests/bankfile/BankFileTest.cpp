#include "bankfile/BankFile.h"

#include "flash/FlashEvent.h"
#include "model/FirmwareBank.h"
#include "model/NameRefusal.h"
#include "model/SoundBank.h"
#include "tests/support/Bytes.h"
#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <random>

namespace {

// The bank's dump for channel 0: erase, flash write, erase, flash write.
std::vector<ByteBuffer> dumpOf(IBank& bank)
{
    std::vector<ByteBuffer> messages;
    for (const FlashEvent* event : bank.createEvents(0))
        messages.emplace_back(event->getData().begin(), event->getData().end());
    return messages;
}

class BankFileTest : public ::testing::Test {
protected:
    ScratchFolder m_folder{"bankfile"};
    BankFile m_file;
};

TEST_F(BankFileTest, OneSoundBankFileIsByteExact)
{
    SoundBank bank(4);
    bank.setName("Dry Kit");
    bank.setContentName(2, "Clap 2");
    const std::string path = m_folder.file("s05.mid");
    ASSERT_TRUE(m_file.saveBank(bank, path));

    const auto meta = [](std::uint8_t type, const std::string& body) {
        return concat({{0x00, 0xFF, type, static_cast<std::uint8_t>(body.size())}, Bytes(body.begin(), body.end())});
    };
    std::string slotNames{'\x31', '\0', '\x59', '\0'};
    for (const std::string& name : bank.getContentNames())
        slotNames += name + '\0';
    const std::vector<ByteBuffer> dump = dumpOf(bank);
    const auto rest = [&dump](std::size_t i) { return Bytes(dump[i].begin() + 1, dump[i].end()); };
    // Each message: delta, 0xF0, the length of the rest (5 or 131077), the rest. The deltas: 96 for the
    // 2 s start pause, 289 for 6 s and the erase's tick on the line, 2161 for 3 s and 2017 ticks of flash
    // write, and before the end of the track 2017 for the last flash write.
    const Bytes events = concat({meta(0x03, "Dry Kit"),
                                 meta(0x04, "Tarvo ZYLOX 515"),
                                 meta(0x7F, slotNames),
                                 {0x60, 0xF0, 0x05},
                                 rest(0),
                                 {0x82, 0x21, 0xF0, 0x88, 0x80, 0x05},
                                 rest(1),
                                 {0x90, 0x71, 0xF0, 0x05},
                                 rest(2),
                                 {0x82, 0x21, 0xF0, 0x88, 0x80, 0x05},
                                 rest(3),
                                 {0x8F, 0x61, 0xFF, 0x2F, 0x00}});
    EXPECT_EQ(ScratchFolder::read(path), concat({chunk("MThd", {0, 0, 0, 1, 0, 24}), chunk("MTrk", events)}));
}

TEST_F(BankFileTest, BanksRoundTripOnOneTimeLine)
{
    SoundBank first(0);
    SoundBank last(30);
    FirmwareBank firmware;
    first.setName("First");
    last.setContentName(5, "Ride 31");
    firmware.setContentName(0, "My Presets");
    // An imported System Exclusive message need not look like a flash write.
    Bytes os{0xF0, 0x00, 0x20, 0x33, 0x31, 0x01};
    os.insert(os.end(), 2000, 0x02);
    os.push_back(0xF7);
    ASSERT_TRUE(firmware.importContent(1, os, "new-os.syx", {}));
    const std::string path = m_folder.file("banks.mid");
    ASSERT_TRUE(m_file.saveBanks({&first, &last, &firmware}, path));

    // The tracks' times on the one time line are read back by an independent parser in
    // mido_crosscheck.py; here the file must come back whole through an open and a save.
    SoundBank openedFirst(0);
    SoundBank openedLast(30);
    FirmwareBank openedFirmware;
    openedLast.setName("changed before the open");
    ASSERT_TRUE(m_file.openBanks({&openedFirst, &openedLast, &openedFirmware}, path));
    ASSERT_TRUE(m_file.saveBanks({&openedFirst, &openedLast, &openedFirmware}, m_folder.file("again.mid")));
    EXPECT_EQ(ScratchFolder::read(m_folder.file("again.mid")), ScratchFolder::read(path));
    EXPECT_FALSE(m_file.openBank(openedFirst, path));
    EXPECT_FALSE(m_file.openBanks({&openedFirst, &openedLast}, path));
}

TEST_F(BankFileTest, RefusedFilesLeaveTheBankUntouched)
{
    FirmwareBank firmware;
    std::vector<std::string> refused{m_folder.file("missing.mid"), m_folder.file("firmware.mid")};
    ASSERT_TRUE(m_file.saveBank(firmware, refused[1]));
    SoundBank saved(4);
    ASSERT_TRUE(m_file.saveBank(saved, m_folder.file("s05.mid")));
    const Bytes whole = ScratchFolder::read(m_folder.file("s05.mid"));
    for (std::size_t length : {0ul, 13ul, 14ul, 21ul, 40ul, 120ul, 140ul, 131000ul, whole.size() - 5, whole.size() - 1})
        refused.push_back(m_folder.write("cut" + std::to_string(length), Bytes(whole.begin(), whole.begin() + length)));
    const Bytes messages(whole.begin(), whole.end() - 5), endOfTrack(whole.end() - 5, whole.end());
    // The last flash write is 131083 bytes: delta, 0xF0, a three-byte length and 131077 bytes.
    const auto lastWrite = messages.end() - 131083;
    refused.push_back(m_folder.write("one write", concat({Bytes(messages.begin(), lastWrite), endOfTrack})));
    refused.push_back(m_folder.write("three writes", concat({messages, Bytes(lastWrite, messages.end()), endOfTrack})));
    refused.push_back(m_folder.write("late meta", concat({messages, {0x00, 0xFF, 0x01, 0x01, 'x'}, endOfTrack})));

    SoundBank before(9);
    for (const std::string& path : refused) {
        SCOPED_TRACE(path);
        SoundBank bank(9);
        EXPECT_FALSE(m_file.openBank(bank, path));
        EXPECT_EQ(bank.getName(), before.getName());
        EXPECT_EQ(bank.getContentNames(), before.getContentNames());
        EXPECT_TRUE(dumpOf(bank) == dumpOf(before));
    }
}

TEST_F(BankFileTest, SlotNamesStopAtTheSlotCount)
{
    // Two names, then 100000 zero bytes that would otherwise each make one more.
    ByteBuffer names{0x31, 0x00, 0x59, 0x00, 'p', 0x00, 'o', 0x00};
    names.insert(names.end(), 100000, 0x00);
    FirmwareBank bank;
    const std::string path = m_folder.file("names.mid");
    MidiFileWriter writer(path, BankFile::division);
    writer.beginTrack(true);
    writer.writeMetaEvent(0x7F, names, false);
    for (const ByteBuffer& message : dumpOf(bank))
        writer.writeEvent(message, 3.0);
    writer.endTrack();
    writer.close();
    ASSERT_TRUE(m_file.openBank(bank, path));
    EXPECT_EQ(bank.getContentNames(), (std::vector<std::string>{"p", "o"}));
}

// Every name the programs keep comes back from a save and an open byte for byte: empty, one byte to
// the longest, any byte but zero (non-ASCII, control characters, bytes that are no UTF-8).
TEST_F(BankFileTest, EveryNameTheProgramsKeepComesBackFromTheFile)
{
    std::mt19937 random(28);
    std::uniform_int_distribution<std::size_t> lengths(0, NameRefusal::kLongestName);
    std::uniform_int_distribution<int> bytes(1, 255);
    const std::string path = m_folder.file("names.mid");
    for (int round = 0; round < 24; ++round) {
        // The first round names everything empty, the second as long as a name may be.
        const auto name = [&] {
            std::string text(round == 0 ? 0 : round == 1 ? NameRefusal::kLongestName : lengths(random), ' ');
            for (char& byte : text)
                byte = static_cast<char>(bytes(random));
            EXPECT_FALSE(NameRefusal::of(text));
            return text;
        };
        const auto index = static_cast<std::uint16_t>(round % 31);
        SoundBank sound(index);
        FirmwareBank firmware;
        for (IBank* bank : {static_cast<IBank*>(&sound), static_cast<IBank*>(&firmware)}) {
            bank->setName(name().c_str());
            std::vector<std::string> names;
            for (std::uint16_t slot = 0; slot < bank->getContentCount(); ++slot)
                names.push_back(name());
            bank->setContentNames(names);
        }
        ASSERT_TRUE(m_file.saveBanks({&sound, &firmware}, path));
        SoundBank openedSound(index);
        FirmwareBank openedFirmware;
        ASSERT_TRUE(m_file.openBanks({&openedSound, &openedFirmware}, path)) << round;
        EXPECT_EQ(openedSound.getName(), sound.getName());
        EXPECT_EQ(openedSound.getContentNames(), sound.getContentNames());
        EXPECT_EQ(openedFirmware.getName(), firmware.getName());
        EXPECT_EQ(openedFirmware.getContentNames(), firmware.getContentNames());
    }
}

TEST_F(BankFileTest, FailedSaveReportsFalseAndKeepsTheOldFile)
{
    SoundBank bank(4);
    EXPECT_FALSE(m_file.saveBank(bank, m_folder.file("missing/s05.mid")));

    const std::string path = m_folder.write("s05.mid", {'o', 'l', 'd'});
    // A file size limit makes the write fail half-way, as a full disk would.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit original{};
    ::getrlimit(RLIMIT_FSIZE, &original);
    rlimit limited{100'000, original.rlim_max};
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    const bool saved = m_file.saveBank(bank, path);
    ::setrlimit(RLIMIT_FSIZE, &original);

    EXPECT_FALSE(saved);
    EXPECT_EQ(ScratchFolder::read(path), (Bytes{'o', 'l', 'd'}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_folder.path()), {}), 1);
}

} // namespace
