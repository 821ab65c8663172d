#include "soundlibrary/SlotLoudness.h"

#include "audio/DeviceRate.h"
#include "audio/PcmFrames.h"
#include "audio/ShapeReport.h"
#include "soundlibrary/LoudnessMeter.h"

#include <algorithm>
#include <cmath>

namespace soundlibrary {

namespace {

// The device's zero line.
constexpr std::uint8_t kSlotSilence = 0x80;

} // namespace

std::optional<double> SlotLoudness::of(std::span<const std::uint8_t> slot)
{
    if (audio::ShapeReport::of(slot).silent)
        return std::nullopt;
    // The sound alone: the meter's blocks overlap by 300 ms, so silence after a short hit would
    // count in the blocks that reach into it and read the same hit quieter in a longer slot.
    const auto sounding = [](std::uint8_t byte) { return byte != kSlotSilence; };
    const auto first = std::find_if(slot.begin(), slot.end(), sounding);
    const auto last = std::find_if(slot.rbegin(), slot.rend(), sounding).base();
    audio::PcmFrames frames(1, 8, true, audio::kDeviceRate);
    frames.assign(first, last);
    const std::optional<LoudnessMeter::Loudness> loudness = LoudnessMeter::of(frames);
    // Below the meter's absolute gate (-70 LUFS) every block is left out: nothing is heard.
    if (!loudness || !std::isfinite(loudness->integrated))
        return std::nullopt;
    return loudness->integrated;
}

Text SlotLoudness::text(std::optional<double> loudness)
{
    if (!loudness)
        return Text(ZYLOX_TR("SlotLoudness", "silent"));
    return {ZYLOX_TR("SlotLoudness", "%1 LUFS"), {TextArgument::fixed(*loudness, 1)}};
}

Text SlotLoudness::missingLibraryText()
{
    return {ZYLOX_TR("SlotLoudness", "%1, which measures loudness, is not installed"), {kLoudnessLibrary}};
}

} // namespace soundlibrary
