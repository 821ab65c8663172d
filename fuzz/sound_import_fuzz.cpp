// Arbitrary bytes as a sound file imported into the largest sample slot, raw bytes allowed or not,
// by the classic conversion and by the clean one with normalise and trim: no crash, no hang, no
// allocation past what the file could hold, and a slot that keeps its length and changes only when
// the import says so. The same bytes also draw a source of any kind a musician may have (8 kHz to
// 384 kHz, 1 to 8 channels, 8 to 32-bit integers or 32 and 64-bit floats, the sound anywhere in it)
// and a shape to import it by: a whole file is never refused as no sound, and a limiter's ceiling
// holds on every byte.
#include "FuzzDraw.h"
#include "audio/SlotImport.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

namespace {

constexpr std::size_t kSlotLength = 32768;
// Sample data of a drawn source at most: 0.17 s of the widest source, the whole 1.5 s of the
// narrower ones, and still inputs enough a second.
constexpr std::size_t kMostDataBytes = 2u << 20;
constexpr double kLongestSource = 1.5; // seconds

constexpr std::array<unsigned, 9> kCommonRates{8000, 11025, 22050, 44100, 48000, 96000, 176400, 192000, 384000};
constexpr std::uint16_t kFormatPcm = 1;
constexpr std::uint16_t kFormatFloat = 3;
constexpr std::uint16_t kFormatExtensible = 0xFFFE;

struct DrawnSource {
    std::vector<std::uint8_t> file;
    std::size_t frames = 0;
};

void put(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// A whole WAV file: silence, then the input's remaining bytes over and over as its samples.
DrawnSource drawSource(FuzzDraw& draw)
{
    const unsigned rate = draw.flag() ? kCommonRates[draw.below(kCommonRates.size())] : 8000 + draw.below(376001);
    const unsigned channels = 1 + draw.below(8);
    const bool isFloat = draw.flag();
    const unsigned bits = isFloat ? (draw.flag() ? 64 : 32) : 8 * (1 + draw.below(4));
    const bool extensible = draw.flag();
    const std::size_t frameBytes = channels * bits / 8;
    const auto wanted = static_cast<std::size_t>(draw.between(0.0, kLongestSource) * rate);
    DrawnSource source;
    source.frames = std::min(wanted, kMostDataBytes / frameBytes);
    const auto lead = static_cast<std::size_t>(draw.between(0.0, 1.0) * static_cast<double>(source.frames));
    const std::span<const std::uint8_t> sound = draw.rest();

    const std::uint16_t tag = extensible ? kFormatExtensible : isFloat ? kFormatFloat : kFormatPcm;
    const std::uint32_t fmtLength = extensible ? 40 : 16;
    const std::size_t dataBytes = source.frames * frameBytes;
    std::vector<std::uint8_t>& out = source.file;
    out.reserve(dataBytes + 80);
    out.insert(out.end(), {'R', 'I', 'F', 'F'});
    put(out, static_cast<std::uint32_t>(4 + 8 + fmtLength + 8 + dataBytes), 4);
    out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    put(out, fmtLength, 4);
    put(out, tag, 2);
    put(out, channels, 2);
    put(out, rate, 4);
    put(out, static_cast<std::uint32_t>(rate * frameBytes), 4);
    put(out, static_cast<std::uint32_t>(frameBytes), 2);
    put(out, bits, 2);
    if (extensible) {
        put(out, 22, 2);
        put(out, bits, 2);
        put(out, 0, 4); // no speaker positions
        // The sub-format's GUID: its tag, then the common tail.
        put(out, isFloat ? kFormatFloat : kFormatPcm, 2);
        out.insert(out.end(), {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71});
    }
    out.insert(out.end(), {'d', 'a', 't', 'a'});
    put(out, static_cast<std::uint32_t>(dataBytes), 4);
    // Silence is the middle value of 8-bit data and zero for every other width.
    const std::uint8_t silent = !isFloat && bits == 8 ? 0x80 : 0x00;
    out.resize(out.size() + lead * frameBytes, silent);
    for (std::size_t i = 0; i < dataBytes - lead * frameBytes; ++i)
        out.push_back(sound.empty() ? silent : sound[i % sound.size()]);
    return source;
}

// Every step of a shape at a value from its whole range, or the plain import.
audio::SoundShape drawShape(FuzzDraw& draw)
{
    audio::SoundShape shape;
    if (!draw.flag())
        return shape;
    shape.resampling = draw.flag() ? audio::Resampling::Clean : audio::Resampling::Classic;
    shape.normalize = draw.flag();
    shape.trim = draw.flag();
    shape.start = draw.between(0.0, 2.0);
    if (draw.flag())
        shape.end = shape.start + draw.between(0.0, 2.0);
    shape.mono = static_cast<audio::MonoSource>(draw.below(4));
    shape.reverse = draw.flag();
    shape.trimThreshold = draw.between(audio::lowestLevel, audio::highestLevel);
    shape.removeDc = draw.flag();
    shape.gain = draw.between(audio::lowestGain, audio::highestGain);
    if (draw.flag())
        shape.limit = draw.between(audio::lowestLevel, audio::highestLevel);
    shape.pitch = draw.between(audio::lowestPitch, audio::highestPitch);
    shape.fit = draw.flag();
    shape.phase = static_cast<audio::FilterPhase>(draw.below(3));
    shape.fadeIn = draw.between(0.0, audio::longestFade);
    shape.fadeOut = draw.between(0.0, audio::longestFade);
    shape.dither = static_cast<audio::Dither>(draw.below(3));
    return shape;
}

void importDrawn(std::span<const std::uint8_t> input)
{
    FuzzDraw draw(input);
    const audio::SoundShape shape = drawShape(draw);
    const DrawnSource source = drawSource(draw);
    std::vector<std::uint8_t> slot(kSlotLength, 0x11);
    const audio::ImportResult result = audio::importSlot(source.file, shape, slot);
    using Refusal = audio::ImportResult::Refusal;
    const bool refusedAsNoSoundFile
        = !result
          && (result.refusal == Refusal::NotASound || result.refusal == Refusal::OtherSoundFormat
              || result.refusal == Refusal::Undecodable);
    if (slot.size() != kSlotLength || slot.front() != (result ? 0x80 : 0x11)
        || (source.frames > 0 && refusedAsNoSoundFile))
        std::abort();
    if (result && shape.limit && !shape.normalize) {
        const double ceiling = 128.0 * std::pow(10.0, *shape.limit / 20.0);
        for (const std::uint8_t byte : slot) {
            if (std::abs(static_cast<int>(byte) - 0x80) > ceiling)
                std::abort();
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> source(data, size);
    const audio::SoundShape choices[] = {
        {.raw = false},
        {.raw = true},
        {.raw = false, .resampling = audio::Resampling::Clean, .normalize = true, .trim = true},
        // Every step of a shape at once, and values no user interface lets through.
        {.resampling = audio::Resampling::Clean,
         .normalize = true,
         .trim = true,
         .start = 0.001,
         .end = 0.5,
         .mono = audio::MonoSource::Side,
         .reverse = true,
         .trimThreshold = -30.0,
         .removeDc = true,
         .gain = 12.0,
         .limit = -3.0,
         .pitch = 7.5,
         .phase = audio::FilterPhase::Minimum,
         .fadeIn = 3.0,
         .fadeOut = 5.0,
         .dither = audio::Dither::Shaped},
        {.start = -1.0, .end = std::nan(""), .gain = 1e300, .fit = true, .fadeIn = -5.0, .fadeOut = 1e9},
    };
    for (const audio::SoundShape& options : choices) {
        std::vector<std::uint8_t> slot(kSlotLength, 0x11);
        const bool imported = static_cast<bool>(audio::importSlot(source, options, slot));
        if (slot.size() != kSlotLength || slot.front() != (imported ? 0x80 : 0x11)) {
            std::abort();
        }
    }
    importDrawn(source);
    return 0;
}
