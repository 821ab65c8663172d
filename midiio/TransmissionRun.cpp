#include "midiio/TransmissionRun.h"

#include "midiio/DeviceRecord.h"
#include "midiio/IClock.h"
#include "midiio/WrapperZQMidiInterface.h"
#include "model/IBank.h"

#include <algorithm>
#include <optional>

TransmissionRun::TransmissionRun(WrapperZQMidiInterface& wrapper, IClock& clock, std::int32_t channel,
                                 DeviceRecord* record)
    : m_wrapper(wrapper), m_clock(clock), m_channel(channel), m_record(record)
{
}

std::int64_t TransmissionRun::estimateSeconds(const std::vector<RowBank>& banks, std::int32_t channel)
{
    std::int64_t total = 0;
    for (const RowBank& bank : banks)
        total += WrapperZQMidiInterface::estimateSeconds(bank.bank->createEvents(static_cast<std::uint16_t>(channel)));
    return total;
}

std::string TransmissionRun::durationText(std::int64_t seconds)
{
    seconds = std::max<std::int64_t>(seconds, 0);
    if (seconds >= 3600)
        return std::to_string(seconds / 3600) + " h " + std::to_string(seconds % 3600 / 60) + " min";
    if (seconds >= 60)
        return std::to_string(seconds / 60) + " min " + std::to_string(seconds % 60) + " s";
    return std::to_string(seconds) + " s";
}

TransmissionAccount::End TransmissionRun::run(const std::vector<RowBank>& banks, const BankStarted& started)
{
    m_account = {};
    m_total.store(std::max<std::int64_t>(1, estimateSeconds(banks, m_channel)));
    m_done.store(0);
    for (std::size_t next = 0; next < banks.size(); ++next) {
        const RowBank& bank = banks[next];
        if (m_wrapper.stopRequested())
            return endBefore(next, banks, TransmissionAccount::End::Stopped);
        m_account.notSentBecause = bank.bank->sendRefusal();
        if (!m_account.notSentBecause.empty())
            return endBefore(next, banks, TransmissionAccount::End::Failed);
        const std::uint64_t fingerprint = DeviceRecord::fingerprint(*bank.bank, static_cast<std::uint16_t>(m_channel));
        // Unknown before the first byte goes, so that a program killed meanwhile leaves it so. Where
        // that cannot be written the bank stays unsent: the record would go on calling it unchanged
        // after a stop had left it half-erased.
        const std::optional<std::uint64_t> before = m_record ? m_record->at(bank.row) : std::nullopt;
        if (m_record && !m_record->forget(bank.row)) {
            m_account.notSentBecause = m_record->failure();
            return endBefore(next, banks, TransmissionAccount::End::Failed);
        }
        if (started)
            started(bank.row, bank.bank->getName());
        m_current.store(WrapperZQMidiInterface::estimateSeconds(bank.bank->createEvents(static_cast<std::uint16_t>(m_channel))));
        m_currentBegan.store(m_clock.calendarSeconds());
        const bool sent = m_wrapper.transmitBank(*bank.bank, m_channel);
        m_done.fetch_add(m_current.exchange(0));
        if (sent) {
            m_account.complete.push_back(bank.row);
            if (m_record)
                m_record->remember(bank.row, fingerprint);
            continue;
        }
        m_account.end = m_wrapper.stopRequested() ? TransmissionAccount::End::Stopped : TransmissionAccount::End::Failed;
        if (m_wrapper.touchedDevice()) {
            m_account.incomplete = bank.row;
        } else {
            m_account.notSent.push_back(bank.row);
            if (m_record)
                m_record->restore(bank.row, before);
        }
        return endBefore(next + 1, banks, m_account.end);
    }
    m_account.end = TransmissionAccount::End::Sent;
    return m_account.end;
}

TransmissionAccount::End TransmissionRun::endBefore(std::size_t next, const std::vector<RowBank>& banks,
                                                    TransmissionAccount::End end)
{
    for (std::size_t rest = next; rest < banks.size(); ++rest)
        m_account.notSent.push_back(banks[rest].row);
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
    const std::int64_t elapsed = std::clamp<std::int64_t>(m_clock.calendarSeconds() - m_currentBegan.load(), 0, current);
    return std::max<std::int64_t>(0, m_total.load() - m_done.load() - elapsed);
}

std::uint64_t TransmissionRun::percent() const
{
    const std::int64_t total = m_total.load();
    return static_cast<std::uint64_t>(std::clamp<std::int64_t>((total - secondsLeft()) * 100 / total, 0, 100));
}
