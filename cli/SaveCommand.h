#pragma once

#include "cli/Command.h"

#include <cstddef>
#include <string>

// `zylox save`: writes one bank of the set, or all 32, to a bank file.
class SaveCommand : public Command {
public:
    explicit SaveCommand(CLI::App& app);

    int run() override;

private:
    std::size_t m_row = 0;
    bool m_all = false;
    std::string m_output;
};
