#include "midiio/BankBlocks.h"

#include "midiio/TransmissionAccount.h"

namespace bankblocks {

std::size_t number(std::size_t row, BankBlock which)
{
    return 2 * row + (which == kSecondBlock ? 1 : 0);
}

std::string name(BankBlock which)
{
    return which == kSecondBlock ? "second block" : "first block";
}

std::size_t count(unsigned blocks)
{
    return ((blocks & kFirstBlock) != 0 ? 1 : 0) + ((blocks & kSecondBlock) != 0 ? 1 : 0);
}

std::vector<RowBank> leavingOperatingSystemAlone(const std::vector<RowBank>& banks)
{
    std::vector<RowBank> kept;
    for (RowBank bank : banks) {
        if (bank.row == kFirmwareRow)
            bank.blocks &= ~static_cast<unsigned>(kSecondBlock);
        if ((bank.blocks & kBothBlocks) != kNoBlock)
            kept.push_back(bank);
    }
    return kept;
}

std::string list(const std::vector<RowBlocks>& rows)
{
    std::string text;
    std::vector<std::size_t> whole;
    const auto flush = [&] {
        if (!whole.empty())
            text += (text.empty() ? "" : ", ") + TransmissionAccount::rowList(whole);
        whole.clear();
    };
    for (const RowBlocks& row : rows) {
        if ((row.blocks & kBothBlocks) == kBothBlocks) {
            whole.push_back(row.row);
            continue;
        }
        flush();
        text += (text.empty() ? "" : ", ") + TransmissionAccount::rowName(row.row) + " ("
                + name((row.blocks & kFirstBlock) != 0 ? kFirstBlock : kSecondBlock) + ")";
    }
    flush();
    return text.empty() ? "none" : text;
}

std::vector<RowBlocks> rowsOf(const std::vector<RowBank>& banks)
{
    std::vector<RowBlocks> rows;
    rows.reserve(banks.size());
    for (const RowBank& bank : banks)
        rows.push_back({bank.row, bank.blocks});
    return rows;
}

} // namespace bankblocks
