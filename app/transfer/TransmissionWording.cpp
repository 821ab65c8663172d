#include "app/transfer/TransmissionWording.h"

#include "app/banks/ImportWording.h"
#include "app/files/SaveWording.h"

#include <algorithm>

namespace {

QString rowName(std::size_t row)
{
    return QString::fromStdString(TransmissionAccount::rowName(row));
}

} // namespace

QString TransmissionWording::duration(std::int64_t seconds)
{
    seconds = std::max<std::int64_t>(seconds, 0);
    if (seconds >= 3600)
        return tr("%1 h %2 min").arg(seconds / 3600).arg(seconds % 3600 / 60);
    if (seconds >= 60)
        return tr("%1 min %2 s").arg(seconds / 60).arg(seconds % 60);
    return tr("%1 s").arg(seconds);
}

QString TransmissionWording::rows(const std::vector<std::size_t>& rows)
{
    if (rows.empty())
        return tr("none");
    QString list;
    for (std::size_t first = 0; first < rows.size();) {
        std::size_t last = first;
        while (last + 1 < rows.size() && rows[last + 1] == rows[last] + 1)
            ++last;
        list += (list.isEmpty() ? QString() : tr(", ")) + rowName(rows[first]);
        if (last > first)
            //: Two neighbouring banks are listed, "S01, S02"; a longer run by its ends, "S01 to S05"
            list += (last == first + 1 ? tr(", ") : tr(" to ")) + rowName(rows[last]);
        first = last + 1;
    }
    return list;
}

QString TransmissionWording::block(BankBlock which)
{
    return which == kSecondBlock ? tr("second block") : tr("first block");
}

QString TransmissionWording::blocks(const std::vector<RowBlocks>& rows)
{
    QString list;
    std::vector<std::size_t> whole;
    const auto flush = [&] {
        if (!whole.empty())
            list += (list.isEmpty() ? QString() : tr(", ")) + TransmissionWording::rows(whole);
        whole.clear();
    };
    for (const RowBlocks& row : rows) {
        if ((row.blocks & kBothBlocks) == kBothBlocks) {
            whole.push_back(row.row);
            continue;
        }
        flush();
        //: A bank of which one flash block is meant: "S05 (second block)"
        list += (list.isEmpty() ? QString() : tr(", "))
                + tr("%1 (%2)").arg(rowName(row.row),
                                    block((row.blocks & kFirstBlock) != 0 ? kFirstBlock : kSecondBlock));
    }
    flush();
    return list.isEmpty() ? tr("none") : list;
}

QString TransmissionWording::account(const TransmissionAccount& account)
{
    QString text = tr("Sent completely: %1.\n").arg(rows(account.complete));
    if (account.incomplete)
        text += tr("On the device: %1, %2, incomplete (its flash block was erased or partly written: send it again).\n")
                    .arg(rowName(*account.incomplete), block(account.incompleteBlock));
    else
        text += tr("Incomplete on the device: none.\n");
    // A row of which a block arrived before the transmission ended is named with the block it lacks.
    std::vector<RowBlocks> unsent;
    for (const std::size_t row : account.notSent) {
        const auto found = std::find_if(account.left.begin(), account.left.end(),
                                        [row](const RowBlocks& left) { return left.row == row; });
        unsent.push_back(found != account.left.end() ? *found : RowBlocks{row});
    }
    return text + tr("Not sent: %1.").arg(blocks(unsent));
}

QString TransmissionWording::notSentBecause(const TransmissionAccount& account)
{
    if (!account.refused)
        return recordFailure(account.unrecorded);
    const SlotRefusal& refused = *account.refused;
    const QString label = QString::fromStdString(refused.slotLabel);
    //: A firmware slot's label, then what it holds and what it takes: "PRESETS holds ...; PRESETS takes ..."
    return tr("%1 %2").arg(label, ImportWording::messageSlotRefusal(refused.refused, label, refused.slot));
}

QString TransmissionWording::unkept(const TransmissionAccount& account)
{
    if (!account.unkept)
        return {};
    return tr("\n\nNot kept: %1; what was sent counts as unknown there.").arg(recordFailure(account.unkept));
}

QString TransmissionWording::recordFailure(const RecordFailure& failure)
{
    if (!failure)
        return {};
    const QString file = QString::fromStdString(failure.file);
    const QString why = SaveWording::failure(failure.cause);
    switch (failure.subject) {
    case RecordFailure::Subject::Record:
        break;
    case RecordFailure::Subject::Copy:
        //: The file that keeps a copy of what the device holds, then why it could not be written
        return tr("the copy of the device's contents %1 could not be written (%2)").arg(file, why);
    case RecordFailure::Subject::Lock:
        //: The file that senders to the device lock, then why it could not be opened
        return tr("the device's lock %1 could not be opened (%2)").arg(file, why);
    }
    //: The device record's file, then why it could not be written
    return tr("the device record %1 could not be written (%2)").arg(file, why);
}

QString TransmissionWording::lockRefusal(const SenderLock::Refusal& refusal)
{
    if (refusal.kind != SenderLock::Refusal::Kind::Busy)
        return recordFailure(refusal.unwritable);
    const QString device = QString::fromStdString(refusal.device);
    if (refusal.holder.empty())
        return tr("%1 is being sent to by another program").arg(device);
    //: The device, then the program sending to it and that program's process id
    return tr("%1 is being sent to by %2, process %3")
        .arg(device, QString::fromStdString(refusal.holder), QString::fromStdString(refusal.process));
}
