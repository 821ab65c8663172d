#pragma once

#include "app/common/IDialogs.h"
#include "app/transfer/SendChoice.h"
#include "midiio/MidiPortIdentity.h"
#include "midiio/RowBank.h"

#include <QObject>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class OutputList;
class WorkingBanks;
class TransmissionWorker;
class DeviceRecord;
class IBank;
class QProgressBar;
class QTimer;
class SenderLock;
class MidiContext;
struct TransmissionAccount;

// The editor's transmission room: the questions before a send (SendChoice), the worker that sends, Stop, the progress
// with the time left for the whole transmission, and the account of what the device holds when a transmission fails or
// is stopped. It alone shows the progress bar. UI thread only.
class Transmission : public QObject {
    Q_OBJECT
public:
    Transmission(IDialogs& dialogs, MidiContext& midiSystem, OutputList& outputs, QProgressBar& progress,
                 const WorkingBanks& banks, QObject* parent = nullptr);
    ~Transmission() override;

    // From a send that started until ended() is emitted, the alerts that tell its end included.
    bool isSending() const { return m_worker != nullptr || m_ending; }
    // Sends one row, or with allBanks all 32 after asking which; false when nothing was started.
    bool send(std::size_t row, bool allBanks, std::uint32_t channel);
    void stop();
    // For closing the window during a send: asks whether to stop and quit; on yes, stops, tells
    // what the device holds and returns true.
    bool stopForQuit();

signals:
    // What the transmission is doing or did, or why it did not begin, for the status line.
    void status(const QString& text);
    void ended();

private:
    void start(const std::vector<RowBlocks>& rows, std::uint32_t channel, bool allBanks, DeviceRecord record,
               std::unique_ptr<SenderLock> lock);
    void transmissionEnded(const TransmissionAccount& account);
    // Shows the progress and the time left, and waits for the next tick while sending.
    void tick();
    void showProgressFromZero();
    void finish();
    // The status line at a transmission's end: what was sent, to which output, in how long.
    QString endLine(const TransmissionAccount& account) const;
    // Tells why nothing was sent, in an alert and the status line.
    void refuse(const QString& message);

    IDialogs& m_dialogs;
    MidiContext& m_midiSystem;
    OutputList& m_outputs;
    QProgressBar& m_progress;
    QTimer* m_ticks = nullptr;
    SendChoice m_choice;
    // What a send takes copies of, as the banks are when it begins.
    const WorkingBanks& m_banks;
    std::unique_ptr<TransmissionWorker> m_worker;
    bool m_ending = false; // the worker has finished and its end is being told
    bool m_allBanks = false;
    // The device the transmission under way goes to.
    MidiPortIdentity m_sendingTo;
    // The rows of the transmission under way, and when it began (the transport clock's seconds).
    std::vector<RowBlocks> m_rows;
    std::int64_t m_startedAt = 0;
    // The rows an all-banks transmission to this output left unfinished, to offer next time.
    MidiPortIdentity m_unfinishedOutput;
    std::vector<RowBlocks> m_unfinished;
};
