#pragma once

#include "model/IBank.h"

#include <cstddef>
#include <memory>
#include <vector>

// The banks both programs start from, by row: rows 0 to 30 hold the sound banks of those indices,
// row 31 the firmware bank.
namespace factory {

// The factory bank of a row (0 to 31), owned by the caller; a row past the last gives the
// firmware bank, as the last row does.
std::unique_ptr<IBank> makeBank(std::size_t row);
// The factory banks of every row, in row order.
std::vector<std::unique_ptr<IBank>> makeBanks();
// The slots a bank of that row has, without building it.
unsigned slotCount(std::size_t row);
// Whether row holds a sound bank rather than the firmware bank.
bool isSoundRow(std::size_t row);

} // namespace factory
