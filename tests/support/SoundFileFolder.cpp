#include "tests/support/SoundFileFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>

std::string SoundFileFolder::sox(const std::vector<std::uint8_t>& raw, const std::string& rawFormat,
                                 const std::string& name, const std::string& outFormat) const
{
    run("-t raw " + rawFormat + " '" + write(name + ".raw", raw) + "' " + outFormat + " '" + path(name) + "'");
    return path(name);
}

std::string SoundFileFolder::synth(const std::string& name, const std::string& format, const std::string& effects) const
{
    run("-n " + format + " '" + path(name) + "' " + effects);
    return path(name);
}

void SoundFileFolder::run(const std::string& arguments) const
{
    const std::string command = std::string(SOX_PROGRAM) + " -D " + arguments;
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
}
