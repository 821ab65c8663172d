#include "midiio/BankTransmitter.h"

#include "flash/FlashEvent.h"
#include "midiio/MidiDestinations.h"
#include "midiio/SysexChunkPlan.h"
#include "model/IBank.h"

#include <algorithm>
#include <optional>

namespace {

// How often a pause looks whether it was stopped.
constexpr std::uint64_t pollMicroseconds = 300'000;
// How long a wait for a message's completion goes without looking whether it was stopped: a
// signal handler's stop cannot wake it.
constexpr std::uint64_t stopCheckMicroseconds = 100'000;

} // namespace

std::shared_ptr<BankTransmitter> BankTransmitter::createReceiver(MidiContext& system, std::uint16_t source)
{
    return std::make_shared<BankTransmitter>(system, source, -1);
}

std::shared_ptr<BankTransmitter> BankTransmitter::createTransmitter(MidiContext& system, std::uint16_t destination)
{
    return std::make_shared<BankTransmitter>(system, -1, destination);
}

std::shared_ptr<BankTransmitter> BankTransmitter::createTransmitterTo(MidiContext& system,
                                                                      const MidiPortIdentity& device)
{
    const std::optional<std::size_t> index = MidiDestinations::indexOf(system.service(), device);
    if (!index)
        return nullptr;
    auto wrapper = createTransmitter(system, static_cast<std::uint16_t>(*index));
    IMidiService& service = system.service();
    if (!MidiPortIdentity::of(service.endpointNames(wrapper->transmitter()->destination())).answers(device))
        return nullptr;
    return wrapper;
}

BankTransmitter::BankTransmitter(MidiContext& system, std::int32_t inport, std::int32_t outport)
    : m_clock(system.clock())
{
    const MidiRef client = system.sharedClient();
    if (inport >= 0)
        m_receiver = SysexReceiver::withClient(system.service(), m_clock, client, static_cast<std::uint16_t>(inport));
    if (outport >= 0)
        m_transmitter
            = SysexTransmitter::withClient(system.service(), m_clock, client, static_cast<std::uint16_t>(outport));
}

bool BankTransmitter::transmitBank(IBank& bank, std::int32_t channel)
{
    if (!m_transmitter)
        return false;
    return transmitABank(bank, channel);
}

bool BankTransmitter::transmitABank(IBank& bank, std::int32_t channel)
{
    return transmitEvents(bank.createEvents(static_cast<std::uint16_t>(channel)));
}

bool BankTransmitter::transmitEvents(std::span<FlashEvent* const> events)
{
    if (!m_transmitter)
        return false;
    m_touchedDevice.store(false);
    bool sent = true;
    for (const FlashEvent* event : events) {
        if (!pause(event->getOffset())) {
            sent = false;
            break;
        }
        m_touchedDevice.store(true);
        m_transmitter->transmitMessage(event->getData());
        waitForMessage();
        if (m_transmitter->didTransmissionFail() || stopRequested()) {
            sent = false;
            break;
        }
    }
    return sent;
}

bool BankTransmitter::pause(std::uint64_t seconds)
{
    for (std::uint64_t left = seconds * 1'000'000; left > 0;) {
        if (stopRequested())
            return false;
        const std::uint64_t step = std::min(left, pollMicroseconds);
        m_clock.sleepMicroseconds(step);
        left -= step;
    }
    return !stopRequested();
}

void BankTransmitter::waitForMessage()
{
    bool cut = false;
    // The completion wakes the clock: the next pause begins as the message ends.
    while (m_transmitter->isStillTransmitting()) {
        // The service is told from this thread, the one that handed the message over.
        if (stopRequested() && !cut) {
            m_transmitter->cancel();
            cut = true;
        }
        m_clock.sleepUntilWoken(stopCheckMicroseconds);
    }
}

std::int64_t BankTransmitter::estimateSeconds(const std::vector<FlashEvent*>& events, const OutputPacing& pacing)
{
    // 320 µs a byte at the wire rate: whole microseconds, so the sum is exact.
    std::uint64_t total = 0;
    for (const FlashEvent* event : events)
        total += event->getOffset() * 1'000'000 + SysexChunkPlan::wireMicroseconds(event->getSize(), wireBytesPerSecond)
                 + pacing.gapsMicroseconds(event->getSize());
    return static_cast<std::int64_t>(total / 1'000'000 + 1);
}

void BankTransmitter::setPacing(const OutputPacing& pacing)
{
    if (!pacing.valid())
        return;
    m_pacing = pacing;
    if (m_transmitter)
        m_transmitter->setPacing(pacing);
}
