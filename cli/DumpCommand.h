#pragma once

#include "cli/Command.h"

#include <cstddef>
#include <cstdint>
#include <string>

// `zylox dump`: the bank's four flash messages, in sending order, back to back in one file.
class DumpCommand : public Command {
public:
    explicit DumpCommand(CLI::App& app);

    int run() override;

private:
    std::size_t m_row = 0;
    std::uint16_t m_channel = 0;
    std::string m_output;
};
