#include "playback/AlsaSoundOutput.h"

#include <alsa/asoundlib.h>

#include <algorithm>
#include <cstdarg>
#include <utility>

namespace {

// The device's sound buffer, in microseconds: also how long a stop can take to be heard.
constexpr unsigned kLatency = 100'000;
constexpr snd_pcm_uframes_t kChunk = 1024;
constexpr std::uint8_t kSilence = 0x80;

// ALSA prints its own complaints to standard error; the caller reports failures in its own words.
void ignoreLibraryError(const char*, int, const char*, int, const char*, ...)
{
}

snd_pcm_t* openDevice(const std::string& device, int& error)
{
    snd_lib_error_set_handler(ignoreLibraryError);
    snd_pcm_t* pcm = nullptr;
    error = snd_pcm_open(&pcm, device.c_str(), SND_PCM_STREAM_PLAYBACK, 0);
    if (error < 0)
        return nullptr;
    // Resampling allowed: a sound server or card that cannot run at 33 kHz still plays the slot.
    error = snd_pcm_set_params(pcm, SND_PCM_FORMAT_U8, SND_PCM_ACCESS_RW_INTERLEAVED, 1, ISoundOutput::kSampleRate, 1,
                               kLatency);
    if (error < 0) {
        snd_pcm_close(pcm);
        return nullptr;
    }
    return pcm;
}

// Kernels before 6.5 do not fill the rest of a last part period while draining, so a card could
// play what its buffer held from earlier in the sound after the sound's end: the end is padded
// with silence to a whole period.
void padToWholePeriods(snd_pcm_t* pcm, std::vector<std::uint8_t>& samples)
{
    snd_pcm_uframes_t buffer = 0;
    snd_pcm_uframes_t period = 0;
    if (snd_pcm_get_params(pcm, &buffer, &period) < 0 || period == 0)
        return;
    const std::size_t rest = samples.size() % period;
    if (rest != 0)
        samples.insert(samples.end(), period - rest, kSilence);
}

// Writes until every sample is in the device or a stop is asked for.
bool writeAll(snd_pcm_t* pcm, const std::vector<std::uint8_t>& samples, const std::atomic<bool>& stop)
{
    std::size_t done = 0;
    while (done < samples.size()) {
        if (stop)
            return false;
        const auto count = static_cast<snd_pcm_uframes_t>(std::min<std::size_t>(kChunk, samples.size() - done));
        snd_pcm_sframes_t written = snd_pcm_writei(pcm, samples.data() + done, count);
        // An underrun while the thread was not scheduled is recovered, not a failure.
        if (written < 0)
            written = snd_pcm_recover(pcm, static_cast<int>(written), 1) < 0 ? written : 0;
        if (written < 0)
            return false;
        done += static_cast<std::size_t>(written);
    }
    return true;
}

} // namespace

AlsaSoundOutput::AlsaSoundOutput(std::string device)
    : m_device(std::move(device))
{
    int error = 0;
    if (snd_pcm_t* pcm = openDevice(m_device, error))
        snd_pcm_close(pcm);
    else
        m_unavailableReason = "No sound output: the ALSA device \"" + m_device + "\" cannot be opened ("
                              + snd_strerror(error) + ")";
}

AlsaSoundOutput::~AlsaSoundOutput()
{
    stop();
}

std::string AlsaSoundOutput::unavailableReason() const
{
    return m_unavailableReason;
}

void AlsaSoundOutput::play(std::vector<std::uint8_t> samples, EndHandler onEnd)
{
    const std::lock_guard lock(m_playing);
    m_stop = true;
    if (m_player.joinable())
        m_player.join();
    m_stop = false;
    m_player = std::thread([this, samples = std::move(samples), onEnd = std::move(onEnd)]() mutable {
        run(std::move(samples), onEnd);
    });
}

void AlsaSoundOutput::stop()
{
    const std::lock_guard lock(m_playing);
    m_stop = true;
    if (m_player.joinable())
        m_player.join();
}

void AlsaSoundOutput::run(std::vector<std::uint8_t> samples, const EndHandler& onEnd)
{
    int error = 0;
    snd_pcm_t* pcm = openDevice(m_device, error);
    if (pcm != nullptr)
        padToWholePeriods(pcm, samples);
    bool played = pcm != nullptr && writeAll(pcm, samples, m_stop);
    if (pcm != nullptr) {
        // Draining waits at most one buffer; a stop must not play even that.
        if (played)
            played = snd_pcm_drain(pcm) >= 0 && !m_stop;
        else
            snd_pcm_drop(pcm);
        snd_pcm_close(pcm);
    }
    if (onEnd)
        onEnd(played);
}
