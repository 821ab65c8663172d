#pragma once

#include "bytes/Text.h"
#include "midiio/RowBank.h"
#include "model/FactoryTables.h"

#include <cstddef>
#include <string>
#include <vector>

// The flash blocks of the rows, as a send chooses them and as the user reads of them.
namespace bankblocks {

// The firmware bank's row; its second block holds the device's operating system.
inline constexpr std::size_t kFirmwareRow = factory::kSoundBankCount;

// The flash block number of a row's first or second block: 2n or 2n+1.
std::size_t number(std::size_t row, BankBlock which);
// "first block", "second block".
Text blockName(BankBlock which);
inline std::string name(BankBlock which)
{
    return blockName(which).english();
}
// How many of kFirstBlock and kSecondBlock the set holds.
std::size_t count(unsigned blocks);
// The banks with the firmware bank's operating system block taken out; a bank left without a
// block is taken out with it.
std::vector<RowBank> leavingOperatingSystemAlone(const std::vector<RowBank>& banks);
// "S01 to S03, S05 (second block)": whole banks as TransmissionAccount::rowList joins them, a bank
// of which one block is meant with its block; "none" for none.
Text blockList(const std::vector<RowBlocks>& rows);
inline std::string list(const std::vector<RowBlocks>& rows)
{
    return blockList(rows).english();
}
std::vector<RowBlocks> rowsOf(const std::vector<RowBank>& banks);

} // namespace bankblocks
