#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// What the device holds after a transmission of banks, by row: the banks it received completely,
// the one whose blocks were erased or partly written when the transmission failed or was stopped
// (the device holds neither the old nor the new bank there, so it must be sent again), and those
// never begun.
struct TransmissionAccount {
    enum class End { Sent, Failed, Stopped };

    End end = End::Sent;
    std::vector<std::size_t> complete;
    std::optional<std::size_t> incomplete;
    std::vector<std::size_t> notSent;
    // When the transmission failed before the next bank's first byte, why that bank was not sent:
    // the device record could not mark it unknown (the record's folder and the error), or the
    // bank holds what the device must not be sent.
    std::string notSentBecause;

    // The rows to send to finish the transmission: the incomplete one first, then the rest.
    std::vector<std::size_t> unfinished() const;
    // A few lines for the user, rows named as the window names them ("S01" to "S31", "FW").
    std::string describe() const;

    static std::string rowName(std::size_t row);
    // "S01 to S05, S07", consecutive rows joined; "none" for no rows.
    static std::string rowList(const std::vector<std::size_t>& rows);
};
