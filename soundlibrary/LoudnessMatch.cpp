#include "soundlibrary/LoudnessMatch.h"

#include "audio/SlotRender.h"
#include "soundlibrary/LoudnessMeter.h"
#include "soundlibrary/SlotLoudness.h"

#include <algorithm>
#include <cmath>

namespace soundlibrary {

namespace {

// Rounds of render and measure before a slot settles: two or three reach the tolerance, a quiet
// tone's staircase some halvings more.
constexpr int kRounds = 12;
// Halvings of the gain between one that clips and one that does not: 96 dB to a hundredth.
constexpr int kHalvings = 14;

struct Rendering {
    std::vector<std::uint8_t> bytes;
    std::optional<double> loudness;
    bool clipped = false;
};

Rendering render(const LoudnessMatch::Slot& slot, double gain)
{
    audio::SoundShape shape = slot.shape;
    shape.gain = gain;
    audio::RenderedSlot rendered = audio::renderSlot(*slot.sound, shape, slot.length);
    Rendering result{std::move(rendered.bytes), std::nullopt, rendered.result.report.clipped};
    result.loudness = SlotLoudness::of(result.bytes);
    return result;
}

// The slot at the gain that brings it nearest the target without clipping.
LoudnessMatch::Matched matchOne(const LoudnessMatch::Slot& slot, double target, LoudnessMatch::Matched matched)
{
    double gain = slot.shape.gain;
    double loudness = *matched.before;
    double unclipped = audio::lowestGain; // the highest gain known not to clip
    const double highest = slot.ownBytes ? std::max(0.0, slot.shape.gain) : audio::highestGain;
    Rendering best = render(slot, gain);
    double bestGain = gain;
    // Eight bits make the loudness a staircase of the gain: a step by the difference alone can go
    // back and forth over the target, so once gains on both sides of it are known, their middle is
    // tried; and the nearest figure found is kept, not the last.
    std::optional<double> under;
    std::optional<double> over;
    bool fellSilent = false;
    for (int round = 0; round < kRounds && std::abs(target - loudness) > LoudnessMatch::kTolerance; ++round) {
        (loudness < target ? under : over) = gain;
        const double next
            = under && over ? (*under + *over) / 2.0 : std::clamp(gain + target - loudness, audio::lowestGain, highest);
        Rendering tried = render(slot, next);
        if (tried.clipped) {
            // Between the last gain that did not clip and this one lies the most it takes.
            double low = std::max(unclipped, std::min(gain, next));
            double high = next;
            for (int halving = 0; halving < kHalvings; ++halving) {
                const double middle = (low + high) / 2.0;
                Rendering candidate = render(slot, middle);
                if (candidate.clipped) {
                    high = middle;
                } else {
                    low = middle;
                    best = std::move(candidate);
                    bestGain = middle;
                }
            }
            matched.held = true;
            matched.clips = true;
            break;
        }
        unclipped = std::max(unclipped, next);
        if (!tried.loudness) {
            // A step down so far that the slot falls silent went past the target: the gain that
            // meets it lies between the two, where the next round looks.
            under = next;
            fellSilent = true;
            continue;
        }
        gain = next;
        loudness = *tried.loudness;
        if (!best.loudness || std::abs(target - loudness) < std::abs(target - *best.loudness)) {
            best = std::move(tried);
            bestGain = gain;
        }
        if (next == highest && loudness < target - LoudnessMatch::kTolerance) {
            matched.held = true;
            matched.ownBytes = slot.ownBytes;
            break;
        }
    }
    // Between the quietest gain that sounds and one that is silent there is no figure nearer.
    if (fellSilent && best.loudness && *best.loudness > target + LoudnessMatch::kTolerance) {
        matched.held = true;
        matched.fades = true;
    }
    matched.shape.gain = bestGain;
    matched.after = best.loudness;
    matched.bytes = std::move(best.bytes);
    return matched;
}

} // namespace

std::optional<std::vector<LoudnessMatch::Matched>> LoudnessMatch::match(const std::vector<Slot>& slots,
                                                                        std::optional<double> target)
{
    if (!LoudnessMeter::available())
        return std::nullopt;
    std::vector<Matched> matched;
    for (const Slot& slot : slots) {
        // Normalising would undo any gain: the match takes its place.
        Slot plain = slot;
        plain.shape.normalize = false;
        Matched first;
        first.shape = plain.shape;
        if (slot.sound != nullptr) {
            Rendering rendered = render(plain, plain.shape.gain);
            first.bytes = std::move(rendered.bytes);
            first.before = rendered.loudness;
            first.after = rendered.loudness;
        }
        matched.push_back(std::move(first));
    }
    const std::optional<double> to = targetOf(matched, target);
    if (!to)
        return matched;
    for (std::size_t i = 0; i < slots.size(); ++i) {
        if (!matched[i].before)
            continue;
        Slot plain = slots[i];
        plain.shape.normalize = false;
        matched[i] = matchOne(plain, *to, std::move(matched[i]));
    }
    return matched;
}

std::optional<double> LoudnessMatch::targetOf(const std::vector<Matched>& matched, std::optional<double> target)
{
    if (target)
        return target;
    std::optional<double> quietest;
    for (const Matched& slot : matched)
        if (slot.before)
            quietest = std::min(quietest.value_or(*slot.before), *slot.before);
    return quietest;
}

Text LoudnessMatch::heldText(const Matched& matched, double target)
{
    const double under = target - matched.after.value_or(target);
    if (matched.fades)
        return {ZYLOX_TR("LoudnessMatch", "held at %1 dB, %2 LU over the target: quieter would be silent"),
                {TextArgument::signedFixed(matched.shape.gain, 1), TextArgument::fixed(-under, 1)}};
    if (matched.ownBytes)
        return {
            ZYLOX_TR("LoudnessMatch", "held at %1 dB, %2 LU under the target: no file is kept to make it louder from"),
            {TextArgument::signedFixed(matched.shape.gain, 1), TextArgument::fixed(under, 1)}};
    if (!matched.clips)
        return {ZYLOX_TR("LoudnessMatch", "held at %1 dB, %2 LU under the target: the gain goes no higher"),
                {TextArgument::signedFixed(matched.shape.gain, 1), TextArgument::fixed(under, 1)}};
    return {ZYLOX_TR("LoudnessMatch", "held at %1 dB, %2 LU under the target: louder would clip"),
            {TextArgument::signedFixed(matched.shape.gain, 1), TextArgument::fixed(under, 1)}};
}

Text LoudnessMatch::firmwareRefusal()
{
    return Text(
        ZYLOX_TR("LoudnessMatch",
                 "the firmware bank's slots hold messages, not sounds: only a sound bank's loudness is matched"));
}

Text LoudnessMatch::matchedText(const Matched& matched)
{
    return {ZYLOX_TR("LoudnessMatch", "gain %1 dB: %2 (was %3)"),
            {TextArgument::signedFixed(matched.shape.gain, 1), SlotLoudness::text(matched.after),
             SlotLoudness::text(matched.before)}};
}

} // namespace soundlibrary
