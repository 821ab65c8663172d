#include "cli/Command.h"

#include <CLI/CLI.hpp>

#include <iostream>

Command::Command(CLI::App& app, const std::string& name, const std::string& description)
    : m_command(app.add_subcommand(name, description))
{
}

bool Command::chosen() const
{
    return m_command->parsed();
}

int Command::fail(const std::string& subject, const std::string& reason)
{
    std::cerr << "zylox: " << subject << ": " << reason << '\n';
    return 1;
}
