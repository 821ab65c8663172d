#include "bankfile/BankFileOpening.h"

#include "bankfile/WrapperZQMidiFile.h"
#include "tests/support/ScratchFolder.h"
#include "model/FactoryBank.h"
#include "model/FactoryTables.h"

#include <gtest/gtest.h>

namespace {

using Fills = BankFileOpening::Fills;
constexpr std::size_t kFirmwareRow = factory::kSoundBankCount;

class BankFileOpeningTest : public ::testing::Test {
protected:
    BankFileOpeningTest()
    {
        std::unique_ptr<IBank> kit = factory::makeBank(4);
        kit->setName("My Kit");
        m_file.saveBank(*kit, m_kit);
        std::unique_ptr<IBank> firmware = factory::makeBank(kFirmwareRow);
        firmware->setName("My OS");
        m_file.saveBank(*firmware, m_firmware);
        std::vector<std::unique_ptr<IBank>> all = factory::makeBanks();
        all[9]->setName("Ninth");
        std::vector<IBank*> banks;
        for (const auto& bank : all)
            banks.push_back(bank.get());
        m_file.saveBanks(banks, m_all);
    }

    ScratchFolder m_folder{"bankfile-opening"};
    WrapperZQMidiFile m_file;
    const std::string m_kit = m_folder.file("s05.mid");
    const std::string m_firmware = m_folder.file("fw.mid");
    const std::string m_all = m_folder.file("all.mid");
};

TEST_F(BankFileOpeningTest, AOneBankFileFillsItsOwnRowOrMovesOntoAnotherOfItsKindWhenAsked)
{
    BankFileOpening own = BankFileOpening::open(m_kit, 4);
    EXPECT_EQ(own.fills(), Fills::OneRow);
    EXPECT_EQ(own.fileRow(), 4u);
    EXPECT_FALSE(own.needsReaddress());

    BankFileOpening other = BankFileOpening::open(m_kit, 6);
    ASSERT_EQ(other.fills(), Fills::OneRow);
    EXPECT_EQ(other.fileRow(), 4u);
    EXPECT_TRUE(other.needsReaddress());
    other.readdress();
    EXPECT_FALSE(other.needsReaddress());
    const std::vector<std::unique_ptr<IBank>> moved = other.takeBanks();
    ASSERT_EQ(moved.size(), 1u);
    EXPECT_EQ(moved[0]->getIndex(), 6u);
    EXPECT_EQ(moved[0]->getName(), "My Kit");

    BankFileOpening firmware = BankFileOpening::open(m_firmware, kFirmwareRow);
    EXPECT_EQ(firmware.fills(), Fills::OneRow);
    EXPECT_EQ(firmware.fileRow(), kFirmwareRow);
    EXPECT_FALSE(firmware.needsReaddress());
}

// The selected row's bank reads the file: a sound bank's file is no bank file for the firmware row,
// nor the firmware bank's for a sound row.
TEST_F(BankFileOpeningTest, AOneBankFileOfTheOtherKindFillsNothing)
{
    for (const auto& [path, row] : {std::pair{m_kit, kFirmwareRow}, std::pair{m_firmware, std::size_t{4}}}) {
        BankFileOpening opening = BankFileOpening::open(path, row);
        EXPECT_EQ(opening.fills(), Fills::Nothing) << path;
        EXPECT_EQ(opening.fileRow(), std::nullopt) << path;
        EXPECT_FALSE(opening.needsReaddress()) << path;
        EXPECT_TRUE(opening.takeBanks().empty()) << path;
    }
}

TEST_F(BankFileOpeningTest, WithoutARowAOneBankFileFillsTheRowOfItsBank)
{
    EXPECT_EQ(BankFileOpening::open(m_kit, std::nullopt).fileRow(), 4u);
    BankFileOpening firmware = BankFileOpening::open(m_firmware, std::nullopt);
    EXPECT_EQ(firmware.fileRow(), kFirmwareRow);
    EXPECT_FALSE(firmware.needsReaddress());
    firmware.readdress();
    EXPECT_EQ(firmware.takeBanks().at(0)->getName(), "My OS");
}

TEST_F(BankFileOpeningTest, AFileOfAllBanksFillsEveryRowWhateverTheRow)
{
    for (const std::optional<std::size_t> row : {std::optional<std::size_t>{}, std::optional<std::size_t>{3},
                                                 std::optional<std::size_t>{kFirmwareRow}}) {
        BankFileOpening opening = BankFileOpening::open(m_all, row);
        EXPECT_EQ(opening.fills(), Fills::AllRows);
        EXPECT_EQ(opening.fileRow(), std::nullopt);
        EXPECT_FALSE(opening.needsReaddress());
        const std::vector<std::unique_ptr<IBank>> banks = opening.takeBanks();
        ASSERT_EQ(banks.size(), factory::kBankCount);
        for (std::size_t index = 0; index < banks.size(); ++index)
            EXPECT_EQ(banks[index]->getIndex(), index);
        EXPECT_EQ(banks[9]->getName(), "Ninth");
    }
}

TEST_F(BankFileOpeningTest, AnythingElseFillsNothing)
{
    const std::string text = m_folder.write("notes.mid", {'M', 'T', 'h', 'd', 0, 0});
    for (const std::string& path : {text, m_folder.file("missing.mid"), m_folder.path().string()}) {
        EXPECT_EQ(BankFileOpening::open(path, 4).fills(), Fills::Nothing) << path;
        EXPECT_EQ(BankFileOpening::open(path, std::nullopt).fills(), Fills::Nothing) << path;
    }
}

} // namespace
