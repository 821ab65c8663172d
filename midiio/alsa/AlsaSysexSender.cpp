#include "midiio/alsa/AlsaSysexSender.h"

#include "midiio/SysexChunkPlan.h"
#include "midiio/alsa/AlsaAddress.h"

#include <alsa/asoundlib.h>

#include <algorithm>
#include <tuple>

namespace {

// How often the wait for a message's last bytes looks whether the destination is still there.
constexpr auto watchInterval = std::chrono::milliseconds(100);

} // namespace

AlsaSysexSender::AlsaSysexSender(Sequencer sequencer, std::uint64_t wireBytesPerSecond)
    : m_sequencer(std::move(sequencer))
    , m_wireBytesPerSecond(wireBytesPerSecond)
    , m_thread([this] { sendLoop(); })
{
}

AlsaSysexSender::~AlsaSysexSender()
{
    {
        std::lock_guard lock(m_queueMutex);
        m_stopping = true;
    }
    m_queueChanged.notify_all();
    m_thread.join();
}

void AlsaSysexSender::drain(Clock::duration longest)
{
    std::unique_lock lock(m_queueMutex);
    m_queueChanged.wait(lock, [this] { return m_queue.empty(); });
    Clock::time_point drained;
    {
        std::lock_guard seqLock(m_sequencer.mutex);
        drained = std::min(m_sequencer.wireFreeAt, Clock::now() + longest);
    }
    m_queueChanged.wait_until(lock, drained, [this] { return m_stopping; });
}

void AlsaSysexSender::portEnded()
{
    {
        std::lock_guard lock(m_queueMutex);
        ++m_portsEnded;
    }
    m_queueChanged.notify_all();
}

void AlsaSysexSender::send(const SysexSendRequest& request)
{
    {
        std::lock_guard lock(m_queueMutex);
        m_queue.emplace_back(request, m_generation);
    }
    m_queueChanged.notify_all();
}

void AlsaSysexSender::cancel()
{
    {
        std::lock_guard lock(m_queueMutex);
        ++m_generation;
    }
    m_queueChanged.notify_all();
}

void AlsaSysexSender::sendLoop()
{
    for (;;) {
        SysexSendRequest request;
        std::uint64_t generation;
        {
            std::unique_lock lock(m_queueMutex);
            m_queueChanged.wait(lock, [this] { return m_stopping || !m_queue.empty(); });
            if (m_queue.empty())
                return;
            std::tie(request, generation) = m_queue.front();
        }
        const bool sent = sendOne(request, generation);
        if (request.completion)
            request.completion(sent);
        {
            std::lock_guard lock(m_queueMutex);
            m_queue.pop_front();
        }
        m_queueChanged.notify_all();
    }
}

bool AlsaSysexSender::waitUntil(Clock::time_point when, std::uint64_t generation, MidiRef destination)
{
    std::unique_lock lock(m_queueMutex);
    for (;;) {
        const std::uint64_t portsEnded = m_portsEnded;
        const bool woken = m_queueChanged.wait_until(
            lock, when, [&] { return m_stopping || m_generation != generation || m_portsEnded != portsEnded; });
        if (!woken)
            return true;
        if (m_stopping || m_generation != generation)
            return false;
        // Some port ended: carry on only if it was not this message's destination.
        lock.unlock();
        const bool present = portExists(destination);
        lock.lock();
        if (!present)
            return false;
    }
}

bool AlsaSysexSender::portExists(MidiRef endpoint)
{
    std::lock_guard lock(m_sequencer.mutex);
    snd_seq_port_info_t* port;
    snd_seq_port_info_alloca(&port);
    return snd_seq_get_any_port_info(m_sequencer.seq, AlsaAddress::clientOf(endpoint), AlsaAddress::portOf(endpoint),
                                     port)
           >= 0;
}

bool AlsaSysexSender::sendOne(const SysexSendRequest& request, std::uint64_t generation)
{
    if (!m_sequencer.seq || request.destination == 0 || !request.data || request.bytesToSend == 0)
        return false;
    {
        std::lock_guard lock(m_queueMutex);
        if (m_generation != generation)
            return false;
    }
    const SysexChunkPlan plan(request.bytesToSend, m_wireBytesPerSecond, request.pacing);
    int port;
    Clock::time_point start;
    {
        std::lock_guard lock(m_sequencer.mutex);
        port = m_sequencer.subscribedPort(request.destination);
        if (port < 0)
            return false;
        start = std::max(m_sequencer.wireFreeAt, Clock::now());
        // Claimed at once, so that short messages sent meanwhile queue behind this one.
        m_sequencer.wireFreeAt = start + std::chrono::microseconds(plan.completionMicroseconds());
    }
    std::size_t handedOver = 0;
    if (sendChunks(request, generation, port, start, handedOver))
        return true;
    // What never reached the kernel takes no wire time: give it back, so that the next message
    // and the closing wait only for the bytes really on their way.
    const std::uint64_t unused = plan.completionMicroseconds() - plan.takenMicroseconds(handedOver);
    std::lock_guard lock(m_sequencer.mutex);
    m_sequencer.wireFreeAt = std::max(Clock::now(), m_sequencer.wireFreeAt - std::chrono::microseconds(unused));
    return false;
}

bool AlsaSysexSender::sendChunks(const SysexSendRequest& request, std::uint64_t generation, int port,
                                 Clock::time_point start, std::size_t& handedOver)
{
    const MidiRef destination = request.destination;
    const SysexChunkPlan plan(request.bytesToSend, m_wireBytesPerSecond, request.pacing);
    for (const SysexChunkPlan::Chunk& chunk : plan.chunks()) {
        if (!waitUntil(start + std::chrono::microseconds(chunk.dueMicroseconds), generation, destination))
            return false;
        std::lock_guard lock(m_sequencer.mutex);
        snd_seq_event_t event;
        snd_seq_ev_clear(&event);
        snd_seq_ev_set_source(&event, port);
        snd_seq_ev_set_dest(&event, AlsaAddress::clientOf(destination), AlsaAddress::portOf(destination));
        snd_seq_ev_set_direct(&event);
        snd_seq_ev_set_sysex(&event, chunk.length, const_cast<std::uint8_t*>(request.data + chunk.offset));
        if (snd_seq_event_output_direct(m_sequencer.seq, &event) < 0)
            return false;
        handedOver = chunk.offset + chunk.length;
    }
    // The kernel cannot tell when the last byte has left: watch the destination until it must have.
    const Clock::time_point done = start + std::chrono::microseconds(plan.completionMicroseconds());
    for (Clock::time_point next = Clock::now(); next < done;) {
        next = std::min(done, next + watchInterval);
        if (!waitUntil(next, generation, destination) || !portExists(destination))
            return false;
    }
    return portExists(destination);
}
