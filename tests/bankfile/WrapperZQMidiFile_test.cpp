#include "bankfile/WrapperZQMidiFile.h"

#include "BankFileFixtures.h"
#include "content/CContent.h"
#include "midifile/ScratchFolder.h"
#include "model/CFirmware.h"
#include "model/CSound.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <algorithm>
#include <csignal>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

void append(Bytes& to, const Bytes& bytes)
{
    to.insert(to.end(), bytes.begin(), bytes.end());
}

void appendMeta(Bytes& to, std::uint8_t type, const std::string& body)
{
    append(to, {0x00, 0xFF, type, static_cast<std::uint8_t>(body.size())});
    to.insert(to.end(), body.begin(), body.end());
}

// delta, F0, the length of the rest as written for flash messages, the rest.
void appendSysex(Bytes& to, const Bytes& delta, const buffer& message)
{
    append(to, delta);
    to.push_back(0xF0);
    if (message.size() == 6)
        to.push_back(0x05);
    else
        append(to, {0x88, 0x80, 0x05});
    to.insert(to.end(), message.begin() + 1, message.end());
}

std::size_t filesIn(const std::filesystem::path& folder)
{
    return static_cast<std::size_t>(
        std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator()));
}

class WrapperZQMidiFileTest : public ::testing::Test {
protected:
    // Writes one track per entry: the given names' meta events, then the messages.
    std::string customFile(const std::vector<std::vector<buffer>>& tracks, const buffer& slotNames)
    {
        const std::string path = m_folder.file("custom-" + std::to_string(m_count++) + ".mid");
        ZQMidiFileWriter writer(path, WrapperZQMidiFile::division);
        for (const std::vector<buffer>& messages : tracks) {
            writer.beginTrack(true);
            writer.writeMetaEvent(0x03, buffer{'S', '0', '5'}, false);
            writer.writeMetaEvent(0x7F, slotNames, false);
            for (const buffer& message : messages)
                writer.writeEvent(message, 3.0);
            writer.endTrack();
        }
        return path;
    }

    ScratchFolder m_folder{"bankfile"};
    WrapperZQMidiFile m_file;
    int m_count = 0;
};

TEST_F(WrapperZQMidiFileTest, OneSoundBankFileLayout)
{
    CSound bank(4);
    bank.setName("Dry Kit");
    bank.setContentName(2, "Clap 2");
    const std::string path = m_folder.file("s05.mid");
    ASSERT_TRUE(m_file.saveBank(bank, path));

    const std::vector<buffer> dump = dumpMessages(bank);
    Bytes events;
    appendMeta(events, 0x03, "Dry Kit");
    appendMeta(events, 0x04, "Tarvo ZYLOX 515");
    std::string slotNames{'\x31', '\0', '\x59', '\0'};
    for (const std::string& name : bank.getContentNames())
        slotNames += name + '\0';
    appendMeta(events, 0x7F, slotNames);
    appendSysex(events, {0x60}, dump[0]);       // 96: the 2 s start pause
    appendSysex(events, {0x82, 0x21}, dump[1]); // 289: 6 s plus the erase's tick on the line
    appendSysex(events, {0x90, 0x71}, dump[2]); // 2161: 3 s plus 2017 ticks of flash write
    appendSysex(events, {0x82, 0x21}, dump[3]);
    append(events, {0x8F, 0x61, 0xFF, 0x2F, 0x00}); // 2017: the last flash write on the line

    Bytes expected{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 24, 'M', 'T', 'r', 'k'};
    for (int shift = 24; shift >= 0; shift -= 8)
        expected.push_back(static_cast<std::uint8_t>(events.size() >> shift));
    append(expected, events);
    EXPECT_EQ(ScratchFolder::read(path), expected);
}

TEST_F(WrapperZQMidiFileTest, OneBankRoundTrip)
{
    CSound saved(4);
    saved.setName("Dry Kit");
    saved.setContentName(0, "Open 1");
    const std::string path = m_folder.file("s05.mid");
    ASSERT_TRUE(m_file.saveBank(saved, path));

    CSound opened(0);
    ASSERT_TRUE(m_file.openBank(opened, path));
    EXPECT_TRUE(sameBank(opened, saved));

    CFirmware firmware;
    firmware.setContentName(1, "OS 2");
    ASSERT_TRUE(m_file.saveBank(firmware, path));
    CFirmware openedFirmware;
    ASSERT_TRUE(m_file.openBank(openedFirmware, path));
    EXPECT_TRUE(sameBank(openedFirmware, firmware));
}

TEST_F(WrapperZQMidiFileTest, AllBanksRoundTrip)
{
    auto saved = factoryBankSet();
    saved[0]->setName("First");
    saved[30]->setContentName(5, "Ride 31");
    saved[31]->setContentName(0, "My Presets");
    const std::string path = m_folder.file("all.mid");
    ASSERT_TRUE(m_file.saveBanks(pointersTo(saved), path));

    const Bytes file = ScratchFolder::read(path);
    ASSERT_GT(file.size(), 8'300'000u);
    EXPECT_EQ(Bytes(file.begin() + 8, file.begin() + 14), (Bytes{0, 1, 0, 32, 0, 24}));
    // The second track's first message waits for all of the first track: 4852 ticks.
    const std::size_t firstTrackLength = std::size_t{file[18]} << 24 | std::size_t{file[19]} << 16
                                         | std::size_t{file[20]} << 8 | file[21];
    std::size_t position = 22 + firstTrackLength + 8;
    for (int meta = 0; meta < 3; ++meta)
        position += 4 + file[position + 3];
    EXPECT_EQ(Bytes(file.begin() + position, file.begin() + position + 3), (Bytes{0xA5, 0x74, 0xF0}));

    auto opened = factoryBankSet();
    opened[5]->setName("changed before the open");
    ASSERT_TRUE(m_file.openBanks(pointersTo(opened), path));
    for (std::size_t i = 0; i < saved.size(); ++i)
        EXPECT_TRUE(sameBank(*opened[i], *saved[i])) << i;

    CSound one(4);
    EXPECT_FALSE(m_file.openBank(one, path));
    auto thirtyOne = pointersTo(opened);
    thirtyOne.pop_back();
    EXPECT_FALSE(m_file.openBanks(thirtyOne, path));
    EXPECT_FALSE(m_file.openBanks({}, path));
}

TEST_F(WrapperZQMidiFileTest, RefusedBankLeavesItUntouched)
{
    CFirmware firmware;
    const std::string path = m_folder.file("firmware.mid");
    ASSERT_TRUE(m_file.saveBank(firmware, path));
    CSound bank(4);
    const CSound before(4);
    EXPECT_FALSE(m_file.openBank(bank, path));
    EXPECT_TRUE(sameBank(bank, before));
}

TEST_F(WrapperZQMidiFileTest, ExactlyTwoFlashWritesPerTrack)
{
    CSound source(7);
    const std::vector<buffer> dump = dumpMessages(source);
    const buffer names{0x31, 0x00, 0x59, 0x00, 'a', 0x00, 'b'};

    CSound bank(4);
    ASSERT_TRUE(m_file.openBank(bank, customFile({{dump[1], dump[3]}}, names)));
    EXPECT_EQ(bank.getIndex(), 7);
    EXPECT_EQ(bank.getName(), "S05");
    EXPECT_EQ(bank.getContentNames(), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(bank.getContent(5)->getData(), source.getContent(5)->getData());

    const CSound before(4);
    for (const std::vector<buffer>& messages : {std::vector<buffer>{dump[1]}, {dump[1], dump[3], dump[1]}, {}}) {
        CSound refused(4);
        EXPECT_FALSE(m_file.openBank(refused, customFile({messages}, names))) << messages.size();
        EXPECT_TRUE(sameBank(refused, before));
    }
    auto banks = factoryBankSet();
    EXPECT_FALSE(m_file.openBank(bank, customFile({dump, dump}, names)));
    EXPECT_FALSE(m_file.openBanks(pointersTo(banks), customFile({dump, dump}, names)));
}

TEST_F(WrapperZQMidiFileTest, ForeignSlotNamesOpenAsNoNames)
{
    CSound source(4);
    CSound bank(4);
    ASSERT_TRUE(m_file.openBank(bank, customFile({dumpMessages(source)}, buffer{0x41, 0x00, 'x', 0x00, 'y'})));
    EXPECT_TRUE(bank.getContentNames().empty());

    const std::string path = m_folder.file("again.mid");
    ASSERT_TRUE(m_file.saveBank(bank, path));
    const Bytes file = ScratchFolder::read(path);
    const Bytes sixEmptyNames{0x00, 0xFF, 0x7F, 0x0A, 0x31, 0x00, 0x59, 0x00, 0, 0, 0, 0, 0, 0};
    EXPECT_NE(std::search(file.begin(), file.end(), sixEmptyNames.begin(), sixEmptyNames.end()), file.end());
}

TEST_F(WrapperZQMidiFileTest, SlotNamesStopAtTheSlotCount)
{
    CFirmware source;
    buffer names{0x31, 0x00, 0x59, 0x00, 'p', 0x00, 'o', 0x00};
    names.insert(names.end(), 100000, 0x00);
    CFirmware bank;
    ASSERT_TRUE(bank.getContentCount() == 2 && m_file.openBank(bank, customFile({dumpMessages(source)}, names)));
    EXPECT_EQ(bank.getContentNames(), (std::vector<std::string>{"p", "o"}));
}

TEST_F(WrapperZQMidiFileTest, DamagedFilesAreRefusedWithoutChangingTheBank)
{
    CSound saved(4);
    saved.setName("Saved");
    const std::string path = m_folder.file("s05.mid");
    ASSERT_TRUE(m_file.saveBank(saved, path));
    const Bytes whole = ScratchFolder::read(path);
    const CSound before(9);

    std::vector<Bytes> damaged;
    for (std::size_t length : {0ul, 13ul, 14ul, 21ul, 40ul, 120ul, 140ul, 131000ul, whole.size() - 5, whole.size() - 1})
        damaged.emplace_back(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length));
    Bytes interrupted = whole;
    interrupted[1] = 'I', interrupted[2] = 'D', interrupted[3] = 'I';
    damaged.push_back(interrupted);
    Bytes unfinishedTrack = whole;
    unfinishedTrack[14] = unfinishedTrack[15] = unfinishedTrack[16] = unfinishedTrack[17] = '-';
    damaged.push_back(unfinishedTrack);
    Bytes metaAfterMessages(whole.begin(), whole.end() - 5);
    append(metaAfterMessages, {0x00, 0xFF, 0x01, 0x01, 'x', 0x8F, 0x61, 0xFF, 0x2F, 0x00});
    damaged.push_back(metaAfterMessages);

    for (std::size_t i = 0; i < damaged.size(); ++i) {
        CSound bank(9);
        EXPECT_FALSE(m_file.openBank(bank, m_folder.write("damaged.mid", damaged[i]))) << i;
        EXPECT_TRUE(sameBank(bank, before)) << i;
    }
    CSound bank(9);
    EXPECT_FALSE(m_file.openBank(bank, m_folder.file("missing.mid")));
}

TEST_F(WrapperZQMidiFileTest, FailedSaveReportsFalseAndKeepsTheOldFile)
{
    CSound bank(4);
    EXPECT_FALSE(m_file.saveBank(bank, m_folder.file("missing/s05.mid")));
    EXPECT_FALSE(std::filesystem::exists(m_folder.file("missing")));
    EXPECT_FALSE(m_file.saveBanks({}, m_folder.file("none.mid")));
    EXPECT_FALSE(std::filesystem::exists(m_folder.file("none.mid")));

    const std::string path = m_folder.write("s05.mid", {'o', 'l', 'd'});
    // A file size limit makes the write fail half-way, as a full disk would.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit original{};
    ::getrlimit(RLIMIT_FSIZE, &original);
    rlimit limited = original;
    limited.rlim_cur = 100'000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    const bool saved = m_file.saveBank(bank, path);
    ::setrlimit(RLIMIT_FSIZE, &original);

    EXPECT_FALSE(saved);
    EXPECT_EQ(ScratchFolder::read(path), (Bytes{'o', 'l', 'd'}));
    EXPECT_EQ(filesIn(m_folder.path()), 1u);
}

} // namespace
