#include "app/sounds/WaveformEnvelope.h"
#include "app/sounds/SlotSoundDescription.h"
#include "tests/support/Bytes.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace {

using Columns = std::vector<WaveformEnvelope::Column>;

TEST(WaveformEnvelope, EachColumnHoldsTheLowestAndHighestOfItsShareOfTheSlot)
{
    const std::tuple<Bytes, std::size_t, Columns> cases[] = {
        {{0x80, 0x90, 0x70, 0x80, 0xFF, 0x00}, 3, {{0x80, 0x90}, {0x70, 0x80}, {0x00, 0xFF}}},
        // Uneven shares: 5 bytes over 2 columns take 2 and 3.
        {{0x10, 0x20, 0x30, 0x40, 0x50}, 2, {{0x10, 0x20}, {0x30, 0x50}}},
        // Wider than the slot: bytes repeat, no column is empty.
        {{0x00, 0xFF}, 4, {{0x00, 0x00}, {0x00, 0x00}, {0xFF, 0xFF}, {0xFF, 0xFF}}},
        {Bytes{}, 4, Columns{}},
        {Bytes{0x42}, 0, Columns{}},
    };
    for (const auto& [bytes, columns, expected] : cases)
        EXPECT_EQ(WaveformEnvelope::of(bytes, columns), expected);
}

TEST(WaveformEnvelope, TheSoundEndsAtItsLastByteOffTheCentreLine)
{
    EXPECT_EQ(WaveformEnvelope::soundLength(Bytes{0x80, 0x81, 0x80, 0x7F, 0x80, 0x80}), 4u);
    EXPECT_EQ(WaveformEnvelope::soundLength(Bytes(8192, 0x80)), 0u);
    EXPECT_EQ(WaveformEnvelope::soundLength(Bytes(8192, 0x00)), 8192u);
    EXPECT_EQ(WaveformEnvelope::soundLength(Bytes{}), 0u);
}

// What a screen reader hears of a waveform it cannot see.
TEST(SlotSoundDescription, SaysHowLongTheSoundLastsHowLoudItPeaksAndWhatSilenceFollows)
{
    Bytes halfScale(8250, 0x80);
    for (std::size_t i = 0; i < 3300; ++i)
        halfScale[i] = i % 2 == 0 ? 0x80 + 64 : 0x80 - 64;
    Bytes fullScale(8250, 0x00);
    const std::tuple<Bytes, const char*> cases[] = {
        {halfScale, "CLAP: 0.10 s of sound, peak \u22126 dBFS, 0.15 s of silence"},
        // The lowest byte is a full step further from the centre line than the highest.
        {fullScale, "CLAP: 0.25 s of sound, peak 0 dBFS, 0.00 s of silence"},
        {Bytes(8250, 0x80), "CLAP: 0.25 s of silence"},
        {Bytes{}, "CLAP: no sound"},
    };
    for (const auto& [bytes, expected] : cases)
        EXPECT_EQ(slotSoundDescription(QStringLiteral("CLAP"), bytes).toStdString(), expected);
}

} // namespace
