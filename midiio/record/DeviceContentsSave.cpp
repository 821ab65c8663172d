#include "midiio/record/DeviceContentsSave.h"

#include "bankfile/BankFile.h"
#include "model/BankNumber.h"

#include <filesystem>
#include <system_error>

DeviceContentsSave::DeviceContentsSave(const DeviceContents& contents)
{
    for (std::size_t row = 0; row < DeviceRecord::kRows; ++row) {
        if (std::unique_ptr<IBank> bank = contents.bank(row))
            m_banks.push_back(std::move(bank));
        else
            m_unknownRows.push_back(row);
    }
}

bool DeviceContentsSave::saveAll(const std::string& path)
{
    std::vector<IBank*> all;
    for (const auto& bank : m_banks)
        all.push_back(bank.get());
    BankFile file;
    return file.saveBanks(all, path) || failed(path, file.saveFailure());
}

bool DeviceContentsSave::saveEach(const std::string& folder,
                                  const std::function<void(const std::string& path)>& written)
{
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error)
        return failed(folder, FileFailure::fromErrno(error.value()));
    BankFile file;
    for (const auto& bank : m_banks) {
        const std::string path = folder + "/" + BankNumber::of(bank->getIndex()) + ".mid";
        if (!file.saveBank(*bank, path))
            return failed(path, file.saveFailure());
        if (written)
            written(path);
    }
    return true;
}

bool DeviceContentsSave::failed(const std::string& path, FileFailure why)
{
    m_failedPath = path;
    m_failure = why;
    return false;
}
