#include "SoundFileFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>

std::string SoundFileFolder::sox(const std::vector<std::uint8_t>& raw, const std::string& rawFormat,
                                 const std::string& name, const std::string& outFormat) const
{
    const std::string command = std::string(SOX_PROGRAM) + " -D -t raw " + rawFormat + " '"
        + write(name + ".raw", raw) + "' " + outFormat + " '" + path(name) + "'";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    return path(name);
}

std::string SoundFileFolder::synth(const std::string& name, const std::string& format, const std::string& effects) const
{
    const std::string command = std::string(SOX_PROGRAM) + " -D -n " + format + " '" + path(name) + "' " + effects;
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    return path(name);
}
