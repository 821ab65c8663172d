#pragma once

#include "midiio/RowBank.h"
#include "midiio/record/RecordFailure.h"
#include "model/MessageSlotRefusal.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// What the device holds after a transmission of banks, by row: the banks whose chosen blocks it
// received completely, the one with a block that was erased or partly written when the
// transmission failed or was stopped (the device holds neither the old nor the new block there, so
// it must be sent again), and those never begun; and the blocks that would finish the
// transmission.
struct TransmissionAccount {
    enum class End { Sent, Failed, Stopped };

    End end = End::Sent;
    std::vector<std::size_t> complete;
    std::optional<std::size_t> incomplete;
    // Which block of the incomplete row was cut: kFirstBlock or kSecondBlock.
    BankBlock incompleteBlock = kNoBlock;
    std::vector<std::size_t> notSent;
    // When the transmission failed before the next bank's first byte, why that bank was not sent:
    // the device record could not mark it unknown, or the bank holds what the device must not be
    // sent.
    RecordFailure unrecorded;
    std::optional<SlotRefusal> refused;
    // The first block that went out completely but could not be kept in the record or its copy:
    // the transmission went on, and there the block counts as unknown.
    RecordFailure unkept;

    // The blocks to send to finish the transmission: the incomplete one first (with the block after
    // it, when that was to be sent too), then the rest as they were chosen.
    std::vector<RowBlocks> left;

    const std::vector<RowBlocks>& unfinished() const { return left; }
    // Why the first bank not sent was not; empty when it simply was not reached.
    Text notSentReason() const;
    std::string notSentBecause() const { return notSentReason().english(); }
    // A few lines for the user, rows named as the window names them ("S01" to "S31", "FW").
    Text text() const;
    std::string describe() const { return text().english(); }

    static std::string rowName(std::size_t row);
    // "S01 to S05, S07", consecutive rows joined; "none" for no rows.
    static Text rows(const std::vector<std::size_t>& rows);
    static std::string rowList(const std::vector<std::size_t>& list) { return rows(list).english(); }
    // What stands between two items of a list: ", ".
    static Text separator();
};
