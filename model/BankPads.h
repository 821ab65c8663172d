#pragma once

#include "model/IBank.h"
#include "playback/KitSounds.h"

// What the pads play for a bank: each sound slot's bytes on the pad of its number, and the hi-hats
// found by their slots' labels (OPEN HI HAT, CLOSED HI HAT). A slot that holds no sound, as every
// slot of the firmware bank, leaves its pad silent.
KitSounds bankPads(const IBank& bank);
