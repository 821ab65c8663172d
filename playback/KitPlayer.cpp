#include "playback/KitPlayer.h"

#include "playback/AlsaPcmStream.h"
#include "playback/KitVoices.h"

#include <pthread.h>
#include <sched.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <utility>

namespace {

// Musicians' machines often let their users run threads at a real-time priority (the audio group's
// limits): the mix then never waits behind the window, a library scan or a send. Below the
// kernel's interrupt threads (50), which the sound itself needs. Where it is not allowed the mix
// runs as any thread does.
void askForRealTime()
{
    sched_param priority{};
    priority.sched_priority = 40;
    pthread_setschedparam(pthread_self(), SCHED_FIFO, &priority);
}

} // namespace

KitPlayer::KitPlayer(const std::string& device)
    : KitPlayer([device](const PcmFormat& format, PlaybackFailure& failure) {
        // The ring is long beside the lead, so that a device stepping past the lead runs dry
        // where ALSA sees it, and the lead can grow.
        return AlsaPcmStream::open(device, format, failure,
                                   AlsaPcmStream::Lead{kLeadMicroseconds, kMostLeadMicroseconds,
                                                       kPeriodFrames * 1'000'000 / kMixFormat.rate, 100'000});
    })
{
}

KitPlayer::KitPlayer(PcmStreamOpener open)
    : m_open(std::move(open))
    , m_wakeUp(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC))
    , m_sounds(std::make_shared<const KitSounds>())
{
}

KitPlayer::~KitPlayer()
{
    close();
    if (m_wakeUp >= 0)
        ::close(m_wakeUp);
}

void KitPlayer::setSounds(KitSounds sounds)
{
    auto shared = std::make_shared<const KitSounds>(std::move(sounds));
    const std::lock_guard lock(m_shared);
    m_sounds.swap(shared);
}

void KitPlayer::setChoke(bool choke)
{
    const std::lock_guard lock(m_shared);
    m_choke = choke;
}

PlaybackFailure KitPlayer::open()
{
    const std::lock_guard lock(m_control);
    m_wanted = true;
    return follow();
}

void KitPlayer::close()
{
    const std::lock_guard lock(m_control);
    m_wanted = false;
    follow();
}

void KitPlayer::giveWay()
{
    const std::lock_guard lock(m_control);
    ++m_auditions;
    follow();
}

void KitPlayer::takeBack()
{
    const std::lock_guard lock(m_control);
    if (m_auditions > 0)
        --m_auditions;
    follow();
}

bool KitPlayer::hit(std::size_t pad)
{
    if (pad >= KitSounds::kPads || !m_mixing)
        return false;
    const std::lock_guard lock(m_shared);
    if (m_hitCount < m_hits.size())
        m_hits[m_hitCount++] = static_cast<std::uint8_t>(pad);
    return true;
}

PlaybackFailure KitPlayer::failure() const
{
    const std::lock_guard lock(m_shared);
    return m_failure;
}

PlaybackFailure KitPlayer::follow()
{
    const bool mixing = m_mixer.joinable();
    const bool wanted = m_wanted && m_auditions == 0;
    if (mixing == wanted)
        return {};
    if (!wanted) {
        stopMixing();
        return {};
    }
    PlaybackFailure failure;
    std::unique_ptr<IPcmStream> stream = m_open(kMixFormat, failure);
    {
        const std::lock_guard lock(m_shared);
        m_failure = failure;
        // Hits from before the stream opened are not heard late.
        m_hitCount = 0;
    }
    if (stream)
        startMixing(std::move(stream));
    return failure;
}

void KitPlayer::startMixing(std::unique_ptr<IPcmStream> stream)
{
    m_mixing = true;
    m_mixer = std::thread([this, stream = std::move(stream)] {
        askForRealTime();
        mix(*stream);
        m_mixing = false;
        stream->drop();
        m_sounding = 0;
    });
}

void KitPlayer::stopMixing()
{
    m_mixing = false;
    m_stop = true;
    eventfd_write(m_wakeUp, 1);
    m_mixer.join();
    eventfd_t asked = 0;
    eventfd_read(m_wakeUp, &asked);
    m_stop = false;
}

void KitPlayer::mix(IPcmStream& stream)
{
    // Everything the loop needs is made before it: it copies a pointer and a few bytes per period.
    std::array<std::int16_t, kPeriodFrames> period{};
    std::array<std::uint8_t, kMaxPendingHits> hits{};
    std::shared_ptr<const KitSounds> sounds;
    KitVoices voices;
    while (!m_stop) {
        std::size_t hitCount = 0;
        bool choke = true;
        {
            const std::lock_guard lock(m_shared);
            sounds = m_sounds;
            choke = m_choke;
            hitCount = std::exchange(m_hitCount, 0);
            std::copy_n(m_hits.begin(), hitCount, hits.begin());
        }
        for (std::size_t hit = 0; hit < hitCount; ++hit)
            voices.hit(*sounds, hits[hit], choke);
        voices.render(*sounds, period);
        // Whatever of the period the device has no room for now is mixed again after the wait, with
        // the hits that came meanwhile: a hit is never held back behind frames mixed before it.
        const long written = stream.write(reinterpret_cast<const std::uint8_t*>(period.data()), period.size());
        if (written < 0) {
            const std::lock_guard lock(m_shared);
            m_failure = stream.failure(written);
            return;
        }
        voices.advance(*sounds, static_cast<std::size_t>(written));
        m_sounding.store(voices.sounding(*sounds), std::memory_order_relaxed);
        if (static_cast<std::size_t>(written) < period.size())
            stream.waitForRoom(m_wakeUp);
    }
}
