#include "model/BankPads.h"
#include "content/SlotContent.h"
#include "model/FactoryBank.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

TEST(BankPads, ASoundBankPlaysItsSlotsWithItsHiHatsFoundByTheirLabelsAndTheFirmwareBankNothing)
{
    const std::vector<std::unique_ptr<IBank>> banks = factory::makeBanks();
    for (const std::size_t row : {0, 17, 30, 31}) {
        const IBank& bank = *banks[row];
        const KitSounds pads = bankPads(bank);
        const bool sound = row < 31;
        for (std::uint16_t slot = 0; slot < KitSounds::kPads; ++slot) {
            EXPECT_EQ(pads.pads[slot].empty(), !sound) << row;
            if (sound) {
                EXPECT_EQ(pads.pads[slot], bank.getContent(slot)->getData()) << row << " " << slot;
            }
            if (pads.openHat == slot) {
                EXPECT_EQ(bank.getContentLabel(slot), "OPEN HI HAT");
            }
            if (pads.closedHat == slot) {
                EXPECT_EQ(bank.getContentLabel(slot), "CLOSED HI HAT");
            }
        }
        EXPECT_EQ(pads.openHat.has_value(), sound) << row;
        EXPECT_EQ(pads.closedHat.has_value(), sound) << row;
    }
}

} // namespace
