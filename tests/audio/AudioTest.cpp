#include "audio/ClassicConverter.h"
#include "audio/DecodedSound.h"
#include "audio/MutedStandardError.h"
#include "audio/PcmFileReader.h"
#include "audio/SlotImport.h"
#include "audio/SoundSummary.h"
#include "bytes/SourceFile.h"

#include "tests/audio/EncodedCopies.h"
#include "tests/audio/SoundFileBytes.h"
#include "tests/support/Bytes.h"
#include "tests/support/SoundFileFolder.h"
#include "tests/support/SoundLevel.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <numeric>
#include <optional>
#include <string>
#include <thread>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using sound_file_bytes::Chunk;
using sound_file_bytes::number;

// Mono at 44,100 Hz.
Chunk fmt(std::uint16_t format, std::uint16_t bits, const Bytes& extension = {})
{
    return sound_file_bytes::fmt(format, 1, 44100, bits, extension);
}

Chunk comm(std::uint16_t channels, std::uint16_t bits, const Bytes& rate = {0x40, 0x0E, 0xAC, 0x44, 0, 0, 0, 0, 0, 0})
{
    return {"COMM", concat({number(channels, 2, true), Bytes(4, 0), number(bits, 2, true), rate})};
}

Chunk ssnd(std::uint32_t offset, const Bytes& data)
{
    return {"SSND", concat({number(offset, 4, true), Bytes(4, 0), data})};
}

TEST(Converter, ToTheDeviceFormat)
{
    // Channels, bits, unsigned 8-bit, rate, values, device bytes, frame bound, bytes after the last whole frame.
    const std::tuple<std::uint16_t, std::uint16_t, bool, double, std::vector<std::int64_t>, Bytes, std::size_t, Bytes>
        cases[] = {
            {1, 16, false, 66000, {0, 1000, 2000, 3000}, {128, 135}, 0, {}},
            {1, 16, false, 16500, {0, 1000}, {128, 129, 131, 129}, 0, {}},
            {2, 16, false, 33000, {1000, -3001, -1000, -1000}, {125, 125}, 0, {}},
            {1, 16, false, 33000, {-32768, 32767, -256, -255, 255, 256}, {0, 255, 127, 128, 128, 129}, 0, {}},
            {1, 24, false, 33000, {-65536, 65535, -1, 8388607, -8388608}, {127, 128, 128, 255, 0}, 0, {}},
            {1, 32, false, 33000, {-2147483648LL, 2147483647, -16777216, 16777215}, {0, 255, 127, 128}, 0, {}},
            {1, 8, true, 33000, {128, 255, 0, 127}, {128, 255, 0, 127}, 0, {}},
            {1, 8, false, 33000, {0, 127, 128, 255}, {128, 255, 0, 127}, 0, {}},
            {2, 16, false, 44100, std::vector<std::int64_t>(20, 100), Bytes(7, 128), 0, {}},
            // The mean of six channels, 2560 and a remainder of 5, truncates to 10 above silence.
            {6, 16, false, 33000, {2560, 2560, 2560, 2560, 2560, 2565}, {138}, 0, {}},
            // Upsampling, the frame that a trailing odd byte would start stands for silence.
            {1, 16, false, 16500, {2560}, {138, 133, 128}, 0, {0x7F}},
            // A rate of 2 Hz (an AIFF rate of ten zero bytes) yields only what the caller keeps.
            {1, 16, false, 2.0, std::vector<std::int64_t>(1000, 25600), Bytes(32768, 228), 32768, {}},
            // Empty and malformed samples convert to nothing.
            {2, 16, false, 44100, {}, {}, 0, {}},
            {0, 16, false, 44100, {1, 2, 3}, {}, 0, {}},
            {1, 40, false, 44100, {1, 2}, {}, 0, {}},
            {1, 16, false, 0.0, {1, 2}, {}, 0, {}},
            {1, 16, false, -44100.0, {1, 2}, {}, 0, {}},
            {1, 16, false, std::nan(""), {1, 2}, {}, 0, {}},
        };
    for (const auto& [channels, bits, unsigned8Bit, rate, values, device, maxFrames, trailing] : cases) {
        SCOPED_TRACE(testing::Message() << channels << " x " << bits << " bits at " << rate << " Hz");
        audio::PcmFrames in(channels, bits, unsigned8Bit, rate);
        for (const std::int64_t value : values) {
            const Bytes bytes = number(static_cast<std::uint64_t>(value), in.m_bytesPerValue, false);
            in.insert(in.end(), bytes.begin(), bytes.end());
        }
        in.insert(in.end(), trailing.begin(), trailing.end());
        audio::PcmFrames out;
        audio::ClassicConverter(1, 8, true, 33000.0).convert(out, in, maxFrames);
        EXPECT_EQ(Bytes(out.begin(), out.end()), device);
        EXPECT_EQ(std::tuple(out.m_samplerate, out.m_channels, out.m_bitsPerValue, out.m_bytesPerValue, out.m_signShift,
                             out.m_unsigned8Bit),
                  std::tuple(33000.0, 1, 8, 1, 56, true));
    }
}

// Sound files written by sox, or byte for byte for the files that no tool writes.
struct SoundImport : testing::Test {
    // An AIFF file when the name says so, else a WAV file; tail follows the chunks.
    std::string write(const std::string& name, std::initializer_list<Chunk> chunks, const Bytes& tail = {}) const
    {
        return folder.write(name, sound_file_bytes::chunked(name.ends_with(".aiff") ? "AIFF" : "WAVE", chunks, tail));
    }

    const SoundFileFolder folder;
};

TEST_F(SoundImport, ReaderTakesSoxFilesAsTheirSamples)
{
    // Bits, channels, rate, sox file type ("wavpcm" forces the plain format tag), format tag.
    const std::tuple<unsigned, unsigned, unsigned, std::string, unsigned> cases[] = {
        {8, 1, 16500, "wavpcm", 1},    {8, 2, 22050, "wavpcm", 1},    {16, 1, 44100, "wavpcm", 1},
        {16, 2, 48000, "wav", 1},      {16, 6, 96000, "wav", 0xFFFE}, {16, 6, 32000, "wavpcm", 1},
        {24, 1, 44100, "wav", 0xFFFE}, {24, 2, 88200, "wavpcm", 1},   {32, 2, 96000, "wav", 0xFFFE},
        {32, 1, 33000, "wavpcm", 1},   {8, 2, 22050, "aiff", 0},      {16, 1, 44100, "aiff", 0},
        {24, 6, 48000, "aiff", 0},
    };
    for (const auto& [bits, channels, rate, type, formatTag] : cases) {
        SCOPED_TRACE(testing::Message() << bits << " bits, " << channels << " channels, " << type);
        Bytes raw(300 * channels * bits / 8);
        std::iota(raw.begin(), raw.end(), std::uint8_t{0});
        const bool unsigned8Bit = bits == 8 && type != "aiff"; // AIFF values are always signed
        const Bytes file = ScratchFolder::read(
            folder.sox(raw,
                       "-r " + std::to_string(rate) + " -c " + std::to_string(channels) + " -b " + std::to_string(bits)
                           + (unsigned8Bit ? " -e unsigned-integer" : " -e signed-integer"),
                       "in." + type, "-t " + type));
        PcmFileReader reader(file);
        EXPECT_EQ(std::tuple(reader.isAudioFile(), reader.isPcmFile(), reader.m_formatTag),
                  std::tuple(true, true, formatTag));
        audio::PcmFrames s;
        ASSERT_EQ(reader.read(s, 0), raw.size());
        EXPECT_EQ(Bytes(s.begin(), s.end()), raw);
        EXPECT_EQ(std::tuple(s.m_channels, s.m_samplerate, s.m_bitsPerValue, s.m_bytesPerValue, s.m_unsigned8Bit),
                  std::tuple(channels, rate, bits, bits / 8, unsigned8Bit));
    }
}

struct FileCase {
    std::string path;
    bool pcm;
    Bytes data; // words made little-endian
    std::uint16_t bits = 16;
    double rate = 44100.0;
    std::size_t maxBytes = 0;
};

TEST_F(SoundImport, ReaderOnPaddedMissingTruncatedAndOddParts)
{
    const FileCase cases[] = {
        {write("odd.wav", {{"LIST", {'a'}}, fmt(1, 16), {"id3 ", {'a'}}, {"data", {1, 0, 2, 0}}}), true, {1, 0, 2, 0}},
        {write("odd.aiff", {{"NAME", {'a'}}, comm(1, 16), {"ANNO", {'a'}}, ssnd(0, {0, 1, 0, 2})}), true, {1, 0, 2, 0}},
        // Compressed, floating point, or extensible without the integer PCM sub-format.
        {folder.sox(Bytes(8, 0), "-r 44100 -c 1 -b 16 -e signed-integer", "in.aifc"), false, {}},
        {folder.sox(Bytes(8, 0), "-r 44100 -c 1 -b 32 -e floating-point", "float.wav"), false, Bytes(8, 0), 32},
        {write("xfloat.wav", {fmt(0xFFFE, 32, {22, 0, 32,   0, 0,    0, 0, 0,    3, 0,    0,    0,
                                               0,  0, 0x10, 0, 0x80, 0, 0, 0xAA, 0, 0x38, 0x9B, 0x71})}),
         false,
         {}},
        // Missing chunks, and a declared length far beyond the end of the file.
        {write("nofmt.wav", {{"data", {1, 2}}}), false, {}},
        {write("nocomm.aiff", {ssnd(0, {1, 2})}), true, {}},
        {write("huge.wav", {fmt(1, 16)}, {'d', 'a', 't', 'a', 0xF0, 0xFF, 0xFF, 0xFF, 1, 2, 3, 4}), true, {1, 2, 3, 4}},
        // The SSND offset goes before the words are swapped and counts toward the limit; a chunk too short for
        // its offset and block size fields holds no data, even with more chunks after it.
        {write("offset1.aiff", {comm(1, 16), ssnd(1, {9, 1, 2, 3, 4, 5})}), true, {2, 1, 4, 3}},
        {write("offset4.aiff", {comm(1, 16), ssnd(4, {9, 9, 9, 9, 1, 2, 3, 4})}), true, {2, 1}, 16, 44100, 6},
        {write("beyond.aiff", {comm(1, 16), ssnd(100, {1, 2, 3, 4})}), true, {}},
        {write("stub.aiff", {comm(1, 16), {"SSND", {0, 0, 0, 0}}, {"ANNO", {1, 2, 3, 4}}}), true, {}},
        {write("2hz.aiff", {comm(1, 8, Bytes(10, 0)), ssnd(0, {1})}), true, {1}, 8, 2.0},
        // Widths that are not whole bytes read as their containers.
        {write("12.wav", {fmt(1, 12), {"data", {0xF0, 0x7F}}}), true, {0xF0, 0x7F}, 16},
        {write("20.aiff", {comm(1, 20), ssnd(0, {0x80, 0x00, 0x10})}), true, {0x10, 0x00, 0x80}, 24},
        {write("4.wav", {fmt(1, 4), {"data", {0x90}}}), true, {0x90}, 8},
    };
    for (const FileCase& c : cases) {
        SCOPED_TRACE(c.path);
        const Bytes file = ScratchFolder::read(c.path);
        PcmFileReader reader(file);
        EXPECT_EQ(std::tuple(reader.isAudioFile(), reader.isPcmFile()), std::tuple(true, c.pcm));
        audio::PcmFrames s;
        EXPECT_EQ(reader.read(s, c.maxBytes), c.data.size());
        EXPECT_EQ(Bytes(s.begin(), s.end()), c.data);
        if (!c.data.empty()) {
            EXPECT_EQ(std::tuple(s.m_bitsPerValue, s.m_samplerate, s.m_unsigned8Bit),
                      std::tuple(c.bits, c.rate, c.bits == 8 && c.path.ends_with(".wav"))); // WAV holds unsigned
        }
    }
}

TEST_F(SoundImport, SlotIsFilledFadedAndFollowedBySilenceOrKeptWhenNothingIsDelivered)
{
    using Refusal = audio::ImportResult::Refusal;
    const std::optional<Refusal> taken;
    const std::string device = "-r 33000 -c 1 -b 8 -e unsigned-integer";
    const Bytes kept(8192, 0x11);
    const Bytes clip = concat({{'R', 'I', 'F', 'F', 12, 0, 0, 0, 'A', 'V', 'I', ' '}, Bytes(8, 0xF0)});
    // File, raw bytes allowed, why it is refused (none: taken), slot afterwards.
    const std::tuple<std::string, bool, std::optional<Refusal>, Bytes> cases[] = {
        {folder.sox(concat({Bytes(993, 0xFF), {0x00, 0x80, 0xF0, 0x7F, 0x01, 0x00, 0xFF}}), device, "short.wav"), false,
         taken, concat({{0x80}, Bytes(992, 0xFF), {0x41, 0x80, 0x8E, 0x80, 0x7D, 0x7F, 0x80}, Bytes(7192, 0x80)})},
        {folder.sox(Bytes(10000, 0xFF), device, "long.wav"), false, taken,
         concat({{0x80}, Bytes(8184, 0xFF), {0xBF, 0x9F, 0x8F, 0x87, 0x83, 0x81, 0x80}})},
        // Neither WAV nor AIFF: raw device bytes when allowed, also when shorter than the fade.
        {folder.write("clip.avi", clip), true, taken,
         concat({{0x80, 'I', 'F', 'F', 12, 0, 0, 0, 'A', 'V', 'I', ' ', 0xF0, 0xB8, 0x9C, 0x8E, 0x87, 0x83, 0x81},
                 Bytes(8173, 0x80)})},
        {folder.write("tiny", {'R', 'I', 'F', 'F', 5}), true, taken,
         concat({{0x80, 'I', 'F', 'F', 5}, Bytes(8187, 0x80)})},
        {folder.path("clip.avi"), false, Refusal::NotASound, kept},
        // Sounds no decoder takes: a format or encoding none knows (a WAV of format 0x1234, an M4A, the
        // starts of MP3 and CAF files too short to tell), and an MP3 frame with nothing after it.
        {write("unknown.wav", {fmt(0x1234, 16), {"data", {1, 2, 3, 4}}}), false, Refusal::OtherSoundFormat, kept},
        {folder.write("in.mp3", {0xFF, 0xFB, 0x90, 0x64, 0x00}), false, Refusal::OtherSoundFormat, kept},
        {folder.write("tagged.mp3", {'I', 'D', '3', 4, 0}), false, Refusal::OtherSoundFormat, kept},
        {folder.write("broken.mp3", concat({{0xFF, 0xFB, 0x90, 0x64}, Bytes(1996, 0)})), false, Refusal::Undecodable,
         kept},
        {folder.write("in.m4a", {0, 0, 0, 0x20, 'f', 't', 'y', 'p', 'M', '4', 'A', ' '}), false,
         Refusal::OtherSoundFormat, kept},
        {folder.write("in.caf", {'c', 'a', 'f', 'f', 0, 1, 0, 0}), false, Refusal::OtherSoundFormat, kept},
        // Raw device bytes when the user asked for them, whatever sound their first bytes look like.
        {folder.path("in.mp3"), true, taken, concat({{0x80, 0xFB, 0x90, 0x64, 0x00}, Bytes(8187, 0x80)})},
        // A source wider than any a slot takes (16 channels of 32-bit values 0x40404040 at 24 x 33 kHz) is
        // read only as far as the widest one would be, 8 channels of 32 bits at 384 kHz: 1,536,000 bytes for
        // 4,125 slot bytes (0.125 s), which are 24,000 of its frames and 1,000 slot bytes.
        {folder.sox(Bytes(2000000, 0x40), "-r 792000 -c 16 -b 32 -e signed-integer", "fast.wav"), false, taken,
         concat({{0x80}, Bytes(992, 0xC0), {0xA0, 0x90, 0x88, 0x84, 0x82, 0x81, 0x80}, Bytes(3125, 0x80)})},
        // Nothing delivered: the slot keeps its bytes.
        {folder.write("empty", {}), true, Refusal::NoSound, kept},
        {write("nodata.wav", {fmt(1, 16)}), false, Refusal::NoSound, kept},
        {write("nobits.aiff", {comm(1, 0), ssnd(0, {1, 2})}), false, Refusal::NoSound, kept},
        // Without samples the file holds no sound, whatever its rate.
        {write("empty.aiff", {comm(2, 8, {0xC0, 0x0E, 0xAC, 0x44, 0, 0, 0, 0, 0, 0}), ssnd(0, {})}), false,
         Refusal::NoSound, kept},
    };
    for (const auto& [path, raw, result, expected] : cases) {
        SCOPED_TRACE(path);
        Bytes slot(expected.size(), 0x11);
        const SourceFile source(path, audio::sourceLimit(slot.size()));
        ASSERT_EQ(source.error(), 0);
        const audio::ImportResult imported = audio::importSlot(source.bytes(), audio::SoundShape{raw}, slot);
        EXPECT_EQ(imported ? std::nullopt : std::optional(imported.refusal), result);
        EXPECT_EQ(slot, expected);
    }
}

// Lossy coders put up to some 50 ms of their own delay before the sound.
double bestCorrelation(const Bytes& decoded, const Bytes& source)
{
    double best = -1.0;
    for (std::size_t lag = 0; lag < 1650; ++lag)
        best = std::max(best, sound_level::correlation(decoded, source, lag));
    return best;
}

TEST_F(SoundImport, OtherSoundFormatsGiveTheSlotTheirSourceGives)
{
    const auto slotOf = [this](const std::string& name) {
        Bytes slot(32768, 0x11);
        const SourceFile source(folder.path(name), audio::sourceLimit(slot.size()));
        const audio::ImportResult whole = audio::importSlot(source.bytes(), {}, slot);
        // Each is as long as its source, 0.6 s (an MP3 decodes a frame or two past it), and none is cut short.
        EXPECT_TRUE(whole) << name;
        EXPECT_NEAR(static_cast<double>(whole.length), 0.6 * 33000.0, 2000.0) << name;
        EXPECT_FALSE(whole.cutShort) << name;
        return slot;
    };
    const std::string in = folder.path("source.wav");
    folder.run("-n -r 44100 -c 2 -b 16 " + in + " synth 0.6 sine 200-2000 sine 2000-300 gain -3");
    encodeCopies(folder, in,
                 {"float.wav -e floating-point -b 32", "source.aiff", "source.flac", "source.w64", "source.au",
                  "source.caf", "source.aifc", "fl32.aifc -e floating-point -b 32", "source.mp3", "source.ogg",
                  "source.opus"});
    // No tool writes little-endian AIFF-C: its 16-bit values as the source holds them, after the header.
    const Bytes wav = SoundFileFolder::read(in);
    const Bytes data(wav.begin() + 44, wav.end());
    const Bytes rate{0x40, 0x0E, 0xAC, 0x44, 0, 0, 0, 0, 0, 0};
    folder.write("sowt.aifc", sound_file_bytes::chunked("AIFC", {{"COMM", concat({number(2, 2, true),
                                                                                  number(data.size() / 4, 4, true),
                                                                                  number(16, 2, true),
                                                                                  rate,
                                                                                  {'s', 'o', 'w', 't', 0, 0}})},
                                                                 {"SSND", concat({Bytes(8, 0), data})}}));

    const Bytes source = slotOf("source.wav");
    for (const char* lossless :
         {"source.aiff", "source.flac", "source.w64", "source.au", "source.caf", "source.aifc", "sowt.aifc"}) {
        EXPECT_EQ(slotOf(lossless), source) << lossless;
    }
    // Floats decode as 32-bit integers: within one step of rounding of the 16-bit source.
    for (const char* floating : {"float.wav", "fl32.aifc"}) {
        const Bytes slot = slotOf(floating);
        for (std::size_t i = 0; i < slot.size(); ++i)
            ASSERT_LE(std::abs(slot[i] - source[i]), 1) << floating << " byte " << i;
    }
    for (const char* lossy : {"source.mp3", "source.ogg", "source.opus"}) {
        EXPECT_GT(bestCorrelation(slotOf(lossy), source), 0.98) << lossy;
    }
}

TEST_F(SoundImport, NanSamplesAreSilence)
{
    // A float WAV file: 400 frames of a quarter of full scale, then of not-a-number, then the quarter again.
    const Bytes floats = sound_file_bytes::wav(44100, 1, 1200, 32, true, [](std::uint64_t frame, std::uint16_t) {
        return frame / 400 == 1 ? std::nan("") : 0.25;
    });
    Bytes slot(8192, 0x11);
    ASSERT_TRUE(audio::importSlot(floats, {}, slot));
    EXPECT_EQ(*std::min_element(slot.begin(), slot.end()), 0x80) << "a click of full-scale negative samples";
    EXPECT_EQ(slot[450], 0x80);
    EXPECT_EQ(slot[150], 0xA0);
}

// The fuzzer's find: samples at a rate of 0 reached the conversion, which divided by it.
TEST_F(SoundImport, AHeaderWithoutAUsableRateSaysTheFileIsDamagedAndLeavesTheSlot)
{
    const Bytes samples(2000, 0x40);
    const std::string files[] = {
        write("zero.wav", {sound_file_bytes::fmt(1, 1, 0, 8), {"data", samples}}),
        write("negative.aiff", {comm(1, 8, {0xC0, 0x0E, 0xAC, 0x44, 0, 0, 0, 0, 0, 0}), ssnd(0, samples)}),
        write("infinite.aiff", {comm(1, 8, {0x03, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0}), ssnd(0, samples)}),
        write("nan.aiff", {comm(1, 8, {0x03, 0xFF, 0x80, 0, 0, 0, 0, 0, 0, 0}), ssnd(0, samples)}),
        write("tiny.aiff", {comm(1, 8, {0x0C, 0x01, 0x80, 0, 0, 0, 0, 0, 0, 0}), ssnd(0, samples)}),
    };
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        const Bytes bytes = SoundFileFolder::read(file);
        for (const audio::SoundShape& options :
             {audio::SoundShape{}, {.resampling = audio::Resampling::Clean, .normalize = true, .trim = true}}) {
            Bytes slot(8192, 0x11);
            const audio::ImportResult result = audio::importSlot(bytes, options, slot);
            EXPECT_EQ(result ? std::nullopt : std::optional(result.refusal), audio::ImportResult::Refusal::Undecodable);
            EXPECT_EQ(result.detail(), "the file is damaged or cut short");
            EXPECT_EQ(slot, Bytes(8192, 0x11));
        }
        EXPECT_FALSE(audio::decodeSound(bytes, 60.0));
    }
}

// Which file standard error is now, and how many descriptors the process holds.
std::pair<std::pair<dev_t, ino_t>, std::size_t> standardErrorAndDescriptors()
{
    struct stat status { };
    EXPECT_EQ(::fstat(STDERR_FILENO, &status), 0);
    const auto descriptors = static_cast<std::size_t>(
        std::distance(std::filesystem::directory_iterator("/proc/self/fd"), std::filesystem::directory_iterator()));
    return {{status.st_dev, status.st_ino}, descriptors};
}

TEST(MutedStandardError, OverlappingMutesOnSeveralThreadsGiveStandardErrorBackWhenTheLastEnds)
{
    const auto before = standardErrorAndDescriptors();
    struct stat nowhere { };
    ASSERT_EQ(::stat("/dev/null", &nowhere), 0);
    {
        const audio::MutedStandardError outer;
        {
            const audio::MutedStandardError inner;
        }
        EXPECT_EQ(standardErrorAndDescriptors().first, std::pair(nowhere.st_dev, nowhere.st_ino));
    }
    EXPECT_EQ(standardErrorAndDescriptors(), before);
    std::vector<std::thread> decoders;
    for (int thread = 0; thread < 4; ++thread)
        decoders.emplace_back([] {
            for (int i = 0; i < 200; ++i)
                const audio::MutedStandardError quiet;
        });
    for (std::thread& decoder : decoders)
        decoder.join();
    EXPECT_EQ(standardErrorAndDescriptors(), before);
}

TEST_F(SoundImport, SaysHowLongTheSoundIsAndWhetherItWasCutOrPaddedToFitTheSlot)
{
    const std::tuple<std::string, std::size_t, std::string> cases[] = {
        {folder.sox(Bytes(133182 * 4, 0x10), "-r 44100 -c 2 -b 16 -e signed-integer", "kick.wav"), 8192,
         "kick.wav: 3.02 s, cut to 0.25 s to fit CLOSED HI HAT (Classic)"},
        {folder.sox(Bytes(9041 * 3, 0x10), "-r 22050 -c 1 -b 24 -e signed-integer", "snare.aiff"), 24576,
         "snare.aiff: 0.41 s, padded to 0.74 s with silence (Classic)"},
        {folder.sox(Bytes(8192, 0x90), "-r 33000 -c 1 -b 8 -e unsigned-integer", "exact.wav"), 8192,
         "exact.wav: 0.25 s, fills CLOSED HI HAT exactly (Classic)"},
        {folder.write("notes.txt", Bytes(10000, 'x')), 8192,
         "notes.txt: 10,000 bytes of raw device data, cut to 0.25 s to fit CLOSED HI HAT"},
        {folder.write("short.raw", Bytes(100, 'x')), 32768,
         "short.raw: 100 bytes of raw device data, padded to 0.99 s with silence"},
    };
    for (const auto& [path, slotLength, line] : cases) {
        Bytes slot(slotLength, 0x80);
        const SourceFile source(path, audio::sourceLimit(slotLength));
        EXPECT_EQ(audio::importSlot(source.bytes(), audio::SoundShape{true}, slot)
                      .describe(path.substr(path.rfind('/') + 1), "CLOSED HI HAT"),
                  line);
    }
    const audio::ImportResult message{audio::ImportResult::Kind::Message, 131078, 131078};
    EXPECT_EQ(message.describe("os.syx", "OS"), "os.syx: System Exclusive message of 131,078 bytes into OS");
    // A file cut short says so after the rest of the line, of a sound or of raw device bytes.
    audio::ImportResult cut{audio::ImportResult::Kind::Sound, 2970, 24576};
    cut.cutShort = true;
    EXPECT_EQ(cut.describe("cut.flac", "CLAP"),
              "cut.flac: 0.09 s, padded to 0.74 s with silence (Classic); the file is damaged or cut short");
    cut.kind = audio::ImportResult::Kind::Raw;
    EXPECT_EQ(cut.describe("cut.flac", "CLAP"),
              "cut.flac: 2,970 bytes of raw device data, padded to 0.74 s with silence");
    // What a trim and a normalise did, in the brackets with the conversion.
    audio::ImportResult shaped{audio::ImportResult::Kind::Sound, 6600, 8192};
    shaped.options = {.resampling = audio::Resampling::Clean, .normalize = true, .trim = true};
    shaped.trimmed = 990;
    shaped.gainDecibels = 11.94;
    EXPECT_EQ(
        shaped.describe("late.wav", "CLOSED HI HAT"),
        "late.wav: 0.20 s, padded to 0.25 s with silence (Clean, 0.03 s of silence trimmed, normalised +11.9 dB)");
    shaped.trimmed = 0;
    EXPECT_TRUE(
        shaped.describe("late.wav", "CLOSED HI HAT").ends_with("(Clean, no silence to trim, normalised +11.9 dB)"));
}

} // namespace
