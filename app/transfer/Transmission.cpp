#include "app/transfer/Transmission.h"

#include "app/common/WindowText.h"
#include "app/document/WorkingBanks.h"
#include "app/transfer/OutputList.h"
#include "app/transfer/RecordHandoverPrompt.h"
#include "app/transfer/TransmissionWorker.h"
#include "midiio/BankBlocks.h"
#include "midiio/BankTransmitter.h"
#include "midiio/MidiContext.h"
#include "midiio/TransmissionRun.h"
#include "midiio/record/DeviceRecord.h"
#include "midiio/record/SenderLock.h"
#include "model/FactoryTables.h"
#include "model/IBank.h"

#include <QMetaObject>
#include <QProgressBar>
#include <QTimer>

#include <algorithm>

namespace {

constexpr int kTickMilliseconds = 1000;

// How the device's lock names this program to another sender it refuses.
const std::string kProgram = "zylox-editor";

} // namespace

Transmission::Transmission(IDialogs& dialogs, MidiContext& midiSystem, OutputList& outputs, QProgressBar& progress,
                           const WorkingBanks& banks, QObject* parent)
    : QObject(parent)
    , m_dialogs(dialogs)
    , m_midiSystem(midiSystem)
    , m_outputs(outputs)
    , m_progress(progress)
    , m_ticks(new QTimer(this))
    , m_choice(dialogs, banks)
    , m_banks(banks)
{
    m_progress.hide();
    m_ticks->setObjectName(QStringLiteral("timer_progress"));
    m_ticks->setSingleShot(true);
    m_ticks->setInterval(kTickMilliseconds);
    connect(m_ticks, &QTimer::timeout, this, &Transmission::tick);
}

Transmission::~Transmission()
{
    if (m_worker)
        m_worker->stop();
    m_worker.reset();
}

bool Transmission::send(std::size_t row, bool allBanks, std::uint32_t channel)
{
    if (isSending())
        return false;
    // The device is the one chosen now, whatever the popup shows later; its lock is held from
    // before its record is read until the send has ended.
    const MidiPortIdentity output = m_outputs.chosen();
    if (const QString unsettled = RecordHandoverPrompt(m_dialogs).settle(output, m_outputs.present());
        !unsettled.isEmpty()) {
        refuse(tr("Nothing was sent: %1.").arg(unsettled));
        return false;
    }
    SenderLock::Taken lock = SenderLock::take(output, kProgram, m_outputs.lockPlaces());
    if (!lock.lock) {
        refuse(tr("Nothing was sent: %1.").arg(WindowText::of(lock.refusal.text())));
        return false;
    }
    DeviceRecord record(DeviceRecord::defaultFolder(), output);
    const std::vector<RowBlocks> rows
        = allBanks ? m_choice.allBanks(channel, record,
                                       output == m_unfinishedOutput ? m_unfinished : std::vector<RowBlocks>{})
                   : m_choice.oneBank(row, channel, record);
    if (rows.empty())
        return false;
    start(rows, channel, allBanks, std::move(record), std::move(lock.lock));
    return isSending();
}

void Transmission::start(const std::vector<RowBlocks>& rows, std::uint32_t channel, bool allBanks, DeviceRecord record,
                         std::unique_ptr<SenderLock> lock)
{
    const MidiPortIdentity output = record.device();
    std::shared_ptr<BankTransmitter> midi = BankTransmitter::createTransmitterTo(m_midiSystem, output);
    if (!midi) {
        refuse(tr("The MIDI output %1 is not connected.").arg(m_outputs.nameOf(output)));
        return;
    }
    midi->setPacing(record.pacing());
    m_allBanks = allBanks;
    m_sendingTo = output;
    m_rows = rows;
    m_startedAt = m_midiSystem.clock().calendarSeconds();
    m_progress.setFormat(QStringLiteral("%p%"));
    m_worker = std::make_unique<TransmissionWorker>(
        *this, std::move(lock), std::move(midi), rows, m_banks, channel, std::move(record),
        [this](const std::string& name) { emit status(tr("sending bank (%1)...").arg(QString::fromStdString(name))); },
        [this](const TransmissionAccount& account) {
            // After a stop for quitting, the end has been told already.
            if (m_worker)
                transmissionEnded(account);
        });
    showProgressFromZero();
    m_ticks->start();
}

void Transmission::showProgressFromZero()
{
    m_progress.setValue(0);
    m_progress.show();
}

void Transmission::finish()
{
    m_ticks->stop();
    m_progress.hide();
    m_ending = false;
    emit ended();
}

void Transmission::stop()
{
    if (!m_worker)
        return;
    m_worker->stop();
    emit status(tr("stopping..."));
}

bool Transmission::stopForQuit()
{
    if (!m_worker)
        return true;
    // Enter keeps sending: stopping leaves a bank half-written on the device.
    if (m_dialogs.runAlert({IDialogs::AlertStyle::Question,
                            tr("Quit While Sending?"),
                            tr("Banks are being sent to the device. Stop the transmission and quit?\n"
                               "The bank on its way will be incomplete on the device and must be sent again."),
                            tr("Stop and Quit"),
                            tr("Keep Sending"),
                            {},
                            IDialogs::AlertReply::Alternate})
        != IDialogs::AlertReply::Default)
        return false;
    stop();
    const TransmissionAccount account = m_worker->finish();
    transmissionEnded(account);
    return true;
}

void Transmission::transmissionEnded(const TransmissionAccount& account)
{
    m_worker.reset();
    m_ending = true;
    if (m_allBanks) {
        m_unfinished = account.unfinished();
        m_unfinishedOutput = m_sendingTo;
    }
    const QString resume = m_allBanks && !m_unfinished.empty()
                               ? tr("\n\nTo send the %n banks that did not finish, choose All banks and Send.", nullptr,
                                    static_cast<int>(m_unfinished.size()))
                               : QString();
    const QString described = WindowText::of(account.text())
                              + (account.unkept ? tr("\n\nNot kept: %1; what was sent counts as unknown there.")
                                                      .arg(WindowText::of(account.unkept.text()))
                                                : QString());
    const QString notSentBecause = WindowText::of(account.notSentReason());
    if (account.end == TransmissionAccount::End::Failed && !notSentBecause.isEmpty())
        m_dialogs.runAlert(
            {IDialogs::AlertStyle::Critical, tr("Transmission Failed"),
             tr("%1 was not sent: %2.\n\n")
                     .arg(QString::fromStdString(TransmissionAccount::rowName(account.notSent.front())), notSentBecause)
                 + described + resume,
             tr("OK")});
    else if (account.end == TransmissionAccount::End::Failed)
        m_dialogs.runAlert({IDialogs::AlertStyle::Critical, tr("Transmission Failed"),
                            tr("The MIDI output stopped accepting data.\n\n") + described + resume, tr("OK")});
    else if (account.end == TransmissionAccount::End::Stopped)
        m_dialogs.runAlert(
            {IDialogs::AlertStyle::Informational, tr("Transmission Stopped"), described + resume, tr("OK")});
    else if (account.unkept)
        m_dialogs.runAlert({IDialogs::AlertStyle::Informational, tr("Transmission Not Recorded"), described, tr("OK")});
    emit status(endLine(account));
    m_progress.setFormat(QStringLiteral("%p%"));
    finish();
}

void Transmission::tick()
{
    if (!m_worker)
        return;
    m_progress.setValue(static_cast<int>(m_worker->percent()));
    m_progress.setFormat(tr("%p%, %1 left").arg(WindowText::of(TransmissionRun::duration(m_worker->secondsLeft()))));
    m_ticks->start();
}

QString Transmission::endLine(const TransmissionAccount& account) const
{
    const QString to = m_outputs.nameOf(m_sendingTo);
    const QString took
        = WindowText::of(TransmissionRun::duration(m_midiSystem.clock().calendarSeconds() - m_startedAt));
    const std::size_t count = m_rows.size();
    const bool whole
        = std::all_of(m_rows.begin(), m_rows.end(), [](const RowBlocks& row) { return row.blocks == kBothBlocks; });
    if (account.end == TransmissionAccount::End::Sent) {
        const QString banks = count == 1 ? WindowText::of(bankblocks::blockList(m_rows))
                              : count == factory::kBankCount && whole
                                  ? tr("all 32 banks")
                                  : tr("%n banks (%1)", nullptr, static_cast<int>(count))
                                        .arg(WindowText::of(bankblocks::blockList(m_rows)));
        return tr("Sent %1 to %2 in %3").arg(banks, to, took);
    }
    const auto complete = static_cast<int>(account.complete.size());
    QString done = tr("%1 of %n bank(s) sent", nullptr, static_cast<int>(count)).arg(complete);
    if (account.incomplete)
        done += tr(", %1 (%2) must be sent again")
                    .arg(QString::fromStdString(TransmissionAccount::rowName(*account.incomplete)),
                         WindowText::of(bankblocks::blockName(account.incompleteBlock)));
    if (account.end == TransmissionAccount::End::Stopped)
        return tr("Stopped sending to %1 after %2: %3").arg(to, took, done);
    return tr("Sending to %1 failed after %2: %3").arg(to, took, done);
}

void Transmission::refuse(const QString& message)
{
    m_dialogs.runAlert({IDialogs::AlertStyle::Critical, tr("Transmission Failed"), message, tr("OK")});
    emit status(message);
}
