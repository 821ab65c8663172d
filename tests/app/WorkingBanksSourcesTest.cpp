// The sources of shaped slots in the editor's document: kept with the slot, given back by undo and
// redo with its bytes, dropped where other bytes replace the slot's, and let go oldest first once
// they hold more than the session's budget.
#include "app/document/WorkingBanks.h"
#include "content/SlotContent.h"
#include "model/IBank.h"
#include "tests/support/Bytes.h"

#include <QAction>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using Sound = std::shared_ptr<const audio::DecodedSound>;

// A decoded 16-bit mono source of frames frames.
Sound soundOf(std::size_t frames)
{
    auto sound = std::make_shared<audio::DecodedSound>();
    sound->frames = audio::PcmFrames(1, 16, false, 44100.0);
    sound->frames.resize(frames * 2);
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

class WorkingBanksSourcesTest : public testing::Test {
protected:
    Bytes slotBytes(std::size_t row, std::uint16_t slot, std::uint8_t value)
    {
        return Bytes(banks.bank(row).getContent(slot)->getSize(), value);
    }
    const Bytes& bytesOf(std::size_t row, std::uint16_t slot) { return banks.bank(row).getContent(slot)->getData(); }
    // The gain of the slot's kept source's shape; -1 for a slot without one.
    double keptGain(std::size_t row, std::uint16_t slot)
    {
        const SlotSource* source = banks.source(row, slot);
        return source != nullptr ? source->shape.gain : -1.0;
    }

    WorkingBanks banks;
};

TEST_F(WorkingBanksSourcesTest, UndoAndRedoGiveBackSourceAndShapeWithTheBytesAndOtherBytesDropTheSource)
{
    const Bytes factory = bytesOf(4, 1);
    const Sound kick = soundOf(1000);
    ASSERT_TRUE(
        banks.putSound({"Import", "import"}, 4, 1, slotBytes(4, 1, 0x90), "kick.wav", sourceOf(kick, 3.0)).taken);
    ASSERT_TRUE(banks.putSound({"Shape", "shape"}, 4, 1, slotBytes(4, 1, 0xA0), "kick.wav", sourceOf(kick, 6.0)).taken);
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

    const std::vector<std::pair<Bytes, double>> back{
        {slotBytes(4, 1, 0xA0), 6.0}, {slotBytes(4, 1, 0xA0), 6.0}, {slotBytes(4, 1, 0x90), 3.0}, {factory, -1.0}};
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
    // The second slot refuses bytes not of its length: the first, though taken by itself, stays out.
    EXPECT_FALSE(banks
                     .putSounds({"Fill", "fill"}, 4,
                                {{0, slotBytes(4, 0, 0x90), "hat", sourceOf(hat, 1.0)},
                                 {1, Bytes(10, 0x90), "kick", sourceOf(kick, 2.0)}})
                     .taken);
    EXPECT_EQ(bytesOf(4, 0), factory0);
    EXPECT_EQ(banks.source(4, 0), nullptr);
    EXPECT_FALSE(banks.undoAction()->isEnabled());

    ASSERT_TRUE(banks
                    .putSounds({"Fill", "fill"}, 4,
                               {{0, slotBytes(4, 0, 0x90), "hat", sourceOf(hat, 1.0)},
                                {1, slotBytes(4, 1, 0xA0), "kick", sourceOf(kick, 2.0)}})
                    .taken);
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
    const auto put = [&](std::size_t row, std::uint16_t slot, const Sound& sound) {
        const Bytes bytes(banks.bank(row).getContent(slot)->getSize(), static_cast<std::uint8_t>(0x81 + slot));
        const WorkingBanks::SoundPut done
            = banks.putSound({"Import", "import"}, row, slot, bytes, "s", sourceOf(sound, 0.0));
        EXPECT_TRUE(done.taken);
        return done.sourcesLetGo;
    };
    EXPECT_EQ(put(4, 0, sounds[0]), 0u);
    EXPECT_EQ(put(4, 1, sounds[1]), 0u);
    EXPECT_EQ(put(5, 0, sounds[2]), 0u);
    // The same source in a second slot counts once.
    EXPECT_EQ(put(6, 0, sounds[2]), 0u);
    EXPECT_EQ(put(5, 1, sounds[3]), 1u);
    EXPECT_EQ(banks.source(4, 0), nullptr);
    EXPECT_EQ(banks.bank(4).getContent(0)->getData(), Bytes(banks.bank(4).getContent(0)->getSize(), 0x81));
    EXPECT_EQ(sounds[0].use_count(), 1) << "still held by the undo history";

    // Shaped again, a source is the newest: the next to go is the one left alone longest.
    EXPECT_EQ(put(4, 1, sounds[1]), 0u);
    EXPECT_EQ(put(7, 0, sounds[4]), 1u);
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
    const Bytes bytes(tight.bank(4).getContent(0)->getSize(), 0x90);
    EXPECT_EQ(tight.putSound({"Import", "import"}, 4, 0, bytes, "big", sourceOf(sounds[0], 0.0)).sourcesLetGo, 0u);
    const Bytes other(tight.bank(4).getContent(1)->getSize(), 0x90);
    EXPECT_EQ(tight.putSound({"Import", "import"}, 4, 1, other, "big", sourceOf(sounds[1], 0.0)).sourcesLetGo, 1u);
    EXPECT_EQ(tight.source(4, 0), nullptr);
    EXPECT_EQ(tight.source(4, 1)->sound, sounds[1]);
}

TEST(WorkingBanksSourceBudget, WhatARenderMadeOfASourceAndKeptCountsWithIt)
{
    // 8 channels of 16 bits: a render keeps each frame's mix in a quarter of its 16 bytes.
    const auto wide = [](bool rendered) {
        auto sound = std::make_shared<audio::DecodedSound>();
        sound->frames = audio::PcmFrames(8, 16, false, 44100.0);
        sound->frames.resize(10000 * 16);
        sound->wholeFrames = 10000;
        sound->failure.kind = audio::ImportResult::Kind::Sound;
        if (rendered) {
            sound->peaks(audio::MonoSource::Mix);
        }
        return Sound(std::move(sound));
    };
    for (const bool rendered : {false, true}) {
        SCOPED_TRACE(rendered ? "rendered" : "not rendered");
        WorkingBanks banks(nullptr, 3 * 10000 * 16 + 10000 * 16 / 2);
        std::size_t letGo = 0;
        for (const std::uint16_t slot : {0, 1, 2}) {
            const Bytes bytes(banks.bank(4).getContent(slot)->getSize(), 0x81);
            letGo
                += banks.putSound({"Shape", "shape"}, 4, slot, bytes, "s", sourceOf(wide(rendered), 0.0)).sourcesLetGo;
        }
        EXPECT_EQ(letGo, rendered ? 1u : 0u);
    }
}

} // namespace
