// Writes valid bank files into a folder as fuzzing seeds: a sound bank and the firmware bank,
// each alone, as the editor saves them.
#include "bankfile/WrapperZQMidiFile.h"
#include "model/CFirmware.h"
#include "model/CSound.h"

#include <filesystem>
#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: bankfile_seeds FOLDER\n";
        return 2;
    }
    const std::filesystem::path folder(argv[1]);
    std::filesystem::create_directories(folder);
    WrapperZQMidiFile file;
    CSound sound(4);
    CFirmware firmware;
    const bool written = file.saveBank(sound, (folder / "s05.mid").string())
                         && file.saveBank(firmware, (folder / "firmware.mid").string());
    return written ? 0 : 1;
}
