#include "app/transfer/CTransmissionWorker.h"

#include "app/document/CWorkingBanks.h"
#include "midiio/BankTransmitter.h"
#include "midiio/SenderLock.h"
#include "model/IBank.h"

#include <QMetaObject>
#include <QObject>

CTransmissionWorker::CTransmissionWorker(QObject& receiver, std::unique_ptr<SenderLock> lock,
                                         std::shared_ptr<BankTransmitter> midi, const std::vector<RowBlocks>& rows,
                                         const CWorkingBanks& banks, std::uint32_t channel, DeviceRecord record,
                                         StatusHandler onBankStarted, EndHandler onEnded)
    : m_receiver(receiver)
    , m_lock(std::move(lock))
    , m_midi(std::move(midi))
    , m_banks(copies(rows, banks))
    , m_record(std::move(record))
    , m_run(*m_midi, m_midi->clock(), static_cast<std::int32_t>(channel), &m_record)
    , m_onBankStarted(std::move(onBankStarted))
    , m_onEnded(std::move(onEnded))
    , m_thread(&CTransmissionWorker::work, this)
{
}

std::vector<RowBank> CTransmissionWorker::copies(const std::vector<RowBlocks>& rows, const CWorkingBanks& banks)
{
    std::vector<RowBank> copies;
    for (const RowBlocks& row : rows)
        copies.push_back({row.row, m_copies.emplace_back(banks.bank(row.row).clone()).get(), row.blocks});
    return copies;
}

CTransmissionWorker::~CTransmissionWorker()
{
    if (m_thread.joinable())
        m_thread.join();
}

const TransmissionAccount& CTransmissionWorker::finish()
{
    if (m_thread.joinable())
        m_thread.join();
    return m_run.account();
}

void CTransmissionWorker::work()
{
    m_run.run(m_banks, [this](std::size_t, const std::string& name) {
        QMetaObject::invokeMethod(
            &m_receiver, [onBankStarted = m_onBankStarted, name] { onBankStarted(name); }, Qt::QueuedConnection);
    });
    QMetaObject::invokeMethod(
        &m_receiver, [onEnded = m_onEnded, account = m_run.account()] { onEnded(account); }, Qt::QueuedConnection);
}
