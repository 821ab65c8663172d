#pragma once

#include "app/common/IDialogs.h"
#include "midiio/RowBank.h"

#include <QCoreApplication>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class WorkingBanks;
class DeviceRecord;
class IBank;

// The questions before a send, and the flash blocks they choose: of the current bank only the block
// that changed, of all banks only those that differ from what the device was last sent or the rest
// of a transmission that did not finish, and the device's operating system only when the user says
// so. UI thread only.
class SendChoice {
    Q_DECLARE_TR_FUNCTIONS(SendChoice)

public:
    SendChoice(IDialogs& dialogs, const WorkingBanks& banks);

    // What to send of one row; empty when the user cancelled.
    std::vector<RowBlocks> oneBank(std::size_t row, std::uint32_t channel, const DeviceRecord& record);
    // What to send of all banks; unfinished is what the last all-banks transmission to this device
    // left, offered first. Empty when the user cancelled.
    std::vector<RowBlocks> allBanks(std::uint32_t channel, const DeviceRecord& record,
                                    const std::vector<RowBlocks>& unfinished);

private:
    // With the firmware bank among them, asks whether to rewrite the operating system too, and
    // adds its block on yes; empty when the user cancelled.
    std::vector<RowBlocks> askingForTheOperatingSystem(std::vector<RowBlocks> rows);
    std::vector<RowBank> copiesOf(const std::vector<RowBlocks>& rows);

    IDialogs& m_dialogs;
    const WorkingBanks& m_banks;
    // The copies the estimates and the record's comparison are made of.
    std::vector<std::unique_ptr<IBank>> m_copies;
};
