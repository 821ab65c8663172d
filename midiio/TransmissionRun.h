#pragma once

#include "midiio/OutputPacing.h"
#include "midiio/RowBank.h"
#include "midiio/TransmissionAccount.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class FlashEvent;
class DeviceContents;
class DeviceRecord;
class IBank;
class IClock;
class BankTransmitter;

// One transmission of banks to the device through one wrapper, as the editor's worker and `zylox
// send` run it: the banks in the order given, each blocking until sent, stopping at the first that
// fails or when stopped. It keeps the account of what the device now holds, the progress and time
// left over the whole transmission, and the device record, if there is one: a bank is unknown
// there from the moment it starts until it has arrived completely, and is not sent at all when
// the record cannot say so. Each block that arrives completely is also kept as a copy beside the
// record; a record or copy that cannot be written then leaves that block unknown there but stops
// no send, and the account names the first such failure.
//
// Threads: run blocks the calling thread; stop, percent and secondsLeft may be called from any
// other thread meanwhile; the account is the caller's once run has returned.
class TransmissionRun {
public:
    // Called on run's thread as each bank begins.
    using BankStarted = std::function<void(std::size_t row, const std::string& name)>;

    TransmissionRun(BankTransmitter& wrapper, IClock& clock, std::int32_t channel, DeviceRecord* record = nullptr);
    ~TransmissionRun();

    // The seconds a transmission of these banks is estimated to take at this pacing.
    static std::int64_t estimateSeconds(const std::vector<RowBank>& banks, std::int32_t channel,
                                        const OutputPacing& pacing = {});
    // "54 min 12 s", "1 h 2 min", "42 s".
    static Text duration(std::int64_t seconds);
    static std::string durationText(std::int64_t seconds) { return duration(seconds).english(); }

    TransmissionAccount::End run(const std::vector<RowBank>& banks, const BankStarted& started = {});
    // Ends the transmission within a second; the bank on its way becomes incomplete if it had begun.
    void stop();

    // Percent of the whole estimate done, at most 100, and the estimated seconds left, at least 0.
    std::uint64_t percent() const;
    std::int64_t secondsLeft() const;

    const TransmissionAccount& account() const { return m_account; }

private:
    // The events of the bank's chosen blocks, in dump order.
    static std::vector<FlashEvent*> chosenEvents(const RowBank& bank, std::int32_t channel);
    // Sends the bank's chosen blocks one after the other; how the run ended when one was not sent.
    // The bank is announced once its first block may go.
    std::optional<TransmissionAccount::End> sendBlocks(const RowBank& bank, const BankStarted& started);
    // Keeps a block that arrived completely in the record and its copy, accounting for a failure.
    void keep(std::size_t block, std::uint64_t fingerprint, const FlashEvent& erase, const FlashEvent& write,
              const IBank& bank);
    // Accounts for the block that was not sent (cut, if the device was touched) and those after it.
    TransmissionAccount::End ended(const RowBlocks& rest, BankBlock cut, TransmissionAccount::End end);
    // Ends the run with the banks from next on not sent.
    TransmissionAccount::End endBefore(std::size_t next, const std::vector<RowBank>& banks,
                                       TransmissionAccount::End end);

    BankTransmitter& m_wrapper;
    IClock& m_clock;
    const std::int32_t m_channel;
    DeviceRecord* const m_record;
    // The copy of what the device holds, kept beside the record.
    std::unique_ptr<DeviceContents> m_contents;
    TransmissionAccount m_account;

    std::atomic<std::int64_t> m_total{1};
    // Estimates of the banks done, and of the bank on its way with the time it began.
    std::atomic<std::int64_t> m_done{0};
    std::atomic<std::int64_t> m_current{0};
    std::atomic<std::int64_t> m_currentBegan{0};
};
