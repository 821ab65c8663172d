#include "audio/ShapedConversion.h"

#include "audio/CleanResampler.h"
#include "audio/DeviceRate.h"
#include "audio/MonoSteps.h"
#include "audio/PeakLimiter.h"
#include "audio/SlotConversion.h"
#include "audio/SoundPeaks.h"
#include "audio/TimeStretch.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numeric>
#include <optional>

namespace audio {

namespace {

constexpr double highestStep = 127.0;
// Source frames taken past the last one the slot needs (before the first, reversed from the end):
// the interpolation reads the next frame, the clean resampler's filter looks ahead.
constexpr std::uint64_t framesAfterTheSlot = 1024;
// How many slots' worth of source trim may look through for the start of a sound, as it always did.
constexpr double slotsSearchedByTrim = 24.0;

// The rate change the pitch asks for: 2 plays an octave higher. Fit's by pitch is the one that makes
// the region's sound exactly the slot's length; by stretching the rate stays and result.stretch holds
// the length the region is stretched to. 0 when the fit is out of reach (result says why).
double pitchRatio(const SoundShape& shape, double regionFrames, double samplerate, std::size_t slotLength,
                  ImportResult& result)
{
    if (!shape.fit) {
        return std::exp2(shape.pitch / 12.0);
    }
    const double exact = regionFrames * audio::kDeviceRate / (samplerate * static_cast<double>(slotLength));
    const double semitones = 12.0 * std::log2(exact);
    const bool stretching = shape.fitKind == FitKind::Stretch;
    if (stretching && 1.0 / exact >= shortestStretch && 1.0 / exact <= longestStretch) {
        result.stretch = 1.0 / exact;
        return 1.0;
    }
    if (!stretching && std::abs(semitones) <= furthestFit) {
        result.fitPitch = semitones;
        // A hair under the exact ratio, so that the conversion's whole count of frames is the slot's
        // length and not one less.
        return exact * (1.0 - 1e-12);
    }
    result = ImportResult::refused(ImportResult::Refusal::FitOutOfReach);
    result.cause = regionFrames <= 0.0 ? ImportResult::Cause::EmptyRegion
                   : stretching        ? ImportResult::Cause::StretchOutOfReach
                                       : ImportResult::Cause::PitchOutOfReach;
    result.pitchNeeded = semitones;
    result.stretchNeeded = 1.0 / exact;
    return 0.0;
}

// The source frames a slot's sound is converted from, and the silence trim found next to the sound.
struct Part {
    SourceRegion frames;
    std::uint64_t trimmed = 0;
    // Reversed from the region's end: all of the part is converted and the slot keeps its last frames
    // (reversed, its first). Otherwise the slot takes the converted frames from the part's start.
    bool fromTheEnd = false;
};

// The frames from the first one above the threshold back to the window's start, less one so that
// the sound keeps the frame it rises from; none when that silence is shorter than 1 ms or the window
// is silence throughout. Reversed, the same from the window's end: the silence after the sound.
std::uint64_t silenceAtEdge(const SoundPeaks& peaks, SourceRegion window, double threshold, double samplerate,
                            bool atEnd)
{
    const std::optional<std::uint64_t> sound
        = atEnd ? peaks.lastAbove(window, threshold) : peaks.firstAbove(window, threshold);
    const std::uint64_t silent = !sound ? window.length() : atEnd ? window.last - 1 - *sound : *sound - window.first;
    return silent == window.length() || static_cast<double>(silent) < samplerate / 1000.0 ? 0 : silent - 1;
}

// The part of the region the slot's sound comes from. slotFrames is how many source frames the slot
// holds; the frames past them (before them, reversed from the end) let the interpolation and the
// clean filter see the sound go on across the cut.
Part partOf(const SoundPeaks& peaks, SourceRegion region, const SoundShape& shape, std::uint64_t slotFrames,
            double samplerate)
{
    const std::uint64_t reach = shape.fit ? region.length() : slotFrames + framesAfterTheSlot;
    const std::uint64_t searched
        = shape.trim && !shape.fit
              ? static_cast<std::uint64_t>(std::min(static_cast<double>(slotFrames) * slotsSearchedByTrim, 1e15))
                    + framesAfterTheSlot
              : reach;
    const std::uint64_t windowLength = std::min(region.length(), searched);
    // A reversed region with an end sounds from its end; without an end (a slot's worth from the start)
    // and without trim it is the forward slot backwards, frame for frame.
    const bool fromTheEnd = shape.reverse && (shape.end || shape.trim);
    const SourceRegion window = fromTheEnd && shape.end ? SourceRegion{region.last - windowLength, region.last}
                                                        : SourceRegion{region.first, region.first + windowLength};
    Part part{window, 0, fromTheEnd};
    if (shape.trim) {
        const double level = stepsOfLevel(shape.trimThreshold);
        const double peak = shape.normalize ? peaks.peak(window) : 0.0;
        // Relative to the peak when normalising: measured as the sound will reach the slot.
        const double threshold = peak > 0.0 ? level * peak / highestStep : level;
        part.trimmed = silenceAtEdge(peaks, window, threshold, samplerate, fromTheEnd);
    }
    if (fromTheEnd) {
        const std::uint64_t last = window.last - part.trimmed;
        part.frames = {last - std::min(last - region.first, reach), last};
    } else {
        const std::uint64_t first = window.first + part.trimmed;
        part.frames = {first, first + std::min(window.last - first, reach)};
    }
    return part;
}

// The mean step of a region of frames inside the source, added up in order as one pass over them
// would; 0 for an empty region.
double meanOf(const MonoSteps& steps, SourceRegion region)
{
    if (region.length() == 0) {
        return 0.0;
    }
    std::array<double, 4096> block{};
    double sum = 0.0;
    for (std::uint64_t frame = region.first; frame < region.last;) {
        const auto count = static_cast<std::size_t>(std::min<std::uint64_t>(block.size(), region.last - frame));
        steps.into(frame, {block.data(), count});
        sum = std::accumulate(block.begin(), block.begin() + static_cast<std::ptrdiff_t>(count), sum);
        frame += count;
    }
    return sum / static_cast<double>(region.length());
}

// Classic's rate step on steps: linear interpolation towards the next frame, no filter.
std::vector<double> interpolate(const std::vector<double>& steps, double ratio, std::size_t maxFrames)
{
    const double wanted = std::trunc(static_cast<double>(steps.size()) / ratio);
    std::vector<double> out(static_cast<std::size_t>(std::min(wanted, static_cast<double>(maxFrames))));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double position = static_cast<double>(i) * ratio;
        const auto k = static_cast<std::size_t>(position);
        const double a = k < steps.size() ? steps[k] : 0.0;
        const double b = k + 1 < steps.size() ? steps[k + 1] : 0.0;
        out[i] = (b - a) * (position - static_cast<double>(k)) + a;
    }
    return out;
}

// The part's steps made ratio times as long keeping their pitch, into stretched: one frame past
// the whole frames the stretch makes of them, so that the conversion's count is the slot's length and
// not one less. False where no library stretches (result says so).
bool stretch(std::uint64_t frames, const StepsReader& shaped, double ratio, double rate, std::vector<double>& stretched,
             ImportResult& result)
{
    std::vector<double> steps(static_cast<std::size_t>(frames));
    shaped(0, steps);
    const auto length = static_cast<std::size_t>(std::ceil(static_cast<double>(frames) * ratio)) + 1;
    std::optional<std::vector<double>> made = stretchSteps(steps, rate, ratio, length);
    if (!made) {
        result = ImportResult::refused(ImportResult::Refusal::FitOutOfReach);
        result.cause = ImportResult::Cause::NoStretchLibrary;
        return false;
    }
    stretched = std::move(*made);
    return true;
}

// Linear ramps over whole device frames, so the first frame of a fade-in and the last of a
// fade-out are silence.
void fade(std::vector<double>& steps, double fadeIn, double fadeOut)
{
    const auto frames = [&steps](double ms) {
        return std::min(steps.size(), static_cast<std::size_t>(std::round(ms * audio::kDeviceRate / 1000.0)));
    };
    const std::size_t in = frames(fadeIn);
    for (std::size_t i = 0; i < in; ++i) {
        steps[i] *= static_cast<double>(i) / static_cast<double>(in);
    }
    const std::size_t out = frames(fadeOut);
    for (std::size_t i = 0; i < out; ++i) {
        steps[steps.size() - 1 - i] *= static_cast<double>(i) / static_cast<double>(out);
    }
}

} // namespace

SourceRegion regionOf(const DecodedSound& sound, const SoundShape& shape)
{
    const std::uint64_t first = sound.heldFrameAt(shape.start);
    return {first, shape.end ? std::max(first, sound.heldFrameAt(*shape.end)) : sound.frames.frameCount()};
}

std::vector<double> convertShaped(const DecodedSound& sound, const SoundShape& shape, std::size_t slotLength,
                                  ImportResult& result)
{
    const double rate = sound.frames.m_samplerate;
    const SourceRegion region = regionOf(sound, shape);
    // Without an end the region runs to the sound's end, which may lie past what was decoded.
    const double regionFrames = shape.end
                                    ? static_cast<double>(region.length())
                                    : static_cast<double>(std::max(sound.wholeFrames, sound.firstFrame + region.last)
                                                          - sound.firstFrame - region.first);
    const double ratio = pitchRatio(shape, regionFrames, rate, slotLength, result);
    if (!result) {
        return {};
    }
    const double sourceRate = rate * ratio;
    const double slotFrames = std::ceil(static_cast<double>(slotLength) * sourceRate / audio::kDeviceRate);
    const SoundPeaks& peaks = sound.peaks(shape.mono);
    const Part part = partOf(peaks, region, shape, static_cast<std::uint64_t>(std::min(slotFrames, 1e15)), rate);
    const MonoSteps& mono = peaks.steps();
    const SourceRegion held{part.frames.first, std::min(part.frames.last, mono.frames())};
    const double mean = shape.removeDc ? meanOf(mono, held) : 0.0;
    const double gain = std::pow(10.0, shape.gain / 20.0);
    const StepsReader shaped = [&](std::uint64_t from, std::span<double> block) {
        mono.into(held.first + from, block);
        if (shape.removeDc) {
            std::for_each(block.begin(), block.end(), [mean](double& value) { value -= mean; });
        }
        std::for_each(block.begin(), block.end(), [gain](double& value) { value *= gain; });
    };
    // Stretched, the conversion reads the stretched steps in place of the source's.
    std::vector<double> stretched;
    if (result.stretch && !stretch(held.length(), shaped, *result.stretch, rate, stretched, result)) {
        return {};
    }
    const std::uint64_t frames = result.stretch ? stretched.size() : held.length();
    const StepsReader source = !result.stretch ? shaped : [&stretched](std::uint64_t from, std::span<double> block) {
        std::copy_n(stretched.begin() + static_cast<std::ptrdiff_t>(from), block.size(), block.begin());
    };
    // Reversed from the end, every frame of the part is converted, so that the slot's first frame is
    // the region's last.
    const std::size_t converted = part.fromTheEnd ? std::numeric_limits<std::size_t>::max() : slotLength;
    // A rate the device already has needs no filter, and keeps its samples exactly.
    std::vector<double> device;
    if (shape.resampling == Resampling::Clean && sourceRate != audio::kDeviceRate) {
        device = resampleSteps(frames, source, sourceRate, audio::kDeviceRate, shape.phase, converted);
    } else {
        std::vector<double> steps(static_cast<std::size_t>(frames));
        source(0, steps);
        device = interpolate(steps, sourceRate / audio::kDeviceRate, converted);
    }
    // On the converted frames, so that neither the clean filter's ringing nor the interpolation
    // carries a peak past the ceiling; before reversing, so the reversed slot stays the mirror.
    if (shape.limit) {
        limitPeaks(device, stepsOfLevel(*shape.limit), audio::kDeviceRate);
    }
    // The converted frames backwards rather than the source's: the reversed slot is the forward one
    // mirrored, whichever way the conversion's frames fall between the source's.
    if (shape.reverse) {
        std::reverse(device.begin(), device.end());
        device.resize(std::min(device.size(), slotLength));
    }
    if (shape.normalize) {
        result.gainDecibels = normalizeSteps(device);
    }
    fade(device, shape.fadeIn, shape.fadeOut);
    result.trimmed = static_cast<std::size_t>(static_cast<double>(part.trimmed) * audio::kDeviceRate / sourceRate);
    const double length = (regionFrames - static_cast<double>(part.trimmed)) * audio::kDeviceRate / sourceRate;
    result.length = shape.fit ? slotLength : std::max(device.size(), static_cast<std::size_t>(std::max(length, 0.0)));
    return device;
}

} // namespace audio
