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

struct Expected {
    std::uint64_t frames;
    double rate;
    unsigned channels;
};

TEST(SoundSummary, EveryDecodedFormatGivesItsLengthRateAndChannels)
{
    const SoundFileFolder folder;
    // File, sox's format options and seconds of noise, what the header must say.
    const std::vector<std::tuple<std::string, std::string, std::string, Expected>> cases{
        {"stereo.wav", "-r 44100 -c 2 -b 16", "0.5", {22050, 44100, 2}},
        {"mono24.aiff", "-r 22050 -c 1 -b 24", "1", {22050, 22050, 1}},
        {"eight.wav", "-r 11025 -c 1 -b 8 -e unsigned-integer", "2", {22050, 11025, 1}},
        {"float.wav", "-r 48000 -c 1 -b 32 -e floating-point", "0.25", {12000, 48000, 1}},
        {"surround.flac", "-r 96000 -c 6 -b 24", "0.1", {9600, 96000, 6}},
        {"ogg.ogg", "-r 44100 -c 2", "0.5", {22050, 44100, 2}},
    };
    for (const auto& [name, format, seconds, expected] : cases) {
        const audio::SoundSummary summary
            = audio::summariseSoundFile(folder.synth(name, format, "synth " + seconds + " whitenoise gain -6"));
        EXPECT_EQ(std::tuple(summary.kind, summary.frames, summary.rate, summary.channels),
                  std::tuple(Kind::Sound, expected.frames, expected.rate, expected.channels))
            << name;
    }
}

TEST(SoundSummary, LengthIsWhatTheFileHoldsAndLongHeadersGoToTheDecoder)
{
    const SoundFileFolder folder;
    // One second at 8,000 Hz, cut after half of its 16,000 data bytes.
    const std::string whole = folder.synth("whole.wav", "-r 8000 -c 1 -b 16", "synth 1 sine 300");
    std::vector<std::uint8_t> bytes = SoundFileFolder::read(whole);
    ASSERT_EQ(bytes.size(), 44u + 16000u);
    bytes.resize(44 + 8000);
    EXPECT_EQ(audio::summariseSoundFile(folder.write("cut.wav", bytes)).frames, 4000u);

    // A chunk of 100,000 bytes before the format and data: our reader's head ends inside it.
    const Bytes wav = SoundFileFolder::read(folder.synth("pad.wav", "-r 16000 -c 1 -b 16", "synth 1.5 sine 300"));
    const Bytes padded
        = sound_file_bytes::chunked("WAVE", {{"junk", Bytes(100000, 0)}}, Bytes(wav.begin() + 12, wav.end()));
    const audio::SoundSummary summary = audio::summariseSoundFile(folder.write("padded.wav", padded));
    EXPECT_EQ(std::tuple(summary.kind, summary.frames, summary.rate), std::tuple(Kind::Sound, 24000u, 16000.0));
}

TEST(SoundSummary, NoSoundIsToldApartFromWhatCannotBeRead)
{
    const SoundFileFolder folder;
    const std::string flac = folder.synth("tone.flac", "-r 44100 -c 1 -b 16", "synth 0.5 sine 300");
    std::vector<std::uint8_t> damaged = SoundFileFolder::read(flac);
    damaged.resize(6);
    ASSERT_EQ(::mkfifo(folder.path("fifo.wav").c_str(), 0600), 0);
    std::filesystem::create_directory(folder.path("folder.wav"));

    for (const auto& [path, kind] : std::vector<std::pair<std::string, Kind>>{
             {folder.write("notes.wav", {'k', 'i', 'c', 'k', ' ', 'l', 'o', 'u', 'd', 'e', 'r', '\n'}),
              Kind::NotASound},
             {folder.write("empty.wav", {}), Kind::NotASound},
             {folder.write("damaged.flac", damaged), Kind::NotASound},
             // Without a writer a FIFO has nothing to give, and the summary does not wait for one.
             {folder.path("fifo.wav"), Kind::NotASound},
             {folder.path("folder.wav"), Kind::Unreadable},
             {folder.path("gone.wav"), Kind::Unreadable},
         }) {
        const audio::SoundSummary summary = audio::summariseSoundFile(path);
        EXPECT_EQ(std::tuple(summary.kind, summary.frames, summary.channels), std::tuple(kind, 0u, 0u)) << path;
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
