// The sources of shaped slots in the editor's document: kept with the slot, given back by undo and
// redo with its bytes, dropped where other bytes replace the slot's, and let go oldest first once
// they hold more than the session's budget.
#include "WorkingBanksFixture.h"

#include "tests/support/Bytes.h"

#include <QAction>

#include <memory>
#include <string>
#include <vector>

namespace {

using Sound = std::shared_ptr<const audio::DecodedSound>;

// A decoded 16-bit source of frames frames of channels channels.
Sound soundOf(std::size_t frames, unsigned channels = 1)
{
    auto sound = std::make_shared<audio::DecodedSound>();
    sound->frames = audio::PcmFrames(channels, 16, false, 44100.0);
    sound->frames.resize(frames * 2 * channels);
    sound->wholeFrames = frames;
    sound->failure.kind = audio::ImportResult::Kind::Sound;
    return sound;
}

SlotSource sourceOf(Sound sound, double gain)
{
    audio::SoundShape shape;
    shape.gain = gain;
    return {std::move(sound), "/sounds/kick.wav", shape, {}};
}

Bytes slotBytes(const WorkingBanks& banks, std::size_t row, std::uint16_t slot, std::uint8_t fill)
{
    return Bytes(banks.bank(row).getContent(slot)->getSize(), fill);
}

// A slot's length of bytes, every one fill, shaped from sound with the gain: one step.
WorkingBanks::SoundPut put(WorkingBanks& banks, std::size_t row, std::uint16_t slot, std::uint8_t fill,
                           const Sound& sound, double gain = 0.0)
{
    return banks.putSound({"Shape", "shape"}, row, slot, slotBytes(banks, row, slot, fill), "kick.wav",
                          sourceOf(sound, gain));
}

class WorkingBanksSourcesTest : public WorkingBanksFixture {
protected:
    const Bytes& bytesOf(std::size_t row, std::uint16_t slot) { return banks.bank(row).getContent(slot)->getData(); }
    // The gain of the slot's kept source's shape; -1 for a slot without one.
    double keptGain(std::size_t row, std::uint16_t slot)
    {
        const SlotSource* source = banks.source(row, slot);
        return source != nullptr ? source->shape.gain : -1.0;
    }
};

TEST_F(WorkingBanksSourcesTest, UndoAndRedoGiveBackSourceAndShapeWithTheBytesAndOtherBytesDropTheSource)
{
    const Bytes factory = bytesOf(4, 1);
    const Sound kick = soundOf(1000);
    ASSERT_TRUE(put(banks, 4, 1, 0x90, kick, 3.0).taken);
    ASSERT_TRUE(put(banks, 4, 1, 0xA0, kick, 6.0).taken);
    EXPECT_EQ(banks.source(4, 1)->sound, kick);
    EXPECT_EQ(banks.source(4, 1)->path, "/sounds/kick.wav");
    EXPECT_EQ(banks.bank(4).getContentName(1), "kick.wav");
    EXPECT_EQ(banks.source(4, 0), nullptr);

    // A rename leaves the slot's bytes and so its source; an import of other bytes does not.
    ASSERT_TRUE(banks.edit({"Rename", "rename"}, 4, [](IBank& bank) {
        bank.setName("kit");
        return true;
    }));
    EXPECT_EQ(keptGain(4, 1), 6.0);
    ASSERT_TRUE(banks.edit({"Import", "import"}, 4, [](IBank& bank) {
        return static_cast<bool>(bank.importContent(1, Bytes(50, 0x70), "raw.bin", audio::SoundShape{true}));
    }));
    EXPECT_EQ(banks.source(4, 1), nullptr);

    // Refused bytes are no step and change nothing.
    EXPECT_FALSE(banks.putSound({"Shape", "shape"}, 4, 1, Bytes(10, 0x90), "short", sourceOf(kick, 1.0)).taken);
    EXPECT_EQ(banks.undoAction()->text().toStdString(), "&Undo Import");

    const std::vector<std::pair<Bytes, double>> back{{slotBytes(banks, 4, 1, 0xA0), 6.0},
                                                     {slotBytes(banks, 4, 1, 0xA0), 6.0},
                                                     {slotBytes(banks, 4, 1, 0x90), 3.0},
                                                     {factory, -1.0}};
    for (const auto& [bytes, gain] : back) {
        banks.undoAction()->trigger();
        EXPECT_EQ(bytesOf(4, 1), bytes);
        EXPECT_EQ(keptGain(4, 1), gain);
    }
    banks.redoAction()->trigger();
    banks.redoAction()->trigger();
    EXPECT_EQ(keptGain(4, 1), 6.0);
    EXPECT_EQ(banks.source(4, 1)->sound, kick);

    // A bank replaced (opened, reset) keeps none of the old one's sources, until undone.
    banks.resetToFactory({"Reset", "reset"}, 4);
    EXPECT_EQ(banks.source(4, 1), nullptr);
    banks.undoAction()->trigger();
    EXPECT_EQ(keptGain(4, 1), 6.0);
}

TEST_F(WorkingBanksSourcesTest, SoundsPutTogetherAreOneStepAndOneRefusedSlotRefusesThemAll)
{
    const Bytes factory0 = bytesOf(4, 0);
    const Bytes factory1 = bytesOf(4, 1);
    const Sound kick = soundOf(1000);
    const Sound hat = soundOf(500);
    const auto fill = [&](const Bytes& kickBytes) {
        return banks
            .putSounds({"Fill", "fill"}, 4,
                       {{0, slotBytes(banks, 4, 0, 0x90), "hat", sourceOf(hat, 1.0)},
                        {1, kickBytes, "kick", sourceOf(kick, 2.0)}})
            .taken;
    };
    // The second slot refuses bytes not of its length: the first, though taken by itself, stays out.
    EXPECT_FALSE(fill(Bytes(10, 0x90)));
    EXPECT_EQ(bytesOf(4, 0), factory0);
    EXPECT_EQ(banks.source(4, 0), nullptr);
    EXPECT_FALSE(banks.undoAction()->isEnabled());

    ASSERT_TRUE(fill(slotBytes(banks, 4, 1, 0xA0)));
    EXPECT_EQ(keptGain(4, 0), 1.0);
    EXPECT_EQ(keptGain(4, 1), 2.0);
    EXPECT_EQ(banks.bank(4).getContentName(1), "kick");
    banks.undoAction()->trigger();
    EXPECT_EQ(bytesOf(4, 0), factory0);
    EXPECT_EQ(bytesOf(4, 1), factory1);
    EXPECT_FALSE(banks.undoAction()->isEnabled());
    banks.redoAction()->trigger();
    EXPECT_EQ(banks.source(4, 1)->sound, kick);
    EXPECT_EQ(keptGain(4, 0), 1.0);
}

TEST(WorkingBanksSourceBudget, PastItTheOldestSourcesGoFromSlotsAndHistoryAndTheNewestAlwaysStays)
{
    const std::size_t frames = 10000;
    const std::size_t soundBytes = frames * 2;
    WorkingBanks banks(nullptr, 3 * soundBytes + soundBytes / 2);
    const std::vector<Sound> sounds{soundOf(frames), soundOf(frames), soundOf(frames), soundOf(frames),
                                    soundOf(frames)};
    const auto shape = [&](std::size_t row, std::uint16_t slot, const Sound& sound) {
        const WorkingBanks::SoundPut done = put(banks, row, slot, static_cast<std::uint8_t>(0x81 + slot), sound);
        EXPECT_TRUE(done.taken);
        return done.sourcesLetGo;
    };
    EXPECT_EQ(shape(4, 0, sounds[0]), 0u);
    EXPECT_EQ(shape(4, 1, sounds[1]), 0u);
    EXPECT_EQ(shape(5, 0, sounds[2]), 0u);
    // The same source in a second slot counts once.
    EXPECT_EQ(shape(6, 0, sounds[2]), 0u);
    EXPECT_EQ(shape(5, 1, sounds[3]), 1u);
    EXPECT_EQ(banks.source(4, 0), nullptr);
    EXPECT_EQ(banks.bank(4).getContent(0)->getData(), slotBytes(banks, 4, 0, 0x81));
    EXPECT_EQ(sounds[0].use_count(), 1) << "still held by the undo history";

    // Shaped again, a source is the newest: the next to go is the one left alone longest.
    EXPECT_EQ(shape(4, 1, sounds[1]), 0u);
    EXPECT_EQ(shape(7, 0, sounds[4]), 1u);
    EXPECT_EQ(banks.source(5, 0), nullptr);
    EXPECT_EQ(banks.source(6, 0), nullptr);
    EXPECT_NE(banks.source(4, 1), nullptr);

    // Undoing every step brings back no source that was let go.
    while (banks.undoAction()->isEnabled()) {
        banks.undoAction()->trigger();
        for (const std::size_t row : {4u, 5u, 6u})
            for (const std::uint16_t slot : {0, 1})
                if (const SlotSource* source = banks.source(row, slot)) {
                    EXPECT_TRUE(source->sound == sounds[1] || source->sound == sounds[3]) << row << "/" << slot;
                }
    }

    // A source larger than the whole budget still goes into its slot, alone.
    WorkingBanks tight(nullptr, soundBytes / 2);
    EXPECT_EQ(put(tight, 4, 0, 0x90, sounds[0]).sourcesLetGo, 0u);
    EXPECT_EQ(put(tight, 4, 1, 0x90, sounds[1]).sourcesLetGo, 1u);
    EXPECT_EQ(tight.source(4, 0), nullptr);
    EXPECT_EQ(tight.source(4, 1)->sound, sounds[1]);
}

TEST(WorkingBanksSourceBudget, WhatARenderMadeOfASourceAndKeptCountsWithIt)
{
    // 8 channels of 16 bits: a render keeps each frame's mix in a quarter of its 16 bytes.
    for (const bool rendered : {false, true}) {
        SCOPED_TRACE(rendered ? "rendered" : "not rendered");
        WorkingBanks banks(nullptr, 3 * 10000 * 16 + 10000 * 16 / 2);
        std::size_t letGo = 0;
        for (const std::uint16_t slot : {0, 1, 2}) {
            const Sound wide = soundOf(10000, 8);
            if (rendered)
                wide->peaks(audio::MonoSource::Mix);
            letGo += put(banks, 4, slot, 0x81, wide).sourcesLetGo;
        }
        EXPECT_EQ(letGo, rendered ? 1u : 0u);
    }
}

} // namespace
