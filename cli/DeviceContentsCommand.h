#pragma once

#include "cli/Command.h"

#include <cstddef>
#include <string>
#include <vector>

// `zylox device-contents`: what a device was last sent completely, from its record, written as
// bank files with the names the banks had when they were sent. All 32 banks known make one file;
// otherwise, once the user agrees, each known bank goes to a one-bank file in a folder.
class DeviceContentsCommand : public Command {
public:
    explicit DeviceContentsCommand(CLI::App& app);

    int run() override;

private:
    // newFolder: the folder -o names does not exist yet.
    bool confirm(const std::string& unknown, std::size_t known, bool newFolder) const;

    std::string m_device;
    std::string m_output;
    bool m_yes = false;
};
