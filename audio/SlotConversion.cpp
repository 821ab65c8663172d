#include "audio/SlotConversion.h"

#include "audio/ClassicConverter.h"
#include "audio/CleanResampler.h"
#include "audio/DeviceRate.h"

#include <algorithm>
#include <cmath>

namespace audio {

namespace {

// The largest steps either way from the zero line of the device's 8-bit samples.
constexpr double highestStep = 127.0;
constexpr double lowestStep = -128.0;
// Below -48 dBFS, half a step of 8 bits: what the slot would hold as silence anyway.
const double silenceLevel = 128.0 * std::pow(10.0, -48.0 / 20.0);
// Leading silence shorter than 1 ms is part of the sound.
constexpr std::size_t shortestSilence = 33;
// Device frames converted per slot byte when trimming may drop a long silence first.
constexpr std::size_t framesPerSlotByteWhenTrimming = 24;
// Source frames past the last one converted that the clean filter still reads, more than it does.
constexpr std::uint64_t filterReach = 4096;
// How many times the source's loudest step the clean filter's ringing can make a converted one at
// most, with room: the sum of its coefficients' sizes, the most any input lifts it, is 2 to 4 for a
// low-pass of a few hundred taps. Classic's interpolation stays between the frames it joins.
constexpr double cleanOvershoot = 8.0;

// The device sound in 8-bit steps from the zero line: Classic's own mixing and rate step at the
// file's width, then its scaling to 8 bits without the truncation, which is left to the last step
// (normalising the truncated steps turned a quiet sound into a few full-scale pulses). Without
// the fractions the steps are the classic conversion's, byte for byte.
std::vector<double> convertClassic(const PcmFrames& in, std::size_t maxFrames, bool keepFractions)
{
    const double scale = std::ldexp(1.0, 8 - static_cast<int>(in.m_bitsPerValue));
    std::vector<double> steps(ClassicConverter::monoFrameCount(in, audio::kDeviceRate, maxFrames));
    ClassicConverter::monoFrames(in, audio::kDeviceRate, 0, steps);
    for (double& step : steps) {
        step = keepFractions ? step * scale : std::trunc(step * scale);
    }
    return steps;
}

double peakOf(std::vector<double>::const_iterator begin, std::vector<double>::const_iterator end)
{
    double peak = 0.0;
    std::for_each(begin, end, [&peak](double value) { peak = std::max(peak, std::abs(value)); });
    return peak;
}

// Where the sound starts: one frame before the first one above silence (the slot's first byte is
// always set to silence, so the sound keeps its first frame), or 0 when the silence is too short or
// the sound is silence throughout. Measured as the sound will reach the slot, normalised or not.
std::size_t soundStart(const std::vector<double>& steps, bool normalize)
{
    const double peak = peakOf(steps.begin(), steps.end());
    const double level = normalize && peak > 0.0 ? silenceLevel * peak / highestStep : silenceLevel;
    const auto first
        = std::find_if(steps.begin(), steps.end(), [level](double value) { return std::abs(value) > level; });
    if (first == steps.end()) {
        return 0;
    }
    const auto silent = static_cast<std::size_t>(first - steps.begin());
    return silent >= shortestSilence ? silent - 1 : 0;
}

std::uint8_t toByte(double step, Resampling resampling)
{
    const double whole = resampling == Resampling::Classic ? std::trunc(step) : std::nearbyint(step);
    return static_cast<std::uint8_t>(std::clamp(whole, lowestStep, highestStep) + 128.0);
}

} // namespace

// The divisions are done last so the peak lands exactly on full scale even when truncated.
double normalizeSteps(std::vector<double>& steps)
{
    if (steps.empty()) {
        return 0.0;
    }
    const auto [low, high] = std::minmax_element(steps.begin(), steps.end());
    const double up = std::max(*high, 0.0);
    const double down = std::max(-*low, 0.0);
    if (up == 0.0 && down == 0.0) {
        return 0.0;
    }
    const bool byHighest = highestStep * down <= -lowestStep * up;
    const double target = byHighest ? highestStep : -lowestStep;
    const double peak = byHighest ? up : down;
    for (double& value : steps) {
        value = value * target / peak;
    }
    return 20.0 * std::log10(target / peak);
}

std::size_t deviceFramesUsed(std::size_t slotLength, const SoundShape& options)
{
    return options.trim ? framesPerSlotByteWhenTrimming * slotLength : slotLength;
}

std::uint64_t sourceFramesTrimReads(const PcmFrames& in, std::size_t slotLength)
{
    const double converted = static_cast<double>(framesPerSlotByteWhenTrimming * slotLength);
    const double frames
        = std::ceil(converted * in.m_samplerate / audio::kDeviceRate) + static_cast<double>(filterReach);
    return frames < static_cast<double>(in.frameCount()) ? static_cast<std::uint64_t>(frames) : in.frameCount();
}

bool trimFindsNothing(double sourcePeak, Resampling resampling)
{
    return sourcePeak * (resampling == Resampling::Clean ? cleanOvershoot : 1.0) <= silenceLevel;
}

std::vector<std::uint8_t> convertForSlot(const PcmFrames& in, std::size_t slotLength, const SoundShape& options,
                                         ImportResult& result)
{
    const std::size_t maxFrames = deviceFramesUsed(slotLength, options);
    std::vector<double> steps = options.resampling == Resampling::Clean
                                    ? resampleClean(in, audio::kDeviceRate, maxFrames)
                                    : convertClassic(in, maxFrames, options.normalize);
    result.trimmed = options.trim ? soundStart(steps, options.normalize) : 0;
    // In place: every fresh page an import touches costs it time.
    steps.erase(steps.begin(), steps.begin() + static_cast<std::ptrdiff_t>(result.trimmed));
    steps.resize(std::min(steps.size(), slotLength));
    if (options.normalize) {
        result.gainDecibels = normalizeSteps(steps);
    }
    std::vector<std::uint8_t> bytes(steps.size());
    std::transform(steps.begin(), steps.end(), bytes.begin(),
                   [&options](double step) { return toByte(step, options.resampling); });
    return bytes;
}

} // namespace audio
