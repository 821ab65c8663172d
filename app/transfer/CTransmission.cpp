#include "app/transfer/CTransmission.h"

#include "app/transfer/COutputList.h"
#include "app/transfer/CTransmissionWorker.h"
#include "app/document/CWorkingBanks.h"
#include "midiio/BankBlocks.h"
#include "midiio/DeviceRecord.h"
#include "midiio/SenderLock.h"
#include "midiio/TransmissionRun.h"
#include "midiio/WrapperZQMidiInterface.h"
#include "midiio/ZQMidiSystem.h"
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

CTransmission::CTransmission(IDialogs& dialogs, ZQMidiSystem& midiSystem, COutputList& outputs, QProgressBar& progress,
                             const CWorkingBanks& banks, QObject* parent)
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
    connect(m_ticks, &QTimer::timeout, this, &CTransmission::tick);
}

CTransmission::~CTransmission()
{
    if (m_worker)
        m_worker->stop();
    m_worker.reset();
}

bool CTransmission::send(std::size_t row, bool allBanks, std::uint32_t channel)
{
    if (isSending())
        return false;
    // The device is the one chosen now, whatever the popup shows later; its lock is held from
    // before its record is read until the send has ended.
    const MidiPortIdentity output = m_outputs.chosen();
    DeviceRecord record(DeviceRecord::defaultFolder(), output);
    SenderLock::Taken lock = SenderLock::take(record, kProgram);
    if (!lock.lock) {
        refuse("Nothing was sent: " + lock.refusal + ".");
        return false;
    }
    const std::vector<RowBlocks> rows =
        allBanks ? m_choice.allBanks(channel, record, output == m_unfinishedOutput ? m_unfinished : std::vector<RowBlocks>{})
                 : m_choice.oneBank(row, channel, record);
    if (rows.empty())
        return false;
    start(rows, channel, allBanks, std::move(record), std::move(lock.lock));
    return isSending();
}

void CTransmission::start(const std::vector<RowBlocks>& rows, std::uint32_t channel, bool allBanks,
                          DeviceRecord record, std::unique_ptr<SenderLock> lock)
{
    const MidiPortIdentity output = record.device();
    std::shared_ptr<WrapperZQMidiInterface> midi = WrapperZQMidiInterface::createTransmitterTo(m_midiSystem, output);
    if (!midi) {
        refuse("The MIDI output " + output.displayName() + " is not connected.");
        return;
    }
    midi->setPacing(record.pacing());
    m_allBanks = allBanks;
    m_sendingTo = output;
    m_rows = rows;
    m_startedAt = m_midiSystem.clock().calendarSeconds();
    m_progress.setFormat(QStringLiteral("%p%"));
    m_worker = std::make_unique<CTransmissionWorker>(
        *this, std::move(lock), std::move(midi), rows, m_banks, channel, std::move(record),
        [this](const std::string& name) { emit status(QString::fromStdString("sending bank (" + name + ")...")); },
        [this](const TransmissionAccount& account) {
            // After a stop for quitting, the end has been told already.
            if (m_worker)
                transmissionEnded(account);
        });
    showProgressFromZero();
    m_ticks->start();
}

void CTransmission::showProgressFromZero()
{
    m_progress.setValue(0);
    m_progress.show();
}

void CTransmission::finish()
{
    m_ticks->stop();
    m_progress.hide();
    emit ended();
}

void CTransmission::stop()
{
    if (!m_worker)
        return;
    m_worker->stop();
    emit status(QStringLiteral("stopping..."));
}

bool CTransmission::stopForQuit()
{
    if (!m_worker)
        return true;
    // Enter keeps sending: stopping leaves a bank half-written on the device.
    if (m_dialogs.runAlert({IDialogs::AlertStyle::Question, "Quit While Sending?",
                            "Banks are being sent to the device. Stop the transmission and quit?\n"
                            "The bank on its way will be incomplete on the device and must be sent again.",
                            "Stop and Quit", "Keep Sending", {}, IDialogs::AlertReply::Alternate})
        != IDialogs::AlertReply::Default)
        return false;
    stop();
    const TransmissionAccount account = m_worker->finish();
    transmissionEnded(account);
    return true;
}

void CTransmission::transmissionEnded(const TransmissionAccount& account)
{
    m_worker.reset();
    if (m_allBanks) {
        m_unfinished = account.unfinished();
        m_unfinishedOutput = m_sendingTo;
    }
    const std::string resume = m_allBanks && !m_unfinished.empty()
                                   ? "\n\nTo send the " + std::to_string(m_unfinished.size()) +
                                         " banks that did not finish, choose All banks and Send."
                                   : std::string();
    if (account.end == TransmissionAccount::End::Failed && !account.notSentBecause.empty())
        alert(IDialogs::AlertStyle::Critical, "Transmission Failed",
              TransmissionAccount::rowName(account.notSent.front()) + " was not sent: " + account.notSentBecause +
                  ".\n\n" + account.describe() + resume,
              "OK");
    else if (account.end == TransmissionAccount::End::Failed)
        alert(IDialogs::AlertStyle::Critical, "Transmission Failed",
              "The MIDI output stopped accepting data.\n\n" + account.describe() + resume, "OK");
    else if (account.end == TransmissionAccount::End::Stopped)
        alert(IDialogs::AlertStyle::Informational, "Transmission Stopped", account.describe() + resume, "OK");
    emit status(QString::fromStdString(endLine(account)));
    m_progress.setFormat(QStringLiteral("%p%"));
    finish();
}

void CTransmission::tick()
{
    if (!m_worker)
        return;
    m_progress.setValue(static_cast<int>(m_worker->percent()));
    m_progress.setFormat(QString::fromStdString("%p%, " + TransmissionRun::durationText(m_worker->secondsLeft()) + " left"));
    m_ticks->start();
}

std::string CTransmission::endLine(const TransmissionAccount& account) const
{
    const std::string to = m_sendingTo.displayName();
    const std::string took = TransmissionRun::durationText(m_midiSystem.clock().calendarSeconds() - m_startedAt);
    const std::size_t count = m_rows.size();
    const bool whole = std::all_of(m_rows.begin(), m_rows.end(), [](const RowBlocks& row) { return row.blocks == kBothBlocks; });
    if (account.end == TransmissionAccount::End::Sent) {
        const std::string banks = count == 1                    ? bankblocks::list(m_rows)
                                  : count == factory::kBankCount && whole ? "all 32 banks"
                                                                 : std::to_string(count) + " banks ("
                                                                       + bankblocks::list(m_rows) + ")";
        return "Sent " + banks + " to " + to + " in " + took;
    }
    std::string done = std::to_string(account.complete.size()) + " of " + std::to_string(count)
                       + (count == 1 ? " bank" : " banks") + " sent";
    if (account.incomplete)
        done += ", " + TransmissionAccount::rowName(*account.incomplete) + " (" +
                bankblocks::name(account.incompleteBlock) + ") must be sent again";
    if (account.end == TransmissionAccount::End::Stopped)
        return "Stopped sending to " + to + " after " + took + ": " + done;
    return "Sending to " + to + " failed after " + took + ": " + done;
}

void CTransmission::refuse(const std::string& message)
{
    alert(IDialogs::AlertStyle::Critical, "Transmission Failed", message, "OK");
    emit status(QString::fromStdString(message));
}

IDialogs::AlertReply CTransmission::alert(IDialogs::AlertStyle style, const std::string& title,
                                          const std::string& message, const std::string& defaultButton,
                                          const std::string& alternateButton, const std::string& otherButton)
{
    return m_dialogs.runAlert({style, title, message, defaultButton, alternateButton, otherButton});
}
