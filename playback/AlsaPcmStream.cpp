#include "playback/AlsaPcmStream.h"

#include <alsa/asoundlib.h>
#include <poll.h>

#include <algorithm>
#include <cerrno>
#include <functional>
#include <vector>

namespace {

// ALSA prints its own complaints to standard error; the caller reports failures in its own words.
void ignoreLibraryError(const char*, int, const char*, int, const char*, ...)
{
}

// A device opened without blocking and set up, with its buffer and period in frames.
struct SetUpDevice {
    snd_pcm_t* pcm = nullptr;
    snd_pcm_uframes_t buffer = 0;
    snd_pcm_uframes_t period = 0;
};

// The device set up by setUp (an ALSA error or not); no device, with the reason in failure, where it
// could not be opened or set up.
SetUpDevice openAndSetUp(const std::string& device, const PcmFormat& format, PlaybackFailure& failure,
                         const std::function<int(snd_pcm_t*)>& setUp)
{
    snd_lib_error_set_handler(ignoreLibraryError);
    SetUpDevice opened;
    int error = snd_pcm_open(&opened.pcm, device.c_str(), SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK);
    if (error < 0) {
        failure = {PlaybackFailure::Kind::Unopenable, device, format, snd_strerror(error)};
        return {};
    }
    error = setUp(opened.pcm);
    if (error >= 0)
        error = snd_pcm_get_params(opened.pcm, &opened.buffer, &opened.period);
    if (error < 0) {
        snd_pcm_close(opened.pcm);
        failure = {PlaybackFailure::Kind::FormatRefused, device, format, snd_strerror(error)};
        return {};
    }
    return opened;
}

snd_pcm_format_t sampleFormat(const PcmFormat& format)
{
    return format.encoding == PcmFormat::Encoding::Signed16 ? SND_PCM_FORMAT_S16 : SND_PCM_FORMAT_U8;
}

// The period first: it is how often the device can take more, and so what a hit waits for. The
// ring then comes as near its length as the device's count of periods allows. Resampling allowed,
// as for any stream.
int setPeriodAndRing(snd_pcm_t* pcm, const PcmFormat& format, const AlsaPcmStream::Lead& lead)
{
    snd_pcm_hw_params_t* params = nullptr;
    snd_pcm_hw_params_alloca(&params);
    unsigned period = lead.periodMicroseconds;
    unsigned ring = lead.ringMicroseconds;
    int error = snd_pcm_hw_params_any(pcm, params);
    if (error >= 0)
        error = snd_pcm_hw_params_set_rate_resample(pcm, params, 1);
    if (error >= 0)
        error = snd_pcm_hw_params_set_access(pcm, params, SND_PCM_ACCESS_RW_INTERLEAVED);
    if (error >= 0)
        error = snd_pcm_hw_params_set_format(pcm, params, sampleFormat(format));
    if (error >= 0)
        error = snd_pcm_hw_params_set_channels(pcm, params, format.channels);
    if (error >= 0)
        error = snd_pcm_hw_params_set_rate(pcm, params, format.rate, 0);
    if (error >= 0)
        error = snd_pcm_hw_params_set_period_time_near(pcm, params, &period, nullptr);
    if (error >= 0)
        error = snd_pcm_hw_params_set_buffer_time_near(pcm, params, &ring, nullptr);
    if (error >= 0)
        error = snd_pcm_hw_params(pcm, params);
    return error;
}

std::size_t framesIn(unsigned microseconds, const PcmFormat& format)
{
    return std::size_t{format.rate} * microseconds / 1'000'000;
}

} // namespace

std::unique_ptr<IPcmStream> AlsaPcmStream::open(const std::string& device, const PcmFormat& format,
                                                PlaybackFailure& failure, unsigned bufferMicroseconds)
{
    // Resampling allowed: a sound server or card that cannot run at 33 kHz, or at a source's own
    // rate, still plays the sound.
    const SetUpDevice opened = openAndSetUp(device, format, failure, [&](snd_pcm_t* pcm) {
        return snd_pcm_set_params(pcm, sampleFormat(format), SND_PCM_ACCESS_RW_INTERLEAVED, format.channels,
                                  format.rate, 1, bufferMicroseconds);
    });
    if (!opened.pcm)
        return nullptr;
    return std::unique_ptr<IPcmStream>(new AlsaPcmStream(opened.pcm, device, opened.buffer));
}

std::unique_ptr<IPcmStream> AlsaPcmStream::open(const std::string& device, const PcmFormat& format,
                                                PlaybackFailure& failure, const Lead& lead)
{
    const SetUpDevice opened
        = openAndSetUp(device, format, failure, [&](snd_pcm_t* pcm) { return setPeriodAndRing(pcm, format, lead); });
    if (!opened.pcm)
        return nullptr;
    const std::size_t buffer = opened.buffer;
    const std::size_t period = opened.period;
    std::unique_ptr<AlsaPcmStream> stream(new AlsaPcmStream(opened.pcm, device, buffer));
    // A lead of a period at least, and two periods of the ring beyond it to see the device run dry;
    // a ring too short for that is filled whole.
    if (buffer < 3 * period)
        return stream;
    const std::size_t longest = buffer - 2 * period;
    stream->m_periodFrames = period;
    stream->m_leadFrames = std::clamp<std::size_t>(framesIn(lead.firstMicroseconds, format), period, longest);
    stream->m_mostLeadFrames
        = std::clamp<std::size_t>(framesIn(lead.mostMicroseconds, format), stream->m_leadFrames, longest);
    if (const int error = stream->applyLead(); error < 0) {
        failure = {PlaybackFailure::Kind::FormatRefused, device, format, snd_strerror(error)};
        return nullptr;
    }
    return stream;
}

AlsaPcmStream::AlsaPcmStream(snd_pcm_t* pcm, std::string device, std::size_t bufferFrames)
    : m_pcm(pcm)
    , m_device(std::move(device))
    , m_bufferFrames(bufferFrames)
    , m_leadFrames(bufferFrames)
    , m_mostLeadFrames(bufferFrames)
{
}

AlsaPcmStream::~AlsaPcmStream()
{
    snd_pcm_close(m_pcm);
}

long AlsaPcmStream::write(const std::uint8_t* frames, std::size_t count)
{
    snd_pcm_sframes_t written = framesWithinLead(count);
    if (written > 0)
        written = snd_pcm_writei(m_pcm, frames, static_cast<snd_pcm_uframes_t>(written));
    if (written == -EAGAIN)
        return 0;
    if (written >= 0)
        return written;
    // An underrun while the thread was not scheduled is recovered, not a failure; the device has
    // shown that it needs more sound ahead of it.
    if (written == -EPIPE && m_leadFrames < m_mostLeadFrames) {
        m_leadFrames = std::min(m_leadFrames + m_periodFrames, m_mostLeadFrames);
        if (const int error = applyLead(); error < 0)
            return error;
    }
    return snd_pcm_recover(m_pcm, static_cast<int>(written), 1) < 0 ? written : 0;
}

long AlsaPcmStream::framesWithinLead(std::size_t count)
{
    if (m_leadFrames == m_bufferFrames)
        return static_cast<long>(count);
    const snd_pcm_sframes_t room = snd_pcm_avail(m_pcm);
    if (room < 0)
        return room;
    const auto pastLead = static_cast<snd_pcm_sframes_t>(m_bufferFrames - m_leadFrames);
    return std::clamp<snd_pcm_sframes_t>(room - pastLead, 0, static_cast<snd_pcm_sframes_t>(count));
}

int AlsaPcmStream::applyLead()
{
    snd_pcm_sw_params_t* params = nullptr;
    snd_pcm_sw_params_alloca(&params);
    // The device starts once the lead is written, and wakes the writer as soon as a period of the
    // lead has been heard.
    int error = snd_pcm_sw_params_current(m_pcm, params);
    if (error >= 0)
        error = snd_pcm_sw_params_set_start_threshold(m_pcm, params, m_leadFrames);
    if (error >= 0)
        error = snd_pcm_sw_params_set_avail_min(m_pcm, params, m_bufferFrames - m_leadFrames + m_periodFrames);
    if (error >= 0)
        error = snd_pcm_sw_params(m_pcm, params);
    return error;
}

void AlsaPcmStream::waitForRoom(int wakeUp)
{
    const int count = std::max(0, snd_pcm_poll_descriptors_count(m_pcm));
    std::vector<pollfd> descriptors(static_cast<std::size_t>(count) + 1);
    const int filled = std::max(0, snd_pcm_poll_descriptors(m_pcm, descriptors.data(), static_cast<unsigned>(count)));
    descriptors[static_cast<std::size_t>(filled)] = {wakeUp, POLLIN, 0};
    // Only the stream can say whether what woke it means room: a plugin's descriptor (a sound
    // server's, a resampler's) may wake it short of the frames asked for, and a writer woken then
    // would find no room and wait again at once, round and round.
    unsigned short events = 0;
    while (events == 0) {
        if (poll(descriptors.data(), static_cast<nfds_t>(filled) + 1, -1) <= 0
            || descriptors[static_cast<std::size_t>(filled)].revents != 0)
            return;
        if (snd_pcm_poll_descriptors_revents(m_pcm, descriptors.data(), static_cast<unsigned>(filled), &events) < 0)
            return;
    }
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
