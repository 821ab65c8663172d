// What a list of sound files shows of each, read from headers that sox wrote, and the files that
// are no sound said apart from those that cannot be read at all.
#include "audio/SoundSummary.h"
#include "audio/SoundFileDecoder.h"

#include "tests/audio/SoundFileBytes.h"
#include "tests/support/SoundFileFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

namespace {

using Kind = audio::SoundSummary::Kind;

// What the header must say: kind, frames, rate and channels; a file that is no sound says nothing more.
using Summary = std::tuple<Kind, std::uint64_t, double, unsigned>;

TEST(SoundSummary, EachFileGivesTheLengthItHoldsRateAndChannelsOrSaysItIsNoSoundOrUnreadable)
{
    const SoundFileFolder folder;
    const auto noise = [&folder](const std::string& name, const std::string& format, const std::string& seconds) {
        return folder.synth(name, format, "synth " + seconds + " whitenoise gain -6");
    };
    // One second at 8,000 Hz, cut after half of its 16,000 data bytes.
    const std::string whole = folder.synth("whole.wav", "-r 8000 -c 1 -b 16", "synth 1 sine 300");
    Bytes cut = SoundFileFolder::read(whole);
    ASSERT_EQ(cut.size(), 44u + 16000u);
    cut.resize(44 + 8000);
    // A chunk of 100,000 bytes before the format and data: our reader's head ends inside it, so the
    // decoder reads the header.
    const Bytes wav = SoundFileFolder::read(folder.synth("pad.wav", "-r 16000 -c 1 -b 16", "synth 1.5 sine 300"));
    const Bytes padded
        = sound_file_bytes::chunked("WAVE", {{"junk", Bytes(100000, 0)}}, Bytes(wav.begin() + 12, wav.end()));
    Bytes damaged = SoundFileFolder::read(folder.synth("tone.flac", "-r 44100 -c 1 -b 16", "synth 0.5 sine 300"));
    damaged.resize(6);
    ASSERT_EQ(::mkfifo(folder.path("fifo.wav").c_str(), 0600), 0);
    std::filesystem::create_directory(folder.path("folder.wav"));

    const Summary notASound{Kind::NotASound, 0, 0.0, 0};
    const Summary unreadable{Kind::Unreadable, 0, 0.0, 0};
    const std::pair<std::string, Summary> cases[] = {
        {noise("stereo.wav", "-r 44100 -c 2 -b 16", "0.5"), {Kind::Sound, 22050, 44100, 2}},
        {noise("mono24.aiff", "-r 22050 -c 1 -b 24", "1"), {Kind::Sound, 22050, 22050, 1}},
        {noise("eight.wav", "-r 11025 -c 1 -b 8 -e unsigned-integer", "2"), {Kind::Sound, 22050, 11025, 1}},
        {noise("float.wav", "-r 48000 -c 1 -b 32 -e floating-point", "0.25"), {Kind::Sound, 12000, 48000, 1}},
        {noise("surround.flac", "-r 96000 -c 6 -b 24", "0.1"), {Kind::Sound, 9600, 96000, 6}},
        {noise("ogg.ogg", "-r 44100 -c 2", "0.5"), {Kind::Sound, 22050, 44100, 2}},
        {folder.write("cut.wav", cut), {Kind::Sound, 4000, 8000, 1}},
        {folder.write("padded.wav", padded), {Kind::Sound, 24000, 16000, 1}},
        {folder.write("notes.wav", {'k', 'i', 'c', 'k', ' ', 'l', 'o', 'u', 'd', 'e', 'r', '\n'}), notASound},
        {folder.write("empty.wav", {}), notASound},
        {folder.write("damaged.flac", damaged), notASound},
        // Without a writer a FIFO has nothing to give, and the summary does not wait for one.
        {folder.path("fifo.wav"), notASound},
        {folder.path("folder.wav"), unreadable},
        {folder.path("gone.wav"), unreadable},
    };
    for (const auto& [path, expected] : cases) {
        const audio::SoundSummary summary = audio::summariseSoundFile(path);
        EXPECT_EQ(Summary(summary.kind, summary.frames, summary.rate, summary.channels), expected) << path;
    }
}

TEST(SoundFileDecoder, FromDiskDecodesWhatTheSameBytesInMemoryDecode)
{
    const SoundFileFolder folder;
    const std::string path = folder.synth("noise.flac", "-r 32000 -c 2 -b 16", "synth 0.3 whitenoise");
    const std::vector<std::uint8_t> bytes = SoundFileFolder::read(path);
    audio::SoundFileDecoder fromDisk(path);
    audio::SoundFileDecoder inMemory(bytes);
    ASSERT_TRUE(fromDisk.isOpen());
    EXPECT_EQ(fromDisk.channels(), 2u);
    audio::PcmFrames diskFrames;
    audio::PcmFrames memoryFrames;
    EXPECT_EQ(fromDisk.read(diskFrames, 100000), 9600u);
    EXPECT_EQ(inMemory.read(memoryFrames, 100000), 9600u);
    EXPECT_TRUE(std::equal(diskFrames.begin(), diskFrames.end(), memoryFrames.begin(), memoryFrames.end()));

    EXPECT_EQ(audio::SoundFileDecoder(folder.path("gone.flac")).failure(),
              audio::SoundFileDecoder::Failure::Unreadable);
}

} // namespace
