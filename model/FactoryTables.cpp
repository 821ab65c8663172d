#include "model/FactoryTables.h"

namespace factory {

namespace {

const std::string kNoName;

const std::array<std::string, kSoundSlotCount> kContentNames{"OPEN HI HAT", "CLOSED HI HAT", "CLAP",
                                                             "RIM SHOT",    "CRASH",         "RIDE"};

const std::array<std::string, kFirmwareContentCount> kFirmwareContentNames{"PRESETS", "OS"};

const std::array<std::string, kBankCount> kBankNames{"S01 - factory -",
                                                     "S02 - factory -",
                                                     "S03 - factory -",
                                                     "S04 - factory -",
                                                     "S05",
                                                     "S06",
                                                     "S07",
                                                     "S08",
                                                     "S09",
                                                     "S10",
                                                     "S11",
                                                     "S12",
                                                     "S13",
                                                     "S14",
                                                     "S15",
                                                     "S16",
                                                     "S17",
                                                     "S18",
                                                     "S19",
                                                     "S20",
                                                     "S21",
                                                     "S22",
                                                     "S23",
                                                     "S24",
                                                     "S25",
                                                     "S26",
                                                     "S27",
                                                     "S28",
                                                     "S29",
                                                     "S30",
                                                     "S31",
                                                     "FIRMWARE - factory -"};

template <std::size_t N> const std::string& entry(const std::array<std::string, N>& table, std::uint16_t index)
{
    return index < N ? table[index] : kNoName;
}

} // namespace

const std::string& contentName(std::uint16_t slot)
{
    return entry(kContentNames, slot);
}

const std::string& firmwareContentName(std::uint16_t slot)
{
    return entry(kFirmwareContentNames, slot);
}

const std::string& bankName(std::uint16_t index)
{
    return entry(kBankNames, index);
}

} // namespace factory
