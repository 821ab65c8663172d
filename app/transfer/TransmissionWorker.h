#pragma once

#include "midiio/TransmissionRun.h"
#include "midiio/record/DeviceRecord.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

class WorkingBanks;
class IBank;
class QObject;
class SenderLock;
class BankTransmitter;

// One transmission under way: sends its own copies of banks, one after the other, through a MIDI
// interface on a thread of its own, so that the window stays responsive and the user may go on
// editing the working banks. It holds the device's sender lock until it is destroyed. It reports
// back only by queued calls that run on the thread of `receiver`; stop and the progress may be
// asked from that thread meanwhile.
class TransmissionWorker {
public:
    using StatusHandler = std::function<void(const std::string& bankName)>;
    // The account of what the device now holds; the worker's thread has ended when it runs.
    using EndHandler = std::function<void(const TransmissionAccount& account)>;

    // The worker sends the chosen blocks of copies of the banks of rows, made here on the caller's thread.
    TransmissionWorker(QObject& receiver, std::unique_ptr<SenderLock> lock, std::shared_ptr<BankTransmitter> midi,
                       const std::vector<RowBlocks>& rows, const WorkingBanks& banks, std::uint32_t channel,
                       DeviceRecord record, StatusHandler onBankStarted, EndHandler onEnded);
    // Waits for the thread, which ends within a second of a stop.
    ~TransmissionWorker();
    TransmissionWorker(const TransmissionWorker&) = delete;
    TransmissionWorker& operator=(const TransmissionWorker&) = delete;

    void stop() { m_run.stop(); }
    // Waits for the thread and gives the account, for a caller that cannot wait for the queued end.
    const TransmissionAccount& finish();
    std::uint64_t percent() const { return m_run.percent(); }
    std::int64_t secondsLeft() const { return m_run.secondsLeft(); }

private:
    std::vector<RowBank> copies(const std::vector<RowBlocks>& rows, const WorkingBanks& banks);
    void work();

    QObject& m_receiver;
    const std::unique_ptr<SenderLock> m_lock;
    std::shared_ptr<BankTransmitter> m_midi;
    // Declared before m_banks, which points into it.
    std::vector<std::unique_ptr<IBank>> m_copies;
    std::vector<RowBank> m_banks;
    DeviceRecord m_record;
    TransmissionRun m_run;
    const StatusHandler m_onBankStarted;
    const EndHandler m_onEnded;
    std::thread m_thread;
};
