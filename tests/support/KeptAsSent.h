#pragma once

#include "flash/FlashEvent.h"
#include "midiio/RowBank.h"
#include "midiio/record/DeviceContents.h"
#include "midiio/record/DeviceRecord.h"
#include "model/IBank.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

// The device holds these blocks of the bank in its row as a complete send on channel 1 leaves
// them: the record vouches for them and the copy keeps them. False where either was not written.
inline bool keptAsSent(DeviceRecord& record, DeviceContents& contents, std::size_t row, IBank& bank,
                       unsigned blocks = kBothBlocks)
{
    const std::array<std::uint64_t, 2> fingerprints = DeviceRecord::blockFingerprints(bank, 0);
    const std::vector<FlashEvent*>& events = bank.createEvents(0);
    for (std::size_t which = 0; which < 2; ++which) {
        const std::size_t block = 2 * row + which;
        if ((blocks & (which == 0 ? kFirstBlock : kSecondBlock)) != 0
            && !(record.remember(block, fingerprints[which])
                 && contents.keep(block, *events[2 * which], *events[2 * which + 1], bank)))
            return false;
    }
    return true;
}
