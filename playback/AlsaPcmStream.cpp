#include "playback/AlsaPcmStream.h"

#include <alsa/asoundlib.h>
#include <poll.h>

#include <algorithm>
#include <cerrno>
#include <vector>

namespace {

// ALSA prints its own complaints to standard error; the caller reports failures in its own words.
void ignoreLibraryError(const char*, int, const char*, int, const char*, ...)
{
}

} // namespace

std::unique_ptr<IPcmStream> AlsaPcmStream::open(const std::string& device, const PcmFormat& format,
                                                PlaybackFailure& failure, unsigned bufferMicroseconds)
{
    snd_lib_error_set_handler(ignoreLibraryError);
    snd_pcm_t* pcm = nullptr;
    if (const int error = snd_pcm_open(&pcm, device.c_str(), SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK); error < 0) {
        failure = {PlaybackFailure::Kind::Unopenable, device, format, snd_strerror(error)};
        return nullptr;
    }
    // Resampling allowed: a sound server or card that cannot run at 33 kHz, or at a source's own
    // rate, still plays the sound.
    const snd_pcm_format_t values
        = format.encoding == PcmFormat::Encoding::Signed16 ? SND_PCM_FORMAT_S16 : SND_PCM_FORMAT_U8;
    int error = snd_pcm_set_params(pcm, values, SND_PCM_ACCESS_RW_INTERLEAVED, format.channels, format.rate, 1,
                                   bufferMicroseconds);
    snd_pcm_uframes_t buffer = 0;
    snd_pcm_uframes_t period = 0;
    if (error >= 0)
        error = snd_pcm_get_params(pcm, &buffer, &period);
    if (error < 0) {
        snd_pcm_close(pcm);
        failure = {PlaybackFailure::Kind::FormatRefused, device, format, snd_strerror(error)};
        return nullptr;
    }
    return std::unique_ptr<IPcmStream>(new AlsaPcmStream(pcm, device, buffer));
}

AlsaPcmStream::AlsaPcmStream(snd_pcm_t* pcm, std::string device, std::size_t bufferFrames)
    : m_pcm(pcm)
    , m_device(std::move(device))
    , m_bufferFrames(bufferFrames)
{
}

AlsaPcmStream::~AlsaPcmStream()
{
    snd_pcm_close(m_pcm);
}

long AlsaPcmStream::write(const std::uint8_t* frames, std::size_t count)
{
    const snd_pcm_sframes_t written = snd_pcm_writei(m_pcm, frames, count);
    if (written == -EAGAIN)
        return 0;
    // An underrun while the thread was not scheduled is recovered, not a failure.
    if (written < 0)
        return snd_pcm_recover(m_pcm, static_cast<int>(written), 1) < 0 ? written : 0;
    return written;
}

void AlsaPcmStream::waitForRoom(int wakeUp)
{
    const int count = std::max(0, snd_pcm_poll_descriptors_count(m_pcm));
    std::vector<pollfd> descriptors(static_cast<std::size_t>(count) + 1);
    const int filled = std::max(0, snd_pcm_poll_descriptors(m_pcm, descriptors.data(), static_cast<unsigned>(count)));
    descriptors[static_cast<std::size_t>(filled)] = {wakeUp, POLLIN, 0};
    if (poll(descriptors.data(), static_cast<nfds_t>(filled) + 1, -1) <= 0)
        return;
    // A sound server's plugin clears what woke it only when asked what happened.
    unsigned short events = 0;
    snd_pcm_poll_descriptors_revents(m_pcm, descriptors.data(), static_cast<unsigned>(filled), &events);
}

long AlsaPcmStream::queued()
{
    if (snd_pcm_state(m_pcm) == SND_PCM_STATE_PREPARED)
        if (const int error = snd_pcm_start(m_pcm); error < 0)
            return error;
    snd_pcm_sframes_t delay = 0;
    const int error = snd_pcm_delay(m_pcm, &delay);
    if (error == -EPIPE)
        return 0;
    return error < 0 ? error : std::max<long>(delay, 0);
}

void AlsaPcmStream::drop()
{
    snd_pcm_drop(m_pcm);
}

PlaybackFailure AlsaPcmStream::failure(long error) const
{
    return {PlaybackFailure::Kind::Failed, m_device, {}, snd_strerror(static_cast<int>(error))};
}
