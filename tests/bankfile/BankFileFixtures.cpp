#include "BankFileFixtures.h"

#include "content/CContent.h"
#include "flash/CEvent.h"
#include "model/CFirmware.h"
#include "model/CSound.h"
#include "model/FactoryTables.h"

std::vector<std::unique_ptr<IBank>> factoryBankSet()
{
    std::vector<std::unique_ptr<IBank>> banks;
    for (std::uint16_t index = 0; index < factory::kSoundBankCount; ++index)
        banks.push_back(std::make_unique<CSound>(index));
    banks.push_back(std::make_unique<CFirmware>());
    return banks;
}

std::vector<IBank*> pointersTo(const std::vector<std::unique_ptr<IBank>>& banks)
{
    std::vector<IBank*> pointers;
    for (const auto& bank : banks)
        pointers.push_back(bank.get());
    return pointers;
}

bool sameBank(const IBank& a, const IBank& b)
{
    if (a.getIndex() != b.getIndex() || a.getName() != b.getName() || a.getContentNames() != b.getContentNames()
        || a.getContentCount() != b.getContentCount())
        return false;
    for (std::uint16_t slot = 0; slot < a.getContentCount(); ++slot) {
        if (a.getContent(slot)->getData() != b.getContent(slot)->getData())
            return false;
    }
    return true;
}

std::vector<buffer> dumpMessages(IBank& bank)
{
    std::vector<buffer> messages;
    for (const CEvent* event : bank.createEvents(0))
        messages.emplace_back(event->getData().begin(), event->getData().end());
    return messages;
}
