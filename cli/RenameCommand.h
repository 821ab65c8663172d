#pragma once

#include "cli/Command.h"
#include "cli/SlotChoice.h"

#include <cstddef>
#include <string>

// `zylox rename`: renames a bank or one of its slots, then writes the bank (or all banks) to a
// bank file.
class RenameCommand : public Command {
public:
    explicit RenameCommand(CLI::App& app);

    int run() override;

private:
    std::size_t m_row = 0;
    SlotChoice m_slot;
    std::string m_name;
    bool m_all = false;
    std::string m_output;
};
