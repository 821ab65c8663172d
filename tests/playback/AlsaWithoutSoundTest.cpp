#include "playback/AlsaSoundOutput.h"
#include "tests/playback/PlayEnding.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace {

// Without its configuration ALSA can open no device, exactly as on a machine without sound
// support; the test runs in a process of its own, before ALSA reads any configuration.
TEST(AlsaSoundOutputWithoutSound, SaysWhyAndEndsEveryPlayAtOnceUnheard)
{
    setenv("ALSA_CONFIG_PATH", "/nonexistent/alsa.conf", 1);
    AlsaSoundOutput output;
    EXPECT_TRUE(
        output.unavailableReason().starts_with("No sound output: the ALSA device \"default\" cannot be opened ("))
        << output.unavailableReason();

    for (int time = 0; time < 2; ++time)
        EXPECT_TRUE(play(output, std::vector<std::uint8_t>(33000, 0x80))
                        .get()
                        .starts_with("the ALSA device \"default\" cannot be opened ("));
    output.stop();
    output.stop();
}

} // namespace
