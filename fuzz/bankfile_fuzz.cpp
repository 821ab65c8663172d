// Arbitrary bytes opened as a bank file, as one bank and as all 32: no crash, no allocation beyond
// the input, and a refused one-bank file leaves the bank as it was.
#include "bankfile/BankFile.h"
#include "content/SlotContent.h"
#include "model/FactoryBank.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

// The current input in a temporary file of the fuzzing process's own, for the parser, which opens a
// path; removed when the process ends.
struct InputFile {
    ~InputFile()
    {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
    }
    const std::string path
        = (std::filesystem::temp_directory_path() / ("zylox-fuzz-bankfile-" + std::to_string(getpid()))).string();
};

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
    static const InputFile input;
    static std::vector<std::unique_ptr<IBank>> banks = factory::makeBanks();
    const std::string& path = input.path;
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    BankFile file;
    openAsOneBank(file, *banks[4], path);
    openAsOneBank(file, *banks[31], path);
    std::vector<IBank*> all;
    for (const auto& bank : banks)
        all.push_back(bank.get());
    file.openBanks(all, path);
    return 0;
}
