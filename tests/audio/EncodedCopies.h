#pragma once

#include "tests/support/SoundFileFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <initializer_list>
#include <string>

// Copies of a sound file in the folder, each named with sox's options for it after the name
// ("float.wav -e floating-point -b 32"); sox writes them, but for Opus, which opusenc writes.
inline void encodeCopies(const SoundFileFolder& folder, const std::string& source,
                         std::initializer_list<std::string> copies)
{
    for (const std::string& copy : copies) {
        const std::string name = copy.substr(0, copy.find(' '));
        if (name.ends_with(".opus")) {
            const std::string opus = std::string(OPUSENC_PROGRAM) + " --quiet " + source + " " + folder.path(name);
            EXPECT_EQ(std::system(opus.c_str()), 0) << opus;
        } else {
            folder.run(source + copy.substr(name.size()) + " " + folder.path(name));
        }
    }
}
