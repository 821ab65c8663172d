#pragma once

#include "cli/Command.h"

#include <string>

// `zylox find`: the sound files of the library whose names and folders hold the words asked for,
// from the index the editor shares, one path a line (so that `$(...)` hands one to `zylox import`)
// or as JSON; filtered by what fits a slot, a length or a folder.
class FindCommand : public Command {
public:
    explicit FindCommand(CLI::App& app);

    int run() override;

private:
    std::string m_text;
    std::string m_fits;
    double m_maxLength = 0.0;
    CLI::Option* m_maxLengthOption = nullptr;
    std::string m_folder;
    bool m_json = false;
};
