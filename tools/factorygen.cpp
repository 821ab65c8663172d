// Writes the factory data compiled into the programs: argv[1] the sample data (31 sound bank
// images of 131,072 bytes), argv[2] the firmware data (two chunks of 131,078 bytes).

#include "tools/DrumSynth.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr unsigned kSoundBanks = 31;
constexpr std::array<std::size_t, 6> kSlotLength{0x6000, 0x2000, 0x6000, 0x2000, 0x8000, 0x8000};
constexpr std::size_t kFirmwareChunk = 0x20006;

struct FirmwareMessage {
    std::array<std::uint8_t, 5> header;
    std::size_t length; // bytes from 0xF0 to 0xF7
    const char* filler; // 7-bit text that stands in for the device's data
};

constexpr std::array<FirmwareMessage, 2> kFirmware{{
    {{0xF0, 0x31, 0x40, 0x38, 0x00}, 130950, "ZYLOX 515 PRESETS PLACEHOLDER "},
    {{0xF0, 0x31, 0x7F, 0x38, 0x10}, 114182, "ZYLOX 515 OS PLACEHOLDER "},
}};

std::vector<std::uint8_t> sampleData()
{
    std::vector<std::uint8_t> data;
    for (unsigned bank = 0; bank < kSoundBanks; ++bank) {
        DrumSynth kit(bank);
        for (const auto& sound :
             {kit.openHiHat(kSlotLength[0]), kit.closedHiHat(kSlotLength[1]), kit.clap(kSlotLength[2]),
              kit.rimShot(kSlotLength[3]), kit.crash(kSlotLength[4]), kit.ride(kSlotLength[5])})
            data.insert(data.end(), sound.begin(), sound.end());
    }
    return data;
}

std::vector<std::uint8_t> firmwareData()
{
    std::vector<std::uint8_t> data;
    for (const FirmwareMessage& message : kFirmware) {
        std::vector<std::uint8_t> chunk(kFirmwareChunk, 0x00);
        std::copy(message.header.begin(), message.header.end(), chunk.begin());
        const std::string filler(message.filler);
        for (std::size_t i = message.header.size(); i + 1 < message.length; ++i)
            chunk[i] = static_cast<std::uint8_t>(filler[i % filler.size()]);
        chunk[message.length - 1] = 0xF7;
        data.insert(data.end(), chunk.begin(), chunk.end());
    }
    return data;
}

bool writeFile(const char* path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) {
        std::fprintf(stderr, "factorygen: %s: cannot be written\n", path);
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: factorygen SAMPLES.bin FIRMWARE.bin\n");
        return 2;
    }
    return writeFile(argv[1], sampleData()) && writeFile(argv[2], firmwareData()) ? 0 : 1;
}
