#include "midiio/TransmissionAccount.h"

#include "midiio/BankBlocks.h"
#include "model/BankNumber.h"

#include <algorithm>

std::string TransmissionAccount::rowName(std::size_t row)
{
    return BankNumber::of(static_cast<std::uint16_t>(row));
}

std::string TransmissionAccount::rowList(const std::vector<std::size_t>& rows)
{
    if (rows.empty())
        return "none";
    std::string list;
    for (std::size_t first = 0; first < rows.size();) {
        std::size_t last = first;
        while (last + 1 < rows.size() && rows[last + 1] == rows[last] + 1)
            ++last;
        list += (list.empty() ? "" : ", ") + rowName(rows[first]);
        if (last > first)
            list += (last == first + 1 ? ", " : " to ") + rowName(rows[last]);
        first = last + 1;
    }
    return list;
}

std::string TransmissionAccount::notSentBecause() const
{
    return refused ? refused->describe() : unrecorded.describe();
}

std::string TransmissionAccount::describe() const
{
    std::string text = "Sent completely: " + rowList(complete) + ".\n";
    if (incomplete)
        text += "On the device: " + rowName(*incomplete) + ", " + bankblocks::name(incompleteBlock)
                + ", incomplete (its flash block was erased or partly written: send it again).\n";
    else
        text += "Incomplete on the device: none.\n";
    // A row of which a block arrived before the transmission ended is named with the block it lacks.
    std::vector<RowBlocks> unsent;
    for (const std::size_t row : notSent) {
        const auto found = std::find_if(left.begin(), left.end(), [row](const RowBlocks& l) { return l.row == row; });
        unsent.push_back(found != left.end() ? *found : RowBlocks{row});
    }
    text += "Not sent: " + bankblocks::list(unsent) + ".";
    return text;
}
