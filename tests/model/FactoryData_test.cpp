#include "model/FactoryData.h"
#include "model/FactoryTables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes slot(std::size_t bank, std::size_t index)
{
    std::size_t offset = bank * factory::kSoundImageLength;
    for (std::size_t s = 0; s < index; ++s)
        offset += factory::kSlotLength[s];
    const auto bytes = factory::sampleData().subspan(offset, factory::kSlotLength[index]);
    return {bytes.begin(), bytes.end()};
}

// Two rough measures of a sound: when its energy arrives on average (decay) and how often it
// crosses the zero line before then (pitch and brightness).
struct Character {
    double energyTime;
    double crossingRate;
};

Character characterOf(const Bytes& bytes)
{
    double energy = 0.0;
    double weighted = 0.0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const double value = static_cast<double>(bytes[i]) - 0x80;
        energy += value * value;
        weighted += static_cast<double>(i) * value * value;
    }
    const double energyTime = weighted / energy;
    const std::size_t span = static_cast<std::size_t>(energyTime) + 1;
    std::size_t crossings = 0;
    for (std::size_t i = 1; i < span; ++i)
        crossings += (bytes[i] > 0x80) != (bytes[i - 1] > 0x80);
    return {energyTime, static_cast<double>(crossings) / static_cast<double>(span)};
}

double relativeDifference(double a, double b)
{
    return std::abs(a - b) / std::max(a, b);
}

TEST(FactoryTables, NamesCountsAndLengths)
{
    EXPECT_EQ(factory::bankName(0), "S01 - factory -");
    EXPECT_EQ(factory::bankName(3), "S04 - factory -");
    EXPECT_EQ(factory::bankName(4), "S05");
    EXPECT_EQ(factory::bankName(30), "S31");
    EXPECT_EQ(factory::bankName(31), "FIRMWARE - factory -");
    EXPECT_EQ(factory::bankName(32), "");
    EXPECT_EQ(factory::contentName(5), "RIDE");
    EXPECT_EQ(factory::contentName(6), "");
    EXPECT_EQ(factory::firmwareContentName(0), "PRESETS");
    EXPECT_EQ(factory::firmwareContentName(2), "");

    std::size_t firstBlock = 0;
    std::size_t secondBlock = 0;
    for (std::size_t s = 0; s < factory::kSoundSlotCount; ++s)
        (s < factory::kSecondBlockFirstSlot ? firstBlock : secondBlock) += factory::kSlotLength[s];
    EXPECT_EQ(firstBlock, 65536u);
    EXPECT_EQ(secondBlock, 65536u);
    EXPECT_EQ(factory::sampleData().size(), 4063232u);
    EXPECT_EQ(factory::firmwareData().size(), 262156u);
}

TEST(FactorySamples, StartOnTheZeroLineNeverClipAndDecayToSilence)
{
    for (std::size_t bank = 0; bank < factory::kSoundBankCount; ++bank) {
        for (std::size_t s = 0; s < factory::kSoundSlotCount; ++s) {
            const Bytes bytes = slot(bank, s);
            EXPECT_EQ(bytes.front(), 0x80) << bank << "/" << s;
            EXPECT_EQ(bytes.back(), 0x80) << bank << "/" << s;
            const auto [low, high] = std::minmax_element(bytes.begin(), bytes.end());
            EXPECT_GT(*low, 0x00) << bank << "/" << s;
            EXPECT_LT(*high, 0xFF) << bank << "/" << s;
            // Not silence: each sound swings well away from the zero line.
            EXPECT_GT(*high - *low, 150) << bank << "/" << s;
        }
    }
}

TEST(FactorySamples, EveryBankSoundsDifferent)
{
    for (std::size_t s = 0; s < factory::kSoundSlotCount; ++s) {
        std::vector<Character> sounds;
        for (std::size_t bank = 0; bank < factory::kSoundBankCount; ++bank)
            sounds.push_back(characterOf(slot(bank, s)));
        for (std::size_t a = 0; a < sounds.size(); ++a) {
            for (std::size_t b = a + 1; b < sounds.size(); ++b) {
                const double apart = std::max(relativeDifference(sounds[a].energyTime, sounds[b].energyTime),
                                              relativeDifference(sounds[a].crossingRate, sounds[b].crossingRate));
                EXPECT_GT(apart, 0.002) << "slot " << s << ", banks " << a << " and " << b;
            }
        }
    }
}

TEST(FactoryFirmware, ChunksHoldOneMessageThenZeros)
{
    const auto data = factory::firmwareData();
    const std::size_t lengths[] = {130950, 114182};
    const std::uint8_t starts[][5] = {{0xF0, 0x31, 0x40, 0x38, 0x00}, {0xF0, 0x31, 0x7F, 0x38, 0x10}};
    for (std::size_t c = 0; c < 2; ++c) {
        const auto chunk = data.subspan(c * 131078, 131078);
        EXPECT_TRUE(std::equal(starts[c], starts[c] + 5, chunk.begin())) << c;
        EXPECT_EQ(chunk[lengths[c] - 1], 0xF7) << c;
        for (std::size_t i = 1; i + 1 < lengths[c]; ++i)
            ASSERT_LT(chunk[i], 0x80) << c << " at " << i;
        for (std::size_t i = lengths[c]; i < chunk.size(); ++i)
            ASSERT_EQ(chunk[i], 0x00) << c << " at " << i;
    }
}

} // namespace
