#include "midiio/TransmissionAccount.h"

#include "midiio/BankBlocks.h"
#include "model/BankNumber.h"

#include <algorithm>
#include <optional>

std::string TransmissionAccount::rowName(std::size_t row)
{
    return BankNumber::of(static_cast<std::uint16_t>(row));
}

Text TransmissionAccount::separator()
{
    return ZYLOX_TR("TransmissionAccount", ", ");
}

Text TransmissionAccount::rows(const std::vector<std::size_t>& rows)
{
    if (rows.empty())
        return ZYLOX_TR("TransmissionAccount", "none");
    std::optional<Text> list;
    for (std::size_t first = 0; first < rows.size();) {
        std::size_t last = first;
        while (last + 1 < rows.size() && rows[last + 1] == rows[last] + 1)
            ++last;
        list = list ? Text::joined({*list, separator(), rowName(rows[first])}) : Text::verbatim(rowName(rows[first]));
        if (last > first)
            //: Two neighbouring banks are listed, "S01, S02"; a longer run by its ends, "S01 to S05"
            list = Text::joined({*list, last == first + 1 ? separator() : ZYLOX_TR("TransmissionAccount", " to "),
                                 rowName(rows[last])});
        first = last + 1;
    }
    return *list;
}

Text TransmissionAccount::notSentReason() const
{
    return refused ? refused->text() : unrecorded.text();
}

Text TransmissionAccount::text() const
{
    const Text sent{ZYLOX_TR("TransmissionAccount", "Sent completely: %1.\n"), {rows(complete)}};
    const Text onTheDevice
        = incomplete ? Text(ZYLOX_TR("TransmissionAccount", "On the device: %1, %2, incomplete (its flash block was "
                                                            "erased or partly written: send it again).\n"),
                            {rowName(*incomplete), bankblocks::blockName(incompleteBlock)})
                     : ZYLOX_TR("TransmissionAccount", "Incomplete on the device: none.\n");
    // A row of which a block arrived before the transmission ended is named with the block it lacks.
    std::vector<RowBlocks> unsent;
    for (const std::size_t row : notSent) {
        const auto found = std::find_if(left.begin(), left.end(), [row](const RowBlocks& l) { return l.row == row; });
        unsent.push_back(found != left.end() ? *found : RowBlocks{row});
    }
    return Text::joined(
        {sent, onTheDevice, Text(ZYLOX_TR("TransmissionAccount", "Not sent: %1."), {bankblocks::blockList(unsent)})});
}
