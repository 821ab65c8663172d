#include "midiio/TransmissionAccount.h"

#include "model/BankNumber.h"

std::vector<std::size_t> TransmissionAccount::unfinished() const
{
    std::vector<std::size_t> rows;
    if (incomplete)
        rows.push_back(*incomplete);
    rows.insert(rows.end(), notSent.begin(), notSent.end());
    return rows;
}

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

std::string TransmissionAccount::describe() const
{
    std::string text = "Sent completely: " + rowList(complete) + ".\n";
    if (incomplete)
        text += "Incomplete on the device: " + rowName(*incomplete) +
                " (its flash blocks were erased or partly written: send it again).\n";
    else
        text += "Incomplete on the device: none.\n";
    text += "Not sent: " + rowList(notSent) + ".";
    return text;
}
