#pragma once

#include <cstddef>

class IBank;

// A bank's two flash blocks on the device: slots 1 to 4 (block 2n) and slots 5 and 6 (block 2n+1);
// the firmware bank's are the presets (62) and the device's operating system (63). Each is erased
// and written on its own, so a send may leave one alone.
enum BankBlock : unsigned { kNoBlock = 0, kFirstBlock = 1, kSecondBlock = 2, kBothBlocks = 3 };

// Which blocks of a row a transmission sends, or has still to send.
struct RowBlocks {
    std::size_t row;
    unsigned blocks = kBothBlocks;

    bool operator==(const RowBlocks&) const = default;
};

// A bank with the row it goes to on the device and the blocks of it to send: what a transmission
// sends and what the device record compares. The bank stays its owner's.
struct RowBank {
    std::size_t row;
    IBank* bank;
    unsigned blocks = kBothBlocks;
};
