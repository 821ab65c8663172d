// The file beside a bank file that keeps how its slots were shaped: where it lives, that a shape
// comes back whole, and that a damaged or foreign file never gives a slot a shape it did not have.
#include "app/files/ShapeSidecar.h"
#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace {

std::string text(const std::string& path)
{
    const std::vector<std::uint8_t> bytes = ScratchFolder::read(path);
    return {bytes.begin(), bytes.end()};
}

// Every field of a slot's entry, its shape's included, to be compared whole.
auto fieldsOf(const ShapeSidecar::Slot& slot)
{
    const audio::SoundShape& shape = slot.shape;
    return std::tuple(slot.row, slot.slot, slot.sourcePath, slot.sourceSize, slot.sourceModified, slot.bytesHash,
                      shape.resampling, shape.normalize, shape.trim, shape.start, shape.end, shape.mono, shape.reverse,
                      shape.trimThreshold, shape.removeDc, shape.gain, shape.limit, shape.pitch, shape.fit,
                      shape.fitKind, shape.phase, shape.fadeIn, shape.fadeOut, shape.dither);
}

ShapeSidecar::Slot shapedSlot()
{
    audio::SoundShape shape;
    shape.resampling = audio::Resampling::Clean;
    shape.normalize = shape.trim = shape.reverse = shape.removeDc = true;
    shape.start = 0.4;
    shape.end = 1.25;
    shape.mono = audio::MonoSource::Side;
    shape.trimThreshold = -40.5;
    shape.gain = -3.25;
    shape.limit = -1.0;
    shape.pitch = 7.5;
    shape.fit = true;
    shape.fitKind = audio::FitKind::Stretch;
    shape.phase = audio::FilterPhase::Minimum;
    shape.fadeIn = 2.0;
    shape.fadeOut = 30.0;
    shape.dither = audio::Dither::Shaped;
    const std::vector<std::uint8_t> bytes{0x80, 0x90, 0x70};
    return {31 - 27, 5, "/sounds/kick drum.wav", 786476, -1234567890123456789, shape, ShapeSidecar::hashOf(bytes)};
}

// A bank file in a folder of its own, its sidecar written as a save writes it.
class ShapeSidecarTest : public testing::Test {
protected:
    void write(const std::vector<ShapeSidecar::Slot>& shaped)
    {
        QString error;
        ASSERT_TRUE(ShapeSidecar::write(bank, shaped, error)) << error.toStdString();
    }
    std::string sidecarText() const { return text(ShapeSidecar::pathFor(bank)); }

    const ScratchFolder folder{"sidecar"};
    std::string bank = folder.file("kit.mid");
};

TEST(ShapeSidecarPath, LivesBesideTheBankFileWhateverTheCaseOrDotsOfItsName)
{
    EXPECT_EQ(ShapeSidecar::pathFor("/sets/kit.v2.MID"), "/sets/kit.v2.zylox.json");
    EXPECT_EQ(ShapeSidecar::pathFor("/sets/All banks.mid"), "/sets/All banks.zylox.json");
    EXPECT_EQ(ShapeSidecar::pathFor("/sets/kit"), "/sets/kit.zylox.json");
    EXPECT_EQ(ShapeSidecar::hashOf(std::vector<std::uint8_t>{}),
              "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
}

TEST_F(ShapeSidecarTest, EveryStepOfAShapeComesBackAndNoSlotsRemoveAnOldSidecar)
{
    const ShapeSidecar::Slot shaped = shapedSlot();
    const ShapeSidecar::Slot plain{0, 0, "/sounds/snare.aiff", 0, 0, {}, shaped.bytesHash};
    write({shaped, plain});

    const std::vector<ShapeSidecar::Slot> read = ShapeSidecar::read(bank);
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(fieldsOf(read[0]), fieldsOf(shaped));
    EXPECT_EQ(fieldsOf(read[1]), fieldsOf(plain));

    write({});
    EXPECT_FALSE(std::filesystem::exists(ShapeSidecar::pathFor(bank)));
    EXPECT_TRUE(ShapeSidecar::read(bank).empty());
}

// Sidecars written before a fit could stretch have no word for how it fits: they fit by pitch, and a
// fit by pitch is written as they were, so that they keep their bytes.
TEST_F(ShapeSidecarTest, AFitByPitchIsWrittenWithoutItsKindAndASidecarWithoutOneFitsByPitch)
{
    const ShapeSidecar::Slot stretched = shapedSlot();
    write({stretched});
    std::string older = sidecarText();
    // The keys are written in order: fitBy's word, then its comma and the next key's indent.
    const std::size_t kind = older.find("\"fitBy\": \"stretch\",");
    ASSERT_NE(kind, std::string::npos) << older;
    older.erase(kind, older.find('"', kind + 20) - kind);
    std::ofstream(ShapeSidecar::pathFor(bank)) << older;
    const std::vector<ShapeSidecar::Slot> read = ShapeSidecar::read(bank);
    ASSERT_EQ(read.size(), 1u);
    ShapeSidecar::Slot pitched = stretched;
    pitched.shape.fitKind = audio::FitKind::Pitch;
    EXPECT_EQ(fieldsOf(read[0]), fieldsOf(pitched));

    write({pitched});
    EXPECT_EQ(sidecarText(), older);
}

TEST_F(ShapeSidecarTest, ADamagedOrForeignFileGivesNoSlotAShapeAndAnEntryThatMakesNoSenseIsLeftOut)
{
    const std::string sidecar = ShapeSidecar::pathFor(bank);
    write({shapedSlot()});
    const std::string good = text(sidecar);
    const auto withEntry = [&](const std::string& from, const std::string& to) {
        std::string changed = good;
        changed.replace(changed.find(from), from.size(), to);
        std::ofstream(sidecar) << changed;
        return ShapeSidecar::read(bank).size();
    };
    EXPECT_EQ(withEntry("\"row\": 4", "\"row\": 4"), 1u);
    EXPECT_EQ(withEntry("\"row\": 4", "\"row\": 32"), 0u);
    EXPECT_EQ(withEntry("\"row\": 4", "\"row\": 4.5"), 0u);
    EXPECT_EQ(withEntry("\"slot\": 5", "\"slot\": 6"), 0u);
    EXPECT_EQ(withEntry("\"source\": \"/sounds", "\"source\": \"sounds"), 0u);
    EXPECT_EQ(withEntry("\"hash\": \"", "\"hash\": \"0"), 0u);
    EXPECT_EQ(withEntry(shapedSlot().bytesHash + "\"", shapedSlot().bytesHash + "\\n\""), 0u);
    EXPECT_EQ(withEntry("\"dither\": \"shaped\"", "\"dither\": \"loud\""), 0u);
    EXPECT_EQ(withEntry("\"fitBy\": \"stretch\"", "\"fitBy\": \"tempo\""), 0u);
    EXPECT_EQ(withEntry("\"fitBy\": \"stretch\"", "\"fitBy\": true"), 0u);
    EXPECT_EQ(withEntry("\"gain\": -3.25", "\"gain\": 480"), 0u);
    EXPECT_EQ(withEntry("\"end\": 1.25", "\"end\": 0.2"), 0u);
    EXPECT_EQ(withEntry("\"reverse\": true", "\"reverse\": \"yes\""), 0u);
    EXPECT_EQ(withEntry("\"format\": 1", "\"format\": 2"), 0u);
    // Beyond every integer's range: checked as numbers, never converted first.
    EXPECT_EQ(withEntry("\"row\": 4", "\"row\": 1e30"), 0u);
    EXPECT_EQ(withEntry("\"row\": 4", "\"row\": -1e30"), 0u);
    EXPECT_EQ(withEntry("\"slot\": 5", "\"slot\": 1e30"), 0u);
    EXPECT_EQ(withEntry("\"size\": 786476", "\"size\": 1e30"), 0u);
    EXPECT_EQ(withEntry("\"size\": 786476", "\"size\": -1"), 0u);
    EXPECT_EQ(withEntry("\"size\": 786476", "\"size\": 786476.5"), 0u);
    EXPECT_EQ(withEntry("\"source\": \"/sounds/kick drum.wav\"", "\"sourceBytes\": \"/sounds/kick%00drum.wav\""), 0u);

    for (const std::string& foreign : {std::string("not json"), std::string("[1, 2]"), std::string(2 << 20, ' ')}) {
        std::ofstream(sidecar) << foreign;
        EXPECT_TRUE(ShapeSidecar::read(bank).empty());
    }
}

TEST_F(ShapeSidecarTest, ASidecarThatIsNoRegularFileIsPassedByWithoutWaitingForIt)
{
    // A FIFO that no one writes into would hold a blocking open for ever.
    ASSERT_EQ(::mkfifo(ShapeSidecar::pathFor(bank).c_str(), 0600), 0);
    EXPECT_TRUE(ShapeSidecar::read(bank).empty());
    std::filesystem::remove(ShapeSidecar::pathFor(bank));
    std::filesystem::create_directory(ShapeSidecar::pathFor(bank));
    EXPECT_TRUE(ShapeSidecar::read(bank).empty());
}

TEST_F(ShapeSidecarTest, EveryPathComesBackByteForByteAndAUtf8OneStaysTextEarlierVersionsRead)
{
    // The bank file's own name need not be UTF-8 either: its sidecar is found beside it.
    bank = folder.file("caf\xE9.mid");
    std::mt19937 random(28);
    std::uniform_int_distribution<int> byte(1, 255);
    for (int round = 0; round < 50; ++round) {
        std::vector<ShapeSidecar::Slot> shaped{shapedSlot(), shapedSlot()};
        for (ShapeSidecar::Slot& slot : shaped) {
            slot.sourcePath = "/";
            for (int length = round % 40 + 1; length > 0; --length)
                slot.sourcePath += static_cast<char>(byte(random));
        }
        write(shaped);
        const std::vector<ShapeSidecar::Slot> read = ShapeSidecar::read(bank);
        ASSERT_EQ(read.size(), 2u);
        EXPECT_EQ(read[0].sourcePath, shaped[0].sourcePath);
        EXPECT_EQ(read[1].sourcePath, shaped[1].sourcePath);
    }
    EXPECT_TRUE(std::filesystem::exists(folder.file("caf\xE9.zylox.json")));

    write({shapedSlot()});
    EXPECT_NE(sidecarText().find("\"source\": \"/sounds/kick drum.wav\""), std::string::npos);
}

} // namespace
