#include "playback/AlsaSoundOutput.h"

#include "playback/AlsaPcmStream.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <utility>

namespace {

constexpr std::uint8_t kSilence = 0x80;

} // namespace

AlsaSoundOutput::AlsaSoundOutput(std::string device)
    : AlsaSoundOutput([device = std::move(device)](std::string& failure) { return AlsaPcmStream::open(device, failure); })
{
}

AlsaSoundOutput::AlsaSoundOutput(PcmStreamOpener open)
    : m_open(std::move(open))
    , m_wakeUp(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC))
{
    std::string failure;
    if (!m_open(failure))
        m_unavailableReason = "No sound output: " + failure;
}

AlsaSoundOutput::~AlsaSoundOutput()
{
    stop();
    if (m_wakeUp >= 0)
        close(m_wakeUp);
}

std::string AlsaSoundOutput::unavailableReason() const
{
    return m_unavailableReason;
}

void AlsaSoundOutput::play(std::vector<std::uint8_t> samples, EndHandler onEnd)
{
    const std::lock_guard lock(m_playing);
    endPlay();
    m_player = std::thread([this, samples = std::move(samples), onEnd = std::move(onEnd)]() mutable {
        run(std::move(samples), onEnd);
    });
}

void AlsaSoundOutput::stop()
{
    const std::lock_guard lock(m_playing);
    endPlay();
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

void AlsaSoundOutput::run(std::vector<std::uint8_t> samples, const EndHandler& onEnd)
{
    std::string failure;
    bool played = false;
    if (const std::unique_ptr<IPcmStream> stream = m_open(failure)) {
        played = feed(*stream, samples, failure);
        // The silence after the sound, or whatever a stop leaves unheard.
        stream->drop();
    }
    if (onEnd)
        onEnd(played, failure);
}

bool AlsaSoundOutput::feed(IPcmStream& stream, std::vector<std::uint8_t>& samples, std::string& failure)
{
    // A buffer of silence follows the sound and is dropped once the sound's end has been heard:
    // the device never plays frames its buffer held from earlier, and no drain holds the thread.
    const std::size_t silence = stream.bufferFrames();
    samples.insert(samples.end(), silence, kSilence);
    for (std::size_t done = 0; done < samples.size();) {
        if (m_stop)
            return false;
        const long written = stream.write(samples.data() + done, samples.size() - done);
        if (written < 0) {
            failure = stream.describe(written);
            return false;
        }
        if (written == 0)
            stream.waitForRoom(m_wakeUp);
        done += static_cast<std::size_t>(written);
    }
    while (!m_stop) {
        const long queued = stream.queued();
        if (queued < 0) {
            failure = stream.describe(queued);
            return false;
        }
        if (static_cast<std::size_t>(queued) <= silence)
            return true;
        // Until the sound's end should have been heard, or a stop.
        pollfd wakeUp{m_wakeUp, POLLIN, 0};
        poll(&wakeUp, 1, static_cast<int>((static_cast<std::size_t>(queued) - silence) * 1000 / kSampleRate) + 1);
    }
    return false;
}
