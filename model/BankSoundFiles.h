#pragma once

#include "bytes/FileFailure.h"
#include "bytes/Text.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class IBank;

// A sound bank taken out as sounds: each of its six sample slots as a WAV file of the slot's bytes as
// they are (8-bit, 33 kHz, mono), in one folder, named after the slot's label and name
// ("CLOSED HI HAT - CHH 2.wav"), which the six labels keep apart.
class BankSoundFiles {
public:
    struct Written {
        std::vector<std::string> paths; // in slot order, each file written whole
        std::string failedPath; // the folder or file that could not be written; empty when all were
        FileFailure failure;
    };

    // The file name a slot takes: its label, and its name after a dash where it has one (without the
    // ending of the sound file it was named after); a slash, which no file name holds, becomes a dash,
    // and a name too long for a file name is cut short to fit.
    static std::string fileName(const IBank& bank, std::uint16_t slot);
    // Writes each slot's file into folder, making the folder where it is missing; a file of the same
    // name is replaced whole. Stops at the first file that cannot be written; those before it stay.
    static Written write(const IBank& bank, const std::string& folder);
    // Why a bank cannot be taken out as sounds, for the firmware bank: empty for a sound bank's row.
    static Text refusalFor(std::size_t row);
};
