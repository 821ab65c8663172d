#pragma once

#include "bytes/FileFailure.h"
#include "midiio/record/DeviceContents.h"
#include "model/IBank.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// What a save of a device's contents writes, decided once for both programs: with all 32 banks
// known, one bank file of them all; otherwise, as a bank file holds one bank or all of them, each
// known bank in a one-bank file of its own named after it (S05.mid) in a folder.
class DeviceContentsSave {
public:
    explicit DeviceContentsSave(const DeviceContents& contents);

    bool nothingKnown() const { return m_banks.empty(); }
    bool oneFile() const { return m_unknownRows.empty(); }
    std::size_t knownCount() const { return m_banks.size(); }
    const std::vector<std::size_t>& unknownRows() const { return m_unknownRows; }

    // Every bank into one file; only when oneFile().
    bool saveAll(const std::string& path);
    // Each known bank into the folder, which is made if need be; written, where given, hears of
    // each file as it is.
    bool saveEach(const std::string& folder, const std::function<void(const std::string& path)>& written = {});
    // After a failed save: the file or folder, and why.
    const std::string& failedPath() const { return m_failedPath; }
    const FileFailure& failure() const { return m_failure; }

private:
    bool failed(const std::string& path, FileFailure why);

    std::vector<std::unique_ptr<IBank>> m_banks;
    std::vector<std::size_t> m_unknownRows;
    std::string m_failedPath;
    FileFailure m_failure;
};
