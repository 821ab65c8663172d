#pragma once

#include "cli/Command.h"

#include <string>
#include <vector>

// `zylox library add|remove|list|rescan`: the folders of the sound library, which the editor shares,
// and the index of their sounds that `zylox find` and the editor's Library tab search.
class LibraryCommand : public Command {
public:
    explicit LibraryCommand(CLI::App& app);

    int run() override;

private:
    int add() const;
    int remove() const;
    int list() const;

    CLI::App* m_add = nullptr;
    CLI::App* m_remove = nullptr;
    CLI::App* m_list = nullptr;
    CLI::App* m_rescan = nullptr;
    std::vector<std::string> m_folders;
};
