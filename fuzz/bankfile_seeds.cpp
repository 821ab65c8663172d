// Writes bank files into a folder as fuzzing seeds: a sound bank and the firmware bank, each alone,
// as the editor saves them; a firmware bank whose messages are as long as flash writes; and files
// of all banks whose tracks hold banks that do not belong in their place.
#include "bankfile/BankFile.h"
#include "content/SysexMessage.h"
#include "model/FirmwareBank.h"
#include "model/SoundBank.h"
#include "tests/support/Bytes.h"

#include <filesystem>
#include <iostream>
#include <memory>
#include <vector>

namespace {

// A firmware message of a flash write's length that is no flash write: no channel in byte 4.
SysexMessage longFirmwareMessage(std::uint8_t block, std::uint8_t fourth)
{
    const Bytes bytes = flashWrite(block, fourth);
    return {bytes.data(), bytes.size()};
}

// All 32 banks, with the sound bank of index misplaced at row place.
bool saveMisplaced(BankFile& file, std::uint16_t index, std::size_t place, const std::string& path)
{
    std::vector<std::unique_ptr<IBank>> banks;
    std::vector<IBank*> tracks;
    for (std::uint16_t row = 0; row < 32; ++row) {
        const std::uint16_t chosen = row == place ? index : row;
        banks.push_back(chosen < 31 ? std::unique_ptr<IBank>(new SoundBank(chosen)) : std::make_unique<FirmwareBank>());
        tracks.push_back(banks.back().get());
    }
    return file.saveBanks(tracks, path);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: bankfile_seeds FOLDER\n";
        return 2;
    }
    const std::filesystem::path folder(argv[1]);
    std::filesystem::create_directories(folder);
    BankFile file;
    SoundBank sound(4);
    FirmwareBank firmware;
    FirmwareBank longFirmware;
    SysexMessage presets = longFirmwareMessage(0, 0x00);
    SysexMessage os = longFirmwareMessage(63, 0x10);
    const bool written = file.saveBank(sound, (folder / "s05.mid").string())
                         && file.saveBank(firmware, (folder / "firmware.mid").string())
                         && longFirmware.setContents({&presets, &os})
                         && file.saveBank(longFirmware, (folder / "firmware_long.mid").string())
                         && saveMisplaced(file, 30, 31, (folder / "all_sound_last.mid").string())
                         && saveMisplaced(file, 9, 5, (folder / "all_s10_at_s06.mid").string());
    return written ? 0 : 1;
}
