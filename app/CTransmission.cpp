#include "app/CTransmission.h"

#include "midiio/WrapperZQMidiInterface.h"
#include "model/IBank.h"

#include <QMetaObject>
#include <QObject>

CTransmission::CTransmission(QObject& receiver, std::shared_ptr<WrapperZQMidiInterface> midi,
                             std::vector<std::unique_ptr<IBank>> banks, std::uint32_t channel,
                             StatusHandler onBankStarted, EndHandler onEnded)
    : m_receiver(receiver)
    , m_channel(channel)
    , m_onBankStarted(std::move(onBankStarted))
    , m_onEnded(std::move(onEnded))
    , m_worker(&CTransmission::run, this, std::move(midi), std::move(banks))
{
}

CTransmission::~CTransmission()
{
    if (m_worker.joinable())
        m_worker.join();
}

void CTransmission::run(std::shared_ptr<WrapperZQMidiInterface> midi, std::vector<std::unique_ptr<IBank>> banks)
{
    bool sent = true;
    for (const std::unique_ptr<IBank>& bank : banks) {
        QMetaObject::invokeMethod(
            &m_receiver, [onBankStarted = m_onBankStarted, name = bank->getName()] { onBankStarted(name); },
            Qt::QueuedConnection);
        if (!midi->transmitBank(*bank, static_cast<std::int32_t>(m_channel))) {
            sent = false;
            break;
        }
    }
    banks.clear();
    // The MIDI interface goes away with the end, on the receiver's thread.
    QMetaObject::invokeMethod(
        &m_receiver, [onEnded = m_onEnded, sent, midi = std::move(midi)] { onEnded(sent); }, Qt::QueuedConnection);
}
