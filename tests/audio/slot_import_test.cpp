#include "audio/slot_import.h"

#include "SoundFileFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

// 8-bit unsigned mono at 33 kHz: the device format, so the converted bytes are the file's own.
std::string deviceWav(const SoundFileFolder& folder, const std::string& name, const Bytes& data)
{
    return folder.sox(data, "-r 33000 -c 1 -b 8 -e unsigned-integer", name, "-t wavpcm");
}

Bytes slotOf(std::size_t length, std::uint8_t fill)
{
    return Bytes(length, fill);
}

TEST(SlotImport, ShortSoundIsFadedAndFollowedBySilence)
{
    const SoundFileFolder folder;
    Bytes slot = slotOf(8192, 0x11);
    ASSERT_TRUE(audio::importSlot(deviceWav(folder, "a.wav", Bytes(1000, 0xFF)).c_str(), slot));
    ASSERT_EQ(slot.size(), 8192u);
    EXPECT_EQ(slot[0], 0x80);
    EXPECT_EQ(slot[1], 0xFF);
    EXPECT_EQ(slot[992], 0xFF);
    EXPECT_EQ(Bytes(slot.begin() + 993, slot.begin() + 1000), (Bytes{0xBF, 0x9F, 0x8F, 0x87, 0x83, 0x81, 0x80}));
    EXPECT_EQ(Bytes(slot.begin() + 1000, slot.end()), Bytes(8192 - 1000, 0x80));
}

TEST(SlotImport, FadeMovesEveryValueTowardTheZeroLine)
{
    const SoundFileFolder folder;
    Bytes slot = slotOf(8192, 0x11);
    const Bytes data = {0x20, 0x00, 0x80, 0xF0, 0x7F, 0x01, 0x00, 0xFF};
    ASSERT_TRUE(audio::importSlot(deviceWav(folder, "b.wav", data).c_str(), slot));
    EXPECT_EQ(Bytes(slot.begin(), slot.begin() + 9), (Bytes{0x80, 0x41, 0x80, 0x8E, 0x80, 0x7D, 0x7F, 0x80, 0x80}));
}

TEST(SlotImport, LongSoundIsCutAtTheSlotLength)
{
    const SoundFileFolder folder;
    Bytes slot = slotOf(8192, 0x11);
    ASSERT_TRUE(audio::importSlot(deviceWav(folder, "c.wav", Bytes(10000, 0x00)).c_str(), slot));
    ASSERT_EQ(slot.size(), 8192u);
    EXPECT_EQ(slot[8184], 0x00);
    EXPECT_EQ(slot[8185], 0x41);
    EXPECT_EQ(slot[8191], 0x80);
}

TEST(SlotImport, OtherFilesAreTakenRaw)
{
    const SoundFileFolder folder;
    Bytes twenty;
    for (std::uint8_t i = 0; i < 20; ++i) {
        twenty.push_back(static_cast<std::uint8_t>(0xF0 + i % 8));
    }
    Bytes slot = slotOf(8192, 0x11);
    ASSERT_TRUE(audio::importSlot(folder.write("raw.bin", twenty).c_str(), slot));
    EXPECT_EQ(slot[0], 0x80);
    EXPECT_EQ(Bytes(slot.begin() + 1, slot.begin() + 13), Bytes(twenty.begin() + 1, twenty.begin() + 13));
    EXPECT_EQ(slot[13], 0x80 + ((0xF5 - 0x80) >> 1));
    EXPECT_EQ(slot[19], 0x80);
    EXPECT_EQ(Bytes(slot.begin() + 20, slot.end()), Bytes(8192 - 20, 0x80));

    // Shorter than the header probe, and shorter than the fade: taken as it is.
    slot = slotOf(8192, 0x11);
    ASSERT_TRUE(audio::importSlot(folder.write("tiny.bin", {1, 2, 3, 4, 5}).c_str(), slot));
    EXPECT_EQ(Bytes(slot.begin(), slot.begin() + 6), (Bytes{0x80, 2, 3, 4, 5, 0x80}));

    // A RIFF file of another form type is not a sound.
    slot = slotOf(8192, 0x11);
    Bytes avi;
    appendTag(avi, "RIFF");
    appendLittle(avi, 4, 4);
    appendTag(avi, "AVI ");
    ASSERT_TRUE(audio::importSlot(folder.write("clip.avi", avi).c_str(), slot));
    EXPECT_EQ(slot[1], 'I');
}

TEST(SlotImport, NothingDeliveredLeavesTheSlotUnchanged)
{
    const SoundFileFolder folder;
    const Bytes before = slotOf(8192, 0x11);
    Bytes noData;
    appendTag(noData, "RIFF");
    appendLittle(noData, 0, 4);
    appendTag(noData, "WAVE");
    const Bytes aifcRaw(200, 0);
    for (const std::string& path : {folder.path("missing.wav"), folder.write("empty", {}),
                                    folder.write("nodata.wav", noData),
                                    folder.sox(aifcRaw, "-r 44100 -c 1 -b 16 -e signed-integer", "x.aifc")}) {
        SCOPED_TRACE(path);
        Bytes slot = before;
        EXPECT_FALSE(audio::importSlot(path.c_str(), slot));
        EXPECT_EQ(slot, before);
    }
}

TEST(SlotImport, ReadsAtMostTwentyFourTimesTheSlotFromTheFile)
{
    const SoundFileFolder folder;
    // 1,000,000 bytes of 16-bit mono at 24 x 33 kHz: only the first 786,432 bytes may be read,
    // which make 16,384 output bytes of 0x4000 (0xC0 in the device format).
    const std::vector<std::int64_t> values(500000, 0x4000);
    const auto path = folder.sox(littleEndian(values, 2), "-r 792000 -c 1 -b 16 -e signed-integer", "fast.wav",
                                 "-t wavpcm");
    Bytes slot = slotOf(32768, 0x11);
    ASSERT_TRUE(audio::importSlot(path.c_str(), slot));
    EXPECT_EQ(slot[16376], 0xC0);
    EXPECT_EQ(slot[16383], 0x80);
    EXPECT_EQ(Bytes(slot.begin() + 16384, slot.end()), Bytes(32768 - 16384, 0x80));
}

TEST(SlotImport, MalformedFormatsStayBounded)
{
    const SoundFileFolder folder;
    // An AIFF whose rate field is ten zero bytes (2 Hz): the slot fills, and no further.
    Bytes aiff;
    appendTag(aiff, "FORM");
    appendBig(aiff, 0, 4);
    appendTag(aiff, "AIFF");
    appendTag(aiff, "COMM");
    appendBig(aiff, 18, 4);
    appendBig(aiff, 1, 2);
    appendBig(aiff, 0, 4);
    appendBig(aiff, 8, 2);
    aiff.insert(aiff.end(), 10, 0);
    appendTag(aiff, "SSND");
    appendBig(aiff, 8 + 4, 4);
    appendBig(aiff, 0, 8);
    aiff.insert(aiff.end(), {0x40, 0x40, 0x40, 0x40});
    Bytes slot = slotOf(32768, 0x11);
    ASSERT_TRUE(audio::importSlot(folder.write("slow.aiff", aiff).c_str(), slot));
    EXPECT_EQ(slot[100], 0xC0);
    EXPECT_EQ(slot[32767], 0x80);

    // No channels: nothing to convert, so nothing delivered.
    aiff[21] = 0;
    slot = slotOf(32768, 0x11);
    EXPECT_FALSE(audio::importSlot(folder.write("nochannels.aiff", aiff).c_str(), slot));
    EXPECT_EQ(slot, slotOf(32768, 0x11));
}

} // namespace
