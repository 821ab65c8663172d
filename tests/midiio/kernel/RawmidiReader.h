#pragma once

// The test kernel's MIDI cards from the rawmidi side: found by their names, and what arrives at one
// recorded.
#include "midiio/MidiSources.h"
#include "tests/midiio/kernel/GuestSend.h"

#include <alsa/asoundlib.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <mutex>
#include <string>
#include <thread>
#include <utility>

namespace guest {

// The index of the source "VirMIDI <card>-0", what a controller plugged in would be, and its card;
// -1 when none is listed.
inline int virmidiSource(IMidiService& service, int& card)
{
    const std::vector<MidiPortIdentity> sources = MidiSources::identities(service);
    for (std::size_t index = 0; index < sources.size(); ++index) {
        int device = -1;
        if (std::sscanf(sources[index].port.c_str(), "VirMIDI %d-%d", &card, &device) == 2 && device == 0)
            return static_cast<int>(index);
    }
    return -1;
}

// The card of a USB MIDI gadget, the receiving end of the test's cable; where a dummy controller
// is named, the gadget bound to it: its sound device lives below the controller.
inline int gadgetCard(const std::string& udc = {})
{
    return findCard([&udc](const SoundCard& card) {
        return (card.longName.find("Gadget") != std::string::npos || card.longName.find("f_midi") != std::string::npos)
               && (udc.empty() || card.device.find("/" + udc + "/") != std::string::npos);
    });
}

// Records what arrives at a card's rawmidi input, on a thread of its own, from open until close.
class RawmidiReader {
public:
    bool open(int card)
    {
        const std::string device = "hw:" + std::to_string(card) + ",0";
        if (card < 0 || snd_rawmidi_open(&m_input.device, nullptr, device.c_str(), SND_RAWMIDI_NONBLOCK) < 0)
            return false;
        m_input.thread = std::thread([this] { read(); });
        return true;
    }
    void close() { m_input.finish(); }
    // What arrived since the last take, once nothing more has come for the quiet time.
    Bytes take(std::chrono::milliseconds quiet)
    {
        for (std::size_t seen = SIZE_MAX; seen != size();) {
            seen = size();
            std::this_thread::sleep_for(quiet);
        }
        std::lock_guard lock(m_mutex);
        return std::exchange(m_bytes, {});
    }

private:
    std::size_t size()
    {
        std::lock_guard lock(m_mutex);
        return m_bytes.size();
    }
    void read()
    {
        std::uint8_t buffer[4096];
        while (!m_input.enough) {
            const ssize_t got = snd_rawmidi_read(m_input.device, buffer, sizeof buffer);
            if (got > 0) {
                std::lock_guard lock(m_mutex);
                m_bytes.insert(m_bytes.end(), buffer, buffer + got);
            } else {
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
        }
    }

    std::mutex m_mutex;
    Bytes m_bytes;
    // Last: its thread ends before the bytes it fills go.
    DeviceThread<snd_rawmidi_t, snd_rawmidi_close> m_input;
};

} // namespace guest
