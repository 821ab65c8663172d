#pragma once

#include <cstddef>

class IBank;

// A bank with the row it goes to on the device: what a transmission sends and what the device
// record compares. The bank stays its owner's.
struct RowBank {
    std::size_t row;
    IBank* bank;
};
