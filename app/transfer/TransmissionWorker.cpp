#include "app/transfer/TransmissionWorker.h"

#include "app/document/WorkingBanks.h"
#include "midiio/BankTransmitter.h"
#include "midiio/record/SenderLock.h"
#include "model/IBank.h"

#include <QMetaObject>
#include <QObject>

TransmissionWorker::TransmissionWorker(QObject& receiver, std::unique_ptr<SenderLock> lock,
                                       std::shared_ptr<BankTransmitter> midi, const std::vector<RowBlocks>& rows,
                                       const WorkingBanks& banks, std::uint32_t channel, DeviceRecord record,
                                       StatusHandler onBankStarted, EndHandler onEnded)
    : m_receiver(receiver)
    , m_lock(std::move(lock))
    , m_midi(std::move(midi))
    , m_banks(copies(rows, banks))
    , m_record(std::move(record))
    , m_run(*m_midi, m_midi->clock(), static_cast<std::int32_t>(channel), &m_record)
    , m_onBankStarted(std::move(onBankStarted))
    , m_onEnded(std::move(onEnded))
    , m_thread(&TransmissionWorker::work, this)
{
}

std::vector<RowBank> TransmissionWorker::copies(const std::vector<RowBlocks>& rows, const WorkingBanks& banks)
{
    std::vector<RowBank> copies;
    for (const RowBlocks& row : rows)
        copies.push_back({row.row, m_copies.emplace_back(banks.bank(row.row).clone()).get(), row.blocks});
    return copies;
}

TransmissionWorker::~TransmissionWorker()
{
    if (m_thread.joinable())
        m_thread.join();
}

const TransmissionAccount& TransmissionWorker::finish()
{
    if (m_thread.joinable())
        m_thread.join();
    return m_run.account();
}

void TransmissionWorker::work()
{
    m_run.run(m_banks, [this](std::size_t, const std::string& name) {
        QMetaObject::invokeMethod(
            &m_receiver, [onBankStarted = m_onBankStarted, name] { onBankStarted(name); }, Qt::QueuedConnection);
    });
    QMetaObject::invokeMethod(
        &m_receiver, [onEnded = m_onEnded, account = m_run.account()] { onEnded(account); }, Qt::QueuedConnection);
}
