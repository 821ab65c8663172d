// An MP3 whose first frame states the encoder's delay and padding (the LAME tag of a Xing or Info
// header, which sox writes for a VBR encoding) decodes to its source's frames and no more: a hit
// sounds when its WAV's does, at every MPEG version's rates, mono and stereo. One without that
// header says nothing of its delay, and keeps it.
#include "audio/DecodedSound.h"
#include "audio/SlotImport.h"

#include "tests/support/Bytes.h"
#include "tests/support/SoundFileFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

namespace {

constexpr double kHitAt = 0.2; // seconds into each file
constexpr double kHitLength = 0.03;
// Lags searched either way, in frames: past an MPEG frame of 1,152 and a delay of 1,105.
constexpr int kMostLag = 2048;
// LAME's own delay and the decoder's: what an MP3 without the header is late by.
constexpr std::int64_t kUnstatedDelay = 576 + 529;

audio::DecodedSound decode(const std::string& path)
{
    audio::DecodedSound sound = audio::decodeSound(SoundFileFolder::read(path), 60.0);
    EXPECT_TRUE(sound) << path;
    return sound;
}

// The first channel's values.
std::vector<double> firstChannel(const audio::PcmFrames& frames)
{
    std::vector<double> values(frames.frameCount());
    for (std::uint64_t frame = 0; frame < frames.frameCount(); ++frame)
        values[frame] = static_cast<double>(frames.getValue(frame, 0));
    return values;
}

// A slot's bytes as values about its zero line.
std::vector<double> centred(const Bytes& slot)
{
    std::vector<double> values(slot.size());
    std::transform(slot.begin(), slot.end(), values.begin(), [](std::uint8_t byte) { return byte - 128.0; });
    return values;
}

// How many frames later the hit at hitAt seconds sounds in late than in original, both at this
// rate: the lag at which the two match best around it, which pre-echo and a lossy encoding do not move.
std::int64_t lateBy(const std::vector<double>& original, const std::vector<double>& late, double rate,
                    double hitAt = kHitAt)
{
    const auto from = static_cast<std::int64_t>((hitAt - 0.01) * rate);
    const auto to = static_cast<std::int64_t>((hitAt + kHitLength + 0.01) * rate);
    const auto value = [](const std::vector<double>& values, std::int64_t at) {
        return at >= 0 && static_cast<std::size_t>(at) < values.size() ? values[static_cast<std::size_t>(at)] : 0.0;
    };
    std::int64_t best = 0;
    double bestMatch = -std::numeric_limits<double>::infinity();
    for (std::int64_t lag = -kMostLag; lag <= kMostLag; ++lag) {
        double match = 0.0;
        for (std::int64_t frame = from; frame < to; ++frame)
            match += value(original, frame) * value(late, frame + lag);
        if (match > bestMatch) {
            bestMatch = match;
            best = lag;
        }
    }
    return best;
}

std::int64_t lateBy(const audio::PcmFrames& source, const audio::PcmFrames& decoded)
{
    return lateBy(firstChannel(source), firstChannel(decoded), source.m_samplerate);
}

struct Mp3Timing : testing::Test {
    // A short burst of noise at kHitAt, as a WAV file at this rate and channel count; the same noise
    // on every run.
    std::string hit(const std::string& name, int rate, int channels) const
    {
        return folder.synth(name, "-R -r " + std::to_string(rate) + " -c " + std::to_string(channels) + " -b 16",
                            "synth " + std::to_string(kHitLength) + " whitenoise fade 0 " + std::to_string(kHitLength)
                                + " 0.02 gain -3 pad " + std::to_string(kHitAt) + " 0.3");
    }

    const SoundFileFolder folder;
};

TEST_F(Mp3Timing, AStatedDelayAndPaddingAreTakenAwaySoTheHitIsOnTimeAndTheLengthIsTheSources)
{
    // MPEG-1 at 44.1, 48 and 32 kHz, MPEG-2 at 22.05 kHz, MPEG-2.5 at 8 kHz.
    for (const auto& [rate, channels] :
         {std::pair{44100, 1}, std::pair{48000, 2}, std::pair{32000, 2}, std::pair{22050, 1}, std::pair{8000, 1}}) {
        SCOPED_TRACE(testing::Message() << rate << " Hz, " << channels << " channels");
        const std::string wav = hit("hit.wav", rate, channels);
        folder.run("-R " + wav + " -C -2 " + folder.path("hit.mp3"));
        const audio::DecodedSound source = decode(wav);
        const audio::DecodedSound mp3 = decode(folder.path("hit.mp3"));
        EXPECT_EQ(mp3.frames.m_samplerate, rate);
        EXPECT_EQ(mp3.frames.m_channels, channels);
        EXPECT_EQ(lateBy(source.frames, mp3.frames), 0);
        EXPECT_EQ(mp3.frames.frameCount(), source.frames.frameCount());
        EXPECT_EQ(mp3.wholeFrames, source.wholeFrames);
        EXPECT_FALSE(mp3.cutShort);
    }
}

TEST_F(Mp3Timing, InTheSlotAStatedHitIsOnTimeAndOneWithoutTheHeaderKeepsItsDelay)
{
    const std::string wav = hit("hit.wav", 44100, 1);
    // sox's constant bit rate encoding writes no Xing or Info header.
    folder.run("-R " + wav + " " + folder.path("plain.mp3"));
    folder.run("-R " + wav + " -C -2 " + folder.path("stated.mp3"));
    const audio::DecodedSound source = decode(wav);
    const audio::DecodedSound plain = decode(folder.path("plain.mp3"));
    EXPECT_EQ(lateBy(source.frames, plain.frames), kUnstatedDelay);
    EXPECT_GT(plain.frames.frameCount(), source.frames.frameCount() + kUnstatedDelay);

    // In the slot, the stated file's hit starts on the WAV's byte, the other's 25 ms later; and so
    // in a region that starts before the hit, under both conversions.
    audio::SoundShape region;
    region.start = 0.15;
    region.resampling = audio::Resampling::Clean;
    for (const audio::SoundShape& shape : {audio::SoundShape{}, region}) {
        SCOPED_TRACE(testing::Message() << "from " << shape.start << " s");
        std::vector<Bytes> slots;
        for (const char* name : {"hit.wav", "stated.mp3", "plain.mp3"}) {
            slots.emplace_back(32768, 0x11);
            ASSERT_TRUE(audio::importSlot(SoundFileFolder::read(folder.path(name)), shape, slots.back())) << name;
        }
        // The WAV's hit starts where the region puts it: its first byte an eighth of full scale off
        // the zero line (above the source's dither, below the hit's first peaks).
        const std::ptrdiff_t onset = std::find_if(slots[0].begin(), slots[0].end(),
                                                  [](std::uint8_t byte) { return std::abs(byte - 0x80) >= 16; })
                                     - slots[0].begin();
        const double hitInSlot = kHitAt - shape.start;
        EXPECT_NEAR(onset, hitInSlot * 33000.0, 2.0);
        EXPECT_EQ(lateBy(centred(slots[0]), centred(slots[1]), 33000.0, hitInSlot), 0);
        EXPECT_NEAR(lateBy(centred(slots[0]), centred(slots[2]), 33000.0, hitInSlot),
                    kUnstatedDelay * 33000.0 / 44100.0, 1.0);
    }
}

} // namespace
