#include "model/FactoryBank.h"

#include "model/FactoryTables.h"
#include "model/FirmwareBank.h"
#include "model/SoundBank.h"

namespace factory {

std::unique_ptr<IBank> makeBank(std::size_t row)
{
    if (isSoundRow(row))
        return std::make_unique<SoundBank>(static_cast<std::uint16_t>(row));
    return std::make_unique<FirmwareBank>();
}

std::vector<std::unique_ptr<IBank>> makeBanks()
{
    std::vector<std::unique_ptr<IBank>> banks;
    for (std::size_t row = 0; row < kBankCount; ++row)
        banks.push_back(makeBank(row));
    return banks;
}

unsigned slotCount(std::size_t row)
{
    return isSoundRow(row) ? kSoundSlotCount : kFirmwareContentCount;
}

bool isSoundRow(std::size_t row)
{
    return row < kSoundBankCount;
}

} // namespace factory
