#include "bankfile/BankFileOpening.h"

#include "bankfile/BankFile.h"
#include "model/FactoryBank.h"
#include "model/FactoryTables.h"
#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <sys/stat.h>

namespace {

using Fills = BankFileOpening::Fills;
constexpr std::size_t kFirmwareRow = factory::kSoundBankCount;

// Opened onto a row, the row's own bank reads the file: a sound bank's file is no bank file for the
// firmware row, nor the firmware bank's for a sound row. A one-bank file of another sound bank moves
// onto the row only when asked; with no row it fills the row of its bank. A file of all banks fills
// every row whatever the row.
TEST(BankFileOpeningTest, WhichRowsAFileFillsAndWhetherItMustMoveOntoTheRow)
{
    ScratchFolder folder("bankfile-opening");
    const std::string kitFile = folder.file("s05.mid"), firmwareFile = folder.file("fw.mid"),
                      allFile = folder.file("all.mid");
    BankFile file;
    std::unique_ptr<IBank> kit = factory::makeBank(4);
    kit->setName("My Kit");
    ASSERT_TRUE(file.saveBank(*kit, kitFile));
    std::unique_ptr<IBank> firmware = factory::makeBank(kFirmwareRow);
    firmware->setName("My OS");
    ASSERT_TRUE(file.saveBank(*firmware, firmwareFile));
    const std::vector<std::unique_ptr<IBank>> all = factory::makeBanks();
    all[9]->setName("Ninth");
    std::vector<IBank*> banks;
    for (const auto& bank : all)
        banks.push_back(bank.get());
    ASSERT_TRUE(file.saveBanks(banks, allFile));
    // Thirty-two sound banks: the firmware's track holds a sound bank, so no row's bank reads it.
    const std::string soundLastFile = folder.file("sound-last.mid");
    banks.back() = all[30].get();
    ASSERT_TRUE(file.saveBanks(banks, soundLastFile));
    const std::string text = folder.write("notes.mid", {'M', 'T', 'h', 'd', 0, 0});
    const std::string missing = folder.file("missing.mid"), aFolder = folder.path().string(),
                      fifo = folder.file("pipe.mid");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);

    struct Case {
        std::string path;
        std::optional<std::size_t> row;
        Fills fills;
        std::optional<std::size_t> fileRow;
        bool needsReaddress;
        // Of the first bank read, or of the tenth of all banks, after any readdress.
        std::string name;
        // Why the file could not be read, for the user to be told.
        int error = 0;
    };
    const std::optional<std::size_t> none;
    const Case cases[] = {
        {kitFile, 4, Fills::OneRow, 4, false, "My Kit"},
        {kitFile, 6, Fills::OneRow, 4, true, "My Kit"},
        {kitFile, none, Fills::OneRow, 4, false, "My Kit"},
        {kitFile, kFirmwareRow, Fills::Nothing, none, false, ""},
        {firmwareFile, kFirmwareRow, Fills::OneRow, kFirmwareRow, false, "My OS"},
        {firmwareFile, none, Fills::OneRow, kFirmwareRow, false, "My OS"},
        {firmwareFile, 4, Fills::Nothing, none, false, ""},
        {allFile, none, Fills::AllRows, none, false, "Ninth"},
        {allFile, 3, Fills::AllRows, none, false, "Ninth"},
        {allFile, kFirmwareRow, Fills::AllRows, none, false, "Ninth"},
        {soundLastFile, 4, Fills::Nothing, none, false, ""},
        {soundLastFile, none, Fills::Nothing, none, false, ""},
        {text, 4, Fills::Nothing, none, false, ""},
        {text, none, Fills::Nothing, none, false, ""},
        {missing, 4, Fills::Nothing, none, false, "", ENOENT},
        {aFolder, none, Fills::Nothing, none, false, "", EISDIR},
        // No bank, and not waited on until a writer comes.
        {fifo, 4, Fills::Nothing, none, false, ""},
        {fifo, none, Fills::Nothing, none, false, ""},
    };
    for (const Case& expected : cases) {
        SCOPED_TRACE(expected.path + " onto row " + (expected.row ? std::to_string(*expected.row) : "none"));
        BankFileOpening opening = BankFileOpening::open(expected.path, expected.row);
        EXPECT_EQ(opening.fills(), expected.fills);
        EXPECT_EQ(opening.error(), expected.error);
        EXPECT_EQ(opening.fileRow(), expected.fileRow);
        EXPECT_EQ(opening.needsReaddress(), expected.needsReaddress);
        opening.readdress();
        EXPECT_FALSE(opening.needsReaddress());
        const std::vector<std::unique_ptr<IBank>> read = opening.takeBanks();
        const std::size_t count
            = expected.fills == Fills::AllRows ? factory::kBankCount : expected.fills == Fills::OneRow;
        ASSERT_EQ(read.size(), count);
        // Every bank in its row's flash blocks: the one moved onto the row, all banks in row order.
        for (std::size_t index = 0; index < read.size(); ++index)
            EXPECT_EQ(read[index]->getIndex(), count > 1 ? index : expected.row.value_or(*expected.fileRow));
        if (count > 0) {
            EXPECT_EQ(read[count > 1 ? 9 : 0]->getName(), expected.name);
        }
    }
}

} // namespace
