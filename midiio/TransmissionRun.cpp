#include "midiio/TransmissionRun.h"

#include "flash/FlashEvent.h"
#include "midiio/BankBlocks.h"
#include "midiio/BankTransmitter.h"
#include "midiio/IClock.h"
#include "midiio/record/DeviceContents.h"
#include "midiio/record/DeviceRecord.h"
#include "model/IBank.h"

#include <algorithm>
#include <array>
#include <optional>
#include <span>

TransmissionRun::TransmissionRun(BankTransmitter& wrapper, IClock& clock, std::int32_t channel, DeviceRecord* record)
    : m_wrapper(wrapper)
    , m_clock(clock)
    , m_channel(channel)
    , m_record(record)
    , m_contents(record ? std::make_unique<DeviceContents>(*record) : nullptr)
{
}

TransmissionRun::~TransmissionRun() = default;

std::vector<FlashEvent*> TransmissionRun::chosenEvents(const RowBank& bank, std::int32_t channel)
{
    const std::vector<FlashEvent*>& events = bank.bank->createEvents(static_cast<std::uint16_t>(channel));
    std::vector<FlashEvent*> chosen;
    for (std::size_t i = 0; i < events.size(); ++i)
        if ((bank.blocks & (i < 2 ? kFirstBlock : kSecondBlock)) != 0)
            chosen.push_back(events[i]);
    return chosen;
}

std::int64_t TransmissionRun::estimateSeconds(const std::vector<RowBank>& banks, std::int32_t channel,
                                              const OutputPacing& pacing)
{
    std::int64_t total = 0;
    for (const RowBank& bank : banks)
        total += BankTransmitter::estimateSeconds(chosenEvents(bank, channel), pacing);
    return total;
}

Text TransmissionRun::duration(std::int64_t seconds)
{
    seconds = std::max<std::int64_t>(seconds, 0);
    if (seconds >= 3600)
        return {ZYLOX_TR("TransmissionRun", "%1 h %2 min"),
                {TextArgument::number(seconds / 3600), TextArgument::number(seconds % 3600 / 60)}};
    if (seconds >= 60)
        return {ZYLOX_TR("TransmissionRun", "%1 min %2 s"),
                {TextArgument::number(seconds / 60), TextArgument::number(seconds % 60)}};
    return {ZYLOX_TR("TransmissionRun", "%1 s"), {TextArgument::number(seconds)}};
}

TransmissionAccount::End TransmissionRun::run(const std::vector<RowBank>& banks, const BankStarted& started)
{
    m_account = {};
    m_total.store(std::max<std::int64_t>(1, estimateSeconds(banks, m_channel, m_wrapper.pacing())));
    m_done.store(0);
    for (std::size_t next = 0; next < banks.size(); ++next) {
        const RowBank& bank = banks[next];
        if (m_wrapper.stopRequested())
            return endBefore(next, banks, TransmissionAccount::End::Stopped);
        m_account.refused = bank.bank->sendRefusal();
        if (m_account.refused)
            return endBefore(next, banks, TransmissionAccount::End::Failed);
        const std::optional<TransmissionAccount::End> end = sendBlocks(bank, started);
        m_done.fetch_add(m_current.exchange(0));
        if (!end) {
            m_account.complete.push_back(bank.row);
            continue;
        }
        return endBefore(next + 1, banks, *end);
    }
    m_account.end = TransmissionAccount::End::Sent;
    return m_account.end;
}

std::optional<TransmissionAccount::End> TransmissionRun::sendBlocks(const RowBank& bank, const BankStarted& started)
{
    bool begun = false;
    const auto channel = static_cast<std::uint16_t>(m_channel);
    const std::array<std::uint64_t, 2> fingerprints = DeviceRecord::blockFingerprints(*bank.bank, channel);
    const std::vector<FlashEvent*>& events = bank.bank->createEvents(channel);
    for (const BankBlock which : {kFirstBlock, kSecondBlock}) {
        if ((bank.blocks & which) == 0)
            continue;
        const std::size_t block = bankblocks::number(bank.row, which);
        // This block and what was to follow it in this bank.
        const RowBlocks rest{bank.row, bank.blocks & (which == kFirstBlock ? kBothBlocks : kSecondBlock)};
        if (m_wrapper.stopRequested())
            return ended(rest, kNoBlock, TransmissionAccount::End::Stopped);
        // Unknown before the first byte goes, so that a program killed meanwhile leaves it so. Where
        // that cannot be written the block stays unsent: the record would go on calling it unchanged
        // after a stop had left it half-erased.
        const DeviceRecord::RowKnowledge before = m_record ? m_record->known(bank.row) : DeviceRecord::RowKnowledge{};
        if (m_record && !m_record->forget(block)) {
            m_account.unrecorded = m_record->failure();
            return ended(rest, kNoBlock, TransmissionAccount::End::Failed);
        }
        if (!begun) {
            begun = true;
            if (started)
                started(bank.row, bank.bank->getName());
            m_current.store(BankTransmitter::estimateSeconds(chosenEvents(bank, m_channel), m_wrapper.pacing()));
            m_currentBegan.store(m_clock.calendarSeconds());
        }
        const std::size_t first = which == kFirstBlock ? 0 : 2;
        if (m_wrapper.transmitEvents(std::span<FlashEvent* const>(events).subspan(first, 2))) {
            if (m_record)
                keep(block, fingerprints[which == kFirstBlock ? 0 : 1], *events[first], *events[first + 1], *bank.bank);
            continue;
        }
        const TransmissionAccount::End end
            = m_wrapper.stopRequested() ? TransmissionAccount::End::Stopped : TransmissionAccount::End::Failed;
        if (m_wrapper.touchedDevice())
            return ended(rest, which, end);
        if (m_record)
            m_record->restore(bank.row, before);
        return ended(rest, kNoBlock, end);
    }
    return std::nullopt;
}

void TransmissionRun::keep(std::size_t block, std::uint64_t fingerprint, const FlashEvent& erase,
                           const FlashEvent& write, const IBank& bank)
{
    // The copy vouches only for what the record does.
    const bool recorded = m_record->remember(block, fingerprint);
    const bool copied = recorded && m_contents->keep(block, erase, write, bank);
    if (!copied && !m_account.unkept)
        m_account.unkept = recorded ? m_contents->failure() : m_record->failure();
}

TransmissionAccount::End TransmissionRun::ended(const RowBlocks& rest, BankBlock cut, TransmissionAccount::End end)
{
    if (cut != kNoBlock) {
        m_account.incomplete = rest.row;
        m_account.incompleteBlock = cut;
    } else {
        m_account.notSent.push_back(rest.row);
    }
    m_account.left.push_back(rest);
    m_account.end = end;
    return end;
}

TransmissionAccount::End TransmissionRun::endBefore(std::size_t next, const std::vector<RowBank>& banks,
                                                    TransmissionAccount::End end)
{
    for (std::size_t rest = next; rest < banks.size(); ++rest) {
        m_account.notSent.push_back(banks[rest].row);
        m_account.left.push_back({banks[rest].row, banks[rest].blocks});
    }
    m_account.end = end;
    return end;
}

void TransmissionRun::stop()
{
    m_wrapper.stop();
}

std::int64_t TransmissionRun::secondsLeft() const
{
    const std::int64_t current = m_current.load();
    const std::int64_t elapsed
        = std::clamp<std::int64_t>(m_clock.calendarSeconds() - m_currentBegan.load(), 0, current);
    return std::max<std::int64_t>(0, m_total.load() - m_done.load() - elapsed);
}

std::uint64_t TransmissionRun::percent() const
{
    const std::int64_t total = m_total.load();
    return static_cast<std::uint64_t>(std::clamp<std::int64_t>((total - secondsLeft()) * 100 / total, 0, 100));
}
