#include "app/transfer/SendChoice.h"

#include "app/common/WindowText.h"
#include "app/document/WorkingBanks.h"
#include "midiio/BankBlocks.h"
#include "midiio/TransmissionAccount.h"
#include "midiio/TransmissionRun.h"
#include "midiio/record/DeviceRecord.h"
#include "model/FactoryTables.h"
#include "model/IBank.h"

#include <algorithm>

namespace {

std::vector<RowBlocks> allRows()
{
    std::vector<RowBlocks> rows;
    for (std::size_t row = 0; row < factory::kBankCount; ++row)
        rows.push_back({row});
    return rows;
}

QString about(const std::vector<RowBank>& banks, std::uint32_t channel, const OutputPacing& pacing)
{
    return WindowText::of(
        TransmissionRun::duration(TransmissionRun::estimateSeconds(banks, static_cast<std::int32_t>(channel), pacing)));
}

} // namespace

SendChoice::SendChoice(IDialogs& dialogs, const WorkingBanks& banks)
    : m_dialogs(dialogs)
    , m_banks(banks)
{
}

std::vector<RowBank> SendChoice::copiesOf(const std::vector<RowBlocks>& rows)
{
    std::vector<RowBank> banks;
    for (const RowBlocks& row : rows)
        banks.push_back({row.row, m_copies.emplace_back(m_banks.bank(row.row).clone()).get(), row.blocks});
    return banks;
}

std::vector<RowBlocks> SendChoice::oneBank(std::size_t row, std::uint32_t channel, const DeviceRecord& record)
{
    m_copies.clear();
    if (row == bankblocks::kFirmwareRow)
        return askingForTheOperatingSystem({{row, kFirstBlock}});
    const RowBank whole = copiesOf({{row}}).front();
    const unsigned changed = record.differingBlocks(row, *whole.bank, static_cast<std::uint16_t>(channel));
    // Where both blocks differ, or neither (the user sends on purpose what the record already
    // holds), there is nothing to choose.
    if (bankblocks::count(changed) != 1)
        return {{row}};
    const RowBank block{row, whole.bank, changed};
    const auto reply = m_dialogs.runAlert(
        {IDialogs::AlertStyle::Question, tr("Send Bank"),
         tr("%1: the %2 differs from what this device was last sent; the other is as it was sent.\n\n"
            "This program keeps its own record of what it sent; it cannot see the device. If the "
            "device was changed by other means since, send the whole bank.")
             .arg(QString::fromStdString(TransmissionAccount::rowName(row)),
                  WindowText::of(bankblocks::blockName(static_cast<BankBlock>(changed)))),
         tr("Send 1 Changed Block (%1)").arg(about({block}, channel, record.pacing())), tr("Cancel"),
         tr("Send Whole Bank (%1)").arg(about({whole}, channel, record.pacing()))});
    if (reply == IDialogs::AlertReply::Alternate)
        return {};
    return {{row, reply == IDialogs::AlertReply::Default ? changed : kBothBlocks}};
}

std::vector<RowBlocks> SendChoice::allBanks(std::uint32_t channel, const DeviceRecord& record,
                                            const std::vector<RowBlocks>& unfinished)
{
    m_copies.clear();
    if (!unfinished.empty()) {
        const auto count = static_cast<int>(unfinished.size());
        const auto reply = m_dialogs.runAlert(
            {IDialogs::AlertStyle::Question, tr("Send All Banks"),
             tr("The last transmission of all banks to this device did not finish: %n banks are "
                "left, starting with %1 (about %2).\nSend the banks that are left, or all 32 banks "
                "again?",
                nullptr, count)
                 .arg(WindowText::of(bankblocks::blockList({unfinished.front()})),
                      about(copiesOf(unfinished), channel, record.pacing())),
             tr("Send %n Left", nullptr, count), tr("Cancel"), tr("Send All 32")});
        if (reply == IDialogs::AlertReply::Alternate)
            return {};
        // What is left was chosen already, the operating system's block with it if it was.
        return reply == IDialogs::AlertReply::Default ? unfinished : askingForTheOperatingSystem(allRows());
    }

    // The operating system is left out of the comparison: it is not sent unless the user asks.
    const std::vector<RowBank> banks = bankblocks::leavingOperatingSystemAlone(copiesOf(allRows()));
    const std::vector<RowBank> changed = record.differing(banks, static_cast<std::uint16_t>(channel));
    if (changed.size() == factory::kBankCount) {
        const auto reply
            = m_dialogs.runAlert({IDialogs::AlertStyle::Question, tr("Send All Banks"),
                                  tr("The sending of all banks take over 50 Minutes.\nDo you want to really transmit?"),
                                  tr("Transmit"), tr("Cancel")});
        return reply == IDialogs::AlertReply::Default ? askingForTheOperatingSystem(allRows())
                                                      : std::vector<RowBlocks>{};
    }
    const auto count = static_cast<int>(changed.size());
    const QString differ = changed.empty()
                               ? tr("All 32 banks are as this device was last sent them.")
                               : tr("%n of the 32 banks differ from what this device was last sent (%1): sending "
                                    "them takes about %2.",
                                    nullptr, count)
                                     .arg(WindowText::of(bankblocks::blockList(bankblocks::rowsOf(changed))),
                                          about(changed, channel, record.pacing()));
    const QString message = differ
                            + tr("\nAll 32 banks take about %1.\n\nThis program keeps its own record of what it sent; "
                                 "it cannot see the device. If the device was changed by other means since, send all "
                                 "banks.")
                                  .arg(about(banks, channel, record.pacing()));
    const auto reply
        = changed.empty()
              ? m_dialogs.runAlert(
                  {IDialogs::AlertStyle::Question, tr("Send All Banks"), message, tr("Send All 32"), tr("Cancel")})
              : m_dialogs.runAlert({IDialogs::AlertStyle::Question, tr("Send All Banks"), message,
                                    tr("Send %n Changed", nullptr, count), tr("Cancel"), tr("Send All 32")});
    if (reply == IDialogs::AlertReply::Alternate)
        return {};
    return askingForTheOperatingSystem(
        reply == IDialogs::AlertReply::Default && !changed.empty() ? bankblocks::rowsOf(changed) : allRows());
}

std::vector<RowBlocks> SendChoice::askingForTheOperatingSystem(std::vector<RowBlocks> rows)
{
    const auto firmware = std::find_if(rows.begin(), rows.end(),
                                       [](const RowBlocks& row) { return row.row == bankblocks::kFirmwareRow; });
    if (firmware == rows.end())
        return rows;
    // Enter leaves the operating system alone: a cut write of it can leave the device unable to start.
    const auto reply = m_dialogs.runAlert(
        {IDialogs::AlertStyle::Question, tr("Send Firmware"),
         tr("Also rewrite the device's operating system (block 63)?\n\nThe presets are sent either way. Rewrite the "
            "operating system only to change it: if its write is cut, the device may not start."),
         tr("Leave It Alone"), tr("Cancel"), tr("Rewrite It"), IDialogs::AlertReply::Default});
    if (reply == IDialogs::AlertReply::Alternate)
        return {};
    if (reply == IDialogs::AlertReply::Other)
        firmware->blocks |= kSecondBlock;
    else
        firmware->blocks &= ~static_cast<unsigned>(kSecondBlock);
    if (firmware->blocks == kNoBlock)
        rows.erase(firmware);
    return rows;
}
