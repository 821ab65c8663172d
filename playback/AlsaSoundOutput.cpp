#include "playback/AlsaSoundOutput.h"

#include "playback/AlsaPcmStream.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <utility>
#include <vector>

AlsaSoundOutput::AlsaSoundOutput(std::string device)
    : AlsaSoundOutput([device = std::move(device)](const PcmFormat& format, PlaybackFailure& failure) {
        return AlsaPcmStream::open(device, format, failure);
    })
{
}

AlsaSoundOutput::AlsaSoundOutput(PcmStreamOpener open)
    : m_open(std::move(open))
    , m_wakeUp(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC))
{
    PlaybackFailure failure;
    if (!m_open(kSlotFormat, failure))
        m_unavailable = failure;
}

AlsaSoundOutput::~AlsaSoundOutput()
{
    AlsaSoundOutput::stop();
    if (m_wakeUp >= 0)
        close(m_wakeUp);
}

PlaybackFailure AlsaSoundOutput::unavailable() const
{
    return m_unavailable;
}

void AlsaSoundOutput::play(std::vector<std::uint8_t> samples, EndHandler onEnd)
{
    start([this, samples = std::move(samples), onEnd = std::move(onEnd)] { run(kSlotFormat, samples, onEnd); });
}

void AlsaSoundOutput::playRun(PcmRun pcm, EndHandler onEnd)
{
    start([this, pcm = std::move(pcm), onEnd = std::move(onEnd)] {
        if (const PlaybackFailure refusal = pcm.refusal()) {
            if (onEnd)
                onEnd(false, refusal);
            return;
        }
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(pcm.samples.data());
        run(pcm.format(), {bytes, pcm.samples.size() * sizeof(std::int16_t)}, onEnd);
    });
}

void AlsaSoundOutput::stop()
{
    const std::lock_guard lock(m_playing);
    endPlay();
}

void AlsaSoundOutput::start(std::function<void()> play)
{
    const std::lock_guard lock(m_playing);
    endPlay();
    m_player = std::thread(std::move(play));
}

void AlsaSoundOutput::endPlay()
{
    if (!m_player.joinable())
        return;
    m_stop = true;
    eventfd_write(m_wakeUp, 1);
    m_player.join();
    eventfd_t asked = 0;
    eventfd_read(m_wakeUp, &asked);
    m_stop = false;
}

void AlsaSoundOutput::run(const PcmFormat& format, std::span<const std::uint8_t> frames, const EndHandler& onEnd)
{
    PlaybackFailure failure;
    bool played = false;
    if (const std::unique_ptr<IPcmStream> stream = m_open(format, failure)) {
        played = feed(*stream, format, frames, failure);
        // The silence after the sound, or whatever a stop leaves unheard.
        stream->drop();
    }
    if (onEnd)
        onEnd(played, failure);
}

bool AlsaSoundOutput::feed(IPcmStream& stream, const PcmFormat& format, std::span<const std::uint8_t> frames,
                           PlaybackFailure& failure)
{
    // A buffer of silence follows the sound and is dropped once the sound's end has been heard:
    // the device never plays frames its buffer held from earlier, and no drain holds the thread.
    const std::size_t silence = stream.bufferFrames();
    const std::vector<std::uint8_t> silentFrames(silence * format.frameBytes(), format.silence());
    if (!write(stream, format.frameBytes(), frames, failure)
        || !write(stream, format.frameBytes(), silentFrames, failure))
        return false;
    while (!m_stop) {
        const long queued = stream.queued();
        if (queued < 0) {
            failure = stream.failure(queued);
            return false;
        }
        if (static_cast<std::size_t>(queued) <= silence)
            return true;
        // Until the sound's end should have been heard, or a stop.
        pollfd wakeUp{m_wakeUp, POLLIN, 0};
        poll(&wakeUp, 1, static_cast<int>((static_cast<std::size_t>(queued) - silence) * 1000 / format.rate) + 1);
    }
    return false;
}

bool AlsaSoundOutput::write(IPcmStream& stream, std::size_t frameBytes, std::span<const std::uint8_t> frames,
                            PlaybackFailure& failure)
{
    const std::size_t count = frames.size() / frameBytes;
    for (std::size_t done = 0; done < count;) {
        if (m_stop)
            return false;
        const long written = stream.write(frames.data() + done * frameBytes, count - done);
        if (written < 0) {
            failure = stream.failure(written);
            return false;
        }
        if (written == 0)
            stream.waitForRoom(m_wakeUp);
        done += static_cast<std::size_t>(written);
    }
    return true;
}
