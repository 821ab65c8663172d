#pragma once

#include "midifile/buffer.h"
#include "model/IBank.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The 32 factory banks in table order: the sound banks S01 to S31, then the firmware bank.
std::vector<std::unique_ptr<IBank>> factoryBankSet();
std::vector<IBank*> pointersTo(const std::vector<std::unique_ptr<IBank>>& banks);

// Index, names and every slot's bytes agree.
bool sameBank(const IBank& a, const IBank& b);

// The bank's dump for channel 0 as plain bytes: erase, flash write, erase, flash write.
std::vector<buffer> dumpMessages(IBank& bank);
