#include "midiio/BankTransmitter.h"
#include "midiio/alsa/AlsaMidiService.h"
#include "model/SoundBank.h"
#include "tests/support/VirtualClock.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <future>

namespace {

// Without its configuration ALSA cannot open the sequencer, exactly as on a machine without
// sound support; the test runs in a process of its own, before ALSA reads any configuration.
TEST(AlsaWithoutSoundTest, HasNoEndpointsAndFailsEverySendWithoutHanging)
{
    setenv("ALSA_CONFIG_PATH", "/nonexistent/alsa.conf", 1);
    // The service's thread may still be waking the clock as the send's failure ends: the clock
    // outlives the service, as in both programs.
    VirtualClock clock;
    AlsaMidiService service;

    EXPECT_FALSE(service.systemAvailable());
    EXPECT_EQ(service.destinationCount(), 0u);
    EXPECT_EQ(service.sourceCount(), 0u);
    EXPECT_EQ(service.destinationAt(0), 0u);
    EXPECT_EQ(service.createClient("test"), 0u);
    EXPECT_EQ(service.endpointNames(1).display, "");

    std::promise<bool> outcome;
    const std::uint8_t erase[] = {0xF0, 0x31, 0x0D, 0x79, 0x00, 0xF7};
    service.sendSysex({1, erase, sizeof erase, [&](bool sent) { outcome.set_value(sent); }, {}});
    EXPECT_FALSE(outcome.get_future().get());

    MidiContext system(service, clock);
    auto wrapper = BankTransmitter::createTransmitter(system, 0);
    SoundBank sound(4);
    EXPECT_FALSE(wrapper->transmitBank(sound, 0));
    EXPECT_FALSE(wrapper->transmitter()->isStillTransmitting());
}

} // namespace
