#include "midiio/BankBlocks.h"

#include "midiio/TransmissionAccount.h"

#include <optional>

namespace bankblocks {

std::size_t number(std::size_t row, BankBlock which)
{
    return 2 * row + (which == kSecondBlock ? 1 : 0);
}

Text blockName(BankBlock which)
{
    return which == kSecondBlock ? ZYLOX_TR("BankBlocks", "second block") : ZYLOX_TR("BankBlocks", "first block");
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

Text blockList(const std::vector<RowBlocks>& rows)
{
    std::optional<Text> text;
    const auto add = [&text](Text item) {
        text = text ? Text::joined({*text, TransmissionAccount::separator(), std::move(item)}) : std::move(item);
    };
    std::vector<std::size_t> whole;
    const auto flush = [&] {
        if (!whole.empty())
            add(TransmissionAccount::rows(whole));
        whole.clear();
    };
    for (const RowBlocks& row : rows) {
        if ((row.blocks & kBothBlocks) == kBothBlocks) {
            whole.push_back(row.row);
            continue;
        }
        flush();
        //: A bank of which one flash block is meant: "S05 (second block)"
        add({ZYLOX_TR("BankBlocks", "%1 (%2)"),
             {TransmissionAccount::rowName(row.row),
              blockName((row.blocks & kFirstBlock) != 0 ? kFirstBlock : kSecondBlock)}});
    }
    flush();
    return text ? *text : TransmissionAccount::rows({});
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
