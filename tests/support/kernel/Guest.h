#pragma once

// What every guest of the kernel tests does the same way: time on the wall clock, the search for a
// sound card, a device read or played on a thread of its own, a card's capture end recorded, and
// zylox run as a user would, from the image's /bin/zylox.
#include <alsa/asoundlib.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace guest {

inline double secondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// A sound card as the kernel names it, and the sysfs device it lives below.
struct SoundCard {
    int index = -1;
    std::string longName;
    std::string device;
};

// The index of the first card the test wants, listing each card it looks at; -1 when none is.
inline int findCard(const std::function<bool(const SoundCard&)>& wanted)
{
    SoundCard card;
    while (snd_card_next(&card.index) >= 0 && card.index >= 0) {
        char* longName = nullptr;
        card.longName = snd_card_get_longname(card.index, &longName) >= 0 && longName ? longName : "";
        std::free(longName);
        const std::string link = "/sys/class/sound/card" + std::to_string(card.index) + "/device";
        char* resolved = realpath(link.c_str(), nullptr);
        card.device = resolved ? resolved : "";
        std::free(resolved);
        std::printf("card %d: %s (device %s)\n", card.index, card.longName.c_str(), card.device.c_str());
        if (wanted(card))
            return card.index;
    }
    return -1;
}

// An ALSA device with a thread of its own on it, which is told to end, then joined, before the
// device is closed. Its owner declares it last, so that the thread ends before anything else it
// uses; finished, it may be opened again.
template <typename Device, int (*close)(Device*)> struct DeviceThread {
    ~DeviceThread() { finish(); }
    void finish()
    {
        enough = true;
        if (thread.joinable())
            thread.join();
        if (device)
            close(std::exchange(device, nullptr));
        enough = false;
    }
    Device* device = nullptr;
    std::thread thread;
    std::atomic<bool> enough{false};
};
using PcmThread = DeviceThread<snd_pcm_t, snd_pcm_close>;

// The capture end of a loopback card, read on a thread of its own into one growing recording. Each
// read also notes where the card's position was when: so the moment any captured frame left the
// playback end is known.
class PcmRecorder {
public:
    // Where the card's position was (frames it had captured) when.
    struct Mark {
        std::size_t position;
        std::chrono::steady_clock::time_point at;
    };

    // Opens the device, sets it up and starts it, then reads it in chunks of the frames given; says
    // why not.
    bool open(const std::string& name, const std::function<int(snd_pcm_t*)>& setUp, std::size_t frameBytes,
              std::size_t chunkFrames)
    {
        const auto failed = [](const char* step, int error) {
            if (error < 0)
                std::printf("capture %s: %s\n", step, snd_strerror(error));
            return error < 0;
        };
        // Started here: a capture set up starts only on a read of a whole buffer.
        if (failed("open", snd_pcm_open(&m_device.device, name.c_str(), SND_PCM_STREAM_CAPTURE, 0))
            || failed("parameters", setUp(m_device.device)) || failed("start", snd_pcm_start(m_device.device)))
            return false;
        m_frameBytes = frameBytes;
        m_device.thread = std::thread([this, chunkFrames] { read(chunkFrames); });
        return true;
    }
    std::vector<std::uint8_t> recorded() const
    {
        const std::lock_guard lock(m_mutex);
        return m_recorded;
    }
    // The recording as 16-bit samples.
    std::vector<std::int16_t> samples() const
    {
        const std::vector<std::uint8_t> bytes = recorded();
        std::vector<std::int16_t> values(bytes.size() / 2);
        if (!values.empty())
            std::memcpy(values.data(), bytes.data(), values.size() * 2);
        return values;
    }
    std::vector<Mark> marks() const
    {
        const std::lock_guard lock(m_mutex);
        return m_marks;
    }
    void finish() { m_device.finish(); }
    int overruns() const { return m_overruns; }

private:
    void read(std::size_t chunkFrames)
    {
        std::vector<std::uint8_t> chunk(chunkFrames * m_frameBytes);
        while (!m_device.enough) {
            const snd_pcm_sframes_t got = snd_pcm_readi(m_device.device, chunk.data(), chunkFrames);
            if (got < 0) {
                ++m_overruns;
                if (snd_pcm_recover(m_device.device, static_cast<int>(got), 1) < 0)
                    return;
                continue;
            }
            const snd_pcm_sframes_t waiting = snd_pcm_avail(m_device.device);
            const auto now = std::chrono::steady_clock::now();
            const std::lock_guard lock(m_mutex);
            m_recorded.insert(m_recorded.end(), chunk.begin(), chunk.begin() + got * static_cast<long>(m_frameBytes));
            if (waiting >= 0)
                m_marks.push_back({m_recorded.size() / m_frameBytes + static_cast<std::size_t>(waiting), now});
        }
    }

    std::size_t m_frameBytes = 1;
    std::atomic<int> m_overruns{0};
    mutable std::mutex m_mutex;
    std::vector<std::uint8_t> m_recorded;
    std::vector<Mark> m_marks;
    // Last: its thread ends before the recording it writes goes.
    PcmThread m_device;
};

// What a run of zylox said on both outputs, its exit status (-1 for anything but an exit), and
// the seconds it took to end after the interrupt.
struct ZyloxRun {
    int status = -1;
    std::string said;
    double endedAfter = 0;
};

// Runs /bin/zylox with the shell words; with interruptAfter, Ctrl-C reaches it that many seconds in.
inline ZyloxRun runZylox(const std::string& words, int interruptAfter = 0)
{
    const pid_t child = fork();
    if (child == 0) {
        const int said = open("/tmp/zylox.said", O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(said, 1);
        dup2(said, 2);
        execl("/bin/sh", "sh", "-c", ("exec /bin/zylox " + words).c_str(), nullptr);
        _exit(127);
    }
    auto interrupted = std::chrono::steady_clock::now();
    if (interruptAfter > 0) {
        std::this_thread::sleep_for(std::chrono::seconds(interruptAfter));
        interrupted = std::chrono::steady_clock::now();
        kill(child, SIGINT);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ZyloxRun run{WIFEXITED(status) ? WEXITSTATUS(status) : -1, {}, secondsSince(interrupted)};
    std::ifstream in("/tmp/zylox.said");
    run.said.assign(std::istreambuf_iterator<char>(in), {});
    std::printf("$ zylox %s -> %d\n%s", words.c_str(), run.status, run.said.c_str());
    return run;
}

} // namespace guest
