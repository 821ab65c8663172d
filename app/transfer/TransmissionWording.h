#pragma once

#include "midiio/RowBank.h"
#include "midiio/TransmissionAccount.h"
#include "midiio/record/RecordFailure.h"
#include "midiio/record/SenderLock.h"

#include <QCoreApplication>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <vector>

// A transmission's times, rows, account and refusals in the window's language; the core words the
// same in English for zylox.
class TransmissionWording {
    Q_DECLARE_TR_FUNCTIONS(TransmissionWording)

public:
    // "1 h 5 min", "1 min 45 s", "40 s".
    static QString duration(std::int64_t seconds);
    // "S01 to S05, S07", consecutive rows joined; "none" for no rows.
    static QString rows(const std::vector<std::size_t>& rows);
    // "first block", "second block".
    static QString block(BankBlock which);
    // "S01 to S03, S05 (second block)": whole banks joined as rows() joins them, a bank of which one
    // block is meant with its block; "none" for none.
    static QString blocks(const std::vector<RowBlocks>& rows);
    // Which banks were sent completely, which one is incomplete on the device and which were not sent.
    static QString account(const TransmissionAccount& account);
    // Why the first bank not sent was not: the record's failure or the firmware slot's refusal;
    // empty when it simply was not reached.
    static QString notSentBecause(const TransmissionAccount& account);
    // A paragraph on the first block that arrived but could not be kept in the record or its copy;
    // empty for none.
    static QString unkept(const TransmissionAccount& account);
    // "the device record /…/device-….txt could not be written (not a regular file)", and the same
    // for the copy of the device's contents and the device's lock; empty for none.
    static QString recordFailure(const RecordFailure& failure);
    // "... is being sent to by zylox, process 4242", or the record's failure.
    static QString lockRefusal(const SenderLock::Refusal& refusal);
};
