// `zylox play SOURCE` in process: with a slot it plays what the import would write, and writes
// nothing; alone, it plays the file as it is, at its own rate.
#include "audio/SlotImport.h"
#include "cli/PlayCommand.h"
#include "tests/support/RecordingSoundOutput.h"
#include "tests/support/SoundFileFolder.h"

#include <CLI/CLI.hpp>
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

// Hears every sound to its end at once, in an ear that outlives it: the command lets its output go.
class HeardAtOnce : public RecordingSoundOutput {
public:
    explicit HeardAtOnce(RecordingSoundOutput& ear)
        : m_ear(ear)
    {
    }
    void play(std::vector<std::uint8_t> samples, EndHandler onEnd) override
    {
        m_ear.play(std::move(samples), std::move(onEnd));
        m_ear.finish();
    }
    void playRun(PcmRun run, EndHandler onEnd) override
    {
        m_ear.playRun(std::move(run), std::move(onEnd));
        m_ear.finish();
    }

private:
    RecordingSoundOutput& m_ear;
};

int play(std::vector<std::string> arguments, RecordingSoundOutput& heard)
{
    CLI::App app;
    PlayCommand command(app, [&heard] { return std::make_unique<HeardAtOnce>(heard); });
    arguments.insert(arguments.begin(), "play");
    std::reverse(arguments.begin(), arguments.end());
    app.parse(arguments);
    return command.run();
}

TEST(PlayShape, PlaysExactlyWhatTheImportWouldWriteAndWritesNothing)
{
    const SoundFileFolder folder;
    const std::string source = folder.synth("late.wav", "-r 48000 -c 2 -b 24", "synth 0.3 pluck 220 pad 0.2");
    const auto before = std::distance(std::filesystem::directory_iterator(folder.path("")), {});
    RecordingSoundOutput heard;
    // Half the silence before the pluck left for the trim to take.
    ASSERT_EQ(play({"--bank", "S05", "--slot", "1", source, "--start", "0.1", "--resample", "clean", "--pitch", "-3.5",
                    "--dither", "shaped", "--fade-out", "40", "--normalize", "--trim"},
                   heard),
              0);
    ASSERT_EQ(heard.played.size(), 1u);
    std::vector<std::uint8_t> expected(8192, 0x80);
    const audio::SoundShape shape{.resampling = audio::Resampling::Clean,
                                  .normalize = true,
                                  .trim = true,
                                  .start = 0.1,
                                  .pitch = -3.5,
                                  .fadeOut = 40.0,
                                  .dither = audio::Dither::Shaped};
    ASSERT_TRUE(audio::importSlot(SoundFileFolder::read(source), shape, expected));
    EXPECT_EQ(heard.played[0], expected);
    EXPECT_NE(expected, std::vector<std::uint8_t>(8192, 0x80));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path("")), {}), before);

    // Without a source, the slot as it is.
    ASSERT_EQ(play({"--bank", "S05", "--slot", "1"}, heard), 0);
    ASSERT_EQ(heard.played.size(), 2u);
    EXPECT_EQ(heard.played[1].size(), 8192u);
    EXPECT_NE(heard.played[1], expected);
}

TEST(PlayShape, AFileAlonePlaysAsItIsAtItsOwnRateForAMinuteAtMost)
{
    const SoundFileFolder folder;
    // Known 16-bit values, so the run must carry them unchanged: no conversion, no slot.
    std::vector<std::uint8_t> raw(2 * 2 * 3000);
    std::mt19937 random(13);
    for (std::uint8_t& byte : raw)
        byte = static_cast<std::uint8_t>(random());
    const std::string stereo = folder.sox(raw, "-r 22050 -c 2 -b 16 -e signed-integer", "stereo.wav");
    RecordingSoundOutput heard;
    ASSERT_EQ(play({stereo}, heard), 0);
    EXPECT_TRUE(heard.played.empty()) << "no slot is played";
    ASSERT_EQ(heard.runs.size(), 1u);
    EXPECT_EQ(heard.runs[0].rate, 22050u);
    EXPECT_EQ(heard.runs[0].channels, 2u);
    // The file's little-endian values, as this machine holds them.
    std::vector<std::int16_t> values(raw.size() / 2);
    std::memcpy(values.data(), raw.data(), raw.size());
    EXPECT_EQ(heard.runs[0].samples, values);

    // As the sound browser plays it: the first minute of a longer file.
    const std::string longer = folder.synth("long.wav", "-r 8000 -c 1 -b 16", "synth 61 sine 440");
    ASSERT_EQ(play({longer}, heard), 0);
    ASSERT_EQ(heard.runs.size(), 2u);
    EXPECT_EQ(heard.runs[1].frames(), 60u * 8000u);
    EXPECT_EQ(heard.runs[1].rate, 8000u);
}

} // namespace
