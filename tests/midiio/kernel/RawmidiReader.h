#pragma once

#include "tests/midiio/kernel/GuestSend.h"

#include <alsa/asoundlib.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <utility>

namespace guest {

// Records what arrives at a card's rawmidi input, on a thread of its own, from open until it goes.
class RawmidiReader {
public:
    bool open(int card)
    {
        const std::string device = "hw:" + std::to_string(card) + ",0";
        if (snd_rawmidi_open(&m_input, nullptr, device.c_str(), SND_RAWMIDI_NONBLOCK) < 0)
            return false;
        m_thread = std::thread([this] { read(); });
        return true;
    }
    ~RawmidiReader()
    {
        m_running = false;
        if (m_thread.joinable())
            m_thread.join();
        if (m_input)
            snd_rawmidi_close(m_input);
    }
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
        while (m_running) {
            const ssize_t got = snd_rawmidi_read(m_input, buffer, sizeof buffer);
            if (got > 0) {
                std::lock_guard lock(m_mutex);
                m_bytes.insert(m_bytes.end(), buffer, buffer + got);
            } else {
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
        }
    }

    snd_rawmidi_t* m_input = nullptr;
    std::atomic<bool> m_running{true};
    std::mutex m_mutex;
    Bytes m_bytes;
    std::thread m_thread;
};

} // namespace guest
