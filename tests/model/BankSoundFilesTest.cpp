#include "model/BankSoundFiles.h"
#include "audio/DeviceWave.h"
#include "content/SlotContent.h"
#include "model/FactoryBank.h"
#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>
#include <set>
#include <string>

// Whatever a slot is named, as a file name or a bank file from elsewhere names it, each slot's file
// lies in the folder, a name of its own that a file system takes.
TEST(BankSoundFiles, EverySlotsFileIsWrittenInTheFolderUnderANameAFileSystemTakes)
{
    const std::unique_ptr<IBank> bank = factory::makeBank(4);
    // A name takes up to 255 bytes, as a file's name does: "é" is two of them, so a cut could land
    // inside one.
    std::string accented;
    while (accented.size() < 254)
        accented += "\xC3\xA9";
    const std::vector<std::string> names{"../../escape",           accented,  "..", std::string(255, 'a') + ".wav",
                                         std::string(255, '\x80'), "kick.wav"};
    for (std::uint16_t slot = 0; slot < names.size(); ++slot)
        bank->setContentName(slot, names[slot].c_str());

    const ScratchFolder scratch("bank-sound-files");
    const std::string folder = scratch.file("S05 sounds");
    const BankSoundFiles::Written written = BankSoundFiles::write(*bank, folder);
    EXPECT_FALSE(written.failure) << written.failedPath << ": " << written.failure.describe();
    ASSERT_EQ(written.paths.size(), names.size());
    std::set<std::string> seen;
    for (std::uint16_t slot = 0; slot < names.size(); ++slot) {
        const std::filesystem::path path(written.paths[slot]);
        const std::string name = path.filename().string();
        EXPECT_EQ(path.parent_path(), folder) << slot;
        EXPECT_LE(name.size(), 255u) << slot;
        EXPECT_TRUE(name.starts_with(bank->getContentLabel(slot) + " - ")) << name;
        EXPECT_TRUE(name.ends_with(".wav")) << name;
        EXPECT_EQ(ScratchFolder::read(path.string()), audio::deviceWave(bank->getContent(slot)->getData())) << slot;
        seen.insert(name);
    }
    EXPECT_EQ(seen.size(), names.size());
    EXPECT_EQ(BankSoundFiles::fileName(*bank, 0), "OPEN HI HAT - ..-..-escape.wav");
    // Cut where a character ends, not inside one.
    EXPECT_EQ(BankSoundFiles::fileName(*bank, 1), "CLOSED HI HAT - " + accented.substr(0, 234) + ".wav");
    EXPECT_EQ(BankSoundFiles::fileName(*bank, 5), "RIDE - kick.wav");
}

TEST(BankSoundFiles, AFileWhereTheFolderShouldBeIsNamedAsNoFolderAndKeptAsItIs)
{
    const std::unique_ptr<IBank> bank = factory::makeBank(4);
    const ScratchFolder scratch("bank-sound-files");
    const std::string file = scratch.write("s05.mid", {'k', 'e', 'e', 'p'});
    std::filesystem::create_symlink("nowhere", scratch.file("dangling"));
    for (const std::string& folder : {file, scratch.file("dangling")}) {
        const BankSoundFiles::Written written = BankSoundFiles::write(*bank, folder);
        EXPECT_EQ(written.failedPath, folder);
        EXPECT_EQ(written.failure.describe(), std::strerror(ENOTDIR));
        EXPECT_TRUE(written.paths.empty());
    }
    EXPECT_EQ(ScratchFolder::read(file), (std::vector<std::uint8_t>{'k', 'e', 'e', 'p'}));
}

// A slot's file imported into the slot gives back its bytes: each factory sound, and one cut to its
// slot and faded at the cut. A firmware slot's message is FlashBlocks' case.
TEST(BankSoundFiles, ASlotsFileImportedIntoItsSlotGivesBackItsBytes)
{
    const std::unique_ptr<IBank> bank = factory::makeBank(2);
    // CRASH's 32,768 bytes into CLOSED HI HAT's 8,192.
    ASSERT_TRUE(bank->importContent(1, audio::deviceWave(bank->getContent(4)->getData()), "crash.wav", {}));
    for (std::uint16_t slot = 0; slot < bank->getContentCount(); ++slot) {
        const std::vector<std::uint8_t> bytes = bank->getContent(slot)->getData();
        ASSERT_TRUE(bank->importContent(slot, audio::deviceWave(bytes), "again.wav", {}));
        EXPECT_EQ(bank->getContent(slot)->getData(), bytes) << slot;
    }
}
