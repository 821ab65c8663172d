// Arbitrary bytes opened as a bank file, as one bank and as all 32: no crash, no allocation beyond
// the input, and a refused one-bank file leaves the bank as it was.
#include "FuzzInputFile.h"
#include "bankfile/BankFile.h"
#include "content/SlotContent.h"
#include "model/FactoryBank.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

bool sameBank(const IBank& a, const IBank& b)
{
    if (a.getIndex() != b.getIndex() || a.getName() != b.getName() || a.getContentNames() != b.getContentNames())
        return false;
    for (std::uint16_t slot = 0; slot < a.getContentCount(); ++slot) {
        if (a.getContent(slot)->getData() != b.getContent(slot)->getData())
            return false;
    }
    return true;
}

void openAsOneBank(BankFile& file, IBank& bank, const std::string& path)
{
    const std::unique_ptr<IBank> before(bank.clone());
    if (!file.openBank(bank, path) && !sameBank(bank, *before))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const FuzzInputFile input("zylox-fuzz-bankfile-");
    static std::vector<std::unique_ptr<IBank>> banks = factory::makeBanks();
    const std::string& path = input.write(data, size);
    BankFile file;
    openAsOneBank(file, *banks[4], path);
    openAsOneBank(file, *banks[31], path);
    std::vector<IBank*> all;
    for (const auto& bank : banks)
        all.push_back(bank.get());
    file.openBanks(all, path);
    return 0;
}
