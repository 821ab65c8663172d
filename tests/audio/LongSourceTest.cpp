// A region anywhere in a long sound file: only its part of the file is read (sought in WAV and
// AIFF, through libsndfile in the other formats, read through in a stream), and what is kept
// around it for shaping again is the region's neighbourhood, not the file's first minute.
#include "audio/SlotImport.h"
#include "audio/SlotRender.h"
#include "bytes/MemorySource.h"
#include "bytes/SourceFileReader.h"
#include "tests/support/Bytes.h"

#include "tests/audio/ShapeSounds.h"
#include "tests/support/SoundFileFolder.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <csignal>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

using audio::SoundShape;
using shape_sounds::soundBytes;

constexpr double kRate = 8000.0;
constexpr double kLength = 601.0; // seconds
constexpr double kBurst = 0.2; // seconds of 1 kHz at -6 dBFS
constexpr std::size_t kSlotLength = 8192; // 0.25 s

// Ten minutes of 8 kHz mono 16-bit silence with a burst at each of these times, written by sox.
std::string longFile(const SoundFileFolder& folder, const std::string& name, const std::vector<double>& bursts,
                     const std::string& format = "")
{
    Bytes raw(static_cast<std::size_t>(kLength * kRate) * 2, 0);
    for (const double at : bursts) {
        const auto first = static_cast<std::size_t>(at * kRate);
        for (std::size_t i = 0; i < static_cast<std::size_t>(kBurst * kRate); ++i) {
            const auto value = static_cast<std::int16_t>(std::lround(16384.0 * std::sin(i * 2.0 * M_PI / 8.0)));
            raw[2 * (first + i)] = static_cast<std::uint8_t>(value);
            raw[2 * (first + i) + 1] = static_cast<std::uint8_t>(static_cast<std::uint16_t>(value) >> 8);
        }
    }
    return folder.sox(raw, "-r 8000 -c 1 -b 16 -e signed-integer", name, format);
}

// The whole burst reached the slot: 0.2 s of a 0.25 s slot, less the frames the device's fades take.
void expectTheBurst(const Bytes& slot)
{
    EXPECT_GE(soundBytes(slot), static_cast<std::size_t>(kBurst * 33000.0) - 300);
    EXPECT_GT(*std::max_element(slot.begin(), slot.end()), 0xB0);
}

// A file's bytes through a pipe, written by a thread as the reader takes them: a stream that cannot seek.
class PipedFile {
public:
    explicit PipedFile(const Bytes& bytes)
    {
        // The reader closes its end when it has what it needs: the writer's write then fails.
        std::signal(SIGPIPE, SIG_IGN);
        EXPECT_EQ(::pipe(m_ends), 0);
        m_writer = std::thread([this, &bytes] {
            std::size_t written = 0;
            while (written < bytes.size()) {
                const ssize_t got = ::write(m_ends[1], bytes.data() + written, bytes.size() - written);
                if (got <= 0)
                    break;
                written += static_cast<std::size_t>(got);
            }
            ::close(m_ends[1]);
        });
    }
    ~PipedFile()
    {
        ::close(m_ends[0]);
        m_writer.join();
    }
    std::string path() const { return "/proc/self/fd/" + std::to_string(m_ends[0]); }

private:
    int m_ends[2]{-1, -1};
    std::thread m_writer;
};

TEST(LongSource, ARegionAnywhereInATenMinuteFileFillsTheSlotFromItsPartOfTheFileAlone)
{
    const SoundFileFolder folder;
    const std::vector<double> bursts{5.0, 70.0, 600.0};
    const std::string wav = longFile(folder, "long.wav", bursts);
    // libsndfile's formats: a float WAV is 32 bits a value, past what its decoder held at most before.
    const std::string formats[] = {wav, longFile(folder, "long.aiff", bursts), longFile(folder, "long.flac", bursts),
                                   longFile(folder, "float.wav", bursts, "-e floating-point")};
    for (const std::string& path : formats) {
        for (const double start : bursts) {
            SCOPED_TRACE(path + ", --start " + std::to_string(start));
            SourceFileReader file(path);
            Bytes slot(kSlotLength, 0x11);
            const audio::ImportResult result = audio::importSlot(file, {.start = start}, slot);
            ASSERT_TRUE(result);
            EXPECT_FALSE(result.report.silent);
            expectTheBurst(slot);
            // The file's head and the region (a slot's 0.25 s and the conversion's look-ahead) in
            // WAV and AIFF; libsndfile seeks in a float WAV of 19 MB as it likes, far from all of it.
            // (Its FLAC of mostly silence is too small to tell.)
            if (!path.ends_with(".flac")) {
                EXPECT_LE(file.bytesRead(), path.ends_with("float.wav") ? 1024u * 1024 : 256u * 1024);
            }
        }
    }
    // A region shorter than the slot, well into the file: read from the region, not from the file's start.
    const Bytes bytes = ScratchFolder::read(wav);
    MemorySource memory(bytes);
    Bytes slot(kSlotLength, 0x11);
    ASSERT_TRUE(audio::importSlot(memory, {.start = 70.0, .end = 70.2}, slot));
    expectTheBurst(slot);
    EXPECT_LE(memory.bytesRead(), 128u * 1024);
}

TEST(LongSource, AStreamIsReadThroughToTheRegionHoldingOnlyItsHeadAndTheRegion)
{
    const SoundFileFolder folder;
    const std::vector<double> bursts{70.0, 600.0};
    for (const std::string name : {"long.wav", "long.flac"}) {
        const Bytes bytes = ScratchFolder::read(longFile(folder, name, bursts));
        for (const double start : bursts) {
            SCOPED_TRACE(std::string(name) + ", --start " + std::to_string(start));
            const PipedFile piped(bytes);
            SourceFileReader stream(piped.path());
            ASSERT_EQ(stream.error(), 0);
            EXPECT_FALSE(stream.seekable());
            const audio::DecodedSound decoded
                = audio::decodeSound(stream, audio::framesUsed(kSlotLength, {.start = start}), audio::kMostSourceBytes);
            ASSERT_TRUE(decoded);
            // Held: the region's frames from its start, not the minutes before it.
            EXPECT_EQ(decoded.firstFrame, static_cast<std::uint64_t>(start * kRate));
            EXPECT_LE(decoded.frames.frameCount(), 0.25 * kRate + 1100);
            EXPECT_EQ(decoded.wholeFrames, static_cast<std::uint64_t>(kLength * kRate));
            expectTheBurst(audio::renderSlot(decoded, {.start = start}, kSlotLength).bytes);
        }
    }
}

TEST(LongSource, TheAdviceForASilentRegionDeepInTheFileSpeaksInTheFilesSeconds)
{
    using Kind = audio::SlotAdvice::Kind;
    const SoundFileFolder folder;
    SourceFileReader file(longFile(folder, "long.wav", {5.0, 70.0, 600.0}));
    // A start in the silence before a burst names the burst where it lies in the file, though only
    // the region's part of it was read.
    for (const double start : {65.0, 560.0}) {
        SCOPED_TRACE("--start " + std::to_string(start));
        Bytes slot(kSlotLength, 0x11);
        const audio::ImportResult silent = audio::importSlot(file, {.start = start}, slot);
        ASSERT_TRUE(silent);
        EXPECT_TRUE(silent.report.silent);
        EXPECT_EQ(silent.advice.kind, Kind::SoundAfter);
        const double burst = start < 70.0 ? 70.0 : 600.0;
        EXPECT_DOUBLE_EQ(silent.advice.soundStart, burst);
        ASSERT_TRUE(silent.advice.start);
        EXPECT_DOUBLE_EQ(*silent.advice.start, burst);
        Bytes advised(kSlotLength, 0x11);
        ASSERT_TRUE(audio::importSlot(file, {.start = *silent.advice.start}, advised));
        expectTheBurst(advised);
    }
    // Nothing in the minute after the start: the minute before it is looked through, and where that
    // is silent too, the advice says the search went no further.
    Bytes between(kSlotLength, 0x11);
    const audio::ImportResult after = audio::importSlot(file, {.start = 100.0}, between);
    EXPECT_EQ(after.advice.kind, Kind::SoundBefore);
    EXPECT_DOUBLE_EQ(after.advice.soundStart, 70.0);
    EXPECT_EQ(after.advice.start, std::optional(70.0));
    const audio::ImportResult nothing = audio::importSlot(file, {.start = 300.0}, between);
    EXPECT_EQ(nothing.advice.kind, Kind::NoSound);
    EXPECT_TRUE(nothing.advice.nearOnly);
    // Past the end, the length said is the file's, not that of the part read.
    Bytes slot(kSlotLength, 0x11);
    const audio::ImportResult past = audio::importSlot(file, {.start = 700.0}, slot);
    EXPECT_FALSE(past);
    EXPECT_EQ(past.advice.kind, Kind::PastTheEnd);
    EXPECT_DOUBLE_EQ(past.advice.sourceSeconds, kLength);
    EXPECT_EQ(slot, Bytes(kSlotLength, 0x11));
}

TEST(LongSource, TheKeptNeighbourhoodHoldsTheRegionAndAboutAMinuteAroundIt)
{
    const SoundFileFolder folder;
    const Bytes bytes = ScratchFolder::read(longFile(folder, "long.wav", {600.0}));
    for (const double start : {0.0, 5.0, 70.0, 300.0, 600.0}) {
        for (const bool fit : {false, true}) {
            SCOPED_TRACE("start " + std::to_string(start) + (fit ? ", fit" : ""));
            const SoundShape shape{.start = start, .end = fit ? std::optional(start + 0.8) : std::nullopt, .fit = fit};
            MemorySource memory(bytes);
            const audio::DecodedSound kept
                = audio::decodeSound(memory, audio::framesKept(kSlotLength, shape), audio::kMostSourceBytes);
            ASSERT_TRUE(kept);
            const audio::SourceRegion used = audio::framesUsed(kSlotLength, shape)(kRate, 2);
            // Everything the import uses, so the panel renders what zylox import writes ...
            EXPECT_LE(kept.firstFrame, used.first);
            EXPECT_GE(kept.heldEnd(), std::min<std::uint64_t>(used.last, kept.wholeFrames));
            // ... up to 20 s before it where the file has them, and a minute in all.
            EXPECT_EQ(kept.firstFrame, static_cast<std::uint64_t>(std::max(0.0, start - 20.0) * kRate));
            EXPECT_NEAR(kept.seconds(), std::min(60.0, kLength - std::max(0.0, start - 20.0)), 0.001);
            EXPECT_LE(memory.bytesRead(), kept.frames.size() + 128u * 1024);
            // Rendered from what is kept, the slot is the import's.
            Bytes imported(kSlotLength, 0x11);
            ASSERT_TRUE(audio::importSlot(bytes, shape, imported));
            EXPECT_EQ(audio::renderSlot(kept, shape, kSlotLength).bytes, imported);
        }
    }
}

} // namespace
